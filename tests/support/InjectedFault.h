#pragma once

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <map>
#include <string>

#include "core/storage/IniStore.h"
#include "support/TempDir.h"

// Makes every save fail at one step of the atomic write while it lives.
class TInjectedFault {
public:
  explicit TInjectedFault(IniStoreFaults::TStep step) { IniStoreFaults::FailAt(step); }
  ~TInjectedFault() { IniStoreFaults::FailAt(std::nullopt); }
  TInjectedFault(const TInjectedFault&) = delete;
  TInjectedFault& operator=(const TInjectedFault&) = delete;
};

inline const char* StepName(IniStoreFaults::TStep step) {
  switch (step) {
    case IniStoreFaults::TStep::Create:
      return "Create";
    case IniStoreFaults::TStep::Write:
      return "Write";
    case IniStoreFaults::TStep::Flush:
      return "Flush";
    case IniStoreFaults::TStep::Rename:
      return "Rename";
  }
  return "?";
}

// The error a save of path failing at step reports, as the error box shows it.
inline std::string FaultText(IniStoreFaults::TStep step, const std::string& path) {
  const char* action = "";
  switch (step) {
    case IniStoreFaults::TStep::Create:
      action = "Could not create a temporary file to save";
      break;
    case IniStoreFaults::TStep::Write:
      action = "Could not write";
      break;
    case IniStoreFaults::TStep::Flush:
      action = "Could not flush to disk";
      break;
    case IniStoreFaults::TStep::Rename:
      action = "Could not replace";
      break;
  }
  return std::string(action) + " \"" + path + "\": " + std::strerror(EIO);
}

inline constexpr IniStoreFaults::TStep AllSteps[] = {
    IniStoreFaults::TStep::Create, IniStoreFaults::TStep::Write, IniStoreFaults::TStep::Flush,
    IniStoreFaults::TStep::Rename};

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
