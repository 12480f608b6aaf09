#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLocale>

#include "programs/Translation.h"

namespace {

// The programs' start picks the interface's language from the desktop's list,
// most wanted first, among the translations built into them.
class TranslationTest : public testing::Test {
protected:
  static void SetUpTestSuite() {
    static int argc = 1;
    static char name[] = "translation_test";
    static char* argv[] = {name, nullptr};
    static QCoreApplication application(argc, argv);
  }
  static QCoreApplication& Application() { return *QCoreApplication::instance(); }
};

TEST_F(TranslationTest, EachBuiltInLanguageIsFoundByTheDesktopsName) {
  EXPECT_EQ(InstallTranslations(Application(), {QStringLiteral("de-DE")}), QStringLiteral("de_DE"));
  EXPECT_EQ(InstallTranslations(Application(), {QStringLiteral("es")}), QLocale(QStringLiteral("es")).name());
  EXPECT_EQ(InstallTranslations(Application(), {QStringLiteral("pl_PL")}), QStringLiteral("pl_PL"));
  EXPECT_EQ(InstallTranslations(Application(), {QStringLiteral("ar")}), QLocale(QStringLiteral("ar")).name());
}

TEST_F(TranslationTest, ALanguageWithoutTranslationGivesWayToTheNextWanted) {
  EXPECT_EQ(InstallTranslations(Application(), {QStringLiteral("fr-FR"), QStringLiteral("pl")}),
            QStringLiteral("pl_PL"));
  EXPECT_EQ(InstallTranslations(Application(), {QStringLiteral("fr-FR"), QStringLiteral("ja")}), QString());
}

TEST_F(TranslationTest, EnglishWantedFirstKeepsTheInterfaceEnglish) {
  EXPECT_EQ(InstallTranslations(Application(), {QStringLiteral("en-GB"), QStringLiteral("de")}), QString());
  EXPECT_EQ(InstallTranslations(Application(), {QStringLiteral("C")}), QString());
}

}  // namespace
