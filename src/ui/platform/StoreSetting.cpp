#include "ui/platform/StoreSetting.h"

#include <QSettings>
#include <QStandardPaths>

namespace {

const char* const StoreKey = "results/store";

QString SettingsFile() {
  return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + QStringLiteral("/maker.ini");
}

}  // namespace

QString SavedResultsStore() {
  const QSettings settings(SettingsFile(), QSettings::IniFormat);
  return settings.value(QLatin1String(StoreKey)).toString().trimmed();
}

void SaveResultsStore(const QString& location) {
  QSettings settings(SettingsFile(), QSettings::IniFormat);
  settings.setValue(QLatin1String(StoreKey), location.trimmed());
}
