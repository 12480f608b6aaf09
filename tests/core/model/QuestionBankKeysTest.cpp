#include <gtest/gtest.h>

#include "core/model/Conversions.h"
#include "core/model/QuestionSet.h"
#include "core/model/TestFile.h"
#include "core/model/TestSettings.h"
#include "core/storage/IniStore.h"
#include "core/storage/ZarnEncryption.h"
#include "support/FixedFirstByte.h"
#include "support/Questions.h"
#include "support/StoreLines.h"
#include "support/TempDir.h"

namespace {

// The bank keys are written only when set: a test that has none keeps the
// bytes it had, and clearing one takes its line away again.
class QuestionBankKeysTest : public testing::Test {
protected:
  QuestionBankKeysTest() {
    Filed = MakeQuestion("Which force?", {"weight", "lift"}, "A");
    Filed.Category = "Mechanics/Forces";
    Filed.Tags = "vectors, units";
    Plain = MakeQuestion("Plain?", {"yes", "no"}, "B");
  }

  std::string Path(const char* name) { return Dir.File(name); }

  TFixedFirstByte Fixed{0x3C};
  TTempDir Dir;
  QuestionRecord Filed, Plain;
};

TEST_F(QuestionBankKeysTest, CategoryAndTagsFollowTheOtherKeysOnlyWhenSet) {
  const std::string path = Path("T.QWT");
  {
    TIniStore store(path);
    TestFile::WriteQuestion(store, 1, Filed);
    TestFile::WriteQuestion(store, 2, Plain);
    store.UpdateFile();
  }
  TIniStore store(path);
  const TStrings filed = SectionLines(store, "QA1");
  ASSERT_EQ(filed.size(), 16u);
  EXPECT_EQ(filed[14], "CATEGORY=" + Encrypt("Mechanics/Forces"));
  EXPECT_EQ(filed[15], "TAGS=" + Encrypt("vectors, units"));
  EXPECT_EQ(SectionKeys(store, "QA2").back(), "MMEDIAIN");
  EXPECT_EQ(TestFile::ReadQuestion(store, 1), Filed);

  // Cleared, the lines go: the section is as a question never filed writes it.
  QuestionRecord cleared = Filed;
  cleared.Category.clear();
  cleared.Tags.clear();
  TestFile::WriteQuestion(store, 1, cleared);
  EXPECT_EQ(SectionKeys(store, "QA1").back(), "MMEDIAIN");
  EXPECT_EQ(SectionLines(store, "QA1").size(), 14u);
}

TEST_F(QuestionBankKeysTest, QuestionSetKeepsCategoriesThroughSaveAndLoad) {
  const std::string path = Path("T.QWT");
  QuestionSet set;
  set.Slot(1) = Plain;
  set.Slot(2) = Filed;
  set.QuestionCount = 2;
  set.SaveQuestions(path);
  QuestionSet loaded;
  loaded.LoadQuestions(path);
  EXPECT_EQ(loaded.Slot(1), Plain);
  EXPECT_EQ(loaded.Slot(2), Filed);
}

TEST_F(QuestionBankKeysTest, BlueprintIsTheLastSettingAndClearingRemovesIt) {
  const std::string without = Path("A.QWT"), with = Path("B.QWT");
  TestSettings settings;
  settings.Description = "Physics";
  SaveTestSettings(without, settings);
  settings.Blueprint = "Mechanics=2; Waves=1+tags";
  SaveTestSettings(with, settings);
  {
    TIniStore store(with);
    EXPECT_EQ(SectionLines(store, "SETTINGS").back(), "BLUEPRINT=" + Encrypt("Mechanics=2; Waves=1+tags"));
  }
  EXPECT_EQ(LoadTestSettings(with).Blueprint, settings.Blueprint);

  settings.Blueprint.clear();
  SaveTestSettings(with, settings);
  EXPECT_EQ(ReadBytes(with), ReadBytes(without));
}

TEST_F(QuestionBankKeysTest, ConversionsCarryTheKeysWithoutAddingEmptyOnes) {
  const std::string test = Path("T.QWT"), text = Path("T.TXT"), back = Path("BACK.QWT");
  {
    TIniStore store(test);
    TestFile::WriteNewTest(store);
    TestFile::WriteQuestion(store, 1, Plain);
    TestFile::WriteQuestion(store, 2, Filed);
    store.UpdateFile();
  }
  DecryptTestToText(test, text);
  {
    TIniStore plain(text);
    EXPECT_EQ(plain.ReadString("QA2", "CATEGORY", "-"), "Mechanics/Forces");
    EXPECT_EQ(plain.ReadString("QA1", "CATEGORY", "-"), "-");
    EXPECT_EQ(plain.ReadString("SETTINGS", "BLUEPRINT", "-"), "-");
  }
  EncryptTextToTest(text, back);
  TIniStore store(back);
  EXPECT_EQ(TestFile::ReadQuestion(store, 2), Filed);
  EXPECT_EQ(SectionKeys(store, "QA1").size(), 14u);
}

TEST(TagList, SplitsTrimsAndDropsRepeatsWhateverTheirCase) {
  EXPECT_EQ(TestFile::TagList(" vectors, Units ,,units, ,graphs "),
            (std::vector<std::string>{"vectors", "Units", "graphs"}));
  EXPECT_TRUE(TestFile::TagList(" , ").empty());
  EXPECT_EQ(TestFile::TagsValue("a,b ,  c"), "a, b, c");
}

}  // namespace
