#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// The catalogue of the tests that lie in the program's folder: every file whose
// name ends in ".QWT" (any letter case), listed by its deciphered description.
// Paths and file names are the file system's own bytes; descriptions are
// code-page text, as the test files store them.

inline constexpr int MaxTests = 100;

struct TestEntry {
  std::string Description;  // deciphered SETTINGS/DESC; empty: the entry is not listed
  std::string FileName;     // name without folder; empty: the entry is unused
};

// What a scan tells its caller while it runs. Each event is optional.
struct TCatalogueEvents {
  // A file whose description does not decipher; called before the next file is
  // read. path is the file's full path.
  std::function<void(const std::string& path)> OnUndecodable;
  // A file that could not be read; reason is the system's reason. The scan goes
  // on with the next file.
  std::function<void(const std::string& path, const std::string& reason)> OnUnreadable;
  // Called once after the scan when more than MaxTests files matched; notListed
  // is how many were left out.
  std::function<void(int notListed)> OnTooMany;
};

// The outcome of picking a list item.
struct TSelection {
  enum TKind {
    Prompt,      // the item holds no ':': nothing to do
    BadNumber,   // the text before the first ':' is not an integer
    NoFileName,  // the number names no used entry
    Missing,     // the entry's file no longer exists; Path names it
    Found        // Path is the test's full path
  };
  TKind Kind = Prompt;
  int Number = 0;
  std::string Path;
};

// The names of every test file in folder (regular files whose names end in
// ".QWT", any case), in the catalogue's order, however many there are.
// Throws TIoError when the folder cannot be listed.
std::vector<std::string> TestFileNames(const std::string& folder);

class TestCatalogue {
public:
  // folder: the program's folder, without a trailing separator.
  explicit TestCatalogue(std::string folder);

  // Empties every entry, then lists the folder's regular files whose names end
  // in ".QWT" without regard to case, in file-name order (letter case ignored,
  // ties broken by the exact bytes), and gives the first MaxTests of them the
  // entries 1, 2, ... in turn. Each file's SETTINGS/DESC is read and
  // deciphered: a description that does not decipher leaves the entry's
  // Description empty and raises OnUndecodable; an unreadable file leaves it
  // empty and raises OnUnreadable. Folders and other non-regular entries are
  // skipped without a word. Nothing is written.
  // Returns the number of listable entries (descriptions that are neither
  // empty nor undecodable).
  // Throws TIoError when the folder itself cannot be listed; every entry is
  // then empty.
  int Scan(const TCatalogueEvents& events = {});

  // Entry n, 1..MaxTests. n outside that range is a programming error.
  const TestEntry& Entry(int n) const;

  // The list items of the listed entries in entry order: the entry number in
  // decimal, ": ", and the description ("3: Chapter 2 review").
  std::vector<std::string> Items() const;

  // Decides what picking item (a list item's text) means: the integer before
  // the first ':' (leading blanks and a sign allowed) names the entry, whose
  // file must still exist. Reads nothing from the file.
  TSelection Select(std::string_view item) const;

  // The full path of a file name inside the catalogue's folder.
  std::string PathOf(const std::string& fileName) const;

  const std::string& Folder() const { return FFolder; }

private:
  std::string FFolder;
  std::array<TestEntry, MaxTests> Entries;
};
