#include "ui/platform/ShellOpen.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QUrl>

namespace {

// "https://...", "mailto:...": a scheme of two or more letters, so that a
// one-letter drive prefix is never mistaken for one.
bool IsWebAddress(const QString& fileName) {
  static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
  return scheme.match(fileName).hasMatch();
}

int Outcome(bool accepted) {
  return accepted ? TDesktopShellOpen::Accepted : TDesktopShellOpen::NotStarted;
}

}  // namespace

int TDesktopShellOpen::ExecuteFile(const QString& fileName, const QString& parameters, const QString& folder,
                                   int /*showMode*/) {
  if (fileName.isEmpty()) return FileNotFound;
  if (IsWebAddress(fileName) && !QFileInfo::exists(fileName))
    return Outcome(QDesktopServices::openUrl(QUrl(fileName, QUrl::TolerantMode)));

  const QFileInfo target(folder.isEmpty() ? QDir::current() : QDir(folder), fileName);
  if (!target.exists()) return FileNotFound;

  if (target.isFile() && target.isExecutable()) {
    const QString workingFolder = folder.isEmpty() ? target.absolutePath() : folder;
    return Outcome(QProcess::startDetached(target.absoluteFilePath(), QProcess::splitCommand(parameters),
                                           workingFolder));
  }
  return Outcome(QDesktopServices::openUrl(QUrl::fromLocalFile(target.absoluteFilePath())));
}
