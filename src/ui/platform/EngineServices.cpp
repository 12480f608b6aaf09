#include "ui/platform/EngineServices.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "core/run/MediaPath.h"
#include "ui/platform/Dialogs.h"
#include "ui/platform/QtText.h"
#include "ui/platform/ShellOpen.h"

QString MediaFilePath(const TEngineServices& services, const std::string& stored) {
  return FromPath(MediaPath::Resolve(ToPath(services.Folder), stored));
}

void OpenTestLink(const TEngineServices& services, const std::string& stored) {
  if (stored.empty()) return;
  const QString shown = ToQString(stored);
  if (MediaPath::IsWebAddress(stored)) {
    if (services.Shell.ExecuteFile(shown, QString(), QString()) != TOpenResult::Accepted)
      services.Dialogs.Error(
          QCoreApplication::translate("EngineServices", "\"%1\" could not be opened.").arg(shown));
    return;
  }
  const QString path = MediaFilePath(services, stored);
  const QFileInfo info(path);
  if (MediaPath::IsProgramName(stored) || (info.isFile() && info.isExecutable())) {
    services.Dialogs.Error(
        QCoreApplication::translate(
            "EngineServices", "\"%1\" is a program. A test may not start programs, so it was not opened.")
            .arg(shown));
    return;
  }
  if (!info.exists()) {
    services.Dialogs.Error(
        QCoreApplication::translate("EngineServices", "The file \"%1\" was not found.").arg(shown));
    return;
  }
  if (services.Shell.ExecuteFile(path, QString(), QString()) != TOpenResult::Accepted)
    services.Dialogs.Error(
        QCoreApplication::translate("EngineServices", "\"%1\" could not be opened.").arg(shown));
}
