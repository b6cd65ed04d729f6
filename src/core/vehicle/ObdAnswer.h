#pragma once

#include "core/vehicle/ElmReply.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <optional>

// The OBD-II meaning of an adapter's reply. When several control units answer, the engine
// unit's answer counts (CAN 7E8, or source address 0x10); without it, the unit with the lowest
// address among those that gave a fitting answer.

// The address of the engine control unit for the header format.
std::uint32_t EngineUnitAddress(ElmHeaders headers);

// The answers of the unit whose answer counts, among those whose bytes begin with prefix.
std::vector<QByteArray> EngineAnswers(const ElmReply &reply, ElmHeaders headers, const QByteArray &prefix,
                                      std::uint32_t *unit = nullptr);

// Bytes A, B, C, D of a parameter: service 0x01 (current data) answers "41 pid A B C D",
// service 0x02 (freeze frame) "42 pid frame A B C D". Bytes the answer lacks are 0; nothing
// when no unit answered with at least one data byte.
std::optional<std::array<std::uint8_t, 4>> PidBytes(const ElmReply &reply, ElmHeaders headers, std::uint8_t service,
                                                     std::uint8_t pid);

// The raw codes of a code read (service 0x03 stored, 0x07 pending): "0000" padding is dropped.
// On CAN the answer carries the number of codes in its second byte. "NO DATA" means no codes.
std::optional<QStringList> DtcCodes(const ElmReply &reply, ElmHeaders headers, std::uint8_t service);

// The VIN of service 0x09 PID 0x02: one answer on CAN, numbered four-byte pieces otherwise.
std::optional<QString> VinText(const ElmReply &reply, ElmHeaders headers);
