#include <QRegularExpression>
#include <map>
#include <set>

#include "PaperFixture.h"
#include "support/PseudoLanguage.h"

namespace {

const QRegularExpression ItemLine(QStringLiteral("^\\s*(\\d+)\\.\\s+Item-(\\d\\d)"),
                                  QRegularExpression::MultilineOption);
const QRegularExpression AnswerLine(QStringLiteral("^\\s*([A-F])\\.\\s+ans-(\\d\\d)-([A-F])"),
                                    QRegularExpression::MultilineOption);
const QRegularExpression KeyEntry(QStringLiteral("(\\d+)\\. ([A-F]+|-)(?: (all|any))?\\s+\\((\\d+)\\)"));

bool OfVersion(const QString& page, char letter) {
  return page.contains(QStringLiteral("Version %1").arg(QLatin1Char(letter)));
}

}  // namespace

TEST_F(PaperFixture, EveryVersionHoldsEveryQuestionOnceAndItsKeyMapsBackToTheStoredLetters) {
  const auto test = WriteTest(25);
  TPrintOptions options;
  options.Versions = {3, 4242, true, true};
  options.AnswerKeys = true;
  const QStringList pages = Pages(Pdf(test, options));
  for (char version : {'A', 'B', 'C'}) {
    std::multiset<int> items;
    std::map<std::pair<int, QChar>, QChar> stored;  // printed number and letter -> stored letter
    std::map<int, QString> keys;
    std::map<int, int> keyedSources;
    for (const QString& page : pages) {
      if (!OfVersion(page, version)) continue;
      EXPECT_TRUE(page.contains(QStringLiteral("Paper café test"))) << page.toStdString();
      if (page.contains(QStringLiteral("Answer key"))) {
        for (const auto& m : KeyEntry.globalMatch(page)) {
          keys[m.captured(1).toInt()] = m.captured(2);
          keyedSources[m.captured(1).toInt()] = m.captured(4).toInt();
          // Several letters carry their rule; one letter none.
          const QuestionRecord record = Record(m.captured(4).toInt());
          EXPECT_EQ(m.captured(3), m.captured(2).size() < 2  ? QString()
                                   : record.AnyCorrectPasses ? QStringLiteral("any")
                                                             : QStringLiteral("all"))
              << m.captured(0).toStdString();
        }
        continue;
      }
      int printed = 0;
      for (const QString& line : page.split(QLatin1Char('\n'))) {
        if (const auto m = ItemLine.match(line); m.hasMatch()) {
          printed = m.captured(1).toInt();
          items.insert(m.captured(2).toInt());
          EXPECT_TRUE(line.contains(QStringLiteral("café question")));
        } else if (const auto a = AnswerLine.match(line); a.hasMatch()) {
          stored[{printed, a.captured(1)[0]}] = a.captured(3)[0];
        }
      }
    }
    std::multiset<int> all;
    for (int n = 1; n <= 25; ++n) all.insert(n);
    EXPECT_EQ(items, all) << version;
    ASSERT_EQ(keys.size(), 25u) << version;
    for (const auto& [printed, key] : keys) {
      QString back;
      for (QChar letter : key) back += stored.at({printed, letter});
      std::sort(back.begin(), back.end());
      const int source = keyedSources.at(printed);
      EXPECT_EQ(back.toStdString(), Record(source).Correct) << version << " question " << printed;
    }
  }
}

TEST_F(PaperFixture, TheSameSeedPrintsTheSameTextAndAnotherSeedAnotherOrder) {
  const auto test = WriteTest(12);
  TPrintOptions options;
  options.Versions = {2, 7, true, true};
  const QStringList first = Pages(Pdf(test, options, "one.pdf"));
  EXPECT_EQ(Pages(Pdf(test, options, "two.pdf")), first);
  options.Versions.Seed = 8;
  EXPECT_NE(Pages(Pdf(test, options, "three.pdf")), first);
  options.Versions.ShuffleQuestions = options.Versions.ShuffleAnswers = false;
  const QString plain = Pages(Pdf(test, options, "plain.pdf")).join(QString());
  EXPECT_LT(plain.indexOf(QStringLiteral("Item-01")), plain.indexOf(QStringLiteral("Item-02")));
  EXPECT_EQ(plain.count(QStringLiteral("ans-02-C")), 0);                     // empty answers are left out
  EXPECT_EQ(plain.count(QStringLiteral("(choose all that apply)")), 2 * 2);  // 3 and 9
  EXPECT_EQ(plain.count(QStringLiteral("(choose any that apply)")), 2 * 2);  // 6 and 12
  EXPECT_EQ(plain.count(QStringLiteral("Link: http://example.org/x")), 2);
}

TEST_F(PaperFixture, SheetsAndKeysTakeTheirOwnPagesAndPicturesArePrinted) {
  const auto test = WriteTest(3);
  TPrintOptions options;
  options.Versions = {2, 1, false, true};
  options.AnswerSheet = options.AnswerKeys = true;
  const QString pdf = Pdf(test, options);
  EXPECT_EQ(PageCount(pdf), 6);  // per version a page of questions and a sheet; two keys
  const QStringList pages = Pages(pdf);
  ASSERT_EQ(pages.size(), 6);
  EXPECT_TRUE(pages[1].contains(QStringLiteral("Answer sheet, page 1 of 1")));
  EXPECT_TRUE(pages[5].contains(QStringLiteral("Answer key, version B")));
  // Sheets carry their own page numbers; the other pages count through.
  for (int i : {0, 2, 4, 5}) EXPECT_TRUE(pages[i].contains(QStringLiteral("Page %1").arg(i + 1)));
  const QStringList images = Run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf})
                                 .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  EXPECT_EQ(images.size(), 2 + 2);  // two header lines, the picture once per version

  // A long test runs over pages without splitting a question.
  options.AnswerSheet = options.AnswerKeys = false;
  const QStringList longPages = Pages(Pdf(WriteTest(60), options, "long.pdf"));
  EXPECT_GT(longPages.size(), 4);
  for (const QString& page : longPages) {
    const QStringList lines = page.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_GT(lines.size(), 1);
    // A question's last answer and its next question's text are on one page.
    EXPECT_FALSE(lines[1].trimmed().startsWith(QStringLiteral("A.")) ||
                 lines[1].trimmed().startsWith(QStringLiteral("B.")))
        << page.toStdString();
  }
}

// The key in the test's order, as a hand-marker reads it: the rule beside
// each line of several letters, and what the rule means.
TEST_F(PaperFixture, TheKeyMarksTheRuleOfEachLineOfSeveralLetters) {
  const auto test = WriteTest(6);
  TPrintOptions options;
  options.Questions = false;
  options.AnswerKeys = true;
  const QString key = Pages(Pdf(test, options)).last().simplified();
  for (const char* line : {"1. C (1)", "2. B (2)", "3. AD all (3)", "4. B (4)", "5. C (5)", "6. AC any (6)"})
    EXPECT_TRUE(key.contains(QLatin1String(line))) << line << " in " << key.toStdString();
  EXPECT_TRUE(key.contains(QStringLiteral(
      "all: every one of the letters, and no other; any: one of them is enough, with no wrong letter")));
}

TEST_F(PaperFixture, HintsKeyMarksAndTheirLegendAreInTheInterfacesLanguage) {
  const auto test = WriteTest(6);
  const TPseudoLanguage language;
  TPrintOptions options;
  options.AnswerKeys = true;
  const QString pages = Pages(Pdf(test, options)).join(QLatin1Char(' ')).simplified();
  for (const char* text :
       {"(\u00ABchoose all that apply\u00BB)", "(\u00ABchoose any that apply\u00BB)",
        "3. AD \u00ABall\u00BB (3)", "6. AC \u00ABany\u00BB (6)",
        "\u00AB\u00ABall\u00BB: every one of the letters, and no other; \u00ABany\u00BB: one"})
    EXPECT_TRUE(pages.contains(QString::fromUtf8(text))) << text;
}

// A picture that does not print is named, and Qt's own logging about it stays out of the output.
TEST_F(PaperFixture, AnUnreadablePictureIsNamedWithoutQtsLogging) {
  auto test = WriteTest(3);
  TPrintOptions options;
  // A picture cut short, as a failed copy leaves it: Qt's reader logs about it.
  QImage picture(64, 64, QImage::Format_RGB32);
  picture.fill(Qt::red);
  const QString half = QString::fromStdString(Dir.File("media/half.jpg"));
  ASSERT_TRUE(picture.save(half, "JPG"));
  WriteBytes(Dir.File("media/half.jpg"), ReadBytes(Dir.File("media/half.jpg")).substr(0, 300));
  test.Questions[0].MediaFile = "\\MEDIA\\HALF.JPG";
  static QStringList logged;
  logged.clear();
  const QtMessageHandler previous =
      qInstallMessageHandler([](QtMsgType, const QMessageLogContext& context, const QString& message) {
        logged << QString::fromLatin1(context.category) + QStringLiteral(": ") + message;
      });
  const QStringList missing = TTestPrinter(test, options).MissingPictures();
  Pdf(test, options);
  qInstallMessageHandler(previous);
  ASSERT_EQ(missing.size(), 1);
  EXPECT_TRUE(
      missing[0].startsWith(QStringLiteral("question 1: the picture \\MEDIA\\HALF.JPG cannot be read: ")));
  EXPECT_TRUE(logged.isEmpty()) << logged.join(QLatin1Char('\n')).toStdString();
  options.Questions = false;
  EXPECT_TRUE(TTestPrinter(test, options).MissingPictures().isEmpty()) << "no question, no picture";
}
