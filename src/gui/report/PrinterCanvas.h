#pragma once

#include "core/report/PrintReport.h"
#include "core/report/ReportCanvas.h"

#include <QPainter>
#include <QPoint>

#include <functional>

class QPagedPaintDevice;
class QPdfWriter;
class QPrinter;

// The report canvas on a printer (or a PDF file, or a PDF writer): a QPainter in the device's
// pixels, with the origin at the top-left corner of the printable area.
class PrinterCanvas final : public ReportCanvas {
public:
    explicit PrinterCanvas(QPrinter &printer);
    explicit PrinterCanvas(QPdfWriter &writer);

    bool beginDocument(const QString &title) override;
    void newPage() override;
    void endDocument() override;
    DeviceMetrics metrics() const override;
    void setFont(const ReportFont &font) override;
    void setPenWidth(int pixels) override;
    int textWidth(const QString &text) override;
    int textHeight(const QString &text) override;
    void textOut(int x, int y, const QString &text) override;
    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;

private:
    QPagedPaintDevice &m_device;
    int m_resolution;
    std::function<void(const QString &)> m_setTitle;
    QPainter m_painter;
    QPoint m_current;
};

// A printer as the report dialog first offers it: A4 upright at the printer's full resolution,
// with the few millimetres of unprintable border a workshop laser printer has.
void PrepareReportPrinter(QPagedPaintDevice &printer);

// Prints the report on printer; false when the printer (or the PDF file) could not be started.
bool PrintReportOn(QPrinter &printer, const ReportData &report, const QStringList &remarks);
