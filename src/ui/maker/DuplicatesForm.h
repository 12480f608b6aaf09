#pragma once

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "core/model/Duplicates.h"

class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

// "Find Duplicate Questions...": the groups of alike questions among the tests
// of a folder, each member with its test, number and text. Double-clicking a
// member (or Enter on it) asks the owner to open the editor there; the tests
// are read again when the editor closes, so a question fixed there leaves the
// list.
class TDuplicatesForm : public QDialog {
  Q_OBJECT

public:
  // open(path, number): the test's path (the file system's bytes) and the
  // question's number.
  using TOpen = std::function<void(const std::string& path, int number)>;
  // The tests to compare, read afresh on each call.
  using TRead = std::function<std::vector<Duplicates::TTestQuestions>()>;

  TDuplicatesForm(TRead read, TOpen open, QWidget* parent = nullptr);

  void ItemActivated(QTreeWidgetItem* item);

private:
  // Reads the tests and lists their groups of alike questions.
  void Refresh();

  TRead Read;
  std::vector<Duplicates::TTestQuestions> Tests;
  TOpen Open;
  QLabel* Label1;
  QTreeWidget* GroupTree;
};
