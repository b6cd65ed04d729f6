#include "core/livedata/ExtendedPidValue.h"

#include "core/livedata/ExtendedPidTable.h"
#include "core/livedata/FormatFixed.h"
#include "core/livedata/PidStatusTexts.h"
#include "core/text/HexByte.h"

#include <QStringList>

#include <initializer_list>

namespace {

// The data bytes of one answer, A at 0, with the numbers the rules take from them.
class Data {
public:
    Data(const PidReply &reply, QChar separator) : m_reply(reply), m_separator(separator) {}

    long long byte(int at) const { return m_reply.bytes[std::size_t(at)]; }
    // Whether the answer carried byte at.
    bool carried(int at) const { return at < m_reply.count; }
    long long word(int at) const { return byte(at) * 256 + byte(at + 1); }
    long long doubleWord(int at) const { return word(at) * 65536 + word(at + 2); }
    // Bit n of byte A: whether the car has the sensor it stands for.
    bool has(int bit) const { return (byte(0) >> bit) & 1; }

    QString F(long double x, int precision, int decimals) const
    {
        return FormatFixed(x, precision, decimals, m_separator);
    }
    static QString I(long long n) { return QString::number(n); }

private:
    const PidReply &m_reply;
    QChar m_separator;
};

const QString kNotAvailable = QStringLiteral("N/A");

QString joined(std::initializer_list<QString> values)
{
    return QStringList(values).join(QStringLiteral(" / "));
}

// Percent of full scale from one byte: A·100 first, then divided by 255.
long double percent(long long a)
{
    return static_cast<long double>(a) * 100 / 255;
}

// Signed percent around 128: (A − 128)·100/128.
long double trimPercent(long long a)
{
    return static_cast<long double>(a - 128) * 100 * 0.0078125L;
}

// A temperature in 0.1 °C from −40 °C, of the sensor that bit names, at byte at.
QString tenthsCelsius(const Data &d, int bit, int at)
{
    return d.has(bit) ? d.F(static_cast<long double>(d.word(at)) / 10 - 40, 6, 1) : kNotAvailable;
}

// Four such temperatures after the byte that says which sensors the car has.
QString fourTemperatures(const Data &d)
{
    return joined({tenthsCelsius(d, 0, 1), tenthsCelsius(d, 1, 3), tenthsCelsius(d, 2, 5), tenthsCelsius(d, 3, 7)});
}

// Temperatures of one byte each from −40 °C, count of them after the byte that says which sensors
// the car has.
QString byteTemperatures(const Data &d, int count)
{
    QStringList values;
    for (int bit = 0; bit < count; ++bit)
        values << (d.has(bit) ? Data::I(d.byte(1 + bit) - 40) : kNotAvailable);
    return values.join(QStringLiteral(" / "));
}

// Two sensors' words in 1/32 of their unit after the byte that says which the car has.
QString twoThirtySeconds(const Data &d)
{
    const auto value = [&d](int bit, int at) {
        return d.has(bit) ? d.F(static_cast<long double>(d.word(at)) / 32, 6, 2) : kNotAvailable;
    };
    return joined({value(0, 1), value(1, 3)});
}

QString torque(const Data &d, int at)
{
    return Data::I(d.byte(at) - 125);
}

QString rawBytes(const PidReply &reply)
{
    QStringList pairs;
    for (int i = 0; i < reply.count; ++i)
        pairs << HexByte(reply.bytes[std::size_t(i)]);
    return pairs.join(u' ');
}

} // namespace

QString ExtendedPidValue(std::uint8_t pid, const PidReply &reply, QChar decimalSeparator)
{
    const Data d(reply, decimalSeparator);
    switch (pid) {
    case 0x4F: return joined({Data::I(d.byte(0)), Data::I(d.byte(1)), Data::I(d.byte(2)), Data::I(d.byte(3) * 10)});
    case 0x50: return Data::I(d.byte(0) * 10);
    case 0x51: return FuelTypeText(std::uint8_t(d.byte(0)));
    case 0x52:
    case 0x5A:
    case 0x5B:
    case 0x8D: return d.F(percent(d.byte(0)), 3, 2);
    case 0x53: return d.F(static_cast<long double>(d.word(0)) * 0.005L, 6, 3);
    case 0x54: return Data::I(d.word(0) >= 0x8000 ? d.word(0) - 0x10000 : d.word(0)); // two's complement
    case 0x55:
    case 0x56:
    case 0x57:
    case 0x58:
        return joined(
            {d.F(trimPercent(d.byte(0)), 3, 2), d.carried(1) ? d.F(trimPercent(d.byte(1)), 3, 2) : kNotAvailable});
    case 0x59: return Data::I(d.word(0) * 10);
    case 0x5C:
    case 0x84: return Data::I(d.byte(0) - 40);
    case 0x5D: return d.F(static_cast<long double>(d.word(0)) / 128 - 210, 6, 2);
    case 0x5E: return d.F(static_cast<long double>(d.word(0)) * 0.05L, 6, 2);
    case 0x61:
    case 0x62:
    case 0x8E: return torque(d, 0);
    case 0x63: return Data::I(d.word(0));
    case 0x64: return joined({torque(d, 0), torque(d, 1), torque(d, 2), torque(d, 3), torque(d, 4)});
    case 0x66:
    case 0x87: return twoThirtySeconds(d);
    case 0x68: return byteTemperatures(d, 6);
    case 0x77: return byteTemperatures(d, 4);
    case 0x67: {
        const auto coolant = [&d](int bit, int at) { return d.has(bit) ? Data::I(d.byte(at) - 40) : kNotAvailable; };
        return joined({coolant(0, 1), coolant(1, 2)});
    }
    case 0x78:
    case 0x79:
    case 0x7C: return fourTemperatures(d);
    case 0x7F: {
        const auto seconds = [&d](int bit, int at) { return d.has(bit) ? Data::I(d.doubleWord(at)) : kNotAvailable; };
        return joined({seconds(0, 1), seconds(1, 5), seconds(2, 9)});
    }
    case 0x9D:
        return joined(
            {d.F(static_cast<long double>(d.word(0)) / 50, 6, 2), d.F(static_cast<long double>(d.word(2)) / 50, 6, 2)});
    case 0x9E: return d.F(static_cast<long double>(d.word(0)) / 5, 6, 1);
    case 0xA2: return d.F(static_cast<long double>(d.word(0)) / 32, 7, 3);
    case 0xA6: return d.F(static_cast<long double>(d.doubleWord(0)) / 10, 10, 1);
    default: break;
    }
    return rawBytes(reply);
}
