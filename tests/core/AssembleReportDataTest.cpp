#include "core/report/AssembleReportData.h"

#include "core/livedata/FormatPidValue.h"
#include "core/vehicle/SimulatedVehicle.h"

#include "support/core/QtPrinters.h"
#include "support/core/ScriptedVehicle.h"
#include "support/core/VirtualClock.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class AssembleReportDataTest : public ::testing::Test {
protected:
    void SetUp() override { vehicle.clock = &clock; }

    void assemble(const ReportVehicleFacts &facts = SimulatedReportVehicleFacts())
    {
        AssembleReportData(report, facts, reader, clock);
    }

    VirtualClock clock;
    ScriptedVehicle vehicle;
    QStringList debugLines;
    PidReader reader{vehicle, u',', [this](const QString &line) { debugLines << line; }};
    ReportData report;
};

} // namespace

TEST_F(AssembleReportDataTest, FixedVehicleGivesTheResultsOfTheReport)
{
    vehicle.answer(0x11);
    report.WorkshopName = u"stays"_s;
    assemble();

    ASSERT_EQ(vehicle.queries.size(), 1u);
    EXPECT_EQ(vehicle.queries[0].pid, 0x13);
    EXPECT_EQ(vehicle.queries[0].mode, PidMode::CurrentData);
    EXPECT_EQ(clock.now(), 100 + 500); // one query and the monitors' pause
    EXPECT_EQ(debugLines.size(), 1); // the read is logged as every read is

    EXPECT_EQ(report.O2SensorLocations, u"B1S1 B2S1 "_s);
    EXPECT_EQ(report.O2SensorCount, u"2"_s);
    EXPECT_EQ(report.MilText, u"Zapalona"_s);
    EXPECT_EQ(
        report.StoredLines,
        (QStringList{u"P0301 - Cylinder 1 - wykryte wypadanie zapłonów "_s,
                     u"P0103 - Czujnik masowego lub objętościowego przepływu powietrza - wysoki sygnał wejściowy "_s,
                     u"P0252 - Wirnik / krzywka pompy wtryskowej A - sygnał poza zakresem / działanie "_s,
                     u"B0848 - Obwód napięcia odniesienia 5V - wysoki sygnał wejściowy"_s}));
    EXPECT_EQ(report.PendingLines,
              (QStringList{u"P0322 - Obwód wejścia prędkości silnika dla rozdzielacza / zapłonu - brak sygnału "_s,
                           u"P0445 - Układ odprowadzania par paliwa, obwód sterujący zaworu oczyszczania - zwarcie "_s,
                           u"P0268 - Wtryskiwacz cylindra 3 - wysoki sygnał "_s,
                           u"C0732 - Przyspieszeniomierz lewy tylny - niski sygnał wejściowy"_s}));
    const std::array<QString, 4> continuous{QString(), u"Brak"_s, u"Zakończony"_s, u"Niezakończony"_s};
    const std::array<QString, 9> nonContinuous{QString(),          u"Brak"_s,       u"Zakończony"_s,
                                               u"Brak"_s,          u"Zakończony"_s, u"Brak"_s,
                                               u"Niezakończony"_s, u"Brak"_s,       u"Niezakończony"_s};
    EXPECT_EQ(report.ContinuousMonitorTexts, continuous);
    EXPECT_EQ(report.NonContinuousMonitorTexts, nonContinuous);
    EXPECT_EQ(report.WorkshopName, u"stays"_s);
}

TEST_F(AssembleReportDataTest, OxygenSensorCountIsTheNumberOfTokens)
{
    EXPECT_EQ(O2SensorCountText(u"B1S1 B2S1 "_s), u"2"_s);
    EXPECT_EQ(O2SensorCountText(QString()), u"0"_s);
    EXPECT_EQ(O2SensorCountText(u"B1S1 B1S2 B1S3 B1S4 B2S1 B2S2 B2S3 B2S4 "_s), u"8"_s);

    vehicle.fail(); // a failed read: no sensors
    assemble();
    EXPECT_EQ(report.O2SensorLocations, QString());
    EXPECT_EQ(report.O2SensorCount, u"0"_s);
}

TEST_F(AssembleReportDataTest, MilWithoutAnswerKeepsTheLastTextAndEmptyMemoryGivesOneLine)
{
    ReportVehicleFacts facts;
    facts.MilStatusWord = 0x0002;
    assemble(facts);
    EXPECT_EQ(report.MilText, u"Zgaszona"_s);
    EXPECT_EQ(report.StoredLines, QStringList{u"Brak zarejestrowanych błędów"_s});
    EXPECT_EQ(report.PendingLines, QStringList{u"Brak zarejestrowanych błędów"_s});
    // All-zero readiness bytes: nothing supported.
    EXPECT_EQ(report.ContinuousMonitorTexts[1], u"Brak"_s);
    EXPECT_EQ(report.NonContinuousMonitorTexts[8], u"Brak"_s);

    facts.MilStatusWord = kMilNoAnswer;
    facts.StoredRawCodes = {u"0301"_s};
    assemble(facts);
    EXPECT_EQ(report.MilText, u"Zgaszona"_s);
    EXPECT_EQ(report.StoredLines, QStringList{u"P0301 - Cylinder 1 - wykryte wypadanie zapłonów "_s});
}

// The report asks the vehicle link for its facts: the simulated vehicle gives its own report
// memory, an adapter its one fault memory, and a vehicle that does not answer gives nothing.
TEST_F(AssembleReportDataTest, VehicleFactsComeFromTheVehicleLink)
{
    VirtualClock clock;
    SimulatedVehicle simulated(clock);
    const ReportVehicleFacts fromSimulator = ReadReportVehicleFacts(simulated);
    const ReportVehicleFacts fixed = SimulatedReportVehicleFacts();
    EXPECT_EQ(fromSimulator.MilStatusWord, 0x0082);
    EXPECT_EQ(fromSimulator.StoredRawCodes, fixed.StoredRawCodes);
    EXPECT_EQ(fromSimulator.PendingRawCodes, fixed.PendingRawCodes);
    EXPECT_EQ(fromSimulator.Readiness.b, 0x46);
    EXPECT_EQ(fromSimulator.Readiness.d, 0xA0);
    EXPECT_EQ(clock.now(), 0);

    ScriptedVehicle adapter;
    adapter.storedCodes = QStringList{u"0171"_s};
    adapter.pendingCodes = std::nullopt;
    adapter.status = {true, 0x0001, 1, {0x07, 0x01, 0x00}};
    const ReportVehicleFacts fromAdapter = ReadReportVehicleFacts(adapter);
    EXPECT_EQ(fromAdapter.MilStatusWord, 0x0001);
    EXPECT_EQ(fromAdapter.StoredRawCodes, QStringList{u"0171"_s});
    EXPECT_TRUE(fromAdapter.StoredRead);
    EXPECT_FALSE(fromAdapter.PendingRead); // a failed read is not an empty memory
    EXPECT_TRUE(fromAdapter.StatusRead);
    EXPECT_EQ(fromAdapter.Readiness.b, 0x07);

    adapter.status = {};
    EXPECT_FALSE(ReadReportVehicleFacts(adapter).StatusRead);

    // Where the codes come from travels with them.
    EXPECT_EQ(fromSimulator.CodeOrigin, DtcOrigin::SimulatedVehicle);
    EXPECT_EQ(fromAdapter.CodeOrigin, DtcOrigin::SimulatedVehicle);
    adapter.origin = DtcOrigin::RealVehicle;
    EXPECT_EQ(ReadReportVehicleFacts(adapter).CodeOrigin, DtcOrigin::RealVehicle);
}

// A real car's lines describe the codes the first table lacks; the simulated vehicle's do not.
TEST_F(AssembleReportDataTest, ARealCarsFaultLinesDescribeEveryGenericCode)
{
    ReportVehicleFacts facts;
    facts.StoredRawCodes = {u"C100"_s, u"1234"_s};
    facts.PendingRawCodes = {u"2002"_s};
    assemble(facts);
    EXPECT_EQ(report.StoredLines,
              (QStringList{u"U0100 - Brak opisu kodu w bazie"_s, u"P1234 - Brak opisu kodu w bazie"_s}));

    facts.CodeOrigin = DtcOrigin::RealVehicle;
    assemble(facts);
    EXPECT_EQ(report.StoredLines, (QStringList{u"U0100 - Utrata komunikacji ze sterownikiem silnika (ECM/PCM) A"_s,
                                               u"P1234 - Kod producenta - opis w dokumentacji producenta pojazdu"_s}));
    EXPECT_EQ(report.PendingLines,
              QStringList{u"P2002 - Filtr cząstek stałych (DPF) (Bank 1) - skuteczność poniżej progu"_s});
}

// What could not be read is printed as unread: never as a clean memory, never as the lamp or the
// monitors of an earlier read.
TEST_F(AssembleReportDataTest, AFailedReadIsPrintedAsUnread)
{
    ReportVehicleFacts facts;
    facts.MilStatusWord = 0x0082;
    facts.Readiness = {0x07, 0x01, 0x00};
    assemble(facts);
    ASSERT_EQ(report.MilText, u"Zapalona"_s);

    facts.StatusRead = false;
    facts.StoredRead = false;
    facts.StoredRawCodes.clear();
    assemble(facts);
    EXPECT_EQ(report.MilText, u"Nie odczytano"_s);
    EXPECT_EQ(report.StoredLines, QStringList{u"Nie udało się odczytać pamięci usterek"_s});
    EXPECT_EQ(report.PendingLines, QStringList{u"Brak zarejestrowanych błędów"_s});
    EXPECT_EQ(report.ContinuousMonitorTexts[1], u"Nie odczytano"_s);
    EXPECT_EQ(report.NonContinuousMonitorTexts[8], u"Nie odczytano"_s);
}
