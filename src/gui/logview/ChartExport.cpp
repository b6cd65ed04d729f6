#include "gui/logview/ChartExport.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QImage>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <qcustomplot.h>

namespace {

constexpr double kScreenDotsPerMetre = 96 / 0.0254;
constexpr int kMargin = 8;
constexpr int kSwatchWidth = 28;
constexpr int kSwatchHeight = 4;

// The legend's text: the chart's own face at the size it has on screen.
QFont legendFont(const QCustomPlot &chart)
{
    QFont font = chart.font();
    font.setPixelSize(QFontInfo(chart.font()).pixelSize());
    return font;
}

int legendHeight(const QCustomPlot &chart, const ChartLegend &legend)
{
    const int lines = int(legend.title.size() + legend.entries.size());
    return lines == 0 ? 0 : 2 * kMargin + lines * QFontMetrics(legendFont(chart)).height();
}

// Draws the legend on the chart's background, the title lines in the chart's text colour and
// each entry after a stroke of its trace's colour.
void drawLegend(QPainter &painter, const QCustomPlot &chart, const ChartLegend &legend, int width)
{
    const int height = legendHeight(chart, legend);
    if (height == 0)
        return;
    const QBrush background = chart.axisRect()->backgroundBrush();
    painter.fillRect(QRect(0, 0, width, height), background.style() == Qt::NoBrush ? QBrush(Qt::black) : background);
    const QFont font = legendFont(chart);
    const QFontMetrics metrics(font);
    painter.setFont(font);
    const QColor text = chart.xAxis->tickLabelColor();
    int y = kMargin;
    for (const QString &line : legend.title) {
        painter.setPen(text);
        painter.drawText(QRect(kMargin, y, width - 2 * kMargin, metrics.height()), Qt::AlignLeft | Qt::AlignVCenter,
                         line);
        y += metrics.height();
    }
    for (const ChartLegend::Entry &entry : legend.entries) {
        const int middle = y + metrics.height() / 2;
        painter.fillRect(QRect(kMargin, middle - kSwatchHeight / 2, kSwatchWidth, kSwatchHeight), entry.colour);
        painter.setPen(entry.colour);
        const int textLeft = kMargin + kSwatchWidth + kMargin;
        painter.drawText(QRect(textLeft, y, width - textLeft - kMargin, metrics.height()),
                         Qt::AlignLeft | Qt::AlignVCenter, entry.text);
        y += metrics.height();
    }
}

} // namespace

QByteArray ChartPng(QCustomPlot &chart, int width, int height, const ChartLegend &legend)
{
    const int top = legendHeight(chart, legend);
    QImage image(width, top + height, QImage::Format_RGB32);
    image.fill(Qt::black);
    {
        QPainter painter(&image);
        drawLegend(painter, chart, legend, width);
        painter.drawPixmap(0, top, chart.toPixmap(width, height));
    }
    image.setDotsPerMeterX(qRound(kScreenDotsPerMetre));
    image.setDotsPerMeterY(qRound(kScreenDotsPerMetre));
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (image.isNull() || !image.save(&buffer, "PNG"))
        return {};
    return buffer.data();
}

QByteArray ChartPdf(QCustomPlot &chart, int width, int height, const ChartLegend &legend)
{
    const int top = legendHeight(chart, legend);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setCreator(QCoreApplication::applicationName());
        // The page is the legend and the chart, one point a pixel, without margins.
        QPageLayout layout;
        layout.setMode(QPageLayout::FullPageMode);
        layout.setOrientation(QPageLayout::Portrait);
        layout.setMargins(QMarginsF(0, 0, 0, 0));
        layout.setPageSize(QPageSize(QSizeF(width, top + height), QPageSize::Point, QString(), QPageSize::ExactMatch));
        writer.setPageLayout(layout);
        QCPPainter painter;
        if (!painter.begin(&writer))
            return {};
        painter.setMode(QCPPainter::pmVectorized);
        painter.setMode(QCPPainter::pmNoCaching);
        painter.setWindow(QRect(0, 0, width, top + height));
        drawLegend(painter, chart, legend, width);
        painter.translate(0, top);
        chart.toPainter(&painter, width, height);
        painter.end();
    }
    return buffer.data();
}
