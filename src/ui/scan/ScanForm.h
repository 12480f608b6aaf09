#pragma once

#include <QImage>
#include <QStringList>
#include <memory>
#include <optional>

#include "core/results/GradeSheets.h"
#include "core/scan/ScanPile.h"
#include "ui/platform/PaperWindow.h"

class QLabel;
class QListWidget;
class QPushButton;
class QSlider;
class QThread;

// "Scan Answer Sheets...": reads scanned sheet pages, shows each with what
// was read drawn over it, lets the teacher decide the doubtful rows one by
// one (a key per letter, Enter to accept) and type a doubtful student number,
// then grades the sheets against
// the recorded runs and records them in the results store. Pages are read on
// a worker thread, so the window answers (and can cancel) while a pile is
// read; "lighter marks count" decides the pile again from what was measured.
class TScanForm : public TPaperWindow {
  Q_OBJECT

public:
  explicit TScanForm(TPaperSubject subject, QWidget* parent = nullptr);
  ~TScanForm() override;  // stops the reading, if any, and waits for it

  void AddFilesClick();   // chooses scan files and reads their pages
  void AddFolderClick();  // chooses a folder and reads the pages of every scan file in it
  // Reads the pages of the files, after those already waiting, on the worker.
  void AddFiles(const QStringList& paths);
  void AddFile(const QString& path);
  bool Reading() const;  // whether files are being read
  void CancelClick();    // stops reading after the page at hand; what was read stays
  // Decides every page again at that step of "lighter marks count".
  void LighterChanged(int step);
  void GradeAndRecord();  // grades the gradable sheets and records them in the results store
  // A click on a line of the list of what is to review: goes to its page and,
  // for a doubtful row, decides it next.
  void ProblemClicked(int row);

  // The page as shown: the scan with the reading drawn over it.
  QImage PageImage(int page) const;

protected:
  void keyPressEvent(QKeyEvent* event) override;
  // The lists pass the deciding keys on rather than search by them.
  bool eventFilter(QObject* watched, QEvent* event) override;

Q_SIGNALS:
  // The worker has pages (or a file's outcome, or its end) waiting.
  void PagesReady();

private:
  struct TShown {
    QImage Gray;  // the page, scaled down for the screen
    double Scale = 1;
  };
  struct TReadQueue;  // what the worker hands over, and the cancel flag
  void StartReading();
  void TakeReadPages();  // on PagesReady: takes what the worker handed over
  // The pages put together again, with the rows decided so far.
  void Reassemble();
  void ShowPage();
  // Moves to the first doubtful row not yet decided.
  void NextDoubt();
  // Shows the page of the pile's problem of that number, and when it is a
  // doubtful row, takes it up; -1 (or a problem that is no row) leaves no
  // row in doubt.
  void GoToDoubt(int problem);
  void ShowDoubt();
  // A letter key toggles its letter, Enter accepts the row; false for any
  // other key, or when no row is in doubt.
  bool DecideKey(int key);
  // Digits type the student number in doubt, Backspace takes one back and
  // Enter accepts a number of all its digits.
  bool DecideNumberKey(int key);

  Scan::TExpected Expected;
  Scan::TThresholds Thresholds;
  QStringList Waiting;  // files added while others are read
  QThread* Worker = nullptr;
  std::shared_ptr<TReadQueue> Queue;
  std::vector<TPrintRun> Runs;
  bool Checkable = false;  // a run of the test as it is is on record
  QStringList Notices;     // what the recorded runs said on opening, listed above the problems
  std::vector<Scan::TScannedPage> Pages;
  std::vector<TShown> Shown;
  std::vector<Scan::TProblem> FileProblems;
  Scan::TPile Assembled;
  int ProblemsOffset = 0;  // lines of ProblemsList above the pile's problems
  // The doubt being decided: page and row (NumberRow for the page's student
  // number), and the letters chosen or the digits typed.
  static constexpr std::size_t NumberRow = std::size_t(-1);
  std::optional<std::pair<std::size_t, std::size_t>> Doubt;
  std::string Chosen;

  QListWidget* PagesList;
  QLabel* PageView;
  QListWidget* ProblemsList;
  QLabel* DoubtLabel;
  QLabel* CropView;
  QLabel* StatusLabel;
  QSlider* LighterSlider;
  QPushButton* GradeButton;
  QPushButton* CancelButton;
};
