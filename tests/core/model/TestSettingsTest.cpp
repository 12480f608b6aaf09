#include <gtest/gtest.h>

#include "core/model/TestFile.h"
#include "core/model/TestSettings.h"
#include "core/storage/IoError.h"
#include "core/storage/ZarnEncryption.h"
#include "support/FixedFirstByte.h"
#include "support/TempDir.h"

namespace {

std::string Line(std::string_view key, std::string_view plain) {
  return std::string(key) + "=" + Encrypt(plain) + "\r\n";
}

// A file whose SETTINGS section holds the given plain values, enciphered.
void WriteSettingsFile(const std::string& path,
                       std::initializer_list<std::pair<std::string_view, std::string_view>> values) {
  std::string bytes = "[SETTINGS]\r\n";
  for (const auto& [key, plain] : values) bytes += Line(key, plain);
  WriteBytes(path, bytes + "\r\n");
}

TEST(TestSettingsLoad, NewTestOpensInItsDocumentedState) {
  TTempDir dir;
  const std::string path = dir.File("NEW.QWT");
  WriteNewTestFile(path);
  const std::string before = ReadBytes(path);

  TestSettings expected;
  expected.Description = "No description";
  expected.Time = "00:00:00";
  expected.RandomQuestions = 1;
  expected.CheckAnswers = 1;
  EXPECT_EQ(LoadTestSettings(path), expected);
  EXPECT_EQ(ReadBytes(path), before) << "loading must not rewrite the file";
}

TEST(TestSettingsLoad, MissingFileGivesDefaults) {
  TTempDir dir;
  EXPECT_EQ(LoadTestSettings(dir.File("NONE.QWT")), TestSettings{});
  EXPECT_FALSE(std::filesystem::exists(dir.File("NONE.QWT")));
}

TEST(TestSettingsLoad, UnreadableFileThrows) {
  TTempDir dir;
  std::filesystem::create_directory(dir.File("FOLDER.QWT"));
  EXPECT_THROW(LoadTestSettings(dir.File("FOLDER.QWT")), TIoError);
}

TEST(TestSettingsLoad, NumbersAreBroughtIntoTheirControls) {
  TTempDir dir;
  const std::string path = dir.File("T.QWT");
  WriteSettingsFile(path, {{"PASSPOINT", "250"},
                           {"MAXQUESTIONS", "100000"},
                           {"CHECKANSWERS", "2"},
                           {"RANDOMQUESTIONS", "-1"},
                           {"MUSTANSWER", "$1"},
                           {"TIMERTYPE", "2"},
                           {"TESTHOT", "2"},
                           {"TESTREF", "1 "},
                           {"REVIEWHOT", "0"},
                           {"REVIEWREF", "BAD DECODE"},
                           {"STUDENTMAX", "1"},
                           {"REVIEWALLOW", "0"},
                           {"REVIEWBLANK", "+1"}});
  const TestSettings s = LoadTestSettings(path);
  EXPECT_EQ(s.PassPoint, 100);
  EXPECT_EQ(s.MaxQuestions, 99999);
  EXPECT_EQ(s.CheckAnswers, TestSettings::NoEntry);
  EXPECT_EQ(s.RandomQuestions, TestSettings::NoEntry);
  EXPECT_EQ(s.MustAnswer, 1);
  EXPECT_EQ(s.TimerType, 2);
  EXPECT_FALSE(s.TestHot);
  EXPECT_TRUE(s.TestRef) << "a trailing blank is not a number, so the default holds";
  EXPECT_FALSE(s.ReviewHot);
  EXPECT_TRUE(s.ReviewRef);
  EXPECT_TRUE(s.StudentMax);
  EXPECT_FALSE(s.ReviewAllow);
  EXPECT_TRUE(s.ReviewBlank);

  WriteSettingsFile(path, {{"PASSPOINT", "-5"}, {"MAXQUESTIONS", "x"}, {"TIMERTYPE", "3"}});
  const TestSettings low = LoadTestSettings(path);
  EXPECT_EQ(low.PassPoint, 0);
  EXPECT_EQ(low.MaxQuestions, 0);
  EXPECT_EQ(low.TimerType, TestSettings::NoEntry);
  EXPECT_FALSE(low.StudentMax) << "STUDENTMAX missing";
}

TEST(TestSettingsLoad, UndecodableValuesShowDefaultsAndDescriptionAsBadDecode) {
  TTempDir dir;
  const std::string path = dir.File("T.QWT");
  WriteBytes(path, "[SETTINGS]\r\nDESC=plain text\r\nCHECKANSWERS=ZZ\r\nTESTHOT=1\r\nTIME=01:00:00\r\n\r\n");
  const TestSettings s = LoadTestSettings(path);
  EXPECT_EQ(s.Description, BadDecode);
  EXPECT_EQ(s.CheckAnswers, 0);
  EXPECT_TRUE(s.TestHot);
  EXPECT_EQ(s.Time, "00:00:00") << "BAD DECODE has no colons in the third and sixth places";
}

TEST(TestSettingsSave, WritesEveryValueAndKeepsTheRestOfTheFile) {
  TFixedFirstByte fixed(0x5A);
  TTempDir dir;
  const std::string path = dir.File("T.QWT");
  WriteBytes(path, "[SETTINGS]\r\n" + Line("STUDENTMAX", "1") + Line("DESC", "Old") + "EXTRA=kept\r\n\r\n" +
                       "[QA1]\r\n" + Line("QUESTION", "Why?") + "\r\n");

  TestSettings s;
  s.Description = "";
  s.Time = "1 :3 :  ";
  s.RandomQuestions = 1;
  s.PassPoint = 75;
  s.CheckAnswers = TestSettings::NoEntry;
  s.MustAnswer = 1;
  s.MaxQuestions = 99999;
  s.TimerType = 2;
  s.ReviewAllow = false;
  s.ReviewBlank = true;
  s.TestHot = false;
  s.ReviewRef = false;
  s.StudentMax = false;
  s.EndMessage = {"Well done."};
  SaveTestSettings(path, s);

  const std::string expected =
      "[SETTINGS]\r\n" + Line("STUDENTMAX", "0") + "DESC=\r\nEXTRA=kept\r\n" + Line("TIME", "10:30:00") +
      Line("RANDOMQUESTIONS", "1") + Line("PASSPOINT", "75") + Line("CHECKANSWERS", "-1") +
      Line("MUSTANSWER", "1") + Line("MAXQUESTIONS", "99999") + Line("TIMERTYPE", "2") +
      Line("REVIEWALLOW", "0") + Line("REVIEWBLANK", "1") + Line("TESTHOT", "0") + Line("TESTREF", "1") +
      Line("REVIEWHOT", "1") + Line("REVIEWREF", "0") + "\r\n[QA1]\r\n" + Line("QUESTION", "Why?") +
      "\r\n[ENDMESSAGE]\r\nWell done.\r\n\r\n";
  EXPECT_EQ(ReadBytes(path), expected);
}

TEST(TestSettingsSave, MessagesReadBackLineForLine) {
  TTempDir dir;
  const std::string path = dir.File("T.QWT");
  TestSettings s;
  s.BeginMessage = {"Welcome.", "", "[Note]", "Read each question twice.", "[]", "x\x1Ay\rz"};
  s.EndMessage = {"[ENDMESSAGE]", "Bye"};
  SaveTestSettings(path, s);

  const TestSettings back = LoadTestSettings(path);
  EXPECT_EQ(back.BeginMessage,
            (TStrings{"Welcome.", " ", "[Note] ", "Read each question twice.", "[] ", "x y z"}));
  EXPECT_EQ(back.EndMessage, (TStrings{"[ENDMESSAGE] ", "Bye"}));
  TIniStore store(path);
  TStrings sections;
  store.ReadSections(sections);
  EXPECT_EQ(sections, (TStrings{"SETTINGS", "BEGINMESSAGE", "ENDMESSAGE"}));

  // Saving what was read back writes the same lines again.
  EXPECT_EQ(StorableMessageLines(back.BeginMessage), back.BeginMessage);
}

TEST(TestSettingsSave, EmptyMessagesLeaveNoSection) {
  TTempDir dir;
  const std::string path = dir.File("T.QWT");
  TestSettings s;
  s.BeginMessage = {"Hello"};
  s.EndMessage = {"Bye"};
  SaveTestSettings(path, s);
  s.BeginMessage.clear();
  SaveTestSettings(path, s);

  const std::string bytes = ReadBytes(path);
  EXPECT_EQ(bytes.find("BEGINMESSAGE"), std::string::npos);
  EXPECT_NE(bytes.find("[ENDMESSAGE]\r\nBye\r\n"), std::string::npos);
}

TEST(TimeFieldShown, NeedsColonsInThirdAndSixthPlaces) {
  const std::pair<std::string_view, std::string_view> cases[] = {
      {"01:30:00", "01:30:00"}, {" 01:30:00 ", "01:30:00"}, {"1:30:00", "00:00:00"},
      {"25:00:00", "25:00:00"}, {"0", "00:00:00"},          {"", "00:00:00"},
      {"ab:cd:", "ab:cd:"},     {"12:34", "00:00:00"},      {"\t12:00:00\t", "12:00:00"},
  };
  for (const auto& [stored, shown] : cases)
    EXPECT_EQ(TimeField::Shown(stored), shown) << '"' << stored << '"';
}

TEST(TimeFieldNormalize, BlanksBecomeZerosAndALeadingColonGetsHours) {
  EXPECT_EQ(TimeField::Normalize("1 :3 :  "), "10:30:00");
  EXPECT_EQ(TimeField::Normalize("  :  :  "), "00:00:00");
  EXPECT_EQ(TimeField::Normalize(":30:00"), "00:30:00");
  EXPECT_EQ(TimeField::Normalize(""), "");
  EXPECT_TRUE(TimeField::IsValid("1 :3 :  "));
}

TEST(TimeFieldValidation, AcceptsOnlyTimesOfDay) {
  const std::pair<std::string_view, std::optional<int>> cases[] = {
      {"00:00:00", 0},
      {"23:59:59", 86399},
      {"10:30:00", 37800},
      {"7", 25200},
      {"1:2:3", 3723},
      {"12:05", 43500},
      {"24:00:00", std::nullopt},
      {"30:00:00", std::nullopt},
      {"00:60:00", std::nullopt},
      {"00:00:60", std::nullopt},
      {"10:", std::nullopt},
      {"10:00:", std::nullopt},
      {"123:00:00", std::nullopt},
      {"12:34:56x", std::nullopt},
      {"ab:cd:ef", std::nullopt},
      {"", std::nullopt},
      {"-1:00:00", std::nullopt},
  };
  for (const auto& [text, seconds] : cases) EXPECT_EQ(TimeField::SecondsOfDay(text), seconds) << text;
}

TEST(TimeFieldStep, MovesOneSecondAroundTheClock) {
  EXPECT_EQ(TimeField::Step("00:00:59", 1), "00:01:00");
  EXPECT_EQ(TimeField::Step("23:59:59", 1), "00:00:00");
  EXPECT_EQ(TimeField::Step("01:00:00", -1), "00:59:59");
  EXPECT_EQ(TimeField::Step("00:00:00", -1), "23:59:59");
  EXPECT_EQ(TimeField::Step("  :  :59", 1), "00:01:00");
  EXPECT_EQ(TimeField::Step("30:00:00", 1), "00:00:00");
  EXPECT_EQ(TimeField::Step("ab:cd:ef", -1), "00:00:00");
}

}  // namespace
