#pragma once

#include <QString>
#include <QStringList>
#include <string>

// Text crosses between the screens (QString) and the core (UTF-8) only here.
// Multi-line texts are stored with CR LF and edited with '\n'.

// The core's text to QString; stored CR LF breaks become '\n'.
QString ToQString(const std::string& text);

// QString to the core's text; '\n' becomes CR LF. Every character is kept.
std::string ToCoreText(const QString& text);

// A path for the core (the file system's own bytes) and back. Any bytes come
// back as they went: those that are not valid UTF-8 are carried as lone
// surrogates (shown as unknown characters), so give such a QString to Qt's
// file functions only through ToPath.
std::string ToPath(const QString& path);
QString FromPath(const std::string& path);

// UTF-8 text (the exchange formats, their reports, names and results) to
// QString, and back.
QString FromUtf8(const std::string& text);
std::string ToUtf8(const QString& text);
// UTF-8 when the bytes are valid UTF-8, otherwise code-page text: names typed
// in a spreadsheet come as UTF-8, older files in the code page.
QString FromUtf8OrCodePage(const std::string& bytes);
// A message of the system or the standard library (an exception's what()),
// in the locale's encoding.
QString FromSystemText(const std::string& text);

// The characters of texts that the code page cannot hold, each once, in order
// (for the files that stay in the code page, such as the engine's
// configuration).
QString UnstorableCharacters(const QStringList& texts);
