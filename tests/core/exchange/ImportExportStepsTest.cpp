#include <gtest/gtest.h>

#include <filesystem>

#include "core/exchange/Export.h"
#include "core/exchange/Import.h"
#include "core/storage/IniStore.h"
#include "core/model/TestContents.h"
#include "support/TempDir.h"

namespace {

TImportedTest Questions(int count, const std::string& text) {
  TImportedTest imported;
  imported.Questions.resize(static_cast<size_t>(count));
  for (QuestionRecord& q : imported.Questions) {
    q.Question = text;
    q.AnswerA = "x";
    q.Correct = "A";
  }
  return imported;
}

TEST(ImportExportStepsTest, MakesANewTestThenAppendsNamingTheReplacedCharactersOnce) {
  TTempDir folder;
  const std::string test = folder.File("NEW.QWT");
  TLossReport report;
  EXPECT_EQ(Import::IntoTest(Questions(2, "Root \xE2\x88\x9A?"), test, false, report), 2);
  ASSERT_EQ(report.Lines().size(), 1u);
  EXPECT_NE(report.Lines()[0].find("replaced by '?': \xE2\x88\x9A"), std::string::npos);

  TLossReport more;
  EXPECT_EQ(Import::IntoTest(Questions(3, "Plain?"), test, true, more), 3);
  EXPECT_TRUE(more.Lines().empty());
  TCustomIniStore store(test);
  const TTestContents contents = ReadTestContents(store);
  ASSERT_EQ(contents.Questions.size(), 5u);
  EXPECT_EQ(contents.Questions[0].Question, "Root ??");
  EXPECT_EQ(contents.Questions[4].Question, "Plain?");

  // Out again: the target's name says the format; an unknown one writes nothing.
  TLossReport out;
  EXPECT_FALSE(Export::ExportTest(test, folder.File("out.doc"), out));
  EXPECT_FALSE(std::filesystem::exists(folder.File("out.doc")));
  EXPECT_TRUE(Export::ExportTest(test, folder.File("out.gift"), out));
  EXPECT_NE(ReadBytes(folder.File("out.gift")).find("Plain?"), std::string::npos);
}

TEST(ImportExportStepsTest, SourceFormatReadsATextFilesFirstLines) {
  TTempDir folder;
  WriteBytes(folder.File("a.txt"), "What?\nA. yes\nB. no\nANSWER: A\n");
  WriteBytes(folder.File("g.txt"), "::Q1:: What? {=yes ~no}\n");
  ASSERT_NE(Import::SourceFormat(folder.File("a.txt")), nullptr);
  ASSERT_NE(Import::SourceFormat(folder.File("g.txt")), nullptr);
  EXPECT_NE(Import::SourceFormat(folder.File("a.txt")), Import::SourceFormat(folder.File("g.txt")));
  EXPECT_EQ(Import::SourceFormat(folder.File("x.doc")), nullptr);
}

}  // namespace
