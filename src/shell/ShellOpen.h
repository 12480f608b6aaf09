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
