#pragma once

#include <QByteArray>
#include <QFont>
#include <QString>

// What every printed page shares about text: fonts that cover any script, a
// paragraph's direction, and the PDF's text as readers extract it.
namespace PageText {

enum class TFace { Serif, Sans };

// A font of face whose families run from DejaVu (the pages' own look for
// Latin, Greek and Cyrillic) through Noto for Arabic, Hebrew and CJK, so no
// character prints as a box; what none of them holds falls back to the
// desktop's fonts.
QFont Font(TFace face);

// Right to left when the first strongly directed character of text is
// Arabic or Hebrew, left to right when it is another script; fallback when
// text has none (numbers, punctuation, nothing).
Qt::LayoutDirection DirectionOf(const QString& text, Qt::LayoutDirection fallback);

// Mends the character maps of a PDF that Qt wrote, in place and without
// moving a byte of the rest: a glyph Qt names by a compatibility character
// (the Kangxi radical U+2F42 for the ideograph 文 whose glyph it shares, an
// Arabic presentation form for a shaped letter) is named by the one
// character it stands for, so that copying, searching and pdftotext give
// the text as written ("fi" for its ligature). Right-to-left ligatures
// (lam-alef) keep their presentation form.
// A map that its names would not fit once written out is left as it was.
void MendTextMaps(QByteArray& pdf);

}  // namespace PageText
