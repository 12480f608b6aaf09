#pragma once

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

// Files for the code under test to open: a folder of this process's own, in
// memory where the system offers /dev/shm, removed when the process ends.
namespace ScratchFiles {

inline const std::filesystem::path& Folder() {
  struct TFolder {
    std::filesystem::path Path;
    TFolder() {
      std::error_code error;
      const std::filesystem::path base = std::filesystem::is_directory("/dev/shm", error)
                                             ? "/dev/shm"
                                             : std::filesystem::temp_directory_path();
      Path = base / ("quizwell-fuzz-" + std::to_string(::getpid()));
      std::filesystem::create_directories(Path);
    }
    ~TFolder() {
      std::error_code error;
      std::filesystem::remove_all(Path, error);
    }
  };
  static const TFolder folder;
  return folder.Path;
}

// The path of name inside the folder; the file itself is removed first, so
// every run starts without it.
inline std::string Fresh(std::string_view name) {
  const std::filesystem::path path = Folder() / name;
  std::error_code error;
  std::filesystem::remove(path, error);
  return path.string();
}

inline void Write(const std::string& path, std::string_view bytes) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) std::abort();
  if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size()) std::abort();
  if (std::fclose(file) != 0) std::abort();
}

inline std::string Read(const std::string& path) {
  std::string bytes;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (!file) return bytes;
  char buffer[65536];
  size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, got);
  std::fclose(file);
  return bytes;
}

// A file holding bytes, under name.
inline std::string WithBytes(std::string_view name, std::string_view bytes) {
  const std::string path = Fresh(name);
  Write(path, bytes);
  return path;
}

}  // namespace ScratchFiles

// Stops the run with a message naming the broken property; libFuzzer then
// saves the input that broke it.
#define FUZZ_CHECK(condition)                                                               \
  do {                                                                                      \
    if (!(condition)) {                                                                     \
      std::fprintf(stderr, "%s:%d: property broken: %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                                         \
    }                                                                                       \
  } while (false)
