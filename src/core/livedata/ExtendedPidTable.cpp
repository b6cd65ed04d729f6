#include "core/livedata/ExtendedPidTable.h"

#include "core/livedata/SensorTable.h"

#include <QCoreApplication>

#include <algorithm>
#include <iterator>

namespace {

struct ExtendedPidEntry {
    std::uint8_t pid;
    int byteCount;
    const char *description;
    const char *unit;
};

constexpr std::uint8_t kFuelTypePid = 0x51;

// In PID order. A byte count of 0: the car's answer decides, as the secondary oxygen-sensor trims
// carry their second bank's byte only where the engine has that bank.
constexpr ExtendedPidEntry kExtendedPids[] = {
    {0x4F, 4, QT_TRANSLATE_NOOP("SensorTable", "Zakresy: lambda / napięcie O2 / prąd O2 / MAP"),
     QT_TRANSLATE_NOOP("SensorTable", "lambda / V / mA / kPa")},
    {0x50, 4, QT_TRANSLATE_NOOP("SensorTable", "Maksymalny przepływ powietrza (czujnik MAF)"),
     QT_TRANSLATE_NOOP("SensorTable", "g/s")},
    {0x51, 1, QT_TRANSLATE_NOOP("SensorTable", "Rodzaj paliwa"), ""},
    {0x52, 1, QT_TRANSLATE_NOOP("SensorTable", "Zawartość etanolu w paliwie"), QT_TRANSLATE_NOOP("SensorTable", "%")},
    {0x53, 2, QT_TRANSLATE_NOOP("SensorTable", "Bezwzględne ciśnienie w układzie EVAP"),
     QT_TRANSLATE_NOOP("SensorTable", "kPa")},
    {0x54, 2, QT_TRANSLATE_NOOP("SensorTable", "Ciśnienie w układzie EVAP (szeroki zakres)"),
     QT_TRANSLATE_NOOP("SensorTable", "Pa")},
    {0x55, 0, QT_TRANSLATE_NOOP("SensorTable", "Krótkoterminowa korekta sondy wtórnej Bank 1/3"),
     QT_TRANSLATE_NOOP("SensorTable", "%")},
    {0x56, 0, QT_TRANSLATE_NOOP("SensorTable", "Długoterminowa korekta sondy wtórnej Bank 1/3"),
     QT_TRANSLATE_NOOP("SensorTable", "%")},
    {0x57, 0, QT_TRANSLATE_NOOP("SensorTable", "Krótkoterminowa korekta sondy wtórnej Bank 2/4"),
     QT_TRANSLATE_NOOP("SensorTable", "%")},
    {0x58, 0, QT_TRANSLATE_NOOP("SensorTable", "Długoterminowa korekta sondy wtórnej Bank 2/4"),
     QT_TRANSLATE_NOOP("SensorTable", "%")},
    {0x59, 2, QT_TRANSLATE_NOOP("SensorTable", "Bezwzględne ciśnienie paliwa w listwie"),
     QT_TRANSLATE_NOOP("SensorTable", "kPa")},
    {0x5A, 1, QT_TRANSLATE_NOOP("SensorTable", "Względne położenie pedału przyspieszenia"),
     QT_TRANSLATE_NOOP("SensorTable", "%")},
    {0x5B, 1, QT_TRANSLATE_NOOP("SensorTable", "Pozostała żywotność akumulatora hybrydowego"),
     QT_TRANSLATE_NOOP("SensorTable", "%")},
    {0x5C, 1, QT_TRANSLATE_NOOP("SensorTable", "Temperatura oleju silnikowego"),
     QT_TRANSLATE_NOOP("SensorTable", "st C")},
    {0x5D, 2, QT_TRANSLATE_NOOP("SensorTable", "Kąt wtrysku paliwa"), QT_TRANSLATE_NOOP("SensorTable", "deg")},
    {0x5E, 2, QT_TRANSLATE_NOOP("SensorTable", "Chwilowe zużycie paliwa"), QT_TRANSLATE_NOOP("SensorTable", "l/h")},
    {0x61, 1, QT_TRANSLATE_NOOP("SensorTable", "Moment obrotowy żądany przez kierowcę"),
     QT_TRANSLATE_NOOP("SensorTable", "%")},
    {0x62, 1, QT_TRANSLATE_NOOP("SensorTable", "Rzeczywisty moment obrotowy silnika"),
     QT_TRANSLATE_NOOP("SensorTable", "%")},
    {0x63, 2, QT_TRANSLATE_NOOP("SensorTable", "Moment obrotowy odniesienia silnika"),
     QT_TRANSLATE_NOOP("SensorTable", "Nm")},
    {0x64, 5, QT_TRANSLATE_NOOP("SensorTable", "Moment silnika: bieg jałowy / punkty 1-4"),
     QT_TRANSLATE_NOOP("SensorTable", "%")},
    {0x66, 5, QT_TRANSLATE_NOOP("SensorTable", "Przepływ powietrza: czujnik A / czujnik B"),
     QT_TRANSLATE_NOOP("SensorTable", "g/s")},
    {0x67, 3, QT_TRANSLATE_NOOP("SensorTable", "Temp. płynu chłodzącego: czujnik 1 / 2"),
     QT_TRANSLATE_NOOP("SensorTable", "st C")},
    {0x68, 7, QT_TRANSLATE_NOOP("SensorTable", "Temp. powietrza dolotowego: B1 1-3 / B2 1-3"),
     QT_TRANSLATE_NOOP("SensorTable", "st C")},
    {0x77, 5, QT_TRANSLATE_NOOP("SensorTable", "Temp. za intercoolerem: B1 1-2 / B2 1-2"),
     QT_TRANSLATE_NOOP("SensorTable", "st C")},
    {0x78, 9, QT_TRANSLATE_NOOP("SensorTable", "Temperatura spalin Bank 1: czujniki 1-4"),
     QT_TRANSLATE_NOOP("SensorTable", "st C")},
    {0x79, 9, QT_TRANSLATE_NOOP("SensorTable", "Temperatura spalin Bank 2: czujniki 1-4"),
     QT_TRANSLATE_NOOP("SensorTable", "st C")},
    {0x7C, 9, QT_TRANSLATE_NOOP("SensorTable", "Temp. DPF: B1 wlot / wylot, B2 wlot / wylot"),
     QT_TRANSLATE_NOOP("SensorTable", "st C")},
    {0x7F, 13, QT_TRANSLATE_NOOP("SensorTable", "Czas pracy: całkowity / bieg jałowy / PTO"),
     QT_TRANSLATE_NOOP("SensorTable", "s")},
    {0x84, 1, QT_TRANSLATE_NOOP("SensorTable", "Temperatura powierzchni kolektora"),
     QT_TRANSLATE_NOOP("SensorTable", "st C")},
    {0x87, 5, QT_TRANSLATE_NOOP("SensorTable", "Ciśnienie w kolektorze: czujnik A / czujnik B"),
     QT_TRANSLATE_NOOP("SensorTable", "kPa")},
    {0x8D, 1, QT_TRANSLATE_NOOP("SensorTable", "Położenie przepustnicy G"), QT_TRANSLATE_NOOP("SensorTable", "%")},
    {0x8E, 1, QT_TRANSLATE_NOOP("SensorTable", "Moment tarcia wewnętrznego silnika"),
     QT_TRANSLATE_NOOP("SensorTable", "%")},
    {0x9D, 4, QT_TRANSLATE_NOOP("SensorTable", "Zużycie paliwa: silnik / pojazd"),
     QT_TRANSLATE_NOOP("SensorTable", "g/s")},
    {0x9E, 2, QT_TRANSLATE_NOOP("SensorTable", "Przepływ spalin"), QT_TRANSLATE_NOOP("SensorTable", "kg/h")},
    {0xA2, 2, QT_TRANSLATE_NOOP("SensorTable", "Dawka paliwa na cylinder"), QT_TRANSLATE_NOOP("SensorTable", "mg/suw")},
    {0xA6, 4, QT_TRANSLATE_NOOP("SensorTable", "Przebieg (licznik kilometrów)"),
     QT_TRANSLATE_NOOP("SensorTable", "km")},
};
static_assert(std::is_sorted(std::begin(kExtendedPids), std::end(kExtendedPids),
                             [](const ExtendedPidEntry &a, const ExtendedPidEntry &b) { return a.pid < b.pid; }));

const char *const kRawDescription = QT_TRANSLATE_NOOP("SensorTable", "Nieopisany parametr - surowe bajty");
const char *const kRawUnit = QT_TRANSLATE_NOOP("SensorTable", "hex");

const ExtendedPidEntry *entryOf(std::uint8_t pid)
{
    const auto *found = std::lower_bound(std::begin(kExtendedPids), std::end(kExtendedPids), pid,
                                         [](const ExtendedPidEntry &entry, std::uint8_t p) { return entry.pid < p; });
    return found != std::end(kExtendedPids) && found->pid == pid ? found : nullptr;
}

bool isExtended(std::uint8_t pid)
{
    return pid > kLastPid && IsLivePid(pid);
}

QString text(const char *source)
{
    return *source == 0 ? QString() : QCoreApplication::translate("SensorTable", source);
}

} // namespace

bool HasExtendedPidRule(std::uint8_t pid)
{
    return entryOf(pid) != nullptr;
}

QString ExtendedPidDescription(std::uint8_t pid)
{
    if (!isExtended(pid))
        return {};
    const ExtendedPidEntry *entry = entryOf(pid);
    return text(entry != nullptr ? entry->description : kRawDescription);
}

QString ExtendedPidUnit(std::uint8_t pid)
{
    if (!isExtended(pid))
        return {};
    const ExtendedPidEntry *entry = entryOf(pid);
    return text(entry != nullptr ? entry->unit : kRawUnit);
}

int ExtendedPidByteCount(std::uint8_t pid)
{
    const ExtendedPidEntry *entry = entryOf(pid);
    return entry != nullptr ? entry->byteCount : 0;
}

bool ExtendedPidIsNumeric(std::uint8_t pid)
{
    return HasExtendedPidRule(pid) && pid != kFuelTypePid;
}
