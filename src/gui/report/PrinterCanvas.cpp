#include "gui/report/PrinterCanvas.h"

#include <QFont>
#include <QFontMetrics>
#include <QMarginsF>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPen>
#include <QPrinter>

namespace {

constexpr double kUnprintableBorderMm = 5.0;

} // namespace

PrinterCanvas::PrinterCanvas(QPrinter &printer)
    : m_device(printer),
      m_resolution(printer.resolution()),
      m_setTitle([&printer](const QString &title) { printer.setDocName(title); })
{
}

PrinterCanvas::PrinterCanvas(QPdfWriter &writer)
    : m_device(writer),
      m_resolution(writer.resolution()),
      m_setTitle([&writer](const QString &title) { writer.setTitle(title); })
{
}

bool PrinterCanvas::beginDocument(const QString &title)
{
    m_setTitle(title);
    if (!m_painter.begin(&m_device))
        return false;
    m_painter.setRenderHint(QPainter::TextAntialiasing);
    return true;
}

void PrinterCanvas::newPage()
{
    m_device.newPage();
}

void PrinterCanvas::endDocument()
{
    m_painter.end();
}

DeviceMetrics PrinterCanvas::metrics() const
{
    const int dpi = m_resolution;
    const QPageLayout layout = m_device.pageLayout();
    const QRect paper = layout.fullRectPixels(dpi);
    const QRect printable = layout.paintRectPixels(dpi);
    return {dpi,
            dpi,
            printable.left() - paper.left(),
            printable.top() - paper.top(),
            printable.width(),
            printable.height()};
}

void PrinterCanvas::setFont(const ReportFont &font)
{
    QFont qfont(font.family);
    qfont.setStyleHint(QFont::SansSerif);
    qfont.setPointSize(font.pointSize);
    qfont.setBold(font.bold);
    qfont.setUnderline(font.underline);
    m_painter.setFont(qfont);
}

void PrinterCanvas::setPenWidth(int pixels)
{
    m_painter.setPen(QPen(Qt::black, pixels, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
}

int PrinterCanvas::textWidth(const QString &text)
{
    return m_painter.fontMetrics().horizontalAdvance(text);
}

int PrinterCanvas::textHeight(const QString &)
{
    return m_painter.fontMetrics().height();
}

void PrinterCanvas::textOut(int x, int y, const QString &text)
{
    m_painter.drawText(x, y + m_painter.fontMetrics().ascent(), text);
}

void PrinterCanvas::moveTo(int x, int y)
{
    m_current = QPoint(x, y);
}

void PrinterCanvas::lineTo(int x, int y)
{
    const QPoint to(x, y);
    m_painter.drawLine(m_current, to);
    m_current = to;
}

void PrepareReportPrinter(QPagedPaintDevice &printer)
{
    printer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                    QMarginsF(kUnprintableBorderMm, kUnprintableBorderMm, kUnprintableBorderMm, kUnprintableBorderMm),
                    QPageLayout::Millimeter));
}

bool PrintReportOn(QPrinter &printer, const ReportData &report, const QStringList &remarks)
{
    PrinterCanvas canvas(printer);
    return PrintReport(canvas, report, remarks);
}
