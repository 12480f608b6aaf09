#pragma once

#include <QString>

// How opening a document or starting a program went.
enum class TOpenResult {
  Accepted,      // the desktop took the request
  FileNotFound,  // nothing exists at the name
  NotStarted,    // the program could not be started, or no application took the document
};

// How a program start went; Reason holds the system's words for why it could
// not be started when Result is NotStarted.
struct TProgramStart {
  TOpenResult Result = TOpenResult::NotStarted;
  QString Reason;

  bool Started() const { return Result == TOpenResult::Accepted; }
};

// Opens documents and web addresses with the desktop's associated application,
// and starts programs, without waiting.
class TShellOpen {
public:
  virtual ~TShellOpen() = default;
  // Opens a document or web address. Never runs the file itself as a program.
  virtual TOpenResult ExecuteFile(const QString& fileName, const QString& parameters,
                                  const QString& folder) = 0;
  // Starts the program at programName detached, with parameters split like a
  // command line ("a 'b c'" gives the two arguments a and b c), in folder, or
  // in the program's own folder when folder is empty.
  virtual TProgramStart StartProgram(const QString& programName, const QString& parameters,
                                     const QString& folder) = 0;
};

// ExecuteFile and StartProgram on this desktop.
//
// ExecuteFile's fileName is a web address (a scheme such as "https:" or
// "mailto:" before the rest), handed to the default browser or mail program,
// or an existing file or folder, handed to the desktop's default application
// for it. A file is a document whatever its permission bits: a page someone
// marked executable is shown, not run, and one on a mount that runs nothing
// is shown all the same.
//
// A relative name is taken from folder when one is given. Every text is used
// whole, whatever its length. The desktop places and sizes the windows it
// opens itself.
//
// ExecuteFile returns, and StartProgram's Result is, Accepted when the desktop
// took the request, FileNotFound when the name names nothing that exists,
// NotStarted when the program could not be started (Reason says why: no
// permission to run it, a mount that runs nothing, a file of no format the
// system runs, a working folder that is not there) or no application accepted
// the document or address. Nothing is waited for and nothing is reported to
// the user.
class TDesktopShellOpen : public TShellOpen {
public:
  TOpenResult ExecuteFile(const QString& fileName, const QString& parameters, const QString& folder) override;
  TProgramStart StartProgram(const QString& programName, const QString& parameters,
                             const QString& folder) override;
};

class TDialogs;

// Opens a web address, or a local page given by its path, in the desktop's
// browser. When no browser takes it, says so and gives the address to copy
// into a browser by hand. Returns whether a browser took it.
bool OpenInBrowser(TShellOpen& shell, TDialogs& dialogs, const QString& address);
