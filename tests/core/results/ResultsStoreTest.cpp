#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/wait.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "core/results/ResultsFixture.h"
#include "core/results/ResultsStore.h"
#include "core/results/SqliteDatabase.h"
#include "core/storage/IoError.h"
#include "support/PostgresStore.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;
using ResultsFixture::Attempt;

// The store's behaviour on each database it runs on.
using ResultsStoreOn = TStoreBackendTest;
INSTANTIATE_TEST_SUITE_P(Each, ResultsStoreOn,
                         testing::Values(TStoreBackend::Sqlite, TStoreBackend::Postgres), BackendName);

namespace {

std::string Shell(const std::string& command) {
  std::string out;
  if (std::FILE* pipe = ::popen(command.c_str(), "r")) {
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
    ::pclose(pipe);
  }
  return out;
}

}  // namespace

TEST_P(ResultsStoreOn, KeepsEachAttemptOnceWithMarksFromTheKey) {
  TOpenedStore opened = Open();
  if (!Schema) {
    EXPECT_EQ(opened.Path, Dir.File("Results.sqlite"));
  }
  EXPECT_TRUE(opened.Notices.empty());
  TAttempt ann = Attempt("Ann", "ABCD", "AB-A");
  ann.Source = TAttemptSource::Paper;
  ann.Version = 'B';
  ann.Seed = "123456";
  ann.StudentNumber = "S-17";
  EXPECT_TRUE(opened.Store->Add(ann, "id-1"));
  EXPECT_FALSE(opened.Store->Add(ann, "id-1"));  // the same file again
  EXPECT_TRUE(opened.Store->Add(Attempt("Bob", "ABCD", "ABCD", "2026-12-02 10:00:00"), "id-2"));

  const auto attempts = opened.Store->Attempts({.TestFile = "CH2.QWT", .WithAnswers = true});
  ASSERT_EQ(attempts.size(), 2u);
  const TStoredAttempt& a = attempts[0];
  EXPECT_EQ(a.Student, "Ann");
  EXPECT_EQ(a.StudentNumber, "S-17");
  EXPECT_EQ(a.Source, TAttemptSource::Paper);
  EXPECT_EQ(a.Version, 'B');
  EXPECT_EQ(a.Seed, "123456");
  EXPECT_EQ(a.Asked, 4);
  EXPECT_EQ(a.Right, 2);  // A and B right, a blank and a wrong D
  ASSERT_EQ(a.Answers.size(), 4u);
  EXPECT_EQ(a.Answers[2].Chosen, 0);
  EXPECT_EQ(a.Answers[3].Chosen, Scoring::LettersOf("A"));
  EXPECT_FALSE(a.Answers[3].Right);
  EXPECT_EQ(attempts[1].Right, 4);

  // A store opened again holds the same.
  opened.Store.reset();
  TOpenedStore again = Open();
  EXPECT_EQ(again.Store->Attempts({}).size(), 2u);
  EXPECT_TRUE(again.Store->Holds("id-2"));
}

TEST_P(ResultsStoreOn, RefusesAnAttemptThatDoesNotHoldTogether) {
  TOpenedStore opened = Open();
  TAttempt bad = Attempt("Ann", "AB", "AB");
  bad.Answered[1].Number = 7;  // no snapshot of question 7
  EXPECT_THROW(opened.Store->Add(bad, "bad"), std::invalid_argument);
  // A batch with one bad attempt stores none of it.
  EXPECT_THROW(opened.Store->AddAll({{Attempt("Bob", "AB", "AB"), "good"}, {bad, "bad"}}),
               std::invalid_argument);
  EXPECT_TRUE(opened.Store->Attempts({.WithDeleted = true}).empty());
  EXPECT_TRUE(opened.Store->Add(Attempt("Bob", "AB", "AB"), "good"));
}

TEST_P(ResultsStoreOn, FiltersAndDeletesWithUndo) {
  TOpenedStore opened = Open();
  TResultsStore& store = *opened.Store;
  store.Add(Attempt("Ann", "AB", "AB", "2026-11-30 09:00:00"), "1");
  TAttempt bob = Attempt("Bob", "AB", "A-", "2026-12-01 09:00:00");
  bob.Source = TAttemptSource::Scan;
  bob.Class = "7C";
  store.Add(bob, "2");
  store.Add(Attempt("Cy", "AB", "BA", "2026-12-03 09:00:00"), "3");

  auto names = [&](const TResultsFilter& filter) {
    std::string text;
    for (const TStoredAttempt& a : store.Attempts(filter)) text += a.Student + " ";
    return text;
  };
  EXPECT_EQ(names({}), "Ann Bob Cy ");
  EXPECT_EQ(names({.Since = "2026-12-01"}), "Bob Cy ");
  EXPECT_EQ(names({.Until = "2026-12-01"}), "Ann ");
  EXPECT_EQ(names({.Source = TAttemptSource::Scan}), "Bob ");
  EXPECT_EQ(names({.Class = "7B"}), "Ann Cy ");
  EXPECT_EQ(names({.TestFile = "OTHER.QWT"}), "");

  const std::int64_t bobId = store.Attempts({.Class = "7C"}).at(0).Id;
  EXPECT_TRUE(store.SetDeleted(bobId, true));
  EXPECT_EQ(names({}), "Ann Cy ");
  const auto all = store.Attempts({.WithDeleted = true});
  ASSERT_EQ(all.size(), 3u);
  EXPECT_TRUE(all[1].Deleted);
  EXPECT_TRUE(store.SetDeleted(bobId, false));
  EXPECT_EQ(names({}), "Ann Bob Cy ");
  EXPECT_FALSE(store.SetDeleted(9999, true));
}

// Key of question 2 changes from B to C, then to "B or C, any passes", then
// back to B. Ann chose B, Bob C, Cy D.
TEST_P(ResultsStoreOn, RegradeKeepsTheFirstScoreBesideTheNewOne) {
  TOpenedStore opened = Open();
  TResultsStore& store = *opened.Store;
  store.Add(Attempt("Ann", "AB", "AB"), "1");
  store.Add(Attempt("Bob", "AB", "AC"), "2");
  store.Add(Attempt("Cy", "AB", "AD"), "3");
  auto scores = [&] {
    std::string text;
    for (const TStoredAttempt& a : store.Attempts({}))
      text += std::to_string(a.FirstRight) + "/" + std::to_string(a.Right) + " ";
    return text;
  };
  auto current = ResultsFixture::Questions("AC");
  EXPECT_TRUE(store.KeyChanges("CH2.QWT", ResultsFixture::Questions("AB")).empty());
  const auto changes = store.KeyChanges("CH2.QWT", current);
  ASSERT_EQ(changes.size(), 1u);
  EXPECT_EQ(changes[0].Number, 2);
  EXPECT_EQ(changes[0].OldCorrect, Scoring::LettersOf("B"));
  EXPECT_EQ(changes[0].NewCorrect, Scoring::LettersOf("C"));
  EXPECT_EQ(changes[0].Attempts, 3);

  EXPECT_EQ(store.Regrade("CH2.QWT", current), 3);
  EXPECT_EQ(scores(), "2/1 1/2 1/1 ");
  EXPECT_TRUE(store.KeyChanges("CH2.QWT", current).empty());

  current[1].Correct = Scoring::LettersOf("BC");
  current[1].AnyCorrectPasses = true;
  ASSERT_EQ(store.KeyChanges("CH2.QWT", current).size(), 1u);  // the rule counts as a key change
  store.Regrade("CH2.QWT", current);
  EXPECT_EQ(scores(), "2/2 1/2 1/1 ");

  EXPECT_EQ(store.Regrade("CH2.QWT", ResultsFixture::Questions("AB")), 3);
  EXPECT_EQ(scores(), "2/2 1/1 1/1 ");
  // Attempts of a later key are regraded apart from the earlier ones.
  store.Add(Attempt("Di", "AC", "AC"), "4");
  EXPECT_EQ(store.KeyChanges("CH2.QWT", ResultsFixture::Questions("AB")).at(0).Attempts, 1);
}

TEST(ResultsStore, MovesADamagedStoreAsideAndStartsAnew) {
  TTempDir dir;
  const std::string garbage(4096, 'x');
  WriteBytes(dir.File("Results.sqlite"), garbage);
  TOpenedStore opened = OpenResultsStore(dir.Path().string(), dir.File("data"));
  ASSERT_EQ(opened.Notices.size(), 1u);
  std::string aside;
  for (const auto& entry : std::filesystem::directory_iterator(dir.Path()))
    if (entry.path().filename().string().starts_with("Results.sqlite.damaged-"))
      aside = entry.path().string();
  ASSERT_FALSE(aside.empty());
  EXPECT_EQ(ReadBytes(aside), garbage);
  EXPECT_NE(opened.Notices[0].find(dir.File("Results.sqlite")), std::string::npos);
  EXPECT_NE(opened.Notices[0].find(aside), std::string::npos);
  EXPECT_TRUE(opened.Store->Add(Attempt("Ann", "AB", "AB"), "1"));
}

// A store keeps its schema's version and the oldest schema it stays
// compatible with: a program uses a store a newer one only added to, and
// refuses only one whose compatible version is above its own. A store made
// before the versions were kept so is brought forward.
// Damage further in the file than its header and schema: a reader names it
// and leaves the store as it is; a writer that meets it sets the store aside
// and writes to a new one, and what the store set aside still holds reads.
TEST(ResultsStore, OnlyAWriterSetsADamagedStoreAside) {
  TTempDir dir;
  const std::string path = dir.File("Results.sqlite");
  OpenResultsStore(dir.Path().string(), dir.File("data")).Store->Add(Attempt("Ann", "AB", "AB"), "1");
  ResultsFixture::DamagePage(path, "attempts");
  const std::string damaged = ReadBytes(path);
  EXPECT_THROW(ReadResultsStore(dir.Path().string(), dir.File("data")).Store->Attempts({}), TSqliteDamaged);
  EXPECT_EQ(ReadBytes(path), damaged);

  fs::remove(path);
  OpenResultsStore(dir.Path().string(), dir.File("data")).Store->Add(Attempt("Ann", "AB", "AB"), "1");
  ResultsFixture::DamagePage(path, "answers");
  const TOpenedStore written =
      WriteResultsStore(dir.Path().string(), dir.File("data"),
                        [](TResultsStore& store) { store.Add(Attempt("Bo", "AB", "BB"), "2"); });
  ASSERT_EQ(written.Notices.size(), 1u);
  const std::string aside = written.Notices[0].substr(written.Notices[0].find(path + ".damaged-"));
  const auto students = [](TResultsStore& store) {
    std::string names;
    for (const TStoredAttempt& a : store.Attempts({.WithAnswers = true})) names += a.Student + " ";
    return names;
  };
  EXPECT_EQ(students(*written.Store), "Bo ");
  EXPECT_EQ(students(*ReadResultsFile(aside.substr(0, aside.find('"')))), "Ann ");
}

TEST_P(ResultsStoreOn, OpensAStoreANewerProgramOnlyAddedTo) {
  const auto value = [&](const std::string& sql) {
    const TOpenedStore opened = Open();
    auto row = opened.Store->Database().Prepare(sql);
    return row->Step() ? row->Int(0) : -1;
  };
  {
    TOpenedStore opened = Open();
    opened.Store->Add(Attempt("Ann", "AB", "AB"), "1");
    TDatabase& db = opened.Store->Database();
    db.Execute("DROP TABLE store_meta");
    db.Execute("DROP TABLE collected_files");
    db.Execute("ALTER TABLE print_runs DROP COLUMN draw");
    db.Execute("UPDATE store_version SET version = 2");
  }
  EXPECT_EQ(value("SELECT value FROM store_meta WHERE name = 'version'"), TResultsStore::SchemaVersion);
  EXPECT_EQ(value("SELECT value FROM store_meta WHERE name = 'last compatible version'"), 1);
  // What programs made before the meta table compare with their own version.
  EXPECT_EQ(value("SELECT version FROM store_version"), 2);

  Open().Store->Database().Execute("UPDATE store_meta SET value = 9 WHERE name = 'version'");
  Open().Store->Database().Execute("CREATE TABLE added_later (id INTEGER)");
  EXPECT_EQ(Open().Store->Attempts({}).size(), 1u);
  EXPECT_EQ(value("SELECT value FROM store_meta WHERE name = 'version'"), 9) << "the store was turned back";

  Open().Store->Database().Execute("UPDATE store_meta SET value = 9 WHERE name = 'last compatible version'");
  try {
    Open();
    FAIL() << "a store this program cannot use was opened";
  } catch (const TIoError& error) {
    EXPECT_NE(std::string(error.what()).find("newer version"), std::string::npos) << error.what();
  }
}

// Older programs stored "café.qwt" (UTF-8 on the disk) as "cafÃ©.qwt": the
// store finds the test's attempts, with their answers, by its own name again.
TEST_P(ResultsStoreOn, AStoreOfOlderProgramsFindsATestByTheNameItHasOnTheDisk) {
  {
    TOpenedStore opened = Open();
    TAttempt attempt = Attempt("Zoë", "AB", "AB");
    attempt.TestFile = "café.qwt";
    opened.Store->Add(attempt, "1");
    TDatabase& db = opened.Store->Database();
    for (const char* table : {"tests", "questions"})
      db.Execute(std::string("UPDATE ") + table + " SET file_name = 'cafÃ©.qwt'");
    // A store of schema 4 had not yet the print runs' draw either.
    db.Execute("ALTER TABLE print_runs DROP COLUMN draw");
    db.Execute("UPDATE store_meta SET value = 4 WHERE name = 'version'");
  }
  const std::vector<TStoredAttempt> attempts =
      Open().Store->Attempts({.TestFile = "café.qwt", .WithAnswers = true});
  ASSERT_EQ(attempts.size(), 1u);
  EXPECT_EQ(attempts[0].TestFile, "café.qwt");
  EXPECT_EQ(attempts[0].Student, "Zoë");
  EXPECT_EQ(attempts[0].Right, 2);
}

// Another program holds the write lock: after waiting, the write is refused
// with a message that says so, and nothing of it is stored.
TEST(ResultsStore, SaysSoWhenAnotherProgramHoldsTheStore) {
  TTempDir dir;
  TOpenedStore opened = OpenResultsStore(dir.Path().string(), dir.File("data"));
  TResultsStore waiting(Sqlite::Open(opened.Path, 100));
  TTransaction holder(opened.Store->Database());
  try {
    waiting.Add(Attempt("Ann", "AB", "AB"), "1");
    FAIL() << "wrote past another program's lock";
  } catch (const TIoError& error) {
    EXPECT_EQ(error.Path, opened.Path);
    EXPECT_NE(error.Reason.find("in use by another program"), std::string::npos) << error.what();
  }
  holder.Commit();
  EXPECT_TRUE(waiting.Attempts({}).empty());
  EXPECT_TRUE(waiting.Add(Attempt("Ann", "AB", "AB"), "1"));
}

// A test folder in memory (tmpfs) is this machine's own: its store lies beside
// the tests, as on any local disk, and nothing is said about it.
TEST(ResultsStore, KeepsItsStoreBesideTheTestsOnATmpfs) {
  TTempDir dir;
  const std::string folder = dir.File("tests");
  std::filesystem::create_directory(folder);
  if (::mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=4m") != 0)
    GTEST_SKIP() << "cannot mount a tmpfs here (" << std::strerror(errno) << ")";
  {
    EXPECT_FALSE(ResultsLocation::IsNetworkFolder(folder));
    TOpenedStore opened = OpenResultsStore(folder, dir.File("data"));
    EXPECT_EQ(opened.Path, (std::filesystem::path(folder) / "Results.sqlite").string());
    EXPECT_TRUE(opened.Notices.empty()) << opened.Notices.front();
  }
  ::umount2(folder.c_str(), MNT_DETACH);
}

// Mounts as a school's machine lists them: a share mounted over a folder of
// the local disk, a stick inside the share, a remote folder whose name has a
// space, and memory.
TEST(ResultsStore, FindsTheFileSystemOfAFolderFromTheMachinesMounts) {
  const std::string mounts =
      "22 1 8:2 / / rw,relatime shared:1 - ext4 /dev/sda2 rw,errors=remount-ro\n"
      "26 22 0:23 / /tmp rw,nosuid,nodev shared:5 - tmpfs tmpfs rw,size=8126740k,inode64\n"
      "40 22 0:35 / /mnt/share rw,relatime shared:20 - ext4 /dev/sda3 rw\n"
      "41 22 0:36 / /mnt/share rw,relatime shared:21 - nfs4 school:/export rw,vers=4.2,addr=10.0.0.2\n"
      "42 41 8:17 / /mnt/share/usb rw,relatime - vfat /dev/sdb1 rw,fmask=0022\n"
      "52 22 0:48 / /home/ann/Remote\\040Tests rw,nosuid,nodev shared:30 - fuse.sshfs ann@school:/tests "
      "rw,user_id=1000\n"
      "60 22 0:50 / /media/t rw,relatime shared:31 master:7 - cifs //school/t rw,vers=3.1.1\n";
  const auto network = [&](const char* path) {
    return ResultsLocation::IsNetworkType(ResultsLocation::MountedType(mounts, path));
  };
  EXPECT_EQ(ResultsLocation::MountedType(mounts, "/mnt/share/tests"), "nfs4");  // the later of two
  EXPECT_TRUE(network("/mnt/share"));
  EXPECT_FALSE(network("/mnt/share/usb/tests"));
  EXPECT_FALSE(network("/mnt/shared/tests"));  // not inside /mnt/share
  EXPECT_TRUE(network("/home/ann/Remote Tests/CH2"));
  EXPECT_FALSE(network("/home/ann/Remote"));
  EXPECT_TRUE(network("/media/t/2026"));
  EXPECT_FALSE(network("/tmp/tests"));
  EXPECT_EQ(ResultsLocation::MountedType("", "/tmp"), "");
}

// Where the store must be kept elsewhere, two test folders never share one.
TEST(ResultsStore, GivesEachNetworkFolderItsOwnStore) {
  EXPECT_NE(ResultsLocation::StorePath("/mnt/share/tests", "/d", true),
            ResultsLocation::StorePath("/mnt/share/other", "/d", true));
}

// The file is a plain SQLite database that the sqlite3 program reads, with
// text as UTF-8.
TEST(ResultsStore, IsReadByTheSqlite3Program) {
  if (std::system("sqlite3 -version > /dev/null 2>&1") != 0)
    GTEST_SKIP() << "the sqlite3 program is not installed";
  TTempDir dir;
  {
    TOpenedStore opened = OpenResultsStore(dir.Path().string(), dir.File("data"));
    opened.Store->Add(Attempt("Ren\xE9", "ABC", "AC-"), "c1");
  }
  const std::string out = Shell("sqlite3 -separator '|' '" + dir.File("Results.sqlite") +
                                "' 'PRAGMA integrity_check; SELECT version FROM store_version;"
                                " SELECT a.student, t.file_name, SUM(an.mark), COUNT(*) FROM attempts a"
                                " JOIN tests t ON t.id = a.test_id JOIN answers an ON an.attempt_id = a.id"
                                " GROUP BY a.id, a.student, t.file_name;'");
  EXPECT_EQ(out, "ok\n2\nRen\xC3\xA9|CH2.QWT|1|3\n");
}
