#include "core/livedata/SensorTable.h"
#include "core/livedata/ExtendedPidTable.h"

#include "support/core/QtPrinters.h"

#include <gtest/gtest.h>

TEST(SensorTableTest, DescribesEveryPidUpToFourE)
{
    EXPECT_EQ(PidDescription(0x0C), QStringLiteral("Prędkość obrotowa silnika"));
    EXPECT_EQ(PidUnit(0x0C), QStringLiteral("obr/min"));
    EXPECT_EQ(PidUnit(0x10), QStringLiteral("mg/s"));
    EXPECT_EQ(PidUnit(0x03), QString());
    EXPECT_EQ(PidDescription(0x20), QString());
    EXPECT_EQ(PidDescription(0x21), QStringLiteral("Dystans od zapalenia MIL"));
    EXPECT_EQ(PidDescription(0x4E), QStringLiteral("Czas od kasowania kodów błędów"));
    EXPECT_EQ(PidDescription(0x4F), QString());
    EXPECT_EQ(PidUnit(0xFF), QString());
}

TEST(SensorTableTest, BitmapAndStatusPidsHaveNoTexts)
{
    for (std::uint8_t pid : {0x00, 0x01, 0x02, 0x20, 0x40, 0x41}) {
        EXPECT_TRUE(PidDescription(pid).isEmpty()) << int(pid);
        EXPECT_TRUE(PidUnit(pid).isEmpty()) << int(pid);
    }
    // The PIDs with a value of their own are exactly those the tables describe: the sensor
    // table up to 0x4E, the extended table after it (the bitmaps 0x60-0xE0 have no text).
    for (int pid = 0; pid <= 0xFF; ++pid) {
        EXPECT_EQ(IsLivePid(pid), !LivePidDescription(std::uint8_t(pid)).isEmpty()) << pid;
        EXPECT_EQ(IsLivePid(pid) && pid <= 0x4E, !PidDescription(std::uint8_t(pid)).isEmpty()) << pid;
        EXPECT_EQ(IsSupportBitmapPid(pid), pid % 0x20 == 0 && pid <= 0xE0) << pid;
    }
}

TEST(SensorTableTest, PidsPastFourEHaveTheirOwnTextsOrSayTheyAreRawBytes)
{
    EXPECT_EQ(LivePidDescription(0x0C), PidDescription(0x0C));
    EXPECT_EQ(LivePidDescription(0x5C), QStringLiteral("Temperatura oleju silnikowego"));
    EXPECT_EQ(LivePidUnit(0x5C), QStringLiteral("st C"));
    EXPECT_EQ(LivePidUnit(0x5E), QStringLiteral("l/h"));
    EXPECT_EQ(LivePidUnit(0x63), QStringLiteral("Nm"));
    EXPECT_EQ(LivePidUnit(0xA6), QStringLiteral("km"));
    EXPECT_EQ(LivePidUnit(0x51), QString());
    EXPECT_EQ(ExtendedPidByteCount(0x7C), 9);
    EXPECT_EQ(ExtendedPidByteCount(0x7F), 13);
    EXPECT_TRUE(ExtendedPidIsNumeric(0x4F));
    EXPECT_FALSE(ExtendedPidIsNumeric(0x51)); // a text
    // 0x65 (auxiliary inputs) has no rule here: its raw bytes, of the length the car sends.
    EXPECT_FALSE(HasExtendedPidRule(0x65));
    EXPECT_EQ(LivePidDescription(0x65), QStringLiteral("Nieopisany parametr - surowe bajty"));
    EXPECT_EQ(LivePidUnit(0x65), QStringLiteral("hex"));
    EXPECT_EQ(ExtendedPidByteCount(0x65), 0);
    EXPECT_FALSE(ExtendedPidIsNumeric(0x65));
    EXPECT_EQ(LivePidDescription(0x80), QString());
    EXPECT_EQ(LivePidUnit(0xE0), QString());
}

TEST(SensorTableTest, OxygenSensorRunsAreToldApartByTheirUnits)
{
    EXPECT_EQ(PidDescription(0x1B), QStringLiteral("Napięcie czujnika tlenu Bank 2 Czujnik 4 / korekta wtrysku"));
    EXPECT_EQ(PidUnit(0x14), QStringLiteral("V / %"));
    EXPECT_EQ(PidDescription(0x24), PidDescription(0x34));
    EXPECT_EQ(PidUnit(0x24), QStringLiteral("lambda / V"));
    EXPECT_EQ(PidUnit(0x34), QStringLiteral("lambda / mA"));
    EXPECT_EQ(PidDescription(0x3B), QStringLiteral("Czujnik O2 Bank 4 Czujnik 2 [WR]"));
    EXPECT_EQ(PidDescription(0x3E), QStringLiteral("Temp. Katalizatora Bank 1 Czujnik 2"));
}
