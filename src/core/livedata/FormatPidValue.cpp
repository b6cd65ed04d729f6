#include "core/livedata/FormatPidValue.h"

#include "core/livedata/ExtendedPidTable.h"
#include "core/livedata/ExtendedPidValue.h"
#include "core/livedata/FormatFixed.h"
#include "core/livedata/PidStatusTexts.h"
#include "core/livedata/SensorSelection.h"
#include "core/livedata/SensorTable.h"

namespace {

struct Bytes {
    long A, B, C, D;
    long W1() const { return A * 256 + B; }
    long W2() const { return C * 256 + D; }
};

class ValueText {
public:
    explicit ValueText(QChar separator) : m_separator(separator) {}
    QString F(long double x, int precision, int decimals) const
    {
        return FormatFixed(x, precision, decimals, m_separator);
    }
    static QString I(long n) { return QString::number(n); }

private:
    QChar m_separator;
};

// Percent of full scale from one byte: A·100 first, then divided by 255.
long double percent(long a)
{
    return static_cast<long double>(a) * 100 / 255;
}

// Signed percent around 128: (A − 128)·100·0.0078125.
long double trimPercent(long a)
{
    return static_cast<long double>(a - 128) * 100 * 0.0078125L;
}

// The equivalence ratio of a wide-range oxygen sensor's first word: in the span the car gives
// in PID 0x4F, else the standard one.
long double oxygenRatio(long w1, const OxygenSensorScaling &scaling)
{
    if (scaling.ratio == 0)
        return static_cast<long double>(w1) * 0.0000305L;
    return static_cast<long double>(w1) * scaling.ratio / 65535;
}

QString decode(std::uint8_t pid, const Bytes &b, const ValueText &v, const OxygenSensorScaling &scaling)
{
    switch (pid) {
    case 0x03: return FuelSystemStatusText(std::uint8_t(b.A), std::uint8_t(b.B));
    case 0x04:
    case 0x11:
    case 0x2C:
    case 0x2E:
    case 0x2F:
    case 0x45:
    case 0x47:
    case 0x48:
    case 0x49:
    case 0x4A:
    case 0x4B:
    case 0x4C: return v.F(percent(b.A), 3, 2);
    case 0x05:
    case 0x0F:
    case 0x46: return ValueText::I(b.A - 40);
    case 0x06:
    case 0x07:
    case 0x08:
    case 0x09: return v.F(trimPercent(b.A), 3, 2);
    case 0x0A: return ValueText::I(b.A * 3);
    case 0x0B:
    case 0x0D:
    case 0x30:
    case 0x33: return ValueText::I(b.A);
    case 0x0C:
    case 0x32: return ValueText::I(b.W1() / 4);
    case 0x0E: return v.F(static_cast<long double>(b.A - 128) * 0.5L, 3, 2);
    case 0x10: return v.F(static_cast<long double>(b.W1()) * 0.01L, 3, 2);
    case 0x12: return SecondaryAirStatusText(std::uint8_t(b.A));
    case 0x13: return OxygenSensorsBanks12Text(std::uint8_t(b.A));
    case 0x1C: return ObdStandardText(std::uint8_t(b.A));
    case 0x1D: return OxygenSensorsBanks1234Text(std::uint8_t(b.A));
    case 0x1E: return (b.A & 1) != 0 ? QStringLiteral("aktywne") : QStringLiteral("nieaktywne");
    case 0x1F:
    case 0x21:
    case 0x31:
    case 0x4D:
    case 0x4E: return ValueText::I(b.W1());
    case 0x22: return v.F(static_cast<long double>(b.W1()) * 0.079L, 2, 2);
    case 0x23: return ValueText::I(b.W1() * 10);
    case 0x2D: return v.F(trimPercent(b.A), 3, 2) + u' ' + EgrDeviationText(std::uint8_t(b.A));
    case 0x3C:
    case 0x3D:
    case 0x3E:
    case 0x3F: return ValueText::I(b.W1() / 10 - 40);
    case 0x42: return ValueText::I(b.W1() / 1000);
    case 0x43: return v.F(static_cast<long double>(b.W1()) * 100 / 255, 3, 2);
    case 0x44: return v.F(static_cast<long double>(b.W1()) * 0.0000305L, 3, 3);
    default: break;
    }
    if (pid >= 0x14 && pid <= 0x1B)
        return v.F(static_cast<long double>(b.A) * 0.005L, 1, 3) + QStringLiteral(" / ") + v.F(trimPercent(b.B), 3, 2);
    if (pid >= 0x24 && pid <= 0x2B) {
        const long double volts = scaling.voltage == 0 ? static_cast<long double>(b.W2()) * 0.000122L
                                                       : static_cast<long double>(b.W2()) * scaling.voltage / 65535;
        return v.F(oxygenRatio(b.W1(), scaling), 2, 3) + QStringLiteral(" / ") + v.F(volts, 2, 3);
    }
    if (pid >= 0x34 && pid <= 0x3B) {
        // The current's word is 0 mA at 0x8000.
        const long double milliamps = scaling.current == 0
                                          ? static_cast<long double>(b.W2()) * 0.00391L - 128
                                          : static_cast<long double>(b.W2() - 0x8000) * scaling.current / 32768;
        return v.F(oxygenRatio(b.W1(), scaling), 3, 3) + QStringLiteral(" / ") + v.F(milliamps, 3, 3);
    }
    return {};
}

} // namespace

int PidByteCount(std::uint8_t pid)
{
    if (pid > kLastPid)
        return ExtendedPidByteCount(pid);
    if ((pid >= 0x24 && pid <= 0x2B) || (pid >= 0x34 && pid <= 0x3B))
        return 4;
    switch (pid) {
    case 0x02:
    case 0x03:
    case 0x0C:
    case 0x10:
    case 0x1F:
    case 0x21:
    case 0x22:
    case 0x23:
    case 0x31:
    case 0x32:
    case 0x3C:
    case 0x3D:
    case 0x3E:
    case 0x3F:
    case 0x42:
    case 0x43:
    case 0x44:
    case 0x4D:
    case 0x4E: return 2;
    default: break;
    }
    if (pid >= 0x14 && pid <= 0x1B)
        return 2;
    return 1;
}

bool PidValueIsRead(std::uint8_t pid, PidMode mode)
{
    // The freeze frame's trigger code (0x02) is a value of the freeze frame only.
    return !IsSupportBitmapPid(pid) && !IsMonitorStatusPid(pid) && (pid != 0x02 || mode == FreezeFrame);
}

QString FormatPidValue(PidReader &reader, SensorSelection &selection, std::uint8_t pid, PidMode mode)
{
    return FormatPidValue(reader, selection, pid, mode, [&reader](std::uint8_t number, PidMode of, int byteCount) {
        return reader.link.QueryPid(number, of, byteCount);
    });
}

QString FormatPidValue(PidReader &reader, SensorSelection &selection, std::uint8_t pid, PidMode mode,
                       const PidQuery &query)
{
    if (reader.debugLine)
        reader.debugLine(QStringLiteral("Reading sensors (PID: %1)").arg(pid));

    for (int p = 0; p < SensorSelection::kSize; ++p)
        if (selection.FailCount[std::size_t(p)] >= SensorSelection::ReadFailureLimit)
            selection.Supported[std::size_t(p)] = 0;

    // Past 0x4E only what the car announced.
    if (!selection.isUsed(pid))
        return {};

    if (!PidValueIsRead(pid, mode)) {
        selection.Supported[pid] = 0;
        return {};
    }

    if (pid == 0x02) {
        // The DTC that triggered the freeze frame, as four hexadecimal digits.
        const PidReply reply = query(pid, mode, 2);
        if (!reply.ok)
            return {};
        return QStringLiteral("%1%2")
            .arg(reply.bytes[0], 2, 16, QChar(u'0'))
            .arg(reply.bytes[1], 2, 16, QChar(u'0'))
            .toUpper();
    }

    const PidReply reply = query(pid, mode, PidByteCount(pid));
    if (!reply.ok) {
        ++selection.FailCount[pid]; // the one-byte counter wraps after 255
        return {};
    }
    selection.FailCount[pid] = 0;
    if (pid > kLastPid)
        return ExtendedPidValue(pid, reply, reader.decimalSeparator);
    const Bytes bytes{reply.bytes[0], reply.bytes[1], reply.bytes[2], reply.bytes[3]};
    return decode(pid, bytes, ValueText(reader.decimalSeparator), selection.scaling);
}
