#include "core/livedata/SensorTable.h"

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
    // The PIDs with a value of their own are exactly those the table describes.
    for (int pid = 0; pid <= 0xFF; ++pid)
        EXPECT_EQ(IsLivePid(pid), !PidDescription(std::uint8_t(pid)).isEmpty()) << pid;
    EXPECT_TRUE(IsSupportBitmapPid(0x40));
    EXPECT_FALSE(IsSupportBitmapPid(0x41));
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
