#pragma once

#include <string>
#include <vector>

#include "core/exchange/QuestionFormat.h"
#include "core/storage/IniStore.h"

// Import around the formats: the source file read once, at most as many
// questions as a test holds, media unpacked beside the test, every character
// kept, and a new test saved in one atomic write.
namespace Import {

// The format of the source file at path, told by its name and, for a ".txt",
// its first bytes; nullptr when none is known.
const TQuestionFormat* SourceFormat(const std::string& path);

// The questions of the file at path in format. A source other than a zip
// package that is not valid UTF-8 is read with each bad byte as '?', and one
// report line names the lines. Throws TIoError when the file cannot be read,
// TFormatError when it is not in the format.
TImportedTest ReadSource(const TQuestionFormat& format, const std::string& path, TLossReport& report);

// A source read and checked before anything is written: what the window and
// qwtool both do first, so that each only asks its own questions (where to
// write) and then calls IntoTest.
struct TPreparedImport {
  const TQuestionFormat* Format = nullptr;  // nullptr: the source's name says no known format
  std::string Damage;                       // why the source is not in its format; empty when it is
  TImportedTest Test;
  TLossReport Report;
  // Whether there is something to import.
  bool Ready() const { return Format && Damage.empty() && !Test.Questions.empty(); }
};

// Reads the source at path in format, or in the format its name and first
// bytes tell (SourceFormat) when format is nullptr. A source not in its format
// is no exception but Damage. Throws TIoError when the file cannot be read.
TPreparedImport Prepare(const std::string& path, const TQuestionFormat* format = nullptr);

// "3 questions were imported from A.gift into B.QWT.": the one summary of an
// import; names are UTF-8. keptCopyName, when given, is the copy of the test
// as it was before (BeforeImportPath), named so that the import can be taken
// back.
std::string ImportSummary(int added, const std::string& sourceName, const std::string& testName,
                          const std::string& keptCopyName = {});

// Where an import that appends to the test at testPath keeps the test as it
// was: beside it, "T.QWT.before-import".
std::string BeforeImportPath(const std::string& testPath);

// The question asked before count questions of sourceName are appended to
// testName; keepsCopy says the test as it is now is kept (BeforeImportPath)
// rather than taken back by the editor's undo. Names are UTF-8.
std::string AppendQuestion(int count, const std::string& sourceName, const std::string& testName,
                           bool keepsCopy);

// What is said of a source that holds no question to import.
inline constexpr const char* NothingToImport = "No question could be imported.";

// Keeps the first room questions of test; one report line says how many were
// not taken.
void KeepFirst(TImportedTest& test, int room, TLossReport& report);

// What UnpackMedia wrote that was not there before: the files it made and the
// MEDIA folder when it made that, so that an import whose test cannot be
// written takes them back.
struct TUnpackedMedia {
  std::vector<std::string> Files;
  std::string Folder;  // empty when the folder was there before
  // Removes the files, then the folder when it is empty. Never throws.
  void Remove() const;
};

// Writes the media files that questions name into the MEDIA folder beside the
// test at testPath and stores "\MEDIA\NAME" in those questions, as the maker
// stores a file it is given. A name is made plain ASCII and visible (never
// starting with a dot); a file of that name holding other bytes is kept and
// the new one gets a free name. Throws TIoError when a file cannot be written
// (having removed what it wrote) or when MEDIA is a symbolic link.
TUnpackedMedia UnpackMedia(TImportedTest& test, const std::string& testPath, TLossReport& report);

// The imported text as a test holds it: every character kept, the title on
// one line.
struct TTestText {
  std::string Description;  // empty: the new-test description stays
  std::vector<QuestionRecord> Questions;
  std::vector<std::pair<std::string, std::string>> Settings;
  TStrings BeginMessage;
};
TTestText ToTestText(const TImportedTest& test);

// What a save of imported questions stored: how many questions, and whether
// the save first made the test UTF-8 (TestFile::Utf8Notice is then said).
struct TStored {
  int Questions = 0;
  bool BecameUtf8 = false;
};

// Saves a new test at path, replacing any file there in one atomic write: the
// new-test settings, then what test carries, then its questions, in the form
// its text needs (TestFile::TTestSave). Throws TIoError; the old file is then
// as it was.
TStored SaveNewTest(const std::string& path, const TTestText& test);

// Adds test's questions after the last question of the test at path, as many
// as there is room for (the report says how many were not), and saves it in
// one atomic write, as SaveNewTest does. Throws TIoError.
TStored AppendToTest(const std::string& path, const TTestText& test, TLossReport& report);

// Readies imported for the editor of the test at testPath, which holds room
// more questions: the first room kept (KeepFirst) and media unpacked beside
// the test, as IntoTest does, the test itself left for the editor to save.
// Returns the questions. Throws TIoError (from UnpackMedia, which removes what
// it wrote).
std::vector<QuestionRecord> ForEditor(TImportedTest imported, const std::string& testPath, int room,
                                      TLossReport& report);

// Stores imported in the test at testPath: after its last question when
// append, having first kept the test as it was in BeforeImportPath (replacing
// an older copy there), otherwise as a new test replacing any file there. Media are unpacked
// beside the test and every character is kept. Returns what was stored. Throws TIoError; a test file is then
// as it was, and the media files this import wrote are removed again. A copy that cannot be kept stops the
// import before anything else is written.
TStored IntoTest(TImportedTest imported, const std::string& testPath, bool append, TLossReport& report);

}  // namespace Import
