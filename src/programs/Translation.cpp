#include "programs/Translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

// Qt lays the whole interface out right to left when the translation of this
// message is "RTL"; it is listed here so that every translation file holds it.
[[maybe_unused]] const char* const LayoutDirection =
    //: Not a text: "LTR" for a language written left to right, "RTL" for one written right to left (Arabic).
    QT_TRANSLATE_NOOP("QGuiApplication", "QT_LAYOUT_DIRECTION");

}  // namespace

QString InstallTranslations(QCoreApplication& application, const QStringList& languages) {
  for (const QString& language : languages) {
    const QLocale locale(language);
    if (locale.language() == QLocale::English || locale.language() == QLocale::C) return {};
    auto* own = new QTranslator(&application);
    if (!own->load(locale, QStringLiteral("quizwell"), QStringLiteral("_"), QStringLiteral(":/i18n"))) {
      delete own;
      continue;
    }
    auto* qt = new QTranslator(&application);
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
      QCoreApplication::installTranslator(qt);
    else
      delete qt;
    // The last installed is asked first: ours before Qt's.
    QCoreApplication::installTranslator(own);
    return locale.name();
  }
  return {};
}

QString InstallTranslations(QCoreApplication& application) {
  return InstallTranslations(application, QLocale::system().uiLanguages());
}
