#include <gtest/gtest.h>

#include <filesystem>

#include "core/storage/FileStamp.h"
#include "support/TempDir.h"

namespace {

// Replacing and removing are seen through the editor's tests; these are the
// writes that keep the file's inode.
TEST(FileStamp, SeesAWriteInPlaceAndAFileMadeWhereNoneWas) {
  TTempDir dir;
  const std::string path = dir.File("T.QWT");
  const TFileStamp none = StampFile(path);
  EXPECT_EQ(ChangeSince(none, path), TFileChange::None);
  WriteBytes(path, "[SETTINGS]\r\n");
  EXPECT_EQ(ChangeSince(none, path), TFileChange::Changed);
  const TFileStamp read = StampFile(path);
  WriteBytes(path, "[SETTINGS]\r\nDESC=x\r\n");
  EXPECT_EQ(ChangeSince(read, path), TFileChange::Changed);
}

// Compared by device and inode, so no spelling or link of a path hides it.
TEST(FileStamp, SameFileSeesThroughLinksAndSpellingsButNotEqualContent) {
  TTempDir dir;
  const std::string path = dir.File("T.QWT");
  WriteBytes(path, "[SETTINGS]\r\n");
  WriteBytes(dir.File("COPY.QWT"), "[SETTINGS]\r\n");
  std::filesystem::create_symlink(path, dir.File("LINK.QWT"));
  std::filesystem::create_hard_link(path, dir.File("HARD.QWT"));
  for (const std::string& other :
       {path, dir.Path().string() + "/./T.QWT", dir.File("LINK.QWT"), dir.File("HARD.QWT")})
    EXPECT_TRUE(SameFile(path, other)) << other;
  EXPECT_FALSE(SameFile(path, dir.File("COPY.QWT")));
  EXPECT_FALSE(SameFile(path, dir.File("NEW.QWT")));
  EXPECT_FALSE(SameFile(dir.File("NEW.QWT"), dir.File("NEW.QWT")));
}

}  // namespace
