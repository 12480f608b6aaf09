#pragma once

#include <functional>
#include <string>

#include "core/storage/IoError.h"

// The message of the I/O error that action raises, as the error box would
// show it; empty when action raises none. Tests compare the box against it.
inline std::string IoErrorText(const std::function<void()>& action) {
  try {
    action();
  } catch (const TIoError& error) {
    return error.what();
  }
  return {};
}
