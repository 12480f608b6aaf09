#pragma once

#include <cstddef>
#include <string_view>

// The student page's files, compiled into the program from src/classroom/page
// by the build (see CMakeLists.txt), so the server reads no file to send them.
struct TPageFile {
  std::string_view Path;  // as requested: "/", "/page.js", ...
  std::string_view ContentType;
  std::string_view Bytes;
};

extern const TPageFile PageFiles[];
extern const std::size_t PageFileCount;
