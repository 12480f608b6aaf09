#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/TestFile.h"

// A test used as a question bank: its blueprint says how many questions of
// each category a run asks, and a draw, made again exactly from its seed,
// picks them. The engine, the classroom, the paper test and qwtool all draw
// here, so a seed always names the same questions.
namespace QuestionDraw {

// One line of a blueprint: Count questions of Category (and of the
// categories under it, "Mechanics" taking "Mechanics/Forces", unless a line
// of its own names that one). With EachTag the questions drawn hold at least
// one of each tag that the category's questions carry.
struct TRow {
  std::string Category;
  int Count = 0;
  bool EachTag = false;

  bool operator==(const TRow&) const = default;
};

struct TBlueprint {
  std::vector<TRow> Rows;

  bool Empty() const { return Rows.empty(); }
  int Total() const;
  bool operator==(const TBlueprint&) const = default;
};

// Why a text is no blueprint, or a line of one cannot be met, with what it
// names, so that a window can say it in its own words.
enum class TProblemKind {
  NoCount,        // Text, a line without a category or "="
  BadCount,       // Category asks Text, not a number from 1 to MaxQuestionCount
  NamedTwice,     // Category
  TooFew,         // Category asks Asked; the test has Have
  TooFewForTags,  // Category asks Asked; Have are needed for one of each tag
};

struct TProblem {
  TProblemKind Kind = TProblemKind::NoCount;
  std::string Category;
  std::string Text;
  int Asked = 0;
  int Have = 0;
};

// The problem in English: "Forces: 5 asked, 3 in the test".
std::string Sentence(const TProblem& problem);

// The stored form of a BLUEPRINT value: lines "CATEGORY=COUNT", a line
// ending in "+tags" for EachTag, separated by ";". Blanks around the parts
// are ignored; empty lines are skipped.
inline constexpr std::string_view EachTagMark = "+tags";
struct TParsed {
  TBlueprint Blueprint;
  std::string Error;  // why the text is no blueprint; "" when it is one
  TProblem Problem;   // what Error says, when there is one
};
TParsed Parse(std::string_view text);

// The stored form of blueprint: "Mechanics/Forces=5; Waves=3+tags".
std::string Text(const TBlueprint& blueprint);

// The blueprint laid over the questions of one test: which questions each
// line draws from. Questions whose category no line takes are never drawn;
// a line with an empty Category (never read from a file) takes all of them.
class TBank {
public:
  TBank(TBlueprint blueprint, const std::vector<QuestionRecord>& questions);

  const TBlueprint& Blueprint() const { return FBlueprint; }
  // The question indices (0-based, ascending) line row draws from.
  const std::vector<int>& Pool(int row) const { return Pools.at(static_cast<size_t>(row)); }

  // Each line the test cannot meet (TooFew, or TooFewForTags for a line
  // with EachTag), in the blueprint's order. Empty when every line can be met.
  std::vector<TProblem> Shortfalls() const;

  // The questions one run asks, as ascending question indices, drawn from
  // seed. A line the test can no longer meet (questions deleted after the
  // blueprint was set) gives what its category has.
  std::vector<int> Draw(std::uint64_t seed) const;

  // Versions for paper: each as Draw gives it, version 0 being Draw(seed);
  // the versions share questions only where a category has too few for all.
  std::vector<std::vector<int>> Draw(std::uint64_t seed, int versions) const;

  // How many questions Draw gives.
  int Asked() const;
  // How many lines the blueprint has.
  int Rows() const { return static_cast<int>(FBlueprint.Rows.size()); }
  // Whether questions (ascending indices) hold one of each tag of line row, or
  // the line asks for no tags, or it cannot hold them all anyway.
  bool HoldsEachTag(int row, const std::vector<int>& questions) const;

private:
  struct TPoolTags {
    std::vector<std::vector<int>> OfQuestion;  // per pool position, tag numbers
    int Count = 0;                             // how many different tags
    std::vector<int> Cover;                    // pool positions holding every tag, fewest first found
  };
  // Pool positions that hold every tag, chosen greedily in the order given.
  static std::vector<int> CoverInOrder(const TPoolTags& tags, const std::vector<int>& order);

  TBlueprint FBlueprint;
  std::vector<std::vector<int>> Pools;
  std::vector<TPoolTags> Tags;
};

// Setting a blueprint: text as the teacher gave it, against the questions of
// the test. Text is the stored form to write ("" for no blueprint);
// Refusals what refuses it (the parse error, or Shortfalls), empty when it
// may be set.
struct TChecked {
  std::string Text;
  std::vector<TProblem> Refusals;
};
TChecked Check(std::string_view text, const std::vector<QuestionRecord>& questions);
// The same against the questions of the test at path, read as every reader
// reads them. Throws TIoError when the file cannot be read.
TChecked CheckForTest(std::string_view text, const std::string& path);

// Whether category lies at or under line (a path prefix ending at a '/'),
// without regard to ASCII case.
bool InCategory(std::string_view category, std::string_view line);

}  // namespace QuestionDraw
