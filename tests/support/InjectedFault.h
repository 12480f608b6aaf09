#pragma once

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <map>
#include <string>

#include "core/storage/AtomicFile.h"
#include "support/TempDir.h"

// Makes every save fail at one step of the atomic write while it lives.
class TInjectedFault {
public:
  explicit TInjectedFault(AtomicFileFaults::TStep step) { AtomicFileFaults::FailAt(step); }
  ~TInjectedFault() { AtomicFileFaults::FailAt(std::nullopt); }
  TInjectedFault(const TInjectedFault&) = delete;
  TInjectedFault& operator=(const TInjectedFault&) = delete;
};

inline const char* StepName(AtomicFileFaults::TStep step) {
  switch (step) {
    case AtomicFileFaults::TStep::Create:
      return "Create";
    case AtomicFileFaults::TStep::Write:
      return "Write";
    case AtomicFileFaults::TStep::Flush:
      return "Flush";
    case AtomicFileFaults::TStep::Rename:
      return "Rename";
  }
  return "?";
}

// The error a save of path failing at step reports, as the error box shows it.
inline std::string FaultText(AtomicFileFaults::TStep step, const std::string& path) {
  const char* action = "";
  switch (step) {
    case AtomicFileFaults::TStep::Create:
      action = "Could not create a temporary file to save";
      break;
    case AtomicFileFaults::TStep::Write:
      action = "Could not write";
      break;
    case AtomicFileFaults::TStep::Flush:
      action = "Could not flush to disk";
      break;
    case AtomicFileFaults::TStep::Rename:
      action = "Could not replace";
      break;
  }
  return std::string(action) + " \"" + path + "\": " + std::strerror(EIO);
}

inline constexpr AtomicFileFaults::TStep AllSteps[] = {
    AtomicFileFaults::TStep::Create, AtomicFileFaults::TStep::Write, AtomicFileFaults::TStep::Flush,
    AtomicFileFaults::TStep::Rename};

// Every entry of a folder, hidden ones included, with the bytes of each file
// ("<folder>" for a folder): equal snapshots mean nothing was changed, added or
// left behind.
inline std::map<std::string, std::string> FolderSnapshot(const std::filesystem::path& folder) {
  std::map<std::string, std::string> entries;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    entries[entry.path().filename().string()] =
        entry.is_directory() ? std::string("<folder>") : ReadBytes(entry.path().string());
  return entries;
}
