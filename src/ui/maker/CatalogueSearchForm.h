#pragma once

#include <QDialog>
#include <QString>
#include <vector>

#include "core/model/TestSearch.h"
#include "ui/platform/Globals.h"

class QLabel;
class QLineEdit;
class QTreeWidget;
class TestCatalogue;

// Finds the tests of the catalogue whose description or questions hold a
// text, and lists each test with the question number. Opening a row accepts
// the window with that test and question chosen.
class TCatalogueSearchForm : public QDialog {
  Q_OBJECT

public:
  TCatalogueSearchForm(TGlobals& globals, const TestCatalogue& catalogue, QWidget* parent = nullptr);

  void SearchButtonClick();  // Enter in the search box too
  void OpenButtonClick();    // a double click or Enter on a row too

  // The test and question chosen (1 for a hit in the description).
  QString ChosenPath() const { return Chosen; }
  int ChosenNumber() const { return ChosenQuestion; }

private:
  std::vector<std::string> Paths;
  std::vector<TTestHit> Found;
  QLineEdit* SearchText;
  QTreeWidget* TestHits;
  QLabel* SearchStatus;
  QString Chosen;
  int ChosenQuestion = 1;
};
