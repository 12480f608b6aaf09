// Moodle XML from arbitrary bytes: no crash or hang, and whatever reads is
// written out and read back without error.

#include "XmlRoundTrip.h"
#include "core/exchange/MoodleXml.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto format = MakeMoodleXmlFormat();
  return XmlRoundTrip(*format, data, size);
}
