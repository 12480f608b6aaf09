#include "core/model/TestFolder.h"

#include <exception>
#include <filesystem>
#include <system_error>
#include <vector>

#include "core/model/QuestionSet.h"
#include "core/model/TestContents.h"
#include "core/model/TestFile.h"
#include "core/storage/FileStamp.h"
#include "core/storage/IniStore.h"
#include "core/storage/ZarnEncryption.h"

namespace {

char LowerAscii(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c;
}

bool SameIgnoringAsciiCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  return true;
}

}  // namespace

namespace TestFolder {

std::string FindFile(const std::string& folder, std::string_view name) {
  const std::filesystem::path base(folder);
  std::string found;
  std::error_code error;
  for (std::filesystem::directory_iterator it(base, error), end; !error && it != end; it.increment(error)) {
    const std::string entry = it->path().filename().string();
    if (!SameIgnoringAsciiCase(entry, name)) continue;
    std::error_code kindError;
    if (!it->is_regular_file(kindError)) continue;
    if (entry == name) return it->path().string();
    if (found.empty() || entry < found) found = entry;
  }
  return (base / (found.empty() ? std::string(name) : found)).string();
}

std::string ReplaceBlocker(const std::string& path) {
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(path, error);
  if (!std::filesystem::exists(status)) return {};
  if (std::filesystem::is_directory(status)) return "it is a folder, not a file";
  if (!std::filesystem::is_regular_file(status)) return "it is not a plain file";
  return {};
}

void CreateNewTest(const std::string& path) {
  TIniStore store(path);
  // The old test's sections go with it: the new test holds only its settings.
  store.ClearSections();
  TestFile::WriteNewTest(store);
  store.UpdateFile();
}

std::optional<std::string> LoadableDescription(const std::string& path) {
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(path, error);
  if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) return std::nullopt;
  const TestFile::TStoredDescription stored = TestFile::ReadDescriptionAndForm(path);
  if (!TestFile::IsLoadable(stored.Stored)) return std::nullopt;
  return TestFile::DescriptionText(stored);
}

bool DiffersFromFile(const QuestionSet& questions, const std::string& path) {
  std::vector<QuestionRecord> stored;
  try {
    TCustomIniStore store(path);
    stored = ReadTestContents(store).Questions;
  } catch (const std::exception&) {
    return true;
  }
  int count = questions.QuestionCount;
  while (count > 0 && questions.Slot(count) == QuestionRecord()) --count;
  if (count != static_cast<int>(stored.size())) return true;
  for (int n = 1; n <= count; ++n)
    if (!(questions.Slot(n) == stored[n - 1])) return true;
  return false;
}

bool LoadForEditing(QuestionSet& questions, const std::string& path, TFileStamp& stamp) {
  const TFileStamp before = StampFile(path);
  const bool renumbered = questions.LoadQuestions(path);
  stamp = before;
  return renumbered;
}

QuestionSet::TSaveOutcome SaveEdited(const QuestionSet& questions, const std::string& path,
                                     TFileStamp& stamp) {
  const QuestionSet::TSaveOutcome outcome = questions.SaveQuestions(path);
  stamp = StampFile(path);
  return outcome;
}

}  // namespace TestFolder
