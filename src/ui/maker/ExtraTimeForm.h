#pragma once

#include <QDialog>
#include <string>

class QPlainTextEdit;
class TDialogs;

// "Extra Time per Student...": the list beside the test of the students who
// are given longer, one "NAME=FACTOR" a line. OK checks every line and writes
// the list; a line that does not read is named and nothing is written.
class TExtraTimeForm : public QDialog {
  Q_OBJECT

public:
  // testPath: the test's path (the file system's bytes).
  TExtraTimeForm(std::string testPath, TDialogs& dialogs, QWidget* parent = nullptr);

  void OkButtonClick();

private:
  std::string TestPath;
  TDialogs& Dialogs;
  QPlainTextEdit* ListEdit;
};
