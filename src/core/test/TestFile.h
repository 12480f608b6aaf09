#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "core/storage/IniStore.h"

// The layout of a test file (.QWT): section and key names, the new-test
// writer, one question section's reader and writer, and the rules that decide
// whether a file is a test. Every value of SETTINGS and QAn is enciphered;
// BEGINMESSAGE and ENDMESSAGE hold plain lines.
namespace TestFile {

inline constexpr std::string_view Settings = "SETTINGS";
inline constexpr std::string_view BeginMessage = "BEGINMESSAGE";
inline constexpr std::string_view EndMessage = "ENDMESSAGE";

inline constexpr std::string_view Desc = "DESC";
inline constexpr std::string_view Time = "TIME";
inline constexpr std::string_view CheckAnswers = "CHECKANSWERS";
inline constexpr std::string_view RandomQuestions = "RANDOMQUESTIONS";
inline constexpr std::string_view MustAnswer = "MUSTANSWER";
inline constexpr std::string_view PassPoint = "PASSPOINT";
inline constexpr std::string_view MaxQuestions = "MAXQUESTIONS";
inline constexpr std::string_view TimerType = "TIMERTYPE";
inline constexpr std::string_view ReviewAllow = "REVIEWALLOW";
inline constexpr std::string_view ReviewBlank = "REVIEWBLANK";
inline constexpr std::string_view TestHot = "TESTHOT";
inline constexpr std::string_view TestRef = "TESTREF";
inline constexpr std::string_view ReviewHot = "REVIEWHOT";
inline constexpr std::string_view ReviewRef = "REVIEWREF";
inline constexpr std::string_view StudentMax = "STUDENTMAX";

inline constexpr std::string_view Question = "QUESTION";
inline constexpr std::string_view Correct = "CORRECT";
inline constexpr std::string_view Any = "ANY";
inline constexpr std::string_view HotLink = "HOTLINK";
inline constexpr std::string_view HotLinkParameters = "HOTLINKPARAMETERS";
inline constexpr std::string_view Reference = "REFERENCE";
inline constexpr std::string_view MMedia = "MMEDIA";
inline constexpr std::string_view MMediaIn = "MMEDIAIN";

// The highest question number a test holds.
inline constexpr int MaxQuestionCount = 500;

// "QA" followed by n in decimal.
std::string QuestionSection(int n);

// Writes the seven keys of a new test into SETTINGS, in order, enciphered:
// DESC "No description", TIME "0", CHECKANSWERS "1", RANDOMQUESTIONS "1",
// MUSTANSWER "0", PASSPOINT "0", MAXQUESTIONS "0".
void WriteNewTest(TIniStore& store);

// Load test accepts a file whose stored SETTINGS/DESC is not empty.
bool IsLoadable(std::string_view storedDesc);
// The catalogue lists a file whose deciphered description is neither empty
// nor BadDecode.
bool IsListable(std::string_view decipheredDesc);

// How far ReadStoredDescription reads looking for the description.
inline constexpr size_t DescriptionSearchLimit = size_t{1} << 20;

// The raw (enciphered) SETTINGS/DESC of the file at path, exactly as a full
// load would give it, reading only as far as needed. "" for a missing file,
// and for one without the description in its first DescriptionSearchLimit
// bytes.
// Throws TIoError when the file cannot be read.
std::string ReadStoredDescription(const std::string& path);

}  // namespace TestFile

// One question in memory; one to one with the keys of a section QAn.
struct QuestionRecord {
  std::string Question;
  std::string AnswerA, AnswerB, AnswerC, AnswerD, AnswerE, AnswerF;
  std::string HotLink;
  std::string HotLinkParameters;
  std::string MediaFile;
  std::string Correct;
  std::string Reference;
  bool AnyCorrectPasses = false;
  bool MMediaInternal = false;

  // The answer of letter index 0..5 (A..F); std::out_of_range for any other index.
  std::string& Answer(int index);
  const std::string& Answer(int index) const;

  bool operator==(const QuestionRecord&) const = default;
};

namespace TestFile {

// Whether section QAn holds a stored (enciphered) QUESTION that is not empty.
bool HasQuestion(TCustomIniStore& store, int n);

// Reads and deciphers every key of QAn; ANY and MMEDIAIN are true exactly when
// their plain value is "1". Missing keys read as empty.
QuestionRecord ReadQuestion(TCustomIniStore& store, int n);
// The same into record, every field replaced, reusing the fields' storage.
void ReadQuestion(TCustomIniStore& store, int n, QuestionRecord& record);

// Writes every key of QAn, enciphered, in the editor's order: QUESTION, A..F,
// CORRECT, ANY, HOTLINK, HOTLINKPARAMETERS, REFERENCE, MMEDIA, MMEDIAIN.
void WriteQuestion(TIniStore& store, int n, const QuestionRecord& record);

}  // namespace TestFile
