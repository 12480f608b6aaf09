#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "core/exchange/Export.h"
#include "core/exchange/FormatParts.h"
#include "core/exchange/Formats.h"
#include "core/exchange/Import.h"
#include "core/model/Conversions.h"
#include "core/model/MediaFile.h"
#include "core/model/TestContents.h"
#include "core/storage/IniStore.h"
#include "support/TempDir.h"

namespace {

// A test of 500 questions that uses every field and the characters each
// format must escape; only one-line, one-letter questions where Aiken reads.
std::vector<QuestionRecord> Generated(bool aiken) {
  std::vector<QuestionRecord> questions;
  for (int n = 1; n <= 500; ++n) {
    QuestionRecord q;
    const std::string k = std::to_string(n);
    q.Question = aiken ? "Question " + k + ": caf\xC3\xA9 = 5 \xE2\x82\xAC?"
                       : "Question " + k + " {a} ~b #c \\d =e: \"f\", g;\r\nsecond line \xE2\x82\xAC";
    const int answers = 2 + n % 5;
    for (int i = 0; i < answers; ++i)
      q.Answer(i) = "answer " + std::string(1, FormatParts::Letter(i)) + k + (i % 2 ? ", =x" : "");
    q.Correct = aiken || n % 3 ? std::string(1, FormatParts::Letter(n % answers)) : "AB";
    q.AnyCorrectPasses = !aiken && n % 2 == 0 && q.Correct.size() > 1;
    if (!aiken) q.Reference = "page " + k;
    if (n % 7 == 0 && !aiken) q.MediaFile = "\\MEDIA\\PIC" + k + ".BMP";
    if (n % 11 == 0 && !aiken) q.HotLink = "http://example.org/" + k;
    questions.push_back(std::move(q));
  }
  return questions;
}

// What of record the format carries, as its reader gives it back.
QuestionRecord Carried(QuestionRecord q, std::string_view format) {
  q.HotLinkParameters.clear();
  q.MMediaInternal = false;
  if (format != "csv") {
    q.HotLink.clear();
    q.MediaFile.clear();
    if (q.Correct.size() < 2) q.AnyCorrectPasses = false;
  }
  if (format == "aiken" || format == "qti") q.Reference.clear();
  return q;
}

// What reading back may say: that Moodle gives part marks where every
// correct answer is wanted.
bool Expected(const TLossReport& read, std::string_view format) {
  return std::all_of(read.Lines().begin(), read.Lines().end(), [&](const std::string& line) {
    // Moodle and GIFT both say "all" as shares of the marks, which their
    // readers name.
    return (format == "moodle" &&
            line.ends_with("part marks rounded to all or nothing: every correct answer must be chosen")) ||
           (format == "gift" && line.find("each give part marks in GIFT") != std::string::npos);
  });
}

TExportedTest AsExported(std::vector<QuestionRecord> questions) {
  TExportedTest test;
  test.Description = "Generated";
  test.Contents.Questions = std::move(questions);
  return test;
}

// The sample tests shipped in examples/, each made into a test in folder.
std::vector<std::string> ExampleTests(const TTempDir& folder) {
  std::vector<std::string> tests;
  for (const auto& entry : std::filesystem::directory_iterator(TestDataPath("../../examples"))) {
    if (entry.path().extension() != ".TXT") continue;
    tests.push_back(folder.File(entry.path().stem().string() + ".QWT"));
    EncryptTextToTest(entry.path().string(), tests.back());
  }
  return tests;
}

class RoundTrip : public testing::TestWithParam<std::string> {};

TEST_P(RoundTrip, KeepsEveryCarriedFieldOfAGeneratedTest) {
  const TQuestionFormat& format = *FindQuestionFormat(GetParam());
  const TExportedTest test = AsExported(Generated(GetParam() == "aiken"));
  TLossReport written, read;
  const TImportedTest back = format.Read(format.Write(test, {}, written), read);
  EXPECT_TRUE(Expected(read, GetParam())) << read.Lines().front();
  ASSERT_EQ(back.Questions.size(), 500u);
  for (size_t i = 0; i < 500; ++i)
    ASSERT_EQ(back.Questions[i], Carried(test.Contents.Questions[i], GetParam())) << "question " << i + 1;
}

TEST_P(RoundTrip, KeepsTheSampleTestsAndReportsWhatItCannotCarry) {
  const TQuestionFormat& format = *FindQuestionFormat(GetParam());
  TTempDir folder;
  const std::vector<std::string> examples = ExampleTests(folder);
  ASSERT_FALSE(examples.empty());
  for (const std::string& example : examples) {
    const TExportedTest test = Export::ReadTest(example);
    TLossReport written, read;
    const TImportedTest back = format.Read(format.Write(test, {}, written), read);
    std::vector<QuestionRecord> expected;
    for (const QuestionRecord& q : test.Contents.Questions) {
      if (GetParam() == "aiken" && FormatParts::CorrectLetters(q).size() != 1) continue;
      expected.push_back(Carried(q, GetParam()));
    }
    ASSERT_EQ(back.Questions.size(), expected.size()) << example;
    for (size_t i = 0; i < expected.size(); ++i)
      EXPECT_EQ(back.Questions[i], expected[i]) << example << " " << i + 1;
    const size_t notWritten = test.Contents.Questions.size() - expected.size();
    EXPECT_GE(written.Lines().size(), notWritten) << example;
  }
}

INSTANTIATE_TEST_SUITE_P(Formats, RoundTrip, testing::Values("gift", "aiken", "csv", "moodle", "qti"));

TEST(CsvRoundTrip, ReadsBackIdenticallyThroughPythonsCsvModule) {
  if (std::system("python3 -c 'import csv' >/dev/null 2>&1") != 0) GTEST_SKIP() << "python3 is not installed";
  const TQuestionFormat& csv = *FindQuestionFormat("csv");
  const TExportedTest test = AsExported(Generated(false));
  TTempDir folder;
  TLossReport report;
  WriteBytes(folder.File("ours.csv"), csv.Write(test, {}, report));
  const std::string script =
      "import csv,sys\n"
      "rows=list(csv.reader(open(sys.argv[1],encoding='utf-8-sig',newline='')))\n"
      "assert len(rows)==501 and all(len(r)==12 for r in rows), 'shape'\n"
      "csv.writer(open(sys.argv[2],'w',encoding='utf-8-sig',newline=''),lineterminator='\\r\\n').writerows("
      "rows)\n";
  WriteBytes(folder.File("copy.py"), script);
  const std::string command =
      "python3 " + folder.File("copy.py") + " " + folder.File("ours.csv") + " " + folder.File("theirs.csv");
  ASSERT_EQ(std::system(command.c_str()), 0);
  const TImportedTest back = csv.Read(ReadBytes(folder.File("theirs.csv")), report);
  ASSERT_EQ(back.Questions.size(), 500u);
  for (size_t i = 0; i < 500; ++i) ASSERT_EQ(back.Questions[i], Carried(test.Contents.Questions[i], "csv"));
}

TEST(ImportToFile, SavesOneTestKeepingEveryCharacterWithMediaBesideIt) {
  TTempDir folder;
  WriteBytes(folder.File("keep.bmp"), "old bytes");
  std::filesystem::create_directory(folder.Path() / "MEDIA");
  WriteBytes(folder.File("MEDIA/PIC.BMP"), "other bytes");

  TImportedTest imported;
  imported.Title = "Imported \xE2\x82\xAC";
  imported.Questions.resize(502);
  for (QuestionRecord& q : imported.Questions) {
    q.Question = "Caf\xC3\xA9 \xE2\x88\x9A?";  // the square root sign is not in the code page
    q.AnswerA = "x";
    q.Correct = "A";
  }
  imported.Questions[0].MediaFile = "pic.bmp";
  imported.Media.push_back({"pic.bmp", "new bytes"});

  TLossReport report;
  Import::KeepFirst(imported, 500, report);
  const std::string test = folder.File("NEW.QWT");
  Import::UnpackMedia(imported, test, report);
  EXPECT_TRUE(Import::SaveNewTest(test, Import::ToTestText(imported)).BecameUtf8);

  EXPECT_EQ(report.Lines().front(), "2 questions not taken: a test holds 500");
  EXPECT_EQ(ReadBytes(folder.File("MEDIA/PIC.BMP")), "other bytes");  // never overwritten
  EXPECT_EQ(ReadBytes(folder.File("MEDIA/pic_2.bmp")), "new bytes");

  TCustomIniStore store(test);
  const TTestContents contents = ReadTestContents(store);
  ASSERT_EQ(contents.Questions.size(), 500u);
  EXPECT_EQ(contents.Questions[0].Question, "Caf\xC3\xA9 \xE2\x88\x9A?");
  EXPECT_EQ(contents.Questions[0].MediaFile, "\\MEDIA\\pic_2.bmp");
  EXPECT_EQ(*contents.Settings[0].Value, "Imported \xE2\x82\xAC");

  // Export finds the file again whatever case the stored name uses.
  EXPECT_EQ(MediaFile::Locate("C:\\media\\PIC_2.BMP", folder.Path()), folder.Path() / "MEDIA" / "pic_2.bmp");
  EXPECT_FALSE(MediaFile::Locate("\\MEDIA\\..\\keep.bmp", folder.Path()));
  EXPECT_EQ(Export::MediaBeside(test)("\\MEDIA\\PIC_2.BMP")->Bytes, "new bytes");
}

}  // namespace
