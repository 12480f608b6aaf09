// One reader of another quiz system's format (EXCHANGE_FORMAT) on arbitrary
// bytes: no crash or hang, damaged input refused with TFormatError only, and
// what was read written and read again into as many questions.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/exchange/Formats.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const TQuestionFormat* format = FindQuestionFormat(EXCHANGE_FORMAT);
  if (!format) std::abort();
  TLossReport report;
  TImportedTest test;
  try {
    test = format->Read(std::string_view(reinterpret_cast<const char*>(data), size), report);
  } catch (const TFormatError&) {
    return 0;
  }
  if (test.Questions.size() > 10000) std::abort();
  TExportedTest exported;
  exported.Contents.Questions = test.Questions;
  TLossReport written, reread;
  const std::string bytes = format->Write(exported, {}, written);
  const TImportedTest back = format->Read(bytes, reread);
  // Every question comes back but those the writer names as not exported.
  size_t notExported = 0;
  for (const std::string& line : written.Lines()) notExported += line.ends_with("not exported");
  if (back.Questions.size() + notExported != test.Questions.size()) std::abort();
  return 0;
}
