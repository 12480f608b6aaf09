#pragma once

#include <QString>
#include <QWidget>
#include <string>

#include "ui/platform/WindowKit.h"

class TDialogs;
class TShellOpen;

// What every engine window is given: the seams to the desktop and the
// engine's folder, where the tests and their media lie.
struct TEngineServices {
  TDialogs& Dialogs;
  TShellOpen& Shell;
  QString Folder;
};

// Opens a hot link or media file a test names: a web address in the browser,
// a file of the engine's folder with the desktop's application. A program is
// never started: it is refused with a message, as is a name that names no file.
void OpenTestLink(const TEngineServices& services, const std::string& stored);

// The file a stored media name means, inside the engine's folder.
QString MediaFilePath(const TEngineServices& services, const std::string& stored);
