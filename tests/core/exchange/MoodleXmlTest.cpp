#include <gtest/gtest.h>

#include <algorithm>
#include <pugixml.hpp>

#include "core/exchange/ExchangeFixtures.h"
#include "core/exchange/MoodleXml.h"
#include "support/TempDir.h"

namespace {

class MoodleXml : public ::testing::Test {
protected:
  std::unique_ptr<TQuestionFormat> Format = MakeMoodleXmlFormat();
  TLossReport Report;
};

TEST_F(MoodleXml, ImportsMultipleChoiceAndReportsEveryLoss) {
  const TImportedTest test = Format->Read(ReadBytes(TestDataPath("exchange/moodle-mixed.xml")), Report);
  EXPECT_EQ(test.Title, "G\xC3\xA9ographie");
  ASSERT_EQ(test.Questions.size(), 3u);
  const QuestionRecord& rivers = test.Questions[0];
  EXPECT_EQ(rivers.Question, "Which river flows north?");
  EXPECT_EQ(rivers.AnswerB, "The Thames & co");
  EXPECT_EQ(rivers.Correct, "A");
  EXPECT_EQ(rivers.Reference,
            "Atlas, p.\xC2\xA0"
            "12");
  EXPECT_EQ(rivers.MediaFile, "nile map.png");
  ASSERT_EQ(test.Media.size(), 1u);
  EXPECT_EQ(test.Media[0].Bytes, "\x89PNG\r\n");

  EXPECT_EQ(test.Questions[1].Correct, "AC");
  EXPECT_FALSE(test.Questions[1].AnyCorrectPasses) << "a penalty on the wrong answer wants every correct one";
  EXPECT_EQ(test.Questions[2].Correct, "AB");
  EXPECT_FALSE(test.Questions[2].AnyCorrectPasses) << "halves of the marks want both";

  EXPECT_EQ(Report.Lines(),
            (std::vector<std::string>{
                "question 1: feedback dropped",
                "question 2: a true/false question is not multiple choice: not imported",
                "question 3: 8 answers, only 6 fit: not imported",
                "question 4: part marks rounded to all or nothing: every correct answer must be chosen",
                "question 5: a wrong answer ticked beside the right ones costs no marks in the source: here "
                "it fails the question",
                "question 5: part marks rounded to all or nothing: every correct answer must be chosen",
            }));
}

// Each question of the file pins one way Moodle scores: the key and rule
// that score alike a student who picks only right answers and one who picks
// a single right one, and the report line for what the rule cannot hold.
TEST_F(MoodleXml, ReadsEachScoringAsTheRuleThatScoresAlike) {
  const TImportedTest test = Format->Read(ReadBytes(TestDataPath("exchange/moodle-rules.xml")), Report);
  ExpectRules(test.Questions, {{"AC", false},
                               {"ABD", false},
                               {"AB", true},
                               {"AC", true},
                               {"A", false},
                               {"AC", true},
                               {"AB", false},
                               {"AC", false},
                               {"A", false},
                               {"A", false},
                               {"A", false},
                               {"A", false},
                               {"A", false}});
  EXPECT_EQ(test.Questions[8].Question, "If x<y and y<z, is x<z always true?");
  EXPECT_EQ(test.Questions[8].AnswerA, "Yes & always");
  EXPECT_EQ(test.Questions[8].AnswerB, "No, 3 < 2");
  EXPECT_EQ(test.Questions[9].Question,
            "First line\r\n\r\nAfter a blank line\r\nSolve 3x2 = 12\r\n\r\nThen check.");
  EXPECT_EQ(test.Questions[10].Question, "Fish & chips\r\nor\r\n\r\nbangers & mash?");
  EXPECT_EQ(test.Questions[11].MediaFile, "denmark.png");
  ASSERT_EQ(test.Media.size(), 1u);
  EXPECT_EQ(test.Media[0].Bytes, "\x89PNG\r\n\x1A\n");
  EXPECT_EQ(test.Questions[12].MediaFile, "coast.jpg");

  EXPECT_EQ(Report.Lines(),
            (std::vector<std::string>{
                "question 1: a wrong answer ticked beside the right ones costs no marks in the source: here "
                "it fails the question",
                "question 1: part marks rounded to all or nothing: every correct answer must be chosen",
                "question 2: part marks rounded to all or nothing: every correct answer must be chosen",
                "question 5: part marks for B (50%) dropped: only answers worth full marks are correct",
                "question 6: the best answer earns only 50%: taken as full marks",
                "question 6: part marks for B (25%) dropped: taken as wrong",
                "question 7: the penalty of C (-50%) is now the loss of the whole question",
                "question 7: part marks rounded to all or nothing: every correct answer must be chosen",
                "question 7: the correct answers together earn only 80%: taken as full marks",
                "question 9: '<' that opens no HTML tag kept as text",
                "question 10: MathML formula flattened to plain text",
                "question 13: media file coast.jpg is not in the file",
            }));
}

TEST_F(MoodleXml, DamagedInputNamesTheLine) {
  try {
    Format->Read(ReadBytes(TestDataPath("exchange/moodle-broken.xml")), Report);
    FAIL() << "no error";
  } catch (const TFormatError& error) {
    EXPECT_STREQ(std::string(error.what()).substr(0, 7).c_str(), "line 5:");
  }
  EXPECT_THROW(Format->Read("<?xml version=\"1.0\"?><exam/>", Report), TFormatError);
  EXPECT_THROW(Format->Read("", Report), TFormatError);
}

// One right pick of an "any" question earns full marks as a single choice;
// an "all" question shares the marks, and a wrong pick takes them away. The
// report is checked with the round trip below.
TEST_F(MoodleXml, WritesWhatTheGoldenFileHolds) {
  EXPECT_EQ(Format->Write(SampleExport(), SampleMedia, Report),
            ReadBytes(TestDataPath("exchange/moodle-export.xml")));
}

// Moodle grades a single choice by the chosen answer's fraction, several by
// the sum of the chosen ones' fractions held to 0..100. What we write earns
// full marks exactly where our engine marks the answer right, for every
// choice Moodle lets the student make.
TEST_F(MoodleXml, FullMarksExactlyWhereOurEngineSaysRight) {
  const TExportedTest test = SampleExport();
  pugi::xml_document document;
  ASSERT_TRUE(document.load_string(Format->Write(test, SampleMedia, Report).c_str()));
  std::size_t number = 0;
  for (const pugi::xml_node& question : document.child("quiz").children("question")) {
    if (std::string_view(question.attribute("type").as_string()) != "multichoice") continue;
    const QuestionRecord& record = test.Contents.Questions.at(number++);
    const bool single = std::string_view(question.child_value("single")) == "true";
    std::vector<double> fractions;
    for (const pugi::xml_node& answer : question.children("answer"))
      fractions.push_back(answer.attribute("fraction").as_double());
    ExpectFullMarksWhereRight(record, static_cast<int>(fractions.size()), single, [&](unsigned chosen) {
      double grade = 0;
      for (std::size_t i = 0; i < fractions.size(); ++i)
        if (chosen & 1u << i) grade += fractions[i];
      return std::clamp(grade, 0.0, 100.0) >= 99.999;
    });
  }
  EXPECT_EQ(number, test.Contents.Questions.size());
}

TEST_F(MoodleXml, RoundTripKeepsEveryField) {
  TExportedTest out = SampleExport();
  out.Contents.Questions[0].Reference = "Atlas\r\np. 12";
  out.Contents.Questions.push_back(out.Contents.Questions[0]);
  out.Contents.Questions.back().MediaFile = "missing.png";
  const std::string xml = Format->Write(out, SampleMedia, Report);
  EXPECT_EQ(
      Report.Lines(),
      (std::vector<std::string>{
          "begin and end messages dropped: Moodle XML holds questions only",
          "settings not carried: Time Allowed, Maximum Questions, Pass Point",
          "question 2: Moodle gives part marks for some of the correct answers: here every one is needed",
          "question 3: any correct answer passes: Moodle lets the student pick only one",
          "question 4: media file missing.png not found: not exported"}));
  TLossReport back;
  const TImportedTest in = Format->Read(xml, back);
  EXPECT_EQ(back.Lines(), std::vector<std::string>{"question 2: part marks rounded to all or nothing: every "
                                                   "correct answer must be chosen"});
  EXPECT_EQ(in.Title, out.Description);
  out.Contents.Questions.back().MediaFile.clear();
  EXPECT_EQ(in.Questions, out.Contents.Questions);
  ASSERT_EQ(in.Media.size(), 2u);
  EXPECT_EQ(in.Media[0].Bytes, SampleMedia("map one.png")->Bytes);
  EXPECT_EQ(in.Media[1].Name, "song.mp3");
}

// Markup beyond plain text: kept where a test can hold it, named where not.
TEST_F(MoodleXml, KeepsTheStructureATestCanHoldAndNamesTheRest) {
  const TImportedTest test = Format->Read(
      "<quiz><question type=\"multichoice\"><questiontext format=\"html\"><text><![CDATA["
      "<p>Is x<sup>2</sup> + y<sup>n</sup> in <a href=\"http://example.org/t\">the table</a>?</p>"
      "<table><tr><td>a</td><td>b</td></tr><tr><td>c</td><td>d</td></tr></table>"
      "<pre>int x;\n  return x;</pre>]]></text></questiontext><defaultgrade>2.0000000</defaultgrade>"
      "<penalty>0.3333333</penalty><answer fraction=\"100\"><text>yes</text></answer></question></quiz>",
      Report);
  ASSERT_EQ(test.Questions.size(), 1u);
  EXPECT_EQ(test.Questions[0].Question,
            "Is x\xC2\xB2 + y^n in the table?\r\na | b\r\nc | d\r\nint x;\r\n  return x;");
  EXPECT_EQ(Report.Lines(), (std::vector<std::string>{
                                "question 1: question weight 2.0000000 dropped: every question counts alike",
                                "question 1: penalty of 33.33% for each further try dropped",
                                "question 1: link \"http://example.org/t\" dropped",
                                "question 1: table flattened: a line a row, its cells separated by \" | \"",
                                "question 1: subscript or superscript flattened to plain text"}));
}

// Two questions, each with its own picture of the same name.
TEST_F(MoodleXml, PicturesOfOneNameFromDifferentQuestionsStayApart) {
  const auto question = [](const char* base64) {
    return std::string(
               "<question type=\"multichoice\"><questiontext format=\"html\"><text><![CDATA[<img "
               "src=\"@@PLUGINFILE@@/image.png\">]]></text><file name=\"image.png\" encoding=\"base64\">") +
           base64 + "</file></questiontext><answer fraction=\"100\"><text>a</text></answer></question>";
  };
  const TImportedTest test = Format->Read("<quiz>" + question("Y2F0") + question("ZG9n") + "</quiz>", Report);
  ASSERT_EQ(test.Questions.size(), 2u);
  EXPECT_EQ(test.Questions[1].MediaFile, "image-2.png");
  ASSERT_EQ(test.Media.size(), 2u);
  EXPECT_EQ(test.Media[0].Bytes + test.Media[1].Bytes, "catdog");
}

}  // namespace
