// Files that are not what they claim to be, handed to every reader of the core:
// the catalogue's peek, the editor's question set, the settings, the engine
// configuration and the conversions. None may crash or hang; each gives what
// the file holds or a clear error, and nothing that was not asked to change
// does.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "core/model/ClientConfig.h"
#include "core/model/Conversions.h"
#include "core/model/QuestionSet.h"
#include "core/model/TestCatalogue.h"
#include "core/model/TestFile.h"
#include "core/model/TestSettings.h"
#include "core/storage/CodePage.h"
#include "core/storage/IniStore.h"
#include "core/storage/ZarnEncryption.h"
#include "support/IoErrorText.h"
#include "support/StoreLines.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;

// What the catalogue makes of a folder: listed descriptions and the reports.
struct TScanResult {
  std::vector<std::string> Items;
  std::vector<std::string> Undecodable;
  std::vector<std::string> Unreadable;
};

TScanResult ScanFolder(const fs::path& folder) {
  TScanResult result;
  TestCatalogue catalogue(folder.string());
  TCatalogueEvents events;
  events.OnUndecodable = [&](const std::string& path) { result.Undecodable.push_back(path); };
  events.OnUnreadable = [&](const std::string& path, const std::string&) {
    result.Unreadable.push_back(path);
  };
  catalogue.Scan(events);
  result.Items = catalogue.Items();
  return result;
}

std::string StoredDescriptionByFullLoad(const std::string& path) {
  TIniStore store(path);
  return store.ReadString(TestFile::Settings, TestFile::Desc, {});
}

std::string RandomBytes(size_t size, unsigned seed) {
  std::mt19937 generator(seed);
  std::string bytes(size, '\0');
  for (char& c : bytes) c = static_cast<char>(generator() & 0xFF);
  return bytes;
}

const std::string UndefinedBytes = "\x81\x8D\x8F\x90\x9D";

}  // namespace

TEST(BadInputTest, AnEmptyFileReadsAsAnEmptyTestEverywhere) {
  TTempDir dir;
  const std::string path = dir.File("EMPTY.QWT");
  WriteBytes(path, "");

  EXPECT_FALSE(TestFile::IsLoadable(TestFile::ReadStoredDescription(path)));
  const TScanResult scan = ScanFolder(dir.Path());
  EXPECT_TRUE(scan.Items.empty());
  EXPECT_TRUE(scan.Undecodable.empty() && scan.Unreadable.empty())
      << "a file without description is passed over";

  QuestionSet set;
  set.LoadQuestions(path);
  EXPECT_EQ(set.QuestionCount, 1);
  EXPECT_EQ(set.Slot(1), QuestionRecord());
  EXPECT_EQ(LoadTestSettings(path), TestSettings());
  EXPECT_EQ(LoadClientConfig(path).Logo, "");

  const std::string text = dir.File("empty.txt");
  DecryptTestToText(path, text);
  TIniStore converted(text);
  EXPECT_EQ(SectionKeys(converted, TestFile::Settings).size(), 15u);
  EXPECT_EQ(ReadBytes(path), "") << "reading never writes";
}

TEST(BadInputTest, ABinaryFileNamedLikeATestIsNeitherListedNorLoadable) {
  TTempDir dir;
  const std::string path = dir.File("BINARY.QWT");
  const std::string bytes = RandomBytes(256 * 1024, 7);
  WriteBytes(path, bytes);

  EXPECT_EQ(TestFile::ReadStoredDescription(path), StoredDescriptionByFullLoad(path));
  EXPECT_TRUE(ScanFolder(dir.Path()).Items.empty());
  QuestionSet set;
  set.LoadQuestions(path);
  EXPECT_EQ(set.QuestionCount, 1);
  LoadTestSettings(path);
  EXPECT_EQ(ReadBytes(path), bytes);

  // The same noise behind a settings header gives a description that does
  // not decipher, which the catalogue reports by name.
  const std::string disguised = dir.File("DISGUISED.QWT");
  WriteBytes(disguised, "[SETTINGS]\r\nDESC=" + RandomBytes(4096, 8));
  const TScanResult scan = ScanFolder(dir.Path());
  EXPECT_TRUE(scan.Items.empty());
  EXPECT_EQ(scan.Undecodable, std::vector<std::string>{disguised});
}

// The catalogue looks for the description in the first megabyte only; a full
// load still reads everything.
TEST(BadInputTest, AFileOverTheSizeLimitIsRefusedBeforeItIsReadAndOneAtTheLimitIsRead) {
  TTempDir dir;
  const std::string path = dir.File("HUGE.QWT");
  WriteBytes(path, "[SETTINGS]\r\nDESC=" + Encrypt("Huge") +
                       "\r\n[QA1]\r\nQUESTION=" + Encrypt("Still here?") + "\r\nJUNK=");
  // The rest is a hole in the file: no time or disk spent writing it.
  fs::resize_file(path, MaxStoreFileSize + 1);
  QuestionSet set;
  set.Slot(1).Question = "on the screen";
  const std::string refused = IoErrorText([&] { set.LoadQuestions(path); });
  EXPECT_NE(refused.find("HUGE.QWT"), std::string::npos) << refused;
  EXPECT_NE(refused.find("larger than 64 MB"), std::string::npos) << refused;
  EXPECT_EQ(set.Slot(1).Question, "on the screen");

  fs::resize_file(path, MaxStoreFileSize);
  set.LoadQuestions(path);
  EXPECT_EQ(set.TestDescription, "Huge");
  EXPECT_EQ(set.Slot(1).Question, "Still here?");
}

TEST(BadInputTest, ATenMegabyteLineIsKeptWhole) {
  TTempDir dir;
  const std::string path = dir.File("LONG.QWT");
  const std::string answer(5 * 1024 * 1024, 'a');
  const std::string cipher = Encrypt(answer);
  ASSERT_GE(cipher.size(), 10u * 1024 * 1024);
  WriteBytes(path, "[SETTINGS]\r\nNOTE=" + std::string(10 * 1024 * 1024, 'n') +
                       "\r\nDESC=" + Encrypt("Long") + "\r\n\r\n[QA1]\r\nQUESTION=" + Encrypt("Q") +
                       "\r\nA=" + cipher + "\r\n\r\n");

  EXPECT_EQ(TestFile::ReadStoredDescription(path), "") << "the description lies past the first megabyte";
  QuestionSet set;
  set.LoadQuestions(path);
  EXPECT_TRUE(set.Slot(1).AnswerA == answer);
  set.Slot(1).AnswerB = "b";
  set.SaveQuestions(path);

  TIniStore saved(path);
  EXPECT_EQ(saved.ReadString(TestFile::Settings, "NOTE", {}).size(), 10u * 1024 * 1024);
  EXPECT_TRUE(Decrypt(saved.ReadString("QA1", "A", {})) == answer);
}

TEST(BadInputTest, NulBytesAreKeptAndNeverEndALineOrAValue) {
  TTempDir dir;
  const std::string path = dir.File("NUL.QWT");
  using namespace std::string_literals;
  const std::string settings = "[SETTINGS]\r\nDESC="s + Encrypt("Nul") + "\r\nN\0TE=a\0b\r\n\r\n"s;
  const std::string odd = "[OD\0D]\r\n\0=\0\r\n\r\n"s;
  WriteBytes(path, settings + odd + "[QA1]\r\nQUESTION="s + Encrypt("a\0b"s) + "\r\nB=4\0\r\n\r\n"s);

  EXPECT_EQ(ScanFolder(dir.Path()).Items, std::vector<std::string>{"1: Nul"});
  QuestionSet set;
  set.LoadQuestions(path);
  EXPECT_EQ(set.Slot(1).Question, "a\0b"s);
  EXPECT_EQ(set.Slot(1).AnswerB, std::string(BadDecode));

  // Saving rewrites the questions; the other sections keep every byte.
  set.SaveQuestions(path);
  const std::string saved = ReadBytes(path);
  EXPECT_EQ(saved.substr(0, settings.size() + odd.size()), settings + odd);
  set.LoadQuestions(path);
  EXPECT_EQ(set.Slot(1).Question, "a\0b"s);
}

TEST(BadInputTest, ATestThatIsAFolderIsAnErrorThatChangesNothing) {
  TTempDir dir;
  const std::string path = dir.File("FOLDER.QWT");
  fs::create_directory(path);
  QuestionSet set;
  set.Slot(1).Question = "kept";

  EXPECT_THROW(set.LoadQuestions(path), TIoError);
  EXPECT_EQ(set.Slot(1).Question, "kept");
  EXPECT_THROW(LoadTestSettings(path), TIoError);
  EXPECT_THROW(set.SaveQuestions(path), TIoError);
  EXPECT_THROW(DecryptTestToText(path, dir.File("out.txt")), TIoError);
  EXPECT_FALSE(fs::exists(dir.File("out.txt")));
  try {
    TIniStore store(path);
    ADD_FAILURE() << "a folder loaded as a test";
  } catch (const TIoError& error) {
    EXPECT_EQ(error.Path, path);
    EXPECT_EQ(error.Reason, "Is a directory");
  }
  EXPECT_TRUE(fs::is_directory(path));
}

TEST(BadInputTest, ATestBehindAFileCannotBeWrittenAndNothingIsCreated) {
  // Whoever runs the tests, even a privileged user, cannot open a file whose
  // parent is itself a file.
  TTempDir dir;
  WriteBytes(dir.File("notes"), "plain notes");
  const std::string path = dir.File("notes") + "/TEST.QWT";

  EXPECT_EQ(TestFile::ReadStoredDescription(path), "") << "reads as a missing file";
  QuestionSet set;
  set.LoadQuestions(path);
  set.Slot(1).Question = "Lost?";
  EXPECT_THROW(set.SaveQuestions(path), TIoError);
  EXPECT_THROW(SaveTestSettings(path, TestSettings()), TIoError);
  EXPECT_THROW(EncryptTextToTest(dir.File("missing.txt"), path), TIoError);
  EXPECT_EQ(ReadBytes(dir.File("notes")), "plain notes");
  EXPECT_EQ(set.Slot(1).Question, "Lost?");
}

TEST(BadInputTest, TheFiveUndefinedCodePageBytesSurviveEveryPath) {
  TTempDir dir;
  const std::string path = dir.File("BYTES.QWT");
  WriteNewTestFile(path);
  QuestionSet set;
  set.LoadQuestions(path);
  // In the core's text they are the C1 controls of the same numbers, which
  // the code page holds: the file keeps its form and the five bytes.
  const std::string controls = CodePage::ToUtf8(UndefinedBytes);
  set.Slot(1).Question = "Bytes " + controls;
  set.Slot(1).AnswerC = controls + "\r\n" + controls;
  EXPECT_FALSE(set.SaveQuestions(path).BecameUtf8);
  {
    TIniStore store(path);
    EXPECT_EQ(Decrypt(store.ReadString("QA1", "QUESTION", "")), "Bytes " + UndefinedBytes);
  }

  QuestionSet reloaded;
  reloaded.LoadQuestions(path);
  EXPECT_EQ(reloaded.Slot(1), set.Slot(1));

  // And through both conversions.
  DecryptTestToText(path, dir.File("bytes.txt"));
  EncryptTextToTest(dir.File("bytes.txt"), dir.File("AGAIN.QWT"));
  reloaded.LoadQuestions(dir.File("AGAIN.QWT"));
  EXPECT_EQ(reloaded.Slot(1).Question, "Bytes " + controls);
}
