// A stamp taken before a read tells whether anything wrote or removed the file
// since, including a save that left the very same bytes.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "core/storage/AtomicFile.h"
#include "core/storage/FileStamp.h"
#include "core/storage/IoError.h"
#include "support/TempDir.h"

namespace {

TEST(FileStamp, SeesEveryWriteAndRemovalSinceTheRead) {
  TTempDir dir;
  const std::string path = dir.File("T.QWT");
  WriteBytes(path, "[SETTINGS]\r\n");
  const TFileStamp read = StampFile(path);
  EXPECT_EQ(ChangeSince(read, path), TFileChange::None);

  // Another program's save of the same bytes is still a save.
  ReplaceFileAtomically(path, "[SETTINGS]\r\n");
  EXPECT_EQ(ChangeSince(read, path), TFileChange::Changed);

  const TFileStamp again = StampFile(path);
  WriteBytes(path, "[SETTINGS]\r\nDESC=x\r\n");  // written in place
  EXPECT_EQ(ChangeSince(again, path), TFileChange::Changed);

  std::filesystem::remove(path);
  EXPECT_EQ(ChangeSince(read, path), TFileChange::Deleted);
  const TFileStamp missing = StampFile(path);
  EXPECT_FALSE(missing.Exists);
  EXPECT_EQ(ChangeSince(missing, path), TFileChange::None);
  WriteBytes(path, "");
  EXPECT_EQ(ChangeSince(missing, path), TFileChange::Changed);

  // A path through a file is no file; a folder that may not be searched is an error.
  EXPECT_FALSE(StampFile(path + "/below").Exists);
  if (::geteuid() != 0) {
    std::filesystem::create_directory(dir.File("shut"));
    WriteBytes(dir.File("shut/T.QWT"), "");
    std::filesystem::permissions(dir.File("shut"), std::filesystem::perms::none);
    EXPECT_THROW(StampFile(dir.File("shut/T.QWT")), TIoError);
    std::filesystem::permissions(dir.File("shut"), std::filesystem::perms::owner_all);
  }
}

}  // namespace
