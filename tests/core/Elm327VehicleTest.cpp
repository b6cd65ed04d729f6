#include "core/faults/Readiness.h"
#include "core/livedata/FormatPidValue.h"
#include "core/livedata/SensorSelection.h"
#include "core/vehicle/Elm327Vehicle.h"

#include "support/core/Elm327StandIn.h"
#include "support/core/QtPrinters.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

namespace {

// Long enough never to run out against the stand-in, which answers at once.
constexpr ElmTimeouts kPatient{3000, 3000, 3000};
// For adapters that keep quiet: a silence is only known after waiting for it, so these waits,
// a few round trips through the terminal long, are the only real time the tests spend.
constexpr ElmTimeouts kShort{100, 100, 100};

// Opens, detects, configures and reaches the vehicle; the empty text when all steps passed,
// otherwise the line of the step that failed.
QString connect(Elm327Vehicle &link, const Elm327StandIn &standIn)
{
    const LinkStep opened = link.OpenPort(standIn.portName());
    if (!opened.ok)
        return opened.line;
    using Step = LinkStep (VehicleLink::*)();
    for (Step step : {&VehicleLink::DetectInterface, &VehicleLink::ConfigureInterface, &VehicleLink::ContactVehicle}) {
        const LinkStep result = (link.*step)();
        if (!result.ok)
            return result.line;
    }
    return {};
}

QString value(Elm327Vehicle &link, SensorSelection &selection, std::uint8_t pid, PidMode mode = CurrentData)
{
    PidReader reader{link, u',', {}};
    return FormatPidValue(reader, selection, pid, mode);
}

} // namespace

class Elm327VehicleTest : public ::testing::TestWithParam<int> {};

TEST_P(Elm327VehicleTest, ReadsEverythingTheWorkstationShows)
{
    Elm327StandIn standIn(Elm327StandIn::ScriptFor(GetParam()));
    Elm327Vehicle link(38400, kPatient);
    const LinkStep opened = link.OpenPort(standIn.portName());
    ASSERT_TRUE(opened.ok) << opened.line.toStdString();
    const LinkStep detected = link.DetectInterface();
    EXPECT_EQ(detected.line, QStringLiteral("Wykryto interfejs ELM327 v1.5"));
    EXPECT_TRUE(link.ConfigureInterface().ok);
    ASSERT_TRUE(link.ContactVehicle().ok);

    const bool can11 = GetParam() == 6;
    const LinkIdentity identity = link.Identity();
    EXPECT_EQ(identity.interfaceName, QStringLiteral("ELM327 v1.5"));
    EXPECT_EQ(identity.moduleAddress, can11 ? QStringLiteral("$7E8h") : QStringLiteral("$10h"));
    EXPECT_EQ(identity.protocol, GetParam() == 3 ? QStringLiteral("ISO 9141-2")
                                                 : QStringLiteral("ISO 15765-4 (CAN %1/500)").arg(can11 ? 11 : 29));

    // Identification and readiness: the engine's answer, not the gearbox's.
    const MonitorStatus status = link.ReadMonitorStatus();
    ASSERT_TRUE(status.ok);
    EXPECT_EQ(status.milStatusWord, 0x83);
    EXPECT_EQ(MilLit(status.milStatusWord), true);
    EXPECT_EQ(status.storedCodeCount, 3);
    const Readiness readiness = DecodeReadiness(status.readiness);
    EXPECT_EQ(MonitorStatusText(readiness.continuous[0]), QStringLiteral("Zakończony"));
    EXPECT_EQ(MonitorActiveText(readiness.nonContinuous[1]), QStringLiteral("NIE"));
    EXPECT_EQ(MonitorStatusText(readiness.nonContinuous[2]), QStringLiteral("Niezakończony"));
    EXPECT_EQ(link.ReadObdStandard(), std::optional<std::uint8_t>(3));
    EXPECT_EQ(link.ReadVin(), QStringLiteral("WDB2030461A123456"));

    // Fault memory and freeze frame.
    EXPECT_EQ(link.ReadStoredCodes(), (QStringList{"0133", "0300", "0171"}));
    EXPECT_EQ(link.ReadPendingCodes(), QStringList{"0420"});
    EXPECT_EQ(link.ReadFreezeFrameCode(), QStringLiteral("0133"));
    EXPECT_TRUE(link.ClearCodes());

    // Live values through the one formatting routine, after the support bitmaps.
    SensorSelection selection;
    DetectSupportedPids(selection, link);
    EXPECT_TRUE(selection.IsSupported(0x0C));
    EXPECT_TRUE(selection.IsSupported(0x21));
    EXPECT_FALSE(selection.IsSupported(0x0A));
    EXPECT_FALSE(selection.IsSupported(0x42));
    EXPECT_EQ(value(link, selection, 0x0C), QStringLiteral("1726"));
    EXPECT_EQ(value(link, selection, 0x0D), QStringLiteral("50"));
    EXPECT_EQ(value(link, selection, 0x05), QStringLiteral("83"));
    EXPECT_EQ(value(link, selection, 0x04), QStringLiteral("50,20"));
    EXPECT_EQ(value(link, selection, 0x0C, FreezeFrame), QStringLiteral("1000"));
    EXPECT_EQ(value(link, selection, 0x02, FreezeFrame), QStringLiteral("0133"));
    // A PID the vehicle does not know answers NO DATA: a failed read, counted.
    EXPECT_EQ(value(link, selection, 0x0A), QString());
    EXPECT_EQ(selection.FailCount[0x0A], 1);

    const std::vector<QByteArray> commands = standIn.commands();
    ASSERT_GE(commands.size(), 9u);
    EXPECT_EQ(std::vector<QByteArray>(commands.begin(), commands.begin() + 9),
              (std::vector<QByteArray>{"ATZ", "ATE0", "ATL0", "ATS1", "ATH1", "ATSP0", "0100", "ATDPN", "ATDP"}));
    link.Close();
    EXPECT_FALSE(link.QueryPid(0x0C, CurrentData, 2).ok);
}

INSTANTIATE_TEST_SUITE_P(Protocols, Elm327VehicleTest, ::testing::Values(6, 7, 3),
                         [](const auto &info) { return info.param == 6   ? std::string("Can11")
                                                       : info.param == 7 ? std::string("Can29")
                                                                         : std::string("Iso9141"); });

TEST(Elm327VehicleTest, AnswersSensiblyToWhatAdaptersDo)
{
    using Script = Elm327StandIn::Script;
    const struct {
        const char *name;
        void (*change)(Script &);
        const char *failure; // the failing step's line, or nullptr when the session works
    } cases[] = {
        {"clone keeps echo", [](Script &s) { s.keepsEcho = true; }, nullptr},
        {"no blanks", [](Script &s) { s.blanks = false; s.unknown = {"ATS1"}; }, nullptr},
        {"stray bytes", [](Script &s) { s.noise = QByteArray("\0\xFF\x1B\x7F", 4); }, nullptr},
        {"no search line", [](Script &s) { s.searching = false; }, nullptr},
        {"unable to connect", [](Script &s) { s.fixed["0100"] = "SEARCHING...\rUNABLE TO CONNECT"; },
         "Błąd: interfejs działa, ale pojazd nie odpowiada (UNABLE TO CONNECT) - sprawdź, czy zapłon jest włączony"},
        {"bus init error", [](Script &s) { s.fixed["0100"] = "BUS INIT: ...ERROR"; },
         "Błąd: interfejs działa, ale pojazd nie odpowiada (BUS INIT: ...ERROR) - sprawdź, czy zapłon jest włączony"},
        {"can error", [](Script &s) { s.fixed["0100"] = "CAN ERROR"; },
         "Błąd: interfejs działa, ale pojazd nie odpowiada (CAN ERROR) - sprawdź, czy zapłon jest włączony"},
        {"stopped", [](Script &s) { s.fixed["0100"] = "STOPPED"; },
         "Błąd: interfejs działa, ale pojazd nie odpowiada (STOPPED) - sprawdź, czy zapłon jest włączony"},
        {"no data", [](Script &s) { s.fixed["0100"] = "NO DATA"; },
         "Błąd: interfejs działa, ale pojazd nie odpowiada (NO DATA) - sprawdź, czy zapłon jest włączony"},
        {"headers unknown", [](Script &s) { s.unknown = {"ATH1"}; }, "Błąd: interfejs nie przyjął polecenia ATH1"},
        {"not an ELM327", [](Script &s) { s.identification = "OBDLink"; },
         "Błąd: urządzenie na porcie nie jest interfejsem ELM327"},
    };
    for (const auto &entry : cases) {
        SCOPED_TRACE(entry.name);
        Script script = Elm327StandIn::DefaultScript();
        entry.change(script);
        Elm327StandIn standIn(script);
        Elm327Vehicle link(38400, kPatient);
        const QString failure = connect(link, standIn);
        if (entry.failure != nullptr) {
            EXPECT_EQ(failure, QString::fromUtf8(entry.failure));
            continue;
        }
        EXPECT_EQ(failure, QString());
        EXPECT_EQ(link.ReadVin(), QStringLiteral("WDB2030461A123456"));
        const PidReply rpm = link.QueryPid(0x0C, CurrentData, 2);
        EXPECT_TRUE(rpm.ok);
        EXPECT_EQ(rpm.bytes[0], 0x1A);
        EXPECT_EQ(rpm.bytes[1], 0xF8);
    }
}

TEST(Elm327VehicleTest, GivesUpOnASilentAdapterAfterItsTimeout)
{
    Elm327StandIn::Script script = Elm327StandIn::DefaultScript();
    script.silent = true;
    Elm327StandIn silent(script);
    Elm327Vehicle link(38400, kShort);
    EXPECT_EQ(connect(link, silent),
              QStringLiteral("Błąd: interfejs nie odpowiada - sprawdź podłączenie i prędkość portu"));

    // An adapter that stops answering in the middle of a session: the read fails once its
    // timeout has passed, counts as a failed read, and the next answer is read again.
    Elm327StandIn standIn;
    Elm327Vehicle session(38400, ElmTimeouts{3000, kShort.replyMs, 3000});
    ASSERT_EQ(connect(session, standIn), QString());
    standIn.edit([](Elm327StandIn::Script &s) { s.silent = true; });
    SensorSelection selection;
    QElapsedTimer elapsed;
    elapsed.start();
    EXPECT_EQ(value(session, selection, 0x0D), QString());
    EXPECT_GE(elapsed.elapsed(), kShort.replyMs);
    EXPECT_LT(elapsed.elapsed(), 1500);
    EXPECT_EQ(selection.FailCount[0x0D], 1);
    standIn.edit([](Elm327StandIn::Script &s) { s.silent = false; });
    EXPECT_EQ(value(session, selection, 0x0D), QStringLiteral("50"));
    EXPECT_EQ(selection.FailCount[0x0D], 0);
}

TEST(Elm327VehicleTest, ReadsAnAnswerWhosePromptWasLost)
{
    Elm327StandIn standIn;
    Elm327Vehicle link(38400, ElmTimeouts{3000, kShort.replyMs, 3000});
    ASSERT_EQ(connect(link, standIn), QString());
    standIn.edit([](Elm327StandIn::Script &s) { s.losesPrompt = true; });
    EXPECT_EQ(link.QueryPid(0x0D, CurrentData, 1).bytes[0], 0x32);
    EXPECT_EQ(link.QueryPid(0x0C, CurrentData, 2).bytes[0], 0x1A);
    standIn.edit([](Elm327StandIn::Script &s) { s.losesPrompt = false; });
    EXPECT_EQ(link.ReadVin(), QStringLiteral("WDB2030461A123456"));
}

TEST(Elm327VehicleTest, FailsAtOnceOnceTheAdapterIsPulledOut)
{
    Elm327StandIn standIn;
    Elm327Vehicle link(38400, kPatient);
    ASSERT_EQ(connect(link, standIn), QString());
    ASSERT_TRUE(link.QueryPid(0x0D, CurrentData, 1).ok);
    standIn.unplug();
    QElapsedTimer elapsed;
    elapsed.start();
    for (int read = 0; read < 5; ++read)
        EXPECT_FALSE(link.QueryPid(0x0D, CurrentData, 1).ok);
    EXPECT_FALSE(link.ReadMonitorStatus().ok);
    EXPECT_LT(elapsed.elapsed(), 2000); // not five timeouts of three seconds

    // Plugged in again (here: another adapter), the same link connects anew.
    Elm327StandIn again;
    EXPECT_EQ(connect(link, again), QString());
    EXPECT_TRUE(link.QueryPid(0x0D, CurrentData, 1).ok);
}

TEST(Elm327VehicleTest, SaysWhyThePortDidNotOpen)
{
    Elm327Vehicle link;
    EXPECT_EQ(link.OpenPort(QStringLiteral("/dev/ttyKORVATH9")).line,
              QStringLiteral("Błąd: port /dev/ttyKORVATH9 nie istnieje"));

    Elm327StandIn standIn;
    Elm327Vehicle first;
    ASSERT_TRUE(first.OpenPort(standIn.portName()).ok);
    const LinkStep second = link.OpenPort(standIn.portName());
    EXPECT_FALSE(second.ok);
    EXPECT_EQ(second.line, QStringLiteral("Błąd: port %1 jest zajęty przez inny program").arg(standIn.portName()));
}
