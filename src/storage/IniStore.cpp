#include "storage/IniStore.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <limits>

#include "storage/AtomicFile.h"
#include "storage/FileInput.h"
#include "storage/IniSyntax.h"

using IniSyntax::EqualNoCase;
using IniSyntax::HashNoCase;

// ---------------------------------------------------------------------------
// TSectionList

// Each section lives in its own node, so a line list handed out stays where it
// is while sections are added. Names are found through an open-addressing hash
// table of positions; same-named sections (only between a load and its
// duplicate removal, or through Add) share a probe chain.
struct TSectionList::TImpl {
  struct TEntry {
    std::string Name;
    uint32_t Hash;
    TStrings Lines;
  };

  std::vector<std::unique_ptr<TEntry>> Entries;
  std::vector<int> Slots;  // positions into Entries, -1 for an empty slot

  size_t Mask() const { return Slots.size() - 1; }

  void Insert(int position) {
    size_t slot = Entries[position]->Hash & Mask();
    while (Slots[slot] >= 0) slot = (slot + 1) & Mask();
    Slots[slot] = position;
  }

  // Keeps the table at most half full.
  void Rebuild() {
    size_t size = 16;
    while (size < Entries.size() * 2) size *= 2;
    Slots.assign(size, -1);
    for (int i = 0; i < static_cast<int>(Entries.size()); ++i) Insert(i);
  }

  int Find(std::string_view name, int start) const {
    if (Entries.empty()) return -1;
    const uint32_t hash = HashNoCase(name);
    int atOrAfterStart = -1;
    int first = -1;
    for (size_t slot = hash & Mask(); Slots[slot] >= 0; slot = (slot + 1) & Mask()) {
      const int position = Slots[slot];
      const TEntry& entry = *Entries[position];
      if (entry.Hash != hash || !EqualNoCase(entry.Name, name)) continue;
      if (first < 0 || position < first) first = position;
      if (position >= start && (atOrAfterStart < 0 || position < atOrAfterStart)) atOrAfterStart = position;
    }
    return atOrAfterStart >= 0 ? atOrAfterStart : first;
  }
};

TSectionList::TSectionList() : Impl(std::make_unique<TImpl>()) { Impl->Rebuild(); }

TSectionList::~TSectionList() = default;

int TSectionList::Count() const { return static_cast<int>(Impl->Entries.size()); }

const std::string& TSectionList::Names(int index) const { return Impl->Entries.at(index)->Name; }

TStrings& TSectionList::SectionItems(int index) { return Impl->Entries.at(index)->Lines; }

const TStrings& TSectionList::SectionItems(int index) const { return Impl->Entries.at(index)->Lines; }

int TSectionList::IndexOf(std::string_view name) {
  const int found = Impl->Find(name, LastIndex);
  if (found >= 0) LastIndex = found;
  return found;
}

int TSectionList::Find(std::string_view name, int start) const { return Impl->Find(name, start); }

int TSectionList::Add(std::string name, TStrings lines) {
  const uint32_t hash = HashNoCase(name);
  Impl->Entries.push_back(std::make_unique<TImpl::TEntry>(TImpl::TEntry{std::move(name), hash, std::move(lines)}));
  const int position = Count() - 1;
  if (Impl->Entries.size() * 2 > Impl->Slots.size())
    Impl->Rebuild();
  else
    Impl->Insert(position);
  return position;
}

void TSectionList::Delete(int index) {
  if (index < 0 || index >= Count()) return;
  Impl->Entries.erase(Impl->Entries.begin() + index);
  Impl->Rebuild();
  LastIndex = 0;
}

void TSectionList::RemoveMarked(const std::vector<bool>& marked) {
  size_t kept = 0;
  for (size_t i = 0; i < Impl->Entries.size(); ++i)
    if (i >= marked.size() || !marked[i]) Impl->Entries[kept++] = std::move(Impl->Entries[i]);
  if (kept == Impl->Entries.size()) return;
  Impl->Entries.resize(kept);
  Impl->Rebuild();
  LastIndex = 0;
}

void TSectionList::Clear() {
  Impl->Entries.clear();
  Impl->Rebuild();
  LastIndex = 0;
}

// ---------------------------------------------------------------------------
// TCustomIniStore

namespace {

bool IsBlankOrTab(char c) { return c == ' ' || c == '\t'; }

void TrimAroundEquals(std::string& line) {
  size_t equals = line.find('=');
  if (equals == std::string::npos) return;
  size_t start = equals;
  while (start > 0 && IsBlankOrTab(line[start - 1])) --start;
  line.erase(start, equals - start);
  equals = start;
  size_t end = equals + 1;
  while (end < line.size() && IsBlankOrTab(line[end])) ++end;
  line.erase(equals + 1, end - equals - 1);
}

void StripValueQuotes(std::string& line) {
  const size_t equals = line.find('=');
  if (equals == std::string::npos || equals == 0 || line.size() - equals - 1 < 2) return;
  const char quote = line[equals + 1];
  if ((quote == '"' || quote == '\'') && line.back() == quote) {
    line.pop_back();
    line.erase(equals + 1, 1);
  }
}

void TrimLineEnd(std::string& line) {
  while (!line.empty() && static_cast<unsigned char>(line.back()) < 33) line.pop_back();
}

// Delphi-style integer text: leading blanks, an optional sign, '$' for
// hexadecimal; nothing may follow. Hexadecimal takes all 32 bits ($FFFFFFFF is -1).
bool ParseInteger(std::string_view text, int32_t& result) {
  size_t p = 0;
  while (p < text.size() && text[p] == ' ') ++p;
  bool negative = false;
  if (p < text.size() && (text[p] == '+' || text[p] == '-')) negative = text[p++] == '-';
  int base = 10;
  if (p < text.size() && text[p] == '$') {
    base = 16;
    ++p;
  }
  if (p == text.size()) return false;
  uint64_t magnitude = 0;
  const auto [end, error] = std::from_chars(text.data() + p, text.data() + text.size(), magnitude, base);
  if (error != std::errc() || end != text.data() + text.size()) return false;
  if (base == 16) {
    if (magnitude > std::numeric_limits<uint32_t>::max()) return false;
    const auto bits = static_cast<uint32_t>(negative ? 0u - static_cast<uint32_t>(magnitude) : magnitude);
    result = static_cast<int32_t>(bits);
    return true;
  }
  const uint64_t limit = negative ? uint64_t{1} << 31 : (uint64_t{1} << 31) - 1;
  if (magnitude > limit) return false;
  result = negative ? static_cast<int32_t>(-static_cast<int64_t>(magnitude)) : static_cast<int32_t>(magnitude);
  return true;
}

}  // namespace

TCustomIniStore::TCustomIniStore(std::string fileName, TLoadOptions options) : Options(std::move(options)) {
  SetFileName(fileName);
}

TCustomIniStore::~TCustomIniStore() {
  try {
    UpdateFile();
  } catch (...) {
    // A destructor must not throw; writers call UpdateFile() themselves and see the error there.
  }
}

void TCustomIniStore::SetFileName(const std::string& fileName) {
  UpdateFile();
  ClearSections();
  FFileName = fileName;
  if (!FFileName.empty()) LoadFile(FFileName);
  Modified = false;
}

void TCustomIniStore::ClearSections() {
  Sections.Clear();
  CurrentSection = 0;
}

void TCustomIniStore::LoadFile(const std::string& path) {
  CurrentSection = 0;
  std::string text;
  {
    TInputFile file(path);
    if (!file.Exists()) return;
    file.ReadRest(text);
  }
  const size_t ctrlZ = text.find(IniSyntax::CtrlZ);
  if (ctrlZ != std::string::npos) text.resize(ctrlZ);

  const bool anyLineOption = Options.TrimAroundEquals || Options.StripValueQuotes || Options.TrimLineEnds ||
                             Options.DropLinesWithoutEquals;
  IniSyntax::TLineReader reader(text, 0, true);
  std::string_view line;
  TStrings* lines = nullptr;
  bool duplicates = false;
  while (reader.Next(line)) {
    if (Options.DropCommentLines && !line.empty() && line.front() == ';') continue;
    if (line.empty()) continue;
    if (IniSyntax::IsSectionHeader(line)) {
      const std::string_view name = IniSyntax::SectionName(line);
      if (!duplicates && Sections.Find(name, 0) >= 0) duplicates = true;
      lines = &Sections.SectionItems(Sections.Add(std::string(name)));
      continue;
    }
    if (!lines) continue;  // content before the first header
    if (!anyLineOption) {
      lines->emplace_back(line);
      continue;
    }
    std::string content(line);
    if (Options.TrimAroundEquals) TrimAroundEquals(content);
    if (Options.StripValueQuotes) StripValueQuotes(content);
    if (Options.TrimLineEnds) TrimLineEnd(content);
    if (Options.DropLinesWithoutEquals && content.find('=') == std::string::npos) continue;
    lines->push_back(std::move(content));
  }
  if (duplicates && RemoveDuplicates()) Modified = true;
}

bool TCustomIniStore::RemoveDuplicates() {
  const int count = Sections.Count();
  std::vector<bool> dropped(count, false);
  // survivor[first] is the current survivor among the sections named like the
  // one at position first (the first occurrence of that name).
  std::vector<int> survivor(count, -1);
  bool any = false;
  for (int i = 0; i < count; ++i) {
    const int first = Sections.Find(Sections.Names(i), 0);
    if (first == i) {
      survivor[i] = i;
      continue;
    }
    any = true;
    int& current = survivor[first];
    const bool keepEarlier = !Options.OnDuplicateSection ||
                             Options.OnDuplicateSection(Sections.Names(current), Sections.SectionItems(current),
                                                        Sections.SectionItems(i));
    if (keepEarlier) {
      dropped[i] = true;
    } else {
      dropped[current] = true;
      current = i;
    }
  }
  if (any) Sections.RemoveMarked(dropped);
  return any;
}

int TCustomIniStore::FindItemIndex(std::string_view section, std::string_view key, bool create,
                                   TStrings*& lines) {
  lines = nullptr;
  const int count = Sections.Count();
  int found = -1;
  if (count > 0) {
    const int start = (CurrentSection >= 0 && CurrentSection < count) ? CurrentSection : 0;
    found = Sections.Find(section, start);
    // The circular scan ends on the position just before its start when it misses.
    CurrentSection = found >= 0 ? found : (start + count - 1) % count;
  }
  if (found < 0) {
    if (!create) return -1;
    CurrentSection = Sections.Add(std::string(section));
    lines = &Sections.SectionItems(CurrentSection);
    return -1;
  }
  lines = &Sections.SectionItems(found);
  for (size_t i = 0; i < lines->size(); ++i)
    if (IniSyntax::KeyMatches((*lines)[i], key)) return static_cast<int>(i);
  return -1;
}

std::string TCustomIniStore::ReadString(std::string_view section, std::string_view key, std::string_view def) {
  TStrings* lines;
  const int index = FindItemIndex(section, key, false, lines);
  if (index < 0) return std::string(def);
  return std::string(IniSyntax::LineValue((*lines)[index], key.size()));
}

void TCustomIniStore::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  if (key.empty()) {
    if (section.empty() && value.empty())
      UpdateFile();
    else
      EraseSection(section);
    return;
  }
  TStrings* lines;
  const int index = FindItemIndex(section, key, true, lines);
  if (index < 0) {
    std::string line;
    line.reserve(key.size() + 1 + value.size());
    line.append(key).append(1, '=').append(value);
    lines->push_back(std::move(line));
    Modified = true;
    return;
  }
  std::string& line = (*lines)[index];
  const bool same = line.size() == key.size() + 1 + value.size() &&
                    std::string_view(line).substr(0, key.size()) == key &&
                    std::string_view(line).substr(key.size() + 1) == value;
  if (same) return;
  line.assign(key).append(1, '=').append(value);
  Modified = true;
}

int32_t TCustomIniStore::ReadInteger(std::string_view section, std::string_view key, int32_t def) {
  std::string text = ReadString(section, key, {});
  if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) text.replace(0, 2, "$");
  int32_t result;
  return ParseInteger(text, result) ? result : def;
}

void TCustomIniStore::WriteInteger(std::string_view section, std::string_view key, int32_t value) {
  WriteString(section, key, std::to_string(value));
}

bool TCustomIniStore::ReadBool(std::string_view section, std::string_view key, bool def) {
  return ReadInteger(section, key, def ? 1 : 0) != 0;
}

void TCustomIniStore::WriteBool(std::string_view section, std::string_view key, bool value) {
  WriteString(section, key, value ? "1" : "0");
}

void TCustomIniStore::ReadSection(std::string_view section, TStrings& strings) {
  const int index = Sections.IndexOf(section);
  if (index < 0) return;
  for (const std::string& line : Sections.SectionItems(index)) {
    const size_t equals = line.find('=');
    strings.push_back(equals == std::string::npos ? std::string() : line.substr(0, equals));
  }
}

void TCustomIniStore::ReadSections(TStrings& strings) {
  strings.clear();
  strings.reserve(Sections.Count());
  for (int i = 0; i < Sections.Count(); ++i) strings.push_back(Sections.Names(i));
}

void TCustomIniStore::ReadSectionValues(std::string_view section, TStrings& strings) {
  const int index = Sections.IndexOf(section);
  if (index < 0) return;
  const TStrings& lines = Sections.SectionItems(index);
  strings.insert(strings.end(), lines.begin(), lines.end());
}

void TCustomIniStore::EraseSection(std::string_view section) {
  const int index = Sections.IndexOf(section);
  if (index < 0) return;
  Sections.Delete(index);
  Sections.LastIndex = 0;
  CurrentSection = 0;
  Modified = true;
}

void TCustomIniStore::DeleteKey(std::string_view section, std::string_view key) {
  TStrings* lines;
  const int index = FindItemIndex(section, key, true, lines);
  if (index < 0) return;
  lines->erase(lines->begin() + index);
  Modified = true;
}

void TCustomIniStore::ReadAll(TStrings& strings) {
  for (int i = 0; i < Sections.Count(); ++i) {
    const TStrings& lines = Sections.SectionItems(i);
    if (lines.empty()) continue;
    strings.push_back("[" + Sections.Names(i) + "]");
    strings.insert(strings.end(), lines.begin(), lines.end());
    strings.emplace_back();
  }
}

std::string TCustomIniStore::CanonicalText() const {
  size_t size = 0;
  for (int i = 0; i < Sections.Count(); ++i) {
    const TStrings& lines = Sections.SectionItems(i);
    if (lines.empty()) continue;
    size += Sections.Names(i).size() + 6;  // brackets, CR LF, and the empty line's CR LF
    for (const std::string& line : lines) size += line.size() + 2;
  }
  std::string text;
  text.reserve(size);
  for (int i = 0; i < Sections.Count(); ++i) {
    const TStrings& lines = Sections.SectionItems(i);
    if (lines.empty()) continue;
    text.append(1, '[').append(Sections.Names(i)).append("]\r\n");
    for (const std::string& line : lines) text.append(line).append("\r\n");
    text.append("\r\n");
  }
  return text;
}

void TCustomIniStore::UpdateFile() {
  if (!Modified) return;
  if (!FFileName.empty()) ReplaceFileAtomically(FFileName, CanonicalText());
  Modified = false;
}

// ---------------------------------------------------------------------------
// TIniStore

void TIniStore::WriteSectionValues(std::string_view section, const TStrings& strings) {
  const int index = Sections.IndexOf(section);
  if (index < 0) {
    Sections.Add(std::string(section), strings);
    Modified = true;
    return;
  }
  TStrings& lines = Sections.SectionItems(index);
  if (lines.size() != strings.size()) {
    lines = strings;
    Modified = true;
    return;
  }
  for (size_t i = 0; i < lines.size(); ++i) {
    if (lines[i] != strings[i]) {
      lines[i] = strings[i];
      Modified = true;
    }
  }
}

// ---------------------------------------------------------------------------
// IniStoreFaults

namespace IniStoreFaults {

namespace {
std::optional<TStep> FailingStep;
}  // namespace

void FailAt(std::optional<TStep> step) { FailingStep = step; }

bool Fails(TStep step) {
  if (FailingStep != step) return false;
  errno = EIO;
  return true;
}

}  // namespace IniStoreFaults
