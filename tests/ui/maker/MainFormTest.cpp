#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <QTimer>
#include <filesystem>

#include "core/model/Conversions.h"
#include "core/model/TestFile.h"
#include "core/storage/IoError.h"
#include "core/storage/ZarnEncryption.h"
#include "support/FixedFirstByte.h"
#include "support/IoErrorText.h"
#include "support/TempDir.h"
#include "ui/maker/MainFixture.h"
#include "ui/platform/QtText.h"

namespace fs = std::filesystem;

namespace {

const QString Overwrite = QStringLiteral("A test file with that name exists!\rOverwrite existing test file?");
const QString EngineQuestion =
    QStringLiteral("QWTEST.EXE not found in current folder.\rWould you like to find and run it?");

std::string NewTestBytes() {
  std::string bytes = "[SETTINGS]\r\n";
  for (const auto& [key, value] : {std::pair{"DESC", "No description"},
                                   {"TIME", "0"},
                                   {"CHECKANSWERS", "1"},
                                   {"RANDOMQUESTIONS", "1"},
                                   {"MUSTANSWER", "0"},
                                   {"PASSPOINT", "0"},
                                   {"MAXQUESTIONS", "0"}})
    bytes += std::string(key) + "=" + Encrypt(value) + "\r\n";
  return bytes + "\r\n";
}

class MainFormTest : public MainFixture {
protected:
  void WriteTest(const std::string& name, const std::string& description) {
    WriteBytes(Dir.File(name), TestBytes(description));
  }
  void Fire(const char* name) { Trigger(Form, name); }
  QPushButton* ButtonNamed(const char* name) { return Child<QPushButton>(Form, name); }
  QAction* ActionNamed(const char* name) { return Child<QAction>(Form, name); }
  // The four controls that follow the loaded state, in one go.
  bool TestCommandsEnabled(bool enabled) {
    return ButtonNamed("Button3")->isEnabled() == enabled && ButtonNamed("Button4")->isEnabled() == enabled &&
           ActionNamed("Edit1")->isEnabled() == enabled &&
           ActionNamed("QuestionsandAnswers1")->isEnabled() == enabled &&
           ActionNamed("PrintTest1")->isEnabled() == enabled &&
           ActionNamed("GradeAnswers1")->isEnabled() == enabled &&
           ActionNamed("ScanAnswerSheets1")->isEnabled() == enabled;
  }
  void ExpectLoaded(const QString& status, const QString& path) {
    EXPECT_EQ(Status(), status);
    EXPECT_EQ(Form.Globals.CurrentTestPath, path);
    EXPECT_TRUE(TestCommandsEnabled(true));
  }
  // The file dialog shown index-th asked with title, filter and extension.
  void ExpectFileDialog(std::size_t index, const char* title, const char* filter, const char* extension) {
    ASSERT_LT(index, Dialogs.Files.size());
    const TFileDialogOptions& options = Dialogs.Files[index].Options;
    EXPECT_EQ(options.Title, title);
    EXPECT_EQ(options.Filter, filter);
    EXPECT_EQ(options.DefaultExt, extension);
  }
  void ExpectNotLoaded() {
    EXPECT_EQ(Status(), NotLoaded);
    EXPECT_TRUE(Form.Globals.CurrentTestPath.isEmpty());
    EXPECT_TRUE(TestCommandsEnabled(false));
  }

  TFixedFirstByte Fixed{0x5A};
  TTempDir Elsewhere;
};

// ---------------------------------------------------------------- the window

TEST_F(MainFormTest, StartsWithItsControlsCaptionsAndStates) {
  EXPECT_EQ(Form.windowTitle(), "Quizwell Maker");
  EXPECT_EQ(Form.minimumSize(), Form.maximumSize());

  const std::pair<const char*, const char*> buttons[] = {{"Button1", "&New Test"},
                                                         {"Button2", "&Load Test"},
                                                         {"Button5", "E&xit"},
                                                         {"Button3", "&Global Test Settings"},
                                                         {"Button4", "&Questions and Answers"},
                                                         {"Button6", "&Client Configuration"}};
  for (const auto& [name, caption] : buttons) EXPECT_EQ(ButtonNamed(name)->text(), caption);
  EXPECT_EQ(Child<QLabel>(Form, "Label1")->text(), "Tests found in current folder");
  EXPECT_EQ(Status(), "Test is not loaded.  Create a new test or load an existing one.");
  EXPECT_EQ(Combo()->count(), 0);
  EXPECT_FALSE(Combo()->isEditable());
  EXPECT_TRUE(TestCommandsEnabled(false));
  EXPECT_TRUE(ButtonNamed("Button6")->isEnabled());
  EXPECT_TRUE(Form.Globals.CurrentTestPath.isEmpty());
  EXPECT_EQ(Form.Globals.ProgramFolder, Folder());
  EXPECT_EQ(Dialogs.StartFolderOfDialogs(), Folder()) << "file dialogs open in the working folder";

  const std::pair<const char*, const char*> menu[] = {
      {"File1", "&File"}, {"Edit2", "&Edit"}, {"Help1", "&Help"}};
  for (const auto& [name, caption] : menu) EXPECT_EQ(Child<QMenu>(Form, name)->title(), caption) << name;
  const std::pair<const char*, const char*> items[] = {
      {"NewTest1", "&New Test"},
      {"ViewHistory1", "&Load a test"},
      {"EncryptRawTestFile1", "Encrypt Text File to Test"},
      {"DecryptTestIntoTextFile1", "Decrypt Test to Text File"},
      {"LaunchQuizwellClient1", "Launch Quizwell &Client"},
      {"PrintTest1", "&Print Test..."},
      {"GradeAnswers1", "&Grade Answers..."},
      {"Exit1", "&Exit                     Alt-F4"},
      {"Edit1", "&Global Test Settings"},
      {"QuestionsandAnswers1", "&Questions and Answers"},
      {"ContentsF11", "&Contents                 F1"},
      {"AboutQuizwell1", "&About Quizwell Maker"}};
  for (const auto& [name, caption] : items) EXPECT_EQ(ActionNamed(name)->text(), caption);
  for (const char* name : {"NewTest1", "ViewHistory1", "EncryptRawTestFile1", "DecryptTestIntoTextFile1",
                           "LaunchQuizwellClient1", "Exit1", "ContentsF11", "AboutQuizwell1"})
    EXPECT_TRUE(ActionNamed(name)->isEnabled()) << name;

  EXPECT_FALSE(Timer()->isActive());
  EXPECT_TRUE(Timer()->isSingleShot());
}

// Each Alt letter does one thing: among the window's buttons and menu titles,
// and within each menu.
TEST_F(MainFormTest, MnemonicsDoNotClash) {
  const auto letter = [](const QString& caption) {
    const qsizetype at = caption.indexOf(QLatin1Char('&'));
    return at < 0 || at + 1 >= caption.size() ? QChar() : caption.at(at + 1).toLower();
  };
  const auto expectUnique = [&](const QStringList& captions) {
    QSet<QChar> seen;
    for (const QString& caption : captions) {
      const QChar key = letter(caption);
      if (key.isNull()) continue;
      EXPECT_FALSE(seen.contains(key)) << caption.toStdString();
      seen.insert(key);
    }
  };
  QStringList window;
  for (const QPushButton* button : Form.findChildren<QPushButton*>()) window << button->text();
  for (const QAction* menu : Form.menuBar()->actions()) window << menu->text();
  expectUnique(window);
  for (const QAction* title : Form.menuBar()->actions()) {
    QStringList items;
    for (const QAction* item : title->menu()->actions()) items << item->text();
    expectUnique(items);
  }
}

TEST_F(MainFormTest, BannerIsAPictureShownInItsPanel) {
  const QLabel* image = Child<QLabel>(Form, "Image1");
  EXPECT_EQ(image->parentWidget()->objectName(), "Panel5");
  const QImage banner = image->pixmap().toImage();
  EXPECT_EQ(banner, Form.Banner().toImage());
  QSet<QRgb> colours;
  for (int y = 0; y < banner.height(); y += 3)
    for (int x = 0; x < banner.width(); x += 3) colours.insert(banner.pixel(x, y));
  EXPECT_GT(colours.size(), 200) << "a plain box is no banner";
}

// ---------------------------------------------------------------- start-up and catalogue

TEST_F(MainFormTest, EmptyFolderSaysSoOnEveryScanAndTheNoticeOnlyOnce) {
  StartEmpty();
  EXPECT_EQ(Items(), QStringList{Prompt});
  EXPECT_EQ(Combo()->currentIndex(), 0);
  EXPECT_FALSE(Child<QLabel>(Form, "Label3")->text().isEmpty()) << "the version line";

  Dialogs.ExpectMessage(TMessageKind::Information, NoTests);
  Form.FormShow();
  Scanned();
  EXPECT_EQ(Items(), QStringList{Prompt});
}

TEST_F(MainFormTest, UndecodableTestIsReportedInTurnAndNotListed) {
  WriteTest("A.QWT", "Algebra basics");
  WriteBytes(Dir.File("B.QWT"), "[SETTINGS]\r\nDESC=written by hand\r\n");
  WriteTest("C.QWT", "Chapter 2 review");
  Dialogs.ExpectMessage(TMessageKind::Information, Notice);
  Dialogs.ExpectMessage(
      TMessageKind::Information,
      "The test file: " + FileIn("B.QWT") + "\ris corrupt and can not be decoded.\rIt will not be loaded.");
  Start();
  EXPECT_EQ(Items(), (QStringList{Prompt, "1: Algebra basics", "3: Chapter 2 review"}));
}

TEST_F(MainFormTest, MoreTestsThanTheListHoldsAreCountedOnce) {
  for (int i = 1; i <= 102; ++i) WriteTest("T" + std::to_string(1000 + i).substr(1) + ".QWT", "x");
  Dialogs.ExpectMessage(TMessageKind::Information, Notice);
  Dialogs.ExpectMessage(TMessageKind::Information,
                        "Only the first 100 tests in this folder can be listed.\r"
                        "2 more test files (*.QWT) were found and are not listed.");
  Start();
  EXPECT_EQ(Combo()->count(), 101);
  EXPECT_EQ(Items().last(), "100: x");
}

TEST_F(MainFormTest, UnreadableTestIsReportedAndTheOthersListed) {
  WriteTest("A.QWT", "Readable");
  // A regular file that no one can read, root included: the process's own
  // memory at address 0.
  fs::create_symlink("/proc/self/mem", Dir.File("B.QWT"));
  std::string reason;
  try {
    TestFile::ReadStoredDescription(Dir.File("B.QWT"));
  } catch (const TIoError& error) {
    reason = error.Reason;
  }
  ASSERT_FALSE(reason.empty());
  Dialogs.ExpectMessage(TMessageKind::Information, Notice);
  Dialogs.ExpectMessage(TMessageKind::Error, "The test file: " + FileIn("B.QWT") +
                                                 "\rcan not be read: " + QString::fromLocal8Bit(reason) +
                                                 ".\rIt will not be loaded.");
  Start();
  EXPECT_EQ(Items(), (QStringList{Prompt, "1: Readable"}));
}

TEST_F(MainFormTest, PickingATestLoadsItAndARescanKeepsIt) {
  WriteTest("ALG.QWT", "Algebra: part 1");
  WriteTest("CH2.QWT", "Chapter 2 review");
  StartWithTests();

  Pick(2);
  ExpectLoaded("2: Chapter 2 review (CH2.QWT)", FileIn("CH2.QWT"));
  Pick(1);
  ExpectLoaded("1: Algebra: part 1 (ALG.QWT)", FileIn("ALG.QWT"));
  Pick(0);
  ExpectLoaded("1: Algebra: part 1 (ALG.QWT)", FileIn("ALG.QWT"));

  WriteTest("B.QWT", "Biology");
  Form.FormShow();
  Scanned();
  EXPECT_EQ(Items(), (QStringList{Prompt, "1: Algebra: part 1", "2: Biology", "3: Chapter 2 review"}));
  EXPECT_EQ(Combo()->currentIndex(), 0);
  ExpectLoaded("1: Algebra: part 1 (ALG.QWT)", FileIn("ALG.QWT"));
}

TEST_F(MainFormTest, PickingAFileDeletedMeanwhileUnloadsTheTest) {
  WriteTest("A.QWT", "Alpha");
  WriteTest("B.QWT", "Beta");
  StartWithTests();
  Pick(1);
  fs::remove(Dir.File("B.QWT"));

  Dialogs.ExpectMessage(
      TMessageKind::Information,
      "The test named " + FileIn("B.QWT") + " was not found!\rPlease try again or reinstall software.");
  Pick(2);
  ExpectNotLoaded();
}

TEST_F(MainFormTest, ItemsThatNameNoTestUnloadTheTest) {
  WriteTest("A.QWT", "Alpha");
  StartWithTests();
  Combo()->addItem(QStringLiteral("No number: here"));
  Combo()->addItem(QStringLiteral("7: Beyond the scanned files"));

  Pick(1);
  Dialogs.ExpectMessage(TMessageKind::Information,
                        QStringLiteral("Could not get test name!\rPlease try again or reinstall software."));
  Pick(2);
  ExpectNotLoaded();
  Pick(1);
  Dialogs.ExpectMessage(
      TMessageKind::Information,
      QStringLiteral("Could not get file name for test!\rPlease try again or reinstall software."));
  Pick(3);
  ExpectNotLoaded();
}

// ---------------------------------------------------------------- new test

TEST_F(MainFormTest, NewTestIsWrittenLoadedAndListedByTheRescan) {
  StartEmpty();

  Dialogs.ExpectSave(FileIn("QUIZ1.QWT"));
  QTest::mouseClick(ButtonNamed("Button1"), Qt::LeftButton);
  ExpectLoaded("No description (QUIZ1.QWT)", FileIn("QUIZ1.QWT"));
  EXPECT_EQ(ReadBytes(Dir.File("QUIZ1.QWT")), NewTestBytes());
  const TFileDialogOptions& options = Dialogs.Files.back().Options;
  EXPECT_TRUE(Dialogs.Files.back().Save);
  EXPECT_EQ(options.Title, "Specify the filename for the new test");
  EXPECT_EQ(options.Filter, "Quizwell Files|*.QWT");
  EXPECT_EQ(options.DefaultExt, "QWT");

  ExpectItems(QStringList{Prompt, "1: No description"});
  ExpectLoaded("No description (QUIZ1.QWT)", FileIn("QUIZ1.QWT"));
}

TEST_F(MainFormTest, NewTestElsewhereIsLoadedButNotListedAndSaysSo) {
  StartEmpty();
  const QString path = FromPath(Elsewhere.File("OTHER.QWT"));
  Dialogs.ExpectSave(path);
  Dialogs.ExpectMessage(TMessageKind::Information,
                        "OTHER.QWT is saved in " + FromPath(Elsewhere.Path().string()) +
                            ", outside the working folder " + Folder() +
                            ".\rThe list of tests shows only the tests in the working folder, and the engine "
                            "finds them there.\rTo work on this test another time, open it with Load Test.");
  Dialogs.ExpectMessage(TMessageKind::Information, NoTests);
  Fire("NewTest1");
  Scanned();
  ExpectLoaded("No description (OTHER.QWT)", path);
  EXPECT_EQ(Items(), QStringList{Prompt});
}

TEST_F(MainFormTest, NewTestOverAnExistingTestAnsweredYesReplacesIt) {
  WriteBytes(Dir.File("OLD.QWT"),
             TestBytes("Old test") + "[QA1]\r\nQUESTION=" + Encrypt("Kept?") + "\r\n\r\n");
  StartWithTests();

  Dialogs.ExpectSave(FileIn("OLD.QWT"));
  Dialogs.ExpectMessage(TMessageKind::RiskyConfirmation, Overwrite, TButton::Yes);
  Form.NewTest();
  EXPECT_EQ(ReadBytes(Dir.File("OLD.QWT")), NewTestBytes());
  ExpectLoaded("No description (OLD.QWT)", FileIn("OLD.QWT"));
  ExpectItems(QStringList{Prompt, "1: No description"});
}

// Answered No, or in the way of a folder, a new test changes nothing and the
// current test stays.
TEST_F(MainFormTest, NewTestThatDoesNotReplaceTheOldFileChangesNothing) {
  WriteTest("OLD.QWT", "Old test");
  fs::create_directory(Dir.File("TAKEN.QWT"));
  WriteTest("TAKEN.QWT/INSIDE.QWT", "Inside");
  StartWithTests();
  Pick(1);

  Dialogs.ExpectSave(FileIn("OLD.QWT"));
  Dialogs.ExpectMessage(TMessageKind::RiskyConfirmation, Overwrite, TButton::No);
  Form.NewTest();
  EXPECT_EQ(ReadBytes(Dir.File("OLD.QWT")), TestBytes("Old test"));
  ExpectLoaded("1: Old test (OLD.QWT)", FileIn("OLD.QWT"));
  EXPECT_FALSE(Timer()->isActive());

  Dialogs.ExpectSave(FileIn("TAKEN.QWT"));
  Dialogs.ExpectMessage(TMessageKind::RiskyConfirmation, Overwrite, TButton::Yes);
  Dialogs.ExpectMessage(TMessageKind::Error, "The test file " + FileIn("TAKEN.QWT") +
                                                 " could not be replaced: it is a folder, not a file.\r"
                                                 "Nothing was changed.");
  Form.NewTest();
  EXPECT_EQ(ReadBytes(Dir.File("TAKEN.QWT/INSIDE.QWT")), TestBytes("Inside"));
  ExpectLoaded("1: Old test (OLD.QWT)", FileIn("OLD.QWT"));
  EXPECT_FALSE(Timer()->isActive());
}

TEST_F(MainFormTest, NewTestCancelledUnloadsTheTest) {
  WriteTest("A.QWT", "Alpha");
  StartWithTests();
  Pick(1);

  Dialogs.ExpectSave(std::nullopt);
  Form.NewTest();
  ExpectNotLoaded();
  EXPECT_EQ(ReadBytes(Dir.File("A.QWT")), TestBytes("Alpha"));
}

TEST_F(MainFormTest, NewTestThatCannotBeWrittenIsReportedAndNotLoaded) {
  const QString path = FromPath(Dir.File("missing/folder/NEW.QWT"));
  Dialogs.ExpectSave(path);
  const std::string expected = IoErrorText([&] {
    TIniStore store(Dir.File("missing/folder/NEW.QWT"));
    store.WriteString("SETTINGS", "DESC", "x");
    store.UpdateFile();
  });
  ASSERT_FALSE(expected.empty());
  Dialogs.ExpectMessage(TMessageKind::Error, QString::fromLocal8Bit(expected));
  Form.NewTest();
  EXPECT_EQ(Status(), "Test is not loaded.  Create a new test or load an existing one.");
  EXPECT_TRUE(Form.Globals.CurrentTestPath.isEmpty());
  EXPECT_FALSE(Timer()->isActive());
}

// ---------------------------------------------------------------- load test

TEST_F(MainFormTest, LoadTestFromAnyFolderLoadsItWithoutRescan) {
  WriteBytes(Elsewhere.File("far.qwt"), TestBytes("Geography: rivers"));
  Dialogs.ExpectOpen(FromPath(Elsewhere.File("far.qwt")));
  QTest::mouseClick(ButtonNamed("Button2"), Qt::LeftButton);
  ExpectLoaded("Geography: rivers (far.qwt)", FromPath(Elsewhere.File("far.qwt")));
  const TFileDialogOptions& options = Dialogs.Files.back().Options;
  EXPECT_FALSE(Dialogs.Files.back().Save);
  EXPECT_EQ(options.Title, "");
  EXPECT_EQ(options.Filter, "Quizwell Files|*.QWT|All Files|*.*");
  EXPECT_EQ(options.DefaultExt, "");
  EXPECT_FALSE(Timer()->isActive());
  EXPECT_EQ(Combo()->count(), 0);
}

TEST_F(MainFormTest, LoadTestCancelledKeepsTheLoadedTest) {
  WriteTest("A.QWT", "Alpha");
  Dialogs.ExpectOpen(FileIn("A.QWT"));
  Fire("ViewHistory1");
  Dialogs.ExpectOpen(std::nullopt);
  Form.LoadTest();
  ExpectLoaded("Alpha (A.QWT)", FileIn("A.QWT"));
}

// A test named on the command line, in another folder, opens as Load Test
// opens it, and what is no test gets Load Test's error.
TEST_F(MainFormTest, OpeningATestByNameActsAsLoadTest) {
  WriteBytes(Elsewhere.File("B.QWT"), TestBytes("Beta"));
  WriteBytes(Elsewhere.File("notes.txt"), "Shopping list\r\n");
  StartEmpty();
  Form.OpenTest(FromPath(Elsewhere.File("B.QWT")));
  ExpectLoaded("Beta (B.QWT)", FromPath(Elsewhere.File("B.QWT")));
  Dialogs.ExpectMessage(TMessageKind::Error, NotADescription);
  Form.OpenTest(FromPath(Elsewhere.File("notes.txt")));
  ExpectNotLoaded();
}

TEST_F(MainFormTest, LoadingAnUndecodableTestLoadsItAsBadDecode) {
  WriteBytes(Dir.File("HAND.QWT"), "[SETTINGS]\r\nDESC=written by hand\r\n");
  Dialogs.ExpectOpen(FileIn("HAND.QWT"));
  Form.LoadTest();
  ExpectLoaded("BAD DECODE (HAND.QWT)", FileIn("HAND.QWT"));
}

TEST_F(MainFormTest, DoubleClickOnTheStatusLineLoadsATest) {
  WriteTest("A.QWT", "Alpha");
  Dialogs.ExpectOpen(FileIn("A.QWT"));
  QTest::mouseDClick(Child<QLabel>(Form, "Panel6"), Qt::LeftButton);
  ExpectLoaded("Alpha (A.QWT)", FileIn("A.QWT"));
}

// ---------------------------------------------------------------- conversions

TEST_F(MainFormTest, DecryptingATestWritesItsTextAndNamesLineBreaks) {
  WriteBytes(Dir.File("CH2.QWT"),
             "[SETTINGS]\r\nDESC=" + Encrypt("Chapter 2 review") + "\r\nTIME=" + Encrypt("00:15:00") +
                 "\r\nCHECKANSWERS=" + Encrypt("1") +
                 "\r\n\r\n[BEGINMESSAGE]\r\nRead each question carefully.\r\n\r\n"
                 "[QA1]\r\nQUESTION=" +
                 Encrypt("What is 2 + 2?") + "\r\nA=" + Encrypt("3") + "\r\nB=" + Encrypt("4") +
                 "\r\nCORRECT=" + Encrypt("B") + "\r\nANY=" + Encrypt("0") +
                 "\r\n\r\n[QA2]\r\nQUESTION=" + Encrypt("Line one\r\nLine two") + "\r\nA=" + Encrypt("Yes") +
                 "\r\nB=" + Encrypt("No\r\nreally") + "\r\n\r\n");
  Dialogs.ExpectOpen(FileIn("CH2.QWT"));
  Dialogs.ExpectSave(FromPath(Elsewhere.File("CH2.TXT")));
  Dialogs.ExpectMessage(TMessageKind::Information, QStringLiteral("The test has been Decrypted."));
  Dialogs.ExpectMessage(
      TMessageKind::Information,
      QStringLiteral("These values hold line breaks: question 2 (QUESTION, B).\r"
                     "Converting the text file back into a test keeps only the first line of each."));
  Fire("DecryptTestIntoTextFile1");

  const std::string questionTail = "C=\r\nD=\r\nE=\r\nF=\r\n";
  const std::string links = "HOTLINK=\r\nHOTLINKPARAMETERS=\r\nREFERENCE=\r\n";
  EXPECT_EQ(ReadBytes(Elsewhere.File("CH2.TXT")),
            "[SETTINGS]\r\nDESC=Chapter 2 review\r\nTIME=00:15:00\r\nCHECKANSWERS=1\r\nRANDOMQUESTIONS=\r\n"
            "MUSTANSWER=\r\nPASSPOINT=\r\nMAXQUESTIONS=\r\nTIMERTYPE=\r\nREVIEWALLOW=\r\nREVIEWBLANK=\r\n"
            "TESTHOT=\r\nTESTREF=\r\nREVIEWHOT=\r\nREVIEWREF=\r\nSTUDENTMAX=\r\n\r\n"
            "[BEGINMESSAGE]\r\nRead each question carefully.\r\n\r\n"
            "[QA1]\r\nQUESTION=What is 2 + 2?\r\nA=3\r\nB=4\r\n" +
                questionTail + "CORRECT=B\r\n" + links +
                "ANY=0\r\nMMEDIA=\r\nMMEDIAIN=\r\n\r\n"
                "[QA2]\r\nQUESTION=Line one\r\nLine two\r\nA=Yes\r\nB=No\r\nreally\r\n" +
                questionTail + "CORRECT=\r\n" + links + "ANY=\r\nMMEDIA=\r\nMMEDIAIN=\r\n\r\n");
  ExpectFileDialog(0, "Select Test to Decrypt", "Encrypted Test Files|*.QWT|All Files|*.*", "TXT");
  ExpectFileDialog(1, "Select Text File to Save to", "Text Files|*.TXT|All Files|*.*", "TXT");
  EXPECT_TRUE(Timer()->isActive());
  EXPECT_TRUE(Form.Globals.CurrentTestPath.isEmpty());
}

TEST_F(MainFormTest, EncryptingATextWritesTheTestAndRescans) {
  StartEmpty();
  WriteBytes(
      Elsewhere.File("rivers.txt"),
      "[SETTINGS]\r\nDESC=Rivers of Europe\r\nTIME=00:20:00\r\nPASSPOINT=70\r\n\r\n"
      "[ENDMESSAGE]\r\nWell done.\r\n\r\n"
      "[QA1]\r\nQUESTION=Which river flows through Vienna?\r\nA=Danube\r\nB=Rhine\r\nCORRECT=A\r\n\r\n");
  Dialogs.ExpectOpen(FromPath(Elsewhere.File("rivers.txt")));
  Dialogs.ExpectSave(FileIn("RIVERS.QWT"));
  Dialogs.ExpectMessage(TMessageKind::Information, QStringLiteral("The test has been encrypted."));
  Fire("EncryptRawTestFile1");

  std::string expected = "[SETTINGS]\r\n";
  for (const auto& [key, value] : {std::pair{"DESC", "Rivers of Europe"},
                                   {"TIME", "00:20:00"},
                                   {"CHECKANSWERS", ""},
                                   {"RANDOMQUESTIONS", ""},
                                   {"MUSTANSWER", ""},
                                   {"PASSPOINT", "70"},
                                   {"MAXQUESTIONS", ""},
                                   {"TIMERTYPE", ""},
                                   {"REVIEWALLOW", ""},
                                   {"REVIEWBLANK", ""},
                                   {"TESTHOT", ""},
                                   {"TESTREF", ""},
                                   {"REVIEWHOT", ""},
                                   {"REVIEWREF", ""},
                                   {"STUDENTMAX", ""}})
    expected += std::string(key) + "=" + Encrypt(value) + "\r\n";
  expected += "\r\n[ENDMESSAGE]\r\nWell done.\r\n\r\n[QA1]\r\n";
  for (const auto& [key, value] : {std::pair{"QUESTION", "Which river flows through Vienna?"},
                                   {"A", "Danube"},
                                   {"B", "Rhine"},
                                   {"C", ""},
                                   {"D", ""},
                                   {"E", ""},
                                   {"F", ""},
                                   {"CORRECT", "A"},
                                   {"HOTLINK", ""},
                                   {"HOTLINKPARAMETERS", ""},
                                   {"REFERENCE", ""},
                                   {"ANY", ""},
                                   {"MMEDIA", ""},
                                   {"MMEDIAIN", ""}})
    expected += std::string(key) + "=" + Encrypt(value) + "\r\n";
  EXPECT_EQ(ReadBytes(Dir.File("RIVERS.QWT")), expected + "\r\n");

  ExpectFileDialog(0, "Select Text File to Encrypt", "Unencrypted Test files|*.TXT|All Files|*.*", "TXT");
  ExpectFileDialog(1, "Select Test Name to Save to", "Test Files|*.QWT|All Files|*.*", "QWT");
  ExpectItems(QStringList{Prompt, "1: Rivers of Europe"});
  EXPECT_TRUE(Form.Globals.CurrentTestPath.isEmpty());
}

TEST_F(MainFormTest, ConversionsCancelledWriteNothing) {
  WriteTest("A.QWT", "Alpha");
  Dialogs.ExpectOpen(std::nullopt);
  Fire("EncryptRawTestFile1");
  Dialogs.ExpectOpen(FileIn("A.QWT"));
  Dialogs.ExpectSave(std::nullopt);
  Fire("DecryptTestIntoTextFile1");
  Dialogs.ExpectOpen(FileIn("A.QWT"));
  Dialogs.ExpectSave(std::nullopt);
  Fire("EncryptRawTestFile1");
  EXPECT_EQ(std::distance(fs::directory_iterator(Dir.Path()), fs::directory_iterator()), 1);
  EXPECT_FALSE(Timer()->isActive());
}

TEST_F(MainFormTest, ConversionIntoAnExistingFileAsksFirstNamingIt) {
  WriteTest("A.QWT", "Alpha");
  WriteTest("B.TXT", "Beta");
  WriteTest("C.QWT", "Gamma");
  const std::string before = ReadBytes(Dir.File("B.TXT"));
  const QString question =
      "The file " + FileIn("B.TXT") + " exists.\rConvert into it, replacing the values it holds?";
  Dialogs.ExpectOpen(FileIn("A.QWT"));
  Dialogs.ExpectSave(FileIn("B.TXT"));
  Dialogs.ExpectMessage(TMessageKind::RiskyConfirmation, question, TButton::No);
  Fire("DecryptTestIntoTextFile1");
  EXPECT_EQ(ReadBytes(Dir.File("B.TXT")), before);
  EXPECT_FALSE(Timer()->isActive());

  Dialogs.ExpectOpen(FileIn("A.QWT"));
  Dialogs.ExpectSave(FileIn("B.TXT"));
  Dialogs.ExpectMessage(TMessageKind::RiskyConfirmation, question, TButton::Yes);
  Dialogs.ExpectMessage(TMessageKind::Information, QStringLiteral("The test has been Decrypted."));
  Fire("DecryptTestIntoTextFile1");
  EXPECT_NE(ReadBytes(Dir.File("B.TXT")).find("DESC=Alpha\r\n"), std::string::npos);

  // A test is never made the plain-text form of another: its key would lie open.
  const std::string test = ReadBytes(Dir.File("C.QWT"));
  Dialogs.ExpectOpen(FileIn("A.QWT"));
  Dialogs.ExpectSave(FileIn("C.QWT"));
  Dialogs.ExpectMessage(TMessageKind::Error,
                        FileIn("C.QWT") +
                            " cannot be written: it is a test, which this would replace "
                            "with another kind of file.\rChoose another name. Nothing was "
                            "written.");
  Fire("DecryptTestIntoTextFile1");
  EXPECT_EQ(ReadBytes(Dir.File("C.QWT")), test);
}

TEST_F(MainFormTest, ConversionOfAMissingSourceIsAnErrorAndTouchesNothing) {
  WriteTest("B.QWT", "Beta");
  const std::string before = ReadBytes(Dir.File("B.QWT"));
  const std::string missing = Elsewhere.File("missing.txt");
  const std::string expected = IoErrorText([&] { EncryptTextToTest(missing, Dir.File("B.QWT")); });
  ASSERT_NE(expected.find(missing), std::string::npos);
  Dialogs.ExpectOpen(FromPath(missing));
  Dialogs.ExpectSave(FileIn("B.QWT"));
  Dialogs.ExpectMessage(
      TMessageKind::RiskyConfirmation,
      "The file " + FileIn("B.QWT") + " exists.\rConvert into it, replacing the values it holds?",
      TButton::Yes);
  Dialogs.ExpectMessage(TMessageKind::Error, QString::fromLocal8Bit(expected));
  Fire("EncryptRawTestFile1");
  EXPECT_EQ(ReadBytes(Dir.File("B.QWT")), before);
  EXPECT_FALSE(Timer()->isActive());
}

TEST_F(MainFormTest, ConversionThatCannotWriteShowsTheErrorAndNoClosingMessage) {
  WriteTest("A.QWT", "Alpha");
  const std::string destination = Dir.File("missing/A.TXT");
  const std::string expected = IoErrorText([&] { DecryptTestToText(Dir.File("A.QWT"), destination); });
  ASSERT_FALSE(expected.empty());
  Dialogs.ExpectOpen(FileIn("A.QWT"));
  Dialogs.ExpectSave(FromPath(destination));
  Dialogs.ExpectMessage(TMessageKind::Error, QString::fromLocal8Bit(expected));
  Fire("DecryptTestIntoTextFile1");
  EXPECT_FALSE(Timer()->isActive());
}

// ---------------------------------------------------------------- engine, help and leaving

TEST_F(MainFormTest, EngineBesideTheMakerIsStartedWithoutAQuestion) {
  WriteBytes(Dir.File("qwtest.exe"), "#!/bin/sh\n");
  Fire("LaunchQuizwellClient1");
  ASSERT_EQ(Shell.Calls.size(), 1u);
  EXPECT_EQ(Shell.Calls[0].FileName, FileIn("qwtest.exe"));
  EXPECT_EQ(Shell.Calls[0].Parameters, "");
  EXPECT_EQ(Shell.Calls[0].Folder, "");
}

TEST_F(MainFormTest, OwnEngineBesideTheMakerComesAfterTheOtherAndPreviewsTheTest) {
  const std::string engine = Dir.File("qwtest");
  WriteBytes(engine, "#!/bin/sh\n");
  std::filesystem::permissions(engine, std::filesystem::perms::owner_all);
  Shell.Results = {TOpenResult::FileNotFound};
  Form.LaunchQuizwellClient1Click();
  ASSERT_EQ(Shell.Calls.size(), 2u);
  EXPECT_EQ(Shell.Calls[1].FileName, FromPath(engine));

  Dialogs.ExpectMessage(TMessageKind::Information, QStringLiteral("Load a test first."));
  Fire("PreviewTest1");
  Form.Globals.CurrentTestPath = QStringLiteral("/t/My \"best\" test.QWT");
  Fire("PreviewTest1");
  ASSERT_EQ(Shell.Calls.size(), 3u);
  EXPECT_EQ(Shell.Calls[2].FileName, FromPath(engine));
  EXPECT_EQ(QProcess::splitCommand(Shell.Calls[2].Parameters),
            (QStringList{"--preview", "--question", "1", "/t/My \"best\" test.QWT"}));
}

TEST_F(MainFormTest, EngineNotFoundLeadsToTheQuestionAndAChosenOneThatFailsIsReported) {
  Shell.Results = {TOpenResult::FileNotFound};
  Dialogs.ExpectMessage(TMessageKind::Confirmation, EngineQuestion, TButton::No);
  Form.LaunchQuizwellClient1Click();
  ASSERT_EQ(Shell.Calls.size(), 1u);
  EXPECT_EQ(Shell.Calls[0].FileName, FileIn("QWTEST.EXE"));

  Shell.Results = {TOpenResult::FileNotFound, TOpenResult::NotStarted};
  Dialogs.ExpectMessage(TMessageKind::Confirmation, EngineQuestion, TButton::Yes);
  Dialogs.ExpectOpen(QStringLiteral("/opt/engine/QWTEST.EXE"));
  Dialogs.ExpectMessage(TMessageKind::Error,
                        QStringLiteral("/opt/engine/QWTEST.EXE cannot be started: Permission denied."));
  Form.LaunchQuizwellClient1Click();
  ASSERT_EQ(Shell.Calls.size(), 3u);
  EXPECT_EQ(Shell.Calls[2].FileName, "/opt/engine/QWTEST.EXE");
  const TFileDialogOptions& options = Dialogs.Files.back().Options;
  EXPECT_EQ(options.Title, "");
  EXPECT_EQ(options.FileName, "QWTEST.EXE");
  EXPECT_EQ(options.Filter, "Application Files|*.EXE|All Files|*.*");
  EXPECT_EQ(options.DefaultExt, "EXE");

  Shell.Results = {TOpenResult::FileNotFound};
  Dialogs.ExpectMessage(TMessageKind::Confirmation, EngineQuestion, TButton::Yes);
  Dialogs.ExpectOpen(std::nullopt);
  Form.LaunchQuizwellClient1Click();
  EXPECT_EQ(Shell.Calls.size(), 4u);
}

TEST_F(MainFormTest, HelpMenuOpensContentsAndTheBundledWebPages) {
  Fire("ContentsF11");
  EXPECT_EQ(Help.Calls, std::vector<int>{-1});

  const QMenu* web = Child<QMenu>(Form, "WebLinks1");
  QStringList opened;
  for (QAction* link : web->actions()) {
    EXPECT_FALSE(link->text().isEmpty());
    link->trigger();
    opened << Shell.Calls.back().FileName;
  }
  const QString pages = Folder() + "/help/web/";
  EXPECT_EQ(opened, (QStringList{pages + "home.html", pages + "tips.html", pages + "support.html",
                                 pages + "updates.html"}));
}

TEST_F(MainFormTest, F1ShowsTheMainWindowsTopic) {
  StartEmpty();
  Form.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&Form));
  PressF1(&Form);
  EXPECT_EQ(Help.Calls, std::vector<int>{100});
}

TEST_F(MainFormTest, ClosingTheWindowTellsHelpToQuit) {
  StartEmpty();
  // The test run has no event loop to end with the last window.
  QApplication::setQuitOnLastWindowClosed(false);
  EXPECT_TRUE(Form.close());
  QApplication::setQuitOnLastWindowClosed(true);
  EXPECT_EQ(Help.QuitCount, 1);
}

TEST_F(MainFormTest, ExitEndsTheEventLoopWithoutClosingTheWindow) {
  StartEmpty();
  const auto clickExit = [this] { QTest::mouseClick(ButtonNamed("Button5"), Qt::LeftButton); };
  const auto chooseExit = [this] { Fire("Exit1"); };
  for (const std::function<void()>& leave :
       {std::function<void()>(clickExit), std::function<void()>(chooseExit)}) {
    QTimer::singleShot(0, &Form, leave);
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    watchdog.start(10000);
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_TRUE(Form.isVisible());
  }
  EXPECT_EQ(Help.QuitCount, 0);
}

}  // namespace

TEST(MainFormNotice, NamesEveryLossByKind) {
  TConversionReport report;
  report.Broken = {{0, "DESC", TLoss::LineBreak},
                   {3, "QUESTION", TLoss::EndsText},
                   {3, "B", TLoss::LineBreak},
                   {0, "TIME", TLoss::NoDecipher},
                   {4, "A", TLoss::EdgeBytes}};
  report.Dropped = {7, 501};
  EXPECT_EQ(
      TMainForm::ConversionNotice(report),
      QStringLiteral("These questions were not converted: 7, 501.\r"
                     "A test holds the questions up to the first empty one, and at most 500.\r"
                     "These values do not decipher: settings (TIME).\r"
                     "The text file holds BAD DECODE in their place.\r"
                     "These values hold line breaks: settings (DESC); question 3 (B).\r"
                     "Converting the text file back into a test keeps only the first line of each.\r"
                     "These values hold a Ctrl-Z character: question 3 (QUESTION).\r"
                     "Converting the text file back into a test stops at the first of them; "
                     "nothing after it is read.\r"
                     "These values hold characters 0 or 255, which a test cannot keep: question 4 (A)."));
  EXPECT_TRUE(TMainForm::ConversionNotice({}).isEmpty());
}

TEST_F(MainFormTest, ImportIntoAnExistingFileAsksWithNoAsTheDefaultAndNoKeepsIt) {
  WriteTest("OLD.QWT", "Old test");
  StartWithTests();
  WriteBytes(Elsewhere.File("rivers.txt"), "Vienna's river? {=Danube ~Rhine}\n");
  Dialogs.ExpectOpen(FromPath(Elsewhere.File("rivers.txt")));
  Dialogs.ExpectSave(FileIn("OLD.QWT"));
  Dialogs.ExpectMessage(TMessageKind::RiskyConfirmation, Overwrite, TButton::No);
  Fire("ImportQuestions1");
  EXPECT_EQ(ReadBytes(Dir.File("OLD.QWT")), TestBytes("Old test"));
}

TEST_F(MainFormTest, ImportedQuestionsMakeANewTestOrJoinTheLoadedOneAndExportGoesByExtension) {
  StartEmpty();
  WriteBytes(Elsewhere.File("rivers.txt"),
             "Vienna's river? {=Danube ~Rhine}\n\nParis's river? {=Seine ~Po}\n");
  Dialogs.ExpectOpen(FromPath(Elsewhere.File("rivers.txt")));
  Dialogs.ExpectSave(FileIn("RIVERS.QWT"));
  Dialogs.ExpectMessage(TMessageKind::Information,
                        QStringLiteral("2 questions were imported from rivers.txt into RIVERS.QWT."));
  Fire("ImportQuestions1");
  ExpectItems(QStringList{Prompt, "1: No description"});

  // Joining the loaded test asks first (No keeps it as it was), then keeps
  // the test as it was beside it and says where.
  Pick(1);
  const std::string imported = ReadBytes(Dir.File("RIVERS.QWT"));
  WriteBytes(Elsewhere.File("more.csv"), "question;A;B;correct\r\n\"Rome's river?\";Tiber;Arno;A\r\n");
  const QString ask = QStringLiteral(
      "Append 1 question from more.csv to the end of RIVERS.QWT?\r"
      "The test as it is now is kept in RIVERS.QWT.before-import.");
  Dialogs.ExpectOpen(FromPath(Elsewhere.File("more.csv")));
  Dialogs.ExpectMessage(TMessageKind::RiskyConfirmation, ask, TButton::No);
  Fire("ImportQuestions1");
  EXPECT_EQ(ReadBytes(Dir.File("RIVERS.QWT")), imported);
  Dialogs.ExpectOpen(FromPath(Elsewhere.File("more.csv")));
  Dialogs.ExpectMessage(TMessageKind::RiskyConfirmation, ask, TButton::Yes);
  Dialogs.ExpectMessage(
      TMessageKind::Information,
      QStringLiteral("1 question was imported from more.csv into RIVERS.QWT. The test as it "
                     "was before is kept in RIVERS.QWT.before-import."));
  Fire("ImportQuestions1");
  EXPECT_EQ(ReadBytes(Dir.File("RIVERS.QWT.before-import")), imported);

  Dialogs.ExpectSave(FromPath(Elsewhere.File("out.csv")));
  Dialogs.ExpectMessage(TMessageKind::Information,
                        QStringLiteral("The questions of RIVERS.QWT have been exported to out.csv."));
  Fire("ExportQuestions1");
  EXPECT_EQ(ReadBytes(Elsewhere.File("out.csv")),
            "\xEF\xBB\xBFquestion,A,B,C,D,E,F,correct,rule,reference,hotlink,media\r\n"
            "Vienna's river?,Danube,Rhine,,,,,A,all,,,\r\n"
            "Paris's river?,Seine,Po,,,,,A,all,,,\r\n"
            "Rome's river?,Tiber,Arno,,,,,A,all,,,\r\n");

  WriteBytes(Elsewhere.File("broken.gift"), "Open {=a\n");
  Dialogs.ExpectOpen(FromPath(Elsewhere.File("broken.gift")));
  Dialogs.ExpectMessage(TMessageKind::Error,
                        QStringLiteral("broken.gift cannot be imported: line 1: '{' is never closed"));
  Fire("ImportQuestions1");
}

// The status line names the description the settings window saved.
TEST_F(MainFormTest, TheStatusLineFollowsADescriptionChangedInTheSettings) {
  StartEmpty();
  Dialogs.ExpectSave(FileIn("QUIZ1.QWT"));
  Fire("NewTest1");
  Scanned();
  {
    const auto answer = OnModal<QDialog>([](QDialog& settings) {
      Child<QLineEdit>(settings, "Edit1")->setText(QStringLiteral("Rivers of Europe"));
      Click(settings, "Button1");
    });
    Click(ButtonNamed("Button3"));
  }
  ExpectLoaded("Rivers of Europe (QUIZ1.QWT)", FileIn("QUIZ1.QWT"));
  Scanned();
  EXPECT_EQ(Items(), (QStringList{Prompt, "1: Rivers of Europe"}));
}

// An export over the test it is made from is refused, whatever the path says.
TEST_F(MainFormTest, ExportOntoItsOwnTestIsRefused) {
  WriteTest("A.QWT", "Alpha");
  fs::create_symlink(Dir.File("A.QWT"), Elsewhere.File("a.gift"));
  Dialogs.ExpectOpen(FileIn("A.QWT"));
  Fire("ViewHistory1");
  Dialogs.ExpectSave(FromPath(Elsewhere.File("a.gift")));
  Dialogs.ExpectMessage(TMessageKind::Error,
                        FromPath(Elsewhere.File("a.gift")) +
                            " is the file A.QWT is made from: it cannot also be the output.\rChoose another "
                            "name. Nothing was written.");
  Fire("ExportQuestions1");
  EXPECT_EQ(ReadBytes(Dir.File("A.QWT")), TestBytes("Alpha"));
}
