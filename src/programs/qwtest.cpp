#include <QApplication>
#include <QCommandLineParser>
#include <QStandardPaths>
#include <QTimer>

#include "core/model/WorkingFolder.h"
#include "core/run/Clock.h"
#include "programs/Translation.h"
#include "ui/engine/EngineForm.h"
#include "ui/engine/Prompts.h"
#include "ui/platform/Dialogs.h"
#include "ui/platform/HelpWindow.h"
#include "ui/platform/QtText.h"
#include "ui/platform/ShellOpen.h"
#include "ui/platform/WindowKit.h"

// The student engine: the tests of its folder, or the test named on the
// command line. "--preview --question N" opens that test as the maker's
// preview: at question N, every question in order, nothing recorded.
int main(int argc, char** argv) {
  QApplication application(argc, argv);
  InstallTranslations(application);  // the desktop's language, and Qt's dialogs in it
  FitEveryWindowOnScreen();          // each window opens wholly on its screen
  QApplication::setApplicationName(QStringLiteral("Quizwell Client"));
  QApplication::setDesktopFileName(QStringLiteral("org.quizwell.Engine"));

  QCommandLineParser parser;
  parser.setApplicationDescription(
      QCoreApplication::translate("qwtest", "Takes the self-tests made with Quizwell Maker."));
  parser.addHelpOption();
  const QCommandLineOption previewOption(
      QStringLiteral("preview"),
      QCoreApplication::translate("qwtest", "Preview the test, recording nothing."));
  const QCommandLineOption questionOption(
      QStringLiteral("question"), QCoreApplication::translate("qwtest", "The question a preview starts at."),
      QStringLiteral("N"), QStringLiteral("1"));
  parser.addOption(previewOption);
  parser.addOption(questionOption);
  parser.addPositionalArgument(QStringLiteral("test"),
                               QCoreApplication::translate("qwtest", "A test file (.QWT) to take."));
  parser.process(application);
  const QStringList tests = parser.positionalArguments();
  const bool preview = parser.isSet(previewOption) && !tests.isEmpty();

  TQtDialogs dialogs;
  TQtPrompts prompts;
  THelpWindow help(THelpAudience::Student);
  TDesktopShellOpen shell;
  TSteadyClock clock;
  const QString history =
      QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/history.csv");
  // The same folder of tests and qwtest.cfg as the maker's.
  const QString folder =
      FromPath(WorkingFolder::ForProgram(ToPath(QCoreApplication::applicationDirPath())).Path);
  TEngineForm form({folder, history, dialogs, prompts, shell, help, clock, preview});
  dialogs.SetParent(&form);
  prompts.SetParent(&form);
  form.ShowAsConfigured();
  // Attempts that could not be delivered last time go out first.
  if (!preview) QTimer::singleShot(0, &form, [&form] { form.SendQueuedResults(); });
  if (!tests.isEmpty()) {
    const int question = std::max(parser.value(questionOption).toInt(), 1);
    QTimer::singleShot(0, &form, [&form, &tests, preview, question] {
      form.TakeTest(tests.first(), preview ? question : 0);
      if (preview) form.close();
    });
  }
  return QApplication::exec();
}
