// Hostile files load in linear time, a store writes nothing behind a failed
// save or a passing exception, and a save killed at any moment leaves the old
// file or the new one, whole.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <random>
#include <stdexcept>
#include <thread>

#include "core/model/TestFile.h"
#include "core/storage/AtomicFile.h"
#include "core/storage/IniStore.h"
#include "core/storage/IoError.h"
#include "support/InjectedFault.h"
#include "support/TempDir.h"

namespace {

std::vector<std::string> FolderNames(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

// ---------------------------------------------------------------------------
// 10 MB of one shape repeated: a loader quadratic in the repetitions takes
// minutes on these.

struct THostileShape {
  const char* Name;
  const char* Head;
  const char* Unit;
  const char* Section;  // read back after the load
  const char* Key;
  const char* Value;
};

class HostileFileTest : public testing::TestWithParam<THostileShape> {};

TEST_P(HostileFileTest, LoadsInLinearTimeAndKeepsTheFirstOccurrence) {
  const THostileShape& shape = GetParam();
  TTempDir dir;
  const std::string path = dir.File("HOSTILE.QWT");
  std::string bytes = shape.Head;
  const std::string unit = shape.Unit;
  while (bytes.size() < (10u << 20)) bytes += unit;
  WriteBytes(path, bytes);

  const auto start = std::chrono::steady_clock::now();
  TIniStore store(path);
  const std::string description = TestFile::ReadStoredDescription(path);
  const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  // Well under a second in an optimized build (make bench measures it); the
  // margin is for sanitizer builds. A quadratic load takes hours on these.
  EXPECT_LT(seconds, 10.0) << shape.Name;
  EXPECT_EQ(store.ReadString(shape.Section, shape.Key, "absent"), shape.Value);
  EXPECT_EQ(description, "");
  TStrings names;
  store.ReadSections(names);
  EXPECT_LE(names.size(), 2u) << "one section of each name survives";
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, HostileFileTest,
    testing::Values(THostileShape{"OneHeader", "", "[S]\r\n", "S", "K", "absent"},
                    THostileShape{"QuestionHeaderAndKey", "[S]\r\nK=first\r\n", "[QA1]\r\nQUESTION=x\r\n",
                                  "QA1", "QUESTION", "x"},
                    THostileShape{"OneKey", "[S]\r\nK=first\r\n", "K=later\r\n", "S", "K", "first"},
                    THostileShape{"MixedCaseHeaders", "", "[s]\r\nK=1\r\n[S]\r\nK=2\r\n", "S", "K", "1"},
                    THostileShape{"UnbrokenLine", "[S]\r\nK=", "x", "S", "NONE", "absent"}),
    [](const testing::TestParamInfo<THostileShape>& info) { return std::string(info.param.Name); });

TEST(HostileFileTest, TheCatalogueGivesUpAfterAMegabyteWithoutTheDescription) {
  TTempDir dir;
  const std::string near = dir.File("NEAR.QWT");
  const std::string far = dir.File("FAR.QWT");
  const std::string filler = "[JUNK]\r\n" + std::string(TestFile::DescriptionSearchLimit - 100, 'x') + "\r\n";
  WriteBytes(near, filler + "[SETTINGS]\r\nDESC=8481\r\n");
  WriteBytes(far, filler + std::string(200, 'y') + "\r\n[SETTINGS]\r\nDESC=8481\r\n");
  EXPECT_EQ(TestFile::ReadStoredDescription(near), "8481");
  EXPECT_EQ(TestFile::ReadStoredDescription(far), "");
}

// ---------------------------------------------------------------------------
// A UTF-8 byte-order mark before the first header

TEST(ByteOrderMarkTest, IsSkippedByTheStoreAndTheCatalogue) {
  TTempDir dir;
  const std::string path = dir.File("BOM.TXT");
  WriteBytes(path, "\xEF\xBB\xBF[SETTINGS]\r\nDESC=Rivers\r\n\r\n[QA1]\r\nQUESTION=Q\r\n");
  TIniStore store(path);
  EXPECT_EQ(store.ReadString("SETTINGS", "DESC", "absent"), "Rivers");
  EXPECT_EQ(TestFile::ReadStoredDescription(path), "Rivers");
  TLoadOptions options;
  options.TrimLineEnds = true;
  TIniStore trimmed(path, options);
  EXPECT_EQ(trimmed.ReadString("SETTINGS", "DESC", "absent"), "Rivers");
  // Only at the start: elsewhere the bytes are text like any other.
  WriteBytes(path, "[S]\r\nK=\xEF\xBB\xBFv\r\n");
  TIniStore inner(path);
  EXPECT_EQ(inner.ReadString("S", "K", ""), "\xEF\xBB\xBFv");
}

// ---------------------------------------------------------------------------
// The destructor's flush

const std::string Old = "[S]\r\nK=old\r\n\r\n";

TEST(StoreDestructorTest, WritesNothingAfterAFailedSave) {
  TTempDir dir;
  const std::string path = dir.File("T.QWT");
  WriteBytes(path, Old);
  {
    TIniStore store(path);
    store.WriteString("S", "K", "new");
    {
      TInjectedFault fault(AtomicFileFaults::TStep::Rename);
      EXPECT_THROW(store.UpdateFile(), TIoError);
    }
  }
  EXPECT_EQ(ReadBytes(path), Old);
}

TEST(StoreDestructorTest, WritesNothingWhileAnExceptionPasses) {
  TTempDir dir;
  const std::string path = dir.File("T.QWT");
  WriteBytes(path, Old);
  EXPECT_THROW(
      {
        TIniStore store(path);
        store.ClearSections();
        store.WriteString("S", "K", "half built");
        throw std::runtime_error("out of memory halfway");
      },
      std::runtime_error);
  EXPECT_EQ(ReadBytes(path), Old);
  // A store made while an exception is handled still flushes as usual.
  try {
    throw std::runtime_error("earlier");
  } catch (const std::runtime_error&) {
    TIniStore store(path);
    store.WriteString("S", "K", "new");
  }
  EXPECT_EQ(ReadBytes(path), "[S]\r\nK=new\r\n\r\n");
}

// ---------------------------------------------------------------------------
// Killed saves

// A 500-question test's bytes, every value marked with tag.
std::string BigTest(char tag) {
  std::string text = "[SETTINGS]\r\nDESC=" + std::string(40, tag) + "\r\n\r\n";
  for (int n = 1; n <= 500; ++n) {
    text += "[QA" + std::to_string(n) + "]\r\n";
    for (const char* key : {"QUESTION", "A", "B", "C", "D", "E", "F", "CORRECT"})
      text += std::string(key) + "=" + std::string(60, tag) + "\r\n";
    text += "\r\n";
  }
  return text;
}

TEST(KilledSaveTest, LeavesTheOldOrTheNewFileWholeAndNoTemporaryFile) {
  TTempDir dir;
  const std::string path = dir.File("BIG.QWT");
  const std::string versions[] = {BigTest('a'), BigTest('b')};
  WriteBytes(path, versions[0]);
  std::mt19937 random(14);
  int leftovers = 0;
  for (int round = 0; round < 200; ++round) {
    const pid_t child = ::fork();
    if (child == 0) {
      for (unsigned i = 1;; ++i) ReplaceFileAtomically(path, versions[i % 2]);
    }
    ::usleep(std::uniform_int_distribution<unsigned>(0, 3000)(random));
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    const std::string bytes = ReadBytes(path);
    ASSERT_TRUE(bytes == versions[0] || bytes == versions[1]) << "round " << round << ": " << bytes.size();
    leftovers += FolderNames(dir.Path()).size() > 1;
  }
  // A kill between naming the temporary file and renaming it leaves the name
  // for a moment; the sweep clears it.
  RemoveSaveLeftovers(dir.Path());
  EXPECT_EQ(FolderNames(dir.Path()), std::vector<std::string>{"BIG.QWT"});
  RecordProperty("KillsThatLeftAName", leftovers);
}

TEST(KilledSaveTest, ANameOfALiveProcessAndOtherNamesAreKept) {
  TTempDir dir;
  const std::string mine = ".qw" + std::to_string(::getppid()) + "-7.tmp";
  WriteBytes(dir.File(mine), "in use");
  WriteBytes(dir.File("notes.tmp"), "not ours");
  ReplaceFileAtomically(dir.File("T.QWT"), Old);
  RemoveSaveLeftovers(dir.Path());
  EXPECT_EQ(FolderNames(dir.Path()), (std::vector<std::string>{mine, "T.QWT", "notes.tmp"}));
}

// ---------------------------------------------------------------------------
// Files that are no regular files

mode_t TypeOf(const std::string& path) {
  struct stat info {};
  return ::lstat(path.c_str(), &info) == 0 ? (info.st_mode & S_IFMT) : 0;
}

// A device or a pipe is written into and stays what it was; renaming over it
// would have left a regular file in its place.
TEST(SpecialFileTest, DevicesAndPipesAreWrittenInPlaceAndOtherSpecialFilesRefused) {
  TTempDir dir;
  const std::string null = dir.File("null"), pipe = dir.File("pipe"), disk = dir.File("disk");
  if (::mknod(null.c_str(), S_IFCHR | 0666, ::makedev(1, 3)) != 0 ||
      ::mknod(disk.c_str(), S_IFBLK | 0600, ::makedev(7, 0)) != 0)
    GTEST_SKIP() << "cannot make device files here (" << std::strerror(errno) << ")";
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);

  ReplaceFileAtomically(null, "gone");
  EXPECT_EQ(TypeOf(null), S_IFCHR);

  std::string received;
  std::thread reader([&] { received = ReadBytes(pipe); });
  ReplaceFileAtomically(pipe, "through the pipe");
  reader.join();
  EXPECT_EQ(received, "through the pipe");
  EXPECT_EQ(TypeOf(pipe), S_IFIFO);

  EXPECT_THROW(ReplaceFileAtomically(disk, "never"), TIoError);
  EXPECT_EQ(TypeOf(disk), S_IFBLK);
  EXPECT_EQ(FolderNames(dir.Path()), (std::vector<std::string>{"disk", "null", "pipe"}));
}

}  // namespace
