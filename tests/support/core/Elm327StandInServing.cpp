// How the stand-in is reached beyond its pseudo-terminal: a TCP port on 127.0.0.1, as a Wi-Fi
// adapter listens on its own network, and the line speed it insists on.
#include "support/core/Elm327StandIn.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <termios.h>
#include <unistd.h>

#include <stdexcept>
#include <utility>

void Elm327StandIn::listen()
{
    m_listener = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0; // any free port
    socklen_t size = sizeof address;
    if (m_listener < 0 || ::bind(m_listener, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0
        || ::listen(m_listener, 1) != 0
        || ::getsockname(m_listener, reinterpret_cast<sockaddr *>(&address), &size) != 0)
        throw std::runtime_error("cannot listen on 127.0.0.1");
    m_tcpPort = ntohs(address.sin_port);
    m_portName = QStringLiteral("127.0.0.1:%1").arg(m_tcpPort);
}

bool Elm327StandIn::acceptClient()
{
    int listener;
    {
        std::lock_guard lock(m_mutex);
        if (m_listener < 0 || m_master >= 0)
            return false;
        listener = m_listener;
    }
    pollfd wanted{listener, POLLIN, 0};
    if (::poll(&wanted, 1, 5) > 0 && (wanted.revents & POLLIN)) {
        std::lock_guard lock(m_mutex);
        m_master = ::accept(m_listener, nullptr, nullptr);
        // A new connection meets the adapter as it starts.
        m_echo = true;
        m_pending.clear();
        m_held.clear();
    }
    return true;
}

void Elm327StandIn::clientGone()
{
    // The program closed its end: a TCP adapter waits for the next connection; a terminal goes on.
    if (m_listener < 0 || m_master < 0)
        return;
    ::close(m_master);
    m_master = -1;
}

namespace {

// The speeds a terminal's settings name, as numbers.
constexpr std::pair<speed_t, int> kSpeeds[] = {{B9600, 9600},     {B19200, 19200},   {B38400, 38400},  {B57600, 57600},
                                               {B115200, 115200}, {B230400, 230400}, {B500000, 500000}};

int speedOf(int terminal)
{
    termios settings{};
    if (terminal < 0 || ::tcgetattr(terminal, &settings) != 0)
        return 0;
    for (const auto &[code, rate] : kSpeeds)
        if (::cfgetospeed(&settings) == code)
            return rate;
    return 0;
}

} // namespace

int Elm327StandIn::lineSpeed() const
{
    std::lock_guard lock(m_mutex);
    return speedOf(m_slave);
}

bool Elm327StandIn::answersNoise()
{
    if (m_script.baudRate == 0 || m_slave < 0 || speedOf(m_slave) == m_script.baudRate)
        return false;
    // Bits read at the wrong speed: bytes of no meaning, and never a prompt.
    send(QByteArray("\xF8\x80\x00\xE0\x1C", 5), 0);
    return true;
}
