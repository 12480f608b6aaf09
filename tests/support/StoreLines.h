#pragma once

#include <string>
#include <string_view>

#include "core/storage/IniStore.h"

// A section's raw lines, and the key of each ("" for a line without '='), as
// the store holds them; both empty when the section is absent.
inline TStrings SectionLines(TCustomIniStore& store, std::string_view section) {
  TStrings lines;
  store.ReadSectionValues(section, lines);
  return lines;
}

inline TStrings SectionKeys(TCustomIniStore& store, std::string_view section) {
  TStrings keys;
  for (const std::string& line : SectionLines(store, section)) {
    const size_t equals = line.find('=');
    keys.push_back(equals == std::string::npos ? std::string() : line.substr(0, equals));
  }
  return keys;
}
