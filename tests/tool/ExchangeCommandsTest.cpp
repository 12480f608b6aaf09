#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/TempDir.h"
#include "tool/ToolRun.h"

namespace {

constexpr std::string_view Gift =
    "Which is larger? {=2 ~1 #one is less}\n\nTrue or false? {T}\n\nCaf\xC3\xA9 \xE2\x88\x9A? {=yes ~no}\n";

TEST(ImportCommand, MakesATestAndReportsEveryLossWithStatusOne) {
  TTempDir dir;
  WriteBytes(dir.File("q.gift"), Gift);
  const TToolResult result = RunTool({"import", "gift", dir.File("q.gift"), dir.File("NEW.QWT")});
  EXPECT_EQ(result.ExitCode, 1);
  EXPECT_EQ(result.Err,
            "qwtool: " + std::string(TestFile::Utf8Notice) +
                "\n"
                "qwtool: question 1: feedback dropped\n"
                "qwtool: question 2: a true/false question is not multiple choice: not imported (line 3)\n");
  TIniStore store(dir.File("NEW.QWT"));
  EXPECT_EQ(Decrypt(store.ReadString("SETTINGS", "DESC", "")), "No description");

  // A source without a question makes no empty test.
  WriteBytes(dir.File("none.gift"), "True or false? {T}\n");
  const TToolResult none = RunTool({"import", "gift", dir.File("none.gift"), dir.File("NONE.QWT")});
  EXPECT_EQ(none.ExitCode, 1);
  EXPECT_NE(none.Err.find("qwtool: No question could be imported.\n"), std::string::npos) << none.Err;
  EXPECT_FALSE(std::filesystem::exists(dir.File("NONE.QWT")));
  EXPECT_EQ(Decrypt(store.ReadString("QA2", "QUESTION", "")), "Caf\xC3\xA9 \xE2\x88\x9A?");

  // Export of what was imported loses nothing in CSV.
  const TToolResult back = RunTool({"export", "csv", dir.File("NEW.QWT"), dir.File("out.csv")});
  EXPECT_EQ(back.ExitCode, 0) << back.Err;
  EXPECT_NE(ReadBytes(dir.File("out.csv")).find("Which is larger?,2,1,,,,,A,all"), std::string::npos);
}

TEST(ImportCommand, RefusesDamagedSourcesUnknownFormatsAndExistingTestsWritingNothing) {
  TTempDir dir;
  WriteBytes(dir.File("bad.gift"), "Open {=a ~b\n");
  const TToolResult damaged = RunTool({"import", "gift", dir.File("bad.gift"), dir.File("NEW.QWT")});
  EXPECT_EQ(damaged.ExitCode, 2);
  EXPECT_NE(damaged.Err.find("line 1: '{' is never closed"), std::string::npos) << damaged.Err;
  EXPECT_FALSE(std::filesystem::exists(dir.File("NEW.QWT")));

  EXPECT_EQ(RunTool({"import", "word", dir.File("bad.gift"), dir.File("NEW.QWT")}).ExitCode, 2);

  WriteBytes(dir.File("q.gift"), Gift);
  WriteBytes(dir.File("OLD.QWT"), "keep");
  EXPECT_EQ(RunTool({"import", "gift", dir.File("q.gift"), dir.File("OLD.QWT")}).ExitCode, 2);
  EXPECT_EQ(ReadBytes(dir.File("OLD.QWT")), "keep");
  EXPECT_EQ(RunTool({"import", "gift", dir.File("q.gift"), dir.File("OLD.QWT"), "--force"}).ExitCode, 1);

  WriteBytes(dir.File("NOTATEST.QWT"), "[OTHER]\r\nA=1\r\n");
  const TToolResult notTest = RunTool({"export", "gift", dir.File("NOTATEST.QWT"), dir.File("x.gift")});
  EXPECT_EQ(notTest.ExitCode, 2);
  EXPECT_FALSE(std::filesystem::exists(dir.File("x.gift")));
}

}  // namespace

namespace {

// QA3 missing, QA4 to QA6 present, and a QA501 no reader takes.
std::string WriteGappedTest(const TTempDir& dir) {
  const std::string path = dir.File("GAP.QWT");
  TIniStore store(path);
  WriteSetting(store, "DESC", "Gap");
  for (int n : {1, 2, 4, 5, 6, 501})
    TestFile::WriteQuestion(store, n, MakeQuestion("Q" + std::to_string(n) + "?", {"yes", "no"}, "A"));
  store.UpdateFile();
  return path;
}

TEST(GappedTest, ExportAndPrintWriteEveryQuestionReadAndExitOneWithTheReport) {
  TTempDir dir;
  const std::string test = WriteGappedTest(dir);
  for (const std::string format : {"gift", "csv"}) {
    const std::string target = dir.File("out." + format);
    const TToolResult result = RunTool({"export", format, test, target});
    EXPECT_EQ(result.ExitCode, 1) << format;
    EXPECT_EQ(result.Err,
              "qwtool: QA4 to QA6 were read as questions 3 to 5 (a gap in the numbering closed up)\n"
              "qwtool: QA501: past QA500, not read\n" +
                  std::string(format == "csv" ? "qwtool: test description dropped: CSV holds questions only\n"
                                              : ""))
        << format;
    EXPECT_NE(ReadBytes(target).find("Q6?"), std::string::npos) << format;
    EXPECT_EQ(ReadBytes(target).find("Q501?"), std::string::npos) << format;
  }
  const TToolResult printed = RunTool({"print", test, "-o", dir.File("GAP.pdf")});
  EXPECT_EQ(printed.ExitCode, 1);
  for (const std::string line : {"QA4 to QA6 were read as questions 3 to 5", "QA501: past QA500, not read"})
    EXPECT_NE(printed.Err.find("qwtool: warning: \"" + test + "\": " + line), std::string::npos)
        << printed.Err;
  EXPECT_EQ(ReadBytes(dir.File("GAP.pdf")).substr(0, 5), "%PDF-");
}

// A Moodle question showing one picture, carried in the file as ".bashrc".
constexpr std::string_view MoodleWithPicture =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<quiz><question type=\"multichoice\">"
    "<name><text>Pic</text></name><questiontext format=\"html\"><text><![CDATA[<p>Which? "
    "<img src=\"@@PLUGINFILE@@/.bashrc\"></p>]]></text><file name=\".bashrc\" path=\"/\" "
    "encoding=\"base64\">aGk=</file></questiontext><single>true</single>"
    "<answer fraction=\"100\"><text>a</text></answer><answer fraction=\"0\"><text>b</text></answer>"
    "</question></quiz>\n";

TEST(ImportCommand, KeepsMediaVisibleAndInsideTheTestsFolderAndReplacesNoLink) {
  TTempDir dir;
  WriteBytes(dir.File("q.xml"), MoodleWithPicture);
  TToolResult result = RunTool({"import", "moodle", dir.File("q.xml"), dir.File("T.QWT")});
  EXPECT_EQ(result.Err, "qwtool: media file \".bashrc\" stored as \"MEDIA.bashrc\"\n");
  EXPECT_EQ(ReadBytes(dir.File("MEDIA/MEDIA.bashrc")), "hi");

  // A test name the file system refuses: refused before any media is written.
  TTempDir other;
  WriteBytes(other.File("q.xml"), MoodleWithPicture);
  result = RunTool({"import", "moodle", other.File("q.xml"), other.File(std::string(300, 'x') + ".QWT")});
  EXPECT_EQ(result.ExitCode, 2);
  EXPECT_FALSE(std::filesystem::exists(other.File("MEDIA")));

  // MEDIA a link to a folder elsewhere: nothing is written there.
  TTempDir elsewhere;
  std::filesystem::create_directory_symlink(elsewhere.Path(), other.File("MEDIA"));
  result = RunTool({"import", "moodle", other.File("q.xml"), other.File("T.QWT")});
  EXPECT_EQ(result.ExitCode, 2);
  EXPECT_NE(result.Err.find("it is a symbolic link"), std::string::npos) << result.Err;
  EXPECT_TRUE(std::filesystem::is_empty(elsewhere.Path()));
  EXPECT_FALSE(std::filesystem::exists(other.File("T.QWT")));

  // --force replaces a test, never what a link points to.
  WriteBytes(elsewhere.File("KEEP.QWT"), "keep");
  std::filesystem::create_symlink(elsewhere.File("KEEP.QWT"), dir.File("LINK.QWT"));
  result = RunTool({"import", "moodle", dir.File("q.xml"), dir.File("LINK.QWT"), "--force"});
  EXPECT_EQ(result.ExitCode, 2);
  EXPECT_NE(result.Err.find("it is a symbolic link"), std::string::npos) << result.Err;
  EXPECT_EQ(ReadBytes(elsewhere.File("KEEP.QWT")), "keep");
}

TEST(ImportCommand, NamesTheLinesThatAreNotUtf8) {
  TTempDir dir;
  WriteBytes(dir.File("q.gift"), "Caf\xE9? {=yes ~no}\n\nWhich? {=a ~b}\n\nNa\xEFve? {=c ~d}\n");
  const TToolResult result = RunTool({"import", "gift", dir.File("q.gift"), dir.File("T.QWT")});
  EXPECT_EQ(result.ExitCode, 1);
  EXPECT_EQ(result.Err,
            "qwtool: the source is not valid UTF-8 (lines 1, 5); each byte that is not was read as '?'\n");
  TIniStore store(dir.File("T.QWT"));
  EXPECT_EQ(Decrypt(store.ReadString("QA1", "QUESTION", "")), "Caf??");
}

}  // namespace
