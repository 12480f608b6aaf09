#pragma once

#include <QMainWindow>
#include <QPixmap>
#include <functional>

#include "core/model/ClientConfig.h"
#include "core/model/TestCatalogue.h"
#include "core/model/TestSettings.h"
#include "ui/platform/EngineServices.h"
#include "ui/platform/TextZoom.h"

class QDateTime;
class QDialog;
class QLabel;
class QListWidget;
class QPushButton;
class TClock;
class THelpViewer;
class TPrompts;
class TTestSession;
struct QuestionRecord;

// What the engine's main window works with; every part can be replaced in
// tests.
struct TEngineSetup {
  QString ProgramFolder;  // the engine's folder: its tests, media and qwtest.cfg
  QString HistoryPath;    // the student's history file
  TDialogs& Dialogs;
  TPrompts& Prompts;
  TShellOpen& Shell;
  THelpViewer& Help;
  const TClock& Clock;
  // A preview for the instructor: never full screen, and no password asked.
  bool Preview = false;
};

// The engine's main window: the tests of its folder, and the way into a
// test, the history, help and the about box. Reads qwtest.cfg when created.
class TEngineForm : public QMainWindow {
  Q_OBJECT
public:
  explicit TEngineForm(const TEngineSetup& setup, QWidget* parent = nullptr);

  // Shows the window, full screen and on top when the configuration says so.
  void ShowAsConfigured();
  // Takes the test at path: the student's name (once per run), the begin
  // box, the questions, the history record, the end and the review. A
  // preview (previewQuestion > 0) starts at that question, asks every
  // question in file order and records nothing.
  void TakeTest(const QString& path, int previewQuestion = 0);
  // Moves the attempts that waited in the queue (the results folder could
  // not be written when they ended) into the configured results folder. Run
  // at start; a failure is reported and the attempts wait on.
  void SendQueuedResults();
  // The folder of the engine's own data: its history, and the queue of
  // attempts not yet delivered.
  QString DataFolder() const;

  // Takes the test chosen in the list.
  void StartChosenTest();
  void OpenTest1Click();
  void History1Click();
  void About1Click();
  void Exit1Click();
  void Refresh1Click();

  // How a modal window is run; tests replace it to drive the window instead.
  std::function<int(QDialog&)> RunModal;

protected:
  void closeEvent(QCloseEvent* event) override;

private:
  // The student's share of extra time, from the list beside the test at path:
  // settings' time lengthened by the student's factor, and the student told.
  void ApplyExtraTime(const std::string& path, TestSettings& settings);
  void LoadConfig();
  void FillList();
  bool PasswordGiven(const std::string& password, const QString& what);
  // Asks the student's name once per run, and with it, where the teacher
  // keeps results of the test at path (a results folder is set, or a store
  // lies beside the test), the student number and class; either may stay
  // empty. False when the student cancelled.
  bool AskStudent(const std::string& path);
  // Runs a window of the engine: F1 in it shows the student's help, and its
  // text takes the size the student chose.
  int ShowModal(QDialog& dialog);
  // TakeTest on the file system's own bytes of the test's path.
  void TakeTestAt(const std::string& path, int previewQuestion);
  // Records a finished attempt for the teacher; never throws.
  void RecordResult(const TTestSession& session, const std::string& path, const std::string& description,
                    const std::vector<QuestionRecord>& questions, const QDateTime& started);

  TEngineSetup Setup;
  TEngineServices Services;
  TTextZoom Zoom;  // the text size every engine window shares
  ClientConfig FConfig;
  QPixmap Logo;
  TestCatalogue Catalogue;
  QListWidget* TestList;  // the tests of the folder, by description
  QLabel* LogoImage;
  QPushButton* StartButton;
  QString StudentName;
  QString StudentNumber;
  QString StudentClass;
  bool NameAsked = false;
  bool ExitGranted = false;
};
