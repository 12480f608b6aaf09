#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/model/TestFile.h"

class QuestionSet;

// The fields of a question that find and replace look at.
enum class TSearchField {
  Question,
  AnswerA,
  AnswerB,
  AnswerC,
  AnswerD,
  AnswerE,
  AnswerF,
  Reference,
  HotLink,
  HotLinkParameters,
  MediaFile
};
inline constexpr int SearchFieldCount = 11;

// The groups of fields the find bar switches on and off.
enum class TSearchArea { Question, Answers, Reference, HotLink, Media };
inline constexpr int SearchAreaCount = 5;

// The text of field in question.
std::string& FieldText(QuestionRecord& question, TSearchField field);
const std::string& FieldText(const QuestionRecord& question, TSearchField field);
TSearchArea AreaOf(TSearchField field);

// What to look for, in code-page text, and where.
struct TSearchOptions {
  std::string Pattern;
  bool MatchCase = false;
  // A hit must neither start nor end inside a word (letters of the code page,
  // digits and '_').
  bool WholeWords = false;
  // Pattern is an ECMAScript regular expression; a replacement may then use
  // $1..$9, $& and $$.
  bool RegularExpression = false;
  std::array<bool, SearchAreaCount> Areas{true, true, true, true, true};
};

// One occurrence: question Number (1-based), Field, and the bytes
// [Position, Position + Length) of the field's stored text (CR LF breaks).
struct TSearchHit {
  int Number = 0;
  TSearchField Field = TSearchField::Question;
  size_t Position = 0;
  size_t Length = 0;
  bool operator==(const TSearchHit&) const = default;
};

// One field that a replace-all changes, as it is and as it will be.
struct TFieldChange {
  int Number = 0;
  TSearchField Field = TSearchField::Question;
  std::string Before;
  std::string After;
};

// Find and replace over the questions of a test. Empty matches are never
// hits, so an expression that can match nothing finds only what it consumes.
class TTestSearch {
public:
  // An invalid regular expression makes a search that finds nothing; Error()
  // then says why. An empty pattern finds nothing.
  explicit TTestSearch(TSearchOptions options);
  ~TTestSearch();
  TTestSearch(const TTestSearch&) = delete;
  TTestSearch& operator=(const TTestSearch&) = delete;

  bool Valid() const { return Error().empty(); }
  const std::string& Error() const { return ErrorText; }

  // The hits in text, in order, none overlapping.
  std::vector<std::pair<size_t, size_t>> FindIn(const std::string& text) const;
  // Every hit in questions 1..QuestionCount of set, by question, then field
  // in the order of TSearchField, then position.
  std::vector<TSearchHit> FindAll(const QuestionSet& set) const;

  // What hit, which must be a hit in text, becomes when replaced with
  // replacement ($-references expanded for a regular expression).
  std::string Replaced(const std::string& text, const TSearchHit& hit, const std::string& replacement) const;
  // The fields of set that a replace-all with replacement changes, each
  // with every hit replaced; fields that come out the same are left out.
  std::vector<TFieldChange> PlanReplaceAll(const QuestionSet& set, const std::string& replacement) const;
  // Writes the changes' After texts into set.
  static void Apply(QuestionSet& set, const std::vector<TFieldChange>& changes);

private:
  struct TExpression;
  bool FitsWord(const std::string& text, size_t position, size_t length) const;

  TSearchOptions Options;
  std::string Folded;  // the pattern folded to lower case, for a plain search without case
  std::unique_ptr<TExpression> Expression;
  std::string ErrorText;
};

// The text around a hit for the list of hits: up to around characters each
// side, line breaks shown as blanks, with "..." where the text goes on.
std::string HitContext(const std::string& text, size_t position, size_t length, size_t around = 30);

// The words of text for the spelling check: runs of letters of any script,
// with an apostrophe between two letters taken in ("don't"). Runs that touch a
// digit or '_' ("p4", "x_1") are no words. Each as (position, length).
std::vector<std::pair<size_t, size_t>> WordsOf(const std::string& text);

// The words (WordsOf) of the texts and references of questions 1..QuestionCount
// that known does not take as spelled right, as hits in question and field
// order. Hot links and media files are names, not words, and are not looked at.
std::vector<TSearchHit> UnknownWords(const QuestionSet& questions,
                                     const std::function<bool(const std::string& word)>& known);

// A test that holds the text: Number 0 for its description, else a question
// holding it, with the text around the first hit there.
struct TTestHit {
  std::string Path;
  std::string Description;
  int Number = 0;
  std::string Context;
};
// Searches the description and the questions of each test at paths, in
// order, one hit for each question that holds the text. A test that cannot
// be read is passed over. Reads only.
std::vector<TTestHit> SearchTests(const std::vector<std::string>& paths, const TSearchOptions& options);
