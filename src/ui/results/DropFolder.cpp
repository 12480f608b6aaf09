#include "ui/results/DropFolder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <filesystem>

#include "ui/platform/Dialogs.h"
#include "ui/platform/QtText.h"

namespace fs = std::filesystem;

namespace {

constexpr fs::perms DropFolderMode = static_cast<fs::perms>(01733);

}  // namespace

bool DropFolder::Offerable(const QString& folder) {
  struct stat info {};
  if (folder.isEmpty() || ::stat(ToPath(folder).c_str(), &info) != 0) return false;
  return S_ISDIR(info.st_mode) && info.st_uid == ::geteuid() &&
         static_cast<fs::perms>(info.st_mode & 07777) != DropFolderMode;
}

bool DropFolder::Offer(TDialogs& dialogs, const QString& folder) {
  if (!dialogs.Confirm(QCoreApplication::translate(
                           "TResultsForm",
                           "Make \"%1\" a drop folder?\rStudents can then put their results into it but "
                           "not see the files there; only you can list and read them (mode 1733).")
                           .arg(folder)))
    return false;
  std::error_code error;
  fs::permissions(ToPath(folder), DropFolderMode, error);
  if (!error) return true;
  dialogs.Error(QCoreApplication::translate("TResultsForm", "The mode of \"%1\" could not be changed.\r%2")
                    .arg(folder, QString::fromStdString(error.message())));
  return false;
}
