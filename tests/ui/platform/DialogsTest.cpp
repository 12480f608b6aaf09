#include <gtest/gtest.h>

#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <filesystem>
#include <fstream>

#include "support/TempDir.h"
#include "support/UiKit.h"
#include "ui/platform/Dialogs.h"

namespace {

struct TDefaultCase {
  TMessageKind Kind;
  TButton OnEnter;
};

class MessageDefaultTest : public ::testing::TestWithParam<TDefaultCase> {};

// The text is shown as typed, its line breaks of either spelling as lines.
TEST_P(MessageDefaultTest, EnterPressesTheDefaultButton) {
  TQtDialogs dialogs;
  const auto answer = OnModal<QMessageBox>([](QMessageBox& box) {
    EXPECT_EQ(box.textFormat(), Qt::PlainText);
    EXPECT_EQ(box.text(), QStringLiteral("<b>Go on?</b>\nNext\nLast\n"));
    QTest::keyClick(&box, Qt::Key_Return);
  });
  EXPECT_EQ(dialogs.Message(GetParam().Kind, QStringLiteral("<b>Go on?</b>\rNext\r\nLast\n")),
            GetParam().OnEnter);
}

INSTANTIATE_TEST_SUITE_P(Kinds, MessageDefaultTest,
                         ::testing::Values(TDefaultCase{TMessageKind::Information, TButton::Ok},
                                           TDefaultCase{TMessageKind::Error, TButton::Ok},
                                           TDefaultCase{TMessageKind::Plain, TButton::Ok},
                                           TDefaultCase{TMessageKind::Confirmation, TButton::Yes},
                                           TDefaultCase{TMessageKind::RiskyConfirmation, TButton::No},
                                           TDefaultCase{TMessageKind::UnsavedChanges, TButton::Yes}));

TEST(MessageAnswerTest, TheButtonClickedIsTheAnswer) {
  TQtDialogs dialogs;
  const std::tuple<TMessageKind, QMessageBox::StandardButton, TButton> cases[] = {
      {TMessageKind::Confirmation, QMessageBox::No, TButton::No},
      {TMessageKind::RiskyConfirmation, QMessageBox::Yes, TButton::Yes},
      {TMessageKind::UnsavedChanges, QMessageBox::Discard, TButton::No},
      {TMessageKind::UnsavedChanges, QMessageBox::Cancel, TButton::Cancel}};
  for (const auto& [kind, clicked, answer] : cases) {
    const auto box = AnswerMessage(clicked);
    EXPECT_EQ(dialogs.Message(kind, QStringLiteral("Sure?")), answer);
  }
}

// A box asked from another window than the main one belongs to it, so that
// closing it leaves that window in front.
TEST(MessageAnswerTest, ABoxBelongsToTheWindowItIsAskedFrom) {
  QWidget main;
  TQtDialogs dialogs(&main);
  main.show();
  QWidget other(&main, Qt::Window);
  other.show();
  other.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  const auto box = OnModal<QMessageBox>([&other](QMessageBox& shown) {
    EXPECT_EQ(shown.parentWidget(), &other);
    shown.accept();
  });
  dialogs.Inform(QStringLiteral("Done."));
}

TEST(QtFilterTest, SystemFiltersBecomeQtFiltersMatchingEitherCase) {
  EXPECT_EQ(QtFilter(QStringLiteral("Quizwell Files|*.QWT|All Files|*.*")),
            QStringLiteral("Quizwell Files (*.QWT *.qwt);;All Files (*)"));
  EXPECT_EQ(QtFilter(QStringLiteral("Pictures|*.bmp;*.Jpg")),
            QStringLiteral("Pictures (*.bmp *.BMP *.Jpg *.jpg *.JPG)"));
  // A name that shows its patterns shows them once.
  EXPECT_EQ(QtFilter(QStringLiteral("GIFT Files (*.gift)|*.gift|Bitmap Files (BMP)|*.BMP")),
            QStringLiteral("GIFT Files (*.gift *.GIFT);;Bitmap Files (BMP) (*.BMP *.bmp)"));
  EXPECT_EQ(FilterExtension(QStringLiteral("GIFT Files (*.gift *.GIFT)")), QStringLiteral("gift"));
  EXPECT_EQ(FilterExtension(QStringLiteral("All Files (*)")), QString());
}

// A link is taken as picked even when what it names is gone.
TEST(DefaultExtensionTest, ALinkToNothingKeepsItsName) {
  TTempDir dir;
  std::filesystem::create_symlink(dir.File("gone"), dir.File("link"));
  const QString link = QString::fromStdString(dir.File("link"));
  EXPECT_EQ(WithDefaultExtension(link, QStringLiteral("QWT")), link);
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
    const auto answer = OnModal<QFileDialog>([this](QFileDialog& dialog) {
      EXPECT_EQ(dialog.nameFilters(), (QStringList{"Quizwell Files (*.QWT *.qwt)", "All Files (*)"}));
      dialog.setDirectory(QString::fromStdString(Dir.Path().string()));
      Child<QLineEdit>(dialog, "fileNameEdit")->setText(QString::fromLatin1(GetParam().Typed));
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

// A save dialog starts in the working folder, and a bare name takes the
// extension of the kind of file chosen, not the first kind nor DefaultExt.
TEST(SaveDialogTest, StartsInTheWorkingFolderAndABareNameTakesTheChosenFiltersExtension) {
  TTempDir dir;
  const QString folder = QString::fromStdString(dir.Path().string());
  const auto answer = OnModal<QFileDialog>([&](QFileDialog& dialog) {
    EXPECT_EQ(dialog.directory().absolutePath(), folder);
    dialog.selectNameFilter(QStringLiteral("Aiken Files (*.txt *.TXT)"));
    Child<QLineEdit>(dialog, "fileNameEdit")->setText(QStringLiteral("quiz"));
    static_cast<QDialog&>(dialog).accept();
  });
  TQtDialogs dialogs;
  dialogs.SetStartFolder(folder);
  const std::optional<QString> chosen =
      dialogs.SaveFile({QStringLiteral("Export"),
                        QStringLiteral("GIFT Files (*.gift)|*.gift|Aiken Files (*.txt)|*.txt|All Files|*.*"),
                        QStringLiteral("csv"), QString()});
  EXPECT_EQ(chosen.value_or(QString()), folder + QStringLiteral("/quiz.txt"));
}

}  // namespace
