#include "core/exchange/Import.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <optional>
#include <system_error>

#include "core/exchange/FormatParts.h"
#include "core/exchange/Formats.h"
#include "core/model/MediaFile.h"
#include "core/model/QuestionReading.h"
#include "core/model/TestFile.h"
#include "core/model/TestSettings.h"
#include "core/storage/AtomicFile.h"
#include "core/storage/CodePage.h"
#include "core/storage/FileInput.h"
#include "core/storage/IoError.h"

namespace fs = std::filesystem;

namespace {

std::string ReadWholeFile(const std::string& path) {
  TInputFile file(path);
  if (!file.Exists()) throw TIoError(path, "Cannot read", "no such file");
  const TFileBytes bytes = file.ReadRest();
  return std::string(bytes.Data.get(), bytes.Size);
}

// A media name as a plain file name: its last part, ASCII letters, digits and
// "-_." only, never empty or all dots.
std::string SafeName(std::string_view name) {
  const size_t cut = name.find_last_of("\\/");
  if (cut != std::string_view::npos) name.remove_prefix(cut + 1);
  std::string safe;
  for (char c : name) {
    const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                       c == '-' || c == '_' || c == '.';
    safe += plain ? c : '_';
  }
  // Never a hidden file (".bashrc"), never empty or all dots.
  if (safe.empty() || safe.front() == '.') safe = "MEDIA" + safe;
  return safe;
}

// The name under which bytes lie in folder: name itself when free or holding
// the same bytes, otherwise name with "_2", "_3", ... before its extension.
std::string FreeName(const fs::path& folder, const std::string& name, const std::string& bytes) {
  const size_t dot = name.rfind('.');
  const std::string stem = dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
  const std::string extension = stem.size() == name.size() ? "" : name.substr(dot);
  for (int n = 1;; ++n) {
    const std::string candidate = n == 1 ? name : stem + "_" + std::to_string(n) + extension;
    // The engine takes names in any letter case, so "pic.bmp" is taken by "PIC.BMP".
    const std::optional<fs::path> held = MediaFile::Locate(candidate, folder);
    std::error_code error;
    if (!held && !fs::exists(fs::symlink_status(folder / candidate, error))) return candidate;
    if (!held) continue;
    TInputFile existing(held->string());
    if (existing.Exists()) {
      const TFileBytes content = existing.ReadRest();
      if (std::string_view(content.Data.get(), content.Size) == bytes) return held->filename().string();
    }
  }
}

}  // namespace

namespace Import {

const TQuestionFormat* SourceFormat(const std::string& path) {
  TInputFile file(path);
  std::string firstBytes;  // enough to tell the format
  if (file.Exists()) file.ReadSome(firstBytes, 65536);
  return QuestionFormatOfFile(path, firstBytes);
}

TImportedTest ReadSource(const TQuestionFormat& format, const std::string& path, TLossReport& report) {
  std::string bytes = ReadWholeFile(path);
  // A zip package carries its own files; any other source is UTF-8 text.
  if (!bytes.starts_with("PK\x03\x04")) {
    const std::vector<int> lines = CodePage::RepairUtf8(bytes);
    if (!lines.empty()) {
      constexpr size_t Named = 5;
      std::string where;
      for (size_t i = 0; i < lines.size() && i < Named; ++i)
        where += (i == 0 ? "" : ", ") + std::to_string(lines[i]);
      if (lines.size() > Named) where += " and " + std::to_string(lines.size() - Named) + " more";
      report.Add(0, std::string("the source is not valid UTF-8 (line") + (lines.size() == 1 ? " " : "s ") +
                        where + "); each byte that is not was read as '?'");
    }
  }
  TImportedTest test = format.Read(bytes, report);
  KeepFirst(test, TestFile::MaxQuestionCount, report);
  return test;
}

TPreparedImport Prepare(const std::string& path, const TQuestionFormat* format) {
  TPreparedImport prepared;
  prepared.Format = format ? format : SourceFormat(path);
  if (!prepared.Format) return prepared;
  try {
    prepared.Test = ReadSource(*prepared.Format, path, prepared.Report);
  } catch (const TFormatError& damaged) {
    prepared.Damage = damaged.what();
    return prepared;
  }
  return prepared;
}

std::string ImportSummary(int added, const std::string& sourceName, const std::string& testName,
                          const std::string& keptCopyName) {
  const std::string counted = added == 1 ? "1 question was" : std::to_string(added) + " questions were";
  std::string summary = counted + " imported from " + sourceName + " into " + testName + ".";
  if (!keptCopyName.empty()) summary += " The test as it was before is kept in " + keptCopyName + ".";
  return summary;
}

std::string BeforeImportPath(const std::string& testPath) {
  return testPath + ".before-import";
}

std::string AppendQuestion(int count, const std::string& sourceName, const std::string& testName,
                           bool keepsCopy) {
  const std::string counted = count == 1 ? "1 question" : std::to_string(count) + " questions";
  std::string question = "Append " + counted + " from " + sourceName + " to the end of " + testName + "?";
  question += keepsCopy ? "\rThe test as it is now is kept in " + BeforeImportPath(testName) + "."
                        : "\rUndo takes the import back.";
  return question;
}

void KeepFirst(TImportedTest& test, int room, TLossReport& report) {
  if (room < 0) room = 0;
  if (static_cast<int>(test.Questions.size()) <= room) return;
  const size_t left = test.Questions.size() - static_cast<size_t>(room);
  test.Questions.resize(static_cast<size_t>(room));
  report.Add(0, std::to_string(left) + (left == 1 ? " question" : " questions") +
                    " not taken: a test holds " + std::to_string(TestFile::MaxQuestionCount));
}

TUnpackedMedia UnpackMedia(TImportedTest& test, const std::string& testPath, TLossReport& report) {
  TUnpackedMedia unpacked;
  if (test.Media.empty()) return unpacked;
  const fs::path folder = fs::absolute(fs::path(testPath)).parent_path() / "MEDIA";
  std::error_code error;
  // A link would send the files wherever it points, outside the test's folder.
  if (fs::is_symlink(fs::symlink_status(folder, error)))
    throw TIoError(folder.string(), "Cannot write media files into",
                   "it is a symbolic link; media go only into a folder beside the test");
  std::map<std::string, std::string> stored;  // media name to stored value
  try {
    for (QuestionRecord& record : test.Questions) {
      if (record.MediaFile.empty()) continue;
      auto done = stored.find(record.MediaFile);
      if (done == stored.end()) {
        const TMediaFile* media = nullptr;
        for (const TMediaFile& file : test.Media) {
          if (file.Name == record.MediaFile) media = &file;
        }
        if (!media) continue;
        if (!fs::exists(fs::symlink_status(folder, error))) {
          fs::create_directories(folder, error);
          if (error) throw TIoError(folder.string(), "Cannot create", error.message());
          unpacked.Folder = folder.string();
        }
        const std::string name = FreeName(folder, SafeName(media->Name), media->Bytes);
        if (name != media->Name)
          report.Add(0, "media file \"" + media->Name + "\" stored as \"" + name + "\"");
        const fs::path path = folder / name;
        const bool isNew = !fs::exists(fs::symlink_status(path, error));
        ReplaceFileAtomically(path.string(), media->Bytes);
        if (isNew) unpacked.Files.push_back(path.string());
        done = stored.emplace(record.MediaFile, "\\MEDIA\\" + name).first;
      }
      record.MediaFile = done->second;
    }
  } catch (...) {
    unpacked.Remove();
    throw;
  }
  return unpacked;
}

void TUnpackedMedia::Remove() const {
  std::error_code ignored;
  for (const std::string& file : Files) fs::remove(file, ignored);
  // Only when this import made it, and only when empty.
  if (!Folder.empty()) fs::remove(Folder, ignored);
}

TTestText ToTestText(const TImportedTest& test) {
  TTestText result;
  result.Description = FormatParts::ReplaceLineBreaks(test.Title, " ");
  result.Settings = test.Settings;
  result.BeginMessage = test.BeginMessage;
  result.Questions = test.Questions;
  return result;
}

TStored SaveNewTest(const std::string& path, const TTestText& test) {
  // Built in a store without a file, then written whole over whatever stands
  // at path: a failed write leaves the old file as it was.
  TIniStore store;
  TestFile::TTestSave save(store);
  TestFile::WriteNewTest(save);
  if (!test.Description.empty()) save.Write(TestFile::Settings, TestFile::Desc, test.Description);
  for (const auto& [key, value] : test.Settings) save.Write(TestFile::Settings, key, value);
  if (!test.BeginMessage.empty()) save.WriteLines(TestFile::BeginMessage, test.BeginMessage);
  for (size_t i = 0; i < test.Questions.size(); ++i)
    TestFile::WriteQuestion(save, static_cast<int>(i) + 1, test.Questions[i]);
  const TStored stored{static_cast<int>(test.Questions.size()), save.Finish()};
  TStrings lines;
  store.ReadAll(lines);
  std::string bytes;
  for (const std::string& line : lines) bytes += line + "\r\n";
  ReplaceFileAtomically(path, bytes);
  return stored;
}

TStored AppendToTest(const std::string& path, const TTestText& test, TLossReport& report) {
  TIniStore store(path);
  TQuestionNumbering numbering;
  const std::vector<QuestionRecord> questions = ReadQuestions(store, numbering);
  const int held = static_cast<int>(questions.size());
  TestFile::TTestSave save(store);
  // Questions read across a gap are written back under the numbers they are
  // read as, so that the new ones follow on and overwrite none of them.
  if (numbering.Renumbered()) {
    for (int n = 1; n <= held; ++n) TestFile::WriteQuestion(save, n, questions[static_cast<size_t>(n - 1)]);
    TestFile::EraseQuestionsFrom(store, held + 1);
  }
  const int room = TestFile::MaxQuestionCount - held;
  const int added = std::min(room, static_cast<int>(test.Questions.size()));
  if (added < static_cast<int>(test.Questions.size())) {
    const int left = static_cast<int>(test.Questions.size()) - added;
    report.Add(0, std::to_string(left) + (left == 1 ? " question" : " questions") +
                      " not taken: the test holds " + std::to_string(held) + " of " +
                      std::to_string(TestFile::MaxQuestionCount));
  }
  for (int i = 0; i < added; ++i)
    TestFile::WriteQuestion(save, held + i + 1, test.Questions[static_cast<size_t>(i)]);
  const TStored stored{added, save.Finish()};
  store.UpdateFile();
  return stored;
}

std::vector<QuestionRecord> ForEditor(TImportedTest imported, const std::string& testPath, int room,
                                      TLossReport& report) {
  KeepFirst(imported, room, report);
  UnpackMedia(imported, testPath, report);
  return ToTestText(imported).Questions;
}

TStored IntoTest(TImportedTest imported, const std::string& testPath, bool append, TLossReport& report) {
  if (append) ReplaceFileAtomically(BeforeImportPath(testPath), ReadWholeFile(testPath));
  const TUnpackedMedia media = UnpackMedia(imported, testPath, report);
  try {
    const TTestText converted = ToTestText(imported);
    if (append) return AppendToTest(testPath, converted, report);
    return SaveNewTest(testPath, converted);
  } catch (...) {
    // The test was not written: the media files it would have named go too.
    media.Remove();
    throw;
  }
}

}  // namespace Import
