#pragma once

#include <QString>

// The desktop's show mode for a started window: activate it and display it at
// its current size and position.
inline constexpr int SW_SHOW = 5;

// How a program start went. Result is above 32 when the program was started,
// FileNotFound (2) when nothing exists at its name, 32 or less otherwise; then
// Reason holds the system's words for why it could not be started.
struct TProgramStart {
  int Result = 0;
  QString Reason;

  bool Started() const { return Result > 32; }
};

// Opens documents and web addresses with the desktop's associated application,
// and starts programs, without waiting.
class TShellOpen {
public:
  virtual ~TShellOpen() = default;
  // Opens a document or web address. Returns a value above 32 when the request
  // was accepted, 32 or less when not. Never runs the file itself as a program.
  virtual int ExecuteFile(const QString& fileName, const QString& parameters, const QString& folder,
                          int showMode) = 0;
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
// opens itself, so showMode changes nothing here.
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
  static constexpr int Accepted = 42;
  static constexpr int FileNotFound = 2;
  static constexpr int NotStarted = 0;

  int ExecuteFile(const QString& fileName, const QString& parameters, const QString& folder,
                  int showMode) override;
  TProgramStart StartProgram(const QString& programName, const QString& parameters,
                             const QString& folder) override;
};

class TDialogs;

// Opens a web address, or a local page given by its path, in the desktop's
// browser. When no browser takes it, says so and gives the address to copy
// into a browser by hand. Returns whether a browser took it.
bool OpenInBrowser(TShellOpen& shell, TDialogs& dialogs, const QString& address);
