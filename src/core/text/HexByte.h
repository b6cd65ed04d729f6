#pragma once

#include <QString>

#include <cstdint>

// A byte as two upper-case hexadecimal digits ("0C"), as IDs are written on screen.
inline QString HexByte(std::uint8_t value)
{
    return QStringLiteral("%1").arg(value, 2, 16, QChar(u'0')).toUpper();
}
