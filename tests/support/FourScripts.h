#pragma once

#include <string>
#include <vector>

#include "core/model/TestFile.h"
#include "core/model/TestSettings.h"

// One question each in Greek, Polish, Chinese and Arabic, with answers,
// references and messages, every text in UTF-8: the test every surface takes
// and gives back character for character.
namespace FourScripts {

struct TScript {
  const char* Name;
  const char* Language;
  std::string Description, Begin, End, Question;
  std::vector<std::string> Answers;  // A, B, C
  std::string Correct, Reference;
};

inline const std::vector<TScript>& Scripts() {
  static const std::vector<TScript> scripts = {
      {"Greek",
       "el",
       "Διαγώνισμα φυσικής",
       "Καλή επιτυχία",
       "Τέλος",
       "Ποια είναι η μονάδα της δύναμης",
       {"Νιούτον", "Τζάουλ", "Βατ"},
       "A",
       "Σελ. 3"},
      {"Polish",
       "pl",
       "Sprawdzian z fizyki",
       "Powodzenia, Łukasz Żółć",
       "Koniec, dziękujemy",
       "Zażółć gęślą jaźń: która jednostka",
       {"niuton", "dżul", "wat"},
       "B",
       "Rozdział żółty"},
      // Characters whose glyphs Noto shares with the Kangxi radicals: 一 人 大 日 文 目 山 水.
      {"Chinese",
       "zh",
       "中文物理测验",
       "祝你好运",
       "考试结束",
       "下面哪一个是力的单位，大人在日月山水中看文目",
       {"牛顿", "焦耳", "瓦特"},
       "A",
       "第三章"},
      // Digits and a Latin name inside, and the lam-alef ligature in the last answer.
      {"Arabic",
       "ar",
       "اختبار الفيزياء",
       "بالتوفيق",
       "انتهى الاختبار",
       "سؤال رقم 42 عن قانون Newton الثاني",
       {"نيوتن", "جول", "لا شيء مما سبق"},
       "C",
       "الفصل ٢"},
  };
  return scripts;
}

inline const TScript& Arabic() {
  return Scripts()[3];
}

inline QuestionRecord Question(const TScript& script) {
  QuestionRecord question;
  question.Question = script.Question;
  for (std::size_t a = 0; a < script.Answers.size(); ++a)
    question.Answer(static_cast<int>(a)) = script.Answers[a];
  question.Correct = script.Correct;
  question.Reference = script.Reference;
  return question;
}

// The four questions in script order.
inline std::vector<QuestionRecord> Questions() {
  std::vector<QuestionRecord> questions;
  for (const TScript& script : Scripts()) questions.push_back(Question(script));
  return questions;
}

// The whole test's settings: the descriptions joined, a message line per
// script, and Arabic as its language.
inline TestSettings Settings() {
  TestSettings settings;
  settings.Description.clear();
  for (const TScript& script : Scripts()) {
    settings.Description += (settings.Description.empty() ? "" : " / ") + script.Description;
    settings.BeginMessage.push_back(script.Begin);
    settings.EndMessage.push_back(script.End);
  }
  settings.Language = Arabic().Language;
  return settings;
}

// Students, one named in each script.
inline const std::vector<std::string>& Students() {
  static const std::vector<std::string> names = {"Ελένη Παπαδοπούλου", "Łukasz Żółć", "王小明",
                                                 "فاطمة الزهراء"};
  return names;
}

}  // namespace FourScripts
