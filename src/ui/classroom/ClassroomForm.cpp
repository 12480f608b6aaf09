#include "ui/classroom/ClassroomForm.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDateTime>
#include <QFont>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <chrono>
#include <filesystem>

#include "classroom/Classroom.h"
#include "classroom/Server.h"
#include "core/results/PostgresDatabase.h"
#include "core/results/StoreLocation.h"
#include "core/storage/IoError.h"
#include "ui/page/QrCode.h"
#include "ui/platform/Dialogs.h"
#include "ui/platform/Globals.h"
#include "ui/platform/HelpViewer.h"
#include "ui/platform/QtText.h"
#include "ui/platform/StoreSetting.h"
#include "ui/platform/WindowKit.h"

namespace {

enum TColumn { NameColumn, ProgressColumn, ScoreColumn, AwayColumn, ColumnCount };

QString ProgressText(const TStudentLine& line) {
  if (line.Finished) return TClassroomForm::tr("finished");
  if (line.Position == 0) return TClassroomForm::tr("joined");
  return TClassroomForm::tr("question %1 of %2").arg(line.Position).arg(line.Count);
}

// What the page reported of a student leaving it during the test, for the
// teacher to judge: "left the page 2×, 40 s".
QString AwayText(const TStudentLine& line) {
  if (line.AwayCount == 0) return QString();
  //: How often and how long a student left the test's page; %1 is the count, %2 the seconds.
  return TClassroomForm::tr("left the page %1\u00D7, %2 s").arg(line.AwayCount).arg(line.AwaySeconds);
}

QLabel* PlainLabel(QWidget* parent, const char* name, int pointSize = 0) {
  auto* label = Named(new QLabel(parent), name);
  // Nothing shown here is ever read as markup.
  label->setTextFormat(Qt::PlainText);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  if (pointSize > 0) {
    QFont font = label->font();
    font.setPointSize(pointSize);
    font.setBold(true);
    label->setFont(font);
  }
  return label;
}

// A store's address as it may be shown, without its password.
QString ShownStore(const QString& location) {
  return location.isEmpty() ? location : FromUtf8(Postgres::ShownName(location.toStdString()));
}

}  // namespace

// The QR code of the first address, as large as its box allows.
class TQrBox : public QWidget {
public:
  explicit TQrBox(QWidget* parent) : QWidget(parent) { setMinimumSize(260, 260); }
  void SetText(const QString& text) {
    Code = std::make_unique<TQrCode>(text);
    update();
  }

protected:
  void paintEvent(QPaintEvent*) override {
    if (!Code || Code->Width() == 0) return;
    QPainter painter(this);
    Code->Paint(painter, rect());
  }

private:
  std::unique_ptr<TQrCode> Code;
};

TClassroomForm::TClassroomForm(TGlobals& globals, TClassroomPlace place, QWidget* parent)
    : QWidget(parent, Qt::Window), Globals(globals), Place(std::move(place)) {
  setObjectName(QStringLiteral("ClassroomForm"));
  CreateControls();
  InstallHelpKey(this, Globals.Help, HelpContext::Classroom);
}

TClassroomForm::~TClassroomForm() {
  if (!Serving()) return;
  StopServing();
  try {
    Classroom->EndAll();
  } catch (const TIoError&) {
    // Each attempt's answers are saved as given; a later session resumes them.
  }
}

void TClassroomForm::CreateControls() {
  setWindowTitle(tr("Classroom"));
  resize(960, 680);

  auto* join = new QLabel(tr("Open in a browser:"), this);
  QFont joinFont = join->font();
  joinFont.setPointSize(joinFont.pointSize() + 4);
  join->setFont(joinFont);
  AddressLabel = PlainLabel(this, "AddressLabel", 26);
  RoomCodeLabel = PlainLabel(this, "RoomCodeLabel", 26);
  NoteLabel = PlainLabel(this, "NoteLabel");
  NoteLabel->setWordWrap(true);
  QrBox = Named(new TQrBox(this), "QrBox");
  QrBox->setAccessibleName(tr("QR code of the address"));

  auto* place = new QVBoxLayout;
  place->addWidget(join);
  place->addWidget(AddressLabel);
  place->addSpacing(12);
  place->addWidget(RoomCodeLabel);
  place->addWidget(NoteLabel);
  place->addStretch();
  auto* top = new QHBoxLayout;
  top->addLayout(place, 1);
  top->addWidget(QrBox);

  StudentList = Named(new QTableWidget(0, ColumnCount, this), "StudentList");
  StudentList->setHorizontalHeaderLabels({tr("Student"), tr("Progress"), tr("Score"), tr("Away")});
  StudentList->setAccessibleName(tr("Students"));
  StudentList->setEditTriggers(QAbstractItemView::NoEditTriggers);
  StudentList->setSelectionMode(QAbstractItemView::NoSelection);
  StudentList->verticalHeader()->hide();
  StudentList->horizontalHeader()->setSectionResizeMode(NameColumn, QHeaderView::Stretch);
  StudentList->horizontalHeader()->setSectionResizeMode(ProgressColumn, QHeaderView::ResizeToContents);
  StudentList->horizontalHeader()->setSectionResizeMode(ScoreColumn, QHeaderView::ResizeToContents);
  StudentList->horizontalHeader()->setSectionResizeMode(AwayColumn, QHeaderView::ResizeToContents);
  QFont listFont = StudentList->font();
  listFont.setPointSize(listFont.pointSize() + 4);
  StudentList->setFont(listFont);
  StudentList->setColumnHidden(ScoreColumn, true);

  RequestBox = Named(new QWidget(this), "RequestBox");
  RequestLayout = new QVBoxLayout(RequestBox);
  RequestLayout->setContentsMargins(0, 0, 0, 0);
  RequestBox->hide();
  ErrorLabel = PlainLabel(this, "ErrorLabel");
  ErrorLabel->setWordWrap(true);
  ErrorLabel->hide();

  SummaryLabel = PlainLabel(this, "SummaryLabel");
  HoldReviewCheck = Named(new QCheckBox(tr("&Hold the review until the test ends"), this), "HoldReviewCheck");
  HoldReviewCheck->setChecked(true);
  ShowScoresButton = Named(new QPushButton(tr("Show &Scores"), this), "ShowScoresButton");
  EndTestButton = Named(new QPushButton(tr("&End Test"), this), "EndTestButton");
  EndSessionButton = Named(new QPushButton(tr("End Sessio&n"), this), "EndSessionButton");
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(SummaryLabel, 1);
  buttons->addWidget(HoldReviewCheck);
  buttons->addWidget(ShowScoresButton);
  buttons->addWidget(EndTestButton);
  buttons->addWidget(EndSessionButton);

  StoreEdit = Named(new QLineEdit(this), "StoreEdit");
  //: Keep the file name Results.sqlite and postgresql:// as they are.
  StoreEdit->setPlaceholderText(tr("the test folder's Results.sqlite, or postgresql://..."));
  auto* storeCaption = new QLabel(tr("Results s&tore:"), this);
  storeCaption->setBuddy(StoreEdit);
  UseStoreButton = Named(new QPushButton(tr("&Use"), this), "UseStoreButton");
  StoreLabel = PlainLabel(this, "StoreLabel");
  auto* store = new QHBoxLayout;
  store->addWidget(storeCaption);
  store->addWidget(StoreEdit, 1);
  store->addWidget(UseStoreButton);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addLayout(store);
  layout->addWidget(StoreLabel);
  layout->addWidget(RequestBox);
  layout->addWidget(StudentList, 1);
  layout->addWidget(ErrorLabel);
  layout->addLayout(buttons);

  RefreshTimer = new QTimer(this);
  RefreshTimer->setInterval(1000);
  connect(RefreshTimer, &QTimer::timeout, this, &TClassroomForm::Refresh);
  connect(ShowScoresButton, &QPushButton::clicked, this, &TClassroomForm::ShowScoresClick);
  connect(EndTestButton, &QPushButton::clicked, this, &TClassroomForm::EndTestClick);
  connect(EndSessionButton, &QPushButton::clicked, this, &TClassroomForm::EndSessionClick);
  connect(UseStoreButton, &QPushButton::clicked, this, &TClassroomForm::UseStoreClick);
  connect(HoldReviewCheck, &QCheckBox::toggled, this, [this](bool hold) {
    if (Classroom) Classroom->HoldReview(hold);
  });
  connect(StoreEdit, &QLineEdit::returnPressed, this, &TClassroomForm::UseStoreClick);
}

bool TClassroomForm::Start() {
  const std::string testPath = ToPath(Globals.CurrentTestPath);
  TClassroomTest test = LoadClassroomTest(testPath);
  if (test.Questions.empty()) {
    Globals.Dialogs.Error(tr("%1 has no questions to run in a classroom.").arg(FromPath(test.FileName)));
    return false;
  }
  const QString saved = SavedResultsStore();
  SavedStore = saved;
  StoreEdit->setText(ShownStore(saved));
  try {
    Opened = OpenStoreAt(saved.toStdString(), TestFolder());
  } catch (const TIoError& error) {
    // The saved store is down or gone: the session still runs, on the test
    // folder's own store, and says so, so that the teacher can choose again.
    if (saved.isEmpty()) throw;
    //: %1 is the reason the saved store could not be opened.
    Globals.Dialogs.Error(tr("%1\rThis session stores into the test folder's Results.sqlite until "
                             "another store is used.")
                              .arg(FromSystemText(error.what())));
    Opened = OpenStoreAt(std::string(), TestFolder());
  }
  ShowStore();
  QStringList notes;
  for (const std::string& notice : Opened.Notices) notes << FromUtf8OrCodePage(notice);

  setWindowTitle(tr("Classroom - %1").arg(ToQString(test.Settings.Description)));
  Classroom = std::make_unique<TClassroom>(std::move(test), NewRoomCode(), *Opened.Store, Clock);
  Classroom->HoldReview(HoldReviewCheck->isChecked());
  BoundPort = Serve(Place.Port);
  if (BoundPort < 0) {
    Classroom.reset();
    return false;
  }
  if (Place.Port != 0 && BoundPort != Place.Port)
    notes << tr("Port %1 is in use by another program, so this session uses port %2.")
                 .arg(Place.Port)
                 .arg(BoundPort);

  for (const std::string& address : StudentAddresses(Place.BindAddress, BoundPort))
    AddressTexts << FromUtf8(address);
  if (AddressTexts.isEmpty()) {
    AddressLabel->setText(tr("port %1 of this computer").arg(BoundPort));
    notes << tr(
        "This computer has no network: connect it to the room's network, then open "
        "the classroom again.");
  } else {
    AddressLabel->setText(AddressTexts.join(QLatin1Char('\n')));
    QrBox->SetText(AddressTexts.front());
  }
  RoomCodeLabel->setText(tr("Room code: %1").arg(RoomCode()));
  NoteLabel->setText(notes.join(QLatin1Char('\n')));
  NoteLabel->setVisible(!notes.isEmpty());
  Refresh();
  RefreshTimer->start();
  return true;
}

int TClassroomForm::Serve(int port) {
  Server = std::make_unique<TClassroomServer>(*Classroom, [this](const std::string& what) {
    QMetaObject::invokeMethod(
        this, [this, text = FromUtf8OrCodePage(what)] { ShowServerError(text); }, Qt::QueuedConnection);
  });
  int bound = Server->Bind(Place.BindAddress, port);
  if (bound < 0 && port != 0) bound = Server->Bind(Place.BindAddress, 0);
  if (bound < 0) {
    Globals.Dialogs.Error(
        tr("The classroom cannot listen on %1: no port is free.").arg(FromUtf8(Place.BindAddress)));
    Server.reset();
    return -1;
  }
  ServerThread = std::thread([server = Server.get()] { server->Run(); });
  // Stopping before the server listens would leave it listening for good.
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  while (!Server->Running() && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  return bound;
}

std::string TClassroomForm::TestFolder() const {
  const std::string folder = std::filesystem::path(ToPath(Globals.CurrentTestPath)).parent_path().string();
  return folder.empty() ? std::string(".") : folder;
}

void TClassroomForm::ShowStore() {
  StoreLabel->setText(tr("Results go to %1").arg(FromUtf8OrCodePage(Opened.Path)));
}

void TClassroomForm::UseStoreClick() {
  if (!Serving()) return;
  const QString typed = StoreEdit->text().trimmed();
  const QString location = typed == ShownStore(SavedStore) ? SavedStore : typed;
  TOpenedStore opened;
  TClassroomTest test;
  // Everything that may fail comes first, so that a store that cannot be
  // opened leaves the session as it was.
  if (!RunGuarded(Globals.Dialogs, [&] {
        opened = OpenStoreAt(location.toStdString(), TestFolder());
        test = LoadClassroomTest(ToPath(Globals.CurrentTestPath));
      }))
    return;
  if (!Classroom->Students().empty()) {
    Globals.Dialogs.Error(
        tr("Students have joined, so this session keeps its store. End the session and open "
           "the classroom again to use another."));
    return;
  }
  RefreshTimer->stop();
  Server->Stop();
  ServerThread.join();
  // A student who joined while the server stopped keeps the session on its
  // store.
  if (Classroom->Students().empty()) {
    Classroom = std::make_unique<TClassroom>(std::move(test), Classroom->RoomCode(), *opened.Store, Clock);
    Classroom->HoldReview(HoldReviewCheck->isChecked());
    Opened = std::move(opened);
    SaveResultsStore(location);
    SavedStore = location;
    StoreEdit->setText(ShownStore(location));
    ShowStore();
  }
  if (Serve(BoundPort) < 0) {
    EndTestButton->setEnabled(false);
    EndSessionButton->setEnabled(false);
    return;
  }
  for (const std::string& notice : Opened.Notices) Globals.Dialogs.Inform(FromUtf8OrCodePage(notice));
  RefreshTimer->start();
  Refresh();
}

QString TClassroomForm::RoomCode() const {
  return Classroom ? FromUtf8(Classroom->RoomCode()) : QString();
}

void TClassroomForm::Refresh() {
  if (!Classroom) return;
  const std::vector<TStudentLine> lines = Classroom->Students();
  StudentList->setRowCount(static_cast<int>(lines.size()));
  int answering = 0, finished = 0;
  for (int row = 0; row < static_cast<int>(lines.size()); ++row) {
    const TStudentLine& line = lines[static_cast<std::size_t>(row)];
    answering += line.Position > 0 && !line.Finished ? 1 : 0;
    finished += line.Finished ? 1 : 0;
    const QString texts[ColumnCount] = {
        FromUtf8(line.Name), ProgressText(line),
        //: A percentage; the number is %1.
        ScoresShown && line.Finished ? tr("%1%").arg(line.Percent) : QString(), AwayText(line)};
    for (int column = 0; column < ColumnCount; ++column) {
      QTableWidgetItem* item = StudentList->item(row, column);
      if (!item) StudentList->setItem(row, column, item = new QTableWidgetItem);
      item->setText(texts[column]);
      if (column == ScoreColumn) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
  }
  AnsweringCount = answering;
  ShowDeviceRequests();
  // The store is chosen before anyone joins: their attempts go where they began.
  UseStoreButton->setEnabled(Serving() && lines.empty());
  StoreEdit->setReadOnly(!UseStoreButton->isEnabled());
  SummaryLabel->setText(
      tr("%1 joined, %2 answering, %3 finished").arg(lines.size()).arg(answering).arg(finished));
}

void TClassroomForm::ShowDeviceRequests() {
  const std::vector<TDeviceRequest> requests = Classroom->DeviceRequests();
  std::vector<std::string> ids;
  for (const TDeviceRequest& request : requests) ids.push_back(request.Id);
  if (ids == ShownRequests) return;
  ShownRequests = ids;
  while (QLayoutItem* item = RequestLayout->takeAt(0)) {
    delete item->widget();
    delete item;
  }
  for (const TDeviceRequest& request : requests) {
    auto* line = new QWidget(RequestBox);
    auto* row = new QHBoxLayout(line);
    row->setContentsMargins(0, 0, 0, 0);
    auto* text = PlainLabel(line, "RequestLabel");
    text->setText(tr("%1 asks to continue on another device").arg(FromUtf8(request.Name)));
    auto* allow = Named(new QPushButton(tr("Allow"), line), "AllowButton");
    auto* refuse = Named(new QPushButton(tr("Refuse"), line), "RefuseButton");
    connect(allow, &QPushButton::clicked, this, [this, id = request.Id] { AnswerDeviceRequest(id, true); });
    connect(refuse, &QPushButton::clicked, this, [this, id = request.Id] { AnswerDeviceRequest(id, false); });
    row->addWidget(text, 1);
    row->addWidget(allow);
    row->addWidget(refuse);
    RequestLayout->addWidget(line);
  }
  RequestBox->setVisible(!requests.empty());
}

void TClassroomForm::AnswerDeviceRequest(const std::string& id, bool allow) {
  if (!Classroom) return;
  Classroom->AnswerDeviceRequest(id, allow);
  Refresh();
}

void TClassroomForm::ShowServerError(const QString& what) {
  ErrorLabel->setText(tr("A student's request failed at %1: %2")
                          .arg(QDateTime::currentDateTime().toString(QStringLiteral("HH:mm:ss")), what));
  ErrorLabel->show();
}

void TClassroomForm::ShowScoresClick() {
  ScoresShown = !ScoresShown;
  ShowScoresButton->setText(ScoresShown ? tr("Hide &Scores") : tr("Show &Scores"));
  StudentList->setColumnHidden(ScoreColumn, !ScoresShown);
  Refresh();
}

QString TClassroomForm::AnsweringText() const {
  return AnsweringCount == 1 ? tr("1 student is still answering.")
                             : tr("%n students are still answering.", nullptr, AnsweringCount);
}

bool TClassroomForm::MayEndRunningAttempts(const QString& question) {
  Refresh();
  if (AnsweringCount == 0) return true;
  //: %1 says how many students are still answering, %2 asks whether to end their tests.
  return Globals.Dialogs.ConfirmRisk(
      tr("%1 %2\rTheir answers so far are scored and stored.").arg(AnsweringText(), question));
}

void TClassroomForm::EndTestClick() {
  Refresh();
  if (!Classroom || !Globals.Dialogs.ConfirmRisk(
                        (AnsweringCount > 0 ? AnsweringText() + QLatin1Char(' ') : QString()) +
                        tr("End the test for everyone?\rAnswers so far are scored and stored, and nobody can "
                           "begin any more.")))
    return;
  EndTestButton->setEnabled(false);
  EndAll();
}

void TClassroomForm::EndSessionClick() {
  if (!Serving() || !MayEndRunningAttempts(tr("End their tests and the session?"))) return;
  StopServing();
  EndAll();
  NoteLabel->setText(tr("The session has ended. The results are in the Results window."));
  NoteLabel->show();
}

void TClassroomForm::EndAll() {
  RunGuarded(Globals.Dialogs, [this] { Classroom->EndAll(); });
  Refresh();
}

void TClassroomForm::StopServing() {
  if (!Serving()) return;
  RefreshTimer->stop();
  Server->Stop();
  ServerThread.join();
  // Its workers end here, so none tells this window of an error later.
  Server.reset();
  EndTestButton->setEnabled(false);
  EndSessionButton->setEnabled(false);
  UseStoreButton->setEnabled(false);
  StoreEdit->setReadOnly(true);
}

void TClassroomForm::closeEvent(QCloseEvent* event) {
  if (Serving() && !MayEndRunningAttempts(tr("End their tests and close the classroom?"))) {
    event->ignore();
    return;
  }
  if (Serving()) {
    StopServing();
    EndAll();
  }
  event->accept();
}
