#pragma once

// The XML formats' fuzz body: arbitrary bytes read (damaged input refused with
// TFormatError only), and whatever reads, media included, written out and
// read back without error into no more questions than it had.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/exchange/QuestionFormat.h"

inline int XmlRoundTrip(const TQuestionFormat& format, const std::uint8_t* data, std::size_t size) {
  TLossReport report;
  TImportedTest imported;
  try {
    imported = format.Read(std::string_view(reinterpret_cast<const char*>(data), size), report);
  } catch (const TFormatError&) {
    return 0;
  }
  TExportedTest test;
  test.Description = imported.Title;
  test.Contents.BeginMessage = imported.BeginMessage;
  test.Contents.Questions = imported.Questions;
  const auto lookup = [&](const std::string& name) -> std::optional<TMediaFile> {
    for (const TMediaFile& media : imported.Media)
      if (media.Name == name) return media;
    return std::nullopt;
  };
  TLossReport again;
  const TImportedTest back = format.Read(format.Write(test, lookup, report), again);
  if (back.Questions.size() > imported.Questions.size()) __builtin_trap();
  return 0;
}
