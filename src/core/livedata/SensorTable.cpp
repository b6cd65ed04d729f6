#include "core/livedata/SensorTable.h"

#include <array>

namespace {

constexpr std::array<SensorTableEntry, kLastPid + 1> SensorTable{{
    {u"", u""}, // 0x00
    {u"", u""}, // 0x01
    {u"", u""}, // 0x02
    {u"Status układu paliwowego 1/2", u""}, // 0x03
    {u"Wartość obciążenia (wyliczona)", u"%"}, // 0x04
    {u"Temperatura płynu chłodzącego", u"st C"}, // 0x05
    {u"Krótkoterminowa korekta wtrysku Bank 1/3", u"%"}, // 0x06
    {u"Długoterminowa korekta wtrysku Bank 1/3", u"%"}, // 0x07
    {u"Krótkoterminowa korekta wtrysku Bank 2/4", u"%"}, // 0x08
    {u"Długoterminowa korekta wtrysku Bank 2/4", u"%"}, // 0x09
    {u"Ciśnienie paliwa", u"kPa"}, // 0x0A
    {u"Bezwzględne ciśnienie w kolektorze dolotowym", u"kPa"}, // 0x0B
    {u"Prędkość obrotowa silnika", u"obr/min"}, // 0x0C
    {u"Prędkość pojazdu", u"km/h"}, // 0x0D
    {u"Kąt wyprzedzenia zapłonu", u"deg"}, // 0x0E
    {u"Temp. zasysanego powietrza", u"st C"}, // 0x0F
    {u"Przepływ powietrza (czujnik MAF)", u"mg/s"}, // 0x10
    {u"Kąt otwarcia przepustnicy (TPS)", u"%"}, // 0x11
    {u"Stan systemu powietrza wtórnego", u""}, // 0x12
    {u"Lokalizacja czujników tlenu (Bank 1-2, czujnik 1-4)", u""}, // 0x13
    {u"Napięcie czujnika tlenu Bank 1 Czujnik 1 / korekta wtrysku", u"V / %"}, // 0x14
    {u"Napięcie czujnika tlenu Bank 1 Czujnik 2 / korekta wtrysku", u"V / %"}, // 0x15
    {u"Napięcie czujnika tlenu Bank 1 Czujnik 3 / korekta wtrysku", u"V / %"}, // 0x16
    {u"Napięcie czujnika tlenu Bank 1 Czujnik 4 / korekta wtrysku", u"V / %"}, // 0x17
    {u"Napięcie czujnika tlenu Bank 2 Czujnik 1 / korekta wtrysku", u"V / %"}, // 0x18
    {u"Napięcie czujnika tlenu Bank 2 Czujnik 2 / korekta wtrysku", u"V / %"}, // 0x19
    {u"Napięcie czujnika tlenu Bank 2 Czujnik 3 / korekta wtrysku", u"V / %"}, // 0x1A
    {u"Napięcie czujnika tlenu Bank 2 Czujnik 4 / korekta wtrysku", u"V / %"}, // 0x1B
    {u"Standard OBDII", u""}, // 0x1C
    {u"Lokalizacja czujników tlenu (Bank 1-4, czujnik 1-2)", u""}, // 0x1D
    {u"Status urządzenia odbioru mocy", u""}, // 0x1E
    {u"Czas pracy silnika", u"s"}, // 0x1F
    {u"", u""}, // 0x20
    {u"Dystans od zapalenia MIL", u"km"}, // 0x21
    {u"Względne ciśnienie paliwa", u"kPa"}, // 0x22
    {u"Ciśnienie paliwa (diesel)", u"kPa"}, // 0x23
    {u"Czujnik O2 Bank 1 Czujnik 1 [WR]", u"lambda / V"}, // 0x24
    {u"Czujnik O2 Bank 1 Czujnik 2 [WR]", u"lambda / V"}, // 0x25
    {u"Czujnik O2 Bank 1 Czujnik 3 [WR]", u"lambda / V"}, // 0x26
    {u"Czujnik O2 Bank 1 Czujnik 4 [WR]", u"lambda / V"}, // 0x27
    {u"Czujnik O2 Bank 2 Czujnik 1 [WR]", u"lambda / V"}, // 0x28
    {u"Czujnik O2 Bank 2 Czujnik 2 [WR]", u"lambda / V"}, // 0x29
    {u"Czujnik O2 Bank 2 Czujnik 3 [WR]", u"lambda / V"}, // 0x2A
    {u"Czujnik O2 Bank 2 Czujnik 4 [WR]", u"lambda / V"}, // 0x2B
    {u"Zadana wartość wysterowania zaworu EGR", u"%"}, // 0x2C
    {u"Błąd wysterowania zaworu EGR", u"%"}, // 0x2D
    {u"Zadana wartość wysterowania zaworu EVAP", u"%"}, // 0x2E
    {u"Poziom paliwa", u"%"}, // 0x2F
    {u"Ilość uruchomień silnika od kasowania błędów", u""}, // 0x30
    {u"Dystans od momentu kasowania błędów", u"km"}, // 0x31
    {u"Ciśnienie w układzie EVAP", u"Pa"}, // 0x32
    {u"Ciśnienie atmosferyczne", u"kPa"}, // 0x33
    {u"Czujnik O2 Bank 1 Czujnik 1 [WR]", u"lambda / mA"}, // 0x34
    {u"Czujnik O2 Bank 1 Czujnik 2 [WR]", u"lambda / mA"}, // 0x35
    {u"Czujnik O2 Bank 2 Czujnik 1 [WR]", u"lambda / mA"}, // 0x36
    {u"Czujnik O2 Bank 2 Czujnik 2 [WR]", u"lambda / mA"}, // 0x37
    {u"Czujnik O2 Bank 3 Czujnik 1 [WR]", u"lambda / mA"}, // 0x38
    {u"Czujnik O2 Bank 3 Czujnik 2 [WR]", u"lambda / mA"}, // 0x39
    {u"Czujnik O2 Bank 4 Czujnik 1 [WR]", u"lambda / mA"}, // 0x3A
    {u"Czujnik O2 Bank 4 Czujnik 2 [WR]", u"lambda / mA"}, // 0x3B
    {u"Temp. Katalizatora Bank 1 Czujnik 1", u"st C"}, // 0x3C
    {u"Temp. Katalizatora Bank 2 Czujnik 1", u"st C"}, // 0x3D
    {u"Temp. Katalizatora Bank 1 Czujnik 2", u"st C"}, // 0x3E
    {u"Temp. Katalizatora Bank 2 Czujnik 2", u"st C"}, // 0x3F
    {u"", u""}, // 0x40
    {u"", u""}, // 0x41
    {u"Napięcie zasilania ECU", u"V"}, // 0x42
    {u"Bezwzględna wartość obciążenia", u"%"}, // 0x43
    {u"Zadana wartość współczynnika lambda", u""}, // 0x44
    {u"Względne położenie przepustnicy (TPS)", u"%"}, // 0x45
    {u"Temperatura powietrza (otoczenia)", u"st C"}, // 0x46
    {u"Bezwzględne położenie przepustnicy B", u"%"}, // 0x47
    {u"Bezwzględne położenie przepustnicy C", u"%"}, // 0x48
    {u"Bezwzględne położenie przepustnicy D", u"%"}, // 0x49
    {u"Bezwzględne położenie przepustnicy E", u"%"}, // 0x4A
    {u"Bezwzględne położenie przepustnicy F", u"%"}, // 0x4B
    {u"Zadane wysterowanie elektronicznej przepustnicy", u"%"}, // 0x4C
    {u"Czas od zapalenia się MIL", u"min"}, // 0x4D
    {u"Czas od kasowania kodów błędów", u"min"}, // 0x4E
}};

} // namespace

QString PidDescription(std::uint8_t pid)
{
    return pid <= kLastPid ? QString::fromUtf16(SensorTable[pid].description) : QString();
}

QString PidUnit(std::uint8_t pid)
{
    return pid <= kLastPid ? QString::fromUtf16(SensorTable[pid].unit) : QString();
}
