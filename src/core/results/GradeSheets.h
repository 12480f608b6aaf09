#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/results/Attempt.h"
#include "core/results/PrintRuns.h"
#include "core/results/ResultsStore.h"
#include "core/run/GradeWarning.h"
#include "core/run/Grading.h"

// Grading the typed (or scanned) sheets of a paper run, and recording them:
// the one sequence the Grade Answers window and qwtool grade share. Text is
// UTF-8.

// What grading the sheets gave.
struct TGradedSheets {
  std::string TestFile;  // the test's file name without its folder
  std::string Description;
  std::vector<TQuestionSnapshot> Questions;  // the test as graded, numbered as read
  std::string Fingerprint;                   // of Questions
  PaperVersions::TOptions Options;           // what the versions were made with
  std::optional<TPrintRun> Run;              // the offered run of those options, when there is one
  std::vector<PaperVersions::TVersion> Versions;
  Grading::TResults Results;
  // A run the sheets fit far better than Run (or the options given): the
  // sheets were likely printed in it.
  std::optional<TPrintRun> BetterRun;
  // What the user should know before trusting the scores, each a paragraph:
  // sheets in doubt, a better run, sheets that fit another version's key far
  // better than their own (mistyped version letters), a test changed since
  // the run was printed.
  std::vector<TGradeWarning> Warnings;
};

// The warning's Sentence: how GradeSheets words it in English.
std::string WarningSentence(const TGradeWarning& warning);

// Grades answersText (the answers file's bytes, see Grading::Grade) against
// the versions options make of test, the test at testPath. runs are the
// runs offered (PrintRuns::Offered): the one with options is named, and each
// other is tried on the sheets: when the sheets' answers are right under one
// of them by at least Grading::FarBelowPoints percentage points more than
// under options, it is BetterRun and a warning names it. Throws
// Grading::TGradingError for answers Grade refuses.
TGradedSheets GradeSheets(std::string_view answersText, const std::string& testPath,
                          const PaperVersions::TPaperTest& test, const PaperVersions::TOptions& options,
                          const std::vector<TPrintRun>& runs);

// The same for the answers file at answersPath: UTF-8, or code-page text
// (told apart line by line) as older spreadsheets wrote it. Throws TIoError
// naming it when it cannot be read or is larger than a test file may be.
TGradedSheets GradeAnswersFile(const std::string& answersPath, const std::string& testPath,
                               const PaperVersions::TPaperTest& test, const PaperVersions::TOptions& options,
                               const std::vector<TPrintRun>& runs);

struct TRecordedGrades {
  int Added = 0;  // attempts new to the store
  int Known = 0;  // attempts it already held
  std::string StorePath;
  std::vector<std::string> Notices;  // what opening the store said (see OpenResultsStore)
};

// Records the graded sheets in the results store of the folder of testPath,
// dated now, in one transaction: all or none, each sheet an attempt from
// source. Each answered question holds the stored letters chosen, its
// printed position and the stored letters in the order printed; a name of
// digits alone is a student number. An attempt's id is made from the run
// (test file, seed, versions, shuffles) and the row's name, version and
// letters, and from how many rows alike come before it: the same file
// recorded again adds nothing, and two students who answered alike are two
// attempts. A store met damaged is set aside (see WriteResultsStore). Throws
// TIoError when the store cannot be opened or written.
TRecordedGrades RecordGrades(const TGradedSheets& graded, const std::string& testPath,
                             TAttemptSource source = TAttemptSource::Paper,
                             const std::string& userDataFolder = ResultsLocation::UserDataFolder());

// "3 attempts were recorded in STORE." with ", 2 were there already" when
// some were; for the user after RecordGrades.
std::string RecordedWords(const TRecordedGrades& recorded);
