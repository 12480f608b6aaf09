#include "core/test/TestFile.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "core/storage/FileInput.h"
#include "core/storage/IniSyntax.h"
#include "core/storage/ZarnEncryption.h"

namespace TestFile {

std::string QuestionSection(int n) {
  char name[16] = "QA";  // called for every question a test is read for: one string, no temporaries
  char* const end = std::to_chars(name + 2, name + sizeof name, n).ptr;
  return std::string(name, static_cast<size_t>(end - name));
}

void WriteNewTest(TIniStore& store) {
  static constexpr std::array<std::pair<std::string_view, std::string_view>, 7> NewTestSettings = {{
      {Desc, "No description"},
      {Time, "0"},
      {CheckAnswers, "1"},
      {RandomQuestions, "1"},
      {MustAnswer, "0"},
      {PassPoint, "0"},
      {MaxQuestions, "0"},
  }};
  for (const auto& [key, value] : NewTestSettings) store.WriteString(Settings, key, Encrypt(value));
}

bool IsLoadable(std::string_view storedDesc) {
  return !storedDesc.empty();
}

bool IsListable(std::string_view decipheredDesc) {
  return !decipheredDesc.empty() && decipheredDesc != BadDecode;
}

std::string ReadStoredDescription(const std::string& path) {
  // Mirrors a full load without building it: the first SETTINGS section
  // survives a load, and ReadString gives its first DESC line. Reading stops at
  // that line, or at the header that ends the section.
  TInputFile file(path);
  if (!file.Exists()) return {};
  std::string buffer;
  size_t chunk = 4096;
  bool complete = false;
  bool inSettings = false;
  size_t read = 0;
  while (true) {
    // The description opens the file; a file without it in its first
    // megabyte is taken for undecodable rather than read to its end.
    if (read >= DescriptionSearchLimit) return {};
    const size_t before = buffer.size();
    const size_t got = file.ReadSome(buffer, std::min(chunk, DescriptionSearchLimit - read));
    read += got;
    if (got == 0) complete = true;
    if (before == 0 && read == got && IniSyntax::StartsWithByteOrderMark(buffer)) buffer.erase(0, 3);
    const size_t ctrlZ = buffer.find(IniSyntax::CtrlZ, before);
    if (ctrlZ != std::string::npos) {
      buffer.resize(ctrlZ);
      complete = true;
    }
    IniSyntax::TLineReader reader(buffer, 0, complete);
    std::string_view line;
    while (reader.Next(line)) {
      if (IniSyntax::IsSectionHeader(line)) {
        if (inSettings) return {};
        inSettings = IniSyntax::EqualNoCase(IniSyntax::SectionName(line), Settings);
      } else if (inSettings && IniSyntax::KeyMatches(line, Desc)) {
        return std::string(IniSyntax::LineValue(line, Desc.size()));
      }
    }
    if (complete) return {};
    // Keep only the unfinished line; a long one makes the next read larger.
    buffer.erase(0, reader.Consumed());
    if (chunk < DescriptionSearchLimit) chunk *= 2;
  }
}

bool HasQuestion(TCustomIniStore& store, int n) {
  std::string_view stored;
  return store.ReadValue(QuestionSection(n), Question, stored) && !stored.empty();
}

namespace {

// The keys of a question section with the field each one fills, in the order
// the question editor writes them.
template <typename Record>
void ForEachTextKey(Record& record, auto&& visit) {
  visit(Question, record.Question);
  visit("A", record.AnswerA);
  visit("B", record.AnswerB);
  visit("C", record.AnswerC);
  visit("D", record.AnswerD);
  visit("E", record.AnswerE);
  visit("F", record.AnswerF);
  visit(Correct, record.Correct);
}

// Every key ReadQuestion reads, in one list, so that one pass over the section
// finds them all.
enum TQuestionKey {
  KeyQuestion,
  KeyA,
  KeyB,
  KeyC,
  KeyD,
  KeyE,
  KeyF,
  KeyCorrect,
  KeyAny,
  KeyHotLink,
  KeyHotLinkParameters,
  KeyReference,
  KeyMMedia,
  KeyMMediaIn,
  KeyCount
};
constexpr std::array<std::string_view, KeyCount> QuestionKeys = {
    Question,          "A",       "B",    "C",     "D", "E", "F", Correct, Any, HotLink,
    HotLinkParameters, Reference, MMedia, MMediaIn};

int QuestionKeyIndex(std::string_view key) {
  if (key.empty()) return -1;
  const char first = IniSyntax::LowerAscii(key[0]);
  int candidate = -1;
  switch (key.size()) {
    case 1:  // the answers A to F
      return first >= 'a' && first <= 'f' ? KeyA + (first - 'a') : -1;
    case 3:
      candidate = KeyAny;
      break;
    case 6:
      candidate = KeyMMedia;
      break;
    case 7:
      candidate = first == 'c' ? KeyCorrect : KeyHotLink;
      break;
    case 8:
      candidate = first == 'q' ? KeyQuestion : KeyMMediaIn;
      break;
    case 9:
      candidate = KeyReference;
      break;
    case 17:
      candidate = KeyHotLinkParameters;
      break;
    default:
      return -1;
  }
  return IniSyntax::EqualNoCase(QuestionKeys[candidate], key) ? candidate : -1;
}

}  // namespace

QuestionRecord ReadQuestion(TCustomIniStore& store, int n) {
  QuestionRecord record;
  ReadQuestion(store, n, record);
  return record;
}

void ReadQuestion(TCustomIniStore& store, int n, QuestionRecord& record) {
  // One pass over the section: the first line of each key holds its value,
  // as ReadString would find it, and is deciphered straight from the store.
  std::array<std::string_view, KeyCount> stored{};
  std::array<bool, KeyCount> seen{};
  int next = 0;
  store.ForEachLine(QuestionSection(n), [&](std::string_view line) {
    int key = -1;
    size_t equals = 0;
    if (next < KeyCount && IniSyntax::LineHasKey(line, QuestionKeys[next])) {
      // The keys mostly come in the order this program writes them.
      key = next;
      equals = QuestionKeys[next].size();
    } else {
      equals = IniSyntax::FindEquals(line);
      if (equals == std::string_view::npos) return;
      key = QuestionKeyIndex(line.substr(0, equals));
    }
    if (key < 0 || seen[key]) return;
    seen[key] = true;
    stored[key] = line.substr(equals + 1);
    next = key + 1;
  });
  Decrypt(stored[KeyQuestion], record.Question);
  for (int i = 0; i < 6; ++i) Decrypt(stored[KeyA + i], record.Answer(i));
  Decrypt(stored[KeyCorrect], record.Correct);
  record.AnyCorrectPasses = Decrypt(stored[KeyAny]) == "1";
  Decrypt(stored[KeyHotLink], record.HotLink);
  Decrypt(stored[KeyHotLinkParameters], record.HotLinkParameters);
  Decrypt(stored[KeyReference], record.Reference);
  Decrypt(stored[KeyMMedia], record.MediaFile);
  record.MMediaInternal = Decrypt(stored[KeyMMediaIn]) == "1";
}

void WriteQuestion(TIniStore& store, int n, const QuestionRecord& record) {
  const std::string section = QuestionSection(n);
  auto write = [&](std::string_view key, std::string_view plain) {
    store.WriteString(section, key, Encrypt(plain));
  };
  ForEachTextKey(record, [&](std::string_view key, const std::string& field) { write(key, field); });
  write(Any, record.AnyCorrectPasses ? "1" : "0");
  write(HotLink, record.HotLink);
  write(HotLinkParameters, record.HotLinkParameters);
  write(Reference, record.Reference);
  write(MMedia, record.MediaFile);
  write(MMediaIn, record.MMediaInternal ? "1" : "0");
}

}  // namespace TestFile

std::string& QuestionRecord::Answer(int index) {
  const std::array<std::string*, 6> answers = {&AnswerA, &AnswerB, &AnswerC, &AnswerD, &AnswerE, &AnswerF};
  return *answers.at(static_cast<size_t>(index));
}

const std::string& QuestionRecord::Answer(int index) const {
  return const_cast<QuestionRecord&>(*this).Answer(index);
}
