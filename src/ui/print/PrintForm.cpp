#include "ui/print/PrintForm.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QVBoxLayout>

#include "core/results/PrintRuns.h"
#include "core/results/RecordAttempt.h"
#include "core/results/StoreLocation.h"
#include "core/run/ParallelForms.h"
#include "core/storage/IoError.h"
#include "ui/platform/Dialogs.h"
#include "ui/platform/PaperWords.h"
#include "ui/platform/QtText.h"
#include "ui/platform/WindowKit.h"

namespace {

QCheckBox* AddCheck(QLayout* layout, const char* name, const QString& caption, bool checked) {
  auto* check = Named(new QCheckBox(caption), name);
  check->setChecked(checked);
  layout->addWidget(check);
  return check;
}

QPushButton* AddButton(QDialogButtonBox* box, const char* name, const QString& caption,
                       QDialogButtonBox::ButtonRole role) {
  QPushButton* button = PushButton(name, caption);
  box->addButton(button, role);
  return button;
}

}  // namespace

TPrintForm::TPrintForm(TPaperSubject subject, QWidget* parent) : TPaperWindow(std::move(subject), parent) {
  setObjectName(QStringLiteral("PrintForm"));
  setWindowTitle(tr("Print Test"));

  auto* versionsBox = new QGroupBox(tr("Versions"));
  auto* form = new QFormLayout(versionsBox);
  VersionsSpin = Named(new QSpinBox, "VersionsSpin");
  VersionsSpin->setRange(1, PaperVersions::MaxVersions);
  VersionsSpin->setToolTip(tr("Versions are named A, B, C, ..."));
  form->addRow(tr("&Number of versions:"), VersionsSpin);
  auto* shuffles = new QVBoxLayout;
  ShuffleQuestionsCheck = AddCheck(shuffles, "ShuffleQuestionsCheck", tr("Shuffle the &questions"), true);
  ShuffleAnswersCheck =
      AddCheck(shuffles, "ShuffleAnswersCheck", tr("Shuffle the &answers of each question"), true);
  form->addRow(shuffles);
  auto* seedRow = new QHBoxLayout;
  SeedEdit = Named(new QLineEdit(QString::number(PaperVersions::NewSeed())), "SeedEdit");
  SeedEdit->setValidator(
      new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{1,18}")), SeedEdit));
  SeedEdit->setToolTip(tr("The same seed makes the same versions again; note it to grade them."));
  QPushButton* newSeed = PushButton("NewSeedButton", tr("Ne&w"));
  seedRow->addWidget(SeedEdit, 1);
  seedRow->addWidget(newSeed);
  auto* seedLabel = new QLabel(tr("&Seed:"));
  seedLabel->setBuddy(SeedEdit);
  form->addRow(seedLabel, seedRow);
  BalanceCheck = AddCheck(shuffles, "BalanceCheck", tr("Balance the versions' e&xpected scores"), false);
  BalanceCheck->setEnabled(!Test.Blueprint.empty());
  BalanceCheck->setToolTip(
      Test.Blueprint.empty() ? tr("Versions are balanced when the test draws its questions from a blueprint")
                             : tr("Draws the versions from the blueprint so that their expected mean "
                                  "scores, from the results recorded, match"));
  BalanceLabel = Named(new QLabel, "BalanceLabel");
  BalanceLabel->setWordWrap(true);
  form->addRow(BalanceLabel);

  auto* includeBox = new QGroupBox(tr("Include"));
  auto* include = new QVBoxLayout(includeBox);
  QuestionsCheck = AddCheck(include, "QuestionsCheck", tr("The q&uestions"), true);
  HeaderCheck = AddCheck(include, "HeaderCheck", tr("A name, date and c&lass line"), true);
  BeginMessageCheck = AddCheck(include, "BeginMessageCheck", tr("The &begin message"), true);
  SheetCheck = AddCheck(include, "SheetCheck", tr("An answer s&heet for each version"), false);
  SheetCheck->setToolTip(tr("Sheets the scanner reads: a box per answer, corner marks and a QR code"));
  auto* digitsRow = new QHBoxLayout;
  DigitsSpin = Named(new QSpinBox, "DigitsSpin");
  DigitsSpin->setRange(0, SheetLayout::MaxStudentDigits);
  DigitsSpin->setToolTip(tr("Columns of boxes for a student number; 0 for none"));
  DigitsSpin->setEnabled(false);
  auto* digitsLabel = new QLabel(tr("Student nu&mber digits:"));
  digitsLabel->setBuddy(DigitsSpin);
  digitsRow->addSpacing(20);
  digitsRow->addWidget(digitsLabel);
  digitsRow->addWidget(DigitsSpin);
  SheetsSpin = Named(new QSpinBox, "SheetsSpin");
  SheetsSpin->setRange(1, SheetLayout::MaxSheetsPerVersion);
  SheetsSpin->setToolTip(tr("One per student, each with its own serial; 1 prints a sheet to photocopy"));
  SheetsSpin->setEnabled(false);
  auto* sheetsLabel = new QLabel(tr("Shee&ts per version:"));
  sheetsLabel->setBuddy(SheetsSpin);
  digitsRow->addSpacing(12);
  digitsRow->addWidget(sheetsLabel);
  digitsRow->addWidget(SheetsSpin);
  digitsRow->addStretch();
  include->addLayout(digitsRow);
  KeysCheck = AddCheck(include, "KeysCheck", tr("The answer &keys, on their own pages"), true);

  auto* buttons = new QDialogButtonBox;
  QPushButton* print = AddButton(buttons, "PrintButton", tr("&Print..."), QDialogButtonBox::ActionRole);
  QPushButton* preview = AddButton(buttons, "PreviewButton", tr("Pre&view..."), QDialogButtonBox::ActionRole);
  QPushButton* pdf = AddButton(buttons, "PdfButton", tr("Save as P&DF..."), QDialogButtonBox::ActionRole);
  QPushButton* close = AddButton(buttons, "CloseButton", tr("Close"), QDialogButtonBox::RejectRole);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(versionsBox);
  layout->addWidget(includeBox);
  layout->addWidget(buttons);

  connect(print, &QPushButton::clicked, this, &TPrintForm::PrintButtonClick);
  connect(preview, &QPushButton::clicked, this, &TPrintForm::PreviewButtonClick);
  connect(pdf, &QPushButton::clicked, this, &TPrintForm::PdfButtonClick);
  connect(newSeed, &QPushButton::clicked, this, &TPrintForm::NewSeedButtonClick);
  connect(SheetCheck, &QCheckBox::toggled, DigitsSpin, &QWidget::setEnabled);
  connect(SheetCheck, &QCheckBox::toggled, SheetsSpin, &QWidget::setEnabled);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
}

std::optional<TPrintOptions> TPrintForm::Options() {
  const std::optional<std::uint64_t> seed = PaperVersions::ParseSeed(ToCoreText(SeedEdit->text()));
  if (!seed) {
    Dialogs.Message(TMessageKind::Error, tr("The seed must be a whole number of up to 18 digits."));
    SeedEdit->setFocus();
    return std::nullopt;
  }
  TPrintOptions options;
  options.Versions = {VersionsSpin->value(), *seed, ShuffleQuestionsCheck->isChecked(),
                      ShuffleAnswersCheck->isChecked()};
  options.Questions = QuestionsCheck->isChecked();
  options.Header = HeaderCheck->isChecked();
  options.BeginMessage = BeginMessageCheck->isChecked();
  options.AnswerSheet = SheetCheck->isChecked();
  if (options.AnswerSheet) {
    options.StudentDigits = DigitsSpin->value();
    options.SheetsPerVersion = SheetsSpin->value();
    options.Fingerprint = TestFingerprint(Test.Questions);
  }
  options.AnswerKeys = KeysCheck->isChecked();
  // Versions of a blueprint are drawn from it; balancing needs the figures
  // of the results store, and without them the draw is a random one.
  std::vector<std::optional<double>> facility(Test.Questions.size());
  const bool balance = BalanceCheck->isChecked();
  if (balance) {
    try {
      facility = QuestionFacilities(ToPath(TestPath), Test.Questions);
    } catch (const std::exception& error) {
      Dialogs.Message(TMessageKind::Error,
                      tr("The results could not be read: %1").arg(FromSystemText(error.what())));
    }
  }
  const ParallelForms::TPaperDraw draw =
      ParallelForms::PaperDraw(Test.Blueprint, Test.Questions, options.Versions.Versions,
                               options.Versions.Seed, balance ? &facility : nullptr);
  options.Versions.Draw = draw.Draw;
  QStringList notes;
  if (draw.Balanced) notes << BalanceText(*draw.Balanced);
  for (const ParallelForms::TDrawWarning& warning : draw.Warnings) notes << DrawWarningText(warning);
  BalanceLabel->setText(notes.join(QLatin1Char('\n')));
  if (const int pages = TTestPrinter(Test, options).UnjoinablePages(); pages > 0) {
    //: %1 is how many pages one student's answer sheet takes.
    Dialogs.Message(
        TMessageKind::Error,
        tr("A sheet of %1 pages to photocopy needs a student number on every page to put its pages "
           "together: give the student number digits, or print a sheet per student.")
            .arg(pages));
    DigitsSpin->setFocus();
    return std::nullopt;
  }
  return options;
}

void TPrintForm::PrintButtonClick() {
  const auto options = Options();
  if (!options) return;
  QPrinter printer(QPrinter::HighResolution);
  printer.setDocName(ToQString(Test.Description));
  QPrintDialog dialog(&printer, this);
  if (dialog.exec() != QDialog::Accepted) return;
  const TTestPrinter pages(Test, *options);
  if (pages.Print(printer) == 0) {
    Dialogs.Message(TMessageKind::Error, tr("The printer could not be started."));
    return;
  }
  const QString notes = RecordPrintRun(pages, options->Versions);
  if (!notes.isEmpty()) Dialogs.Inform(tr("The test has been sent to the printer.") + notes);
}

QString TPrintForm::RecordPrintRun(const TTestPrinter& pages, const PaperVersions::TOptions& versions) {
  QString notes;
  if (const QStringList missing = pages.MissingPictures(); !missing.isEmpty())
    notes += QLatin1Char('\r') + tr("These pictures are not printed:") + QLatin1Char('\r') +
             missing.join(QLatin1Char('\r'));
  // Grading offers the runs recorded in the results store.
  try {
    const TRecordedPrint recorded = RecordPrint(ToPath(TestPath), Test.Questions, versions);
    for (const std::string& notice : recorded.Notices) notes += QLatin1Char('\r') + FromSystemText(notice);
    notes += QLatin1Char('\r') + tr("Recorded as print run %1 for grading.").arg(recorded.Run.Number);
    if (recorded.Alike)
      //: %1 is the seed, %2 the number of the earlier print run.
      notes += QLatin1Char('\r') + tr("Seed %1 was printed before as run %2 with other questions drawn: the "
                                      "sheets of the two prints cannot be told apart, so neither is graded "
                                      "when scanned. Print again with a new seed.")
                                       .arg(recorded.Alike->Options.Seed)
                                       .arg(recorded.Alike->Number);
  } catch (const TIoError& error) {
    //: %1 is the reason the results store gives.
    notes += QLatin1Char('\r') +
             tr("The print run could not be recorded for grading: %1").arg(FromSystemText(error.what())) +
             QLatin1Char('\r') + tr("Note seed %1 to grade the sheets.").arg(versions.Seed);
  }
  return notes;
}

void TPrintForm::PreviewButtonClick() {
  const auto options = Options();
  if (!options) return;
  const TTestPrinter printer(Test, *options);
  QPrintPreviewDialog preview(this);
  Named(&preview, "PreviewDialog");
  connect(&preview, &QPrintPreviewDialog::paintRequested, this,
          [&printer](QPrinter* device) { printer.Print(*device); });
  preview.exec();
}

void TPrintForm::PdfButtonClick() {
  const auto options = Options();
  if (!options) return;
  const std::optional<QString> path =
      Dialogs.SaveFile({tr("Save Test as PDF"), tr("PDF Files|*.pdf|All Files|*.*"), QStringLiteral("pdf"),
                        QFileInfo(TestPath).completeBaseName() + QStringLiteral(".pdf")});
  if (!path) return;
  RunGuarded(Dialogs, [&] {
    if (!OutputAllowed(Dialogs, *path, {TestPath}, StoreFilesBeside(ToPath(TestPath)))) return;
    const TTestPrinter pages(Test, *options);
    const int count = pages.WritePdf(*path);
    if (count == 0) {
      Dialogs.Message(TMessageKind::Error, tr("The PDF could not be made."));
      return;
    }
    //: %2 is the PDF's path, on a line of its own.
    Dialogs.Inform(tr("The test has been saved as a PDF of %1 pages:\r%2")
                       .arg(count)
                       .arg(QDir::toNativeSeparators(QFileInfo(*path).absoluteFilePath())) +
                   RecordPrintRun(pages, options->Versions));
  });
}

void TPrintForm::NewSeedButtonClick() {
  SeedEdit->setText(QString::number(PaperVersions::NewSeed()));
}
