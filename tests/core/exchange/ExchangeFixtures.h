#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "core/exchange/QuestionFormat.h"

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
  QuestionRecord one;
  one.Question = "Which river is 1 < 2 km?\r\nPick one.";
  one.AnswerA = "The Nile";
  one.AnswerB = "Thames & \xC3\xA9t\xC3\xA9 ]]> end";
  one.Correct = "B";
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
