#include "ui/print/GradeForm.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/results/StoreLocation.h"
#include "core/run/ParallelForms.h"
#include "core/storage/AtomicFile.h"
#include "core/storage/FileInput.h"
#include "core/storage/IoError.h"
#include "ui/page/TestPrinter.h"
#include "ui/platform/Dialogs.h"
#include "ui/platform/PaperWords.h"
#include "ui/platform/QtText.h"
#include "ui/platform/WindowKit.h"
#include "ui/text/ShuffleWords.h"

namespace {

QTableWidget* MakeTable(const char* name, const QStringList& headers) {
  auto* table = Named(new QTableWidget(0, static_cast<int>(headers.size())), name);
  table->setHorizontalHeaderLabels(headers);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->verticalHeader()->hide();
  table->horizontalHeader()->setStretchLastSection(true);
  return table;
}

void SetRow(QTableWidget* table, int row, const QStringList& cells) {
  for (int c = 0; c < cells.size(); ++c) table->setItem(row, c, new QTableWidgetItem(cells[c]));
}

}  // namespace

TGradeForm::TGradeForm(TPaperSubject subject, QWidget* parent) : TPaperWindow(std::move(subject), parent) {
  setObjectName(QStringLiteral("GradeForm"));
  setWindowTitle(tr("Grade Answers"));
  resize(640, 520);

  auto* form = new QFormLayout;
  RunsTable = MakeTable("RunsTable", {tr("Run"), tr("Printed"), tr("Seed"), tr("Versions"), tr("Shuffled")});
  RunsTable->setAccessibleName(tr("Print runs"));
  RunsTable->setSelectionBehavior(QAbstractItemView::SelectRows);
  RunsTable->setSelectionMode(QAbstractItemView::SingleSelection);
  RunsTable->setMaximumHeight(130);
  form->addRow(tr("Print r&uns:"), RunsTable);
  VersionsSpin = Named(new QSpinBox, "VersionsSpin");
  VersionsSpin->setRange(1, PaperVersions::MaxVersions);
  form->addRow(tr("&Number of versions:"), VersionsSpin);
  SeedEdit = Named(new QLineEdit(QStringLiteral("0")), "SeedEdit");
  SeedEdit->setValidator(
      new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{1,18}")), SeedEdit));
  form->addRow(tr("&Seed:"), SeedEdit);
  auto* shuffles = new QHBoxLayout;
  ShuffleQuestionsCheck = Named(new QCheckBox(tr("Questions shuffled")), "ShuffleQuestionsCheck");
  ShuffleQuestionsCheck->setChecked(true);
  ShuffleAnswersCheck = Named(new QCheckBox(tr("Answers shuffled")), "ShuffleAnswersCheck");
  ShuffleAnswersCheck->setChecked(true);
  shuffles->addWidget(ShuffleQuestionsCheck);
  shuffles->addWidget(ShuffleAnswersCheck);
  shuffles->addStretch();
  form->addRow(shuffles);
  PrintNote = Named(new QLabel, "PrintNote");
  PrintNote->setWordWrap(true);
  form->addRow(PrintNote);
  AnswersLabel = Named(new QLabel(tr("No answers file chosen.")), "AnswersLabel");
  form->addRow(tr("Answers:"), AnswersLabel);

  ResultsTable = MakeTable(
      "ResultsTable", {tr("Name"), tr("Version"), tr("Right"), tr("Asked"), tr("Percent"), tr("Passed")});
  ResultsTable->setColumnHidden(5, Test.PassPoint == 0);
  ResultsTable->setAccessibleName(tr("Results by student"));
  ShowAtLeastRows(ResultsTable, 6);
  QuestionsTable = MakeTable("QuestionsTable", {tr("Question"), tr("Right"), tr("Students")});
  QuestionsTable->setAccessibleName(tr("Results by question"));
  QuestionsTable->setMaximumHeight(160);

  auto* buttons = new QHBoxLayout;
  QPushButton* open = PushButton("OpenButton", tr("&Open Answers..."));
  GradeButton = PushButton("GradeButton", tr("&Grade Again"));
  SaveButton = PushButton("SaveButton", tr("Sa&ve as CSV..."));
  QPushButton* close = PushButton("CloseButton", tr("Close"));
  RecordButton = PushButton("RecordButton", tr("&Record in Results"));
  GradeButton->setEnabled(false);
  SaveButton->setEnabled(false);
  RecordButton->setEnabled(false);
  buttons->addWidget(open);
  buttons->addWidget(GradeButton);
  buttons->addWidget(SaveButton);
  buttons->addWidget(RecordButton);
  buttons->addStretch();
  buttons->addWidget(close);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(ResultsTable, 1);
  layout->addWidget(QuestionsTable);
  layout->addLayout(buttons);

  connect(open, &QPushButton::clicked, this, &TGradeForm::OpenAnswers);
  connect(GradeButton, &QPushButton::clicked, this, &TGradeForm::GradeAnswers);
  connect(SaveButton, &QPushButton::clicked, this, &TGradeForm::SaveResults);
  connect(RecordButton, &QPushButton::clicked, this, &TGradeForm::RecordInResults);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);

  // The sheets are graded with the run they were printed in: the recorded
  // runs are offered, the newest chosen. A store that cannot be read offers
  // none; the seed can still be given.
  QString storeNote;
  if (!TestPath.isEmpty()) {
    std::vector<std::string> notices;
    try {
      Runs = PrintRuns::OfferedRuns(ToPath(TestPath), notices);
    } catch (const TIoError& error) {
      storeNote =
          QLatin1Char('\r') + tr("The recorded runs cannot be read: %1").arg(FromSystemText(error.what()));
    }
    for (const std::string& notice : notices) storeNote += QLatin1Char('\r') + FromSystemText(notice);
  }
  RunsTable->setRowCount(static_cast<int>(Runs.size()));
  for (std::size_t i = 0; i < Runs.size(); ++i) {
    const TPrintRun& run = Runs[i];
    SetRow(RunsTable, static_cast<int>(i),
           {run.Number > 0 ? QString::number(run.Number) : tr("earlier"), QString::fromStdString(run.Printed),
            QString::number(run.Options.Seed), QString::number(run.Options.Versions),
            ShuffledText(run.Options.ShuffleQuestions, run.Options.ShuffleAnswers)});
  }
  RunsTable->resizeColumnsToContents();
  connect(RunsTable, &QTableWidget::itemSelectionChanged, this, &TGradeForm::RunChosen);
  connect(VersionsSpin, &QSpinBox::valueChanged, this, &TGradeForm::OptionsEdited);
  connect(SeedEdit, &QLineEdit::textEdited, this, &TGradeForm::OptionsEdited);
  connect(ShuffleQuestionsCheck, &QCheckBox::toggled, this, &TGradeForm::OptionsEdited);
  connect(ShuffleAnswersCheck, &QCheckBox::toggled, this, &TGradeForm::OptionsEdited);
  if (!Runs.empty()) {
    RunsTable->selectRow(0);
    PrintNote->setText(tr("Choose the run the sheets were printed in. Give the seed, versions "
                          "and shuffles only for a print that is not listed.") +
                       storeNote);
  } else {
    PrintNote->setText(tr("No print of this test is on record: give the seed, the number of "
                          "versions and the shuffles it was printed with.") +
                       storeNote);
  }
}

void TGradeForm::RunChosen() {
  const QList<QTableWidgetSelectionRange> ranges = RunsTable->selectedRanges();
  if (ranges.isEmpty()) return;
  const TPrintRun& run = Runs.at(static_cast<std::size_t>(ranges.front().topRow()));
  const QSignalBlocker blockSpin(VersionsSpin), blockQuestions(ShuffleQuestionsCheck),
      blockAnswers(ShuffleAnswersCheck);
  VersionsSpin->setValue(run.Options.Versions);
  SeedEdit->setText(QString::number(run.Options.Seed));
  ShuffleQuestionsCheck->setChecked(run.Options.ShuffleQuestions);
  ShuffleAnswersCheck->setChecked(run.Options.ShuffleAnswers);
}

void TGradeForm::OptionsEdited() {
  const std::optional<PaperVersions::TOptions> options = ChosenOptions();
  const QSignalBlocker block(RunsTable);
  RunsTable->clearSelection();
  for (std::size_t i = 0; options && i < Runs.size(); ++i) {
    if (Runs[i].Options == *options) {
      RunsTable->selectRow(static_cast<int>(i));
      break;
    }
  }
}

std::optional<PaperVersions::TOptions> TGradeForm::ChosenOptions() const {
  const std::optional<std::uint64_t> seed = PaperVersions::ParseSeed(ToCoreText(SeedEdit->text()));
  if (!seed) return std::nullopt;
  PaperVersions::TOptions options{VersionsSpin->value(), *seed, ShuffleQuestionsCheck->isChecked(),
                                  ShuffleAnswersCheck->isChecked()};
  // A recorded run these controls name keeps the questions it was printed
  // with (a balanced draw is not made again from the seed): the chosen row
  // first, then the newest such run.
  const auto named = [&options](const TPrintRun& run) {
    return run.Options.Versions == options.Versions && run.Options.Seed == options.Seed &&
           run.Options.ShuffleQuestions == options.ShuffleQuestions &&
           run.Options.ShuffleAnswers == options.ShuffleAnswers;
  };
  if (const QList<QTableWidgetSelectionRange> ranges = RunsTable->selectedRanges(); !ranges.isEmpty())
    if (const TPrintRun& run = Runs.at(static_cast<std::size_t>(ranges.front().topRow())); named(run))
      return run.Options;
  for (const TPrintRun& run : Runs)
    if (named(run)) return run.Options;
  options.Draw =
      ParallelForms::PaperDraw(Test.Blueprint, Test.Questions, options.Versions, options.Seed, nullptr).Draw;
  return options;
}

void TGradeForm::OpenAnswers() {
  const std::optional<QString> path = Dialogs.OpenFile(
      {tr("Select Answers to Grade"), tr("CSV Files|*.csv|All Files|*.*"), QStringLiteral("csv"), QString()});
  if (!path) return;
  AnswersPath = *path;
  AnswersLabel->setText(*path);
  GradeButton->setEnabled(true);
  GradeAnswers();
}

void TGradeForm::GradeAnswers() {
  const std::optional<PaperVersions::TOptions> options = ChosenOptions();
  if (!options) {
    Dialogs.Message(TMessageKind::Error, tr("The seed must be a whole number of up to 18 digits."));
    return;
  }
  RunGuarded(Dialogs, [&] {
    Graded.reset();
    ShowResults();
    try {
      Graded = GradeAnswersFile(ToPath(AnswersPath), ToPath(TestPath), Test, *options, Runs);
    } catch (const Grading::TGradingError& error) {
      //: %1 is the answers file, %2 what is wrong with it.
      Dialogs.Message(TMessageKind::Error, tr("%1: %2").arg(AnswersPath, ToQString(error.what())));
      return;
    }
    ShowResults();
    if (!Graded->Warnings.empty()) {
      QStringList warnings;
      for (const TGradeWarning& warning : Graded->Warnings) warnings << GradeWarningText(warning);
      Dialogs.Inform(warnings.join(QLatin1Char('\r')));
    }
  });
}

void TGradeForm::RecordInResults() {
  if (!Graded) return;
  if (Graded->BetterRun &&
      //: %1 describes a print run: its number, seed and shuffles.
      !Dialogs.ConfirmRisk(tr("The sheets fit %1 far better than the run they were graded with. "
                              "Record these scores all the same?")
                               .arg(RunText(*Graded->BetterRun))))
    return;
  RunGuarded(Dialogs, [&] {
    const TRecordedGrades recorded = RecordGrades(*Graded, ToPath(TestPath));
    QString text = RecordedText(recorded.Added, recorded.Known, FromSystemText(recorded.StorePath));
    for (const std::string& notice : recorded.Notices) text += QLatin1Char('\r') + FromSystemText(notice);
    Dialogs.Inform(text);
  });
}

void TGradeForm::ShowResults() {
  static const Grading::TResults none;
  const Grading::TResults& results = Graded ? Graded->Results : none;
  ResultsTable->setRowCount(static_cast<int>(results.Students.size()));
  for (std::size_t i = 0; i < results.Students.size(); ++i) {
    const Grading::TStudentResult& s = results.Students[i];
    SetRow(ResultsTable, static_cast<int>(i),
           {FromUtf8OrCodePage(s.Name), QString(QLatin1Char(s.Version)), QString::number(s.Right),
            QString::number(s.Asked), QString::number(s.Percent), s.Passed ? tr("yes") : tr("no")});
  }
  const std::vector<Grading::TQuestionResult> questions =
      results.Students.empty() ? std::vector<Grading::TQuestionResult>{} : Grading::QuestionResults(results);
  QuestionsTable->setRowCount(static_cast<int>(questions.size()));
  for (int row = 0; row < QuestionsTable->rowCount(); ++row) {
    const Grading::TQuestionResult& q = questions[static_cast<std::size_t>(row)];
    SetRow(QuestionsTable, row,
           {QString::number(q.Number), QString::number(q.Right), QString::number(q.Students)});
  }
  ResultsTable->resizeColumnsToContents();
  SaveButton->setEnabled(!results.Students.empty());
  RecordButton->setEnabled(!results.Students.empty());
}

void TGradeForm::SaveResults() {
  const std::optional<QString> path =
      Dialogs.SaveFile({tr("Save Results as CSV"), tr("CSV Files|*.csv|All Files|*.*"), QStringLiteral("csv"),
                        QStringLiteral("results.csv")});
  if (!path) return;
  RunGuarded(Dialogs, [&] {
    if (!OutputAllowed(Dialogs, *path, {AnswersPath, TestPath}, StoreFilesBeside(ToPath(TestPath)))) return;
    if (Graded) ReplaceFileAtomically(ToPath(*path), Grading::FormatResults(Graded->Results));
  });
}
