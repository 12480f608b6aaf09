#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

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
inline constexpr std::string_view Blueprint = "BLUEPRINT";

inline constexpr std::string_view Question = "QUESTION";
inline constexpr std::string_view Correct = "CORRECT";
inline constexpr std::string_view Any = "ANY";
inline constexpr std::string_view HotLink = "HOTLINK";
inline constexpr std::string_view HotLinkParameters = "HOTLINKPARAMETERS";
inline constexpr std::string_view Reference = "REFERENCE";
inline constexpr std::string_view MMedia = "MMEDIA";
inline constexpr std::string_view MMediaIn = "MMEDIAIN";
inline constexpr std::string_view Category = "CATEGORY";
inline constexpr std::string_view Tags = "TAGS";

// One key of SETTINGS.
struct TSettingKey {
  std::string_view Name;
  // The plain value a new test starts with; empty for a key a new test lacks.
  std::string_view NewTest;
  // Whether the key is written before the two message sections rather than
  // after them.
  bool BeforeMessages = true;
  // Whether the key is written only when its value is set, so that a test
  // without it keeps the bytes it had before the key existed.
  bool WhenSet = false;
};

// Every key of SETTINGS, in file order. Everything that walks the section's
// keys (the new-test writer, the whole-test reader, the conversions, qwtool)
// follows this table.
inline constexpr std::array<TSettingKey, 16> SettingKeys = {{
    {Desc, "No description"},
    {Time, "0"},
    {CheckAnswers, "1"},
    {RandomQuestions, "1"},
    {MustAnswer, "0"},
    {PassPoint, "0"},
    {MaxQuestions, "0"},
    {TimerType, {}},
    {ReviewAllow, {}, false},
    {ReviewBlank, {}, false},
    {TestHot, {}, false},
    {TestRef, {}, false},
    {ReviewHot, {}, false},
    {ReviewRef, {}, false},
    {StudentMax, {}, false},
    {Blueprint, {}, false, true},
}};

// The highest question number a test holds.
inline constexpr int MaxQuestionCount = 500;

// "QA" followed by n in decimal.
std::string QuestionSection(int n);

// Writes the keys of SettingKeys that a new test holds into SETTINGS, in
// order, each with its NewTest value enciphered.
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
  // The question's place in a bank: a category path such as
  // "Mechanics/Forces", and tags separated by commas (see TagList).
  std::string Category;
  std::string Tags;

  // The answer of letter index 0..5 (A..F); std::out_of_range for any other index.
  std::string& Answer(int index);
  const std::string& Answer(int index) const;

  bool operator==(const QuestionRecord&) const = default;
};

namespace TestFile {

// One key of a question section and the field of QuestionRecord it fills:
// Text, or Flag, which the file holds as "1" (true) or "0".
struct TQuestionKey {
  std::string_view Name;
  std::string QuestionRecord::*Text = nullptr;
  bool QuestionRecord::*Flag = nullptr;
  // Written only when not empty (see TSettingKey::WhenSet).
  bool WhenSet = false;
};

// Every key of a question section, in the order the question editor writes
// them.
inline constexpr std::array<TQuestionKey, 16> QuestionKeys = {{
    {Question, &QuestionRecord::Question},
    {"A", &QuestionRecord::AnswerA},
    {"B", &QuestionRecord::AnswerB},
    {"C", &QuestionRecord::AnswerC},
    {"D", &QuestionRecord::AnswerD},
    {"E", &QuestionRecord::AnswerE},
    {"F", &QuestionRecord::AnswerF},
    {Correct, &QuestionRecord::Correct},
    {Any, nullptr, &QuestionRecord::AnyCorrectPasses},
    {HotLink, &QuestionRecord::HotLink},
    {HotLinkParameters, &QuestionRecord::HotLinkParameters},
    {Reference, &QuestionRecord::Reference},
    {MMedia, &QuestionRecord::MediaFile},
    {MMediaIn, nullptr, &QuestionRecord::MMediaInternal},
    {Category, &QuestionRecord::Category, nullptr, true},
    {Tags, &QuestionRecord::Tags, nullptr, true},
}};

// The index of key (any letter case) in QuestionKeys, or -1 for a name that is
// not a question key.
int QuestionKeyIndex(std::string_view key);

// The plain value record holds under key: the text, or "1" or "0" for a flag.
std::string_view PlainValue(const QuestionRecord& record, const TQuestionKey& key);

// Reads and deciphers every key of QAn; a flag is true exactly when its plain
// value is "1". Missing keys read as empty.
QuestionRecord ReadQuestion(TCustomIniStore& store, int n);
// The same into record, every field replaced, reusing the fields' storage.
void ReadQuestion(TCustomIniStore& store, int n, QuestionRecord& record);
// The same from the section named section; with decipher false the values are
// taken as they stand (a test's plain-text form).
void ReadQuestion(TCustomIniStore& store, std::string_view section, QuestionRecord& record,
                  bool decipher = true);

// Writes every key of QAn, enciphered, in the order of QuestionKeys; a WhenSet
// key with an empty value is removed instead.
void WriteQuestion(TIniStore& store, int n, const QuestionRecord& record);

// Writes key of section enciphered when plain is not empty, and removes the
// key when it is, so that an unset key leaves no line behind.
void WriteWhenSet(TCustomIniStore& store, std::string_view section, std::string_view key,
                  std::string_view plain);

// The tags of a TAGS value: split at commas, blanks around each removed,
// empty and repeated ones (any letter case) left out, in order.
std::vector<std::string> TagList(std::string_view tags);
// The TAGS value that stands for tags: TagList's tags joined by ", ".
std::string TagsValue(std::string_view tags);

// Removes the sections QAfirst to QA(MaxQuestionCount), so that nothing past
// the last question written comes back as a question at the next reading.
void EraseQuestionsFrom(TCustomIniStore& store, int first);

}  // namespace TestFile
