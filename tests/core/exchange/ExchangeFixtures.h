#pragma once

#include <gtest/gtest.h>

#include <bit>
#include <functional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "core/exchange/QuestionFormat.h"
#include "core/model/TestFile.h"
#include "core/run/Scoring.h"
#include "support/Questions.h"

// A small test that uses every field the XML formats can carry: HTML-looking
// and non-ASCII text, line breaks, several correct letters under both rules,
// and media.
inline TExportedTest SampleExport() {
  TExportedTest test;
  test.Description = "Rivers & seas";
  test.Contents.Settings = {{"TIME", "00:10:30"},
                            {"RANDOMQUESTIONS", "1"},
                            {"MAXQUESTIONS", "2"},
                            {"CHECKANSWERS", "1"},
                            {"PASSPOINT", "60"}};
  test.Contents.BeginMessage = {"Good luck,", "<everyone>"};
  QuestionRecord one = MakeQuestion("Which river is 1 < 2 km?\r\nPick one.",
                                    {"The Nile", "Thames & \xC3\xA9t\xC3\xA9 ]]> end"}, "B");
  one.MediaFile = "map one.png";
  QuestionRecord all = one;
  all.MediaFile = "song.mp3";
  all.AnswerC = "third";
  all.Correct = "AC";
  QuestionRecord any = all;
  any.MediaFile.clear();
  any.AnswerD = "fourth";
  any.AnswerE = "fifth";
  any.AnswerF = "sixth";
  any.Correct = "BDF";
  any.AnyCorrectPasses = true;
  test.Contents.Questions = {one, all, any};
  return test;
}

// A small bank: a run of two questions of one category, one without a
// category, one of another; tags on the first.
inline TExportedTest Bank(std::string description = "Physics", std::string blueprint = {}) {
  TExportedTest test;
  test.Description = std::move(description);
  QuestionRecord pull = MakeQuestion("Which force pulls down?", {"weight", "lift"}, "A");
  pull.Category = "Mechanics/Forces";
  pull.Tags = "vectors, units";
  QuestionRecord unit = MakeQuestion("Unit of force?", {"newton", "joule"}, "A");
  unit.Category = "Mechanics/Forces";
  QuestionRecord who = MakeQuestion("Who wrote the Principia?", {"Newton", "Hooke"}, "A");
  QuestionRecord sound = MakeQuestion("Sound in air is a", {"longitudinal wave", "transverse wave"}, "A");
  sound.Category = "Waves";
  test.Contents.Questions = {pull, unit, who, sound};
  if (!blueprint.empty()) test.Contents.Settings.push_back({TestFile::Blueprint, blueprint});
  return test;
}

inline std::vector<std::string> Categories(const std::vector<QuestionRecord>& questions) {
  std::vector<std::string> categories;
  for (const QuestionRecord& question : questions) categories.push_back(question.Category);
  return categories;
}

inline std::optional<TMediaFile> SampleMedia(const std::string& name) {
  if (name == "missing.png") return std::nullopt;
  return TMediaFile{name, std::string("\x89PNG\0\x01\xFF", 7) + name};
}

// Readable failures for questions.
inline void PrintTo(const QuestionRecord& r, std::ostream* out) {
  *out << "{Q=" << ::testing::PrintToString(r.Question);
  for (int i = 0; i < 6; ++i)
    *out << " " << static_cast<char>('A' + i) << "=" << ::testing::PrintToString(r.Answer(i));
  *out << " correct=" << r.Correct << " any=" << r.AnyCorrectPasses << " media=" << r.MediaFile
       << " ref=" << ::testing::PrintToString(r.Reference) << " hot=" << r.HotLink << "}";
}

// The questions' correct letters and rules ("any" true), in order.
inline void ExpectRules(const std::vector<QuestionRecord>& questions,
                        const std::vector<std::pair<std::string, bool>>& rules) {
  ASSERT_EQ(questions.size(), rules.size());
  for (std::size_t i = 0; i < rules.size(); ++i) {
    EXPECT_EQ(questions[i].Correct, rules[i].first) << "question " << i + 1;
    EXPECT_EQ(questions[i].AnyCorrectPasses, rules[i].second) << "question " << i + 1;
  }
}

// For every set of the first choices answers that another system lets the
// student choose (only one when single), whether it earns full marks there
// (fullMarks, given the set as letter bits) is what our engine says of it.
inline void ExpectFullMarksWhereRight(const QuestionRecord& record, int choices, bool single,
                                      const std::function<bool(unsigned)>& fullMarks) {
  for (unsigned chosen = 1; chosen < 1u << choices; ++chosen) {
    if (single && std::popcount(chosen) != 1) continue;
    const auto letters = static_cast<Scoring::TLetters>(chosen);
    EXPECT_EQ(fullMarks(chosen),
              Scoring::IsRight(Scoring::LettersOf(record.Correct), record.AnyCorrectPasses, letters))
        << record.Question << ": choosing " << Scoring::LetterText(letters);
  }
}
