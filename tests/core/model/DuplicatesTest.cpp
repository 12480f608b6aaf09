#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/model/Duplicates.h"

using namespace Duplicates;

namespace {

QuestionRecord Q(std::string text, std::string a = "yes", std::string b = "no") {
  QuestionRecord q;
  q.Question = std::move(text);
  q.AnswerA = std::move(a);
  q.AnswerB = std::move(b);
  q.Correct = "A";
  return q;
}

// "test:number" of each member, with "/answers" when it is not the first set.
std::vector<std::string> Members(const TGroup& group) {
  std::vector<std::string> out;
  for (const TPlace& p : group.Members)
    out.push_back(std::to_string(p.Test) + ":" + std::to_string(p.Number) +
                  (p.Answers ? "/" + std::to_string(p.Answers) : ""));
  return out;
}

}  // namespace

TEST(Duplicates, NormalisingSetsAsideCaseBlanksPunctuationAndAccentedCapitals) {
  EXPECT_EQ(Normalise("  What is 2+2?\r\n"), "whatis22");
  EXPECT_EQ(Normalise("\xC3\x89T\xC3\x89, \xC5\xA0"), "\xC3\xA9t\xC3\xA9\xC5\xA1");  // accented capitals
  EXPECT_EQ(OneLine("  Line one\r\n\tline two  "), "Line one line two");
}

TEST(Duplicates, GroupsCopiesWithinAndAcrossTestsAndTellsOtherAnswersApart) {
  const std::string longStem = "Which organ of the human body filters the blood and makes urine every day";
  const std::vector<TTestQuestions> tests = {
      {"a",
       {Q("What is the capital of France?"), Q("Unrelated question here"), Q(longStem, "kidney", "liver"),
        Q("what is the CAPITAL of france")}},
      {"b",
       {Q(""), Q("What is the capital of France?", "no", "yes"),  // answers in another order: a copy
        Q("WHICH" + longStem.substr(5) + ", of its life!", "kidney", "liver"),  // 12 of 15 triples: alike
        Q("What is the capital of Spain?")}},
      {"c", {Q(longStem, "heart", "lung")}},
  };
  const std::vector<TGroup> groups = Find(tests);
  ASSERT_EQ(groups.size(), 2u);
  EXPECT_EQ(groups[0].Kind, TGroup::Copies);
  EXPECT_EQ(Members(groups[0]), (std::vector<std::string>{"0:1", "0:4", "1:2"}));
  EXPECT_EQ(groups[1].Kind, TGroup::OtherAnswers);
  EXPECT_EQ(Members(groups[1]), (std::vector<std::string>{"0:3", "1:3", "2:1/1"}));
}

TEST(Duplicates, BelowTheThresholdAndEmptyQuestionsAreNotGrouped) {
  const std::vector<TTestQuestions> tests = {
      {"a",
       {Q("the quick brown fox jumps over the lazy sleeping dog"),
        Q("the quick brown fox jumps over the lazy sleeping cat"), Q(" ?! "), Q("...")}}};
  EXPECT_TRUE(Find(tests).empty());
}
