// The programs' side of the scanner's module (ScannerModule.h): each call of
// ScanInput.h and SheetReader.h loads the module once, on its first use, and
// is passed on to it.

#include <dlfcn.h>

#include <filesystem>
#include <string>

#include "core/scan/ScannerModule.h"
#include "core/storage/IoError.h"

namespace Scan {
namespace {

// The module lies at QUIZWELL_SCANNER_MODULE from the running program's
// folder, both in the build and where the package installs it.
std::filesystem::path ModulePath() {
  std::error_code error;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
  const std::filesystem::path folder = error ? std::filesystem::current_path() : program.parent_path();
  return (folder / QUIZWELL_SCANNER_MODULE).lexically_normal();
}

const TScannerCalls& LoadModule() {
  const std::string path = ModulePath().string();
  const char* const action = "Cannot load the answer-sheet scanner";
  // The module is kept for the rest of the run.
  void* const module = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!module) {
    std::string reason = ::dlerror();
    if (reason.starts_with(path + ": ")) reason.erase(0, path.size() + 2);
    throw TIoError(path, action, reason);
  }
  const auto entry = reinterpret_cast<const TScannerCalls* (*)()>(::dlsym(module, ScannerEntry));
  if (!entry) throw TIoError(path, action, "it is not the scanner's module");
  const TScannerCalls* const calls = entry();
  if (calls->Size != sizeof(TScannerCalls) || calls->Interface != ScannerInterface)
    throw TIoError(path, action, "it belongs to another version of the program");
  return *calls;
}

// Loaded once; a failed load is tried again on the next call.
const TScannerCalls& Module() {
  static const TScannerCalls& calls = LoadModule();
  return calls;
}

}  // namespace

TScanKind SniffKind(std::string_view head) {
  return Module().SniffKind(head);
}

std::optional<TPixelSize> HeaderSize(TScanKind kind, std::string_view bytes) {
  return Module().HeaderSize(kind, bytes);
}

std::vector<std::string> ScanFilesIn(const std::string& folder) {
  return Module().ScanFilesIn(folder);
}

TLoadOutcome ForEachPage(const std::string& path, const std::function<void(TScanPage&&)>& onPage) {
  return Module().ForEachPage(path, onPage);
}

TPageReading ReadPage(const cv::Mat& gray, const TThresholds& thresholds) {
  return Module().ReadPage(gray, thresholds);
}

void Redecide(TPageReading& reading, const TThresholds& thresholds) {
  Module().Redecide(reading, thresholds);
}

}  // namespace Scan
