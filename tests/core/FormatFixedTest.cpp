#include "core/livedata/FormatFixed.h"

#include "support/core/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

QString F(long double x, int precision, int decimals)
{
    return FormatFixed(x, precision, decimals, u',');
}

} // namespace

TEST(FormatFixedTest, WritesExactlyTheGivenDecimals)
{
    EXPECT_EQ(F(45.098L, 3, 2), QStringLiteral("45,10"));
    EXPECT_EQ(F(0.45L, 1, 3), QStringLiteral("0,450"));
    EXPECT_EQ(F(250.39L, 3, 3), QStringLiteral("250,000"));
    EXPECT_EQ(F(0, 3, 2), QStringLiteral("0,00"));
    EXPECT_EQ(F(-64, 3, 2), QStringLiteral("-64,00"));
    EXPECT_EQ(F(0.0049L, 3, 3), QStringLiteral("0,005"));
    EXPECT_EQ(F(7.5L, 18, 2), QStringLiteral("7,50"));
}

TEST(FormatFixedTest, RoundsHalfAwayFromZero)
{
    EXPECT_EQ(F(0.125L, 3, 2), QStringLiteral("0,13"));
    EXPECT_EQ(F(-0.125L, 3, 2), QStringLiteral("-0,13"));
    EXPECT_EQ(F(1.5L, 1, 0), QStringLiteral("2"));
    EXPECT_EQ(F(-1.5L, 2, 0), QStringLiteral("-2"));
    EXPECT_EQ(F(12.375L, 4, 2), QStringLiteral("12,38"));
    // A value that rounds to zero loses its sign.
    EXPECT_EQ(F(-0.004L, 3, 2), QStringLiteral("0,00"));
}

TEST(FormatFixedTest, CarriesIntoANewDigitAndSwitchesToScientificBeyondPrecision)
{
    EXPECT_EQ(F(99.96L, 3, 2), QStringLiteral("100,00"));
    EXPECT_EQ(F(999.4L, 3, 2), QStringLiteral("999,00"));
    EXPECT_EQ(F(999.5L, 3, 2), QStringLiteral("1E3"));
    EXPECT_EQ(F(158.0L, 2, 2), QStringLiteral("1,6E2"));
    EXPECT_EQ(F(100.4L, 2, 2), QStringLiteral("1E2"));
    EXPECT_EQ(F(25499.6L, 3, 2), QStringLiteral("2,55E4"));
    EXPECT_EQ(F(-1234.0L, 3, 2), QStringLiteral("-1,23E3"));
    EXPECT_EQ(F(5177.0L, 2, 2), QStringLiteral("5,2E3"));
}

TEST(FormatFixedTest, HoldsPrecisionBetweenTwoAndEighteenAndUsesTheGivenSeparator)
{
    EXPECT_EQ(F(158.0L, 0, 2), F(158.0L, 2, 2));
    EXPECT_EQ(F(123456789012345678901.0L, 40, 2), F(123456789012345678901.0L, 18, 2));
    EXPECT_EQ(FormatFixed(3.14159L, 3, 2, u'.'), QStringLiteral("3.14"));
}
