#include "classroom/Classroom.h"

#include <sys/random.h>

#include <QString>
#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "classroom/Form.h"
#include "classroom/Json.h"
#include "classroom/ProgressStore.h"
#include "core/results/AttemptFile.h"
#include "core/results/RecordAttempt.h"
#include "core/results/ResultsStore.h"
#include "core/run/MediaPath.h"
#include "core/run/PaperVersions.h"
#include "core/run/TestSession.h"
#include "core/storage/CodePage.h"
#include "core/storage/IoError.h"

namespace {

// A room cannot grow without bound under a flood of joins.
constexpr std::size_t MaxStudents = 2000;
// Pictures larger than this are not sent.
constexpr std::uintmax_t MaxMediaBytes = 16 * 1024 * 1024;

void RandomBytes(unsigned char* bytes, std::size_t count) {
  std::size_t done = 0;
  while (done < count) {
    const ssize_t got = getrandom(bytes + done, count - done, 0);
    if (got < 0) {
      if (errno == EINTR) continue;
      throw TIoError("/dev/urandom", "read", std::strerror(errno));
    }
    done += static_cast<std::size_t>(got);
  }
}

std::string LocalTimeText() {
  return ResultsLocation::LocalTime("%Y-%m-%d %H:%M:%S");
}

std::string Utf8(const std::string& codePage) {
  return CodePage::ToUtf8(codePage);
}

std::vector<std::string> Utf8Lines(const std::vector<std::string>& lines) {
  std::vector<std::string> out;
  for (const std::string& line : lines) out.push_back(Utf8(line));
  return out;
}

// Names match whatever their letter case. Qt's case folding is Unicode's
// simple one ("ß" stays); upper-casing first, with its full mappings, gives
// the full folding ("STRASSE" and "Straße" match) for every character a name
// can hold.
std::string NameKey(const std::string& name) {
  return QString::fromStdString(CodePage::ToUtf8(name)).toUpper().toCaseFolded().toStdString();
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
  TJson json;
  json.Begin().Field("error", message).End();
  return {status, json.Text()};
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
  unsigned char bytes[32];
  RandomBytes(bytes, sizeof bytes);
  static constexpr char Hex[] = "0123456789abcdef";
  std::string token;
  for (unsigned char byte : bytes) {
    token += Hex[byte >> 4];
    token += Hex[byte & 15];
  }
  return token;
}

std::string NewRoomCode() {
  static constexpr std::string_view Alphabet = "ABCDEFGHJKMNPQRSTUVWXYZ23456789";
  std::string code;
  while (code.size() < 6) {
    unsigned char byte = 0;
    RandomBytes(&byte, 1);
    // Bytes above the last whole multiple of the alphabet would favour its start.
    if (byte < 256 / Alphabet.size() * Alphabet.size()) code += Alphabet[byte % Alphabet.size()];
  }
  return code;
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
  if (!Random.Seed)
    Random.Seed = [] {
      std::uint64_t seed = 0;
      RandomBytes(reinterpret_cast<unsigned char*>(&seed), sizeof seed);
      return seed;
    };
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
  row.Seed = std::to_string(student.Seed);
  row.Started = student.StartedAt;
  row.Ended = student.EndedAt;
  row.ElapsedMs = std::int64_t{session.ElapsedSeconds()} * 1000;
  row.Position = session.Current();
  for (int i = 0; i < session.Count(); ++i) {
    if (i > 0) row.Answers += ',';
    row.Answers += Scoring::LetterText(session.Answer(i));
    row.Checked += student.Checked[i] ? '1' : '0';
  }
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
  TJson json;
  json.Begin().Field("phase", "waiting").Field("name", Utf8(student.Name)).Field("device", device).End();
  return {202, json.Text()};
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
    try {
      student->Seed = std::stoull(row.Seed);
    } catch (const std::exception&) {
      continue;  // not a row this program wrote
    }
    std::vector<std::string> answers{""};
    for (const char c : row.Answers) {
      if (c == ',')
        answers.emplace_back();
      else
        answers.back().push_back(c);
    }
    student->Session = std::make_unique<TTestSession>(FTest.Settings, FTest.Questions, student->Clock);
    TTestSession& session = *student->Session;
    session.Start(static_cast<int>(answers.size()), student->Seed);
    if (session.Count() != static_cast<int>(answers.size()) || row.Checked.size() != answers.size() ||
        (!row.Questions.empty() && row.Questions != QuestionsFingerprint(session))) {
      report.NotResumed.push_back(row.Student + ": the test's questions changed since it began");
      continue;
    }
    student->Clock.Offset = row.ElapsedMs;
    for (int i = 0; i < session.Count(); ++i) {
      session.SetAnswer(i, Scoring::LettersOf(answers[i]));
      student->Checked.push_back(row.Checked[i] == '1');
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

void WriteAnswers(TJson& json, const TTestSession& session, int position) {
  const QuestionRecord& question = session.Question(position);
  json.BeginArray("answers");
  for (int letter : session.ShownLetters(position)) {
    json.Begin()
        .Field("letter", std::string(1, static_cast<char>('A' + letter)))
        .Field("text", Utf8(question.Answer(letter)))
        .End();
  }
  json.EndArray();
}

void WriteMedia(TJson& json, const QuestionRecord& question) {
  if (question.MediaFile.empty()) return;
  if (MediaPath::IsPicture(question.MediaFile))
    json.Field("picture", true);
  else
    json.Field("mediaName", Utf8(question.MediaFile));
}

void WriteLink(TJson& json, const QuestionRecord& question, bool allowed) {
  if (allowed && MediaPath::IsWebAddress(question.HotLink)) json.Field("hotLink", Utf8(question.HotLink));
}

}  // namespace

TReply TClassroom::StateOf(TStudent& student, bool withDevice) {
  const TestSettings& settings = FTest.Settings;
  const TTestSession& session = *student.Session;
  TJson json;
  json.Begin().Field("token", student.Token);
  if (withDevice) json.Field("device", student.Device);
  json.Field("resumeCode", student.ResumeCode)
      .Field("name", Utf8(student.Name))
      .Field("description", Utf8(settings.Description));
  const char* phase = !student.Started ? "begin" : session.IsFinished() ? "finished" : "question";
  json.Field("phase", phase);
  json.Object("settings")
      .Field("limitSeconds", session.LimitSeconds())
      .Field("mustAnswer", settings.MustAnswer == 1)
      .Field("checking", settings.CheckAnswers == 1)
      .Field("studentMax", session.Settings().StudentMax)
      .Field("maxAsked", session.MaxAsked())
      .End();
  if (!student.Started) {
    json.Lines("begin", Utf8Lines(settings.BeginMessage));
    return {200, json.End().Text()};
  }
  json.Field("count", session.Count());
  if (!session.IsFinished()) {
    const int position = session.Current();
    const QuestionRecord& question = session.Question(position);
    json.Field("remainingSeconds", session.RemainingSeconds()).Field("position", position);
    json.BeginArray("answered");
    for (int i = 0; i < session.Count(); ++i) json.Item(session.Answer(i) != 0 ? "1" : "0");
    json.EndArray();
    json.Object("question").Field("text", Utf8(question.Question));
    WriteAnswers(json, session, position);
    json.Field("several", session.ChoosesSeveral(position)).Field("choiceLine", session.ChoiceLine(position));
    WriteMedia(json, question);
    WriteLink(json, question, settings.TestHot);
    json.Field("chosen", Scoring::LetterText(session.Answer(position)))
        .Field("checked", static_cast<bool>(student.Checked[position]));
    if (student.Checked[position]) {
      json.Field("right", session.IsRight(position));
      if (settings.TestRef && !question.Reference.empty()) json.Field("reference", Utf8(question.Reference));
    }
    json.End();
    return {200, json.End().Text()};
  }
  const TRunResult& result = student.Result;
  json.Object("result")
      .Field("asked", result.Asked)
      .Field("right", result.Right)
      .Field("percent", result.Percent)
      .Field("hasPassPoint", result.HasPassPoint)
      .Field("passed", result.Passed)
      .Field("timedOut", result.TimedOut)
      .Field("seconds", result.SecondsTaken)
      .Field("stored", student.Recorded)
      .End();
  json.Lines("end", Utf8Lines(settings.EndMessage));
  const bool held = ReviewHeld && !Ended;
  if (held) json.Field("reviewHeld", true);
  json.BeginArray("review");
  for (int position : held ? std::vector<int>{} : session.ReviewList()) {
    const QuestionRecord& question = session.Question(position);
    json.Begin().Field("position", position).Field("text", Utf8(question.Question));
    WriteAnswers(json, session, position);
    json.Field("chosen", Scoring::LetterText(session.Answer(position)))
        .Field("correct", Scoring::LetterText(session.CorrectLetters(position)));
    WriteMedia(json, question);
    WriteLink(json, question, settings.ReviewHot);
    if (settings.ReviewRef && !question.Reference.empty()) json.Field("reference", Utf8(question.Reference));
    json.End();
  }
  json.EndArray();
  return {200, json.End().Text()};
}
