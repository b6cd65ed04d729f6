#include "core/faults/DtcDescriptionTable.h"

#include "core/faults/DescribeDtc.h"
#include "core/faults/GenericDtcTable.h"

#include <QMap>
#include <QSet>
#include <QStringList>

#include "support/core/QtPrinters.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// Every code of the table as inclusive ranges, in table order; P1680 has two rows.
constexpr char16_t kRanges[] = u"B0100-B0103 B0105-B0108 B0110-B0113 B0115-B0118 B0120-B0123 B0125-B0128 B0130-B0133 "
                               u"B0135-B0138 B0300-B0303 B0305-B0308 B0310-B0313 B0315-B0318 B0320-B0323 B0325-B0328 "
                               u"B0330-B0333 B0335-B0338 B0340-B0343 B0345-B0348 B0350-B0353 B0355-B0358 B0360-B0363 "
                               u"B0365-B0368 B0370-B0373 B0375-B0378 B0380-B0381 B0400-B0403 B0405-B0408 B0410-B0413 "
                               u"B0415-B0418 B0420-B0423 B0425-B0428 B0430-B0433 B0435-B0438 B0440-B0443 B0445-B0448 "
                               u"B0500-B0503 B0505-B0508 B0510-B0513 B0515-B0518 B0520-B0523 B0525-B0528 B0530-B0533 "
                               u"B0535-B0538 B0540-B0543 B0545-B0548 B0550-B0553 B0555-B0558 B0560-B0563 B0565-B0568 "
                               u"B0600-B0608 B0800-B0803 B0805-B0808 B0810-B0813 B0815-B0818 B0820-B0823 B0825-B0828 "
                               u"B0830-B0833 B0835-B0838 B0840-B0843 B0845-B0848 B0850-B0853 B0855-B0860 "
                               u"C0200-C0203 C0205-C0208 C0210-C0213 C0215-C0218 C0220-C0223 C0225-C0229 C0231-C0234 "
                               u"C0236-C0239 C0241-C0244 C0246-C0249 C0251-C0254 C0256-C0259 C0261-C0264 C0266-C0269 "
                               u"C0271-C0274 C0276-C0279 C0300-C0303 C0305-C0308 C0310-C0313 C0315-C0318 C0320-C0323 "
                               u"C0325-C0328 C0330-C0333 C0335-C0338 C0340-C0343 C0345-C0348 C0350-C0353 C0355-C0358 "
                               u"C0360-C0363 C0365-C0368 C0370-C0373 C0500-C0503 C0505-C0508 C0510-C0513 C0700-C0703 "
                               u"C0705-C0708 C0710-C0713 C0715-C0718 C0720-C0723 C0725-C0728 C0730-C0733 C0735-C0738 "
                               u"C0740-C0743 C0745-C0748 C0750-C0753 C0755-C0758 "
                               u"P0008-P0015 P0017-P0025 P0030-P0039 P0042-P0044 P0050-P0052 P0056-P0058 P0062-P0296 "
                               u"P0298-P0362 P0365-P0382 P0385-P0394 P0400-P0495 P0497-P0503 P0505-P0512 P0514-P0524 "
                               u"P0526-P0534 P0540-P0584 P0586-P0588 P0594 P0600-P0648 P0650-P0678 P0683-P0696 "
                               u"P0700-P0801 P0803-P0866 P0870-P0892 P0900-P0986 "
                               u"P1101-P1102 P1111-P1113 P1132-P1134 P1139-P1140 P1152-P1154 P1159-P1160 P1171-P1172 "
                               u"P1174-P1175 P1177-P1179 P1181-P1182 P1184-P1185 P1187-P1189 P1237-P1238 P1307-P1308 "
                               u"P1310 P1325-P1330 P1332 P1350-P1361 P1403-P1405 P1416-P1418 P1440 P1480-P1482 "
                               u"P1486-P1487 P1505-P1508 P1513 P1602-P1605 P1619-P1621 P1623 P1625-P1633 P1635-P1638 "
                               u"P1640-P1642 P1646-P1647 P1649-P1652 P1655-P1656 P1660-P1663 P1672-P1673 P1680 P1680";

QStringList expectedCodes()
{
    QStringList codes;
    for (const QString &range : QString::fromUtf16(kRanges).split(QLatin1Char(' '))) {
        const QStringList ends = range.split(QLatin1Char('-'));
        const int last = ends.back().mid(1).toInt();
        for (int number = ends.front().mid(1).toInt(); number <= last; ++number)
            codes << range.front() + QStringLiteral("%1").arg(number, 4, 10, QLatin1Char('0'));
    }
    return codes;
}

QString trailingBlanksTally(QChar system)
{
    QMap<qsizetype, int> tally;
    for (const DtcDescriptionRow &row : DtcDescriptionTable()) {
        if (row.code[0] != system)
            continue;
        const QString text = QString::fromUtf16(row.description);
        ++tally[text.size() - QStringView(text).trimmed().size()];
    }
    QStringList parts;
    for (auto it = tally.cbegin(); it != tally.cend(); ++it)
        parts << QStringLiteral("%1:%2").arg(it.key()).arg(it.value());
    return parts.join(QLatin1Char(' '));
}

// Printable ASCII, and in Polish texts the Polish letters: what the report's font prints.
bool printable(const QString &text, bool polish)
{
    static const QString polishLetters = QStringLiteral("ąćęłńóśźżĄĆĘŁŃÓŚŹŻ");
    return std::all_of(text.begin(), text.end(), [&](QChar c) {
        return (c.unicode() >= 0x20 && c.unicode() < 0x7F) || (polish && polishLetters.contains(c));
    });
}

} // namespace

TEST(DtcDescriptionTableTest, CoversExactlyTheListedCodesInAscendingOrder)
{
    QStringList codes;
    QMap<QString, int> perSystem;
    for (const DtcDescriptionRow &row : DtcDescriptionTable()) {
        codes << QString::fromUtf16(row.code);
        ++perSystem[codes.back().front() == u'P' ? codes.back().left(2) : codes.back().left(1)];
    }
    EXPECT_EQ(codes.size(), 1460);
    const QMap<QString, int> expectedPerSystem{{QStringLiteral("B"), 253},
                                               {QStringLiteral("C"), 185},
                                               {QStringLiteral("P0"), 912},
                                               {QStringLiteral("P1"), 110}};
    EXPECT_EQ(perSystem, expectedPerSystem);
    EXPECT_EQ(codes, expectedCodes());
}

TEST(DtcDescriptionTableTest, KeepsTrailingBlanksOnlyOnPowertrainRows)
{
    EXPECT_EQ(trailingBlanksTally(u'P'), QStringLiteral("0:29 1:835 2:145 3:13"));
    EXPECT_EQ(trailingBlanksTally(u'B'), QStringLiteral("0:253"));
    EXPECT_EQ(trailingBlanksTally(u'C'), QStringLiteral("0:185"));
}

TEST(DtcDescriptionTableTest, HoldsOnlyTextsAWindows1250PrinterCanShow)
{
    for (const DtcDescriptionRow &row : DtcDescriptionTable()) {
        const QString text = QString::fromUtf16(row.description);
        EXPECT_FALSE(QStringView(text).trimmed().isEmpty()) << text.toStdString();
        EXPECT_TRUE(printable(text, true)) << text.toStdString();
    }
}

TEST(DtcDescriptionTableTest, LookupGivesTheStoredTextOfTheFirstRow)
{
    const struct {
        const char16_t *code;
        const char16_t *description;
    } rows[] = {
        {u"B0100", u"Poduszka powietrzna kierowcy - usterka"},
        {u"B0101", u"Poduszka powietrzna kierowcy - sygnał poza zakresem/wydajność"},
        {u"B0102", u"Poduszka powietrzna kierowcy - niski sygnał wejściowy"},
        {u"B0103", u"Poduszka powietrzna kierowcy - wysoki sygnał wejściowy"},
        {u"B0848", u"Obwód napięcia odniesienia 5V - wysoki sygnał wejściowy"},
        {u"C0200", u"Czujnik prędkości koła prawy przedni - usterka"},
        {u"C0732", u"Przyspieszeniomierz lewy tylny - niski sygnał wejściowy"},
        {u"P0100", u"Czujnik masowego lub objętościowego przepływu powietrza - usterka "},
        {u"P0103", u"Czujnik masowego lub objętościowego przepływu powietrza - wysoki sygnał wejściowy "},
        {u"P0133", u"Czujnik tlenu (sonda lambda) (Bank 1 czujnik 1) - powolna reakcja / odpowiedź "},
        {u"P0252", u"Wirnik / krzywka pompy wtryskowej A - sygnał poza zakresem / działanie "},
        {u"P0268", u"Wtryskiwacz cylindra 3 - wysoki sygnał "},
        {u"P0300", u"Wykryte przypadkowe / wielokrotne wypadanie zapłonów w cylindrach "},
        {u"P0301", u"Cylinder 1 - wykryte wypadanie zapłonów "},
        {u"P0322", u"Obwód wejścia prędkości silnika dla rozdzielacza / zapłonu - brak sygnału "},
        {u"P0326", u"Czujnik spalania stukowego 1 (Bank 1) - sygnał poza zakresem / działanie "},
        {u"P0420", u"System katalizatora (Bank 1) - wydajność poniżej progu "},
        {u"P0445", u"Układ odprowadzania par paliwa, obwód sterujący zaworu oczyszczania - zwarcie "},
        {u"P0507", u"Układ regulacji biegu jałowego - obroty wyższe niż oczekiwane "},
        {u"P0553", u"Czujnik ciśnienia układu wspomagania kierownicy - wysoki sygnał wejściowy "},
        {u"P1101", u"Stopień mocy grupa A "},
        {u"P1680", u"Żądania Immobilizera "},
    };
    for (const auto &[code, description] : rows)
        EXPECT_EQ(LookupDtcDescription(QString::fromUtf16(code)), QString::fromUtf16(description));

    const auto table = DtcDescriptionTable();
    EXPECT_EQ(QString::fromUtf16(table.back().description), QStringLiteral("Żądania immobilizera "));
}

TEST(DtcDescriptionTableTest, LookupMatchesTheWholeCodeCaseSensitively)
{
    const QString none = QStringLiteral("Brak opisu kodu w bazie");
    for (const char16_t *code : {u"U0100", u"p0103", u"P0103 ", u"P010", u"P01030", u"", u"P0016"})
        EXPECT_EQ(LookupDtcDescription(QString::fromUtf16(code)), none) << QString::fromUtf16(code).toStdString();
}

TEST(DtcDescriptionTableTest, TheEnglishTableHoldsTheSameCodesRowForRow)
{
    const auto polish = DtcDescriptionTable();
    const auto english = EnglishDtcDescriptionTable();
    ASSERT_EQ(english.size(), polish.size());
    for (std::size_t row = 0; row < polish.size(); ++row) {
        EXPECT_EQ(QStringView(english[row].code), QStringView(polish[row].code)) << row;
        const QString title = QString::fromUtf16(english[row].description);
        EXPECT_FALSE(title.trimmed().isEmpty()) << row;
    }
    // Without an English module the Polish table answers, trailing blank and all.
    EXPECT_EQ(LookupDtcDescription(QStringLiteral("P0301")),
              QStringLiteral("Cylinder 1 - wykryte wypadanie zapłonów "));
}

// The generic table as compiled in: generic codes only, none the first table has, the English
// row for row, every text trimmed and printable.
TEST(DtcDescriptionTableTest, TheGenericTableHoldsOnlyGenericCodesTheFirstLacks)
{
    const auto polish = GenericDtcTable();
    const auto english = EnglishGenericDtcTable();
    ASSERT_EQ(polish.size(), 1688u);
    ASSERT_EQ(english.size(), polish.size());
    QSet<QString> first;
    for (const DtcDescriptionRow &row : DtcDescriptionTable())
        first.insert(QString::fromUtf16(row.code));
    for (std::size_t row = 0; row < polish.size(); ++row) {
        const QString code = QString::fromUtf16(polish[row].code);
        EXPECT_EQ(QStringView(english[row].code), code) << row;
        EXPECT_FALSE(first.contains(code)) << code.toStdString();
        EXPECT_FALSE(IsManufacturerDtc(code)) << code.toStdString();
        const QString description = QString::fromUtf16(polish[row].description);
        const QString title = QString::fromUtf16(english[row].description);
        EXPECT_EQ(DescribeDtc(code, DtcOrigin::RealVehicle), description);
        EXPECT_TRUE(!description.isEmpty() && description == description.trimmed() && printable(description, true))
            << code.toStdString();
        EXPECT_TRUE(!title.isEmpty() && title == title.trimmed() && printable(title, false)) << code.toStdString();
    }
}

// The simulated vehicle's codes keep the first table's texts alone; a real car's codes are
// described by the first table, then the generic one, then as manufacturer-specific in the
// manufacturers' ranges.
TEST(DtcDescriptionTableTest, ARealCarsCodeIsDescribedFromBothTablesOrAsTheManufacturers)
{
    const QString none = QStringLiteral("Brak opisu kodu w bazie");
    const QString manufacturer = QStringLiteral("Kod producenta - opis w dokumentacji producenta pojazdu");
    const struct {
        const char16_t *code;
        DtcOrigin origin;
        QString description;
    } rows[] = {
        {u"U0100", DtcOrigin::SimulatedVehicle, none},
        {u"P1000", DtcOrigin::SimulatedVehicle, none},
        {u"P0A80", DtcOrigin::SimulatedVehicle, none},
        {u"P0301", DtcOrigin::SimulatedVehicle, QStringLiteral("Cylinder 1 - wykryte wypadanie zapłonów ")},
        {u"U0100", DtcOrigin::RealVehicle, QStringLiteral("Utrata komunikacji ze sterownikiem silnika (ECM/PCM) A")},
        {u"P2002", DtcOrigin::RealVehicle,
         QStringLiteral("Filtr cząstek stałych (DPF) (Bank 1) - skuteczność poniżej progu")},
        {u"P0A80", DtcOrigin::RealVehicle, QStringLiteral("Akumulator trakcyjny (hybrydowy) - wymagana wymiana")},
        {u"P3400", DtcOrigin::RealVehicle, QStringLiteral("Układ odłączania cylindrów (Bank 1) - usterka")},
        {u"P0301", DtcOrigin::RealVehicle, QStringLiteral("Cylinder 1 - wykryte wypadanie zapłonów ")},
        // The first table's manufacturer rows keep their texts.
        {u"P1680", DtcOrigin::RealVehicle, QStringLiteral("Żądania Immobilizera ")},
        {u"P1000", DtcOrigin::RealVehicle, manufacturer},
        {u"P1FFF", DtcOrigin::RealVehicle, manufacturer},
        {u"P3000", DtcOrigin::RealVehicle, manufacturer},
        {u"P33FF", DtcOrigin::RealVehicle, manufacturer},
        {u"B1000", DtcOrigin::RealVehicle, manufacturer},
        {u"B2A5C", DtcOrigin::RealVehicle, manufacturer},
        {u"C1234", DtcOrigin::RealVehicle, manufacturer},
        {u"C2FFF", DtcOrigin::RealVehicle, manufacturer},
        {u"U1000", DtcOrigin::RealVehicle, manufacturer},
        {u"U2100", DtcOrigin::RealVehicle, manufacturer},
        // Generic ranges without a row, and texts that are no well-formed code.
        {u"P3A00", DtcOrigin::RealVehicle, none},
        {u"P2FFF", DtcOrigin::RealVehicle, none},
        {u"B3000", DtcOrigin::RealVehicle, none},
        {u"U0FFF", DtcOrigin::RealVehicle, none},
        {u"P1a00", DtcOrigin::RealVehicle, none},
        {u"p1000", DtcOrigin::RealVehicle, none},
        {u"P100", DtcOrigin::RealVehicle, none},
        {u"P10000", DtcOrigin::RealVehicle, none},
        {u"P4000", DtcOrigin::RealVehicle, none},
        {u"", DtcOrigin::RealVehicle, none},
    };
    for (const auto &[code, origin, description] : rows)
        EXPECT_EQ(DescribeDtc(QString::fromUtf16(code), origin), description)
            << QString::fromUtf16(code).toStdString() << (origin == DtcOrigin::RealVehicle ? " real" : " simulated");
    EXPECT_EQ(LookupDtcDescription(QStringLiteral("U0100")), none);
}
