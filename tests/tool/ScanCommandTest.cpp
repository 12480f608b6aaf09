#include <gtest/gtest.h>

#include <opencv2/imgcodecs.hpp>

#include "core/results/PrintRuns.h"
#include "core/results/ResultsStore.h"
#include "core/run/SheetLayout.h"
#include "core/scan/FakeSheet.h"
#include "support/TempDir.h"
#include "tool/ToolRun.h"

namespace {

// A test of four three-answer questions, their keys given a letter each.
std::vector<QuestionRecord> WriteTest(const std::string& path, const std::string& keys) {
  std::vector<QuestionRecord> questions;
  TIniStore store(path);
  TestFile::WriteNewTest(store);
  for (int n = 1; n <= 4; ++n) {
    questions.push_back(
        MakeQuestion("Q" + std::to_string(n), {"one", "two", "three"}, keys.substr(std::size_t(n - 1), 1)));
    TestFile::WriteQuestion(store, n, questions.back());
  }
  store.UpdateFile();
  return questions;
}

// The sheet code of a run of questions printed with options.
SheetLayout::TSheetCode RunCode(const std::vector<QuestionRecord>& questions,
                                const PaperVersions::TOptions& options) {
  SheetLayout::TSheetCode run;
  run.Fingerprint = Fingerprint(TestSnapshots(questions));
  run.Seed = options.Seed;
  run.Versions = options.Versions;
  run.ShuffleQuestions = options.ShuffleQuestions;
  run.ShuffleAnswers = options.ShuffleAnswers;
  run.StudentDigits = 4;
  return run;
}

TEST(ScanCommand, SheetsAreWrittenGradedAndRecordedAndDoubtfulOnesListedForReview) {
  TTempDir dir;
  const std::string test = dir.File("T.QWT");
  const std::vector<QuestionRecord> questions = WriteTest(test, "BBBB");
  const PaperVersions::TOptions options{2, 9, true, true};
  RecordPrint(test, questions, options, dir.File(""));
  const SheetLayout::TSheetCode run = RunCode(questions, options);
  const auto versions = PaperVersions::Make(questions, options);
  std::mt19937_64 random(1);
  const auto sheet = [&](int version, const std::string& letters, const std::string& number,
                         const char* name) {
    const SheetLayout::TSheetPage page = SheetLayout::LayVersion(versions[std::size_t(version)], run).at(0);
    auto marks = SheetGenerator::Answering(page, letters, number);
    if (version == 1)
      SheetGenerator::Mark(marks, page, 2, 'A', SheetGenerator::TMark::Fill);  // a second mark on question 2
    cv::imwrite(dir.File(name), FakeSheet::Make(page, marks, {}, random).Image);
  };
  sheet(0, "ABC ", "1234", "one.png");
  sheet(1, "CCCA", "5678", "two.jpg");
  WriteBytes(dir.File("notes.txt"), "not a scan");

  const TToolResult result =
      RunTool({"scan", dir.File("one.png"), dir.File("two.jpg"), dir.File("notes.txt"), "-o",
               dir.File("A.csv"), "--review", dir.File("R.pdf"), "--test", test, "--record"});
  EXPECT_EQ(result.ExitCode, 1);
  EXPECT_EQ(ReadBytes(dir.File("A.csv")), "Name,Version,1,2,3,4\r\n1234,A,A,B,C,\r\n");
  EXPECT_NE(result.Err.find("qwtool: \"" + dir.File("notes.txt") + "\": not a PDF, PNG, JPEG or TIFF file\n"),
            std::string::npos)
      << result.Err;
  EXPECT_NE(result.Err.find("qwtool: two.jpg page 1, question 2: more than one box marked\n"),
            std::string::npos)
      << result.Err;
  EXPECT_NE(result.Err.find("qwtool: 2 pages read, 1 sheets written, 2 to review\n"), std::string::npos);
  EXPECT_NE(result.Err.find("1 attempt"), std::string::npos) << result.Err;
  EXPECT_EQ(ReadBytes(dir.File("R.pdf")).substr(0, 5), "%PDF-");

  // --record grades against the test, so it needs one.
  const TToolResult refused = RunTool({"scan", dir.File("one.png"), "--record"});
  EXPECT_EQ(refused.ExitCode, 2);
  EXPECT_EQ(refused.Err, "qwtool: scan --record needs --test TEST, the test the sheets were printed from\n");
}

// A key mended after printing: the sheets are still the test's, read and
// graded with the key as it is now, and the user is told.
TEST(ScanCommand, SheetsPrintedBeforeAKeyWasMendedAreGradedWithTheKeyAsItIsNow) {
  TTempDir dir;
  const std::string test = dir.File("T.QWT");
  const PaperVersions::TOptions options{1, 9, false, false};
  const std::vector<QuestionRecord> printed = WriteTest(test, "BBBB");
  RecordPrint(test, printed, options, dir.File(""));
  const SheetLayout::TSheetPage page =
      SheetLayout::LayVersion(PaperVersions::Make(printed, options)[0], RunCode(printed, options)).at(0);
  std::mt19937_64 random(2);
  cv::imwrite(dir.File("s.png"),
              FakeSheet::Make(page, SheetGenerator::Answering(page, "CBBA", "4321"), {}, random).Image);
  WriteTest(test, "CBBB");  // question 1's key was wrong

  const TToolResult result =
      RunTool({"scan", dir.File("s.png"), "-o", dir.File("A.csv"), "--test", test, "--record"});
  EXPECT_EQ(result.ExitCode, 1) << result.Err;
  EXPECT_EQ(ReadBytes(dir.File("A.csv")), "Name,Version,1,2,3,4\r\n4321,A,C,B,B,A\r\n");
  EXPECT_NE(result.Err.find("qwtool: warning: the test was changed after these sheets were printed"),
            std::string::npos)
      << result.Err;
  EXPECT_NE(result.Err.find("1 attempt"), std::string::npos) << result.Err;
  const auto attempts = OpenResultsStore(dir.Path().string()).Store->Attempts({});
  ASSERT_EQ(attempts.size(), 1u);
  EXPECT_EQ(attempts[0].Right, 3);  // C, B, B right by the mended key; A wrong
}

}  // namespace
