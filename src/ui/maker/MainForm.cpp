#include "ui/maker/MainForm.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "core/model/TestFolder.h"
#include "core/storage/FileStamp.h"
#include "ui/maker/ImportFlow.h"
#include "ui/platform/Artwork.h"
#include "ui/platform/HelpViewer.h"
#include "ui/platform/QtText.h"
#include "ui/platform/Version.h"
#include "ui/platform/WindowKit.h"

namespace {

constexpr int ClientWidth = 570;
constexpr int ClientHeight = 478;

QString NotLoadedAtStart() {
  return QCoreApplication::translate("TMainForm",
                                     "Test is not loaded.  Create a new test or load an existing one.");
}
QString NotLoaded() {
  return QCoreApplication::translate("TMainForm",
                                     "Test is not loaded. Create a new test or load an existing one.");
}
QString SelectionPrompt() {
  return QCoreApplication::translate("TMainForm", "Please make your selection now.");
}

QFrame* Panel(const char* name, QFrame::Shape shape, QWidget* parent) {
  auto* panel = Named(new QFrame(parent), name);
  panel->setFrameShape(shape);
  panel->setFrameShadow(QFrame::Sunken);
  return panel;
}

QPushButton* Button(const char* name, const QString& caption, QWidget* parent) {
  auto* button = Named(new QPushButton(caption, parent), name);
  button->setMinimumHeight(30);
  return button;
}

}  // namespace

TMainForm::TMainForm(const QString& programFolder, TDialogs& dialogs, THelpViewer& help, TShellOpen& shell,
                     QWidget* parent)
    : QMainWindow(parent),
      Globals{programFolder, QString(), dialogs, help, shell, Questions},
      BannerPicture(PaintBanner()),
      NewTestDialog{tr("Specify the filename for the new test"), tr("Quizwell Files|*.QWT"),
                    QStringLiteral("QWT"), QString()},
      OpenTestDialog{QString(), tr("Quizwell Files|*.QWT|All Files|*.*"), QString(), QString()},
      EncryptSourceDialog{tr("Select Text File to Encrypt"), tr("Unencrypted Test files|*.TXT|All Files|*.*"),
                          QStringLiteral("TXT"), QString()},
      EncryptTargetDialog{tr("Select Test Name to Save to"), tr("Test Files|*.QWT|All Files|*.*"),
                          QStringLiteral("QWT"), QString()},
      DecryptSourceDialog{tr("Select Test to Decrypt"), tr("Encrypted Test Files|*.QWT|All Files|*.*"),
                          QStringLiteral("TXT"), QString()},
      DecryptTargetDialog{tr("Select Text File to Save to"), tr("Text Files|*.TXT|All Files|*.*"),
                          QStringLiteral("TXT"), QString()},
      EngineDialog{QString(), tr("Application Files|*.EXE|All Files|*.*"), QStringLiteral("EXE"),
                   QString::fromLatin1(TestFolder::EngineFileName.data(),
                                       static_cast<qsizetype>(TestFolder::EngineFileName.size()))},
      ExportDialog{tr("Export Questions to"), ExchangeFilter(false), QString(), QString()},
      Catalogue(ToPath(programFolder)) {
  setObjectName(QStringLiteral("MainForm"));
  // Tests are made and found in the working folder: every file dialog starts there.
  dialogs.SetStartFolder(programFolder);
  setWindowTitle(tr("Quizwell Maker"));

  StartTimer = Named(new QTimer(this), "StartTimer");
  StartTimer->setSingleShot(true);
  StartTimer->setInterval(1);
  connect(StartTimer, &QTimer::timeout, this, &TMainForm::StartTimerTimer);

  CreateControls();
  CreateMenus();
  EnableTestCommands(false);
  InstallHelpKey(this, help, HelpContext::Main);

  setFixedSize(ClientWidth, ClientHeight + menuBar()->sizeHint().height());
  CentreOnScreen(this);
}

TMainForm::~TMainForm() = default;

void TMainForm::CreateControls() {
  auto* client = Named(new QWidget(this), "Client");
  client->setFixedSize(ClientWidth, ClientHeight);
  setCentralWidget(client);
  auto* column = new QVBoxLayout(client);
  column->setContentsMargins(14, 12, 14, 10);
  column->setSpacing(12);

  QFrame* panel5 = Panel("Panel5", QFrame::Panel, client);
  auto* bannerBox = new QHBoxLayout(panel5);
  bannerBox->setContentsMargins(2, 2, 2, 2);
  BannerImage = Named(new QLabel(panel5), "Image1");
  BannerImage->setFixedSize(BannerWidth, BannerHeight);
  BannerImage->setPixmap(BannerPicture);
  bannerBox->addWidget(BannerImage);
  column->addWidget(panel5, 0, Qt::AlignHCenter);

  QFrame* panel1 = Panel("Panel1", QFrame::StyledPanel, client);
  auto* fileButtons = new QHBoxLayout(panel1);
  fileButtons->setContentsMargins(8, 6, 8, 6);
  QPushButton* button1 = Button("Button1", tr("&New Test"), panel1);
  QPushButton* button2 = Button("Button2", tr("&Load Test"), panel1);
  QPushButton* button5 = Button("Button5", tr("E&xit"), panel1);
  fileButtons->addWidget(button1);
  fileButtons->addWidget(button2);
  fileButtons->addWidget(button5);
  column->addWidget(panel1);

  auto* label1 = Named(new QLabel(tr("Tests found in current folder"), client), "Label1");
  column->addSpacing(2);
  column->addWidget(label1);

  TestList = Named(new QComboBox(client), "ComboBox1");
  TestList->setEditable(false);
  TestList->setMinimumHeight(28);
  label1->setBuddy(TestList);
  column->addWidget(TestList);

  QFrame* panel2 = Panel("Panel2", QFrame::Panel, client);
  auto* statusBox = new QHBoxLayout(panel2);
  statusBox->setContentsMargins(2, 2, 2, 2);
  StatusLine = Named(new QLabel(NotLoadedAtStart(), panel2), "Panel6");
  StatusLine->setTextFormat(Qt::PlainText);
  StatusLine->setAlignment(Qt::AlignCenter);
  StatusLine->setMinimumHeight(30);
  StatusLine->setAutoFillBackground(true);
  QPalette status = StatusLine->palette();
  status.setColor(QPalette::Window, QColor(0x00, 0x80, 0x80));
  status.setColor(QPalette::WindowText, Qt::white);
  StatusLine->setPalette(status);
  QFont bold = StatusLine->font();
  bold.setBold(true);
  StatusLine->setFont(bold);
  StatusLine->installEventFilter(this);
  statusBox->addWidget(StatusLine);
  column->addWidget(panel2);

  auto* testButtons = new QHBoxLayout;
  SettingsButton = Button("Button3", tr("&Global Test Settings"), client);
  QuestionsButton = Button("Button4", tr("&Questions and Answers"), client);
  QPushButton* button6 = Button("Button6", tr("&Client Configuration"), client);
  testButtons->addWidget(SettingsButton);
  testButtons->addWidget(QuestionsButton);
  testButtons->addWidget(button6);
  column->addLayout(testButtons);

  column->addStretch(1);
  VersionLine = Named(new QLabel(client), "Label3");
  VersionLine->setTextFormat(Qt::PlainText);
  VersionLine->setAlignment(Qt::AlignCenter);
  VersionLine->setWordWrap(true);
  column->addWidget(VersionLine);

  connect(button1, &QPushButton::clicked, this, &TMainForm::NewTest);
  connect(button2, &QPushButton::clicked, this, &TMainForm::LoadTest);
  connect(SettingsButton, &QPushButton::clicked, this, &TMainForm::EditSettings);
  connect(QuestionsButton, &QPushButton::clicked, this, &TMainForm::EditQuestions);
  connect(button5, &QPushButton::clicked, this, &TMainForm::ExitProgram);
  connect(button6, &QPushButton::clicked, this, &TMainForm::ConfigureClient);
  // Only the instructor's picks select a test; rebuilding the list does not.
  connect(TestList, &QComboBox::activated, this, &TMainForm::TestPicked);
  // Results... for any test of the catalogue: the entry shown, or the one
  // under the pointer in the open list, without loading it.
  const auto offerResults = [this](QWidget* where, const QPoint& at, int row) {
    if (row <= 0) return;
    QMenu menu(where);
    Named(&menu, "CatalogueMenu");
    QAction* results = Named(menu.addAction(tr("&Results...")), "CatalogueResults1");
    if (menu.exec(where->mapToGlobal(at)) != results) return;
    TestList->hidePopup();
    CatalogueResults(row);
  };
  TestList->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(TestList, &QWidget::customContextMenuRequested, this,
          [this, offerResults](const QPoint& at) { offerResults(TestList, at, TestList->currentIndex()); });
  TestList->view()->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(TestList->view(), &QWidget::customContextMenuRequested, this,
          [this, offerResults](const QPoint& at) {
            offerResults(TestList->view()->viewport(), at, TestList->view()->indexAt(at).row());
          });
}

QAction* TMainForm::AddAction(QMenu* menu, const char* name, const QString& caption,
                              void (TMainForm::*handler)()) {
  QAction* action = Named(menu->addAction(caption), name);
  connect(action, &QAction::triggered, this, handler);
  return action;
}

void TMainForm::CreateMenus() {
  QMenuBar* mainMenu = Named(menuBar(), "MainMenu1");

  QMenu* file = Named(mainMenu->addMenu(tr("&File")), "File1");
  AddAction(file, "NewTest1", tr("&New Test"), &TMainForm::NewTest);
  AddAction(file, "ViewHistory1", tr("&Load a test"), &TMainForm::LoadTest);
  file->addSeparator();
  AddAction(file, "EncryptRawTestFile1", tr("Encrypt Text File to Test"),
            &TMainForm::EncryptRawTestFile1Click);
  AddAction(file, "DecryptTestIntoTextFile1", tr("Decrypt Test to Text File"),
            &TMainForm::DecryptTestIntoTextFile1Click);
  file->addSeparator();
  PrintTest1 = AddAction(file, "PrintTest1", tr("&Print Test..."), &TMainForm::PrintTest1Click);
  GradeAnswers1 = AddAction(file, "GradeAnswers1", tr("&Grade Answers..."), &TMainForm::GradeAnswers1Click);
  ScanAnswerSheets1 =
      AddAction(file, "ScanAnswerSheets1", tr("&Scan Answer Sheets..."), &TMainForm::ScanAnswerSheets1Click);
  AddAction(file, "Results1", tr("&Results..."), &TMainForm::Results1Click);
  AddAction(file, "ImportQuestions1", tr("&Import Questions..."), &TMainForm::ImportQuestions1Click);
  AddAction(file, "ExportQuestions1", tr("E&xport Questions..."), &TMainForm::ExportQuestions1Click);
  AddAction(file, "FindDuplicateQuestions1", tr("Find D&uplicate Questions..."),
            &TMainForm::FindDuplicateQuestions1Click);
  file->addSeparator();
  AddAction(file, "LaunchQuizwellClient1", tr("Launch Quizwell &Client"),
            &TMainForm::LaunchQuizwellClient1Click);
  AddAction(file, "PreviewTest1", tr("Pre&view Test"), &TMainForm::PreviewTest1Click);
  AddAction(file, "RunInClassroom1", tr("Run in Cl&assroom..."), &TMainForm::RunInClassroom1Click);
  file->addSeparator();
  AddAction(file, "Exit1", tr("&Exit                     Alt-F4"), &TMainForm::ExitProgram);

  QMenu* edit = Named(mainMenu->addMenu(tr("&Edit")), "Edit2");
  SettingsItem = AddAction(edit, "Edit1", tr("&Global Test Settings"), &TMainForm::EditSettings);
  QuestionsItem =
      AddAction(edit, "QuestionsandAnswers1", tr("&Questions and Answers"), &TMainForm::EditQuestions);
  AddAction(edit, "SearchTests1", tr("&Search Tests..."), &TMainForm::SearchTests1Click)
      ->setShortcut(QKeySequence::Find);

  QMenu* help = Named(mainMenu->addMenu(tr("&Help")), "Help1");
  AddAction(help, "ContentsF11", tr("&Contents                 F1"), &TMainForm::ShowHelpContents);
  help->addSeparator();
  QMenu* web = Named(help->addMenu(tr("Quizwell on the &Web")), "WebLinks1");
  const struct {
    const char* Name;
    QString Caption;
    QString Page;
  } links[] = {
      {"HomePage1", tr("Quizwell Maker &Home Page"), QStringLiteral("home.html")},
      {"TipsforWritingTests1", tr("&Tips for Writing Tests"), QStringLiteral("tips.html")},
      {"Support1", tr("&Support"), QStringLiteral("support.html")},
      {"CheckforUpdates1", tr("Check for &Updates"), QStringLiteral("updates.html")},
  };
  for (const auto& link : links) {
    QAction* action = Named(web->addAction(link.Caption), link.Name);
    connect(action, &QAction::triggered, this, [this, page = link.Page] { OpenWebPage(page); });
  }
  help->addSeparator();
  AddAction(help, "AboutQuizwell1", tr("&About Quizwell Maker"), &TMainForm::AboutQuizwell1Click);
}

void TMainForm::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  // Restoring a minimised window is no new showing and asks for no rescan.
  if (!event->spontaneous()) FormShow();
}

void TMainForm::closeEvent(QCloseEvent* event) {
  // The classroom asks first while students are still answering.
  if (Classroom && !Classroom->close()) {
    event->ignore();
    return;
  }
  Globals.Help.Quit();
  event->accept();
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == StatusLine && event->type() == QEvent::MouseButtonDblClick) {
    LoadTest();  // the status line loads a test
    return true;
  }
  return QMainWindow::eventFilter(watched, event);
}

void TMainForm::FormShow() {
  StartTimer->start();
}

void TMainForm::StartTimerTimer() {
  StartTimer->stop();
  VersionLine->setText(VersionText);
  if (FirstShow) {
    FirstShow = false;
    Globals.Dialogs.Inform(tr("This is the Instructor Test Maker.\rDo not distribute with Quizwell."));
  }

  TDialogs& dialogs = Globals.Dialogs;
  TCatalogueEvents events;
  events.OnUndecodable = [&dialogs](const std::string& path) {
    dialogs.Inform(tr("The test file: %1\ris corrupt and can not be decoded.\rIt will not be loaded.")
                       .arg(FromPath(path)));
  };
  events.OnUnreadable = [&dialogs](const std::string& path, const std::string& reason) {
    //: %1 is the test's file, %2 the system's reason.
    dialogs.Error(tr("The test file: %1\rcan not be read: %2.\rIt will not be loaded.")
                      .arg(FromPath(path), FromSystemText(reason)));
  };
  events.OnTooMany = [&dialogs](int notListed) {
    dialogs.Inform(tr("Only the first %1 tests in this folder can be listed.\r").arg(MaxTests) +
                   (notListed == 1
                        ? tr("1 more test file (*.QWT) was found and is not listed.")
                        : tr("%1 more test files (*.QWT) were found and are not listed.").arg(notListed)));
  };
  int found = 0;
  const bool scanned = RunGuarded(dialogs, [&] { found = Catalogue.Scan(events); });
  if (scanned && found == 0)
    dialogs.Inform(
        tr("Did not find any tests.\rAll tests (*.QWT) should be in the same folder as this program."));
  RebuildList();
}

void TMainForm::RebuildList() {
  TestList->clear();
  TestList->addItem(SelectionPrompt());
  for (const std::string& item : Catalogue.Items()) TestList->addItem(ToQString(item));
  TestList->setCurrentIndex(0);
}

void TMainForm::TestPicked() {
  RunGuarded(Globals.Dialogs, [this] {
    const QString item = TestList->currentText();
    const TSelection selection = Catalogue.Select(ToCoreText(item));
    switch (selection.Kind) {
      case TSelection::Prompt:
        return;
      case TSelection::BadNumber:
        Globals.Dialogs.Inform(tr("Could not get test name!\rPlease try again or reinstall software."));
        SetTestNotLoaded();
        return;
      case TSelection::NoFileName:
        Globals.Dialogs.Inform(
            tr("Could not get file name for test!\rPlease try again or reinstall software."));
        SetTestNotLoaded();
        return;
      case TSelection::Missing:
        Globals.Dialogs.Inform(tr("The test named %1 was not found!\rPlease try again or reinstall software.")
                                   .arg(FromPath(selection.Path)));
        SetTestNotLoaded();
        return;
      case TSelection::Found: {
        const QString path = FromPath(selection.Path);
        SetTestLoaded(item + QStringLiteral(" (") + FileNamePart(path) + QLatin1Char(')'), path);
        return;
      }
    }
  });
}

void TMainForm::SetTestLoaded(const QString& caption, const QString& path) {
  StatusLine->setText(caption);
  EnableTestCommands(true);
  Globals.CurrentTestPath = path;
}

void TMainForm::EnableTestCommands(bool enabled) {
  for (QPushButton* button : {SettingsButton, QuestionsButton}) button->setEnabled(enabled);
  for (QAction* item : {SettingsItem, QuestionsItem, PrintTest1, GradeAnswers1, ScanAnswerSheets1})
    item->setEnabled(enabled);
}

void TMainForm::SetTestNotLoaded() {
  StatusLine->setText(NotLoaded());
  EnableTestCommands(false);
  Globals.CurrentTestPath.clear();
}

QString TMainForm::FileNamePart(const QString& path) {
  return QFileInfo(path).fileName();
}

bool TMainForm::MayReplaceTest(const QString& path) {
  TDialogs& dialogs = Globals.Dialogs;
  if (!QFileInfo::exists(path)) return true;
  if (!dialogs.ConfirmRisk(QCoreApplication::translate(
          "TMainForm", "A test file with that name exists!\rOverwrite existing test file?")))
    return false;
  const std::string reason = TestFolder::ReplaceBlocker(ToPath(path));
  if (reason.empty()) return true;
  //: %1 is the test's file, %2 why it could not be replaced.
  dialogs.Error(QCoreApplication::translate(
                    "TMainForm", "The test file %1 could not be replaced: %2.\rNothing was changed.")
                    .arg(path, ToQString(reason)));
  return false;
}

void TMainForm::NewTest() {
  RunGuarded(Globals.Dialogs, [this] {
    const std::optional<QString> chosen = Globals.Dialogs.SaveFile(NewTestDialog);
    if (!chosen) {
      SetTestNotLoaded();
      return;
    }
    const QString& name = *chosen;
    if (!MayReplaceTest(name)) return;
    TestFolder::CreateNewTest(ToPath(name));
    //: The status line of a new test; %1 is its file name.
    SetTestLoaded(tr("No description (%1)").arg(FileNamePart(name)), name);
    TellWhenOutsideFolder(name);
    StartTimer->start();
  });
}

void TMainForm::TellWhenOutsideFolder(const QString& testPath) {
  const QString folder = QFileInfo(testPath).absolutePath();
  if (SameFile(ToPath(folder), ToPath(Globals.ProgramFolder))) return;
  //: %1 is the test's file name, %2 the folder it is saved in, %3 the working folder.
  Globals.Dialogs.Inform(
      tr("%1 is saved in %2, outside the working folder %3.\rThe list of tests shows only the "
         "tests in the working folder, and the engine finds them there.\rTo work on this test "
         "another time, open it with Load Test.")
          .arg(FileNamePart(testPath), QDir::toNativeSeparators(folder),
               QDir::toNativeSeparators(Globals.ProgramFolder)));
}

void TMainForm::ShowCurrentDescription() {
  if (Globals.CurrentTestPath.isEmpty()) return;
  const std::optional<std::string> description =
      TestFolder::LoadableDescription(ToPath(Globals.CurrentTestPath));
  if (description)
    StatusLine->setText(ToQString(*description) + QStringLiteral(" (") +
                        FileNamePart(Globals.CurrentTestPath) + QLatin1Char(')'));
}

void TMainForm::LoadTest() {
  RunGuarded(Globals.Dialogs, [this] {
    const std::optional<QString> chosen = Globals.Dialogs.OpenFile(OpenTestDialog);
    if (chosen) OpenTest(*chosen);
  });
}

void TMainForm::OpenTest(const QString& name) {
  RunGuarded(Globals.Dialogs, [this, &name] {
    const std::optional<std::string> description = TestFolder::LoadableDescription(ToPath(name));
    if (!description) {
      Globals.Dialogs.Error(
          tr("Could not read test description.\rTest is not valid manually edit or delete."));
      SetTestNotLoaded();
      return;
    }
    SetTestLoaded(ToQString(*description) + QStringLiteral(" (") + FileNamePart(name) + QLatin1Char(')'),
                  name);
  });
}

void TMainForm::ExitProgram() {
  QCoreApplication::exit(0);
}
