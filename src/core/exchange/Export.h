#pragma once

#include <string>

#include "core/exchange/QuestionFormat.h"

// Export around the formats: the test read once and put into UTF-8, media
// found beside it, the target written in one atomic write.
namespace Export {

// The test at testPath, UTF-8. Throws TIoError when it cannot be read or is
// not a test.
TExportedTest ReadTest(const std::string& testPath);

// Finds a question's media file the way the engine does, from the test's
// folder.
TMediaLookup MediaBeside(const std::string& testPath);

// The test at testPath written in format into targetPath. Throws TIoError.
void ExportTest(const TQuestionFormat& format, const std::string& testPath, const std::string& targetPath,
                TLossReport& report);

// The test at testPath written into targetPath in the format the target's
// name says. False, with nothing read or written, when the name says no known
// format. Throws TIoError.
bool ExportTest(const std::string& testPath, const std::string& targetPath, TLossReport& report);

}  // namespace Export
