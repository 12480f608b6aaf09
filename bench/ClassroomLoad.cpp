// A class of browsers against the classroom server on loopback, as browsers
// behave: each student keeps two connections open (keep-alive, as a page and
// its requests do), joins at a random moment of the first 30 seconds from
// one of a few room addresses, starts, and answers every question after a
// pause of 2 to 10 seconds divided by the compression factor, refreshing its
// state on the second connection now and then; then finishes. Meanwhile 200
// half-open connections from one other address trickle a request byte by
// byte, and are opened again as the server cuts them off. The server runs in
// a child process, whose peak memory is reported.
//
//   quizwell_classroom_load [STUDENTS [QUESTIONS [COMPRESSION]]]
//
// Defaults: 300 students, 40 questions, compression 10 (pauses of 0.2 to 1 s).
// Reports the 50th and 99th percentile and the longest answer request, the
// errors, and the answers lost (every confirmed answer compared with the
// store); exit status 1 when any was lost or failed.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <mutex>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "classroom/Classroom.h"
#include "classroom/Server.h"
#include "core/results/ResultsStore.h"
#include "core/run/Clock.h"
#include "core/storage/Json.h"

namespace fs = std::filesystem;
using TSteady = std::chrono::steady_clock;

namespace {

constexpr int JoinSeconds = 30;
constexpr int HalfOpen = 200;
constexpr int StudentsPerAddress = 100;

int Connect(int port, const std::string& from) {
  const int fd = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in local{}, server{};
  local.sin_family = server.sin_family = AF_INET;
  inet_pton(AF_INET, from.c_str(), &local.sin_addr);
  server.sin_port = htons(static_cast<std::uint16_t>(port));
  server.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  const timeval wait{30, 0};
  setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof wait);
  const int yes = 1;
  setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &yes, sizeof yes);
  if (bind(fd, reinterpret_cast<sockaddr*>(&local), sizeof local) != 0 ||
      connect(fd, reinterpret_cast<sockaddr*>(&server), sizeof server) != 0) {
    close(fd);
    return -1;
  }
  return fd;
}

// One keep-alive connection of a browser, opened again when the server
// closed it.
class TConnection {
public:
  TConnection(int port, std::string from) : Port(port), From(std::move(from)) {}
  ~TConnection() {
    if (Fd >= 0) close(Fd);
  }
  // The status and body of the reply; status 0 when no reply came.
  std::pair<int, std::string> Request(const std::string& method, const std::string& path,
                                      const std::string& body, const std::string& token) {
    std::string request = method + " " + path + " HTTP/1.1\r\nHost: room\r\n";
    if (!token.empty()) request += "Authorization: Bearer " + token + "\r\n";
    if (method == "POST")
      request += "Content-Type: application/x-www-form-urlencoded\r\nContent-Length: " +
                 std::to_string(body.size()) + "\r\n";
    request += "\r\n" + body;
    for (int attempt = 0; attempt < 2; ++attempt) {
      if (Fd < 0 && (Fd = Connect(Port, From)) < 0) continue;
      std::string reply;
      if (Exchange(request, reply)) {
        const std::size_t end = reply.find("\r\n\r\n");
        if (reply.find("\r\nConnection: close", 0) < end) Reset();
        return {std::atoi(reply.c_str() + 9), reply.substr(end + 4)};
      }
      Reset();  // closed while idle: a browser opens another
    }
    return {0, {}};
  }

private:
  void Reset() {
    if (Fd >= 0) close(Fd);
    Fd = -1;
  }
  bool Exchange(const std::string& request, std::string& reply) {
    if (send(Fd, request.data(), request.size(), MSG_NOSIGNAL) != static_cast<ssize_t>(request.size()))
      return false;
    char buffer[8192];
    std::size_t end = std::string::npos, length = 0;
    while (end == std::string::npos || reply.size() < end + 4 + length) {
      const ssize_t got = recv(Fd, buffer, sizeof buffer, 0);
      if (got <= 0) return false;
      reply.append(buffer, static_cast<std::size_t>(got));
      if (end == std::string::npos && (end = reply.find("\r\n\r\n")) != std::string::npos) {
        const std::size_t at = reply.find("Content-Length: ");
        length = at < end ? std::strtoul(reply.c_str() + at + 16, nullptr, 10) : 0;
      }
    }
    return true;
  }

  int Port;
  std::string From;
  int Fd = -1;
};

// A string member of a reply; "" when it has none.
std::string Field(const std::string& json, const std::string& key) {
  const Json::TValue reply = Json::TValue::parse(json, nullptr, false);
  return reply.is_object() ? reply.value(key, std::string()) : std::string();
}

// Serves the room in a child process until SIGTERM; its port comes back
// through a pipe.
pid_t Serve(const fs::path& folder, int questions, int& port) {
  int ports[2];
  if (pipe(ports) != 0) return -1;
  const pid_t child = fork();
  if (child != 0) {
    close(ports[1]);
    if (read(ports[0], &port, sizeof port) != sizeof port) port = -1;
    close(ports[0]);
    return child;
  }
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
  TClassroomServer server(
      room, [](const std::string& what) { std::fprintf(stderr, "server: %s\n", what.c_str()); });
  const int bound = server.Bind("127.0.0.1", 0);
  sigset_t stop;
  sigemptyset(&stop);
  sigaddset(&stop, SIGTERM);
  pthread_sigmask(SIG_BLOCK, &stop, nullptr);
  std::thread stopper([&] {
    int signal = 0;
    sigwait(&stop, &signal);
    server.Stop();
  });
  if (write(ports[1], &bound, sizeof bound) != sizeof bound) _exit(1);
  server.Run();
  stopper.join();
  _exit(0);
}

long PeakKilobytes(pid_t process) {
  std::ifstream status("/proc/" + std::to_string(process) + "/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmHWM:", 0) == 0) return std::atol(line.c_str() + 6);
  return 0;
}

// Half-sent requests from one address, a byte every second; each one the
// server cuts off is opened again.
void HoldHalfOpen(int port, const std::atomic<bool>& running, std::atomic<int>& opened) {
  std::vector<int> held(HalfOpen, -1);
  const std::string start = "POST /api/join HTTP/1.1\r\nHost: room\r\nContent-Length: 1000\r\n\r\nroom=";
  while (running) {
    for (int& fd : held) {
      char probe;
      if (fd >= 0 &&
          (recv(fd, &probe, 1, MSG_DONTWAIT) == 0 || send(fd, "x", 1, MSG_NOSIGNAL | MSG_DONTWAIT) < 0))
        close(fd), fd = -1;
      if (fd < 0 && (fd = Connect(port, "127.0.0.66")) >= 0) {
        send(fd, start.data(), start.size(), MSG_NOSIGNAL);
        ++opened;
      }
    }
    std::this_thread::sleep_for(std::chrono::seconds(1));
  }
  for (const int fd : held)
    if (fd >= 0) close(fd);
}

}  // namespace

int main(int argc, char** argv) {
  const int students = argc > 1 ? std::atoi(argv[1]) : 300;
  const int questions = argc > 2 ? std::atoi(argv[2]) : 40;
  const double compression = argc > 3 ? std::atof(argv[3]) : 10;

  const fs::path folder = fs::temp_directory_path() / ("classroom-load-" + std::to_string(getpid()));
  fs::create_directories(folder);
  int port = -1;
  const pid_t server = Serve(folder, questions, port);
  if (server < 0 || port < 0) {
    std::fprintf(stderr, "the server did not start\n");
    return 1;
  }

  std::atomic<bool> running = true;
  std::atomic<int> halfOpened = 0;
  std::thread halfOpen([&] { HoldHalfOpen(port, running, halfOpened); });

  std::mutex lock;
  std::vector<double> answerMs;
  std::map<int, std::map<int, char>> confirmed;  // per student, per question, the letter
  std::atomic<int> errors = 0, joinRetries = 0;
  std::vector<std::thread> clients;
  const auto began = TSteady::now();
  for (int s = 0; s < students; ++s) {
    clients.emplace_back([&, s] {
      std::mt19937 random(static_cast<unsigned>(s));
      std::uniform_int_distribution<int> pause(static_cast<int>(2000 / compression),
                                               static_cast<int>(10000 / compression));
      std::uniform_int_distribution<int> arrival(0, JoinSeconds * 1000);
      const std::string from = "127.1.0." + std::to_string(s / StudentsPerAddress + 1);
      TConnection page(port, from), side(port, from);
      const auto fail = [&](const std::string& what, const std::pair<int, std::string>& reply) {
        if (errors++ < 5)
          std::fprintf(stderr, "%s: %d %s\n", what.c_str(), reply.first, reply.second.c_str());
      };
      std::this_thread::sleep_for(std::chrono::milliseconds(arrival(random)));
      const std::string device = std::string(32, 'd') + std::to_string(s);
      std::pair<int, std::string> joined;
      // A student turned away while the room fills presses Join again.
      while (
          (joined = page.Request("POST", "/api/join",
                                 "room=LOAD42&name=Student+" + std::to_string(s) + "&device=" + device, {}))
              .first == 429) {
        ++joinRetries;
        std::this_thread::sleep_for(std::chrono::seconds(1));
      }
      const std::string token = Field(joined.second, "token");
      if (token.empty()) return fail("join", joined);
      if (const auto started = page.Request("POST", "/api/start", "", token); started.first != 200)
        return fail("start", started);
      std::vector<double> mine;
      std::map<int, char> given;
      for (int q = 0; q < questions; ++q) {
        std::this_thread::sleep_for(std::chrono::milliseconds(pause(random)));
        const char letter = static_cast<char>('A' + (s + q) % 4);
        const auto start = TSteady::now();
        const auto answered = page.Request("POST", "/api/answer",
                                           "position=" + std::to_string(q) + "&letters=" + letter, token);
        mine.push_back(std::chrono::duration<double, std::milli>(TSteady::now() - start).count());
        if (answered.first == 200)
          given[q] = letter;
        else
          fail("answer", answered);
        if (q % 5 == 4)
          if (const auto state = side.Request("GET", "/api/state", "", token); state.first != 200)
            fail("state", state);
        if (q + 1 < questions)
          if (const auto went = page.Request("POST", "/api/go", "position=" + std::to_string(q + 1), token);
              went.first != 200)
            fail("go", went);
      }
      if (const auto finished = page.Request("POST", "/api/finish", "", token); finished.first != 200)
        fail("finish", finished);
      std::lock_guard guard(lock);
      answerMs.insert(answerMs.end(), mine.begin(), mine.end());
      confirmed[s] = std::move(given);
    });
  }
  for (std::thread& client : clients) client.join();
  const double seconds = std::chrono::duration<double>(TSteady::now() - began).count();
  running = false;
  halfOpen.join();
  const long peak = PeakKilobytes(server);
  kill(server, SIGTERM);
  int status = 0;
  waitpid(server, &status, 0);

  // Every answer the server confirmed must be in the store, as sent.
  TOpenedStore opened = OpenResultsStore(folder.string());
  TResultsFilter all;
  all.WithAnswers = true;
  std::map<int, std::map<int, char>> stored;
  for (const TStoredAttempt& attempt : opened.Store->Attempts(all))
    for (const TStoredAnswer& answer : attempt.Answers)
      stored[std::atoi(attempt.Student.c_str() + 8)][answer.Number - 1] =
          answer.Chosen ? static_cast<char>('A' + __builtin_ctz(answer.Chosen)) : ' ';
  int lost = 0, sent = 0;
  for (const auto& [s, given] : confirmed)
    for (const auto& [q, letter] : given) {
      ++sent;
      const auto student = stored.find(s);
      if (student == stored.end() || student->second[q] != letter) ++lost;
    }

  std::sort(answerMs.begin(), answerMs.end());
  const auto percentile = [&](double p) {
    return answerMs.empty() ? 0.0 : answerMs[std::min(answerMs.size() - 1, std::size_t(p * answerMs.size()))];
  };
  std::printf(
      "%d students x %d questions, keep-alive, 2 connections each, pauses 2..10 s / %.0f, joins over %d s, "
      "%d half-open connections (%d opened), %.1f s: answer p50 %.1f ms, p99 %.1f ms, max %.1f ms; "
      "%d errors; %d join retries; %d of %d confirmed answers lost; server peak memory %.0f MB\n",
      students, questions, compression, JoinSeconds, HalfOpen, halfOpened.load(), seconds, percentile(0.5),
      percentile(0.99), answerMs.empty() ? 0.0 : answerMs.back(), errors.load(), joinRetries.load(), lost,
      sent, peak / 1024.0);
  fs::remove_all(folder);
  return errors == 0 && lost == 0 ? 0 : 1;
}
