#include "core/livedata/FormatPidValue.h"
#include "core/catalogue/MessageCatalogue.h"
#include "core/livedata/SensorSelection.h"

#include "support/core/QtPrinters.h"
#include "support/core/ScriptedVehicle.h"

#include <gtest/gtest.h>

namespace {

class FormatPidValueTest : public ::testing::Test {
protected:
    // The value text of pid read in current-data mode from the given bytes.
    QString value(std::uint8_t pid, std::uint8_t a, std::uint8_t b = 0, std::uint8_t c = 0, std::uint8_t d = 0)
    {
        vehicle.answer(a, b, c, d);
        return FormatPidValue(reader, selection, pid, CurrentData);
    }

    ScriptedVehicle vehicle;
    QStringList debug;
    PidReader reader{vehicle, u',', [this](const QString &line) { debug << line; }};
    SensorSelection selection;
};

} // namespace

TEST_F(FormatPidValueTest, IntegerRules)
{
    EXPECT_EQ(value(0x0C, 0x1A, 0xF8), QStringLiteral("1726"));
    EXPECT_EQ(value(0x0C, 255, 255), QStringLiteral("16383"));
    EXPECT_EQ(value(0x05, 0), QStringLiteral("-40"));
    EXPECT_EQ(value(0x0F, 255), QStringLiteral("215"));
    EXPECT_EQ(value(0x46, 40), QStringLiteral("0"));
    EXPECT_EQ(value(0x0A, 255), QStringLiteral("765"));
    EXPECT_EQ(value(0x0B, 101), QStringLiteral("101"));
    EXPECT_EQ(value(0x1F, 1, 2), QStringLiteral("258"));
    EXPECT_EQ(value(0x23, 255, 255), QStringLiteral("655350"));
    EXPECT_EQ(value(0x32, 0, 7), QStringLiteral("1"));
    EXPECT_EQ(value(0x3C, 0, 0), QStringLiteral("-40"));
    EXPECT_EQ(value(0x3F, 0x10, 0x00), QStringLiteral("369"));
    EXPECT_EQ(value(0x42, 255, 255), QStringLiteral("65"));
    EXPECT_EQ(value(0x4E, 0, 0), QStringLiteral("0"));
}

TEST_F(FormatPidValueTest, FixedPointRules)
{
    EXPECT_EQ(value(0x04, 255), QStringLiteral("100,00"));
    EXPECT_EQ(value(0x04, 128), QStringLiteral("50,20"));
    EXPECT_EQ(value(0x04, 0), QStringLiteral("0,00"));
    EXPECT_EQ(value(0x06, 0), QStringLiteral("-100,00"));
    EXPECT_EQ(value(0x09, 255), QStringLiteral("99,20"));
    EXPECT_EQ(value(0x0E, 0), QStringLiteral("-64,00"));
    EXPECT_EQ(value(0x10, 0x01, 0xF4), QStringLiteral("5,00"));
    EXPECT_EQ(value(0x10, 255, 255), QStringLiteral("655,00"));
    EXPECT_EQ(value(0x22, 0, 100), QStringLiteral("7,90"));
    EXPECT_EQ(value(0x43, 254, 0), QStringLiteral("2,55E4"));
    EXPECT_EQ(value(0x44, 0x80, 0x00), QStringLiteral("0,999"));
    EXPECT_EQ(value(0x4C, 51), QStringLiteral("20,00"));
}

TEST_F(FormatPidValueTest, PairedOxygenSensorRules)
{
    EXPECT_EQ(value(0x14, 90, 144), QStringLiteral("0,450 / 12,50"));
    EXPECT_EQ(value(0x1B, 255, 0), QStringLiteral("1,300 / -100,00"));
    EXPECT_EQ(value(0x24, 0x80, 0x00, 0x20, 0x00), QStringLiteral("1,000 / 1,000"));
    EXPECT_EQ(value(0x34, 0x80, 0x00, 0x80, 0x00), QStringLiteral("0,999 / 0,123"));
    EXPECT_EQ(value(0x3B, 0, 0, 0, 0), QStringLiteral("0,000 / -128,000"));
}

TEST_F(FormatPidValueTest, StatusTexts)
{
    EXPECT_EQ(value(0x03, 0x02, 0x00), LoadMessage(S0x03_02) + QStringLiteral("N/A"));
    EXPECT_EQ(value(0x03, 0x00, 0x01), QStringLiteral("N/A/ ") + LoadMessage(S0x03_01));
    EXPECT_EQ(value(0x03, 0x18, 0xE4), LoadMessage(S0x03_08) + QStringLiteral("/ ") + LoadMessage(S0x03_04));
    EXPECT_EQ(value(0x03, 0xE0, 0xE0), QStringLiteral("N/AN/A"));
    EXPECT_EQ(value(0x12, 1), QStringLiteral("powyżej 1 katalizatora"));
    EXPECT_EQ(value(0x12, 0x0C), QStringLiteral("atmosferyczne/wył"));
    EXPECT_EQ(value(0x12, 3), QStringLiteral("Nie obsługiwane"));
    EXPECT_EQ(value(0x13, 0x11), QStringLiteral("B1S1 B2S1 "));
    EXPECT_EQ(value(0x13, 0), QString());
    EXPECT_EQ(value(0x1D, 0xC4), QStringLiteral("B2S1 B4S1 B4S2 "));
    EXPECT_EQ(value(0x1C, 6), QStringLiteral("EOBD (Europa)"));
    EXPECT_EQ(value(0x1C, 13), QStringLiteral("JOBD, EOBD, i OBD II"));
    EXPECT_EQ(value(0x1C, 0), QStringLiteral("Nieznany"));
    EXPECT_EQ(value(0x1C, 14), QStringLiteral("Nieznany"));
    EXPECT_EQ(value(0x1E, 3), QStringLiteral("aktywne"));
    EXPECT_EQ(value(0x1E, 254), QStringLiteral("nieaktywne"));
    EXPECT_EQ(value(0x2D, 127), QStringLiteral("-0,78 (mniej niż zadane)"));
    EXPECT_EQ(value(0x2D, 128), QStringLiteral("0,00 (brak błędów)"));
    EXPECT_EQ(value(0x2D, 129), QStringLiteral("0,78 (więcej niż zadane)"));
}

TEST_F(FormatPidValueTest, AsksForTheRightBytesAndLogsEveryRead)
{
    value(0x0C, 0);
    value(0x2A, 0);
    value(0x11, 0);
    ASSERT_EQ(vehicle.queries.size(), 3u);
    EXPECT_EQ(vehicle.queries[0].byteCount, 2);
    EXPECT_EQ(vehicle.queries[1].byteCount, 4);
    EXPECT_EQ(vehicle.queries[2].byteCount, 1);
    EXPECT_EQ(debug,
              (QStringList{QStringLiteral("Reading sensors (PID: 12)"), QStringLiteral("Reading sensors (PID: 42)"),
                           QStringLiteral("Reading sensors (PID: 17)")}));
}

TEST_F(FormatPidValueTest, PidsThatAreNotReadGiveNothingAndLoseSupport)
{
    for (std::uint8_t pid : {0x00, 0x01, 0x02, 0x20, 0x40, 0x41, 0x4F, 0xFF})
        EXPECT_EQ(FormatPidValue(reader, selection, pid, CurrentData), QString()) << int(pid);
    EXPECT_TRUE(vehicle.queries.empty());
    EXPECT_FALSE(selection.IsSupported(0x02));
    EXPECT_EQ(debug.size(), 8);

    // In the freeze frame PID 0x02 is the code that triggered it.
    vehicle.answer(0x01, 0x33);
    EXPECT_EQ(FormatPidValue(reader, selection, 0x02, FreezeFrame), QStringLiteral("0133"));
    ASSERT_EQ(vehicle.queries.size(), 1u);
    EXPECT_EQ(vehicle.queries[0].mode, FreezeFrame);
    EXPECT_EQ(vehicle.queries[0].byteCount, 2);
    vehicle.answer(0xAB, 0x0C);
    EXPECT_EQ(FormatPidValue(reader, selection, 0x02, FreezeFrame), QStringLiteral("AB0C"));
}

TEST_F(FormatPidValueTest, ThreeFailedReadsInARowDropAPid)
{
    vehicle.fail();
    vehicle.fail();
    EXPECT_EQ(FormatPidValue(reader, selection, 0x0D, CurrentData), QString());
    EXPECT_EQ(FormatPidValue(reader, selection, 0x0D, CurrentData), QString());
    EXPECT_EQ(value(0x0D, 88), QStringLiteral("88")); // a good read starts the count again
    EXPECT_EQ(selection.FailCount[0x0D], 0);

    vehicle.fail();
    vehicle.fail();
    vehicle.fail();
    for (int i = 0; i < 3; ++i)
        FormatPidValue(reader, selection, 0x0D, CurrentData);
    EXPECT_TRUE(selection.IsSupported(0x0D)); // dropped at the start of the next read
    value(0x05, 50);
    EXPECT_FALSE(selection.IsSupported(0x0D));
}
