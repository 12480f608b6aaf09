#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "classroom/ClassroomFixture.h"
#include "classroom/RateLimit.h"

using namespace ClassroomFixture;

namespace {

using TClock = std::chrono::steady_clock;

double MillisecondsSince(TClock::time_point start) {
  return std::chrono::duration<double, std::milli>(TClock::now() - start).count();
}

// An error the server did not expect reaches the student as a sentence and
// the teacher's side as what it was; no header or body carries its text.
TEST(ClassroomServer, AnUnexpectedErrorIsA500ThatOnlyTheTeacherReads) {
  TRoom room(TestOf("A"), 7, []() -> std::string {
    throw std::runtime_error("/home/teacher/secret/Results.sqlite is malformed");
  });
  httplib::Client client("127.0.0.1", room.Port);
  const auto reply = client.Post("/api/join", "room=ROOM42&name=Ann", "application/x-www-form-urlencoded");
  ASSERT_TRUE(reply);
  EXPECT_EQ(reply->status, 500);
  EXPECT_EQ(Field(reply->body, "error"), "Something went wrong on the teacher's computer. Please try again.");
  EXPECT_EQ(reply->body.find("secret"), std::string::npos);
  for (const auto& [name, value] : reply->headers)
    EXPECT_EQ((name + value).find("secret"), std::string::npos) << name;
  ASSERT_EQ(room.Log().size(), 1u);
  EXPECT_EQ(room.Log()[0], "/home/teacher/secret/Results.sqlite is malformed");
  EXPECT_TRUE(room.Room.Students().empty());
}

// Fifty requests left half-sent by one client hold no student up: a
// student's exchange takes about as long as one made before they were sent
// (a bound by ratio, as a busy machine slows both alike).
TEST(ClassroomServer, HalfSentRequestsDoNotDelayAStudent) {
  TRoom room(TestOf("AB"));
  const auto slowestExchange = [&](const std::string& name) {
    double slowest = 0;
    const auto timed = [&](auto request) {
      const auto start = TClock::now();
      const TResponse response = request();
      slowest = std::max(slowest, MillisecondsSince(start));
      return response;
    };
    const std::string token =
        Field(timed([&] { return room.Post("/api/join", "room=ROOM42&name=" + name); }).Body, "token");
    EXPECT_EQ(timed([&] { return room.Post("/api/start", "", token); }).Status, 200);
    for (int i = 0; i < 10; ++i) {
      EXPECT_EQ(timed([&] { return room.Post("/api/answer", "position=0&letters=A", token); }).Status, 200);
      EXPECT_EQ(timed([&] { return room.Get("/api/state", token); }).Status, 200);
    }
    return slowest;
  };
  const double unloaded = slowestExchange("Bob");
  std::vector<int> held;
  const std::string partial = "POST /api/join HTTP/1.1\r\nHost: x\r\nContent-Length: 100\r\n\r\nroom=";
  for (int i = 0; i < 50; ++i) {
    held.push_back(RawConnection(room.Port, "127.0.0.7"));
    ASSERT_GE(held.back(), 0);
    ASSERT_EQ(send(held.back(), partial.data(), partial.size(), 0), static_cast<ssize_t>(partial.size()));
  }
  const double slowest = slowestExchange("Ann");
  EXPECT_LT(slowest, 20 * std::max(unloaded, 5.0)) << "unloaded: " << unloaded << " ms";
  RecordProperty("slowest_ms", static_cast<int>(slowest));
  for (const int fd : held) close(fd);
}

// Connections beyond an address's share are refused at once, others are
// served; oversized and overlong headers are refused.
TEST(ClassroomServer, ConnectionsAndHeadersAreLimited) {
  TRoom room(TestOf("A"));
  std::vector<int> open;
  for (int i = 0; i < TClassroomServer::MaxConnectionsPerAddress; ++i) {
    open.push_back(RawConnection(room.Port, "127.0.0.9"));
    ASSERT_GE(open.back(), 0) << i;
  }
  // Connections are taken in order: once the last one is answered, all are.
  EXPECT_EQ(StatusOf(RawExchange(open.back(), "GET /page.css HTTP/1.1\r\nHost: x\r\n\r\n")), 200);
  const int beyond = RawConnection(room.Port, "127.0.0.9");
  const auto start = TClock::now();
  const std::string refused = RawExchange(beyond, "");
  EXPECT_EQ(StatusOf(refused), 503);
  EXPECT_EQ(Field(refused, "error"), "The room is busy. Please wait a moment and try again.");
  EXPECT_LT(MillisecondsSince(start), 1000);
  EXPECT_EQ(room.Get("/page.css").Status, 200);
  close(beyond);
  for (const int fd : open) close(fd);

  std::string many = "GET / HTTP/1.1\r\nHost: x\r\n";
  for (std::size_t i = 0; i < TClassroomServer::MaxHeaderCount; ++i)
    many += "X-" + std::to_string(i) + ": 1\r\n";
  const std::string large =
      "GET / HTTP/1.1\r\nHost: x\r\nX-Large: " + std::string(TClassroomServer::MaxHeaderBytes, 'x') +
      "\r\n\r\n";
  for (const std::string& request : {many + "\r\n", large}) {
    const int fd = RawConnection(room.Port, "127.0.0.10");
    EXPECT_EQ(StatusOf(RawExchange(fd, request)), 431);
    close(fd);
  }
}

// One device's refused requests are counted against its own token, never
// against the classmates behind the same address; the refusal closes the
// connection with one Connection header.
TEST(ClassroomServer, OneDevicesRefusalsNeverStopAClassmate) {
  TRoom room(TestOf("AB"));
  const std::string eve = room.JoinAndStart("Eve");
  const std::string bob = room.JoinAndStart("Bob");
  const std::string bad = "POST /api/answer HTTP/1.1\r\nHost: x\r\nAuthorization: Bearer " + eve +
                          "\r\nContent-Type: application/x-www-form-urlencoded\r\nContent-Length: 20\r\n\r\n"
                          "position=7&letters=A";
  std::string refused;
  int fd = RawConnection(room.Port);
  for (int i = 0; i < TRateLimit::Capacity * 2 && StatusOf(refused) != 429; ++i) {
    refused = RawExchange(fd, bad);
    if (refused.empty()) close(fd), fd = RawConnection(room.Port);
  }
  close(fd);
  ASSERT_EQ(StatusOf(refused), 429);
  std::smatch match;
  const std::regex connection("\r\nConnection: ", std::regex::icase);
  EXPECT_EQ(
      std::distance(std::sregex_iterator(refused.begin(), refused.end(), connection), std::sregex_iterator()),
      1);
  EXPECT_EQ(room.Post("/api/answer", "position=0&letters=A", bob).Status, 200);
  EXPECT_EQ(room.Post("/api/join", "room=ROOM42&name=Ann").Status, 200);
}

// docs/classroom.md and the server agree: every status its table of
// requests names is the one the server gives for that case, and every
// limit it states is the server's.
TEST(ClassroomServer, KeepsEveryStatusAndLimitOfItsDocument) {
  std::ifstream in(QUIZWELL_TEST_DATA "/../../docs/classroom.md");
  ASSERT_TRUE(in);
  std::stringstream text;
  text << in.rdbuf();
  const std::string document = text.str();

  TClassroomTest test = TestOf("AB");
  TRoom room(std::move(test));
  TClassroomTest unchecked = TestOf("A");
  unchecked.Settings.CheckAnswers = 0;
  TRoom noChecking(std::move(unchecked));
  TRoom empty(TestOf(""));
  const std::string device(40, 'd');
  const std::string ann = room.JoinAndStart("Ann", device);
  const std::string fresh = Field(room.Post("/api/join", "room=ROOM42&name=Joe").Body, "token");
  const std::string noCheck = noChecking.JoinAndStart("Ann");
  const std::string none = Field(empty.Post("/api/join", "room=ROOM42&name=Ann").Body, "token");
  const auto post = [](TRoom& in, const std::string& path, const std::string& body,
                       const std::string& token) {
    return [&in, path, body, token] { return in.Post(path, body, token).Status; };
  };
  // One case for each status of each request, run in this order (the last
  // ones break the store and fill the room).
  using TCase = std::function<int()>;
  const std::vector<std::pair<std::pair<std::string, int>, TCase>> cases = {
      {{"POST /api/join", 400}, post(room, "/api/join", "room=ROOM42&name=A%09B", "")},
      {{"POST /api/join", 403}, post(room, "/api/join", "room=ROOM43&name=Ann", "")},
      {{"POST /api/join", 409},
       [&] {
         for (char c = 'e'; c < 'h'; ++c)
           room.Post("/api/join", "room=ROOM42&name=Ann&device=" + std::string(40, c));
         return room.Post("/api/join", "room=ROOM42&name=Ann&device=" + std::string(40, 'h')).Status;
       }},
      {{"POST /api/join", 429},
       [&] {
         for (int s = 0; s < TClassroom::JoinBurstPerAddress; ++s)
           room.Room.Join("ROOM42", "F" + std::to_string(s), "10.9.9.9");
         return room.Room.Join("ROOM42", "G", "10.9.9.9").Status;
       }},
      {{"GET /api/state", 401}, [&] { return room.Get("/api/state", std::string(64, '0')).Status; }},
      {{"POST /api/start", 400}, post(room, "/api/start", "count=1", fresh)},
      {{"POST /api/start", 409}, post(empty, "/api/start", "", none)},
      {{"POST /api/answer", 400}, post(room, "/api/answer", "position=0", ann)},
      {{"POST /api/answer", 409}, post(room, "/api/answer", "position=1&letters=A", ann)},
      {{"POST /api/check", 400}, post(room, "/api/check", "position=x", ann)},
      {{"POST /api/check", 403}, post(noChecking, "/api/check", "position=0", noCheck)},
      {{"POST /api/check", 409}, post(room, "/api/check", "position=0", ann)},
      {{"POST /api/go", 400}, post(room, "/api/go", "position=9", ann)},
      {{"POST /api/go", 409}, post(room, "/api/go", "position=1", ann)},
      {{"POST /api/finish", 409}, post(room, "/api/finish", "", ann)},
      {{"POST /api/away", 400}, post(room, "/api/away", "seconds=-1", ann)},
      {{"POST /api/away", 409}, post(room, "/api/away", "seconds=4", fresh)},
      {{"GET /api/media", 400}, [&] { return room.Get("/api/media?position=x", ann).Status; }},
      {{"GET /api/media", 404}, [&] { return room.Get("/api/media?position=0", ann).Status; }},
      {{"GET /api/media", 409}, [&] { return room.Get("/api/media?position=0", fresh).Status; }},
      {{"POST /api/finish", 503},
       [&] {
         room.Post("/api/answer", "position=0&letters=A", ann);
         room.Opened.Store->Database().Execute("DROP TABLE answers");
         return room.Post("/api/finish", "", ann).Status;
       }},
      {{"POST /api/join", 503},
       [&] {
         for (auto s = room.Room.Students().size(); s < 2000; ++s) {
           room.Clock.AdvanceSeconds(100);
           room.Room.Join("ROOM42", "M" + std::to_string(s), "10.8." + std::to_string(s % 200) + ".1");
         }
         return room.Post("/api/join", "room=ROOM42&name=Late").Status;
       }},
  };
  std::set<std::pair<std::string, int>> documented;
  const std::regex row("\n\\| `((?:GET|POST) /api/[a-z]+)[^`]*` \\|[^\n]*\\| ([^|\n]*) \\|(?=\n)");
  for (auto it = std::sregex_iterator(document.begin(), document.end(), row); it != std::sregex_iterator();
       ++it) {
    const std::string errors = (*it)[2];
    const std::regex status("(^|; )([0-9]{3})\\b");
    for (auto s = std::sregex_iterator(errors.begin(), errors.end(), status); s != std::sregex_iterator();
         ++s)
      documented.insert({(*it)[1], std::stoi((*s)[2])});
  }
  std::set<std::pair<std::string, int>> covered;
  for (const auto& [key, run] : cases) {
    covered.insert(key);
    EXPECT_TRUE(documented.count(key)) << key.first << " " << key.second << " is not in the table";
    EXPECT_EQ(run(), key.second) << key.first;
  }
  for (const auto& key : documented)
    EXPECT_TRUE(covered.count(key)) << key.first << " " << key.second << " has no case";

  // The limits table, value by value.
  const auto limit = [&](const std::string& name) {
    const std::regex line("\\| " + name + " \\| ([^|]*) \\|");
    std::smatch match;
    return std::regex_search(document, match, line) ? std::regex_replace(match[1].str(), std::regex(","), "")
                                                    : std::string("missing");
  };
  const auto number = [](double value) { return std::to_string(static_cast<long>(value)); };
  EXPECT_EQ(limit("request body"), number(TClassroomServer::MaxBodyBytes / 1024) + " KB");
  EXPECT_EQ(limit("request headers, in all"), number(TClassroomServer::MaxHeaderBytes / 1024) + " KB");
  EXPECT_EQ(limit("request headers, in number"), number(TClassroomServer::MaxHeaderCount));
  EXPECT_EQ(limit("time for a whole request, and for an idle connection to speak"),
            number(TClassroomServer::TimeoutSeconds) + " seconds");
  EXPECT_EQ(limit("open connections in all"), number(TClassroomServer::MaxConnections));
  EXPECT_EQ(limit("open connections from one address"), number(TClassroomServer::MaxConnectionsPerAddress));
  EXPECT_EQ(limit("refusals from one client at once, then each second"),
            number(TRateLimit::Capacity) + " " + number(TRateLimit::PerSecond));
  EXPECT_EQ(limit("new attempts from one address at once, then each second"),
            number(TClassroom::JoinBurstPerAddress) + " " + number(TClassroom::JoinsPerSecondPerAddress));
  EXPECT_EQ(limit("new attempts in all at once, then each second"),
            number(TClassroom::JoinBurst) + " " + number(TClassroom::JoinsPerSecond));
}

}  // namespace
