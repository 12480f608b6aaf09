#pragma once

#include <QString>
#include <string>

// Where the byte at position of code-page text stands in ToQString(text), for
// a selection the core names in bytes; a position past the end gives the
// whole text's length.
qsizetype QStringOffset(const std::string& text, size_t position);
