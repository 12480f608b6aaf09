#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <pugixml.hpp>

#include "core/exchange/ExchangeFixtures.h"
#include "core/exchange/Formats.h"
#include "core/exchange/Qti.h"
#include "core/exchange/ZipArchive.h"
#include "support/TempDir.h"

namespace {

class Qti : public ::testing::Test {
protected:
  std::unique_ptr<TQuestionFormat> Format = MakeQtiFormat();
  TLossReport Report;

  std::vector<ZipArchive::TEntry> Package(const TExportedTest& test = SampleExport()) {
    return ZipArchive::Read(Format->Write(test, SampleMedia, Report));
  }

  // A package of items (path, body of a single-choice item scored on
  // RESPONSE) and other files.
  static std::string PackageOf(const std::vector<std::pair<std::string, std::string>>& items,
                               std::vector<ZipArchive::TEntry> files = {}, const std::string& test = {}) {
    std::string manifest = "<manifest><resources>";
    if (!test.empty()) {
      manifest += "<resource type=\"imsqti_test_xmlv2p1\" href=\"test.xml\"/>";
      files.push_back({"test.xml", test});
    }
    for (const auto& [path, body] : items) {
      manifest += "<resource type=\"imsqti_item_xmlv2p1\" href=\"" + path + "\"/>";
      files.push_back(
          {path,
           "<assessmentItem xmlns=\"http://www.imsglobal.org/xsd/imsqti_v2p1\"><responseDeclaration "
           "identifier=\"RESPONSE\" cardinality=\"single\"><correctResponse><value>A</value>"
           "</correctResponse></responseDeclaration><itemBody>" +
               body + "</itemBody><responseProcessing template=\"" + MatchCorrectTemplate +
               "\"/></assessmentItem>"});
    }
    files.push_back({"imsmanifest.xml", manifest + "</resources></manifest>"});
    return ZipArchive::Write(files);
  }
  static constexpr const char* MatchCorrectTemplate =
      "http://www.imsglobal.org/question/qti_v2p1/rptemplates/match_correct";
  static constexpr const char* OneChoice =
      "<choiceInteraction responseIdentifier=\"RESPONSE\" maxChoices=\"1\"><simpleChoice "
      "identifier=\"A\">a</simpleChoice></choiceInteraction>";

  std::string Replaced(std::vector<ZipArchive::TEntry> entries, const std::string& name,
                       const std::string& bytes) {
    std::erase_if(entries, [&](const auto& e) { return e.Name == name; });
    if (!bytes.empty()) entries.push_back({name, bytes});
    return ZipArchive::Write(entries);
  }

  // The media file each question names, and the bytes of each file read.
  static void ExpectMedia(const TImportedTest& test, const std::vector<std::string>& named,
                          const std::vector<std::string>& bytes) {
    std::vector<std::string> names, files;
    for (const QuestionRecord& question : test.Questions) names.push_back(question.MediaFile);
    for (const TMediaFile& media : test.Media) files.push_back(media.Bytes);
    EXPECT_EQ(names, named);
    EXPECT_EQ(files, bytes);
  }

  // Every XML document of package against the IMS schemas, with xmllint.
  static void ExpectValid(const std::vector<ZipArchive::TEntry>& package) {
    const char* moved = std::getenv("QUIZWELL_QTI_SCHEMAS");
    const std::filesystem::path schemas = moved ? moved : QUIZWELL_QTI_SCHEMAS;
    if (!std::filesystem::exists(schemas / "imscp_v1p1.xsd"))
      GTEST_SKIP() << "the IMS schemas are not at " << schemas << ": package not validated";
    if (std::system("xmllint --version >/dev/null 2>&1") != 0)
      GTEST_SKIP() << "xmllint is not installed (Debian: libxml2-utils): package not validated";
    TTempDir dir;
    for (const ZipArchive::TEntry& entry : package) {
      if (!entry.Name.ends_with(".xml")) continue;
      const std::filesystem::path file = dir.Path() / entry.Name;
      std::filesystem::create_directories(file.parent_path());
      WriteBytes(file.string(), entry.Bytes);
      const std::filesystem::path schema = entry.Name == "imsmanifest.xml"
                                               ? schemas / "imscp_v1p1.xsd"
                                               : schemas / "qtiv2p1" / "imsqti_v2p1.xsd";
      const std::string command =
          "xmllint --noout --nonet --schema '" + schema.string() + "' '" + file.string() + "'";
      EXPECT_EQ(std::system(command.c_str()), 0) << entry.Name << "\n" << entry.Bytes;
    }
  }

  std::string ErrorOf(const std::string& bytes) {
    try {
      Format->Read(bytes, Report);
    } catch (const TFormatError& error) {
      return error.what();
    }
    return "no error";
  }
};

TEST_F(Qti, RoundTripKeepsQuestionsSettingsAndMedia) {
  TExportedTest out = SampleExport();
  out.Contents.Questions[0].Reference = "p. 12";
  const std::string zip = Format->Write(out, SampleMedia, Report);
  EXPECT_EQ(Report.Lines(),
            (std::vector<std::string>{"question 1: reference dropped", "settings not carried: Pass Point"}));
  TLossReport back;
  const TImportedTest in = Format->Read(zip, back);
  EXPECT_TRUE(back.Empty()) << back.Lines().front();
  out.Contents.Questions[0].Reference.clear();
  EXPECT_EQ(in.Questions, out.Contents.Questions);
  EXPECT_EQ(in.Title, out.Description);
  EXPECT_EQ(in.Settings, (std::vector<std::pair<std::string, std::string>>{
                             {"TIME", "00:10:30"}, {"RANDOMQUESTIONS", "1"}, {"MAXQUESTIONS", "2"}}));
  EXPECT_EQ(in.BeginMessage, out.Contents.BeginMessage);
  ASSERT_EQ(in.Media.size(), 2u);
  EXPECT_EQ(in.Media[0].Name, "map one.png");
  EXPECT_EQ(in.Media[0].Bytes, SampleMedia("map one.png")->Bytes);
}

TEST_F(Qti, DamagedPackagesNameWhatIsWrong) {
  const std::vector<ZipArchive::TEntry> package = Package();
  EXPECT_NE(ErrorOf("PK\x03\x04 not really").find("not a readable zip archive"), std::string::npos);
  EXPECT_EQ(ErrorOf(Replaced(package, "imsmanifest.xml", "")),
            "entry imsmanifest.xml is missing from the package");
  EXPECT_EQ(ErrorOf(Replaced(package, "imsmanifest.xml", "<manifest/>")), "imsmanifest.xml: no <resources>");
}

// A package written by hand: QTI 2.0, 2.1 and 2.2 items, each scoring in
// its own way, an item that does not parse, one that is missing, a QTI 1.2
// resource and an item named twice. Every readable item is read.
TEST_F(Qti, ReadsEachVersionAndScoringAsTheRuleThatScoresAlike) {
  const std::filesystem::path folder = TestDataPath("exchange/qti-rules");
  std::vector<ZipArchive::TEntry> entries;
  for (const auto& file : std::filesystem::recursive_directory_iterator(folder))
    if (file.is_regular_file())
      entries.push_back(
          {file.path().lexically_relative(folder).generic_string(), ReadBytes(file.path().string())});
  const TImportedTest test = Format->Read(ZipArchive::Write(entries), Report);
  ExpectRules(test.Questions, {{"AC", false}, {"AB", true}, {"BC", false}, {"C", false}, {"A", false}});
  EXPECT_EQ(test.Questions[1].Question, "Tick any even number.");
  EXPECT_EQ(test.Questions[2].Question, "Which seas border Germany?");
  EXPECT_EQ(test.Questions[4].Question, "Solve 3x2 = 12.\r\n\r\nPick one.");
  ExpectMedia(test, {"", "", "", "", "cell.png"}, {"\x89PNG\r\n\x1A\n"});
  EXPECT_EQ(Report.Lines(),
            (std::vector<std::string>{
                "resource legacy/q12.xml of type imsqti_xmlv1p2 is not a QTI 2 item: not imported",
                "1 repeated references to items in the manifest: each item read once",
                "question 1: the penalty of B (-50%) is now the loss of the whole question",
                "question 1: part marks rounded to all or nothing: every correct answer must be chosen",
                "question 4: part marks for B (50%) dropped: only answers worth full marks are correct",
                "question 5: included content ../shared/passage.xml dropped",
                "question 5: MathML formula flattened to plain text",
                "question 6: items/broken.xml: line 4: Start-end tags mismatch: not imported",
                "question 7: entry items/missing.xml is missing from the package: not imported",
            }));
}

// Hostile packages: nesting that a recursive walk would overflow on, and a
// manifest that names one item over and over.
TEST_F(Qti, RefusesDeepNestingAndReadsARepeatedItemOnce) {
  const std::vector<ZipArchive::TEntry> package = Package();
  std::string deep = "<assessmentItem><itemBody>";
  for (int i = 0; i < 100000; ++i) deep += "<div>";
  for (int i = 0; i < 100000; ++i) deep += "</div>";
  deep += "</itemBody></assessmentItem>";
  std::string test = "<assessmentTest>";
  for (int i = 0; i < 100000; ++i) test += "<testPart>";
  for (int i = 0; i < 100000; ++i) test += "</testPart>";
  std::vector<ZipArchive::TEntry> entries = package;
  std::erase_if(entries, [](const auto& e) { return e.Name == "test.xml"; });
  entries.push_back({"test.xml", test + "</assessmentTest>"});
  TLossReport deepened;
  EXPECT_EQ(Format->Read(Replaced(entries, "items/Q2.xml", deep), deepened).Questions.size(), 2u);
  EXPECT_EQ(deepened.Lines(),
            (std::vector<std::string>{
                "test.xml: line 1: elements nested deeper than 1000 levels: the test's settings not imported",
                "question 2: items/Q2.xml: line 1: elements nested deeper than 1000 levels: not imported"}));

  std::string manifest = "<manifest><resources>";
  for (int i = 0; i < 5000; ++i) manifest += "<resource type=\"imsqti_item_xmlv2p1\" href=\"items/Q1.xml\"/>";
  TLossReport repeated;
  EXPECT_EQ(Format->Read(Replaced(package, "imsmanifest.xml", manifest + "</resources></manifest>"), repeated)
                .Questions.size(),
            1u);
  EXPECT_EQ(repeated.Lines(), std::vector<std::string>{
                                  "4999 repeated references to items in the manifest: each item read once"});
}

// The response processing templates as a delivery engine applies them:
// match_correct scores 1 for exactly the correct set, map_response the sum
// of the chosen choices' mapped values held to the mapping's bounds. Full
// marks exactly where our engine marks the answer right. "Any correct
// answer passes" is pinned by a hand-written item.
TEST_F(Qti, FullMarksExactlyWhereOurEngineSaysRight) {
  const TExportedTest test = SampleExport();
  std::size_t number = 0;
  for (const ZipArchive::TEntry& entry : ZipArchive::Read(Format->Write(test, SampleMedia, Report))) {
    if (!entry.Name.starts_with("items/")) continue;
    const QuestionRecord& record = test.Contents.Questions.at(number++);
    if (record.AnyCorrectPasses) {
      EXPECT_EQ(entry.Bytes, ReadBytes(TestDataPath("exchange/qti-any-item.xml")));
    }
    pugi::xml_document document;
    ASSERT_TRUE(document.load_string(entry.Bytes.c_str()));
    const pugi::xml_node item = document.child("assessmentItem");
    const pugi::xml_node declaration = item.child("responseDeclaration");
    const pugi::xml_node mapping = declaration.child("mapping");
    const bool mapped = std::string_view(item.child("responseProcessing").attribute("template").as_string())
                            .ends_with("map_response");
    const pugi::xml_node interaction = item.child("itemBody").child("choiceInteraction");
    Scoring::TLetters correct = 0;
    for (const pugi::xml_node& value : declaration.child("correctResponse").children("value"))
      correct |= Scoring::LettersOf(value.text().get());
    const int choices = static_cast<int>(std::distance(interaction.children("simpleChoice").begin(),
                                                       interaction.children("simpleChoice").end()));
    ExpectFullMarksWhereRight(
        record, choices, interaction.attribute("maxChoices").as_int() == 1, [&](unsigned chosen) {
          if (!mapped) return chosen == correct;
          double score = 0;
          for (int i = 0; i < choices; ++i) {
            if (!(chosen & 1u << i)) continue;
            const pugi::xml_node entry = mapping.find_child_by_attribute(
                "mapEntry", "mapKey", Scoring::LetterText(static_cast<Scoring::TLetters>(1u << i)).c_str());
            score += entry ? entry.attribute("mappedValue").as_double()
                           : mapping.attribute("defaultValue").as_double();
          }
          return std::clamp(score, mapping.attribute("lowerBound").as_double(-1e9),
                            mapping.attribute("upperBound").as_double(1e9)) >= 1;
        });
  }
  EXPECT_EQ(number, test.Contents.Questions.size());
}

// The per-answer scoring of another project's own test item, worked by
// hand: each correct choice maps to 1, the score is held to MAXSCORE = 1, so
// either correct choice alone (A, D) earns full marks. Mapped only once the
// response matches the correct one, the same item wants both.
// (tests/data/exchange/qti-per-answer-openolat.xml is OpenOLAT's
// src/test/java/org/olat/ims/qti21/model/xml/resources/openolat/
// multiple-choice-per-answer-11-1-0.xml, Apache License 2.0.)
TEST_F(Qti, ReadsPerAnswerScoringOfABareItemAsTheProcessingScoresIt) {
  const std::string item = ReadBytes(TestDataPath("exchange/qti-per-answer-openolat.xml"));
  EXPECT_EQ(QuestionFormatOfFile("item.xml", item), FindQuestionFormat("qti"));
  EXPECT_EQ(QuestionFormatOfFile("moodle.xml", ReadBytes(TestDataPath("exchange/moodle-mixed.xml"))),
            FindQuestionFormat("moodle"));
  const TImportedTest test = Format->Read(item, Report);
  EXPECT_EQ(
      test.Questions,
      (std::vector{MakeQuestion(
          "A question", {"Correct answer", "Wrong answer", "Missed answer", "Right answer"}, "AD", true)}));
  EXPECT_EQ(Report.Lines(),
            (std::vector<std::string>{"question 1: a wrong answer ticked beside the right ones "
                                      "costs no marks in the source: here it fails the question",
                                      "question 1: feedback dropped"}));

  std::string matched = item;
  const std::string anyResponse =
      "<not>\n          <isNull>\n            <variable identifier=\"RESPONSE_1\"/>\n"
      "          </isNull>\n        </not>";
  ASSERT_NE(matched.find(anyResponse), std::string::npos);
  matched.replace(matched.find(anyResponse), anyResponse.size(),
                  "<match><variable identifier=\"RESPONSE_1\"/><correct identifier=\"RESPONSE_1\"/></match>");
  TLossReport report;
  ExpectRules(Format->Read(matched, report).Questions, {{"AD", false}});
}

// Feedback says which answer is right, and an interaction the processing
// does not score is no part of the question.
TEST_F(Qti, KeepsFeedbackAndUnscoredInteractionsOutOfTheTexts) {
  const TImportedTest test = Format->Read(
      PackageOf(
          {{"i.xml",
            "<p>Is it?</p><textEntryInteraction responseIdentifier=\"FIRST\"/>"
            "<choiceInteraction responseIdentifier=\"OTHER\"><simpleChoice identifier=\"x\">No</simpleChoice>"
            "</choiceInteraction><choiceInteraction responseIdentifier=\"RESPONSE\" maxChoices=\"1\">"
            "<prompt>Pick</prompt><simpleChoice identifier=\"A\">True <feedbackInline identifier=\"A\" "
            "outcomeIdentifier=\"FEEDBACK\" showHide=\"show\">That's correct</feedbackInline></simpleChoice>"
            "<simpleChoice identifier=\"B\">False</simpleChoice></choiceInteraction>"
            "<feedbackBlock identifier=\"A\" outcomeIdentifier=\"FEEDBACK\" showHide=\"show\">True it is"
            "</feedbackBlock>"}}),
      Report);
  EXPECT_EQ(test.Questions, (std::vector{MakeQuestion("Is it?\r\nPick", {"True", "False"}, "A")}));
  EXPECT_EQ(Report.Lines(),
            (std::vector<std::string>{
                "question 1: textEntryInteraction FIRST left out: a question holds one choice interaction",
                "question 1: choiceInteraction OTHER left out: a question holds one choice interaction",
                "question 1: feedback dropped"}));
}

TEST_F(Qti, PicturesOfOneNameFromDifferentItemsStayApart) {
  const std::string picture = "<p><img src=\"animal.jpg\"/></p>" + std::string(OneChoice);
  const TImportedTest test = Format->Read(
      PackageOf({{"Q01/q.xml", picture}, {"Q02/q.xml", picture}, {"Q03/q.xml", picture}},
                {{"Q01/animal.jpg", "cat"}, {"Q02/animal.jpg", "dog"}, {"Q03/animal.jpg", "cat"}}),
      Report);
  ExpectMedia(test, {"animal.jpg", "animal-2.jpg", "animal.jpg"}, {"cat", "dog"});
  EXPECT_EQ(Report.Lines(),
            std::vector<std::string>{"question 2: media file animal.jpg differs from an earlier "
                                     "question's of that name: stored as animal-2.jpg"});
}

// Only what the candidate reads before the first question begins the test.
TEST_F(Qti, BeginsTheTestWithTheRubricShownBeforeItOnly) {
  const TImportedTest test = Format->Read(
      PackageOf(
          {{"i.xml", OneChoice}}, {},
          "<assessmentTest><testPart><assessmentSection>"
          "<rubricBlock view=\"candidate\"><p>Good luck!</p><p><img src=\"logo.png\"/></p></rubricBlock>"
          "<rubricBlock view=\"author\"><p>Check Q01</p></rubricBlock><assessmentItemRef href=\"i.xml\"/>"
          "<rubricBlock view=\"candidate\"><p>You failed Q01!</p></rubricBlock>"
          "</assessmentSection></testPart></assessmentTest>"),
      Report);
  EXPECT_EQ(test.BeginMessage, std::vector<std::string>{"Good luck!"});
  EXPECT_EQ(Report.Lines(),
            (std::vector<std::string>{"begin message: picture \"logo.png\" dropped",
                                      "a rubric for the author dropped",
                                      "a rubric shown within the test dropped: \"You failed Q01!\""}));
}

// An empty answer between two others is written as no choice at all.
TEST_F(Qti, ClosesUpAGapBetweenAnswers) {
  TExportedTest gap;
  gap.Contents.Questions = {MakeQuestion("Last one?", {"x", "", "z"}, "C")};
  TLossReport back;
  EXPECT_EQ(Format->Read(Format->Write(gap, SampleMedia, Report), back).Questions,
            std::vector{MakeQuestion("Last one?", {"x", "z"}, "B")});
}

// Every document of the package against the IMS schemas, with xmllint.
TEST_F(Qti, PackageValidatesAgainstTheSchemas) {
  TExportedTest test = SampleExport();
  test.Contents.Questions.push_back(MakeQuestion("With a gap", {"x", "", "z"}, "C"));
  ExpectValid(Package(test));
  ExpectValid(Package(Bank()));
  ExpectValid(Package(Bank("Physics", "Mechanics=1; Mechanics/Forces=1+tags")));
}

// Each run of a category a section of its own; with a blueprint, each line's
// questions a section that selects as many as it asks.
TEST_F(Qti, WritesCategoriesAsSectionsAndBlueprintLinesAsSelections) {
  const auto sections = [&](const TExportedTest& test) {
    pugi::xml_document document;
    for (const ZipArchive::TEntry& entry : Package(test))
      if (entry.Name == "test.xml") document.load_string(entry.Bytes.c_str());
    std::vector<std::string> shown;
    for (const pugi::xpath_node& section : document.select_nodes("//assessmentSection/assessmentSection")) {
      std::string line = section.node().attribute("title").as_string();
      if (const pugi::xml_node selection = section.node().child("selection"))
        line += " select " + std::string(selection.attribute("select").as_string());
      for (const pugi::xml_node& ref : section.node().children("assessmentItemRef"))
        line += std::string(" ") + ref.attribute("identifier").as_string();
      shown.push_back(line);
    }
    return shown;
  };
  EXPECT_EQ(sections(Bank()), (std::vector<std::string>{"Mechanics/Forces Q1 Q2", "Waves Q4"}));
  EXPECT_EQ(Report.Lines(), std::vector<std::string>{"question 1: tags dropped"});
  Report = {};
  EXPECT_EQ(sections(Bank("Physics", "Mechanics=1; Waves=1+tags")),
            (std::vector<std::string>{"Mechanics select 1 Q1 Q2", "Waves select 1 Q4"}));
  EXPECT_EQ(
      Report.Lines(),
      (std::vector<std::string>{
          "question 1: tags dropped",
          "blueprint line \"Waves=1+tags\": QTI cannot ask for one question of each tag",
          "question 1: category \"Mechanics/Forces\" filed as \"Mechanics\", the section its blueprint line "
          "draws from",
          "question 2: category \"Mechanics/Forces\" filed as \"Mechanics\", the section its blueprint line "
          "draws from",
          "question 3: no blueprint line draws it: in the package, but not in the test"}));
}

// Sections nested under several of a test part give category paths; the one
// section of a part frames the test and names none.
TEST_F(Qti, ReadsNestedSectionsAsCategoriesAndTheirSelectionsAsABlueprint) {
  const std::string section = "<assessmentSection identifier=\"S\" title=\"";
  const TImportedTest test = Format->Read(
      PackageOf({{"a.xml", OneChoice}, {"b.xml", OneChoice}, {"c.xml", OneChoice}}, {},
                "<assessmentTest><testPart>" + section + "Physics\">" + section +
                    "Mechanics\"><selection select=\"1\"/><assessmentItemRef href=\"a.xml\"/>"
                    "<assessmentItemRef href=\"b.xml\"/></assessmentSection></assessmentSection>" +
                    section +
                    "Chemistry\"><assessmentItemRef href=\"c.xml\"/></assessmentSection>"
                    "</testPart></assessmentTest>"),
      Report);
  EXPECT_EQ(Categories(test.Questions),
            (std::vector<std::string>{"Physics/Mechanics", "Physics/Mechanics", "Chemistry"}));
  EXPECT_EQ(test.Settings,
            (std::vector<std::pair<std::string, std::string>>{{"BLUEPRINT", "Physics/Mechanics=1"}}));
}

}  // namespace
