#pragma once

#include <opencv2/core.hpp>
#include <optional>
#include <string>
#include <vector>

#include "core/run/PaperVersions.h"
#include "core/scan/SheetReader.h"

// A pile of scanned sheet pages put back together: the pages of one sheet by
// their QR codes (a sheet's serial, or on a photocopied sheet the student
// number on every page; whatever the pages' order), each sheet checked against the test and the runs it was
// printed in, and the answers file that Grade Answers reads. Nothing is
// guessed: every page or sheet that cannot be graded as read is listed with
// its reason and left out of the answers.
namespace Scan {

// A printed run the sheets may come from.
struct TRun {
  std::string Fingerprint;  // of the test as it was printed, as the sheets' QR codes say
  PaperVersions::TOptions Options;
  // Per version (A first) and printed question of the test as it is now:
  // whether the question has several correct letters, so that several marks
  // in its row are an answer. Empty when the test is not known: every row
  // with several marks is then left to the teacher.
  std::vector<std::vector<bool>> SeveralCorrect;
  // Per version, the number of answers of each printed question of the test
  // as it is now ('0'..'6' each): a sheet whose rows differ was printed from
  // other questions and cannot be graded with these. Empty when the test is
  // not known.
  std::vector<std::string> Counts;
};

// The SeveralCorrect of a run of questions.
std::vector<std::vector<bool>> SeveralCorrect(const std::vector<QuestionRecord>& questions,
                                              const PaperVersions::TOptions& options);

// A run of the test whose questions are given as it is now, recorded as
// printed with options from the test whose fingerprint was printed; an
// empty printed (a print known only by its options) stands for the test as
// it is, whose fingerprint is now. Its sheets are read with the questions
// and keys as they are now, so a key mended after printing counts.
TRun RunOf(const std::vector<QuestionRecord>& questions, const PaperVersions::TOptions& options,
           const std::string& printed, const std::string& now);

// What the pile is checked against. Without runs, the run of the first page
// read stands for the pile and pages of any other are listed.
struct TExpected {
  std::string Fingerprint;  // of the test as it is now; "" to take the pile's
  std::vector<TRun> Runs;   // the runs recorded for it; empty for any run of the test
};

// What the sheets of a known test are checked against: the test as it is
// now (its questions, and now its fingerprint) and each run recorded for it
// (anything with the Fingerprint it was printed from and its Options, as
// the results store lists them), read with the questions and keys as they
// are now. The window and qwtool scan both check a pile by this.
template <typename TPrinted>
TExpected ExpectedOf(const std::vector<QuestionRecord>& questions, const std::string& now,
                     const std::vector<TPrinted>& printed) {
  TExpected expected{now, {}};
  for (const TPrinted& run : printed)
    expected.Runs.push_back(RunOf(questions, run.Options, run.Fingerprint, now));
  return expected;
}

// A page as read, with where it came from.
struct TScannedPage {
  std::string Source;
  int Page = 1;
  TPageReading Reading;
};

// Why something cannot be graded as read, and what of the problem's values
// each kind names, so that a window can say it in its own words.
enum class TProblemKind {
  Given,           // words from elsewhere (a scan file refused): Reason alone says it
  Unread,          // the page cannot be read: Reason is the reader's
  RowInDoubt,      // Reason is the decision's
  NumberInDoubt,   // Reason is the decision's
  OtherTest,       // Code.Fingerprint
  NotRecorded,     // the run of Code: seed, versions, shuffles
  PrintUnclear,    // the run of Code, recorded twice with other questions drawn
  OtherRun,        // the run of Code, other than the pile's
  NoSuchVersion,   // Code.Version, not among Code.Versions
  StudentUnknown,  // a page of a photocopied sheet without a sure student number
  NoFirstPage,     // Code.Page and Code.Version, whose page 1 is not before it
  PageTwice,       // the sheet (Code, Number) has page Count at each of Places
  PagesMissing,    // the sheet (Code, Number) lacks Pages, of Count
  SheetChanged,    // the sheet's rows are not those of the test as it is now
  OutOfOrder,      // the page's questions do not follow the page before
  NumberTwice,     // student Number is on the sheets at Places
};

// What cannot be graded as read, with where it is.
struct TProblem {
  std::string Where;  // "scan.pdf page 3", or "scan.pdf page 3, question 12"
  std::string Reason;
  cv::Mat Crop;  // the doubtful row or number, or empty
  // The doubtful row or student number: the page's place among the pages
  // given to Assemble, and the row's among its Rows (-1 for the number);
  // both -1 for a problem of another kind.
  int Page = -1;
  int Row = -1;
  TProblemKind Kind = TProblemKind::Given;
  // What the kind names (see TProblemKind); the sheet named by Code's
  // version, join and serial, and Number on a photocopied one.
  SheetLayout::TSheetCode Code;
  std::string Number;
  std::vector<std::string> Places;
  std::vector<int> Pages;
  int Count = 0;
};

// The problem's Reason in English, as Assemble words it.
std::string ReasonOf(const TProblem& problem);

// What was graded all the same, but should be checked.
enum class TWarningKind {
  ChangedSincePrinted,  // the sheets are read with the test's questions and keys as they are now
  Pencil,               // the page at Where was read against its own lighter marks
  JoinedByOrder,        // sheets printed before serials were joined by their order in the pile
};

struct TWarning {
  TWarningKind Kind;
  std::string Where;     // Pencil: the page's place
  std::string Sentence;  // in English
};

struct TSheet {
  std::string Name;  // the student number, or where the sheet's first page is
  char Version = 'A';
  std::vector<std::string> Rows;  // the marked letters per printed question, "" for none and for a doubt
  std::string Where;              // the first page's place
  std::vector<int> Doubtful;      // the printed questions still in doubt, in order
  int First = 0;                  // the first page's place among the pages given to Assemble
};

struct TPile {
  std::vector<TSheet> Sheets;  // every sheet that can be graded, in the order of the pile
  // The sheets whole and sure but for rows in doubt (each also a problem),
  // written with those rows blank and named, never graded until decided.
  std::vector<TSheet> Undecided;
  std::vector<TProblem> Problems;
  std::vector<TWarning> Warnings;
  int Pages = 0;            // pages looked at
  std::optional<TRun> Run;  // the run of the sheets graded
};

// Where a page of a file is, as problems name it.
std::string PlaceOf(const std::string& source, int page);

// Puts the read pages together. A sheet is graded only when all its pages
// are there once each, read, of the expected test and a recorded run, with
// no doubtful row, and with a student number no other sheet has (or none at
// all: the sheet is then named after its first page's place). A page of a
// photocopied sheet of several pages whose number cannot be read belongs to
// no one and is refused. Sheets printed before serials are joined by their
// order in the pile, as they always were, with a warning.
TPile Assemble(std::vector<TScannedPage> pages, const TExpected& expected);

// The answers file: a header, then "name,version,letter,letter,..." per
// sheet, one letter column per printed question, the sheets in the order of
// the pile. With undecided sheets, a last column "Doubtful" names each one's
// questions in doubt ("12 17"), whose cells are blank; Grade Answers leaves
// such a sheet ungraded.
std::string AnswersText(const TPile& pile);

// Each read page that was read as pencil, against its own marks, in the
// words a pile's warnings use: "scan.pdf page 3: read as pencil".
std::vector<TWarning> PencilWarnings(const std::vector<TScannedPage>& pages);

}  // namespace Scan
