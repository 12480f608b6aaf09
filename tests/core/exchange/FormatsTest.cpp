#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/exchange/Formats.h"

namespace {

const TQuestionFormat& Format(std::string_view name) {
  const TQuestionFormat* format = FindQuestionFormat(name);
  if (!format) throw std::runtime_error("no format " + std::string(name));
  return *format;
}

TImportedTest ReadAs(std::string_view format, std::string_view bytes, TLossReport& report) {
  return Format(format).Read(bytes, report);
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
  EXPECT_EQ(test.Questions[3].Question, "The capital of France is_____on the Seine.");

  for (std::string_view loss :
       {"question 1: title dropped", "question 1: feedback dropped",
        "question 5: a true/false question is not multiple choice: not imported", "question 6: an essay",
        "question 7: a matching", "question 8: 7 answers, only 6 fit", "question 9: a short-answer",
        "category \"Unit 2\" dropped"})
    EXPECT_TRUE(Mentions(report, loss)) << loss;
}

TEST(Aiken, ReadsBothOptionStylesAndOneLetter) {
  TLossReport report;
  const TImportedTest test = ReadAs("aiken",
                                    "What is 2+2?\r\nA) 3\r\nB) 4\r\nANSWER: B\r\n\r\n"
                                    "Stra\xC3\x9F"
                                    "e?\nA. yes\nB. no\nC. maybe\nANSWER: C\n",
                                    report);
  ASSERT_EQ(test.Questions.size(), 2u);
  EXPECT_EQ(test.Questions[0].AnswerB, "4");
  EXPECT_EQ(test.Questions[0].Correct, "B");
  EXPECT_EQ(test.Questions[1].Question,
            "Stra\xC3\x9F"
            "e?");
  EXPECT_EQ(test.Questions[1].Correct, "C");
  EXPECT_TRUE(report.Empty());
}

TEST(Csv, ReadsSemicolonsQuotedBreaksAndColumnsInAnyOrder) {
  TLossReport report;
  const TImportedTest test = ReadAs("csv",
                                    "\xEF\xBB\xBF"
                                    "Correct;Question;a;b;rule;Media;notes\r\n"
                                    "b, c;\"Two\r\nlines; \"\"quoted\"\"\";x;y;any;\\MEDIA\\P.BMP;n\r\n"
                                    "A;Third;\xC3\xA9t\xC3\xA9;z;;;\r\n",
                                    report);
  ASSERT_EQ(test.Questions.size(), 2u);
  EXPECT_EQ(test.Questions[0].Question, "Two\r\nlines; \"quoted\"");
  EXPECT_EQ(test.Questions[0].Correct, "BC");
  EXPECT_TRUE(test.Questions[0].AnyCorrectPasses);
  EXPECT_EQ(test.Questions[0].MediaFile, "\\MEDIA\\P.BMP");
  EXPECT_EQ(test.Questions[1].AnswerA, "\xC3\xA9t\xC3\xA9");
  EXPECT_TRUE(Mentions(report, "column \"notes\" is not ours"));
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
                    TDamaged{"aiken", "Q?\nA) x\nB) y\nANSWER: D\n", "line 4"},
                    TDamaged{"aiken", "Q?\nA) x\nB) y\n\nNext?\n", "line 5"},
                    TDamaged{"aiken", "Q?\nA) x\nC) y\nANSWER: A\n", "line 3: option C is out of order"},
                    TDamaged{"aiken", "Q?\nA) x\nANSWER: A\nB) late\n", "line 4"},
                    TDamaged{"csv", "question,A,B,correct\nq,x,y\n",
                             "line 2: 3 fields where the header row has 4"},
                    TDamaged{"csv", "question,A\n\"open,x\n", "line 2"},
                    TDamaged{"csv", "A,B,correct\nx,y,A\n", "no \"question\" column"}));

TEST(Gift, WritesWhatItCanReadBackAndNamesTheRest) {
  TExportedTest test;
  QuestionRecord onlyRight;  // a block of '=' alone would read as a short answer
  onlyRight.Question = "Only one answer";
  onlyRight.AnswerA = "it";
  onlyRight.Correct = "A";
  QuestionRecord arrow = onlyRight;
  arrow.AnswerB = "a -> b";
  QuestionRecord empty;
  empty.Question = "No answers";
  test.Contents.Questions = {onlyRight, arrow, empty};
  TLossReport written, read;
  const TImportedTest back = ReadAs("gift", Format("gift").Write(test, {}, written), read);
  ASSERT_EQ(back.Questions.size(), 1u);
  EXPECT_EQ(back.Questions[0], onlyRight);
  EXPECT_EQ(written.Lines(),
            (std::vector<std::string>{
                "question 2: \"->\" in an answer makes GIFT read a matching question: not exported",
                "question 3: no correct answer: other systems may refuse it",
                "question 3: no answers, GIFT cannot say so: not exported"}));
}
