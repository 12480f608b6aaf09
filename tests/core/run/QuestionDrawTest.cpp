#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <tuple>

#include "core/run/ParallelForms.h"
#include "core/run/QuestionDraw.h"
#include "core/run/Shuffle.h"
#include "core/run/TestSession.h"
#include "support/ManualClock.h"
#include "support/Questions.h"

namespace {

using QuestionDraw::TBank;

QuestionRecord Filed(std::string category, std::string tags = {}) {
  QuestionRecord question = MakeQuestion("Q", {"a", "b"}, "A");
  question.Category = std::move(category);
  question.Tags = std::move(tags);
  return question;
}

QuestionDraw::TBlueprint Blueprint(std::string_view text) {
  const QuestionDraw::TParsed parsed = QuestionDraw::Parse(text);
  EXPECT_EQ(parsed.Error, "") << text;
  return parsed.Blueprint;
}

// Questions 0-3 Mechanics/Forces, 4 Mechanics/Energy, 5 Mechanics, 6-8 Waves (tagged),
// 9 without a category.
std::vector<QuestionRecord> Physics() {
  return {Filed("Mechanics/Forces"),     Filed("Mechanics/Forces"),
          Filed("mechanics/forces"),     Filed("Mechanics/Forces"),
          Filed("Mechanics/Energy"),     Filed("Mechanics"),
          Filed("Waves", "sound, echo"), Filed("Waves", "light, sound"),
          Filed("Waves", "light"),       Filed("")};
}

std::set<int> Set(const std::vector<int>& list) {
  return {list.begin(), list.end()};
}

std::vector<std::string> Sentences(const std::vector<QuestionDraw::TProblem>& problems) {
  std::vector<std::string> sentences;
  for (const QuestionDraw::TProblem& problem : problems) sentences.push_back(QuestionDraw::Sentence(problem));
  return sentences;
}

// What a problem names, as a window fills it in.
std::tuple<QuestionDraw::TProblemKind, std::string, std::string, int, int> Named(
    const QuestionDraw::TProblem& problem) {
  return {problem.Kind, problem.Category, problem.Text, problem.Asked, problem.Have};
}

TEST(Blueprint, ReadsAndWritesItsStoredForm) {
  const QuestionDraw::TParsed parsed = QuestionDraw::Parse(" Mechanics/Forces = 5 ;; Waves=3 +TAGS; ");
  ASSERT_EQ(parsed.Error, "");
  EXPECT_EQ(parsed.Blueprint.Rows,
            (std::vector<QuestionDraw::TRow>{{"Mechanics/Forces", 5, false}, {"Waves", 3, true}}));
  EXPECT_EQ(QuestionDraw::Text(parsed.Blueprint), "Mechanics/Forces=5; Waves=3+tags");
  EXPECT_EQ(QuestionDraw::Parse(QuestionDraw::Text(parsed.Blueprint)).Blueprint, parsed.Blueprint);

  EXPECT_EQ(QuestionDraw::Parse("Forces=0").Error, "Forces: ask from 1 to 500 questions, not \"0\"");
  EXPECT_EQ(QuestionDraw::Parse("Forces=x").Error, "Forces: ask from 1 to 500 questions, not \"x\"");
  EXPECT_EQ(QuestionDraw::Parse("Forces").Error,
            "\"Forces\": give a category, \"=\" and how many questions to ask");
  EXPECT_EQ(QuestionDraw::Parse("Forces=1; FORCES=2").Error, "FORCES: named twice");
  using K = QuestionDraw::TProblemKind;
  EXPECT_EQ(Named(QuestionDraw::Parse("Forces=x").Problem), Named({K::BadCount, "Forces", "x"}));
  EXPECT_EQ(Named(QuestionDraw::Parse("a=1; Forces").Problem), Named({K::NoCount, "", "Forces"}));
  EXPECT_EQ(Named(QuestionDraw::Parse("Forces=1; FORCES=2").Problem), Named({K::NamedTwice, "FORCES"}));
}

TEST(Bank, EachQuestionGoesToTheDeepestLineItLiesUnder) {
  const TBank bank(Blueprint("Mechanics=1; Mechanics/Forces=2; Waves=2"), Physics());
  EXPECT_EQ(bank.Pool(0), (std::vector<int>{4, 5}));
  EXPECT_EQ(bank.Pool(1), (std::vector<int>{0, 1, 2, 3}));
  EXPECT_EQ(bank.Pool(2), (std::vector<int>{6, 7, 8}));
  EXPECT_TRUE(bank.Shortfalls().empty());
  EXPECT_FALSE(QuestionDraw::InCategory("Mechanical", "Mech"));
}

TEST(Bank, ABlueprintTheTestCannotMeetIsNamedLineByLine) {
  const TBank bank(Blueprint("Mechanics/Forces=5; Waves=1+tags; Optics=1"), Physics());
  EXPECT_EQ(Sentences(bank.Shortfalls()),
            (std::vector<std::string>{"Mechanics/Forces: 5 asked, 4 in the test",
                                      "Waves: 1 asked, 2 needed for one of each tag",
                                      "Optics: 1 asked, 0 in the test"}));
  using K = QuestionDraw::TProblemKind;
  EXPECT_EQ(Named(bank.Shortfalls()[1]), Named({K::TooFewForTags, "Waves", "", 1, 2}));
  // Setting it is refused for the same reasons; a paper draw warns of them
  // and draws with what there is, and of a blueprint that does not read.
  const QuestionDraw::TChecked checked = QuestionDraw::Check("Mechanics/Forces=5; Waves=1+tags", Physics());
  EXPECT_EQ(Sentences(checked.Refusals),
            (std::vector<std::string>{"Mechanics/Forces: 5 asked, 4 in the test",
                                      "Waves: 1 asked, 2 needed for one of each tag"}));
  const ParallelForms::TPaperDraw short4 =
      ParallelForms::PaperDraw("Mechanics/Forces=5", Physics(), 2, 3, nullptr);
  ASSERT_EQ(short4.Warnings.size(), 1u);
  EXPECT_FALSE(short4.Warnings[0].Unread);
  EXPECT_EQ(Named(short4.Warnings[0].Problem), Named({K::TooFew, "Mechanics/Forces", "", 5, 4}));
  EXPECT_EQ(short4.Warnings[0].Sentence, "Mechanics/Forces: 5 asked, 4 in the test");
  EXPECT_EQ(short4.Draw.size(), 2u);
  const ParallelForms::TPaperDraw unread = ParallelForms::PaperDraw("Forces", Physics(), 2, 3, nullptr);
  ASSERT_EQ(unread.Warnings.size(), 1u);
  EXPECT_TRUE(unread.Warnings[0].Unread);
  EXPECT_EQ(unread.Warnings[0].Problem.Kind, K::NoCount);
  EXPECT_EQ(unread.Warnings[0].Sentence,
            "the blueprint does not read (\"Forces\": give a category, \"=\" and how many questions to ask): "
            "every question is printed");
  EXPECT_TRUE(unread.Draw.empty());
  // Drawn anyway (the test changed after the blueprint was set): what there is.
  EXPECT_EQ(bank.Asked(), 5);
  EXPECT_EQ(bank.Draw(7).size(), 5u);
}

TEST(Bank, DrawsMeetTheBlueprintAndComeBackFromTheirSeed) {
  const TBank bank(Blueprint("Mechanics/Forces=2; Waves=2+tags"), Physics());
  std::set<int> seen;
  for (std::uint64_t seed = 0; seed < 200; ++seed) {
    const std::vector<int> drawn = bank.Draw(seed);
    ASSERT_EQ(drawn, bank.Draw(seed));
    ASSERT_TRUE(std::is_sorted(drawn.begin(), drawn.end()));
    ASSERT_EQ(Set(drawn).size(), 4u);
    ASSERT_EQ(std::count_if(drawn.begin(), drawn.end(), [](int q) { return q < 4; }), 2);
    // Waves must hold echo, light and sound: 6 with 7 or 8.
    const std::set<int> waves = {drawn[2], drawn[3]};
    ASSERT_TRUE(waves.count(6) && (waves.count(7) || waves.count(8)));
    seen.insert(drawn.begin(), drawn.end());
  }
  EXPECT_EQ(seen, (std::set<int>{0, 1, 2, 3, 6, 7, 8}));
  // The seed names the same questions on every machine and in every build.
  EXPECT_EQ(bank.Draw(12345), (std::vector<int>{0, 1, 6, 8}));
}

TEST(Bank, PaperVersionsShareQuestionsOnlyWhenACategoryRunsShort) {
  const TBank bank(Blueprint("Mechanics/Forces=2; Waves=1"), Physics());
  const auto versions = bank.Draw(99, 3);
  ASSERT_EQ(versions.size(), 3u);
  EXPECT_EQ(versions[0], bank.Draw(99));
  std::vector<int> forces(4, 0), waves(9, 0);
  for (const auto& version : versions)
    for (const int q : version) ++(q < 4 ? forces[static_cast<size_t>(q)] : waves[static_cast<size_t>(q)]);
  // Six Forces places from four questions: none used more than twice. The
  // three Waves places take the three questions once each.
  EXPECT_LE(*std::max_element(forces.begin(), forces.end()), 2);
  EXPECT_EQ(waves[6] + waves[7] + waves[8], 3);
  EXPECT_EQ(std::max({waves[6], waves[7], waves[8]}), 1);
}

TEST(Bank, TheSessionAsksTheDrawWhateverTheOrderAndTheStudentsCount) {
  TManualClock clock;
  TestSettings settings;
  settings.Blueprint = "Mechanics/Forces=2; Waves=1";
  settings.MaxQuestions = 1;
  TTestSession ordered(settings, Physics(), clock);
  settings.RandomQuestions = 1;
  TTestSession shuffled(settings, Physics(), clock);
  EXPECT_EQ(ordered.MaxAsked(), 3);
  ordered.Start(1, 5);
  shuffled.Start(0, 5);
  std::vector<int> asked, shuffledAsked;
  for (int p = 0; p < 3; ++p) asked.push_back(ordered.QuestionNumber(p) - 1);
  for (int p = 0; p < shuffled.Count(); ++p) shuffledAsked.push_back(shuffled.QuestionNumber(p) - 1);
  EXPECT_EQ(ordered.Count(), 3);
  EXPECT_EQ(asked, ordered.Bank()->Draw(5));
  EXPECT_EQ(Set(shuffledAsked), Set(asked));

  // A blueprint that does not read leaves MAXQUESTIONS in charge.
  settings.Blueprint = "Waves";
  EXPECT_EQ(TTestSession(settings, Physics(), clock).MaxAsked(), 1);
}

// Twelve questions, Algebra 0-5 and Geometry 6-11, three versions each of two
// of each. Facilities in percent:
//   Algebra  90 80 70 60 50 40   (sum 390)
//   Geometry 85 75 65 55 45 30   (sum 355)
// Three versions of 2 + 2 take every question once (each category has six,
// three versions need six), so the three totals add up to 745. Every total is
// a multiple of 5 and 745 / 3 is not, so two totals differ by 5 at least: the
// best spread is 5 / 4 questions = 1.25 points. It is reached:
//   Algebra  90+40 = 80+50 = 70+60 = 130
//   Geometry 85+30 = 115, 75+45 = 120, 65+55 = 120
// gives totals 245, 250, 250: means 61.25%, 62.5%, 62.5%.
TEST(ParallelForms, HandWorkedBankOfTwelveBalancesToTheBestSpread) {
  const std::vector<double> percent = {90, 80, 70, 60, 50, 40, 85, 75, 65, 55, 45, 30};
  std::vector<QuestionRecord> questions;
  std::vector<std::optional<double>> facility;
  for (size_t q = 0; q < percent.size(); ++q) {
    questions.push_back(Filed(q < 6 ? "Algebra" : "Geometry"));
    facility.push_back(percent[q] / 100);
  }
  const TBank bank(Blueprint("Algebra=2; Geometry=2"), questions);
  const ParallelForms::TForms forms = ParallelForms::Draw(bank, 3, 2026, facility);

  ASSERT_EQ(forms.Versions.size(), 3u);
  std::set<int> all;
  for (const auto& version : forms.Versions) {
    EXPECT_EQ(std::count_if(version.begin(), version.end(), [](int q) { return q < 6; }), 2);
    EXPECT_EQ(version.size(), 4u);
    all.insert(version.begin(), version.end());
  }
  EXPECT_EQ(all.size(), 12u);
  std::vector<double> means = forms.ExpectedMeans;
  std::sort(means.begin(), means.end());
  EXPECT_DOUBLE_EQ(means[0], 61.25);
  EXPECT_DOUBLE_EQ(means[1], 62.5);
  EXPECT_DOUBLE_EQ(means[2], 62.5);
  EXPECT_EQ(ParallelForms::Summary(forms), "expected mean: 63%, 61%, 63% (spread 1.3 points)");
}

// The best spread over every split of twelve questions into three versions
// of four, against the search, for several sets of facilities.
TEST(ParallelForms, ComesWithinAPointOfTheBruteForceBest) {
  std::vector<QuestionRecord> questions(12, Filed("Bank"));
  const TBank bank(Blueprint("Bank=4"), questions);
  for (std::uint64_t round = 1; round <= 5; ++round) {
    TShuffle source(round);
    std::vector<std::optional<double>> facility;
    std::vector<double> value;
    for (int q = 0; q < 12; ++q)
      value.push_back(source.Below(1000) / 1000.0), facility.push_back(value.back());

    double best = 100;
    std::vector<int> group(12, -1);
    std::function<void(int, std::array<int, 3>, std::array<double, 3>)> split = [&](int q, auto sizes,
                                                                                    auto sums) {
      if (q == 12) {
        const auto [low, high] = std::minmax_element(sums.begin(), sums.end());
        best = std::min(best, (*high - *low) * 100 / 4);
        return;
      }
      for (int g = 0; g < 3; ++g) {
        if (sizes[g] == 4 || (g > 0 && sizes[g - 1] == 0)) continue;  // groups unordered
        auto s = sizes;
        auto t = sums;
        ++s[g];
        t[g] += value[static_cast<size_t>(q)];
        split(q + 1, s, t);
      }
    };
    split(0, {0, 0, 0}, {0, 0, 0});
    const ParallelForms::TForms forms = ParallelForms::Draw(bank, 3, round, facility);
    EXPECT_LE(forms.Spread(), best + 1.0) << "round " << round;
  }
}

TEST(ParallelForms, WithoutStatisticsDrawsAtRandomAndSaysSo) {
  const TBank bank(Blueprint("Mechanics/Forces=2"), Physics());
  const ParallelForms::TForms forms = ParallelForms::Draw(bank, 2, 8, std::vector<std::optional<double>>(10));
  EXPECT_FALSE(forms.Balanced());
  EXPECT_EQ(forms.Versions, bank.Draw(8, 2));
  EXPECT_EQ(ParallelForms::Summary(forms), "no statistics for these questions yet: versions drawn at random");
}

}  // namespace
