#pragma once

#include <QString>

// Whether text names a Wi-Fi adapter the way a TCP connection can reach it: an IPv4 address in
// its four dotted numbers, an IPv6 address, or a host name (labels of letters, digits and inner
// hyphens, 63 characters at most each, 253 in all, the last one not a number).
bool IsAdapterHost(const QString &text);
