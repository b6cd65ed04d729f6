#include "core/livedata/SensorTable.h"

#include "core/livedata/ExtendedPidTable.h"

#include <QCoreApplication>

#include <array>

namespace {

constexpr std::array<SensorTableEntry, kLastPid + 1> SensorTable{{
    {"", ""}, // 0x00
    {"", ""}, // 0x01
    {"", ""}, // 0x02
    {QT_TRANSLATE_NOOP("SensorTable", "Status układu paliwowego 1/2"), ""}, // 0x03
    {QT_TRANSLATE_NOOP("SensorTable", "Wartość obciążenia (wyliczona)"), QT_TRANSLATE_NOOP("SensorTable", "%")}, // 0x04
    {QT_TRANSLATE_NOOP("SensorTable", "Temperatura płynu chłodzącego"),
     QT_TRANSLATE_NOOP("SensorTable", "st C")}, // 0x05
    {QT_TRANSLATE_NOOP("SensorTable", "Krótkoterminowa korekta wtrysku Bank 1/3"),
     QT_TRANSLATE_NOOP("SensorTable", "%")}, // 0x06
    {QT_TRANSLATE_NOOP("SensorTable", "Długoterminowa korekta wtrysku Bank 1/3"),
     QT_TRANSLATE_NOOP("SensorTable", "%")}, // 0x07
    {QT_TRANSLATE_NOOP("SensorTable", "Krótkoterminowa korekta wtrysku Bank 2/4"),
     QT_TRANSLATE_NOOP("SensorTable", "%")}, // 0x08
    {QT_TRANSLATE_NOOP("SensorTable", "Długoterminowa korekta wtrysku Bank 2/4"),
     QT_TRANSLATE_NOOP("SensorTable", "%")}, // 0x09
    {QT_TRANSLATE_NOOP("SensorTable", "Ciśnienie paliwa"), QT_TRANSLATE_NOOP("SensorTable", "kPa")}, // 0x0A
    {QT_TRANSLATE_NOOP("SensorTable", "Bezwzględne ciśnienie w kolektorze dolotowym"),
     QT_TRANSLATE_NOOP("SensorTable", "kPa")}, // 0x0B
    {QT_TRANSLATE_NOOP("SensorTable", "Prędkość obrotowa silnika"),
     QT_TRANSLATE_NOOP("SensorTable", "obr/min")}, // 0x0C
    {QT_TRANSLATE_NOOP("SensorTable", "Prędkość pojazdu"), QT_TRANSLATE_NOOP("SensorTable", "km/h")}, // 0x0D
    {QT_TRANSLATE_NOOP("SensorTable", "Kąt wyprzedzenia zapłonu"), QT_TRANSLATE_NOOP("SensorTable", "deg")}, // 0x0E
    {QT_TRANSLATE_NOOP("SensorTable", "Temp. zasysanego powietrza"), QT_TRANSLATE_NOOP("SensorTable", "st C")}, // 0x0F
    {QT_TRANSLATE_NOOP("SensorTable", "Przepływ powietrza (czujnik MAF)"),
     QT_TRANSLATE_NOOP("SensorTable", "mg/s")}, // 0x10
    {QT_TRANSLATE_NOOP("SensorTable", "Kąt otwarcia przepustnicy (TPS)"),
     QT_TRANSLATE_NOOP("SensorTable", "%")}, // 0x11
    {QT_TRANSLATE_NOOP("SensorTable", "Stan systemu powietrza wtórnego"), ""}, // 0x12
    {QT_TRANSLATE_NOOP("SensorTable", "Lokalizacja czujników tlenu (Bank 1-2, czujnik 1-4)"), ""}, // 0x13
    {QT_TRANSLATE_NOOP("SensorTable", "Napięcie czujnika tlenu Bank 1 Czujnik 1 / korekta wtrysku"),
     QT_TRANSLATE_NOOP("SensorTable", "V / %")}, // 0x14
    {QT_TRANSLATE_NOOP("SensorTable", "Napięcie czujnika tlenu Bank 1 Czujnik 2 / korekta wtrysku"),
     QT_TRANSLATE_NOOP("SensorTable", "V / %")}, // 0x15
    {QT_TRANSLATE_NOOP("SensorTable", "Napięcie czujnika tlenu Bank 1 Czujnik 3 / korekta wtrysku"),
     QT_TRANSLATE_NOOP("SensorTable", "V / %")}, // 0x16
    {QT_TRANSLATE_NOOP("SensorTable", "Napięcie czujnika tlenu Bank 1 Czujnik 4 / korekta wtrysku"),
     QT_TRANSLATE_NOOP("SensorTable", "V / %")}, // 0x17
    {QT_TRANSLATE_NOOP("SensorTable", "Napięcie czujnika tlenu Bank 2 Czujnik 1 / korekta wtrysku"),
     QT_TRANSLATE_NOOP("SensorTable", "V / %")}, // 0x18
    {QT_TRANSLATE_NOOP("SensorTable", "Napięcie czujnika tlenu Bank 2 Czujnik 2 / korekta wtrysku"),
     QT_TRANSLATE_NOOP("SensorTable", "V / %")}, // 0x19
    {QT_TRANSLATE_NOOP("SensorTable", "Napięcie czujnika tlenu Bank 2 Czujnik 3 / korekta wtrysku"),
     QT_TRANSLATE_NOOP("SensorTable", "V / %")}, // 0x1A
    {QT_TRANSLATE_NOOP("SensorTable", "Napięcie czujnika tlenu Bank 2 Czujnik 4 / korekta wtrysku"),
     QT_TRANSLATE_NOOP("SensorTable", "V / %")}, // 0x1B
    {QT_TRANSLATE_NOOP("SensorTable", "Standard OBDII"), ""}, // 0x1C
    {QT_TRANSLATE_NOOP("SensorTable", "Lokalizacja czujników tlenu (Bank 1-4, czujnik 1-2)"), ""}, // 0x1D
    {QT_TRANSLATE_NOOP("SensorTable", "Status urządzenia odbioru mocy"), ""}, // 0x1E
    {QT_TRANSLATE_NOOP("SensorTable", "Czas pracy silnika"), QT_TRANSLATE_NOOP("SensorTable", "s")}, // 0x1F
    {"", ""}, // 0x20
    {QT_TRANSLATE_NOOP("SensorTable", "Dystans od zapalenia MIL"), QT_TRANSLATE_NOOP("SensorTable", "km")}, // 0x21
    {QT_TRANSLATE_NOOP("SensorTable", "Względne ciśnienie paliwa"), QT_TRANSLATE_NOOP("SensorTable", "kPa")}, // 0x22
    {QT_TRANSLATE_NOOP("SensorTable", "Ciśnienie paliwa (diesel)"), QT_TRANSLATE_NOOP("SensorTable", "kPa")}, // 0x23
    {QT_TRANSLATE_NOOP("SensorTable", "Czujnik O2 Bank 1 Czujnik 1 [WR]"),
     QT_TRANSLATE_NOOP("SensorTable", "lambda / V")}, // 0x24
    {QT_TRANSLATE_NOOP("SensorTable", "Czujnik O2 Bank 1 Czujnik 2 [WR]"),
     QT_TRANSLATE_NOOP("SensorTable", "lambda / V")}, // 0x25
    {QT_TRANSLATE_NOOP("SensorTable", "Czujnik O2 Bank 1 Czujnik 3 [WR]"),
     QT_TRANSLATE_NOOP("SensorTable", "lambda / V")}, // 0x26
    {QT_TRANSLATE_NOOP("SensorTable", "Czujnik O2 Bank 1 Czujnik 4 [WR]"),
     QT_TRANSLATE_NOOP("SensorTable", "lambda / V")}, // 0x27
    {QT_TRANSLATE_NOOP("SensorTable", "Czujnik O2 Bank 2 Czujnik 1 [WR]"),
     QT_TRANSLATE_NOOP("SensorTable", "lambda / V")}, // 0x28
    {QT_TRANSLATE_NOOP("SensorTable", "Czujnik O2 Bank 2 Czujnik 2 [WR]"),
     QT_TRANSLATE_NOOP("SensorTable", "lambda / V")}, // 0x29
    {QT_TRANSLATE_NOOP("SensorTable", "Czujnik O2 Bank 2 Czujnik 3 [WR]"),
     QT_TRANSLATE_NOOP("SensorTable", "lambda / V")}, // 0x2A
    {QT_TRANSLATE_NOOP("SensorTable", "Czujnik O2 Bank 2 Czujnik 4 [WR]"),
     QT_TRANSLATE_NOOP("SensorTable", "lambda / V")}, // 0x2B
    {QT_TRANSLATE_NOOP("SensorTable", "Zadana wartość wysterowania zaworu EGR"),
     QT_TRANSLATE_NOOP("SensorTable", "%")}, // 0x2C
    {QT_TRANSLATE_NOOP("SensorTable", "Błąd wysterowania zaworu EGR"), QT_TRANSLATE_NOOP("SensorTable", "%")}, // 0x2D
    {QT_TRANSLATE_NOOP("SensorTable", "Zadana wartość wysterowania zaworu EVAP"),
     QT_TRANSLATE_NOOP("SensorTable", "%")}, // 0x2E
    {QT_TRANSLATE_NOOP("SensorTable", "Poziom paliwa"), QT_TRANSLATE_NOOP("SensorTable", "%")}, // 0x2F
    {QT_TRANSLATE_NOOP("SensorTable", "Ilość uruchomień silnika od kasowania błędów"), ""}, // 0x30
    {QT_TRANSLATE_NOOP("SensorTable", "Dystans od momentu kasowania błędów"),
     QT_TRANSLATE_NOOP("SensorTable", "km")}, // 0x31
    {QT_TRANSLATE_NOOP("SensorTable", "Ciśnienie w układzie EVAP"), QT_TRANSLATE_NOOP("SensorTable", "Pa")}, // 0x32
    {QT_TRANSLATE_NOOP("SensorTable", "Ciśnienie atmosferyczne"), QT_TRANSLATE_NOOP("SensorTable", "kPa")}, // 0x33
    {QT_TRANSLATE_NOOP("SensorTable", "Czujnik O2 Bank 1 Czujnik 1 [WR]"),
     QT_TRANSLATE_NOOP("SensorTable", "lambda / mA")}, // 0x34
    {QT_TRANSLATE_NOOP("SensorTable", "Czujnik O2 Bank 1 Czujnik 2 [WR]"),
     QT_TRANSLATE_NOOP("SensorTable", "lambda / mA")}, // 0x35
    {QT_TRANSLATE_NOOP("SensorTable", "Czujnik O2 Bank 2 Czujnik 1 [WR]"),
     QT_TRANSLATE_NOOP("SensorTable", "lambda / mA")}, // 0x36
    {QT_TRANSLATE_NOOP("SensorTable", "Czujnik O2 Bank 2 Czujnik 2 [WR]"),
     QT_TRANSLATE_NOOP("SensorTable", "lambda / mA")}, // 0x37
    {QT_TRANSLATE_NOOP("SensorTable", "Czujnik O2 Bank 3 Czujnik 1 [WR]"),
     QT_TRANSLATE_NOOP("SensorTable", "lambda / mA")}, // 0x38
    {QT_TRANSLATE_NOOP("SensorTable", "Czujnik O2 Bank 3 Czujnik 2 [WR]"),
     QT_TRANSLATE_NOOP("SensorTable", "lambda / mA")}, // 0x39
    {QT_TRANSLATE_NOOP("SensorTable", "Czujnik O2 Bank 4 Czujnik 1 [WR]"),
     QT_TRANSLATE_NOOP("SensorTable", "lambda / mA")}, // 0x3A
    {QT_TRANSLATE_NOOP("SensorTable", "Czujnik O2 Bank 4 Czujnik 2 [WR]"),
     QT_TRANSLATE_NOOP("SensorTable", "lambda / mA")}, // 0x3B
    {QT_TRANSLATE_NOOP("SensorTable", "Temp. Katalizatora Bank 1 Czujnik 1"),
     QT_TRANSLATE_NOOP("SensorTable", "st C")}, // 0x3C
    {QT_TRANSLATE_NOOP("SensorTable", "Temp. Katalizatora Bank 2 Czujnik 1"),
     QT_TRANSLATE_NOOP("SensorTable", "st C")}, // 0x3D
    {QT_TRANSLATE_NOOP("SensorTable", "Temp. Katalizatora Bank 1 Czujnik 2"),
     QT_TRANSLATE_NOOP("SensorTable", "st C")}, // 0x3E
    {QT_TRANSLATE_NOOP("SensorTable", "Temp. Katalizatora Bank 2 Czujnik 2"),
     QT_TRANSLATE_NOOP("SensorTable", "st C")}, // 0x3F
    {"", ""}, // 0x40
    {"", ""}, // 0x41
    {QT_TRANSLATE_NOOP("SensorTable", "Napięcie zasilania ECU"), QT_TRANSLATE_NOOP("SensorTable", "V")}, // 0x42
    {QT_TRANSLATE_NOOP("SensorTable", "Bezwzględna wartość obciążenia"), QT_TRANSLATE_NOOP("SensorTable", "%")}, // 0x43
    {QT_TRANSLATE_NOOP("SensorTable", "Zadana wartość współczynnika lambda"), ""}, // 0x44
    {QT_TRANSLATE_NOOP("SensorTable", "Względne położenie przepustnicy (TPS)"),
     QT_TRANSLATE_NOOP("SensorTable", "%")}, // 0x45
    {QT_TRANSLATE_NOOP("SensorTable", "Temperatura powietrza (otoczenia)"),
     QT_TRANSLATE_NOOP("SensorTable", "st C")}, // 0x46
    {QT_TRANSLATE_NOOP("SensorTable", "Bezwzględne położenie przepustnicy B"),
     QT_TRANSLATE_NOOP("SensorTable", "%")}, // 0x47
    {QT_TRANSLATE_NOOP("SensorTable", "Bezwzględne położenie przepustnicy C"),
     QT_TRANSLATE_NOOP("SensorTable", "%")}, // 0x48
    {QT_TRANSLATE_NOOP("SensorTable", "Bezwzględne położenie przepustnicy D"),
     QT_TRANSLATE_NOOP("SensorTable", "%")}, // 0x49
    {QT_TRANSLATE_NOOP("SensorTable", "Bezwzględne położenie przepustnicy E"),
     QT_TRANSLATE_NOOP("SensorTable", "%")}, // 0x4A
    {QT_TRANSLATE_NOOP("SensorTable", "Bezwzględne położenie przepustnicy F"),
     QT_TRANSLATE_NOOP("SensorTable", "%")}, // 0x4B
    {QT_TRANSLATE_NOOP("SensorTable", "Zadane wysterowanie elektronicznej przepustnicy"),
     QT_TRANSLATE_NOOP("SensorTable", "%")}, // 0x4C
    {QT_TRANSLATE_NOOP("SensorTable", "Czas od zapalenia się MIL"), QT_TRANSLATE_NOOP("SensorTable", "min")}, // 0x4D
    {QT_TRANSLATE_NOOP("SensorTable", "Czas od kasowania kodów błędów"),
     QT_TRANSLATE_NOOP("SensorTable", "min")}, // 0x4E
}};

} // namespace

namespace {

// The table's text, or the language module's when one is active and translates it.
QString tableText(const char *text)
{
    return *text == 0 ? QString() : QCoreApplication::translate("SensorTable", text);
}

} // namespace

QString PidDescription(std::uint8_t pid)
{
    return pid <= kLastPid ? tableText(SensorTable[pid].description) : QString();
}

QString PidUnit(std::uint8_t pid)
{
    return pid <= kLastPid ? tableText(SensorTable[pid].unit) : QString();
}

bool IsSupportBitmapPid(int pid)
{
    return pid >= 0 && pid <= 0xE0 && pid % 0x20 == 0;
}

bool IsMonitorStatusPid(int pid)
{
    return pid == 0x01 || pid == 0x41;
}

bool IsLivePid(int pid)
{
    return pid >= 0x03 && pid <= 0xFF && !IsSupportBitmapPid(pid) && !IsMonitorStatusPid(pid);
}

QString LivePidDescription(std::uint8_t pid)
{
    return pid <= kLastPid ? PidDescription(pid) : ExtendedPidDescription(pid);
}

QString LivePidUnit(std::uint8_t pid)
{
    return pid <= kLastPid ? PidUnit(pid) : ExtendedPidUnit(pid);
}
