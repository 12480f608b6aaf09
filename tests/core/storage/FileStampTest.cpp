#include <gtest/gtest.h>

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

}  // namespace
