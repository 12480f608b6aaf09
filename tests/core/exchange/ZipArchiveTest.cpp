#include <gtest/gtest.h>

#include "core/exchange/QuestionFormat.h"
#include "core/exchange/ZipArchive.h"

namespace {

std::string ErrorOf(const std::string& bytes) {
  try {
    ZipArchive::Read(bytes);
  } catch (const TFormatError& error) {
    return error.what();
  }
  return "no error";
}

TEST(ZipArchive, EntriesComeBackInOrderWithoutFolders) {
  const std::vector<ZipArchive::TEntry> entries = {{"imsmanifest.xml", "<manifest/>"},
                                                   {"media/caf\xC3\xA9 1.png", std::string("\0\x89\xFF", 3)},
                                                   {"empty", ""}};
  const std::vector<ZipArchive::TEntry> back = ZipArchive::Read(ZipArchive::Write(entries));
  ASSERT_EQ(back.size(), entries.size());
  for (std::size_t i = 0; i < back.size(); ++i) {
    EXPECT_EQ(back[i].Name, entries[i].Name);
    EXPECT_EQ(back[i].Bytes, entries[i].Bytes);
  }
}

TEST(ZipArchive, DamagedArchivesAreRefused) {
  std::string zip = ZipArchive::Write({{"a.xml", std::string(1000, 'a')}});
  EXPECT_NE(ErrorOf("").find("not a readable zip archive"), std::string::npos);
  EXPECT_NE(ErrorOf("PK\x03\x04 not really").find("not a readable zip archive"), std::string::npos);
  zip[zip.find("a.xml") + 8] ^= 0x55;  // into the deflated data
  EXPECT_NE(ErrorOf(zip), "no error");
}

TEST(ZipArchive, RefusesWhatWouldExhaustMemory) {
  // A deflated run of one byte packs about a thousand to one.
  EXPECT_NE(ErrorOf(ZipArchive::Write({{"bomb", std::string(ZipArchive::MaxEntryBytes + 1, 'x')}}))
                .find("entry bomb unpacks too large"),
            std::string::npos);
  std::vector<ZipArchive::TEntry> many(ZipArchive::MaxEntries + 1);
  for (std::size_t i = 0; i < many.size(); ++i) many[i].Name = std::to_string(i);
  EXPECT_NE(ErrorOf(ZipArchive::Write(many)).find("10001 entries"), std::string::npos);
}

}  // namespace
