#include "core/model/Letters.h"

#include <unicode/uchar.h>

#include "core/storage/CodePage.h"
#include "core/storage/Utf8.h"

namespace Letters {
namespace {

// Visits every character of text as (start, length, code point); a byte that
// starts no valid sequence comes as one byte with code point 0.
template <typename TVisit>
void ForEachCharacter(std::string_view text, TVisit visit) {
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length = Utf8::SequenceLength(text, i);
    visit(i, length == 0 ? 1 : length, length == 0 ? char32_t{0} : Utf8::Decode(text, i, length));
    i += length == 0 ? 1 : length;
  }
}

char32_t FoldedCharacter(char32_t c) {
  return static_cast<char32_t>(u_foldCase(static_cast<UChar32>(c), U_FOLD_CASE_DEFAULT));
}

}  // namespace

bool IsLetterOrDigit(char32_t c) {
  const auto code = static_cast<UChar32>(c);
  return u_isalnum(code) != 0 || (U_GET_GC_MASK(code) & U_GC_M_MASK) != 0;
}

bool IsDigit(char32_t c) {
  return u_isdigit(static_cast<UChar32>(c)) != 0;
}

std::size_t Utf8Length(char32_t c) {
  return c < 0x80 ? 1 : c < 0x800 ? 2 : c < 0x10000 ? 3 : 4;
}

std::string Folded(std::string_view text) {
  std::string folded;
  folded.reserve(text.size());
  ForEachCharacter(text, [&](std::size_t start, std::size_t length, char32_t c) {
    const char32_t lower = c == 0 ? 0 : FoldedCharacter(c);
    if (lower != 0 && Utf8Length(lower) == length)
      CodePage::AppendUtf8(folded, lower);
    else
      folded.append(text.substr(start, length));
  });
  return folded;
}

char32_t Before(std::string_view text, std::size_t position) {
  if (position == 0 || position > text.size()) return 0;
  const std::size_t start = Utf8::CharacterStart(text, position - 1);
  const std::size_t length = Utf8::SequenceLength(text, start);
  return length == position - start ? Utf8::Decode(text, start, length) : 0;
}

char32_t At(std::string_view text, std::size_t position) {
  if (position >= text.size()) return 0;
  const std::size_t length = Utf8::SequenceLength(text, position);
  return length == 0 ? 0 : Utf8::Decode(text, position, length);
}

std::string LettersAndDigits(std::string_view text) {
  std::string out;
  ForEachCharacter(text, [&](std::size_t, std::size_t, char32_t c) {
    if (c != 0 && IsLetterOrDigit(c)) CodePage::AppendUtf8(out, FoldedCharacter(c));
  });
  return out;
}

std::vector<std::string> Words(std::string_view text) {
  std::vector<std::string> words;
  std::string word;
  ForEachCharacter(text, [&](std::size_t, std::size_t, char32_t c) {
    if (c != 0 && IsLetterOrDigit(c)) {
      CodePage::AppendUtf8(word, FoldedCharacter(c));
    } else if (!word.empty()) {
      words.push_back(std::move(word));
      word.clear();
    }
  });
  if (!word.empty()) words.push_back(std::move(word));
  return words;
}

}  // namespace Letters
