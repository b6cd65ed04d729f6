#include "core/units/ControlUnits.h"
#include "core/units/BatteryVoltage.h"
#include "core/units/UnitTexts.h"

#include "support/core/QtPrinters.h"
#include "support/core/ScriptedVehicle.h"

#include <gtest/gtest.h>

namespace {

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

// A unit's answer to a request: its positive answers, or a refusal code, or silence (neither).
struct Said {
    std::uint32_t unit;
    std::vector<QByteArray> answers;
    std::optional<std::uint8_t> refusal = std::nullopt;
};

ServiceAnswers units(bool can, std::vector<Said> said)
{
    ServiceAnswers answers;
    answers.ok = true;
    answers.can = can;
    for (Said &unit : said)
        answers.units.push_back(
            {unit.unit, u'$' + QString::number(unit.unit, 16).toUpper() + u'h', std::move(unit.answers), unit.refusal});
    return answers;
}

// Counters of two bytes each after the InfoType and their count (CAN).
QByteArray inUse(std::uint8_t infoType, std::initializer_list<int> counters)
{
    QByteArray answer = QByteArray(1, '\x49') + char(infoType) + char(counters.size());
    for (const int value : counters)
        answer.append(char(value >> 8)).append(char(value & 0xFF));
    return answer;
}

// A unit as the tab lists it: title, InfoTypes, calibrations, counters, monitors that stand out and
// permanent codes, each part as its text.
QString summary(const ControlUnitsReading &reading)
{
    if (!reading.ok)
        return u'!' + reading.failure;
    QStringList lines;
    for (const ControlUnit &unit : reading.units) {
        QStringList calibrations;
        for (const CalibrationRow &row : CalibrationRows(unit))
            calibrations << row.id + u'=' + row.cvn;
        QStringList low;
        for (const InUseRow &row : InUseRows(unit, u','))
            if (!row.note.isEmpty())
                low << row.monitor + u' ' + row.ratio;
        QStringList permanent;
        for (const PermanentCodeRow &row : PermanentCodeRows(reading, unit, DtcOrigin::RealVehicle))
            permanent << (row.code.isEmpty() ? row.description : row.code);
        lines << QStringList{unit.addressText,        UnitNameText(unit), InfoTypesText(unit), calibrations.join(u','),
                             InUseCountersText(unit), low.join(u','),     permanent.join(u',')}
                     .join(QStringLiteral(" | "));
    }
    return lines.join(u'\n');
}

const QString kNotSupported = QStringLiteral("nieobsługiwane przez sterownik");

} // namespace

TEST(ControlUnitsTest, ReadsEachUnitsIdentityCountersAndPermanentCodes)
{
    const QByteArray name = hex("490A01") + QByteArray("ECM\0-EngineControl\0\0", 20);
    const QByteArray spark = inUse(0x08, {412, 1873, 96, 402, 0, 0, 101, 400, 0, 0, 58, 398, 0, 0, 12, 350});
    const struct {
        const char *name;
        std::map<QByteArray, ServiceAnswers> services;
        const char *expected;
        std::vector<QByteArray> asked = {};
    } cases[] = {
        {"one unit on CAN, its name padded with NULs",
         {{hex("0900"), units(true, {{0x7E8, {hex("490055400000")}}})},
          {hex("090A"), units(true, {{0x7E8, {name}}})},
          {hex("0904"), units(true, {{0x7E8, {hex("490401") + QByteArray("KVD11B0204\0\0\0\0\0\0", 16)}}})},
          {hex("0906"), units(true, {{0x7E8, {hex("4906011A2B3C4D")}}})},
          {hex("0908"), units(true, {{0x7E8, {spark}}})},
          {hex("0A"), units(true, {{0x7E8, {hex("4A00")}}})}},
         "$7E8h | ECM-EngineControl | 02 04 06 08 0A | KVD11B0204=1A2B3C4D | Mianownik ogólny: 412, Cykle zapłonu: "
         "1873 | Monitor systemu odprowadzania par paliwa (EVAP) 0,034 | Brak kodów stałych",
         {hex("0900"), hex("090A"), hex("0904"), hex("0906"), hex("0908"), hex("0A")}},
        {"two units, several calibrations, one unit without a name, fewer CVNs than IDs",
         {{hex("0900"), units(true, {{0x7E8, {hex("490054400000")}}, {0x7E9, {hex("490014000000")}}})},
          {hex("090A"), units(true, {{0x7E8, {name}}, {0x7E9, {}}})},
          {hex("0904"),
           units(true,
                 {{0x7E8, {hex("490402") + QByteArray("CAL-A\0\0\0\0\0\0\0\0\0\0\0CAL-B", 21) + QByteArray(11, '\0')}},
                  {0x7E9, {hex("490401") + QByteArray("TCM 0815        ", 16)}}})},
          {hex("0906"), units(true, {{0x7E8, {hex("4906010000BEEF")}}, {0x7E9, {hex("490601DEADBEEF")}}})},
          {hex("0A"), units(true, {{0x7E8, {hex("4A02042001330000")}}, {0x7E9, {hex("4A00")}}})}},
         "$7E8h | ECM-EngineControl | 02 04 06 0A | CAL-A=0000BEEF,CAL-B=- | nieobsługiwane przez sterownik |  | "
         "P0420,P0133\n"
         "$7E9h | nieobsługiwane przez sterownik | 04 06 | TCM 0815=DEADBEEF | nieobsługiwane przez sterownik |  | "
         "Brak kodów stałych",
         {hex("0900"), hex("090A"), hex("0904"), hex("0906"), hex("0A")}},
        {"refusals: an InfoType unknown (7F 09 12), service 09 unknown, permanent codes unknown to every unit",
         {{hex("0900"), units(true, {{0x7E8, {hex("490040400000")}}, {0x7E9, {}, 0x11}})},
          {hex("090A"), units(true, {{0x7E8, {}, 0x12}, {0x7E9, {}, 0x11}})},
          {hex("0A"), units(true, {{0x7E8, {}, 0x11}, {0x7E9, {}, 0x11}})}},
         "$7E8h | nieobsługiwane przez sterownik | 02 0A | nieobsługiwane przez sterownik= | nieobsługiwane przez "
         "sterownik |  | nieobsługiwane przez ten pojazd\n"
         "$7E9h | nieobsługiwane przez sterownik | nieobsługiwane przez sterownik | nieobsługiwane przez sterownik= | "
         "nieobsługiwane przez sterownik |  | nieobsługiwane przez ten pojazd"},
        {"a refusal for a reason, a unit that keeps quiet, a unit that knows no permanent codes",
         {{hex("0900"), units(true, {{0x7E8, {hex("490040400000")}}, {0x7E9, {}}})},
          {hex("090A"), units(true, {{0x7E8, {}, 0x22}, {0x7E9, {}}})},
          {hex("0A"), units(true, {{0x7E8, {hex("4A00")}}, {0x7E9, {}, 0x11}})}},
         "$7E8h | nie udało się odczytać: sterownik $7E8h odmówił (7F 09 22) | 02 0A | nieobsługiwane przez "
         "sterownik= | nieobsługiwane przez sterownik |  | Brak kodów stałych\n"
         "$7E9h | nie udało się odczytać: sterownik $7E9h nie odpowiedział | nie udało się odczytać: sterownik $7E9h "
         "nie odpowiedział | nie udało się odczytać: sterownik $7E9h nie odpowiedział= | nie udało się odczytać: "
         "sterownik $7E9h nie odpowiedział |  | nieobsługiwane przez sterownik"},
        {"older protocols: the message counts first, messages in any order, codes padded with 0000",
         {{hex("0900"), units(false, {{0x10, {hex("490001FFC00000")}}})},
          {hex("0909"), units(false, {{0x10, {hex("490905")}}})},
          {hex("090A"), units(false, {{0x10,
                                       {hex("490A0245436F6E"), hex("490A0145434D00"), hex("490A03000000FF"),
                                        hex("490A0400000000"), hex("490A0500000000")}}})},
          {hex("0903"), units(false, {{0x10, {hex("490304")}}})},
          {hex("0904"), units(false, {{0x10,
                                       {hex("49040141424344"), hex("49040245464748"), hex("49040300000000"),
                                        hex("49040400000000")}}})},
          {hex("0905"), units(false, {{0x10, {hex("490502")}}})},
          {hex("0906"), units(false, {{0x10, {hex("49060111223344")}}})},
          {hex("0907"), units(false, {{0x10, {hex("490702")}}})},
          {hex("0908"), units(false, {{0x10, {hex("49080100100020"), hex("49080200300002")}}})},
          {hex("0A"), units(false, {{0x10, {hex("4A042001330000"), hex("4A030000000000")}}})}},
         "$10h | ECMECon? | 01 02 03 04 05 06 07 08 09 0A | ABCDEFGH=nie udało się odczytać: niepełna lub uszkodzona "
         "odpowiedź (11 22 33 44) | Mianownik ogólny: 16, Cykle zapłonu: 32 |  | P0420,P0133,P0300",
         {hex("0900"), hex("0909"), hex("090A"), hex("0903"), hex("0904"), hex("0905"), hex("0906"), hex("0907"),
          hex("0908"), hex("0A")}},
        {"a CAN answer shorter than its count of items, a compression-ignition unit",
         {{hex("0900"), units(true, {{0x7E8, {hex("490010200000")}}})},
          {hex("0904"), units(true, {{0x7E8, {hex("490402") + QByteArray(16, 'A')}}})},
          {hex("090B"), units(true, {{0x7E8, {inUse(0x0B, {40, 90, 1, 30, 30, 30})}}})},
          {hex("0A"), units(true, {{0x7E8, {hex("4A0304")}}})}},
         "$7E8h | nieobsługiwane przez sterownik | 04 0B | nie udało się odczytać: niepełna lub uszkodzona odpowiedź "
         "(49 04 02 41 41 41 41 41 41 41 41 41 41 41 41 41 41 41 41)= | Mianownik ogólny: 40, Cykle zapłonu: 90 | "
         "Monitor katalizatora NMHC 0,033 | nie udało się odczytać: niepełna lub uszkodzona odpowiedź (4A 03 04)"},
        {"the request itself failing", {}, "!"},
    };
    for (const auto &entry : cases) {
        SCOPED_TRACE(entry.name);
        ScriptedVehicle vehicle;
        vehicle.services = entry.services;
        vehicle.batteryVolts = 12.6;
        const ControlUnitsReading reading = ReadControlUnits(vehicle);
        EXPECT_EQ(summary(reading), QString::fromUtf8(entry.expected));
        if (!entry.asked.empty()) {
            EXPECT_EQ(vehicle.serviceRequests, entry.asked);
        }
        if (reading.ok) {
            EXPECT_EQ(reading.batteryVolts, std::optional<double>(12.6));
        }
    }
}

TEST(ControlUnitsTest, MonitorsStandOutOnlyWhenSeldomTestedAfterManyConditions)
{
    // General denominator, ignition cycles, then completions and conditions per monitor.
    const InUseTracking tracking = InUseOf({100, 300, 1, 20, 1, 19, 0, 0, 9, 100, 10, 100, 5, 4, 9, 400}, false);
    ASSERT_EQ(tracking.monitors.size(), 7u);
    const struct {
        const char *monitor;
        const char *ratio;
        bool low;
    } expected[] = {
        {"Monitor katalizatora (bank 1)", "0,050", true},
        {"Monitor katalizatora (bank 2)", "0,053", false}, // fewer conditions than it takes to tell
        {"Monitor sond lambda (bank 1)", "-", false},
        {"Monitor sond lambda (bank 2)", "0,090", true},
        {"Monitor układu EGR / VVT", "0,100", false},
        {"Monitor systemu powietrza wtórnego", "1,250", false},
        {"Monitor systemu odprowadzania par paliwa (EVAP)", "0,023", true}, // 0.0225 rounded half up
    };
    for (std::size_t i = 0; i < tracking.monitors.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(tracking.monitors[i].monitor, QString::fromUtf8(expected[i].monitor));
        EXPECT_EQ(RatioText(tracking.monitors[i], u','), QString::fromLatin1(expected[i].ratio));
        EXPECT_EQ(tracking.monitors[i].low(), expected[i].low);
    }
}

TEST(ControlUnitsTest, ReadsTheBatteryVoltageAsAdaptersWriteIt)
{
    const struct {
        const char *answer;
        const char *shown;
    } cases[] = {
        {"12.6V", "12,6 V"},    {"12.64V", "12,6 V"},          {" 9.95 V", "10,0 V"},     {"14,2v", "14,2 V"},
        {"?", "nie odczytano"}, {"LV RESET", "nie odczytano"}, {"12.6", "nie odczytano"},
    };
    for (const auto &entry : cases)
        EXPECT_EQ(BatteryVoltageText(BatteryVoltageIn(QString::fromLatin1(entry.answer)), u','),
                  QString::fromUtf8(entry.shown))
            << entry.answer;

    const QString line = QStringLiteral("Błąd: interfejs działa, ale pojazd nie odpowiada (NO DATA)");
    EXPECT_EQ(NoAnswerLine(line, 11.0, u','), line);
    EXPECT_EQ(NoAnswerLine(line, std::nullopt, u','), line);
    EXPECT_EQ(NoAnswerLine(line, 10.2, u','),
              line
                  + QStringLiteral("; napięcie akumulatora wynosi tylko 10,2 V - zapłon może być wyłączony lub "
                                   "akumulator rozładowany"));
}
