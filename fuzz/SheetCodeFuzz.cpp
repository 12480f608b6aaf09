// The QR text of an answer sheet page, as a scanner reads it off paper: a
// text is taken only in the form Encode writes, and a page laid out from
// what is taken has a box per answer counted, all inside the markers.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "ScratchFiles.h"
#include "core/run/SheetLayout.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto code = SheetLayout::Decode(text);
  if (!code) return 0;
  FUZZ_CHECK(SheetLayout::Encode(*code) == text);
  const SheetLayout::TSheetPage page = SheetLayout::Lay(*code);
  std::size_t boxes = 0;
  for (const char count : code->AnswerCounts) boxes += static_cast<std::size_t>(count - '0');
  FUZZ_CHECK(page.Answers.size() == boxes);
  const SheetLayout::TBox& topLeft = page.Markers[0];
  const SheetLayout::TBox& bottomRight = page.Markers[2];
  for (const SheetLayout::TAnswerBox& answer : page.Answers) {
    FUZZ_CHECK(answer.Box.X > topLeft.X && answer.Box.X < bottomRight.X);
    FUZZ_CHECK(answer.Box.Y > topLeft.Y && answer.Box.Y < bottomRight.Y);
  }
  return 0;
}
