#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/model/QuestionReading.h"
#include "core/model/QuestionSet.h"
#include "core/model/TestContents.h"
#include "core/storage/IniStore.h"
#include "core/storage/ZarnEncryption.h"
#include "support/TempDir.h"

namespace {

// "[name]\r\nkey=enciphered value\r\n"
std::string Section(std::string_view name, std::string_view key, std::string_view plain) {
  return "[" + std::string(name) + "]\r\n" + std::string(key) + "=" + Encrypt(plain) + "\r\n";
}

// Written by hand, in file order: an empty QA2, a QA3 holding only a
// reference, QA4 missing, a lower-case qa7, and sections no reader takes.
std::string GappedTest() {
  return Section("SETTINGS", "DESC", "Gaps") + Section("QA1", "QUESTION", "one") +
         "[QA2]\r\nQUESTION=\r\nA=\r\n" + Section("QA3", "REFERENCE", "page 3") +
         Section("QA5", "QUESTION", "five") + Section("QA6", "QUESTION", "six") +
         Section("qa7", "QUESTION", "seven") + Section("QA99999999999", "QUESTION", "far") +
         Section("QA502", "A", "y") + Section("QA02", "QUESTION", "zero two") +
         Section("QA501", "QUESTION", "x") + "[QA600]\r\nQUESTION=\r\n" +
         Section("QAx", "QUESTION", "no question name");
}

TEST(QuestionReading, ClosesUpGapsAsTheEditorDoesAndNamesWhatItRenumberedOrLeftOut) {
  TTempDir dir;
  const std::string path = dir.File("GAPS.QWT");
  WriteBytes(path, GappedTest());
  TIniStore store(path);
  const TTestContents contents = ReadTestContents(store);
  std::vector<std::string> texts;
  for (const QuestionRecord& question : contents.Questions) texts.push_back(question.Question);
  EXPECT_EQ(texts, (std::vector<std::string>{"one", "", "five", "six", "seven"}));
  EXPECT_EQ(contents.Questions[1].Reference, "page 3");
  EXPECT_EQ(contents.Numbering.Sections, (std::vector<int>{1, 3, 5, 6, 7}));
  EXPECT_EQ(NumberingReport(contents.Numbering),
            (std::vector<std::string>{
                "QA3 was read as question 2 (a gap in the numbering closed up)",
                "QA5 to QA7 were read as questions 3 to 5 (a gap in the numbering closed up)",
                "QA02: a question number never starts with 0, not read",
                "QA501 to QA502: past QA500, not read", "QA99999999999: past QA500, not read"}));

  // The editor reads the same questions.
  QuestionSet editor;
  EXPECT_TRUE(editor.LoadQuestions(path));
  ASSERT_EQ(editor.QuestionCount, 5);
  for (int n = 1; n <= 5; ++n) EXPECT_EQ(editor.Slot(n), contents.Questions[static_cast<size_t>(n - 1)]);

  // A whole test reports nothing.
  WriteBytes(path, Section("SETTINGS", "DESC", "Whole") + Section("QA1", "QUESTION", "one"));
  TIniStore whole(path);
  TQuestionNumbering numbering;
  EXPECT_EQ(ReadQuestions(whole, numbering).size(), 1u);
  EXPECT_TRUE(numbering.Whole());
  EXPECT_TRUE(NumberingReport(numbering).empty());
}

}  // namespace
