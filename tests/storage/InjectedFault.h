#pragma once

#include <filesystem>
#include <map>
#include <string>

#include "storage/IniStore.h"
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
    case IniStoreFaults::TStep::Create: return "Create";
    case IniStoreFaults::TStep::Write: return "Write";
    case IniStoreFaults::TStep::Flush: return "Flush";
    case IniStoreFaults::TStep::Rename: return "Rename";
  }
  return "?";
}

inline constexpr IniStoreFaults::TStep AllSteps[] = {IniStoreFaults::TStep::Create, IniStoreFaults::TStep::Write,
                                                     IniStoreFaults::TStep::Flush, IniStoreFaults::TStep::Rename};

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
