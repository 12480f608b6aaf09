#include "ui/scan/ScanForm.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "core/results/PrintRuns.h"
#include "core/scan/ScanInput.h"
#include "core/storage/IoError.h"
#include "ui/platform/Dialogs.h"
#include "ui/platform/QtText.h"
#include "ui/platform/WindowKit.h"

namespace {

// Pages are kept this wide for the screen, not at the scan's resolution, so a
// long pile stays small in memory.
constexpr int ShownWidth = 640;

QImage ToQImage(const cv::Mat& gray) {
  if (gray.empty()) return {};
  return QImage(gray.data, gray.cols, gray.rows, static_cast<qsizetype>(gray.step), QImage::Format_Grayscale8)
      .copy();
}

QString PlaceText(const Scan::TProblem& problem) {
  return FromSystemText(problem.Where.empty() ? problem.Reason : problem.Where + ": " + problem.Reason);
}

}  // namespace

TScanForm::TScanForm(PaperVersions::TPaperTest test, const QString& testPath, TDialogs& dialogs,
                     QWidget* parent)
    : QDialog(parent), Test(std::move(test)), TestPath(testPath), Dialogs(dialogs) {
  setObjectName(QStringLiteral("ScanForm"));
  setWindowTitle(QStringLiteral("Scan Answer Sheets"));
  resize(980, 720);

  PagesList = Named(new QListWidget, "PagesList");
  PagesList->setAccessibleName(QStringLiteral("Pages read"));
  PagesList->setMaximumWidth(220);
  PageView = Named(new QLabel, "PageView");
  PageView->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
  auto* scroll = new QScrollArea;
  scroll->setWidget(PageView);
  scroll->setWidgetResizable(true);
  ProblemsList = Named(new QListWidget, "ProblemsList");
  ProblemsList->setAccessibleName(QStringLiteral("To review"));
  ProblemsList->setMaximumHeight(140);
  DoubtLabel = Named(new QLabel, "DoubtLabel");
  DoubtLabel->setWordWrap(true);
  CropView = Named(new QLabel, "CropView");
  StatusLabel =
      Named(new QLabel(QStringLiteral("Add the scanned sheets: PDF files, PNG, JPEG or TIFF images.")),
            "StatusLabel");
  StatusLabel->setWordWrap(true);

  auto* buttons = new QHBoxLayout;
  // Enter decides a doubtful row; no button takes it.
  QPushButton* add = PushButton("AddButton", QStringLiteral("&Add Files..."));
  QPushButton* addFolder = PushButton("AddFolderButton", QStringLiteral("Add F&older..."));
  GradeButton = PushButton("GradeButton", QStringLiteral("&Grade and Record"));
  GradeButton->setEnabled(false);
  QPushButton* close = PushButton("CloseButton", QStringLiteral("Close"));
  buttons->addWidget(add);
  buttons->addWidget(addFolder);
  buttons->addWidget(GradeButton);
  buttons->addStretch();
  buttons->addWidget(close);

  auto* pages = new QHBoxLayout;
  pages->addWidget(PagesList);
  pages->addWidget(scroll, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(StatusLabel);
  layout->addLayout(pages, 1);
  layout->addWidget(new QLabel(QStringLiteral("To review:")));
  layout->addWidget(ProblemsList);
  layout->addWidget(DoubtLabel);
  layout->addWidget(CropView);
  layout->addLayout(buttons);

  connect(add, &QPushButton::clicked, this, &TScanForm::AddFilesClick);
  connect(addFolder, &QPushButton::clicked, this, &TScanForm::AddFolderClick);
  connect(GradeButton, &QPushButton::clicked, this, &TScanForm::GradeAndRecord);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  connect(PagesList, &QListWidget::currentRowChanged, this, &TScanForm::ShowPage);
  connect(ProblemsList, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { ProblemClicked(ProblemsList->row(item)); });
  PagesList->installEventFilter(this);
  ProblemsList->installEventFilter(this);

  // The sheets are checked against the test as it is and the runs recorded
  // for it, as qwtool scan --test checks them.
  std::vector<std::string> notices;
  try {
    Expected.Fingerprint = Fingerprint(TestSnapshots(Test.Questions));
    Runs = PrintRuns::OfferedRuns(ToPath(TestPath), notices);
  } catch (const TIoError& error) {
    notices.push_back(std::string("The recorded runs cannot be read: ") + error.what());
  }
  for (const TPrintRun& run : Runs)
    Expected.Runs.push_back(Scan::RunOf(Test.Questions, run.Options, run.Fingerprint, Expected.Fingerprint));
  Checkable = !Expected.Runs.empty();
  if (!Checkable)
    notices.push_back("No print of the test is recorded; its sheets cannot be checked or graded.");
  for (const std::string& notice : notices) Notices << FromSystemText(notice);
  ProblemsList->addItems(Notices);
}

void TScanForm::AddFilesClick() {
  for (const QString& path :
       Dialogs.OpenFiles({QStringLiteral("Add Scanned Sheets"),
                          QStringLiteral("Scans|*.pdf;*.png;*.jpg;*.jpeg;*.tif;*.tiff|All Files|*.*"),
                          QString(), QString()}))
    AddFile(path);
}

void TScanForm::AddFolderClick() {
  const std::optional<QString> folder = Dialogs.ChooseFolder(
      {QStringLiteral("Add a Folder of Scanned Sheets"), QString(), QString(), QString()});
  if (!folder) return;
  std::vector<std::string> files;
  RunGuarded(Dialogs, [&] { files = Scan::ScanFilesIn(ToPath(*folder)); });
  if (files.empty()) {
    StatusLabel->setText(QStringLiteral("%1 holds no PDF, PNG, JPEG or TIFF file.").arg(*folder));
    return;
  }
  for (const std::string& file : files) AddFile(FromPath(file));
}

void TScanForm::AddFile(const QString& path) {
  RunGuarded(Dialogs, [&] {
    const std::string file = ToPath(path);
    const std::string refused = Scan::ForEachPage(file, [&](Scan::TScanPage&& page) {
      StatusLabel->setText(QStringLiteral("Reading %1 page %2...").arg(path).arg(page.Page));
      QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
      TShown shown;
      shown.Scale = std::min(1.0, double(ShownWidth) / page.Gray.cols);
      shown.Gray = ToQImage(page.Gray);
      if (shown.Scale < 1) shown.Gray = shown.Gray.scaledToWidth(ShownWidth, Qt::SmoothTransformation);
      Pages.push_back({page.Source, page.Page, Scan::ReadPage(page.Gray)});
      Shown.push_back(std::move(shown));
      PagesList->addItem(FromSystemText(Scan::PlaceOf(page.Source, page.Page)));
    });
    if (!refused.empty()) FileProblems.push_back({"", refused, {}});  // the reason names the file
  });
  Reassemble();
  if (PagesList->currentRow() < 0 && PagesList->count() > 0) PagesList->setCurrentRow(0);
  if (!Doubt) NextDoubt();
}

void TScanForm::Reassemble() {
  Assembled = Scan::Assemble(Pages, Expected);
  Assembled.Problems.insert(Assembled.Problems.begin(), FileProblems.begin(), FileProblems.end());
  ProblemsList->clear();
  ProblemsList->addItems(Notices);
  for (const std::string& warning : Assembled.Warnings)
    ProblemsList->addItem(QStringLiteral("Warning: ") + FromSystemText(warning));
  ProblemsOffset = ProblemsList->count();
  for (const Scan::TProblem& problem : Assembled.Problems) ProblemsList->addItem(PlaceText(problem));
  StatusLabel->setText(QStringLiteral("%1 pages read, %2 sheets gradable, %3 to review.")
                           .arg(Assembled.Pages)
                           .arg(Assembled.Sheets.size())
                           .arg(Assembled.Problems.size()));
  GradeButton->setEnabled(Checkable && !Assembled.Sheets.empty());
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
  PageView->setToolTip(reading.Read ? QString() : FromSystemText(reading.Problem));
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
    DoubtLabel->setText(Pages.empty() ? QString() : QStringLiteral("No doubtful row is left."));
    CropView->clear();
    return;
  }
  const Scan::TScannedPage& page = Pages[Doubt->first];
  const QString place = FromSystemText(Scan::PlaceOf(page.Source, page.Page));
  if (Doubt->second == NumberRow) {
    const Scan::TPageReading& reading = page.Reading;
    DoubtLabel->setText(
        QStringLiteral(
            "%1, student number: read as \"%2\"%3. Type the number written (%4 digits), then Enter. "
            "Typed: %5")
            .arg(place, QString::fromStdString(reading.StudentNumber),
                 reading.NumberReason.empty() ? QString()
                                              : QStringLiteral(", ") + FromSystemText(reading.NumberReason))
            .arg(reading.Code.StudentDigits)
            .arg(Chosen.empty() ? QStringLiteral("nothing") : QString::fromStdString(Chosen)));
    CropView->setPixmap(QPixmap::fromImage(ToQImage(reading.NumberCrop)));
    return;
  }
  const Scan::TRowReading& row = page.Reading.Rows[Doubt->second];
  const char last = static_cast<char>('A' + row.Measures.Boxes.size() - 1);
  DoubtLabel->setText(QStringLiteral("%1, question %2: %3. Type the letters marked (A to %4), then Enter. "
                                     "Chosen: %5")
                          .arg(place)
                          .arg(row.Printed)
                          .arg(FromSystemText(row.Reason))
                          .arg(QLatin1Char(last))
                          .arg(Chosen.empty() ? QStringLiteral("none") : QString::fromStdString(Chosen)));
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
  row.SeveralMarked = false;
  row.Reason.clear();
  row.Crop.release();
  Reassemble();
  NextDoubt();
  return true;
}

void TScanForm::GradeAndRecord() {
  if (!Checkable || Assembled.Sheets.empty() || !Assembled.Run) return;
  RunGuarded(Dialogs, [&] {
    try {
      const TGradedSheets graded =
          GradeSheets(Scan::AnswersText(Assembled), ToPath(TestPath), Test, Assembled.Run->Options, Runs);
      const TRecordedGrades recorded = RecordGrades(graded, ToPath(TestPath), TAttemptSource::Scan);
      QString text = QStringLiteral("%1 sheets were graded.\r").arg(graded.Results.Students.size()) +
                     FromSystemText(RecordedWords(recorded));
      for (const std::string& warning : graded.Warnings)
        text += QLatin1Char('\r') + FromUtf8OrCodePage(warning);
      for (const std::string& notice : recorded.Notices) text += QLatin1Char('\r') + FromSystemText(notice);
      StatusLabel->setText(QStringLiteral("%1 sheets graded; %2 attempts added to the results.")
                               .arg(graded.Results.Students.size())
                               .arg(recorded.Added));
      Dialogs.Inform(text);
    } catch (const Grading::TGradingError& error) {
      Dialogs.Error(QStringLiteral("The sheets read cannot be graded: ") + ToQString(error.what()));
    }
  });
}
