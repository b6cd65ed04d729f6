#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QStringList>

#include <cstdint>
#include <vector>

// How the lines of an ELM327-compatible adapter begin when headers are shown: a CAN identifier
// of 11 bits (three hexadecimal digits, "7E8"), one of 29 bits (four bytes, "18 DA F1 10"), or
// the three header bytes of the older protocols (ISO 9141-2, ISO 14230-4, SAE J1850), whose
// lines also end in a check byte.
enum class ElmHeaders { Can11, Can29, Legacy };

// The header format of an adapter protocol number as ATDPN reports it ("6", "A6": automatic,
// now 6); the older protocols for anything that is not CAN.
ElmHeaders ElmHeadersForProtocol(const QString &describeProtocolNumber);

// What the adapter said to one command, as far as the text shows it.
enum class ElmStatus {
    Data,            // at least one complete answer of a control unit
    Ok,              // "OK"
    Text,            // other text lines (identification, protocol, voltage)
    NoData,          // "NO DATA"
    UnableToConnect, // "UNABLE TO CONNECT"
    BusInitError,    // "BUS INIT: ...ERROR"
    CanError,        // "CAN ERROR"
    Stopped,         // "STOPPED"
    UnknownCommand,  // "?"
    BusError,        // "BUS ERROR", "BUS BUSY", "FB ERROR", "DATA ERROR", "BUFFER FULL", "ERR.."
    Empty,           // nothing but echo, blanks or noise
};

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
};

// Reads the text an adapter sent in answer to command, up to its prompt (without it). Bytes
// that are not printable are dropped; an echo of the command is removed; data lines are read
// with or without blanks between the bytes. A pure function of its arguments.
ElmReply ParseElmReply(QByteArrayView received, QByteArrayView command, ElmHeaders headers);

// The text of the status, as the adapter writes it ("NO DATA"); empty for data, OK and text.
QString ElmStatusText(ElmStatus status);
