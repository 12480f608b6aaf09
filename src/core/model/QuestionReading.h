#pragma once

#include <span>
#include <string>
#include <vector>

#include "core/model/TestFile.h"
#include "core/storage/IniStore.h"

// The one reading of a test's questions, shared by the question editor, the
// engine, the paper test, the conversions, the exchange formats, qwtool and
// the check: every section QA1 to QA500 that holds text, in order, numbered
// from 1 up without gaps. Every path that reads questions reads them here, so
// a student is given exactly the questions the teacher sees in the editor.

// Whether a question holds anything the instructor typed or chose: its text,
// an answer, a hot link or its parameters, a media file or a reference. The
// correct letters and the two flags alone are no question.
bool HoldsText(const QuestionRecord& question);

// A section named as a question ("QA" and digits, any letter case) that holds
// text but is not read.
struct TUnreadSection {
  enum class TWhy {
    PastLast,     // a number past MaxQuestionCount, however many digits it has
    LeadingZero,  // "QA02", "QA0": the maker never names a question so
  };
  std::string Name;  // as the file spells it
  TWhy Why = TWhy::PastLast;
};

// How the questions were numbered as they were read.
struct TQuestionNumbering {
  // For each question read, in order, the n of the section QAn it came from.
  std::vector<int> Sections;
  // The sections holding text that were left out, by ascending number.
  std::vector<TUnreadSection> Unread;

  // Whether a question was read under another number than its section's.
  bool Renumbered() const;
  // Nothing renumbered and nothing left out.
  bool Whole() const { return !Renumbered() && Unread.empty(); }
};

using TestFile::TStoredValues;

// Reads the questions of the open store as described above into slots, which
// must hold MaxQuestionCount records, reusing their storage: slots 0 to the
// returned count - 1 hold the questions; the others are left as they were
// (with whatever the last unread section held). numbering is replaced. Only
// reads.
int ReadQuestions(TCustomIniStore& store, std::span<QuestionRecord> slots, TQuestionNumbering& numbering,
                  TStoredValues values = TStoredValues::Enciphered);

// The same into a new list.
std::vector<QuestionRecord> ReadQuestions(TCustomIniStore& store, TQuestionNumbering& numbering,
                                          TStoredValues values = TStoredValues::Enciphered);

// One line per run of renumbered questions and per run of sections left out,
// for a reader's report: "QA4 to QA500 were read as questions 3 to 499 (a gap
// in the numbering closed up)", "QA501 to QA510: past QA500, not read",
// "QA02: a question number never starts with 0, not read". Empty when the
// numbering is whole.
std::vector<std::string> NumberingReport(const TQuestionNumbering& numbering);

// The runs of questions read under another number: each is Count questions
// from section First on, read as questions from Question on.
struct TRenumberedRun {
  int First = 0;
  int Question = 0;
  int Count = 0;
};
std::vector<TRenumberedRun> RenumberedRuns(const TQuestionNumbering& numbering);
