#pragma once

#include <QStringList>

class QCoreApplication;

// Installs the interface's translation into application for the first of
// languages (the desktop's, most wanted first) that has one, together with
// Qt's own translation of its dialogs and buttons in the same language.
// English, the language the texts are written in, ends the search: a user
// who puts English before another language sees English. Returns the
// language installed, or an empty string when the interface stays English.
QString InstallTranslations(QCoreApplication& application, const QStringList& languages);

// The same for the desktop's languages (QLocale::system(), which follows
// LANGUAGE, LC_ALL, LC_MESSAGES and LANG).
QString InstallTranslations(QCoreApplication& application);
