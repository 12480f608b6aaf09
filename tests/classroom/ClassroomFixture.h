#pragma once

#include <arpa/inet.h>
#include <httplib.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "classroom/Classroom.h"
#include "classroom/Server.h"
#include "core/results/RecordAttempt.h"
#include "core/results/ResultsStore.h"
#include "core/storage/Json.h"
#include "support/TempDir.h"

// A classroom served on a free loopback port for one test, with a clock the
// test moves and a fixed question order. The test's media files are looked
// for in the room's own folder.
namespace ClassroomFixture {

class TTestClock : public TClock {
public:
  std::int64_t NowMs() const override { return Ms; }
  void AdvanceSeconds(int seconds) { Ms += std::int64_t{seconds} * 1000; }
  std::atomic<std::int64_t> Ms = 1000000;
};

// Questions keyed by letters ("AB": question 1 key A, question 2 key B), four
// answers each, with a reference naming the question.
inline TClassroomTest TestOf(std::string_view keys) {
  TClassroomTest test;
  test.FileName = "CLASS.QWT";
  test.Settings.Description = "Class test";
  test.Settings.Time = "00:10:00";
  test.Settings.CheckAnswers = 1;
  test.Settings.MustAnswer = 1;
  test.Settings.PassPoint = 60;
  test.Settings.BeginMessage = {"Good luck."};
  test.Settings.EndMessage = {"Well done."};
  for (std::size_t i = 0; i < keys.size(); ++i) {
    QuestionRecord& q = test.Questions.emplace_back();
    q.Question = "Question " + std::to_string(i + 1);
    q.AnswerA = "one", q.AnswerB = "two", q.AnswerC = "three", q.AnswerD = "four";
    q.Correct = std::string(1, keys[i]);
    q.Reference = "REFERENCE-" + std::to_string(i + 1);
  }
  return test;
}

// The value of the first member named key in a JSON object, searched depth
// first in the text's order: a string as it reads, anything else as JSON text;
// "" when there is none. The object may close text that begins otherwise (a
// whole HTTP reply, or one behind its status); "" when it is no JSON.
inline std::string Field(const std::string& text, const std::string& key) {
  const std::function<const Json::TValue*(const Json::TValue&)> find =
      [&](const Json::TValue& value) -> const Json::TValue* {
    if (!value.is_structured()) return nullptr;
    for (auto member = value.begin(); member != value.end(); ++member) {
      if (value.is_object() && member.key() == key) return &member.value();
      if (const Json::TValue* found = find(member.value())) return found;
    }
    return nullptr;
  };
  const std::size_t begin = text.find('{');
  if (begin == std::string::npos) return {};
  const Json::TValue parsed = Json::TValue::parse(text.substr(begin), nullptr, false);
  const Json::TValue* found = find(parsed);
  if (found == nullptr) return {};
  return found->is_string() ? found->get<std::string>() : found->dump();
}

// A raw connection to the server on port, from a loopback address of its own
// choosing (all of 127/8 is local, so the server tells clients apart by it),
// that waits at most 5 seconds for a reply; -1 when it cannot connect.
inline int RawConnection(int port, const char* from = "127.0.0.1") {
  const int fd = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in local{};
  local.sin_family = AF_INET;
  inet_pton(AF_INET, from, &local.sin_addr);
  sockaddr_in server{};
  server.sin_family = AF_INET;
  server.sin_port = htons(static_cast<std::uint16_t>(port));
  server.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  const timeval wait{5, 0};
  setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof wait);
  if (bind(fd, reinterpret_cast<sockaddr*>(&local), sizeof local) != 0 ||
      connect(fd, reinterpret_cast<sockaddr*>(&server), sizeof server) != 0) {
    close(fd);
    return -1;
  }
  return fd;
}

// Sends request on fd and reads one whole reply (headers and body); "" when
// the connection closed first.
inline std::string RawExchange(int fd, const std::string& request) {
  if (!request.empty() &&
      send(fd, request.data(), request.size(), MSG_NOSIGNAL) != static_cast<ssize_t>(request.size()))
    return {};
  std::string reply;
  char buffer[4096];
  std::size_t end = std::string::npos;
  while ((end = reply.find("\r\n\r\n")) == std::string::npos) {
    const ssize_t got = recv(fd, buffer, sizeof buffer, 0);
    if (got <= 0) return {};
    reply.append(buffer, static_cast<std::size_t>(got));
  }
  const std::size_t length = reply.find("Content-Length: ");
  const std::size_t body =
      length == std::string::npos ? 0 : std::strtoul(reply.c_str() + length + 16, nullptr, 10);
  while (reply.size() < end + 4 + body) {
    const ssize_t got = recv(fd, buffer, sizeof buffer, 0);
    if (got <= 0) return {};
    reply.append(buffer, static_cast<std::size_t>(got));
  }
  return reply;
}

// The status of a raw reply; 0 for none.
inline int StatusOf(const std::string& reply) {
  return reply.size() > 12 ? std::atoi(reply.c_str() + 9) : 0;
}

struct TResponse {
  int Status = 0;
  std::string Body;
};

inline TClassroomTest InFolder(TClassroomTest test, const TTempDir& dir) {
  test.Folder = dir.Path().string();
  return test;
}

class TRoom {
public:
  explicit TRoom(TClassroomTest test, std::uint64_t seed = 7,
                 std::function<std::string()> token = NewSessionToken)
      : Opened(OpenResultsStore(Dir.Path().string())),
        Room(InFolder(std::move(test), Dir), "ROOM42", *Opened.Store, Clock,
             {std::move(token), [seed] { return seed; }, NewAttemptId}),
        Server(Room, [this](const std::string& what) {
          std::lock_guard guard(LogLock);
          Logged.push_back(what);
        }) {
    Port = Server.Bind("127.0.0.1", 0);
    Thread = std::thread([this] { Server.Run(); });
    Client = std::make_unique<httplib::Client>("127.0.0.1", Port);
    Client->set_connection_timeout(5);
    Client->set_read_timeout(5);
  }
  ~TRoom() {
    Server.Stop();
    Thread.join();
  }

  TResponse Get(const std::string& path, const std::string& token = {}) {
    httplib::Headers headers;
    if (!token.empty()) headers.emplace("Authorization", "Bearer " + token);
    auto result = Client->Get(path, headers);
    return result ? TResponse{result->status, result->body} : TResponse{};
  }
  TResponse Post(const std::string& path, const std::string& body, const std::string& token = {},
                 const std::string& type = "application/x-www-form-urlencoded") {
    httplib::Headers headers;
    if (!token.empty()) headers.emplace("Authorization", "Bearer " + token);
    auto result = Client->Post(path, headers, body, type);
    return result ? TResponse{result->status, result->body} : TResponse{};
  }
  // Joins and starts; gives the token.
  std::string JoinAndStart(const std::string& name, const std::string& device = {}) {
    const std::string token = Field(
        Post("/api/join", "room=ROOM42&name=" + name + (device.empty() ? "" : "&device=" + device)).Body,
        "token");
    Post("/api/start", "", token);
    return token;
  }
  std::vector<TStoredAttempt> Stored() {
    TResultsFilter filter;
    filter.WithAnswers = true;
    return Opened.Store->Attempts(filter);
  }

  // What the server told the teacher's side.
  std::vector<std::string> Log() {
    std::lock_guard guard(LogLock);
    return Logged;
  }

  std::mutex LogLock;
  std::vector<std::string> Logged;
  TTempDir Dir;
  TOpenedStore Opened;
  TTestClock Clock;
  TClassroom Room;
  TClassroomServer Server;
  int Port = 0;
  std::thread Thread;
  std::unique_ptr<httplib::Client> Client;
};

}  // namespace ClassroomFixture
