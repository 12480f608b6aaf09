#include "support/TempDir.h"

#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

#include "core/model/TestFile.h"
#include "core/storage/IniStore.h"

TTempDir::TTempDir() {
  std::random_device device;
  const auto base = std::filesystem::temp_directory_path();
  for (int attempt = 0; attempt < 100; ++attempt) {
    auto candidate = base / ("quizwell-test-" + std::to_string(device()));
    if (std::filesystem::create_directory(candidate)) {
      Root = candidate;
      return;
    }
  }
  throw std::runtime_error("cannot create a temporary folder");
}

TTempDir::~TTempDir() {
  std::error_code ignored;
  std::filesystem::permissions(Root, std::filesystem::perms::owner_all, std::filesystem::perm_options::add,
                               ignored);
  std::filesystem::remove_all(Root, ignored);
}

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

void WriteBytes(const std::string& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path);
}

std::string TestDataPath(std::string_view name) {
  return std::string(QUIZWELL_TEST_DATA) + "/" + std::string(name);
}

void WriteNewTestFile(const std::string& path) {
  TIniStore store(path);
  TestFile::WriteNewTest(store);
  store.UpdateFile();
}
