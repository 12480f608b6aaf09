#include "ui/engine/EngineForm.h"

#include <QCloseEvent>
#include <QDateTime>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSysInfo>
#include <QVBoxLayout>
#include <filesystem>
#include <random>
#include <system_error>

#include "core/results/AttemptFile.h"
#include "core/results/RecordAttempt.h"
#include "core/results/ResultsStore.h"
#include "core/run/ExtraTime.h"
#include "core/run/History.h"
#include "core/run/TakeTest.h"
#include "core/run/TestSession.h"
#include "ui/engine/AboutBox.h"
#include "ui/engine/BeginBox.h"
#include "ui/engine/EndForm.h"
#include "ui/engine/HistoryForm.h"
#include "ui/engine/Prompts.h"
#include "ui/engine/QuestionForm.h"
#include "ui/engine/ReviewForm.h"
#include "ui/platform/Dialogs.h"
#include "ui/platform/HelpViewer.h"
#include "ui/platform/QtText.h"
#include "ui/platform/WindowKit.h"

TEngineForm::TEngineForm(const TEngineSetup& setup, QWidget* parent)
    : QMainWindow(parent),
      Setup(setup),
      Services{setup.Dialogs, setup.Shell, setup.ProgramFolder},
      Catalogue(ToPath(setup.ProgramFolder)) {
  setObjectName(QStringLiteral("EngineForm"));
  setWindowTitle(tr("Quizwell Client"));
  RunModal = [](QDialog& dialog) { return dialog.exec(); };

  QMenu* file = menuBar()->addMenu(tr("&File"));
  const auto add = [this](QMenu* menu, const char* name, const QString& caption,
                          void (TEngineForm::*handler)(), const QKeySequence& key = {}) {
    QAction* action = Named(menu->addAction(caption), name);
    action->setShortcut(key);
    connect(action, &QAction::triggered, this, handler);
  };
  add(file, "OpenTest1", tr("&Open Test..."), &TEngineForm::OpenTest1Click, QKeySequence::Open);
  add(file, "Refresh1", tr("&Refresh List"), &TEngineForm::Refresh1Click, QKeySequence::Refresh);
  add(file, "History1", tr("Test &History..."), &TEngineForm::History1Click);
  file->addSeparator();
  add(file, "Exit1", tr("E&xit"), &TEngineForm::Exit1Click);
  QMenu* help = menuBar()->addMenu(tr("&Help"));
  QAction* contents = Named(help->addAction(tr("&Contents")), "Contents1");
  contents->setShortcut(QKeySequence::HelpContents);
  connect(contents, &QAction::triggered, this, [this] { Setup.Help.ShowContext(HelpContext::Student); });
  add(help, "About1", tr("&About..."), &TEngineForm::About1Click);

  auto* central = new QWidget;
  auto* layout = new QVBoxLayout(central);
  LogoImage = Named(new QLabel, "LogoImage");
  LogoImage->setAlignment(Qt::AlignCenter);
  layout->addWidget(LogoImage);
  layout->addWidget(new QLabel(tr("Choose a test and press Start:")));
  TestList = Named(new QListWidget, "ListBox1");
  TestList->setAccessibleName(tr("Tests"));
  layout->addWidget(TestList);
  auto* buttons = new QHBoxLayout;
  StartButton = Named(new QPushButton(tr("&Start")), "StartButton");
  QPushButton* history = Named(new QPushButton(tr("His&tory")), "HistoryButton");
  QPushButton* exit = Named(new QPushButton(tr("E&xit")), "ExitButton");
  buttons->addWidget(StartButton);
  buttons->addStretch();
  buttons->addWidget(history);
  buttons->addWidget(exit);
  layout->addLayout(buttons);
  setCentralWidget(central);
  StartButton->setDefault(true);
  connect(StartButton, &QPushButton::clicked, this, &TEngineForm::StartChosenTest);
  connect(history, &QPushButton::clicked, this, &TEngineForm::History1Click);
  connect(exit, &QPushButton::clicked, this, &TEngineForm::Exit1Click);
  connect(TestList, &QListWidget::itemActivated, this, &TEngineForm::StartChosenTest);

  LoadConfig();
  FillList();
  resize(560, 560);
  CentreOnScreen(this);
  Zoom.Attach(this);
}

int TEngineForm::ShowModal(QDialog& dialog) {
  InstallHelpKey(&dialog, Setup.Help, HelpContext::Student);
  Zoom.Attach(&dialog);
  return RunModal(dialog);
}

void TEngineForm::LoadConfig() {
  RunGuarded(Setup.Dialogs,
             [this] { FConfig = LoadClientConfig(ClientConfigPath(ToPath(Setup.ProgramFolder))); });
  Logo = EngineLogo(FConfig, Setup.ProgramFolder);
  LogoImage->setPixmap(Logo);
}

void TEngineForm::FillList() {
  TestList->clear();
  RunGuarded(Setup.Dialogs, [this] { Catalogue.Scan(); });
  for (const std::string& item : Catalogue.Items()) TestList->addItem(ToQString(item));
  if (TestList->count() > 0) TestList->setCurrentRow(0);
  StartButton->setEnabled(TestList->count() > 0);
}

void TEngineForm::ShowAsConfigured() {
  if (FConfig.FullScreen && !Setup.Preview) {
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    showFullScreen();
  } else {
    show();
  }
}

void TEngineForm::Refresh1Click() {
  FillList();
}

void TEngineForm::StartChosenTest() {
  QListWidgetItem* item = TestList->currentItem();
  if (!item) return;
  const TSelection selection = Catalogue.Select(ToCoreText(item->text()));
  if (selection.Kind == TSelection::Found) {
    TakeTestAt(selection.Path, 0);
  } else if (selection.Kind == TSelection::Missing) {
    Setup.Dialogs.Error(tr("The test file \"%1\" no longer exists.").arg(FromPath(selection.Path)));
    FillList();
  }
}

void TEngineForm::OpenTest1Click() {
  const std::optional<QString> path = Setup.Dialogs.OpenFile(
      {tr("Open Test"),
       //: A file-type filter: description|patterns pairs. Translate the descriptions only.
       tr("Quizwell Files|*.QWT|All Files|*.*"),
       QStringLiteral("QWT"),
       {}});
  if (path) TakeTest(*path);
}

void TEngineForm::ApplyExtraTime(const std::string& path, TestSettings& settings) {
  // A list that cannot be read is named, and the test goes on at its own time.
  RunGuarded(Setup.Dialogs, [&] {
    const std::optional<int> seconds = TimeField::SecondsOfDay(TimeField::Normalize(settings.Time));
    if (!seconds || *seconds == 0) return;
    const std::optional<double> factor = ExtraTime::FactorFor(ExtraTime::Load(path), ToCoreText(StudentName));
    if (!factor || *factor == 1) return;
    settings.Time = TimeField::Format(ExtraTime::ExtendedSeconds(*seconds, *factor));
    Setup.Dialogs.Inform(tr("You have extra time for this test: %1 instead of %2.")
                             .arg(FromUtf8(settings.Time), FromUtf8(TimeField::Format(*seconds))));
  });
}

void TEngineForm::TakeTest(const QString& path, int previewQuestion) {
  TakeTestAt(ToPath(path), previewQuestion);
}

void TEngineForm::TakeTestAt(const std::string& path, int previewQuestion) {
  const bool preview = previewQuestion > 0;
  TestSettings settings;
  std::vector<QuestionRecord> questions;
  // The name's own bytes, whatever they are: Qt's file functions would look
  // for a name that is no valid UTF-8 under another one.
  const bool read = RunGuarded(Setup.Dialogs, [&] {
    TakeTest::TTestToTake test = TakeTest::Read(path);
    settings = std::move(test.Settings);
    questions = std::move(test.Questions);
  });
  if (!read) return;
  if (questions.empty()) {
    Setup.Dialogs.Error(tr("\"%1\" holds no questions.").arg(FromPath(path)));
    return;
  }
  if (!preview && !NameAsked && !AskStudent(path)) return;
  if (!preview) ApplyExtraTime(path, settings);
  // The session takes the questions; the attempt keeps the whole test's key.
  const std::vector<QuestionRecord> testQuestions = preview ? std::vector<QuestionRecord>{} : questions;
  TTestSession session(settings, std::move(questions), Setup.Clock);
  const QDateTime started = QDateTime::currentDateTime();
  if (preview) {
    session.StartPreview(previewQuestion);
  } else {
    TBeginBox begin(session.Settings(), session.MaxAsked(), session.LimitSeconds(), this);
    if (ShowModal(begin) != QDialog::Accepted) return;
    session.Start(begin.ChosenCount(),
                  std::random_device{}() ^ static_cast<std::uint64_t>(QDateTime::currentMSecsSinceEpoch()));
  }
  TQuestionForm form(session, Services, this);
  if (preview) form.setWindowTitle(tr("%1 (preview)").arg(form.windowTitle()));
  ShowModal(form);
  const TRunResult result = session.Finish();

  if (!preview) {
    try {
      if (const auto aside = TakeTest::AddToHistory(
              ToPath(Setup.HistoryPath), ToUtf8(StudentName),
              ToUtf8(QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))), path,
              settings.Description, result))
        Setup.Dialogs.Inform(tr("Your history file was damaged. It is kept as \"%1\", and a new "
                                "history was started with this test.")
                                 .arg(FromPath(*aside)));
    } catch (const std::exception& error) {
      Setup.Dialogs.Error(tr("Your test was scored, but it could not be added to your history.\r%1")
                              .arg(FromUtf8OrCodePage(error.what())));
    }
    RecordResult(session, path, settings.Description, testQuestions, started);
  }
  TEndForm end(session, result, this);
  ShowModal(end);
  if (end.ReviewChosen()) {
    TReviewForm review(session, Services, this);
    ShowModal(review);
  }
}

namespace {

std::string TimeText(const QDateTime& time) {
  return ToUtf8(time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
}

}  // namespace

QString TEngineForm::DataFolder() const {
  return QFileInfo(Setup.HistoryPath).absolutePath();
}

void TEngineForm::RecordResult(const TTestSession& session, const std::string& path,
                               const std::string& description, const std::vector<QuestionRecord>& questions,
                               const QDateTime& started) {
  try {
    const TTaker taker{ToUtf8(StudentName), ToUtf8(StudentNumber), ToUtf8(StudentClass),
                       ToUtf8(QSysInfo::machineHostName())};
    const TAttempt attempt =
        AttemptOfSession(session, std::filesystem::path(path).filename().string(), description, questions,
                         taker, TimeText(started), TimeText(QDateTime::currentDateTime()));
    const TRecorded recorded = RecordAttempt(attempt, std::filesystem::path(path).parent_path().string(),
                                             FConfig.ResultsFolder, ToPath(DataFolder()));
    for (const std::string& notice : recorded.Notices) Setup.Dialogs.Inform(FromUtf8(notice));
  } catch (const std::exception& error) {
    // The score is in the history already; only the teacher's copy is missing.
    Setup.Dialogs.Error(tr("Your test was scored, but the result could not be saved for your teacher.\r%1")
                            .arg(FromUtf8OrCodePage(error.what())));
  }
}

void TEngineForm::SendQueuedResults() {
  if (FConfig.ResultsFolder.empty()) return;
  const std::string queue = QueueFolder(ToPath(DataFolder()));
  std::error_code ignored;
  if (!std::filesystem::is_directory(queue, ignored)) return;
  RunGuarded(Setup.Dialogs, [&] { ResultsFolder::SendQueued(queue, FConfig.ResultsFolder); });
}

bool TEngineForm::AskStudent(const std::string& path) {
  const std::optional<QString> name = Setup.Prompts.AskText(
      tr("Student Name"), tr("Your name, for your test history (you may leave it empty):"), false);
  if (!name) return false;
  std::error_code ignored;
  const std::filesystem::path folder = std::filesystem::path(path).parent_path();
  std::optional<QString> number = QString(), group = QString();
  if (!FConfig.ResultsFolder.empty() || std::filesystem::exists(folder / ResultsFileName, ignored)) {
    number = Setup.Prompts.AskText(
        tr("Student Number"), tr("Your student number, for your teacher's results (you may leave it empty):"),
        false);
    if (!number) return false;
    group = Setup.Prompts.AskText(
        //: The student's class (group) at school.
        tr("Class"), tr("Your class, for your teacher's results (you may leave it empty):"), false);
    if (!group) return false;
  }
  StudentName = name->trimmed();
  StudentNumber = number->trimmed();
  StudentClass = group->trimmed();
  NameAsked = true;
  return true;
}

bool TEngineForm::PasswordGiven(const std::string& password, const QString& what) {
  if (password.empty() || Setup.Preview) return true;
  const std::optional<QString> typed = Setup.Prompts.AskText(what, tr("Password:"), true);
  if (!typed) return false;
  if (ToCoreText(*typed) == password) return true;
  Setup.Dialogs.Error(tr("Wrong password."));
  return false;
}

void TEngineForm::History1Click() {
  if (!PasswordGiven(FConfig.HistoryPassword, tr("Test History"))) return;
  std::vector<THistoryRecord> records;
  try {
    records = History::Load(ToPath(Setup.HistoryPath));
  } catch (const std::exception& error) {
    Setup.Dialogs.Error(FromUtf8OrCodePage(error.what()));
  }
  THistoryForm form(std::move(records), Setup.Dialogs, this);
  ShowModal(form);
}

void TEngineForm::About1Click() {
  TAboutBox about(FConfig, Logo, Services, this);
  ShowModal(about);
}

void TEngineForm::Exit1Click() {
  close();
}

void TEngineForm::closeEvent(QCloseEvent* event) {
  if (!ExitGranted && !PasswordGiven(FConfig.ExitPassword,
                                     //: Title of the password question asked before the program closes.
                                     tr("Exit"))) {
    event->ignore();
    return;
  }
  ExitGranted = true;
  Setup.Help.Quit();
  event->accept();
}
