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

inline constexpr std::string_view Charset = "CHARSET";
inline constexpr std::string_view Language = "LANGUAGE";

// The keys of SETTINGS a test holds only when they are set, appended after
// every key of SettingKeys in this order, so a test without them keeps the
// layout it always had.
inline constexpr std::array<std::string_view, 2> WhenSetKeys = {Charset, Language};

// The plain value of CHARSET in a test whose text is UTF-8.
inline constexpr std::string_view Utf8Charset = "UTF-8";

// How a test file holds its text. The core's text is always UTF-8; a file
// without CHARSET holds it in the code page (every test the system wrote
// before), one with CHARSET "UTF-8" as UTF-8, inside the same cipher. Every
// value of every section follows the one form.
enum class TTextForm { CodePage, Utf8 };

// How the test's values are kept in the store: enciphered in a test, as they
// stand in its plain-text form.
enum class TStoredValues { Enciphered, Plain };

// The form of the open store, from SETTINGS/CHARSET (case ignored).
TTextForm StoredForm(TCustomIniStore& store, TStoredValues values = TStoredValues::Enciphered);

// A value as the file holds it (deciphered) made the core's UTF-8, in place:
// code-page text converted, malformed UTF-8 repaired to '?'.
void ToCoreText(std::string& text, TTextForm form);
// Core text as a file of the form holds it; in the code page a character it
// cannot hold becomes '?' (TTestSave chooses the form so that none is lost).
std::string ToStoredText(std::string_view text, TTextForm form);

// What the save that first makes a test UTF-8 says, once.
inline constexpr std::string_view Utf8Notice =
    "The test now holds characters outside Windows-1252 and is saved as UTF-8. This system's engine, "
    "classroom, print and exports show them right; older engines show them wrongly.";

// One save of a test into its open store. Values come as the core's text and
// are stored in the form the whole test needs: the code page while every
// character of the file fits it, UTF-8 (and CHARSET) as soon as one does not.
// The form is decided again at every save: Finish turns a file whose last
// such character went back into the code page and drops CHARSET.
class TTestSave {
public:
  explicit TTestSave(TIniStore& store, TStoredValues values = TStoredValues::Enciphered);

  // A value of SETTINGS or of a question section (enciphered in a test).
  void Write(std::string_view section, std::string_view key, std::string_view text);
  // The same, or the key removed when text is empty, so that a key set only
  // sometimes leaves no line behind.
  void WriteWhenSet(std::string_view section, std::string_view key, std::string_view text);
  // The lines of a section of plain lines (the two messages), as
  // WriteSectionValues stores them.
  void WriteLines(std::string_view section, const TStrings& lines);
  // Settles the form of the whole file; call once, after the last Write and
  // before UpdateFile. Returns whether this save turned a code-page file into
  // UTF-8 (the moment to tell the user that older engines show it wrongly).
  bool Finish();

  TTextForm Form() const { return FForm; }

private:
  void Convert(TTextForm to);

  TIniStore& Store;
  TStoredValues Values;
  TTextForm Opened;
  TTextForm FForm;
};

// The highest question number a test holds.
inline constexpr int MaxQuestionCount = 500;

// "QA" followed by n in decimal.
std::string QuestionSection(int n);

// Writes the keys of SettingKeys that a new test holds into SETTINGS, in
// order, each with its NewTest value enciphered.
void WriteNewTest(TTestSave& save);
// The same as a save of its own.
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

// The same, and the form of the file's text, for which the reading goes on to
// the end of SETTINGS (CHARSET follows the other keys).
struct TStoredDescription {
  std::string Stored;
  TTextForm Form = TTextForm::CodePage;
};
TStoredDescription ReadDescriptionAndForm(const std::string& path);
// Its description deciphered as the core's text (BadDecode when it does not
// decipher).
std::string DescriptionText(const TStoredDescription& description);

// SETTINGS/key of a store of the given form, deciphered as the core's text; a
// missing key reads as "".
std::string ReadSetting(TCustomIniStore& store, std::string_view key, TTextForm form);

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

// Reads and deciphers every key of QAn as the core's text; a flag is true
// exactly when its plain value is "1". Missing keys read as empty.
QuestionRecord ReadQuestion(TCustomIniStore& store, int n);
// The same into record, every field replaced, reusing the fields' storage.
void ReadQuestion(TCustomIniStore& store, int n, QuestionRecord& record);
// The same from the section named section of a store of the given form; with
// values Plain the values are taken as they stand (a test's plain-text form).
void ReadQuestion(TCustomIniStore& store, std::string_view section, QuestionRecord& record, TTextForm form,
                  TStoredValues values = TStoredValues::Enciphered);

// Writes every key of QAn, in the order of QuestionKeys; a WhenSet key with
// an empty value is removed instead.
void WriteQuestion(TTestSave& save, int n, const QuestionRecord& record);
// The same as a save of its own, in the form the whole test then needs.
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
