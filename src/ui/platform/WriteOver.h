#pragma once

#include <QString>

#include "core/storage/FileStamp.h"

class TDialogs;

// Before a window writes back the file at path that it read when the file was
// as read: true to go ahead. When something else has written the file since,
// asks first, naming it (No by default, and No writes nothing). A file removed
// since is no reason to stop: the caller writes it anew. A failure to look at
// the file is shown and gives false.
bool MayWriteOver(TDialogs& dialogs, const TFileStamp& read, const QString& path);
