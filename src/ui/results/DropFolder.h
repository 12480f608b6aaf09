#pragma once

#include <QString>

class TDialogs;

// A drop folder: a shared results folder students can write attempt files
// into and enter, but not list (mode 1733: rwx-wx-wt, sticky, so no one
// removes another's file). Only its owner can make a folder one.
namespace DropFolder {

// Whether folder is a folder this user owns that is not a drop folder yet.
bool Offerable(const QString& folder);

// Asks whether to make folder a drop folder, and sets its mode on Yes; a
// mode that cannot be set is reported. True when the mode was set.
bool Offer(TDialogs& dialogs, const QString& folder);

}  // namespace DropFolder
