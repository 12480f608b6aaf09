#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/model/Conversions.h"
#include "core/model/Duplicates.h"
#include "core/model/Languages.h"
#include "core/model/QuestionSet.h"
#include "core/model/TestContents.h"
#include "core/model/TestFile.h"
#include "core/model/TestSearch.h"
#include "core/model/TestSettings.h"
#include "core/storage/IniStore.h"
#include "core/storage/ZarnEncryption.h"
#include "support/FixedFirstByte.h"
#include "support/Questions.h"
#include "support/TempDir.h"

namespace {

// A test of one question written through the editor's own save, with the
// cipher's first pair fixed so that the bytes can be compared.
class TextFormTest : public testing::Test {
protected:
  std::string Save(const std::string& question, const std::string& answer = "yes") {
    Set.QuestionCount = 1;
    Set.Slot(1) = MakeQuestion(question, {answer, "no"}, "A");
    Outcome = Set.SaveQuestions(Path);
    return ReadBytes(Path);
  }

  TFixedFirstByte FirstByte{0x41};
  TTempDir Dir;
  std::string Path = Dir.File("T.QWT");
  QuestionSet Set;
  QuestionSet::TSaveOutcome Outcome;
};

// The exact bytes of a small UTF-8 test, as docs/test-file.md shows them.
TEST_F(TextFormTest, WritesTheUtf8FormWithItsMarkerAfterTheOtherKeys) {
  const std::string bytes = Save("\xCE\xB1?", "\xE4\xB8\xAD");
  EXPECT_TRUE(Outcome.NewTest);
  EXPECT_TRUE(Outcome.BecameUtf8);
  EXPECT_EQ(bytes,
            "[SETTINGS]\r\n"
            "DESC=41C27FD27A924BE31BC977A65D81A2\r\n"
            "TIME=413C\r\n"
            "CHECKANSWERS=413F\r\n"
            "RANDOMQUESTIONS=413F\r\n"
            "MUSTANSWER=413C\r\n"
            "PASSPOINT=413C\r\n"
            "MAXQUESTIONS=413C\r\n"
            "CHARSET=41DB7D8EF662\r\n"
            "\r\n"
            "[QA1]\r\n"
            "QUESTION=415D42CC\r\n"
            "A=416B695A\r\n"
            "B=41E21F\r\n"
            "C=\r\n"
            "D=\r\n"
            "E=\r\n"
            "F=\r\n"
            "CORRECT=41CF\r\n"
            "ANY=413C\r\n"
            "HOTLINK=\r\n"
            "HOTLINKPARAMETERS=\r\n"
            "REFERENCE=\r\n"
            "MMEDIA=\r\n"
            "MMEDIAIN=413C\r\n"
            "\r\n");
  TIniStore store(Path);
  EXPECT_EQ(TestFile::StoredForm(store), TestFile::TTextForm::Utf8);
  EXPECT_EQ(TestFile::ReadQuestion(store, 1).AnswerA, "\xE4\xB8\xAD");
}

// The form is chosen at every save: the marker comes with the first
// character past the code page and goes with the last, and the file is then
// byte for byte what a code-page save writes.
TEST_F(TextFormTest, TheMarkerComesAndGoesPerSaveAndTheCodePageFormStaysByteIdentical) {
  const std::string codePage = Save("Caf\xC3\xA9?");
  EXPECT_FALSE(Outcome.BecameUtf8);
  EXPECT_EQ(codePage.find("CHARSET"), std::string::npos);
  TestSettings settings = LoadTestSettings(Path);
  EXPECT_EQ(settings.Description, "No description");

  // Settings left as they were survive both changes of form.
  settings.BeginMessage = {"Bonne chance, \xC3\xA9l\xC3\xA8ves"};
  SaveTestSettings(Path, settings);
  const std::string withMessage = ReadBytes(Path);

  EXPECT_NE(Save("Caf\xC3\xA9 \xCF\x80?").find("CHARSET="), std::string::npos);
  EXPECT_TRUE(Outcome.BecameUtf8);
  EXPECT_EQ(LoadTestSettings(Path).BeginMessage, settings.BeginMessage);
  Save("Caf\xC3\xA9 \xCF\x80 \xCF\x80?");
  EXPECT_FALSE(Outcome.BecameUtf8) << "said once, at the save that made it UTF-8";

  EXPECT_EQ(Save("Caf\xC3\xA9?"), withMessage);
  EXPECT_FALSE(Outcome.BecameUtf8);

  // The settings' own save decides the same way, LANGUAGE only when set.
  settings.Description = "\xD8\xA7\xD8\xAE\xD8\xAA\xD8\xA8\xD8\xA7\xD8\xB1";
  settings.Language = "ar";
  EXPECT_TRUE(SaveTestSettings(Path, settings));
  EXPECT_EQ(LoadTestSettings(Path), settings);
  QuestionSet reloaded;
  reloaded.LoadQuestions(Path);
  EXPECT_EQ(reloaded.TestLanguage, "ar");
  EXPECT_EQ(reloaded.Slot(1).Question, "Caf\xC3\xA9?");
  settings.Description = "No description";
  settings.Language.clear();
  EXPECT_FALSE(SaveTestSettings(Path, settings));
  EXPECT_EQ(ReadBytes(Path), withMessage);
}

// A text form is UTF-8 by its marker or by a byte-order mark, and a UTF-8
// test converts to a text form that says so.
TEST_F(TextFormTest, TheTextFormDeclaresUtf8ByItsMarkerOrAByteOrderMark) {
  const std::string text = Dir.File("t.txt");
  WriteBytes(text,
             "\xEF\xBB\xBF[SETTINGS]\r\nDESC=\xE5\x9C\xB0\xE7\x90\x86\r\n[QA1]\r\nQUESTION=\xCF\x80?\r\n");
  EncryptTextToTest(text, Path);
  {
    TIniStore store(Path);
    EXPECT_EQ(TestFile::StoredForm(store), TestFile::TTextForm::Utf8);
    EXPECT_EQ(TestFile::ReadQuestion(store, 1).Question, "\xCF\x80?");
    EXPECT_EQ(TestFile::ReadSetting(store, TestFile::Desc, TestFile::TTextForm::Utf8),
              "\xE5\x9C\xB0\xE7\x90\x86");
  }
  DecryptTestToText(Path, Dir.File("back.txt"));
  const std::string back = ReadBytes(Dir.File("back.txt"));
  EXPECT_NE(back.find("CHARSET=UTF-8\r\n"), std::string::npos);
  EXPECT_NE(back.find("QUESTION=\xCF\x80?\r\n"), std::string::npos);

  // Without either, the same bytes are code-page text.
  WriteBytes(text, "[SETTINGS]\r\nDESC=caf\xE9\r\n");
  EncryptTextToTest(text, Path);
  EXPECT_EQ(LoadTestSettings(Path).Description, "caf\xC3\xA9");
}

// Reading takes each value in the file's form: in a UTF-8 test a malformed
// sequence reads as '?' wherever it stands in a value, and the rest of the
// value as it is; the same bytes without the marker are code-page text.
TEST_F(TextFormTest, AUtf8TestReadsAMalformedSequenceAsAQuestionMarkAndACodePageOneConverts) {
  const std::string longAscii(20, 'x');
  const auto write = [&](bool marked) {
    std::filesystem::remove(Path);
    TIniStore store(Path);
    TestFile::WriteNewTest(store);
    if (marked) store.WriteString(TestFile::Settings, TestFile::Charset, Encrypt(TestFile::Utf8Charset));
    store.WriteString("QA1", TestFile::Question, Encrypt(longAscii + "\xCE\xB1 \xC3 end"));
    store.WriteString("QA1", "A", Encrypt("\xE4\xB8\xAD"));
    store.WriteString("QA1", "B", Encrypt("caf\xE9"));
    store.WriteString("QA1", TestFile::Reference, Encrypt(longAscii + longAscii + "\xED\xA0\x80"));
    store.UpdateFile();
  };
  write(true);
  Set.LoadQuestions(Path);
  EXPECT_EQ(Set.Slot(1).Question, longAscii + "\xCE\xB1 ? end");
  EXPECT_EQ(Set.Slot(1).AnswerA, "\xE4\xB8\xAD");
  EXPECT_EQ(Set.Slot(1).AnswerB, "caf?");
  EXPECT_EQ(Set.Slot(1).Reference, longAscii + longAscii + "?");

  write(false);
  Set.LoadQuestions(Path);
  EXPECT_EQ(Set.Slot(1).Question, longAscii + "\xC3\x8E\xC2\xB1 \xC3\x83 end");
  EXPECT_EQ(Set.Slot(1).AnswerB, "caf\xC3\xA9");
}

// Comparing without regard to case works in every script.
TEST(LettersOfAnyScript, FindDuplicatesSearchAndWordsBeyondTheCodePage) {
  EXPECT_EQ(Duplicates::Normalise("\xCE\x9A\xCE\xB1\xCE\xBB\xCE\xB7\xCE\xBC\xCE\xAD\xCF\x81\xCE\xB1!"),
            Duplicates::Normalise("\xCE\xBA\xCE\xB1\xCE\xBB\xCE\xB7\xCE\xBC\xCE\xAD\xCF\x81\xCE\xB1"));
  EXPECT_EQ(Duplicates::Normalise("\xC5\x81\xC3\xB3"
                                  "d\xC5\xBA 2"),
            "\xC5\x82\xC3\xB3"
            "d\xC5\xBA"
            "2");

  TSearchOptions options;
  options.Pattern =
      "\xC5\x81\xC3\x93"
      "D\xC5\xB9";  // "ŁÓDŹ"
  options.WholeWords = true;
  const TTestSearch search(options);
  const auto hits = search.FindIn(
      "Miasto \xC5\x82\xC3\xB3"
      "d\xC5\xBA, nie \xC5\x82\xC3\xB3"
      "d\xC5\xBA"
      "ka");
  ASSERT_EQ(hits.size(), 1u);
  EXPECT_EQ(hits[0], (std::pair<size_t, size_t>{7, 7}));

  // A hit's context is cut between characters, never inside one.
  const std::string chinese = "\xE4\xB8\xAD\xE6\x96\x87\xE4\xB8\xAD\xE6\x96\x87\xE4\xB8\xAD\xE6\x96\x87";
  EXPECT_EQ(HitContext(chinese, 6, 3, 4), chinese.substr(0, 15) + "...");

  // Arabic and Chinese words are words; a digit still spoils one.
  EXPECT_EQ(WordsOf("\xD9\x83\xD8\xAA\xD8\xA7\xD8\xA8 x2 \xE4\xB8\xAD\xE6\x96\x87"),
            (std::vector<std::pair<size_t, size_t>>{{0, 8}, {12, 6}}));
}

TEST(TestLanguages, PickTheDictionaryAndTheDirection) {
  const std::vector<std::string> installed = {"de_AT", "de_DE", "en_GB", "en_US", "pt_BR", "pt_PT"};
  EXPECT_EQ(Languages::DictionaryFor("pt-BR", installed), "pt_BR");
  EXPECT_EQ(Languages::DictionaryFor("de", installed), "de_AT");
  EXPECT_EQ(Languages::DictionaryFor("en-us", installed), "en_US");
  EXPECT_EQ(Languages::DictionaryFor("pl", installed), "");
  EXPECT_EQ(Languages::DictionaryFor("", installed), "");
  EXPECT_TRUE(Languages::IsRightToLeft("ar"));
  EXPECT_TRUE(Languages::IsRightToLeft("he-IL"));
  EXPECT_TRUE(Languages::IsRightToLeft("pa-Arab"));
  EXPECT_FALSE(Languages::IsRightToLeft("pl"));
  EXPECT_FALSE(Languages::IsRightToLeft(""));
}

}  // namespace
