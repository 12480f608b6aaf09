#include <gtest/gtest.h>

#include <map>

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

// A page of three questions of a sheet joined by join (for ByOrder, as
// sheets were printed before serials); sheet is the serial.
SheetLayout::TSheetCode Code(char version = 'A', int page = 1, int pages = 1,
                             SheetLayout::TJoin join = SheetLayout::TJoin::ByOrder, int sheet = 1) {
  const bool digits = page == 1 || join == SheetLayout::TJoin::ByNumber;
  auto code = FakeSheet::SampleCode(3, digits ? 4 : 0);
  code.Version = version;
  code.Page = page;
  code.Pages = pages;
  code.Join = join;
  code.Sheet = join == SheetLayout::TJoin::ByNumber ? 0 : sheet;
  code.FirstQuestion = 1 + 3 * (page - 1);
  return code;
}

// Who got which letters, as the answers file says.
std::map<std::string, std::string> Graded(const Scan::TPile& pile) {
  std::map<std::string, std::string> letters;
  for (const auto& sheet : pile.Sheets) {
    std::string& row = letters[sheet.Name + " " + sheet.Version];
    for (const auto& r : sheet.Rows) row += r.empty() ? "-" : r;
  }
  return letters;
}

// The pages in the order given, numbered as a scanner numbers a file's pages.
std::vector<TScannedPage> Pile(const std::vector<TScannedPage>& pages, const std::vector<int>& order) {
  std::vector<TScannedPage> pile;
  for (const int i : order) {
    pile.push_back(pages[std::size_t(i)]);
    pile.back().Page = int(pile.size());
  }
  return pile;
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

  // Without the test, the print most pages share stands for the pile: a
  // stray page of another test or print on top turns none of the rest away.
  auto stray = foreign;
  stray.Sheet = 2;
  const Scan::TPile loose =
      Scan::Assemble({Page("0.png", stray, "ABC"), Page("1.png", otherRun, "ABC"),
                      Page("2.png", Code(), "ABC", "1"), Page("3.png", Code(), "CBA", "2")},
                     {});
  EXPECT_EQ(Problems(loose),
            (std::vector<std::string>{"0.png page 1: a page of another test (fingerprint "
                                      "ffffffffffffffffffffffffffffffff)",
                                      "1.png page 1: a sheet of another print than the rest of the pile "
                                      "(seed 7, 2 versions, questions and answers shuffled)"}));
  EXPECT_EQ(Graded(loose), (std::map<std::string, std::string>{{"1 A", "ABC"}, {"2 A", "CBA"}}));
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

namespace {

using SheetLayout::TJoin;

// Four students' two-page sheets, each with its serial: pages 0-1 are
// sheet 1's, 2-3 sheet 2's and so on.
std::vector<TScannedPage> SerialSheets() {
  return {Page("s", Code('A', 1, 2, TJoin::BySerial, 1), "ABC", "1001"),
          Page("s", Code('A', 2, 2, TJoin::BySerial, 1), "DDD"),
          Page("s", Code('B', 1, 2, TJoin::BySerial, 3), "BBB", "1002"),
          Page("s", Code('B', 2, 2, TJoin::BySerial, 3), "CAB"),
          Page("s", Code('A', 1, 2, TJoin::BySerial, 2), "CCA", "1003"),
          Page("s", Code('A', 2, 2, TJoin::BySerial, 2), "A B"),
          Page("s", Code('B', 1, 2, TJoin::BySerial, 4), "DCB", "1004"),
          Page("s", Code('B', 2, 2, TJoin::BySerial, 4), "AAA")};
}

const std::map<std::string, std::string> SerialTruth{
    {"1001 A", "ABCDDD"}, {"1002 B", "BBBCAB"}, {"1003 A", "CCAA-B"}, {"1004 B", "DCBAAA"}};

}  // namespace

// A sheet's pages find each other by its serial however the pile lies: no
// student is ever given another's page, and what is not whole is named.
TEST(ScanPile, PagesOfASheetJoinBySerialInAnyOrder) {
  const auto pages = SerialSheets();
  const Scan::TPile reversed = Scan::Assemble(Pile(pages, {7, 6, 5, 4, 3, 2, 1, 0}), {});
  EXPECT_EQ(Problems(reversed), std::vector<std::string>{});
  EXPECT_EQ(Graded(reversed), SerialTruth);
  EXPECT_TRUE(reversed.Warnings.empty());

  // Shuffled, sheet 3's second page lost.
  const Scan::TPile shuffled = Scan::Assemble(Pile(pages, {5, 2, 0, 7, 4, 1, 6}), {});
  EXPECT_EQ(Problems(shuffled),
            (std::vector<std::string>{"s page 2: sheet 3 of version B lacks page 2 of 2"}));
  auto whole = SerialTruth;
  whole.erase("1002 B");
  EXPECT_EQ(Graded(shuffled), whole);

  // A page scanned twice: which copy is the student's cannot be known.
  const Scan::TPile twice = Scan::Assemble(Pile(pages, {0, 1, 2, 3, 1}), {});
  EXPECT_EQ(Problems(twice), (std::vector<std::string>{
                                 "s page 2: sheet 1 of version A has page 2 more than once (s page 2, s page "
                                 "5): whose each is cannot be known, so the sheet is not graded"}));
  EXPECT_EQ(Graded(twice), (std::map<std::string, std::string>{{"1002 B", "BBBCAB"}}));
}

// A photocopied sheet's pages join by the student number on each; a page
// whose number cannot be read belongs to no one.
TEST(ScanPile, PagesOfAPhotocopiedSheetJoinByTheNumberOnEach) {
  auto unclear = Page("p", Code('A', 2, 2, TJoin::ByNumber), "DDD", "10?1");
  unclear.Reading.NumberDoubtful = true;
  const std::vector<TScannedPage> pages{Page("p", Code('A', 2, 2, TJoin::ByNumber), "CAB", "2002"),
                                        Page("p", Code('A', 1, 2, TJoin::ByNumber), "ABC", "1001"),
                                        Page("p", Code('A', 2, 2, TJoin::ByNumber), "A B", "3003"),
                                        Page("p", Code('A', 1, 2, TJoin::ByNumber), "BBB", "2002"),
                                        Page("p", Code('A', 1, 2, TJoin::ByNumber), "CCA", "3003"),
                                        unclear,
                                        Page("p", Code('A', 2, 2, TJoin::ByNumber), "AAA", "")};
  const Scan::TPile pile = Scan::Assemble(Pile(pages, {0, 1, 2, 3, 4, 5, 6}), {});
  const std::string refused =
      ": the page's student cannot be known: the student number written on every page of a photocopied "
      "sheet is missing or unclear on it";
  EXPECT_EQ(Problems(pile),
            (std::vector<std::string>{"p page 6" + refused, "p page 7" + refused,
                                      "p page 2: version A sheet of student 1001 lacks page 2 "
                                      "of 2"}));
  EXPECT_EQ(Graded(pile), (std::map<std::string, std::string>{{"2002 A", "BBBCAB"}, {"3003 A", "CCAA-B"}}));
}

// Sheets printed before serials are joined by their order, as they always
// were, and the pile says so.
TEST(ScanPile, SheetsPrintedBeforeSerialsJoinByOrderWithAWarning) {
  const Scan::TPile pile =
      Scan::Assemble({Page("o", Code('A', 1, 2), "ABC", "1001"), Page("o", Code('A', 2, 2), "DDD")}, {});
  EXPECT_EQ(Graded(pile), (std::map<std::string, std::string>{{"1001 A", "ABCDDD"}}));
  ASSERT_EQ(pile.Warnings.size(), 1u);
  EXPECT_NE(pile.Warnings[0].find("joined by their order in the pile"), std::string::npos);
}

// Sheets printed before a key was mended are still the test's: they are read
// against the run as recorded, with a warning, and the questions as they are
// now; a sheet whose rows are no longer the test's is refused.
TEST(ScanPile, ARunIsKnownByItsPrintedFingerprintAndGradedWithTheTestAsItIsNow) {
  const std::vector<QuestionRecord> mended{MakeQuestion("q1", {"w", "x", "y", "z"}, "AC"),
                                           MakeQuestion("q2", {"w", "x", "y", "z"}, "B"),
                                           MakeQuestion("q3", {"w", "x", "y", "z"}, "D")};
  const PaperVersions::TOptions options{1, 5, false, false};
  auto code = Code('A', 1, 1, TJoin::BySerial, 1);
  code.Versions = 1;
  code.Seed = 5;
  code.ShuffleQuestions = code.ShuffleAnswers = false;
  const std::string now(32, 'e');  // the test's fingerprint since the key was mended
  const Scan::TExpected expected{now, {Scan::RunOf(mended, options, code.Fingerprint, now)}};
  TScannedPage page = Page("k.png", code, "?BD", "7");
  page.Reading.Rows[0].Letters = "AC";
  page.Reading.Rows[0].SeveralMarked = true;  // an answer now that question 1 has two correct letters
  const Scan::TPile pile = Scan::Assemble({page}, expected);
  EXPECT_EQ(Problems(pile), std::vector<std::string>{});
  EXPECT_EQ(Graded(pile), (std::map<std::string, std::string>{{"7 A", "ACBD"}}));
  EXPECT_EQ(pile.Warnings, (std::vector<std::string>{"the test was changed after these sheets were printed: "
                                                     "they are read with its questions and keys as they are "
                                                     "now"}));

  // A question given a fifth answer since: the printed rows no longer fit.
  std::vector<QuestionRecord> grown = mended;
  grown[1] = MakeQuestion("q2", {"w", "x", "y", "z", "v"}, "B");
  const Scan::TPile refused =
      Scan::Assemble({page}, {now, {Scan::RunOf(grown, options, code.Fingerprint, now)}});
  EXPECT_TRUE(refused.Sheets.empty());
  EXPECT_EQ(Problems(refused),
            (std::vector<std::string>{"k.png page 1: the test's questions or answers were changed after this "
                                      "sheet was printed: its rows are not the test's as it is now, so it "
                                      "cannot be graded with it"}));
}

// A problem of a doubtful row or number names its page among those given
// and its row, so a reviewer can go to it.
TEST(ScanPile, ADoubtNamesItsPageAndRow) {
  auto number = Page("n.png", Code('A', 1, 2, TJoin::BySerial, 2), "ABC", "1?");
  number.Reading.NumberDoubtful = true;
  number.Reading.NumberReason = "column 2 has more than one digit marked";
  const Scan::TPile pile =
      Scan::Assemble({Page("n.png", Code('A', 2, 2, TJoin::BySerial, 2), "A?C"), number}, {});
  ASSERT_EQ(pile.Problems.size(), 2u);
  EXPECT_EQ(std::make_pair(pile.Problems[0].Page, pile.Problems[0].Row), std::make_pair(1, -1));
  EXPECT_EQ(std::make_pair(pile.Problems[1].Page, pile.Problems[1].Row), std::make_pair(0, 1));
}
