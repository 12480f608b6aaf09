#pragma once

#include <QDialog>
#include <optional>
#include <string>

#include "core/run/ExtraTime.h"

class QPlainTextEdit;
class TDialogs;

// "Extra Time per Student...": the list beside the test of the students who
// are given longer, one "NAME=FACTOR" a line. OK checks every line and keeps
// the list for the settings window, which writes it with the settings; a line
// that does not read is named and the window stays open.
class TExtraTimeForm : public QDialog {
  Q_OBJECT

public:
  // testPath: the test's path (the file system's bytes). shown: the list as
  // last kept and not yet written; without it the stored list is shown.
  TExtraTimeForm(std::string testPath, std::optional<ExtraTime::TList> shown, TDialogs& dialogs,
                 QWidget* parent = nullptr);

  void OkButtonClick();
  // The list OK kept.
  const ExtraTime::TList& List() const { return Kept; }

private:
  std::string TestPath;
  TDialogs& Dialogs;
  QPlainTextEdit* ListEdit;
  ExtraTime::TList Kept;
};
