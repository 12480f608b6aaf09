#include "core/results/AttemptFile.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <unordered_map>

#include "core/results/ResultsStore.h"
#include "core/storage/AtomicFile.h"
#include "core/storage/CodePage.h"
#include "core/storage/FileInput.h"
#include "core/storage/IoError.h"
#include "core/storage/Utf8.h"

namespace fs = std::filesystem;

namespace {

constexpr std::string_view Magic = "QWATTEMPT";

void AppendEscaped(std::string& out, std::string_view text) {
  for (char c : CodePage::Utf8OrCodePage(text)) {
    switch (c) {
      case '\\':
        out += "\\\\";
        break;
      case '\t':
        out += "\\t";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      default:
        out += c;
    }
  }
}

void Line(std::string& out, std::string_view key, std::initializer_list<std::string_view> fields) {
  out += key;
  for (std::string_view field : fields) {
    out += '\t';
    AppendEscaped(out, field);
  }
  out += '\n';
}

std::string Body(const TAttempt& a) {
  if (const std::string problem = AttemptProblem(a); !problem.empty())
    throw std::invalid_argument("The attempt cannot be written: " + problem);
  std::string out;
  out += Magic;
  out += '\t' + std::to_string(AttemptFile::FormatVersion) + '\n';
  Line(out, "id", {a.Id});
  Line(out, "test", {a.TestFile});
  Line(out, "description", {a.Description});
  Line(out, "fingerprint", {a.Fingerprint});
  Line(out, "student", {a.Student});
  Line(out, "student-number", {a.StudentNumber});
  Line(out, "class", {a.Class});
  Line(out, "source", {SourceName(a.Source)});
  Line(out, "machine", {a.Machine});
  Line(out, "version", {a.Version ? std::string(1, a.Version) : std::string()});
  Line(out, "seed", {a.Seed});
  Line(out, "started", {a.Started});
  Line(out, "ended", {a.Ended});
  Line(out, "seconds", {std::to_string(a.SecondsTaken)});
  for (const TQuestionSnapshot& q : a.Questions) {
    const std::string number = std::to_string(q.Number);
    const std::string key = Scoring::LetterText(q.Correct);
    Line(out, "question",
         {number, key, q.AnyCorrectPasses ? "any" : "all", q.Question, q.Answers[0], q.Answers[1],
          q.Answers[2], q.Answers[3], q.Answers[4], q.Answers[5]});
  }
  for (const TAnsweredQuestion& q : a.Answered) {
    const std::string number = std::to_string(q.Number), position = std::to_string(q.Position);
    const std::string chosen = Scoring::LetterText(q.Chosen);
    Line(out, "answer", {number, position, q.ShownOrder, chosen, q.Checked ? "1" : "0"});
  }
  return out;
}

// Whether bytes are well-formed UTF-8 without NUL bytes.
bool IsText(std::string_view bytes) {
  return bytes.find('\0') == std::string_view::npos && Utf8::IsValid(bytes);
}

std::vector<std::string_view> Split(std::string_view line) {
  std::vector<std::string_view> fields;
  for (std::size_t start = 0;;) {
    const std::size_t tab = line.find('\t', start);
    fields.push_back(
        line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start));
    if (tab == std::string_view::npos) return fields;
    start = tab + 1;
  }
}

class TLineParser {
public:
  explicit TLineParser(int line) : LineNumber(line) {}

  [[noreturn]] void Fail(const std::string& what) const {
    throw TAttemptFileError("line " + std::to_string(LineNumber) + ": " + what);
  }

  std::string Text(std::string_view field) const {
    std::string utf8;
    for (std::size_t i = 0; i < field.size(); ++i) {
      if (field[i] != '\\') {
        utf8 += field[i];
        continue;
      }
      if (++i == field.size()) Fail("a value ends in a lone backslash");
      switch (field[i]) {
        case '\\':
          utf8 += '\\';
          break;
        case 't':
          utf8 += '\t';
          break;
        case 'n':
          utf8 += '\n';
          break;
        case 'r':
          utf8 += '\r';
          break;
        default:
          Fail(std::string("unknown escape \\") + field[i]);
      }
    }
    return utf8;
  }

  int Number(std::string_view field, int low, int high) const {
    int value = 0;
    const auto [end, error] = std::from_chars(field.data(), field.data() + field.size(), value);
    if (error != std::errc() || end != field.data() + field.size() || field.empty() || value < low ||
        value > high)
      Fail("\"" + std::string(field) + "\" is not a number from " + std::to_string(low) + " to " +
           std::to_string(high));
    return value;
  }

  Scoring::TLetters Letters(std::string_view field) const {
    if (!std::all_of(field.begin(), field.end(), [](char c) { return c >= 'A' && c <= 'F'; }))
      Fail("\"" + std::string(field) + "\" is not letters A to F");
    return Scoring::LettersOf(field);
  }

private:
  int LineNumber;
};

}  // namespace

namespace AttemptFile {

std::string Format(const TAttempt& attempt) {
  std::string body = Body(attempt);
  const std::string digest = Digest128(body);
  return body + "end\t" + digest + "\n";
}

std::string ContentId(const TAttempt& attempt) {
  return Digest128(Body(attempt));
}

TParsed Parse(std::string_view bytes) {
  if (bytes.size() > MaxBytes)
    throw TAttemptFileError("the file is too large for an attempt (" + std::to_string(bytes.size()) +
                            " bytes; at most " + std::to_string(MaxBytes) + ")");
  if (!IsText(bytes)) throw TAttemptFileError("the file is binary, not an attempt file");
  const std::string header = std::string(Magic) + '\t';
  if (!bytes.starts_with(header)) throw TAttemptFileError("the file is not an attempt file");
  {
    const std::size_t end = bytes.find('\n');
    TLineParser first(1);
    const int version = first.Number(bytes.substr(header.size(), end - header.size()), 1, 1 << 30);
    if (version > FormatVersion)
      throw TAttemptFileError("the attempt file was written by a newer program (format " +
                              std::to_string(version) + ")");
  }
  // The check line closes the file: without it the file was cut short.
  if (!bytes.ends_with('\n')) throw TAttemptFileError("the file is truncated: it lacks its check line");
  const std::size_t lastStart = bytes.rfind('\n', bytes.size() - 2) + 1;
  const std::string_view last = bytes.substr(lastStart, bytes.size() - 1 - lastStart);
  if (!last.starts_with("end\t")) throw TAttemptFileError("the file is truncated: it lacks its check line");
  const std::string_view body = bytes.substr(0, lastStart);
  TParsed parsed;
  parsed.ContentId = Digest128(body);
  if (last.substr(4) != parsed.ContentId)
    throw TAttemptFileError("the file does not match its check line: it was altered or damaged");

  TAttempt& a = parsed.Attempt;
  bool sawSource = false;
  int number = 1;
  for (std::size_t start = body.find('\n') + 1; start < body.size(); ++number) {
    const std::size_t end = body.find('\n', start);
    const std::vector<std::string_view> f = Split(body.substr(start, end - start));
    start = end + 1;
    const TLineParser p(number + 1);
    const std::string_view key = f[0];
    const auto single = [&]() -> std::string {
      if (f.size() != 2) p.Fail("\"" + std::string(key) + "\" takes one value");
      return p.Text(f[1]);
    };
    if (key == "id")
      a.Id = single();
    else if (key == "test")
      a.TestFile = single();
    else if (key == "description")
      a.Description = single();
    else if (key == "fingerprint")
      a.Fingerprint = single();
    else if (key == "student")
      a.Student = single();
    else if (key == "student-number")
      a.StudentNumber = single();
    else if (key == "class")
      a.Class = single();
    else if (key == "machine")
      a.Machine = single();
    else if (key == "seed")
      a.Seed = single();
    else if (key == "started")
      a.Started = single();
    else if (key == "ended")
      a.Ended = single();
    else if (key == "seconds")
      a.SecondsTaken = p.Number(single(), 0, 1 << 30);
    else if (key == "source") {
      const auto source = SourceOfName(single());
      if (!source) p.Fail("unknown source \"" + std::string(f[1]) + "\"");
      a.Source = *source;
      sawSource = true;
    } else if (key == "version") {
      const std::string version = single();
      if (version.size() > 1 || (version.size() == 1 && (version[0] < 'A' || version[0] > 'Z')))
        p.Fail("the version is not a letter A to Z");
      a.Version = version.empty() ? 0 : version[0];
    } else if (key == "question") {
      if (f.size() != 11) p.Fail("a question takes ten values");
      TQuestionSnapshot& q = a.Questions.emplace_back();
      q.Number = p.Number(f[1], 1, 1 << 20);
      q.Correct = p.Letters(f[2]);
      if (f[3] != "any" && f[3] != "all") p.Fail("the rule is neither \"any\" nor \"all\"");
      q.AnyCorrectPasses = f[3] == "any";
      q.Question = p.Text(f[4]);
      for (int i = 0; i < 6; ++i) q.Answers[i] = p.Text(f[5 + i]);
    } else if (key == "answer") {
      if (f.size() != 6) p.Fail("an answer takes five values");
      TAnsweredQuestion& q = a.Answered.emplace_back();
      q.Number = p.Number(f[1], 1, 1 << 20);
      q.Position = p.Number(f[2], 1, 1 << 20);
      p.Letters(f[3]);
      q.ShownOrder = std::string(f[3]);
      q.Chosen = p.Letters(f[4]);
      if (f[5] != "0" && f[5] != "1") p.Fail("checked is neither 0 nor 1");
      q.Checked = f[5] == "1";
    }
    // Records this program does not know are left for a later one.
  }
  if (!sawSource) throw TAttemptFileError("the file names no source");
  if (a.Id.empty()) throw TAttemptFileError("the file has no id");
  if (a.Fingerprint.empty()) a.Fingerprint = Fingerprint(a.Questions);
  if (const std::string problem = AttemptProblem(a); !problem.empty()) throw TAttemptFileError(problem);
  return parsed;
}

std::string FileName(const TAttempt& attempt) {
  std::string machine;
  for (char c : attempt.Machine)
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '_')
      machine += c;
  if (machine.empty()) machine = "machine";
  std::string time;
  for (char c : attempt.Ended)
    if (c >= '0' && c <= '9') time += c;
  time.resize(14, '0');
  time.insert(8, "-");
  std::string id;
  for (char c : attempt.Id)
    if ((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f')) id += c;
  id.resize(8, '0');
  return machine.substr(0, 40) + "-" + time + "-" + id + std::string(Extension);
}

std::string Write(const std::string& folder, const TAttempt& attempt) {
  const std::string path = (fs::path(folder) / FileName(attempt)).string();
  ReplaceFileAtomically(path, Format(attempt));
  return path;
}

}  // namespace AttemptFile

namespace ResultsFolder {

namespace {

std::vector<std::string> AttemptFiles(const std::string& folder) {
  DIR* listing = ::opendir(folder.c_str());
  if (!listing) throw TIoError(folder, "Cannot list the results folder", std::strerror(errno));
  std::vector<std::string> names;
  while (const dirent* entry = ::readdir(listing)) {
    const std::string_view name = entry->d_name;
    if (name.starts_with('.') || name.size() <= AttemptFile::Extension.size()) continue;
    std::string tail(name.substr(name.size() - AttemptFile::Extension.size()));
    std::transform(tail.begin(), tail.end(), tail.begin(), [](unsigned char c) { return std::tolower(c); });
    if (tail == AttemptFile::Extension) names.emplace_back(name);
  }
  ::closedir(listing);
  std::sort(names.begin(), names.end());
  return names;
}

std::string ReadBounded(const std::string& path) {
  TInputFile input(path);
  if (!input.Exists()) throw TIoError(path, "Cannot read", "the file is gone");
  std::string bytes;
  while (bytes.size() <= AttemptFile::MaxBytes && input.ReadSome(bytes, 1 << 16) > 0) {
  }
  return bytes;
}

// The folder as the store notes it: one spelling whatever path named it.
std::string FolderKey(const std::string& folder) {
  std::error_code error;
  fs::path key = fs::weakly_canonical(folder, error);
  if (error) key = fs::absolute(folder).lexically_normal();
  std::string text = key.string();
  while (text.size() > 1 && text.back() == '/') text.pop_back();
  return text;
}

// The file's size and time now; nothing when it cannot be looked at (reading
// it then says why).
std::optional<TCollectedFile> Stamp(const std::string& path, const std::string& name) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return std::nullopt;
  return TCollectedFile{
      name, static_cast<std::int64_t>(info.st_size),
      static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec};
}

}  // namespace

TCollected Collect(const std::string& folder, TResultsStore& store, std::size_t batchSize) {
  TCollected collected;
  // Files stored before and unchanged since are not read again: a folder that
  // grows all term costs a look at each file, not a reading of each.
  const std::string key = FolderKey(folder);
  std::unordered_map<std::string, std::pair<std::int64_t, std::int64_t>> known;
  for (TCollectedFile& file : store.CollectedFiles(key))
    known.emplace(std::move(file.Name), std::pair{file.Size, file.ModifiedNs});
  std::vector<std::pair<TAttempt, std::string>> batch;
  std::vector<TCollectedFile> read;  // stored, or found stored: noted once the batch is in
  const auto flush = [&] {
    if (!batch.empty()) {
      const int added = store.AddAll(batch);
      // Copies within the batch, or files another program stored meanwhile.
      collected.Added += added;
      collected.Known += static_cast<int>(batch.size()) - added;
      batch.clear();
    }
    store.NoteCollected(key, read);
    read.clear();
  };
  for (const std::string& name : AttemptFiles(folder)) {
    const std::string path = (fs::path(folder) / name).string();
    const std::optional<TCollectedFile> stamp = Stamp(path, name);
    if (stamp) {
      const auto it = known.find(name);
      if (it != known.end() && it->second == std::pair{stamp->Size, stamp->ModifiedNs}) {
        ++collected.Known;
        continue;
      }
    }
    try {
      AttemptFile::TParsed parsed = AttemptFile::Parse(ReadBounded(path));
      if (stamp) read.push_back(*stamp);
      if (store.Holds(parsed.ContentId)) {
        ++collected.Known;
        continue;
      }
      batch.emplace_back(std::move(parsed.Attempt), std::move(parsed.ContentId));
    } catch (const TAttemptFileError& error) {
      collected.Refused.push_back({path, error.what()});
      continue;
    } catch (const TIoError& error) {
      collected.Refused.push_back({path, error.Reason});
      continue;
    }
    if (batch.size() >= batchSize || read.size() >= 4 * batchSize) flush();
  }
  flush();
  return collected;
}

int SendQueued(const std::string& queueFolder, const std::string& resultsFolder) {
  std::error_code error;
  if (!fs::is_directory(queueFolder, error)) return 0;
  int sent = 0;
  for (const std::string& name : AttemptFiles(queueFolder)) {
    const std::string from = (fs::path(queueFolder) / name).string();
    try {
      ReplaceFileAtomically((fs::path(resultsFolder) / name).string(), ReadBounded(from));
    } catch (const TIoError&) {
      break;
    }
    fs::remove(from, error);
    ++sent;
  }
  return sent;
}

}  // namespace ResultsFolder
