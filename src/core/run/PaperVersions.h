#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/QuestionReading.h"
#include "core/model/TestFile.h"
#include "core/run/Scoring.h"

// The versions of a paper test: version A, B, ... each with its own order of
// questions and, per question, its own order of answers, made again exactly
// from the same seed. Answers are lettered as printed, so each version has its
// own key; its letters map back to the stored ones for grading.
namespace PaperVersions {

inline constexpr int MaxVersions = 26;

// What a paper test needs from a test file, deciphered (code-page text).
struct TPaperTest {
  std::string Description;
  TStrings BeginMessage;
  std::vector<QuestionRecord> Questions;
  int PassPoint = 0;             // 0 when the test has none or it is not a number in 1..100
  std::string Blueprint;         // BLUEPRINT, "" when the test has none
  std::string Folder;            // the test's folder, where its pictures are looked for
  TQuestionNumbering Numbering;  // what the reading of Questions renumbered or left out
};

// Reads the test at path. Throws TIoError naming path when no file stands
// there or it cannot be read.
TPaperTest ReadPaperTest(const std::string& path);

// The file a stored media name stands for, looked for the way the engine's
// Windows file system finds it: "\MEDIA\PIC.BMP" and "PIC.BMP" inside
// folder, a drive letter dropped, '\' and '/' both separators, and every
// component matched without regard to ASCII case. Nothing when no regular
// file is found, the name is empty or it climbs out of folder with "..".
std::optional<std::string> FindMediaFile(const std::string& folder, std::string_view stored);

struct TOptions {
  int Versions = 1;  // 1..MaxVersions
  std::uint64_t Seed = 0;
  bool ShuffleQuestions = false;
  bool ShuffleAnswers = false;
  // Per version, the questions it asks (ascending indices) when they were
  // drawn from a blueprint; empty: every version asks every question.
  std::vector<std::vector<int>> Draw;

  bool operator==(const TOptions&) const = default;
};

// One question as a version prints it.
struct TPaperQuestion {
  int Source = 0;                 // index of the question in the test (0-based)
  std::vector<int> Answers;       // stored answer indices (0 = A) in printed order; empty answers left out
  Scoring::TLetters Key = 0;      // the correct letters as printed
  Scoring::TLetters Correct = 0;  // the stored correct letters that are printed
  bool AnyCorrectPasses = false;
};

struct TVersion {
  char Letter = 'A';
  std::vector<TPaperQuestion> Questions;  // in printed order
};

// The versions of questions for options; Versions is clamped to 1..MaxVersions.
// Every question of the test (or of the version's Draw) appears once in
// every version. Without shuffling every version is the test's own order. A correct letter naming an empty
// answer is not printed and so is left out of the key.
std::vector<TVersion> Make(const std::vector<QuestionRecord>& questions, const TOptions& options);

// The stored letters that printed letters of question stand for. Letters
// beyond the printed answers are dropped; see IsPrinted.
Scoring::TLetters StoredLetters(const TPaperQuestion& question, Scoring::TLetters printed);

// Whether every one of the letters names a printed answer of question.
bool IsPrinted(const TPaperQuestion& question, Scoring::TLetters letters);

// The letter of a version number 0..25 and back; nothing for any other letter.
char VersionLetter(int index);
std::optional<int> VersionIndex(char letter);

// Draw as the results store keeps it: versions separated by '/', question
// numbers (from 1) by ',': "1,4,7/2,5,8"; "" for no draw. DrawFromText gives
// nothing for text that is no such list or names a number above questions.
std::string DrawText(const std::vector<std::vector<int>>& draw);
std::optional<std::vector<std::vector<int>>> DrawFromText(std::string_view text, int questions);

// A seed written as decimal digits (at most 18, so it survives any spin box);
// nothing for anything else.
std::optional<std::uint64_t> ParseSeed(std::string_view text);

// A fresh seed below 10^9, easy to copy onto paper, from the system's source
// of randomness.
std::uint64_t NewSeed();

// "choose all that apply" / "choose any that apply" for a question with
// several correct letters; "" for one or none.
std::string_view ChoiceHint(const TPaperQuestion& question);

// How a key line marks the rule of a question with several correct letters,
// so a hand-marker knows whether one of them is enough: "all" or "any"; ""
// for one correct letter or none.
std::string_view KeyRuleMark(const TPaperQuestion& question);

// Earlier programs kept the options of a test's recent prints beside it, in
// a small file of its own ("TEST.QWT" -> "TEST.QWT.lastprint"): sections
// PRINT1 (the newest) to PRINT8, each with SEED, VERSIONS, SHUFFLEQUESTIONS
// and SHUFFLEANSWERS. Prints are recorded in the results store now; such a
// file is only read, so that sheets of those prints can still be graded.
inline constexpr std::size_t KeptPrints = 8;

std::string LastPrintPath(const std::string& testPath);

// The options of the prints kept beside the test, newest first; a print whose
// record is damaged is left out. Throws TIoError when the file is there and
// cannot be read.
std::vector<TOptions> RecentPrints(const std::string& testPath);

}  // namespace PaperVersions
