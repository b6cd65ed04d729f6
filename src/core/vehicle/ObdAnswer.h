#pragma once

#include "core/vehicle/ElmReply.h"
#include "core/vehicle/VehicleLink.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <vector>

// The OBD-II meaning of an adapter's reply. Parameters, the VIN and the freeze frame come from
// one unit: the engine unit (CAN 7E8, or source address 0x10), or without it the unit with the
// lowest address among those that gave a fitting answer. The fault memory, the monitor status
// and the clearing count every unit that answers. A reply that cannot be trusted (an error
// line, a broken frame, a negative answer, too few bytes) is a failed read, never a guess; the
// functions that can fail say why in *why, in the workstation's language.

// The address of the engine control unit for the header format.
std::uint32_t EngineUnitAddress(ElmHeaders headers);

// How the workstation names a unit: "$7E8h", "$18DAF110h", "$10h".
QString UnitName(std::uint32_t unit, ElmHeaders headers);

// The answers of the unit whose answer counts, among those whose bytes begin with prefix.
std::vector<QByteArray> EngineAnswers(const ElmReply &reply, ElmHeaders headers, const QByteArray &prefix,
                                      std::uint32_t *unit = nullptr);

// The positive answers to service, unit by unit in address order. Fails on an adapter error, a
// negative answer (7F service code; "answer pending", 78, only when no answer followed), a
// required unit that did not answer, and when no unit answered at all.
std::optional<std::map<std::uint32_t, std::vector<QByteArray>>> UnitAnswers(const ElmReply &reply, ElmHeaders headers,
                                                                            std::uint8_t service,
                                                                            const std::vector<std::uint32_t> &required,
                                                                            QString *why);

// The data bytes of a parameter, A first: service 0x01 (current data) answers "41 pid A B C D ...",
// service 0x02 (freeze frame) "42 pid frame A B C D ...", of frame 00, the only one asked for. The
// answer must carry byteCount data bytes (byteCount 0: at least one); the reply holds all it
// carries, up to kMaxPidBytes, and 0 in the bytes after them.
std::optional<PidReply> PidBytes(const ElmReply &reply, ElmHeaders headers, std::uint8_t service, std::uint8_t pid,
                                 int byteCount = 1, QString *why = nullptr);

// The bytes of each PID of one request for several PIDs of current data ("01 0C 0D 05"), as
// PidBytes gives them for a request of that PID alone: each unit answers once, "41" followed by
// every PID it knows, each with its byteCount data bytes; a PID is taken from the engine unit, or
// without it from the lowest address that gave it. A PID no unit gave (or a reply that failed as
// a whole) is missing, never filled in. Nothing at all when a unit's answer does not split into
// the PIDs asked for: then the car's lengths are not the ones asked for.
std::optional<std::vector<std::optional<PidReply>>>
MultiPidBytes(const ElmReply &reply, ElmHeaders headers, const std::vector<PidRequest> &pids, QString *why = nullptr);

// The raw codes of one answer to a code read (03 stored, 07 pending, 0A permanent), in order, "0000"
// padding dropped: on CAN as many as its count byte (the second) says, which the answer must hold;
// on the older protocols every pair after the service byte. Nothing when the answer is broken.
std::optional<QStringList> CodesOfAnswer(const QByteArray &answer, bool can);

// The raw codes of a code read (service 0x03 stored, 0x07 pending) of every unit, each code once,
// in unit order; "0000" padding is dropped. On CAN the answer carries the number of codes in its
// second byte; the older protocols answer "no codes" with a message of 0000 codes. Every required
// unit must answer on any protocol, so "NO DATA" is a failed read.
std::optional<QStringList> DtcCodes(const ElmReply &reply, ElmHeaders headers, std::uint8_t service,
                                    const std::vector<std::uint32_t> &required = {}, QString *why = nullptr);

// The monitor status (PID 0x01) of all units together: the lamp lit when any unit lights it, the
// stored-code count their sum, a monitor supported when any unit supports it and complete only
// when every unit that supports it has completed it. Every required unit must answer: a status
// without one of them is not read, never the status of the whole car.
MonitorStatus CombinedMonitorStatus(const ElmReply &reply, ElmHeaders headers,
                                    const std::vector<std::uint32_t> &required = {}, QString *why = nullptr);

// Whether every unit that answered the clearing (and every required unit) confirmed it (44).
bool ClearConfirmed(const ElmReply &reply, ElmHeaders headers, const std::vector<std::uint32_t> &required,
                    QString *why = nullptr);

// The VIN of service 0x09 PID 0x02: one answer on CAN, pieces numbered from 1 otherwise. Exactly
// 17 characters once the padding is dropped, or nothing.
std::optional<QString> VinText(const ElmReply &reply, ElmHeaders headers, QString *why = nullptr);

// The answers of every unit to a request of service, as ServiceAnswers lists them: each unit that
// answered or refused it, and each known unit, silent when it did neither; "response pending" only
// holds a unit's place. "NO DATA" is a reply in which no unit answered; an adapter error or a
// broken answer fails the read, saying why.
ServiceAnswers ServiceAnswersOf(const ElmReply &reply, ElmHeaders headers, std::uint8_t service,
                                const std::vector<std::uint32_t> &known);
