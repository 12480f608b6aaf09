#include <gtest/gtest.h>

#include <pugixml.hpp>
#include <string>
#include <vector>

#include "core/exchange/ExchangeFixtures.h"
#include "core/exchange/FormatParts.h"
#include "core/exchange/Formats.h"
#include "support/Questions.h"
#include "support/TempDir.h"

namespace {

const TQuestionFormat& Format(std::string_view name) {
  return *FindQuestionFormat(name);
}

TImportedTest ReadData(std::string_view format, const std::string& file, TLossReport& report) {
  return Format(format).Read(ReadBytes(TestDataPath("exchange/" + file)), report);
}

}  // namespace

TEST(CategoryPaths, TakeOffTheContextAndTheTopLevel) {
  using FormatParts::CategoryOfPath;
  EXPECT_EQ(CategoryOfPath("$course$/top/Mechanics/ Forces "), "Mechanics/Forces");
  EXPECT_EQ(CategoryOfPath("$system$/top"), "");
  EXPECT_EQ(CategoryOfPath("Top/Waves"), "Waves");
  EXPECT_EQ(CategoryOfPath("Waves/top"), "Waves/top") << "only the top level is Moodle's";
  EXPECT_EQ(FormatParts::CategoryParts("Unit 1//2"), std::vector<std::string>{"Unit 1/2"});
}

// The test's name first, as always, then a line before each run; tags have no
// place in GIFT, nor has a blueprint.
TEST(Categories, GiftWritesALineBeforeEachRunOfACategory) {
  TLossReport report;
  const std::string bytes = Format("gift").Write(Bank("Physics", "Mechanics=1"), {}, report);
  EXPECT_EQ(bytes, ReadBytes(TestDataPath("exchange/gift-categories-written.gift")));
  EXPECT_EQ(report.Lines(),
            (std::vector<std::string>{"settings not carried: Question Bank", "question 1: tags dropped"}));
}

// One course as Moodle exports it, in GIFT and in XML: two questions of
// Mechanics, one of Waves, the first category naming the test; the XML also
// has tags and random questions.
TEST(Categories, ReadsACourseMoodleExportedAsGiftAndAsXml) {
  TImportedTest xml;
  for (const auto& [format, file] :
       {std::pair{"gift", "gift-categories.gift"}, {"moodle", "moodle-categories.xml"}}) {
    TLossReport report;
    xml = ReadData(format, file, report);
    EXPECT_EQ(xml.Title, "Mechanics") << file;
    EXPECT_EQ(Categories(xml.Questions), (std::vector<std::string>{"Default for Physics 101/Mechanics",
                                                                   "Default for Physics 101/Mechanics",
                                                                   "Default for Physics 101/Waves"}))
        << file;
  }
  EXPECT_EQ(xml.Questions[0].Tags, "newton, vectors");
  EXPECT_EQ(xml.Questions[1].Tags, "units");
  EXPECT_EQ(xml.Settings,
            (std::vector<std::pair<std::string, std::string>>{
                {"BLUEPRINT", "Default for Physics 101/Mechanics=2; Default for Physics 101/Waves=1"}}));
}

TEST(Categories, MoodleRefusesABlueprintItsQuestionsCannotMeet) {
  TLossReport report;
  const std::string random = "<question type=\"random\"><name><text>r</text></name></question>";
  const TImportedTest test = Format("moodle").Read(
      "<quiz><question type=\"category\"><category><text>Mechanics</text></category></question>"
      "<question type=\"multichoice\"><answer fraction=\"100\"><text>a</text></answer></question>"
      "<question type=\"category\"><category><text>$course$/top/Waves</text></category></question>" +
          random + random + "</quiz>",
      report);
  EXPECT_TRUE(test.Settings.empty());
  EXPECT_EQ(report.Lines(),
            std::vector<std::string>{"blueprint not imported: Waves: 2 asked, 0 in the test"});
}

// Each line as many random questions of its category; what Moodle's draw
// cannot hold is named.
TEST(Categories, MoodleWritesEachBlueprintLineAsRandomQuestions) {
  TLossReport report;
  const std::string xml =
      Format("moodle").Write(Bank("Physics", "Mechanics=2; Mechanics/Forces=1; Waves=1+tags"), {}, report);
  pugi::xml_document document;
  ASSERT_TRUE(document.load_string(xml.c_str()));
  std::vector<std::string> drawn;  // category of each random question
  std::string category;
  for (const pugi::xml_node& question : document.child("quiz").children("question")) {
    const std::string_view type = question.attribute("type").as_string();
    if (type == "category") category = question.child("category").child_value("text");
    if (type == "random") drawn.push_back(category + " " + question.child("name").child_value("text"));
  }
  EXPECT_EQ(drawn, (std::vector<std::string>{"$course$/top/Mechanics Random (Mechanics)",
                                             "$course$/top/Mechanics Random (Mechanics)",
                                             "$course$/top/Mechanics/Forces Random (Mechanics/Forces)",
                                             "$course$/top/Waves Random (Waves)"}));
  EXPECT_EQ(report.Lines(),
            (std::vector<std::string>{
                "blueprint line \"Mechanics=2\": Moodle XML also draws from \"Mechanics/Forces\"",
                "blueprint line \"Waves=1+tags\": Moodle XML cannot ask for one question of each tag"}));
}

// Export and import again: every question keeps its category, with or
// without the test's name, and in one category alone.
class CategoryRoundTrip : public testing::TestWithParam<std::string> {};

TEST_P(CategoryRoundTrip, KeepsEachQuestionsCategory) {
  const TQuestionFormat& format = Format(GetParam());
  TExportedTest single = Bank("");
  for (QuestionRecord& question : single.Contents.Questions) question.Category = "Waves";
  for (const TExportedTest& test : {Bank(), Bank(""), single}) {
    TLossReport written, read;
    const TImportedTest back = format.Read(format.Write(test, SampleMedia, written), read);
    EXPECT_EQ(Categories(back.Questions), Categories(test.Contents.Questions)) << test.Description;
    if (!test.Description.empty()) {
      EXPECT_EQ(back.Title, test.Description);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Formats, CategoryRoundTrip, testing::Values("gift", "moodle", "qti"));
