#include "core/results/RecordAttempt.h"

#include <filesystem>

#include "core/results/AttemptFile.h"
#include "core/results/ResultsStore.h"
#include "core/run/TestSession.h"
#include "core/storage/IoError.h"
#include "core/storage/SystemRandom.h"

namespace fs = std::filesystem;

TQuestionSnapshot SnapshotOf(const QuestionRecord& question, int number) {
  TQuestionSnapshot snapshot;
  snapshot.Number = number;
  snapshot.Question = question.Question;
  for (int i = 0; i < 6; ++i) snapshot.Answers[i] = question.Answer(i);
  snapshot.Correct = Scoring::LettersOf(question.Correct);
  snapshot.AnyCorrectPasses = question.AnyCorrectPasses;
  return snapshot;
}

std::string NewAttemptId() {
  return SystemRandom::Hex(16);
}

std::string TestFingerprint(const std::vector<QuestionRecord>& testQuestions) {
  std::vector<TQuestionSnapshot> all;
  for (std::size_t i = 0; i < testQuestions.size(); ++i)
    all.push_back(SnapshotOf(testQuestions[i], static_cast<int>(i + 1)));
  return Fingerprint(all);
}

TAttempt AttemptOfSession(const TTestSession& session, const std::string& testFile,
                          const std::string& description, const std::vector<QuestionRecord>& testQuestions,
                          const TTaker& taker, const std::string& started, const std::string& ended) {
  TAttempt attempt;
  attempt.Id = NewAttemptId();
  attempt.TestFile = testFile;
  attempt.Description = description;
  attempt.Fingerprint = TestFingerprint(testQuestions);
  attempt.Student = taker.Student;
  attempt.StudentNumber = taker.StudentNumber;
  attempt.Class = taker.Class;
  attempt.Machine = taker.Machine;
  attempt.Source = TAttemptSource::Engine;
  attempt.Started = started;
  attempt.Ended = ended;
  attempt.SecondsTaken = session.ElapsedSeconds();
  for (int position = 0; position < session.Count(); ++position) {
    const int number = session.QuestionNumber(position);
    attempt.Questions.push_back(SnapshotOf(session.Question(position), number));
    TAnsweredQuestion answered;
    answered.Number = number;
    answered.Position = position + 1;
    for (int letter : session.ShownLetters(position)) answered.ShownOrder += static_cast<char>('A' + letter);
    answered.Chosen = session.Answer(position);
    attempt.Answered.push_back(std::move(answered));
  }
  return attempt;
}

std::string QueueFolder(const std::string& userDataFolder) {
  return (fs::path(userDataFolder) / "queue").string();
}

TRecorded RecordAttempt(const TAttempt& attempt, const std::string& testFolder,
                        const std::string& resultsFolder, const std::string& userDataFolder) {
  // On a network file system the store would be this machine's own, out of
  // the teacher's sight: the results folder serves instead.
  if (!ResultsLocation::IsNetworkFolder(testFolder)) {
    try {
      TOpenedStore opened = OpenResultsStore(testFolder, userDataFolder);
      opened.Store->Add(attempt, AttemptFile::ContentId(attempt));
      return {TRecordedIn::Store, opened.Path, std::move(opened.Notices)};
    } catch (const std::exception&) {
      // A lab machine may not write beside the tests, and a store can turn
      // out damaged in the middle of a write: either way, on to the results
      // folder, so the attempt still reaches the teacher.
    }
  }
  if (!resultsFolder.empty()) {
    try {
      return {TRecordedIn::ResultsFolder, AttemptFile::Write(resultsFolder, attempt), {}};
    } catch (const TIoError&) {
    }
  }
  const std::string queue = QueueFolder(userDataFolder);
  std::error_code error;
  fs::create_directories(queue, error);
  if (error) throw TIoError(queue, "Cannot make the queue folder for results", error.message());
  const std::string written = AttemptFile::Write(queue, attempt);
  // Out of the teacher's sight: the student is told where it waits.
  return {TRecordedIn::Queue,
          written,
          {"The result could not be handed in to the teacher yet. It waits in the folder \"" + queue +
           "\" until the test program can hand it in to the results folder."}};
}
