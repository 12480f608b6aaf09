#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <fstream>
#include <map>

#include "classroom/ClassroomFixture.h"
#include "classroom/Form.h"
#include "classroom/PageFiles.h"
#include "support/FourScripts.h"
#include "support/ManualClock.h"
#include "support/PostgresStore.h"
#include "support/Questions.h"
#include "support/StoredQuestions.h"
#include "support/TempDir.h"

using namespace ClassroomFixture;

namespace {

TEST(Classroom, AWholeAttemptThroughHttpEndsInTheStore) {
  TRoom room(TestOf("ABC"));
  const TResponse page = room.Get("/");
  EXPECT_EQ(page.Status, 200);
  EXPECT_NE(page.Body.find("<!DOCTYPE html>"), std::string::npos);
  EXPECT_EQ(room.Get("/page.js").Status, 200);

  const TResponse joined = room.Post("/api/join", "room=room42&name=Ann+Lee");
  ASSERT_EQ(joined.Status, 200) << joined.Body;
  const std::string token = Field(joined.Body, "token");
  EXPECT_EQ(Field(joined.Body, "phase"), "begin");
  EXPECT_EQ(room.Post("/api/answer", "position=0&letters=A", token).Status, 409);  // not started

  const TResponse started = room.Post("/api/start", "", token);
  EXPECT_EQ(Field(started.Body, "phase"), "question");
  EXPECT_EQ(Field(started.Body, "count"), "3");
  // The questions come in the order the seed draws; the test's keys follow them.
  EXPECT_EQ(room.Post("/api/go", "position=1", token).Status, 409);     // must answer first
  EXPECT_EQ(room.Post("/api/check", "position=0", token).Status, 409);  // nothing to check yet
  ASSERT_EQ(room.Post("/api/answer", "position=0&letters=A", token).Status, 200);
  const TResponse checked = room.Post("/api/check", "position=0", token);
  EXPECT_EQ(Field(checked.Body, "checked"), "true");
  const std::string firstRight = Field(checked.Body, "right");
  EXPECT_EQ(room.Post("/api/answer", "position=0&letters=B", token).Status, 409);  // locked
  EXPECT_EQ(Field(room.Get("/api/state", token).Body, "chosen"), "A");
  ASSERT_EQ(room.Post("/api/go", "position=1", token).Status, 200);
  ASSERT_EQ(room.Post("/api/answer", "position=1&letters=B", token).Status, 200);
  room.Clock.AdvanceSeconds(30);

  // A reload on the same device continues the attempt with the time the
  // server counted.
  const TResponse again =
      room.Post("/api/join", "room=ROOM42&name=%20ann%20%20lee&device=" + Field(joined.Body, "device"));
  EXPECT_EQ(Field(again.Body, "token"), token);
  EXPECT_EQ(Field(again.Body, "position"), "1");
  EXPECT_EQ(Field(again.Body, "remainingSeconds"), "570");
  EXPECT_EQ(room.Post("/api/start", "", token).Status, 200);
  EXPECT_EQ(Field(room.Get("/api/state", token).Body, "position"), "1");  // a second start restarts nothing

  ASSERT_EQ(room.Post("/api/go", "position=2", token).Status, 200);
  ASSERT_EQ(room.Post("/api/answer", "position=2&letters=C", token).Status, 200);
  const TResponse finished = room.Post("/api/finish", "", token);
  ASSERT_EQ(Field(finished.Body, "phase"), "finished");
  EXPECT_EQ(Field(finished.Body, "stored"), "true");
  EXPECT_EQ(Field(finished.Body, "seconds"), "30");
  EXPECT_EQ(Field(finished.Body, "end"), R"(["Well done."])");

  const auto stored = room.Stored();
  ASSERT_EQ(stored.size(), 1u);
  EXPECT_EQ(stored[0].Source, TAttemptSource::Classroom);
  EXPECT_EQ(stored[0].Student, "Ann Lee");
  EXPECT_EQ(stored[0].Asked, 3);
  EXPECT_EQ(stored[0].SecondsTaken, 30);
  EXPECT_EQ(Field(finished.Body, "right"), std::to_string(stored[0].Right));
  EXPECT_EQ(stored[0].Answers[0].Right, firstRight == "true");
  ASSERT_EQ(stored[0].Answers.size(), 3u);
  EXPECT_EQ(Scoring::LetterText(stored[0].Answers[1].Chosen), "B");

  // Finishing again stores nothing more, and the time limit is the server's:
  // a student who asks after it finds the test ended and stored.
  EXPECT_EQ(room.Post("/api/finish", "", token).Status, 200);
  const std::string late = room.JoinAndStart("Bob");
  room.Post("/api/answer", "position=0&letters=A", late);
  room.Clock.AdvanceSeconds(601);
  const TResponse timedOut = room.Get("/api/state", late);
  EXPECT_EQ(Field(timedOut.Body, "timedOut"), "true");
  EXPECT_EQ(room.Post("/api/answer", "position=0&letters=B", late).Status, 409);
  EXPECT_EQ(room.Stored().size(), 2u);
}

TEST(Classroom, EachAnswerIsInTheDatabaseBeforeItIsConfirmed) {
  TClassroomTest test = TestOf("ABC");
  test.Settings.MaxQuestions = 2;
  test.Settings.RandomQuestions = 1;
  TRoom room(std::move(test));
  const std::string token = room.JoinAndStart("Ann");
  EXPECT_EQ(Field(room.Get("/api/state", token).Body, "count"), "2");
  ASSERT_EQ(room.Post("/api/answer", "position=0&letters=C", token).Status, 200);
  // Read through a second connection to the file, as a restarted server would.
  auto copy = OpenResultsStore(room.Dir.Path().string());
  auto select = copy.Store->Database().Prepare("SELECT student, answers, finished FROM classroom_progress");
  ASSERT_TRUE(select->Step());
  EXPECT_EQ(select->Text(0), "Ann");
  EXPECT_EQ(select->Text(1), "C,");
  EXPECT_EQ(select->Int(2), 0);
  // Only the progress rows skip waiting for the disk; the store's own
  // commits, such as the finished attempt, still wait.
  auto level = room.Opened.Store->Database().Prepare("PRAGMA synchronous");
  ASSERT_TRUE(level->Step());
  EXPECT_EQ(level->Int(0), 2);  // FULL
}

// Every response of an attempt up to a check or the end is the same whatever
// the key, so none of them carries it; references appear only once checked.
TEST(Classroom, NoResponseCarriesTheKeyBeforeACheckOrTheEnd) {
  TRoom one(TestOf("BBBB")), other(TestOf("CCCC"));
  for (auto& q : other.Room.Test().Questions) ASSERT_FALSE(q.Reference.empty());
  std::vector<std::pair<std::string, std::string>> script = {{"POST /api/join", "room=ROOM42&name=Ann"},
                                                             {"POST /api/start", ""},
                                                             {"GET /api/state", ""},
                                                             {"POST /api/answer", "position=0&letters=A"},
                                                             {"POST /api/answer", "position=0&letters=B"},
                                                             {"POST /api/go", "position=1"},
                                                             {"POST /api/answer", "position=1&letters=D"},
                                                             {"POST /api/go", "position=0"},
                                                             {"GET /api/media?position=0", ""},
                                                             {"POST /api/join", "room=ROOM42&name=ann"},
                                                             {"POST /api/check", "position=0"}};
  std::string tokens[2];
  std::vector<std::string> seen[2];
  TRoom* rooms[2] = {&one, &other};
  for (const auto& [request, body] : script) {
    for (int r = 0; r < 2; ++r) {
      const bool get = request.rfind("GET ", 0) == 0;
      const std::string path = request.substr(get ? 4 : 5);
      TResponse response = get ? rooms[r]->Get(path, tokens[r]) : rooms[r]->Post(path, body, tokens[r]);
      if (tokens[r].empty()) tokens[r] = Field(response.Body, "token");
      // What two rooms draw at random is left out of the comparison.
      Json::TValue reply = Json::TValue::parse(response.Body, nullptr, false);
      if (reply.is_object())
        for (const char* drawn : {"token", "device", "resumeCode"}) reply.erase(drawn);
      seen[r].push_back(std::to_string(response.Status) +
                        (reply.is_discarded() ? response.Body : reply.dump()));
    }
  }
  for (std::size_t i = 0; i + 1 < script.size(); ++i) {
    EXPECT_EQ(seen[0][i], seen[1][i]) << script[i].first;
    EXPECT_EQ(seen[0][i].find("REFERENCE-"), std::string::npos) << script[i].first;
    EXPECT_EQ(seen[0][i].find("\"correct\""), std::string::npos) << script[i].first;
  }
  // The check tells right or wrong and the reference of that question alone.
  EXPECT_NE(seen[0].back(), seen[1].back());
  EXPECT_EQ(Field(seen[0].back(), "reference").rfind("REFERENCE-", 0), 0u);
}

TEST(Classroom, AnotherStudentsTokenNeitherReadsNorChangesAnAttempt) {
  TRoom room(TestOf("AB"));
  const std::string ann = room.JoinAndStart("Ann");
  const std::string bob = room.JoinAndStart("Bob");
  EXPECT_NE(ann, bob);
  EXPECT_EQ(ann.size(), 64u);  // 256 random bits
  room.Post("/api/answer", "position=0&letters=A", ann);
  const std::string before = room.Get("/api/state", ann).Body;
  ASSERT_EQ(room.Post("/api/answer", "position=0&letters=B", bob).Status, 200);
  room.Post("/api/finish", "", bob);
  EXPECT_EQ(room.Get("/api/state", ann).Body, before);
  EXPECT_EQ(room.Get("/api/state", bob).Body.find("Ann"), std::string::npos);
  for (const std::string& forged : {std::string(), std::string(64, '0'), ann.substr(0, 63), ann + "0"})
    EXPECT_EQ(room.Post("/api/answer", "position=0&letters=C", forged).Status, 401);
  EXPECT_EQ(room.Get("/api/state", ann).Body, before);
  EXPECT_EQ(room.Post("/api/join", "room=ROOM43&name=Ann").Status, 403);
}

TEST(Classroom, BadRequestsGetA4xxAndChangeNothing) {
  TClassroomTest test = TestOf("AB");
  test.Questions[0].MediaFile = "\\MEDIA\\PIC.PNG";
  test.Questions[1].MediaFile = "..\\..\\etc\\passwd.png";
  TRoom room(std::move(test), 0);
  std::filesystem::create_directories(room.Dir.Path() / "MEDIA");
  WriteBytes(room.Dir.File("MEDIA/pic.png"), "PNG bytes");
  const std::string token = room.JoinAndStart("Ann");
  room.Post("/api/answer", "position=0&letters=A", token);
  const std::string before = room.Get("/api/state", token).Body;

  const std::vector<std::pair<std::string, std::string>> bad = {
      {"/api/answer", "position=0&letters=G"},
      {"/api/answer", "position=0&letters=AA"},
      {"/api/answer", "position=0&letters=a"},
      {"/api/answer", "position=0&letters=AB"},
      {"/api/answer", "position=%zz&letters=B"},
      {"/api/answer", "position=0&letters=B&letters=C"},
      {"/api/answer", "position=9&letters=B"},
      {"/api/answer", "position=-1&letters=B"},
      {"/api/answer", "position"},
      {"/api/go", "position=1000000"},
      {"/api/join", "room=ROOM42&name="},
      {"/api/join", "room=ROOM42&name=%01Eve"},
      {"/api/join", "room=ROOM42&name=Eve%E2%80%AE"},
      {"/api/join", "room=ROOM42&name=" + std::string(61, 'x')},
      {"/api/join", "room=ROOM42&name=%C3%28"},
      {"/api/nothing", "a=b"}};
  for (const auto& [path, body] : bad) {
    const int status = room.Post(path, body, token).Status;
    EXPECT_TRUE(status >= 400 && status < 500) << path << " " << body << " " << status;
  }
  EXPECT_EQ(room.Post("/api/answer", "position=0&letters=B", token, "application/json").Status, 415);
  EXPECT_EQ(room.Post("/api/answer", "letters=B&position=0&x=" + std::string(70 * 1024, 'x'), token).Status,
            413);
  EXPECT_EQ(room.Get("/api/state", token).Body, before);
  EXPECT_EQ(room.Room.Students().size(), 1u);

  // Media only by question, from the test's own folder; no path is taken
  // from a request.
  const TResponse picture = room.Get("/api/media?position=0", token);
  EXPECT_EQ(picture.Status, 200);
  EXPECT_EQ(picture.Body, "PNG bytes");
  EXPECT_EQ(room.Get("/api/media?position=1", token).Status, 404);
  EXPECT_EQ(room.Get("/api/media?position=../MEDIA/pic.png", token).Status, 400);
  for (const char* path : {"/../../etc/passwd", "/MEDIA/pic.png", "/%2e%2e/%2e%2e/etc/passwd", "/page.js/.."})
    EXPECT_EQ(room.Get(path).Status, 404) << path;
}

TEST(Classroom, ASlowClientIsCutOffWhileOthersAreServed) {
  TRoom room(TestOf("A"));
  const int slow = RawConnection(room.Port);
  ASSERT_GE(slow, 0);
  const std::string partial = "POST /api/join HTTP/1.1\r\nHost: x\r\nContent-Length: 100\r\n\r\nroom=";
  ASSERT_EQ(send(slow, partial.data(), partial.size(), 0), static_cast<ssize_t>(partial.size()));
  EXPECT_EQ(room.Get("/").Status, 200);
  const timeval wait{TClassroomServer::TimeoutSeconds + 5, 0};
  setsockopt(slow, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof wait);
  const auto start = std::chrono::steady_clock::now();
  char reply[512];
  const ssize_t got = recv(slow, reply, sizeof reply, 0);  // closed (0) or a 4xx, never a hang
  EXPECT_GE(got, 0);
  EXPECT_LT(std::chrono::steady_clock::now() - start,
            std::chrono::seconds(TClassroomServer::TimeoutSeconds + 3));
  close(slow);
  EXPECT_TRUE(room.Room.Students().empty());
}

// Test text and names are put into the page as text only: the replies escape
// markup, and the page's script never builds markup from strings.
TEST(Classroom, TestTextAndNamesTravelAsEscapedText) {
  TClassroomTest test = TestOf("A");
  test.Questions[0].Question = "<script>alert(1)</script>";
  test.Questions[0].AnswerA = "\"><img onerror=alert(1) src=x>";
  TRoom room(std::move(test));
  const std::string token = room.JoinAndStart("%3Cb%3EEve%3C%2Fb%3E");
  const std::string state = room.Get("/api/state", token).Body;
  EXPECT_EQ(state.find_first_of("<>"), std::string::npos);
  EXPECT_NE(state.find(R"("text":"\u003cscript\u003ealert(1)\u003c/script\u003e")"), std::string::npos)
      << state;
  // Escaped, not lost: the page shows the text as the teacher wrote it.
  EXPECT_EQ(Field(state, "text"), "<script>alert(1)</script>");
  EXPECT_EQ(Field(state, "name"), "<b>Eve</b>");
  for (std::size_t i = 0; i < PageFileCount; ++i) {
    for (const char* sink : {"innerHTML", "outerHTML", "insertAdjacentHTML", "document.write", "eval("})
      EXPECT_EQ(PageFiles[i].Bytes.find(sink), std::string_view::npos)
          << PageFiles[i].Path << " uses " << sink;
  }
}

// Names typed in any script join, show on the teacher's list and in the
// page, and are stored as typed; the same name in other letter case is the
// same student.
TEST(Classroom, NamesInAnyScriptAreStoredAndShownAsTyped) {
  TClassroomTest arabic = TestOf("A");
  arabic.Settings.Language = "ar";  // the page takes its words and its direction from it
  TRoom room(std::move(arabic));
  const std::vector<std::string> names = {"Łukasz Żółć", "Ελένη", "王小明"};
  std::vector<std::string> tokens;
  for (const std::string& name : names) {
    std::string typed;
    for (const unsigned char c : name) typed += {'%', "0123456789ABCDEF"[c >> 4], "0123456789ABCDEF"[c & 15]};
    tokens.push_back(room.JoinAndStart(typed, std::string(40, static_cast<char>('a' + tokens.size()))));
    EXPECT_EQ(Field(room.Get("/api/state", tokens.back()).Body, "name"), name);
  }
  EXPECT_EQ(Field(room.Get("/api/state", tokens.back()).Body, "language"), "ar");
  // Another device under the same name in capitals waits for the teacher.
  EXPECT_EQ(room.Post("/api/join", "room=ROOM42&name=%C5%81UKASZ+%C5%BB%C3%93%C5%81%C4%86").Status, 202);
  for (const std::string& token : tokens) {
    room.Post("/api/answer", "position=0&letters=A", token);
    room.Post("/api/finish", "", token);
  }
  std::vector<std::string> listed, stored;
  for (const TStudentLine& line : room.Room.Students()) listed.push_back(line.Name);
  for (const TStoredAttempt& attempt : room.Stored()) stored.push_back(attempt.Student);
  EXPECT_EQ(listed, names);
  std::ranges::sort(stored);
  std::vector<std::string> sortedNames = names;
  std::ranges::sort(sortedNames);
  EXPECT_EQ(stored, sortedNames);
}

TEST(ClassroomForm, ReadsFormsAndNamesStrictly) {
  const auto fields = Form::Parse("name=Ann+Lee&room=%41B");
  ASSERT_TRUE(fields);
  EXPECT_EQ(fields->at("name"), "Ann Lee");
  EXPECT_EQ(fields->at("room"), "AB");
  for (const char* bad : {"a", "a=1&a=2", "=1", "a=%4", "a=%G1"}) EXPECT_FALSE(Form::Parse(bad)) << bad;
  EXPECT_EQ(Form::StudentName("  Zoë   Müller "), std::string("Zoë Müller"));
  EXPECT_EQ(Form::StudentName("Zoe\u0308"), std::string("Zoë"));  // composed
  // Names in any script, as long as MaxNameLength counts characters, not bytes.
  std::string wang;
  for (int i = 0; i < Form::MaxNameLength; ++i) wang += "王";
  EXPECT_EQ(Form::StudentName(wang), wang);
  EXPECT_FALSE(Form::StudentName(wang + "王"));
  EXPECT_FALSE(Form::StudentName("Eve\u202E"));     // turns the text after it around
  EXPECT_FALSE(Form::StudentName("Zoë\tMüller"));   // a TAB is a control character
  EXPECT_FALSE(Form::StudentName("\xC0\xAF"));      // overlong '/'
  EXPECT_FALSE(Form::StudentName("\xED\xA0\x80"));  // a surrogate
  EXPECT_FALSE(Form::StudentName("Eve\xC2\x85"));   // a C1 control
  EXPECT_EQ(Form::Letters("CA", 0x0F), Scoring::TLetters{5});
  EXPECT_FALSE(Form::Letters("E", 0x0F));
}

}  // namespace

namespace {

// A server stopped at any moment and started again on the same room: every
// answer it confirmed is there, each student continues by joining again, and
// an attempt that had ended is stored once. On each store the server can use.
using ClassroomOn = TStoreBackendTest;
INSTANTIATE_TEST_SUITE_P(Each, ClassroomOn, testing::Values(TStoreBackend::Sqlite, TStoreBackend::Postgres),
                         BackendName);

TEST_P(ClassroomOn, ARestartedRoomResumesEveryConfirmedAnswer) {
  const std::string AnnDevice(40, 'a');
  TTestClock clock;
  auto fixed = [] { return std::uint64_t{3}; };
  std::string order;
  {
    TOpenedStore opened = Open();
    TClassroom room(TestOf("ABC"), "ROOM42", *opened.Store, clock, {NewSessionToken, fixed, NewAttemptId});
    const std::string ann = Field(room.Join("ROOM42", "Ren\xC3\xA9", "pc1", AnnDevice).Json, "token");
    room.Start(ann, "");
    room.Answer(ann, "0", "B");
    room.Check(ann, "0");
    room.Go(ann, "1");
    room.Answer(ann, "1", "C");
    order = room.State(ann).Json;
    const std::string bob = Field(room.Join("ROOM42", "Bob", "pc2").Json, "token");
    room.Start(bob, "");
    room.Answer(bob, "0", "A");
    clock.AdvanceSeconds(42);
    room.Answer(bob, "0", "B");
    EXPECT_EQ(room.Finish(bob).Status, 200);
  }
  TOpenedStore opened = Open();
  clock.AdvanceSeconds(300);  // the time the server was down is not the student's
  TClassroom room(TestOf("ABC"), "ROOM42", *opened.Store, clock, {NewSessionToken, fixed, NewAttemptId});
  EXPECT_EQ(room.Resume().Resumed, 1);  // Bob's attempt was stored already
  // The same device continues; another one waits for the teacher.
  EXPECT_EQ(room.Join("room42", "REN\xC3\x89", "pc3").Status, 202);
  const TReply again = room.Join("room42", "ren\xC3\xA9", "pc3", AnnDevice);
  EXPECT_EQ(Field(again.Json, "position"), "1");
  EXPECT_EQ(Field(again.Json, "chosen"), "C");
  EXPECT_EQ(Field(again.Json, "text"), Field(order, "text"));  // the same order of questions
  const std::string ann = Field(again.Json, "token");
  room.Go(ann, "0");
  EXPECT_EQ(Field(room.State(ann).Json, "checked"), "true");
  EXPECT_EQ(room.Answer(ann, "0", "A").Status, 409);  // still locked
  room.Finish(ann);
  EXPECT_EQ(room.Resume().Resumed, 0);
  TResultsFilter all;
  const std::vector<TStoredAttempt> stored = opened.Store->Attempts(all);
  ASSERT_EQ(stored.size(), 2u);
  // Both started in the same second, so the store's order between them is the
  // random id's: find each by name.
  const auto taken = [&](const std::string& student) {
    const auto it = std::ranges::find(stored, student, &TStoredAttempt::Student);
    return it == stored.end() ? -1 : it->SecondsTaken;
  };
  EXPECT_EQ(taken("Bob"), 42);
  EXPECT_EQ(taken("Ren\xC3\xA9"), 0);
}

}  // namespace

namespace {

// The whole class presses Join in the same second: nobody is turned away.
TEST(Classroom, AClassJoiningAtOnceIsServed) {
  TRoom room(TestOf("A"));
  std::atomic<int> joined = 0;
  std::vector<std::thread> students;
  for (int s = 0; s < 80; ++s) {
    students.emplace_back([&, s] {
      httplib::Client client("127.0.0.1", room.Port);
      client.set_read_timeout(20);
      auto result = client.Post("/api/join", "room=ROOM42&name=S" + std::to_string(s),
                                "application/x-www-form-urlencoded");
      if (result && result->status == 200) ++joined;
    });
  }
  for (std::thread& student : students) student.join();
  EXPECT_EQ(joined, 80);
  EXPECT_EQ(room.Room.Students().size(), 80u);
}

}  // namespace

namespace {

// A server killed with SIGKILL in the middle of a class: every answer a
// browser was told was saved is in the store once the room is taken up again
// and the students finish.
TEST(Classroom, ASigkilledServerLosesNoConfirmedAnswer) {
  const auto DeviceOf = [](int s) { return std::string(32, static_cast<char>('a' + s)); };
  TTempDir dir;
  const TClassroomRandom fixed{NewSessionToken, [] { return std::uint64_t{5}; }, NewAttemptId};
  int ports[2];
  ASSERT_EQ(pipe(ports), 0);
  const pid_t server = fork();
  ASSERT_GE(server, 0);
  if (server == 0) {
    TOpenedStore opened = OpenResultsStore(dir.Path().string());
    TSteadyClock clock;
    TClassroom room(TestOf("ABCDABCDABCDABCDABCD"), "ROOM42", *opened.Store, clock, fixed);
    TClassroomServer http(room);
    const int port = http.Bind("127.0.0.1", 0);
    if (write(ports[1], &port, sizeof port) != sizeof port) _exit(1);
    http.Run();
    _exit(0);
  }
  int port = 0;
  ASSERT_EQ(read(ports[0], &port, sizeof port), static_cast<ssize_t>(sizeof port));
  constexpr int Students = 6;
  std::vector<std::map<int, std::string>> confirmed(Students);
  std::vector<std::thread> students;
  for (int s = 0; s < Students; ++s) {
    students.emplace_back([&, s] {
      httplib::Client client("127.0.0.1", port);
      client.set_read_timeout(5);
      httplib::Headers headers;
      auto post = [&](const std::string& path, const std::string& body) {
        auto result = client.Post(path, headers, body, "application/x-www-form-urlencoded");
        return result && result->status == 200 ? result->body : std::string();
      };
      const std::string token = Field(
          post("/api/join", "room=ROOM42&name=S" + std::to_string(s) + "&device=" + DeviceOf(s)), "token");
      headers.emplace("Authorization", "Bearer " + token);
      post("/api/start", "");
      for (int q = 0; q < 20; ++q) {
        const std::string letters(1, static_cast<char>('A' + (s + q) % 4));
        if (post("/api/answer", "position=" + std::to_string(q) + "&letters=" + letters).empty()) return;
        confirmed[s][q] = letters;
        if (post("/api/go", "position=" + std::to_string(q + 1)).empty()) return;
      }
    });
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(150));
  kill(server, SIGKILL);
  for (std::thread& student : students) student.join();
  int status = 0;
  waitpid(server, &status, 0);
  ASSERT_TRUE(WIFSIGNALED(status));

  TOpenedStore opened = OpenResultsStore(dir.Path().string());
  TManualClock clock;
  TClassroom room(TestOf("ABCDABCDABCDABCDABCD"), "ROOM42", *opened.Store, clock, fixed);
  room.Resume();
  int checked = 0;
  for (int s = 0; s < Students; ++s) {
    const std::string token =
        Field(room.Join("ROOM42", "S" + std::to_string(s), "", DeviceOf(s)).Json, "token");
    room.Finish(token);
  }
  TResultsFilter all;
  all.WithAnswers = true;
  for (const TStoredAttempt& attempt : opened.Store->Attempts(all)) {
    const int s = std::stoi(attempt.Student.substr(1));
    for (const auto& [q, letters] : confirmed[s]) {
      ASSERT_LT(q, static_cast<int>(attempt.Answers.size()));
      EXPECT_EQ(Scoring::LetterText(attempt.Answers[q].Chosen), letters) << attempt.Student << " " << q;
      ++checked;
    }
  }
  int sent = 0;
  for (const auto& answers : confirmed) sent += static_cast<int>(answers.size());
  EXPECT_EQ(checked, sent);
  EXPECT_GT(sent, 0);
  RecordProperty("confirmed_answers", sent);
}

}  // namespace

// Students named in four scripts take a test in them: the page is given every
// text and the language as the file has them, and the store keeps them so.
TEST(Classroom, AFourScriptTestReachesThePageAndTheStoreExactly) {
  TTempDir dir;
  const std::string path = dir.File("SCRIPTS.QWT");
  WriteTest(path, FourScripts::Settings(), FourScripts::Questions());
  TRoom room(LoadClassroomTest(path));
  const auto& scripts = FourScripts::Scripts();
  const std::vector<std::string>& names = FourScripts::Students();
  // Each student answers every question with one letter; the first with the key.
  const std::vector<std::string> letters = {"", "A", "B", "C"};
  const std::vector<int> right = {4, 2, 1, 1};
  for (std::size_t s = 0; s < names.size(); ++s) {
    std::string typed;
    for (const unsigned char c : names[s])
      typed += {'%', "0123456789ABCDEF"[c >> 4], "0123456789ABCDEF"[c & 15]};
    const TResponse joined = room.Post(
        "/api/join", "room=ROOM42&name=" + typed + "&device=" + std::string(40, static_cast<char>('a' + s)));
    EXPECT_EQ(Json::TValue::parse(joined.Body)["begin"], Json::TValue(FourScripts::Settings().BeginMessage));
    const std::string token = Field(joined.Body, "token");
    room.Post("/api/start", "", token);
    Json::TValue state = Json::TValue::parse(room.Get("/api/state", token).Body);
    EXPECT_EQ(state["name"], names[s]);
    EXPECT_EQ(state["language"], "ar");
    EXPECT_EQ(state["description"], FourScripts::Settings().Description);
    ASSERT_EQ(state["count"], 4);
    for (int position = 0; position < 4; ++position) {
      const Json::TValue& shown = state["question"];
      const auto script =
          std::ranges::find(scripts, shown["text"].get<std::string>(), &FourScripts::TScript::Question);
      ASSERT_NE(script, scripts.end()) << shown.dump();
      ASSERT_EQ(shown["answers"].size(), 3u);
      for (int a = 0; a < 3; ++a) {
        EXPECT_EQ(shown["answers"][a]["letter"], std::string(1, static_cast<char>('A' + a)));
        EXPECT_EQ(shown["answers"][a]["text"], script->Answers[static_cast<std::size_t>(a)]);
      }
      const std::string chosen = letters[s].empty() ? script->Correct : letters[s];
      ASSERT_EQ(room.Post("/api/answer", "position=" + std::to_string(position) + "&letters=" + chosen, token)
                    .Status,
                200);
      state = Json::TValue::parse(
          position < 3 ? room.Post("/api/go", "position=" + std::to_string(position + 1), token).Body
                       : room.Post("/api/finish", "", token).Body);
    }
    EXPECT_EQ(state["end"], Json::TValue(FourScripts::Settings().EndMessage));
    EXPECT_EQ(state["result"]["right"], right[s]) << names[s];
  }
  std::map<std::string, int> stored;
  for (const TStoredAttempt& attempt : room.Stored()) stored[attempt.Student] = attempt.Right;
  EXPECT_EQ(stored, (std::map<std::string, int>{{names[0], 4}, {names[1], 2}, {names[2], 1}, {names[3], 1}}));
  EXPECT_EQ(StoredQuestions(*room.Opened.Store), AsSnapshots(FourScripts::Questions()));
}
