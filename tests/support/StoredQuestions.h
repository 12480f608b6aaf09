#pragma once

#include <string>
#include <vector>

#include "core/model/TestFile.h"
#include "core/results/ResultsStore.h"
#include "core/run/Scoring.h"

// The question snapshots a results store holds, by their number in the test,
// each as a record of what a snapshot keeps: the text, the answers and the key.
inline std::vector<QuestionRecord> StoredQuestions(TResultsStore& store) {
  auto rows = store.Database().Prepare(
      "SELECT question, answer_a, answer_b, answer_c, answer_d, answer_e, answer_f, correct FROM questions "
      "ORDER BY number, id");
  std::vector<QuestionRecord> questions;
  while (rows->Step()) {
    QuestionRecord& question = questions.emplace_back();
    question.Question = rows->Text(0);
    for (int a = 0; a < 6; ++a) question.Answer(a) = rows->Text(a + 1);
    question.Correct = Scoring::LetterText(static_cast<Scoring::TLetters>(rows->Int(7)));
  }
  return questions;
}

// Records as a snapshot keeps them: the text, the answers and the key.
inline std::vector<QuestionRecord> AsSnapshots(const std::vector<QuestionRecord>& records) {
  std::vector<QuestionRecord> questions;
  for (const QuestionRecord& record : records) {
    QuestionRecord& question = questions.emplace_back();
    question.Question = record.Question;
    for (int a = 0; a < 6; ++a) question.Answer(a) = record.Answer(a);
    question.Correct = record.Correct;
  }
  return questions;
}
