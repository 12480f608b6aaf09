#include <gtest/gtest.h>

#include "core/run/Grading.h"
#include "core/scan/FakeSheet.h"
#include "core/scan/ScanPile.h"
#include "support/Questions.h"

namespace {

using Scan::TScannedPage;

// A page read as letters say ('?' a doubtful row), without an image.
TScannedPage Page(const std::string& source, SheetLayout::TSheetCode code, const std::string& letters,
                  const std::string& number = "") {
  TScannedPage page{source, 1, {}};
  page.Reading.Read = true;
  page.Reading.Code = code;
  page.Reading.StudentNumber = number;
  for (std::size_t i = 0; i < letters.size(); ++i) {
    Scan::TRowReading row;
    row.Printed = code.FirstQuestion + int(i);
    if (letters[i] == '?') {
      row.Doubtful = true;
      row.Reason = "more than one box marked";
    } else if (letters[i] != ' ') {
      row.Letters = std::string(1, letters[i]);
    }
    page.Reading.Rows.push_back(row);
  }
  return page;
}

SheetLayout::TSheetCode Code(char version = 'A', int page = 1, int pages = 1) {
  auto code = FakeSheet::SampleCode(3, page == 1 ? 4 : 0);
  code.Version = version;
  code.Page = page;
  code.Pages = pages;
  code.FirstQuestion = 1 + 3 * (page - 1);
  return code;
}

std::vector<std::string> Problems(const Scan::TPile& pile) {
  std::vector<std::string> lines;
  for (const auto& p : pile.Problems) lines.push_back(p.Where + ": " + p.Reason);
  return lines;
}

TEST(ScanPile, SheetsOfTwoPagesAreJoinedInPileOrderAndWrittenForGrading) {
  std::vector<TScannedPage> pages{
      Page("a.pdf", Code('A', 1, 2), "ABC", "1001"), Page("a.pdf", Code('A', 2, 2), "D A"),
      Page("a.pdf", Code('B', 1, 2), "CCC", "1002"), Page("a.pdf", Code('B', 2, 2), "BBB")};
  for (int i = 0; i < 4; ++i) pages[std::size_t(i)].Page = i + 1;
  const Scan::TPile pile = Scan::Assemble(pages, {});
  EXPECT_TRUE(pile.Problems.empty());
  const std::string text = Scan::AnswersText(pile);
  EXPECT_EQ(text,
            "Name,Version,1,2,3,4,5,6\r\n"
            "1001,A,A,B,C,D,,A\r\n"
            "1002,B,C,C,C,B,B,B\r\n");

  // Grade Answers reads it as it stands.
  const std::vector<QuestionRecord> questions(6, MakeQuestion("q", {"w", "x", "y", "z"}, "A"));
  const auto versions = PaperVersions::Make(questions, {2, 424242, true, true});
  EXPECT_EQ(Grading::Grade(text, versions, 0).Students.size(), 2u);
}

TEST(ScanPile, NothingDoubtfulForeignOrTwiceNumberedIsGraded) {
  auto foreign = Code();
  foreign.Fingerprint = "ffffffffffffffffffffffffffffffff";
  auto otherRun = Code();
  otherRun.Seed = 7;
  auto unread = Page("c.png", Code(), "");
  unread.Reading.Read = false;
  unread.Reading.Problem = "the QR code cannot be read";
  const std::vector<TScannedPage> pages{Page("1.png", Code(), "A?C", "1"),
                                        Page("2.png", foreign, "ABC"),
                                        Page("3.png", otherRun, "ABC"),
                                        Page("4.png", Code(), "ABC", "2002"),
                                        Page("5.png", Code('B'), "ABC", "2002"),
                                        Page("6.png", Code('A', 2, 2), "ABC"),
                                        unread,
                                        Page("8.png", Code(), "AB ")};
  Scan::TExpected expected{FakeSheet::SampleCode().Fingerprint,
                           {{FakeSheet::SampleCode().Fingerprint, {2, 424242, true, true}}}};
  const Scan::TPile pile = Scan::Assemble(pages, expected);
  ASSERT_EQ(pile.Sheets.size(), 1u);
  EXPECT_EQ(pile.Sheets[0].Name, "8.png page 1");  // no number: named after its page
  EXPECT_EQ(
      Problems(pile),
      (std::vector<std::string>{
          "2.png page 1: a page of another test (fingerprint ffffffffffffffffffffffffffffffff)",
          "3.png page 1: a sheet of a print that was not recorded (seed 7, 2 versions, questions and answers "
          "shuffled)",
          "6.png page 1: page 2 of a version A sheet whose page 1 is not before it",
          "c.png page 1: the QR code cannot be read", "1.png page 1, question 2: more than one box marked",
          "4.png page 1: student number 2002 is on more than one sheet (4.png page 1, 5.png page 1)",
          "5.png page 1: student number 2002 is on more than one sheet (4.png page 1, 5.png page 1)"}));

  // Without a recorded run, the pile's first print stands for the pile.
  const Scan::TPile loose =
      Scan::Assemble({Page("1.png", Code(), "ABC"), Page("3.png", otherRun, "ABC")}, {});
  EXPECT_EQ(Problems(loose),
            (std::vector<std::string>{"3.png page 1: a sheet of another print than the pile's first "
                                      "(seed 7, 2 versions, questions and answers shuffled)"}));
}

// Several marks in a row are the answer to a question with several correct
// letters, and a doubt on one with a single correct letter.
TEST(ScanPile, SeveralMarksAnswerOnlyAQuestionWithSeveralCorrectLetters) {
  const std::vector<QuestionRecord> questions{MakeQuestion("q1", {"w", "x", "y", "z"}, "AC"),
                                              MakeQuestion("q2", {"w", "x", "y", "z"}, "B"),
                                              MakeQuestion("q3", {"w", "x", "y", "z"}, "D")};
  const PaperVersions::TOptions options{1, 5, false, false};
  auto code = Code();
  code.Versions = 1;
  code.Seed = 5;
  code.ShuffleQuestions = code.ShuffleAnswers = false;
  const auto marked = [&](const std::string& source, bool secondTwice) {
    TScannedPage page = Page(source, code, secondTwice ? "??D" : "?BD");
    page.Reading.Rows[0].Letters = "AC";
    if (secondTwice) page.Reading.Rows[1].Letters = "AB";
    for (auto& row : page.Reading.Rows) row.SeveralMarked = row.Doubtful;
    return page;
  };
  const Scan::TExpected expected{code.Fingerprint,
                                 {{code.Fingerprint, options, Scan::SeveralCorrect(questions, options)}}};
  const Scan::TPile pile = Scan::Assemble({marked("1.png", true), marked("2.png", false)}, expected);
  EXPECT_EQ(Problems(pile), (std::vector<std::string>{"1.png page 1, question 2: more than one box marked"}));
  ASSERT_EQ(pile.Sheets.size(), 1u);
  EXPECT_EQ(pile.Sheets[0].Rows, (std::vector<std::string>{"AC", "B", "D"}));
  // Without the test, nothing tells an answer from a doubt.
  EXPECT_TRUE(Scan::Assemble({marked("2.png", false)}, {}).Sheets.empty());
}

}  // namespace
