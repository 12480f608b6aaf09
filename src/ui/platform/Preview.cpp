#include "ui/platform/Preview.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "ui/platform/Dialogs.h"
#include "ui/platform/Globals.h"
#include "ui/platform/ShellOpen.h"

QString EngineBesideMaker(const QString& folder) {
  // An installed maker keeps its tests in the working folder, away from the
  // programs, so the engine is also looked for beside the maker's own file.
  for (const QString& place : {folder, QCoreApplication::applicationDirPath()}) {
    const QFileInfo engine(place + QStringLiteral("/qwtest"));
    if (engine.isFile() && engine.isExecutable()) return engine.filePath();
  }
  return QString();
}

bool StartPreview(TGlobals& globals, int question) {
  if (globals.CurrentTestPath.isEmpty()) {
    globals.Dialogs.Inform(QCoreApplication::translate("Preview", "Load a test first."));
    return false;
  }
  const QString engine = EngineBesideMaker(globals.ProgramFolder);
  if (engine.isEmpty()) {
    globals.Dialogs.Error(
        QCoreApplication::translate("Preview",
                                    "qwtest, the student engine, was not found beside the maker in \"%1\".")
            .arg(globals.ProgramFolder));
    return false;
  }
  // The path is quoted for the command line; a quote inside it is written as
  // three quotes.
  QString quoted = globals.CurrentTestPath;
  quoted.replace(QLatin1Char('"'), QStringLiteral("\"\"\""));
  const QString parameters =
      QStringLiteral("--preview --question %1 \"%2\"").arg(std::max(question, 1)).arg(quoted);
  const TProgramStart start = globals.Shell.StartProgram(engine, parameters, globals.ProgramFolder);
  if (start.Started()) return true;
  //: %1 is the system's reason.
  globals.Dialogs.Error(
      QCoreApplication::translate("Preview", "qwtest could not be started: %1.").arg(start.Reason));
  return false;
}
