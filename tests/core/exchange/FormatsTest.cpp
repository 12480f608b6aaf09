#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/exchange/ExchangeFixtures.h"
#include "core/exchange/Formats.h"
#include "core/exchange/Import.h"
#include "core/model/TestFile.h"
#include "core/storage/IniStore.h"
#include "support/Questions.h"
#include "support/TempDir.h"

namespace {

const TQuestionFormat& Format(std::string_view name) {
  const TQuestionFormat* format = FindQuestionFormat(name);
  if (!format) throw std::runtime_error("no format " + std::string(name));
  return *format;
}

TImportedTest ReadAs(std::string_view format, std::string_view bytes, TLossReport& report) {
  return Format(format).Read(bytes, report);
}

TImportedTest ReadData(std::string_view format, std::string_view file, TLossReport& report) {
  return ReadAs(format, ReadBytes(TestDataPath("exchange/" + std::string(file))), report);
}

// The key of each question read: "AB any", "C".
std::vector<std::string> Keys(const TImportedTest& test) {
  std::vector<std::string> keys;
  for (const QuestionRecord& q : test.Questions)
    keys.push_back(q.Correct + (q.AnyCorrectPasses ? " any" : ""));
  return keys;
}

bool Mentions(const TLossReport& report, std::string_view text) {
  for (const std::string& line : report.Lines()) {
    if (line.find(text) != std::string::npos) return true;
  }
  return false;
}

}  // namespace

TEST(Gift, ReadsEscapesWeightsFeedbackCategoriesAndHtml) {
  const std::string source =
      "\xEF\xBB\xBF// a comment line\n"
      "$CATEGORY: $course$/Top/Unit 1\n\n"
      "::T1:: 2 \\= 1 \\+ 1\\: true\\{\\}\\~\\#?\\nnext {\n"
      "  =yes #right\n  ~no \\= maybe\n}\n\n"
      "[html]<p>Pick <b>both</b> &amp; only both</p> {\n"
      "  ~%50%caf\xC3\xA9\n  ~%50%na\xC3\xAFve\n  ~%-100%wrong\n  ####<i>see</i> page 3\n}\n\n"
      "Any of these {=one =two ~three}\n\n"
      "The capital of France is {=Paris ~Lyon} on the Seine.\n\n"
      "Is it true? {T}\n\nWrite an essay {}\n\nPair {=a -> 1 =b -> 2 =c -> 3}\n\n"
      "Seven {=1 ~2 ~3 ~4 ~5 ~6 ~7}\n\nShort {=only}\n\n"
      "$CATEGORY: $course$/Top/Unit 2\n\nLast {=x ~y}\n";
  TLossReport report;
  const TImportedTest test = ReadAs("gift", source, report);
  EXPECT_EQ(test.Title, "Unit 1");
  ASSERT_EQ(test.Questions.size(), 5u);

  EXPECT_EQ(test.Questions[0].Question, "2 = 1 \\+ 1: true{}~#?\r\nnext");
  EXPECT_EQ(test.Questions[0].AnswerB, "no = maybe");
  EXPECT_EQ(test.Questions[0].Correct, "A");

  EXPECT_EQ(test.Questions[1].Question, "Pick both & only both");
  EXPECT_EQ(test.Questions[1].AnswerA, "caf\xC3\xA9");
  EXPECT_EQ(test.Questions[1].Correct, "AB");
  EXPECT_FALSE(test.Questions[1].AnyCorrectPasses);
  EXPECT_EQ(test.Questions[1].Reference, "see page 3");

  EXPECT_EQ(test.Questions[2].Correct, "AB");
  EXPECT_TRUE(test.Questions[2].AnyCorrectPasses);
  EXPECT_EQ(test.Questions[3].Question, "The capital of France is _____ on the Seine.");

  for (std::string_view loss :
       {"question 1: title dropped", "question 1: feedback dropped",
        "question 5: a true/false question is not multiple choice: not imported", "question 6: an essay",
        "question 7: a matching", "question 8: 7 answers, only 6 fit", "question 9: a short-answer"})
    EXPECT_TRUE(Mentions(report, loss)) << loss;
  // Each category files the questions after it.
  EXPECT_EQ(test.Questions[3].Category, "Unit 1");
  EXPECT_EQ(test.Questions[4].Category, "Unit 2");
  EXPECT_FALSE(Mentions(report, "category"));
}

// Each key worked by hand from what GIFT gives a student who picks one right
// answer and one who picks every right answer and nothing else.
TEST(Gift, KeysGiveWhatGiftGivesToStudentsWhoPickOnlyRightAnswers) {
  TLossReport report;
  const TImportedTest test = ReadData("gift", "gift-keys.gift", report);
  EXPECT_EQ(Keys(test), (std::vector<std::string>{"A", "AB", "AB any", "AB any", "A", "ABC", "AB", "A", "A",
                                                  "A", "A", "A", "A", "A"}));
  ASSERT_EQ(test.Questions.size(), 14u);
  QuestionRecord arrow =
      MakeQuestion("What does p -> x mean in C?", {"member access through a pointer", "a comparison"}, "A");
  arrow.Reference = "See the arrow operator: p->x is (*p).x";
  EXPECT_EQ(test.Questions[7], arrow);
  // The plain answer is kept as written.
  EXPECT_EQ(test.Questions[8],
            MakeQuestion("Which colour is between orange and green?", {"yellow <sic>", "red", "blue"}, "A"));
  EXPECT_EQ(test.Questions[9].Question, "If x<y and y<z, is x<z always true?");
  EXPECT_EQ(test.Questions[10].Question, "The capital of France is _____ on the Seine.");
  EXPECT_EQ(test.Questions[11].Question, "_____ is the largest continent.");
  EXPECT_EQ(test.Questions[12].Question, "Listen: Which bird is it?");
  EXPECT_EQ(test.Questions[13].Question, "Is 3 <b 4?");
  const std::string partial = "partial credit taken as right or wrong: ";
  EXPECT_EQ(
      report.Lines(),
      (std::vector<std::string>{
          "question 1: " + partial + "B (50%), C (25%) now count as wrong",
          "question 2: " + partial +
              "A (50%), B (50%) each give part marks in GIFT; here all of them are needed",
          "question 5: " + partial +
              "B (50%) now counts as wrong; the penalty of C (-50%) is now the loss of the whole question",
          "question 6: " + partial +
              "A (33.33333%), B (33.33333%), C (33.33333%) each give part marks in GIFT; here all of them "
              "are "
              "needed",
          "question 7: " + partial +
              "A (25%), B (25%) each give part marks in GIFT; here all of them are needed, although together "
              "they give 50%",
          "question 9: a matching question is not multiple choice: not imported (line 36)",
          "question 14: audio \"@@PLUGINFILE@@/bird.mp3\" dropped (line 50)",
          "question 15: HTML that does not parse kept as text (line 52)"}));
}

// Worked by hand: "~=" marks a right answer, so the first question has
// three answers, A right, one to pick; the second offers two right ones to
// pick one of, so either passes. A second block is no answer text.
TEST(Gift, TildeEqualsIsOneRightAnswerAndASecondBlockIsNoText) {
  TLossReport report;
  const TImportedTest test = ReadAs("gift",
                                    "Capital of France? {~=Paris ~London ~Rome}\n\n"
                                    "Old or new name? {\n~=Paris\n~=Lutetia\n~Londinium\n}\n\n"
                                    "Bigger by {=much ~many} than {=much ~little}\n",
                                    report);
  EXPECT_EQ(test.Questions,
            (std::vector{MakeQuestion("Capital of France?", {"Paris", "London", "Rome"}, "A"),
                         MakeQuestion("Old or new name?", {"Paris", "Lutetia", "Londinium"}, "AB", true)}));
  EXPECT_EQ(report.Lines(),
            std::vector<std::string>{"question 3: a second answer block, a question holds one: "
                                     "not imported (line 9)"});
}

TEST(Gift, ReadsAnotherProjectsSuite) {
  TLossReport report;
  const TImportedTest test = ReadData("gift", "gift-others.gift", report);
  // The format's own examples that are multiple choice, the documentation's
  // four, one with HTML comments, the continents and the sun.
  EXPECT_EQ(Keys(test), (std::vector<std::string>{"C", "B", "B", "C", "C", "B", "C", "B", "C", "ABD", "A"}));
  ASSERT_EQ(test.Questions.size(), 11u);
  EXPECT_EQ(test.Questions[1].Question, "Grant is _____ in Grant's tomb.");
  EXPECT_EQ(test.Questions[6].Question,
            "The American holiday of Thanksgiving is celebrated on the _____ Thursday of November.");
  EXPECT_EQ(test.Questions[8].AnswerC, "Nunca.");  // its [moodle] marker is no text
  EXPECT_NE(test.Questions[8].Reference.find("Ley de Enjuiciamiento Criminal, las cuales"),
            std::string::npos);
  EXPECT_EQ(test.Questions[10].AnswerA, "The east.");
  for (std::string_view loss :
       {"question 3: a true/false", "question 4: a short-answer", "question 5: a numerical",
        "question 6: a matching",
        "question 8: partial credit taken as right or wrong: B (50%) now counts as wrong",
        "question 9: a short-answer", "question 10: a numerical", "question 15: title dropped",
        "question 16: partial credit"})
    EXPECT_TRUE(Mentions(report, loss)) << loss;
}

TEST(Aiken, ReadsBothOptionStylesAndOneLetter) {
  TLossReport report;
  const TImportedTest test = ReadAs("aiken",
                                    "What is 2+2?\r\nA) 3\r\nB) 4\r\nANSWER: B\r\n\r\n"
                                    "Stra\xC3\x9F"
                                    "e?\nA. yes\nB. no\nC. maybe\nANSWER: C\n",
                                    report);
  EXPECT_EQ(test.Questions, (std::vector{MakeQuestion("What is 2+2?", {"3", "4"}, "B"),
                                         MakeQuestion("Stra\xC3\x9F"
                                                      "e?",
                                                      {"yes", "no", "maybe"}, "C")}));
  EXPECT_TRUE(report.Empty());
}

TEST(Aiken, TakesAnOptionWithoutABlankAndNamesAOneAnswerQuestion) {
  TLossReport report;
  const TImportedTest test =
      ReadAs("aiken", "Two?\nA)Correct\nB)Wrong\nANSWER: A\n\nOnly?\nA) this\nANSWER: A\n", report);
  EXPECT_EQ(test.Questions, (std::vector{MakeQuestion("Two?", {"Correct", "Wrong"}, "A"),
                                         MakeQuestion("Only?", {"this"}, "A")}));
  EXPECT_EQ(report.Lines(),
            std::vector<std::string>{"question 2: one answer only, so every student is right (line 6)"});
}

TEST(Csv, ReadsSemicolonsQuotedBreaksAndColumnsInAnyOrder) {
  TLossReport report;
  const TImportedTest test = ReadAs("csv",
                                    "\xEF\xBB\xBF"
                                    "Correct;Question;a;b;rule;Media;notes\r\n"
                                    "b, a;\"Two\r\nlines; \"\"quoted\"\"\";x;y;any;\\MEDIA\\P.BMP;n\r\n"
                                    "A;Third;\xC3\xA9t\xC3\xA9;z;;;\r\n",
                                    report);
  ASSERT_EQ(test.Questions.size(), 2u);
  EXPECT_EQ(test.Questions[0].Question, "Two\r\nlines; \"quoted\"");
  EXPECT_EQ(test.Questions[0].Correct, "AB");
  EXPECT_TRUE(test.Questions[0].AnyCorrectPasses);
  EXPECT_EQ(test.Questions[0].MediaFile, "\\MEDIA\\P.BMP");
  EXPECT_EQ(test.Questions[1].AnswerA, "\xC3\xA9t\xC3\xA9");
  EXPECT_TRUE(Mentions(report, "column \"notes\" not used"));
}

TEST(Aiken, ImportsTheGoodQuestionsAndNamesTheBadOnes) {
  TLossReport report;
  const TImportedTest test = ReadData("aiken", "aiken-mixed.txt", report);
  EXPECT_EQ(Keys(test), (std::vector<std::string>{"A", "A", "A", "B", "B", "A"}));
  ASSERT_EQ(test.Questions.size(), 6u);
  EXPECT_EQ(test.Questions[0].Question, "What does <html class=\"cool\"> start?");  // markup is text
  EXPECT_EQ(test.Questions[1].Question, "Is 2 < 3 && 3 > 2?");
  // Numbered statements, then the lettered options.
  EXPECT_EQ(test.Questions[2].Question,
            "Which are true?\r\nI. Statements are numbered below.\r\n1) the sun is a star\r\n2) the moon is "
            "a planet");
  EXPECT_EQ(test.Questions[2].AnswerC, "both");
  EXPECT_EQ(test.Questions[3].AnswerB, "Canberra");
  // Right to left, the direction marks at the line ends left out.
  EXPECT_EQ(test.Questions[4].Question,
            "\xD7\x9E\xD7\x94\xD7\x99 \xD7\x91\xD7\x99\xD7\xA8\xD7\xAA "
            "\xD7\x99\xD7\xA9\xD7\xA8\xD7\x90\xD7\x9C?");
  EXPECT_EQ(test.Questions[4].AnswerB, "\xD7\x99\xD7\xA8\xD7\x95\xD7\xA9\xD7\x9C\xD7\x99\xD7\x9D");
  EXPECT_EQ(report.Lines(),
            (std::vector<std::string>{
                "question 3: \"ANSWER: D\" names no option of the question (line 14): not imported",
                "answer numbering \"123\" not kept: answers are lettered A to F (line 29)",
                "question 7: no \"ANSWER:\" line (line 38): not imported",
                "question 8: option C) is out of order (line 44): not imported",
                "line 51: \"ANSWER:\" without a question"}));
}

// Layouts of real banks: headers in any order and case, keys as letters,
// numbers or the answer's text; a row without a usable key is never a
// question without a correct answer.
TEST(Csv, ReadsBankLayoutsAndRefusesRowsWithoutAUsableKey) {
  TLossReport letters, numbers;
  const TImportedTest first = ReadData("csv", "csv-bank-letters.csv", letters);
  EXPECT_EQ(Keys(first), (std::vector<std::string>{"B", "AC", "B", "B", "A"}));
  ASSERT_EQ(first.Questions.size(), 5u);
  EXPECT_EQ(first.Questions[0].Question, "What is the capital of France?");
  EXPECT_EQ(first.Questions[0].AnswerD, "Rome");
  EXPECT_EQ(first.Questions[0].Reference, "Paris is on the Seine");
  EXPECT_EQ(letters.Lines(),
            (std::vector<std::string>{
                "column \"Sl No\" not used", "column \"Difficulty\" not used", "row 5: no key: not imported",
                "row 7: key \"4\" could be answer D or the text of answer B: not imported",
                "row 8: key \"E\" names answer E, which is empty: not imported",
                "no rule column: questions with several correct answers need all of them chosen"}));

  const TImportedTest second = ReadData("csv", "csv-bank-numbers.csv", numbers);
  EXPECT_EQ(Keys(second), (std::vector<std::string>{"B", "BD", "C"}));
  EXPECT_EQ(numbers.Lines(),
            (std::vector<std::string>{
                "column \"Time limit (sec)\" not used",
                "no rule column: questions with several correct answers need all of them chosen"}));
}

TEST(Csv, OwnLayoutReadsKeysAsLettersEvenWhereTheyAreAnswerTexts) {
  TLossReport written, read;
  TExportedTest test;
  test.Contents.Questions.resize(1);
  test.Contents.Questions[0].Question = "Which letter comes first?";
  test.Contents.Questions[0].AnswerA = "b";
  test.Contents.Questions[0].AnswerB = "a";
  test.Contents.Questions[0].Correct = "B";
  const TImportedTest back = ReadAs("csv", Format("csv").Write(test, {}, written), read);
  EXPECT_EQ(Keys(back), (std::vector<std::string>{"B"}));
  EXPECT_TRUE(read.Empty());
}

TEST(Csv, RefusesARowWithAValueOverTheLimitOrMoreFields) {
  TLossReport report;
  const TImportedTest test = ReadAs("csv",
                                    "question,A,B,correct,notes\n\"" + std::string(64 * 1024 + 1, 'x') +
                                        "\",a,b,A,\nq,a,b,B,n,extra\nfits,a,b,A,\nshort,a,b\n",
                                    report);
  EXPECT_EQ(Keys(test), (std::vector<std::string>{"A"}));
  EXPECT_EQ(report.Lines(),
            (std::vector<std::string>{
                "column \"notes\" not used",
                "row 2: \"question\" holds 65537 bytes, more than the 65536 a value may hold: not imported",
                "row 3: 6 fields where the header row has 5: not imported", "row 5: no key: not imported"}));
}

// Decomposed accents, as macOS writes them, reach a code-page test as the
// accented letters, whichever format brought them; the file stays in the code
// page.
TEST(ImportCodePage, ComposesDecomposedAccents) {
  TLossReport report;
  TImportedTest test = ReadAs(
      "aiken", "Cafe\xCC\x81 or Zu\xCC\x88rich?\nA) Ko\xCC\x88ln\nB) S\xCC\x8Cibenik\nANSWER: A\n", report);
  TTempDir folder;
  const std::string path = folder.File("T.QWT");
  EXPECT_FALSE(Import::SaveNewTest(path, Import::ToTestText(test)).BecameUtf8);
  TCustomIniStore store(path);
  EXPECT_EQ(TestFile::StoredForm(store), TestFile::TTextForm::CodePage);
  const QuestionRecord question = TestFile::ReadQuestion(store, 1);
  EXPECT_EQ(question.Question, "Caf\xC3\xA9 or Z\xC3\xBCrich?");
  EXPECT_EQ(question.AnswerB, "\xC5\xA0ibenik");
}

// Damaged sources: a message naming the line, never a crash.
struct TDamaged {
  std::string Format;
  std::string Bytes;
  std::string Message;
};

class DamagedSource : public testing::TestWithParam<TDamaged> {};

TEST_P(DamagedSource, IsRefusedNamingTheLine) {
  TLossReport report;
  try {
    ReadAs(GetParam().Format, GetParam().Bytes, report);
    FAIL() << "accepted";
  } catch (const TFormatError& error) {
    EXPECT_NE(std::string(error.what()).find(GetParam().Message), std::string::npos) << error.what();
  }
}

INSTANTIATE_TEST_SUITE_P(
    Formats, DamagedSource,
    testing::Values(TDamaged{"gift", "Fine {=a ~b}\n\nOpen {=a\n~b\n\nmore\n", "line 3: '{' is never closed"},
                    TDamaged{"gift", "Q =a ~b}\n", "line 1: '}' without '{'"},
                    TDamaged{"gift", "::title without end {=a ~b}\n", "line 1"},
                    TDamaged{"csv", "question,A\n\"open,x\n", "line 2"},
                    TDamaged{"csv", "A,B,correct\nx,y,A\n",
                             "line 1: the header row names no question column"},
                    TDamaged{"csv", "question,correct\nq,A\n", "names no answer columns"},
                    TDamaged{"csv", "Question,Option A,Option B\nq,x,y\n", "names no key column"}));

// The writer against a file written by hand: each rule said the way GIFT
// scores it, the rest named.
TEST(Gift, WritesTheHandWrittenFileAndNamesWhatGiftScoresOtherwise) {
  TExportedTest test;
  test.Description = "Rivers / seas";
  test.Contents.Questions = {
      MakeQuestion("Which river\r\nflows north?", {"The Nile", "The Thames"}, "A", false),
      MakeQuestion("Pick both: 1 < 2?", {"a -> b", "%50 off", "[html]<b>"}, "AB", false),
      MakeQuestion("Name a prime: 2, 3 or 5?", {"2", "4", "3", "5"}, "ACD", true),
      MakeQuestion("Only one answer", {"it"}, "A", false),
      MakeQuestion("All three", {"x", "y", "z"}, "ABC", false),
      MakeQuestion("No answers", {}, "", false)};
  test.Contents.Questions[0].Reference = "page 3";
  TLossReport written, read;
  const std::string bytes = Format("gift").Write(test, {}, written);
  EXPECT_EQ(bytes, ReadBytes(TestDataPath("exchange/gift-written.gift")));
  EXPECT_EQ(written.Lines(),
            (std::vector<std::string>{
                "question 2: GIFT gives part marks for some of the right answers (50% each); here all of A "
                "and B are "
                "needed",
                "question 3: GIFT lets the student pick one answer only; any right one gets full marks",
                "question 5: GIFT gives part marks for some of the right answers (33.33333% each); here all "
                "of A, B "
                "and C are needed",
                "question 6: no correct answer: other systems may refuse it",
                "question 6: no answers, GIFT cannot say so: not exported"}));
  const TImportedTest back = ReadAs("gift", bytes, read);
  test.Contents.Questions.pop_back();
  EXPECT_EQ(back.Questions, test.Contents.Questions);
}

namespace {

// The questions behind the hand-written Aiken and CSV files: a line break, a
// gap among the answers, several correct letters, quotes, commas and outer
// blanks, and text beyond ASCII.
TExportedTest WrittenByHand(bool aiken) {
  TExportedTest test;
  QuestionRecord river = MakeQuestion("Which river\r\nflows north?", {"The Nile", "The Thames"}, "A");
  river.Reference = "page 3";
  QuestionRecord gap = MakeQuestion("Pick the last one", {"x", "", "z"}, "C");
  QuestionRecord quoted = MakeQuestion("Say \"hi\", then go", {"a, b", " lead"}, "AB", true);
  quoted.HotLink = "http://example.org/x";
  quoted.MediaFile = "\\MEDIA\\PIC.BMP";
  QuestionRecord accents = MakeQuestion(
      aiken ? "Caf\xC3\xA9 ou th\xC3\xA9?" : "Caf\xC3\xA9?",
      aiken ? std::vector<std::string>{"caf\xC3\xA9", "th\xC3\xA9"} : std::vector<std::string>{"oui", "non"},
      "B");
  test.Contents.Questions =
      aiken ? std::vector{river, gap, quoted, accents} : std::vector{river, quoted, accents};
  return test;
}

}  // namespace

// The writers against files written by hand; Aiken leaves out what it cannot
// say and closes up the answers, CSV carries every field.
TEST(Aiken, WritesTheHandWrittenFile) {
  TLossReport report;
  EXPECT_EQ(Format("aiken").Write(WrittenByHand(true), {}, report),
            ReadBytes(TestDataPath("exchange/aiken-written.txt")));
  EXPECT_TRUE(Mentions(report, "question 1: line breaks or outer blanks made one line"));
  EXPECT_TRUE(Mentions(report, "question 3: several correct letters, Aiken cannot say so: not exported"));
}

TEST(Csv, WritesTheHandWrittenFileAndReadsItBackWhole) {
  TLossReport written, read;
  const TExportedTest test = WrittenByHand(false);
  EXPECT_EQ(Format("csv").Write(test, {}, written), ReadBytes(TestDataPath("exchange/csv-written.csv")));
  EXPECT_TRUE(written.Empty()) << written.Lines().front();
  const TImportedTest back = ReadData("csv", "csv-written.csv", read);
  EXPECT_EQ(back.Questions, test.Contents.Questions);
  EXPECT_TRUE(read.Empty()) << read.Lines().front();
}

// The formats that hold questions only name what of the test stays behind.
TEST(Formats, QuestionOnlyExportsNameTheTestsSettingsAndMessages) {
  for (const std::string_view name : {"gift", "aiken", "csv", "moodle"}) {
    TLossReport report;
    Format(name).Write(SampleExport(), SampleMedia, report);
    EXPECT_TRUE(Mentions(report, "settings not carried: Time Allowed, Maximum Questions, Pass Point"))
        << name;
    EXPECT_TRUE(Mentions(report, "begin and end messages dropped")) << name;
    EXPECT_EQ(Mentions(report, "test description dropped"), name == "aiken" || name == "csv") << name;
  }
}

TEST(LossReport, GroupsAPointMadeOfManyQuestions) {
  std::vector<std::string> lines = {"the source is not valid UTF-8 (line 3)"};
  for (int n = 1; n <= 12; ++n)
    lines.push_back("question " + std::to_string(n) + ": title dropped (line " + std::to_string(n * 4) + ")");
  lines.insert(lines.begin() + 5, "question 4: 8 answers, only 6 fit: not imported");
  lines.push_back("question 2: feedback dropped");
  lines.push_back("question 7: feedback dropped");
  EXPECT_EQ(GroupedLines(lines), (std::vector<std::string>{
                                     "the source is not valid UTF-8 (line 3)", "titles dropped: 12 questions",
                                     "question 4: 8 answers, only 6 fit: not imported",
                                     "question 2: feedback dropped", "question 7: feedback dropped"}));
}

// A format without a place for a question's category or tags says so rather
// than dropping them unseen; GIFT, Moodle XML and QTI file categories, and
// only Moodle XML holds tags.
TEST(AllFormats, ExportReportsTheCategoryAndTagsItDrops) {
  TExportedTest test;
  test.Contents.Questions.push_back(MakeQuestion("Which force?", {"weight", "lift"}, "A"));
  test.Contents.Questions[0].Category = "Mechanics/Forces";
  test.Contents.Questions[0].Tags = "vectors";
  for (const auto& format : QuestionFormats()) {
    TLossReport report;
    format->Write(test, {}, report);
    const std::string_view name = format->Name();
    EXPECT_EQ(Mentions(report, "category \"Mechanics/Forces\" dropped"), name == "aiken" || name == "csv")
        << name;
    EXPECT_EQ(Mentions(report, "tags dropped"), name != "moodle") << name;
  }
}
