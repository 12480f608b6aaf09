#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "core/model/WorkingFolder.h"
#include "core/storage/IoError.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;

namespace {

// An installed layout (<prefix>/bin beside <prefix>/share/quizwell/examples
// holding two samples and a text that is no test), a build folder and a home.
class WorkingFolderTest : public ::testing::Test {
protected:
  void SetUp() override {
    fs::create_directories(Samples);
    fs::create_directories(Prefix / "bin");
    fs::create_directories(Build);
    fs::create_directories(Home);
    WriteBytes((Samples / "GEOGRAPHY.QWT").string(), "[SETTINGS]\r\nA=1\r\n");
    WriteBytes((Samples / "cells.qwt").string(), "[SETTINGS]\r\nB=2\r\n");
    WriteBytes((Samples / "NOTES.TXT").string(), "not a test");
  }

  TTempDir Dir;
  fs::path Prefix = Dir.Path() / "usr";
  fs::path Samples = Prefix / "share" / "quizwell" / "examples";
  std::string Installed = (Prefix / "bin").string();
  std::string Build = (Dir.Path() / "build" / "bin").string();
  std::string Home = (Dir.Path() / "home").string();
  std::string HomeFolder = Home + "/Quizwell";
};

TEST_F(WorkingFolderTest, DataFolderIsShareForAnInstalledProgramAndTheProgramFolderOtherwise) {
  EXPECT_EQ(WorkingFolder::DataFolder(Installed), (Prefix / "share" / "quizwell").string());
  EXPECT_TRUE(WorkingFolder::IsInstalled(Installed));
  EXPECT_EQ(WorkingFolder::DataFolder(Build), Build);  // a bin folder without share/quizwell beside it
  EXPECT_FALSE(WorkingFolder::IsInstalled(Build));
}

// A web page is taken from the folder the program was handed, then from the
// installed files, and is named where it was first looked for when neither has it.
TEST_F(WorkingFolderTest, WebPagesAreFoundBesideTheProgramThenWithTheInstalledFiles) {
  const fs::path installedWeb = Prefix / "share" / "quizwell" / "help" / "web";
  fs::create_directories(installedWeb);
  fs::create_directories(Build + "/help/web");
  WriteBytes((installedWeb / "tips.html").string(), "installed");
  WriteBytes((installedWeb / "home.html").string(), "installed");
  WriteBytes(Build + "/help/web/home.html", "beside");
  EXPECT_EQ(WorkingFolder::WebPage(Build, Installed, "home.html"), Build + "/help/web/home.html");
  EXPECT_EQ(WorkingFolder::WebPage(Build, Installed, "tips.html"), (installedWeb / "tips.html").string());
  EXPECT_EQ(WorkingFolder::WebPage(Build, Installed, "none.html"), Build + "/help/web/none.html");
}

TEST_F(WorkingFolderTest, WritableBuildFolderIsKeptAndNothingIsMadeInHome) {
  const auto folder = WorkingFolder::Resolve(Build, true, Home, Samples.string());
  EXPECT_EQ(folder.Path, Build);
  EXPECT_FALSE(folder.InHome);
  EXPECT_FALSE(fs::exists(HomeFolder));
}

// A read-only program folder, and an installed one even when writable (root
// running /usr/bin), both use the home folder.
TEST_F(WorkingFolderTest, FirstRunMakesHomeFolderWithTestSamplesOnlyAndLaterRunsCopyNothing) {
  for (const auto& [program, writable] : {std::pair{Build, false}, std::pair{Installed, true}}) {
    fs::remove_all(HomeFolder);
    const auto first = WorkingFolder::Resolve(program, writable, Home + "/", Samples.string());
    EXPECT_EQ(first.Path, HomeFolder);
    EXPECT_TRUE(first.InHome);
    EXPECT_EQ(first.SamplesCopied, 2);
    EXPECT_EQ(ReadBytes(HomeFolder + "/GEOGRAPHY.QWT"), "[SETTINGS]\r\nA=1\r\n");
    EXPECT_EQ(ReadBytes(HomeFolder + "/cells.qwt"), "[SETTINGS]\r\nB=2\r\n");
    EXPECT_FALSE(fs::exists(HomeFolder + "/NOTES.TXT"));

    // A sample the user deleted stays deleted.
    fs::remove(HomeFolder + "/GEOGRAPHY.QWT");
    const auto second = WorkingFolder::Resolve(program, writable, Home, Samples.string());
    EXPECT_EQ(second.Path, HomeFolder);
    EXPECT_EQ(second.SamplesCopied, 0);
    EXPECT_FALSE(fs::exists(HomeFolder + "/GEOGRAPHY.QWT"));
  }
}

TEST_F(WorkingFolderTest, MissingSamplesGiveAnEmptyFolderAndAFileInTheWayIsAnError) {
  const auto folder = WorkingFolder::Resolve(Installed, false, Home, (Dir.Path() / "none").string());
  EXPECT_TRUE(fs::is_directory(HomeFolder));
  EXPECT_EQ(folder.SamplesCopied, 0);

  fs::remove_all(HomeFolder);
  WriteBytes(HomeFolder, "a file named like the folder");
  EXPECT_THROW(WorkingFolder::Resolve(Installed, false, Home, Samples.string()), TIoError);
  EXPECT_EQ(ReadBytes(HomeFolder), "a file named like the folder");
}

// The program folder is used instead, and the reason is kept for the user.
TEST_F(WorkingFolderTest, FallingBackToTheProgramFolderKeepsTheReason) {
  WriteBytes(HomeFolder, "a file named like the folder");
  const char* savedHome = std::getenv("HOME");
  const std::string saved = savedHome ? savedHome : "";
  ::setenv("HOME", Home.c_str(), 1);
  const auto folder = WorkingFolder::ForProgram(Installed);
  if (savedHome) ::setenv("HOME", saved.c_str(), 1);
  EXPECT_EQ(folder.Path, Installed);
  EXPECT_NE(folder.FallbackReason.find("a file, not a folder, has that name"), std::string::npos)
      << folder.FallbackReason;
  EXPECT_TRUE(WorkingFolder::ForProgram(Build).FallbackReason.empty());
}

}  // namespace
