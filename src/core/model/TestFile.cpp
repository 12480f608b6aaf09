#include "core/model/TestFile.h"

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

namespace {

constexpr bool DistinctNames(const auto& keys) {
  for (size_t i = 0; i < keys.size(); ++i)
    for (size_t j = i + 1; j < keys.size(); ++j)
      if (IniSyntax::EqualNoCase(keys[i].Name, keys[j].Name)) return false;
  return true;
}
static_assert(DistinctNames(SettingKeys) && DistinctNames(QuestionKeys));

}  // namespace

void WriteNewTest(TIniStore& store) {
  for (const TSettingKey& key : SettingKeys)
    if (!key.NewTest.empty()) store.WriteString(Settings, key.Name, Encrypt(key.NewTest));
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

namespace {

// The question keys chained by name length, so that the reader, which looks
// up every line of a section, compares a key with those of its length alone:
// First[length] is the first such key, Next[i] the one after key i, -1 none.
constexpr size_t LongestQuestionKey = [] {
  size_t longest = 0;
  for (const TQuestionKey& key : QuestionKeys) longest = std::max(longest, key.Name.size());
  return longest;
}();

struct TLengthChains {
  std::array<int, LongestQuestionKey + 1> First;
  std::array<int, QuestionKeys.size()> Next;
};

constexpr TLengthChains QuestionKeyChains = [] {
  TLengthChains chains{};
  chains.First.fill(-1);
  for (int i = static_cast<int>(QuestionKeys.size()) - 1; i >= 0; --i) {
    int& first = chains.First[QuestionKeys[static_cast<size_t>(i)].Name.size()];
    chains.Next[static_cast<size_t>(i)] = first;
    first = i;
  }
  return chains;
}();

}  // namespace

int QuestionKeyIndex(std::string_view key) {
  if (key.size() > LongestQuestionKey) return -1;
  for (int i = QuestionKeyChains.First[key.size()]; i >= 0;
       i = QuestionKeyChains.Next[static_cast<size_t>(i)])
    if (IniSyntax::EqualNoCase(QuestionKeys[static_cast<size_t>(i)].Name, key)) return i;
  return -1;
}

std::string_view PlainValue(const QuestionRecord& record, const TQuestionKey& key) {
  if (key.Text) return record.*key.Text;
  return record.*key.Flag ? "1" : "0";
}

QuestionRecord ReadQuestion(TCustomIniStore& store, int n) {
  QuestionRecord record;
  ReadQuestion(store, n, record);
  return record;
}

void ReadQuestion(TCustomIniStore& store, int n, QuestionRecord& record) {
  ReadQuestion(store, QuestionSection(n), record);
}

void ReadQuestion(TCustomIniStore& store, std::string_view section, QuestionRecord& record, bool decipher) {
  // One pass over the section: the first line of each key holds its value,
  // as ReadString would find it, and is deciphered straight from the store.
  std::array<std::string_view, QuestionKeys.size()> stored{};
  std::array<bool, QuestionKeys.size()> seen{};
  size_t next = 0;
  store.ForEachLine(section, [&](std::string_view line) {
    int key = -1;
    size_t equals = 0;
    if (next < QuestionKeys.size() && IniSyntax::LineHasKey(line, QuestionKeys[next].Name)) {
      // The keys mostly come in the order this program writes them.
      key = static_cast<int>(next);
      equals = QuestionKeys[next].Name.size();
    } else {
      equals = IniSyntax::FindEquals(line);
      if (equals == std::string_view::npos) return;
      key = QuestionKeyIndex(line.substr(0, equals));
    }
    if (key < 0 || seen[static_cast<size_t>(key)]) return;
    seen[static_cast<size_t>(key)] = true;
    stored[static_cast<size_t>(key)] = line.substr(equals + 1);
    next = static_cast<size_t>(key) + 1;
  });
  for (size_t i = 0; i < QuestionKeys.size(); ++i) {
    const TQuestionKey& key = QuestionKeys[i];
    if (key.Text && decipher)
      Decrypt(stored[i], record.*key.Text);
    else if (key.Text)
      (record.*key.Text).assign(stored[i]);
    else
      record.*key.Flag = (decipher ? Decrypt(stored[i]) : std::string(stored[i])) == "1";
  }
}

void WriteQuestion(TIniStore& store, int n, const QuestionRecord& record) {
  const std::string section = QuestionSection(n);
  for (const TQuestionKey& key : QuestionKeys) {
    if (key.WhenSet)
      WriteWhenSet(store, section, key.Name, PlainValue(record, key));
    else
      store.WriteString(section, key.Name, Encrypt(PlainValue(record, key)));
  }
}

void WriteWhenSet(TCustomIniStore& store, std::string_view section, std::string_view key,
                  std::string_view plain) {
  if (!plain.empty()) {
    store.WriteString(section, key, Encrypt(plain));
    return;
  }
  TStrings* lines = nullptr;
  const int line = store.FindItemIndex(section, key, false, lines);
  if (line < 0) return;
  lines->erase(lines->begin() + line);
  store.Modified = true;
}

std::vector<std::string> TagList(std::string_view tags) {
  std::vector<std::string> list;
  while (!tags.empty()) {
    const size_t comma = std::min(tags.find(','), tags.size());
    std::string_view tag = tags.substr(0, comma);
    tags.remove_prefix(std::min(comma + 1, tags.size()));
    while (!tag.empty() && static_cast<unsigned char>(tag.front()) <= ' ') tag.remove_prefix(1);
    while (!tag.empty() && static_cast<unsigned char>(tag.back()) <= ' ') tag.remove_suffix(1);
    if (tag.empty()) continue;
    const bool repeated = std::any_of(list.begin(), list.end(), [&](const std::string& earlier) {
      return IniSyntax::EqualNoCase(earlier, tag);
    });
    if (!repeated) list.emplace_back(tag);
  }
  return list;
}

std::string TagsValue(std::string_view tags) {
  std::string value;
  for (const std::string& tag : TagList(tags)) value += (value.empty() ? "" : ", ") + tag;
  return value;
}

void EraseQuestionsFrom(TCustomIniStore& store, int first) {
  for (int n = std::max(first, 1); n <= MaxQuestionCount; ++n) store.EraseSection(QuestionSection(n));
}

}  // namespace TestFile

std::string& QuestionRecord::Answer(int index) {
  const std::array<std::string*, 6> answers = {&AnswerA, &AnswerB, &AnswerC, &AnswerD, &AnswerE, &AnswerF};
  return *answers.at(static_cast<size_t>(index));
}

const std::string& QuestionRecord::Answer(int index) const {
  return const_cast<QuestionRecord&>(*this).Answer(index);
}
