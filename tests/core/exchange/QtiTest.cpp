#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <pugixml.hpp>

#include "core/exchange/ExchangeFixtures.h"
#include "core/exchange/Qti.h"
#include "core/exchange/ZipArchive.h"
#include "support/TempDir.h"

namespace {

class Qti : public ::testing::Test {
protected:
  std::unique_ptr<TQuestionFormat> Format = MakeQtiFormat();
  TLossReport Report;

  std::vector<ZipArchive::TEntry> Package() {
    return ZipArchive::Read(Format->Write(SampleExport(), SampleMedia, Report));
  }

  std::string Replaced(std::vector<ZipArchive::TEntry> entries, const std::string& name,
                       const std::string& bytes) {
    std::erase_if(entries, [&](const auto& e) { return e.Name == name; });
    if (!bytes.empty()) entries.push_back({name, bytes});
    return ZipArchive::Write(entries);
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
  EXPECT_EQ(test.Questions[4].MediaFile, "cell.png");
  ASSERT_EQ(test.Media.size(), 1u);
  EXPECT_EQ(test.Media[0].Bytes, "\x89PNG\r\n\x1A\n");
  EXPECT_EQ(Report.Lines(),
            (std::vector<std::string>{
                "resource legacy/q12.xml of type imsqti_xmlv1p2 is not a QTI 2 item: not imported",
                "1 repeated references to items in the manifest: each item read once",
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

// Every document of the package against the IMS schemas, with xmllint.
TEST_F(Qti, PackageValidatesAgainstTheSchemas) {
  const char* moved = std::getenv("QUIZWELL_QTI_SCHEMAS");
  const std::filesystem::path schemas = moved ? moved : QUIZWELL_QTI_SCHEMAS;
  if (!std::filesystem::exists(schemas / "imscp_v1p1.xsd"))
    GTEST_SKIP() << "the IMS schemas are not at " << schemas << ": package not validated";
  if (std::system("xmllint --version >/dev/null 2>&1") != 0)
    GTEST_SKIP() << "xmllint is not installed (Debian: libxml2-utils): package not validated";
  TTempDir dir;
  for (const ZipArchive::TEntry& entry : Package()) {
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

}  // namespace
