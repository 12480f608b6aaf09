#pragma once

#include <optional>

#include "core/run/PaperVersions.h"
#include "ui/page/TestPrinter.h"
#include "ui/platform/PaperWindow.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QSpinBox;

// "Print Test...": how many versions, what is shuffled, the seed that makes
// them again and what is printed; then the desktop's print dialog, a preview
// or a PDF file.
class TPrintForm : public TPaperWindow {
  Q_OBJECT

public:
  // The test's path gives the PDF's preset name.
  explicit TPrintForm(TPaperSubject subject, QWidget* parent = nullptr);

  // What the controls ask for; nothing (after a message) when the seed is not
  // a number.
  std::optional<TPrintOptions> Options();

  void PrintButtonClick();
  void PreviewButtonClick();
  void PdfButtonClick();
  void NewSeedButtonClick();

private:
  // After pages were printed with versions: records them as a print run of
  // the test, and returns what the user should know beside the pages
  // (pictures not printed, the run's number or why it could not be
  // recorded), each on a line of its own after '\r'.
  QString RecordPrintRun(const TTestPrinter& pages, const PaperVersions::TOptions& versions);

  QSpinBox* VersionsSpin;
  QCheckBox* ShuffleQuestionsCheck;
  QCheckBox* ShuffleAnswersCheck;
  QLineEdit* SeedEdit;
  QCheckBox* BalanceCheck;
  QLabel* BalanceLabel;  // the expected means of a balanced draw, or why it is not balanced
  QCheckBox* QuestionsCheck;
  QCheckBox* HeaderCheck;
  QCheckBox* BeginMessageCheck;
  QCheckBox* SheetCheck;
  QSpinBox* DigitsSpin;
  QSpinBox* SheetsSpin;
  QCheckBox* KeysCheck;
};
