#include "ui/text/TextOffset.h"

#include <algorithm>

#include "ui/text/QtText.h"

qsizetype QStringOffset(const std::string& text, size_t position) {
  return ToQString(text.substr(0, std::min(position, text.size()))).size();
}
