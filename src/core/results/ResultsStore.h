#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/results/Attempt.h"
#include "core/results/Database.h"

// The results store: every attempt at the tests of one working folder, with
// the questions as they stood when each was taken. It speaks portable SQL to
// a TDatabase (SQLite here), so the same schema and queries serve a server
// database. Text is UTF-8, here and in the database.
//
// Each attempt's answers are kept twice, written in one transaction: as rows
// of the answers table (with their marks, for anyone reading the store with
// SQL) and as one compact list on the attempt row (question and letters
// chosen, marked as it is read), which lets a whole class be read in one
// pass.

// The store's file in a test folder.
inline constexpr const char* ResultsFileName = "Results.sqlite";

// One attempt as listed: its fields, its score under the key it was first
// marked with and under the newest key (the same until a regrade), and, when
// asked for, its answers.
struct TStoredAnswer {
  int Number = 0;  // the question's number in the test file
  Scoring::TLetters Chosen = 0;
  bool Right = false;       // under the newest key
  bool FirstRight = false;  // under the key the attempt was first marked with
};

struct TStoredAttempt {
  std::int64_t Id = 0;
  std::string TestFile;
  std::string Description;
  std::string Student;
  std::string StudentNumber;
  std::string Class;
  TAttemptSource Source = TAttemptSource::Engine;
  std::string Machine;
  char Version = 0;
  std::string Seed;
  std::string Started;
  std::string Ended;
  int SecondsTaken = 0;
  bool Deleted = false;
  int Asked = 0;
  int Right = 0;                       // under the newest key
  int FirstRight = 0;                  // under the first key
  std::vector<TStoredAnswer> Answers;  // in the order shown; filled when asked for
};

// Which attempts to list. Dates compare as text, so "2026-12" means from
// December 2026 on.
struct TResultsFilter {
  std::string TestFile;  // without regard to ASCII case; empty: every test
  std::string Since;     // Started >= Since; empty: no lower bound
  std::string Until;     // Started < Until; empty: no upper bound
  std::optional<TAttemptSource> Source;
  std::string Class;  // empty: every class
  bool WithDeleted = false;
  bool WithAnswers = false;
};

// An attempt file as it stood when it was collected.
struct TCollectedFile {
  std::string Name;  // within its folder, as the file system spells it
  std::int64_t Size = 0;
  std::int64_t ModifiedNs = 0;  // nanoseconds since the epoch
};

// A question whose key differs from the key some attempts were marked with.
struct TKeyChange {
  int Number = 0;
  Scoring::TLetters OldCorrect = 0;  // the key the attempts hold now
  bool OldAnyCorrectPasses = false;
  Scoring::TLetters NewCorrect = 0;  // the test's key today
  bool NewAnyCorrectPasses = false;
  int Attempts = 0;  // how many attempts (deleted ones too) it touches
};

// An attempt left out of a list because what the store holds of it does not
// read: its answers name a question it lacks or one twice, or a letter that
// is not one of the question's answers.
struct TUnreadableAttempt {
  std::int64_t Id = 0;
  std::string Student;
  std::string Started;
  std::string Reason;  // "question 3 has no answer E"
};

// How a store is used: a reader never changes the database, not even its
// schema.
enum class TStoreAccess { Write, Read };

class TResultsStore {
public:
  static constexpr int SchemaVersion = 6;

  // Takes the database and, for writing, brings its schema up to
  // SchemaVersion, one migration per transaction. A store of a newer schema
  // is used as it is while its compatible version (the oldest schema whose
  // programs may use it) is not above SchemaVersion. Throws TIoError when it
  // is (nothing is written), or when the database cannot be written.
  explicit TResultsStore(std::unique_ptr<TDatabase> database, TStoreAccess access = TStoreAccess::Write);
  ~TResultsStore();

  const std::string& Name() const;

  // Stores attempt, marking each answer by Scoring from the chosen letters
  // and the attempt's own snapshot of the key, in one transaction. Returns
  // false (and stores nothing) when an attempt with contentId is already
  // there, so a file imported twice makes one attempt. Throws
  // std::invalid_argument for an attempt AttemptProblem refuses, TIoError
  // when the database cannot be written (then nothing of it is stored).
  bool Add(const TAttempt& attempt, const std::string& contentId);

  // Several attempts in one transaction: all are stored or none. Returns how
  // many were new.
  int AddAll(const std::vector<std::pair<TAttempt, std::string>>& attempts);
  // The same for count attempts that attempt(i) makes one at a time, so a
  // large batch is never held whole.
  int AddAll(std::size_t count, const std::function<std::pair<TAttempt, std::string>(std::size_t)>& attempt);

  // Whether an attempt with contentId is stored.
  bool Holds(const std::string& contentId);

  // The attempts the filter lets through, oldest first (by Started, then by
  // the order stored). With answers, an attempt whose answers do not read is
  // left out and, when unreadable is given, added to it.
  std::vector<TStoredAttempt> Attempts(const TResultsFilter& filter,
                                       std::vector<TUnreadableAttempt>* unreadable = nullptr);

  // The attempt files of folder (as the collector names it) whose attempts
  // are stored, each as it stood when it was read, so that a collector need
  // not read it again while it stands so.
  std::vector<TCollectedFile> CollectedFiles(const std::string& folder);

  // Notes files of folder as read and stored, in one transaction; a file noted
  // again keeps its newest size and time. Call it only once their attempts
  // are stored: a file noted is never read again while it stands so.
  void NoteCollected(const std::string& folder, const std::vector<TCollectedFile>& files);

  // Deletes an attempt or undoes that: a deleted attempt stays in the store,
  // left out of lists and figures. False when no attempt has id.
  bool SetDeleted(std::int64_t id, bool deleted);

  // The questions of testFile whose key (correct letters or the any/all rule)
  // in current differs from the key stored attempts are marked with now.
  std::vector<TKeyChange> KeyChanges(const std::string& testFile,
                                     const std::vector<TQuestionSnapshot>& current);

  // Marks the answers to every changed question again with the key of current
  // in one transaction; each answer keeps its first mark beside the new one.
  // Returns how many attempts were rescored.
  int Regrade(const std::string& testFile, const std::vector<TQuestionSnapshot>& current);

  // The database itself, for tests and adapters.
  TDatabase& Database();

private:
  struct TImpl;
  std::unique_ptr<TImpl> Impl;
};

// Where the store of a test folder lives and what was said about it.
struct TOpenedStore {
  std::unique_ptr<TResultsStore> Store;
  std::string Path;
  // Sentences for the user: the store was kept in the user's data folder
  // because the test folder is on a network file system; a damaged store was
  // moved aside (naming both files) and a new one started.
  std::vector<std::string> Notices;
};

namespace ResultsLocation {

// The user's data folder for the programs: $XDG_DATA_HOME/quizwell, or
// ~/.local/share/quizwell.
std::string UserDataFolder();

// The time now, on the local clock, written as strftime writes format.
std::string LocalTime(const char* format);

// Whether folder lies on a network file system (NFS, SMB/CIFS, AFS, 9p, Ceph,
// Coda, FUSE-mounted remote folders), where SQLite's locking cannot be
// trusted, by the mount that holds it (its links followed). Local file
// systems, tmpfs among them, are not; nor is anything when the mounts cannot
// be read.
bool IsNetworkFolder(const std::string& folder);

// The type of the file system mounted at the deepest mount point that holds
// the absolute path, as mountInfo (the text of /proc/self/mountinfo) names
// it: "ext4", "nfs4", "fuse.sshfs"; "" when no line holds it.
std::string MountedType(std::string_view mountInfo, std::string_view path);

// Whether a file system of type, as mountinfo names it, lies on another
// machine (any FUSE file system counts: most of them are remote folders).
bool IsNetworkType(std::string_view type);

// The store's path for the tests in testFolder: Results.sqlite beside the
// tests, or, on a network file system, in userDataFolder under a name made
// from the test folder's path (so two folders never share one store).
std::string StorePath(const std::string& testFolder, const std::string& userDataFolder, bool network);

}  // namespace ResultsLocation

// Opens (creating when missing) the store of testFolder to write it. A
// damaged file is never written over: it is renamed to
// "<name>.damaged-<time>" (with its journal files) and a new store started,
// and Notices says so. Throws TIoError when the store cannot be opened or
// made.
TOpenedStore OpenResultsStore(const std::string& testFolder,
                              const std::string& userDataFolder = ResultsLocation::UserDataFolder());

// Opens the store of testFolder as OpenResultsStore does and runs write on
// it. When write meets damage further in the store (its transaction then
// rolled back), the store is set aside as a store damaged at opening is and
// write runs once more on a new store. Throws what write and opening throw
// otherwise.
TOpenedStore WriteResultsStore(const std::string& testFolder, const std::string& userDataFolder,
                               const std::function<void(TResultsStore&)>& write);

// Opens the store of testFolder to read it only: it is never made, migrated,
// moved or written, and one that is not there reads as empty. Throws
// TSqliteDamaged (SqliteDatabase.h) when it is damaged, there or in any
// later read, and TIoError when it cannot be read.
TOpenedStore ReadResultsStore(const std::string& testFolder,
                              const std::string& userDataFolder = ResultsLocation::UserDataFolder());

// The same for the store file at path, such as one set aside as damaged:
// what it still holds can be read. Throws TIoError when there is no such
// file.
std::unique_ptr<TResultsStore> ReadResultsFile(const std::string& path);
