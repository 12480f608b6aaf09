// Tests in Greek, Polish, Chinese and Arabic printed to PDF and read back
// as a PDF reader extracts them: every character as written, in fonts the
// file embeds, and an Arabic page laid out right to left.

#include <QRegularExpression>
#include <map>
#include <optional>
#include <tuple>

#include "PaperFixture.h"
#include "support/FourScripts.h"
#include "ui/page/PageText.h"

namespace {

using FourScripts::TScript;

// The embedded font that prints each script's letters.
const char* FontOf(const TScript& script) {
  static const std::map<std::string, const char*> fonts = {{"Greek", "DejaVuSerif"},
                                                           {"Polish", "DejaVuSerif"},
                                                           {"Chinese", "NotoSerifCJK"},
                                                           {"Arabic", "NotoSansArabic"}};
  return fonts.at(script.Name);
}

// Each text in UTF-8; the printer reads them so (see Decode), whatever the
// core's own text is.
QString Decode(const std::string& text) {
  return QString::fromUtf8(text);
}

// Bidi controls pdftotext puts around right-to-left runs.
QString WithoutControls(QString text) {
  static const QRegularExpression controls(
      QStringLiteral("[\\x{200E}\\x{200F}\\x{202A}-\\x{202E}\\x{2066}-\\x{2069}]"));
  return text.remove(controls);
}

struct TWord {
  double Left, Right, Top;
  int Page;
};

class ScriptsFixture : public PaperFixture {
protected:
  PaperVersions::TPaperTest Test(const TScript& script) {
    PaperVersions::TPaperTest test;
    test.Description = script.Description;
    test.BeginMessage = {script.Begin};
    test.Folder = Dir.Path().string();
    const QuestionRecord q = FourScripts::Question(script);
    test.Questions = {q, q};
    return test;
  }

  QString Print(const TScript& script, const TPrintOptions& options) {
    const QString path = QString::fromStdString(Dir.File(std::string(script.Name) + ".pdf"));
    EXPECT_GT(TTestPrinter(Test(script), options, &Decode).WritePdf(path), 0) << script.Name;
    return path;
  }

  // Every word pdftotext finds, where it stands. It gives a right-to-left
  // word a letter at a time: touching letters of a line are joined again,
  // read from the right.
  static std::multimap<QString, TWord> Words(const QString& pdf) {
    static const QRegularExpression word(QStringLiteral(
        "<page |<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\"[^>]*>([^<]*)</word>"));
    std::map<std::tuple<int, double, double>, QString> found;  // page, top, left
    std::map<std::tuple<int, double, double>, double> rights;
    int page = 0;
    for (const auto& m : word.globalMatch(
             Run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")}))) {
      if (m.captured(4).isNull() && m.captured(1).isNull()) {
        ++page;
        continue;
      }
      found[{page, m.captured(2).toDouble(), m.captured(1).toDouble()}] = m.captured(4);
      rights[{page, m.captured(2).toDouble(), m.captured(1).toDouble()}] = m.captured(3).toDouble();
    }
    std::multimap<QString, TWord> words;
    std::optional<std::pair<QString, TWord>> open;
    const auto close = [&] {
      if (open) words.insert(*open);
      open.reset();
    };
    for (const auto& [where, text] : found) {
      const auto [onPage, top, left] = where;
      const double right = rights[where];
      const bool letter = text.size() == 1 && text.isRightToLeft();
      if (open && letter && open->second.Page == onPage && open->second.Top == top &&
          left - open->second.Right < 1) {
        open->first.prepend(text);
        open->second.Right = right;
        continue;
      }
      close();
      open = {text, TWord{left, right, top, onPage}};
      if (!letter) close();
    }
    close();
    return words;
  }
};

TEST_F(ScriptsFixture, EveryScriptComesOutOfThePdfAsWrittenInEmbeddedFonts) {
  TPrintOptions options;
  options.AnswerSheet = options.AnswerKeys = true;
  for (const TScript& script : FourScripts::Scripts()) {
    const QString pdf = Print(script, options);
    const QString text = WithoutControls(Run(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")}));
    for (const std::string& expected :
         {script.Description, script.Begin, script.Answers[0], script.Answers[2]}) {
      // Right-to-left runs come out a run at a time: look for each.
      // The lam-alef ligature is named by its presentation form, which readers fold into lam and alef.
      const QString written =
          QString::fromStdString(expected).replace(QStringLiteral("لا"), QStringLiteral("ﻻ"));
      for (const QString& run : written.split(QLatin1Char(' ')))
        EXPECT_TRUE(text.contains(run)) << script.Name << ": " << run.toStdString() << " in\n"
                                        << text.toStdString();
    }
    if (&script != &FourScripts::Arabic()) {
      EXPECT_TRUE(text.contains(QString::fromStdString(script.Question)))
          << script.Name << text.toStdString();
    }
    EXPECT_FALSE(text.contains(QLatin1Char('?'))) << script.Name;
    EXPECT_FALSE(text.contains(QChar(QChar::ReplacementCharacter))) << script.Name;

    // Each font embedded, none drawn as Type 3 pictures of glyphs.
    const QStringList fonts =
        Run(QStringLiteral("pdffonts"), {pdf}).split(QLatin1Char('\n'), Qt::SkipEmptyParts).mid(2);
    ASSERT_FALSE(fonts.isEmpty()) << script.Name;
    QString names;
    for (const QString& font : fonts) {
      EXPECT_TRUE(font.contains(QStringLiteral(" yes "))) << script.Name << ": " << font.toStdString();
      EXPECT_FALSE(font.contains(QStringLiteral("Type 3"))) << script.Name << ": " << font.toStdString();
      names += font.section(QLatin1Char(' '), 0, 0) + QLatin1Char(' ');
    }
    EXPECT_TRUE(names.contains(QLatin1String(FontOf(script)))) << script.Name << ": " << names.toStdString();
  }
}

// The Arabic page: its header, numbers and letters mirrored, each line
// right to left with the number and the Latin name in their places.
TEST_F(ScriptsFixture, AnArabicTestIsLaidOutRightToLeft) {
  TPrintOptions options;
  options.AnswerKeys = true;
  const auto words = Words(Print(FourScripts::Arabic(), options));
  const auto at = [&words](const char* utf8, int page = 1) {
    for (auto [it, end] = words.equal_range(QString::fromUtf8(utf8)); it != end; ++it)
      if (it->second.Page == page) return it->second;
    ADD_FAILURE() << utf8 << " is not on page " << page;
    return TWord{};
  };
  // Reading right to left: سؤال رقم 42 عن قانون Newton الثاني
  EXPECT_GT(at("سؤال").Left, at("رقم").Left);
  EXPECT_GT(at("رقم").Left, at("42").Left);
  EXPECT_GT(at("42").Left, at("عن").Left);
  EXPECT_GT(at("قانون").Left, at("Newton").Left);
  EXPECT_GT(at("Newton").Left, at("الثاني").Left);
  // The description heads the page on the right, the version on the left;
  // the question's number stands right of its text, each letter right of its answer.
  EXPECT_GT(at("الفيزياء").Left, at("Version").Left);
  EXPECT_GT(at(".1").Left, at("سؤال").Right);
  EXPECT_GT(at(".A").Left, at("نيوتن").Right);
  EXPECT_GT(at(".C").Left, at("سبق").Right);
  EXPECT_GT(at("بالتوفيق").Left, at("42").Left);  // the begin message starts at the right too
  // The key's first column is the rightmost.
  EXPECT_GT(at("(1)", 2).Left, 310);
}

TEST(PageText, MendingTheTextMapsKeepsEveryOffset) {
  const QByteArray head = "1 0 obj\n<< /Length 99 >>\nstream\n2 beginbfrange\n";
  const QByteArray tail = "endbfrange\nendcmap\nendstream\n";
  QByteArray pdf = head +
                   "<0000> <0000> <0000>\n<0001> <0004> [<4E2D> <2F42> <FECB> <FEFB> <FB01> <0041> <0042> "
                   "<0043> <0044> ]\n" +
                   tail;
  const qsizetype size = pdf.size();
  PageText::MendTextMaps(pdf);
  ASSERT_EQ(pdf.size(), size);
  EXPECT_TRUE(pdf.startsWith(head));
  EXPECT_TRUE(pdf.endsWith(tail));
  // 文 for the radical, ain for its initial form, the lam-alef ligature kept, fi for its ligature.
  EXPECT_TRUE(pdf.contains("<0001> <0004> [<4E2D><6587><0639><FEFB><00660069><0041><0042><0043><0044>]"))
      << pdf.toStdString();

  // A range counting up from a radical becomes a list, which does not fit: left as it was.
  QByteArray tight = head + "<0001> <0003> <2F00>\n" + tail;
  const QByteArray before = tight;
  PageText::MendTextMaps(tight);
  EXPECT_EQ(tight, before);
}

}  // namespace
