#include <gtest/gtest.h>

#include <algorithm>
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

// A page of three questions of a sheet printed before serials.
SheetLayout::TSheetCode Code(char version = 'A', int page = 1, int pages = 1) {
  auto code = FakeSheet::SampleCode(3, page == 1 ? 4 : 0);
  code.Version = version;
  code.Page = page;
  code.Pages = pages;
  code.Join = SheetLayout::TJoin::ByOrder;
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

std::vector<Scan::TProblemKind> Kinds(const Scan::TPile& pile) {
  std::vector<Scan::TProblemKind> kinds;
  for (const auto& p : pile.Problems) kinds.push_back(p.Kind);
  return kinds;
}

std::vector<std::string> Warnings(const Scan::TPile& pile) {
  std::vector<std::string> sentences;
  for (const auto& warning : pile.Warnings) sentences.push_back(warning.Sentence);
  return sentences;
}

TEST(ScanPile, SheetsOfTwoPagesAreJoinedInPileOrderAndWrittenForGrading) {
  std::vector<TScannedPage> pages{
      Page("a.pdf", Code('A', 1, 2), "ABC", "1001"), Page("a.pdf", Code('A', 2, 2), "D A"),
      Page("a.pdf", Code('B', 1, 2), "CCC", "1002"), Page("a.pdf", Code('B', 2, 2), "BBB")};
  for (int i = 0; i < 4; ++i) pages[std::size_t(i)].Page = i + 1;
  const Scan::TPile pile = Scan::Assemble(pages, {});
  EXPECT_TRUE(pile.Problems.empty());
  // Printed before serials: joined by order, as ever, and the pile says so.
  ASSERT_EQ(pile.Warnings.size(), 1u);
  EXPECT_EQ(pile.Warnings[0].Kind, Scan::TWarningKind::JoinedByOrder);
  EXPECT_NE(pile.Warnings[0].Sentence.find("joined by their order in the pile"), std::string::npos);
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

// A sheet whole and sure but for a row in doubt is written with that row
// blank and named, and Grade Answers leaves it out until it is decided; a
// page read against its own pencil marks says so.
TEST(ScanPile, ASheetWithARowInDoubtIsWrittenBlankNamedAndNeverGraded) {
  auto pencil = Page("b.png", Code(), "ABC", "1002");
  pencil.Reading.Level.Pencil = true;
  const Scan::TPile pile = Scan::Assemble({Page("a.png", Code(), "A?C", "1001"), pencil}, {});
  ASSERT_EQ(pile.Undecided.size(), 1u);
  EXPECT_EQ(pile.Undecided[0].Doubtful, std::vector<int>{2});
  EXPECT_EQ(Problems(pile), std::vector<std::string>{"a.png page 1, question 2: more than one box marked"});
  const auto pencilled = std::find_if(pile.Warnings.begin(), pile.Warnings.end(), [](const auto& warning) {
    return warning.Kind == Scan::TWarningKind::Pencil;
  });
  ASSERT_NE(pencilled, pile.Warnings.end());
  EXPECT_EQ(pencilled->Where, "b.png page 1");
  EXPECT_EQ(pencilled->Sentence, "b.png page 1: read as pencil");
  const std::string text = Scan::AnswersText(pile);
  EXPECT_EQ(text, "Name,Version,1,2,3,Doubtful\r\n1001,A,A,,C,2\r\n1002,A,A,B,C,\r\n");

  const std::vector<QuestionRecord> questions(3, MakeQuestion("q", {"w", "x", "y", "z"}, "A"));
  const auto graded = Grading::Grade(text, PaperVersions::Make(questions, {2, 424242, true, true}), 0);
  ASSERT_EQ(graded.Students.size(), 1u);
  EXPECT_EQ(graded.Students[0].Name, "1002");
  ASSERT_EQ(graded.Undecided.size(), 1u);
  EXPECT_EQ(graded.Undecided[0].Name, "1001");
  EXPECT_EQ(graded.Undecided[0].Row, 2);
  EXPECT_EQ(graded.Undecided[0].Questions, "2");

  // The expected runs, as the window and qwtool scan both make them.
  struct TPrinted {
    std::string Fingerprint;
    PaperVersions::TOptions Options;
  };
  const auto expected = Scan::ExpectedOf(questions, "now", std::vector<TPrinted>{{"", {2, 5, false, true}}});
  EXPECT_EQ(expected.Fingerprint, "now");
  ASSERT_EQ(expected.Runs.size(), 1u);
  EXPECT_EQ(expected.Runs[0].Fingerprint, "now");  // a print known only by its options is the test as it is
  EXPECT_EQ(expected.Runs[0].Counts, (std::vector<std::string>{"444", "444"}));
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
  // Each is named by its kind, with what a window fills into its own words.
  using K = Scan::TProblemKind;
  EXPECT_EQ(Kinds(pile), (std::vector<K>{K::OtherTest, K::NotRecorded, K::NoFirstPage, K::Unread,
                                         K::RowInDoubt, K::NumberTwice, K::NumberTwice}));
  EXPECT_EQ(pile.Problems[0].Code.Fingerprint, foreign.Fingerprint);
  EXPECT_EQ(pile.Problems[1].Code.Seed, 7u);
  EXPECT_EQ(pile.Problems[2].Code.Page, 2);
  EXPECT_EQ(pile.Problems[2].Code.Version, 'A');
  EXPECT_EQ(pile.Problems[6].Number, "2002");
  EXPECT_EQ(pile.Problems[6].Places, (std::vector<std::string>{"4.png page 1", "5.png page 1"}));
  for (const Scan::TProblem& problem : pile.Problems) EXPECT_EQ(Scan::ReasonOf(problem), problem.Reason);

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
  EXPECT_EQ(Kinds(loose), (std::vector<K>{K::OtherTest, K::OtherRun}));
  EXPECT_EQ(Graded(loose), (std::map<std::string, std::string>{{"1 A", "ABC"}, {"2 A", "CBA"}}));
}

// Several marks in a row are the answer to a question with several correct
// letters, and a doubt on one with a single correct letter; the key counts
// as it is now, though it was mended after the sheets were printed.
// Two recorded prints of one seed and options that drew other questions
// give sheets no mark tells apart: none is graded against a guess, and a
// third print of other options is graded as ever.
TEST(ScanPile, SheetsOfTwoPrintsOfOneSeedThatDrewOtherQuestionsAreNotGuessed) {
  const std::string fingerprint = FakeSheet::SampleCode().Fingerprint;
  const Scan::TRun first{fingerprint, {2, 424242, true, true, {{0, 1, 2}, {3, 4, 5}}}, {}, {}};
  const Scan::TRun second{fingerprint, {2, 424242, true, true, {{0, 1, 3}, {2, 4, 5}}}, {}, {}};
  const Scan::TPile pile =
      Scan::Assemble({Page("1.png", Code('A'), "ABC", "1001"), Page("2.png", Code('B'), "CBA", "1002")},
                     {fingerprint, {first, second}});
  EXPECT_TRUE(pile.Sheets.empty());
  using K = Scan::TProblemKind;
  EXPECT_EQ(Kinds(pile), (std::vector<K>{K::PrintUnclear, K::PrintUnclear}));
  EXPECT_EQ(
      Problems(pile)[0],
      "1.png page 1: a sheet of one of two prints with the same seed that drew other questions (seed 424242, "
      "2 versions, questions and answers shuffled): which it is cannot be known, so it is not graded");
  auto other = Code('A');
  other.ShuffleAnswers = false;
  const Scan::TRun third{fingerprint, {2, 424242, true, false, {{0, 1, 2}, {3, 4, 5}}}, {}, {}};
  const Scan::TPile apart =
      Scan::Assemble({Page("3.png", other, "ABC", "1003")}, {fingerprint, {first, second, third}});
  ASSERT_EQ(apart.Sheets.size(), 1u);
  EXPECT_TRUE(apart.Problems.empty());
}

TEST(ScanPile, SeveralMarksAnswerOnlyAQuestionWithSeveralCorrectLettersByTheKeyAsItIsNow) {
  std::vector<QuestionRecord> questions{MakeQuestion("q1", {"w", "x", "y", "z"}, "AC"),
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
  const std::string now(32, 'e');  // the test's fingerprint since question 1's key was mended
  const Scan::TPile pile = Scan::Assemble({marked("1.png", true), marked("2.png", false)},
                                          {now, {Scan::RunOf(questions, options, code.Fingerprint, now)}});
  EXPECT_EQ(Problems(pile), (std::vector<std::string>{"1.png page 1, question 2: more than one box marked"}));
  EXPECT_EQ(Graded(pile), (std::map<std::string, std::string>{{"2.png page 1 A", "ACBD"}}));
  EXPECT_EQ(Warnings(pile), (std::vector<std::string>{"the test was changed after these sheets were printed: "
                                                      "they are read with its questions and keys as they are "
                                                      "now"}));
  EXPECT_EQ(pile.Warnings[0].Kind, Scan::TWarningKind::ChangedSincePrinted);
  // Without the test, nothing tells an answer from a doubt.
  EXPECT_TRUE(Scan::Assemble({marked("2.png", false)}, {}).Sheets.empty());
  // An answer added since: the printed rows are no longer the test's.
  questions[1] = MakeQuestion("q2", {"w", "x", "y", "z", "v"}, "B");
  const Scan::TPile changed = Scan::Assemble({marked("2.png", false)},
                                             {now, {Scan::RunOf(questions, options, code.Fingerprint, now)}});
  EXPECT_EQ(Kinds(changed), std::vector<Scan::TProblemKind>{Scan::TProblemKind::SheetChanged});
  EXPECT_EQ(Problems(changed),
            (std::vector<std::string>{"2.png page 1: the test's questions or answers were changed after this "
                                      "sheet was printed: its rows are not the test's as it is now, so it "
                                      "cannot be graded with it"}));
}

// Student s's letters for a 70-question sheet, now and then none.
std::string Answers(int s) {
  std::string letters;
  for (int q = 1; q <= 70; ++q) letters += (q + s) % 9 == 0 ? '-' : "ABCD"[(q * 7 + s * 3) % 4];
  return letters;
}

// Three students' two-page sheets of a 70-question version, filled, scanned
// and read: pages 0-1 are student 1001's, 2-3 1002's, 4-5 1003's.
std::vector<TScannedPage> ScannedSheets(int sheets) {
  PaperVersions::TVersion version{'A', {}};
  for (int q = 0; q < 70; ++q) version.Questions.push_back({q, {0, 1, 2, 3}, 1, 1, false});
  auto run = FakeSheet::SampleCode(0, 4);
  run.Versions = 1;
  run.Version = 'A';
  const auto laid = SheetLayout::LayRun({version}, run, sheets);
  std::mt19937_64 random(11);
  std::vector<TScannedPage> pages;
  for (int s = 1; s <= 3; ++s)
    for (int p = 0; p < 2; ++p) {
      const auto& page = laid.at(std::size_t(sheets == 1 ? p : 2 * (s - 1) + p));  // copies of one sheet
      std::string answers = Answers(s).substr(std::size_t(page.Code.FirstQuestion - 1));
      std::replace(answers.begin(), answers.end(), '-', ' ');
      const auto marks =
          SheetGenerator::Answering(page, answers, page.Digits.empty() ? "" : "100" + std::to_string(s));
      pages.push_back(
          {"pile.pdf", 0, Scan::ReadPage(FakeSheet::Make(page, marks, {.Dpi = 200}, random).Image)});
    }
  return pages;
}

}  // namespace

// Printed, filled and scanned: a reversed pile, and a shuffled pile of
// photocopies, give every student their own two pages or name what is
// wrong, never another student's page.
TEST(ScanPile, ScannedTwoPageSheetsKeepTheirOwnPagesHoweverThePileLies) {
  const Scan::TPile reversed = Scan::Assemble(Pile(ScannedSheets(3), {5, 4, 3, 2, 1, 0}), {});
  EXPECT_EQ(Problems(reversed), std::vector<std::string>{});
  EXPECT_EQ(Graded(reversed), (std::map<std::string, std::string>{
                                  {"1001 A", Answers(1)}, {"1002 A", Answers(2)}, {"1003 A", Answers(3)}}));
  EXPECT_TRUE(reversed.Warnings.empty());

  // Of the copies, 1001's second page is scanned twice and 1003's first has
  // no number: whose they are cannot be known.
  auto copied = ScannedSheets(1);
  copied[4].Reading.StudentNumber.clear();
  const Scan::TPile shuffled = Scan::Assemble(Pile(copied, {3, 1, 0, 5, 2, 4, 1}), {});
  EXPECT_EQ(
      Problems(shuffled),
      (std::vector<std::string>{"pile.pdf page 6: the page's student cannot be known: the student number "
                                "written on every page of a photocopied sheet is missing or unclear on it",
                                "pile.pdf page 2: version A sheet of student 1001 has page 2 more than once "
                                "(pile.pdf page 2, pile.pdf page 7): which copy is whose cannot be known, so "
                                "the sheet is not graded",
                                "pile.pdf page 4: version A sheet of student 1003 lacks page 1 of 2"}));
  using K = Scan::TProblemKind;
  EXPECT_EQ(Kinds(shuffled), (std::vector<K>{K::StudentUnknown, K::PageTwice, K::PagesMissing}));
  EXPECT_EQ(shuffled.Problems[0].Page, 5);  // its number can be typed
  const Scan::TProblem& twice = shuffled.Problems[1];
  EXPECT_EQ(twice.Number, "1001");
  EXPECT_EQ(twice.Count, 2);
  EXPECT_EQ(twice.Places, (std::vector<std::string>{"pile.pdf page 2", "pile.pdf page 7"}));
  EXPECT_EQ(twice.Code.Join, SheetLayout::TJoin::ByNumber);
  EXPECT_EQ(shuffled.Problems[2].Pages, std::vector<int>{1});
  EXPECT_EQ(shuffled.Problems[2].Count, 2);
  EXPECT_EQ(Graded(shuffled), (std::map<std::string, std::string>{{"1002 A", Answers(2)}}));
}
