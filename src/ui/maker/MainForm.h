#pragma once

#include <QMainWindow>
#include <QPixmap>
#include <QPointer>
#include <string>
#include <vector>

#include "core/model/QuestionSet.h"
#include "core/model/TestCatalogue.h"
#include "ui/classroom/ClassroomForm.h"
#include "ui/platform/Dialogs.h"
#include "ui/platform/Globals.h"

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QPushButton;
class QTimer;
struct TConversionReport;

// The main window: the catalogue of the tests in the program's folder, the
// current test, and every command that makes a test current, converts tests or
// opens the other windows. It owns what the windows of one run share.
class TMainForm : public QMainWindow {
  Q_OBJECT

public:
  // programFolder: the folder of the running program (no trailing separator),
  // where the catalogue looks for tests and the engine is started from. The
  // three seams stay owned by the caller and must outlive the window.
  TMainForm(const QString& programFolder, TDialogs& dialogs, THelpViewer& help, TShellOpen& shell,
            QWidget* parent = nullptr);
  ~TMainForm() override;

  // The banner picture, for the about box.
  const QPixmap& Banner() const { return BannerPicture; }

  // Requests a rescan of the catalogue: StartTimerTimer runs soon, once.
  void FormShow();
  // The start-up notice (first time only), the folder scan and the list rebuild.
  void StartTimerTimer();

  // The two states of the window.
  void SetTestLoaded(const QString& caption, const QString& path);
  void SetTestNotLoaded();

  // The instructor picked an entry of the test list: that test becomes current.
  void TestPicked();
  void NewTest();
  void LoadTest();
  // Makes the test at name current as Load Test does, with its error when the
  // file is not a test (for a test named on the command line).
  void OpenTest(const QString& name);
  void EditSettings();   // Global Test Settings
  void EditQuestions();  // Questions and Answers
  void ExitProgram();
  void ConfigureClient();  // Client Configuration
  void EncryptRawTestFile1Click();
  void DecryptTestIntoTextFile1Click();
  // Questions from another quiz system: added to the current test, or made
  // into a new test when none is loaded; the format is the file's.
  void ImportQuestions1Click();
  // The current test's questions for another quiz system.
  void ExportQuestions1Click();
  // Alike questions among the tests of the program's folder; a question picked
  // there makes its test current and opens the editor at it.
  void FindDuplicateQuestions1Click();
  void LaunchQuizwellClient1Click();
  void PrintTest1Click();
  void GradeAnswers1Click();
  void ScanAnswerSheets1Click();
  // The current test's attempts, figures and item analysis; with no test
  // loaded, those of the test shown in the catalogue list.
  void Results1Click();
  // The Results window for the catalogue's entry at row of its list (row 0 is
  // the prompt); the catalogue's context menu offers it for any test.
  void CatalogueResults(int row);
  void PreviewTest1Click();  // the current test in qwtest, as a student sees it
  // Runs the current test for the browsers of a classroom, in a window of its
  // own that stays open beside the maker.
  void RunInClassroom1Click();
  void SearchTests1Click();  // finds a text in the catalogue's tests, opens the editor there
  // Opens the question editor on the current test at question number.
  void EditQuestion(int number);
  void ShowHelpContents();
  void AboutQuizwell1Click();
  // Opens one of the bundled web pages (a file name in help/web).
  void OpenWebPage(const QString& page);

  // Asks before a conversion writes into an existing file; true to go on.
  bool ConfirmConversionInto(const QString& destination);
  // The information box after a conversion that lost something: names the
  // questions not converted and the values that do not survive, question by
  // question; empty when nothing was lost.
  static QString ConversionNotice(const TConversionReport& report);

  QuestionSet Questions;           // the editor's question set for the whole run
  TClassroomPlace ClassroomPlace;  // where Run in Classroom listens
  TGlobals Globals;

protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;  // FormClose
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void CreateControls();
  void CreateMenus();
  QAction* AddAction(QMenu* menu, const char* name, const QString& caption, void (TMainForm::*handler)());
  void RebuildList();
  // After a new test is written at testPath: a test outside the working
  // folder is never listed and the engine does not find it; says so.
  void TellWhenOutsideFolder(const QString& testPath);
  // The status line names the current test's description as it is now.
  void ShowCurrentDescription();
  // The Results window of the test at path; an item double-clicked there
  // opens the editor on that test.
  void ShowResults(const QString& path);
  // The commands that need a current test follow whether there is one.
  void EnableTestCommands(bool enabled);
  // Encrypt and Decrypt: a file chosen in sourceDialog converted into one
  // chosen in targetDialog, which holds what writes says; done tells it went.
  void ConvertFile(const TFileDialogOptions& sourceDialog, const TFileDialogOptions& targetDialog,
                   TFileKind writes, TConversionReport (*convert)(const std::string&, const std::string&),
                   const QString& done);
  // Whether a new test may be written at path: where a file is, the user agrees
  // to replace it (No by default) and it can be replaced; shows why not.
  bool MayReplaceTest(const QString& path);
  // Makes the test at path current and opens the editor at question number.
  void EditTestAt(const QString& path, int number);
  static QString FileNamePart(const QString& path);

  // The controls whose state changes; the rest are found by name.
  QLabel* BannerImage;
  QLabel* StatusLine;
  QLabel* VersionLine;
  QComboBox* TestList;
  QPushButton* SettingsButton;
  QPushButton* QuestionsButton;
  QAction* SettingsItem;
  QAction* QuestionsItem;
  QAction* PrintTest1;
  QAction* GradeAnswers1;
  QAction* ScanAnswerSheets1;
  QTimer* StartTimer;
  QPixmap BannerPicture;

  // The file dialogs of the window's commands.
  const TFileDialogOptions NewTestDialog;
  const TFileDialogOptions OpenTestDialog;
  const TFileDialogOptions EncryptSourceDialog;
  const TFileDialogOptions EncryptTargetDialog;
  const TFileDialogOptions DecryptSourceDialog;
  const TFileDialogOptions DecryptTargetDialog;
  const TFileDialogOptions EngineDialog;
  const TFileDialogOptions ExportDialog;

  TestCatalogue Catalogue;
  bool FirstShow = true;
  QPointer<TClassroomForm> Classroom;  // the classroom window while it is open
};
