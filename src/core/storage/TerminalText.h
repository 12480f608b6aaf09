#pragma once

#include <string>
#include <string_view>

// Text (the core's UTF-8, file names) on its way out of qwtool, which writes
// UTF-8. A test file or a file name can hold any byte, so control characters
// never reach a terminal as they stand.

// The text with each control character other than a tab (C0, DEL and the C1
// range) and each byte that is no part of valid UTF-8 shown as \xNN. Line
// breaks too: split lines first.
std::string TerminalText(std::string_view utf8);

// Splits text at its line breaks: CR LF, a CR alone or an LF alone.
// The empty text is one empty line.
template <typename TVisit>
void ForEachLine(std::string_view text, TVisit visit) {
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    visit(text.substr(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  visit(text.substr(start));
}
