#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/model/TestFile.h"
#include "core/results/Attempt.h"
#include "core/results/ResultsStore.h"
#include "core/run/PaperVersions.h"
#include "core/run/PrintRun.h"

// The paper runs of a folder's tests (TPrintRun), kept in the results store
// so that the sheets are graded with exactly the run they were printed in.

// A test's questions as the results keep them, numbered 1, 2, ... in the
// order read; Fingerprint() of them names the test as it is.
std::vector<TQuestionSnapshot> TestSnapshots(const std::vector<QuestionRecord>& questions);

namespace PrintRuns {

// The folder of the test at testPath: "." for a bare file name.
std::string TestFolder(const std::string& testPath);

// Records a run of testFile in one transaction and returns it with its
// number, the next after the test's highest. A run of the same test (file
// names compared without regard to ASCII case), fingerprint and options as a
// recorded one is that run: it is returned and nothing is written. Throws
// TIoError when the store cannot be written.
TPrintRun Record(TResultsStore& store, const std::string& testFile, const std::string& fingerprint,
                 const PaperVersions::TOptions& options, const std::string& printed);

// The recorded runs of testFile, newest (highest number) first.
std::vector<TPrintRun> List(TResultsStore& store, const std::string& testFile);

// The runs to grade the sheets of the test at testPath with: recorded
// (those of store, when there is one) newest first, then the prints an
// earlier program kept beside the test that are not among them, numbered 0.
// A .lastprint file that cannot be read adds nothing.
std::vector<TPrintRun> Offered(TResultsStore* store, const std::string& testPath);

// The runs offered for the test at testPath (see Offered), read from the
// results store of its folder when one is there; a folder without a store
// offers only earlier prints, and none is made. What opening the store said
// is added to notices. Throws TIoError when the store is there and cannot
// be opened.
std::vector<TPrintRun> OfferedRuns(const std::string& testPath, std::vector<std::string>& notices,
                                   const std::string& userDataFolder = ResultsLocation::UserDataFolder());

// A recorded run other than run whose sheets carry the same marks (test as
// printed, seed, versions, shuffles) but which drew other questions: the
// sheets of the two cannot be told apart. Nothing when there is none.
const TPrintRun* AlikeButDrawnOtherwise(const std::vector<TPrintRun>& runs, const TPrintRun& run);

// What the teacher is told of such a run: "seed 31 was printed before as run
// 2 with other questions drawn: the sheets of the two prints cannot be told
// apart, so neither is graded when scanned; print again with a new seed".
std::string AlikeWarning(const TPrintRun& earlier);

// The recorded run of that number among runs; nothing when there is none.
const TPrintRun* Find(const std::vector<TPrintRun>& runs, int number);

// How messages name a run: "run 3 (printed 2026-12-08 10:15:00, seed 31,
// 2 versions, questions and answers shuffled)"; a run known only from a
// .lastprint file is "the earlier print (seed 31, ...)".
std::string Describe(const TPrintRun& run);

// "questions and answers shuffled", "questions shuffled", "answers
// shuffled" or "nothing shuffled".
std::string ShuffleWords(const PaperVersions::TOptions& options);

}  // namespace PrintRuns

// What printing the test at testPath recorded: the run, and where.
struct TRecordedPrint {
  TPrintRun Run;
  std::string StorePath;
  std::vector<std::string> Notices;  // what opening the store said (see OpenResultsStore)
  // An earlier run that cannot be told from this one (see
  // AlikeButDrawnOtherwise); nothing when there is none.
  std::optional<TPrintRun> Alike;
};

// The one call after a test's pages were printed or saved: records a run of
// the test at testPath, of questions as read, in the results store of its
// folder, dated now. Throws TIoError when the store cannot be opened or
// written; the pages are not the worse for it.
TRecordedPrint RecordPrint(const std::string& testPath, const std::vector<QuestionRecord>& questions,
                           const PaperVersions::TOptions& options,
                           const std::string& userDataFolder = ResultsLocation::UserDataFolder());

// Each question's facility (the share of attempts that answered it right)
// over the attempts of the test at testPath that the results store of its
// folder holds; nothing for a question no attempt was asked, and for every
// question when there is no store. Only reads. Throws TIoError when the
// store is there and cannot be read, TSqliteDamaged when it is damaged.
std::vector<std::optional<double>> QuestionFacilities(
    const std::string& testPath, const std::vector<QuestionRecord>& questions,
    const std::string& userDataFolder = ResultsLocation::UserDataFolder());
