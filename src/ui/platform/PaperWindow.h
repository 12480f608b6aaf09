#pragma once

#include <QDialog>
#include <QString>

#include "core/run/PaperVersions.h"

class TDialogs;

// What a paper window (print, grade answers, scan answer sheets) is opened
// on: the test as read for paper, the path that names it, and the dialogs it
// asks through, which must outlive the window.
struct TPaperSubject {
  PaperVersions::TPaperTest Test;
  QString TestPath;
  TDialogs& Dialogs;
};

// The paper windows' common part: they keep what they were opened on.
class TPaperWindow : public QDialog {
protected:
  TPaperWindow(TPaperSubject subject, QWidget* parent);

  PaperVersions::TPaperTest Test;
  QString TestPath;
  TDialogs& Dialogs;
};
