#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <random>
#include <thread>

#include "core/results/AttemptFile.h"
#include "core/results/ResultsFixture.h"
#include "core/results/ResultsStore.h"
#include "support/TempDir.h"

namespace {

constexpr int Files = 40;
constexpr int Questions = 8;

std::int64_t Count(TResultsStore& store, const char* sql) {
  auto statement = store.Database().Prepare(sql);
  statement->Step();
  return statement->Int(0);
}

// Collects drop into the store of tests in a child process, batchSize files a
// transaction; the child exits 0 when all went well.
pid_t StartCollector(const std::string& drop, const std::string& tests, const std::string& data,
                     std::size_t batchSize) {
  const pid_t child = ::fork();
  if (child == 0) {
    try {
      TOpenedStore opened = OpenResultsStore(tests, data);
      ResultsFolder::Collect(drop, *opened.Store, batchSize);
    } catch (const std::exception& error) {
      std::fprintf(stderr, "collector: %s\n", error.what());
      ::_exit(1);
    } catch (...) {
      ::_exit(1);
    }
    ::_exit(0);
  }
  return child;
}

// A collector killed after delay, or left to finish when delay is negative.
// Returns how long it lived.
std::chrono::microseconds RunCollector(const std::string& drop, const std::string& tests,
                                       const std::string& data, std::chrono::microseconds delay) {
  const auto start = std::chrono::steady_clock::now();
  const pid_t child = StartCollector(drop, tests, data, 5);
  if (delay.count() >= 0) {
    std::this_thread::sleep_for(delay);
    ::kill(child, SIGKILL);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start);
}

}  // namespace

// Collecting is killed at random moments, two hundred times: after each
// kill every stored attempt is whole (all its answers, nothing stray), the
// store opens undamaged, and a run to the end stores each file exactly once.
TEST(ResultsFolder, AnImportKilledAtAnyMomentStoresEachAttemptWhollyOrNotAtAll) {
  TTempDir dir;
  const std::string drop = dir.File("drop"), tests = dir.File("tests"), data = dir.File("data");
  std::filesystem::create_directories(drop);
  std::filesystem::create_directories(tests);
  for (int i = 0; i < Files; ++i)
    AttemptFile::Write(drop, ResultsFixture::Attempt("S" + std::to_string(i), "ABCDABCD",
                                                     std::string(Questions, "ABCD"[i % 4])));
  const auto whole = RunCollector(drop, tests, data, std::chrono::microseconds(-1));
  const std::string store = tests + "/" + ResultsFileName;
  std::mt19937 random(25);
  std::uniform_int_distribution<long> delay(0, std::min<long>(whole.count() * 5 / 4, 400000));
  int partial = 0;
  for (int kill = 0; kill < 200; ++kill) {
    RunCollector(drop, tests, data, std::chrono::microseconds(delay(random)));
    TOpenedStore opened = OpenResultsStore(tests, data);
    ASSERT_TRUE(opened.Notices.empty()) << opened.Notices[0];
    TResultsStore& results = *opened.Store;
    ASSERT_EQ(Count(results,
                    "SELECT COUNT(*) FROM attempts a WHERE (SELECT COUNT(*) FROM answers an"
                    " WHERE an.attempt_id = a.id) <> 8"),
              0);
    ASSERT_EQ(
        Count(results, "SELECT COUNT(*) FROM answers WHERE attempt_id NOT IN (SELECT id FROM attempts)"), 0);
    const auto attempts = results.Attempts({.WithAnswers = true});
    for (const TStoredAttempt& a : attempts) ASSERT_EQ(a.Asked, Questions);
    if (!attempts.empty() && attempts.size() < Files) ++partial;
    // A full store starts again, so that later kills still land mid-import.
    if (attempts.size() == Files) {
      opened.Store.reset();
      for (const char* suffix : {"", "-wal", "-shm"}) std::filesystem::remove(store + suffix);
    }
  }
  EXPECT_GT(partial, 0) << "no kill landed between two batches";

  RunCollector(drop, tests, data, std::chrono::microseconds(-1));
  TOpenedStore opened = OpenResultsStore(tests, data);
  EXPECT_EQ(opened.Store->Attempts({}).size(), static_cast<std::size_t>(Files));
  const ResultsFolder::TCollected again = ResultsFolder::Collect(drop, *opened.Store);
  EXPECT_EQ(again.Added, 0);
  EXPECT_EQ(again.Known, Files);
}

// Two programs collect one folder at the same moment: each attempt is stored
// once, and neither fails.
TEST(ResultsFolder, TwoCollectorsAtOnceStoreEachAttemptOnce) {
  TTempDir dir;
  const std::string drop = dir.File("drop"), tests = dir.File("tests"), data = dir.File("data");
  std::filesystem::create_directories(drop);
  std::filesystem::create_directories(tests);
  for (int i = 0; i < Files; ++i)
    AttemptFile::Write(drop, ResultsFixture::Attempt("S" + std::to_string(i), "AB", "AB"));
  const pid_t children[] = {StartCollector(drop, tests, data, 3), StartCollector(drop, tests, data, 3)};
  for (pid_t child : children) {
    int status = -1;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  TOpenedStore opened = OpenResultsStore(tests, data);
  EXPECT_EQ(opened.Store->Attempts({}).size(), static_cast<std::size_t>(Files));
}
