#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "core/model/QuestionSet.h"
#include "core/model/QuestionSetChange.h"
#include "core/model/TestSearch.h"

namespace {

using THits = std::vector<std::pair<size_t, size_t>>;

TSearchOptions Find(std::string pattern, bool matchCase = false, bool wholeWords = false,
                    bool regex = false) {
  TSearchOptions options;
  options.Pattern = std::move(pattern);
  options.MatchCase = matchCase;
  options.WholeWords = wholeWords;
  options.RegularExpression = regex;
  return options;
}

QuestionSet ThreeQuestions() {
  QuestionSet set;
  set.QuestionCount = 3;
  set.Slot(1).Question = "The cell wall\r\nof a plant cell";
  set.Slot(1).AnswerB = "Cellulose";
  set.Slot(2).Question = "Which organelle?";
  set.Slot(2).Reference = "cell book p. 4";
  set.Slot(3).Question = "Cells divide";
  set.Slot(3).MediaFile = "CELL.BMP";
  set.Slot(4).Question = "beyond the count: cell";
  return set;
}

TEST(TestSearchTest, PlainTextCaseAndWholeWords) {
  // Without case, accented capitals match their small letters.
  const std::string text = "\xC3\x89T\xC3\x89 et \xC3\xA9t\xC3\xA9";
  EXPECT_EQ(TTestSearch(Find("\xC3\xA9t\xC3\xA9")).FindIn(text), (THits{{0, 5}, {9, 5}}));
  EXPECT_EQ(TTestSearch(Find("\xC3\xA9t\xC3\xA9", true)).FindIn(text), (THits{{9, 5}}));
  // A whole word is bounded by what is not a letter.
  EXPECT_EQ(TTestSearch(Find("cell", false, true)).FindIn("cells, cell; cell\xC3\xA9 (cell)"),
            (THits{{7, 4}, {21, 4}}));
  // Hits do not overlap, and an empty pattern finds nothing.
  EXPECT_EQ(TTestSearch(Find("aa")).FindIn("aaaaa"), (THits{{0, 2}, {2, 2}}));
  EXPECT_TRUE(TTestSearch(Find("")).FindIn("anything").empty());
}

TEST(TestSearchTest, RegularExpressions) {
  EXPECT_EQ(TTestSearch(Find("c[a-z]+l", false, false, true)).FindIn("Cell, coal"), (THits{{0, 4}, {6, 4}}));
  EXPECT_EQ(TTestSearch(Find("ce.l", false, true, true)).FindIn("cells cell"), (THits{{6, 4}}));
  // An expression that can match nothing finds only what it consumes.
  EXPECT_EQ(TTestSearch(Find("x*", false, false, true)).FindIn("axxb"), (THits{{1, 2}}));

  const TTestSearch broken(Find("(unclosed", false, false, true));
  EXPECT_FALSE(broken.Valid());
  EXPECT_FALSE(broken.Error().empty());
  EXPECT_TRUE(broken.FindIn("(unclosed").empty());
}

TEST(TestSearchTest, FindAllGoesByQuestionAndFieldWithinTheCountAndTheAreasChosen) {
  const QuestionSet set = ThreeQuestions();
  TSearchOptions options = Find("cell");
  const std::vector<TSearchHit> all = TTestSearch(options).FindAll(set);
  const std::vector<TSearchHit> expected = {
      {1, TSearchField::Question, 4, 4}, {1, TSearchField::Question, 26, 4},
      {1, TSearchField::AnswerB, 0, 4},  {2, TSearchField::Reference, 0, 4},
      {3, TSearchField::Question, 0, 4}, {3, TSearchField::MediaFile, 0, 4}};
  EXPECT_EQ(all, expected);

  options.Areas[static_cast<size_t>(TSearchArea::Answers)] = false;
  options.Areas[static_cast<size_t>(TSearchArea::Media)] = false;
  const std::vector<TSearchHit> some = TTestSearch(options).FindAll(set);
  EXPECT_EQ(some.size(), 4u);
  for (const TSearchHit& hit : some) EXPECT_NE(hit.Field, TSearchField::AnswerB);

  EXPECT_EQ(HitContext(set.Slot(1).Question, 26, 4, 6), "...plant cell");
  EXPECT_EQ(HitContext(set.Slot(1).Question, 4, 4, 20), "The cell wall of a plant ce...");
}

TEST(TestSearchTest, ReplaceAllPlansEveryFieldAndExpandsGroups) {
  QuestionSet set = ThreeQuestions();
  const TTestSearch search(Find("(c)ell", false, false, true));
  const std::vector<TFieldChange> changes = search.PlanReplaceAll(set, "[$1$1]");
  ASSERT_EQ(changes.size(), 5u);
  EXPECT_EQ(changes[0].After, "The [cc] wall\r\nof a plant [cc]");
  EXPECT_EQ(changes[1].After, "[CC]ulose");
  EXPECT_EQ(changes[4].Field, TSearchField::MediaFile);

  const QuestionSet before = set;
  TTestSearch::Apply(set, changes);
  EXPECT_EQ(set.Slot(2).Reference, "[cc] book p. 4");
  EXPECT_EQ(set.Slot(4), before.Slot(4)) << "past the count nothing changes";

  // A plain search replaces literally, and the same text is no change.
  const TTestSearch plain(Find("wall"));
  EXPECT_EQ(plain.Replaced("a wall", {1, TSearchField::Question, 2, 4}, "$1"), "$1");
  EXPECT_TRUE(plain.PlanReplaceAll(before, "wall").empty());
}

TEST(TestSearchTest, WordsForTheSpellingCheck) {
  // Apostrophes inside a word belong to it; runs with digits are no words.
  EXPECT_EQ(WordsOf("Don't 'quote' p4 x_1 caf\xC3\xA9,na\xC3\xAFve\r\nend'"),
            (THits{{0, 5}, {7, 5}, {21, 5}, {27, 6}, {35, 3}}));
  EXPECT_TRUE(WordsOf("").empty());
}

// Every word of the texts and references of the questions counted, and no
// name (media file) nor any question past the count.
TEST(TestSearchTest, UnknownWordsOfTheQuestionsInOrder) {
  const QuestionSet set = ThreeQuestions();
  // Every word that starts with "cell" in any case is unknown.
  const auto known = [](std::string word) {
    for (char& c : word) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return word.rfind("cell", 0) != 0;
  };
  const std::vector<TSearchHit> unknown = UnknownWords(set, known);
  const auto where = [](const TSearchHit& hit) {
    return std::tuple(hit.Number, hit.Field, hit.Position, hit.Length);
  };
  std::vector<std::tuple<int, TSearchField, size_t, size_t>> found;
  for (const TSearchHit& hit : unknown) found.push_back(where(hit));
  EXPECT_EQ(found,
            (std::vector<std::tuple<int, TSearchField, size_t, size_t>>{{1, TSearchField::Question, 4, 4},
                                                                        {1, TSearchField::Question, 26, 4},
                                                                        {1, TSearchField::AnswerB, 0, 9},
                                                                        {2, TSearchField::Reference, 0, 4},
                                                                        {3, TSearchField::Question, 0, 5}}));
}

TEST(QuestionSetChangeTest, UndoAndRedoRestoreExactly) {
  QuestionSet set = ThreeQuestions();
  set.CurrentIndex = 2;
  const QuestionSet original = set;
  const TQuestionSetChange deletion = TQuestionSetChange::Record(set, [&] { set.DeleteCurrentQuestion(); });
  const QuestionSet deleted = set;
  ASSERT_FALSE(deletion.Empty());

  deletion.Undo(set);
  EXPECT_EQ(set.Questions, original.Questions);
  EXPECT_EQ(set.QuestionCount, 3);
  EXPECT_EQ(set.CurrentIndex, 2);
  deletion.Redo(set);
  EXPECT_EQ(set.Questions, deleted.Questions);
  EXPECT_EQ(set.QuestionCount, deleted.QuestionCount);
  EXPECT_EQ(set.CurrentIndex, 1);

  const TQuestionSetChange addition = TQuestionSetChange::Record(set, [&] { set.AddQuestion(); });
  addition.Undo(set);
  EXPECT_EQ(set.QuestionCount, deleted.QuestionCount);
  EXPECT_TRUE(TQuestionSetChange::Record(set, [] {}).Empty());
}

}  // namespace
