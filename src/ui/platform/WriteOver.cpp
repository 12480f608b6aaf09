#include "ui/platform/WriteOver.h"

#include <QCoreApplication>

#include "ui/platform/Dialogs.h"
#include "ui/platform/QtText.h"

bool MayWriteOver(TDialogs& dialogs, const TFileStamp& read, const QString& path) {
  TFileChange change = TFileChange::None;
  if (!RunGuarded(dialogs, [&] { change = ChangeSince(read, ToPath(path)); })) return false;
  return change != TFileChange::Changed ||
         dialogs.ConfirmRisk(QCoreApplication::translate("WriteOver",
                                                         "The test file %1 was changed by another program "
                                                         "since it was loaded here.\rWrite over it? Those "
                                                         "changes will be lost.")
                                 .arg(path));
}
