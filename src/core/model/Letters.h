#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Letters of any script in the core's UTF-8 text, for the rules that compare
// texts without regard to case (duplicates, search).
namespace Letters {

// Whether c is a letter or a digit of any script, or a mark that joins a
// letter (accents, vowel signs).
bool IsLetterOrDigit(char32_t c);
// Whether c is a decimal digit of any script.
bool IsDigit(char32_t c);
// The length of c in UTF-8.
std::size_t Utf8Length(char32_t c);

// The case-free form of text: each character folded as case-insensitive
// comparison folds it, where that keeps its length in bytes, so that every
// position in the result is the same position in text. Bytes that are no
// part of valid UTF-8 stay as they are.
std::string Folded(std::string_view text);

// The character that ends just before position (0 when none or malformed) and
// the one that starts at position (0 when none or malformed).
char32_t Before(std::string_view text, std::size_t position);
char32_t At(std::string_view text, std::size_t position);

// The letters and digits of text, each folded, everything else left out.
std::string LettersAndDigits(std::string_view text);
// The same, split into words wherever something else stood between them.
std::vector<std::string> Words(std::string_view text);

}  // namespace Letters
