#pragma once

#include <QString>

// The desktop's show mode for a started window: activate it and display it at
// its current size and position.
inline constexpr int SW_SHOW = 5;

// Opens a document, program or web address with the desktop's associated
// application, without waiting. Returns a value above 32 when the request was
// accepted, 32 or less when not.
class TShellOpen {
 public:
  virtual ~TShellOpen() = default;
  virtual int ExecuteFile(const QString& fileName, const QString& parameters, const QString& folder,
                          int showMode) = 0;
};

// ExecuteFile on this desktop.
//
// fileName is one of:
//  - a web address (a scheme such as "https:" or "mailto:" before the rest):
//    handed to the default browser or mail program;
//  - an existing executable file: started detached, with parameters split like
//    a command line ("a 'b c'" gives the two arguments a and b c), in folder, or
//    in the program's own folder when folder is empty;
//  - any other existing file or folder: handed to the desktop's default
//    application for it.
// A relative fileName is taken from folder when one is given. Every text is
// used whole, whatever its length. The desktop places and sizes the windows it
// opens itself, so showMode changes nothing here.
//
// Returns Accepted when the desktop took the request, FileNotFound when
// fileName names nothing that exists, NotStarted when the program could not be
// started or no application accepted the document or address. Nothing is
// waited for and nothing is reported to the user.
class TDesktopShellOpen : public TShellOpen {
 public:
  static constexpr int Accepted = 42;
  static constexpr int FileNotFound = 2;
  static constexpr int NotStarted = 0;

  int ExecuteFile(const QString& fileName, const QString& parameters, const QString& folder,
                  int showMode) override;
};
