#include <gtest/gtest.h>

#include <set>

#include "core/run/History.h"
#include "core/run/MediaPath.h"
#include "core/run/TestSession.h"
#include "core/storage/IoError.h"
#include "support/ManualClock.h"
#include "support/Questions.h"
#include "support/TempDir.h"

namespace {

QuestionRecord Q(const char* text, const char* correct, bool any = false) {
  return MakeQuestion(text, {"a", "b", "", "d"}, correct, any);
}

std::vector<QuestionRecord> Questions(int count) {
  std::vector<QuestionRecord> list;
  for (int i = 0; i < count; ++i) list.push_back(Q(("Q" + std::to_string(i + 1)).c_str(), "A"));
  return list;
}

}  // namespace

TEST(SelectQuestions, CapsByMaximumAndStudentAndKeepsFileOrderUnlessRandom) {
  EXPECT_EQ(SelectQuestions(5, 0, 0, false, 1), (std::vector<int>{0, 1, 2, 3, 4}));
  EXPECT_EQ(SelectQuestions(5, 3, 0, false, 1), (std::vector<int>{0, 1, 2}));
  EXPECT_EQ(SelectQuestions(5, 9, 2, false, 1), (std::vector<int>{0, 1}));
  EXPECT_EQ(SelectQuestions(5, 2, 4, false, 1).size(), 2u);
  EXPECT_TRUE(SelectQuestions(0, 3, 0, true, 1).empty());
}

TEST(SelectQuestions, RandomSubsetIsDistinctRepeatableAndNotAlwaysTheFirst) {
  const auto subset = SelectQuestions(500, 20, 0, true, 42);
  EXPECT_EQ(subset, SelectQuestions(500, 20, 0, true, 42));
  EXPECT_EQ(std::set<int>(subset.begin(), subset.end()).size(), 20u);
  EXPECT_GT(*std::max_element(subset.begin(), subset.end()), 19);
  EXPECT_NE(subset, SelectQuestions(500, 20, 0, true, 43));
}

class SessionTest : public testing::Test {
protected:
  TManualClock Clock;
  TestSettings Settings;
  TTestSession Make(std::vector<QuestionRecord> questions) {
    return TTestSession(Settings, std::move(questions), Clock);
  }
};

TEST_F(SessionTest, ScoresAsStandingWithBlanksWrongAndPassPoint) {
  Settings.PassPoint = 60;
  auto session = Make({Q("1", "A"), Q("2", "AB"), Q("3", "BD", true), Q("4", "D")});
  session.Start(0, 1);
  session.SetAnswer(0, Scoring::LettersOf("A"));
  session.SetAnswer(1, Scoring::LettersOf("A"));  // all must be chosen
  session.SetAnswer(2, Scoring::LettersOf("D"));  // any correct one passes
  const TRunResult result = session.Finish();
  EXPECT_EQ(result.Asked, 4);
  EXPECT_EQ(result.Right, 2);
  EXPECT_EQ(result.Percent, 50);
  EXPECT_TRUE(result.HasPassPoint);
  EXPECT_FALSE(result.Passed);
  session.SetAnswer(3, Scoring::LettersOf("D"));  // too late: the run is over
  EXPECT_EQ(session.Finish().Right, 2);
}

// The engine's screen tests check the locking; here, what the settings hide.
TEST_F(SessionTest, CheckShowsTheKeyAndReferenceOnlyWhereTheSettingsAllow) {
  Settings.CheckAnswers = 1;
  Settings.ReviewAllow = Settings.TestRef = false;
  auto q = Q("1", "AD", true);
  q.Reference = "p. 12";
  auto session = Make({q});
  session.Start(0, 1);
  session.SetAnswer(0, Scoring::LettersOf("DB"));
  const TCheckVerdict verdict = *session.Check(0);
  EXPECT_EQ(verdict.ChosenRight, Scoring::LettersOf("D"));
  EXPECT_EQ(verdict.ChosenWrong, Scoring::LettersOf("B"));
  EXPECT_EQ(verdict.CorrectShown, 0);
  EXPECT_EQ(verdict.Reference, "");
  Settings.CheckAnswers = 0;
  auto unchecked = Make({q});
  unchecked.Start(0, 1);
  unchecked.SetAnswer(0, 1);
  EXPECT_FALSE(unchecked.Check(0).has_value());
}

TEST_F(SessionTest, HidesEmptyAnswersAndSaysHowToChoose) {
  auto session = Make({Q("1", "A"), Q("2", "AB"), Q("3", "BD", true)});
  session.Start(0, 1);
  EXPECT_EQ(session.ShownLetters(0), (std::vector<int>{0, 1, 3}));
  EXPECT_FALSE(session.ChoosesSeveral(0));
  EXPECT_EQ(session.ChoiceLine(0), "");
  // As the printed test says it, never how many are correct.
  EXPECT_EQ(session.ChoiceLine(1), "(choose all that apply)");
  EXPECT_EQ(session.ChoiceLine(2), "(choose any that apply)");
}

TEST_F(SessionTest, MustAnswerHoldsForwardsOnlyUntilAnswered) {
  Settings.MustAnswer = 1;
  auto session = Make(Questions(3));
  session.Start(0, 1);
  EXPECT_FALSE(session.GoTo(1));
  session.SetAnswer(0, Scoring::LettersOf("B"));
  EXPECT_TRUE(session.GoTo(1));
  EXPECT_TRUE(session.GoTo(0));
  Settings.MustAnswer = 0;
  auto free = Make(Questions(3));
  free.Start(0, 1);
  EXPECT_TRUE(free.GoTo(2));
}

TEST_F(SessionTest, CountdownEndsAtTheLimitAndTimeTakenStopsThere) {
  Settings.Time = "00:01:30";
  auto session = Make(Questions(2));
  session.Start(0, 1);
  EXPECT_EQ(session.LimitSeconds(), 90);
  Clock.AdvanceSeconds(89);
  EXPECT_FALSE(session.TimeUp());
  EXPECT_EQ(session.RemainingSeconds(), 1);
  Clock.AdvanceSeconds(5);
  EXPECT_TRUE(session.TimeUp());
  const TRunResult result = session.Finish();
  EXPECT_TRUE(result.TimedOut);
  EXPECT_EQ(result.SecondsTaken, 90);
  EXPECT_EQ(DurationText(result.SecondsTaken), "00:01:30");
}

TEST_F(SessionTest, NoLimitWithZeroTime) {
  auto session = Make(Questions(1));
  session.Start(0, 1);
  Clock.AdvanceSeconds(100000);
  EXPECT_FALSE(session.TimeUp());
  EXPECT_EQ(session.Finish().SecondsTaken, 100000);
}

TEST_F(SessionTest, ReviewListsWrongAndBlankAsTheSettingsSay) {
  for (bool blank : {false, true}) {
    Settings.ReviewBlank = blank;
    auto session = Make(Questions(3));
    session.Start(0, 1);
    session.SetAnswer(0, Scoring::LettersOf("A"));
    session.SetAnswer(1, Scoring::LettersOf("B"));
    session.Finish();
    EXPECT_EQ(session.ReviewList(), (blank ? std::vector<int>{1, 2} : std::vector<int>{1}));
  }
  Settings.ReviewAllow = false;
  auto closed = Make(Questions(2));
  closed.Start(0, 1);
  EXPECT_TRUE(closed.ReviewList().empty());
}

TEST_F(SessionTest, PreviewAsksEveryQuestionInOrderFromTheChosenOne) {
  Settings.MaxQuestions = 2;
  Settings.RandomQuestions = 1;
  auto session = Make(Questions(5));
  session.StartPreview(4);
  EXPECT_EQ(session.Count(), 5);
  EXPECT_EQ(session.Current(), 3);
  for (int position = 0; position < 5; ++position)
    EXPECT_EQ(session.Question(position).Question, "Q" + std::to_string(position + 1));
  session.StartPreview(99);
  EXPECT_EQ(session.Current(), 4);
}

class HistoryTest : public testing::Test {
protected:
  TTempDir Dir;
  std::string Path = Dir.File("history.csv");
  THistoryRecord Record(const char* student, int right) {
    return {student,   "2026-01-02 03:04:05", "/t/A.QWT", "Quiz, \"one\"", 4, right, right * 25, "Passed",
            "00:02:00"};
  }
};

TEST_F(HistoryTest, AppendsAndReadsBackInOrder) {
  EXPECT_TRUE(History::Load(Path).empty());
  History::Append(Path, Record("Ann", 3));
  History::Append(Path, Record("Łukasz Żółć", 1));
  EXPECT_EQ(History::Load(Path), (std::vector<THistoryRecord>{Record("Ann", 3), Record("Łukasz Żółć", 1)}));
  const std::string csv = History::ExportCsv(History::Load(Path));
  EXPECT_LT(csv.find("Łukasz Żółć"), csv.find("Ann"));  // newest first
  EXPECT_NE(csv.find("\"Quiz, \"\"one\"\"\""), std::string::npos);
}

// Older programs wrote the history in the code page: it reads as such, and
// the next record makes the whole file UTF-8, never a mix of the two.
TEST_F(HistoryTest, ACodePageHistoryOfOlderProgramsReadsAndContinuesInUtf8) {
  WriteBytes(Path,
             "Student,Date,Test file,Description,Questions,Right,Percent,Result,Time taken\r\n"
             "Zo\xEB,2026-01-02 03:04:05,/t/A.QWT,\"Quiz, \"\"one\"\"\",4,2,50,Passed,00:02:00\r\n");
  EXPECT_EQ(History::Load(Path), std::vector<THistoryRecord>{Record("Zoë", 2)});
  History::Append(Path, Record("Ελένη", 4));
  EXPECT_EQ(History::Load(Path), (std::vector<THistoryRecord>{Record("Zoë", 2), Record("Ελένη", 4)}));
  EXPECT_NE(ReadBytes(Path).find("\r\nZoë,"), std::string::npos);
}

TEST_F(HistoryTest, ADamagedFileIsSetAsideUnderANewNameAndTheNewScoreStartsAHistory) {
  const std::string header =
      "Student,Date,Test file,Description,Questions,Right,Percent,Result,Time taken\r\n";
  const std::string damaged[] = {"not,a,history\r\n", header + "Ann,x,y,z,four,1,2,,\r\n", "\"open quote",
                                 "\xEF\xBB\xBF" + header, header + "Ann,2026-01-02"};
  std::vector<std::string> asideNames;
  for (const std::string& bytes : damaged) {
    WriteBytes(Path, bytes);
    EXPECT_THROW(History::Load(Path), THistoryDamaged);
    const std::optional<std::string> aside = History::Append(Path, Record("Ann", 1));
    ASSERT_TRUE(aside.has_value());
    EXPECT_EQ(ReadBytes(*aside), bytes);  // earlier ones are never overwritten
    EXPECT_EQ(History::Load(Path), std::vector<THistoryRecord>{Record("Ann", 1)});
    asideNames.push_back(*aside);
  }
  EXPECT_EQ(asideNames.front(), Dir.File("history-damaged.csv"));
  EXPECT_EQ(asideNames.back(), Dir.File("history-damaged-5.csv"));
  EXPECT_EQ(History::Append(Path, Record("Bo", 2)), std::nullopt);
}

TEST_F(HistoryTest, UnwritableFolderIsAnIoError) {
  EXPECT_THROW(History::Append(Dir.File("missing/history.csv"), Record("Ann", 1)), TIoError);
}

TEST(MediaPath, FindsStoredNamesInsideTheFolderWhateverTheirCase) {
  TTempDir dir;
  std::filesystem::create_directories(dir.Path() / "Media");
  WriteBytes(dir.File("Media/Pic.bmp"), "x");
  const std::string root = dir.Path().string();
  EXPECT_EQ(MediaPath::Resolve(root, "\\MEDIA\\PIC.BMP"), dir.File("Media/Pic.bmp"));
  EXPECT_EQ(MediaPath::Resolve(root, "C:\\media\\pic.BMP"), dir.File("Media/Pic.bmp"));
  EXPECT_EQ(MediaPath::Resolve(root, "..\\..\\etc\\passwd"), dir.File("etc/passwd"));
  EXPECT_EQ(MediaPath::Resolve(root, "NEW.WAV"), dir.File("NEW.WAV"));
}

TEST(MediaPath, TellsProgramsPicturesAndAddressesApart) {
  EXPECT_TRUE(MediaPath::IsProgramName("\\TOOLS\\SETUP.exe"));
  EXPECT_TRUE(MediaPath::IsProgramName("run.Desktop"));
  EXPECT_FALSE(MediaPath::IsProgramName("\\EXE.DIR\\notes.txt"));
  EXPECT_TRUE(MediaPath::IsPicture("a.JpEg"));
  EXPECT_FALSE(MediaPath::IsPicture("a.wav"));
  EXPECT_TRUE(MediaPath::IsWebAddress("HTTPS://example.org"));
  EXPECT_FALSE(MediaPath::IsWebAddress("file:///bin/sh"));
}
