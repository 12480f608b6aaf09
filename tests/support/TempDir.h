#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// A fresh folder for one test, removed with everything in it afterwards.
class TTempDir {
public:
  TTempDir();
  ~TTempDir();
  TTempDir(const TTempDir&) = delete;
  TTempDir& operator=(const TTempDir&) = delete;

  const std::filesystem::path& Path() const { return Root; }
  std::string File(std::string_view name) const { return (Root / name).string(); }

private:
  std::filesystem::path Root;
};

// Whole-file helpers for tests: exact bytes in and out.
std::string ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, std::string_view bytes);
// A new test at path, as the maker's New command writes it.
void WriteNewTestFile(const std::string& path);
// A file of tests/data.
std::string TestDataPath(std::string_view name);
