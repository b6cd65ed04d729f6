#include "core/catalogue/MessageCatalogue.h"

#include <QRegularExpression>
#include <QSet>

#include "support/core/QtPrinters.h"

#include <gtest/gtest.h>

TEST(MessageCatalogueTest, HoldsEveryMessageOnceWithItsOwnId)
{
    const auto catalogue = MessageCatalogue();
    ASSERT_EQ(catalogue.size(), 216u);
    QSet<QString> names;
    QSet<int> ids;
    for (const CatalogueEntry &entry : catalogue) {
        names.insert(QString::fromLatin1(entry.name));
        ids.insert(entry.id);
        EXPECT_GE(entry.id, 65200) << entry.name;
    }
    EXPECT_EQ(names.size(), 216);
    EXPECT_EQ(ids.size(), 216);
    EXPECT_EQ(QString::fromLatin1(catalogue.front().name), QStringLiteral("STitle"));
    EXPECT_EQ(QString::fromLatin1(catalogue.back().name), QStringLiteral("PInUse"));
}

TEST(MessageCatalogueTest, KeepsBlanksAndLineBreaksExactly)
{
    EXPECT_EQ(LoadMessage(SModDiscPend), QStringLiteral("Trwa rozłączanie modułów... "));
    EXPECT_EQ(LoadMessage(SDisconnected), QStringLiteral(" rozłączono"));
    EXPECT_EQ(LoadMessage(S0x03_10), QStringLiteral("sprzężenie zwrotne, ale wykryta usterka sondy lambda "));

    const QStringList tabLines = LoadMessage(STabMsg).split(QStringLiteral("\r\n"));
    ASSERT_EQ(tabLines.size(), 3);
    EXPECT_EQ(tabLines[0], QStringLiteral("Aby uzyskać dostęp do pozostałych funkcji programu "));
    EXPECT_EQ(tabLines[1], QStringLiteral("    Należy najpierw połączyć się z pojazdem, "));
    EXPECT_EQ(tabLines[2], QStringLiteral("           wciskając przycisk \"Połącz\" "));

    const QString warning = LoadMessage(SDTCClearWrng);
    EXPECT_FALSE(warning.contains(QRegularExpression(QStringLiteral("[^\r]\n"))));
    const QStringList lines = warning.split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 11);
    EXPECT_EQ(lines[2], QStringLiteral("- zgaszenie kontrolki \"Check Engine\""));
    EXPECT_TRUE(lines[6].isEmpty());
    EXPECT_TRUE(lines[9].isEmpty());
    EXPECT_EQ(lines[10], QStringLiteral("Czy jesteś pewien, że chcesz skasować dane?"));

    EXPECT_EQ(LoadMessage(SErrVehCommFB),
              QStringLiteral("Nie można nawiązać komunikacji z pojazdem.\r\nMożliwe uszkodzenie interfejsu"));
}

TEST(MessageCatalogueTest, AnswersByIdAndGivesNothingForAnUnknownId)
{
    EXPECT_EQ(LoadMessage(65520), QStringLiteral("Korvath Diag"));
    EXPECT_EQ(LoadMessage(65444), QStringLiteral("EOBD (Europa)"));
    EXPECT_EQ(LoadMessage(65405), QStringLiteral("Niepoprawna wartość numeryczna !"));
    EXPECT_EQ(LoadMessage(65521), QString()); // a gap between the id blocks
    EXPECT_EQ(LoadMessage(0), QString());
    EXPECT_FALSE(LoadMessage(PStopka3).isEmpty());
}
