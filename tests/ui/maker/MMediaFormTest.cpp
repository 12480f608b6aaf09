#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <filesystem>

#include "ui/maker/EditorFixture.h"
#include "ui/maker/MMediaForm.h"

namespace {

const QString Warning = QStringLiteral(
    "Media file should contain a valid extension of... \rAVI\rBMP\rRTF\rTXT\rWAV\ror a FACTVAULT query.\r\r"
    "If not, then an attempt to launch the file will be made.");

class MMediaFormTest : public EditorFixture {
protected:
  // The dialog shown and active, with the keyboard in its text box.
  TMMediaForm& ShowDialog(const QString& text) {
    Form = std::make_unique<TMMediaForm>(Globals);
    Form->SetText(text);
    Form->show();
    EXPECT_TRUE(Activate(*Form));
    Edit1()->setFocus();
    return *Form;
  }
  QLineEdit* Edit1() { return Child<QLineEdit>(*Form, "Edit1"); }

  // The media holder as the editor shows question 1, and whether it is stored
  // for the internal viewer.
  std::pair<QString, bool> Media() {
    return {Child<QLabel>(*Editor, "MMediaLabel")->text(), ShownInternalViewer()};
  }

  std::unique_ptr<TMMediaForm> Form;
};

TEST_F(MMediaFormTest, HelpShowsTheMediaTopic) {
  ShowDialog(QString());
  Click(*Form, "Button3");
  PressF1(Edit1());
  EXPECT_EQ(Help.Calls, (std::vector<int>{102, 102}));
}

TEST_F(MMediaFormTest, LeavingTheBoxWarnsAboutLaunchedFilesOnly) {
  ShowDialog(QStringLiteral("FACTVAULT:printer drivers"));
  QTest::keyClick(Edit1(), Qt::Key_Tab);
  QCoreApplication::processEvents();  // a warning would come from the event loop; none may
  EXPECT_TRUE(Dialogs.Messages.empty());

  for (const QString& text : {QStringLiteral("notes.doc"), QStringLiteral("CALC.EXE")}) {
    Edit1()->setText(text);
    Edit1()->setFocus();
    Dialogs.ExpectMessage(TMessageKind::Information, Warning);
    QTest::keyClick(Edit1(), Qt::Key_Tab);
    EXPECT_TRUE(WaitUntil([this] { return Dialogs.AllUsed(); }));
    EXPECT_EQ(Form->Text(), text);
  }
}

TEST_F(MMediaFormTest, ApplyWarnsOnceAndStillApplies) {
  ShowDialog(QStringLiteral("notes.doc"));
  Dialogs.ExpectMessage(TMessageKind::Information, Warning);
  Click(*Form, "Button1");
  EXPECT_EQ(Form->result(), QDialog::Accepted);
  EXPECT_EQ(Form->Text(), "notes.doc");
  QCoreApplication::processEvents();
  EXPECT_EQ(Dialogs.Messages.size(), 1u);
}

TEST_F(MMediaFormTest, BrowseStoresTheNameInTheEnginesForm) {
  ShowDialog(QStringLiteral("before.wav"));
  const QString inside = Globals.ProgramFolder + QStringLiteral("/MEDIA/SOUND.WAV");
  const std::vector<std::pair<QString, QString>> cases = {
      {QStringLiteral("D:\\X\\CLIP.AVI"), QStringLiteral("\\X\\CLIP.AVI")},
      {inside, QStringLiteral("\\MEDIA\\SOUND.WAV")},
      {QStringLiteral("/srv/media/clip.avi"), QStringLiteral("/srv/media/clip.avi")}};
  for (const auto& [chosen, stored] : cases) {
    Dialogs.ExpectOpen(chosen);
    Click(*Form, "Button4");
    EXPECT_EQ(Form->Text(), stored) << chosen.toStdString();
  }
  Dialogs.ExpectOpen(std::nullopt);
  Click(*Form, "Button4");
  EXPECT_EQ(Form->Text(), "/srv/media/clip.avi");
  EXPECT_TRUE(Dialogs.Files.back().Options.Filter.isEmpty());
  EXPECT_TRUE(Dialogs.Files.back().Options.Title.isEmpty());
}

TEST_F(MMediaFormTest, MediaOfAQuestionWithoutOneGetsTheInternalViewer) {
  const std::string path = WriteTest(Questions(2));
  OpenEditor(path);
  const auto answer = OnModal<TMMediaForm>([](TMMediaForm& form) {
    EXPECT_TRUE(form.Text().isEmpty());
    EXPECT_TRUE(form.InternalViewer());
    Click(form, "Button1");
  });
  Click(*Editor, "BitBtn2");
  EXPECT_EQ(Media(), (std::pair<QString, bool>{QString(), true}));
  Click(*Editor, "NextButton");
  EXPECT_TRUE(Set->Slot(1).MMediaInternal);
}

TEST_F(MMediaFormTest, ClearingTheMediaKeepsAFalseFlag) {
  QuestionRecord first = Question("1");
  first.MediaFile = "clip.avi";
  first.MMediaInternal = false;
  OpenEditor(WriteTest({first}));
  const auto answer = OnModal<TMMediaForm>([](TMMediaForm& form) {
    EXPECT_EQ(form.Text(), "clip.avi");
    EXPECT_FALSE(form.InternalViewer());
    form.SetText(QString());
    Click(form, "Button1");
  });
  Click(*Editor, "BitBtn2");
  EXPECT_EQ(Media(), (std::pair<QString, bool>{QString(), false}));
}

TEST_F(MMediaFormTest, CancelLeavesBothHoldersAsTheyWere) {
  QuestionRecord first = Question("1");
  first.MediaFile = "\\MEDIA\\SOUND.WAV";
  first.MMediaInternal = true;
  first.HotLink = "http://example.org";
  OpenEditor(WriteTest({first}));
  for (const char* button : {"BitBtn1", "BitBtn2"}) {
    const auto answer = OnModal<TMMediaForm>([](TMMediaForm& form) {
      form.SetText(QStringLiteral("changed.wav"));
      form.SetInternalViewer(false);
      Click(form, "Button2");
    });
    Click(*Editor, button);
  }
  EXPECT_EQ(Media(), (std::pair<QString, bool>{QStringLiteral("\\MEDIA\\SOUND.WAV"), true}));
  EXPECT_EQ(Child<QLabel>(*Editor, "HotLinkLabel")->text(), "http://example.org");
}

TEST_F(MMediaFormTest, HotLinkIsEditedInTheSameDialog) {
  const std::string path = WriteTest(Questions(1));
  OpenEditor(path);
  const auto answer = OnModal<TMMediaForm>([this](TMMediaForm& form) {
    EXPECT_TRUE(form.Text().isEmpty());
    form.SetText(QStringLiteral("http://example.org/help"));
    ASSERT_TRUE(Activate(form));
    Child<QLineEdit>(form, "Edit1")->setFocus();
    Dialogs.ExpectMessage(TMessageKind::Information, Warning);
    Click(form, "Button1");
  });
  Click(*Editor, "BitBtn1");
  EXPECT_EQ(Child<QLabel>(*Editor, "HotLinkLabel")->text(), "http://example.org/help");
  EXPECT_EQ(Media(), (std::pair<QString, bool>{QString(), false}));

  Dialogs.ExpectMessage(TMessageKind::Confirmation,
                        QStringLiteral("Changes saved. Would you like to continue editing?"), TButton::Yes);
  Click(*Editor, "SaveButton");
  EXPECT_EQ(Reload(path)->Slot(1).HotLink, "http://example.org/help");
}

}  // namespace
