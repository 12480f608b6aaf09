#pragma once

#include <QFrame>
#include <array>
#include <functional>
#include <vector>

#include "core/model/TestSearch.h"
#include "ui/platform/Globals.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QWidget;

// What the find bar asks of the editor it searches.
class TSearchableEditor {
public:
  // Stores the screen into the question shown; false when the user kept it.
  virtual bool SaveCurrent() = 0;
  // Stores the screen as it is, without asking.
  virtual void StoreScreen() = 0;
  // Runs change on the questions as one step of the undo history, named text.
  virtual void ChangeQuestions(const QString& text, const std::function<void()>& change) = 0;
  // Shows the question and field of hit with its text selected; false when
  // the editor could not leave the question shown.
  virtual bool ShowHit(const TSearchHit& hit) = 0;
  // Lays the editor out again for the bar's new height.
  virtual void FitFindBar() = 0;

protected:
  ~TSearchableEditor() = default;
};

// The editor's find bar: finds a text in every question of the test, lists
// the hits and replaces them. The editor shows each hit and carries each
// replacement as one step of its undo history.
class TFindBar : public QFrame {
  Q_OBJECT

public:
  TFindBar(TSearchableEditor& editor, TGlobals& globals);

  // Shows the bar with the keyboard in the find text; replacing shows the
  // replace row too.
  void Open(bool replacing);
  // Searches again, keeping the place in the list of hits.
  void Refresh();
  // Shows the bar with hits found otherwise (the spelling check) in its list,
  // and status below it; Next goes through them until the search changes.
  void ShowList(std::vector<TSearchHit> hits, const QString& status);

  void FindNextClick();    // Enter in the find text too
  void ReplaceClick();     // replaces the hit shown, then shows the next
  void ReplaceAllClick();  // every hit, after a preview, as one step
  void CloseFindClick();

private:
  TSearchOptions Options() const;
  void FillList();
  void ShowHit(int row);
  // The replacement as code-page text, once the user agrees to what it loses;
  // false when the replacement is refused.
  bool StorableReplacement(std::string& replacement);

  TSearchableEditor& Editor;
  TGlobals& Globals;
  QLineEdit* FindText;
  QLineEdit* ReplaceText;
  QWidget* ReplaceRow;
  QCheckBox* MatchCase;
  QCheckBox* WholeWords;
  QCheckBox* RegularExpression;
  std::array<QCheckBox*, SearchAreaCount> Areas;
  QListWidget* HitList;
  QLabel* FindStatus;
  std::vector<TSearchHit> Found;
  int Shown = -1;        // the row of the hit last shown
  bool Listing = false;  // the list holds ShowList's hits
};

// Lists what a replace-all will change, one row per field; Accepted to go on.
int PreviewReplaceAll(const std::vector<TFieldChange>& changes, QWidget* parent);
