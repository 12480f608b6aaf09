#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "classroom/RateLimit.h"
#include "core/model/TestFile.h"
#include "core/model/TestSettings.h"
#include "core/run/Clock.h"

class TResultsStore;
class TProgressStore;

// One test run for a room of browsers: students join with the room code and
// a name, and each takes the test in a TTestSession of their own, exactly as
// the engine runs it. Every reply is a JSON object (see docs/classroom.md);
// nothing about a question's key or reference goes out before the student has
// checked that question or finished. Each answer is written to the results
// store's database before its reply, and each finished attempt is stored
// with source classroom. Safe to call from many threads at once.

// The test as the classroom serves it.
struct TClassroomTest {
  std::string FileName;  // without its folder, "CH2.QWT"
  std::string Folder;    // where its media files are found
  TestSettings Settings;
  std::vector<QuestionRecord> Questions;
};

// Reads the test at path (settings and questions). Throws TIoError.
TClassroomTest LoadClassroomTest(const std::string& path);

// A reply: an HTTP status and a JSON body.
struct TReply {
  int Status = 200;
  std::string Json;
};

// The body of an error reply, {"error": message}. No reply's JSON carries
// '<', '>' or '&' as they stand (they are \u escapes), so a page that shows a
// value carelessly still shows no markup.
std::string ErrorJson(std::string_view message);

// A media file to send.
struct TMediaReply {
  int Status = 200;
  std::string Bytes;
  std::string ContentType;
};

// Where randomness comes from; tests give fixed values.
struct TClassroomRandom {
  std::function<std::string()> Token;      // a new session token
  std::function<std::uint64_t()> Seed;     // a new question order
  std::function<std::string()> AttemptId;  // a new attempt id
};

// A fresh session token: 32 random bytes from the system, as 64 hexadecimal
// digits.
std::string NewSessionToken();
// A room code (and a resume code): six letters and digits, without look-alikes
// (0/O, 1/I/L).
inline constexpr std::string_view RoomCodeAlphabet = "ABCDEFGHJKMNPQRSTUVWXYZ23456789";
inline constexpr std::size_t RoomCodeLength = 6;
std::string NewRoomCode();
// Whether code is one NewRoomCode could give (upper case).
bool IsRoomCode(std::string_view code);

// Each student as the teacher's console shows them.
struct TStudentLine {
  std::string Name;
  int Position = 0;  // 1-based; 0 before the start
  int Count = 0;
  bool Finished = false;
  int Percent = 0;
  // How often, and for how long in all, the page was hidden or lost the
  // focus during the test, as the page reported it.
  int AwayCount = 0;
  int AwaySeconds = 0;
};

// A device that asks to continue a student's attempt begun on another one;
// the teacher allows or refuses it.
struct TDeviceRequest {
  std::string Id;  // the same while it waits
  std::string Name;
};

// What Resume took up, and the attempts it left with why ("Ann Lee: the
// test's questions changed").
struct TResumeReport {
  int Resumed = 0;
  std::vector<std::string> NotResumed;
};

class TClassroom {
public:
  // Joins that begin an attempt, from one address (a school's room is often
  // one) and in all: a class at once, then a few a second, so a flood of
  // made-up names cannot fill the room.
  static constexpr double JoinBurstPerAddress = 150, JoinsPerSecondPerAddress = 5;
  static constexpr double JoinBurst = 500, JoinsPerSecond = 20;

  // store must outlive the classroom; clock drives every time limit.
  TClassroom(TClassroomTest test, std::string roomCode, TResultsStore& store, const TClock& clock,
             TClassroomRandom random = {});
  ~TClassroom();

  const std::string& RoomCode() const { return Room; }

  // Takes up again the attempts of this room and test that a previous server
  // saved but did not store as finished: each student continues by joining
  // with the same name from the same device, with the answers, checks and
  // place saved and the time counted up to the last save. An attempt that had
  // ended is stored (once); one whose questions are no longer the test's is
  // left, and named in the report. Call before serving.
  TResumeReport Resume();
  const TClassroomTest& Test() const { return FTest; }

  // The requests of the student page; token is the session token the join
  // gave. Unknown tokens get 401.
  //
  // An attempt is its device's: a join with a name that has one continues it
  // only with the device secret it began with (device), or with the resume
  // code its device shows (resumeCode), or once the teacher allows it
  // (AnswerDeviceRequest); until then the reply is 202, phase "waiting". A
  // device that takes an attempt over gets a new token, so the other one
  // must ask in turn. A device without a well-formed secret is given one.
  TReply Join(const std::string& room, const std::string& nameUtf8, const std::string& machine,
              const std::string& device = {}, const std::string& resumeCode = {});
  TReply State(const std::string& token);
  TReply Start(const std::string& token, const std::string& count);
  TReply Answer(const std::string& token, const std::string& position, const std::string& letters);
  TReply Check(const std::string& token, const std::string& position);
  TReply Go(const std::string& token, const std::string& position);
  TReply Finish(const std::string& token);
  TMediaReply Media(const std::string& token, const std::string& position);
  // The page was hidden or lost the focus for seconds (decimal digits) of the
  // running test; counted for the teacher, never held against the student.
  TReply Away(const std::string& token, const std::string& seconds);
  // Whether token is a joined student's.
  bool Knows(const std::string& token);

  // The students so far, in the order they joined.
  std::vector<TStudentLine> Students();

  // The devices waiting for the teacher's say, in the order they asked.
  std::vector<TDeviceRequest> DeviceRequests();
  // Lets the device of request id continue the attempt, or refuses it; it
  // hears at its next join. An id no longer waiting changes nothing.
  void AnswerDeviceRequest(const std::string& id, bool allow);

  // Whether a finished attempt's review (the keys of its wrong answers) waits
  // until the teacher ends the test for everyone, so that nobody passes the
  // keys on to classmates still answering. On unless turned off.
  void HoldReview(bool hold);

  // Ends and stores every attempt whose time has run out, and stores again
  // an ended one the store did not take, whether or not its student asks
  // again; the server calls it every second. Returns how many it stored.
  int StoreTimedOut();

  // The teacher ends the test for everyone: each attempt still running is
  // scored and stored as it stands, and no student may begin any more.
  // Returns how many attempts it ended; when one cannot be stored, the rest
  // are still ended and the first TIoError is thrown after them (each is
  // stored again at its student's next request).
  int EndAll();

private:
  struct TStudent;
  TReply StateOf(TStudent& student, bool withDevice = false);
  TStudent* Find(const std::string& token);
  TReply Continue(TStudent& student, const std::string& device, const std::string& resumeCode);
  TReply HandOver(TStudent& student, const std::string& device);
  void SaveResume(const TStudent& student);
  void FinishAndRecord(TStudent& student);
  void Save(TStudent& student);

  TClassroomTest FTest;
  std::string Room;
  TResultsStore& Store;
  const TClock& Clock;
  TClassroomRandom Random;
  std::unique_ptr<TProgressStore> Progress;
  std::mutex Lock;
  bool Ended = false;
  bool ReviewHeld = true;
  TRateLimit AddressJoins{JoinBurstPerAddress, JoinsPerSecondPerAddress};
  TRateLimit AllJoins{JoinBurst, JoinsPerSecond};
  std::vector<std::unique_ptr<TStudent>> Students_;
  std::map<std::string, TStudent*> ByToken;
  std::map<std::string, TStudent*> ByName;
  std::uint64_t Requests = 0;  // device requests so far, for their ids
};
