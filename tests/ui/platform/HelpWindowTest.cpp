#include <gtest/gtest.h>

#include <QDialog>
#include <QFile>
#include <QListWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QWindow>

#include "support/PseudoLanguage.h"
#include "support/UiKit.h"
#include "ui/platform/HelpWindow.h"

namespace {

class HelpWindow : public ::testing::Test {
protected:
  THelpTopicWindow* Window() const { return Help.Window(); }
  QListWidget* Contents() const { return Child<QListWidget>(*Window(), "ContentsList"); }
  QTextBrowser* Topic() const { return Child<QTextBrowser>(*Window(), "TopicBrowser"); }
  // Texts as std::string, so that a failure shows them.
  std::string Title() const { return Topic()->documentTitle().toStdString(); }
  std::string Entry() const {
    return Contents()->currentItem() ? Contents()->currentItem()->text().toStdString() : std::string();
  }
  void Click(const char* button) { ::Click(*Window(), button); }

  THelpWindow Help;
};

TEST_F(HelpWindow, ShowsTheContentsAndTheTopicOfEachWindowsContext) {
  EXPECT_EQ(Window(), nullptr);  // nothing is made before help is asked for
  Help.ShowContents();
  ASSERT_NE(Window(), nullptr);
  EXPECT_TRUE(Window()->isVisible());
  EXPECT_EQ(Window()->windowTitle(), QStringLiteral("Quizwell Maker Help"));
  EXPECT_EQ(Title(), "Contents");
  EXPECT_EQ(Contents()->currentRow(), 0);

  const std::pair<int, const char*> contexts[] = {{HelpContext::Main, "The main window"},
                                                  {HelpContext::About, "About Quizwell Maker"},
                                                  {HelpContext::MMedia, "Hot links, media files and Jump To"},
                                                  {HelpContext::QA, "Questions and answers"},
                                                  {HelpContext::Settings, "Global test settings"},
                                                  {HelpContext::Classroom, "Classroom"},
                                                  {HelpContext::Scan, "Scanning answer sheets"},
                                                  {999, "Contents"}};
  for (const auto& [context, title] : contexts) {
    SCOPED_TRACE(context);
    Help.ShowContext(context);
    EXPECT_EQ(Title(), title);
    EXPECT_EQ(Entry(), title);
    EXPECT_GT(Topic()->toPlainText().size(), 500);
  }
}

TEST_F(HelpWindow, EveryEntryOfTheContentsOpensItsTopicAndEveryLinkLeadsToATopic) {
  Help.ShowContents();
  int links = 0;
  for (int row = 0; row < Contents()->count(); ++row) {
    Contents()->setCurrentRow(row);
    const std::string entry = Contents()->item(row)->text().toStdString();
    SCOPED_TRACE(entry);
    EXPECT_EQ(Title(), entry);

    const QUrl page = Topic()->source();
    for (QTextBlock block = Topic()->document()->begin(); block.isValid(); block = block.next()) {
      for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
        const QString href = fragment.fragment().charFormat().anchorHref();
        if (href.isEmpty()) continue;
        ++links;
        const QUrl target = page.resolved(QUrl(href));
        EXPECT_EQ(target.scheme(), QStringLiteral("qrc")) << href.toStdString();
        EXPECT_TRUE(QFile::exists(QLatin1Char(':') + target.path())) << href.toStdString();
      }
    }
  }
  EXPECT_GT(links, 30);
}

TEST_F(HelpWindow, BackForwardAndContentsKeepTheListInStep) {
  Help.ShowContext(HelpContext::Main);
  Contents()->setCurrentRow(5);
  const std::string fifth = Title();
  Click("BackButton");
  EXPECT_EQ(Title(), "The main window");
  EXPECT_EQ(Entry(), Title());
  Click("ForwardButton");
  EXPECT_EQ(Title(), fifth);
  EXPECT_EQ(Entry(), Title());
  Click("ContentsButton");
  EXPECT_EQ(Contents()->currentRow(), 0);
  EXPECT_EQ(Title(), "Contents");
}

TEST_F(HelpWindow, QuitAndEscCloseTheWindowAndALaterRequestShowsItAgain) {
  Help.Quit();  // nothing open: nothing to do
  Help.ShowContext(HelpContext::QA);
  Help.Quit();
  EXPECT_FALSE(Window()->isVisible());
  Help.ShowContext(HelpContext::Settings);
  EXPECT_TRUE(Window()->isVisible());
  EXPECT_EQ(Title(), "Global test settings");
  ASSERT_TRUE(QTest::qWaitForWindowActive(Window()));
  QTest::keyClick(Contents(), Qt::Key_Escape);
  EXPECT_FALSE(Window()->isVisible());
}

// A dialog shown with exec() blocks every other window of the program; help
// asked for from it, or open when it came up, must still take keys and clicks.
TEST_F(HelpWindow, StaysUsableWhileAModalDialogIsOpen) {
  Help.ShowContext(HelpContext::Main);
  const auto answer = OnModal<QDialog>([this](QDialog& dialog) {
    // Open before the dialog: the arrow keys still move through the contents.
    Contents()->setFocus();
    const int row = Contents()->currentRow();
    QTest::keyClick(Window()->windowHandle(), Qt::Key_Down);
    EXPECT_EQ(Contents()->currentRow(), row + 1);

    // Asked for from the dialog.
    Help.ShowContext(HelpContext::QA);
    EXPECT_EQ(Title(), "Questions and answers");
    QTest::keyClick(Window()->windowHandle(), Qt::Key_Down);
    EXPECT_EQ(Title(), "Hot links, media files and Jump To");
    dialog.reject();
  });
  QDialog().exec();
  EXPECT_TRUE(Window()->isVisible());
}

}  // namespace

TEST(StudentHelp, ShowsTheStudentsTopicAloneWhateverIsAskedFor) {
  THelpWindow help(THelpAudience::Student);
  help.ShowContext(HelpContext::Settings);
  EXPECT_EQ(Child<QTextBrowser>(*help.Window(), "TopicBrowser")->documentTitle(), "Help for students");
  EXPECT_EQ(Child<QListWidget>(*help.Window(), "ContentsList")->count(), 1);
}

TEST_F(HelpWindow, TheContentsAndButtonsAreInTheInterfacesLanguage) {
  const TPseudoLanguage language;
  Help.ShowContents();
  EXPECT_EQ(UntranslatedTexts(*Window()), QStringList());
  ASSERT_GT(Contents()->count(), 1);
  for (int row = 0; row < Contents()->count(); ++row)
    EXPECT_TRUE(Contents()->item(row)->text().startsWith(u'\u00AB'))
        << Contents()->item(row)->text().toStdString();
  EXPECT_EQ(Window()->windowTitle(), "\u00ABQuizwell Maker Help\u00BB");
}
