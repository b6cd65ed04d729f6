#include "core/monitortests/MisfireCounts.h"
#include "core/monitortests/MonitorNames.h"
#include "core/monitortests/MonitorTestTexts.h"
#include "core/monitortests/ReadMonitorTests.h"
#include "core/monitortests/UnitScaling.h"
#include "core/vehicle/Elm327Vehicle.h"
#include "core/vehicle/SimRandom.h"
#include "core/vehicle/SimulatedVehicle.h"

#include "support/core/Elm327StandIn.h"
#include "support/core/QtPrinters.h"
#include "support/core/ScriptedVehicle.h"
#include "support/core/VirtualClock.h"

#include <gtest/gtest.h>

namespace {

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

// A read as the tab lists it: a line a result ("$7E8h|Katalizator Bank 1|...|OK"), each unit's
// results first and then what it kept back ("$7E9h ! ..."); a read that failed as one line.
QStringList lines(const MonitorTestsRead &read)
{
    if (!read.ok)
        return {QStringLiteral("failed: ") + read.failure};
    QStringList out;
    for (const UnitMonitorTests &unit : read.units) {
        for (const MonitorTestRecord &record : unit.records) {
            const MonitorTestTexts t = TextsOf(record, u',');
            const QStringList cells{unit.name, t.monitor, t.test, t.value, t.minimum, t.maximum, t.unit, t.result};
            out << cells.join(u'|');
        }
        for (const QString &problem : unit.problems)
            out << unit.name + QStringLiteral(" ! ") + problem;
    }
    return out;
}

QStringList texts(std::initializer_list<const char *> utf8)
{
    QStringList out;
    for (const char *line : utf8)
        out << QString::fromUtf8(line);
    return out;
}

// What a unit says to one request: its answers (hexadecimal), or a refusal code, or nothing.
struct Said {
    std::uint32_t unit;
    std::vector<const char *> answers;
    std::optional<std::uint8_t> refusal = std::nullopt;
};

ServiceAnswers answersOf(const std::vector<Said> &units, bool can)
{
    ServiceAnswers answers;
    answers.ok = true;
    answers.can = can;
    for (const Said &said : units) {
        UnitServiceAnswer unit;
        unit.unit = said.unit;
        unit.name = u'$' + QString::number(said.unit, 16).toUpper() + u'h';
        for (const char *bytes : said.answers)
            unit.answers.push_back(hex(bytes));
        unit.refusal = said.refusal;
        answers.units.push_back(unit);
    }
    return answers;
}

} // namespace

// Every unit-and-scaling ID of the table at the end of its range as the standard gives it (the
// highest number of an unsigned ID, the lowest of a signed one), and the IDs it does not know.
TEST(MonitorTestsTest, EachScalingIdGivesTheStandardsQuantity)
{
    const struct {
        std::uint8_t id;
        std::uint16_t raw;
        const char *value;
        const char *unit;
    } cases[] = {
        {0x01, 0xFFFF, "65535", ""},
        {0x02, 0xFFFF, "6553,5", ""},
        {0x03, 0xFFFF, "655,35", ""},
        {0x04, 0xFFFF, "65,535", ""},
        {0x05, 0xFFFF, "1,99882", ""},
        {0x06, 0xFFFF, "19,9882", ""},
        {0x07, 0xFFFF, "16383,75", "obr/min"},
        {0x08, 0xFFFF, "655,35", "km/h"},
        {0x09, 0xFFFF, "65535", "km/h"},
        {0x0A, 0xFFFF, "7,9953", "V"},
        {0x0B, 0xFFFF, "65,535", "V"},
        {0x0C, 0xFFFF, "655,35", "V"},
        {0x0D, 0xFFFF, "255,996", "mA"},
        {0x0E, 0xFFFF, "65,535", "A"},
        {0x0F, 0xFFFF, "655,35", "A"},
        {0x10, 0xFFFF, "65535", "ms"},
        {0x11, 0xFFFF, "6553,5", "s"},
        {0x12, 0xFFFF, "65535", "s"},
        {0x13, 0xFFFF, "65,535", "Ω"},
        {0x14, 0xFFFF, "65535", "Ω"},
        {0x15, 0xFFFF, "65535", "kΩ"},
        {0x16, 0xFFFF, "6513,5", "°C"},
        {0x16, 0x0000, "-40,0", "°C"},
        {0x17, 0xFFFF, "655,35", "kPa"},
        {0x18, 0xFFFF, "766,76", "kPa"},
        {0x19, 0xFFFF, "5177,27", "kPa"},
        {0x1A, 0xFFFF, "65535", "kPa"},
        {0x1B, 0xFFFF, "655350", "kPa"},
        {0x1C, 0xFFFF, "655,35", "°"},
        {0x1D, 0xFFFF, "32767,5", "°"},
        {0x1E, 0xFFFF, "1,9988", "lambda"},
        {0x1F, 0xFFFF, "3276,75", ""},
        {0x20, 0xFFFF, "255,993", ""},
        {0x21, 0xFFFF, "65,535", "Hz"},
        {0x22, 0xFFFF, "65535", "Hz"},
        {0x23, 0xFFFF, "65535", "kHz"},
        {0x24, 0xFFFF, "65535", "szt."},
        {0x25, 0xFFFF, "65535", "km"},
        {0x27, 0xFFFF, "655,35", "g/s"},
        {0x28, 0xFFFF, "65535", "g/s"},
        {0x29, 0xFFFF, "16383,75", "Pa/s"},
        {0x2A, 0xFFFF, "65,535", "kg/h"},
        {0x2B, 0xFFFF, "65535", "szt."},
        {0x2C, 0xFFFF, "655,35", "g/cyl."},
        {0x2D, 0xFFFF, "655,35", "mg/suw"},
        {0x2E, 0x0001, "TAK", ""},
        {0x2E, 0x0000, "NIE", ""},
        {0x2F, 0xFFFF, "655,35", "%"},
        {0x30, 0xFFFF, "100,006", "%"},
        {0x31, 0xFFFF, "65,535", "l"},
        {0x34, 0xFFFF, "65535", "min"},
        {0x35, 0xFFFF, "655,35", "s"},
        {0x36, 0xFFFF, "655,35", "g"},
        {0x37, 0xFFFF, "6553,5", "g"},
        {0x38, 0xFFFF, "65535", "g"},
        {0x39, 0x0000, "-327,68", "%"},
        {0x39, 0xFFFF, "327,67", "%"},
        {0x3A, 0xFFFF, "65,535", "g"},
        {0x3B, 0xFFFF, "6,5535", "g"},
        {0x3C, 0xFFFF, "6553,5", "µs"},
        {0x3D, 0xFFFF, "655,35", "mA"},
        {0x81, 0x8000, "-32768", ""},
        {0x81, 0x7FFF, "32767", ""},
        {0x82, 0x8000, "-3276,8", ""},
        {0x83, 0x8000, "-327,68", ""},
        {0x84, 0x8000, "-32,768", ""},
        {0x85, 0x8000, "-0,99942", ""},
        {0x86, 0x8000, "-9,9942", ""},
        {0x8A, 0x8000, "-3,9977", "V"},
        {0x8B, 0x8000, "-32,768", "V"},
        {0x8C, 0x8000, "-327,68", "V"},
        {0x8D, 0x8000, "-128,000", "mA"},
        {0x8E, 0x8000, "-32,768", "A"},
        {0x90, 0x8000, "-32768", "ms"},
        {0x96, 0x8000, "-3276,8", "°C"},
        {0x9C, 0x8000, "-327,68", "°"},
        {0x9D, 0x8000, "-16384,0", "°"},
        {0xA8, 0x8000, "-32768", "g/s"},
        {0xA9, 0x8000, "-8192,00", "Pa/s"},
        {0xAF, 0x8000, "-327,68", "%"},
        {0xB0, 0x8000, "-100,008", "%"},
        {0xB1, 0x8000, "-65536", "mV/s"},
        {0xFC, 0x8000, "-327,68", "kPa"},
        {0xFD, 0x8000, "-32,768", "kPa"},
        {0xFE, 0x8000, "-8192,00", "Pa"},
        {0xFE, 0xFFFF, "-0,25", "Pa"},
        // Unknown: the numbers as they came, signed from 80 on, and no unit but that they are raw.
        {0x26, 0xFFFF, "65535", "surowe (skala $26)"},
        {0x87, 0x8000, "-32768", "surowe (skala $87)"},
        {0xFF, 0xFFFF, "-1", "surowe (skala $FF)"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << int(c.id) << " " << c.raw);
        const std::int32_t raw = ScaledRaw(c.id, std::uint8_t(c.raw >> 8), std::uint8_t(c.raw));
        EXPECT_EQ(ScaledText(c.id, raw, u','), QString::fromUtf8(c.value));
        EXPECT_EQ(UnitText(c.id), QString::fromUtf8(c.unit));
    }
}

// The names of monitors and tests where the standard gives them, and their numbers where not.
TEST(MonitorTestsTest, NamesWhatTheStandardNamesAndNumbersTheRest)
{
    EXPECT_EQ(MonitorName(0x01), QStringLiteral("Sonda lambda B1S1"));
    EXPECT_EQ(MonitorName(0x50), QStringLiteral("Grzałka sondy lambda B4S4"));
    EXPECT_EQ(MonitorName(0x3B), QStringLiteral("EVAP - nieszczelność 0,040\" (1 mm)"));
    EXPECT_EQ(MonitorName(0xAD), QStringLiteral("Wypadanie zapłonów - cylinder 12"));
    EXPECT_EQ(MonitorName(0xB1), QStringLiteral("Filtr cząstek stałych (DPF) Bank 2"));
    EXPECT_EQ(MonitorName(0x11), QStringLiteral("Monitor $11"));
    EXPECT_EQ(MonitorName(0xE3), QStringLiteral("Monitor $E3"));
    EXPECT_EQ(TestName(0x10, 0x05), QStringLiteral("Czas przełączania bogata - uboga"));
    EXPECT_EQ(TestName(0x01, 0x0A), QStringLiteral("Okres sygnału sondy"));
    EXPECT_EQ(TestName(0xAD, 0x0C), QStringLiteral("Ostatni lub bieżący cykl jazdy"));
    EXPECT_EQ(TestName(0x01, 0x0B), QStringLiteral("Test $0B")); // a misfire count of an oxygen sensor
    EXPECT_EQ(TestName(0xA1, 0x01), QStringLiteral("Test $01"));
    EXPECT_EQ(TestName(0x21, 0x05), QStringLiteral("Test $05")); // named for the oxygen sensors only
    EXPECT_EQ(TestName(0x01, 0x0D), QStringLiteral("Test $0D"));
    EXPECT_EQ(TestName(0x21, 0x91), QStringLiteral("Test producenta $91"));
    EXPECT_EQ(TestNumber(0x05), QStringLiteral("Test $05"));
}

// The answers of one request, read or refused: bitmaps of either layout, records that split
// evenly or not.
TEST(MonitorTestsTest, ReadsOnlyAnswersOfTheirLayout)
{
    using Bitmap = std::array<std::uint8_t, 4>;
    EXPECT_EQ(SupportBitmap(hex("4600C0000001"), 0x00, true), (Bitmap{0xC0, 0, 0, 0x01}));
    EXPECT_EQ(SupportBitmap(hex("4620C0000001"), 0x00, true), std::nullopt); // another bitmap
    EXPECT_EQ(SupportBitmap(hex("4600C00000"), 0x00, true), std::nullopt);
    EXPECT_EQ(SupportBitmap(hex("460000C0000000"), 0x00, true), std::nullopt);
    EXPECT_EQ(SupportBitmap(hex("460000C0000000"), 0x00, false), (Bitmap{0xC0, 0, 0, 0}));
    EXPECT_EQ(SupportBitmap(hex("4600C0000000"), 0x00, false), (Bitmap{0xC0, 0, 0, 0}));
    EXPECT_EQ(AnnouncedIds(0xA0, {0xF8, 0, 0, 0x01}), (std::vector<std::uint8_t>{0xA1, 0xA2, 0xA3, 0xA4, 0xA5, 0xC0}));

    const auto records = CanTestRecords(hex("46 21 81 20 00C0 0000 0080 21 82 8B FF9C FF38 0064"), 0x21);
    ASSERT_TRUE(records);
    ASSERT_EQ(records->size(), 2u);
    EXPECT_EQ((*records)[0].value, 0xC0);
    EXPECT_FALSE((*records)[0].passed());
    EXPECT_EQ((*records)[1].value, -100); // signed scaling
    EXPECT_EQ((*records)[1].minimum, -200);
    EXPECT_TRUE((*records)[1].passed());
    EXPECT_EQ(CanTestRecords(hex("46 21 81 20 00C0 0000 0080 22 82 8B FF9C FF38 0064"), 0x21), std::nullopt);
    EXPECT_EQ(CanTestRecords(hex("46 21 81 20 00C0 0000 00"), 0x21), std::nullopt);
    EXPECT_EQ(CanTestRecords(hex("4621"), 0x21), std::nullopt);

    const auto minimum = LegacyTestRecord(hex("46 01 82 0030 0010"), 0x01);
    ASSERT_TRUE(minimum);
    EXPECT_EQ(minimum->component, 0x02);
    EXPECT_EQ(minimum->minimum, 0x10);
    EXPECT_EQ(minimum->maximum, std::nullopt);
    EXPECT_TRUE(minimum->passed());
    const auto maximum = LegacyTestRecord(hex("46 01 11 01C2 0190"), 0x01);
    ASSERT_TRUE(maximum);
    EXPECT_EQ(maximum->maximum, 400);
    EXPECT_FALSE(maximum->passed());
    EXPECT_EQ(LegacyTestRecord(hex("46 02 11 01C2 0190"), 0x01), std::nullopt);
    EXPECT_EQ(LegacyTestRecord(hex("46 01 11 01C2 01"), 0x01), std::nullopt);
}

// Cars as they answer the read, one behaviour a row: the requests it sent, and what the tab lists.
TEST(MonitorTestsTest, ReadsEachUnitsTestsAsFarAsItAnnouncesThem)
{
    const struct {
        const char *name;
        bool can;
        std::map<QByteArray, std::vector<Said>> said;
        const char *requests;
        QStringList expected;
        std::map<QByteArray, QString> failing = {};
    } cases[] = {
        {"the bitmaps followed to the misfire monitors, many records of all scalings",
         true,
         {{"0600", {{0x7E8, {"460080000001"}}}},
          {"0620", {{0x7E8, {"462000000001"}}}},
          {"0640", {{0x7E8, {"464000000001"}}}},
          {"0660", {{0x7E8, {"466000000001"}}}},
          {"0680", {{0x7E8, {"468000000001"}}}},
          {"06A0", {{0x7E8, {"46A0C0000000"}}}},
          {"0601",
           {{0x7E8,
             {"46 01 01 0A 0E6A 0E6A 0E6A 01 05 10 01C2 0000 0190 01 07 8B FF9C FF38 0064 01 91 26 1234 0000 FFFF"}}}},
          {"06A1", {{0x7E8, {"46 A1 0B 24 0003 0000 FFFF A1 0C 24 0005 0000 FFFF"}}}},
          {"06A2", {{0x7E8, {"46 A2 0C 24 0005 0000 0000"}}}}},
         "0600 0620 0640 0660 0680 06A0 0601 06A1 06A2",
         texts({"$7E8h|Sonda lambda B1S1|Napięcie progowe bogata - uboga (stała)|0,4502|0,4502|0,4502|V|OK",
                "$7E8h|Sonda lambda B1S1|Czas przełączania bogata - uboga|450|0|400|ms|Poza zakresem",
                "$7E8h|Sonda lambda B1S1|Najniższe napięcie sondy w teście|-0,100|-0,200|0,100|V|OK",
                "$7E8h|Sonda lambda B1S1|Test producenta $91|4660|0|65535|surowe (skala $26)|OK",
                "$7E8h|Wypadanie zapłonów - łącznie|Średnia z 10 cykli jazdy (EWMA)|3|0|65535|szt.|OK",
                "$7E8h|Wypadanie zapłonów - łącznie|Ostatni lub bieżący cykl jazdy|5|0|65535|szt."
                "|OK",
                "$7E8h|Wypadanie zapłonów - cylinder 1|Ostatni lub bieżący cykl jazdy|5|0|0|szt.|Poza "
                "zakresem"})},
        {"two units report, each held to the monitors it announced",
         true,
         {{"0600", {{0x7E8, {"460080000000"}}, {0x7E9, {"460040000000"}}}},
          {"0601", {{0x7E8, {"46 01 05 10 0048 0000 0190"}}, {0x7E9, {"46 01 05 10 0999 0000 0190"}}}},
          {"0602", {{0x7E8, {}}, {0x7E9, {"46 02 06 10 0050 0000 0190"}}}}},
         "0600 0601 0602",
         texts({"$7E8h|Sonda lambda B1S1|Czas przełączania bogata - uboga|72|0|400|ms|OK",
                "$7E9h|Sonda lambda B1S2|Czas przełączania uboga - bogata|80|0|400|ms|OK"})},
        {"units without tests: one announces none, one refuses, one keeps quiet",
         true,
         {{"0600", {{0x7E8, {"460000000000"}}, {0x7E9, {}, 0x12}, {0x7EA, {}}}}},
         "0600",
         texts({"$7E8h ! sterownik $7E8h nie podaje wyników testów", "$7E9h ! sterownik $7E9h odmówił (7F 06 12)",
                "$7EAh ! sterownik $7EAh nie odpowiedział"})},
        {"a monitor announced and not answered, another answered in pieces, a next bitmap refused",
         true,
         {{"0600", {{0x7E8, {"4600C0000001"}}}},
          {"0620", {{0x7E8, {}, 0x31}}},
          {"0601", {{0x7E8, {}}}},
          {"0602", {{0x7E8, {"46 02 05 10 00"}}}}},
         "0600 0620 0601 0602",
         texts({"$7E8h ! sterownik $7E8h odmówił (7F 06 31)",
                "$7E8h ! Sonda lambda B1S1: sterownik $7E8h nie odpowiedział",
                "$7E8h ! Sonda lambda B1S2: niepełna lub uszkodzona odpowiedź (46 02 05 10 00)"})},
        {"an older protocol: components with one limit, raw numbers",
         false,
         {{"0600", {{0x10, {"4600FFC0000000"}}}},
          {"0601", {{0x10, {"46 01 11 01C2 0190", "46 01 82 0030 0010"}}}},
          {"0602", {{0x10, {"46 02 01 0005 0010"}}}}},
         "0600 0601 0602",
         texts({"$10h|Składnik $11|Test $01|450||400|surowe|Poza zakresem",
                "$10h|Składnik $02|Test $01|48|16||surowe|OK", "$10h|Składnik $01|Test $02|5||16|surowe|OK"})},
        {"the link fails part way",
         true,
         {{"0600", {{0x7E8, {"4600C0000000"}}}}},
         "0600 0601",
         texts({"failed: CAN ERROR"}),
         {{"0601", QStringLiteral("CAN ERROR")}}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedVehicle vehicle;
        for (const auto &[request, units] : c.said)
            vehicle.services[hex(request.constData())] = answersOf(units, c.can);
        for (const auto &[request, why] : c.failing) {
            ServiceAnswers failed;
            failed.failure = why;
            vehicle.services[hex(request.constData())] = failed;
        }
        const MonitorTestsRead read = ReadMonitorTests(vehicle);
        EXPECT_EQ(lines(read), c.expected);
        QStringList sent;
        for (const QByteArray &request : vehicle.serviceRequests)
            sent << QString::fromLatin1(request.toHex().toUpper());
        EXPECT_EQ(sent.join(u' '), QString::fromLatin1(c.requests));
        EXPECT_EQ(read.can, c.can);
    }
}

TEST(MonitorTestsTest, CountsMisfiresCylinderByCylinder)
{
    const auto records = CanTestRecords(hex("46 A4 0B 24 0003 0000 FFFF A4 0C 24 0005 0000 FFFF"), 0xA4);
    const auto all = CanTestRecords(hex("46 A1 0C 24 0007 0000 FFFF"), 0xA1);
    const auto other = CanTestRecords(hex("46 21 0B 24 0001 0000 FFFF"), 0x21);
    ASSERT_TRUE(records && all && other);
    std::vector<MonitorTestRecord> mixed = *records;
    mixed.insert(mixed.end(), other->begin(), other->end());
    mixed.insert(mixed.end(), all->begin(), all->end());

    const std::vector<MisfireColumn> columns = MisfireCounts(mixed);
    ASSERT_EQ(columns.size(), 2u);
    EXPECT_EQ(columns[0].cylinder, 0);
    EXPECT_EQ(columns[0].average, std::nullopt);
    EXPECT_EQ(columns[0].lastCycle->value, 7);
    EXPECT_EQ(columns[1].cylinder, 3);
    EXPECT_EQ(columns[1].average->value, 3);
    EXPECT_EQ(columns[1].lastCycle->value, 5);
    EXPECT_TRUE(MisfireCounts(*other).empty());
}

// The simulated vehicle's own results, fixed, at the pace of its other queries; its generator is
// left as it was, so no value a tab reads changes.
TEST(MonitorTestsTest, TheSimulatedVehicleAnswersItsFixedTests)
{
    VirtualClock clock;
    SimRandom random;
    SimulatedVehicle vehicle(clock, random);
    const MonitorTestsRead read = ReadMonitorTests(vehicle);
    const QStringList all = lines(read);
    EXPECT_EQ(all.size(), 15);
    EXPECT_EQ(all.filter(QStringLiteral("|Poza zakresem")),
              texts({"$F1h|Katalizator Bank 1|Test producenta $81|0,750|0,000|0,500||Poza zakresem"}));
    EXPECT_EQ(all.first(), QString::fromUtf8("$F1h|Sonda lambda B1S1|Czas przełączania bogata - uboga|72|0|400|ms|OK"));
    EXPECT_EQ(clock.now(), 13 * SimulatedVehicle::kQueryPauseMs);
    const std::vector<MisfireColumn> misfires = MisfireCounts(read.units.at(0).records);
    ASSERT_EQ(misfires.size(), 5u);
    EXPECT_EQ(misfires[3].cylinder, 3);
    EXPECT_EQ(misfires[3].lastCycle->value, 5);
    const PidReply rpm = vehicle.QueryPid(0x0C, CurrentData, 2);
    EXPECT_EQ(std::vector<std::uint8_t>(rpm.bytes.begin(), rpm.bytes.begin() + 4),
              (std::vector<std::uint8_t>{91, 130, 17, 70}));
}

// The stand-in's car through a real ELM327 link: CAN answers of many frames and a unit that
// refuses, on 11 and 29 bits; the older protocols' numbered messages.
TEST(MonitorTestsTest, ReadsTheCarBehindAnAdapter)
{
    for (const int protocol : {6, 7, 3}) {
        SCOPED_TRACE(protocol);
        Elm327StandIn standIn(Elm327StandIn::ScriptFor(protocol));
        Elm327Vehicle link(38400, {3000, 3000, 3000});
        ASSERT_TRUE(link.OpenPort(standIn.portName()).ok);
        ASSERT_TRUE(link.DetectInterface().ok);
        ASSERT_TRUE(link.ConfigureInterface().ok);
        ASSERT_TRUE(link.ContactVehicle().ok);
        const QStringList all = lines(ReadMonitorTests(link));
        if (protocol == 3) {
            EXPECT_EQ(all,
                      texts({"$10h|Składnik $11|Test $01|450||400|surowe|Poza zakresem",
                             "$10h|Składnik $02|Test $01|48|16||surowe|OK",
                             "$10h|Składnik $01|Test $02|5||16|surowe|OK", "$18h ! sterownik $18h nie odpowiedział"}));
            continue;
        }
        const QString engine = protocol == 6 ? QStringLiteral("$7E8h") : QStringLiteral("$18DAF110h");
        const QString gearbox = protocol == 6 ? QStringLiteral("$7E9h") : QStringLiteral("$18DAF118h");
        ASSERT_EQ(all.size(), 18);
        EXPECT_EQ(all[1], engine
                              + QString::fromUtf8("|Sonda lambda B1S1|Czas przełączania bogata - uboga|450|0|400|ms|"
                                                  "Poza zakresem"));
        EXPECT_EQ(all[6], engine
                              + QString::fromUtf8("|EVAP - nieszczelność 0,040\" (1 mm)|Test producenta $C9|-50,00|"
                                                  "-250,00|0,00|Pa|OK"));
        EXPECT_EQ(all.last(),
                  gearbox + QStringLiteral(" ! sterownik ") + gearbox + QStringLiteral(" odmówił (7F 06 12)"));
    }
}
