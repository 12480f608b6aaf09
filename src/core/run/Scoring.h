#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The one rule that marks an answer, on screen and on paper alike.
namespace Scoring {

// A set of answer letters A..F as bits: A is bit 0, F is bit 5.
using TLetters = std::uint8_t;

// The letters A..F (either case) that text names; anything else is ignored,
// so "AC", "c a" and "A,C" are the same set.
TLetters LettersOf(std::string_view text);

// The letters of a set in order, upper case: "AC". The empty set is "".
std::string LetterText(TLetters letters);

// How many letters a set holds.
int LetterCount(TLetters letters);

// What a question with several correct letters tells the student, on paper
// and on screen alike, without saying how many are correct: "choose all that
// apply", or "choose any that apply" when any correct one passes; "" for one
// correct letter or none.
std::string_view ChoiceHint(TLetters key, bool anyCorrectPasses);

// Whether the chosen letters answer a question whose correct letters are
// given. With one correct letter: right when that letter alone is chosen.
// With several, when every one must be correct (anyCorrectPasses false):
// right when exactly the correct letters are chosen. When any correct answer
// passes: right when at least one correct letter and no wrong letter is
// chosen. Nothing chosen is wrong, and so is every answer to a question
// without a correct letter.
bool IsRight(TLetters correct, bool anyCorrectPasses, TLetters chosen);

// Percent of right answers, rounded to the nearest whole number; 0 when
// nothing was asked.
int Percent(int right, int asked);

// Whether a score passes: only when the test has a pass point (above 0), and
// then when the exact percent reaches it (no rounding up to the pass point).
bool Passed(int right, int asked, int passPoint);

}  // namespace Scoring
