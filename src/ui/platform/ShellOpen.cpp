#include "ui/platform/ShellOpen.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QUrl>

#include "ui/platform/Dialogs.h"

namespace {

// "https://...", "mailto:...": a scheme of two or more letters, so that a
// one-letter drive prefix is never mistaken for one.
bool IsWebAddress(const QString& fileName) {
  static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
  return scheme.match(fileName).hasMatch();
}

TOpenResult Outcome(bool accepted) {
  return accepted ? TOpenResult::Accepted : TOpenResult::NotStarted;
}

QFileInfo Target(const QString& fileName, const QString& folder) {
  return QFileInfo(folder.isEmpty() ? QDir::current() : QDir(folder), fileName);
}

// The system's reason as Qt words it, without the name of the failing call
// when that is the program's start itself ("execv: Permission denied").
QString StartFailure(const QProcess& process) {
  static const QRegularExpression call(QStringLiteral("^exec\\w*: "));
  QString reason = process.errorString();
  reason.remove(call);
  return reason.isEmpty() ? QCoreApplication::translate("ShellOpen", "the system gave no reason") : reason;
}

}  // namespace

TOpenResult TDesktopShellOpen::ExecuteFile(const QString& fileName, const QString& /*parameters*/,
                                           const QString& folder) {
  if (fileName.isEmpty()) return TOpenResult::FileNotFound;
  if (IsWebAddress(fileName) && !QFileInfo::exists(fileName))
    return Outcome(QDesktopServices::openUrl(QUrl(fileName, QUrl::TolerantMode)));

  const QFileInfo target = Target(fileName, folder);
  if (!target.exists()) return TOpenResult::FileNotFound;
  return Outcome(QDesktopServices::openUrl(QUrl::fromLocalFile(target.absoluteFilePath())));
}

TProgramStart TDesktopShellOpen::StartProgram(const QString& programName, const QString& parameters,
                                              const QString& folder) {
  if (programName.isEmpty()) return {TOpenResult::FileNotFound, QString()};
  const QFileInfo target = Target(programName, folder);
  if (!target.exists()) return {TOpenResult::FileNotFound, QString()};
  //: Why a program could not be started.
  if (target.isDir())
    return {TOpenResult::NotStarted, QCoreApplication::translate("ShellOpen", "it is a folder")};

  QProcess process;
  process.setProgram(target.absoluteFilePath());
  process.setArguments(QProcess::splitCommand(parameters));
  process.setWorkingDirectory(folder.isEmpty() ? target.absolutePath() : folder);
  if (process.startDetached()) return {TOpenResult::Accepted, QString()};
  return {TOpenResult::NotStarted, StartFailure(process)};
}

bool OpenInBrowser(TShellOpen& shell, TDialogs& dialogs, const QString& address) {
  if (shell.ExecuteFile(address, QString(), QString()) == TOpenResult::Accepted) return true;
  const QString shown =
      IsWebAddress(address)
          ? address
          : QUrl::fromLocalFile(QFileInfo(address).absoluteFilePath()).toString(QUrl::FullyEncoded);
  dialogs.Error(QCoreApplication::translate("ShellOpen",
                                            "No web browser could be opened for this page. To read it, copy "
                                            "its address into a browser:\r%1")
                    .arg(shown));
  return false;
}
