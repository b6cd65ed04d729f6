#include "core/platform/LanguageAbbreviation.h"

#include "support/core/QtPrinters.h"

#include <gtest/gtest.h>

TEST(LanguageAbbreviationTest, FollowsTheWindowsNamesOfLanguageAndCountry)
{
    const struct {
        QLocale::Language language;
        QLocale::Territory territory;
        const char *expected;
    } cases[] = {
        {QLocale::Polish, QLocale::Poland, "PLK"},         {QLocale::English, QLocale::UnitedStates, "ENU"},
        {QLocale::English, QLocale::UnitedKingdom, "ENG"}, {QLocale::German, QLocale::Germany, "DEU"},
        {QLocale::German, QLocale::Austria, "DEA"},        {QLocale::Czech, QLocale::CzechRepublic, "CSY"},
        {QLocale::Slovak, QLocale::Slovakia, "SKY"},       {QLocale::French, QLocale::Canada, "FRC"},
    };
    for (const auto &entry : cases)
        EXPECT_EQ(windowsLanguageAbbreviation(QLocale(entry.language, entry.territory)),
                  QString::fromLatin1(entry.expected));
    EXPECT_EQ(windowsLanguageAbbreviation(QLocale::c()), QString());
    // A language without a listed name still gets three letters: its code and the country's.
    EXPECT_EQ(windowsLanguageAbbreviation(QLocale(QLocale::Welsh, QLocale::UnitedKingdom)), QStringLiteral("CYG"));
}
