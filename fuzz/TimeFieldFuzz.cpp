// The time field of the settings dialog on arbitrary text: normalizing is
// stable, validation agrees with the reading of the normalized text, a valid
// time formats and reads back to itself, stepping stays on the clock and can
// be undone, and what the field shows for any stored value is either a time
// shape or zero. Stored numbers read as whole numbers or nothing.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "ScratchFiles.h"
#include "core/model/TestSettings.h"

namespace {

bool IsClockText(const std::string& text) {
  if (text.size() != 8 || text[2] != ':' || text[5] != ':') return false;
  for (const size_t i : {0, 1, 3, 4, 6, 7})
    if (text[i] < '0' || text[i] > '9') return false;
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider input(data, size);
  const int delta = input.ConsumeIntegral<int>();
  const std::string text = input.ConsumeRemainingBytesAsString();

  const std::string normalized = TimeField::Normalize(text);
  FUZZ_CHECK(normalized.find(' ') == std::string::npos);
  FUZZ_CHECK(TimeField::Normalize(normalized) == normalized);

  const std::optional<int> seconds = TimeField::SecondsOfDay(normalized);
  FUZZ_CHECK(TimeField::IsValid(text) == seconds.has_value());

  const std::string stepped = TimeField::Step(text, delta);
  FUZZ_CHECK(IsClockText(stepped));
  if (seconds) {
    FUZZ_CHECK(*seconds >= 0 && *seconds < TimeField::SecondsPerDay);
    const std::string formatted = TimeField::Format(*seconds);
    FUZZ_CHECK(IsClockText(formatted));
    FUZZ_CHECK(TimeField::SecondsOfDay(formatted) == seconds);
    FUZZ_CHECK(TimeField::IsValid(formatted));
    // Stepping moves around the clock and back.
    const int back = delta == INT32_MIN ? INT32_MAX : -delta;
    const int correction = delta == INT32_MIN ? 1 : 0;
    FUZZ_CHECK(TimeField::Step(TimeField::Step(stepped, back), correction) == formatted);
  } else {
    FUZZ_CHECK(stepped == TimeField::Zero);
  }

  const std::string shown = TimeField::Shown(text);
  FUZZ_CHECK(shown == TimeField::Zero || (shown.size() >= 6 && shown[2] == ':' && shown[5] == ':'));
  FUZZ_CHECK(TimeField::Shown(shown) == shown);

  const std::optional<int32_t> number = ReadSettingNumber(text);
  if (number && text.find('$') == std::string::npos) {
    // A decimal number reads back from its own decimal text.
    FUZZ_CHECK(ReadSettingNumber(std::to_string(*number)) == number);
  }
  return 0;
}
