#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/storage/IniStore.h"

// The test-wide settings of one test file as the global test settings dialog
// shows and writes them: the SETTINGS keys, already deciphered and mapped onto
// what the controls hold, and the lines of the two message sections. Text is
// the core's UTF-8, whatever form the file stores it in.
struct TestSettings {
  // Entries of the four pick lists. A stored number outside 0..count - 1
  // chooses no entry, and a list without a chosen entry is written as NoEntry.
  static constexpr int OrderEntries = 2;        // RANDOMQUESTIONS
  static constexpr int CheckingEntries = 2;     // CHECKANSWERS
  static constexpr int RequirementEntries = 2;  // MUSTANSWER
  static constexpr int TimerEntries = 3;        // TIMERTYPE
  static constexpr int NoEntry = -1;

  static constexpr int MaxPassPoint = 100;
  static constexpr int MaxQuestionLimit = 99999;

  std::string Description;        // DESC, unchanged
  std::string Time = "00:00:00";  // TIME: the text the time field holds
  int RandomQuestions = 0;        // list entry index or NoEntry
  int PassPoint = 0;              // 0..MaxPassPoint
  int CheckAnswers = 0;           // list entry index or NoEntry
  int MustAnswer = 0;             // list entry index or NoEntry
  int MaxQuestions = 0;           // 0..MaxQuestionLimit
  bool TestHot = true;
  bool TestRef = true;
  bool ReviewHot = true;
  bool ReviewRef = true;
  bool StudentMax = false;
  int TimerType = 0;  // list entry index or NoEntry
  bool ReviewAllow = true;
  bool ReviewBlank = true;
  // BLUEPRINT: how many questions of each category a run asks, as written
  // by the question draw; "" when the test has none (MAXQUESTIONS applies).
  std::string Blueprint;
  TStrings BeginMessage;  // one entry per line, no line ends
  TStrings EndMessage;
  // LANGUAGE: a BCP-47 tag ("pl", "ar", "zh"), "" when not set. It picks the
  // spelling dictionary and the direction the test's text runs in.
  std::string Language;

  bool operator==(const TestSettings&) const = default;
};

// A stored setting read as a whole number; see TIntegerGrammar::Setting.
// "BAD DECODE" and empty text give nothing.
inline std::optional<int32_t> ReadSettingNumber(std::string_view text) {
  return ParseInteger(text, TIntegerGrammar::Setting);
}

// Reads every SETTINGS key (deciphered) and both message sections from store
// and maps them onto the dialog's controls; a key that is missing, empty,
// undecodable or not a number (ReadSettingNumber) gives its control's default.
// Reads only.
TestSettings ReadTestSettings(TCustomIniStore& store);

// ReadTestSettings on a store opened on path and freed at once; the file is
// left untouched. A missing file gives every default.
// Throws TIoError when the file exists but cannot be read.
TestSettings LoadTestSettings(const std::string& path);

// Writes settings into store, every SETTINGS value enciphered, in the order
// DESC, TIME (normalized), RANDOMQUESTIONS, PASSPOINT, CHECKANSWERS,
// MUSTANSWER, MAXQUESTIONS, TIMERTYPE; then BEGINMESSAGE and ENDMESSAGE as
// plain lines (StorableMessageLines); then REVIEWALLOW, REVIEWBLANK, TESTHOT,
// TESTREF, REVIEWHOT, REVIEWREF, STUDENTMAX; then BLUEPRINT and LANGUAGE,
// each only when set (removed when not). Keys already present keep their
// place; missing ones are appended to SETTINGS in that order. Numbers are
// written in decimal as given, flags as "1" or "0". The file takes the form
// its text needs (TestFile::TTestSave); returns whether this save first made
// it UTF-8. Does not flush.
bool WriteTestSettings(TIniStore& store, const TestSettings& settings);

// WriteTestSettings on a store opened on path, then UpdateFile. Other sections
// and keys of the file are kept. Throws TIoError when the file cannot be read
// or written; the old file is then left as it was.
bool SaveTestSettings(const std::string& path, const TestSettings& settings);

// The time field: HH:MM:SS, hours 00-23, minutes and seconds 00-59; an
// unfilled digit position reads as a blank.
namespace TimeField {

inline constexpr std::string_view Zero = "00:00:00";
inline constexpr int SecondsPerDay = 24 * 60 * 60;

// What the field shows for a stored (deciphered) TIME: the text with blanks
// trimmed at both ends when its third and sixth characters are ':', otherwise
// Zero.
std::string Shown(std::string_view stored);

// Every blank becomes '0'; a text that then begins with ':' gets "00" in front.
std::string Normalize(std::string_view text);

// The normalized text read as a time of day: hours, then optionally ':' and
// minutes, then optionally ':' and seconds, one or two digits each, hours
// 0..23, minutes and seconds 0..59, nothing left over. Gives the seconds since
// midnight, or nothing when the text does not read.
std::optional<int> SecondsOfDay(std::string_view text);

// Whether the field's text, once normalized, reads as a time of day.
bool IsValid(std::string_view fieldText);

// seconds (0..SecondsPerDay - 1) as "hh:mm:ss".
std::string Format(int seconds);

// The field's text moved by delta seconds, around the clock in both
// directions (up from 23:59:59 gives 00:00:00, down from 00:00:00 gives
// 23:59:59). A text that does not read as a time gives Zero.
std::string Step(std::string_view fieldText, int delta);

}  // namespace TimeField
