#include "core/run/Scoring.h"

#include <bit>

namespace Scoring {

TLetters LettersOf(std::string_view text) {
  TLetters letters = 0;
  for (char c : text) {
    if (c >= 'a' && c <= 'f') c = static_cast<char>(c - 'a' + 'A');
    if (c >= 'A' && c <= 'F') letters |= static_cast<TLetters>(1u << (c - 'A'));
  }
  return letters;
}

std::string LetterText(TLetters letters) {
  std::string text;
  for (int i = 0; i < 6; ++i)
    if (letters & (1u << i)) text += static_cast<char>('A' + i);
  return text;
}

int LetterCount(TLetters letters) {
  return std::popcount(static_cast<unsigned>(letters & 0x3F));
}

std::string_view ChoiceHint(TLetters key, bool anyCorrectPasses) {
  if (LetterCount(key) < 2) return {};
  return anyCorrectPasses ? "choose any that apply" : "choose all that apply";
}

bool IsRight(TLetters correct, bool anyCorrectPasses, TLetters chosen) {
  correct &= 0x3F;
  chosen &= 0x3F;
  if (correct == 0 || chosen == 0) return false;
  if (anyCorrectPasses) return (chosen & ~correct) == 0;
  return chosen == correct;
}

int Percent(int right, int asked) {
  if (asked <= 0) return 0;
  return static_cast<int>((static_cast<long long>(right) * 200 + asked) / (2LL * asked));
}

bool Passed(int right, int asked, int passPoint) {
  if (passPoint <= 0 || asked <= 0) return false;
  return static_cast<long long>(right) * 100 >= static_cast<long long>(passPoint) * asked;
}

}  // namespace Scoring
