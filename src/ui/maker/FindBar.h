#pragma once

#include <QFrame>
#include <array>
#include <vector>

#include "core/model/TestSearch.h"
#include "ui/platform/Globals.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QWidget;
class TQAForm;

// The editor's find bar: finds a text in every question of the test, lists
// the hits and replaces them. The editor shows each hit and carries each
// replacement as one step of its undo history.
class TFindBar : public QFrame {
  Q_OBJECT

public:
  TFindBar(TQAForm& editor, TGlobals& globals);

  // Shows the bar with the keyboard in the find text; replacing shows the
  // replace row too.
  void Open(bool replacing);
  // Searches again, keeping the place in the list of hits.
  void Refresh();
  const std::vector<TSearchHit>& Hits() const { return Found; }
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

  TQAForm& Editor;
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
