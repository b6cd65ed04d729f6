#pragma once

#include "core/vehicle/ElmReply.h"

#include <QByteArray>

#include <cstdint>

// What the adapter's response count digit ("010C1") rests on: whether a reply answers the request
// it was sent for, and how many CAN frames its answer took, which is what the digit counts (a
// single frame, or a first frame and each consecutive frame, one each). Requests are the
// hexadecimal text sent to the car ("010C", "01030405060C0D", "020C00", "0902").

// The codes of a unit's negative answer (7F service code) that ask for time rather than refuse.
inline constexpr std::uint8_t kResponsePending = 0x78;
inline constexpr std::uint8_t kBusyRepeatRequest = 0x21;

// Whether the message is a unit's negative answer with code.
bool IsNegativeAnswer(const ElmMessage &message, std::uint8_t code);
bool AnyNegativeAnswer(const ElmReply &reply, std::uint8_t code);

// Whether the reply holds no failure and at least one positive answer to request: its service
// and, for parameters, the freeze frame and the vehicle information, one of the PIDs asked for.
bool AnswersRequest(const ElmReply &reply, const QByteArray &request);

// The frames of the reply, as the count digit would count them, when it answers request and no
// unit asked for time; 0 otherwise.
int ResponseFrames(const ElmReply &reply, const QByteArray &request);
