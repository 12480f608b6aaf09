#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/model/TestContents.h"
#include "core/model/TestFile.h"

// Exchange of questions with other quiz systems. Each format is one unit
// behind TQuestionFormat; it turns bytes into questions and questions into
// bytes and touches no file. Reading files, the code page and writing tests
// are done once, around the formats (Import.h, Export.h).

// What a conversion could not carry, one line per question and point, in the
// words the user reads: "question 12: feedback dropped".
class TLossReport {
public:
  // question is 1-based; 0 for a point about the whole file.
  void Add(int question, std::string_view what);
  const std::vector<std::string>& Lines() const { return Entries; }
  bool Empty() const { return Entries.empty(); }

private:
  std::vector<std::string> Entries;
};

// A report's lines for reading: a point made of three or more questions is
// one line, "titles dropped: 12 questions", where its first one stood (the
// source lines in brackets left out); every other line as it is.
std::vector<std::string> GroupedLines(const std::vector<std::string>& lines);

// A media file travelling with the questions. Name is a plain file name
// (UTF-8, no folder); Bytes is the file's content.
struct TMediaFile {
  std::string Name;
  std::string Bytes;
};

// Questions read from another system, before they become a test. Text here is
// UTF-8 (the code page comes later, once, for every format). A question's
// MediaFile holds the name of one of Media, or the source's own reference
// when the file did not travel with it.
struct TImportedTest {
  std::string Title;                                          // may be empty
  std::vector<QuestionRecord> Questions;                      // UTF-8 text
  std::vector<std::pair<std::string, std::string>> Settings;  // SETTINGS key, plain value
  std::vector<std::string> BeginMessage;                      // lines, UTF-8
  std::vector<TMediaFile> Media;

  // Adds question's media file to Media and returns the name the question is
  // to hold: name itself when no file has it or the one that has it holds the
  // same bytes (names compared in any letter case, as the engine finds them),
  // otherwise the first free "animal-2.jpg", "animal-3.jpg", ..., with a line
  // in report.
  std::string AddMedia(int question, const std::string& name, std::string bytes, TLossReport& report);
};

// Finds a question's media file for export: given the stored MMEDIA value,
// the file's bytes, or nothing when it cannot be found beside the test.
using TMediaLookup = std::function<std::optional<TMediaFile>(const std::string& storedMediaFile)>;

// The test going out: its contents converted to UTF-8 by the caller.
struct TExportedTest {
  std::string Description;
  TTestContents Contents;  // text already UTF-8
};

class TQuestionFormat {
public:
  virtual ~TQuestionFormat() = default;

  // The name used on the command line: "gift", "aiken", "moodle", "qti", "csv".
  virtual std::string_view Name() const = 0;
  // The file dialog's filter, as the system writes filters:
  // "GIFT Files (*.txt)|*.txt;*.gift".
  virtual std::string_view Filter() const = 0;
  // The extension a new file of this format gets, without the dot.
  virtual std::string_view DefaultExtension() const = 0;

  // Reads a whole source. Questions the format holds but our model cannot
  // are left out with a line in report; so is every other loss. Throws
  // TFormatError for input that cannot be read at all (not well-formed XML,
  // a bad zip, an unterminated brace), naming the line or question.
  virtual TImportedTest Read(std::string_view bytes, TLossReport& report) const = 0;

  // Writes the whole test; media are fetched through lookup. Every question
  // or point that the format cannot carry gets a line in report.
  virtual std::string Write(const TExportedTest& test, const TMediaLookup& lookup,
                            TLossReport& report) const = 0;
};

// A source that is not in the format it claims; what() names the line or
// question.
class TFormatError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};
