#include "core/report/PrintReport.h"

#include "core/catalogue/MessageCatalogue.h"
#include "core/faults/Readiness.h"
#include "core/report/ReportCanvas.h"
#include "core/report/WrapText.h"

#include <algorithm>
#include <initializer_list>

namespace {

constexpr double kInchesPerMillimetre = 0.0393700787;
constexpr int kFooterPoints = 8;

QString label(std::uint16_t id)
{
    return LoadMessage(id) + QStringLiteral(": ");
}

// The page's measures in device pixels, from the printer's metrics.
struct Geometry {
    explicit Geometry(const DeviceMetrics &device)
        : mmX(int(device.logPixelsX * kInchesPerMillimetre)),
          mmY(int(device.logPixelsY * kInchesPerMillimetre)),
          pageWidth(device.pageWidth),
          pageHeight(device.pageHeight),
          frameLeft(10 * mmX),
          frameRight(device.pageWidth - device.physicalOffsetX),
          frameTop(10 * mmY),
          pageBottom(device.pageHeight - device.physicalOffsetY),
          textLeft(11 * mmX),
          rightColumnOffset(frameRight / 2),
          gap(mmY)
    {
    }

    int mmX, mmY; // a millimetre across and down
    int pageWidth; // of the printable area; centred texts are centred on it
    int pageHeight; // of the printable area
    int frameLeft; // the frame's left edge, where every rule starts
    int frameRight; // the frame's right edge, where every rule ends
    int frameTop; // the frame's top edge
    int pageBottom; // the footer and the frame's bottom edge are placed up from it
    int textLeft; // the left text column
    int rightColumnOffset; // from the left text column to the right one
    int gap; // the vertical gap between lines and blocks
};

// One label or value of a row: where it starts, what it says, whether it is bold and where it
// must end (0: at the frame).
struct Cell {
    int x;
    QString text;
    bool bold;
    int right = 0;
};

// Stands in for the printer while the report is laid out once to count its pages: measures as
// the printer does and draws nothing.
class PageCounter final : public ReportCanvas {
public:
    explicit PageCounter(ReportCanvas &printer) : m_printer(printer) {}

    int pages() const { return m_pages; }

    bool beginDocument(const QString &) override { return true; }
    void newPage() override { ++m_pages; }
    void endDocument() override {}
    DeviceMetrics metrics() const override { return m_printer.metrics(); }
    void setFont(const ReportFont &font) override { m_printer.setFont(font); }
    void setPenWidth(int) override {}
    int textWidth(const QString &text) override { return m_printer.textWidth(text); }
    int textHeight(const QString &text) override { return m_printer.textHeight(text); }
    void textOut(int, int, const QString &) override {}
    void moveTo(int, int) override {}
    void lineTo(int, int) override {}

private:
    ReportCanvas &m_printer;
    int m_pages = 1;
};

class ReportPage {
public:
    // pages: how many the report takes, as a first layout counted them; 0 while counting.
    ReportPage(ReportCanvas &canvas, const ReportData &report, const QStringList &remarks, int pages)
        : m_canvas(canvas), m_report(report), m_remarks(remarks), m_g(canvas.metrics()), m_pages(pages)
    {
    }

    void layOut();

private:
    int step() const { return m_h + m_g.gap; }
    // Text ends 1 mm inside the frame, as it starts 1 mm inside it on the left.
    int textRight() const { return m_g.frameRight - m_g.mmX; }

    void applyFont() { m_canvas.setFont(m_font); }
    void setBold(bool on)
    {
        m_font.bold = on;
        applyFont();
    }
    void setUnderline(bool on)
    {
        m_font.underline = on;
        applyFont();
    }
    int widestBold(std::initializer_list<QString> labels);

    void rule();
    void centred(const QString &text);
    void row(std::initializer_list<Cell> cells, int stepAfter);
    int pageTop() const { return m_g.frameTop + m_g.gap; }
    int linesPerPage() const;
    void ensureRoom(int lines);
    void nextPage();
    void finishPage();
    void pageHeader();

    void title();
    void workshop();
    void vehicle();
    void results();
    void faultMemory();
    void monitors();
    void remarks();
    void units();
    void unit(const ReportUnit &unit, int valueX);
    void inUse(const ReportUnit &unit);

    ReportCanvas &m_canvas;
    const ReportData &m_report;
    const QStringList &m_remarks;
    Geometry m_g;
    int m_pages;
    int m_page = 1;
    ReportFont m_font;
    int m_h = 0; // line height of the bold body font
    int m_footerY = 0; // top of the footer text
    int m_y = 0;
    int m_resultsValueX = 0;
};

int ReportPage::widestBold(std::initializer_list<QString> labels)
{
    if (!m_font.bold)
        setBold(true);
    int widest = 0;
    for (const QString &text : labels)
        widest = std::max(widest, m_canvas.textWidth(text));
    return widest;
}

void ReportPage::rule()
{
    m_canvas.moveTo(m_g.frameLeft, m_y);
    m_canvas.lineTo(m_g.frameRight, m_y);
}

void ReportPage::centred(const QString &text)
{
    ensureRoom(1);
    m_canvas.textOut((m_g.pageWidth - m_canvas.textWidth(text)) / 2, m_y, text);
}

// Draws the cells at the current y; a cell too wide for its room continues on the rows below in
// its own column. A row that fits on a page is kept on one page; a longer one fills the page and
// goes on over the next ones. Then y moves on past the row's last line by stepAfter.
void ReportPage::row(std::initializer_list<Cell> cells, int stepAfter)
{
    std::vector<QStringList> wrapped;
    int lines = 1;
    for (const Cell &cell : cells) {
        if (m_font.bold != cell.bold)
            setBold(cell.bold);
        const int right = cell.right != 0 ? cell.right : textRight();
        wrapped.push_back(
            WrapText(cell.text, right - cell.x, [this](const QString &text) { return m_canvas.textWidth(text); }));
        lines = std::max(lines, int(wrapped.back().size()));
    }
    ensureRoom(lines <= linesPerPage() ? lines : 1);
    for (int i = 0; i < lines; ++i) {
        if (i > 0) {
            m_y += step();
            ensureRoom(1);
        }
        auto pieces = wrapped.cbegin();
        for (const Cell &cell : cells) {
            if (i < pieces->size()) {
                if (m_font.bold != cell.bold)
                    setBold(cell.bold);
                m_canvas.textOut(cell.x, m_y, pieces->at(i));
            }
            ++pieces;
        }
    }
    m_y += stepAfter;
}

// Text lines end 1 mm above the footer's rule.
int ReportPage::linesPerPage() const
{
    const int lowestBottom = m_footerY - m_g.mmY - m_g.gap;
    return std::max(1, (lowestBottom - pageTop() - m_h) / step() + 1);
}

// Starts a new page when the next lines would reach the footer; they then begin where the title
// begins on the first page.
void ReportPage::ensureRoom(int lines)
{
    const int lowestBottom = m_footerY - m_g.mmY - m_g.gap;
    if (m_y + (lines - 1) * step() + m_h <= lowestBottom || m_y <= pageTop())
        return;
    nextPage();
}

void ReportPage::nextPage()
{
    const ReportFont font = m_font;
    finishPage();
    m_canvas.newPage();
    ++m_page;
    m_font = font;
    applyFont();
    m_y = pageTop();
}

void ReportPage::title()
{
    m_y = m_g.frameTop + m_g.gap;
    centred(LoadMessage(PNaglowek));
    m_y += step();
    rule();
}

void ReportPage::workshop()
{
    m_y += m_g.gap;
    centred(LoadMessage(PDaneWarsztatu));
    m_y += step();
    rule();
    m_y += m_g.gap;
    const int valueX = m_g.textLeft + widestBold({label(PNazwa), label(PAdres)});
    row({{m_g.textLeft, label(PNazwa), true}, {valueX, m_report.WorkshopName, false}}, step());
    row({{m_g.textLeft, label(PAdres), true}, {valueX, m_report.WorkshopAddress1, false}}, step());
    row({{valueX, m_report.WorkshopAddress2, false}}, step());
    row({{valueX, m_report.WorkshopAddress3, false}}, step());
    rule();
    setBold(true);
}

void ReportPage::vehicle()
{
    m_y += m_g.gap;
    centred(LoadMessage(PDanePojazdu));
    m_y += step();
    rule();
    const int leftX = m_g.textLeft;
    const int rightX = m_g.textLeft + m_g.rightColumnOffset;
    const int leftValueX = leftX + widestBold({label(PNrRej), label(PMarka), label(PNrSiln)});
    const int rightValueX = rightX + widestBold({label(PPrzebieg), label(PTyp), label(PVIN)});
    const struct {
        std::uint16_t leftLabel;
        const QString &leftValue;
        std::uint16_t rightLabel;
        const QString &rightValue;
    } rows[] = {
        {PNrRej, m_report.RegistrationNo, PPrzebieg, m_report.Mileage},
        {PMarka, m_report.Make, PTyp, m_report.TypeModel},
        {PNrSiln, m_report.EngineNo, PVIN, m_report.Vin},
    };
    // A long left value wraps before the right column.
    const int leftRight = rightX - m_g.mmX;
    for (const auto &r : rows)
        row({{leftX, label(r.leftLabel), true},
             {leftValueX, r.leftValue, false, leftRight},
             {rightX, label(r.rightLabel), true},
             {rightValueX, r.rightValue, false}},
            step());
    rule();
    m_y += m_g.gap;
    setBold(true);
}

void ReportPage::results()
{
    m_y += m_g.gap;
    centred(LoadMessage(PWyniki));
    m_y += step();
    rule();
    m_resultsValueX =
        m_g.textLeft + widestBold({label(PStd), label(PAdrMod), label(PIlO2), label(PLokO2), label(PMIL)});
    m_y += m_g.gap;
    const int x = m_g.textLeft;
    const int valueX = m_resultsValueX;
    row({{x, label(PStd), true}, {valueX, m_report.Protocol + m_report.ProtocolNote, false}}, step());
    row({{x, label(PAdrMod), true}, {valueX, m_report.ModuleAddress, false}}, step());
    row({{x, label(PIlO2), true}, {valueX, m_report.O2SensorCount, false}}, step());
    row({{x, label(PLokO2), true}, {valueX, m_report.O2SensorLocations, false}}, step() + m_g.gap);
}

void ReportPage::faultMemory()
{
    const int x = m_g.textLeft;
    m_font.bold = true;
    setUnderline(true);
    row({{x, LoadMessage(PUst), true}}, 0);
    setUnderline(false);
    m_y += step() + m_g.gap;
    row({{x, label(PMIL), true}, {m_resultsValueX, m_report.MilText, false}}, step());

    const struct {
        std::uint16_t heading;
        const QStringList &lines;
    } lists[] = {{PDTCPend, m_report.PendingLines}, {PDTCStored, m_report.StoredLines}};
    for (const auto &list : lists) {
        row({{x, LoadMessage(list.heading) + u':', true}}, 0);
        setBold(false);
        m_y += step();
        for (const QString &line : list.lines)
            row({{x, line, false}}, step());
        m_y += m_g.gap;
    }
}

void ReportPage::monitors()
{
    const int x = m_g.textLeft;
    m_font.bold = true;
    setUnderline(true);
    row({{x, LoadMessage(PMon), true}}, 0);
    setUnderline(false);
    m_y += step() + m_g.gap;

    const int offset = widestBold({QStringLiteral("MMMM")});
    const int rightX = x + m_g.rightColumnOffset;
    const auto &left = m_report.NonContinuousMonitorTexts;
    const auto &right = m_report.ContinuousMonitorTexts;
    const std::array<const char *, 8> leftLabels = ReportNonContinuousLabels(m_report.CompressionIgnition);
    const char *rightLabels[] = {"MIS", "FUEL", "CC"};
    for (int i = 1; i <= 8; ++i) {
        const int after = i < 8 ? step() : step() + m_g.gap;
        const Cell leftLabel{x, QString::fromLatin1(leftLabels[std::size_t(i - 1)]), true};
        const Cell leftStatus{x + offset, left[std::size_t(i)], false, rightX - m_g.mmX};
        if (i <= 3)
            row({leftLabel,
                 leftStatus,
                 {rightX, QString::fromLatin1(rightLabels[i - 1]), true},
                 {rightX + offset, right[std::size_t(i)], false}},
                after);
        else
            row({leftLabel, leftStatus}, after);
    }
    rule();
    m_y += m_g.gap;
}

void ReportPage::remarks()
{
    m_font.bold = true;
    setUnderline(true);
    row({{m_g.textLeft, LoadMessage(PUwagi) + u':', true}}, 0);
    m_font.underline = false;
    setBold(false);
    m_y += step() + m_g.gap;
    for (const QString &line : m_remarks)
        row({{m_g.textLeft, line, false}}, step());
}

// The control units' page, after the remarks on a page of its own: the battery voltage, then unit by
// unit its name, calibrations, permanent codes and in-use ratios.
void ReportPage::units()
{
    nextPage();
    const ReportUnitsPage &page = m_report.Units;
    setBold(true);
    centred(LoadMessage(PUnits));
    m_y += step();
    rule();
    m_y += m_g.gap;
    const int x = m_g.textLeft;
    const int valueX = x + widestBold({label(SBattery), label(SUnitNameLabel)});
    row({{x, label(SBattery), true}, {valueX, page.BatteryVoltage, false}}, step() + m_g.gap);
    if (!page.Failure.isEmpty())
        row({{x, page.Failure, false}}, step() + m_g.gap);
    for (const ReportUnit &printed : page.Units)
        unit(printed, valueX);
}

void ReportPage::unit(const ReportUnit &printed, int valueX)
{
    const int x = m_g.textLeft;
    const int indent = x + 5 * m_g.mmX;
    m_font.bold = true;
    setUnderline(true);
    row({{x, label(PUnit) + printed.Address, true}}, 0);
    setUnderline(false);
    m_y += step() + m_g.gap;
    row({{x, label(SUnitNameLabel), true}, {valueX, printed.Name, false}}, step());

    row({{x, LoadMessage(PCalibrations) + u':', true}}, step());
    const int cvnX = x + m_g.rightColumnOffset;
    for (const CalibrationRow &calibration : printed.Calibrations)
        row({{indent, calibration.id, false, cvnX - m_g.mmX}, {cvnX, calibration.cvn, false}}, step());

    row({{x, LoadMessage(PPermanent) + u':', true}}, step());
    for (const QString &line : printed.PermanentLines)
        row({{indent, line, false}}, step());

    row({{x, LoadMessage(PInUse) + u':', true}}, step());
    row({{indent, printed.InUseCounters, false}}, step());
    inUse(printed);
    m_y += m_g.gap;
    rule();
    m_y += m_g.gap;
}

// The in-use ratios as a table: the monitor, then its counters, ratio and note in columns as wide
// as their headings.
void ReportPage::inUse(const ReportUnit &printed)
{
    if (printed.InUse.empty())
        return;
    const int monitorX = m_g.textLeft + 5 * m_g.mmX;
    const int completionsX = m_g.textLeft + m_g.rightColumnOffset - 15 * m_g.mmX;
    const int space = 3 * m_g.mmX;
    const int conditionsX = completionsX + widestBold({LoadMessage(SIptCompletions)}) + space;
    const int ratioX = conditionsX + widestBold({LoadMessage(SIptConditions)}) + space;
    const int noteX = ratioX + widestBold({LoadMessage(SIptRatio)}) + space;
    row({{monitorX, LoadMessage(SIptMonitor), true, completionsX - m_g.mmX},
         {completionsX, LoadMessage(SIptCompletions), true, conditionsX - m_g.mmX},
         {conditionsX, LoadMessage(SIptConditions), true, ratioX - m_g.mmX},
         {ratioX, LoadMessage(SIptRatio), true, noteX - m_g.mmX}},
        step());
    for (const InUseRow &monitor : printed.InUse)
        row({{monitorX, monitor.monitor, false, completionsX - m_g.mmX},
             {completionsX, monitor.completions, false, conditionsX - m_g.mmX},
             {conditionsX, monitor.conditions, false, ratioX - m_g.mmX},
             {ratioX, monitor.ratio, false, noteX - m_g.mmX},
             {noteX, monitor.note, true}},
            step());
}

// The footer naming the instrument, its rule, and the frame around the page.
void ReportPage::finishPage()
{
    m_font = ReportFont{};
    m_font.pointSize = kFooterPoints;
    applyFont();
    const QString footer = LoadMessage(PStopka1) + QStringLiteral(": ") + m_report.InterfaceName + u' '
                           + LoadMessage(PStopka2) + u' ' + m_report.SoftwareVersion + QStringLiteral("   ")
                           + LoadMessage(PStopka3);
    m_canvas.textOut((m_g.pageWidth - m_canvas.textWidth(footer)) / 2, m_footerY, footer);
    m_y = m_footerY - m_g.mmY;
    rule();

    const int bottom = m_g.pageBottom - m_g.frameTop;
    m_canvas.moveTo(m_g.frameLeft, m_g.frameTop);
    m_canvas.lineTo(m_g.frameRight, m_g.frameTop);
    m_canvas.lineTo(m_g.frameRight, bottom);
    m_canvas.lineTo(m_g.frameLeft, bottom);
    m_canvas.lineTo(m_g.frameLeft, m_g.frameTop);
    if (m_pages > 1)
        pageHeader();
}

// Above the frame of every page of a longer report: the registration number at the left, the
// page number at the right, in the footer's font.
void ReportPage::pageHeader()
{
    const QString page = LoadMessage(PStrona).arg(m_page).arg(m_pages);
    const int pageX = m_g.frameRight - m_canvas.textWidth(page);
    const int y = m_g.frameTop - m_g.mmY - m_canvas.textHeight(QStringLiteral("X"));
    if (!m_report.RegistrationNo.isEmpty()) {
        // A number too long for its room is cut short.
        const QString caption = label(PNrRej);
        const int room = pageX - m_g.mmX - m_g.frameLeft - m_canvas.textWidth(caption);
        const QStringList registration =
            WrapText(m_report.RegistrationNo, room, [this](const QString &text) { return m_canvas.textWidth(text); });
        m_canvas.textOut(m_g.frameLeft, y, caption + registration.value(0));
    }
    m_canvas.textOut(pageX, y, page);
}

void ReportPage::layOut()
{
    // The footer's place depends on its own font's height.
    m_font.pointSize = kFooterPoints;
    applyFont();
    m_footerY = m_g.pageBottom - m_g.mmY - m_canvas.textHeight(QStringLiteral("X")) - m_g.frameTop;

    m_font = ReportFont{};
    m_font.bold = true;
    applyFont();
    m_canvas.setPenWidth(m_g.mmX / 5);
    m_h = m_canvas.textHeight(LoadMessage(PNaglowek));

    title();
    workshop();
    vehicle();
    results();
    faultMemory();
    monitors();
    remarks();
    if (m_report.IncludeUnits)
        units();
    finishPage();
}

} // namespace

bool PrintReport(ReportCanvas &canvas, const ReportData &report, const QStringList &remarks)
{
    if (!canvas.beginDocument(LoadMessage(PNaglowek)))
        return false;
    // The page count goes on every page, so the report is laid out once to count them first.
    PageCounter counter(canvas);
    ReportPage(counter, report, remarks, 0).layOut();
    ReportPage(canvas, report, remarks, counter.pages()).layOut();
    canvas.endDocument();
    return true;
}

QStringList RemarkLines(const QString &text)
{
    if (text.isEmpty())
        return {};
    QStringList lines = text.split(u'\n');
    if (lines.size() > 1 && lines.back().isEmpty())
        lines.removeLast();
    return lines;
}
