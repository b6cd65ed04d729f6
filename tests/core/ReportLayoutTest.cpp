#include "core/report/PrintReport.h"
#include "core/report/WrapText.h"

#include "support/core/QtPrinters.h"
#include "support/core/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace Qt::StringLiterals;
using Kind = RecordingCanvas::Kind;

namespace {

// The record as the fixed vehicle data and a typical workshop leave it.
ReportData fixedReport()
{
    ReportData report;
    report.WorkshopName = u"AUTO-SERWIS"_s;
    report.WorkshopAddress1 = u"ul. Długa 5"_s;
    report.WorkshopAddress2 = u"00-001 Warszawa"_s;
    report.WorkshopAddress3 = u"tel. 22 000 00 00"_s;
    report.RegistrationNo = u"WA 12345"_s;
    report.Make = u"VOLVO"_s;
    report.EngineNo = u"B5254"_s;
    report.Mileage = u"182000"_s;
    report.TypeModel = u"S40 2.5"_s;
    report.Vin = u"YV1LS5596P2123456"_s;
    report.Protocol = u"ISO"_s;
    report.ModuleAddress = u"$F1h"_s;
    report.InterfaceName = u"QL-40"_s;
    report.O2SensorLocations = u"B1S1 B2S1 "_s;
    report.O2SensorCount = u"2"_s;
    report.MilText = u"Zapalona"_s;
    report.ContinuousMonitorTexts = {QString(), u"Brak"_s, u"Zakończony"_s, u"Niezakończony"_s};
    report.NonContinuousMonitorTexts = {QString(),          u"Brak"_s,       u"Zakończony"_s,
                                        u"Brak"_s,          u"Zakończony"_s, u"Brak"_s,
                                        u"Niezakończony"_s, u"Brak"_s,       u"Niezakończony"_s};
    report.PendingLines = {u"P0322 - a"_s, u"P0445 - b"_s, u"P0268 - c"_s, u"C0732 - d"_s};
    report.StoredLines = {u"P0301 - e"_s, u"P0103 - f"_s, u"P0252 - g"_s, u"B0848 - h"_s};
    return report;
}

// Every text as "y flags text" (flags: B bold, U underline, size) and every line as
// "rule y" for a horizontal rule or "frame" for the closed rectangle, in drawing order.
QStringList drawing(const RecordingCanvas &canvas)
{
    QStringList items;
    const auto &ops = canvas.ops;
    for (std::size_t i = 0; i < ops.size(); ++i) {
        const auto &op = ops[i];
        if (op.kind == Kind::Text) {
            const QString flags = QString(op.font.bold ? u'B' : u'-') + (op.font.underline ? u'U' : u'-')
                                  + QString::number(op.font.pointSize);
            items << u"%1 %2 %3"_s.arg(op.y).arg(flags, op.text);
        } else if (op.kind == Kind::MoveTo) {
            std::size_t j = i + 1;
            while (j < ops.size() && ops[j].kind == Kind::LineTo)
                ++j;
            items << (j - i == 2 ? u"rule %1"_s.arg(op.y) : u"frame"_s);
            i = j - 1;
        } else if (op.kind == Kind::NewPage) {
            items << u"page"_s;
        }
    }
    return items;
}

QStringList print(RecordingCanvas &canvas, const ReportData &report, const QStringList &remarks = {})
{
    EXPECT_TRUE(PrintReport(canvas, report, remarks));
    return drawing(canvas);
}

} // namespace

// At 600 dpi one millimetre is 23 pixels: the frame starts 10 mm in, the text 1 mm further.
TEST(ReportLayoutTest, GeometryAt600DpiFollowsThePrinter)
{
    RecordingCanvas canvas;
    print(canvas, fixedReport());

    ASSERT_EQ(canvas.ops.front().kind, Kind::Begin);
    EXPECT_EQ(canvas.ops.front().text, u"PROTOKÓŁ KOMPUTEROWEJ DIAGNOSTYKI POJAZDU"_s);
    EXPECT_EQ(canvas.ops[1].kind, Kind::Pen);
    EXPECT_EQ(canvas.ops[1].x, 4); // 23 / 5

    // Frame through (L, T), (R, T), (R, Bottom - T), (L, Bottom - T): R = W - offX.
    const std::size_t n = canvas.ops.size();
    ASSERT_EQ(canvas.ops[n - 1].kind, Kind::End);
    const int corners[5][2] = {{230, 230}, {4660, 230}, {4660, 6484}, {230, 6484}, {230, 230}};
    for (int i = 0; i < 5; ++i) {
        const auto &op = canvas.ops[n - 6 + std::size_t(i)];
        EXPECT_EQ(op.kind, i == 0 ? Kind::MoveTo : Kind::LineTo);
        EXPECT_EQ(op.x, corners[i][0]);
        EXPECT_EQ(op.y, corners[i][1]);
    }

    const auto *title = canvas.text(u"PROTOKÓŁ"_s);
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->y, 253);
    EXPECT_EQ(title->x, (4760 - 41 * 50) / 2); // centred on the printable width, not the frame
    EXPECT_TRUE(title->font.bold);
    EXPECT_EQ(title->font.family, u"Arial"_s);
    EXPECT_EQ(title->font.pointSize, 12);
    EXPECT_EQ(canvas.text(u"Nazwa: "_s)->x, 253);
    EXPECT_EQ(canvas.text(u"Nr rejestracyjny: "_s)->x, 253);
    EXPECT_EQ(canvas.text(u"Przebieg: "_s)->x, 253 + 2330); // C1 + R / 2
    EXPECT_EQ(canvas.text(u"CAT"_s)->x, 253);
    EXPECT_EQ(canvas.text(u"MIS"_s)->x, 253 + 2330);
    EXPECT_EQ(canvas.pages(), 1);
}

// Each block's values start after its widest bold label; monitor states after "MMMM".
TEST(ReportLayoutTest, ValueColumnsFollowTheWidestBoldLabelOfTheirBlock)
{
    RecordingCanvas canvas;
    print(canvas, fixedReport());
    auto xOf = [&](const QString &text) {
        const auto *op = canvas.text(text);
        return op == nullptr ? -1 : op->x;
    };
    EXPECT_EQ(xOf(u"AUTO-SERWIS"_s), 253 + 7 * 50);
    EXPECT_EQ(xOf(u"ul. Długa 5"_s), 253 + 7 * 50);
    EXPECT_EQ(xOf(u"tel. 22"_s), 253 + 7 * 50);
    EXPECT_EQ(xOf(u"WA 12345"_s), 253 + 18 * 50); // "Nr rejestracyjny: "
    EXPECT_EQ(xOf(u"B5254"_s), 253 + 18 * 50);
    EXPECT_EQ(xOf(u"182000"_s), 2583 + 13 * 50); // "Typ i model: "
    EXPECT_EQ(xOf(u"YV1LS"_s), 2583 + 13 * 50);
    EXPECT_EQ(xOf(u"ISO (SAE J1850)"_s), 253 + 37 * 50); // "Standard komunikacji diagnostycznej: "
    EXPECT_EQ(xOf(u"Zapalona"_s), 253 + 37 * 50);
    EXPECT_EQ(xOf(u"Brak"_s), 253 + 4 * 50); // CAT
    EXPECT_EQ(xOf(u"Niezakończony"_s), 253 + 2330 + 4 * 50); // CC, right column
    EXPECT_FALSE(canvas.text(u"ISO"_s)->font.bold);
    EXPECT_TRUE(canvas.text(u"Standard"_s)->font.bold);

    // With a catalogue whose MIL label is the widest, every result value moves behind it.
    RecordingCanvas wideMil;
    wideMil.widths[u"Kontrolka MIL: "_s] = 3000;
    print(wideMil, fixedReport());
    EXPECT_EQ(wideMil.text(u"ISO (SAE J1850)"_s)->x, 253 + 3000);
    EXPECT_EQ(wideMil.text(u"2"_s)->x, 253 + 3000);
    EXPECT_EQ(wideMil.text(u"Zapalona"_s)->x, 253 + 3000);
}

TEST(ReportLayoutTest, DrawsTheFixedReportInItsOrder)
{
    RecordingCanvas canvas;
    const QStringList expected = {
        u"253 B-12 PROTOKÓŁ KOMPUTEROWEJ DIAGNOSTYKI POJAZDU"_s,
        u"rule 396"_s,
        u"419 B-12 DANE WARSZTATU"_s,
        u"rule 562"_s,
        u"585 B-12 Nazwa: "_s,
        u"585 --12 AUTO-SERWIS"_s,
        u"728 B-12 Adres: "_s,
        u"728 --12 ul. Długa 5"_s,
        u"871 --12 00-001 Warszawa"_s,
        u"1014 --12 tel. 22 000 00 00"_s,
        u"rule 1157"_s,
        u"1180 B-12 DANE POJAZDU"_s,
        u"rule 1323"_s,
        u"1323 B-12 Nr rejestracyjny: "_s,
        u"1323 --12 WA 12345"_s,
        u"1323 B-12 Przebieg: "_s,
        u"1323 --12 182000"_s,
        u"1466 B-12 Marka: "_s,
        u"1466 --12 VOLVO"_s,
        u"1466 B-12 Typ i model: "_s,
        u"1466 --12 S40 2.5"_s,
        u"1609 B-12 Numer silnika: "_s,
        u"1609 --12 B5254"_s,
        u"1609 B-12 VIN: "_s,
        u"1609 --12 YV1LS5596P2123456"_s,
        u"rule 1752"_s,
        u"1798 B-12 WYNIKI BADANIA"_s,
        u"rule 1941"_s,
        u"1964 B-12 Standard komunikacji diagnostycznej: "_s,
        u"1964 --12 ISO (SAE J1850)"_s,
        u"2107 B-12 Adres modułu sterownika: "_s,
        u"2107 --12 $F1h"_s,
        u"2250 B-12 Ilość czujników tlenu: "_s,
        u"2250 --12 2"_s,
        u"2393 B-12 Lokalizacja czujników tlenu: "_s,
        u"2393 --12 B1S1 B2S1 "_s,
        u"2559 BU12 Pamięć usterek"_s,
        u"2725 B-12 Kontrolka MIL: "_s,
        u"2725 --12 Zapalona"_s,
        u"2868 B-12 Usterki oczekujące:"_s,
        u"3011 --12 P0322 - a"_s,
        u"3154 --12 P0445 - b"_s,
        u"3297 --12 P0268 - c"_s,
        u"3440 --12 C0732 - d"_s,
        u"3606 B-12 Usterki zarejestrowane:"_s,
        u"3749 --12 P0301 - e"_s,
        u"3892 --12 P0103 - f"_s,
        u"4035 --12 P0252 - g"_s,
        u"4178 --12 B0848 - h"_s,
        u"4344 BU12 Monitory diagnostyczne"_s,
        u"4510 B-12 CAT"_s,
        u"4510 --12 Brak"_s,
        u"4510 B-12 MIS"_s,
        u"4510 --12 Brak"_s,
        u"4653 B-12 HCAT"_s,
        u"4653 --12 Zakończony"_s,
        u"4653 B-12 FUEL"_s,
        u"4653 --12 Zakończony"_s,
        u"4796 B-12 EVAP"_s,
        u"4796 --12 Brak"_s,
        u"4796 B-12 CC"_s,
        u"4796 --12 Niezakończony"_s,
        u"4939 B-12 AIR"_s,
        u"4939 --12 Zakończony"_s,
        u"5082 B-12 AC"_s,
        u"5082 --12 Brak"_s,
        u"5225 B-12 O2S"_s,
        u"5225 --12 Niezakończony"_s,
        u"5368 B-12 HO2S"_s,
        u"5368 --12 Brak"_s,
        u"5511 B-12 EGR"_s,
        u"5511 --12 Niezakończony"_s,
        u"rule 5677"_s,
        u"5700 BU12 Uwagi:"_s,
        u"5866 --12 Sprawdzić przewody zapłonowe."_s,
        u"6381 --8 Przyrząd użyty do badania: QL-40 z oprogramowaniem Ulmora wersja 1.1.2   https://www.korvath.pl"_s,
        u"rule 6358"_s,
        u"frame"_s,
    };
    EXPECT_EQ(print(canvas, fixedReport(), {u"Sprawdzić przewody zapłonowe."_s}), expected);
}

// Before any connection the identification is empty and is printed as it is.
TEST(ReportLayoutTest, FooterAndStandardWithoutAConnection)
{
    ReportData report = fixedReport();
    report.Protocol.clear();
    report.ModuleAddress.clear();
    report.InterfaceName.clear();
    RecordingCanvas canvas;
    print(canvas, report);
    const auto *footer = canvas.text(u"Przyrząd"_s);
    ASSERT_NE(footer, nullptr);
    EXPECT_EQ(footer->text,
              u"Przyrząd użyty do badania:  z oprogramowaniem Ulmora wersja 1.1.2   https://www.korvath.pl"_s);
    EXPECT_EQ(footer->x, (4760 - int(footer->text.size()) * 26) / 2);
    EXPECT_EQ(footer->y, 6381); // Bottom - mmY - height of "X" at 8 pt - T
    EXPECT_EQ(canvas.text(u" (SAE J1850)"_s)->x, 253 + 37 * 50);
}

TEST(ReportLayoutTest, EmptyRemarksLeaveOnlyTheHeading)
{
    RecordingCanvas canvas;
    const QStringList items = print(canvas, fixedReport(), RemarkLines(QString()));
    const qsizetype heading = items.indexOf(u"5700 BU12 Uwagi:"_s);
    ASSERT_GE(heading, 0);
    EXPECT_TRUE(items.at(heading + 1).contains(u"Przyrząd"_s));

    EXPECT_EQ(RemarkLines(u"a\n\nb\n"_s), (QStringList{u"a"_s, QString(), u"b"_s}));
}

// Remarks that would reach the footer go on to a second page with its own footer and frame.
TEST(ReportLayoutTest, RemarksThatReachTheFooterContinueOnASecondPage)
{
    QStringList remarks;
    for (int i = 1; i <= 6; ++i)
        remarks << u"Uwaga %1"_s.arg(i);
    RecordingCanvas canvas;
    const QStringList items = print(canvas, fixedReport(), remarks);
    const QString footer =
        u"6381 --8 Przyrząd użyty do badania: QL-40 z oprogramowaniem Ulmora wersja 1.1.2   https://www.korvath.pl"_s;
    const QStringList tail = items.mid(items.indexOf(u"5700 BU12 Uwagi:"_s));
    const QString registration = u"127 --8 Nr rejestracyjny: WA 12345"_s;
    EXPECT_EQ(tail, (QStringList{u"5700 BU12 Uwagi:"_s, u"5866 --12 Uwaga 1"_s, u"6009 --12 Uwaga 2"_s,
                                 u"6152 --12 Uwaga 3"_s, footer, u"rule 6358"_s, u"frame"_s, registration,
                                 u"127 --8 Strona 1 z 2"_s, u"page"_s, u"253 --12 Uwaga 4"_s, u"396 --12 Uwaga 5"_s,
                                 u"539 --12 Uwaga 6"_s, footer, u"rule 6358"_s, u"frame"_s, registration,
                                 u"127 --8 Strona 2 z 2"_s}));
    EXPECT_EQ(canvas.text(u"Strona 2"_s)->x, 4660 - 12 * 26); // ends at the frame's right edge
    EXPECT_EQ(canvas.ops.back().kind, Kind::End);

    // Three lines fit: the same report stays on one page.
    RecordingCanvas fits;
    print(fits, fixedReport(), remarks.mid(0, 3));
    EXPECT_EQ(fits.pages(), 1);
}

// A line wider than the frame wraps at a blank inside it; what follows moves down.
TEST(ReportLayoutTest, ALineWiderThanTheFrameWrapsInItsOwnColumn)
{
    ReportData report = fixedReport();
    // 4660 - 23 - 253 = 4384 pixels for 109 regular characters.
    const QString words = u"Czujnik położenia przepustnicy / pedału przyspieszenia / przełącznik B - obwód "
                          u"sygnału wysokiego poziomu przerywany "_s;
    report.PendingLines[1] = u"P2135 - "_s + words + words;
    report.WorkshopName = words;
    RecordingCanvas canvas;
    const QStringList items = print(canvas, report);

    for (const auto &op : canvas.texts())
        EXPECT_LE(op.x + RecordingCanvas::charWidth(op.font) * int(op.text.trimmed().size()), 4660 - 23)
            << op.text.toStdString();

    // The workshop name continues under itself at the value column; the rows below move by one line.
    const int valueX = 253 + 7 * 50;
    const auto *name = canvas.text(u"Czujnik"_s);
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(name->x, valueX);
    EXPECT_EQ(name->y, 585);
    // 100 characters fit from the value column: the break is at the last blank before that.
    EXPECT_EQ(name->text,
              u"Czujnik położenia przepustnicy / pedału przyspieszenia / przełącznik B - obwód sygnału wysokiego"_s);
    EXPECT_TRUE(items.contains(u"728 --12 poziomu przerywany "_s));
    EXPECT_TRUE(items.contains(u"871 B-12 Adres: "_s));
    EXPECT_TRUE(items.contains(u"rule 1300"_s));

    // From C1, 109 characters fit; the whole block has moved down by the name's extra line.
    const qsizetype first = items.indexOf(u"3297 --12 P2135 - Czujnik położenia przepustnicy / pedału przyspieszenia / "
                                          u"przełącznik B - obwód sygnału wysokiego"_s);
    ASSERT_GE(first, 0) << items.join(u'\n').toStdString();
    EXPECT_EQ(items.mid(first + 1, 3),
              (QStringList{u"3440 --12 poziomu przerywany Czujnik położenia przepustnicy / pedału przyspieszenia / "
                           u"przełącznik B - obwód sygnału"_s,
                           u"3583 --12 wysokiego poziomu przerywany "_s, u"3726 --12 P0268 - c"_s}));
}

// A long field fills its own column, from its own row on, over as many pages as it needs: every
// character is printed once, and no body text reaches the footer's band or leaves the frame.
TEST(ReportLayoutTest, LongFieldsKeepToTheirColumnAndContinueAcrossPages)
{
    // Texts made of these letters alone are pieces of the long field: no other text has only them.
    auto isPiece = [](const QString &text) {
        return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) { return u"żółw "_s.contains(c); });
    };
    auto filler = [](qsizetype length, const QString &word) {
        QString text;
        while (text.size() < length)
            text += word;
        text.truncate(length);
        return text;
    };
    const struct {
        const char *name;
        QString ReportData::*field; // nullptr: the remarks
        QString text;
        int x, right, firstY, minPages;
    } rows[] = {
        {"remark of words", nullptr, filler(100000, u"żółw "_s), 253, 4637, 5866, 20},
        {"remark without a blank", nullptr, filler(100000, u"żółw"_s), 253, 4637, 5866, 20},
        {"workshop name", &ReportData::WorkshopName, filler(100000, u"żółw "_s), 253 + 7 * 50, 4637, 585, 20},
        {"make, before the right column", &ReportData::Make, filler(300, u"żółw "_s), 253 + 18 * 50, 2583 - 23, 1466,
         1},
        {"VIN, right column", &ReportData::Vin, filler(300, u"żółw"_s), 2583 + 13 * 50, 4637, 1609, 1},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        ReportData report = fixedReport();
        QStringList remarks;
        if (row.field != nullptr)
            report.*row.field = row.text;
        else
            remarks << row.text;
        RecordingCanvas canvas;
        print(canvas, report, remarks);
        EXPECT_GE(canvas.pages(), row.minPages);

        QString printed;
        int firstY = -1;
        for (const auto &op : canvas.texts()) {
            const int width = RecordingCanvas::charWidth(op.font) * int(op.text.trimmed().size());
            if (op.font.pointSize == 12) {
                EXPECT_GE(op.y, 253) << op.text.toStdString();
                EXPECT_LE(op.y + 120, 6358 - 23) << op.text.toStdString(); // 1 mm above the footer's rule
                EXPECT_LE(op.x + width, 4637) << op.text.toStdString();
            }
            if (!isPiece(op.text))
                continue;
            if (firstY < 0)
                firstY = op.y;
            EXPECT_EQ(op.x, row.x);
            EXPECT_LE(op.x + width, row.right) << op.text.toStdString();
            // Pieces broken at a blank lose that blank.
            if (!printed.isEmpty() && printed.size() < row.text.size() && row.text.at(printed.size()) == u' ')
                printed += u' ';
            printed += op.text;
        }
        EXPECT_EQ(printed, row.text);
        EXPECT_EQ(firstY, row.firstY);
        for (const auto &op : canvas.ops) {
            if (op.kind == Kind::MoveTo || op.kind == Kind::LineTo) {
                EXPECT_TRUE(op.y >= 0 && op.y <= 6484) << op.y; // the frame's bottom
            }
        }
    }
}

// A report longer than a page names its page and the vehicle above the frame of every page; a
// one-page report has no such line. Page 1 has room for 3 remark lines, each further page for 42.
TEST(ReportLayoutTest, PagesOfALongerReportAreNumbered)
{
    const struct {
        int remarkLines;
        int pages;
        QString registration;
    } rows[] = {
        {0, 1, u"WA 12345"_s},  {3, 1, u"WA 12345"_s},  {4, 2, u"WA 12345"_s},
        {46, 3, u"WA 12345"_s}, {87, 3, u"WA 12345"_s}, {87, 3, QString()}, // no number typed: only the page
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.remarkLines);
        QStringList remarks;
        for (int i = 1; i <= row.remarkLines; ++i)
            remarks << u"Uwaga %1"_s.arg(i);
        ReportData report = fixedReport();
        report.RegistrationNo = row.registration;
        RecordingCanvas canvas;
        const QStringList items = print(canvas, report, remarks);
        EXPECT_EQ(canvas.pages(), row.pages);

        QStringList headers;
        QStringList expected;
        for (const QString &item : items)
            if (item.startsWith(u"127 "_s) || item == u"page"_s)
                headers << item;
        if (row.pages > 1) {
            for (int page = 1; page <= row.pages; ++page) {
                if (page > 1)
                    expected << u"page"_s;
                if (!row.registration.isEmpty())
                    expected << u"127 --8 Nr rejestracyjny: "_s + row.registration;
                expected << u"127 --8 Strona %1 z %2"_s.arg(page).arg(row.pages);
            }
        }
        EXPECT_EQ(headers, expected);
    }

    // A registration number too long for the line is cut before the page number.
    ReportData report = fixedReport();
    report.RegistrationNo = QString(500, u'X');
    RecordingCanvas canvas;
    print(canvas, report, QStringList(10, u"Uwaga"_s));
    const auto *header = canvas.text(u"Nr rejestracyjny: "_s + u'X');
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(header->x, 230);
    EXPECT_LE(header->x + int(header->text.size()) * 26, 4660 - 12 * 26 - 23);
}

TEST(ReportLayoutTest, WrapKeepsFittingTextsAndCutsOverlongWords)
{
    auto measure = [](const QString &text) { return int(text.size()) * 10; };
    EXPECT_EQ(WrapText(u"abc def   "_s, 70, measure), QStringList{u"abc def   "_s});
    EXPECT_EQ(WrapText(u"abc def ghi"_s, 70, measure), (QStringList{u"abc def"_s, u"ghi"_s}));
    EXPECT_EQ(WrapText(u"abcdefghij kl"_s, 40, measure), (QStringList{u"abcd"_s, u"efgh"_s, u"ij"_s, u"kl"_s}));
    EXPECT_EQ(WrapText(u"ab  cd"_s, 1, measure), (QStringList{u"a"_s, u"b"_s, u"c"_s, u"d"_s}));
}

TEST(ReportLayoutTest, APrinterThatCannotStartGetsNothingDrawn)
{
    RecordingCanvas canvas;
    canvas.startFails = true;
    EXPECT_FALSE(PrintReport(canvas, fixedReport(), {}));
    EXPECT_EQ(canvas.ops.size(), 1u);
}
