#include <gtest/gtest.h>

#include <regex>
#include <sstream>
#include <string>

#include "core/model/Conversions.h"
#include "support/StoreLines.h"
#include "support/TempDir.h"
#include "tool/ToolRun.h"

namespace {

// A test with every kind of content: settings, both messages, three
// questions, and a section the maker does not know.
void WriteSampleTest(const std::string& path) {
  TIniStore store(path);
  WriteSetting(store, "DESC", "Chapter 2 review");
  WriteSetting(store, "TIME", "00:30:00");
  WriteSetting(store, "PASSPOINT", "70");
  WriteSetting(store, "REVIEWALLOW", "1");
  store.WriteSectionValues("BEGINMESSAGE", {"Read each question twice.", "Good luck!"});
  store.WriteSectionValues("ENDMESSAGE", {"Well done."});
  QuestionRecord second = MakeQuestion("2 + 2 = ?", {"4", "5"}, "A");
  second.Reference = "Page 12";
  second.MediaFile = "\\MEDIA\\ADD.WAV";
  second.MMediaInternal = true;
  TestFile::WriteQuestion(store, 1, MakeQuestion("Capital of France?", {"Paris", "Lyon"}, "A"));
  TestFile::WriteQuestion(store, 2, second);
  TestFile::WriteQuestion(store, 3, MakeQuestion("Pick both", {"x", "y"}, "AB"));
  store.WriteString("NOTES", "KEPT", "plain");
  store.UpdateFile();
}

// The file with every enciphered value replaced by its plain text, after
// checking that each one is a well-formed cipher text.
std::string Deciphered(const std::string& path) {
  static const std::regex cipher("([0-9A-F]{2}){2,}");
  std::istringstream text(ReadBytes(path));
  std::string out;
  bool enciphered = false;
  for (std::string line; std::getline(text, line);) {
    if (line.empty() || line.back() != '\r') {
      ADD_FAILURE() << "a line without CR LF: " << line;
      break;
    }
    line.pop_back();
    if (!line.empty() && line.front() == '[') {
      enciphered = line == "[SETTINGS]" || line.rfind("[QA", 0) == 0;
    } else if (enciphered && line.find('=') != std::string::npos) {
      const std::string value = line.substr(line.find('=') + 1);
      EXPECT_TRUE(value.empty() || std::regex_match(value, cipher)) << line;
      out += line.substr(0, line.find('=') + 1) + Decrypt(value) + "\r\n";
      continue;
    }
    out += line + "\r\n";
  }
  return out;
}

TEST(ConvertCommands, DecryptWritesExactlyWhatTheConversionWrites) {
  TTempDir dir;
  WriteSampleTest(dir.File("T.QWT"));
  // Both start from the same existing text file, which the conversion keeps apart from what it writes.
  const std::string existing = "[OLD]\r\nA=1\r\n\r\n[QA7]\r\nQUESTION=stays\r\n\r\n";
  WriteBytes(dir.File("tool.TXT"), existing);
  WriteBytes(dir.File("core.TXT"), existing);
  const TToolResult result = RunTool({"decrypt", dir.File("T.QWT"), dir.File("tool.TXT")});
  EXPECT_EQ(result.ExitCode, 0);
  EXPECT_EQ(result.Out + result.Err, "");
  EXPECT_TRUE(DecryptTestToText(dir.File("T.QWT"), dir.File("core.TXT")).Broken.empty());
  EXPECT_EQ(ReadBytes(dir.File("tool.TXT")), ReadBytes(dir.File("core.TXT")));
  EXPECT_NE(ReadBytes(dir.File("tool.TXT")).find("DESC=Chapter 2 review\r\n"), std::string::npos);
}

TEST(ConvertCommands, DecryptNamesTheValuesThatHoldLineBreaks) {
  TTempDir dir;
  WriteTestFile(dir.File("T.QWT"), {.Settings = {{"DESC", "Two\r\nlines"}},
                                    .Questions = {MakeQuestion("One line", {"a", "b"}, "A"),
                                                  MakeQuestion("First\r\nSecond", {"a", "b\r\nc"}, "B")}});
  const TToolResult result = RunTool({"decrypt", dir.File("T.QWT"), dir.File("T.TXT")});
  EXPECT_EQ(result.ExitCode, 0);
  EXPECT_EQ(result.Err, "qwtool: warning: \"" + dir.File("T.QWT") +
                            "\": These values hold line breaks: settings (DESC); question 2 (QUESTION, B). "
                            "Converting the text file back into a test keeps only the first line of each.\n");
  DecryptTestToText(dir.File("T.QWT"), dir.File("core.TXT"));
  EXPECT_EQ(ReadBytes(dir.File("T.TXT")), ReadBytes(dir.File("core.TXT")));
}

TEST(ConvertCommands, DecryptNamesWhatItRenumberedAndWhatDoesNotDecipher) {
  TTempDir dir;
  WriteBytes(dir.File("T.QWT"), "[SETTINGS]\r\nDESC=" + Encrypt("Gaps") +
                                    "\r\nTIME=nonsense\r\n\r\n[QA1]\r\nQUESTION=" + Encrypt("One") +
                                    "\r\n\r\n[QA3]\r\nQUESTION=" + Encrypt("Three") +
                                    "\r\n\r\n[QA\x01]\r\nQUESTION=" + Encrypt("odd name") + "\r\n\r\n");
  const TToolResult result = RunTool({"decrypt", dir.File("T.QWT"), dir.File("T.TXT")});
  EXPECT_EQ(result.ExitCode, 0);
  EXPECT_EQ(result.Err, "qwtool: warning: \"" + dir.File("T.QWT") +
                            "\": QA3 was read as question 2 (a gap in the numbering closed up)\n"
                            "qwtool: warning: \"" +
                            dir.File("T.QWT") +
                            "\": These values do not decipher: settings (TIME). "
                            "The text file holds BAD DECODE in their place.\n");
  TIniStore text(dir.File("T.TXT"));
  EXPECT_EQ(text.ReadString("QA2", "QUESTION", ""), "Three");
}

TEST(ConvertCommands, EmptyNamesAreErrors) {
  TTempDir dir;
  WriteSampleTest(dir.File("T.QWT"));
  for (const std::vector<std::string>& words :
       {std::vector<std::string>{"decrypt", dir.File("T.QWT"), ""},
        std::vector<std::string>{"encrypt", "", dir.File("T.QWT")}, std::vector<std::string>{"new", ""}}) {
    const TToolResult result = RunTool(words);
    EXPECT_EQ(result.ExitCode, 2) << words[0];
    EXPECT_NE(result.Err.find("the file name is empty"), std::string::npos) << result.Err;
  }
}

TEST(ConvertCommands, EncryptWritesWhatTheConversionWrites) {
  TTempDir dir;
  // Line-feed line ends, as a Linux editor writes them.
  WriteBytes(dir.File("T.TXT"),
             "[SETTINGS]\nDESC=Caf\xE9 quiz\nTIME=00:10:00\n[BEGINMESSAGE]\nHello\n"
             "[QA1]\nQUESTION=Why?\nA=Because\nCORRECT=A\n[QA2]\nQUESTION=How?\nB=So\nCORRECT=B\nANY=1\n");
  const TToolResult result = RunTool({"encrypt", dir.File("T.TXT"), dir.File("tool.QWT")});
  EXPECT_EQ(result.ExitCode, 0);
  EXPECT_EQ(result.Out + result.Err, "");
  EncryptTextToTest(dir.File("T.TXT"), dir.File("core.QWT"));
  EXPECT_EQ(Deciphered(dir.File("tool.QWT")), Deciphered(dir.File("core.QWT")));
  TIniStore store(dir.File("tool.QWT"));
  EXPECT_EQ(Decrypt(store.ReadString("SETTINGS", "DESC", "")), "Caf\xE9 quiz");
  EXPECT_EQ(TestFile::ReadQuestion(store, 2).AnswerB, "So");
}

TEST(ConvertCommands, EncryptLeavesExactlyTheQuestionsOfTheTextAndCanWorkInPlace) {
  TTempDir dir;
  WriteSampleTest(dir.File("T.QWT"));
  WriteBytes(dir.File("ONE.TXT"),
             "[SETTINGS]\r\nDESC=Short\r\n\r\n[QA1]\r\nQUESTION=New first\r\nCORRECT=A\r\n\r\n");
  ASSERT_EQ(RunTool({"encrypt", dir.File("ONE.TXT"), dir.File("T.QWT")}).ExitCode, 0);
  {
    TIniStore store(dir.File("T.QWT"));
    EXPECT_EQ(Decrypt(store.ReadString("SETTINGS", "DESC", "")), "Short");
    EXPECT_EQ(TestFile::ReadQuestion(store, 1).Question, "New first");
    // The old later questions are removed, as the editor's Save removes them.
    EXPECT_TRUE(SectionLines(store, "QA2").empty());
    EXPECT_TRUE(SectionLines(store, "QA3").empty());
    EXPECT_EQ(store.ReadString("NOTES", "KEPT", ""), "plain");
  }
  ASSERT_EQ(RunTool({"encrypt", dir.File("ONE.TXT"), dir.File("ONE.TXT")}).ExitCode, 0);
  TIniStore store(dir.File("ONE.TXT"));
  EXPECT_EQ(Decrypt(store.ReadString("QA1", "QUESTION", "")), "New first");
}

TEST(ConvertCommands, BadFilesExitWithTwoAndWriteNothing) {
  TTempDir dir;
  WriteSampleTest(dir.File("T.QWT"));
  std::filesystem::create_directory(dir.Path() / "FOLDER");
  const std::string missing = dir.File("MISSING.TXT");
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{"encrypt", missing, dir.File("OUT.QWT")}, "qwtool: Cannot read \"" + missing + "\": no such file\n"},
      {{"decrypt", dir.File("MISSING.QWT"), dir.File("OUT.TXT")},
       "qwtool: Cannot read \"" + dir.File("MISSING.QWT") + "\": no such file\n"},
      {{"decrypt", dir.File("FOLDER"), dir.File("OUT.TXT")},
       "qwtool: Cannot read \"" + dir.File("FOLDER") + "\": it is a folder, not a file\n"},
      {{"decrypt", dir.File("T.QWT"), dir.File("FOLDER")},
       "qwtool: Cannot write \"" + dir.File("FOLDER") + "\": it is a folder, not a file\n"},
  };
  for (const auto& [words, message] : cases) {
    const TToolResult result = RunTool(words);
    EXPECT_EQ(result.ExitCode, 2);
    EXPECT_EQ(result.Err, message);
  }
  const TToolResult result = RunTool({"decrypt", dir.File("T.QWT"), dir.File("NO/OUT.TXT")});
  EXPECT_EQ(result.ExitCode, 2);
  EXPECT_NE(result.Err.find(dir.File("NO/OUT.TXT")), std::string::npos) << result.Err;
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 2);
}

}  // namespace
