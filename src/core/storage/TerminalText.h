#pragma once

#include <string>
#include <string_view>

// Text from test files on its way out of qwtool. Test files hold code-page
// text (CodePage); qwtool writes UTF-8. A test file or a file name can hold
// any byte, so control characters never reach a terminal as they stand.

// Code-page text as UTF-8, each control character other than a tab (C0, DEL
// and the C1 range) shown as \xNN. Line breaks too: split lines first.
std::string TerminalText(std::string_view codePageText);

// The same for text that is UTF-8 already, such as file names.
std::string TerminalUtf8(std::string_view utf8);

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
