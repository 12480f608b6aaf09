#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/exchange/Export.h"
#include "core/exchange/Formats.h"
#include "core/exchange/Import.h"
#include "core/model/TestContents.h"
#include "core/storage/IniStore.h"
#include "support/Questions.h"
#include "support/TempDir.h"

namespace {

// One question each in Greek, Polish, Chinese and Arabic, with answers and
// references, and messages in all four.
std::vector<QuestionRecord> FourScripts() {
  QuestionRecord greek = MakeQuestion(
      "\xCE\xA0\xCE\xBF\xCE\xB9\xCE\xB1 \xCE\xB5\xCE\xAF\xCE\xBD\xCE\xB1\xCE\xB9;",
      {"\xCE\x91\xCE\xB8\xCE\xAE\xCE\xBD\xCE\xB1", "\xCE\xA3\xCF\x80\xCE\xAC\xCF\x81\xCF\x84\xCE\xB7"}, "A");
  greek.Reference = "\xCE\xA3\xCE\xB5\xCE\xBB. 3";
  QuestionRecord polish = MakeQuestion(
      "Kt\xC3\xB3ra rzeka p\xC5\x82ynie przez \xC5\x81\xC3\xB3"
      "d\xC5\xBA?",
      {"\xC5\x81\xC3\xB3"
       "dka",
       "Wis\xC5\x82"
       "a",
       "\xC5\xBB"
       "adna"},
      "C");
  polish.Reference = "Rozdzia\xC5\x82 \xC5\xBC\xC3\xB3\xC5\x82ty";
  QuestionRecord chinese =
      MakeQuestion("\xE4\xB8\xAD\xE5\x9B\xBD\xE7\x9A\x84\xE9\xA6\x96\xE9\x83\xBD\xEF\xBC\x9F",
                   {"\xE5\x8C\x97\xE4\xBA\xAC", "\xE4\xB8\x8A\xE6\xB5\xB7"}, "A");
  chinese.Reference = "\xE7\xAC\xAC\xE4\xB8\x89\xE7\xAB\xA0";
  QuestionRecord arabic = MakeQuestion(
      "\xD9\x85\xD8\xA7 \xD8\xB9\xD8\xA7\xD8\xB5\xD9\x85\xD8\xA9 \xD9\x85\xD8\xB5\xD8\xB1\xD8\x9F",
      {"\xD8\xA7\xD9\x84\xD9\x82\xD8\xA7\xD9\x87\xD8\xB1\xD8\xA9", "\xD8\xAF\xD9\x85\xD8\xB4\xD9\x82"}, "A");
  arabic.Reference = "\xD8\xA7\xD9\x84\xD9\x81\xD8\xB5\xD9\x84 \xD9\xA2";
  return {greek, polish, chinese, arabic};
}

// What a format gives back of a question: Aiken and QTI carry no reference.
QuestionRecord Carried(QuestionRecord question, std::string_view format) {
  if (format == "aiken" || format == "qti") question.Reference.clear();
  return question;
}

TEST(FourScripts, KeepEveryCharacterThroughTheFileAndEveryFormat) {
  TTempDir dir;
  const std::string path = dir.File("SCRIPTS.QWT");
  TestSettings settings;
  settings.Description =
      "\xCE\x93\xCE\xB5\xCF\x89\xCE\xB3\xCF\x81\xCE\xB1\xCF\x86\xCE\xAF\xCE\xB1 \xE5\x9C\xB0\xE7\x90\x86";
  settings.BeginMessage = {"Powodzenia! \xE7\xA5\x9D\xE4\xBD\xA0\xE5\xA5\xBD\xE8\xBF\x90",
                           "\xD8\xA8\xD8\xA7\xD9\x84\xD8\xAA\xD9\x88\xD9\x81\xD9\x8A\xD9\x82"};
  settings.EndMessage = {"\xCE\xA4\xCE\xAD\xCE\xBB\xCE\xBF\xCF\x82"};
  WriteTest(path, settings, FourScripts());

  TCustomIniStore store(path);
  const TTestContents contents = ReadTestContents(store);
  EXPECT_EQ(contents.Questions, FourScripts());
  EXPECT_EQ(*contents.Settings[0].Value, settings.Description);
  EXPECT_EQ(contents.BeginMessage, settings.BeginMessage);
  EXPECT_EQ(contents.EndMessage, settings.EndMessage);

  for (const auto& format : QuestionFormats()) {
    const std::string name(format->Name());
    const std::string exported = dir.File("out." + std::string(format->DefaultExtension()));
    TLossReport written;
    Export::ExportTest(*format, path, exported, written);
    Import::TPreparedImport prepared = Import::Prepare(exported, format.get());
    ASSERT_TRUE(prepared.Ready()) << name << ": " << prepared.Damage;
    const std::string back = dir.File("BACK-" + name + ".QWT");
    EXPECT_TRUE(Import::IntoTest(std::move(prepared.Test), back, false, prepared.Report).BecameUtf8) << name;
    TCustomIniStore imported(back);
    const TTestContents again = ReadTestContents(imported);
    ASSERT_EQ(again.Questions.size(), 4u) << name;
    for (size_t i = 0; i < 4; ++i)
      EXPECT_EQ(again.Questions[i], Carried(FourScripts()[i], name)) << name << " " << i;
  }
}

TEST(FourScripts, AUtf8CsvOfChineseQuestionsImportsWhole) {
  std::string csv = "\xEF\xBB\xBFQuestion,A,B,C,Correct\r\n";
  for (int n = 1; n <= 456; ++n)
    csv += "\xE7\xAC\xAC" + std::to_string(n) +
           "\xE9\xA2\x98\xEF\xBC\x9A\xE5\x93\xAA\xE4\xB8\xAA\xE5\xAF\xB9\xEF\xBC\x9F,"
           "\xE7\x94\xB2,\xE4\xB9\x99,\xE4\xB8\x99,A\r\n";
  TTempDir dir;
  WriteBytes(dir.File("bank.csv"), csv);
  Import::TPreparedImport prepared = Import::Prepare(dir.File("bank.csv"));
  ASSERT_TRUE(prepared.Ready()) << prepared.Damage;
  const std::string test = dir.File("BANK.QWT");
  EXPECT_EQ(Import::IntoTest(std::move(prepared.Test), test, false, prepared.Report).Questions, 456);
  TCustomIniStore store(test);
  const TTestContents contents = ReadTestContents(store);
  ASSERT_EQ(contents.Questions.size(), 456u);
  EXPECT_EQ(contents.Questions[455].Question,
            "\xE7\xAC\xAC"
            "456\xE9\xA2\x98\xEF\xBC\x9A\xE5\x93\xAA\xE4\xB8\xAA\xE5\xAF\xB9\xEF\xBC\x9F");
  EXPECT_EQ(contents.Questions[0].AnswerC, "\xE4\xB8\x99");
}

}  // namespace
