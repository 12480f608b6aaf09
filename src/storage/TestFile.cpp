#include "storage/TestFile.h"

#include <array>

#include "storage/FileInput.h"
#include "storage/IniSyntax.h"
#include "storage/ZarnEncryption.h"

namespace TestFile {

std::string QuestionSection(int n) { return "QA" + std::to_string(n); }

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

bool IsLoadable(std::string_view storedDesc) { return !storedDesc.empty(); }

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
  while (true) {
    const size_t before = buffer.size();
    if (file.ReadSome(buffer, chunk) == 0) complete = true;
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
    if (chunk < 1 << 20) chunk *= 2;
  }
}

bool HasQuestion(TCustomIniStore& store, int n) {
  return !store.ReadString(QuestionSection(n), Question, {}).empty();
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

}  // namespace

QuestionRecord ReadQuestion(TCustomIniStore& store, int n) {
  const std::string section = QuestionSection(n);
  QuestionRecord record;
  auto read = [&](std::string_view key) { return Decrypt(store.ReadString(section, key, {})); };
  ForEachTextKey(record, [&](std::string_view key, std::string& field) { field = read(key); });
  record.AnyCorrectPasses = read(Any) == "1";
  record.HotLink = read(HotLink);
  record.HotLinkParameters = read(HotLinkParameters);
  record.Reference = read(Reference);
  record.MediaFile = read(MMedia);
  record.MMediaInternal = read(MMediaIn) == "1";
  return record;
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
