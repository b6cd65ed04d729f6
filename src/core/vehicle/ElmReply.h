#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

// How the lines of an ELM327-compatible adapter begin when headers are shown: a CAN identifier
// of 11 bits (three hexadecimal digits, "7E8"), one of 29 bits (four bytes, "18 DA F1 10"), or
// the three header bytes of the older protocols (ISO 9141-2, ISO 14230-4, SAE J1850), whose
// lines also end in a check byte.
enum class ElmHeaders { Can11, Can29, Legacy };

// The header format of an adapter protocol number as ATDPN reports it ("6", "A6": automatic,
// now 6); the older protocols for anything that is not CAN.
ElmHeaders ElmHeadersForProtocol(const QString &describeProtocolNumber);

// The header format told by the shape of an answer's lines, for adapters whose ATDPN answer is
// not a protocol number (clones that answer "OK" to everything): an odd count of digits is an
// 11-bit CAN line, four identifier bytes starting 18 DA a 29-bit one, anything else the older
// protocols. Nothing when no line looks like data.
std::optional<ElmHeaders> ElmHeadersFromLines(QByteArrayView received);

// Whether the ATDPN answer is a protocol number at all ("6", "A6").
bool IsElmProtocolNumber(const QString &describeProtocolNumber);

// What the adapter said to one command, as far as the text shows it. An error line anywhere in
// the reply makes the whole reply fail, even after answers that came through.
enum class ElmStatus {
    Data, // at least one complete answer of a control unit, and nothing broken
    Ok, // "OK"
    Text, // other text lines (identification, protocol, voltage)
    NoData, // "NO DATA"
    UnableToConnect, // "UNABLE TO CONNECT"
    BusInitError, // "BUS INIT: ...ERROR"
    CanError, // "CAN ERROR"
    Stopped, // "STOPPED"
    UnknownCommand, // "?"
    BusError, // "BUS ERROR", "BUS BUSY", "FB ERROR", "DATA ERROR", "BUFFER FULL", "ERR.."
    Broken, // a frame shorter than its length byte, a frame missing or out of sequence,
            // a line whose check byte is missing or wrong, a '>' of noise inside a line
    AdapterReset, // "LV RESET", or the start-up banner in answer to a vehicle request
    Empty, // nothing but echo, blanks or noise
};

// True for the statuses that say the command failed (everything but data, OK, text and empty).
bool ElmFailed(ElmStatus status);

// One complete answer of one control unit: the unit's address (CAN identifier, or the source
// byte of the older protocols) and the answer's bytes from the service byte on ("41 0C 1A F8").
struct ElmMessage {
    std::uint32_t source = 0;
    QByteArray bytes;
};

struct ElmReply {
    ElmStatus status = ElmStatus::Empty;
    // The meaningful lines, upper-case, without the echo of the command, "SEARCHING..." and noise.
    QStringList lines;
    // The answers of the control units in the order they completed; CAN answers spread over
    // several frames are joined.
    std::vector<ElmMessage> messages;
    // The line that made the reply fail, as the adapter wrote it ("CAN ERROR",
    // "7E8 05 41 0C 1A"); empty unless the status is a failure.
    QString failure;
};

// Reads the text an adapter sent in answer to command, up to its prompt (without it). Bytes
// that are not printable are dropped; an echo of the command is removed; data lines are read
// with or without blanks between the bytes. Nothing is filled in or cut short: a line that does
// not fit its header format, length byte or check byte makes the reply Broken. A pure function
// of its arguments.
ElmReply ParseElmReply(QByteArrayView received, QByteArrayView command, ElmHeaders headers);

// The text of the status, as the adapter writes it ("NO DATA"); empty for data, OK and text.
QString ElmStatusText(ElmStatus status);
