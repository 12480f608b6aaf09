#include "core/storage/IniStore.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <exception>
#include <functional>
#include <limits>

#include "core/storage/AtomicFile.h"
#include "core/storage/FileInput.h"
#include "core/storage/IniSyntax.h"

using IniSyntax::EqualNoCase;
using IniSyntax::HashNoCase;

// ---------------------------------------------------------------------------
// TSectionList

namespace {

// Whether part lies in whole's characters, as a view handed out by ReadValue may.
bool Overlaps(std::string_view part, const std::string& whole) {
  const std::less<const char*> before;
  return !part.empty() && !before(part.data(), whole.data()) &&
         before(part.data(), whole.data() + whole.size());
}

}  // namespace

// Each section lives in its own node, so a line list handed out stays where it
// is while sections are added. Names are found through an open-addressing hash
// table of positions; same-named sections (only between a load and its
// duplicate removal, or through Add) share a probe chain.
//
// A section's lines are the range [First, First + Count) of Loaded: views into
// a loaded file's text or into text written since, which is appended to blocks
// that never move. SectionItems copies them into Lines, a list of its own, for
// good. Text that writes leave behind is dropped once it outweighs the rest.
struct TSectionList::TImpl {
  struct TEntry {
    std::string Name;
    uint32_t Hash = 0;
    bool Owned = true;  // Lines holds the lines
    size_t First = 0;
    size_t Count = 0;
    TStrings Lines;
  };

  std::vector<std::unique_ptr<TEntry>> Entries;
  // Same-named sections form one group, its positions ascending, so that a
  // file repeating one header a hundred thousand times is found and loaded
  // in linear time. Slots holds positions into Groups, -1 for an empty slot.
  // The first position is kept apart: most names occur once, and then a
  // load allocates nothing for the group.
  struct TGroup {
    uint32_t Hash = 0;
    int First = 0;
    std::vector<int> Later;
  };
  std::vector<TGroup> Groups;
  std::vector<int> Slots;
  std::vector<std::unique_ptr<char[]>> Texts;
  std::vector<std::string_view> Loaded;
  std::vector<std::unique_ptr<char[]>> Blocks;
  char* Free = nullptr;
  size_t FreeSize = 0;
  size_t HeldBytes = 0;     // of Texts and Blocks
  size_t GarbageBytes = 0;  // of lines replaced or erased
  size_t GarbageViews = 0;  // entries of Loaded no section uses any more

  static constexpr size_t BlockSize = 64 * 1024;

  size_t Mask() const { return Slots.size() - 1; }

  // The slot of the group named name, or the empty slot where it would go.
  size_t SlotOf(std::string_view name, uint32_t hash) const {
    size_t slot = hash & Mask();
    while (Slots[slot] >= 0) {
      const TGroup& group = Groups[Slots[slot]];
      if (group.Hash == hash && EqualNoCase(Entries[group.First]->Name, name)) break;
      slot = (slot + 1) & Mask();
    }
    return slot;
  }

  // Keeps the table at most half full.
  void Rehash() {
    size_t size = 16;
    while (size < Groups.size() * 2) size *= 2;
    Slots.assign(size, -1);
    for (int g = 0; g < static_cast<int>(Groups.size()); ++g) {
      size_t slot = Groups[g].Hash & Mask();
      while (Slots[slot] >= 0) slot = (slot + 1) & Mask();
      Slots[slot] = g;
    }
  }

  // Files the entry at position, which must be past every position filed.
  void Insert(int position) {
    const TEntry& entry = *Entries[position];
    const size_t slot = SlotOf(entry.Name, entry.Hash);
    if (Slots[slot] >= 0) {
      Groups[Slots[slot]].Later.push_back(position);
      return;
    }
    Groups.push_back({entry.Hash, position, {}});
    Slots[slot] = static_cast<int>(Groups.size()) - 1;
    if (Groups.size() * 2 > Slots.size()) Rehash();
  }

  void Rebuild() {
    Groups.clear();
    Slots.clear();
    Rehash();
    for (int i = 0; i < static_cast<int>(Entries.size()); ++i) Insert(i);
  }

  // The first position at or after start among the sections named name, or
  // else the first of them; -1 when there is none.
  int Find(std::string_view name, int start) const {
    if (Entries.empty()) return -1;
    const int at = Slots[SlotOf(name, HashNoCase(name))];
    if (at < 0) return -1;
    const TGroup& group = Groups[at];
    if (start <= group.First) return group.First;
    const auto found = std::lower_bound(group.Later.begin(), group.Later.end(), start);
    return found != group.Later.end() ? *found : group.First;
  }

  int Append(std::unique_ptr<TEntry> entry) {
    Entries.push_back(std::move(entry));
    const int position = static_cast<int>(Entries.size()) - 1;
    Insert(position);
    return position;
  }

  TEntry& At(int index) const { return *Entries[static_cast<size_t>(index)]; }

  char* Reserve(size_t size) {
    if (size > FreeSize) {
      const size_t block = std::max(size, BlockSize);
      Blocks.push_back(std::make_unique_for_overwrite<char[]>(block));
      HeldBytes += block;
      Free = Blocks.back().get();
      FreeSize = block;
    }
    char* at = Free;
    Free += size;
    FreeSize -= size;
    return at;
  }

  // Copies of a line, or of the line key=value, kept in a block.
  std::string_view Keep(std::string_view line) {
    char* at = Reserve(line.size());
    if (!line.empty()) std::memcpy(at, line.data(), line.size());
    return {at, line.size()};
  }

  std::string_view Keep(std::string_view key, std::string_view value) {
    const size_t size = key.size() + 1 + value.size();
    char* at = Reserve(size);
    if (!key.empty()) std::memcpy(at, key.data(), key.size());
    at[key.size()] = '=';
    if (!value.empty()) std::memcpy(at + key.size() + 1, value.data(), value.size());
    return {at, size};
  }

  // Moves the section's range to the end of Loaded, so that it can grow.
  void MakeRoomAtEnd(TEntry& entry) {
    if (entry.First + entry.Count == Loaded.size()) return;
    const size_t first = Loaded.size();
    Loaded.reserve(first + entry.Count + 1);
    for (size_t i = 0; i < entry.Count; ++i) Loaded.push_back(Loaded[entry.First + i]);
    GarbageViews += entry.Count;
    entry.First = first;
  }

  // Copies every line still in use into fresh blocks and a fresh Loaded, and
  // lets go of the rest, once the leftovers outweigh what is in use.
  void CompactWhenWasteful() {
    const bool bytes = GarbageBytes > (1u << 20) && GarbageBytes > HeldBytes / 2;
    const bool views = GarbageViews > (1u << 16) && GarbageViews > Loaded.size() / 2;
    if (!bytes && !views) return;
    std::vector<std::unique_ptr<char[]>> oldBlocks = std::move(Blocks);
    std::vector<std::unique_ptr<char[]>> oldTexts = std::move(Texts);
    std::vector<std::string_view> oldLoaded = std::move(Loaded);
    Blocks.clear();
    Texts.clear();
    Loaded.clear();
    Free = nullptr;
    FreeSize = 0;
    HeldBytes = GarbageBytes = GarbageViews = 0;
    for (const auto& entry : Entries) {
      if (entry->Owned) continue;
      const size_t first = Loaded.size();
      for (size_t i = 0; i < entry->Count; ++i) Loaded.push_back(Keep(oldLoaded[entry->First + i]));
      entry->First = first;
    }
  }

  TStrings& Own(int index) {
    TEntry& entry = At(index);
    if (!entry.Owned) {
      entry.Lines.assign(Loaded.begin() + entry.First, Loaded.begin() + entry.First + entry.Count);
      entry.Owned = true;
    }
    return entry.Lines;
  }
};

TSectionList::TSectionList() : Impl(std::make_unique<TImpl>()) {
  Impl->Rebuild();
}

TSectionList::~TSectionList() = default;

int TSectionList::Count() const {
  return static_cast<int>(Impl->Entries.size());
}

const std::string& TSectionList::Names(int index) const {
  return Impl->At(index).Name;
}

TStrings& TSectionList::SectionItems(int index) {
  return Impl->Own(index);
}

const TStrings& TSectionList::SectionItems(int index) const {
  return Impl->Own(index);
}

int TSectionList::LineCount(int index) const {
  const TImpl::TEntry& entry = Impl->At(index);
  return static_cast<int>(entry.Owned ? entry.Lines.size() : entry.Count);
}

std::string_view TSectionList::Line(int index, int line) const {
  const TImpl::TEntry& entry = Impl->At(index);
  return entry.Owned ? std::string_view(entry.Lines[line]) : Impl->Loaded[entry.First + line];
}

const std::string_view* TSectionList::LinesInPlace(int index) const {
  const TImpl::TEntry& entry = Impl->At(index);
  return entry.Owned ? nullptr : Impl->Loaded.data() + entry.First;
}

int TSectionList::KeyLine(int index, std::string_view key) const {
  const TImpl::TEntry& entry = Impl->At(index);
  const auto firstMatch = [key](const auto* lines, size_t count) {
    for (size_t i = 0; i < count; ++i)
      if (IniSyntax::LineHasKey(lines[i], key)) return static_cast<int>(i);
    return -1;
  };
  return entry.Owned ? firstMatch(entry.Lines.data(), entry.Lines.size())
                     : firstMatch(Impl->Loaded.data() + entry.First, entry.Count);
}

std::string_view TSectionList::LineKey(int index, int line) const {
  const std::string_view text = Line(index, line);
  const size_t equals = IniSyntax::FindEquals(text);
  return equals == std::string_view::npos ? std::string_view() : text.substr(0, equals);
}

int TSectionList::IndexOf(std::string_view name) {
  const int found = Impl->Find(name, LastIndex);
  if (found >= 0) LastIndex = found;
  return found;
}

int TSectionList::Find(std::string_view name, int start) const {
  return Impl->Find(name, start);
}

int TSectionList::Add(std::string name, TStrings lines) {
  auto entry = std::make_unique<TImpl::TEntry>();
  entry->Hash = HashNoCase(name);
  entry->Name = std::move(name);
  if (lines.empty()) {
    entry->Owned = false;
    entry->First = Impl->Loaded.size();
  } else {
    entry->Lines = std::move(lines);
  }
  return Impl->Append(std::move(entry));
}

void TSectionList::SetLine(int index, int line, std::string_view key, std::string_view value) {
  TImpl::TEntry& entry = Impl->At(index);
  if (entry.Owned) {
    std::string& target = entry.Lines[line];
    if (Overlaps(key, target) || Overlaps(value, target))
      target = std::string(key) + '=' + std::string(value);
    else
      target.assign(key).append(1, '=').append(value);  // in the line's own buffer
    return;
  }
  std::string_view& target = Impl->Loaded[entry.First + line];
  Impl->GarbageBytes += target.size();
  target = Impl->Keep(key, value);
  Impl->CompactWhenWasteful();
}

void TSectionList::AppendLine(int index, std::string_view key, std::string_view value) {
  TImpl::TEntry& entry = Impl->At(index);
  if (entry.Owned) {
    entry.Lines.push_back(std::string(key) + '=' + std::string(value));
    return;
  }
  const std::string_view line = Impl->Keep(key, value);
  Impl->MakeRoomAtEnd(entry);
  Impl->Loaded.push_back(line);
  ++entry.Count;
  Impl->CompactWhenWasteful();
}

bool TSectionList::LoadText(std::unique_ptr<char[]> text, size_t size, bool keepDuplicates) {
  std::string_view content(text.get(), size);
  if (IniSyntax::StartsWithByteOrderMark(content)) content.remove_prefix(IniSyntax::ByteOrderMark.size());
  Impl->Texts.push_back(std::move(text));
  Impl->HeldBytes += size;
  std::vector<std::string_view>& loaded = Impl->Loaded;
  loaded.reserve(loaded.size() + content.size() / 32);
  IniSyntax::TLineReader reader(content, 0, true);
  std::string_view line;
  TImpl::TEntry* section = nullptr;
  bool duplicates = false;
  while (reader.Next(line)) {
    if (line.empty()) continue;
    if (IniSyntax::IsSectionHeader(line)) {
      const std::string_view name = IniSyntax::SectionName(line);
      if ((!duplicates || !keepDuplicates) && Find(name, 0) >= 0) {
        duplicates = true;
        if (!keepDuplicates) {
          section = nullptr;  // its lines are skipped with it
          continue;
        }
      }
      auto entry = std::make_unique<TImpl::TEntry>();
      entry->Hash = HashNoCase(name);
      entry->Name = name;
      entry->Owned = false;
      entry->First = loaded.size();
      section = entry.get();
      Impl->Append(std::move(entry));
    } else if (section) {
      loaded.push_back(line);
      ++section->Count;
    }
  }
  return duplicates;
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
  Impl->Loaded.clear();
  Impl->Texts.clear();
  Impl->Blocks.clear();
  Impl->Free = nullptr;
  Impl->FreeSize = 0;
  Impl->HeldBytes = Impl->GarbageBytes = Impl->GarbageViews = 0;
  Impl->Rebuild();
  LastIndex = 0;
}

// ---------------------------------------------------------------------------
// TCustomIniStore

namespace {

bool IsBlankOrTab(char c) {
  return c == ' ' || c == '\t';
}

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

}  // namespace

TCustomIniStore::TCustomIniStore(std::string fileName, TLoadOptions options)
    : Options(std::move(options)), FFileName(std::move(fileName)) {
  if (!FFileName.empty()) LoadFile(FFileName);
  Modified = false;
}

TCustomIniStore::~TCustomIniStore() {
  // A save that failed was reported to its caller, who may have given up on
  // it; and a store released while an exception passes may be half built.
  // Neither is written behind the caller's back.
  if (SaveFailed || std::uncaught_exceptions() > ExceptionsAtStart) return;
  try {
    UpdateFile();
  } catch (...) {
    // A destructor must not throw; writers call UpdateFile() themselves and see the error there.
  }
}

void TCustomIniStore::ClearSections() {
  Sections.Clear();
  CurrentSection = 0;
}

void TCustomIniStore::LoadFile(const std::string& path) {
  CurrentSection = 0;
  TFileBytes bytes;
  {
    TInputFile file(path);
    if (!file.Exists()) return;
    bytes = file.ReadRest(MaxStoreFileSize);
  }
  const bool anyOption = Options.DropCommentLines || Options.TrimAroundEquals || Options.StripValueQuotes ||
                         Options.TrimLineEnds || Options.DropLinesWithoutEquals;
  const bool duplicates = anyOption ? LoadWithOptions({bytes.Data.get(), bytes.Size})
                                    : Sections.LoadText(std::move(bytes.Data), bytes.Size,
                                                        static_cast<bool>(Options.OnDuplicateSection));
  // Without a handler the later ones were skipped as they were read.
  if (duplicates) {
    if (Options.OnDuplicateSection) RemoveDuplicates();
    Modified = true;
  }
}

bool TCustomIniStore::LoadWithOptions(std::string_view text) {
  if (IniSyntax::StartsWithByteOrderMark(text)) text.remove_prefix(IniSyntax::ByteOrderMark.size());
  IniSyntax::TLineReader reader(text, 0, true);
  std::string_view line;
  TStrings* lines = nullptr;
  bool duplicates = false;
  while (reader.Next(line)) {
    if (Options.DropCommentLines && !line.empty() && line.front() == ';') continue;
    if (line.empty()) continue;
    if (IniSyntax::IsSectionHeader(line)) {
      const std::string_view name = IniSyntax::SectionName(line);
      if ((!duplicates || !Options.OnDuplicateSection) && Sections.Find(name, 0) >= 0) {
        duplicates = true;
        if (!Options.OnDuplicateSection) {
          lines = nullptr;  // the first of the name survives; later ones are skipped whole
          continue;
        }
      }
      lines = &Sections.SectionItems(Sections.Add(std::string(name)));
      continue;
    }
    if (!lines) continue;  // content before the first header
    std::string content(line);
    if (Options.TrimAroundEquals) TrimAroundEquals(content);
    if (Options.StripValueQuotes) StripValueQuotes(content);
    if (Options.TrimLineEnds) TrimLineEnd(content);
    if (Options.DropLinesWithoutEquals && content.find('=') == std::string::npos) continue;
    lines->push_back(std::move(content));
  }
  return duplicates;
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
    const bool keepEarlier =
        !Options.OnDuplicateSection ||
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

int TCustomIniStore::FindSection(std::string_view section, bool create) {
  const int count = Sections.Count();
  int found = -1;
  if (count > 0) {
    const int start = (CurrentSection >= 0 && CurrentSection < count) ? CurrentSection : 0;
    // Readers mostly stay in one section for a while: the scan's first step is the common hit.
    found = EqualNoCase(Sections.Names(start), section) ? start : Sections.Find(section, start);
    // The circular scan ends on the position just before its start when it misses.
    CurrentSection = found >= 0 ? found : (start + count - 1) % count;
  }
  if (found < 0 && create) found = CurrentSection = Sections.Add(std::string(section));
  return found;
}

TCustomIniStore::TKeyPosition TCustomIniStore::FindKey(std::string_view section, std::string_view key,
                                                       bool create) {
  TKeyPosition position;
  position.Section = FindSection(section, create);
  if (position.Section >= 0 && IniSyntax::FindEquals(key) == std::string_view::npos)
    position.Line = Sections.KeyLine(position.Section, key);
  return position;
}

int TCustomIniStore::FindItemIndex(std::string_view section, std::string_view key, bool create,
                                   TStrings*& lines) {
  const TKeyPosition position = FindKey(section, key, create);
  lines = position.Section >= 0 ? &Sections.SectionItems(position.Section) : nullptr;
  return position.Line;
}

bool TCustomIniStore::ReadValue(std::string_view section, std::string_view key, std::string_view& value) {
  const TKeyPosition position = FindKey(section, key, false);
  if (position.Line < 0) return false;
  value = IniSyntax::LineValue(Sections.Line(position.Section, position.Line), key.size());
  return true;
}

std::string TCustomIniStore::ReadString(std::string_view section, std::string_view key,
                                        std::string_view def) {
  std::string_view value;
  return std::string(ReadValue(section, key, value) ? value : def);
}

void TCustomIniStore::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  if (key.empty()) {
    if (section.empty() && value.empty())
      UpdateFile();
    else
      EraseSection(section);
    return;
  }
  const TKeyPosition position = FindKey(section, key, true);
  if (position.Line < 0) {
    Sections.AppendLine(position.Section, key, value);
  } else {
    const std::string_view line = Sections.Line(position.Section, position.Line);
    // Writing what is already there changes nothing, and copies nothing either.
    if (line.size() == key.size() + 1 + value.size() && line.substr(0, key.size()) == key &&
        line.substr(key.size() + 1) == value)
      return;
    Sections.SetLine(position.Section, position.Line, key, value);
  }
  Modified = true;
}

int32_t TCustomIniStore::ReadInteger(std::string_view section, std::string_view key, int32_t def) {
  return ParseInteger(ReadString(section, key, {}), TIntegerGrammar::Store).value_or(def);
}

bool TCustomIniStore::ReadBool(std::string_view section, std::string_view key, bool def) {
  return ReadInteger(section, key, def ? 1 : 0) != 0;
}

void TCustomIniStore::WriteBool(std::string_view section, std::string_view key, bool value) {
  WriteString(section, key, value ? "1" : "0");
}

void TCustomIniStore::ReadSections(TStrings& strings) {
  strings.clear();
  strings.reserve(Sections.Count());
  for (int i = 0; i < Sections.Count(); ++i) strings.push_back(Sections.Names(i));
}

void TCustomIniStore::ReadSectionValues(std::string_view section, TStrings& strings) {
  const int index = Sections.IndexOf(section);
  if (index < 0) return;
  const int count = Sections.LineCount(index);
  strings.reserve(strings.size() + count);
  for (int i = 0; i < count; ++i) strings.emplace_back(Sections.Line(index, i));
}

void TCustomIniStore::EraseSection(std::string_view section) {
  const int index = Sections.IndexOf(section);
  if (index < 0) return;
  Sections.Delete(index);
  Sections.LastIndex = 0;
  CurrentSection = 0;
  Modified = true;
}

void TCustomIniStore::ReadAll(TStrings& strings) {
  for (int i = 0; i < Sections.Count(); ++i) {
    const int count = Sections.LineCount(i);
    if (count == 0) continue;
    strings.push_back("[" + Sections.Names(i) + "]");
    for (int k = 0; k < count; ++k) strings.emplace_back(Sections.Line(i, k));
    strings.emplace_back();
  }
}

std::string TCustomIniStore::CanonicalText() const {
  size_t size = 0;
  for (int i = 0; i < Sections.Count(); ++i) {
    const int count = Sections.LineCount(i);
    if (count == 0) continue;
    size += Sections.Names(i).size() + 6;  // brackets, CR LF, and the empty line's CR LF
    for (int k = 0; k < count; ++k) size += Sections.Line(i, k).size() + 2;
  }
  std::string text;
  text.reserve(size);
  for (int i = 0; i < Sections.Count(); ++i) {
    const int count = Sections.LineCount(i);
    if (count == 0) continue;
    text.append(1, '[').append(Sections.Names(i)).append("]\r\n");
    for (int k = 0; k < count; ++k) text.append(Sections.Line(i, k)).append("\r\n");
    text.append("\r\n");
  }
  return text;
}

void TCustomIniStore::UpdateFile() {
  if (!Modified) return;
  if (!FFileName.empty()) {
    SaveFailed = true;
    ReplaceFileAtomically(FFileName, CanonicalText());
    SaveFailed = false;
    // A test's folder holds a few hundred files at most, unlike a results
    // folder, so the sweep costs little here.
    const size_t slash = FFileName.rfind('/');
    RemoveSaveLeftovers(slash == std::string::npos ? "." : slash == 0 ? "/" : FFileName.substr(0, slash));
  }
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
  if (Sections.LineCount(index) != static_cast<int>(strings.size())) {
    Sections.SectionItems(index) = strings;
    Modified = true;
    return;
  }
  for (size_t i = 0; i < strings.size(); ++i) {
    if (Sections.Line(index, static_cast<int>(i)) != strings[i]) {
      Sections.SectionItems(index)[i] = strings[i];
      Modified = true;
    }
  }
}

void TIniStore::EraseKey(std::string_view section, std::string_view key) {
  TStrings* lines = nullptr;
  const int line = FindItemIndex(section, key, false, lines);
  if (line < 0) return;
  lines->erase(lines->begin() + line);
  Modified = true;
}

void TIniStore::RewriteLines(
    const std::function<bool(const std::string& section, std::string& line)>& rewrite) {
  for (int index = 0; index < Sections.Count(); ++index) {
    TStrings& lines = Sections.SectionItems(index);
    for (std::string& line : lines)
      if (rewrite(Sections.Names(index), line)) Modified = true;
  }
}

std::optional<int32_t> ParseInteger(std::string_view text, TIntegerGrammar grammar) {
  const bool store = grammar == TIntegerGrammar::Store;
  size_t p = 0;
  bool negative = false;
  int base = 10;
  if (store && text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    base = 16;
    p = 2;
  } else {
    while (p < text.size() && text[p] == ' ') ++p;
    const bool sign = p < text.size() && (text[p] == '+' || text[p] == '-');
    if (sign) negative = text[p++] == '-';
    if (p < text.size() && text[p] == '$' && (store || !sign)) {
      base = 16;
      ++p;
    }
  }
  if (p == text.size()) return std::nullopt;
  uint64_t magnitude = 0;
  const auto [end, error] = std::from_chars(text.data() + p, text.data() + text.size(), magnitude, base);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (base == 16) {
    if (magnitude > std::numeric_limits<uint32_t>::max()) return std::nullopt;
    const auto bits = static_cast<uint32_t>(magnitude);
    return static_cast<int32_t>(negative ? 0u - bits : bits);
  }
  const uint64_t limit = negative ? uint64_t{1} << 31 : (uint64_t{1} << 31) - 1;
  if (magnitude > limit) return std::nullopt;
  return negative ? static_cast<int32_t>(-static_cast<int64_t>(magnitude)) : static_cast<int32_t>(magnitude);
}

std::string OneLineValue(std::string_view text) {
  std::string line(text);
  std::replace_if(
      line.begin(), line.end(), [](char c) { return c == '\r' || c == '\n' || c == IniSyntax::CtrlZ; }, ' ');
  return line;
}

TStrings StorableMessageLines(const TStrings& lines) {
  TStrings stored;
  stored.reserve(lines.size());
  for (const std::string& line : lines) {
    std::string one = OneLineValue(line);
    if (one.empty() || IniSyntax::IsSectionHeader(one)) one += ' ';
    stored.push_back(std::move(one));
  }
  return stored;
}
