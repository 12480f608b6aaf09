#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>

class QPlainTextEdit;

// What an import or export could not carry, one line per question and point,
// in a box the instructor can select from and copy whole.
class TLossReportForm : public QDialog {
  Q_OBJECT

public:
  TLossReportForm(const QString& summary, const QStringList& lines, QWidget* parent = nullptr);

  // Puts every line on the clipboard.
  void CopyClick();

  QPlainTextEdit* Lines;
};
