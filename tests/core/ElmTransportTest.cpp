#include "core/settings/AppSettings.h"
#include "core/vehicle/Elm327Vehicle.h"
#include "core/vehicle/TcpTransport.h"

#include "support/core/Elm327StandIn.h"
#include "support/core/QtPrinters.h"

#include <QElapsedTimer>
#include <QTimer>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {

constexpr ElmTimeouts kPatient{3000, 3000, 3000};

// The connection steps in order: the lines of the steps that passed, then the failing step's.
QStringList connectLines(Elm327Vehicle &link, const QString &portName)
{
    const LinkStep opened = link.OpenPort(portName);
    if (!opened.ok)
        return {opened.line};
    QStringList lines;
    using Step = LinkStep (VehicleLink::*)();
    for (Step step : {&VehicleLink::DetectInterface, &VehicleLink::ConfigureInterface, &VehicleLink::ContactVehicle}) {
        const LinkStep result = (link.*step)();
        if (!result.line.isEmpty())
            lines << result.line.split(u'\n');
        if (!result.ok)
            break;
    }
    return lines;
}

// A TCP port of 127.0.0.1 nothing listens on.
quint16 closedPort()
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    ::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address);
    ::getsockname(fd, reinterpret_cast<sockaddr *>(&address), &size);
    ::close(fd);
    return ntohs(address.sin_port);
}

// A listener of 127.0.0.1 whose queue of connections is full: further ones are never answered.
class FullListener {
public:
    FullListener()
    {
        m_listener = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof address;
        ::bind(m_listener, reinterpret_cast<sockaddr *>(&address), sizeof address);
        ::listen(m_listener, 0);
        ::getsockname(m_listener, reinterpret_cast<sockaddr *>(&address), &size);
        port = ntohs(address.sin_port);
        for (int &client : m_clients) {
            client = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
            ::connect(client, reinterpret_cast<sockaddr *>(&address), sizeof address);
        }
    }
    ~FullListener()
    {
        for (const int client : m_clients)
            ::close(client);
        ::close(m_listener);
    }
    quint16 port = 0;

private:
    int m_listener = -1;
    int m_clients[4] = {};
};

} // namespace

// The same session over each line an adapter is reached through.
TEST(ElmTransportTest, TheSameSessionRunsOverASerialPortAndOverTcp)
{
    for (const bool tcp : {false, true}) {
        SCOPED_TRACE(tcp ? "tcp" : "serial");
        std::unique_ptr<Elm327StandIn> standIn =
            tcp ? std::make_unique<Elm327StandIn>(Elm327StandIn::DefaultScript(), Elm327StandIn::Serving::Tcp)
                : std::make_unique<Elm327StandIn>();
        Elm327Vehicle link =
            tcp ? Elm327Vehicle(ElmTcpTarget{QStringLiteral("127.0.0.1"), standIn->tcpPort()}, kPatient)
                : Elm327Vehicle(38400, kPatient);
        EXPECT_EQ(connectLines(link, standIn->portName()),
                  (QStringList{QStringLiteral("Wykryto interfejs ELM327 v1.5")}));
        EXPECT_EQ(link.ReadVin(), QStringLiteral("WDB2030461A123456"));
        const PidReply rpm = link.QueryPid(0x0C, CurrentData, 2);
        EXPECT_TRUE(rpm.ok);
        EXPECT_EQ(rpm.bytes[0], 0x1A);

        // The adapter goes away: noticed at once, and a new connection works again.
        bool lost = false;
        link.setOnLinkLost([&] { lost = true; });
        standIn->unplug();
        QElapsedTimer elapsed;
        elapsed.start();
        EXPECT_FALSE(link.QueryPid(0x0D, CurrentData, 1).ok);
        EXPECT_FALSE(link.QueryPid(0x0D, CurrentData, 1).ok);
        EXPECT_TRUE(lost);
        EXPECT_LT(elapsed.elapsed(), 2000);
    }
}

TEST(ElmTransportTest, SaysWhyAWifiAdapterCannotBeReached)
{
    FullListener full;
    const struct {
        const char *name;
        quint16 port;
        const char *line;
    } cases[] = {
        {"refused", closedPort(), "Błąd: 127.0.0.1 odmówił połączenia na porcie %1 - sprawdź adres i port interfejsu"},
        {"no answer", full.port, "Błąd: 127.0.0.1 nie odpowiada na porcie %1 - sprawdź, czy interfejs jest włączony"},
    };
    for (const auto &entry : cases) {
        SCOPED_TRACE(entry.name);
        ElmTimeouts timeouts = kPatient;
        timeouts.connectMs = 300;
        Elm327Vehicle link(ElmTcpTarget{QStringLiteral("127.0.0.1"), entry.port}, timeouts);
        const LinkStep opened = link.OpenPort(QString());
        EXPECT_FALSE(opened.ok);
        EXPECT_EQ(opened.line, QString::fromUtf8(entry.line).arg(entry.port));
    }
    // What the system says of an address out of reach.
    for (const auto error : {QAbstractSocket::HostNotFoundError, QAbstractSocket::NetworkError})
        EXPECT_EQ(TcpTransport::failureLine(error, QStringLiteral("192.168.0.10"), 35000, QString()),
                  QStringLiteral("Błąd: adres 192.168.0.10 jest nieosiągalny - sprawdź, czy komputer jest połączony "
                                 "z siecią Wi-Fi interfejsu"));
    EXPECT_EQ(TcpTransport::failureLine(QAbstractSocket::SocketAccessError, QStringLiteral("h"), 1,
                                        QStringLiteral("x")),
              QStringLiteral("Błąd: nie można połączyć się z h na porcie 1 (x)"));

    // Connected, but nothing answers: the adapter's own silence.
    Elm327StandIn::Script script = Elm327StandIn::DefaultScript();
    script.silent = true;
    Elm327StandIn silent(script, Elm327StandIn::Serving::Tcp);
    Elm327Vehicle link(ElmTcpTarget{QStringLiteral("127.0.0.1"), silent.tcpPort()}, ElmTimeouts{100, 100, 100});
    EXPECT_EQ(connectLines(link, QString()),
              QStringList{
                  QStringLiteral("Błąd: interfejs pod adresem 127.0.0.1, port %1, nie odpowiada - sprawdź adres "
                                 "i port interfejsu")
                      .arg(silent.tcpPort())});
}

// An adapter that understands one line speed only: "Automatycznie" finds it, in the order
// 38400, 9600, 115200, 230400, 500000, and a fixed wrong speed finds nothing.
TEST(ElmTransportTest, FindsTheSpeedTheAdapterAnswersAt)
{
    const struct {
        int adapter;
        int chosen;
        QStringList lines;
    } cases[] = {
        {38400, kAutoBaudRate, {"Znaleziono prędkość interfejsu: 38400 b/s", "Wykryto interfejs ELM327 v1.5"}},
        {9600, kAutoBaudRate, {"Znaleziono prędkość interfejsu: 9600 b/s", "Wykryto interfejs ELM327 v1.5"}},
        {500000, kAutoBaudRate, {"Znaleziono prędkość interfejsu: 500000 b/s", "Wykryto interfejs ELM327 v1.5"}},
        {57600,
         kAutoBaudRate,
         {"Błąd: interfejs nie odpowiada przy żadnej prędkości (38400, 9600, 115200, 230400, 500000) - sprawdź "
          "podłączenie"}},
        {115200, 38400, {"Błąd: interfejs nie odpowiada - sprawdź podłączenie i prędkość portu"}},
        {115200, 115200, {"Wykryto interfejs ELM327 v1.5"}},
    };
    for (const auto &entry : cases) {
        SCOPED_TRACE(std::to_string(entry.adapter) + " " + std::to_string(entry.chosen));
        Elm327StandIn::Script script = Elm327StandIn::DefaultScript();
        script.baudRate = entry.adapter;
        Elm327StandIn standIn(script);
        ElmTimeouts timeouts{300, 300, 3000};
        timeouts.probeMs = 100;
        Elm327Vehicle link(entry.chosen, timeouts);
        EXPECT_EQ(connectLines(link, standIn.portName()).mid(0, 2), entry.lines);
        if (entry.lines.size() == 2) {
            EXPECT_EQ(link.QueryPid(0x0D, CurrentData, 1).bytes[0], 0x32);
        }
    }
}

// While a read waits on the adapter, the program's timers run; one that asks for another read
// gets a failed read at once, and the waiting read still gets its own answer.
TEST(ElmTransportTest, NoExchangeStartsInsideTheWaitOfAnother)
{
    Elm327StandIn::Script script = Elm327StandIn::DefaultScript();
    script.lateMs["010C"] = 150;
    Elm327StandIn standIn(script);
    Elm327Vehicle link(38400, kPatient);
    ASSERT_EQ(connectLines(link, standIn.portName()), QStringList{QStringLiteral("Wykryto interfejs ELM327 v1.5")});
    const std::size_t sent = standIn.commands().size();

    int ticks = 0;
    bool nestedOk = true;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        ++ticks;
        nestedOk = nestedOk && link.QueryPid(0x0D, CurrentData, 1).ok;
    });
    timer.start(10);
    const PidReply rpm = link.QueryPid(0x0C, CurrentData, 2);
    timer.stop();
    EXPECT_TRUE(rpm.ok);
    EXPECT_EQ(rpm.bytes[0], 0x1A);
    EXPECT_GT(ticks, 3); // the timers ran while the read waited
    EXPECT_FALSE(nestedOk);
    EXPECT_EQ(standIn.commands().size(), sent + 1); // nothing but the one request went out
    EXPECT_EQ(link.QueryPid(0x0D, CurrentData, 1).bytes[0], 0x32);

    // Nor from the pump that keeps the window painted while the adapter searches for the protocol.
    Elm327StandIn::Script slow = Elm327StandIn::DefaultScript();
    slow.searchMs = 300;
    Elm327StandIn searching(slow);
    Elm327Vehicle patient(38400, ElmTimeouts{3000, 3000, 100, 3000});
    int pumped = 0;
    bool nestedInPump = false;
    patient.setPump([&] {
        ++pumped;
        nestedInPump = nestedInPump || patient.QueryPid(0x0D, CurrentData, 1).ok;
    });
    EXPECT_EQ(connectLines(patient, searching.portName()),
              QStringList{QStringLiteral("Wykryto interfejs ELM327 v1.5")});
    EXPECT_GT(pumped, 0);
    EXPECT_FALSE(nestedInPump);
    EXPECT_EQ(patient.ReadVin(), QStringLiteral("WDB2030461A123456"));
}
