#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/exchange/Export.h"
#include "core/exchange/Formats.h"
#include "core/exchange/Import.h"
#include "core/model/TestContents.h"
#include "core/storage/IniStore.h"
#include "support/FourScripts.h"
#include "support/Questions.h"
#include "support/TempDir.h"

namespace {

// What a format gives back of a question: Aiken and QTI carry no reference.
QuestionRecord Carried(QuestionRecord question, std::string_view format) {
  if (format == "aiken" || format == "qti") question.Reference.clear();
  return question;
}

TEST(FourScripts, KeepEveryCharacterThroughTheFileAndEveryFormat) {
  TTempDir dir;
  const std::string path = dir.File("SCRIPTS.QWT");
  const TestSettings settings = FourScripts::Settings();
  WriteTest(path, settings, FourScripts::Questions());

  TCustomIniStore store(path);
  const TTestContents contents = ReadTestContents(store);
  EXPECT_EQ(contents.Questions, FourScripts::Questions());
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
      EXPECT_EQ(again.Questions[i], Carried(FourScripts::Questions()[i], name)) << name << " " << i;
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
