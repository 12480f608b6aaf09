#include "classroom/Classroom.h"

#include <QString>
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "classroom/Form.h"
#include "classroom/ProgressStore.h"
#include "core/results/AttemptFile.h"
#include "core/results/RecordAttempt.h"
#include "core/results/ResultsStore.h"
#include "core/run/MediaPath.h"
#include "core/run/PaperVersions.h"
#include "core/run/TestSession.h"
#include "core/storage/CodePage.h"
#include "core/storage/IoError.h"
#include "core/storage/Json.h"
#include "core/storage/SystemRandom.h"

namespace {

// A room cannot grow without bound under a flood of joins.
constexpr std::size_t MaxStudents = 2000;
// Pictures larger than this are not sent.
constexpr std::uintmax_t MaxMediaBytes = 16 * 1024 * 1024;

std::string LocalTimeText() {
  return ResultsLocation::LocalTime("%Y-%m-%d %H:%M:%S");
}

// The test's text and the names for the page, always UTF-8.
std::string Utf8(const std::string& text) {
  return CodePage::Utf8OrCodePage(text);
}

Json::TValue Utf8Lines(const std::vector<std::string>& lines) {
  Json::TValue out = Json::TValue::array();
  for (const std::string& line : lines) out.push_back(Utf8(line));
  return out;
}

std::string ReplyText(const Json::TValue& json) {
  return Json::Write(json, {.NoMarkup = true});
}

// Names match whatever their letter case. Qt's case folding is Unicode's
// simple one ("ß" stays); upper-casing first, with its full mappings, gives
// the full folding ("STRASSE" and "Straße" match) for every character a name
// can hold.
std::string NameKey(const std::string& name) {
  return QString::fromStdString(name).toUpper().toCaseFolded().toStdString();
}

// Waiting device requests an attempt may have at once.
constexpr std::size_t MaxDeviceRequests = 3;

// What a student was asked, in their order: a restart on an edited test
// takes up only the attempts whose questions are still the same. FNV-1a, so
// the same on every build.
std::string QuestionsFingerprint(const TTestSession& session) {
  std::uint64_t hash = 14695981039346656037ull;
  const auto add = [&hash](const std::string& text) {
    for (const char c : text) hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    hash = (hash ^ 0xFFu) * 1099511628211ull;  // ends the field
  };
  for (int i = 0; i < session.Count(); ++i) {
    const QuestionRecord& question = session.Question(i);
    add(question.Question);
    for (int letter = 0; letter < 6; ++letter) add(question.Answer(letter));
    add(question.Correct);
  }
  char text[17];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
  return text;
}

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

TReply Error(int status, std::string_view message) {
  return {status, ErrorJson(message)};
}

std::string ContentTypeOf(const std::string& name) {
  std::string extension = std::filesystem::path(name).extension().string();
  for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (extension == ".png") return "image/png";
  if (extension == ".jpg" || extension == ".jpeg") return "image/jpeg";
  if (extension == ".gif") return "image/gif";
  return "image/bmp";
}

// Runs save; when it throws, undo puts back what it changed in memory, so
// nothing the store did not take stays set. False for an I/O error (the
// caller says so); anything else goes on to the server's one handler.
template <class TSave, class TUndo>
bool Saved(TSave save, TUndo undo) {
  try {
    save();
    return true;
  } catch (const TIoError&) {
    undo();
    return false;
  } catch (...) {
    undo();
    throw;
  }
}

Scoring::TLetters LetterMask(const std::vector<int>& letters) {
  Scoring::TLetters mask = 0;
  for (int letter : letters) mask |= static_cast<Scoring::TLetters>(1 << letter);
  return mask;
}

}  // namespace

std::string NewSessionToken() {
  return SystemRandom::Hex(32);
}

std::string NewRoomCode() {
  std::string code;
  while (code.size() < RoomCodeLength) {
    unsigned char byte = 0;
    SystemRandom::Fill(&byte, 1);
    // Bytes above the last whole multiple of the alphabet would favour its start.
    if (byte < 256 / RoomCodeAlphabet.size() * RoomCodeAlphabet.size())
      code += RoomCodeAlphabet[byte % RoomCodeAlphabet.size()];
  }
  return code;
}

bool IsRoomCode(std::string_view code) {
  return code.size() == RoomCodeLength && code.find_first_not_of(RoomCodeAlphabet) == std::string_view::npos;
}

TClassroomTest LoadClassroomTest(const std::string& path) {
  TClassroomTest test;
  PaperVersions::TPaperTest paper = PaperVersions::ReadPaperTest(path);
  test.FileName = std::filesystem::path(path).filename().string();
  test.Folder = paper.Folder;
  test.Questions = std::move(paper.Questions);
  test.Settings = LoadTestSettings(path);
  return test;
}

// A student's own clock: the room's, moved on by the time an attempt had
// taken before a restart.
class TOffsetClock : public TClock {
public:
  explicit TOffsetClock(const TClock& base) : Base(base) {}
  std::int64_t NowMs() const override { return Base.NowMs() + Offset; }
  std::int64_t Offset = 0;

private:
  const TClock& Base;
};

struct TClassroom::TStudent {
  explicit TStudent(const TClock& base) : Clock(base) {}
  TOffsetClock Clock;
  std::string Token;
  std::string Device;      // the secret of the device that may continue
  std::string ResumeCode;  // what another device types to take over
  std::string Name;
  std::string Machine;
  std::string AttemptId;
  std::string StartedAt;
  std::string EndedAt;  // set once, so storing again makes the same attempt
  std::uint64_t Seed = 0;
  std::unique_ptr<TTestSession> Session;
  std::vector<bool> Checked;
  bool Started = false;
  bool Recorded = false;
  TRunResult Result;
  int AwayCount = 0;
  int AwaySeconds = 0;
  // Other devices asking to continue, and the teacher's answer once given.
  enum class TSay { Waiting, Allowed, Refused };
  struct TAsk {
    std::string Device;
    std::string Id;
    TSay Say = TSay::Waiting;
  };
  std::vector<TAsk> Asks;
};

TClassroom::TClassroom(TClassroomTest test, std::string roomCode, TResultsStore& store, const TClock& clock,
                       TClassroomRandom random)
    : FTest(std::move(test)),
      Room(std::move(roomCode)),
      Store(store),
      Clock(clock),
      Random(std::move(random)) {
  if (!Random.Token) Random.Token = NewSessionToken;
  if (!Random.AttemptId) Random.AttemptId = NewAttemptId;
  if (!Random.Seed) Random.Seed = SystemRandom::Number;
  Progress = std::make_unique<TProgressStore>(Store.Database());
}

TClassroom::~TClassroom() = default;

TClassroom::TStudent* TClassroom::Find(const std::string& token) {
  const auto found = ByToken.find(token);
  if (found == ByToken.end()) return nullptr;
  TStudent& student = *found->second;
  // The server counts the time: whoever asks after the limit finds the test
  // ended and stored.
  if (student.Started && !student.Session->IsFinished() && student.Session->TimeUp()) {
    try {
      FinishAndRecord(student);
    } catch (const TIoError&) {
      // Stored at the next request; the session itself has ended.
    }
  }
  return &student;
}

void TClassroom::Save(TStudent& student) {
  const TTestSession& session = *student.Session;
  TProgressRow row;
  row.AttemptId = student.AttemptId;
  row.Room = Room;
  row.TestFile = FTest.FileName;
  row.Student = student.Name;
  row.Machine = student.Machine;
  row.Seed = student.Seed;
  row.Started = student.StartedAt;
  row.Ended = student.EndedAt;
  row.ElapsedMs = std::int64_t{session.ElapsedSeconds()} * 1000;
  row.Position = session.Current();
  for (int i = 0; i < session.Count(); ++i) row.Answers.push_back(session.Answer(i));
  row.Checked = student.Checked;
  row.Finished = student.Recorded;
  Progress->Save(row);
}

void TClassroom::FinishAndRecord(TStudent& student) {
  TTestSession& session = *student.Session;
  student.Result = session.Finish();
  if (student.Recorded) return;
  if (student.EndedAt.empty()) {
    student.EndedAt = LocalTimeText();
    // The end is saved first, so a restart stores this very attempt.
    Save(student);
  }
  TTaker taker;
  taker.Student = student.Name;
  taker.Machine = student.Machine;
  TAttempt attempt = AttemptOfSession(session, FTest.FileName, FTest.Settings.Description, FTest.Questions,
                                      taker, student.StartedAt, student.EndedAt);
  attempt.Id = student.AttemptId;
  attempt.Source = TAttemptSource::Classroom;
  for (std::size_t i = 0; i < attempt.Answered.size(); ++i) attempt.Answered[i].Checked = student.Checked[i];
  Store.Add(attempt, AttemptFile::ContentId(attempt));
  student.Recorded = true;
  Save(student);
}

TReply TClassroom::Join(const std::string& room, const std::string& nameUtf8, const std::string& machine,
                        const std::string& device, const std::string& resumeCode) {
  const std::optional<std::string> name = Form::StudentName(nameUtf8);
  if (!name) return Error(400, "Please type your name: 1 to 60 letters, digits, blanks or punctuation.");
  std::lock_guard guard(Lock);
  std::string code = Trimmed(room);
  for (char& c : code) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  if (code != Room) return Error(403, "This room code is not the one on the board.");
  const std::string secret = Form::IsDeviceSecret(device) ? device : Random.Token();
  if (const auto found = ByName.find(NameKey(*name)); found != ByName.end())
    return Continue(*found->second, secret, resumeCode);
  if (Students_.size() >= MaxStudents) return Error(503, "The room is full.");
  const std::int64_t now = Clock.NowMs();
  if (!AddressJoins.Take(machine, now) || !AllJoins.Take("", now))
    return Error(429, "Many students are joining at once. Please wait a moment and join again.");
  auto student = std::make_unique<TStudent>(Clock);
  student->Token = Random.Token();
  student->Device = secret;
  student->ResumeCode = NewRoomCode();
  student->Name = *name;
  student->Machine = machine;
  student->AttemptId = Random.AttemptId();
  student->Session = std::make_unique<TTestSession>(FTest.Settings, FTest.Questions, student->Clock);
  TStudent& added = *student;
  Students_.push_back(std::move(student));
  ByToken[added.Token] = &added;
  ByName[NameKey(added.Name)] = &added;
  return StateOf(added, true);
}

TReply TClassroom::Continue(TStudent& student, const std::string& device, const std::string& resumeCode) {
  Find(student.Token);  // ends it first when its time is up
  if (!student.Device.empty() && device == student.Device) return StateOf(student, true);
  if (!resumeCode.empty()) {
    std::string typed = Trimmed(resumeCode);
    for (char& c : typed) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (student.ResumeCode.empty() || typed != student.ResumeCode)
      return Error(403, "That resume code is not the one on your first device.");
    return HandOver(student, device);
  }
  using TSay = TStudent::TSay;
  auto ask = std::ranges::find(student.Asks, device, &TStudent::TAsk::Device);
  if (ask == student.Asks.end()) {
    if (student.Asks.size() >= MaxDeviceRequests)
      return Error(409, "Other devices are waiting for the teacher with this name. Please ask the teacher.");
    student.Asks.push_back({device, std::to_string(++Requests), TSay::Waiting});
    ask = student.Asks.end() - 1;
  }
  if (ask->Say == TSay::Refused) {
    student.Asks.erase(ask);
    return Error(403, "The teacher did not let this device continue the test.");
  }
  if (ask->Say == TSay::Allowed) return HandOver(student, device);
  return {202, ReplyText({{"phase", "waiting"}, {"name", Utf8(student.Name)}, {"device", device}})};
}

TReply TClassroom::HandOver(TStudent& student, const std::string& device) {
  const std::string oldDevice = student.Device, oldCode = student.ResumeCode;
  student.Device = device;
  student.ResumeCode = NewRoomCode();
  if (!Saved(
          [&] {
            if (student.Started) SaveResume(student);
          },
          [&] {
            student.Device = oldDevice;
            student.ResumeCode = oldCode;
          }))
    return Error(503, "The teacher's computer could not save this. Please try again.");
  // The device it had holds a token no more, and must ask in turn.
  ByToken.erase(student.Token);
  student.Token = Random.Token();
  ByToken[student.Token] = &student;
  student.Asks.clear();
  return StateOf(student, true);
}

void TClassroom::SaveResume(const TStudent& student) {
  Progress->Save(TResumeRow{student.AttemptId, student.Device, student.ResumeCode,
                            QuestionsFingerprint(*student.Session)});
}

bool TClassroom::Knows(const std::string& token) {
  std::lock_guard guard(Lock);
  return ByToken.count(token) != 0;
}

std::vector<TDeviceRequest> TClassroom::DeviceRequests() {
  std::lock_guard guard(Lock);
  std::vector<TDeviceRequest> requests;
  for (const auto& student : Students_)
    for (const TStudent::TAsk& ask : student->Asks)
      if (ask.Say == TStudent::TSay::Waiting) requests.push_back({ask.Id, student->Name});
  std::ranges::sort(requests, [](const TDeviceRequest& a, const TDeviceRequest& b) {
    return std::stoull(a.Id) < std::stoull(b.Id);
  });
  return requests;
}

void TClassroom::AnswerDeviceRequest(const std::string& id, bool allow) {
  std::lock_guard guard(Lock);
  for (const auto& student : Students_)
    for (TStudent::TAsk& ask : student->Asks)
      if (ask.Id == id && ask.Say == TStudent::TSay::Waiting)
        ask.Say = allow ? TStudent::TSay::Allowed : TStudent::TSay::Refused;
}

TResumeReport TClassroom::Resume() {
  std::lock_guard guard(Lock);
  TResumeReport report;
  for (const TProgressRow& row : Progress->Unfinished(Room, FTest.FileName)) {
    const std::string key = NameKey(row.Student);
    if (ByName.count(key) || row.Started.empty()) continue;
    auto student = std::make_unique<TStudent>(Clock);
    student->Token = Random.Token();
    student->Device = row.Device;
    student->ResumeCode = row.ResumeCode;
    student->Name = row.Student;
    student->Machine = row.Machine;
    student->AttemptId = row.AttemptId;
    student->StartedAt = row.Started;
    student->EndedAt = row.Ended;
    student->Seed = row.Seed;
    student->Session = std::make_unique<TTestSession>(FTest.Settings, FTest.Questions, student->Clock);
    TTestSession& session = *student->Session;
    session.Start(static_cast<int>(row.Answers.size()), student->Seed);
    if (session.Count() != static_cast<int>(row.Answers.size()) || row.Checked.size() != row.Answers.size() ||
        (!row.Questions.empty() && row.Questions != QuestionsFingerprint(session))) {
      report.NotResumed.push_back(row.Student + ": the test's questions changed since it began");
      continue;
    }
    student->Clock.Offset = row.ElapsedMs;
    for (int i = 0; i < session.Count(); ++i) {
      session.SetAnswer(i, row.Answers[i]);
      student->Checked.push_back(row.Checked[i]);
    }
    session.GoTo(row.Position);
    student->Started = true;
    TStudent& added = *student;
    Students_.push_back(std::move(student));
    ByToken[added.Token] = &added;
    ByName[key] = &added;
    ++report.Resumed;
    if (!added.EndedAt.empty() || session.TimeUp()) {
      try {
        FinishAndRecord(added);
      } catch (const TIoError&) {
        // Stored when the student asks next.
      }
    }
  }
  return report;
}

TReply TClassroom::State(const std::string& token) {
  std::lock_guard guard(Lock);
  TStudent* student = Find(token);
  if (!student) return Error(401, "Please join again.");
  return StateOf(*student);
}

TReply TClassroom::Start(const std::string& token, const std::string& count) {
  std::lock_guard guard(Lock);
  TStudent* student = Find(token);
  if (!student) return Error(401, "Please join again.");
  if (student->Started) return StateOf(*student);  // a second tab's start changes nothing
  if (Ended) return Error(409, "The teacher has ended the test.");
  TTestSession& session = *student->Session;
  int asked = 0;
  if (!count.empty()) {
    const std::optional<int> value = Form::Index(count, session.MaxAsked() + 1);
    if (!value || *value < 1 || !session.Settings().StudentMax)
      return Error(400, "That number of questions cannot be asked.");
    asked = *value;
  }
  if (session.Available() == 0) return Error(409, "This test has no questions.");
  student->Seed = Random.Seed();
  session.Start(asked, student->Seed);
  student->Checked.assign(session.Count(), false);
  student->StartedAt = LocalTimeText();
  student->Started = true;
  if (!Saved(
          [&] {
            SaveResume(*student);
            Save(*student);
          },
          [&] { student->Started = false; }))
    return Error(503, "The teacher's computer could not save this. Please try again.");
  return StateOf(*student);
}

TReply TClassroom::Answer(const std::string& token, const std::string& position, const std::string& letters) {
  std::lock_guard guard(Lock);
  TStudent* student = Find(token);
  if (!student) return Error(401, "Please join again.");
  if (!student->Started) return Error(409, "The test has not started.");
  TTestSession& session = *student->Session;
  if (session.IsFinished()) return Error(409, "The test has ended.");
  const std::optional<int> at = Form::Index(position, session.Count());
  if (!at) return Error(400, "There is no such question.");
  if (*at != session.Current()) return Error(409, "That is not the question on the screen.");
  const std::optional<Scoring::TLetters> chosen =
      Form::Letters(letters, LetterMask(session.ShownLetters(*at)));
  if (!chosen || (!session.ChoosesSeveral(*at) && Scoring::LetterCount(*chosen) > 1))
    return Error(400, "That is not an answer to this question.");
  if (student->Checked[*at]) return Error(409, "This answer was checked and cannot change.");
  const Scoring::TLetters before = session.Answer(*at);
  session.SetAnswer(*at, *chosen);
  if (!Saved([&] { Save(*student); }, [&] { session.SetAnswer(*at, before); }))
    return Error(503, "The teacher's computer could not save this answer. Please try again.");
  return StateOf(*student);
}

TReply TClassroom::Check(const std::string& token, const std::string& position) {
  std::lock_guard guard(Lock);
  TStudent* student = Find(token);
  if (!student) return Error(401, "Please join again.");
  if (!student->Started || student->Session->IsFinished()) return Error(409, "No question to check now.");
  if (FTest.Settings.CheckAnswers != 1) return Error(403, "This test does not let you check answers.");
  TTestSession& session = *student->Session;
  const std::optional<int> at = Form::Index(position, session.Count());
  if (!at) return Error(400, "There is no such question.");
  if (*at != session.Current()) return Error(409, "That is not the question on the screen.");
  if (student->Checked[*at]) return StateOf(*student);
  if (session.Answer(*at) == 0) return Error(409, "Choose an answer first.");
  student->Checked[*at] = true;
  if (!Saved([&] { Save(*student); }, [&] { student->Checked[*at] = false; }))
    return Error(503, "The teacher's computer could not save this. Please try again.");
  return StateOf(*student);
}

TReply TClassroom::Go(const std::string& token, const std::string& position) {
  std::lock_guard guard(Lock);
  TStudent* student = Find(token);
  if (!student) return Error(401, "Please join again.");
  if (!student->Started || student->Session->IsFinished()) return Error(409, "No question to go to now.");
  TTestSession& session = *student->Session;
  const std::optional<int> at = Form::Index(position, session.Count());
  if (!at) return Error(400, "There is no such question.");
  if (!session.GoTo(*at)) return Error(409, "Please answer this question before going on.");
  // The place alone is not worth a write to disk: it is saved with the next
  // answer, and a restart at worst shows an earlier question.
  return StateOf(*student);
}

TReply TClassroom::Finish(const std::string& token) {
  std::lock_guard guard(Lock);
  TStudent* student = Find(token);
  if (!student) return Error(401, "Please join again.");
  if (!student->Started) return Error(409, "The test has not started.");
  TTestSession& session = *student->Session;
  if (!session.IsFinished() && !session.MayMoveOn())
    return Error(409, "Please answer this question before going on.");
  try {
    FinishAndRecord(*student);
  } catch (const TIoError&) {
    return Error(503, "The teacher's computer could not store the result. Please press Finish again.");
  }
  return StateOf(*student);
}

TReply TClassroom::Away(const std::string& token, const std::string& seconds) {
  std::lock_guard guard(Lock);
  TStudent* student = Find(token);
  if (!student) return Error(401, "Please join again.");
  // A day at most: longer than any test, and no sum can overflow.
  const std::optional<int> away = Form::Index(seconds, 86400 + 1);
  if (!away) return Error(400, "That is not a number of seconds.");
  if (!student->Started || student->Session->IsFinished()) return Error(409, "The test is not running.");
  ++student->AwayCount;
  student->AwaySeconds = std::min(student->AwaySeconds + *away, 1000 * 86400);
  return StateOf(*student);
}

TMediaReply TClassroom::Media(const std::string& token, const std::string& position) {
  std::lock_guard guard(Lock);
  TStudent* student = Find(token);
  if (!student) return {401, {}, {}};
  if (!student->Started) return {409, {}, {}};
  const TTestSession& session = *student->Session;
  const std::optional<int> at = Form::Index(position, session.Count());
  if (!at) return {400, {}, {}};
  const std::string& stored = session.Question(*at).MediaFile;
  if (!MediaPath::IsPicture(stored)) return {404, {}, {}};
  const std::optional<std::string> path = PaperVersions::FindMediaFile(FTest.Folder, stored);
  std::error_code error;
  if (!path || std::filesystem::file_size(*path, error) > MaxMediaBytes || error) return {404, {}, {}};
  std::ifstream in(*path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  if (!in) return {404, {}, {}};
  return {200, bytes.str(), ContentTypeOf(stored)};
}

std::vector<TStudentLine> TClassroom::Students() {
  std::lock_guard guard(Lock);
  std::vector<TStudentLine> lines;
  for (const auto& student : Students_) {
    TStudentLine line;
    line.Name = student->Name;
    if (student->Started) {
      line.Position = student->Session->Current() + 1;
      line.Count = student->Session->Count();
      line.Finished = student->Session->IsFinished();
      line.Percent = student->Result.Percent;
    }
    line.AwayCount = student->AwayCount;
    line.AwaySeconds = student->AwaySeconds;
    lines.push_back(line);
  }
  return lines;
}

void TClassroom::HoldReview(bool hold) {
  std::lock_guard guard(Lock);
  ReviewHeld = hold;
}

int TClassroom::StoreTimedOut() {
  std::lock_guard guard(Lock);
  int stored = 0;
  for (const auto& student : Students_) {
    if (!student->Started || student->Recorded) continue;
    if (!student->Session->IsFinished() && !student->Session->TimeUp()) continue;
    try {
      FinishAndRecord(*student);
      ++stored;
    } catch (const TIoError&) {
      // Tried again at the next call.
    }
  }
  return stored;
}

int TClassroom::EndAll() {
  std::lock_guard guard(Lock);
  Ended = true;
  int ended = 0;
  std::optional<TIoError> failure;
  for (const auto& student : Students_) {
    if (!student->Started || student->Recorded) continue;
    if (!student->Session->IsFinished()) ++ended;
    try {
      FinishAndRecord(*student);
    } catch (const TIoError& error) {
      if (!failure) failure = error;
    }
  }
  if (failure) throw *failure;
  return ended;
}

namespace {

Json::TValue Answers(const TTestSession& session, int position) {
  const QuestionRecord& question = session.Question(position);
  Json::TValue answers = Json::TValue::array();
  for (int letter : session.ShownLetters(position))
    answers.push_back({{"letter", std::string(1, static_cast<char>('A' + letter))},
                       {"text", Utf8(question.Answer(letter))}});
  return answers;
}

void AddMedia(Json::TValue& json, const QuestionRecord& question) {
  if (question.MediaFile.empty()) return;
  if (MediaPath::IsPicture(question.MediaFile))
    json["picture"] = true;
  else
    json["mediaName"] = Utf8(question.MediaFile);
}

void AddLink(Json::TValue& json, const QuestionRecord& question, bool allowed) {
  if (allowed && MediaPath::IsWebAddress(question.HotLink)) json["hotLink"] = Utf8(question.HotLink);
}

}  // namespace

std::string ErrorJson(std::string_view message) {
  return ReplyText({{"error", message}});
}

TReply TClassroom::StateOf(TStudent& student, bool withDevice) {
  const TestSettings& settings = FTest.Settings;
  const TTestSession& session = *student.Session;
  Json::TValue json = {{"token", student.Token}};
  if (withDevice) json["device"] = student.Device;
  json["resumeCode"] = student.ResumeCode;
  json["name"] = Utf8(student.Name);
  json["description"] = Utf8(settings.Description);
  // The page speaks the test's language when it knows it, and runs the test's text its way.
  json["language"] = settings.Language;
  json["phase"] = !student.Started ? "begin" : session.IsFinished() ? "finished" : "question";
  json["settings"] = {{"limitSeconds", session.LimitSeconds()},
                      {"mustAnswer", settings.MustAnswer == 1},
                      {"checking", settings.CheckAnswers == 1},
                      {"studentMax", session.Settings().StudentMax},
                      {"maxAsked", session.MaxAsked()}};
  if (!student.Started) {
    json["begin"] = Utf8Lines(settings.BeginMessage);
    return {200, ReplyText(json)};
  }
  json["count"] = session.Count();
  if (!session.IsFinished()) {
    const int position = session.Current();
    const QuestionRecord& question = session.Question(position);
    json["remainingSeconds"] = session.RemainingSeconds();
    json["position"] = position;
    Json::TValue& answered = json["answered"] = Json::TValue::array();
    for (int i = 0; i < session.Count(); ++i) answered.push_back(session.Answer(i) != 0 ? "1" : "0");
    Json::TValue shown = {{"text", Utf8(question.Question)},
                          {"answers", Answers(session, position)},
                          {"several", session.ChoosesSeveral(position)},
                          {"choiceLine", session.ChoiceLine(position)}};
    AddMedia(shown, question);
    AddLink(shown, question, settings.TestHot);
    shown["chosen"] = Scoring::LetterText(session.Answer(position));
    shown["checked"] = static_cast<bool>(student.Checked[position]);
    if (student.Checked[position]) {
      shown["right"] = session.IsRight(position);
      if (settings.TestRef && !question.Reference.empty()) shown["reference"] = Utf8(question.Reference);
    }
    json["question"] = std::move(shown);
    return {200, ReplyText(json)};
  }
  const TRunResult& result = student.Result;
  json["result"] = {{"asked", result.Asked},          {"right", result.Right},
                    {"percent", result.Percent},      {"hasPassPoint", result.HasPassPoint},
                    {"passed", result.Passed},        {"timedOut", result.TimedOut},
                    {"seconds", result.SecondsTaken}, {"stored", student.Recorded}};
  json["end"] = Utf8Lines(settings.EndMessage);
  const bool held = ReviewHeld && !Ended;
  if (held) json["reviewHeld"] = true;
  Json::TValue& review = json["review"] = Json::TValue::array();
  for (int position : held ? std::vector<int>{} : session.ReviewList()) {
    const QuestionRecord& question = session.Question(position);
    Json::TValue item = {{"position", position},
                         {"text", Utf8(question.Question)},
                         {"answers", Answers(session, position)},
                         {"chosen", Scoring::LetterText(session.Answer(position))},
                         {"correct", Scoring::LetterText(session.CorrectLetters(position))}};
    AddMedia(item, question);
    AddLink(item, question, settings.ReviewHot);
    if (settings.ReviewRef && !question.Reference.empty()) item["reference"] = Utf8(question.Reference);
    review.push_back(std::move(item));
  }
  return {200, ReplyText(json)};
}
