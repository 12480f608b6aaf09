#include "ui/print/GradeForm.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/storage/AtomicFile.h"
#include "core/storage/FileInput.h"
#include "core/storage/IoError.h"
#include "ui/platform/Dialogs.h"
#include "ui/platform/QtText.h"

namespace {

QTableWidget* MakeTable(const char* name, const QStringList& headers) {
  auto* table = new QTableWidget(0, static_cast<int>(headers.size()));
  table->setObjectName(QLatin1String(name));
  table->setHorizontalHeaderLabels(headers);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->verticalHeader()->hide();
  table->horizontalHeader()->setStretchLastSection(true);
  return table;
}

void SetRow(QTableWidget* table, int row, const QStringList& cells) {
  for (int c = 0; c < cells.size(); ++c) table->setItem(row, c, new QTableWidgetItem(cells[c]));
}

QPushButton* MakeButton(const char* name, const QString& caption) {
  auto* button = new QPushButton(caption);
  button->setObjectName(QLatin1String(name));
  button->setAutoDefault(false);
  return button;
}

}  // namespace

TGradeForm::TGradeForm(PaperVersions::TPaperTest test, const QString& testPath, TDialogs& dialogs,
                       QWidget* parent)
    : QDialog(parent), Test(std::move(test)), TestPath(testPath), Dialogs(dialogs) {
  setObjectName(QStringLiteral("GradeForm"));
  setWindowTitle(QStringLiteral("Grade Answers"));
  resize(640, 520);

  auto* form = new QFormLayout;
  VersionsSpin = new QSpinBox;
  VersionsSpin->setObjectName(QStringLiteral("VersionsSpin"));
  VersionsSpin->setRange(1, PaperVersions::MaxVersions);
  form->addRow(QStringLiteral("&Number of versions:"), VersionsSpin);
  SeedEdit = new QLineEdit(QStringLiteral("0"));
  SeedEdit->setObjectName(QStringLiteral("SeedEdit"));
  SeedEdit->setValidator(
      new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{1,18}")), SeedEdit));
  form->addRow(QStringLiteral("&Seed:"), SeedEdit);
  auto* shuffles = new QHBoxLayout;
  ShuffleQuestionsCheck = new QCheckBox(QStringLiteral("Questions shuffled"));
  ShuffleQuestionsCheck->setObjectName(QStringLiteral("ShuffleQuestionsCheck"));
  ShuffleQuestionsCheck->setChecked(true);
  ShuffleAnswersCheck = new QCheckBox(QStringLiteral("Answers shuffled"));
  ShuffleAnswersCheck->setObjectName(QStringLiteral("ShuffleAnswersCheck"));
  ShuffleAnswersCheck->setChecked(true);
  shuffles->addWidget(ShuffleQuestionsCheck);
  shuffles->addWidget(ShuffleAnswersCheck);
  shuffles->addStretch();
  form->addRow(shuffles);
  PrintNote = new QLabel;
  PrintNote->setObjectName(QStringLiteral("PrintNote"));
  PrintNote->setWordWrap(true);
  form->addRow(PrintNote);
  AnswersLabel = new QLabel(QStringLiteral("No answers file chosen."));
  AnswersLabel->setObjectName(QStringLiteral("AnswersLabel"));
  form->addRow(QStringLiteral("Answers:"), AnswersLabel);

  ResultsTable = MakeTable("ResultsTable",
                           {QStringLiteral("Name"), QStringLiteral("Version"), QStringLiteral("Right"),
                            QStringLiteral("Asked"), QStringLiteral("Percent"), QStringLiteral("Passed")});
  ResultsTable->setColumnHidden(5, Test.PassPoint == 0);
  ResultsTable->setAccessibleName(QStringLiteral("Results by student"));
  QuestionsTable = MakeTable(
      "QuestionsTable", {QStringLiteral("Question"), QStringLiteral("Right"), QStringLiteral("Students")});
  QuestionsTable->setAccessibleName(QStringLiteral("Results by question"));
  QuestionsTable->setMaximumHeight(160);

  auto* buttons = new QHBoxLayout;
  QPushButton* open = MakeButton("OpenButton", QStringLiteral("&Open Answers..."));
  GradeButton = MakeButton("GradeButton", QStringLiteral("&Grade Again"));
  SaveButton = MakeButton("SaveButton", QStringLiteral("Sa&ve as CSV..."));
  QPushButton* close = MakeButton("CloseButton", QStringLiteral("Close"));
  GradeButton->setEnabled(false);
  SaveButton->setEnabled(false);
  buttons->addWidget(open);
  buttons->addWidget(GradeButton);
  buttons->addWidget(SaveButton);
  buttons->addStretch();
  buttons->addWidget(close);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(ResultsTable, 1);
  layout->addWidget(QuestionsTable);
  layout->addLayout(buttons);

  connect(open, &QPushButton::clicked, this, &TGradeForm::OpenButtonClick);
  connect(GradeButton, &QPushButton::clicked, this, &TGradeForm::GradeButtonClick);
  connect(SaveButton, &QPushButton::clicked, this, &TGradeForm::SaveButtonClick);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);

  // The sheets are graded with what they were printed with: the last print's
  // seed, versions and shuffles, as far as they are known.
  const std::vector<PaperVersions::TOptions> prints = RecentPrints();
  if (!prints.empty()) {
    const PaperVersions::TOptions& printed = prints.front();
    VersionsSpin->setValue(printed.Versions);
    SeedEdit->setText(QString::number(printed.Seed));
    ShuffleQuestionsCheck->setChecked(printed.ShuffleQuestions);
    ShuffleAnswersCheck->setChecked(printed.ShuffleAnswers);
    PrintNote->setText(QStringLiteral("As this test was last printed."));
  } else {
    PrintNote->setText(
        QStringLiteral("No print of this test is on record: give the seed, the number of "
                       "versions and the shuffles it was printed with."));
  }
}

std::vector<PaperVersions::TOptions> TGradeForm::RecentPrints() const {
  // A record that cannot be read is no record: the controls say what to give.
  try {
    if (!TestPath.isEmpty()) return PaperVersions::RecentPrints(ToPath(TestPath));
  } catch (const TIoError&) {
  }
  return {};
}

void TGradeForm::OpenButtonClick() {
  const std::optional<QString> path =
      Dialogs.OpenFile({QStringLiteral("Select Answers to Grade"),
                        QStringLiteral("CSV Files|*.csv|All Files|*.*"), QStringLiteral("csv"), QString()});
  if (!path) return;
  AnswersPath = *path;
  AnswersLabel->setText(*path);
  GradeButton->setEnabled(true);
  GradeButtonClick();
}

void TGradeForm::GradeButtonClick() {
  const std::optional<std::uint64_t> seed = PaperVersions::ParseSeed(ToCp1252(SeedEdit->text()));
  if (!seed) {
    Dialogs.Message(TMessageKind::Error,
                    QStringLiteral("The seed must be a whole number of up to 18 digits."));
    return;
  }
  const PaperVersions::TOptions options{VersionsSpin->value(), *seed, ShuffleQuestionsCheck->isChecked(),
                                        ShuffleAnswersCheck->isChecked()};
  RunGuarded(Dialogs, [&] {
    Results = {};
    ShowResults();
    TInputFile input(ToPath(AnswersPath));
    const TFileBytes bytes = input.ReadRest();
    const std::string_view text(bytes.Data.get(), bytes.Size);
    const std::vector<PaperVersions::TVersion> versions = PaperVersions::Make(Test.Questions, options);
    try {
      Results = Grading::Grade(text, versions, Test.PassPoint);
    } catch (const Grading::TGradingError& error) {
      Dialogs.Message(TMessageKind::Error, AnswersPath + QStringLiteral(": ") + ToQString(error.what()));
      return;
    }
    ShowResults();
    WarnOfWrongKeys(text, versions, options);
  });
}

void TGradeForm::WarnOfWrongKeys(std::string_view text, const std::vector<PaperVersions::TVersion>& versions,
                                 const PaperVersions::TOptions& options) {
  // Every version graded against, the versions of the other recent prints,
  // then the test's own order; each with the words that name it.
  std::vector<PaperVersions::TVersion> candidates = versions;
  QStringList names;
  for (const PaperVersions::TVersion& version : versions)
    names << QStringLiteral("version %1").arg(QLatin1Char(version.Letter));
  for (const PaperVersions::TOptions& print : RecentPrints()) {
    if (print.Seed == options.Seed && print.Versions == options.Versions &&
        print.ShuffleQuestions == options.ShuffleQuestions && print.ShuffleAnswers == options.ShuffleAnswers)
      continue;
    for (PaperVersions::TVersion& version : PaperVersions::Make(Test.Questions, print)) {
      names << QStringLiteral("version %1 of the print with seed %2")
                   .arg(QLatin1Char(version.Letter))
                   .arg(print.Seed);
      candidates.push_back(std::move(version));
    }
  }
  candidates.push_back(PaperVersions::Make(Test.Questions, {})[0]);
  names << QStringLiteral("the test's own order, nothing shuffled");
  const Grading::TKeyCheck check = Grading::CheckKeys(text, versions, candidates);
  if (!check.WrongKeys()) return;

  const Grading::TStudentResult& sheet = Results.Students[static_cast<std::size_t>(check.Sheet)];
  Dialogs.Inform(
      QStringLiteral("%1 of %2 sheets score far better under another key than under the key of "
                     "their own version: %3 scores %4% as version %5 and %6% under the key of %7.\r"
                     "Check the seed, the number of versions and the shuffles (they must be those "
                     "the test was printed with) and the version letters typed.")
          .arg(QString::number(check.FitElsewhere), QString::number(check.Sheets),
               FromUtf8OrCodePage(sheet.Name), QString::number(check.OwnPercent),
               QString(QLatin1Char(sheet.Version)), QString::number(check.CandidatePercent),
               names[check.Candidate]));
}

void TGradeForm::ShowResults() {
  ResultsTable->setRowCount(static_cast<int>(Results.Students.size()));
  for (std::size_t i = 0; i < Results.Students.size(); ++i) {
    const Grading::TStudentResult& s = Results.Students[i];
    SetRow(ResultsTable, static_cast<int>(i),
           {FromUtf8OrCodePage(s.Name), QString(QLatin1Char(s.Version)), QString::number(s.Right),
            QString::number(s.Asked), QString::number(s.Percent),
            s.Passed ? QStringLiteral("yes") : QStringLiteral("no")});
  }
  QuestionsTable->setRowCount(Results.Students.empty() ? 0
                                                       : static_cast<int>(Results.RightPerQuestion.size()));
  for (int q = 0; q < QuestionsTable->rowCount(); ++q) {
    SetRow(QuestionsTable, q,
           {QString::number(q + 1), QString::number(Results.RightPerQuestion[static_cast<std::size_t>(q)]),
            QString::number(Results.Students.size())});
  }
  ResultsTable->resizeColumnsToContents();
  SaveButton->setEnabled(!Results.Students.empty());
}

void TGradeForm::SaveButtonClick() {
  const std::optional<QString> path = Dialogs.SaveFile(
      {QStringLiteral("Save Results as CSV"), QStringLiteral("CSV Files|*.csv|All Files|*.*"),
       QStringLiteral("csv"), QStringLiteral("results.csv")});
  if (!path) return;
  RunGuarded(Dialogs, [&] {
    if (!OutputIsNoInput(Dialogs, *path, {AnswersPath, TestPath})) return;
    ReplaceFileAtomically(ToPath(*path), Grading::FormatResults(Results));
  });
}
