// The attempt file reader on arbitrary bytes: it either refuses them with its
// own error or gives an attempt that holds together, and that attempt written
// out reads back as the same attempt. The bytes are read as they are, and
// once more as the body of a file with its check line made for them, so that
// the lines themselves are read and not only the check.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/results/AttemptFile.h"

namespace {

void Check(std::string_view bytes) {
  AttemptFile::TParsed parsed;
  try {
    parsed = AttemptFile::Parse(bytes);
  } catch (const TAttemptFileError&) {
    return;
  }
  if (!AttemptProblem(parsed.Attempt).empty()) std::abort();
  const AttemptFile::TParsed again = AttemptFile::Parse(AttemptFile::Format(parsed.Attempt));
  if (!(again.Attempt == parsed.Attempt) || again.ContentId != AttemptFile::ContentId(parsed.Attempt))
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  Check(bytes);
  std::string body(
      bytes.substr(0, bytes.rfind("end\t") == std::string_view::npos ? size : bytes.rfind("end\t")));
  Check(body + "end\t" + Digest128(body) + "\n");
  return 0;
}
