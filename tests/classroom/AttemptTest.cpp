#include <gtest/gtest.h>

#include <chrono>

#include "classroom/ClassroomFixture.h"
#include "support/TempDir.h"

using namespace ClassroomFixture;

namespace {

const std::string AnnDevice(40, 'a');
const std::string PhoneDevice(40, 'p');

std::string JoinBody(const std::string& name, const std::string& device, const std::string& code = {}) {
  return "room=ROOM42&name=" + name + "&device=" + device + (code.empty() ? "" : "&code=" + code);
}

// A classmate typing Ann's name, from any device, never gets her attempt:
// they wait for the teacher, who allows or refuses, or type the code her
// device shows. The device that takes over gets a new token; the old one
// must ask in turn.
TEST(ClassroomAttempt, IsItsDevicesAndAnotherOneNeedsTheTeacherOrTheCode) {
  TRoom room(TestOf("ABC"));
  const TResponse ann = room.Post("/api/join", JoinBody("Ann+Lee", AnnDevice));
  const std::string token = Field(ann.Body, "token");
  room.Post("/api/start", "", token);
  ASSERT_EQ(room.Post("/api/answer", "position=0&letters=B", token).Status, 200);

  std::string strangerDevice;
  for (const std::string& body :
       {std::string("room=ROOM42&name=Ann+Lee"), JoinBody("ANN++LEE", PhoneDevice)}) {
    const TResponse other = room.Post("/api/join", body);
    EXPECT_EQ(other.Status, 202) << body;
    EXPECT_EQ(Field(other.Body, "phase"), "waiting");
    EXPECT_EQ(Field(other.Body, "token"), "");
    EXPECT_EQ(Field(other.Body, "chosen"), "");
    EXPECT_EQ(Field(other.Body, "resumeCode"), "");
    if (strangerDevice.empty()) strangerDevice = Field(other.Body, "device");
  }
  EXPECT_EQ(room.Post("/api/join", JoinBody("Ann+Lee", PhoneDevice, "ZZZZZZ")).Status, 403);
  EXPECT_EQ(room.Room.Students().size(), 1u);

  const std::vector<TDeviceRequest> asks = room.Room.DeviceRequests();
  ASSERT_EQ(asks.size(), 2u);
  EXPECT_EQ(asks[0].Name, "Ann Lee");
  room.Room.AnswerDeviceRequest(asks[0].Id, false);
  room.Room.AnswerDeviceRequest(asks[1].Id, true);
  EXPECT_EQ(room.Post("/api/join", JoinBody("Ann+Lee", strangerDevice)).Status, 403);
  const TResponse phone = room.Post("/api/join", JoinBody("Ann+Lee", PhoneDevice));
  ASSERT_EQ(phone.Status, 200);
  EXPECT_EQ(Field(phone.Body, "chosen"), "B");
  EXPECT_NE(Field(phone.Body, "token"), token);
  EXPECT_EQ(room.Get("/api/state", token).Status, 401);

  // The first device asks in turn, and takes the attempt back with the code
  // the phone shows, typed in any letter case.
  EXPECT_EQ(room.Post("/api/join", JoinBody("Ann+Lee", AnnDevice)).Status, 202);
  std::string code = Field(phone.Body, "resumeCode");
  ASSERT_EQ(code.size(), 6u);
  for (char& c : code) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  const TResponse back = room.Post("/api/join", JoinBody("Ann+Lee", AnnDevice, code));
  ASSERT_EQ(back.Status, 200);
  EXPECT_EQ(Field(back.Body, "chosen"), "B");
  EXPECT_EQ(room.Get("/api/state", Field(phone.Body, "token")).Status, 401);
  EXPECT_TRUE(room.Room.DeviceRequests().empty());
}

// Letter case is Unicode's, with its full folding: "RENÉ" is René and
// "STRASSE" is Straße, so neither gets an attempt of their own.
TEST(ClassroomAttempt, NamesMatchWithFullCaseFolding) {
  TRoom room(TestOf("A"));
  for (const auto& [first, second] : {std::pair{"Ren%C3%A9", "REN%C3%89"}, {"Stra%C3%9Fe", "STRASSE"}}) {
    ASSERT_EQ(room.Post("/api/join", JoinBody(first, AnnDevice)).Status, 200);
    EXPECT_EQ(room.Post("/api/join", JoinBody(second, PhoneDevice)).Status, 202) << second;
  }
  EXPECT_EQ(room.Room.Students().size(), 2u);
}

// The server ends an attempt when its time runs out, whether or not the
// student asks again, so a stop at any later moment cannot revive it.
TEST(ClassroomAttempt, ATimedOutAttemptIsStoredWithoutALaterRequest) {
  TRoom room(TestOf("AB"));
  const std::string bob = room.JoinAndStart("Bob");
  ASSERT_EQ(room.Post("/api/answer", "position=0&letters=A", bob).Status, 200);
  room.Clock.AdvanceSeconds(601);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (room.Stored().empty() && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  ASSERT_EQ(room.Stored().size(), 1u);
  EXPECT_EQ(Scoring::LetterText(room.Stored()[0].Answers[0].Chosen), "A");
}

// A throwaway name that finishes at once sees no key while the class is
// answering: the review waits for the teacher's end, unless turned off.
TEST(ClassroomAttempt, TheReviewWaitsForTheEndOfTheTest) {
  TTempDir dir;
  TOpenedStore opened = OpenResultsStore(dir.Path().string());
  TTestClock clock;
  TClassroomTest test = TestOf("AB");
  test.Settings.MustAnswer = 0;  // finished blank, so both are reviewed
  TClassroom room(test, "ROOM42", *opened.Store, clock);
  const auto finished = [&](const std::string& name) {
    const std::string token = Field(room.Join("ROOM42", name, "pc").Json, "token");
    room.Start(token, "");
    room.Finish(token);
    return token;
  };
  const std::string eve = finished("Eve");
  EXPECT_EQ(Field(room.State(eve).Json, "reviewHeld"), "true");
  EXPECT_EQ(room.State(eve).Json.find("\"correct\""), std::string::npos);
  room.EndAll();
  EXPECT_EQ(Field(room.State(eve).Json, "reviewHeld"), "");
  EXPECT_NE(room.State(eve).Json.find("\"correct\""), std::string::npos);

  TClassroom open(test, "ROOM43", *opened.Store, clock);
  open.HoldReview(false);
  const std::string token = Field(open.Join("ROOM43", "Eve", "pc").Json, "token");
  open.Start(token, "");
  open.Finish(token);
  EXPECT_NE(open.State(token).Json.find("\"correct\""), std::string::npos);
}

// A restart on an edited test takes up only the attempts whose questions
// are still the same, and names the others with why.
TEST(ClassroomAttempt, ARestartOnAnEditedTestSaysWhichAttemptsItLeft) {
  TTempDir dir;
  TTestClock clock;
  {
    TOpenedStore opened = OpenResultsStore(dir.Path().string());
    TClassroom room(TestOf("AB"), "ROOM42", *opened.Store, clock);
    const std::string ann = Field(room.Join("ROOM42", "Ann", "pc", AnnDevice).Json, "token");
    room.Start(ann, "");
    room.Answer(ann, "0", "A");
  }
  TOpenedStore opened = OpenResultsStore(dir.Path().string());
  TClassroomTest edited = TestOf("AB");
  edited.Questions[1].AnswerB = "deux";
  TClassroom room(std::move(edited), "ROOM42", *opened.Store, clock);
  const TResumeReport report = room.Resume();
  EXPECT_EQ(report.Resumed, 0);
  ASSERT_EQ(report.NotResumed.size(), 1u);
  EXPECT_EQ(report.NotResumed[0], "Ann: the test's questions changed since it began");
}

// A class joins at once; a flood of made-up names from one address is held
// to a few a second, and a flood from many addresses to a few more.
TEST(ClassroomAttempt, JoinsAreLimitedPerAddressAndInAll) {
  TTempDir dir;
  TOpenedStore opened = OpenResultsStore(dir.Path().string());
  TTestClock clock;
  TClassroom room(TestOf("A"), "ROOM42", *opened.Store, clock);
  int next = 0;
  const auto join = [&](const std::string& address) {
    return room.Join("ROOM42", "S" + std::to_string(next++), address).Status;
  };
  for (int s = 0; s < TClassroom::JoinBurstPerAddress; ++s) ASSERT_EQ(join("10.0.0.1"), 200) << s;
  EXPECT_EQ(join("10.0.0.1"), 429);
  EXPECT_EQ(join("10.0.0.2"), 200);
  clock.AdvanceSeconds(1);
  for (int s = 0; s < TClassroom::JoinsPerSecondPerAddress; ++s) EXPECT_EQ(join("10.0.0.1"), 200);
  EXPECT_EQ(join("10.0.0.1"), 429);
  int joined = 0;
  for (int s = 0; s < 2 * TClassroom::JoinBurst; ++s)
    joined += join("10.1." + std::to_string(s) + ".1") == 200;
  // What the others left of the room's burst, and its refill in that second.
  EXPECT_EQ(joined, TClassroom::JoinBurst - (TClassroom::JoinBurstPerAddress + 1) +
                        TClassroom::JoinsPerSecond - TClassroom::JoinsPerSecondPerAddress);
}

}  // namespace
