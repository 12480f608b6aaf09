#include <gtest/gtest.h>

#include <map>
#include <opencv2/imgcodecs.hpp>
#include <random>

#include "core/results/PrintRuns.h"
#include "core/results/RecordAttempt.h"
#include "core/results/ResultsStore.h"
#include "core/run/SheetLayout.h"
#include "core/scan/FakeSheet.h"
#include "support/FourScripts.h"
#include "support/RenderedSheet.h"
#include "support/SheetGenerator.h"
#include "support/StoredQuestions.h"
#include "support/TempDir.h"
#include "tool/OffscreenGui.h"
#include "tool/ToolRun.h"
#include "ui/page/TestPrinter.h"

namespace {

TEST(ScanCommand, SheetsAreWrittenGradedAndRecordedAndDoubtfulOnesListedForReview) {
  TTempDir dir;
  const std::string test = dir.File("T.QWT");
  std::vector<QuestionRecord> questions;
  {
    TIniStore store(test);
    TestFile::WriteNewTest(store);
    for (int n = 1; n <= 4; ++n) {
      questions.push_back(MakeQuestion("Q" + std::to_string(n), {"one", "two", "three"}, "B"));
      TestFile::WriteQuestion(store, n, questions.back());
    }
    store.UpdateFile();
  }
  const PaperVersions::TOptions options{2, 9, true, true};
  RecordPrint(test, questions, options, dir.File(""));

  SheetLayout::TSheetCode run;
  run.Fingerprint = Fingerprint(TestSnapshots(questions));
  run.Seed = 9;
  run.Versions = 2;
  run.ShuffleQuestions = run.ShuffleAnswers = true;
  run.StudentDigits = 4;
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
  // The sheet in doubt is written too, its doubtful row blank and named, and
  // is not recorded until it is decided.
  EXPECT_EQ(ReadBytes(dir.File("A.csv")),
            "Name,Version,1,2,3,4,Doubtful\r\n1234,A,A,B,C,,\r\n5678,B,C,,C,A,2\r\n");
  EXPECT_NE(result.Err.find("qwtool: \"" + dir.File("notes.txt") + "\": not a PDF, PNG, JPEG or TIFF file\n"),
            std::string::npos)
      << result.Err;
  EXPECT_NE(result.Err.find("qwtool: two.jpg page 1, question 2: more than one box marked\n"),
            std::string::npos)
      << result.Err;
  EXPECT_NE(result.Err.find("qwtool: 2 pages read, 2 sheets written (1 with rows in doubt, left blank and "
                            "named), 2 to review\n"),
            std::string::npos)
      << result.Err;
  EXPECT_NE(result.Err.find("qwtool: row 3, 5678: not graded, questions in doubt (2); decide them and grade "
                            "the sheet again\n"),
            std::string::npos)
      << result.Err;
  EXPECT_NE(result.Err.find("1 attempt"), std::string::npos) << result.Err;
  EXPECT_EQ(ReadBytes(dir.File("R.pdf")).substr(0, 5), "%PDF-");

  // --record grades against the test, so it needs one.
  const TToolResult refused = RunTool({"scan", dir.File("one.png"), "--record"});
  EXPECT_EQ(refused.ExitCode, 2);
  EXPECT_EQ(refused.Err, "qwtool: scan --record needs --test TEST, the test the sheets were printed from\n");
}

// A four-script test printed with its sheets, filled in and scanned: the
// attempts recorded keep every character of the questions, scored by the key.
TEST(ScanCommand, AFourScriptTestIsPrintedScannedAndRecordedWhole) {
  TTempDir dir;
  const std::string test = dir.File("SCRIPTS.QWT");
  const std::vector<QuestionRecord> questions = FourScripts::Questions();
  WriteTest(test, FourScripts::Settings(), questions);
  const TToolResult printed = RunTool({"print", test, "-o", dir.File("SCRIPTS.pdf"), "--seed", "5", "--sheet",
                                       "--digits", "4", "--layout", dir.File("layout.json")});
  ASSERT_EQ(printed.ExitCode, 0) << printed.Err;
  std::vector<std::string> notices;
  const std::vector<TPrintRun> runs = PrintRuns::OfferedRuns(test, notices, dir.File("data"));
  ASSERT_EQ(runs.size(), 1u);
  const PaperVersions::TOptions& options = runs[0].Options;
  {
    const TOffscreenGui gui;
    SheetLayout::TSheetCode run;
    run.Fingerprint = TestFingerprint(questions);
    run.Seed = options.Seed;
    run.Versions = options.Versions;
    run.StudentDigits = 4;
    run.Paper = TTestPrinter::PdfPaper();
    const auto versions = PaperVersions::Make(questions, options);
    const std::vector<SheetLayout::TSheetPage> pages = SheetLayout::LayRun(versions, run, 1);
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(SheetLayout::LayoutJson(pages, versions), ReadBytes(dir.File("layout.json")));
    std::mt19937_64 random(3);
    const QString title = QString::fromStdString(FourScripts::Settings().Description);
    for (const auto& [letters, number] : {std::pair{"ABAC", "1001"}, std::pair{"CBBC", "1002"}}) {
      const SheetGenerator::TGenerated sheet = SheetGenerator::Generate(
          RenderedSheetMat(pages[0], title, 200), 200, pages[0],
          SheetGenerator::Answering(pages[0], letters, number), {.Dpi = 200}, random);
      cv::imwrite(dir.File(std::string(number) + ".png"), sheet.Image);
    }
  }
  const TToolResult scanned = RunTool({"scan", dir.File("1001.png"), dir.File("1002.png"), "-o",
                                       dir.File("scanned.csv"), "--test", test, "--record"});
  ASSERT_EQ(scanned.ExitCode, 0) << scanned.Err;

  TOpenedStore opened = ReadResultsStore(dir.Path().string(), dir.File("data"));
  std::map<std::string, int> right;
  for (const TStoredAttempt& attempt : opened.Store->Attempts({.WithAnswers = true})) {
    EXPECT_EQ(attempt.Source, TAttemptSource::Scan);
    EXPECT_EQ(attempt.Description, FourScripts::Settings().Description);
    right[attempt.StudentNumber.empty() ? attempt.Student : attempt.StudentNumber] = attempt.Right;
  }
  // Keys A B A C: 1001 answered every one right, 1002 only the Polish and the Arabic.
  EXPECT_EQ(right, (std::map<std::string, int>{{"1001", 4}, {"1002", 2}}));
  EXPECT_EQ(StoredQuestions(*opened.Store), AsSnapshots(questions));
}

}  // namespace
