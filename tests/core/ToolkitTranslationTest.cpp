#include "core/catalogue/ToolkitTranslation.h"
#include "core/catalogue/LanguageModule.h"
#include "core/platform/LanguageAbbreviation.h"

#include "support/core/QtPrinters.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QString lookIn()
{
    return QCoreApplication::translate("QFileDialog", "Look in:");
}

class ToolkitTranslationTest : public ::testing::Test {
protected:
    // Leaves Qt's English behind for the next test.
    void TearDown() override { installToolkitTranslation(nullptr, empty.path()); }
    QTemporaryDir empty;
};

} // namespace

TEST_F(ToolkitTranslationTest, WithTheBuiltInTextsQtSpeaksPolish)
{
    EXPECT_EQ(toolkitLanguage(nullptr).language(), QLocale::Polish);
    ASSERT_TRUE(installToolkitTranslation(nullptr));
    EXPECT_EQ(lookIn(), QStringLiteral("Szukaj w:"));
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Find Directory"), QStringLiteral("Znajdź katalog"));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Anuluj"));
}

TEST_F(ToolkitTranslationTest, QtFollowsTheLanguageOfALoadedModule)
{
    LanguageModule german;
    ASSERT_TRUE(german.load(QStringLiteral(KORVATH_TEST_DATA_DIR "/lang_german.qm")));
    ASSERT_TRUE(installToolkitTranslation(nullptr));
    ASSERT_TRUE(installToolkitTranslation(&german));
    EXPECT_EQ(lookIn(), QStringLiteral("Suchen in:")); // the Polish one is gone

    LanguageModule english;
    ASSERT_TRUE(english.load(QStringLiteral(KORVATH_TEST_DATA_DIR "/lang_english.qm")));
    EXPECT_EQ(toolkitLanguage(&english).language(), QLocale::English);
    installToolkitTranslation(&english);
    EXPECT_EQ(lookIn(), QStringLiteral("Look in:"));
}

TEST_F(ToolkitTranslationTest, AMissingTranslationLeavesQtsEnglish)
{
    ASSERT_TRUE(installToolkitTranslation(nullptr));
    EXPECT_FALSE(installToolkitTranslation(nullptr, empty.path()));
    EXPECT_EQ(lookIn(), QStringLiteral("Look in:"));
}

TEST_F(ToolkitTranslationTest, NamesTheLanguageItStandsFor)
{
    EXPECT_EQ(localeOfWindowsAbbreviation(QStringLiteral("PLK")).language(), QLocale::Polish);
    const QLocale austrian = localeOfWindowsAbbreviation(QStringLiteral("DEA"));
    EXPECT_EQ(austrian.language(), QLocale::German);
    EXPECT_EQ(austrian.territory(), QLocale::Austria);
    EXPECT_EQ(localeOfWindowsAbbreviation(QStringLiteral("EN")).language(), QLocale::English);
    EXPECT_EQ(localeOfWindowsAbbreviation(QStringLiteral("JPN")).language(), QLocale::Japanese);
    EXPECT_EQ(localeOfWindowsAbbreviation(QStringLiteral("CYG")).language(), QLocale::Welsh);
    EXPECT_EQ(localeOfWindowsAbbreviation(QStringLiteral("??")), QLocale::c());
}
