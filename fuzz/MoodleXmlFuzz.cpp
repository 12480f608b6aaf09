// Moodle XML from arbitrary bytes: no crash or hang, and whatever reads is
// written out and read back without error.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/exchange/MoodleXml.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto format = MakeMoodleXmlFormat();
  TLossReport report;
  TImportedTest imported;
  try {
    imported = format->Read(std::string_view(reinterpret_cast<const char*>(data), size), report);
  } catch (const TFormatError&) {
    return 0;
  }
  TExportedTest test;
  test.Description = imported.Title;
  test.Contents.Questions = imported.Questions;
  const auto lookup = [&](const std::string& name) -> std::optional<TMediaFile> {
    for (const TMediaFile& media : imported.Media)
      if (media.Name == name) return media;
    return std::nullopt;
  };
  TLossReport again;
  const TImportedTest back = format->Read(format->Write(test, lookup, report), again);
  if (back.Questions.size() > imported.Questions.size()) __builtin_trap();
  return 0;
}
