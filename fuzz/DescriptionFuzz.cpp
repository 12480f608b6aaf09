// The catalogue reads a test's description without loading the whole file. On
// any bytes it must give exactly what a full load of the same file gives, and
// what it gives must decide listing the same way.

#include <cstddef>
#include <cstdint>
#include <string>

#include "ScratchFiles.h"
#include "core/model/TestFile.h"
#include "core/storage/IniStore.h"
#include "core/storage/ZarnEncryption.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string path =
      ScratchFiles::WithBytes("test.qwt", std::string(reinterpret_cast<const char*>(data), size));
  const std::string peeked = TestFile::ReadStoredDescription(path);
  std::string loaded;
  {
    TIniStore store(path);
    loaded = store.ReadString(TestFile::Settings, TestFile::Desc, {});
  }
  FUZZ_CHECK(peeked == loaded);
  FUZZ_CHECK(TestFile::IsListable(Decrypt(peeked)) == TestFile::IsListable(Decrypt(loaded)));
  // Reading twice gives the same answer.
  FUZZ_CHECK(TestFile::ReadStoredDescription(path) == peeked);
  return 0;
}
