#include "ui/scan/ScanForm.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QSlider>
#include <QThread>
#include <QVBoxLayout>
#include <atomic>
#include <deque>
#include <initializer_list>
#include <mutex>
#include <vector>

#include "core/results/PrintRuns.h"
#include "core/scan/ScanInput.h"
#include "core/storage/IoError.h"
#include "ui/platform/Dialogs.h"
#include "ui/platform/PaperWords.h"
#include "ui/platform/QtText.h"
#include "ui/platform/WindowKit.h"
#include "ui/text/ShuffleWords.h"

namespace {

// Pages are kept this wide for the screen, not at the scan's resolution, so a
// long pile stays small in memory.
constexpr int ShownWidth = 640;

QImage ToQImage(const cv::Mat& gray) {
  if (gray.empty()) return {};
  return QImage(gray.data, gray.cols, gray.rows, static_cast<qsizetype>(gray.step), QImage::Format_Grayscale8)
      .copy();
}

// Sentences of the reader's in the interface's language. Each is given as
// the reader words it, %1, %2 and %3 standing for what it fills in (a file,
// a count, a column); a text that matches one is shown translated and filled
// in the same way, any other as the reader gave it.
class TReaderSentences {
public:
  TReaderSentences(std::initializer_list<const char*> sources) {
    static const QRegularExpression placeholder(QStringLiteral("%[1-3]"));
    for (const char* source : sources) {
      QStringList parts = QString::fromLatin1(source).split(placeholder);
      for (QString& part : parts) part = QRegularExpression::escape(part);
      Patterns.emplace_back(
          QRegularExpression(QLatin1Char('^') + parts.join(QStringLiteral("(.+)")) + QLatin1Char('$'),
                             QRegularExpression::DotMatchesEverythingOption),
          source);
    }
  }

  QString operator()(const std::string& text) const {
    const QString shown = FromSystemText(text);
    for (const auto& [pattern, source] : Patterns) {
      const QRegularExpressionMatch match = pattern.match(shown);
      if (!match.hasMatch()) continue;
      const QString translated = TScanForm::tr(source);
      switch (match.lastCapturedIndex()) {
        case 0:
          return translated;
        case 1:
          return translated.arg(match.captured(1));
        case 2:
          return translated.arg(match.captured(1), match.captured(2));
        default:
          return translated.arg(match.captured(1), match.captured(2), match.captured(3));
      }
    }
    return shown;
  }

private:
  std::vector<std::pair<QRegularExpression, const char*>> Patterns;
};

// Why a page cannot be read, and why a row or student number is in doubt.
const TReaderSentences ReasonText{
    QT_TRANSLATE_NOOP("TScanForm", "not a grey image"),
    QT_TRANSLATE_NOOP("TScanForm", "the image cannot be read: %1"),
    QT_TRANSLATE_NOOP("TScanForm", "no corner markers: a blank page, or not an answer sheet"),
    QT_TRANSLATE_NOOP("TScanForm", "only %1 of the four corner markers found"),
    QT_TRANSLATE_NOOP("TScanForm", "the QR code cannot be read"),
    QT_TRANSLATE_NOOP("TScanForm", "the QR code is not an answer sheet's"),
    QT_TRANSLATE_NOOP("TScanForm",
                      "the corner markers do not stand where a sheet's do (a corner torn off or folded?)"),
    QT_TRANSLATE_NOOP("TScanForm",
                      "the corner markers do not stand where a sheet's do (the page folded, or "
                      "photographed more than 15 degrees aside?)"),
    QT_TRANSLATE_NOOP("TScanForm", "the QR code does not stand where the corner markers put it"),
    QT_TRANSLATE_NOOP("TScanForm", "the page is too faint to read"),
    QT_TRANSLATE_NOOP("TScanForm", "a box neither blank nor marked"),
    QT_TRANSLATE_NOOP("TScanForm", "boxes neither blank nor marked"),
    QT_TRANSLATE_NOOP("TScanForm", "marks between the boxes (a circled box?)"),
    QT_TRANSLATE_NOOP("TScanForm", "more than one box marked"),
    QT_TRANSLATE_NOOP("TScanForm", "column %1 has more than one digit marked"),
    QT_TRANSLATE_NOOP("TScanForm", "column %1 has a box neither blank nor marked"),
    QT_TRANSLATE_NOOP("TScanForm", "column %1 is left blank")};

// Where a page, or a row or the student number on it, is; the longer first.
const TReaderSentences PlaceWords{
    //: Where on the scans: %1 is a file, %2 a page's number in it, %3 a question's number on the sheet.
    QT_TRANSLATE_NOOP("TScanForm", "%1 page %2, question %3"),
    QT_TRANSLATE_NOOP("TScanForm", "%1 page %2, student number"),
    QT_TRANSLATE_NOOP("TScanForm", "%1 page %2")};

QString PlacesText(const std::vector<std::string>& places) {
  QStringList shown;
  for (const std::string& place : places) shown << PlaceWords(place);
  return shown.join(QStringLiteral(", "));
}

// A printed run as a problem names it.
QString PileRunText(const SheetLayout::TSheetCode& code) {
  const QString seed = QString::number(code.Seed);
  const QString versions = VersionsText(code.Versions);
  if (!code.ShuffleQuestions && !code.ShuffleAnswers)
    //: A printed run named inside a problem: %1 is its seed, %2 its versions ("2 versions").
    return TScanForm::tr("seed %1, %2").arg(seed, versions);
  //: A printed run named inside a problem: %1 is its seed, %2 its versions ("2 versions"), %3 what was
  //: shuffled.
  return TScanForm::tr("seed %1, %2, %3")
      .arg(seed, versions, ShuffledText(code.ShuffleQuestions, code.ShuffleAnswers));
}

// A sheet as a problem names it.
QString SheetText(const Scan::TProblem& problem) {
  const QString version(QLatin1Char(problem.Code.Version));
  switch (problem.Code.Join) {
    case SheetLayout::TJoin::BySerial:
      //: A sheet named inside a problem: %1 is its serial, %2 its version letter.
      return TScanForm::tr("sheet %1 of version %2").arg(problem.Code.Sheet).arg(version);
    case SheetLayout::TJoin::ByNumber:
      return TScanForm::tr("version %1 sheet of student %2").arg(version, FromSystemText(problem.Number));
    case SheetLayout::TJoin::ByOrder:
      break;
  }
  return TScanForm::tr("version %1 sheet").arg(version);
}

// Why a problem cannot be graded, in the interface's language.
QString ProblemReasonText(const Scan::TProblem& problem) {
  using Scan::TProblemKind;
  const SheetLayout::TSheetCode& code = problem.Code;
  switch (problem.Kind) {
    case TProblemKind::Given:
      return FromSystemText(problem.Reason);
    case TProblemKind::Unread:
    case TProblemKind::RowInDoubt:
    case TProblemKind::NumberInDoubt:
      return ReasonText(problem.Reason);
    case TProblemKind::OtherTest:
      return TScanForm::tr("a page of another test (fingerprint %1)").arg(FromSystemText(code.Fingerprint));
    case TProblemKind::NotRecorded:
      return TScanForm::tr("a sheet of a print that was not recorded (%1)").arg(PileRunText(code));
    case TProblemKind::PrintUnclear:
      return TScanForm::tr(
                 "a sheet of one of two prints with the same seed that drew other questions (%1): "
                 "which it is cannot be known, so it is not graded")
          .arg(PileRunText(code));
    case TProblemKind::OtherRun:
      return TScanForm::tr("a sheet of another print than the rest of the pile (%1)").arg(PileRunText(code));
    case TProblemKind::NoSuchVersion:
      return TScanForm::tr("version %1 is not one of the %2 versions of its print")
          .arg(QLatin1Char(code.Version))
          .arg(code.Versions);
    case TProblemKind::StudentUnknown:
      return TScanForm::tr(
          "the page's student cannot be known: the student number written on every "
          "page of a photocopied sheet is missing or unclear on it");
    case TProblemKind::NoFirstPage:
      return TScanForm::tr("page %1 of a version %2 sheet whose page 1 is not before it")
          .arg(code.Page)
          .arg(QLatin1Char(code.Version));
    case TProblemKind::PageTwice:
      //: %1 names the sheet, %2 is a page's number, %3 the places of its copies.
      return TScanForm::tr(
                 "%1 has page %2 more than once (%3): which copy is whose cannot be known, so the sheet is "
                 "not graded")
          .arg(SheetText(problem), QString::number(problem.Count), PlacesText(problem.Places));
    case TProblemKind::PagesMissing: {
      QStringList missing;
      for (const int page : problem.Pages) missing << QString::number(page);
      //: %1 names the sheet, %2 the pages missing, %3 how many pages it has.
      return TScanForm::tr("%1 lacks page %2 of %3")
          .arg(SheetText(problem), missing.join(QStringLiteral(", ")), QString::number(problem.Count));
    }
    case TProblemKind::SheetChanged:
      return TScanForm::tr(
          "the test's questions or answers were changed after this sheet was printed: its rows "
          "are not the test's as it is now, so it cannot be graded with it");
    case TProblemKind::OutOfOrder:
      return TScanForm::tr("its questions do not follow those of the sheet's page before");
    case TProblemKind::NumberTwice:
      return TScanForm::tr("student number %1 is on more than one sheet (%2)")
          .arg(FromSystemText(problem.Number), PlacesText(problem.Places));
  }
  return FromSystemText(problem.Reason);
}

QString PlaceText(const Scan::TProblem& problem) {
  return problem.Where.empty()
             ? ProblemReasonText(problem)
             : PlaceWords(problem.Where) + QStringLiteral(": ") + ProblemReasonText(problem);
}

QString WarningText(const Scan::TWarning& warning) {
  switch (warning.Kind) {
    case Scan::TWarningKind::ChangedSincePrinted:
      return TScanForm::tr(
          "the test was changed after these sheets were printed: they are read with its "
          "questions and keys as they are now");
    case Scan::TWarningKind::Pencil:
      //: %1 is where the page is: a file and a page's number in it.
      return TScanForm::tr("%1: read as pencil").arg(PlaceWords(warning.Where));
    case Scan::TWarningKind::JoinedByOrder:
      break;
  }
  return TScanForm::tr(
      "some sheets were printed before sheets had serials: their pages are joined by their "
      "order in the pile, so check that each sheet's pages lie together, first page first");
}

// Thrown from the page callback to stop a file's reading when cancelled.
struct TCancelled {};

}  // namespace

// One thing the worker hands over: a page read, a file's refusal, or the
// end of the reading.
struct TScanForm::TReadQueue {
  struct TItem {
    std::optional<Scan::TScannedPage> Page;
    TShown Shown;
    Scan::TThresholds DecidedWith;
    std::optional<std::string> FileProblem;
    bool Finished = false;
  };
  std::mutex Lock;
  std::deque<TItem> Ready;
  std::atomic<bool> Cancel{false};
  void Hand(TItem item) {
    const std::lock_guard<std::mutex> hold(Lock);
    Ready.push_back(std::move(item));
  }
};

TScanForm::TScanForm(TPaperSubject subject, QWidget* parent) : TPaperWindow(std::move(subject), parent) {
  setObjectName(QStringLiteral("ScanForm"));
  setWindowTitle(tr("Scan Answer Sheets"));
  resize(980, 720);

  PagesList = Named(new QListWidget, "PagesList");
  PagesList->setAccessibleName(tr("Pages read"));
  PagesList->setMaximumWidth(220);
  PageView = Named(new QLabel, "PageView");
  PageView->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
  auto* scroll = new QScrollArea;
  scroll->setWidget(PageView);
  scroll->setWidgetResizable(true);
  ProblemsList = Named(new QListWidget, "ProblemsList");
  ProblemsList->setAccessibleName(tr("To review"));
  ProblemsList->setMaximumHeight(140);
  DoubtLabel = Named(new QLabel, "DoubtLabel");
  DoubtLabel->setWordWrap(true);
  CropView = Named(new QLabel, "CropView");
  StatusLabel =
      Named(new QLabel(tr("Add the scanned sheets: PDF files, PNG, JPEG or TIFF images.")), "StatusLabel");
  StatusLabel->setWordWrap(true);

  auto* buttons = new QHBoxLayout;
  // Enter decides a doubtful row; no button takes it.
  QPushButton* add = PushButton("AddButton", tr("&Add Files..."));
  QPushButton* addFolder = PushButton("AddFolderButton", tr("Add F&older..."));
  CancelButton = PushButton("CancelButton", tr("&Cancel Reading"));
  CancelButton->setEnabled(false);
  GradeButton = PushButton("GradeButton", tr("&Grade and Record"));
  GradeButton->setEnabled(false);
  QPushButton* close = PushButton("CloseButton", tr("Close"));
  buttons->addWidget(add);
  buttons->addWidget(addFolder);
  buttons->addWidget(CancelButton);
  buttons->addWidget(GradeButton);
  buttons->addStretch();
  buttons->addWidget(close);

  auto* pages = new QHBoxLayout;
  pages->addWidget(PagesList);
  pages->addWidget(scroll, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(StatusLabel);
  layout->addLayout(pages, 1);
  layout->addWidget(new QLabel(tr("To review:")));
  layout->addWidget(ProblemsList);
  layout->addWidget(DoubtLabel);
  layout->addWidget(CropView);
  auto* lighter = new QHBoxLayout;
  // Further right, lighter marks count as marks; the pile is decided again
  // from what was measured, without reading a page again.
  LighterSlider = Named(new QSlider(Qt::Horizontal), "LighterSlider");
  LighterSlider->setRange(-Scan::LighterSteps, Scan::LighterSteps);
  LighterSlider->setValue(0);
  LighterSlider->setPageStep(1);
  LighterSlider->setTickPosition(QSlider::TicksBelow);
  LighterSlider->setAccessibleName(tr("lighter marks count"));
  auto* lighterLabel = new QLabel(tr("lighter marks count"));
  lighterLabel->setBuddy(LighterSlider);
  lighter->addWidget(lighterLabel);
  lighter->addWidget(LighterSlider, 1);
  layout->addLayout(lighter);
  layout->addLayout(buttons);

  connect(add, &QPushButton::clicked, this, &TScanForm::AddFilesClick);
  connect(addFolder, &QPushButton::clicked, this, &TScanForm::AddFolderClick);
  connect(GradeButton, &QPushButton::clicked, this, &TScanForm::GradeAndRecord);
  connect(CancelButton, &QPushButton::clicked, this, &TScanForm::CancelClick);
  connect(LighterSlider, &QSlider::valueChanged, this, &TScanForm::LighterChanged);
  connect(this, &TScanForm::PagesReady, this, &TScanForm::TakeReadPages, Qt::QueuedConnection);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  connect(PagesList, &QListWidget::currentRowChanged, this, &TScanForm::ShowPage);
  connect(ProblemsList, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { ProblemClicked(ProblemsList->row(item)); });
  PagesList->installEventFilter(this);
  ProblemsList->installEventFilter(this);

  // The sheets are checked against the test as it is and the runs recorded
  // for it, as qwtool scan --test checks them.
  std::vector<std::string> notices;
  QString unread;
  try {
    Runs = PrintRuns::OfferedRuns(ToPath(TestPath), notices);
  } catch (const TIoError& error) {
    unread = tr("The recorded runs cannot be read: %1").arg(FromSystemText(error.what()));
  }
  Expected = Scan::ExpectedOf(Test.Questions, Fingerprint(TestSnapshots(Test.Questions)), Runs);
  Checkable = !Expected.Runs.empty();
  for (const std::string& notice : notices) Notices << FromSystemText(notice);
  if (!unread.isEmpty()) Notices << unread;
  if (!Checkable) Notices << tr("No print of the test is recorded; its sheets cannot be checked or graded.");
  ProblemsList->addItems(Notices);
}

TScanForm::~TScanForm() {
  if (!Worker) return;
  Queue->Cancel = true;
  Worker->wait();
  delete Worker;
}

void TScanForm::AddFilesClick() {
  AddFiles(Dialogs.OpenFiles({tr("Add Scanned Sheets"),
                              tr("Scans|*.pdf;*.png;*.jpg;*.jpeg;*.tif;*.tiff|All Files|*.*"), QString(),
                              QString()}));
}

void TScanForm::AddFolderClick() {
  const std::optional<QString> folder =
      Dialogs.ChooseFolder({tr("Add a Folder of Scanned Sheets"), QString(), QString(), QString()});
  if (!folder) return;
  std::vector<std::string> files;
  RunGuarded(Dialogs, [&] { files = Scan::ScanFilesIn(ToPath(*folder)); });
  if (files.empty()) {
    StatusLabel->setText(tr("%1 holds no PDF, PNG, JPEG or TIFF file.").arg(*folder));
    return;
  }
  QStringList paths;
  for (const std::string& file : files) paths << FromPath(file);
  AddFiles(paths);
}

void TScanForm::AddFile(const QString& path) {
  AddFiles({path});
}

void TScanForm::AddFiles(const QStringList& paths) {
  Waiting << paths;
  if (!Worker) StartReading();
}

bool TScanForm::Reading() const {
  return Worker != nullptr;
}

void TScanForm::CancelClick() {
  if (Queue) Queue->Cancel = true;
  Waiting.clear();
}

void TScanForm::StartReading() {
  if (Waiting.isEmpty()) return;
  std::vector<std::string> files;
  for (const QString& path : std::as_const(Waiting)) files.push_back(ToPath(path));
  Waiting.clear();
  Queue = std::make_shared<TReadQueue>();
  // The worker reads and measures; everything shown is done here, on the
  // window's thread, as the pages come in.
  Worker = QThread::create([this, queue = Queue, files = std::move(files), thresholds = Thresholds] {
    for (const std::string& file : files) {
      if (queue->Cancel) break;
      try {
        const Scan::TLoadOutcome outcome = Scan::ForEachPage(file, [&](Scan::TScanPage&& page) {
          if (queue->Cancel) throw TCancelled();
          TReadQueue::TItem item;
          item.Shown.Scale = std::min(1.0, double(ShownWidth) / page.Gray.cols);
          item.Shown.Gray = ToQImage(page.Gray);
          if (item.Shown.Scale < 1)
            item.Shown.Gray = item.Shown.Gray.scaledToWidth(ShownWidth, Qt::SmoothTransformation);
          item.Page = Scan::TScannedPage{page.Source, page.Page, Scan::ReadPage(page.Gray, thresholds)};
          item.DecidedWith = thresholds;
          queue->Hand(std::move(item));
          Q_EMIT PagesReady();
        });
        if (outcome.Kind != Scan::TLoad::Done) queue->Hand({{}, {}, {}, outcome.Sentence, false});
      } catch (const TCancelled&) {
        break;
      } catch (const std::exception& error) {
        // The file cannot be opened or read: it is listed, and the next read.
        queue->Hand({{}, {}, {}, std::string(error.what()), false});
      }
    }
    queue->Hand({{}, {}, {}, std::nullopt, true});
    Q_EMIT PagesReady();
  });
  CancelButton->setEnabled(true);
  GradeButton->setEnabled(false);
  Worker->start();
}

void TScanForm::TakeReadPages() {
  if (!Queue) return;
  std::deque<TReadQueue::TItem> items;
  {
    const std::lock_guard<std::mutex> hold(Queue->Lock);
    items.swap(Queue->Ready);
  }
  if (items.empty()) return;
  bool finished = false;
  for (TReadQueue::TItem& item : items) {
    if (item.Finished) finished = true;
    if (item.FileProblem) FileProblems.push_back({"", *item.FileProblem, {}});  // the reason names the file
    if (!item.Page) continue;
    // Read with the thresholds of its start: decided again when they moved.
    if (!(item.DecidedWith == Thresholds)) Scan::Redecide(item.Page->Reading, Thresholds);
    PagesList->addItem(PlaceWords(Scan::PlaceOf(item.Page->Source, item.Page->Page)));
    Pages.push_back(std::move(*item.Page));
    Shown.push_back(std::move(item.Shown));
  }
  if (finished) {
    Worker->wait();
    delete Worker;
    Worker = nullptr;
    Queue.reset();
    CancelButton->setEnabled(false);
  }
  Reassemble();
  if (PagesList->currentRow() < 0 && PagesList->count() > 0) PagesList->setCurrentRow(0);
  if (!Doubt) NextDoubt();
  if (Worker)
    StatusLabel->setText(tr("Reading... %1 pages read so far.").arg(Pages.size()));
  else
    StartReading();  // what was added meanwhile
}

void TScanForm::LighterChanged(int step) {
  Thresholds = Scan::ThresholdsAt(step);
  if (Pages.empty()) return;
  for (Scan::TScannedPage& page : Pages) Scan::Redecide(page.Reading, Thresholds);
  Reassemble();
  // The row being decided may be no doubt any more.
  if (Doubt && Doubt->second != NumberRow && !Pages[Doubt->first].Reading.Rows[Doubt->second].Doubtful)
    Doubt.reset();
  if (Doubt && Doubt->second == NumberRow && !Pages[Doubt->first].Reading.NumberDoubtful) Doubt.reset();
  if (Doubt)
    ShowDoubt();
  else
    NextDoubt();
}

void TScanForm::Reassemble() {
  Assembled = Scan::Assemble(Pages, Expected);
  Assembled.Problems.insert(Assembled.Problems.begin(), FileProblems.begin(), FileProblems.end());
  ProblemsList->clear();
  ProblemsList->addItems(Notices);
  for (const Scan::TWarning& warning : Assembled.Warnings)
    //: %1 is what was graded all the same but should be checked.
    ProblemsList->addItem(tr("Warning: %1").arg(WarningText(warning)));
  ProblemsOffset = ProblemsList->count();
  for (const Scan::TProblem& problem : Assembled.Problems) ProblemsList->addItem(PlaceText(problem));
  StatusLabel->setText(tr("%1 pages read, %2 sheets gradable, %3 to review.")
                           .arg(Assembled.Pages)
                           .arg(Assembled.Sheets.size())
                           .arg(Assembled.Problems.size()));
  GradeButton->setEnabled(Checkable && !Assembled.Sheets.empty() && !Worker);
  ShowPage();
}

QImage TScanForm::PageImage(int page) const {
  if (page < 0 || page >= static_cast<int>(Pages.size())) return {};
  const TShown& shown = Shown[static_cast<std::size_t>(page)];
  const Scan::TPageReading& reading = Pages[static_cast<std::size_t>(page)].Reading;
  QImage image = shown.Gray.convertToFormat(QImage::Format_RGB32);
  if (!reading.Read) return image;
  // The boxes lie where the reader found them on the scan, shown smaller
  // and, for a page scanned upside down, turned the right way up.
  const double shownScale = shown.Scale;
  const bool turn = reading.UpsideDown;
  if (turn) image = image.transformed(QTransform().rotate(180));
  const auto shownAt = [&](double x, double y) {
    const cv::Vec3d p = reading.PointsToPixels * cv::Vec3d(x, y, 1);
    const QPointF at(p[0] / p[2] * shownScale, p[1] / p[2] * shownScale);
    return turn ? QPointF(image.width() - at.x(), image.height() - at.y()) : at;
  };
  const SheetLayout::TSheetPage layout = SheetLayout::Lay(reading.Code);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  for (const SheetLayout::TAnswerBox& box : layout.Answers) {
    const auto row = std::find_if(reading.Rows.begin(), reading.Rows.end(),
                                  [&](const Scan::TRowReading& r) { return r.Printed == box.Printed; });
    if (row == reading.Rows.end()) continue;
    const bool marked = row->Letters.find(box.Letter) != std::string::npos;
    if (!marked && !row->Doubtful) continue;
    const QColor colour = row->Doubtful ? QColor(230, 120, 0) : QColor(0, 150, 60);
    // A little larger than the box, so the outline does not hide the mark.
    const double w = box.Box.Width / 2 + 1, h = box.Box.Height / 2 + 1;
    const QPolygonF outline{shownAt(box.Box.X - w, box.Box.Y - h), shownAt(box.Box.X + w, box.Box.Y - h),
                            shownAt(box.Box.X + w, box.Box.Y + h), shownAt(box.Box.X - w, box.Box.Y + h)};
    painter.setPen(QPen(colour, 2));
    painter.setBrush(marked ? QBrush(QColor(colour.red(), colour.green(), colour.blue(), 90)) : QBrush());
    painter.drawPolygon(outline);
  }
  return image;
}

void TScanForm::ShowPage() {
  const int page = PagesList->currentRow();
  if (page < 0) return;
  PageView->setPixmap(QPixmap::fromImage(PageImage(page)));
  const Scan::TPageReading& reading = Pages[static_cast<std::size_t>(page)].Reading;
  PageView->setToolTip(reading.Read ? QString() : ReasonText(reading.Problem));
}

void TScanForm::NextDoubt() {
  // The rows the pile counts as doubtful, in its order: a row of several
  // marks that answers a question with several correct letters is none.
  const auto doubt = std::find_if(Assembled.Problems.begin(), Assembled.Problems.end(),
                                  [](const Scan::TProblem& problem) { return problem.Page >= 0; });
  GoToDoubt(doubt == Assembled.Problems.end() ? -1 : int(doubt - Assembled.Problems.begin()));
}

void TScanForm::GoToDoubt(int problem) {
  Doubt.reset();
  Chosen.clear();
  if (problem >= 0 && problem < int(Assembled.Problems.size())) {
    const Scan::TProblem& p = Assembled.Problems[std::size_t(problem)];
    if (p.Page >= 0) {
      if (PagesList->currentRow() != p.Page) PagesList->setCurrentRow(p.Page);
      Doubt = {std::size_t(p.Page), p.Row >= 0 ? std::size_t(p.Row) : NumberRow};
      // A row starts from the letters read; a number is typed whole.
      if (p.Row >= 0) Chosen = Pages[Doubt->first].Reading.Rows[Doubt->second].Letters;
    }
  }
  ShowDoubt();
}

void TScanForm::ProblemClicked(int row) {
  // The list shows the notices and warnings above the pile's problems.
  GoToDoubt(row - ProblemsOffset);
}

void TScanForm::ShowDoubt() {
  if (!Doubt) {
    DoubtLabel->setText(Pages.empty() ? QString() : tr("No doubtful row is left."));
    CropView->clear();
    return;
  }
  const Scan::TScannedPage& page = Pages[Doubt->first];
  const QString place = PlaceWords(Scan::PlaceOf(page.Source, page.Page));
  if (Doubt->second == NumberRow) {
    const Scan::TPageReading& reading = page.Reading;
    DoubtLabel->setText(
        tr("%1, student number: read as \"%2\"%3. Type the number written (%4 digits), then Enter. "
           "Typed: %5")
            .arg(place, QString::fromStdString(reading.StudentNumber),
                 reading.NumberReason.empty() ? QString()
                                              : QStringLiteral(", ") + ReasonText(reading.NumberReason))
            .arg(reading.Code.StudentDigits)
            .arg(Chosen.empty() ? tr("nothing") : QString::fromStdString(Chosen)));
    CropView->setPixmap(QPixmap::fromImage(ToQImage(reading.NumberCrop)));
    return;
  }
  const Scan::TRowReading& row = page.Reading.Rows[Doubt->second];
  const char last = static_cast<char>('A' + row.Measures.Boxes.size() - 1);
  DoubtLabel->setText(tr("%1, question %2: %3. Type the letters marked (A to %4), then Enter. "
                         "Chosen: %5")
                          .arg(place)
                          .arg(row.Printed)
                          .arg(ReasonText(row.Reason))
                          .arg(QLatin1Char(last))
                          .arg(Chosen.empty() ? tr("none") : QString::fromStdString(Chosen)));
  CropView->setPixmap(QPixmap::fromImage(ToQImage(row.Crop)));
}

void TScanForm::keyPressEvent(QKeyEvent* event) {
  if (!DecideKey(event->key())) QDialog::keyPressEvent(event);
}

bool TScanForm::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && DecideKey(static_cast<QKeyEvent*>(event)->key())) return true;
  return QDialog::eventFilter(watched, event);
}

bool TScanForm::DecideNumberKey(int key) {
  Scan::TPageReading& reading = Pages[Doubt->first].Reading;
  if (key >= Qt::Key_0 && key <= Qt::Key_9) {
    if (static_cast<int>(Chosen.size()) < reading.Code.StudentDigits)
      Chosen += static_cast<char>('0' + (key - Qt::Key_0));
  } else if (key == Qt::Key_Backspace) {
    if (!Chosen.empty()) Chosen.pop_back();
  } else if (key == Qt::Key_Return || key == Qt::Key_Enter) {
    // Only a whole number stands for the number as read.
    if (static_cast<int>(Chosen.size()) != reading.Code.StudentDigits) return true;
    reading.StudentNumber = Chosen;
    reading.NumberDoubtful = false;
    reading.NumberSettled = true;
    reading.NumberReason.clear();
    reading.NumberCrop.release();
    Reassemble();
    NextDoubt();
    return true;
  } else {
    return false;
  }
  ShowDoubt();
  return true;
}

bool TScanForm::DecideKey(int key) {
  if (!Doubt) return false;
  if (Doubt->second == NumberRow) return DecideNumberKey(key);
  Scan::TRowReading& row = Pages[Doubt->first].Reading.Rows[Doubt->second];
  if (key >= Qt::Key_A && key <= Qt::Key_F) {
    // A key toggles its letter, the letters kept in printed order; a letter
    // the row does not print is no answer.
    if (key - Qt::Key_A >= static_cast<int>(row.Measures.Boxes.size())) return true;
    const char letter = static_cast<char>('A' + (key - Qt::Key_A));
    const auto at = Chosen.find(letter);
    if (at != std::string::npos)
      Chosen.erase(at, 1);
    else
      Chosen += letter;
    std::sort(Chosen.begin(), Chosen.end());
    ShowDoubt();
    return true;
  }
  if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
  // The teacher's letters stand for the row as read.
  row.Letters = Chosen;
  row.Doubtful = false;
  row.Settled = true;
  row.SeveralMarked = false;
  row.Reason.clear();
  row.Crop.release();
  Reassemble();
  NextDoubt();
  return true;
}

void TScanForm::GradeAndRecord() {
  if (!Checkable || Assembled.Sheets.empty() || !Assembled.Run || Worker) return;
  RunGuarded(Dialogs, [&] {
    try {
      // The sheets with rows still in doubt wait here until they are decided.
      Scan::TPile decided = Assembled;
      decided.Undecided.clear();
      const TGradedSheets graded =
          GradeSheets(Scan::AnswersText(decided), ToPath(TestPath), Test, Assembled.Run->Options, Runs);
      const TRecordedGrades recorded = RecordGrades(graded, ToPath(TestPath), TAttemptSource::Scan);
      QString text = tr("%1 sheets were graded.\r").arg(graded.Results.Students.size()) +
                     RecordedText(recorded.Added, recorded.Known, FromSystemText(recorded.StorePath));
      for (const TGradeWarning& warning : graded.Warnings)
        text += QLatin1Char('\r') + GradeWarningText(warning);
      for (const std::string& notice : recorded.Notices) text += QLatin1Char('\r') + FromSystemText(notice);
      StatusLabel->setText(tr("%1 sheets graded; %2 attempts added to the results.")
                               .arg(graded.Results.Students.size())
                               .arg(recorded.Added));
      Dialogs.Inform(text);
    } catch (const Grading::TGradingError& error) {
      Dialogs.Error(tr("The sheets read cannot be graded: %1").arg(FromUtf8OrCodePage(error.what())));
    }
  });
}
