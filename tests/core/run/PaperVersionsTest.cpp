#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "core/run/PaperVersions.h"
#include "support/Questions.h"
#include "support/TempDir.h"

using namespace PaperVersions;

namespace {

std::vector<QuestionRecord> SampleQuestions(int count) {
  std::vector<QuestionRecord> questions;
  for (int i = 0; i < count; ++i) {
    questions.push_back(
        MakeQuestion("Q" + std::to_string(i), {"a", "b", "", "d", "e"}, i % 3 == 0 ? "BD" : "E", i % 2 == 0));
  }
  return questions;
}

}  // namespace

TEST(PaperVersions, WithoutShufflingEveryVersionIsTheTestLeavingOutEmptyAnswers) {
  const auto versions = Make(SampleQuestions(3), {.Versions = 2, .Seed = 7});
  ASSERT_EQ(versions.size(), 2u);
  EXPECT_EQ(versions[1].Letter, 'B');
  for (const TVersion& version : versions) {
    for (int i = 0; i < 3; ++i) {
      const TPaperQuestion& q = version.Questions[static_cast<std::size_t>(i)];
      EXPECT_EQ(q.Source, i);
      EXPECT_EQ(q.Answers, (std::vector<int>{0, 1, 3, 4}));
    }
  }
  // Stored B and D are printed as B and C once C is left out.
  EXPECT_EQ(Scoring::LetterText(versions[0].Questions[0].Key), "BC");
  EXPECT_EQ(Scoring::LetterText(versions[0].Questions[1].Key), "D");
}

TEST(PaperVersions, ShuffledVersionsHoldEveryQuestionOnceAndTheirKeysMapBack) {
  const auto questions = SampleQuestions(40);
  const TOptions options{.Versions = 4, .Seed = 12345, .ShuffleQuestions = true, .ShuffleAnswers = true};
  const auto versions = Make(questions, options);
  for (const TVersion& version : versions) {
    std::vector<int> sources;
    for (const TPaperQuestion& q : version.Questions) {
      sources.push_back(q.Source);
      EXPECT_EQ(StoredLetters(q, q.Key),
                Scoring::LettersOf(questions[static_cast<std::size_t>(q.Source)].Correct));
    }
    std::sort(sources.begin(), sources.end());
    for (int i = 0; i < 40; ++i) EXPECT_EQ(sources[static_cast<std::size_t>(i)], i);
  }
  EXPECT_NE(versions[0].Questions[0].Source * 1000 + versions[0].Questions[1].Source,
            versions[1].Questions[0].Source * 1000 + versions[1].Questions[1].Source);
}

TEST(PaperVersions, TheAnswerShuffleLeavesTheQuestionOrderOfASeedAsItWas) {
  const auto questions = SampleQuestions(30);
  const auto both =
      Make(questions, {.Versions = 3, .Seed = 100, .ShuffleQuestions = true, .ShuffleAnswers = true});
  const auto questionsOnly = Make(questions, {.Versions = 3, .Seed = 100, .ShuffleQuestions = true});
  for (std::size_t i = 0; i < 30; ++i)
    EXPECT_EQ(both[2].Questions[i].Source, questionsOnly[2].Questions[i].Source);
}

TEST(PaperVersions, LimitsHintsAndSeeds) {
  EXPECT_EQ(Make(SampleQuestions(1), {.Versions = 40}).size(), 26u);
  EXPECT_EQ(Make(SampleQuestions(1), {.Versions = 0}).size(), 1u);
  EXPECT_TRUE(Make({}, {.Versions = 2})[1].Questions.empty());
  const auto v = Make(SampleQuestions(2), {})[0];
  EXPECT_EQ(ChoiceHint(v.Questions[0]), "choose any that apply");
  EXPECT_EQ(ChoiceHint(v.Questions[1]), "");
  EXPECT_EQ(ChoiceHint(Make({MakeQuestion("x", {"a", "b"}, "AB")}, {})[0].Questions[0]),
            "choose all that apply");
  EXPECT_TRUE(IsPrinted(v.Questions[0], Scoring::LettersOf("D")));
  EXPECT_FALSE(IsPrinted(v.Questions[0], Scoring::LettersOf("E")));
  EXPECT_EQ(VersionIndex('c'), 2);
  EXPECT_FALSE(VersionIndex('1'));
  EXPECT_EQ(ParseSeed("00042"), 42u);
  EXPECT_FALSE(ParseSeed("-1"));
  EXPECT_FALSE(ParseSeed("1234567890123456789"));
  EXPECT_LT(NewSeed(), 1000000000u);
}

TEST(PaperVersions, MediaNamesAreFoundAsWindowsWouldFindThem) {
  TTempDir dir;
  std::filesystem::create_directories(dir.Path() / "Media");
  WriteBytes(dir.File("Media/Pic.bmp"), "x");
  WriteBytes(dir.File("TOP.PNG"), "x");
  const std::string folder = dir.Path().string();
  const std::string picture = dir.File("Media/Pic.bmp");
  EXPECT_EQ(FindMediaFile(folder, "\\MEDIA\\PIC.BMP"), picture);
  EXPECT_EQ(FindMediaFile(folder, "C:\\media/pic.BMP"), picture);
  EXPECT_EQ(FindMediaFile(folder, "top.png"), dir.File("TOP.PNG"));
  for (const char* missing : {"", "\\MEDIA", "\\MEDIA\\NONE.BMP", "..\\x", "\\MEDIA\\..\\TOP.PNG"})
    EXPECT_FALSE(FindMediaFile(folder, missing)) << missing;
}

// A file an earlier program kept beside the test is still read, newest
// first; a damaged print in it is left out and the others are read.
TEST(PaperVersions, PrintsKeptBesideTheTestByEarlierProgramsAreStillRead) {
  TTempDir dir;
  const std::string test = dir.File("T.QWT");
  EXPECT_TRUE(RecentPrints(test).empty());
  EXPECT_EQ(LastPrintPath(test), dir.File("T.QWT.lastprint"));
  WriteBytes(LastPrintPath(test),
             "[PRINT1]\r\nSEED=5\r\nVERSIONS=27\r\nSHUFFLEQUESTIONS=1\r\nSHUFFLEANSWERS=0\r\n"
             "[PRINT2]\r\nSEED=6\r\nVERSIONS=3\r\nSHUFFLEQUESTIONS=1\r\nSHUFFLEANSWERS=0\r\n"
             "[PRINT3]\r\nSEED=7\r\nVERSIONS=2\r\nSHUFFLEQUESTIONS=0\r\nSHUFFLEANSWERS=1\r\n");
  EXPECT_EQ(
      RecentPrints(test),
      (std::vector<TOptions>{{.Versions = 3, .Seed = 6, .ShuffleQuestions = true, .ShuffleAnswers = false},
                             {.Versions = 2, .Seed = 7, .ShuffleQuestions = false, .ShuffleAnswers = true}}));
}
