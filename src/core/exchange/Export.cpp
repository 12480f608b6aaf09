#include "core/exchange/Export.h"

#include <filesystem>

#include "core/exchange/Formats.h"
#include "core/model/MediaFile.h"
#include "core/model/QuestionReading.h"
#include "core/model/TestContents.h"
#include "core/model/TestFile.h"
#include "core/storage/AtomicFile.h"
#include "core/storage/FileInput.h"
#include "core/storage/IniStore.h"
#include "core/storage/IoError.h"

namespace fs = std::filesystem;

namespace Export {

TExportedTest ReadTest(const std::string& testPath) {
  {
    TInputFile probe(testPath);  // a missing file is an error, not an empty store
    if (!probe.Exists()) throw TIoError(testPath, "Cannot read", "no such file");
  }
  if (!TestFile::IsLoadable(TestFile::ReadStoredDescription(testPath)))
    throw TIoError(testPath, "Cannot export", "the file is not a test (it has no description)");
  TCustomIniStore store(testPath);
  TTestContents contents = ReadTestContents(store);
  TExportedTest test;
  for (const auto& setting : contents.Settings)
    if (setting.Key == TestFile::Desc && setting.Value) test.Description = *setting.Value;
  test.Contents = std::move(contents);
  return test;
}

TMediaLookup MediaBeside(const std::string& testPath) {
  const fs::path folder = fs::absolute(fs::path(testPath)).parent_path();
  return [folder](const std::string& stored) -> std::optional<TMediaFile> {
    const std::optional<fs::path> path = MediaFile::Locate(stored, folder);
    if (!path) return std::nullopt;
    TInputFile file(path->string());
    if (!file.Exists()) return std::nullopt;
    const TFileBytes bytes = file.ReadRest();
    return TMediaFile{path->filename().string(), std::string(bytes.Data.get(), bytes.Size)};
  };
}

void ExportTest(const TQuestionFormat& format, const std::string& testPath, const std::string& targetPath,
                TLossReport& report) {
  const TExportedTest test = ReadTest(testPath);
  for (const std::string& line : NumberingReport(test.Contents.Numbering)) report.Add(0, line);
  const std::string bytes = format.Write(test, MediaBeside(testPath), report);
  ReplaceFileAtomically(targetPath, bytes);
}

bool ExportTest(const std::string& testPath, const std::string& targetPath, TLossReport& report) {
  const TQuestionFormat* format = QuestionFormatOfFile(targetPath);
  if (!format) return false;
  ExportTest(*format, testPath, targetPath, report);
  return true;
}

}  // namespace Export
