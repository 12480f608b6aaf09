#include <QApplication>
#include <QDir>
#include <QTimer>

#include "core/model/WorkingFolder.h"
#include "programs/Translation.h"
#include "ui/maker/MainForm.h"
#include "ui/platform/Dialogs.h"
#include "ui/platform/HelpWindow.h"
#include "ui/platform/QtText.h"
#include "ui/platform/ShellOpen.h"
#include "ui/platform/WindowKit.h"

namespace {

// The program entry. The maker reads one optional argument, a test to open as
// Load Test would (how the file manager's "Open with" hands it a test); Qt is
// handed the program's name alone, so no other argument changes a run.
int QWTESTM(int argc, char** argv) {
  int argumentCount = 1;
  char* arguments[] = {argv[0], nullptr};
  QApplication application(argumentCount, arguments);
  InstallTranslations(application);  // the desktop's language, and Qt's dialogs in it
  FitEveryWindowOnScreen();          // each window opens wholly on its screen
  QApplication::setApplicationName(QStringLiteral("Quizwell Maker"));
  QApplication::setDesktopFileName(QStringLiteral("org.quizwell.Maker"));

  // Tests live in the program's folder where it can hold them, and otherwise
  // in the working folder in the user's home, which the engine uses as well.
  const WorkingFolder::TWorkingFolder folder =
      WorkingFolder::ForProgram(ToPath(QCoreApplication::applicationDirPath()));

  TQtDialogs dialogs;
  THelpWindow help;  // the viewer of the help file qwtestm.hlp, whose topics are compiled in
  TDesktopShellOpen shell;
  TMainForm mainForm(FromPath(folder.Path), dialogs, help, shell);
  if (folder.InHome)
    //: The main window's title when the tests are kept in the user's home; %1 is that folder.
    mainForm.setWindowTitle(QCoreApplication::translate("qwtestm", "Quizwell Maker - tests in %1")
                                .arg(QDir::toNativeSeparators(FromPath(folder.Path))));
  dialogs.SetParent(&mainForm);
  mainForm.show();
  if (argc > 1) {
    // Relative to where the program was started; opened once the window shows.
    const QString test = QDir::current().absoluteFilePath(FromPath(argv[1]));
    QTimer::singleShot(0, &mainForm, [&mainForm, test] { mainForm.OpenTest(test); });
  }
  return QApplication::exec();
}

}  // namespace

int main(int argc, char** argv) {
  return QWTESTM(argc, argv);
}
