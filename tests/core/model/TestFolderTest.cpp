#include <gtest/gtest.h>

#include <filesystem>

#include "core/model/QuestionSet.h"
#include "core/model/TestFile.h"
#include "core/model/TestFolder.h"
#include "core/storage/FileStamp.h"
#include "core/storage/IniStore.h"
#include "core/storage/IoError.h"
#include "core/storage/ZarnEncryption.h"
#include "support/StoreLines.h"
#include "support/TempDir.h"

namespace {

class TestFolderTest : public ::testing::Test {
protected:
  TTempDir Dir;
  std::string Folder = Dir.Path().string();
};

TEST_F(TestFolderTest, FindsAFileInAnyCaseTheExactSpellingFirstAndNeverAFolder) {
  EXPECT_EQ(TestFolder::FindFile(Folder, "QWTEST.EXE"), Dir.File("QWTEST.EXE")) << "none there";
  std::filesystem::create_directory(Dir.Path() / "qwtest.exe");
  EXPECT_EQ(TestFolder::FindFile(Folder, "QWTEST.EXE"), Dir.File("QWTEST.EXE")) << "a folder is no file";
  WriteBytes(Dir.File("QwTest.exe"), "b");
  WriteBytes(Dir.File("Qwtest.exe"), "a");
  EXPECT_EQ(TestFolder::FindFile(Folder, "QWTEST.EXE"), Dir.File("QwTest.exe"))
      << "least spelling, every run";
  WriteBytes(Dir.File("QWTEST.EXE"), "c");
  EXPECT_EQ(TestFolder::FindFile(Folder, "QWTEST.EXE"), Dir.File("QWTEST.EXE"));
  EXPECT_EQ(TestFolder::FindFile(Dir.File("missing"), "x.cfg"), Dir.File("missing/x.cfg"));
}

TEST_F(TestFolderTest, NewTestReplacesTheOldOneWholeButNeverAFolder) {
  const std::string path = Dir.File("old.qwt");
  EXPECT_EQ(TestFolder::ReplaceBlocker(path), "") << "nothing there";
  WriteBytes(path, "[SETTINGS]\r\nDESC=" + Encrypt("Old") + "\r\n[QA1]\r\nQ=" + Encrypt("Kept?") + "\r\n");
  EXPECT_EQ(TestFolder::ReplaceBlocker(path), "");
  TestFolder::CreateNewTest(path);
  TIniStore store(path);
  EXPECT_TRUE(SectionLines(store, "QA1").empty()) << "the old test's questions go with it";
  EXPECT_TRUE(TestFolder::LoadableDescription(path).has_value());
  EXPECT_EQ(TestFolder::ReplaceBlocker(Folder), "it is a folder, not a file");
}

TEST_F(TestFolderTest, LoadableDescriptionIsDecipheredAndRefusedForNonTests) {
  const std::string path = Dir.File("t.qwt");
  WriteBytes(path, "[SETTINGS]\r\nDESC=" + Encrypt("Rivers") + "\r\n");
  EXPECT_EQ(TestFolder::LoadableDescription(path), "Rivers");
  WriteBytes(path, "[SETTINGS]\r\nTIME=00:10:00\r\n");
  EXPECT_EQ(TestFolder::LoadableDescription(path), std::nullopt);
  EXPECT_EQ(TestFolder::LoadableDescription(Dir.File("none.qwt")), std::nullopt);
  EXPECT_EQ(TestFolder::LoadableDescription(Folder), std::nullopt);
}

TEST_F(TestFolderTest, EditorDiffersFromFileIgnoringEmptyQuestionsAtTheEnd) {
  const std::string path = Dir.File("t.qwt");
  QuestionSet questions;
  WriteBytes(path, "[SETTINGS]\r\nDESC=" + Encrypt("T") + "\r\n[QA1]\r\nQ=" + Encrypt("Why?") + "\r\n");
  questions.LoadQuestions(path);
  questions.AddQuestion();
  EXPECT_FALSE(TestFolder::DiffersFromFile(questions, path));
  questions.Slot(1).Question = "How?";
  EXPECT_TRUE(TestFolder::DiffersFromFile(questions, path));
}

}  // namespace

// The editor's check before writing back rests on these stamps: the load's
// is the file as read, the save's the file as written, and a failed load
// keeps the stamp it had.
TEST_F(TestFolderTest, EditorStampsAreTheFileAsReadAndAsWritten) {
  const std::string path = Dir.File("t.qwt");
  TestFolder::CreateNewTest(path);
  QuestionSet questions;
  TFileStamp stamp;
  TestFolder::LoadForEditing(questions, path, stamp);
  EXPECT_EQ(ChangeSince(stamp, path), TFileChange::None);
  const TFileStamp loaded = stamp;
  questions.Slot(1).Question = "Changed";
  TestFolder::SaveEdited(questions, path, stamp);
  EXPECT_EQ(ChangeSince(stamp, path), TFileChange::None);
  EXPECT_EQ(ChangeSince(loaded, path), TFileChange::Changed);

  const std::string folder = Dir.File("FOLDER.QWT");
  std::filesystem::create_directory(folder);
  EXPECT_THROW(TestFolder::LoadForEditing(questions, folder, stamp), TIoError);
  EXPECT_EQ(ChangeSince(stamp, path), TFileChange::None);
}
