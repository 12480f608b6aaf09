#pragma once

#include <QString>

#include "core/run/GradeWarning.h"
#include "core/run/ParallelForms.h"
#include "core/run/PrintRun.h"
#include "core/run/QuestionDraw.h"

// How the paper windows say what the core tells of a paper test, in the
// interface's language: a blueprint's problems, what a paper draw warns of
// and its balance, the runs and what grading sheets (typed or scanned)
// warns of.

// Why a blueprint cannot be set or met: "Forces: 5 asked, 3 in the test".
QString BlueprintProblemText(const QuestionDraw::TProblem& problem);

// What a paper draw warns of.
QString DrawWarningText(const ParallelForms::TDrawWarning& warning);

// The expected means of a balanced draw, or that there are no statistics.
QString BalanceText(const ParallelForms::TForms& forms);

// "1 version", "2 versions": how many versions a print has.
QString VersionsText(int versions);

// "run 3 (printed 2026-12-08 10:15:00, seed 31, 2 versions, questions and
// answers shuffled)", or "the earlier print (seed 31, ...)" for a run known
// only from a .lastprint file; named inside sentences.
QString RunText(const TPrintRun& run);

// The warning, filled with its values.
QString GradeWarningText(const TGradeWarning& warning);

// What recording graded sheets did: "3 attempts were recorded in STORE."
// with "; 2 were there already" when some were.
QString RecordedText(int added, int known, const QString& store);
