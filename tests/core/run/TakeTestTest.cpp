#include <gtest/gtest.h>

#include <filesystem>

#include "core/model/TestFile.h"
#include "core/run/TakeTest.h"
#include "core/storage/IniStore.h"
#include "core/storage/IoError.h"
#include "support/Questions.h"
#include "support/TempDir.h"

// An attempt goes into a history whose folder is made first, with the result
// worded as the history shows it; a test that is no file is refused.
TEST(TakeTest, AddsTheAttemptToAHistoryInAFolderItMakes) {
  TTempDir dir;
  const std::string history = dir.File("data/deeper/history.csv");
  TRunResult result;
  result.Asked = 4;
  result.Right = 3;
  result.Percent = 75;
  result.HasPassPoint = true;
  result.Passed = true;
  result.SecondsTaken = 3725;
  EXPECT_FALSE(TakeTest::AddToHistory(history, "Ann", "2026-01-02 10:00:00", "/t/A.QWT", "Rivers", result));
  result.HasPassPoint = false;
  TakeTest::AddToHistory(history, "Bo", "2026-01-02 11:00:00", "/t/A.QWT", "Rivers", result);
  const std::vector<THistoryRecord> records = History::Load(history);
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[0], (THistoryRecord{"Ann", "2026-01-02 10:00:00", "/t/A.QWT", "Rivers", 4, 3, 75,
                                        "Passed", "01:02:05"}));
  EXPECT_EQ(records[1].Result, "");

  WriteBytes(dir.File("in-the-way"), "a file");
  EXPECT_THROW(TakeTest::AddToHistory(dir.File("in-the-way/history.csv"), "Cy", "", "", "", result),
               TIoError);
  EXPECT_THROW(TakeTest::Read(dir.File("data")), TIoError);
}

TEST(TakeTest, ReadsTheSettingsAndTheQuestionsOfATest) {
  TTempDir dir;
  const std::string path = dir.File("T.QWT");
  WriteTest(path, {.Description = "Rivers"}, {MakeQuestion("One", {"a", "b"}, "B")});
  const TakeTest::TTestToTake test = TakeTest::Read(path);
  EXPECT_EQ(test.Settings.Description, "Rivers");
  ASSERT_EQ(test.Questions.size(), 1u);
  EXPECT_EQ(test.Questions[0].Correct, "B");
}
