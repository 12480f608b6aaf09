#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <functional>

#include "ui/platform/QtText.h"
#include "ui/maker/AboutForm.h"
#include "ui/maker/MainForm.h"
#include "ui/platform/Version.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

namespace {

class AboutFormTest : public ::testing::Test {
 protected:
  // Chooses Help, About Quizwell Maker and runs inspect on the box once it is
  // shown; a box that inspect leaves open is closed afterwards. False when no
  // box came up.
  bool WithAboutBox(const std::function<void(TAboutForm&)>& inspect) {
    bool shown = false;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
      auto* about = qobject_cast<TAboutForm*>(QApplication::activeModalWidget());
      if (about == nullptr || !about->isVisible()) return;
      poll.stop();
      shown = true;
      inspect(*about);
      if (about->isVisible()) about->reject();
    });
    poll.start();
    QAction* command = Form.findChild<QAction*>(QStringLiteral("AboutQuizwell1"));
    if (command == nullptr || !command->isEnabled()) return false;
    command->trigger();
    return shown;
  }

  template <class T>
  static T* Child(const QWidget& window, const char* name) {
    return window.findChild<T*>(QLatin1String(name));
  }

  TTempDir Dir;
  TScriptedDialogs Dialogs;
  TRecordingHelp Help;
  TRecordingShell Shell;
  TMainForm Form{FromPath(Dir.Path().string()), Dialogs, Help, Shell};
};

TEST_F(AboutFormTest, ShowsTheMainWindowsBannerTheVersionLineAndTheLicense) {
  ASSERT_TRUE(WithAboutBox([&](TAboutForm& about) {
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About Quizwell Maker"));
    EXPECT_EQ(about.size(), QSize(509, 423));
    EXPECT_TRUE(about.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_FALSE(about.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(about.windowFlags().testFlag(Qt::WindowMinMaxButtonsHint));
    EXPECT_LE((about.geometry().center() - about.screen()->availableGeometry().center()).manhattanLength(),
              2);

    const QLabel* image = Child<QLabel>(about, "Image1");
    ASSERT_NE(image, nullptr);
    EXPECT_FALSE(Form.Banner().isNull());
    EXPECT_EQ(image->pixmap().toImage(), Form.Banner().toImage());

    const QLabel* version = Child<QLabel>(about, "Label3");
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(version->text(), QString(VersionText));
    EXPECT_TRUE(version->wordWrap());
    EXPECT_TRUE(version->isVisible());

    const QWidget* panel = Child<QWidget>(about, "Panel1");
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(Child<QLabel>(*panel, "Label1")->text(), QStringLiteral("License Agreement"));
    const QPlainTextEdit* license = Child<QPlainTextEdit>(*panel, "Memo1");
    ASSERT_NE(license, nullptr);
    EXPECT_TRUE(license->toPlainText().startsWith(QStringLiteral("QUIZWELL MAKER LICENSE AGREEMENT")));
    EXPECT_EQ(license->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(license->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);

    EXPECT_EQ(Child<QPushButton>(about, "Button1")->text(), QStringLiteral("&Close"));
  }));
}

TEST_F(AboutFormTest, CloseAndEscCloseTheBoxAndWhatWasTypedIsDropped) {
  ASSERT_TRUE(WithAboutBox([&](TAboutForm& about) {
    QPlainTextEdit* license = Child<QPlainTextEdit>(about, "Memo1");
    license->setFocus();
    QTest::keyClicks(license, QStringLiteral("I agree to nothing"));
    EXPECT_TRUE(license->toPlainText().contains(QStringLiteral("I agree to nothing")));
    QTest::mouseClick(Child<QPushButton>(about, "Button1"), Qt::LeftButton);
    EXPECT_FALSE(about.isVisible());
  }));
  ASSERT_TRUE(WithAboutBox([&](TAboutForm& about) {
    EXPECT_EQ(Child<QPlainTextEdit>(about, "Memo1")->toPlainText(), TAboutForm::LicenseText());
    QTest::keyClick(&about, Qt::Key_Escape);
    EXPECT_FALSE(about.isVisible());
  }));
  EXPECT_TRUE(Help.Calls.empty());
}

TEST_F(AboutFormTest, F1ShowsTheAboutBoxTopic) {
  ASSERT_TRUE(WithAboutBox([&](TAboutForm& about) {
    about.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&about));
    QTest::keyClick(Child<QPlainTextEdit>(about, "Memo1"), Qt::Key_F1);
    EXPECT_TRUE(about.isVisible());
  }));
  EXPECT_EQ(Help.Calls, std::vector<int>{101});
}

}  // namespace
