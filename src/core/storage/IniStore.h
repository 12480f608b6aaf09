#pragma once

#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/storage/IoError.h"

// The INI store: a whole sectioned key/value file held in memory. Every file
// the system touches is read and written through it. Open a store on a path,
// read or write, call UpdateFile(), let it go.
//
// Lines are raw bytes (single-byte code page); a line's key is its text before
// the first '=', its value everything after. Section and key names match
// without regard to ASCII case. Nothing is trimmed unless a load option says so.

using TStrings = std::vector<std::string>;

// Decides which of two same-named sections survives a load: true keeps the
// earlier one, false the later one.
using TDuplicateSectionEvent =
    std::function<bool(const std::string& name, const TStrings& earlier, const TStrings& later)>;

// Load options; the system reads all of its files with every option off.
struct TLoadOptions {
  bool DropCommentLines = false;        // drop lines that begin with ';'
  bool DropLinesWithoutEquals = false;  // drop lines that contain no '='
  bool TrimAroundEquals = false;        // remove blanks and tabs around the first '='
  bool StripValueQuotes = false;        // remove a matching pair of quotes around the value
  bool TrimLineEnds = false;            // remove trailing characters below code 33
  TDuplicateSectionEvent OnDuplicateSection;
};

// The store's table of sections, in file order; sections created later are
// appended. Names are kept as spelled.
//
// Lines stay where the loaded file's text lies in memory, and lines written
// later go into blocks beside it: both are read in place (Line, LineCount) and
// written line by line (SetLine, AppendLine) without a string per
// line. A section's own list of strings is built only when SectionItems asks
// for it, and the section keeps that list from then on.
class TSectionList {
public:
  TSectionList();
  ~TSectionList();
  TSectionList(const TSectionList&) = delete;
  TSectionList& operator=(const TSectionList&) = delete;

  // An index is a position from 0 to Count() - 1, as with a vector's [].
  int Count() const;
  const std::string& Names(int index) const;
  // The section's lines as a list the caller may change. The list stays where
  // it is until the section is removed or the list cleared.
  TStrings& SectionItems(int index);
  const TStrings& SectionItems(int index) const;

  // Reading lines without building the list. A view stays valid until the
  // section list is next changed.
  int LineCount(int index) const;
  std::string_view Line(int index, int line) const;
  // All LineCount lines at once when the section has no list of strings of
  // its own (see SectionItems); nullptr when it has.
  const std::string_view* LinesInPlace(int index) const;
  // The first line of section index whose key equals key (which holds no
  // '='), or -1.
  int KeyLine(int index, std::string_view key) const;
  // The line's key: its text before the first '=', empty without one.
  std::string_view LineKey(int index, int line) const;

  // Position of the section named name (ASCII case ignored), or -1. Among
  // same-named sections, the first met when scanning from LastIndex to the end
  // and then from the start. A hit sets LastIndex to the found position; a miss
  // leaves it. Found through a hash index: no scan, no allocation.
  int IndexOf(std::string_view name);

  // The same search starting at start instead of LastIndex, which it leaves alone.
  int Find(std::string_view name, int start) const;

  // Appends a section (even when one of that name exists) and returns its
  // position. The line lists of earlier sections stay where they are.
  int Add(std::string name, TStrings lines = {});

  // Writing single lines, as key=value, without building the section's list
  // of strings: replacing one, appending one.
  void SetLine(int index, int line, std::string_view key, std::string_view value);
  void AppendLine(int index, std::string_view key, std::string_view value);

  // Appends the sections of a file's text as read with every load option off:
  // lines end at CR, CR LF or a lone LF, a Ctrl-Z ends the text, empty lines
  // and lines before the first header are skipped, a UTF-8 byte-order mark
  // opening the text is skipped, and a header starts a new
  // section even when one of that name exists, unless keepDuplicates is
  // false: then a section named like an earlier one is skipped with its
  // lines. The lines stay in text, which the list keeps. Returns whether the
  // text repeats a name.
  bool LoadText(std::unique_ptr<char[]> text, size_t size, bool keepDuplicates = true);

  // Removing an entry resets LastIndex to 0, so it always points into the list.
  void Delete(int index);
  // Removes every entry whose flag is set, keeping the order of the others;
  // marked has Count() flags. One pass, however many are removed.
  void RemoveMarked(const std::vector<bool>& marked);
  void Clear();

  int LastIndex = 0;

private:
  struct TImpl;
  std::unique_ptr<TImpl> Impl;
};

// The largest file a store loads: far beyond a test of 500 questions, so a
// larger file is no test and is refused before it is read into memory.
inline constexpr size_t MaxStoreFileSize = size_t{64} << 20;

class TCustomIniStore {
public:
  // Opens the store on fileName and loads it (LoadFile). An empty name gives a
  // store that is never written. A missing file gives an empty store.
  // Throws TIoError when the file exists but cannot be read, or is larger
  // than MaxStoreFileSize.
  explicit TCustomIniStore(std::string fileName = {}, TLoadOptions options = {});

  // Flushes (UpdateFile) and releases everything. Never throws: a failed flush
  // here is swallowed, so writers call UpdateFile() themselves first. Writes
  // nothing when the last save failed or when an exception is passing through
  // the scope that made the store.
  ~TCustomIniStore();

  TCustomIniStore(const TCustomIniStore&) = delete;
  TCustomIniStore& operator=(const TCustomIniStore&) = delete;

  // The value of the first line of section whose key equals key; def when the
  // section or key is absent. A present key with an empty value gives "".
  std::string ReadString(std::string_view section, std::string_view key, std::string_view def);

  // ReadString without the copy: true, and value viewing the stored text,
  // when the key is present. The view is valid until the store is next
  // changed, reloaded or released.
  bool ReadValue(std::string_view section, std::string_view key, std::string_view& value);

  // Hands every line of section to visit(std::string_view line), in order, as
  // views valid until the store is next changed; nothing when the section is
  // absent. The section is found as ReadString finds it. Reading a whole
  // section this way costs one pass, where a ReadValue per key scans again.
  template <typename Visit>
  void ForEachLine(std::string_view section, Visit&& visit) {
    const int index = FindSection(section, false);
    if (index < 0) return;
    const int count = Sections.LineCount(index);
    if (const std::string_view* lines = Sections.LinesInPlace(index)) {
      for (int i = 0; i < count; ++i) visit(lines[i]);
    } else {
      for (int i = 0; i < count; ++i) visit(Sections.Line(index, i));
    }
  }

  // Replaces the first line with that key in place, or appends one (creating the
  // section at the end of the file). An unchanged line does not set Modified.
  // An empty key erases the section (or flushes, when section and value are empty too).
  void WriteString(std::string_view section, std::string_view key, std::string_view value);

  // The value read as a number in TIntegerGrammar::Store (decimal, "$" or
  // "0x" hexadecimal, leading blanks and a sign); anything else gives def.
  int32_t ReadInteger(std::string_view section, std::string_view key, int32_t def);
  bool ReadBool(std::string_view section, std::string_view key, bool def);
  void WriteBool(std::string_view section, std::string_view key, bool value);

  // Replaces strings with every section name, in order.
  void ReadSections(TStrings& strings);
  // Appends every raw line of section; strings is not cleared first.
  void ReadSectionValues(std::string_view section, TStrings& strings);
  void EraseSection(std::string_view section);
  // Appends the lines that UpdateFile would write.
  void ReadAll(TStrings& strings);

  // When Modified and FileName is not empty, writes the canonical form
  // atomically: a temporary file in the same folder, flushed to disk, renamed
  // over the old file with the old file's permissions. On failure the old file
  // is untouched, no temporary file is left, Modified stays true, and TIoError
  // says which step failed. Modified is false afterwards otherwise.
  void UpdateFile();

  void ClearSections();

  // Finds key in section. Returns the line index or -1, and sets lines to the
  // section's line list (nullptr when absent and not created). The section is
  // the first of that name met scanning circularly from CurrentSection; a hit
  // leaves CurrentSection on it, a miss on the position just before the start,
  // and a section created here (create set) on the new section. Creating a
  // section does not set Modified.
  int FindItemIndex(std::string_view section, std::string_view key, bool create, TStrings*& lines);

  const std::string& FileName() const { return FFileName; }
  bool Modified = false;
  int CurrentSection = 0;
  // Kept for callers that set it; the store always reads its file in one go
  // and writes it in one buffered pass, whatever its value.
  int TextBufferSize = 16384;
  TLoadOptions Options;

protected:
  TSectionList Sections;

private:
  // Reads path into memory (the current sections are kept). A carriage
  // return, CR LF, or a line feed alone ends a line; Ctrl-Z ends the input.
  // Throws TIoError when the file cannot be read.
  void LoadFile(const std::string& path);

  // The section's position, scanning from CurrentSection as FindItemIndex
  // does; -1 when absent, unless create appends it.
  int FindSection(std::string_view section, bool create);

  // The section (-1 when absent and not created) and the line of key in it
  // (-1 when absent), as FindItemIndex finds them, without building the
  // section's list of strings.
  struct TKeyPosition {
    int Section = -1;
    int Line = -1;
  };
  TKeyPosition FindKey(std::string_view section, std::string_view key, bool create);

  // Loads text with the load options applied, as owned lines; returns
  // whether some section name now occurs more than once.
  bool LoadWithOptions(std::string_view text);

  // Keeps one section of each name after a load (the first, or as
  // OnDuplicateSection decides); true when any was dropped.
  bool RemoveDuplicates();
  // The bytes UpdateFile writes: each section with lines as its header, its
  // lines and one empty line, every line ending in CR LF.
  std::string CanonicalText() const;

  std::string FFileName;
  bool SaveFailed = false;
  int ExceptionsAtStart = std::uncaught_exceptions();
};

class TIniStore : public TCustomIniStore {
public:
  using TCustomIniStore::TCustomIniStore;

  // Makes section hold exactly the given lines (appending it when absent, even
  // with no lines); Modified is set only when something differs.
  void WriteSectionValues(std::string_view section, const TStrings& strings);

  // Removes the first line of section whose key is key, when there is one.
  void EraseKey(std::string_view section, std::string_view key);

  // Hands every line of every section, in order, to rewrite(section name,
  // line), which may change the line in place and returns whether it did.
  void RewriteLines(const std::function<bool(const std::string& section, std::string& line)>& rewrite);
};

// How a whole number may be written. Every grammar takes leading blanks, then
// decimal digits after an optional '-' or '+', or '$' and hexadecimal digits
// (either case) that spell the 32 bits ($FFFFFFFF is -1); nothing may follow
// the digits, and a number that does not fit gives nothing.
enum class TIntegerGrammar {
  Store,    // ReadInteger: a sign may precede '$' too (negating the bits), and
            // "0x" or "0X" opening the text stands for '$'
  Setting,  // the test settings: a sign or '$', never both; no "0x"
};

// text read as a signed 32-bit number in grammar; nothing when it does not read.
std::optional<int32_t> ParseInteger(std::string_view text, TIntegerGrammar grammar);

// text kept on one line: carriage returns, line feeds and Ctrl-Z, which would
// split the line or end the file when it is read back, become blanks.
std::string OneLineValue(std::string_view text);

// The lines of a message section as WriteSectionValues must store them so
// that the store reads back exactly as many lines, in order: OneLineValue each,
// and a line that is empty (which the store skips) or between square brackets
// (which would read as a section header, cutting the message short or letting
// it shadow another section) gets one trailing blank, which looks the same.
TStrings StorableMessageLines(const TStrings& lines);
