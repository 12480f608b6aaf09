#include "core/results/QuestionHistory.h"

#include <array>
#include <filesystem>
#include <map>
#include <set>
#include <tuple>
#include <unordered_map>

#include "core/results/RecordAttempt.h"
#include "core/results/Statistics.h"

namespace {

// A question's texts, as the store holds them: its identity across tests.
using TTexts = std::array<std::string, 7>;

TTexts TextsOf(const TQuestionSnapshot& q) {
  TTexts texts{q.Question};
  for (int i = 0; i < 6; ++i) texts[i + 1] = q.Answers[i];
  return texts;
}

struct TStoredQuestion {
  int History = -1;  // the index in the caller's list; -1: a question not asked about
  std::string TestFile;
  std::int64_t Correct = 0;  // the key its answers are marked with now
  bool Any = false;
  bool Asked = false;  // by an attempt not deleted
};

}  // namespace

std::vector<TQuestionHistory> QuestionHistories(TResultsStore& store,
                                                const std::vector<TQuestionSnapshot>& questions) {
  std::vector<TQuestionHistory> histories(questions.size());
  std::map<TTexts, std::vector<int>> wanted;  // one text may stand twice in a test
  for (std::size_t i = 0; i < questions.size(); ++i)
    wanted[TextsOf(questions[i])].push_back(static_cast<int>(i));

  TDatabase& db = store.Database();
  std::unordered_map<std::int64_t, TStoredQuestion> stored;
  auto rows = db.Prepare(
      "SELECT id, file_name, question, answer_a, answer_b, answer_c, answer_d, answer_e, answer_f,"
      " COALESCE(regrade_correct, correct), COALESCE(regrade_any, any_correct) FROM questions");
  std::vector<std::set<std::string>> tests(questions.size());
  while (rows->Step()) {
    TTexts texts;
    for (int i = 0; i < 7; ++i) texts[i] = rows->Text(2 + i);
    const auto found = wanted.find(texts);
    auto& q = stored[rows->Int(0)];
    q.TestFile = rows->Text(1);
    q.Correct = rows->Int(9);
    q.Any = rows->Int(10) != 0;
    if (found != wanted.end()) q.History = found->second.front();
  }

  // Every attempt's answers, each question standing by its place in the
  // caller's list (or by a number of its own), so Statistics sees one test
  // whose attempts were asked different questions.
  const int others = static_cast<int>(questions.size()) + 1;
  std::unordered_map<std::int64_t, int> otherNumber;
  // The attempts not deleted, each with when it was taken; their answers are
  // read in the table's own order (no join, no sort: the store's largest
  // table is read once, straight through).
  std::unordered_map<std::int64_t, std::size_t> slot;
  std::vector<std::string> attemptEnded;
  auto list = db.Prepare("SELECT id, ended, started FROM attempts WHERE deleted = 0");
  while (list->Step()) {
    slot.emplace(list->Int(0), attemptEnded.size());
    const std::string ended = list->Text(1);
    attemptEnded.push_back(ended.empty() ? list->Text(2) : ended);
  }
  std::vector<Statistics::TResponses> attempts(attemptEnded.size());
  auto answers = db.Prepare("SELECT attempt_id, question_id, COALESCE(regraded, mark), chosen FROM answers");
  while (answers->Step()) {
    const auto at = slot.find(answers->Int(0));
    if (at == slot.end()) continue;
    const std::int64_t questionId = answers->Int(1);
    const auto q = stored.find(questionId);
    int number = 0;
    if (q != stored.end() && q->second.History >= 0) {
      number = q->second.History + 1;
      TQuestionHistory& h = histories[q->second.History];
      q->second.Asked = true;
      h.LastAsked = std::max(h.LastAsked, attemptEnded[at->second]);
    } else {
      number =
          otherNumber.try_emplace(questionId, others + static_cast<int>(otherNumber.size())).first->second;
    }
    attempts[at->second].push_back(
        {number, static_cast<Scoring::TLetters>(answers->Int(3)), answers->Int(2) != 0});
  }
  std::erase_if(attempts, [](const Statistics::TResponses& a) { return a.empty(); });

  const Statistics::TTest figures = Statistics::Analyse(attempts, {});
  for (const Statistics::TItem& item : figures.Items) {
    if (item.Number < 1 || item.Number > static_cast<int>(questions.size())) continue;
    TQuestionHistory& h = histories[item.Number - 1];
    h.Asked = item.Attempts;
    h.Facility = item.Facility;
    h.Discrimination = item.Discrimination;
  }
  for (const auto& [id, q] : stored) {
    if (q.History < 0) continue;
    if (q.Asked) tests[q.History].insert(q.TestFile);
    const TQuestionSnapshot& now = questions[q.History];
    if (q.Correct != now.Correct || q.Any != now.AnyCorrectPasses) histories[q.History].KeyChanged = true;
  }
  for (const auto& [texts, places] : wanted) {
    // The same text twice in the test: every place shares what was learnt.
    for (std::size_t i = 0; i < places.size(); ++i) {
      TQuestionHistory& h = histories[places[i]];
      h.Tests = static_cast<int>(tests[places.front()].size());
      if (i > 0) {
        const bool keyChanged = h.KeyChanged;
        h = histories[places.front()];
        h.KeyChanged = h.KeyChanged || keyChanged;
      }
    }
  }
  return histories;
}

std::vector<TQuestionHistory> TestQuestionHistories(const std::string& testPath,
                                                    const std::vector<QuestionRecord>& questions) {
  std::vector<TQuestionSnapshot> snapshots;
  snapshots.reserve(questions.size());
  for (std::size_t i = 0; i < questions.size(); ++i)
    snapshots.push_back(SnapshotOf(questions[i], static_cast<int>(i + 1)));
  const std::string folder = std::filesystem::path(testPath).parent_path().string();
  TOpenedStore opened = ReadResultsStore(folder.empty() ? std::string(".") : folder);
  return QuestionHistories(*opened.Store, snapshots);
}
