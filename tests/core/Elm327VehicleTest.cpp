#include "core/vehicle/Elm327Vehicle.h"
#include "core/faults/Readiness.h"
#include "core/livedata/FormatPidValue.h"
#include "core/livedata/PassPidReads.h"
#include "core/livedata/SensorSelection.h"
#include "core/units/ControlUnits.h"
#include "core/units/UnitTexts.h"

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
// An adapter's reply time of 150 ms, and a second for each "response pending" or bus
// initialisation: a car that takes 400 ms more stands for one that takes seconds.
constexpr ElmTimeouts kScaled{3000, 150, 3000, 30000, 0, 5000, 500, 1000, 30000, 100};

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

    // Each unit's own data, over several frames on CAN and in counted messages otherwise, and the
    // battery the adapter measures.
    const ControlUnitsReading units = ReadControlUnits(link);
    QStringList seen;
    for (const ControlUnit &unit : units.units) {
        QString text = UnitTitle(unit) + u':';
        for (const CalibrationRow &row : CalibrationRows(unit))
            text += u' ' + row.id + u'=' + row.cvn;
        text += QStringLiteral("; ") + InUseCountersText(unit) + QStringLiteral("; ");
        for (const PermanentCodeRow &row : PermanentCodeRows(units, unit, DtcOrigin::RealVehicle))
            text += row.code.isEmpty() ? row.description : row.code;
        seen << text;
    }
    const QString engine = can11             ? QStringLiteral("$7E8h")
                           : GetParam() == 7 ? QStringLiteral("$18DAF110h")
                                             : QStringLiteral("$10h");
    const QString gearbox = can11             ? QStringLiteral("$7E9h")
                            : GetParam() == 7 ? QStringLiteral("$18DAF118h")
                                              : QStringLiteral("$18h");
    EXPECT_EQ(seen, (QStringList{engine
                                     + QStringLiteral(" ECM-EngineControl: KVD11B0204=1A2B3C4D KVD11B0205ABC=00C0FFEE; "
                                                      "Mianownik ogólny: 512, Cykle zapłonu: 2044; P0420"),
                                 gearbox
                                     + QStringLiteral(" TCM-TransmissionCtl: TCM5HP19-0815=DEADBEEF; nieobsługiwane "
                                                      "przez sterownik; nieobsługiwane przez sterownik")}));
    EXPECT_EQ(units.batteryVolts, std::optional<double>(12.6));

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
    ASSERT_GE(commands.size(), 10u);
    EXPECT_EQ(std::vector<QByteArray>(commands.begin(), commands.begin() + 10),
              (std::vector<QByteArray>{"ATZ", "ATE0", "ATL0", "ATS1", "ATH1", "ATAT1", "ATSP0", "0100", "ATDPN",
                                       "ATDP"}));
    link.Close();
    EXPECT_FALSE(link.QueryPid(0x0C, CurrentData, 2).ok);
}

INSTANTIATE_TEST_SUITE_P(Protocols, Elm327VehicleTest, ::testing::Values(6, 7, 3), [](const auto &info) {
    return info.param == 6 ? std::string("Can11") : info.param == 7 ? std::string("Can29") : std::string("Iso9141");
});

TEST(Elm327VehicleTest, AnswersSensiblyToWhatAdaptersDo)
{
    using Script = Elm327StandIn::Script;
    const struct {
        const char *name;
        void (*change)(Script &);
        const char *failure; // the failing step's line, or nullptr when the session works
    } cases[] = {
        {"clone keeps echo", [](Script &s) { s.keepsEcho = true; }, nullptr},
        {"no blanks",
         [](Script &s) {
             s.blanks = false;
             s.unknown = {"ATS1"};
         },
         nullptr},
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
        {"no adaptive timing", [](Script &s) { s.unknown = {"ATAT1"}; }, nullptr},
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

    // One that answers its reset and then nothing has not refused the next command.
    script = Elm327StandIn::DefaultScript();
    script.lateMs["ATE0"] = 60000;
    Elm327StandIn quietAfterReset(script);
    Elm327Vehicle resetLink(38400, kShort);
    EXPECT_EQ(connect(resetLink, quietAfterReset),
              QStringLiteral("Błąd: interfejs przestał odpowiadać (brak odpowiedzi na ATE0) - sprawdź podłączenie i "
                             "połącz ponownie"));

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

namespace {

enum class Ask { None, Stored, Status, Clear, Vin, Rpm, Speed, Freeze, Permanent };

// What the link makes of one read: the value as text, or "!" and the reason it gives.
QString ask(Elm327Vehicle &link, Ask what)
{
    switch (what) {
    case Ask::Stored: {
        const auto codes = link.ReadStoredCodes();
        return codes ? codes->join(u',') : u'!' + link.LastFailure();
    }
    case Ask::Status: {
        const MonitorStatus status = link.ReadMonitorStatus();
        return status.ok ? QStringLiteral("%1 %2 %3")
                               .arg(status.milStatusWord & 0x80 ? "lit" : "out")
                               .arg(status.storedCodeCount)
                               .arg(status.readiness.c, 2, 16, QChar(u'0'))
                         : u'!' + link.LastFailure();
    }
    case Ask::Clear: return link.ClearCodes() ? QStringLiteral("cleared") : u'!' + link.LastFailure();
    case Ask::Vin: return link.ReadVin().value_or(u'!' + link.LastFailure());
    case Ask::Rpm: {
        const PidReply rpm = link.QueryPid(0x0C, CurrentData, 2);
        return rpm.ok ? QString::number(rpm.bytes[0] * 256 + rpm.bytes[1]) : u'!' + link.LastFailure();
    }
    case Ask::Speed: {
        const PidReply speed = link.QueryPid(0x0D, CurrentData, 1);
        return speed.ok ? QString::number(speed.bytes[0]) : u'!' + link.LastFailure();
    }
    case Ask::Freeze: return link.ReadFreezeFrameCode().value_or(u'!' + link.LastFailure());
    case Ask::Permanent: {
        // A service the link passes on: each unit's answers, refusal or silence.
        const ServiceAnswers answers = link.QueryService(QByteArray::fromHex("0A"));
        if (!answers.ok)
            return u'!' + answers.failure;
        QStringList units;
        for (const UnitServiceAnswer &unit : answers.units) {
            QString text = unit.name + (answers.can ? QString() : QStringLiteral(" legacy"));
            for (const QByteArray &answer : unit.answers)
                text += u' ' + QString::fromLatin1(answer.toHex().toUpper());
            if (unit.refusal)
                text += QStringLiteral(" refused %1").arg(*unit.refusal, 2, 16, QChar(u'0'));
            if (unit.answers.empty() && !unit.refusal)
                text += QStringLiteral(" silent");
            units << text;
        }
        return units.join(u';');
    }
    case Ask::None: break;
    }
    return {};
}

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

} // namespace

// Adapters and cars as they are met in a workshop, one behaviour a row: several units, refusals,
// error lines, the older protocols' headers, clones and resets. Nothing may read as a clean car.
TEST(Elm327VehicleTest, SaysOnlyWhatTheCarSaid)
{
    using Script = Elm327StandIn::Script;
    auto gearbox = [](Script &s) -> Elm327StandIn::Unit & { return s.units[0]; };
    auto engine = [](Script &s) -> Elm327StandIn::Unit & { return s.units[1]; };
    const char *refused = "!sterownik $7E9h odmówił (7F 04 22: warunki nie pozwalają - np. pracuje silnik)";
    const struct {
        const char *name;
        int protocol;
        std::function<void(Script &)> change;
        Ask what;
        const char *expected;
        // A second read after the first, and what it must give; the last request it sent.
        Ask then = Ask::None;
        const char *thenExpected = nullptr;
        const char *lastSent = nullptr;
        ElmTimeouts timeouts = kPatient;
    } cases[] = {
        {"codes of both units, each once", 6, [&](Script &s) { gearbox(s).answers["03"] = {hex("430207000133")}; },
         Ask::Stored, "0133,0300,0171,0700"},
        {"the gearbox lights the lamp", 6, [&](Script &s) { gearbox(s).answers["0101"] = {hex("410181000000")}; },
         Ask::Status, "lit 4 65"},
        {"the gearbox refuses the clear", 6, [&](Script &s) { gearbox(s).answers["04"] = {hex("7F0422")}; }, Ask::Clear,
         refused},
        {"the gearbox keeps quiet", 6, [&](Script &s) { gearbox(s).answers.erase("03"); }, Ask::Stored,
         "!sterownik $7E9h nie odpowiedział"},
        {"no unit answers the codes", 6, [](Script &s) { s.fixed["03"] = "NO DATA"; }, Ask::Stored, "!NO DATA"},
        {"an error line after the answer", 6, [](Script &s) { s.fixed["03"] = "7E8 04 43 01 01 33\rCAN ERROR"; },
         Ask::Stored, "!CAN ERROR"},
        {"answer pending, then the answer", 6, [&](Script &s) { engine(s).answers["03"].prepend(hex("7F0378")); },
         Ask::Stored, "0133,0300,0171"},
        {"conditions not correct", 6, [&](Script &s) { engine(s).answers["03"] = {hex("7F0322")}; }, Ask::Stored,
         "!sterownik $7E8h odmówił (7F 03 22: warunki nie pozwalają - np. pracuje silnik)"},
        {"one byte of two", 6, [&](Script &s) { engine(s).answers["010C"] = {hex("410C1A")}; }, Ask::Rpm,
         "!niepełna lub uszkodzona odpowiedź (41 0C 1A)"},
        {"ISO 14230-4", 5, nullptr, Ask::Stored, "0133,0300,0171"},
        {"ISO 14230-4 VIN", 5, nullptr, Ask::Vin, "WDB2030461A123456"},
        {"SAE J1850", 1, nullptr, Ask::Stored, "0133,0300,0171"},
        {"a lost VIN piece", 3, [&](Script &s) { engine(s).answers["0902"].removeAt(1); }, Ask::Vin,
         "!niepełna lub uszkodzona odpowiedź (33 30 34 36)"},
        {"a clone that answers OK to everything", 7, [](Script &s) { s.okToEverything = true; }, Ask::Stored,
         "0133,0300,0171"},
        {"a reset in the middle of the session", 6, [](Script &s) { s.resetsOn = "03"; }, Ask::Stored,
         "0133,0300,0171"},
        // A unit known from the connection that keeps quiet leaves the status unread.
        {"the gearbox keeps quiet on the status", 6, [&](Script &s) { gearbox(s).answers.erase("0101"); }, Ask::Status,
         "!sterownik $7E9h nie odpowiedział"},
        {"a gearbox that says it has no status", 6,
         [&](Script &s) {
             gearbox(s).answers["0100"] = {hex("410000000001")};
             gearbox(s).answers.erase("0101");
         },
         Ask::Status, "lit 3 65"},
        {"an older protocol's NO DATA", 3, [](Script &s) { s.fixed["03"] = "NO DATA"; }, Ask::Stored, "!NO DATA"},
        {"an older protocol's gearbox keeps quiet", 3, [&](Script &s) { gearbox(s).answers.erase("03"); }, Ask::Stored,
         "!sterownik $18h nie odpowiedział"},
        {"an older protocol's gearbox does not clear", 5, [&](Script &s) { gearbox(s).answers.erase("04"); },
         Ask::Clear, "!sterownik $18h nie odpowiedział"},
        // A car that takes its time: seconds of "response pending", a unit busy for a moment, the
        // bus initialised again on an older protocol.
        {"response pending, then the clear", 6, [](Script &s) { s.pendingMs["04"] = 400; }, Ask::Clear, "cleared",
         Ask::None, nullptr, nullptr, kScaled},
        {"response pending, then the codes", 6, [](Script &s) { s.pendingMs["03"] = 400; }, Ask::Stored,
         "0133,0300,0171", Ask::None, nullptr, nullptr, kScaled},
        {"busy, then the codes", 6, [](Script &s) { s.busyTimes["03"] = 2; }, Ask::Stored, "0133,0300,0171"},
        {"busy for good", 6, [](Script &s) { s.busyTimes["03"] = 4; }, Ask::Stored,
         "!sterownik $7E8h odmówił (7F 03 21)", Ask::Stored, "0133,0300,0171"},
        {"the bus initialised again", 3, [](Script &s) { s.busInitMs["03"] = 400; }, Ask::Stored, "0133,0300,0171",
         Ask::None, nullptr, nullptr, kScaled},
        {"lines ended by a line feed alone", 6, [](Script &s) { s.lineFeedsOnly = true; }, Ask::Stored,
         "0133,0300,0171"},
        {"a freeze frame of frame 01", 6, [&](Script &s) { engine(s).answers["020200"] = {hex("4202010133")}; },
         Ask::Freeze, "!niepełna lub uszkodzona odpowiedź (42 02 01 01 33)"},
        // Noise that looks like the prompt fails that read alone; the link keeps in step.
        {"a '>' of noise in the data", 6,
         [](Script &s) {
             s.fixed["010C"] = "7E8 04 41 0C 1A>F8";
             s.stallMs["010C"] = 30;
         },
         Ask::Rpm, "!niepełna lub uszkodzona odpowiedź (7E8 04 41 0C 1A>F8)", Ask::Vin, "WDB2030461A123456"},
        // The count digit counts frames: the VIN takes three; a counted answer about another PID
        // is no confirmation, and the plain request is asked instead.
        {"the VIN counted", 6, [](Script &s) { s.countDigit = Elm327StandIn::CountDigit::Accepted; }, Ask::Vin,
         "WDB2030461A123456", Ask::Vin, "WDB2030461A123456", "09023"},
        {"a counted answer about another PID", 6,
         [](Script &s) {
             s.countDigit = Elm327StandIn::CountDigit::Accepted;
             s.fixed["010D1"] = "7E8 04 41 0C 1A F8";
         },
         Ask::Speed, "50", Ask::Speed, "50", "010D"},
        // A service the workstation decodes itself comes back unit by unit: answers, a refusal,
        // a known unit's silence, an older protocol's numbered messages each on its own.
        {"a service answered unit by unit", 6,
         [&](Script &s) {
             engine(s).answers["0A"] = {hex("4A0101330000")};
             gearbox(s).answers["0A"] = {hex("7F0A11")};
         },
         Ask::Permanent, "$7E8h 4A0101330000;$7E9h refused 11"},
        {"a known unit silent on a service", 6,
         [&](Script &s) {
             engine(s).answers["0A"] = {hex("4A00")};
             gearbox(s).answers.erase("0A");
         },
         Ask::Permanent, "$7E8h 4A00;$7E9h silent"},
        {"no unit answers a service", 6,
         [&](Script &s) {
             engine(s).answers.erase("0A");
             gearbox(s).answers.erase("0A");
         },
         Ask::Permanent, "$7E8h silent;$7E9h silent"},
        {"a service on an older protocol", 3,
         [&](Script &s) {
             engine(s).answers["0A"] = {hex("4A01330300"), hex("4A07000000")};
             gearbox(s).answers.erase("0A");
         },
         Ask::Permanent, "$10h legacy 4A01330300 4A07000000;$18h legacy silent"},
        {"an error line on a service", 6, [](Script &s) { s.fixed["0A"] = "CAN ERROR"; }, Ask::Permanent, "!CAN ERROR"},
    };
    for (const auto &entry : cases) {
        SCOPED_TRACE(entry.name);
        Script script = Elm327StandIn::ScriptFor(entry.protocol);
        if (entry.change)
            entry.change(script);
        Elm327StandIn standIn(script);
        Elm327Vehicle link(38400, entry.timeouts);
        ASSERT_EQ(connect(link, standIn), QString());
        EXPECT_EQ(ask(link, entry.what), QString::fromUtf8(entry.expected));
        if (entry.then != Ask::None) {
            EXPECT_EQ(ask(link, entry.then), QString::fromUtf8(entry.thenExpected));
        }
        if (entry.lastSent != nullptr) {
            EXPECT_EQ(standIn.commands().back(), QByteArray(entry.lastSent));
        }
    }
}

// The adapter's own timing: a search that takes longer than the first wait, and an answer that
// comes after its timeout. These few stand-in delays, a fraction of a second each, are real.
TEST(Elm327VehicleTest, WaitsOutTheSearchAndNeverTakesALateAnswerForALaterOne)
{
    Elm327StandIn::Script slow = Elm327StandIn::DefaultScript();
    slow.searchMs = 400;
    Elm327StandIn searching(slow);
    Elm327Vehicle patient(38400, ElmTimeouts{3000, 3000, 150, 3000});
    int pumps = 0;
    patient.setPump([&] { ++pumps; });
    EXPECT_EQ(connect(patient, searching), QString());
    EXPECT_GT(pumps, 2); // the window is repainted while the adapter searches

    Elm327StandIn::Script late = Elm327StandIn::DefaultScript();
    late.lateMs["0101"] = 400;
    Elm327StandIn standIn(late);
    Elm327Vehicle link(38400, ElmTimeouts{3000, 150, 3000, 3000, 1500});
    ASSERT_EQ(connect(link, standIn), QString());
    EXPECT_EQ(ask(link, Ask::Status), QStringLiteral("!brak odpowiedzi w wyznaczonym czasie"));
    // The lamp goes out meanwhile: the next read must say so, not repeat the late answer.
    standIn.edit([](Elm327StandIn::Script &s) {
        s.lateMs.clear();
        s.units[1].answers["0101"] = {QByteArray::fromHex("410100076504")};
    });
    EXPECT_EQ(ask(link, Ask::Status), QStringLiteral("out 0 65"));
}

namespace {

// The sensor loop's default PIDs.
const std::vector<std::uint8_t> kNinePids{0x03, 0x04, 0x05, 0x06, 0x0C, 0x0D, 0x0E, 0x10, 0x11};

// One pass over the nine PIDs as the sensor loop reads them: the values in order.
QStringList pass(Elm327Vehicle &link, SensorSelection &selection)
{
    PassPidReads reads(link, kNinePids);
    PidReader reader{link, u',', {}};
    QStringList values;
    for (const std::uint8_t pid : kNinePids)
        values << FormatPidValue(reader, selection, pid, CurrentData, reads.query());
    return values;
}

} // namespace

// The response count digit and several PIDs in one request, each as adapters and cars handle
// them: the values of every pass are exactly those of one plain request a PID, and the last pass
// goes over the wire as the row says.
TEST(Elm327VehicleTest, ReadsLiveValuesTheFastestWayTheAdapterAndCarAllow)
{
    using Script = Elm327StandIn::Script;
    using Digit = Elm327StandIn::CountDigit;
    using Several = Elm327StandIn::SeveralPids;
    const std::vector<QByteArray> plain{"0103", "0104", "0105", "0106", "010C", "010D", "010E", "0110", "0111"};
    const std::vector<QByteArray> counted{"01031", "01041", "01051", "01061", "010C1",
                                          "010D1", "010E1", "01101", "01111"};
    const struct {
        const char *name;
        Digit digit;
        Several several;
        std::function<void(Script &)> change;
        std::vector<QByteArray> lastPass;
        bool restarts = false; // the support bitmaps read again before each pass, as "Start" does
    } cases[] = {
        {"count digit accepted", Digit::Accepted, Several::None, nullptr, counted},
        {"count digit ignored", Digit::Ignored, Several::None, nullptr, counted},
        {"count digit refused", Digit::Refused, Several::None, nullptr, plain},
        {"count digit taken for data", Digit::Garbled, Several::None, nullptr, plain},
        // The gearbox answers the speed too, first: a count of 1 would show its speed.
        {"two units answer the speed",
         Digit::Accepted,
         Several::None,
         [](Script &s) { s.units[0].answers["010D"] = {QByteArray::fromHex("410D14")}; },
         {"01031", "01041", "01051", "01061", "010C1", "010D2", "010E1", "01101", "01111"}},
        // One unit's answer to six PIDs spans a first frame and two consecutive frames.
        {"several PIDs answered whole", Digit::Accepted, Several::Whole, nullptr, {"01030405060C0D3", "010E10112"}},
        {"several PIDs answered whole, the loop started again each pass",
         Digit::Accepted,
         Several::Whole,
         nullptr,
         {"01030405060C0D3", "010E10112"},
         true},
        {"several PIDs without the count",
         Digit::Refused,
         Several::Whole,
         nullptr,
         {"01030405060C0D3", "01030405060C0D", "010E1011"}},
        {"several PIDs from two units",
         Digit::Accepted,
         Several::Whole,
         [](Script &s) {
             s.units[0].answers["010D"] = {QByteArray::fromHex("410D14")};
             s.units[1].answers.erase("0111");
         },
         {"01030405060C0D4", "010E10111"}},
        {"only the first PID answered", Digit::Accepted, Several::FirstOnly, nullptr, counted},
        {"several PIDs refused", Digit::Accepted, Several::None, nullptr, counted},
        // A PID the car does not have is a failed read either way, never a zero.
        {"a PID missing from the answer",
         Digit::Accepted,
         Several::Whole,
         [](Script &s) { s.units[1].answers.erase("0106"); },
         {"01030405060C0D2", "010E10112"}},
        {"an older protocol: one plain PID a request", Digit::Accepted, Several::Whole,
         [](Script &s) { s = Elm327StandIn::ScriptFor(3); }, plain},
        {"an answer that does not split", Digit::Accepted, Several::Whole,
         [](Script &s) { s.units[1].answers["010C"] = {QByteArray::fromHex("410C1AF800")}; }, counted},
    };
    for (const auto &entry : cases) {
        SCOPED_TRACE(entry.name);
        std::vector<QStringList> passes[2];
        std::vector<QByteArray> lastPass;
        for (const bool fast : {false, true}) {
            Script script = Elm327StandIn::DefaultScript();
            if (entry.change)
                entry.change(script);
            if (fast) {
                script.countDigit = entry.digit;
                script.severalPids = entry.several;
            }
            Elm327StandIn standIn(script);
            Elm327Vehicle link(38400, kPatient);
            ASSERT_EQ(connect(link, standIn), QString());
            SensorSelection selection;
            for (int round = 0; round < 3; ++round) {
                if (entry.restarts)
                    DetectSupportedPids(selection, link);
                const std::size_t before = standIn.commands().size();
                passes[fast].push_back(pass(link, selection));
                const std::vector<QByteArray> sent = standIn.commands();
                lastPass.assign(sent.begin() + std::ptrdiff_t(before), sent.end());
            }
        }
        EXPECT_EQ(passes[1], passes[0]);
        EXPECT_EQ(passes[1][2].value(5), QStringLiteral("50")); // the engine's speed
        EXPECT_EQ(lastPass, entry.lastPass);
    }
}

// A recent car announces PIDs past 0x4E: the bitmaps are followed to 0xA0, and its values are
// read with their own lengths (a particulate filter's nine bytes in two frames), together where
// the car allows and the same either way; 0x65, which has no rule, is asked for alone.
TEST(Elm327VehicleTest, ReadsTheRecentCarsPidsPastFourEWithTheirLengths)
{
    const std::vector<std::uint8_t> pids{0x0C, 0x5C, 0x5E, 0x61, 0x62, 0x63, 0x65, 0x7C, 0x8E, 0xA6};
    const QStringList expected{"1726", "83",      "5,00", "25", "15", "350", "01 00", "360,0 / 310,0 / N/A / N/A",
                               "10",   "200000,0"};
    const std::vector<QByteArray> lastPass[2] = {{"010C", "015C", "015E", "0161", "0162", "0163", "0165", "017C",
                                                  "018E", "01A6"},
                                                 {"010C5C5E6162633", "01651", "017C8EA63"}};
    for (const bool fast : {false, true}) {
        SCOPED_TRACE(fast ? "fast" : "plain");
        Elm327StandIn::Script script = Elm327StandIn::RecentCarScript();
        if (fast) {
            script.countDigit = Elm327StandIn::CountDigit::Accepted;
            script.severalPids = Elm327StandIn::SeveralPids::Whole;
        }
        Elm327StandIn standIn(script);
        Elm327Vehicle link(38400, kPatient);
        ASSERT_EQ(connect(link, standIn), QString());
        SensorSelection selection;
        const std::size_t beforeDetection = standIn.commands().size();
        DetectSupportedPids(selection, link);
        const std::vector<QByteArray> sent = standIn.commands();
        EXPECT_EQ(std::vector<QByteArray>(sent.begin() + std::ptrdiff_t(beforeDetection), sent.end()),
                  (std::vector<QByteArray>{"0100", "0120", "0140", "0160", "0180", "01A0", "014F"}));
        for (const std::uint8_t pid : pids)
            EXPECT_EQ(selection.isAnnounced(pid), pid > 0x4E) << int(pid);
        EXPECT_EQ(selection.scaling.ratio, 2);

        PidReader reader{link, u',', {}};
        std::vector<QByteArray> commands;
        for (int round = 0; round < 3; ++round) {
            const std::size_t before = standIn.commands().size();
            PassPidReads reads(link, pids);
            QStringList values;
            for (const std::uint8_t pid : pids)
                values << FormatPidValue(reader, selection, pid, CurrentData, reads.query());
            EXPECT_EQ(values, expected) << round;
            const std::vector<QByteArray> now = standIn.commands();
            commands.assign(now.begin() + std::ptrdiff_t(before), now.end());
        }
        EXPECT_EQ(commands, lastPass[fast]);
    }
}

// In the stand-in's model of a CAN car's timing (real time, a few tenths of a second): a request
// with the count digit is answered as soon as the engine has, the plain one only after the
// adapter's wait for further units.
TEST(Elm327VehicleTest, TheCountDigitSparesTheAdaptersWait)
{
    Elm327StandIn::Script script = Elm327StandIn::DefaultScript();
    script.countDigit = Elm327StandIn::CountDigit::Accepted;
    script.timing.baud = 115200;
    Elm327StandIn standIn(script);
    Elm327Vehicle link(115200, kPatient);
    ASSERT_EQ(connect(link, standIn), QString());
    QElapsedTimer elapsed;
    elapsed.start();
    ASSERT_TRUE(link.QueryPid(0x0D, CurrentData, 1).ok); // plain: the number of units is learnt
    const qint64 plain = elapsed.restart();
    ASSERT_TRUE(link.QueryPid(0x0D, CurrentData, 1).ok);
    const qint64 counted = elapsed.elapsed();
    EXPECT_GE(plain, script.timing.carMs + script.timing.waitMs);
    EXPECT_GE(counted, script.timing.carMs);
    EXPECT_LT(counted, plain / 2);
    EXPECT_EQ(standIn.commands().back(), QByteArray("010D1"));
}
