#pragma once

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "core/model/Duplicates.h"

class QTreeWidget;
class QTreeWidgetItem;

// "Find Duplicate Questions...": the groups of alike questions among the tests
// of a folder, each member with its test, number and text. Double-clicking a
// member (or Enter on it) asks the owner to open the editor there.
class TDuplicatesForm : public QDialog {
  Q_OBJECT

public:
  // open(path, number): the test's path (the file system's bytes) and the
  // question's number.
  using TOpen = std::function<void(const std::string& path, int number)>;

  TDuplicatesForm(std::vector<Duplicates::TTestQuestions> tests, TOpen open, QWidget* parent = nullptr);

  void ItemActivated(QTreeWidgetItem* item);

private:
  std::vector<Duplicates::TTestQuestions> Tests;
  TOpen Open;
  QTreeWidget* GroupTree;
};
