#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "core/model/Conversions.h"
#include "core/model/TestContents.h"
#include "core/model/TestFile.h"
#include "core/storage/IniSyntax.h"
#include "core/storage/ZarnEncryption.h"
#include "support/FixedFirstByte.h"
#include "support/Questions.h"
#include "support/StoreLines.h"
#include "support/TempDir.h"

using namespace std::string_literals;

namespace {

QuestionRecord SampleQuestion() {
  QuestionRecord record =
      MakeQuestion("Which of these\r\nare prime?\r\n(pick all)", {"2", "4", "", "7 "}, "AD", true);
  record.HotLink = "http://example.org/primes";
  record.HotLinkParameters = "-x";
  record.Reference = "Chapter 2";
  record.MediaFile = "FACTVAULT:primes";
  record.MMediaInternal = true;
  return record;
}

}  // namespace

TEST(TestFileTest, ANewTestHoldsTheSevenSettingsInOrder) {
  TFixedFirstByte fixed(0x5A);
  TTempDir dir;
  const std::string path = dir.File("new.qwt");
  {
    TIniStore store(path);
    TestFile::WriteNewTest(store);
    store.UpdateFile();
  }
  EXPECT_EQ(ReadBytes(path), ReadBytes(TestDataPath("new-test.qwt")));
}

TEST(TestFileTest, QuestionsRoundTripWithTheEditorsKeyOrder) {
  TTempDir dir;
  const std::string path = dir.File("q.qwt");
  const QuestionRecord sample = SampleQuestion();
  {
    TIniStore store(path);
    TestFile::WriteQuestion(store, 1, sample);
    TestFile::WriteQuestion(store, 2, MakeQuestion("Q2"));
    store.UpdateFile();
  }
  TIniStore store(path);
  EXPECT_EQ(TestFile::ReadQuestion(store, 1), sample);
  EXPECT_EQ(TestFile::ReadQuestion(store, 2), MakeQuestion("Q2"));
  EXPECT_EQ(SectionKeys(store, "QA1"),
            (TStrings{"QUESTION", "A", "B", "C", "D", "E", "F", "CORRECT", "ANY", "HOTLINK",
                      "HOTLINKPARAMETERS", "REFERENCE", "MMEDIA", "MMEDIAIN"}));
  EXPECT_EQ(store.ReadString("QA1", "C", "absent"), "") << "an empty answer is the key and '=' alone";
  EXPECT_EQ(store.ReadString("QA1", "QUESTION", "").size(), 2 + 2 * sample.Question.size());
  EXPECT_EQ(Decrypt(store.ReadString("QA2", "ANY", "")), "0");
  EXPECT_EQ(Decrypt(store.ReadString("QA2", "MMEDIAIN", "")), "0");
}

namespace {

TStrings NamesOf(const auto& table) {
  TStrings names;
  for (const auto& key : table) names.emplace_back(key.Name);
  return names;
}

}  // namespace

TEST(KeyTableTest, EveryKeyRoundTripsThroughWriterAndReaderInOrder) {
  using namespace TestFile;
  QuestionRecord record;
  for (const TQuestionKey& key : QuestionKeys) {
    if (key.Text) record.*key.Text = "value of " + std::string(key.Name);
    if (key.Flag) record.*key.Flag = true;
  }
  TIniStore store;
  WriteQuestion(store, 1, record);
  EXPECT_EQ(SectionKeys(store, "QA1"), NamesOf(QuestionKeys));
  EXPECT_EQ(ReadQuestion(store, 1), record);

  // SETTINGS through the text-to-test conversion, from a text holding the
  // keys in reverse.
  TTempDir dir;
  std::string text = "[SETTINGS]\r\n";
  for (auto key = SettingKeys.rbegin(); key != SettingKeys.rend(); ++key)
    text += std::string(key->Name) + "=" + std::string(key->Name) + "\r\n";
  WriteBytes(dir.File("t.txt"), text);
  EncryptTextToTest(dir.File("t.txt"), dir.File("t.qwt"));
  TIniStore test(dir.File("t.qwt"));
  EXPECT_EQ(SectionKeys(test, Settings), NamesOf(SettingKeys));
  const TTestContents contents = ReadTestContents(test);
  ASSERT_EQ(contents.Settings.size(), SettingKeys.size());
  for (size_t i = 0; i < SettingKeys.size(); ++i) {
    EXPECT_EQ(contents.Settings[i].Key, SettingKeys[i].Name);
    EXPECT_EQ(contents.Settings[i].Value, std::string(SettingKeys[i].Name));
  }
}

TEST(KeyTableTest, LookupFindsEveryKeyInAnyCaseAndRejectsOtherNames) {
  using namespace TestFile;
  auto lower = [](std::string_view name) {
    std::string text(name);
    for (char& c : text) c = IniSyntax::LowerAscii(c);
    return text;
  };
  for (size_t i = 0; i < QuestionKeys.size(); ++i)
    EXPECT_EQ(QuestionKeyIndex(lower(QuestionKeys[i].Name)), static_cast<int>(i));
  for (const std::string_view name :
       {"", "G", "QA", "QUESTIONS", "MMEDIAI", "HOTLINKPARAMETER", "HOTLINKPARAMETERSX", "CORRECT ", "DESC"})
    EXPECT_EQ(QuestionKeyIndex(name), -1) << name;
}

TEST(TestFileTest, FlagsAreTrueOnlyForExactlyOne) {
  TIniStore store;
  for (const auto& [plain, expected] : std::vector<std::pair<std::string, bool>>{
           {"1", true}, {" 1", false}, {"true", false}, {"01", false}, {"", false}}) {
    store.WriteString("QA1", "ANY", Encrypt(plain));
    store.WriteString("QA1", "MMEDIAIN", Encrypt(plain));
    const QuestionRecord record = TestFile::ReadQuestion(store, 1);
    EXPECT_EQ(record.AnyCorrectPasses, expected) << '"' << plain << '"';
    EXPECT_EQ(record.MMediaInternal, expected) << '"' << plain << '"';
  }
}

TEST(TestFileTest, UndecipherableAndMissingValuesReadAsTheyDecode) {
  TIniStore store;
  store.WriteString("qa1", "question", "plain text");
  const QuestionRecord record = TestFile::ReadQuestion(store, 1);
  EXPECT_EQ(record.Question, BadDecode);
  EXPECT_EQ(record.AnswerA, "");
  EXPECT_FALSE(record.AnyCorrectPasses);
}

TEST(TestFileTest, ReadingAQuestionFindsEachKeyAsReadStringWould) {
  TTempDir dir;
  const std::string path = dir.File("odd.qwt");
  // Keys in any case and order, a key twice, lookalikes that are not keys.
  WriteBytes(path, "[qa1]\r\nb=" + Encrypt("first b") + "\r\nA =" + Encrypt("not A") + "\r\nquestion=" +
                       Encrypt("Q") + "\r\nB=" + Encrypt("second b") + "\r\nA" + "\r\nany=" + Encrypt("1") +
                       "\r\nMMEDIAINX=" + Encrypt("1") + "\r\nHOTLINKPARAMETERS=" + Encrypt("-p") + "\r\n");
  TIniStore store(path);
  const QuestionRecord record = TestFile::ReadQuestion(store, 1);
  EXPECT_EQ(record.Question, "Q");
  EXPECT_EQ(record.AnswerA, "");
  EXPECT_EQ(record.AnswerB, "first b");
  EXPECT_TRUE(record.AnyCorrectPasses);
  EXPECT_FALSE(record.MMediaInternal);
  EXPECT_EQ(record.HotLink, "");
  EXPECT_EQ(record.HotLinkParameters, "-p");
}

TEST(TestFileTest, LoadableAndListableDescriptions) {
  EXPECT_FALSE(TestFile::IsLoadable(""));
  EXPECT_TRUE(TestFile::IsLoadable("garbage"));
  EXPECT_FALSE(TestFile::IsListable(""));
  EXPECT_FALSE(TestFile::IsListable(BadDecode));
  EXPECT_TRUE(TestFile::IsListable("BAD DECODE "));
  EXPECT_TRUE(TestFile::IsListable("Chapter 2 review"));
}

TEST(TestFileTest, AnswerIndexesRunFromAToF) {
  QuestionRecord record;
  record.Answer(0) = "a";
  record.Answer(5) = "f";
  EXPECT_EQ(record.AnswerA, "a");
  EXPECT_EQ(record.AnswerF, "f");
  EXPECT_THROW(record.Answer(6), std::out_of_range);
  EXPECT_THROW(record.Answer(-1), std::out_of_range);
}

// ---------------------------------------------------------------------------
// The description peek must give exactly what a full load gives.

namespace {

std::string FullLoadDescription(const std::string& path) {
  TIniStore store(path);
  return store.ReadString(TestFile::Settings, TestFile::Desc, "");
}

}  // namespace

class StoredDescriptionTest : public testing::TestWithParam<std::pair<const char*, std::string>> {};

TEST_P(StoredDescriptionTest, MatchesAFullLoad) {
  const auto& [expected, content] = GetParam();
  TTempDir dir;
  const std::string path = dir.File("t.qwt");
  WriteBytes(path, content);
  EXPECT_EQ(FullLoadDescription(path), expected) << "the case itself is wrong";
  EXPECT_EQ(TestFile::ReadStoredDescription(path), expected);
}

INSTANTIATE_TEST_SUITE_P(
    TrickyFiles, StoredDescriptionTest,
    testing::Values(std::pair{"d", "[SETTINGS]\r\nDESC=d\r\n"s},
                    std::pair{"d", "DESC=before any header\r\n[settings]\r\ndesc=d\r\n"s},
                    std::pair{"first", "[SETTINGS]\r\nDESC=first\r\nDESC=second\r\n"s},
                    // the first SETTINGS wins, even without a DESC of its own
                    std::pair{"", "[SETTINGS]\r\nTIME=1\r\n[Settings]\r\nDESC=later\r\n"s},
                    std::pair{"later", "[QA1]\r\nDESC=no\r\n[SETTINGS] \r\n[SETTINGS]\r\nDESC=later\r\n"s},
                    std::pair{"", "[SETTINGS]\r\nDESC =spaced\r\nDESCX=x\r\n"s},
                    std::pair{"=x ", "[SETTINGS]\r\nDESC==x \r\n"s},
                    std::pair{"", "[SETTINGS]\r\nTIME=1\x1A\r\nDESC=after ctrl-z\r\n"s},
                    std::pair{"lf", "[SETTINGS]\nTIME=1\nDESC=lf"s},
                    std::pair{"cr", "[SETTINGS]\rDESC=cr\r"s}, std::pair{"", "[SETTINGS]\r\n"s},
                    std::pair{"", ""s}, std::pair{"", "[SETTINGS]\r[OTHER]\rDESC=x\r"s}));

TEST(StoredDescriptionTest, AgreesWithAFullLoadOnRandomFiles) {
  // Random files built from the pieces that matter, long enough to cross the
  // reader's chunk boundaries with every kind of line end.
  const std::vector<std::string> pieces = {"[SETTINGS]",
                                           "[settings]",
                                           "[SETTINGS] ",
                                           "[QA1]",
                                           "[]",
                                           "DESC=a",
                                           "desc=b",
                                           "DESC =c",
                                           "DESC=",
                                           "TIME=1",
                                           "plain",
                                           "",
                                           "\x1A",
                                           std::string(3000, 'x'),
                                           "DESC=" + std::string(5000, 'y')};
  const std::vector<std::string> lineEnds = {"\r\n", "\r", "\n", "\n\r"};
  std::mt19937 random(12345);
  TTempDir dir;
  const std::string path = dir.File("random.qwt");
  for (int round = 0; round < 400; ++round) {
    std::string content;
    const int lines = 1 + static_cast<int>(random() % 40);
    for (int i = 0; i < lines; ++i) {
      content += pieces[random() % pieces.size()];
      content += lineEnds[random() % lineEnds.size()];
    }
    if (random() % 3 == 0) content.pop_back();
    std::filesystem::remove(path);  // a truncated file is flushed on rewrite, which is slow
    WriteBytes(path, content);
    ASSERT_EQ(TestFile::ReadStoredDescription(path), FullLoadDescription(path))
        << testing::PrintToString(content);
  }
}

TEST(StoredDescriptionTest, LinesCutByTheFirstReadAreReadWhole) {
  TTempDir dir;
  const std::string path = dir.File("edge.qwt");
  for (size_t pad = 4080; pad < 4100; ++pad) {
    // The line after the padding straddles the end of the first read.
    const std::string content =
        "[SETTINGS]\r\nX=" + std::string(pad - 14, 'p') + "\r\n\r\n[OTHER]\r\nDESC=o\r\n";
    WriteBytes(path, content);
    ASSERT_EQ(TestFile::ReadStoredDescription(path), "") << pad;
    WriteBytes(path, "[SETTINGS]\r\nX=" + std::string(pad - 14, 'p') + "\r\nDESC=d\r\n");
    ASSERT_EQ(TestFile::ReadStoredDescription(path), "d") << pad;
  }
}

TEST(StoredDescriptionTest, MissingFileIsEmptyAndAFolderIsAnError) {
  TTempDir dir;
  EXPECT_EQ(TestFile::ReadStoredDescription(dir.File("missing.qwt")), "");
  std::filesystem::create_directory(dir.File("folder.qwt"));
  EXPECT_THROW(TestFile::ReadStoredDescription(dir.File("folder.qwt")), TIoError);
}
