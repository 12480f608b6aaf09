#include <gtest/gtest.h>

#include <filesystem>

#include "core/exchange/Export.h"
#include "core/exchange/Import.h"
#include "core/model/TestContents.h"
#include "core/storage/IniStore.h"
#include "core/storage/IoError.h"
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

// Appending keeps the test as it was beside it, so the import can be taken
// back; a copy that cannot be kept stops the import with the test untouched.
TEST(ImportExportStepsTest, MakesANewTestThenAppendsKeepingTheOldTestKeepingEveryCharacter) {
  TTempDir folder;
  const std::string test = folder.File("NEW.QWT");
  TLossReport report;
  const Import::TStored made = Import::IntoTest(Questions(2, "Root \xE2\x88\x9A?"), test, false, report);
  EXPECT_EQ(made.Questions, 2);
  EXPECT_TRUE(made.BecameUtf8);
  EXPECT_TRUE(report.Lines().empty());
  EXPECT_FALSE(std::filesystem::exists(Import::BeforeImportPath(test)));
  const std::string before = ReadBytes(test);

  TLossReport more;
  const Import::TStored appended3 = Import::IntoTest(Questions(3, "Plain?"), test, true, more);
  EXPECT_EQ(appended3.Questions, 3);
  EXPECT_FALSE(appended3.BecameUtf8);  // it was UTF-8 already
  EXPECT_TRUE(more.Lines().empty());
  EXPECT_EQ(ReadBytes(folder.File("NEW.QWT.before-import")), before);
  const std::string appended = ReadBytes(test);
  std::filesystem::remove(Import::BeforeImportPath(test));
  std::filesystem::create_directory(Import::BeforeImportPath(test));
  EXPECT_THROW(Import::IntoTest(Questions(1, "Lost?"), test, true, more), TIoError);
  EXPECT_EQ(ReadBytes(test), appended);
  TCustomIniStore store(test);
  const TTestContents contents = ReadTestContents(store);
  ASSERT_EQ(contents.Questions.size(), 5u);
  EXPECT_EQ(contents.Questions[0].Question, "Root \xE2\x88\x9A?");
  EXPECT_EQ(contents.Questions[4].Question, "Plain?");

  // Out again: the target's name says the format; an unknown one writes nothing.
  TLossReport out;
  EXPECT_FALSE(Export::ExportTest(test, folder.File("out.doc"), out));
  EXPECT_FALSE(std::filesystem::exists(folder.File("out.doc")));
  EXPECT_TRUE(Export::ExportTest(test, folder.File("out.gift"), out));
  EXPECT_NE(ReadBytes(folder.File("out.gift")).find("Plain?"), std::string::npos);
}

// A test that cannot be written takes back the media files its import wrote;
// one already there is left alone. Appending across a gap overwrites nothing.
TEST(ImportExportStepsTest, AFailedTestWriteRemovesItsMediaAndAppendingClosesUpAGap) {
  TTempDir folder;
  std::filesystem::create_directory(folder.Path() / "T.QWT");  // a folder where the test would go
  TImportedTest imported = Questions(2, "Pic?");
  imported.Questions[0].MediaFile = "new.bmp";
  imported.Questions[1].MediaFile = "old.bmp";
  imported.Media = {{"new.bmp", "new"}, {"old.bmp", "old"}};
  TLossReport report;
  EXPECT_THROW(Import::IntoTest(imported, folder.File("T.QWT"), false, report), TIoError);
  EXPECT_FALSE(std::filesystem::exists(folder.File("MEDIA")));
  std::filesystem::create_directory(folder.Path() / "MEDIA");
  WriteBytes(folder.File("MEDIA/old.bmp"), "old");
  EXPECT_THROW(Import::IntoTest(imported, folder.File("T.QWT"), false, report), TIoError);
  EXPECT_FALSE(std::filesystem::exists(folder.File("MEDIA/new.bmp")));
  EXPECT_EQ(ReadBytes(folder.File("MEDIA/old.bmp")), "old");

  const std::string test = folder.File("GAP.QWT");
  {
    TIniStore store(test);
    TestFile::WriteNewTest(store);
    TestFile::WriteQuestion(store, 1, Questions(1, "one").Questions[0]);
    TestFile::WriteQuestion(store, 3, Questions(1, "three").Questions[0]);
    store.UpdateFile();
  }
  EXPECT_EQ(Import::IntoTest(Questions(1, "added"), test, true, report).Questions, 1);
  TCustomIniStore store(test);
  const TTestContents contents = ReadTestContents(store);
  ASSERT_EQ(contents.Questions.size(), 3u);
  EXPECT_EQ(contents.Questions[1].Question, "three");
  EXPECT_EQ(contents.Questions[2].Question, "added");
  EXPECT_TRUE(contents.Numbering.Whole());
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

TEST(ImportExportStepsTest, PrepareTellsTheFormatTheDamageAndTheCharactersATestCannotHold) {
  TTempDir folder;
  const std::string unknown = folder.File("bank.doc");
  WriteBytes(unknown, "?");
  EXPECT_EQ(Import::Prepare(unknown).Format, nullptr);

  const std::string broken = folder.File("bank.xml");
  WriteBytes(broken, "<quiz><question");
  const Import::TPreparedImport damaged = Import::Prepare(broken);
  ASSERT_NE(damaged.Format, nullptr);
  EXPECT_FALSE(damaged.Damage.empty());
  EXPECT_FALSE(damaged.Ready());

  const std::string aiken = folder.File("roots.txt");
  WriteBytes(aiken,
             "Root \xE2\x88\x9A"
             "4?\nA. 2\nB. 3\nANSWER: A\n");
  const Import::TPreparedImport prepared = Import::Prepare(aiken);
  EXPECT_TRUE(prepared.Ready());
  EXPECT_EQ(prepared.Test.Questions.at(0).Question,
            "Root \xE2\x88\x9A"
            "4?");
  EXPECT_EQ(Import::ImportSummary(1, "roots.txt", "R.QWT"),
            "1 question was imported from roots.txt into R.QWT.");
  EXPECT_EQ(Import::ImportSummary(2, "roots.txt", "R.QWT", "R.QWT.before-import"),
            "2 questions were imported from roots.txt into R.QWT. The test as it was before is kept in "
            "R.QWT.before-import.");

  const std::string empty = folder.File("empty.gift");
  WriteBytes(empty, "// nothing but a comment\n");
  const Import::TPreparedImport nothing = Import::Prepare(empty);
  EXPECT_TRUE(nothing.Damage.empty());
  EXPECT_FALSE(nothing.Ready());
}
