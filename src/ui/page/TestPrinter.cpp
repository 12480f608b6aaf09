#include "ui/page/TestPrinter.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QImage>
#include <QImageReader>
#include <QLocale>
#include <QLoggingCategory>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>

#include "core/run/MediaPath.h"
#include "core/storage/AtomicFile.h"
#include "ui/page/PageText.h"
#include "ui/page/SheetPrinter.h"
#include "ui/text/QtText.h"
#include "ui/text/ShuffleWords.h"

namespace {

// Keeps Qt's own logging (qt.gui.imageio and the like) out of the program's
// output while pictures are read and pages laid out: what matters of it is
// reported by MissingPictures. Other categories go to the filter before it.
class TQuietQtLogging {
public:
  TQuietQtLogging() {
    if (Depth++ == 0) Previous = QLoggingCategory::installFilter(&Filter);
  }
  ~TQuietQtLogging() {
    if (--Depth == 0) QLoggingCategory::installFilter(Previous);
  }
  TQuietQtLogging(const TQuietQtLogging&) = delete;
  TQuietQtLogging& operator=(const TQuietQtLogging&) = delete;

private:
  static void Filter(QLoggingCategory* category) {
    if (Previous) Previous(category);
    if (std::string_view(category->categoryName()).starts_with("qt.")) {
      for (const QtMsgType type : {QtDebugMsg, QtInfoMsg, QtWarningMsg, QtCriticalMsg})
        category->setEnabled(type, false);
    }
  }
  static inline int Depth = 0;
  static inline QLoggingCategory::CategoryFilter Previous = nullptr;
};

// A stored text as printed: '\n' for each stored line break.
QString StoredText(TTestPrinter::TDecode decode, const std::string& stored) {
  QString text = decode(stored);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return text;
}

QString JoinLines(TTestPrinter::TDecode decode, const TStrings& lines) {
  QStringList list;
  for (const std::string& line : lines) list << decode(line);
  while (!list.isEmpty() && list.last().trimmed().isEmpty()) list.removeLast();
  return list.join(QLatin1Char('\n'));
}

constexpr Qt::Alignment Left = Qt::AlignLeft | Qt::AlignAbsolute;
constexpr Qt::Alignment Right = Qt::AlignRight | Qt::AlignAbsolute;

// Paints pages one block at a time: a block that does not fit what is left
// of a page starts the next one. Blocks are placed in the coordinates of a
// left-to-right page; a right-to-left test's page mirrors them.
class TPageWriter {
public:
  TPageWriter(QPagedPaintDevice& device, QPainter& painter, QString description,
              Qt::LayoutDirection direction, TTestPrinter::TDecode decode)
      : Device(device),
        Painter(painter),
        Description(std::move(description)),
        Direction(direction),
        Decode(decode) {
    const qreal dpi = device.logicalDpiY();
    Millimetre = dpi / 25.4;
    Body = PageText::Font(PageText::TFace::Serif);
    Body.setPointSizeF(11);
    Small = Body;
    Small.setPointSizeF(9);
    Bold = Body;
    Bold.setBold(true);
    Title = Bold;
    Title.setPointSizeF(14);
    Italic = Body;
    Italic.setItalic(true);
    Width = device.width();
    Bottom = device.height() - FooterHeight();
  }

  qreal Mm(qreal mm) const { return mm * Millimetre; }

  // Ends the current page (if any) and starts a blank one.
  void BlankPage() {
    if (Pages > 0) Device.newPage();
    ++Pages;
  }

  // Ends the current page (if any) and starts another for version.
  void NewPage(const QString& version) {
    BlankPage();
    Version = version;
    Painter.setPen(Qt::black);
    Painter.setFont(Bold);
    const qreal line = QFontMetricsF(Bold, &Device).height();
    const QRectF head(0, 0, Width, line);
    DrawLine(head, Start() | Qt::AlignVCenter,
             QFontMetricsF(Bold, &Device).elidedText(Description, Qt::ElideRight, Width * 0.7));
    DrawLine(head, End() | Qt::AlignVCenter, version);
    Painter.drawLine(QPointF(0, line + Mm(1)), QPointF(Width, line + Mm(1)));
    Painter.setFont(Small);
    DrawLine(QRectF(0, Bottom, Width, FooterHeight()), Qt::AlignHCenter | Qt::AlignBottom,
             QCoreApplication::translate("TTestPrinter", "Page %1").arg(Pages));
    Y = line + Mm(5);
  }

  QString Text(const std::string& stored) const { return StoredText(Decode, stored); }

  bool RightToLeft() const { return Direction == Qt::RightToLeft; }
  // Where the test's lines start and end.
  Qt::Alignment Start() const { return RightToLeft() ? Right : Left; }
  Qt::Alignment End() const { return RightToLeft() ? Left : Right; }

  // A box of a left-to-right page, where this page has it.
  QRectF Place(const QRectF& box) const {
    return RightToLeft() ? QRectF(Width - box.right(), box.top(), box.width(), box.height()) : box;
  }

  // One line in box at alignment, in the direction of its own text, in the
  // painter's font.
  void DrawLine(const QRectF& box, Qt::Alignment alignment, const QString& text) {
    Painter.setLayoutDirection(PageText::DirectionOf(text, Direction));
    Painter.drawText(box, static_cast<int>(alignment), text);
  }

  // Makes room for a block of height; a block taller than a page starts on
  // a fresh page and runs over its end.
  void Reserve(qreal height) {
    if (Y + height > Bottom && Y > FirstY()) NewPage(Version);
  }

  qreal TextHeight(const QFont& font, qreal width, const QString& text) const {
    return Paragraphs(font, QRectF(0, 0, width, 1e7), text, false, Qt::LayoutDirectionAuto);
  }

  // Wraps text in a column at x of width, from y down; each paragraph starts
  // at the side its own text runs from, or direction's when it is given.
  // Returns the height used.
  qreal DrawText(const QFont& font, qreal x, qreal y, qreal width, const QString& text,
                 Qt::LayoutDirection direction = Qt::LayoutDirectionAuto) {
    return Paragraphs(font, Place(QRectF(x, y, width, 1e7)), text, true, direction);
  }

  qreal FooterHeight() const { return QFontMetricsF(Small, &Device).height() + Mm(2); }
  qreal FirstY() const { return QFontMetricsF(Bold, &Device).height() + Mm(5); }

private:
  qreal Paragraphs(const QFont& font, const QRectF& box, const QString& text, bool paint,
                   Qt::LayoutDirection direction) const {
    if (text.isEmpty()) return 0;
    Painter.setFont(font);
    qreal height = 0;
    for (const QString& paragraph : text.split(QLatin1Char('\n'))) {
      Painter.setLayoutDirection(
          direction != Qt::LayoutDirectionAuto ? direction : PageText::DirectionOf(paragraph, Direction));
      // Not absolute: the start of the paragraph's own direction.
      constexpr int flags = Qt::TextWordWrap | Qt::AlignLeft;
      const QRectF room = box.translated(0, height);
      const QString shown = paragraph.isEmpty() ? QStringLiteral(" ") : paragraph;
      QRectF used;
      if (paint && !paragraph.isEmpty())
        Painter.drawText(room, flags, shown, &used);
      else
        used = Painter.boundingRect(room, flags, shown);
      height += used.height();
    }
    return height;
  }

public:
  QPagedPaintDevice& Device;
  QPainter& Painter;
  QString Description;
  Qt::LayoutDirection Direction;
  TTestPrinter::TDecode Decode;
  QString Version;
  QFont Body, Small, Bold, Title, Italic;
  qreal Millimetre = 1;
  qreal Width = 0;
  qreal Bottom = 0;
  qreal Y = 0;
  int Pages = 0;
};

// The hint printed under a question with several correct letters; empty for
// one or none.
QString ChoiceHintText(const PaperVersions::TPaperQuestion& question) {
  if (PaperVersions::ChoiceHint(question).empty()) return {};
  return question.AnyCorrectPasses ? QCoreApplication::translate("TTestPrinter", "choose any that apply")
                                   : QCoreApplication::translate("TTestPrinter", "choose all that apply");
}

// The mark beside the letters of a key with several correct letters.
QString KeyRuleText(bool anyCorrectPasses) {
  return anyCorrectPasses
             //: Beside a key's letters: one of them is enough.
             ? QCoreApplication::translate("TTestPrinter", "any")
             //: Beside a key's letters: every one of them is needed.
             : QCoreApplication::translate("TTestPrinter", "all");
}

QString ShuffleNote(const PaperVersions::TOptions& options) {
  //: The note under an answer key; %3 says what was shuffled ("questions shuffled" and the like).
  return QCoreApplication::translate("TTestPrinter",
                                     "Seed %1, %2 versions, %3; the test's question number in brackets")
      .arg(options.Seed)
      .arg(std::clamp(options.Versions, 1, PaperVersions::MaxVersions))
      .arg(ShuffledText(options.ShuffleQuestions, options.ShuffleAnswers));
}

QString VersionLabel(char letter) {
  return QCoreApplication::translate("TTestPrinter", "Version %1").arg(QLatin1Char(letter));
}

void PrintNameLine(TPageWriter& page) {
  //: The line a student fills in at the top of a test's first page; keep the blanks.
  const QString line = QCoreApplication::translate(
      "TTestPrinter", "Name: ______________________   Date: ____________   Class: ____________");
  page.Y += page.DrawText(page.Body, 0, page.Y, page.Width, line) + page.Mm(5);
}

void PrintQuestion(TPageWriter& page, const PaperVersions::TPaperTest& test,
                   const PaperVersions::TPaperQuestion& question, int number) {
  const QuestionRecord& record = test.Questions[static_cast<std::size_t>(question.Source)];
  const qreal indent = page.Mm(10);
  const qreal width = page.Width - indent;
  QString text = page.Text(record.Question);
  const QString hint = ChoiceHintText(question);
  QImage picture;
  if (const auto file = PaperVersions::FindMediaFile(test.Folder, record.MediaFile)) {
    picture = QImage(FromPath(*file));
    if (!picture.isNull()) {
      const QSizeF room(width, (page.Bottom - page.FirstY()) / 3);
      QSizeF size =
          QSizeF(picture.size()) *
          (page.Millimetre / (picture.dotsPerMeterX() > 0 ? picture.dotsPerMeterX() / 1000.0 : 96 / 25.4));
      if (size.width() > room.width() || size.height() > room.height()) size.scale(room, Qt::KeepAspectRatio);
      picture = picture.scaled(size.toSize(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
  }
  QString link = page.Text(record.HotLink).trimmed();
  if (!link.isEmpty() && !record.HotLinkParameters.empty())
    link += QLatin1Char(' ') + page.Text(record.HotLinkParameters);
  if (!link.isEmpty()) link = QCoreApplication::translate("TTestPrinter", "Link: %1").arg(link);

  const qreal gap = page.Mm(1.5);
  std::vector<std::pair<QString, QString>> answers;
  for (std::size_t i = 0; i < question.Answers.size(); ++i) {
    answers.emplace_back(QStringLiteral("%1.").arg(QChar(u'A' + static_cast<char16_t>(i))),
                         page.Text(record.Answer(question.Answers[i])));
  }
  qreal height = page.TextHeight(page.Body, width, text) + gap;
  if (!hint.isEmpty()) height += page.TextHeight(page.Italic, width, hint) + gap;
  if (!picture.isNull()) height += picture.height() + gap;
  if (!link.isEmpty()) height += page.TextHeight(page.Small, width, link) + gap;
  for (const auto& answer : answers)
    height += page.TextHeight(page.Body, width - indent, answer.second) + gap;
  page.Reserve(height);

  // Numbers and letters read in the test's direction: "1." on a left-to-right page, ".1" on the right of
  // a right-to-left one.
  page.DrawText(page.Bold, 0, page.Y, indent, QStringLiteral("%1.").arg(number), page.Direction);
  page.Y += page.DrawText(page.Body, indent, page.Y, width, text) + gap;
  if (!hint.isEmpty())
    page.Y += page.DrawText(page.Italic, indent, page.Y, width, QStringLiteral("(%1)").arg(hint)) + gap;
  if (!picture.isNull()) {
    page.Painter.drawImage(page.Place(QRectF(QPointF(indent, page.Y), QSizeF(picture.size()))).topLeft(),
                           picture);
    page.Y += picture.height() + gap;
  }
  if (!link.isEmpty()) page.Y += page.DrawText(page.Small, indent, page.Y, width, link) + gap;
  for (const auto& [letter, answer] : answers) {
    page.DrawText(page.Body, indent, page.Y, indent, letter, page.Direction);
    page.Y += page.DrawText(page.Body, 2 * indent, page.Y, width - indent, answer) + gap;
  }
  page.Y += page.Mm(4);
}

// Rows in columns filling each page top to bottom, then left to right.
template <class TCell>
void PrintGrid(TPageWriter& page, int count, int columns, qreal rowHeight, TCell cell) {
  const qreal columnWidth = page.Width / columns;
  int index = 0;
  while (index < count) {
    if (page.Y + rowHeight > page.Bottom) page.NewPage(page.Version);
    const int rows = std::max(1, static_cast<int>((page.Bottom - page.Y) / rowHeight));
    for (int c = 0; c < columns && index < count; ++c) {
      for (int r = 0; r < rows && index < count; ++r, ++index) {
        cell(index, page.Place(QRectF(c * columnWidth, page.Y + r * rowHeight, columnWidth, rowHeight)));
      }
    }
    page.Y = page.Bottom;
  }
}

SheetLayout::TPaper PaperOf(const QPagedPaintDevice& device) {
  return device.pageLayout().pageSize().id() == QPageSize::Letter ? SheetLayout::TPaper::Letter
                                                                  : SheetLayout::TPaper::A4;
}

}  // namespace

SheetLayout::TSheetCode TTestPrinter::RunCode(SheetLayout::TPaper paper) const {
  SheetLayout::TSheetCode run;
  run.Fingerprint = Options.Fingerprint;
  run.Seed = Options.Versions.Seed;
  run.Versions = static_cast<int>(PaperVersionsMade.size());
  run.ShuffleQuestions = Options.Versions.ShuffleQuestions;
  run.ShuffleAnswers = Options.Versions.ShuffleAnswers;
  run.Paper = paper;
  run.StudentDigits = std::clamp(Options.StudentDigits, 0, SheetLayout::MaxStudentDigits);
  return run;
}

int TTestPrinter::SheetsPerVersion() const {
  return std::clamp(Options.SheetsPerVersion, 1, SheetLayout::MaxSheetsPerVersion);
}

std::vector<SheetLayout::TSheetPage> TTestPrinter::Sheets(SheetLayout::TPaper paper) const {
  if (!Options.AnswerSheet) return {};
  return SheetLayout::LayRun(PaperVersionsMade, RunCode(paper), SheetsPerVersion());
}

int TTestPrinter::UnjoinablePages() const {
  // Only a sheet to photocopy needs the number on every page. Letter holds
  // fewer rows: a sheet may need a second page on it alone.
  if (SheetsPerVersion() != 1) return 0;
  for (const SheetLayout::TPaper paper : {SheetLayout::TPaper::A4, SheetLayout::TPaper::Letter})
    if (const int pages = SheetLayout::UnjoinablePages(Sheets(paper)); pages > 0) return pages;
  return 0;
}

std::string TTestPrinter::SheetsRefusal() const {
  return SheetLayout::UnjoinableSentence(UnjoinablePages());
}

SheetLayout::TPaper TTestPrinter::PdfPaper() {
  return QLocale().measurementSystem() == QLocale::ImperialUSSystem ? SheetLayout::TPaper::Letter
                                                                    : SheetLayout::TPaper::A4;
}

TTestPrinter::TTestPrinter(const PaperVersions::TPaperTest& test, const TPrintOptions& options,
                           TDecode decode)
    : Test(test),
      Options(options),
      Decode(decode ? decode : &ToQString),
      PaperVersionsMade(PaperVersions::Make(test.Questions, options.Versions)) {}

QString TTestPrinter::Text(const std::string& stored) const {
  return StoredText(Decode, stored);
}

Qt::LayoutDirection TTestPrinter::Direction() const {
  if (Options.Direction != Qt::LayoutDirectionAuto) return Options.Direction;
  // The direction most of the questions' texts run in.
  int rightToLeft = 0, leftToRight = 0;
  for (const QuestionRecord& question : Test.Questions) {
    const Qt::LayoutDirection direction =
        PageText::DirectionOf(Text(question.Question), Qt::LayoutDirectionAuto);
    rightToLeft += direction == Qt::RightToLeft;
    leftToRight += direction == Qt::LeftToRight;
  }
  if (rightToLeft == 0 && leftToRight == 0)
    return PageText::DirectionOf(Text(Test.Description), Qt::LeftToRight);
  return rightToLeft > leftToRight ? Qt::RightToLeft : Qt::LeftToRight;
}

QStringList TTestPrinter::MissingPictures() const {
  QStringList missing;
  if (!Options.Questions) return missing;
  const TQuietQtLogging quiet;
  for (std::size_t i = 0; i < Test.Questions.size(); ++i) {
    const std::string& stored = Test.Questions[i].MediaFile;
    if (stored.empty() || !MediaPath::IsPicture(stored)) continue;
    const QString name = ToQString(stored);
    const auto file = PaperVersions::FindMediaFile(Test.Folder, stored);
    if (!file) {
      missing << QCoreApplication::translate("TTestPrinter", "question %1: the picture %2 was not found")
                     .arg(i + 1)
                     .arg(name);
      continue;
    }
    QImageReader reader(FromPath(*file));
    if (reader.read().isNull())
      //: %3 is the reason the image reader gives.
      missing << QCoreApplication::translate("TTestPrinter", "question %1: the picture %2 cannot be read: %3")
                     .arg(i + 1)
                     .arg(name, reader.errorString());
  }
  return missing;
}

int TTestPrinter::Print(QPagedPaintDevice& device) const {
  const TQuietQtLogging quiet;
  QPainter painter;
  if (!painter.begin(&device)) return 0;
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  TPageWriter page(device, painter, Text(Test.Description), Direction(), Decode);
  const QString beginMessage = JoinLines(Decode, Test.BeginMessage);
  for (const PaperVersions::TVersion& version : PaperVersionsMade) {
    const QString label = VersionLabel(version.Letter);
    if (Options.Questions || Options.Header || (Options.BeginMessage && !beginMessage.isEmpty())) {
      page.NewPage(label);
      if (Options.Header) PrintNameLine(page);
      if (Options.BeginMessage && !beginMessage.isEmpty())
        page.Y += page.DrawText(page.Body, 0, page.Y, page.Width, beginMessage) + page.Mm(6);
      if (Options.Questions) {
        for (std::size_t i = 0; i < version.Questions.size(); ++i)
          PrintQuestion(page, Test, version.Questions[i], static_cast<int>(i) + 1);
      }
    }
    if (Options.AnswerSheet) {
      const QPointF margin = device.pageLayout().paintRect(QPageLayout::Point).topLeft();
      // Laid out a sheet at a time: a run of many sheets is never all in memory.
      const SheetLayout::TSheetCode run = RunCode(PaperOf(device));
      const int index = static_cast<int>(&version - PaperVersionsMade.data());
      for (int copy = 0; copy < SheetsPerVersion(); ++copy)
        for (const SheetLayout::TSheetPage& sheet :
             SheetLayout::LayVersion(version, SheetLayout::SheetOf(run, index, copy, SheetsPerVersion()))) {
          page.BlankPage();
          SheetPrinter::PaintPageAt(painter, sheet, page.Description, margin, device.logicalDpiX() / 72.0);
        }
    }
  }
  if (Options.AnswerKeys) {
    for (const PaperVersions::TVersion& version : PaperVersionsMade) {
      page.NewPage(VersionLabel(version.Letter));
      page.Y += page.DrawText(page.Title, 0, page.Y, page.Width,
                              QCoreApplication::translate("TTestPrinter", "Answer key, version %1")
                                  .arg(QLatin1Char(version.Letter))) +
                page.Mm(1);
      page.Y += page.DrawText(page.Small, 0, page.Y, page.Width, ShuffleNote(Options.Versions)) + page.Mm(1);
      if (std::any_of(version.Questions.begin(), version.Questions.end(),
                      [](const auto& q) { return !PaperVersions::KeyRuleMark(q).empty(); }))
        page.Y +=
            page.DrawText(page.Small, 0, page.Y, page.Width,
                          //: The legend of the marks beside a key's letters: %1 is the mark "all", %2 "any".
                          QCoreApplication::translate("TTestPrinter",
                                                      "%1: every one of the letters, and no other; %2: "
                                                      "one of them is enough, with no wrong letter")
                              .arg(KeyRuleText(false), KeyRuleText(true)));
      page.Y += page.Mm(3);
      PrintGrid(page, static_cast<int>(version.Questions.size()), 4, page.Mm(6),
                [&](int i, const QRectF& cell) {
                  const PaperVersions::TPaperQuestion& q = version.Questions[static_cast<std::size_t>(i)];
                  QString key = q.Key ? QString::fromLatin1(Scoring::LetterText(q.Key)) : QStringLiteral("-");
                  if (!PaperVersions::KeyRuleMark(q).empty())
                    key += QLatin1Char(' ') + KeyRuleText(q.AnyCorrectPasses);
                  painter.setFont(page.Body);
                  page.DrawLine(cell, page.Start() | Qt::AlignVCenter,
                                QStringLiteral("%1. %2  (%3)").arg(i + 1).arg(key).arg(q.Source + 1));
                });
    }
  }
  if (page.Pages == 0) page.NewPage(VersionLabel('A'));
  painter.end();
  return page.Pages;
}

int TTestPrinter::WritePdf(const QString& path) const {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  int pages = 0;
  {
    QPdfWriter writer(&buffer);
    writer.setResolution(300);
    writer.setTitle(Text(Test.Description));
    writer.setCreator(QStringLiteral("Quizwell Maker"));
    const bool letter = PdfPaper() == SheetLayout::TPaper::Letter;
    writer.setPageLayout(QPageLayout(QPageSize(letter ? QPageSize::Letter : QPageSize::A4),
                                     QPageLayout::Portrait, QMarginsF(18, 15, 18, 15),
                                     QPageLayout::Millimeter));
    pages = Print(writer);
  }
  if (pages == 0) return 0;
  QByteArray pdf = buffer.buffer();
  PageText::MendTextMaps(pdf);
  ReplaceFileAtomically(ToPath(path),
                        std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())));
  return pages;
}
