#include "core/run/TakeTest.h"

#include <filesystem>
#include <system_error>

#include "core/model/TestContents.h"
#include "core/storage/IniStore.h"
#include "core/storage/IoError.h"

namespace TakeTest {

TTestToTake Read(const std::string& path) {
  std::error_code ignored;
  if (!std::filesystem::is_regular_file(path, ignored))
    throw TIoError(path, "Cannot open the test", "no such file");
  TCustomIniStore store(path);
  TTestToTake test;
  test.Settings = ReadTestSettings(store);
  test.Questions = ReadTestContents(store).Questions;
  return test;
}

std::optional<std::string> AddToHistory(const std::string& historyPath, const std::string& student,
                                        const std::string& when, const std::string& testPath,
                                        const std::string& description, const TRunResult& result) {
  const THistoryRecord record{student,
                              when,
                              testPath,
                              description,
                              result.Asked,
                              result.Right,
                              result.Percent,
                              result.HasPassPoint ? (result.Passed ? "Passed" : "Failed") : "",
                              DurationText(result.SecondsTaken)};
  const std::filesystem::path folder = std::filesystem::absolute(historyPath).parent_path();
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (error) throw TIoError(folder.string(), "Cannot make the folder", error.message());
  return History::Append(historyPath, record);
}

}  // namespace TakeTest
