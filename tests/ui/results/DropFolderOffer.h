#pragma once

#include <string>

#include "support/ScriptedDialogs.h"
#include "ui/platform/QtText.h"

// Queues Yes to the question that offers to make folder a drop folder.
inline void AcceptDropFolderOffer(TScriptedDialogs& dialogs, const std::string& folder) {
  dialogs.ExpectMessage(
      TMessageKind::Confirmation,
      QStringLiteral("Make \"%1\" a drop folder?\rStudents can then put their results into it "
                     "but not see the files there; only you can list and read them (mode 1733).")
          .arg(FromPath(folder)),
      TButton::Yes);
}
