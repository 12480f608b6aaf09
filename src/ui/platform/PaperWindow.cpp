#include "ui/platform/PaperWindow.h"

TPaperWindow::TPaperWindow(TPaperSubject subject, QWidget* parent)
    : QDialog(parent),
      Test(std::move(subject.Test)),
      TestPath(std::move(subject.TestPath)),
      Dialogs(subject.Dialogs) {}
