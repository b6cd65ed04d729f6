#include "core/vehicle/TcpTransport.h"

#include "core/catalogue/MessageCatalogue.h"
#include "core/vehicle/AdapterWait.h"

TcpTransport::TcpTransport(const QString &host, quint16 port) : m_host(host), m_port(port)
{
}

QString TcpTransport::failureLine(QAbstractSocket::SocketError error, const QString &host, quint16 port,
                                  const QString &systemText)
{
    const QString number = QString::number(port);
    switch (error) {
    case QAbstractSocket::HostNotFoundError:
    case QAbstractSocket::NetworkError: return LoadMessage(SHostUnreachable).arg(host);
    case QAbstractSocket::ConnectionRefusedError: return LoadMessage(SHostRefused).arg(host, number);
    case QAbstractSocket::SocketTimeoutError: return LoadMessage(SHostNoAnswer).arg(host, number);
    default: return LoadMessage(SHostFailed).arg(host, number, systemText);
    }
}

LinkStep TcpTransport::open(int connectMs)
{
    m_socket.abort();
    m_socket.connectToHost(m_host, m_port);
    AdapterWait::forSignal(&m_socket, &QAbstractSocket::connected, &m_socket, &QAbstractSocket::errorOccurred,
                           connectMs);
    if (m_socket.state() == QAbstractSocket::ConnectedState) {
        m_socket.setSocketOption(QAbstractSocket::LowDelayOption, 1);
        return {};
    }
    const QAbstractSocket::SocketError error = m_socket.error() == QAbstractSocket::UnknownSocketError
                                                   ? QAbstractSocket::SocketTimeoutError
                                                   : m_socket.error();
    const QString why = m_socket.errorString();
    m_socket.abort();
    return {false, failureLine(error, m_host, m_port, why)};
}

void TcpTransport::close()
{
    m_socket.abort();
}

void TcpTransport::setOnFailure(std::function<void()> failed)
{
    // The adapter closing its end, a dropped Wi-Fi link: the connection is gone.
    QObject::connect(&m_socket, &QAbstractSocket::errorOccurred, &m_socket,
                     [failed = std::move(failed)](QAbstractSocket::SocketError) { failed(); });
}
