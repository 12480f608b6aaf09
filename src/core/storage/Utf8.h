#pragma once

#include <cstddef>
#include <string_view>

// The one judge of well-formed UTF-8 for the whole program: shortest forms
// only, no surrogates (U+D800 to U+DFFF), nothing past U+10FFFF, no sequence
// cut short. Every reader that checks or decodes UTF-8 asks here, so a byte
// sequence one part accepts is never refused, or read otherwise, by another.
namespace Utf8 {

// The length (1 to 4) of the well-formed sequence that starts at text[at], or
// 0 when none starts there. at must be inside text.
std::size_t SequenceLength(std::string_view text, std::size_t at);

// Whether the whole of text is well-formed UTF-8.
bool IsValid(std::string_view text);

// Whether byte continues a sequence (10xxxxxx) rather than starting one.
constexpr bool IsContinuation(char byte) {
  return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

// at, moved back over at most three continuation bytes to where the
// character it falls in starts, so that a cut there splits no character; at
// itself when it is text's end or starts a character.
std::size_t CharacterStart(std::string_view text, std::size_t at);

// The code point of the well-formed sequence of length bytes at text[at], as
// SequenceLength measured it.
char32_t Decode(std::string_view text, std::size_t at, std::size_t length);

}  // namespace Utf8
