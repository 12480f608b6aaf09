#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/model/TestFile.h"
#include "core/model/TestSettings.h"
#include "core/run/History.h"
#include "core/run/TestSession.h"

// The file work of taking a test, around the session: reading the test, and
// adding the finished attempt to the student's history.
namespace TakeTest {

struct TTestToTake {
  TestSettings Settings;
  std::vector<QuestionRecord> Questions;
};

// The settings and questions of the test at path, which is taken as the file
// system's bytes. Throws TIoError when it is no regular file or cannot be read.
TTestToTake Read(const std::string& path);

// Adds the attempt at the test at testPath that ended with result to the
// history at historyPath, making the history's folder when missing; when is
// "YYYY-MM-DD hh:mm:ss", local time. Returns the name a damaged history was
// kept under, as History::Append does. Throws TIoError when the folder or the
// file cannot be written.
std::optional<std::string> AddToHistory(const std::string& historyPath, const std::string& student,
                                        const std::string& when, const std::string& testPath,
                                        const std::string& description, const TRunResult& result);

}  // namespace TakeTest
