#pragma once

#include <QDialog>
#include <vector>

#include "core/run/History.h"

class QTableWidget;
class TDialogs;

// The student's history, newest first, with the export to CSV.
class THistoryForm : public QDialog {
  Q_OBJECT
public:
  THistoryForm(std::vector<THistoryRecord> records, TDialogs& dialogs, QWidget* parent = nullptr);
  void ExportButtonClick();

private:
  std::vector<THistoryRecord> Records;
  TDialogs& Dialogs;
  QTableWidget* Grid1;
};
