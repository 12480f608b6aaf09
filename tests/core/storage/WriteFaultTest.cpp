// Every way the core writes a file, failing at each step of the atomic save:
// the failure is reported as an I/O error naming the file, the folder is left
// byte for byte as it was with no temporary file behind, what was in memory is
// still there, and saving again once the fault is gone writes it all.

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "core/model/ClientConfig.h"
#include "core/model/Conversions.h"
#include "core/model/QuestionSet.h"
#include "core/model/TestFile.h"
#include "core/model/TestSettings.h"
#include "core/storage/IniStore.h"
#include "core/storage/ZarnEncryption.h"
#include "support/InjectedFault.h"
#include "support/TempDir.h"

namespace {

using AtomicFileFaults::TStep;

const std::string OldTest =
    "[SETTINGS]\r\nDESC=0E8CDB41\r\nTIME=0A1B\r\n\r\n[BEGINMESSAGE]\r\nWelcome\r\n\r\n"
    "[QA1]\r\nQUESTION=4A8F\r\nA=4AA0\r\n\r\n[QA2]\r\nQUESTION=4B90\r\n\r\n[NOTES]\r\nkept=1\r\n\r\n";
const std::string OldText =
    "[SETTINGS]\r\nDESC=Old text\r\n\r\n[QA1]\r\nQUESTION=Old question\r\nA=Old answer\r\n\r\n";
const std::string OldConfig = "[SETTINGS]\r\nLOGO=old.bmp\r\nFULLSCREEN=0\r\n\r\n";

class WriteFaultTest : public testing::TestWithParam<TStep> {
protected:
  // Runs save with the fault in place and checks the failure and the folder;
  // then runs it again without the fault, which must succeed.
  void ExpectFailureLeavesFolder(const std::string& path, const std::function<void()>& save) {
    const auto before = FolderSnapshot(Dir.Path());
    {
      TInjectedFault fault(GetParam());
      try {
        save();
        ADD_FAILURE() << "the save did not report the failure";
      } catch (const TIoError& error) {
        EXPECT_EQ(error.Path, path);
        EXPECT_EQ(error.what(), FaultText(GetParam(), path));
      }
    }
    EXPECT_EQ(FolderSnapshot(Dir.Path()), before) << "a failed save changed the folder";
  }

  TTempDir Dir;
};

}  // namespace

TEST_P(WriteFaultTest, AStoreKeepsItsChangesWhenItsFlushFails) {
  const std::string path = Dir.File("test.qwt");
  WriteBytes(path, OldTest);
  TIniStore store(path);
  store.WriteString("QA2", "A", "4C91");
  store.WriteSectionValues("ENDMESSAGE", {"Goodbye"});
  TStrings changed;
  store.ReadAll(changed);

  ExpectFailureLeavesFolder(path, [&] { store.UpdateFile(); });
  EXPECT_TRUE(store.Modified);
  TStrings after;
  store.ReadAll(after);
  EXPECT_EQ(after, changed);

  store.UpdateFile();
  EXPECT_FALSE(store.Modified);
  TIniStore reloaded(path);
  EXPECT_EQ(reloaded.ReadString("QA2", "A", {}), "4C91");
  EXPECT_EQ(reloaded.ReadString("NOTES", "kept", {}), "1");
}

TEST_P(WriteFaultTest, ANewTestThatCannotBeWrittenLeavesNoFile) {
  const std::string path = Dir.File("new.qwt");
  auto create = [&] { WriteNewTestFile(path); };
  ExpectFailureLeavesFolder(path, create);
  EXPECT_FALSE(std::filesystem::exists(path));
  create();
  EXPECT_EQ(Decrypt(TestFile::ReadStoredDescription(path)), "No description");
}

TEST_P(WriteFaultTest, TheEditorsQuestionsSurviveAFailedSave) {
  const std::string path = Dir.File("test.qwt");
  WriteBytes(path, OldTest);
  QuestionSet set;
  set.LoadQuestions(path);
  set.Slot(1).Question = "Which is largest?";
  set.Slot(1).AnswerB = "Jupiter";
  set.AddQuestion();
  set.Current().Question = "Third";
  const QuestionSet before = set;

  ExpectFailureLeavesFolder(path, [&] { set.SaveQuestions(path); });
  EXPECT_EQ(set.Questions, before.Questions);
  EXPECT_EQ(set.QuestionCount, 3);
  EXPECT_EQ(set.CurrentIndex, before.CurrentIndex);

  set.SaveQuestions(path);
  QuestionSet reloaded;
  reloaded.LoadQuestions(path);
  EXPECT_EQ(reloaded.QuestionCount, 3);
  EXPECT_EQ(reloaded.Slot(1).AnswerB, "Jupiter");
  EXPECT_EQ(reloaded.Slot(3).Question, "Third");
}

TEST_P(WriteFaultTest, TestSettingsThatCannotBeSavedLeaveTheTest) {
  const std::string path = Dir.File("test.qwt");
  WriteBytes(path, OldTest);
  TestSettings settings = LoadTestSettings(path);
  settings.Description = "Renamed";
  settings.Time = " 1:30:  ";
  settings.EndMessage = {"Well done"};

  ExpectFailureLeavesFolder(path, [&] { SaveTestSettings(path, settings); });
  SaveTestSettings(path, settings);
  const TestSettings saved = LoadTestSettings(path);
  EXPECT_EQ(saved.Description, "Renamed");
  EXPECT_EQ(saved.Time, "01:30:00");
  QuestionSet questions;
  questions.LoadQuestions(path);
  EXPECT_EQ(questions.QuestionCount, 2) << "the questions stay";
}

TEST_P(WriteFaultTest, AnEngineConfigurationThatCannotBeSavedStaysAsItWas) {
  const std::string path = Dir.File("qwtest.cfg");
  WriteBytes(path, OldConfig);
  ClientConfig config = LoadClientConfig(path);
  config.FullScreen = true;
  config.ExitPassword = "secret";

  ExpectFailureLeavesFolder(path, [&] { SaveClientConfig(path, config); });
  SaveClientConfig(path, config);
  EXPECT_EQ(LoadClientConfig(path).ExitPassword, "secret");
}

TEST_P(WriteFaultTest, ConversionsThatCannotWriteLeaveBothFiles) {
  const std::string test = Dir.File("test.qwt");
  const std::string text = Dir.File("test.txt");
  WriteBytes(test, OldTest);
  WriteBytes(text, OldText);

  ExpectFailureLeavesFolder(text, [&] { DecryptTestToText(test, text); });
  ExpectFailureLeavesFolder(test, [&] { EncryptTextToTest(text, test); });

  EncryptTextToTest(text, test);
  TIniStore converted(test);
  EXPECT_EQ(Decrypt(converted.ReadString("QA1", "A", {})), "Old answer");
}

INSTANTIATE_TEST_SUITE_P(EachStep, WriteFaultTest, testing::ValuesIn(AllSteps),
                         [](const testing::TestParamInfo<TStep>& info) { return StepName(info.param); });
