#pragma once

#include <QString>
#include <QStringList>
#include <string>

class TDialogs;

// Text crosses between the screens (QString) and the core (code-page bytes)
// only here. Multi-line texts are stored with CR LF and edited with '\n'.

// Code-page text to QString; stored CR LF breaks become '\n'.
QString ToQString(const std::string& text);

// QString to code-page text; '\n' becomes CR LF. A character the code page
// cannot hold is stored as '?'; use StorableOrAsk before writing.
std::string ToCp1252(const QString& text);

// A path for the core (the file system's own bytes) and back. Any bytes come
// back as they went: those that are not valid UTF-8 are carried as lone
// surrogates (shown as unknown characters), so give such a QString to Qt's
// file functions only through ToPath.
std::string ToPath(const QString& path);
QString FromPath(const std::string& path);

// The characters of texts that the code page cannot hold, each once, in order.
QString UnstorableCharacters(const QStringList& texts);

// Before anything is written: when texts hold characters the code page cannot
// hold, asks whether to store them as "?" and names them. True to go ahead
// (nothing to ask, or Yes), false to return with nothing written.
bool StorableOrAsk(TDialogs& dialogs, const QStringList& texts);
