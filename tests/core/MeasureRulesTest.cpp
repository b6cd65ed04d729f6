#include "core/livedata/SensorSelection.h"
#include "core/measure/AccelRules.h"
#include "core/measure/NumberParsing.h"
#include "core/measure/PlotRules.h"

#include <gtest/gtest.h>

#include <limits>

TEST(MeasureRulesTest, LeadingNumberReadsTheCLocaleNumberAtTheStart)
{
    const struct {
        const char16_t *text;
        double value;
    } cases[] = {
        {u"", 0},
        {u"abc", 0},
        {u"  42", 42},
        {u"12,5", 12},
        {u"12.5", 12.5},
        {u"-3.25 V", -3.25},
        {u"+7", 7},
        {u".5", 0.5},
        {u"5.", 5},
        {u"1e3", 1000},
        {u"2e", 2},
        {u"2e+x", 2},
        {u"0,45 / -3,91", 0},
        {u"1.2 / 3", 1.2},
        {u"-", 0},
        {u"- 5", 0},
        {u"\t 8x", 8},
        {u"1e999", 0},
    };
    for (const auto &c : cases)
        EXPECT_DOUBLE_EQ(LeadingNumber(QString::fromUtf16(c.text)), c.value)
            << QString::fromUtf16(c.text).toStdString();
}

TEST(MeasureRulesTest, LeadingIntegerStopsAtTheFirstNonDigitAndSaturates)
{
    EXPECT_EQ(LeadingInteger(QStringLiteral("17a5")), 17);
    EXPECT_EQ(LeadingInteger(QStringLiteral("  -140mm")), -140);
    EXPECT_EQ(LeadingInteger(QStringLiteral("1.9")), 1);
    EXPECT_EQ(LeadingInteger(QStringLiteral("x12")), 0);
    EXPECT_EQ(LeadingInteger(QString()), 0);
    EXPECT_EQ(LeadingInteger(QStringLiteral("99999999999999999999")), std::numeric_limits<int>::max());
    EXPECT_EQ(LeadingInteger(QStringLiteral("-99999999999999999999")), std::numeric_limits<int>::min());
}

TEST(MeasureRulesTest, StrictLocaleRealAcceptsOnlyAWholeNumberInTheUsersFormat)
{
    EXPECT_EQ(StrictLocaleReal(QStringLiteral("4,78"), u','), 4.78);
    EXPECT_EQ(StrictLocaleReal(QStringLiteral(" 1600 "), u','), 1600.0);
    EXPECT_EQ(StrictLocaleReal(QStringLiteral("-0,5"), u','), -0.5);
    EXPECT_EQ(StrictLocaleReal(QStringLiteral("1,5E2"), u','), 150.0);
    EXPECT_EQ(StrictLocaleReal(QStringLiteral("4.78"), u'.'), 4.78);
    for (const char *bad : {"4.78", "", " ", "abc", "12a", "1,2,3", "1e", "1e999", "inf", "nan", ",", "--1"})
        EXPECT_FALSE(StrictLocaleReal(QString::fromLatin1(bad), u',')) << bad;
}

TEST(MeasureRulesTest, GeneralFormatIsShortestWithTheUsersSeparator)
{
    EXPECT_EQ(GeneralFormat(1600, u','), QStringLiteral("1600"));
    EXPECT_EQ(GeneralFormat(4.78, u','), QStringLiteral("4,78"));
    EXPECT_EQ(GeneralFormat(2.2528, u','), QStringLiteral("2,2528"));
    EXPECT_EQ(GeneralFormat(1800.0 * 1350 * 0.000001, u','), QStringLiteral("2,43"));
    EXPECT_EQ(GeneralFormat(0, u','), QStringLiteral("0"));
    EXPECT_EQ(GeneralFormat(0.016, u'.'), QStringLiteral("0.016"));
}

TEST(MeasureRulesTest, TruncToIntTruncatesTowardZeroAndSaturates)
{
    EXPECT_EQ(TruncToInt(96.99), 96);
    EXPECT_EQ(TruncToInt(-2.7), -2);
    EXPECT_EQ(TruncToInt(1e30), std::numeric_limits<int>::max());
    EXPECT_EQ(TruncToInt(-1e30), std::numeric_limits<int>::min());
    EXPECT_EQ(TruncToInt(std::numeric_limits<double>::infinity()), std::numeric_limits<int>::max());
    EXPECT_EQ(TruncToInt(std::numeric_limits<double>::quiet_NaN()), 0);
}

TEST(MeasureRulesTest, ParameterListHoldsSupportedNumericPidsInOrder)
{
    SensorSelection selection;
    for (int pid = 0; pid < SensorSelection::kSize; ++pid)
        selection.Supported[pid] = 1;
    const QList<std::uint8_t> all = PlotPidMap(selection);
    EXPECT_EQ(all.size(), 76 - 9);
    EXPECT_EQ(all.front(), 0x04);
    EXPECT_EQ(all.back(), 0x4E);
    for (std::uint8_t excluded : {0x03, 0x12, 0x13, 0x1C, 0x1D, 0x1E, 0x20, 0x40, 0x41, 0x4F, 0x50})
        EXPECT_FALSE(all.contains(excluded)) << int(excluded);
    EXPECT_TRUE(std::is_sorted(all.begin(), all.end()));

    selection.Supported[0x0C] = 0;
    selection.Supported[0x4E] = 0;
    const QList<std::uint8_t> some = PlotPidMap(selection);
    EXPECT_EQ(some.size(), all.size() - 2);
    EXPECT_FALSE(some.contains(0x0C));
    EXPECT_EQ(some.back(), 0x4D);

    // A car's PIDs past 0x4E follow, but for the fuel type's text and the raw bytes of 0x65.
    for (std::uint8_t announced : {0x4F, 0x51, 0x5C, 0x65, 0xA6})
        selection.announced[announced] = 1;
    const QList<std::uint8_t> recent = PlotPidMap(selection);
    EXPECT_EQ(recent.mid(some.size()), (QList<std::uint8_t>{0x4F, 0x5C, 0xA6}));
}

TEST(MeasureRulesTest, SelectorTextsAreClampedIntegers)
{
    const struct {
        const char *text;
        int samples;
        int interval;
    } cases[] = {
        {"50", 50, 100}, {"150", 150, 150}, {"75", 75, 100},      {"1000", 150, 1000}, {"2000", 150, 1000},
        {"", 50, 100},   {"abc", 50, 100},  {"120 ms", 120, 120}, {"-5", 50, 100},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(PlotSampleCountOf(QString::fromLatin1(c.text)), c.samples) << c.text;
        EXPECT_EQ(PlotIntervalOf(QString::fromLatin1(c.text)), c.interval) << c.text;
    }
}

namespace {

std::vector<int> speedsOf(SpeedRange range)
{
    std::vector<int> speeds;
    for (int speed = range.start; speed < range.end;)
        speeds.push_back(speed = NextAccelSpeed(speed));
    return speeds;
}

} // namespace

TEST(MeasureRulesTest, StepRuleAndStepCountsOfTheRanges)
{
    const struct {
        SpeedRange range;
        int steps;
        int first;
        int last;
    } cases[] = {
        {{0, 100}, 47, 4, 100}, {{60, 100}, 30, 62, 100}, {{80, 120}, 40, 81, 120},
        {{0, 10}, 3, 4, 12},    {{0, 50}, 13, 4, 52},     {{48, 49}, 1, 52, 52},
    };
    for (const auto &c : cases) {
        const std::vector<int> speeds = speedsOf(c.range);
        EXPECT_EQ(AccelStepCount(c.range), c.steps) << c.range.start << "-" << c.range.end;
        ASSERT_EQ(int(speeds.size()), c.steps);
        EXPECT_EQ(speeds.front(), c.first);
        EXPECT_EQ(speeds.back(), c.last);
    }
    // 0-100: 4, 8, ... 48, 52, 54, ... 78, 80, 81, ... 100.
    const std::vector<int> speeds = speedsOf({0, 100});
    EXPECT_EQ(speeds[11], 48);
    EXPECT_EQ(speeds[12], 52);
    EXPECT_EQ(speeds[13], 54);
    EXPECT_EQ(speeds[26], 80);
    EXPECT_EQ(speeds[27], 81);
}

TEST(MeasureRulesTest, TimeTextShowsSecondsAndMillisecondsWithMinutesInFront)
{
    const struct {
        std::uint32_t ms;
        const char *text;
    } cases[] = {
        {0, "00\" 000"},       {7250, "07\" 250"},    {59999, "59\" 999"},
        {60000, "1'00\" 000"}, {65250, "1'05\" 250"}, {600001, "10'00\" 001"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(AccelTimeText(c.ms), QString::fromLatin1(c.text)) << c.ms;
}

TEST(MeasureRulesTest, CrossingIsInterpolatedWithinTheLastStep)
{
    // 98 -> 100 at end 100: the step's end; 8 -> 12 at end 10: halfway.
    EXPECT_EQ(AccelCrossingElapsed(1000, 5000, 5150, 100, 99, 100), 4150u);
    EXPECT_EQ(AccelCrossingElapsed(1000, 1300, 1450, 10, 8, 12), 375u);
    // Integer milliseconds, the division truncating: 151 ms x 1/3.
    EXPECT_EQ(AccelCrossingElapsed(0, 0, 151, 1, 0, 3), 50u);
    // The tick counter wrapping during the run changes nothing.
    EXPECT_EQ(AccelCrossingElapsed(0xFFFFFF00u, 0xFFFFFFF0u, 0x86u, 10, 8, 12), 0xF0u + 0x4Bu);
}

TEST(MeasureRulesTest, TypedRangesAreCheckedEndFirst)
{
    EXPECT_EQ(TypedSpeed(QString()), 0);
    EXPECT_EQ(TypedSpeed(QStringLiteral("050")), 50);
    EXPECT_EQ(CheckTypedRange({0, 50}), SpeedRangeError::None);
    EXPECT_EQ(CheckTypedRange({60, 0}), SpeedRangeError::EndZero);
    EXPECT_EQ(CheckTypedRange({0, 0}), SpeedRangeError::EndZero);
    EXPECT_EQ(CheckTypedRange({60, 60}), SpeedRangeError::StartNotBelowEnd);
    EXPECT_EQ(CheckTypedRange({90, 60}), SpeedRangeError::StartNotBelowEnd);
}
