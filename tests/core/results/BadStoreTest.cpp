#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <iterator>

#include "core/results/AttemptFile.h"
#include "core/results/ResultsFixture.h"
#include "core/results/ResultsStore.h"
#include "core/results/SqliteDatabase.h"
#include "core/storage/IoError.h"
#include "support/ScratchMount.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;

namespace {

constexpr int Files = 30;

std::int64_t Value(TDatabase& db, const char* sql) {
  auto statement = db.Prepare(sql);
  statement->Step();
  return statement->Int(0);
}

// A results folder of attempt files and the store of a test folder, whose
// collecting fails while a fault holds and is then run again.
class BadStoreTest : public testing::Test {
protected:
  void SetUp() override {
    fs::create_directories(Drop);
    for (int i = 0; i < Files; ++i)
      AttemptFile::Write(Drop, ResultsFixture::Attempt("S" + std::to_string(i), "ABCD", "AB-D"));
  }

  // Collects into store while the fault is on: refused with a message holding
  // reason, the batches before the fault whole, every file left; then, once
  // the fault is lifted, each attempt stored exactly once.
  void ExpectNothingLost(TResultsStore& store, const std::string& reason, const std::function<void()>& lift) {
    try {
      ResultsFolder::Collect(Drop, store, 7);
      ADD_FAILURE() << "collected into a store that cannot be written";
    } catch (const TIoError& error) {
      EXPECT_EQ(error.Path, store.Name());
      EXPECT_NE(error.Reason.find(reason), std::string::npos) << error.what();
    }
    EXPECT_EQ(FilesLeft(), Files);
    lift();
    const int stored = static_cast<int>(store.Attempts({}).size());
    EXPECT_EQ(stored % 7, 0) << "a batch was stored in part";
    EXPECT_EQ(ResultsFolder::Collect(Drop, store).Added, Files - stored);
    EXPECT_EQ(ResultsFolder::Collect(Drop, store).Known, Files);
    EXPECT_EQ(Value(store.Database(), "SELECT COUNT(*) FROM answers"), Files * 4);
  }
  int FilesLeft() const { return static_cast<int>(std::distance(fs::directory_iterator(Drop), {})); }

  TTempDir Dir;
  const std::string Drop = Dir.File("drop");
  const std::string Data = Dir.File("data");
};

}  // namespace

// Another program holds the write lock: collecting waits a bounded time, then
// says the store is in use, and the files wait for the next collect.
TEST_F(BadStoreTest, AStoreAnotherProgramHoldsIsWaitedForThenLeftToTheNextCollect) {
  TOpenedStore holder = OpenResultsStore(Dir.Path().string(), Data);
  TResultsStore store(Sqlite::Open(holder.Path, 100));
  auto lock = std::make_unique<TTransaction>(holder.Store->Database());
  ExpectNothingLost(store, "in use by another program", [&] {
    lock->Commit();
    lock.reset();
  });
}

// A store that may only be read, and a disk that fills up in the middle of a
// batch: the real errors of the database, each a clear message.
TEST_F(BadStoreTest, AReadOnlyStoreOrAFullDiskLosesNothing) {
  {
    TOpenedStore opened = OpenResultsStore(Dir.Path().string(), Data);
    opened.Store->Database().Execute("PRAGMA query_only = 1");
    ExpectNothingLost(*opened.Store, "may not be written",
                      [&] { opened.Store->Database().Execute("PRAGMA query_only = 0"); });
  }
  fs::remove(Dir.File("Results.sqlite"));
  TOpenedStore opened = OpenResultsStore(Dir.Path().string(), Data);
  TDatabase& db = opened.Store->Database();
  // No room beyond the pages the store has: the disk fills after a few batches.
  db.Execute("PRAGMA max_page_count = " + std::to_string(Value(db, "PRAGMA page_count")));
  ExpectNothingLost(*opened.Store, "the disk is full",
                    [&] { db.Execute("PRAGMA max_page_count = 1000000"); });
  EXPECT_EQ(Sqlite::Open(opened.Path)->Name(), opened.Path) << "the store is whole after the full disk";
}

// A real disk that fills while attempts are stored: the write that finds no
// room is refused with a sentence, and the store on the full disk opens and
// reads, for a reader and a writer alike, with every attempt stored before.
TEST(FullDisk, LeavesTheStoreReadable) {
  TTempDir dir;
  const TScratchMount disk = TScratchMount::Tmpfs(dir.File("disk"), 256 * 1024);
  if (!disk.Ready()) GTEST_SKIP() << "no tmpfs could be mounted: " << disk.Reason;
  const std::string path = dir.File("disk/Results.sqlite");
  std::size_t stored = 0;
  try {
    TResultsStore store(Sqlite::Open(path));
    for (;; ++stored)
      store.Add(
          ResultsFixture::Attempt("S" + std::to_string(stored), std::string(40, 'A'), std::string(40, 'B')),
          std::to_string(stored));
  } catch (const TIoError& error) {
    EXPECT_NE(error.Reason.find("the disk is full"), std::string::npos) << error.what();
  }
  ASSERT_GT(stored, 0u);
  EXPECT_EQ(ReadResultsFile(path)->Attempts({.WithAnswers = true}).size(), stored);
  TResultsStore again(Sqlite::Open(path));
  EXPECT_EQ(again.Attempts({}).size(), stored);
}
