// QTI content packages from arbitrary bytes: no crash, hang or runaway
// memory, and whatever reads is written out and read back without error.

#include "XmlRoundTrip.h"
#include "core/exchange/Qti.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto format = MakeQtiFormat();
  return XmlRoundTrip(*format, data, size);
}
