#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

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
// A room code: six letters and digits, without look-alikes (0/O, 1/I/L).
std::string NewRoomCode();

// Each student as the teacher's console shows them.
struct TStudentLine {
  std::string Name;  // code-page text
  int Position = 0;  // 1-based; 0 before the start
  int Count = 0;
  bool Finished = false;
  int Percent = 0;
};

class TClassroom {
public:
  // store must outlive the classroom; clock drives every time limit.
  TClassroom(TClassroomTest test, std::string roomCode, TResultsStore& store, const TClock& clock,
             TClassroomRandom random = {});
  ~TClassroom();

  const std::string& RoomCode() const { return Room; }

  // Takes up again the attempts of this room and test that a previous server
  // saved but did not store as finished: each student continues by joining
  // with the same name, with the answers, checks and place saved and the time
  // counted up to the last save. An attempt that had ended is stored (once).
  // Returns how many were taken up. Call before serving.
  int Resume();
  const TClassroomTest& Test() const { return FTest; }

  // The requests of the student page; token is the session token the join
  // gave. Unknown tokens get 401.
  TReply Join(const std::string& room, const std::string& nameUtf8, const std::string& machine);
  TReply State(const std::string& token);
  TReply Start(const std::string& token, const std::string& count);
  TReply Answer(const std::string& token, const std::string& position, const std::string& letters);
  TReply Check(const std::string& token, const std::string& position);
  TReply Go(const std::string& token, const std::string& position);
  TReply Finish(const std::string& token);
  TMediaReply Media(const std::string& token, const std::string& position);

  // The students so far, in the order they joined.
  std::vector<TStudentLine> Students();

  // The teacher ends the test for everyone: each attempt still running is
  // scored and stored as it stands, and no student may begin any more.
  // Returns how many attempts it ended; when one cannot be stored, the rest
  // are still ended and the first TIoError is thrown after them (each is
  // stored again at its student's next request).
  int EndAll();

private:
  struct TStudent;
  TReply StateOf(TStudent& student);
  TStudent* Find(const std::string& token);
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
  std::vector<std::unique_ptr<TStudent>> Students_;
  std::map<std::string, TStudent*> ByToken;
  std::map<std::string, TStudent*> ByName;
};
