#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <fstream>
#include <functional>

#include "support/TempDir.h"
#include "ui/platform/Dialogs.h"

namespace {

// Runs act on the modal window the next call opens, once it is shown.
void WhenModal(std::function<void(QWidget&)> act) {
  QTimer::singleShot(10, [act] {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) return WhenModal(act);
    act(*modal);
  });
}

struct TDefaultCase {
  TMessageKind Kind;
  TButton OnEnter;
};

class MessageDefaultTest : public ::testing::TestWithParam<TDefaultCase> {};

TEST_P(MessageDefaultTest, EnterPressesTheDefaultButton) {
  TQtDialogs dialogs;
  WhenModal([](QWidget& window) {
    EXPECT_EQ(dynamic_cast<QMessageBox&>(window).textFormat(), Qt::PlainText);
    QTest::keyClick(&window, Qt::Key_Return);
  });
  EXPECT_EQ(dialogs.Message(GetParam().Kind, QStringLiteral("<b>Go on?</b>")), GetParam().OnEnter);
}

INSTANTIATE_TEST_SUITE_P(Kinds, MessageDefaultTest,
                         ::testing::Values(TDefaultCase{TMessageKind::Information, TButton::Ok},
                                           TDefaultCase{TMessageKind::Error, TButton::Ok},
                                           TDefaultCase{TMessageKind::Confirmation, TButton::Yes},
                                           TDefaultCase{TMessageKind::RiskyConfirmation, TButton::No}));

TEST(QtFilterTest, SystemFiltersBecomeQtFiltersMatchingEitherCase) {
  EXPECT_EQ(QtFilter(QStringLiteral("Quizwell Files|*.QWT|All Files|*.*")),
            QStringLiteral("Quizwell Files (*.QWT *.qwt);;All Files (*)"));
  EXPECT_EQ(QtFilter(QStringLiteral("Pictures|*.bmp;*.Jpg")),
            QStringLiteral("Pictures (*.bmp *.BMP *.Jpg *.jpg *.JPG)"));
}

struct TPickCase {
  const char* Typed;
  const char* Chosen;
};

// The real file dialog, driven offscreen: the extension is added only to a
// typed name that names no existing file.
class FileDialogTest : public ::testing::TestWithParam<TPickCase> {
protected:
  void SetUp() override {
    for (const char* name : {"notes", "old.QWT"}) std::ofstream(Dir.File(name)) << "x";
  }
  QString Pick(bool save) {
    WhenModal([this](QWidget& window) {
      auto& dialog = dynamic_cast<QFileDialog&>(window);
      EXPECT_EQ(dialog.nameFilters(), (QStringList{"Quizwell Files (*.QWT *.qwt)", "All Files (*)"}));
      dialog.setDirectory(QString::fromStdString(Dir.Path().string()));
      dialog.selectFile(QString::fromLatin1(GetParam().Typed));
      static_cast<QDialog&>(dialog).accept();
    });
    TQtDialogs dialogs;
    const TFileDialogOptions options{QStringLiteral("Pick"),
                                     QStringLiteral("Quizwell Files|*.QWT|All Files|*.*"),
                                     QStringLiteral("QWT"), QString()};
    const std::optional<QString> chosen = save ? dialogs.SaveFile(options) : dialogs.OpenFile(options);
    return chosen.value_or(QString());
  }
  QString Expected() const { return QString::fromStdString(Dir.File(GetParam().Chosen)); }
  TTempDir Dir;
};

TEST_P(FileDialogTest, Open) {
  EXPECT_EQ(Pick(false), Expected());
}
TEST_P(FileDialogTest, Save) {
  EXPECT_EQ(Pick(true), Expected());
}

INSTANTIATE_TEST_SUITE_P(Names, FileDialogTest,
                         ::testing::Values(TPickCase{"notes", "notes"}, TPickCase{"fresh", "fresh.QWT"},
                                           TPickCase{"old.QWT", "old.QWT"},
                                           TPickCase{"text.txt", "text.txt"}));

}  // namespace
