#include <gtest/gtest.h>

#include <filesystem>

#include "core/model/ClientConfig.h"
#include "core/storage/IoError.h"
#include "core/storage/ZarnEncryption.h"
#include "support/TempDir.h"

namespace {

const std::string DefaultFile =
    "[SETTINGS]\r\nLOGO=\r\nCUSTOMABOUT=0\r\nABOUTWHO=\r\nABOUTURL=\r\nFULLSCREEN=0\r\nHISTORY=\r\nONEXIT="
    "\r\n\r\n";

class ClientConfigTest : public ::testing::Test {
protected:
  TTempDir Dir;
  std::string Path = Dir.File("qwtest.cfg");
};

TEST_F(ClientConfigTest, MissingFileGivesDefaultsAndFirstSaveWritesEveryKeyInOrder) {
  const ClientConfig config = LoadClientConfig(Path);
  EXPECT_TRUE(config.Logo.empty());
  EXPECT_FALSE(config.CustomAbout);
  EXPECT_TRUE(config.AboutMessage.empty());
  EXPECT_FALSE(config.FullScreen);
  EXPECT_TRUE(config.HistoryPassword.empty());
  EXPECT_TRUE(config.ExitPassword.empty());
  EXPECT_FALSE(std::filesystem::exists(Path)) << "reading must not create the file";

  SaveClientConfig(Path, config);
  EXPECT_EQ(ReadBytes(Path), DefaultFile);  // no ABOUTMESSAGE section without lines
}

TEST_F(ClientConfigTest, FullConfigurationRoundTripsWithPasswordsEnciphered) {
  ClientConfig config;
  config.Logo = "/home/teacher/pictures/school.bmp";
  config.CustomAbout = true;
  config.AboutWho = "Chemistry 101";
  config.AboutUrl = "http://example.org/chem";
  config.AboutMessage = {"Good luck", "with the test!"};
  config.FullScreen = true;
  config.HistoryPassword = "history";
  config.ExitPassword = "leave";
  SaveClientConfig(Path, config);

  const std::string bytes = ReadBytes(Path);
  EXPECT_EQ(bytes.find("[SETTINGS]\r\nLOGO=school.bmp\r\nCUSTOMABOUT=1\r\nABOUTWHO=Chemistry 101\r\n"
                       "ABOUTURL=http://example.org/chem\r\nFULLSCREEN=1\r\nHISTORY="),
            0u);
  EXPECT_NE(bytes.find("\r\n\r\n[ABOUTMESSAGE]\r\nGood luck\r\nwith the test!\r\n\r\n"), std::string::npos);
  EXPECT_EQ(bytes.find("history"), std::string::npos) << "passwords are stored enciphered";
  EXPECT_EQ(bytes.find("leave"), std::string::npos);

  const ClientConfig back = LoadClientConfig(Path);
  EXPECT_EQ(back.Logo, "school.bmp");
  EXPECT_TRUE(back.CustomAbout);
  EXPECT_EQ(back.AboutWho, config.AboutWho);
  EXPECT_EQ(back.AboutUrl, config.AboutUrl);
  EXPECT_EQ(back.AboutMessage, config.AboutMessage);
  EXPECT_TRUE(back.FullScreen);
  EXPECT_EQ(back.HistoryPassword, "history");
  EXPECT_EQ(back.ExitPassword, "leave");
}

TEST_F(ClientConfigTest, StoredPasswordsAreTheCipherOfTheirText) {
  const TFirstByteSource previous = SetFirstByteSource([] { return 0x5Au; });
  ClientConfig config;
  config.HistoryPassword = "pw";
  SaveClientConfig(Path, config);
  SetFirstByteSource(previous);
  const std::string bytes = ReadBytes(Path);
  const std::size_t start = bytes.find("HISTORY=") + 8;
  const std::string stored = bytes.substr(start, bytes.find("\r\n", start) - start);
  EXPECT_EQ(stored.size(), 6u);
  EXPECT_EQ(stored.substr(0, 2), "5A");
  EXPECT_EQ(Decrypt(stored), "pw");
  EXPECT_NE(bytes.find("ONEXIT=\r\n"), std::string::npos) << "an empty password is stored empty";
}

TEST_F(ClientConfigTest, UndecipherablePasswordReadsAsBadDecodeAndIsEncipheredAgain) {
  WriteBytes(Path, "[SETTINGS]\r\nHISTORY=not hex\r\nONEXIT=ZZ\r\n");
  ClientConfig config = LoadClientConfig(Path);
  EXPECT_EQ(config.HistoryPassword, BadDecode);
  EXPECT_EQ(config.ExitPassword, BadDecode);
  SaveClientConfig(Path, config);
  EXPECT_EQ(LoadClientConfig(Path).HistoryPassword, BadDecode);
  EXPECT_EQ(ReadBytes(Path).find("not hex"), std::string::npos);
}

TEST_F(ClientConfigTest, FlagsAreTrueOnlyForNonZeroWholeNumbers) {
  const std::pair<const char*, bool> cases[] = {{"1", true},  {"5", true},    {"-1", true}, {"0x10", true},
                                                {"0", false}, {"yes", false}, {"", false},  {"1a", false}};
  for (const auto& [text, expected] : cases) {
    WriteBytes(Path, std::string("[SETTINGS]\r\nCUSTOMABOUT=") + text + "\r\nFULLSCREEN=" + text + "\r\n");
    const ClientConfig config = LoadClientConfig(Path);
    EXPECT_EQ(config.CustomAbout, expected) << text;
    EXPECT_EQ(config.FullScreen, expected) << text;
  }
}

TEST_F(ClientConfigTest, AboutTextsOfAnUnusedAboutBoxAreNotReadAndSaveEmptiesThem) {
  WriteBytes(Path,
             "[SETTINGS]\r\nCUSTOMABOUT=0\r\nABOUTWHO=Someone\r\nABOUTURL=http://x\r\n"
             "[ABOUTMESSAGE]\r\nHello\r\n");
  const ClientConfig config = LoadClientConfig(Path);
  EXPECT_TRUE(config.AboutWho.empty());
  EXPECT_TRUE(config.AboutUrl.empty());
  EXPECT_TRUE(config.AboutMessage.empty());

  SaveClientConfig(Path, config);
  const std::string bytes = ReadBytes(Path);
  EXPECT_NE(bytes.find("ABOUTWHO=\r\nABOUTURL=\r\n"), std::string::npos);
  EXPECT_EQ(bytes.find("ABOUTMESSAGE"), std::string::npos);
  EXPECT_EQ(bytes.find("Hello"), std::string::npos);
}

TEST_F(ClientConfigTest, ExistingKeysKeepTheirPlaceAndOtherContentSurvives) {
  WriteBytes(Path, "[ENGINE]\r\nCOLOR=blue\r\n[SETTINGS]\r\nONEXIT=\r\nEXTRA=kept\r\nLOGO=old.bmp\r\n");
  ClientConfig config;
  config.Logo = "new.bmp";
  SaveClientConfig(Path, config);
  EXPECT_EQ(
      ReadBytes(Path),
      "[ENGINE]\r\nCOLOR=blue\r\n\r\n[SETTINGS]\r\nONEXIT=\r\nEXTRA=kept\r\nLOGO=new.bmp\r\nCUSTOMABOUT=0\r\n"
      "ABOUTWHO=\r\nABOUTURL=\r\nFULLSCREEN=0\r\nHISTORY=\r\n\r\n");
}

TEST_F(ClientConfigTest, EmptyMessageLinesAreKeptAsBlanks) {
  ClientConfig config;
  config.CustomAbout = true;
  config.AboutMessage = {"First paragraph.", "", "Second paragraph."};
  SaveClientConfig(Path, config);
  EXPECT_NE(ReadBytes(Path).find("[ABOUTMESSAGE]\r\nFirst paragraph.\r\n \r\nSecond paragraph.\r\n"),
            std::string::npos);
  const TStrings expected{"First paragraph.", " ", "Second paragraph."};
  EXPECT_EQ(LoadClientConfig(Path).AboutMessage, expected);
}

TEST_F(ClientConfigTest, TextsThatWouldBreakTheFileAreKeptOnTheirLine) {
  ClientConfig config;
  config.CustomAbout = true;
  config.AboutWho = "Two\r\nlines";
  config.AboutUrl =
      "a\x1A"
      "b";
  config.AboutMessage = {"[Contact]", "mail me", "[x", "]"};
  config.ExitPassword = "exit";
  SaveClientConfig(Path, config);

  const ClientConfig back = LoadClientConfig(Path);
  EXPECT_EQ(back.AboutWho, "Two  lines");
  EXPECT_EQ(back.AboutUrl, "a b");
  const TStrings message{"[Contact] ", "mail me", "[x", "]"};
  EXPECT_EQ(back.AboutMessage, message);
  EXPECT_EQ(back.ExitPassword, "exit") << "nothing after the message may be lost";
}

TEST(LogoFileNameTest, KeepsTheTextAfterTheLastFolderSeparatorOrDriveColon) {
  EXPECT_EQ(LogoFileName("/home/t/logo.bmp"), "logo.bmp");
  EXPECT_EQ(LogoFileName("C:\\Pictures\\logo.bmp"), "logo.bmp");
  EXPECT_EQ(LogoFileName("D:logo.bmp"), "logo.bmp");
  EXPECT_EQ(LogoFileName("logo.bmp"), "logo.bmp");
  EXPECT_EQ(LogoFileName("pictures/"), "");
  EXPECT_EQ(LogoFileName(""), "");
}

TEST_F(ClientConfigTest, FileNamedInAnotherCaseIsTheOneReadAndWritten) {
  const std::string folder = Dir.Path().string();
  EXPECT_EQ(ClientConfigPath(folder), Path);

  const std::string upper = Dir.File("QWTEST.CFG");
  WriteBytes(upper, "[SETTINGS]\r\nFULLSCREEN=1\r\n");
  ASSERT_EQ(ClientConfigPath(folder), upper);
  ClientConfig config = LoadClientConfig(ClientConfigPath(folder));
  EXPECT_TRUE(config.FullScreen);
  config.Logo = "logo.bmp";
  SaveClientConfig(ClientConfigPath(folder), config);
  EXPECT_FALSE(std::filesystem::exists(Path)) << "no second file beside the first";
  EXPECT_NE(ReadBytes(upper).find("LOGO=logo.bmp\r\n"), std::string::npos);

  WriteBytes(Path, DefaultFile);
  EXPECT_EQ(ClientConfigPath(folder), Path) << "the exact spelling wins";
  EXPECT_EQ(ClientConfigPath((Dir.Path() / "missing").string()),
            (Dir.Path() / "missing" / "qwtest.cfg").string());
}

TEST_F(ClientConfigTest, FailedWriteIsReportedNotSwallowed) {
  ClientConfig config;
  config.Logo = "x.bmp";
  EXPECT_THROW(SaveClientConfig((Dir.Path() / "missing" / "qwtest.cfg").string(), config), TIoError);
}

}  // namespace
