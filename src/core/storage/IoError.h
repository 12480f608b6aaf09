#pragma once

#include <stdexcept>
#include <string>

// The one exception type of the project: a file could not be read or written.
// what() is a complete sentence naming the file and the system's reason, ready
// to be shown to the user as it stands.
class TIoError : public std::runtime_error {
public:
  TIoError(std::string path, const std::string& action, const std::string& reason)
      : std::runtime_error(action + " \"" + path + "\": " + reason), Path(std::move(path)), Reason(reason) {}

  std::string Path;
  std::string Reason;
};
