#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

// One unit's answers to vehicle information (service 09), InfoType by InfoType, as the link gives
// them (each from 0x49 on). On CAN an InfoType answers once: the InfoType, the number of data
// items, the items. On the older protocols it answers in numbered messages of four data bytes
// each, and a message-count InfoType before it tells how many messages there are to be.

namespace InfoType {
inline constexpr std::uint8_t kSupported = 0x00; // InfoTypes 01-20, as a bitmap
inline constexpr std::uint8_t kVin = 0x02;
inline constexpr std::uint8_t kCalibrationIds = 0x04; // 16 characters each
inline constexpr std::uint8_t kCvns = 0x06; // 4 bytes each, in the order of the calibration IDs
inline constexpr std::uint8_t kInUseSpark = 0x08; // in-use performance tracking, spark ignition
inline constexpr std::uint8_t kName = 0x0A; // 20 characters
inline constexpr std::uint8_t kInUseCompression = 0x0B; // the same for compression ignition
} // namespace InfoType

// The InfoType that tells, on the older protocols, how many messages the answer to infoType takes
// (01, 03, 05, 07, 09 for 02, 04, 06, 08, 0A); 0 for one without.
std::uint8_t MessageCountInfoType(std::uint8_t infoType);

// The bitmap of InfoTypes 01-20 in a unit's answers to 09 00 (its most significant bit is InfoType
// 01); nothing when they hold none.
std::optional<std::uint32_t> SupportedInfoTypes(const std::vector<QByteArray> &answers);
bool SupportsInfoType(std::uint32_t bitmap, std::uint8_t infoType);
// The InfoTypes of a bitmap as two hexadecimal digits each, in order: "02 04 06 0A".
QString InfoTypeList(std::uint32_t bitmap);

// The number of messages a message-count InfoType announces ("49 03 04": four).
std::optional<int> AnnouncedMessages(const std::vector<QByteArray> &answers, std::uint8_t countInfoType);

// The data items of a unit's answer to infoType, itemSize bytes each, one after another. On CAN the
// answer's count of items must fit its bytes; on the older protocols the messages must run 1, 2,
// 3... without a gap and, when a count was announced, be as many. Nothing, and why in *why, when
// the answer is cut short or broken.
std::optional<QByteArray> InfoTypeItems(const std::vector<QByteArray> &answers, std::uint8_t infoType, bool can,
                                        int itemSize, std::optional<int> announced, QString *why);

// The characters of a name or calibration ID, NULs (padding) left out; a byte that is no printable
// ASCII character shows as "?".
QString InfoText(const QByteArray &bytes);
// The texts of consecutive items of size bytes each (calibration IDs: 16).
QStringList InfoTexts(const QByteArray &items, int size);
// Calibration verification numbers: each four bytes as eight upper-case hexadecimal digits.
QStringList CvnTexts(const QByteArray &items);
// Counters of two bytes each, the most significant first.
std::vector<int> Counters(const QByteArray &items);
