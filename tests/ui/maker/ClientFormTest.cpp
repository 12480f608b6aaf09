#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QCheckBox>
#include <QDir>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <memory>

#include "MakerFixture.h"
#include "core/model/ClientConfig.h"
#include "core/model/QuestionSet.h"
#include "core/storage/ZarnEncryption.h"
#include "ui/maker/ClientForm.h"
#include "ui/maker/MainForm.h"
#include "ui/platform/Globals.h"
#include "ui/platform/QtText.h"

namespace {

const QColor Silver(0xC0, 0xC0, 0xC0);

const std::string DefaultFile =
    "[SETTINGS]\r\nLOGO=\r\nCUSTOMABOUT=0\r\nABOUTWHO=\r\nABOUTURL=\r\nFULLSCREEN=0\r\nHISTORY=\r\nONEXIT="
    "\r\n\r\n";

std::string Value(const std::string& bytes, const std::string& key) {
  const std::size_t start = bytes.find("\r\n" + key + "=");
  if (start == std::string::npos) return "<missing>";
  const std::size_t value = start + key.size() + 3;
  return bytes.substr(value, bytes.find("\r\n", value) - value);
}

void WriteBitmap(const QString& path, int width, int height) {
  QImage picture(width, height, QImage::Format_RGB32);
  picture.fill(Qt::darkGreen);
  ASSERT_TRUE(picture.save(path, "BMP"));
}

class ClientFormTest : public FormFixture<TClientForm> {
protected:
  QString CopyQuestion(const QString& name) const {
    return "The engine looks for the logo in its own folder, " + Folder() + ", and will not find " + name +
           " where it is.\rCopy it into that folder?";
  }
  void SetUp() override {
    WorkingFolder = QDir::currentPath();
    QDir::setCurrent(Folder());
  }
  void TearDown() override { QDir::setCurrent(WorkingFolder); }

  std::unique_ptr<TClientForm> Open() {
    auto form = std::make_unique<TClientForm>(Globals);
    form->show();
    Form = form.get();
    return form;
  }

  QLineEdit* Edit(const char* name) const { return Get<QLineEdit>(name); }
  QRadioButton* Radio(const char* name) const { return Get<QRadioButton>(name); }
  QPlainTextEdit* Memo() const { return Get<QPlainTextEdit>("Memo1"); }
  bool Shown(const char* name) const { return !Get<QWidget>(name)->isHidden(); }

  std::string Written() const { return ReadBytes(ConfigFile); }

  std::string ConfigFile = Dir.File("qwtest.cfg");
  QString WorkingFolder;
};

TEST_F(ClientFormTest, FirstOpeningWithoutFileShowsDefaultsAndOkWritesEveryKey) {
  auto form = Open();
  EXPECT_EQ(form->windowTitle(), "Client Configuration");
  EXPECT_EQ(Get<QTabWidget>("PageControl1")->currentWidget()->objectName(), "TabSheet2");
  EXPECT_EQ(Get<QLabel>("Image1")->pixmap().size(), Get<QWidget>("Preview")->size());  // fills the preview

  EXPECT_FALSE(Radio("RadioButton1")->isChecked());
  EXPECT_TRUE(Radio("RadioButton2")->isChecked());
  for (const char* name : {"Label7", "Label8", "Label9", "Edit2", "Edit3", "Memo1"})
    EXPECT_FALSE(Get<QWidget>(name)->isEnabled()) << name;
  for (const char* name : {"Edit2", "Edit3", "Memo1", "Edit4", "Edit5"})
    EXPECT_EQ(Get<QWidget>(name)->palette().color(QPalette::Base), Silver) << name;
  EXPECT_TRUE(Shown("Image1"));
  EXPECT_FALSE(Shown("Image2"));
  EXPECT_FALSE(Shown("LogoError"));
  for (const char* name : {"CheckBox1", "CheckBox2", "CheckBox3"})
    EXPECT_FALSE(Check(name)->isChecked()) << name;
  for (const char* name : {"Edit4", "Edit5", "Label12", "Label14"})
    EXPECT_FALSE(Get<QWidget>(name)->isEnabled()) << name;
  EXPECT_TRUE(Edit("Edit4")->text().isEmpty());
  EXPECT_FALSE(Button("ApplyButton")->isEnabled());
  EXPECT_FALSE(std::filesystem::exists(ConfigFile)) << "opening creates no file";

  Click(Button("Button1"));
  EXPECT_EQ(form->result(), QDialog::Accepted);
  EXPECT_FALSE(form->isVisible());
  EXPECT_EQ(Written(), DefaultFile);
}

TEST_F(ClientFormTest, BrowsedBitmapIsShownAndOnlyItsNameIsStored) {
  std::filesystem::create_directory(Dir.Path() / "pictures");
  const QString bitmap = Folder() + "/pictures/school.bmp";
  WriteBitmap(bitmap, 200, 60);
  {
    auto form = Open();
    Dialogs.ExpectOpen(bitmap);
    Dialogs.ExpectMessage(TMessageKind::Confirmation, CopyQuestion("school.bmp"), TButton::No);
    Click(Button("Button2"));
    ASSERT_EQ(Dialogs.Files.size(), 1u);
    EXPECT_EQ(Dialogs.Files[0].Options.Filter, "Bitmap Files (BMP)|*.BMP");
    EXPECT_EQ(Edit("Edit1")->text(), bitmap);
    EXPECT_TRUE(Shown("Image2"));
    EXPECT_FALSE(Shown("Image1"));
    EXPECT_EQ(Get<QLabel>("Image2")->pixmap().size(), QSize(200, 60));
    EXPECT_TRUE(Button("ApplyButton")->isEnabled());

    Click(Button("ApplyButton"));
    EXPECT_FALSE(Button("ApplyButton")->isEnabled());
    EXPECT_TRUE(form->isVisible()) << "Apply keeps the dialog open";
    EXPECT_EQ(Value(Written(), "LOGO"), "school.bmp");
  }
  {
    auto form = Open();  // no school.bmp in the working folder
    EXPECT_EQ(Edit("Edit1")->text(), "school.bmp");
    EXPECT_TRUE(Shown("Image1"));
    EXPECT_FALSE(Shown("Image2"));
    Click(Button("Button1"));
    EXPECT_EQ(Value(Written(), "LOGO"), "school.bmp") << "a name not found is saved again";
  }
  std::filesystem::copy_file(ToPath(bitmap), Dir.File("school.bmp"));
  auto form = Open();
  EXPECT_TRUE(Shown("Image2"));
  EXPECT_FALSE(Shown("Image1"));
}

// A logo picked elsewhere is copied into the engine's folder once the user
// agrees, and a file of its name there is replaced only when agreed too.
TEST_F(ClientFormTest, ALogoPickedElsewhereIsCopiedInAfterAsking) {
  TTempDir elsewhere;
  const QString bitmap = FromPath(elsewhere.File("crest.bmp"));
  WriteBitmap(bitmap, 40, 30);
  WriteBytes(Dir.File("crest.bmp"), "older");
  auto form = Open();
  for (const TButton replace : {TButton::No, TButton::Yes}) {
    Dialogs.ExpectOpen(bitmap);
    Dialogs.ExpectMessage(TMessageKind::Confirmation, CopyQuestion("crest.bmp"), TButton::Yes);
    Dialogs.ExpectMessage(
        TMessageKind::RiskyConfirmation,
        "A file named crest.bmp is in " + Folder() + " already.\rReplace it with the picture picked?",
        replace);
    Click(Button("Button2"));
    EXPECT_EQ(ReadBytes(Dir.File("crest.bmp")) == "older", replace == TButton::No);
  }
  EXPECT_EQ(Edit("Edit1")->text(), FromPath(Dir.File("crest.bmp")));
  EXPECT_EQ(Get<QLabel>("Image2")->pixmap().size(), QSize(40, 30));
  Dialogs.ExpectOpen(FromPath(Dir.File("crest.bmp")));  // inside the folder, nothing is asked
  Click(Button("Button2"));
  Click(Button("Button1"));
  EXPECT_EQ(Value(Written(), "LOGO"), "crest.bmp");
}

TEST_F(ClientFormTest, EmptyingTheLogoNameBringsBackTheBuiltInLogoAndTypingLoadsNothing) {
  WriteBitmap(Folder() + "/logo.bmp", 50, 50);
  WriteBitmap(Folder() + "/other.bmp", 50, 50);
  WriteBytes(ConfigFile, "[SETTINGS]\r\nLOGO=logo.bmp\r\n");
  auto form = Open();
  ASSERT_TRUE(Shown("Image2"));

  Edit("Edit1")->selectAll();
  QTest::keyClick(Edit("Edit1"), Qt::Key_Backspace);
  EXPECT_TRUE(Shown("Image1"));
  EXPECT_FALSE(Shown("Image2"));
  EXPECT_TRUE(Button("ApplyButton")->isEnabled());

  QTest::keyClicks(Edit("Edit1"), "other.bmp");
  EXPECT_TRUE(Shown("Image1"));
  EXPECT_FALSE(Shown("Image2"));
}

TEST_F(ClientFormTest, UnreadableLogoShowsTheBuiltInLogoWithANoteAndLoadsTheRest) {
  WriteBytes(Dir.File("broken.bmp"), "BM this is no picture");
  WriteBytes(ConfigFile,
             "[SETTINGS]\r\nLOGO=broken.bmp\r\nFULLSCREEN=1\r\nONEXIT=" + Encrypt("bye") + "\r\n");
  auto form = Open();
  EXPECT_EQ(Edit("Edit1")->text(), "broken.bmp");
  EXPECT_TRUE(Shown("Image1"));
  EXPECT_FALSE(Shown("Image2"));
  ASSERT_TRUE(Shown("LogoError"));
  EXPECT_TRUE(Get<QLabel>("LogoError")->text().contains("broken.bmp"));
  EXPECT_TRUE(Check("CheckBox1")->isChecked());
  EXPECT_EQ(Edit("Edit5")->text(), "bye");
  EXPECT_FALSE(Button("ApplyButton")->isEnabled());

  Edit("Edit1")->clear();
  EXPECT_FALSE(Shown("LogoError")) << "the note goes with the name";
}

TEST_F(ClientFormTest, LogoNamingAPipeOrAFolderIsNotRead) {
  ASSERT_EQ(::mkfifo(Dir.File("pipe.bmp").c_str(), 0600), 0);
  std::filesystem::create_directory(Dir.File("folder.bmp"));
  for (const char* name : {"pipe.bmp", "folder.bmp"}) {
    WriteBytes(ConfigFile, std::string("[SETTINGS]\r\nLOGO=") + name + "\r\n");
    auto form = Open();
    EXPECT_EQ(Edit("Edit1")->text(), name);
    EXPECT_TRUE(Shown("Image1")) << name;
    EXPECT_FALSE(Shown("LogoError")) << name;
  }
}

TEST_F(ClientFormTest, StoredPasswordIsShownAndEncipheredAgainOnSave) {
  const TFirstByteSource previous = SetFirstByteSource([] { return 0x11u; });
  const std::string stored = Encrypt("secret");
  SetFirstByteSource([] { return 0x22u; });
  WriteBytes(ConfigFile, "[SETTINGS]\r\nHISTORY=" + stored + "\r\nONEXIT=nonsense\r\n");
  auto form = Open();
  EXPECT_TRUE(Check("CheckBox2")->isChecked());
  EXPECT_TRUE(Edit("Edit4")->isEnabled());
  EXPECT_NE(Edit("Edit4")->palette().color(QPalette::Base), Silver);
  EXPECT_EQ(Edit("Edit4")->text(), "secret");
  EXPECT_EQ(Edit("Edit4")->echoMode(), QLineEdit::Normal);
  EXPECT_TRUE(Check("CheckBox3")->isChecked());
  EXPECT_EQ(Edit("Edit5")->text(), "BAD DECODE");

  Click(Button("Button1"));
  SetFirstByteSource(previous);
  const std::string history = Value(Written(), "HISTORY");
  EXPECT_NE(history, stored) << "enciphered anew";
  EXPECT_EQ(history.substr(0, 2), "22");
  EXPECT_EQ(Decrypt(history), "secret");
  EXPECT_EQ(Decrypt(Value(Written(), "ONEXIT")), "BAD DECODE");
}

TEST_F(ClientFormTest, UncheckingAPasswordEmptiesItAndSavesItEmpty) {
  WriteBytes(ConfigFile, "[SETTINGS]\r\nHISTORY=" + Encrypt("secret") + "\r\n");
  {
    auto form = Open();
    Click(Check("CheckBox2"));
    EXPECT_TRUE(Edit("Edit4")->text().isEmpty());
    EXPECT_FALSE(Edit("Edit4")->isEnabled());
    EXPECT_FALSE(Get<QLabel>("Label12")->isEnabled());
    EXPECT_EQ(Edit("Edit4")->palette().color(QPalette::Base), Silver);

    Click(Check("CheckBox2"));
    EXPECT_TRUE(Edit("Edit4")->text().isEmpty()) << "the old password does not come back";
    EXPECT_TRUE(Edit("Edit4")->isEnabled());
    EXPECT_NE(Edit("Edit4")->palette().color(QPalette::Base), Silver);

    Click(Check("CheckBox2"));
    Click(Button("ApplyButton"));
    EXPECT_EQ(Value(Written(), "HISTORY"), "");
  }
  auto form = Open();
  EXPECT_FALSE(Check("CheckBox2")->isChecked());
  EXPECT_FALSE(Edit("Edit4")->isEnabled());
}

TEST_F(ClientFormTest, CustomAboutFlagFollowsWholeNumbersOnly) {
  WriteBytes(ConfigFile,
             "[SETTINGS]\r\nCUSTOMABOUT=5\r\nABOUTWHO=Physics\r\nABOUTURL=http://x\r\n"
             "[ABOUTMESSAGE]\r\nWelcome\r\n");
  {
    auto form = Open();
    EXPECT_TRUE(Radio("RadioButton1")->isChecked());
    for (const char* name : {"Label7", "Label8", "Label9", "Edit2", "Edit3", "Memo1"})
      EXPECT_TRUE(Get<QWidget>(name)->isEnabled()) << name;
    EXPECT_NE(Edit("Edit3")->palette().color(QPalette::Base), Silver);
    EXPECT_EQ(Edit("Edit3")->text(), "Physics");
    EXPECT_EQ(Edit("Edit2")->text(), "http://x");
    EXPECT_EQ(Memo()->toPlainText(), "Welcome");
    EXPECT_FALSE(Button("ApplyButton")->isEnabled());
    Click(Radio("RadioButton1"));
    EXPECT_FALSE(Button("ApplyButton")->isEnabled()) << "choosing the chosen option is no change";
  }
  WriteBytes(ConfigFile, "[SETTINGS]\r\nCUSTOMABOUT=yes\r\nABOUTWHO=Physics\r\n");
  auto form = Open();
  EXPECT_TRUE(Radio("RadioButton2")->isChecked());
  EXPECT_TRUE(Edit("Edit3")->text().isEmpty());
}

TEST_F(ClientFormTest, UnusedAboutTextsAreNotShownAndOkEmptiesThem) {
  WriteBytes(ConfigFile,
             "[SETTINGS]\r\nCUSTOMABOUT=0\r\nABOUTWHO=Physics\r\nABOUTURL=http://x\r\n"
             "[ABOUTMESSAGE]\r\nWelcome\r\n");
  auto form = Open();
  EXPECT_TRUE(Edit("Edit3")->text().isEmpty());
  EXPECT_TRUE(Memo()->toPlainText().isEmpty());
  Click(Button("Button1"));
  EXPECT_EQ(Written(),
            "[SETTINGS]\r\nCUSTOMABOUT=0\r\nABOUTWHO=\r\nABOUTURL=\r\nLOGO=\r\nFULLSCREEN=0\r\nHISTORY=\r\n"
            "ONEXIT=\r\n\r\n");
}

TEST_F(ClientFormTest, SwitchingTheAboutBoxOffKeepsAndSavesTheTexts) {
  WriteBytes(ConfigFile, "[SETTINGS]\r\nCUSTOMABOUT=1\r\nABOUTWHO=Physics\r\n[ABOUTMESSAGE]\r\nWelcome\r\n");
  auto form = Open();
  Click(Radio("RadioButton2"));
  EXPECT_TRUE(Button("ApplyButton")->isEnabled());
  EXPECT_FALSE(Edit("Edit3")->isEnabled());
  EXPECT_EQ(Edit("Edit3")->palette().color(QPalette::Base), Silver);
  EXPECT_EQ(Edit("Edit3")->text(), "Physics");
  EXPECT_EQ(Memo()->toPlainText(), "Welcome");

  Click(Button("ApplyButton"));
  const std::string bytes = Written();
  EXPECT_EQ(Value(bytes, "CUSTOMABOUT"), "0");
  EXPECT_EQ(Value(bytes, "ABOUTWHO"), "Physics");
  EXPECT_NE(bytes.find("[ABOUTMESSAGE]\r\nWelcome\r\n"), std::string::npos);
}

TEST_F(ClientFormTest, MessageIsStoredAsTheBoxShowsItsLines) {
  {
    auto form = Open();
    Click(Radio("RadioButton1"));
    QTest::keyClicks(Memo(), "First paragraph.");
    QTest::keyClick(Memo(), Qt::Key_Return);
    QTest::keyClick(Memo(), Qt::Key_Return);
    QTest::keyClicks(Memo(), "Second paragraph.");
    QTest::keyClick(Memo(), Qt::Key_Return);
    Click(Button("Button1"));
  }
  EXPECT_NE(Written().find("[ABOUTMESSAGE]\r\nFirst paragraph.\r\n \r\nSecond paragraph.\r\n\r\n"),
            std::string::npos)
      << "an empty line is kept as a blank; the empty last line is not taken";
  auto form = Open();
  EXPECT_EQ(Memo()->toPlainText(), "First paragraph.\n \nSecond paragraph.");
}

TEST_F(ClientFormTest, EnterInAFieldNeitherSavesNorCloses) {
  auto form = Open();
  Click(Check("CheckBox1"));
  QTest::keyClick(Edit("Edit3"), Qt::Key_Return);
  EXPECT_TRUE(form->isVisible());
  EXPECT_FALSE(std::filesystem::exists(ConfigFile));
  PressF1(Edit("Edit3"));
  EXPECT_EQ(Help.Calls, std::vector<int>{HelpContext::Client});
}

TEST_F(ClientFormTest, WrappedLinesAreStoredAsSeparateLines) {
  const QString sentence = QString("Every answer you give is saved as you go along. ").repeated(6).trimmed();
  auto form = Open();
  Click(Radio("RadioButton1"));
  Memo()->setPlainText(sentence);
  Click(Button("ApplyButton"));

  TStrings lines = LoadClientConfig(ConfigFile).AboutMessage;
  ASSERT_GT(lines.size(), 2u);
  std::string joined;
  const QFontMetrics metrics(Memo()->font());
  for (const std::string& line : lines) {
    joined += line;
    EXPECT_LE(metrics.horizontalAdvance(ToQString(line).trimmed()), Memo()->viewport()->width()) << line;
  }
  EXPECT_EQ(joined, sentence.toStdString());
}

TEST_F(ClientFormTest, EscAsksOnlyWhenSomethingChanged) {
  WriteBytes(ConfigFile, DefaultFile);
  {
    auto form = Open();
    QTest::keyClick(Edit("Edit3"), Qt::Key_Escape);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(form->result(), QDialog::Rejected);
  }
  {
    auto form = Open();
    Click(Check("CheckBox1"));
    Dialogs.ExpectMessage(TMessageKind::Confirmation, "Save changes?", TButton::No);
    QTest::keyClick(form.get(), Qt::Key_Escape);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(Written(), DefaultFile);
  }
  {
    auto form = Open();
    Click(Check("CheckBox1"));
    Dialogs.ExpectMessage(TMessageKind::Confirmation, "Save changes?", TButton::Yes);
    Click(Button("Button3"));
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(Value(Written(), "FULLSCREEN"), "1");
  }
}

TEST_F(ClientFormTest, TheCloseBoxAsksAsCancelDoes) {
  auto form = Open();
  Click(Check("CheckBox1"));
  Dialogs.ExpectMessage(TMessageKind::Confirmation, "Save changes?", TButton::Yes);
  form->close();
  EXPECT_FALSE(form->isVisible());
  EXPECT_EQ(Value(Written(), "FULLSCREEN"), "1");
}

TEST_F(ClientFormTest, UpperCaseFileIsReadAndWrittenInPlace) {
  const std::string upper = Dir.File("QWTEST.CFG");
  WriteBytes(upper, "[SETTINGS]\r\nFULLSCREEN=1\r\n");
  auto form = Open();
  EXPECT_TRUE(Check("CheckBox1")->isChecked());
  Click(Button("Button1"));
  EXPECT_FALSE(std::filesystem::exists(ConfigFile));
  EXPECT_EQ(Value(ReadBytes(upper), "FULLSCREEN"), "1");
  EXPECT_EQ(Value(ReadBytes(upper), "ONEXIT"), "");
}

TEST_F(ClientFormTest, CharactersTheCodePageCannotHoldAreNamedBeforeWriting) {
  const QString question = QString::fromUtf8(
      "These characters cannot be stored in a test file: \u03A9 (U+03A9).\rStore them as \"?\" and go on?");
  auto form = Open();
  Click(Radio("RadioButton1"));
  QTest::keyClicks(Edit("Edit3"), "Caf");
  Edit("Edit3")->insert(QString::fromUtf8("\u00E9 \u03A9"));

  Dialogs.ExpectMessage(TMessageKind::RiskyConfirmation, question, TButton::No);
  Click(Button("Button1"));
  EXPECT_TRUE(form->isVisible()) << "nothing written, nothing closed";
  EXPECT_TRUE(Button("ApplyButton")->isEnabled());
  EXPECT_FALSE(std::filesystem::exists(ConfigFile));

  Dialogs.ExpectMessage(TMessageKind::RiskyConfirmation, question, TButton::Yes);
  Click(Button("ApplyButton"));
  EXPECT_EQ(Value(Written(), "ABOUTWHO"), "Caf\xE9 ?");
}

TEST_F(ClientFormTest, MainWindowOpensTheDialogModallyAndRescansAfterIt) {
  TMainForm main(Folder(), Dialogs, Help, Shell);
  auto* startTimer = Child<QTimer>(main, "StartTimer");
  startTimer->stop();
  {
    const auto answer = OnModal<TClientForm>([&](TClientForm& form) {
      EXPECT_EQ(form.parentWidget(), &main);
      EXPECT_FALSE(startTimer->isActive()) << "the rescan waits for the dialog";
      Click(form, "Button1");
    });
    main.ConfigureClient();
  }
  EXPECT_EQ(Written(), DefaultFile);
  EXPECT_EQ(main.findChild<TClientForm*>(), nullptr) << "released when closed";
  EXPECT_TRUE(startTimer->isActive());
  startTimer->stop();
}

}  // namespace
