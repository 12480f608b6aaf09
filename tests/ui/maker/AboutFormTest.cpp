#include <gtest/gtest.h>

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <functional>

#include "MainFixture.h"
#include "ui/maker/AboutForm.h"

namespace {

class AboutFormTest : public MainFixture {
protected:
  // Chooses Help, About Quizwell Maker and runs inspect on the box it shows.
  void WithAboutBox(const std::function<void(TAboutForm&)>& inspect) {
    const auto answer = OnModal<TAboutForm>(inspect);
    Trigger(Form, "AboutQuizwell1");
  }
};

TEST_F(AboutFormTest, ShowsTheMainWindowsBannerTheVersionLineAndTheLicense) {
  WithAboutBox([&](TAboutForm& about) {
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About Quizwell Maker"));
    EXPECT_TRUE(about.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_FALSE(about.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(about.windowFlags().testFlag(Qt::WindowMinMaxButtonsHint));
    EXPECT_LE((about.geometry().center() - about.screen()->availableGeometry().center()).manhattanLength(),
              2);

    const QLabel* image = Child<QLabel>(about, "Image1");
    EXPECT_FALSE(Form.Banner().isNull());
    EXPECT_EQ(image->pixmap().toImage(), Form.Banner().toImage());

    const QLabel* version = Child<QLabel>(about, "Label3");
    EXPECT_FALSE(version->text().isEmpty());
    EXPECT_TRUE(version->wordWrap());
    EXPECT_TRUE(version->isVisible());

    const QWidget* panel = Child<QWidget>(about, "Panel1");
    EXPECT_EQ(Child<QLabel>(*panel, "Label1")->text(), QStringLiteral("License Agreement"));
    const QPlainTextEdit* license = Child<QPlainTextEdit>(*panel, "Memo1");
    EXPECT_TRUE(license->toPlainText().startsWith(QStringLiteral("QUIZWELL MAKER LICENSE AGREEMENT")));
    EXPECT_EQ(license->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(license->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);

    EXPECT_EQ(Child<QPushButton>(about, "Button1")->text(), QStringLiteral("&Close"));
  });
}

TEST_F(AboutFormTest, CloseAndEscCloseTheBoxAndWhatWasTypedIsDropped) {
  WithAboutBox([&](TAboutForm& about) {
    QPlainTextEdit* license = Child<QPlainTextEdit>(about, "Memo1");
    license->setFocus();
    QTest::keyClicks(license, QStringLiteral("I agree to nothing"));
    EXPECT_TRUE(license->toPlainText().contains(QStringLiteral("I agree to nothing")));
    Click(about, "Button1");
    EXPECT_FALSE(about.isVisible());
  });
  WithAboutBox([&](TAboutForm& about) {
    EXPECT_EQ(Child<QPlainTextEdit>(about, "Memo1")->toPlainText(), TAboutForm::LicenseText());
    QTest::keyClick(&about, Qt::Key_Escape);
    EXPECT_FALSE(about.isVisible());
  });
  EXPECT_TRUE(Help.Calls.empty());
}

TEST_F(AboutFormTest, F1ShowsTheAboutBoxTopic) {
  WithAboutBox([&](TAboutForm& about) {
    about.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&about));
    PressF1(Child<QPlainTextEdit>(about, "Memo1"));
    EXPECT_TRUE(about.isVisible());
  });
  EXPECT_EQ(Help.Calls, std::vector<int>{101});
}

}  // namespace
