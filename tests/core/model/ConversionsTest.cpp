#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "core/model/Conversions.h"
#include "core/model/TestFile.h"
#include "core/storage/IniStore.h"
#include "core/storage/IoError.h"
#include "core/storage/ZarnEncryption.h"
#include "support/Questions.h"
#include "support/StoreLines.h"
#include "support/TempDir.h"

namespace {

class ConversionsTest : public testing::Test {
protected:
  std::string Sample() {
    const std::string path = Dir.File("sample.txt");
    WriteBytes(path, ReadBytes(TestDataPath("conversion/sample.txt")));
    return path;
  }

  // The deciphered value of a test file's key.
  static std::string Plain(const std::string& path, std::string_view section, std::string_view key) {
    TIniStore store(path);
    return Decrypt(store.ReadString(section, key, ""));
  }

  static TStrings Sections(const std::string& path) {
    TIniStore store(path);
    TStrings names;
    store.ReadSections(names);
    return names;
  }

  // A test at name with DESC set to description and questions as QA1, QA2, ...
  std::string WriteTest(const std::string& name, std::string_view description,
                        const std::vector<QuestionRecord>& questions) {
    const std::string path = Dir.File(name);
    TIniStore store(path);
    store.WriteString("SETTINGS", "DESC", Encrypt(description));
    for (size_t i = 0; i < questions.size(); ++i)
      TestFile::WriteQuestion(store, static_cast<int>(i) + 1, questions[i]);
    store.UpdateFile();
    return path;
  }

  TTempDir Dir;
};

}  // namespace

TEST_F(ConversionsTest, TextToTestToTextKeepsEverySingleLineValue) {
  const std::string test = Dir.File("sample.qwt");
  EncryptTextToTest(Sample(), test);
  EXPECT_EQ(Sections(test), (TStrings{"SETTINGS", "BEGINMESSAGE", "QA1", "QA2", "QA3", "QA4"}));
  EXPECT_EQ(Plain(test, "SETTINGS", "DESC"), "Chapter 2 review");
  EXPECT_EQ(Plain(test, "QA2", "MMEDIA"), "FACTVAULT:Paris");
  TIniStore store(test);
  EXPECT_EQ(SectionKeys(store, "QA1"),
            (TStrings{"QUESTION", "A", "B", "C", "D", "E", "F", "CORRECT", "HOTLINK", "HOTLINKPARAMETERS",
                      "REFERENCE", "ANY", "MMEDIA", "MMEDIAIN"}));

  const std::string text = Dir.File("back.txt");
  const TConversionReport report = DecryptTestToText(test, text);
  EXPECT_TRUE(report.Broken.empty());
  EXPECT_TRUE(report.Dropped.empty());
  EXPECT_EQ(ReadBytes(text), ReadBytes(TestDataPath("conversion/sample-roundtrip.txt")));
}

TEST_F(ConversionsTest, TextToTestOntoTheSameFileEnciphersItInPlace) {
  const std::string path = Sample();
  EncryptTextToTest(path, path);
  EXPECT_EQ(Plain(path, "SETTINGS", "PASSPOINT"), "70");
  EXPECT_EQ(Plain(path, "QA3", "CORRECT"), "AB");
  TIniStore store(path);
  EXPECT_EQ(store.ReadString("Notes", "kept", ""), "only in the text file");
  // QA5 closes up the gap as question 4, enciphered; nothing stays as QA5.
  EXPECT_EQ(Plain(path, "QA4", "QUESTION"), "after a gap: read as question 4");
  EXPECT_EQ(store.ReadString("QA5", "QUESTION", "absent"), "absent");
}

TEST_F(ConversionsTest, ConvertingIntoALargerTestLeavesExactlyTheQuestionsOfTheText) {
  const std::string test = Dir.File("many.qwt");
  {
    TIniStore store(test);
    TestFile::WriteNewTest(store);
    store.WriteSectionValues("ENDMESSAGE", {"Old end"});
    for (int n = 1; n <= TestFile::MaxQuestionCount; ++n) {
      TestFile::WriteQuestion(store, n, MakeQuestion("old " + std::to_string(n)));
    }
    store.UpdateFile();
  }
  EncryptTextToTest(Sample(), test);

  TIniStore store(test);
  EXPECT_EQ(Decrypt(store.ReadString("QA3", "QUESTION", "")), "Pick the primes");
  EXPECT_EQ(Decrypt(store.ReadString("QA4", "QUESTION", "")), "after a gap: read as question 4");
  // The old questions past the text's are gone, as the editor's Save removes them.
  for (const char* gone : {"QA5", "QA500"}) EXPECT_EQ(store.ReadString(gone, "QUESTION", "absent"), "absent");
  // The source has no end message, so the old one is emptied and no longer written.
  TStrings end;
  store.ReadSectionValues("ENDMESSAGE", end);
  EXPECT_TRUE(end.empty());
}

TEST_F(ConversionsTest, TestToTextReportsACtrlZThatWouldEndTheTextFile) {
  QuestionRecord first = MakeQuestion(
      "before\x1A"
      "after");
  first.AnswerA = "one\r\ntwo";
  const std::string test = WriteTest("ctrlz.qwt", "plain", {first, MakeQuestion("lost when read back")});
  const std::string text = Dir.File("ctrlz.txt");
  EXPECT_EQ(DecryptTestToText(test, text).Broken,
            (std::vector<TBrokenValue>{{1, "QUESTION", TLoss::EndsText}, {1, "A", TLoss::LineBreak}}));

  // What the report warns of: the text file ends at the Ctrl-Z.
  const std::string back = Dir.File("back.qwt");
  EncryptTextToTest(text, back);
  EXPECT_EQ(Plain(back, "QA1", "QUESTION"), "before");
  EXPECT_EQ(Plain(back, "QA2", "QUESTION"), "");
}

TEST_F(ConversionsTest, TestToTextReportsTheValuesThatHoldLineBreaks) {
  QuestionRecord first = MakeQuestion("single");
  first.AnswerB = "B one\r\nB two";
  const std::string test =
      WriteTest("multi.qwt", "two\r\nlines", {first, MakeQuestion("Line 1\r\n[QA9]\r\nC=injected")});
  const std::string text = Dir.File("multi.txt");
  EXPECT_EQ(DecryptTestToText(test, text).Broken,
            (std::vector<TBrokenValue>{{0, "DESC"}, {1, "B"}, {2, "QUESTION"}}));

  // What the report warns of: back as a test, only the first lines remain.
  const std::string back = Dir.File("back.qwt");
  EncryptTextToTest(text, back);
  EXPECT_EQ(Plain(back, "SETTINGS", "DESC"), "two");
  EXPECT_EQ(Plain(back, "QA1", "B"), "B one");
  EXPECT_EQ(Plain(back, "QA2", "QUESTION"), "Line 1");
  EXPECT_EQ(Plain(back, "QA2", "C"), "");
}

TEST_F(ConversionsTest, ATextFileWithLineFeedsOnlyStillConverts) {
  const std::string text = Dir.File("unix.txt");
  WriteBytes(text, "[SETTINGS]\nDESC=Written on Linux\n[QA1]\nQUESTION=Q\nA=yes\n");
  const std::string test = Dir.File("unix.qwt");
  EncryptTextToTest(text, test);
  EXPECT_EQ(Plain(test, "SETTINGS", "DESC"), "Written on Linux");
  EXPECT_EQ(Plain(test, "QA1", "A"), "yes");
}

TEST_F(ConversionsTest, QuestionsStopAtTheLimit) {
  const std::string text = Dir.File("many.txt");
  {
    TIniStore store(text);
    for (int n = 1; n <= TestFile::MaxQuestionCount + 1; ++n) {
      std::string question = "q";
      question += std::to_string(n);
      store.WriteString(TestFile::QuestionSection(n), "QUESTION", question);
    }
    store.UpdateFile();
  }
  const std::string test = Dir.File("many.qwt");
  EXPECT_EQ(EncryptTextToTest(text, test).Dropped, std::vector<int>{501});
  TIniStore store(test);
  EXPECT_EQ(Decrypt(store.ReadString("QA500", "QUESTION", "")), "q500");
  EXPECT_EQ(store.ReadString("QA501", "QUESTION", "absent"), "absent");
}

TEST_F(ConversionsTest, AMissingOrFolderSourceIsAnErrorAndTheDestinationIsUntouched) {
  const std::string test = Dir.File("kept.qwt");
  WriteBytes(test, "[SETTINGS]\r\nDESC=" + Encrypt("Kept") + "\r\n");
  const std::string before = ReadBytes(test);
  for (const std::string& source : {Dir.File("missing.txt"), Dir.Path().string(), std::string()}) {
    EXPECT_THROW(EncryptTextToTest(source, test), TIoError) << source;
    EXPECT_THROW(DecryptTestToText(source, test), TIoError) << source;
  }
  EXPECT_EQ(ReadBytes(test), before);
}

TEST_F(ConversionsTest, ClosesUpGapsAndReportsValuesThatDoNotSurvive) {
  const std::string test = Dir.File("gap.qwt");
  WriteBytes(test, "[SETTINGS]\r\nDESC=" + Encrypt("Gap") + "\r\nTIME=ZZ\r\n\r\n[QA1]\r\nQUESTION=" +
                       Encrypt("one") + "\r\nA=" + Encrypt(std::string("x\0y", 3)) +
                       "\r\n\r\n[QA2]\r\nQUESTION=\r\nA=" + Encrypt("orphan answer") +
                       "\r\n\r\n[QA4]\r\nQUESTION=" + Encrypt("four") + "\r\n\r\n[QA5]\r\nQUESTION=\r\n\r\n");
  const std::string text = Dir.File("gap.txt");
  const TConversionReport report = DecryptTestToText(test, text);
  // QA2 holds an answer, so it is a question as the editor reads it; QA5 holds no text.
  EXPECT_EQ(report.Numbering.Sections, (std::vector<int>{1, 2, 4}));
  EXPECT_TRUE(report.Dropped.empty());
  EXPECT_EQ(Sections(text).back(), "QA3");
  ASSERT_FALSE(report.Broken.empty());
  EXPECT_EQ(report.Broken.front(), (TBrokenValue{0, "TIME", TLoss::NoDecipher}));
  // Whether bytes 0 or 255 survive depends on the drawn first pair; when they
  // do not, the report says so.
  const std::string back = Dir.File("back.qwt");
  const TConversionReport again = EncryptTextToTest(text, back);
  const bool kept = Plain(back, "QA1", "A") == std::string("x\0y", 3);
  EXPECT_EQ(std::count(again.Broken.begin(), again.Broken.end(), TBrokenValue{1, "A", TLoss::EdgeBytes}),
            kept ? 0 : 1);
}

TEST_F(ConversionsTest, AnUnwritableDestinationThrowsAndCreatesNothing) {
  EXPECT_THROW(EncryptTextToTest(Sample(), Dir.File("no/such/folder.qwt")), TIoError);
  EXPECT_FALSE(std::filesystem::exists(Dir.File("no")));
}
