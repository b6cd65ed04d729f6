#include "core/livedata/FormatPidValue.h"
#include "core/catalogue/MessageCatalogue.h"
#include "core/livedata/ExtendedPidTable.h"
#include "core/livedata/SensorSelection.h"

#include "support/core/QtPrinters.h"
#include "support/core/ScriptedVehicle.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <iterator>

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

// Every PID past 0x4E that the workstation decodes, at its bounds and at a value worked out by
// hand from the J1979 rule, as a car that announced it answers; the rest show their raw bytes.
TEST_F(FormatPidValueTest, PidsPastFourEFollowTheJ1979Rules)
{
    const struct {
        std::uint8_t pid;
        std::initializer_list<std::uint8_t> bytes;
        const char *text;
    } cases[] = {
        {0x4F, {0x02, 0x08, 0x80, 0x19}, "2 / 8 / 128 / 250"}, // ratio, V, mA, 10 kPa a count
        {0x4F, {0xFF, 0xFF, 0xFF, 0xFF}, "255 / 255 / 255 / 2550"},
        {0x50, {0x00, 0, 0, 0}, "0"},
        {0x50, {0xFF, 0, 0, 0}, "2550"}, // 10 g/s a count
        {0x51, {0x00}, "Brak danych"},
        {0x51, {0x01}, "Benzyna"},
        {0x51, {0x04}, "Olej napędowy"},
        {0x51, {0x17}, "Dwupaliwowy - olej napędowy"}, // 23, the last code
        {0x51, {0x18}, "Nieznany (24)"},
        {0x52, {0x00}, "0,00"},
        {0x52, {0xFF}, "100,00"},
        {0x53, {0x00, 0xC8}, "1,000"}, // 200 / 200 kPa
        {0x53, {0xFF, 0xFF}, "327,675"},
        {0x54, {0x7F, 0xFF}, "32767"}, // signed Pa
        {0x54, {0x80, 0x00}, "-32768"},
        {0x54, {0xFF, 0xFF}, "-1"},
        {0x55, {0x00}, "-100,00 / N/A"}, // an engine without bank 3
        {0x56, {0x80, 0x00}, "0,00 / -100,00"},
        {0x57, {0x40, 0xC0}, "-50,00 / 50,00"},
        {0x58, {0xFF}, "99,20 / N/A"}, // 99.22 kept to three digits
        {0x59, {0x00, 0x01}, "10"}, // 10 kPa a count
        {0x59, {0xFF, 0xFF}, "655350"},
        {0x5A, {0x80}, "50,20"},
        {0x5A, {0xFF}, "100,00"},
        {0x5B, {0x00}, "0,00"},
        {0x5B, {0x33}, "20,00"},
        {0x5C, {0x00}, "-40"},
        {0x5C, {0x7B}, "83"},
        {0x5C, {0xFF}, "215"},
        {0x5D, {0x00, 0x00}, "-210,00"}, // 1/128 deg from -210
        {0x5D, {0x69, 0x00}, "0,00"},
        {0x5D, {0xFF, 0xFF}, "301,99"},
        {0x5E, {0x00, 0x64}, "5,00"}, // 0.05 l/h a count
        {0x5E, {0xFF, 0xFF}, "3276,75"},
        {0x61, {0x00}, "-125"},
        {0x61, {0xFF}, "130"},
        {0x62, {0x7D}, "0"},
        {0x62, {0xFF}, "130"},
        {0x63, {0x00, 0x00}, "0"},
        {0x63, {0x01, 0x5E}, "350"},
        {0x63, {0xFF, 0xFF}, "65535"},
        {0x64, {0x00, 0x7D, 0xFF, 0x96, 0x8C}, "-125 / 0 / 130 / 25 / 15"},
        {0x66, {0x03, 0xFF, 0xFF, 0x00, 0x20}, "2047,97 / 1,00"}, // 1/32 g/s
        {0x66, {0x02, 0x12, 0x34, 0x00, 0x40}, "N/A / 2,00"}, // sensor A not fitted
        {0x67, {0x01, 0x7B, 0x00}, "83 / N/A"},
        {0x67, {0x03, 0x00, 0xFF}, "-40 / 215"},
        {0x68, {0x3F, 0x00, 0x3C, 0xFF, 0x28, 0x29, 0x27}, "-40 / 20 / 215 / 0 / 1 / -1"},
        {0x68, {0x09, 0x50, 0x00, 0x00, 0x4B, 0x00, 0x00}, "40 / N/A / N/A / 35 / N/A / N/A"}, // one a bank
        {0x77, {0x05, 0x5A, 0x00, 0x55, 0x00}, "50 / N/A / 45 / N/A"},
        {0x77, {0x0F, 0x00, 0xFF, 0x28, 0x64}, "-40 / 215 / 0 / 60"},
        {0x78, {0x0F, 0x00, 0x00, 0xFF, 0xFF, 0x0F, 0xA0, 0x01, 0x90}, "-40,0 / 6513,5 / 360,0 / 0,0"},
        {0x79, {0x05, 0x0F, 0xA0, 0xFF, 0xFF, 0x0D, 0xAC, 0xFF, 0xFF}, "360,0 / N/A / 310,0 / N/A"},
        {0x7C, {0x03, 0x0F, 0xA0, 0x0D, 0xAC, 0x00, 0x00, 0x00, 0x00}, "360,0 / 310,0 / N/A / N/A"},
        {0x7F,
         {0x07, 0x00, 0x00, 0x0E, 0x10, 0x00, 0x00, 0x01, 0x2C, 0xFF, 0xFF, 0xFF, 0xFF},
         "3600 / 300 / 4294967295"},
        {0x7F, {0x01, 0x00, 0x00, 0x00, 0x3C, 0, 0, 0, 0, 0, 0, 0, 0}, "60 / N/A / N/A"},
        {0x84, {0xFF}, "215"},
        {0x87, {0x01, 0x0C, 0xA0, 0x00, 0x00}, "101,00 / N/A"}, // 1/32 kPa
        {0x87, {0x03, 0xFF, 0xFF, 0x00, 0x00}, "2047,97 / 0,00"},
        {0x8D, {0xFF}, "100,00"},
        {0x8E, {0x00}, "-125"},
        {0x8E, {0x87}, "10"},
        {0x9D, {0xFF, 0xFF, 0x00, 0x32}, "1310,70 / 1,00"}, // 1/50 g/s
        {0x9E, {0x00, 0x01}, "0,2"}, // 1/5 kg/h
        {0x9E, {0xFF, 0xFF}, "13107,0"},
        {0xA2, {0x00, 0x01}, "0,031"}, // 1/32 mg a stroke
        {0xA2, {0xFF, 0xFF}, "2047,969"},
        {0xA6, {0x00, 0x00, 0x00, 0x00}, "0,0"},
        {0xA6, {0x00, 0x1E, 0x84, 0x80}, "200000,0"}, // 0.1 km a count
        {0xA6, {0xFF, 0xFF, 0xFF, 0xFF}, "429496729,5"},
        {0x65, {0x01, 0x00}, "01 00"}, // no rule: the bytes as they came
        {0xC3, {0xDE, 0xAD, 0xBE, 0xEF, 0x00}, "DE AD BE EF 00"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(
            QStringLiteral("PID %1: %2").arg(c.pid, 2, 16, QChar(u'0')).arg(QString::fromUtf8(c.text)).toStdString());
        selection.announced[c.pid] = 1;
        vehicle.answerBytes(c.bytes);
        EXPECT_EQ(FormatPidValue(reader, selection, c.pid, CurrentData), QString::fromUtf8(c.text));
        // The length a rule reads is the length of the PID's answer, or the car's own (0).
        const int asked = vehicle.queries.back().byteCount;
        EXPECT_TRUE(asked == 0 || asked == int(c.bytes.size())) << asked;
        EXPECT_EQ(asked, ExtendedPidByteCount(c.pid));
    }
    // Each PID with a rule has its worked examples above.
    for (int pid = 0x4F; pid <= 0xFF; ++pid) {
        const bool worked =
            std::any_of(std::begin(cases), std::end(cases), [pid](const auto &c) { return c.pid == pid; });
        EXPECT_TRUE(worked || !HasExtendedPidRule(std::uint8_t(pid))) << "PID " << pid << " has a rule but no example";
    }
}

// With PID 0x4F a car gives its wide-range oxygen sensors spans of its own; a span of 0 keeps
// the standard one.
TEST_F(FormatPidValueTest, WideRangeOxygenSensorsTakeTheSpansOfPidFourF)
{
    selection.scaling = {1, 4, 0};
    EXPECT_EQ(value(0x24, 0x80, 0x00, 0x80, 0x00), QStringLiteral("0,500 / 2,000"));
    EXPECT_EQ(value(0x2B, 0xFF, 0xFF, 0xFF, 0xFF), QStringLiteral("1,000 / 4,000"));
    EXPECT_EQ(value(0x34, 0x80, 0x00, 0x80, 0x00), QStringLiteral("0,500 / 0,123")); // standard current
    selection.scaling = {4, 0, 32};
    EXPECT_EQ(value(0x34, 0x40, 0x00, 0xC0, 0x00), QStringLiteral("1,000 / 16,000"));
    EXPECT_EQ(value(0x3B, 0x00, 0x00, 0x00, 0x00), QStringLiteral("0,000 / -32,000"));
    EXPECT_EQ(value(0x24, 0x80, 0x00, 0x20, 0x00), QStringLiteral("2,000 / 1,000")); // standard voltage
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
