#include "core/monitortests/MonitorNames.h"

#include "core/catalogue/MessageCatalogue.h"
#include "core/text/HexByte.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <iterator>

namespace {

struct NameEntry {
    std::uint8_t id;
    const char *name;
};

// The monitors the standard names, in the order of their IDs. The IDs between them are kept free,
// and E1-FF belong to the manufacturers.
constexpr NameEntry kMonitorNames[] = {
    {0x01, QT_TRANSLATE_NOOP("MonitorNames", "Sonda lambda B1S1")},
    {0x02, QT_TRANSLATE_NOOP("MonitorNames", "Sonda lambda B1S2")},
    {0x03, QT_TRANSLATE_NOOP("MonitorNames", "Sonda lambda B1S3")},
    {0x04, QT_TRANSLATE_NOOP("MonitorNames", "Sonda lambda B1S4")},
    {0x05, QT_TRANSLATE_NOOP("MonitorNames", "Sonda lambda B2S1")},
    {0x06, QT_TRANSLATE_NOOP("MonitorNames", "Sonda lambda B2S2")},
    {0x07, QT_TRANSLATE_NOOP("MonitorNames", "Sonda lambda B2S3")},
    {0x08, QT_TRANSLATE_NOOP("MonitorNames", "Sonda lambda B2S4")},
    {0x09, QT_TRANSLATE_NOOP("MonitorNames", "Sonda lambda B3S1")},
    {0x0A, QT_TRANSLATE_NOOP("MonitorNames", "Sonda lambda B3S2")},
    {0x0B, QT_TRANSLATE_NOOP("MonitorNames", "Sonda lambda B3S3")},
    {0x0C, QT_TRANSLATE_NOOP("MonitorNames", "Sonda lambda B3S4")},
    {0x0D, QT_TRANSLATE_NOOP("MonitorNames", "Sonda lambda B4S1")},
    {0x0E, QT_TRANSLATE_NOOP("MonitorNames", "Sonda lambda B4S2")},
    {0x0F, QT_TRANSLATE_NOOP("MonitorNames", "Sonda lambda B4S3")},
    {0x10, QT_TRANSLATE_NOOP("MonitorNames", "Sonda lambda B4S4")},
    {0x21, QT_TRANSLATE_NOOP("MonitorNames", "Katalizator Bank 1")},
    {0x22, QT_TRANSLATE_NOOP("MonitorNames", "Katalizator Bank 2")},
    {0x23, QT_TRANSLATE_NOOP("MonitorNames", "Katalizator Bank 3")},
    {0x24, QT_TRANSLATE_NOOP("MonitorNames", "Katalizator Bank 4")},
    {0x31, QT_TRANSLATE_NOOP("MonitorNames", "Recyrkulacja spalin (EGR) Bank 1")},
    {0x32, QT_TRANSLATE_NOOP("MonitorNames", "Recyrkulacja spalin (EGR) Bank 2")},
    {0x33, QT_TRANSLATE_NOOP("MonitorNames", "Recyrkulacja spalin (EGR) Bank 3")},
    {0x34, QT_TRANSLATE_NOOP("MonitorNames", "Recyrkulacja spalin (EGR) Bank 4")},
    {0x35, QT_TRANSLATE_NOOP("MonitorNames", "Zmienne fazy rozrządu (VVT) Bank 1")},
    {0x36, QT_TRANSLATE_NOOP("MonitorNames", "Zmienne fazy rozrządu (VVT) Bank 2")},
    {0x37, QT_TRANSLATE_NOOP("MonitorNames", "Zmienne fazy rozrządu (VVT) Bank 3")},
    {0x38, QT_TRANSLATE_NOOP("MonitorNames", "Zmienne fazy rozrządu (VVT) Bank 4")},
    {0x39, QT_TRANSLATE_NOOP("MonitorNames", "EVAP - otwarty korek wlewu (0,150\")")},
    {0x3A, QT_TRANSLATE_NOOP("MonitorNames", "EVAP - nieszczelność 0,090\"")},
    {0x3B, QT_TRANSLATE_NOOP("MonitorNames", "EVAP - nieszczelność 0,040\" (1 mm)")},
    {0x3C, QT_TRANSLATE_NOOP("MonitorNames", "EVAP - nieszczelność 0,020\" (0,5 mm)")},
    {0x3D, QT_TRANSLATE_NOOP("MonitorNames", "EVAP - przepływ oczyszczania (purge)")},
    {0x41, QT_TRANSLATE_NOOP("MonitorNames", "Grzałka sondy lambda B1S1")},
    {0x42, QT_TRANSLATE_NOOP("MonitorNames", "Grzałka sondy lambda B1S2")},
    {0x43, QT_TRANSLATE_NOOP("MonitorNames", "Grzałka sondy lambda B1S3")},
    {0x44, QT_TRANSLATE_NOOP("MonitorNames", "Grzałka sondy lambda B1S4")},
    {0x45, QT_TRANSLATE_NOOP("MonitorNames", "Grzałka sondy lambda B2S1")},
    {0x46, QT_TRANSLATE_NOOP("MonitorNames", "Grzałka sondy lambda B2S2")},
    {0x47, QT_TRANSLATE_NOOP("MonitorNames", "Grzałka sondy lambda B2S3")},
    {0x48, QT_TRANSLATE_NOOP("MonitorNames", "Grzałka sondy lambda B2S4")},
    {0x49, QT_TRANSLATE_NOOP("MonitorNames", "Grzałka sondy lambda B3S1")},
    {0x4A, QT_TRANSLATE_NOOP("MonitorNames", "Grzałka sondy lambda B3S2")},
    {0x4B, QT_TRANSLATE_NOOP("MonitorNames", "Grzałka sondy lambda B3S3")},
    {0x4C, QT_TRANSLATE_NOOP("MonitorNames", "Grzałka sondy lambda B3S4")},
    {0x4D, QT_TRANSLATE_NOOP("MonitorNames", "Grzałka sondy lambda B4S1")},
    {0x4E, QT_TRANSLATE_NOOP("MonitorNames", "Grzałka sondy lambda B4S2")},
    {0x4F, QT_TRANSLATE_NOOP("MonitorNames", "Grzałka sondy lambda B4S3")},
    {0x50, QT_TRANSLATE_NOOP("MonitorNames", "Grzałka sondy lambda B4S4")},
    {0x61, QT_TRANSLATE_NOOP("MonitorNames", "Podgrzewany katalizator Bank 1")},
    {0x62, QT_TRANSLATE_NOOP("MonitorNames", "Podgrzewany katalizator Bank 2")},
    {0x63, QT_TRANSLATE_NOOP("MonitorNames", "Podgrzewany katalizator Bank 3")},
    {0x64, QT_TRANSLATE_NOOP("MonitorNames", "Podgrzewany katalizator Bank 4")},
    {0x71, QT_TRANSLATE_NOOP("MonitorNames", "Powietrze wtórne 1")},
    {0x72, QT_TRANSLATE_NOOP("MonitorNames", "Powietrze wtórne 2")},
    {0x73, QT_TRANSLATE_NOOP("MonitorNames", "Powietrze wtórne 3")},
    {0x74, QT_TRANSLATE_NOOP("MonitorNames", "Powietrze wtórne 4")},
    {0x81, QT_TRANSLATE_NOOP("MonitorNames", "Układ paliwowy Bank 1")},
    {0x82, QT_TRANSLATE_NOOP("MonitorNames", "Układ paliwowy Bank 2")},
    {0x83, QT_TRANSLATE_NOOP("MonitorNames", "Układ paliwowy Bank 3")},
    {0x84, QT_TRANSLATE_NOOP("MonitorNames", "Układ paliwowy Bank 4")},
    {0x85, QT_TRANSLATE_NOOP("MonitorNames", "Ciśnienie doładowania Bank 1")},
    {0x86, QT_TRANSLATE_NOOP("MonitorNames", "Ciśnienie doładowania Bank 2")},
    {0x90, QT_TRANSLATE_NOOP("MonitorNames", "Pochłaniacz NOx Bank 1")},
    {0x91, QT_TRANSLATE_NOOP("MonitorNames", "Pochłaniacz NOx Bank 2")},
    {0x98, QT_TRANSLATE_NOOP("MonitorNames", "Katalizator NOx (SCR) Bank 1")},
    {0x99, QT_TRANSLATE_NOOP("MonitorNames", "Katalizator NOx (SCR) Bank 2")},
    {0xA1, QT_TRANSLATE_NOOP("MonitorNames", "Wypadanie zapłonów - łącznie")},
    {0xA2, QT_TRANSLATE_NOOP("MonitorNames", "Wypadanie zapłonów - cylinder 1")},
    {0xA3, QT_TRANSLATE_NOOP("MonitorNames", "Wypadanie zapłonów - cylinder 2")},
    {0xA4, QT_TRANSLATE_NOOP("MonitorNames", "Wypadanie zapłonów - cylinder 3")},
    {0xA5, QT_TRANSLATE_NOOP("MonitorNames", "Wypadanie zapłonów - cylinder 4")},
    {0xA6, QT_TRANSLATE_NOOP("MonitorNames", "Wypadanie zapłonów - cylinder 5")},
    {0xA7, QT_TRANSLATE_NOOP("MonitorNames", "Wypadanie zapłonów - cylinder 6")},
    {0xA8, QT_TRANSLATE_NOOP("MonitorNames", "Wypadanie zapłonów - cylinder 7")},
    {0xA9, QT_TRANSLATE_NOOP("MonitorNames", "Wypadanie zapłonów - cylinder 8")},
    {0xAA, QT_TRANSLATE_NOOP("MonitorNames", "Wypadanie zapłonów - cylinder 9")},
    {0xAB, QT_TRANSLATE_NOOP("MonitorNames", "Wypadanie zapłonów - cylinder 10")},
    {0xAC, QT_TRANSLATE_NOOP("MonitorNames", "Wypadanie zapłonów - cylinder 11")},
    {0xAD, QT_TRANSLATE_NOOP("MonitorNames", "Wypadanie zapłonów - cylinder 12")},
    {0xB0, QT_TRANSLATE_NOOP("MonitorNames", "Filtr cząstek stałych (DPF) Bank 1")},
    {0xB1, QT_TRANSLATE_NOOP("MonitorNames", "Filtr cząstek stałych (DPF) Bank 2")},
};

// The tests the standard names: 01-0A of the oxygen sensors, 0B-0C of the misfire monitors.
constexpr std::array<const char *, 12> kTestNames = {
    QT_TRANSLATE_NOOP("MonitorNames", "Napięcie progowe bogata - uboga (stała)"),
    QT_TRANSLATE_NOOP("MonitorNames", "Napięcie progowe uboga - bogata (stała)"),
    QT_TRANSLATE_NOOP("MonitorNames", "Niskie napięcie do pomiaru czasu przełączania (stała)"),
    QT_TRANSLATE_NOOP("MonitorNames", "Wysokie napięcie do pomiaru czasu przełączania (stała)"),
    QT_TRANSLATE_NOOP("MonitorNames", "Czas przełączania bogata - uboga"),
    QT_TRANSLATE_NOOP("MonitorNames", "Czas przełączania uboga - bogata"),
    QT_TRANSLATE_NOOP("MonitorNames", "Najniższe napięcie sondy w teście"),
    QT_TRANSLATE_NOOP("MonitorNames", "Najwyższe napięcie sondy w teście"),
    QT_TRANSLATE_NOOP("MonitorNames", "Czas między przełączeniami sondy"),
    QT_TRANSLATE_NOOP("MonitorNames", "Okres sygnału sondy"),
    QT_TRANSLATE_NOOP("MonitorNames", "Średnia z 10 cykli jazdy (EWMA)"),
    QT_TRANSLATE_NOOP("MonitorNames", "Ostatni lub bieżący cykl jazdy"),
};

constexpr std::uint8_t kFirstMakerTest = 0x80;
constexpr std::uint8_t kLastOxygenSensor = 0x10;
constexpr std::uint8_t kLastOxygenSensorTest = 0x0A;
constexpr std::uint8_t kFirstMisfireMonitor = 0xA1;
constexpr std::uint8_t kLastMisfireMonitor = 0xAD;
constexpr std::uint8_t kFirstMisfireTest = 0x0B;
constexpr std::uint8_t kLastMisfireTest = 0x0C;

// Whether the standard names this test of this monitor.
bool namedByTheStandard(std::uint8_t monitor, std::uint8_t test)
{
    if (monitor >= 0x01 && monitor <= kLastOxygenSensor)
        return test >= 0x01 && test <= kLastOxygenSensorTest;
    if (monitor >= kFirstMisfireMonitor && monitor <= kLastMisfireMonitor)
        return test >= kFirstMisfireTest && test <= kLastMisfireTest;
    return false;
}

} // namespace

QString MonitorName(std::uint8_t monitor)
{
    const auto *found = std::find_if(std::begin(kMonitorNames), std::end(kMonitorNames),
                                     [monitor](const NameEntry &entry) { return entry.id == monitor; });
    if (found == std::end(kMonitorNames))
        return LoadMessage(SMonitorNumber).arg(HexByte(monitor));
    return QCoreApplication::translate("MonitorNames", found->name);
}

QString TestName(std::uint8_t monitor, std::uint8_t test)
{
    if (namedByTheStandard(monitor, test))
        return QCoreApplication::translate("MonitorNames", kTestNames[test - 1]);
    return LoadMessage(test >= kFirstMakerTest ? SMakerTestNumber : STestNumber).arg(HexByte(test));
}

QString TestNumber(std::uint8_t test)
{
    return LoadMessage(STestNumber).arg(HexByte(test));
}
