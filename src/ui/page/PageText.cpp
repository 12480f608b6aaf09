#include "ui/page/PageText.h"

#include <QList>
#include <QStringList>
#include <QStringView>
#include <optional>

namespace PageText {

QFont Font(TFace face) {
  // Noto's CJK fonts come in regional cuts of one design; the simplified
  // Chinese one holds kana and hangul as well. Arabic is set in Noto Sans
  // Arabic on every page: Noto Naskh Arabic's lam-alef ligatures name no
  // character, so a reader of the PDF would lose the letters. The list is
  // short, as every font looked up compares it: scripts it does not name
  // (Thai, Devanagari, ...) fall back to the desktop's fonts, Noto among them.
  static const QStringList serif = {QStringLiteral("DejaVu Serif"), QStringLiteral("Noto Sans Arabic"),
                                    QStringLiteral("Noto Serif Hebrew"), QStringLiteral("Noto Serif CJK SC")};
  static const QStringList sans = {QStringLiteral("DejaVu Sans"), QStringLiteral("Noto Sans Arabic"),
                                   QStringLiteral("Noto Sans Hebrew"), QStringLiteral("Noto Sans CJK SC")};
  QFont font;
  font.setFamilies(face == TFace::Serif ? serif : sans);
  return font;
}

Qt::LayoutDirection DirectionOf(const QString& text, Qt::LayoutDirection fallback) {
  for (const char32_t c : QStringView(text).toUcs4()) {
    switch (QChar::direction(c)) {
      case QChar::DirL:
        return Qt::LeftToRight;
      case QChar::DirR:
      case QChar::DirAL:
        return Qt::RightToLeft;
      default:
        break;
    }
  }
  return fallback;
}

namespace {

// The characters Qt's reverse lookup of a glyph lands on instead of the one
// shaped or shared: radicals below the ideographs, presentation forms.
bool Compatibility(uint code) {
  return (code >= 0x2E80 && code <= 0x2FDF) || (code >= 0xFB00 && code <= 0xFDFF) ||
         (code >= 0xFE70 && code <= 0xFEFF);
}

QByteArray Hex(uint code) {
  return QByteArray::number(code, 16).toUpper().rightJustified(4, '0');
}

// The name of a glyph Qt gave as code, as the text it stands for ("fi" for
// the ligature). A right-to-left ligature keeps its form: readers put the
// letters of one such glyph in the wrong order, and fold the form into
// them when searching.
QByteArray Target(uint code) {
  if (!Compatibility(code)) return Hex(code);
  const QString plain = QString(QChar(static_cast<char16_t>(code))).normalized(QString::NormalizationForm_KC);
  if (plain.isEmpty() || (plain.size() > 1 && plain.isRightToLeft())) return Hex(code);
  QByteArray hex;
  for (const QChar c : plain) hex += Hex(c.unicode());
  return hex;
}

// The <hex> tokens of one line of a bfrange section and whether its
// targets are a [list]; false when the line is not of that form.
bool Tokens(const QByteArray& line, QList<uint>& codes, bool& list) {
  codes.clear();
  list = false;
  qsizetype i = 0;
  while (i < line.size()) {
    const char c = line[i];
    if (c == ' ') {
      ++i;
    } else if (c == '[' || c == ']') {
      if (codes.size() != 2 && c == '[') return false;
      list = true;
      ++i;
    } else if (c == '<') {
      const qsizetype end = line.indexOf('>', i);
      if (end < 0 || end - i - 1 != 4) return false;
      bool ok = false;
      codes << line.sliced(i + 1, 4).toUInt(&ok, 16);
      if (!ok) return false;
      i = end + 1;
    } else {
      return false;
    }
  }
  return codes.size() >= 3 && (list || codes.size() == 3);
}

// The section's lines rewritten with the plain names, or nothing when no
// name changes or a line is not understood.
std::optional<QByteArray> Mended(const QByteArray& section) {
  QByteArray out;
  bool changed = false;
  QList<uint> codes;
  for (const QByteArray& line : section.split('\n')) {
    if (line.isEmpty()) continue;
    bool list = false;
    if (!Tokens(line, codes, list)) return std::nullopt;
    const uint first = codes[0], last = codes[1];
    if (last < first) return std::nullopt;
    // A single target counts up over the range.
    QList<uint> targets = codes.mid(2);
    if (!list) {
      targets.clear();
      for (uint c = first; c <= last; ++c) targets << codes[2] + (c - first);
    }
    bool any = false;
    for (const uint t : targets) any = any || Compatibility(t);
    out += '<' + Hex(first) + "> <" + Hex(last) + "> ";
    if (!any && !list) {
      out += '<' + Hex(codes[2]) + '>';
    } else {
      out += '[';
      for (const uint t : targets) out += '<' + Target(t) + '>';
      out += ']';
    }
    out += '\n';
    changed = changed || any;
  }
  if (!changed) return std::nullopt;
  return out;
}

}  // namespace

void MendTextMaps(QByteArray& pdf) {
  static const QByteArray begin = "beginbfrange\n";
  static const QByteArray end = "endbfrange";
  qsizetype from = 0;
  while ((from = pdf.indexOf(begin, from)) >= 0) {
    const qsizetype start = from + begin.size();
    const qsizetype stop = pdf.indexOf(end, start);
    if (stop < 0) return;
    from = stop;
    const QByteArray section = pdf.sliced(start, stop - start);
    if (!section.endsWith('\n')) continue;
    std::optional<QByteArray> mended = Mended(section);
    // Spaces at the end of the last line keep every offset of the file.
    if (!mended || mended->size() > section.size()) continue;
    mended->insert(mended->size() - 1, QByteArray(section.size() - mended->size(), ' '));
    pdf.replace(start, section.size(), *mended);
  }
}

}  // namespace PageText
