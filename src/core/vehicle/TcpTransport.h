#pragma once

#include "core/vehicle/ElmTransport.h"

#include <QTcpSocket>

// A TCP connection to a Wi-Fi adapter (192.168.0.10, port 35000 on most of them), without
// delaying small writes: each command is a few bytes.
class TcpTransport final : public ElmTransport {
public:
    TcpTransport(const QString &host, quint16 port);

    // The log line of a connection that failed with error: unreachable, refused, no answer or
    // the system's text.
    static QString failureLine(QAbstractSocket::SocketError error, const QString &host, quint16 port,
                               const QString &systemText);

    LinkStep open(int connectMs) override;
    void close() override;
    QIODevice &device() override { return m_socket; }
    void setOnFailure(std::function<void()> failed) override;
    void flush() override { m_socket.flush(); }

private:
    QTcpSocket m_socket;
    QString m_host;
    quint16 m_port;
};
