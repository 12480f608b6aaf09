#include "ui/results/ResultsForm.h"

#include <QCheckBox>
#include <QCollator>
#include <QComboBox>
#include <QDateEdit>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <filesystem>

#include "core/model/ClientConfig.h"
#include "core/model/QuestionSet.h"
#include "core/results/AttemptFile.h"
#include "core/results/RecordAttempt.h"
#include "core/results/Reports.h"
#include "core/results/StoreLocation.h"
#include "core/run/PaperVersions.h"
#include "core/run/TestSession.h"
#include "core/storage/AtomicFile.h"
#include "ui/platform/Dialogs.h"
#include "ui/platform/Globals.h"
#include "ui/platform/HelpViewer.h"
#include "ui/platform/QtText.h"
#include "ui/platform/StoreSetting.h"
#include "ui/platform/WindowKit.h"
#include "ui/results/BackgroundCollect.h"
#include "ui/results/BarChart.h"
#include "ui/results/DropFolder.h"
#include "ui/results/ResultsReport.h"

namespace fs = std::filesystem;
using ResultRows::AttemptHeaders;
using ResultRows::AttemptRow;
using ResultRows::Figure;
using ResultRows::HistogramData;
using ResultRows::ItemCells;
using ResultRows::ItemHeaders;
using ResultRows::PassRate;
using ResultRows::Score;

namespace {

//: Where an attempt came from: the engine, a paper test, a scanned sheet, the classroom or an import.
const char* const Sources[] = {
    QT_TRANSLATE_NOOP("TResultsForm", "engine"), QT_TRANSLATE_NOOP("TResultsForm", "paper"),
    QT_TRANSLATE_NOOP("TResultsForm", "scan"), QT_TRANSLATE_NOOP("TResultsForm", "classroom"),
    QT_TRANSLATE_NOOP("TResultsForm", "import")};

// The role of a row's first cell that holds the row's place in the list it
// shows, which sorting by a column leaves as it was.
constexpr int ListIndex = Qt::UserRole;

// The order of names and other text in the user's language ("Łukasz" after
// "Lucyna" in Polish, "Åsa" after "Zoe" in Swedish), numbers in them by value.
const QCollator& Alphabet() {
  static const QCollator collator = [] {
    QCollator made;
    made.setNumericMode(true);
    return made;
  }();
  return collator;
}

// A cell that sorts by the number its text starts with ("9 of 20" before
// "10 of 20", "-0.1" before "0.2"), and by its text otherwise.
class TCell : public QTableWidgetItem {
public:
  explicit TCell(const QString& text) : QTableWidgetItem(text) {}
  bool operator<(const QTableWidgetItem& other) const override {
    const std::optional<double> mine = Leading(text()), theirs = Leading(other.text());
    if (mine && theirs && *mine != *theirs) return *mine < *theirs;
    if (mine.has_value() != theirs.has_value()) return mine.has_value();
    return Alphabet().compare(text(), other.text()) < 0;
  }

private:
  static std::optional<double> Leading(const QString& text) {
    static const QRegularExpression number(QStringLiteral("^-?\\d+(\\.\\d+)?"));
    const QRegularExpressionMatch match = number.match(text);
    if (!match.hasMatch()) return std::nullopt;
    return match.captured().toDouble();
  }
};

QTableWidget* Grid(const char* name, const QString& spokenName, const QStringList& headers) {
  auto* grid = Named(new QTableWidget(0, static_cast<int>(headers.size())), name);
  grid->setAccessibleName(spokenName);
  grid->setHorizontalHeaderLabels(headers);
  grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid->setSelectionBehavior(QAbstractItemView::SelectRows);
  grid->setSelectionMode(QAbstractItemView::SingleSelection);
  grid->verticalHeader()->hide();
  grid->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  grid->horizontalHeader()->setResizeContentsPrecision(100);  // thousands of rows stay quick
  grid->horizontalHeader()->setStretchLastSection(true);
  // A click on a heading sorts by its column, a second click the other way,
  // a third gives the list's own order back.
  grid->horizontalHeader()->setSectionsClickable(true);
  grid->horizontalHeader()->setSortIndicatorShown(true);
  grid->horizontalHeader()->setSortIndicatorClearable(true);
  grid->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
  return grid;
}

// Fills row with cells; the first remembers index, the row's place in its list.
void SetRow(QTableWidget* grid, int row, const QStringList& cells, int index) {
  for (int column = 0; column < cells.size(); ++column) {
    auto* cell = new TCell(cells[column]);
    if (column == 0) cell->setData(ListIndex, index);
    grid->setItem(row, column, cell);
  }
}

// Sorts a grid just filled in its list's order by the column its heading shows.
void SortAsChosen(QTableWidget* grid) {
  const int column = grid->horizontalHeader()->sortIndicatorSection();
  if (column >= 0 && column < grid->columnCount())
    grid->sortItems(column, grid->horizontalHeader()->sortIndicatorOrder());
}

// The place in its list of the row shown at row; -1 for none.
int ListRow(const QTableWidget* grid, int row) {
  const QTableWidgetItem* cell = row >= 0 ? grid->item(row, 0) : nullptr;
  return cell ? cell->data(ListIndex).toInt() : -1;
}

// The row showing the list's entry index; -1 for none.
int ShownRow(const QTableWidget* grid, int index) {
  for (int row = 0; row < grid->rowCount(); ++row)
    if (ListRow(grid, row) == index) return row;
  return -1;
}

QString KeyText(Scoring::TLetters letters, bool any) {
  const QString text = QString::fromStdString(Scoring::LetterText(letters));
  //: A key whose letters each pass on their own; %1 is the letters.
  return any ? TResultsForm::tr("%1 (any)").arg(text) : text;
}

QString CsvFilter() {
  //: A file-type filter: description|patterns pairs. Translate the descriptions only.
  return TResultsForm::tr("CSV Files|*.CSV|All Files|*.*");
}

// The key letters are marked "(key)", so the chart reads without the table.
TChartData ItemData(const Statistics::TItem& item, int span, Scoring::TLetters key) {
  TChartData chart{TResultsForm::tr("Question %1: who chose each answer").arg(item.Number),
                   {},
                   {{TResultsForm::tr("All"), {}},
                    {TResultsForm::tr("Top 27%"), {}},
                    {TResultsForm::tr("Bottom 27%"), {}}}};
  for (int letter = 0; letter < span; ++letter) {
    const QString name(QLatin1Char('A' + letter));
    //: An answer's letter on the chart, when it is the key; %1 is the letter.
    chart.Categories << (key & (1 << letter) ? TResultsForm::tr("%1 (key)").arg(name) : name);
    chart.Series[0].Values.push_back(item.Chose[letter]);
    chart.Series[1].Values.push_back(item.ChoseTop[letter]);
    chart.Series[2].Values.push_back(item.ChoseBottom[letter]);
  }
  chart.Categories << TResultsForm::tr("Blank");
  chart.Series[0].Values.push_back(item.Blank);
  return chart;
}

}  // namespace

TResultsForm::TResultsForm(TGlobals& globals, QWidget* parent)
    : TResultsForm(globals, globals.CurrentTestPath, parent) {}

TResultsForm::TResultsForm(TGlobals& globals, const QString& testPath, QWidget* parent)
    : QDialog(parent), Globals(globals), TestSource(testPath) {
  setObjectName(QStringLiteral("ResultsForm"));
  resize(1040, 620);

  Watcher = new QFileSystemWatcher(this);
  CollectTimer = Named(new QTimer(this), "CollectTimer");
  CollectTimer->setSingleShot(true);
  CollectTimer->setInterval(300);  // a class handing in at once is collected in one go

  auto* tabs = Named(new QTabWidget, "ResultsPages");
  tabs->addTab(BuildAttemptsTab(), tr("Attempts"));
  tabs->addTab(BuildStatisticsTab(), tr("Test statistics"));
  tabs->addTab(BuildItemsTab(), tr("Item analysis"));
  tabs->addTab(BuildRegradeTab(), tr("Regrade"));

  auto* gradebook = Named(new QPushButton(tr("Export &Gradebook...")), "GradebookButton");
  auto* items = Named(new QPushButton(tr("Export &Item Analysis...")), "ItemsButton");
  auto* pdf = Named(new QPushButton(tr("Export &Report (PDF)...")), "PdfButton");
  auto* close = Named(new QPushButton(tr("&Close")), "CloseButton");
  auto* buttons = new QHBoxLayout;
  for (QPushButton* button : {gradebook, items, pdf}) {
    button->setAutoDefault(false);
    buttons->addWidget(button);
  }
  buttons->addStretch(1);
  buttons->addWidget(close);
  auto* page = new QVBoxLayout(this);
  page->addWidget(tabs, 1);
  page->addLayout(buttons);

  connect(gradebook, &QPushButton::clicked, this, &TResultsForm::GradebookButtonClick);
  connect(items, &QPushButton::clicked, this, &TResultsForm::ItemsButtonClick);
  connect(pdf, &QPushButton::clicked, this, &TResultsForm::PdfButtonClick);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  connect(Watcher, &QFileSystemWatcher::directoryChanged, CollectTimer, qOverload<>(&QTimer::start));
  // Files arriving while the window is open are collected off this thread.
  connect(CollectTimer, &QTimer::timeout, this, [this] {
    if (Collector) Collector->Start(KnownFolders);
  });
  InstallHelpKey(this, Globals.Help, HelpContext::Results);

  LoadTest();
  const bool open = Opened.Store != nullptr;
  for (QWidget* control : std::initializer_list<QWidget*>{tabs, gradebook, items, pdf})
    control->setEnabled(open);
  if (!open) return;
  Collector = new TBackgroundCollect(
      SavedResultsStore().toStdString(), fs::path(TestPath).parent_path().string(),
      [this](const QStringList& lines) {
        RefusedList->clear();
        RefusedList->addItems(lines);
        Refresh();
      },
      this);
  CollectFolders();
  for (const QString& folder : KnownFolders)
    if (QFileInfo(folder).isDir()) Watcher->addPath(folder);
  Refresh();
}

TResultsForm::~TResultsForm() = default;

void TResultsForm::LoadTest() {
  TestPath = ToPath(TestSource);
  TestFile = fs::path(TestPath).filename().string();
  setWindowTitle(tr("Results - %1").arg(FromPath(TestFile)));
  CurrentQuestions.clear();
  Keys.clear();
  AnswerCounts.clear();
  KnownFolders.clear();
  RunGuarded(Globals.Dialogs, [this] {
    Reports::TTestView test = Reports::ReadTestView(TestPath);
    Description = std::move(test.Description);
    PassPoint = test.PassPoint;
    CurrentQuestions = std::move(test.Questions);
    Keys = std::move(test.Keys);
    AnswerCounts = std::move(test.AnswerCounts);
    const ClientConfig config = LoadClientConfig(ClientConfigPath(ToPath(Globals.ProgramFolder)));
    if (!config.ResultsFolder.empty()) KnownFolders << FromPath(config.ResultsFolder);
    if (Opened.Store) return;
    Opened = OpenStoreAt(SavedResultsStore().toStdString(), fs::path(TestPath).parent_path().string());
    for (const std::string& notice : Opened.Notices) Globals.Dialogs.Inform(FromUtf8(notice));
  });
  FoldersLabel->setText(KnownFolders.isEmpty()
                            ? tr("No results folder is set (Client Configuration, Results tab).")
                            : tr("Results folder: %1").arg(KnownFolders.join(QStringLiteral(", "))));
  UpdateDropFolder();
}

QWidget* TResultsForm::BuildAttemptsTab() {
  DateCheck = Named(new QCheckBox(tr("Dates from")), "DateCheck");
  FromDate = Named(new QDateEdit(QDate::currentDate().addMonths(-1)), "FromDate");
  ToDate = Named(new QDateEdit(QDate::currentDate()), "ToDate");
  for (QDateEdit* date : {FromDate, ToDate}) {
    date->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    date->setCalendarPopup(true);
  }
  FromDate->setAccessibleName(tr("First day"));
  ToDate->setAccessibleName(tr("Last day"));
  SourceBox = Named(new QComboBox, "SourceBox");
  SourceBox->addItem(tr("All sources"));
  for (const char* source : Sources) SourceBox->addItem(tr(source));
  ClassBox = Named(new QComboBox, "ClassBox");
  ClassBox->addItem(tr("All classes"));
  auto* filters = new QHBoxLayout;
  filters->addWidget(DateCheck);
  filters->addWidget(FromDate);
  //: Between the first and the last day of the dates shown.
  filters->addWidget(new QLabel(tr("to")));
  filters->addWidget(ToDate);
  filters->addSpacing(12);
  filters->addWidget(SourceBox);
  filters->addWidget(ClassBox);
  filters->addStretch(1);

  AttemptsGrid = Grid("AttemptsGrid", tr("Attempts"), AttemptHeaders());
  DeleteButton = Named(new QPushButton(tr("&Delete Attempt...")), "DeleteButton");
  UndoButton = Named(new QPushButton(tr("&Undo Delete")), "UndoButton");
  UndoButton->setEnabled(false);
  auto* actions = new QHBoxLayout;
  actions->addWidget(DeleteButton);
  actions->addWidget(UndoButton);
  actions->addStretch(1);

  FoldersLabel = Named(new QLabel, "FoldersLabel");
  FoldersLabel->setTextFormat(Qt::PlainText);
  FoldersLabel->setWordWrap(true);
  DropFolderButton = Named(new QPushButton(tr("Make Drop &Folder...")), "DropFolderButton");
  RefusedList = Named(new QListWidget, "RefusedList");
  RefusedList->setMaximumHeight(90);
  RefusedList->setAccessibleName(tr("Files not collected"));
  auto* folderRow = new QHBoxLayout;
  folderRow->addWidget(FoldersLabel, 1);
  folderRow->addWidget(DropFolderButton);

  auto* tab = Named(new QWidget, "AttemptsPage");
  auto* layout = new QVBoxLayout(tab);
  layout->addLayout(filters);
  layout->addWidget(AttemptsGrid, 1);
  layout->addLayout(actions);
  layout->addLayout(folderRow);
  layout->addWidget(new QLabel(tr("Files not collected (left in place):")));
  layout->addWidget(RefusedList);

  const auto refresh = [this] { Refresh(); };
  connect(DateCheck, &QCheckBox::toggled, this, refresh);
  connect(FromDate, &QDateEdit::dateChanged, this, refresh);
  connect(ToDate, &QDateEdit::dateChanged, this, refresh);
  connect(SourceBox, &QComboBox::currentIndexChanged, this, refresh);
  connect(ClassBox, &QComboBox::currentIndexChanged, this, refresh);
  connect(DeleteButton, &QPushButton::clicked, this, &TResultsForm::DeleteButtonClick);
  connect(UndoButton, &QPushButton::clicked, this, &TResultsForm::UndoButtonClick);
  connect(DropFolderButton, &QPushButton::clicked, this, &TResultsForm::DropFolderButtonClick);
  ResortOnHeading(AttemptsGrid, [this] { FillAttempts(); });
  return tab;
}

QWidget* TResultsForm::BuildStatisticsTab() {
  FiguresLabel = Named(new QLabel, "FiguresLabel");
  FiguresLabel->setTextFormat(Qt::PlainText);
  Histogram = Named(new TBarChart, "Histogram");
  auto* tab = Named(new QWidget, "StatisticsPage");
  auto* layout = new QVBoxLayout(tab);
  layout->addWidget(FiguresLabel);
  layout->addWidget(Histogram, 1);
  return tab;
}

QWidget* TResultsForm::BuildItemsTab() {
  ItemsGrid = Grid("ItemsGrid", tr("Item analysis"), ItemHeaders());
  // The question's text is cut short to leave its figures in view; its
  // tooltip gives it whole.
  ItemsGrid->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Interactive);
  ItemsGrid->horizontalHeader()->resizeSection(1, 200);
  ItemsGrid->setWordWrap(false);
  ItemsGrid->setToolTip(
      tr("Counts per answer: all / top 27% / bottom 27%. Double-click a "
         "question to edit it."));
  ItemChart = Named(new TBarChart, "ItemChart");
  ItemChart->setMinimumHeight(200);
  auto* tab = Named(new QWidget, "ItemsPage");
  auto* layout = new QVBoxLayout(tab);
  layout->addWidget(ItemsGrid, 1);
  layout->addWidget(ItemChart);
  connect(ItemsGrid, &QTableWidget::currentCellChanged, this, [this](int row) { ShowItemChart(row); });
  connect(ItemsGrid, &QTableWidget::cellDoubleClicked, this, [this](int row) { ItemsGridDoubleClick(row); });
  ResortOnHeading(ItemsGrid, [this] { FillItems(); });
  return tab;
}

QWidget* TResultsForm::BuildRegradeTab() {
  ChangesGrid = Grid("ChangesGrid", tr("Questions whose key changed"),
                     {tr("Question"), tr("Key marked with"), tr("Key now"), tr("Attempts")});
  RegradeButton = Named(new QPushButton(tr("Regrade with the &Key Now")), "RegradeButton");
  RegradedGrid = Grid("RegradedGrid", tr("Attempts rescored"),
                      {tr("Student"), tr("Date"), tr("First score"), tr("Score now")});
  auto* tab = Named(new QWidget, "RegradePage");
  auto* layout = new QVBoxLayout(tab);
  layout->addWidget(new QLabel(tr("Questions whose key changed since attempts were marked:")));
  layout->addWidget(ChangesGrid, 1);
  auto* row = new QHBoxLayout;
  row->addWidget(RegradeButton);
  row->addStretch(1);
  layout->addLayout(row);
  layout->addWidget(new QLabel(tr("Attempts rescored (each keeps its first score):")));
  layout->addWidget(RegradedGrid, 1);
  connect(RegradeButton, &QPushButton::clicked, this, &TResultsForm::RegradeButtonClick);
  ResortOnHeading(ChangesGrid, [this] { FillRegrade(); });
  ResortOnHeading(RegradedGrid, [this] { FillRegrade(); });
  return tab;
}

void TResultsForm::ResortOnHeading(QTableWidget* grid, const std::function<void()>& fill) {
  connect(grid->horizontalHeader(), &QHeaderView::sortIndicatorChanged, this, fill);
}

void TResultsForm::CollectFolders() {
  if (!Opened.Store) return;
  RefusedList->clear();
  // Said in the list rather than in a box, as collecting also runs unasked.
  RefusedList->addItems(CollectResultsFolders(*Opened.Store, KnownFolders));
}

TResultsFilter TResultsForm::Filter() const {
  TResultsFilter filter;
  filter.TestFile = TestFile;
  filter.WithAnswers = true;
  if (DateCheck->isChecked()) {
    filter.Since = FromDate->date().toString(Qt::ISODate).toStdString();
    filter.Until = ToDate->date().addDays(1).toString(Qt::ISODate).toStdString();
  }
  if (SourceBox->currentIndex() > 0) filter.Source = SourceOfName(Sources[SourceBox->currentIndex() - 1]);
  if (ClassBox->currentIndex() > 0) filter.Class = ToUtf8(ClassBox->currentText());
  return filter;
}

void TResultsForm::Refresh() {
  if (!Opened.Store) return;
  RunGuarded(Globals.Dialogs, [this] {
    Shown = Opened.Store->Attempts(Filter());
    // The classes to choose from: every class met since the window opened
    // (its first list is unfiltered, so it holds every class of the test).
    QStringList classes;
    for (int i = 1; i < ClassBox->count(); ++i) classes << ClassBox->itemText(i);
    for (const TStoredAttempt& attempt : Shown)
      if (!attempt.Class.empty() && !classes.contains(FromUtf8(attempt.Class)))
        classes << FromUtf8(attempt.Class);
    std::ranges::sort(classes,
                      [](const QString& a, const QString& b) { return Alphabet().compare(a, b) < 0; });
    const QString chosen = ClassBox->currentText();
    {
      const QSignalBlocker quiet(ClassBox);
      while (ClassBox->count() > 1) ClassBox->removeItem(1);
      ClassBox->addItems(classes);
      ClassBox->setCurrentIndex(std::max(0, static_cast<int>(ClassBox->findText(chosen))));
    }
    Figures = Statistics::Analyse(Reports::Responses(Shown), Keys);
  });
  FillAttempts();
  FillStatistics();
  FillItems();
  FillRegrade();
}

void TResultsForm::FillAttempts() {
  AttemptsGrid->setUpdatesEnabled(false);
  AttemptsGrid->setRowCount(static_cast<int>(Shown.size()));
  for (int row = 0; row < static_cast<int>(Shown.size()); ++row)
    SetRow(AttemptsGrid, row, AttemptRow(Shown[row], PassPoint), row);
  SortAsChosen(AttemptsGrid);
  AttemptsGrid->setUpdatesEnabled(true);
  DeleteButton->setEnabled(!Shown.empty());
  UndoButton->setEnabled(!Deleted.empty());
}

void TResultsForm::FillStatistics() {
  const std::optional<Reports::TPassRate> rate = Reports::PassRate(Shown, PassPoint);
  FiguresLabel->setText(tr("Attempts: %1\nMean: %2%\nMedian: %3%\nStandard deviation: %4\n"
                           "KR-20 reliability: %5\nStandard error of measurement: %6\n"
                           "Pass rate: %7")
                            .arg(Figures.Attempts)
                            .arg(Figure(Figures.Mean), Figure(Figures.Median), Figure(Figures.Sd),
                                 Figure(Figures.Kr20), Figure(Figures.Sem),
                                 rate ? PassRate(*rate) : QStringLiteral("-")));
  Histogram->SetData(HistogramData(Figures));
}

QString TResultsForm::QuestionText(int number) const {
  for (const TQuestionSnapshot& question : CurrentQuestions)
    if (question.Number == number) return ToQString(Reports::QuestionLine(question.Question));
  return {};
}

QStringList TResultsForm::ItemRow(const Statistics::TItem& item) const {
  return ItemCells(item, Reports::LetterSpan(item, AnswerCounts), QuestionText(item.Number));
}

void TResultsForm::FillItems() {
  const int chosen = std::max(0, ListRow(ItemsGrid, ItemsGrid->currentRow()));
  const QSignalBlocker quiet(ItemsGrid);
  ItemsGrid->setRowCount(static_cast<int>(Figures.Items.size()));
  for (int row = 0; row < static_cast<int>(Figures.Items.size()); ++row) {
    SetRow(ItemsGrid, row, ItemRow(Figures.Items[row]), row);
    ItemsGrid->item(row, 1)->setToolTip(ItemsGrid->item(row, 1)->text());
  }
  SortAsChosen(ItemsGrid);
  if (!Figures.Items.empty())
    ItemsGrid->setCurrentCell(ShownRow(ItemsGrid, std::min(chosen, ItemsGrid->rowCount() - 1)), 0);
  ShowItemChart(ItemsGrid->currentRow());
}

void TResultsForm::ShowItemChart(int row) {
  const int index = ListRow(ItemsGrid, row);
  if (index < 0 || index >= static_cast<int>(Figures.Items.size())) {
    ItemChart->SetData({});
    return;
  }
  const Statistics::TItem& item = Figures.Items[index];
  const auto key = Keys.find(item.Number);
  ItemChart->SetData(
      ItemData(item, Reports::LetterSpan(item, AnswerCounts), key == Keys.end() ? 0 : key->second));
}

void TResultsForm::FillRegrade() {
  std::vector<TKeyChange> changes;
  RunGuarded(Globals.Dialogs, [&] { changes = Opened.Store->KeyChanges(TestFile, CurrentQuestions); });
  ChangesGrid->setRowCount(static_cast<int>(changes.size()));
  for (int row = 0; row < static_cast<int>(changes.size()); ++row) {
    const TKeyChange& c = changes[row];
    SetRow(ChangesGrid, row,
           {QString::number(c.Number), KeyText(c.OldCorrect, c.OldAnyCorrectPasses),
            KeyText(c.NewCorrect, c.NewAnyCorrectPasses), QString::number(c.Attempts)},
           row);
  }
  SortAsChosen(ChangesGrid);
  RegradeButton->setEnabled(!changes.empty());
  RegradedGrid->setRowCount(0);
  for (int index = 0; index < static_cast<int>(Shown.size()); ++index) {
    const TStoredAttempt& a = Shown[index];
    if (a.FirstRight == a.Right) continue;
    const int row = RegradedGrid->rowCount();
    RegradedGrid->insertRow(row);
    SetRow(RegradedGrid, row,
           {FromUtf8(a.Student), FromUtf8(Reports::When(a)), Score(a.FirstRight, a.Asked),
            Score(a.Right, a.Asked)},
           index);
  }
  SortAsChosen(RegradedGrid);
}

void TResultsForm::DeleteButtonClick() {
  const int row = ListRow(AttemptsGrid, AttemptsGrid->currentRow());
  if (row < 0 || row >= static_cast<int>(Shown.size())) {
    Globals.Dialogs.Inform(tr("Choose the attempt to delete first."));
    return;
  }
  const TStoredAttempt& attempt = Shown[row];
  if (!Globals.Dialogs.ConfirmRisk(tr("Delete the attempt of %1 taken %2?\rUndo Delete brings it back.")
                                       .arg(FromUtf8(attempt.Student), FromUtf8(attempt.Started))))
    return;
  const std::int64_t id = attempt.Id;
  if (RunGuarded(Globals.Dialogs, [&] { Opened.Store->SetDeleted(id, true); })) Deleted.push_back(id);
  Refresh();
}

void TResultsForm::UndoButtonClick() {
  if (Deleted.empty()) return;
  const std::int64_t id = Deleted.back();
  if (RunGuarded(Globals.Dialogs, [&] { Opened.Store->SetDeleted(id, false); })) Deleted.pop_back();
  Refresh();
}

void TResultsForm::RegradeButtonClick() {
  Reports::TRegraded regraded;
  if (!RunGuarded(Globals.Dialogs,
                  [&] { regraded = Reports::Regrade(*Opened.Store, TestFile, CurrentQuestions); }))
    return;
  Refresh();
  Globals.Dialogs.Inform(tr("%n attempt(s) were rescored with the test's key; each keeps its "
                            "first score. %1 score(s) changed.",
                            nullptr, regraded.Rescored)
                             .arg(regraded.ScoresChanged));
}

void TResultsForm::Export(const QString& title, const QString& filter, const QString& extension,
                          const QString& name, const std::string& bytes) {
  const std::optional<QString> path = Globals.Dialogs.SaveFile({title, filter, extension, name});
  if (!path) return;
  RunGuarded(Globals.Dialogs, [&] {
    if (!OutputAllowed(Globals.Dialogs, *path, {TestSource}, StoreFilesBeside(TestPath))) return;
    ReplaceFileAtomically(ToPath(*path), bytes);
  });
}

void TResultsForm::GradebookButtonClick() {
  std::string bytes;
  if (!RunGuarded(Globals.Dialogs, [&] { bytes = Reports::GradebookCsv(Shown, PassPoint); })) return;
  Export(tr("Export Gradebook"), CsvFilter(), QStringLiteral("CSV"),
         QFileInfo(FromPath(TestFile)).completeBaseName() + QStringLiteral("-grades.csv"), bytes);
}

void TResultsForm::ItemsButtonClick() {
  Export(tr("Export Item Analysis"), CsvFilter(), QStringLiteral("CSV"),
         QFileInfo(FromPath(TestFile)).completeBaseName() + QStringLiteral("-items.csv"),
         Reports::ItemsCsv(Figures));
}

void TResultsForm::PdfButtonClick() {
  const QByteArray pdf = PdfReport();
  //: A file-type filter: description|patterns pairs. Translate the descriptions only.
  const QString filter = tr("PDF Files|*.PDF|All Files|*.*");
  Export(tr("Export Report"), filter, QStringLiteral("PDF"),
         QFileInfo(FromPath(TestFile)).completeBaseName() + QStringLiteral("-results.pdf"),
         std::string(pdf.constData(), static_cast<std::size_t>(pdf.size())));
}

QByteArray TResultsForm::PdfReport() const {
  TResultsReport report;
  report.Title = windowTitle();
  report.Heading = tr("Results: %1 (%2)").arg(FromPath(TestFile), ToQString(Description));
  report.FigureLines = FiguresLabel->text().split(QLatin1Char('\n'));
  report.Figures = Figures;
  for (const Statistics::TItem& item : Figures.Items) report.Items.push_back(ItemRow(item));
  for (const TStoredAttempt& a : Shown) report.Attempts.push_back(AttemptRow(a, PassPoint));
  return report.Pdf();
}

void TResultsForm::ItemsGridDoubleClick(int row) {
  const int index = ListRow(ItemsGrid, row);
  if (index < 0 || index >= static_cast<int>(Figures.Items.size())) return;
  const int number = Figures.Items[index].Number;
  if (OpenQuestion) OpenQuestion(number);
  LoadTest();
  Refresh();
}

void TResultsForm::UpdateDropFolder() {
  bool offer = false;
  for (const QString& folder : KnownFolders) offer |= DropFolder::Offerable(folder);
  DropFolderButton->setEnabled(offer);
}

void TResultsForm::DropFolderButtonClick() {
  for (const QString& folder : KnownFolders)
    if (DropFolder::Offerable(folder)) DropFolder::Offer(Globals.Dialogs, folder);
  UpdateDropFolder();
}
