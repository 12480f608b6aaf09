#include <gtest/gtest.h>

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
  EXPECT_TRUE(test.Questions[2].AnyCorrectPasses);

  EXPECT_EQ(Report.Lines(), (std::vector<std::string>{
                                "question 1: feedback dropped",
                                "question 2: a true/false question is not multiple choice: not imported",
                                "question 3: 8 answers, only 6 fit: not imported",
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

TEST_F(MoodleXml, WritesWhatTheImporterExpects) {
  const std::string xml = Format->Write(SampleExport(), SampleMedia, Report);
  EXPECT_EQ(xml.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>", 0), 0u);
  EXPECT_NE(xml.find("<single>true</single>"), std::string::npos);
  EXPECT_NE(xml.find("<single>false</single>"), std::string::npos);
  EXPECT_NE(xml.find("fraction=\"33.33333\""), std::string::npos);
  EXPECT_NE(xml.find("fraction=\"33.33334\""), std::string::npos);
  EXPECT_NE(xml.find("fraction=\"-100\""), std::string::npos);
  EXPECT_NE(xml.find("<img src=\"@@PLUGINFILE@@/map%20one.png\""), std::string::npos);
  EXPECT_NE(xml.find("<file name=\"map one.png\" path=\"/\" encoding=\"base64\">"), std::string::npos);
  EXPECT_NE(xml.find("1 &lt; 2 km?<br>Pick one."), std::string::npos);
}

TEST_F(MoodleXml, RoundTripKeepsEveryField) {
  TExportedTest out = SampleExport();
  out.Contents.Questions[0].Reference = "Atlas\r\np. 12";
  out.Contents.Questions.push_back(out.Contents.Questions[0]);
  out.Contents.Questions.back().MediaFile = "missing.png";
  const std::string xml = Format->Write(out, SampleMedia, Report);
  EXPECT_EQ(Report.Lines(),
            (std::vector<std::string>{"begin and end messages dropped: Moodle XML holds questions only",
                                      "settings not carried: TIME, MAXQUESTIONS, PASSPOINT",
                                      "question 4: media file missing.png not found: not exported"}));
  TLossReport back;
  const TImportedTest in = Format->Read(xml, back);
  EXPECT_TRUE(back.Empty()) << back.Lines().front();
  EXPECT_EQ(in.Title, out.Description);
  out.Contents.Questions.back().MediaFile.clear();
  EXPECT_EQ(in.Questions, out.Contents.Questions);
  ASSERT_EQ(in.Media.size(), 2u);
  EXPECT_EQ(in.Media[0].Bytes, SampleMedia("map one.png")->Bytes);
  EXPECT_EQ(in.Media[1].Name, "song.mp3");
}

}  // namespace
