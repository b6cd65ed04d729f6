#include "core/faults/Readiness.h"
#include "core/catalogue/MessageCatalogue.h"

#include <QStringList>

#include "support/core/QtPrinters.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// One text per monitor, the continuous ones first.
template <typename TextOf>
QStringList textsOf(const Readiness &readiness, TextOf textOf)
{
    QStringList texts;
    for (MonitorState state : readiness.continuous)
        texts << textOf(state);
    for (MonitorState state : readiness.nonContinuous)
        texts << textOf(state);
    return texts;
}

// The two cells of a monitors tab row, "status/active".
QStringList tabTexts(const Readiness &readiness)
{
    return textsOf(readiness, [](MonitorState state) {
        return MonitorStatusText(state) + QLatin1Char('/') + MonitorActiveText(state);
    });
}

QStringList reportTexts(const Readiness &readiness)
{
    return textsOf(readiness, ReportMonitorText);
}

} // namespace

TEST(ReadinessTest, TheSimulatedBytesGiveTheTabAndReportTexts)
{
    const Readiness readiness = DecodeReadiness(kSimulatedReadinessBytes);
    EXPECT_EQ(tabTexts(readiness),
              QStringList({u"-/NIE"_s, u"Zakończony/TAK"_s, u"Niezakończony/TAK"_s, // misfire, fuel, components
                           u"-/NIE"_s, u"Zakończony/TAK"_s, u"-/NIE"_s, u"Zakończony/TAK"_s, // CAT, HCAT, EVAP, AIR
                           u"-/NIE"_s, u"Niezakończony/TAK"_s, u"-/NIE"_s,
                           u"Niezakończony/TAK"_s})); // AC, O2S, HO2S, EGR
    EXPECT_EQ(reportTexts(readiness),
              QStringList({u"Brak"_s, u"Zakończony"_s, u"Niezakończony"_s, u"Brak"_s, u"Zakończony"_s, u"Brak"_s,
                           u"Zakończony"_s, u"Brak"_s, u"Niezakończony"_s, u"Brak"_s, u"Niezakończony"_s}));
}

TEST(ReadinessTest, AStatusBitWithoutSupportCountsAsUnsupported)
{
    const Readiness readiness = DecodeReadiness({0xF8, 0x00, 0xFF}); // every bit but the support bits
    const Readiness none;
    EXPECT_EQ(readiness.continuous, none.continuous);
    EXPECT_EQ(readiness.nonContinuous, none.nonContinuous);
    EXPECT_EQ(tabTexts(readiness), QStringList(11, u"-/NIE"_s));
    EXPECT_EQ(reportTexts(readiness), QStringList(11, u"Brak"_s));
}

// Byte B bit 3: a compression-ignition engine, whose non-continuous monitors are others; the two
// bits that name no monitor there are shown as unsupported whatever they say.
TEST(ReadinessTest, ACompressionIgnitionEngineHasItsOwnMonitors)
{
    const Readiness readiness = DecodeReadiness({0x08, 0xFF, 0x01});
    EXPECT_TRUE(readiness.compressionIgnition);
    EXPECT_EQ(reportTexts(readiness).mid(3),
              (QStringList{u"Niezakończony"_s, u"Zakończony"_s, u"Brak"_s, u"Zakończony"_s, u"Brak"_s, u"Zakończony"_s,
                           u"Zakończony"_s, u"Zakończony"_s}));
    EXPECT_EQ(LoadMessage(NonContinuousMonitorNames(true)[6]), u"Monitor filtra cząstek stałych (DPF)"_s);
    EXPECT_EQ(NonContinuousMonitorNames(false)[0], SMonCat);
    EXPECT_FALSE(DecodeReadiness(kSimulatedReadinessBytes).compressionIgnition);
}

TEST(ReadinessTest, MilWordTellsTheLampOrNoAnswer)
{
    EXPECT_EQ(MilLit(kSimulatedMilStatusWord), true);
    EXPECT_EQ(MilLit(0x0000), false);
    EXPECT_EQ(MilLit(0xFF7F), false);
    EXPECT_EQ(MilLit(0xFFFF), std::nullopt);
}
