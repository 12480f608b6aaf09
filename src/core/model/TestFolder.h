#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/model/QuestionSet.h"

struct TFileStamp;

// The file work of the maker's main window on the tests and programs in a
// folder: finding a file however its name is spelled, making a new test, and
// telling what Load Test accepts.
namespace TestFolder {

// The engine's file name, as the maker looks for it beside itself.
inline constexpr std::string_view EngineFileName = "QWTEST.EXE";

// The path in folder of the file called name, its letters' case aside (the
// files are spelled however they were copied in): the exact spelling when it
// is there, otherwise the least spelling in byte order, so every run picks
// the same one. Only files count, not folders. folder/name when there is none.
std::string FindFile(const std::string& folder, std::string_view name);

// Why a new test cannot take the place of what stands at path: "it is a
// folder, not a file" or "it is not a plain file"; empty when it can, or when
// nothing is there.
std::string ReplaceBlocker(const std::string& path);

// Writes a new test at path: the new-test settings alone, replacing whatever
// test was there in one atomic save. Throws TIoError; the old file is then as
// it was.
void CreateNewTest(const std::string& path);

// The deciphered description of the test at path when Load Test accepts the
// file; nothing for a file without a description, a folder or a device (a
// pipe would never end). Throws TIoError when the file cannot be read.
std::optional<std::string> LoadableDescription(const std::string& path);

// Whether the editor's questions differ from those stored in the test at path:
// empty questions at the end do not count, and a file that cannot be read
// differs.
bool DiffersFromFile(const QuestionSet& questions, const std::string& path);

// The editor's questions read from the test at path (LoadQuestions, whose
// result it returns). stamp becomes the file as it was before the read, so
// that a write meanwhile shows as a change when they are written back; it is
// untouched when the read throws.
bool LoadForEditing(QuestionSet& questions, const std::string& path, TFileStamp& stamp);
// The editor's questions written to the test at path (SaveQuestions, whose
// result it returns); stamp becomes the file as written.
QuestionSet::TSaveOutcome SaveEdited(const QuestionSet& questions, const std::string& path,
                                     TFileStamp& stamp);

}  // namespace TestFolder
