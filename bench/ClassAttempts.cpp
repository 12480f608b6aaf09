#include "ClassAttempts.h"

#include <algorithm>
#include <string>

#include "core/results/AttemptFile.h"
#include "core/results/ResultsStore.h"

TAttempt ClassAttempts::Student(int index, const std::vector<TQuestionSnapshot>& questions,
                                std::mt19937& random) {
  TAttempt a;
  a.Id = Digest128("student" + std::to_string(index));
  a.TestFile = "BENCH.QWT";
  a.Description = "Benchmark test";
  a.Questions = questions;
  a.Fingerprint = Fingerprint(questions);
  a.Student = "Student " + std::to_string(index);
  a.Class = "Class " + std::to_string(index % 12);
  a.Machine = "LAB" + std::to_string(index % 30);
  a.Started = "2026-11-" + std::to_string(10 + index % 20) + " 09:00:00";
  a.Ended = a.Started;
  a.SecondsTaken = 1200;
  std::vector<int> order(questions.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int>(i);
  std::shuffle(order.begin(), order.end(), random);
  const double ability = std::uniform_real_distribution<double>(0.2, 0.95)(random);
  std::uniform_real_distribution<double> chance(0, 1);
  for (std::size_t p = 0; p < order.size(); ++p) {
    const TQuestionSnapshot& q = questions[order[p]];
    const double roll = chance(random);
    const Scoring::TLetters chosen = roll < ability ? q.Correct
                                     : roll < 0.97  ? Scoring::TLetters(1 << (order[p] % 3))
                                                    : 0;
    a.Answered.push_back({q.Number, static_cast<int>(p + 1), "ABCD", chosen, false});
  }
  return a;
}

void ClassAttempts::StoreClass(const std::string& testFolder, const std::string& dataFolder,
                               const std::vector<TQuestionSnapshot>& questions, int count, unsigned seed) {
  TOpenedStore opened = OpenResultsStore(testFolder, dataFolder);
  std::mt19937 random(seed);
  std::vector<std::pair<TAttempt, std::string>> batch;
  for (int i = 0; i < count; ++i) {
    TAttempt a = Student(i, questions, random);
    std::string id = AttemptFile::ContentId(a);
    batch.emplace_back(std::move(a), std::move(id));
    if (batch.size() == 1000 || i + 1 == count) {
      opened.Store->AddAll(batch);
      batch.clear();
    }
  }
  opened.Store->Database().Execute("PRAGMA wal_checkpoint(TRUNCATE)");
}
