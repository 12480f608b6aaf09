#include "core/model/TestCatalogue.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <system_error>

#include "core/model/TestFile.h"
#include "core/storage/IoError.h"
#include "core/storage/ZarnEncryption.h"

namespace fs = std::filesystem;

namespace {

constexpr std::string_view TestExtension = ".qwt";

unsigned char FoldCase(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte >= 'A' && byte <= 'Z' ? static_cast<unsigned char>(byte + ('a' - 'A')) : byte;
}

bool HasTestExtension(std::string_view name) {
  if (name.size() < TestExtension.size()) return false;
  const std::string_view tail = name.substr(name.size() - TestExtension.size());
  return std::equal(tail.begin(), tail.end(), TestExtension.begin(),
                    [](char a, char b) { return FoldCase(a) == FoldCase(b); });
}

// File-name order without regard to letter case; names that differ only in
// case keep a fixed order by their exact bytes, so numbers never swap between
// scans.
bool NameBefore(const std::string& a, const std::string& b) {
  const bool folded = std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                                   [](char x, char y) { return FoldCase(x) < FoldCase(y); });
  if (folded) return true;
  const bool foldedAfter = std::lexicographical_compare(
      b.begin(), b.end(), a.begin(), a.end(), [](char x, char y) { return FoldCase(x) < FoldCase(y); });
  return !foldedAfter && a < b;
}

// The names of the folder's regular files (symbolic links followed) that end
// in the test extension, in listing order.
std::vector<std::string> MatchingFiles(const std::string& folder) {
  std::vector<std::string> names;
  std::error_code error;
  fs::directory_iterator it(folder, error);
  const auto fail = [&] { throw TIoError(folder, "Could not list the folder", error.message()); };
  if (error) fail();
  for (; it != fs::directory_iterator(); it.increment(error)) {
    if (error) fail();
    std::string name = it->path().filename().string();
    if (!HasTestExtension(name)) continue;
    std::error_code typeError;
    // A folder, device or pipe named like a test is not a test; reading a pipe
    // would also block the scan.
    if (!it->is_regular_file(typeError)) continue;
    names.push_back(std::move(name));
  }
  if (error) fail();
  return names;
}

// Leading blanks, an optional sign, then decimal digits to the end of text.
bool ParseEntryNumber(std::string_view text, int& number) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  if (text.empty() || text.front() < '0' || text.front() > '9') return false;
  unsigned magnitude = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude);
  if (error != std::errc() || end != text.data() + text.size()) return false;
  const unsigned limit = negative ? 2147483648u : 2147483647u;
  if (magnitude > limit) return false;
  number = negative ? static_cast<int>(-static_cast<long long>(magnitude)) : static_cast<int>(magnitude);
  return true;
}

bool FileExists(const std::string& path) {
  std::error_code error;
  return fs::exists(path, error) && !fs::is_directory(path, error);
}

}  // namespace

TestCatalogue::TestCatalogue(std::string folder) : FFolder(std::move(folder)) {}

std::vector<std::string> TestFileNames(const std::string& folder) {
  std::vector<std::string> names = MatchingFiles(folder);
  std::sort(names.begin(), names.end(), NameBefore);
  return names;
}

int TestCatalogue::Scan(const TCatalogueEvents& events) {
  Entries.fill(TestEntry{});
  const std::vector<std::string> names = TestFileNames(FFolder);

  const int listed = static_cast<int>(std::min<size_t>(names.size(), MaxTests));
  int found = 0;
  for (int i = 0; i < listed; ++i) {
    TestEntry& entry = Entries[i];
    entry.FileName = names[i];
    const std::string path = PathOf(entry.FileName);
    TestFile::TStoredDescription stored;
    try {
      stored = TestFile::ReadDescriptionAndForm(path);
    } catch (const TIoError& error) {
      if (events.OnUnreadable) events.OnUnreadable(path, error.Reason);
      continue;
    }
    std::string description = TestFile::DescriptionText(stored);
    if (description == BadDecode) {
      if (events.OnUndecodable) events.OnUndecodable(path);
      continue;
    }
    if (TestFile::IsListable(description)) ++found;
    entry.Description = std::move(description);
  }
  if (names.size() > MaxTests && events.OnTooMany)
    events.OnTooMany(static_cast<int>(names.size()) - MaxTests);
  return found;
}

const TestEntry& TestCatalogue::Entry(int n) const {
  return Entries.at(static_cast<size_t>(n - 1));
}

std::vector<std::string> TestCatalogue::Items() const {
  std::vector<std::string> items;
  for (int n = 1; n <= MaxTests; ++n) {
    const TestEntry& entry = Entry(n);
    if (TestFile::IsListable(entry.Description))
      items.push_back(std::to_string(n) + ": " + entry.Description);
  }
  return items;
}

TSelection TestCatalogue::Select(std::string_view item) const {
  TSelection selection;
  const size_t colon = item.find(':');
  if (colon == std::string_view::npos) return selection;
  if (!ParseEntryNumber(item.substr(0, colon), selection.Number)) {
    selection.Kind = TSelection::BadNumber;
    return selection;
  }
  if (selection.Number < 1 || selection.Number > MaxTests || Entry(selection.Number).FileName.empty()) {
    selection.Kind = TSelection::NoFileName;
    return selection;
  }
  selection.Path = PathOf(Entry(selection.Number).FileName);
  selection.Kind = FileExists(selection.Path) ? TSelection::Found : TSelection::Missing;
  return selection;
}

std::string TestCatalogue::PathOf(const std::string& fileName) const {
  return FFolder + "/" + fileName;
}
