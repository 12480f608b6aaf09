#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

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
            (std::vector<std::string>{"question 1: reference dropped", "settings not carried: PASSPOINT"}));
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
  EXPECT_EQ(ErrorOf(Replaced(package, "items/Q2.xml", "")), "entry items/Q2.xml is missing from the package");
  EXPECT_EQ(
      ErrorOf(Replaced(package, "items/Q2.xml", "<?xml version=\"1.0\"?>\n<assessmentItem>\n<itemBody>")),
      "items/Q2.xml: line 3: Start-end tags mismatch");
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
