#include <QApplication>

#include "ui/platform/Dialogs.h"
#include "ui/platform/HelpWindow.h"
#include "ui/maker/MainForm.h"
#include "ui/platform/ShellOpen.h"

namespace {

// The program entry. The maker takes no command-line arguments: Qt is handed
// the program's name alone, so nothing given on the command line changes a run.
int QWTESTM(char* programName) {
  int argumentCount = 1;
  char* arguments[] = {programName, nullptr};
  QApplication application(argumentCount, arguments);
  QApplication::setApplicationName(QStringLiteral("Quizwell Maker"));

  TQtDialogs dialogs;
  THelpWindow help;  // the viewer of the help file qwtestm.hlp, whose topics are compiled in
  TDesktopShellOpen shell;
  TMainForm mainForm(QCoreApplication::applicationDirPath(), dialogs, help, shell);
  dialogs.SetParent(&mainForm);
  mainForm.show();
  return QApplication::exec();
}

}  // namespace

int main(int, char** argv) {
  return QWTESTM(argv[0]);
}
