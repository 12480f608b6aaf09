// Saving replaces the file atomically: these tests make each step fail in ways
// that also stop a privileged user, and check that the old file stays whole.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <functional>

#include "core/storage/IniStore.h"
#include "support/TempDir.h"

namespace {

const std::string OldContent = "[S]\r\nK=old value\r\n\r\n";

// Runs body in a forked child, so that limits set there stay there. Returns
// the child's exit code: body's result, 90 for an unexpected exception.
int ExitCodeInChild(const std::function<int()>& body) {
  const pid_t pid = ::fork();
  if (pid == 0) {
    int code = 90;
    try {
      code = body();
    } catch (...) {
    }
    ::_exit(code);
  }
  int status = 0;
  ::waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

// Changes the store and flushes it; 0 when the flush fails with a TIoError
// that names the file and the failed step, and the store stays modified.
int ExpectFailedFlush(TIniStore& store, const std::string& step) {
  store.WriteString("S", "K", std::string(100000, 'n'));
  try {
    store.UpdateFile();
    return 1;
  } catch (const TIoError& error) {
    if (error.Path != store.FileName()) return 2;
    if (std::string(error.what()).rfind(step, 0) != 0) return 3;
    if (!store.Modified) return 4;
    return 0;
  }
}

std::vector<std::string> FolderEntries(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

class IniStoreSaveTest : public testing::Test {
protected:
  void SetUp() override {
    Path = Dir.File("test.qwt");
    WriteBytes(Path, OldContent);
  }

  void ExpectOldFileWhole() {
    EXPECT_EQ(ReadBytes(Path), OldContent);
    EXPECT_EQ(FolderEntries(Dir.Path()), std::vector<std::string>{"test.qwt"}) << "no temporary file is left";
  }

  TTempDir Dir;
  std::string Path;
};

}  // namespace

TEST_F(IniStoreSaveTest, AFullDiskDuringTheWriteLeavesTheOldFile) {
  const int code = ExitCodeInChild([&] {
    TIniStore store(Path);
    ::signal(SIGXFSZ, SIG_IGN);  // the write then fails with EFBIG instead of killing the process
    const rlimit limit{4096, 4096};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    return ExpectFailedFlush(store, "Could not write");
  });
  EXPECT_EQ(code, 0);
  ExpectOldFileWhole();
}

TEST_F(IniStoreSaveTest, NoTemporaryFileToBeHadLeavesTheOldFile) {
  const int code = ExitCodeInChild([&] {
    TIniStore store(Path);
    // Lowest free descriptor as the limit: no further file can be opened.
    const int probe = ::open("/dev/null", O_RDONLY);
    ::close(probe);
    const rlimit limit{static_cast<rlim_t>(probe), static_cast<rlim_t>(probe)};
    ::setrlimit(RLIMIT_NOFILE, &limit);
    return ExpectFailedFlush(store, "Could not create a temporary file");
  });
  EXPECT_EQ(code, 0);
  ExpectOldFileWhole();
}

TEST_F(IniStoreSaveTest, AFolderStandingWhereTheFileWasCannotBeReplaced) {
  TIniStore store(Path);
  std::filesystem::remove(Path);
  std::filesystem::create_directory(Path);
  EXPECT_EQ(ExpectFailedFlush(store, "Could not replace"), 0);
  EXPECT_TRUE(std::filesystem::is_directory(Path));
  EXPECT_EQ(FolderEntries(Dir.Path()), std::vector<std::string>{"test.qwt"});
}

TEST_F(IniStoreSaveTest, AVanishedFolderIsReportedAndTheStoreStaysModified) {
  const std::string path = Dir.File("gone/test.qwt");
  std::filesystem::create_directory(Dir.File("gone"));
  TIniStore store(path);
  std::filesystem::remove(Dir.File("gone"));
  EXPECT_EQ(ExpectFailedFlush(store, "Could not create a temporary file"), 0);
  // Once the folder is back, the same store saves what it holds.
  std::filesystem::create_directory(Dir.File("gone"));
  store.UpdateFile();
  EXPECT_FALSE(store.Modified);
  EXPECT_EQ(ReadBytes(path).size(), 100000 + 11u);
}

TEST_F(IniStoreSaveTest, TheDestructorSwallowsAFailedFlush) {
  const std::string path = Dir.File("gone/test.qwt");
  EXPECT_NO_THROW({
    TIniStore store(path);
    store.WriteString("S", "K", "V");
  });
}

TEST_F(IniStoreSaveTest, AReadOnlyFileIsRefusedAsAWriteInPlaceWouldBe) {
  if (::geteuid() == 0) GTEST_SKIP() << "permissions do not bind a privileged user";
  ::chmod(Path.c_str(), 0444);
  TIniStore store(Path);
  EXPECT_EQ(ExpectFailedFlush(store, "Could not write"), 0);
  EXPECT_EQ(ReadBytes(Path), OldContent);
}

TEST_F(IniStoreSaveTest, TheSavedFileKeepsPermissionsAndLinks) {
  ::chmod(Path.c_str(), 0640);
  const std::string link = Dir.File("link.qwt");
  std::filesystem::create_symlink(Path, link);
  {
    TIniStore store(link);
    store.WriteString("S", "K", "new value");
    store.UpdateFile();
  }
  EXPECT_TRUE(std::filesystem::is_symlink(link));
  EXPECT_EQ(ReadBytes(Path), "[S]\r\nK=new value\r\n\r\n");
  struct stat info {};
  ASSERT_EQ(::stat(Path.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0640u);
  EXPECT_EQ(FolderEntries(Dir.Path()), (std::vector<std::string>{"link.qwt", "test.qwt"}));
}

TEST_F(IniStoreSaveTest, ANewFileGetsTheUsualPermissions) {
  const mode_t mask = ::umask(0022);
  {
    TIniStore store(Dir.File("new.qwt"));
    store.WriteString("S", "K", "V");
    store.UpdateFile();
  }
  ::umask(mask);
  struct stat info {};
  ASSERT_EQ(::stat(Dir.File("new.qwt").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0644u);
}

TEST_F(IniStoreSaveTest, ALongFileNameCanStillBeSaved) {
  const std::string path = Dir.File(std::string(250, 'n') + ".qwt");
  TIniStore store(path);
  store.WriteString("S", "K", "V");
  store.UpdateFile();
  EXPECT_EQ(ReadBytes(path), "[S]\r\nK=V\r\n\r\n");
}
