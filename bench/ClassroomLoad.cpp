// A class at once against the classroom server on loopback: each simulated
// student joins, starts, and answers every question after a random pause,
// then finishes. Reports the 50th and 99th percentile answer times, errors,
// and answers lost (confirmed by the server but missing from the store).
//
//   quizwell_classroom_load [STUDENTS [QUESTIONS [MEAN_PAUSE_MS]]]
//
// Defaults: 300 students, 40 questions, pauses of 0..2000 ms (mean 1000).
#include <httplib.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <mutex>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "classroom/Classroom.h"
#include "classroom/Server.h"
#include "core/results/ResultsStore.h"
#include "core/run/Clock.h"

namespace fs = std::filesystem;

namespace {

std::string Token(const std::string& json) {
  const std::size_t at = json.find("\"token\":\"");
  return at == std::string::npos ? std::string() : json.substr(at + 9, 64);
}

}  // namespace

int main(int argc, char** argv) {
  const int students = argc > 1 ? std::atoi(argv[1]) : 300;
  const int questions = argc > 2 ? std::atoi(argv[2]) : 40;
  const int meanPause = argc > 3 ? std::atoi(argv[3]) : 1000;

  const fs::path folder = fs::temp_directory_path() / ("classroom-load-" + std::to_string(getpid()));
  fs::create_directories(folder);
  TClassroomTest test;
  test.FileName = "LOAD.QWT";
  for (int i = 0; i < questions; ++i) {
    QuestionRecord& q = test.Questions.emplace_back();
    q.Question = "Question " + std::to_string(i + 1);
    q.AnswerA = "one", q.AnswerB = "two", q.AnswerC = "three", q.AnswerD = "four";
    q.Correct = "B";
  }
  TOpenedStore opened = OpenResultsStore(folder.string());
  TSteadyClock clock;
  TClassroom room(std::move(test), "LOAD42", *opened.Store, clock);
  TClassroomServer server(room);
  const int port = server.Bind("127.0.0.1", 0);
  std::thread serving([&] { server.Run(); });

  std::mutex lock;
  std::vector<double> answerMs;
  std::atomic<int> errors = 0;
  std::vector<std::thread> clients;
  const auto began = std::chrono::steady_clock::now();
  for (int s = 0; s < students; ++s) {
    clients.emplace_back([&, s] {
      std::mt19937 random(s);
      std::uniform_int_distribution<int> pause(0, 2 * meanPause);
      httplib::Client client("127.0.0.1", port);
      client.set_read_timeout(30);
      const auto post = [&](const std::string& path, const std::string& body, const std::string& token) {
        httplib::Headers headers;
        if (!token.empty()) headers.emplace("Authorization", "Bearer " + token);
        auto result = client.Post(path, headers, body, "application/x-www-form-urlencoded");
        if (!result || result->status != 200) {
          if (errors++ < 3)
            std::fprintf(stderr, "%s: %s\n", path.c_str(),
                         result ? (std::to_string(result->status) + " " + result->body).c_str()
                                : httplib::to_string(result.error()).c_str());
        }
        return result ? result->body : std::string();
      };
      const std::string token = Token(post("/api/join", "room=LOAD42&name=Student+" + std::to_string(s), {}));
      post("/api/start", "", token);
      std::vector<double> mine;
      for (int q = 0; q < questions; ++q) {
        std::this_thread::sleep_for(std::chrono::milliseconds(pause(random)));
        const std::string letter(1, static_cast<char>('A' + (s + q) % 4));
        const auto start = std::chrono::steady_clock::now();
        post("/api/answer", "position=" + std::to_string(q) + "&letters=" + letter, token);
        mine.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        if (q + 1 < questions) post("/api/go", "position=" + std::to_string(q + 1), token);
      }
      post("/api/finish", "", token);
      std::lock_guard guard(lock);
      answerMs.insert(answerMs.end(), mine.begin(), mine.end());
    });
  }
  for (std::thread& client : clients) client.join();
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
  server.Stop();
  serving.join();

  // Every answer the server confirmed must be in the store, as sent.
  TResultsFilter all;
  all.WithAnswers = true;
  int lost = 0, stored = 0;
  for (const TStoredAttempt& attempt : opened.Store->Attempts(all)) {
    ++stored;
    const int s = std::atoi(attempt.Student.c_str() + 8);
    for (std::size_t q = 0; q < attempt.Answers.size(); ++q)
      if (attempt.Answers[q].Chosen != (1 << ((s + attempt.Answers[q].Number - 1) % 4))) ++lost;
  }
  lost += (students - stored) * questions;
  std::sort(answerMs.begin(), answerMs.end());
  const auto percentile = [&](double p) {
    return answerMs.empty() ? 0.0 : answerMs[std::min(answerMs.size() - 1, std::size_t(p * answerMs.size()))];
  };
  std::printf(
      "%d students x %d questions, pauses 0..%d ms, %.1f s: answer p50 %.1f ms, p99 %.1f ms, "
      "max %.1f ms; %d errors; %d attempts stored; %d answers lost\n",
      students, questions, 2 * meanPause, seconds, percentile(0.5), percentile(0.99),
      answerMs.empty() ? 0.0 : answerMs.back(), errors.load(), stored, lost);
  fs::remove_all(folder);
  return errors == 0 && lost == 0 ? 0 : 1;
}
