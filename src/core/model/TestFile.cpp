#include "core/model/TestFile.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "core/storage/CodePage.h"
#include "core/storage/FileInput.h"
#include "core/storage/IniSyntax.h"
#include "core/storage/Utf8.h"
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

void WriteNewTest(TTestSave& save) {
  for (const TSettingKey& key : SettingKeys)
    if (!key.NewTest.empty()) save.Write(Settings, key.Name, key.NewTest);
}

void WriteNewTest(TIniStore& store) {
  TTestSave save(store);
  WriteNewTest(save);
  save.Finish();
}

namespace {

bool IsAscii(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Whether a section's values are enciphered in a test: SETTINGS and the
// question sections ("QA" and digits); the others hold plain lines.
bool HoldsCipher(std::string_view section) {
  if (IniSyntax::EqualNoCase(section, Settings)) return true;
  return section.size() > 2 && IniSyntax::EqualNoCase(section.substr(0, 2), "QA") &&
         std::all_of(section.begin() + 2, section.end(), IsDigit);
}

// The plain text of one stored line's value (the whole line in a section of
// plain lines), in the form the file holds it, and the length of what comes
// before it.
struct TLineValue {
  size_t Start = 0;
  std::string Plain;
};

bool IsEnciphered(std::string_view section, TStoredValues values) {
  return values == TStoredValues::Enciphered && HoldsCipher(section);
}

// Whether a stored line's text may differ between the two forms: only a
// value holding bytes past ASCII does.
bool MayDiffer(std::string_view section, std::string_view line, TStoredValues values) {
  return IsEnciphered(section, values) || !IsAscii(line);
}

TLineValue ValueOf(std::string_view section, std::string_view line, TStoredValues values) {
  if (!IsEnciphered(section, values)) return {0, std::string(line)};
  const size_t equals = IniSyntax::FindEquals(line);
  if (equals == std::string_view::npos) return {line.size(), {}};
  const std::string_view stored = line.substr(equals + 1);
  return {equals + 1, Decrypt(stored)};
}

}  // namespace

TTextForm StoredForm(TCustomIniStore& store, TStoredValues values) {
  std::string_view stored;
  if (!store.ReadValue(Settings, Charset, stored) || stored.empty()) return TTextForm::CodePage;
  const std::string plain = values == TStoredValues::Plain ? std::string(stored) : Decrypt(stored);
  return IniSyntax::EqualNoCase(plain, Utf8Charset) ? TTextForm::Utf8 : TTextForm::CodePage;
}

void ToCoreText(std::string& text, TTextForm form) {
  // One pass over a value in either form: the check of UTF-8 runs through
  // ASCII as fast as IsAscii does, so it is not asked first.
  if (form == TTextForm::Utf8) {
    if (!Utf8::IsValid(text)) CodePage::RepairUtf8(text);
  } else if (!IsAscii(text)) {
    text = CodePage::ToUtf8(text);
  }
}

std::string ToStoredText(std::string_view text, TTextForm form) {
  if (form == TTextForm::Utf8 || IsAscii(text)) return std::string(text);
  return CodePage::FromUtf8(text).Text;
}

TTestSave::TTestSave(TIniStore& store, TStoredValues values)
    : Store(store), Values(values), Opened(StoredForm(store, values)), FForm(Opened) {}

void TTestSave::Write(std::string_view section, std::string_view key, std::string_view text) {
  if (FForm == TTextForm::CodePage && !CodePage::Holds(text)) Convert(TTextForm::Utf8);
  const std::string stored = ToStoredText(text, FForm);
  Store.WriteString(section, key, Values == TStoredValues::Plain ? stored : Encrypt(stored));
}

void TTestSave::WriteWhenSet(std::string_view section, std::string_view key, std::string_view text) {
  if (text.empty())
    Store.EraseKey(section, key);
  else
    Write(section, key, text);
}

void TTestSave::WriteLines(std::string_view section, const TStrings& lines) {
  if (FForm == TTextForm::CodePage &&
      !std::all_of(lines.begin(), lines.end(), [](const std::string& line) { return CodePage::Holds(line); }))
    Convert(TTextForm::Utf8);
  TStrings stored = StorableMessageLines(lines);
  if (FForm == TTextForm::CodePage)
    for (std::string& line : stored) line = ToStoredText(line, FForm);
  Store.WriteSectionValues(section, stored);
}

bool TTestSave::Finish() {
  if (FForm == TTextForm::Utf8) {
    bool fits = true;
    Store.RewriteLines([&](const std::string& section, std::string& line) {
      if (fits && MayDiffer(section, line, Values))
        fits = CodePage::Holds(ValueOf(section, line, Values).Plain);
      return false;
    });
    if (fits) {
      Convert(TTextForm::CodePage);
    } else if (StoredForm(Store, Values) != TTextForm::Utf8) {
      Store.WriteString(Settings, Charset,
                        Values == TStoredValues::Plain ? std::string(Utf8Charset) : Encrypt(Utf8Charset));
    }
  }
  return Opened == TTextForm::CodePage && FForm == TTextForm::Utf8;
}

void TTestSave::Convert(TTextForm to) {
  // Only values holding bytes past ASCII differ between the two forms; the
  // others keep their stored bytes (and their cipher's first pair).
  Store.RewriteLines([&](const std::string& section, std::string& line) {
    if (!MayDiffer(section, line, Values)) return false;
    TLineValue value = ValueOf(section, line, Values);
    if (IsAscii(value.Plain)) return false;
    ToCoreText(value.Plain, FForm);
    const std::string stored = ToStoredText(value.Plain, to);
    line = line.substr(0, value.Start) + (IsEnciphered(section, Values) ? Encrypt(stored) : stored);
    return true;
  });
  if (to == TTextForm::CodePage) Store.EraseKey(Settings, Charset);
  FForm = to;
}

bool IsLoadable(std::string_view storedDesc) {
  return !storedDesc.empty();
}

bool IsListable(std::string_view decipheredDesc) {
  return !decipheredDesc.empty() && decipheredDesc != BadDecode;
}

namespace {

// Mirrors a full load without building it: the first SETTINGS section
// survives a load, and ReadString gives its first DESC line. Reading stops at
// that line (or, with form, at the header that ends the section, past the
// CHARSET the section holds after its other keys).
TStoredDescription ScanSettings(const std::string& path, bool withForm) {
  TInputFile file(path);
  if (!file.Exists()) return {};
  TStoredDescription found;
  bool haveDesc = false;
  std::string charset;
  bool haveCharset = false;
  const auto result = [&]() -> TStoredDescription {
    if (!haveDesc) return {};
    if (haveCharset && IniSyntax::EqualNoCase(Decrypt(charset), Utf8Charset)) found.Form = TTextForm::Utf8;
    return found;
  };
  std::string buffer;
  size_t chunk = 4096;
  bool complete = false;
  bool inSettings = false;
  size_t read = 0;
  while (true) {
    // The description opens the file; a file without it in its first
    // megabyte is taken for undecodable rather than read to its end.
    if (read >= DescriptionSearchLimit) return result();
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
        if (inSettings) return result();
        inSettings = IniSyntax::EqualNoCase(IniSyntax::SectionName(line), Settings);
      } else if (inSettings && !haveDesc && IniSyntax::KeyMatches(line, Desc)) {
        found.Stored = std::string(IniSyntax::LineValue(line, Desc.size()));
        haveDesc = true;
        if (!withForm) return result();
      } else if (inSettings && !haveCharset && IniSyntax::KeyMatches(line, Charset)) {
        charset = std::string(IniSyntax::LineValue(line, Charset.size()));
        haveCharset = true;
      }
    }
    if (complete) return result();
    // Keep only the unfinished line; a long one makes the next read larger.
    buffer.erase(0, reader.Consumed());
    if (chunk < DescriptionSearchLimit) chunk *= 2;
  }
}

}  // namespace

std::string ReadStoredDescription(const std::string& path) {
  return ScanSettings(path, false).Stored;
}

TStoredDescription ReadDescriptionAndForm(const std::string& path) {
  return ScanSettings(path, true);
}

std::string DescriptionText(const TStoredDescription& description) {
  std::string text = Decrypt(description.Stored);
  ToCoreText(text, description.Form);
  return text;
}

std::string ReadSetting(TCustomIniStore& store, std::string_view key, TTextForm form) {
  std::string text = Decrypt(store.ReadString(Settings, key, ""));
  ToCoreText(text, form);
  return text;
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
  ReadQuestion(store, QuestionSection(n), record, StoredForm(store));
}

void ReadQuestion(TCustomIniStore& store, std::string_view section, QuestionRecord& record, TTextForm form,
                  TStoredValues values) {
  const bool decipher = values == TStoredValues::Enciphered;
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
    if (key.Text) {
      if (decipher)
        Decrypt(stored[i], record.*key.Text);
      else
        (record.*key.Text).assign(stored[i]);
      ToCoreText(record.*key.Text, form);
    } else
      record.*key.Flag = (decipher ? Decrypt(stored[i]) : std::string(stored[i])) == "1";
  }
}

void WriteQuestion(TTestSave& save, int n, const QuestionRecord& record) {
  const std::string section = QuestionSection(n);
  for (const TQuestionKey& key : QuestionKeys) {
    if (key.WhenSet)
      save.WriteWhenSet(section, key.Name, PlainValue(record, key));
    else
      save.Write(section, key.Name, PlainValue(record, key));
  }
}

void WriteQuestion(TIniStore& store, int n, const QuestionRecord& record) {
  TTestSave save(store);
  WriteQuestion(save, n, record);
  save.Finish();
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
