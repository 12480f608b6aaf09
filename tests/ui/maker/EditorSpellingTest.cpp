#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextLayout>

#include "ui/maker/EditorFixture.h"
#include "ui/maker/Spelling.h"

// Spelling in the question editor, with the system's US English dictionary
// and a config folder of the test's own.
namespace {

class EditorSpellingTest : public EditorFixture {
protected:
  void SetUp() override {
    SavedConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", Dir.Path().string().c_str());
    if (!TSpeller::For(QStringLiteral("en_US")).Available())
      GTEST_SKIP() << "hunspell-en-us is not installed";
  }
  void TearDown() override { qputenv("XDG_CONFIG_HOME", SavedConfig); }

  QPlainTextEdit* Question() { return Child<QPlainTextEdit>(*Editor, "QuestionLabel"); }
  // The words of the question's first line that are underlined, as text.
  QStringList Underlined() {
    const QTextBlock block = Question()->document()->firstBlock();
    QStringList words;
    for (const QTextLayout::FormatRange& range : block.layout()->formats())
      if (range.format.underlineStyle() == QTextCharFormat::SpellCheckUnderline)
        words << block.text().mid(range.start, range.length);
    return words;
  }
  // The question's context menu over the character at position.
  std::unique_ptr<QMenu> MenuAt(int position) {
    QTextCursor cursor(Question()->document());
    cursor.setPosition(position);
    const QPoint point = Question()->cursorRect(cursor).center() + QPoint(2, 0);
    return std::unique_ptr<QMenu>(Editor->SpellingMenu(Question(), point));
  }

  QByteArray SavedConfig;
};

TEST_F(EditorSpellingTest, UnknownWordsAreUnderlinedWithSuggestionsAddAndIgnore) {
  // Words added or ignored stay so for the run: each run of the test takes new ones.
  static char run = 'a';
  const std::string added = std::string("Qwzzle") + run;
  const std::string ignored = std::string("Blorptax") + run++;
  OpenEditor(WriteTest({MakeQuestion("The mitocondria of a cell"), MakeQuestion(added + " and " + ignored)}));
  EXPECT_EQ(Underlined(), QStringList{"mitocondria"});

  auto menu = MenuAt(6);
  QAction* right = nullptr;
  for (QAction* action : menu->actions())
    if (action->objectName().startsWith(QStringLiteral("Suggestion")) && action->text() == "mitochondria")
      right = action;
  ASSERT_NE(right, nullptr) << "no suggestion mitochondria";
  EXPECT_TRUE(menu->actions().contains(Child<QAction>(*Editor, "Undo1"))) << "the editor's history";
  right->trigger();
  EXPECT_EQ(Question()->toPlainText(), "The mitochondria of a cell");
  EXPECT_TRUE(Underlined().isEmpty());
  Trigger(*Editor, "Undo1");
  EXPECT_EQ(Question()->toPlainText(), "The mitocondria of a cell");

  // A word added goes into the word list file; an ignored one does not.
  Click(*Editor, "NextButton");
  EXPECT_EQ(Underlined(), (QStringList{QString::fromStdString(added), QString::fromStdString(ignored)}));
  Child<QAction>(*MenuAt(1), "AddToWordList")->trigger();
  Child<QAction>(*MenuAt(14), "IgnoreWord")->trigger();
  EXPECT_TRUE(Underlined().isEmpty());
  EXPECT_EQ(ReadBytes(TSpeller::WordListPath().toStdString()), added + "\n");
  EXPECT_EQ(MenuAt(1)->findChild<QAction*>(QStringLiteral("AddToWordList")), nullptr);
}

TEST_F(EditorSpellingTest, WholeTestCheckListsEveryUnknownWordAndGoesThroughThem) {
  QuestionRecord second = MakeQuestion("A plain question");
  second.AnswerC = "Teh answer";
  second.Reference = "See chaptre two";
  OpenEditor(WriteTest({MakeQuestion("Nothing wrong here"), second}));
  Trigger(*Editor, "CheckSpelling1");
  EXPECT_EQ(Child<QLabel>(*Editor, "FindStatus")->text(), "2 unknown words");
  EXPECT_EQ(Child<QListWidget>(*Editor, "HitList")->count(), 2);

  Click(*Editor, "FindNextButton");
  EXPECT_EQ(Editor->windowTitle(), "Review - Question 2 of 2");
  EXPECT_EQ(Child<QPlainTextEdit>(*Editor, "AnswerLabelC")->textCursor().selectedText(), "Teh");
  Click(*Editor, "FindNextButton");
  EXPECT_EQ(Child<QLineEdit>(*Editor, "ReferenceText")->selectedText(), "chaptre");
}

TEST_F(EditorSpellingTest, LanguageIsKeptPerTestAndAMissingDictionaryIsToldOnce) {
  qApp->setProperty("quizwellNoDictionaryTold", false);
  const std::string path = WriteTest({MakeQuestion("Zqxwvy")});
  TSpeller::SetLanguageOfTest(FromPath(path), QStringLiteral("xx_XX"));
  const QString told =
      QStringLiteral("No spelling dictionary for xx_XX is installed, so spelling is not checked.");
  Dialogs.ExpectMessage(TMessageKind::Information, told);
  OpenEditor(path);
  EXPECT_TRUE(Underlined().isEmpty());
  EXPECT_EQ(Editor->Speller()->Language(), "xx_XX");

  OpenEditor(path);  // told once in a run
  Trigger(*Editor, "Language_en_US");
  EXPECT_EQ(Underlined(), QStringList{"Zqxwvy"});
  EXPECT_EQ(TSpeller::LanguageOfTest(FromPath(path), ""), "en_US");
  EXPECT_EQ(ReadBytes(path).find("en_US"), std::string::npos) << "kept outside the test file";
}

}  // namespace
