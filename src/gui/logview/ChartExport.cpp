#include "gui/logview/ChartExport.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImage>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

#include <qcustomplot.h>

namespace {

constexpr double kScreenDotsPerMetre = 96 / 0.0254;

} // namespace

QByteArray ChartPng(QCustomPlot &chart, int width, int height)
{
    QImage image = chart.toPixmap(width, height).toImage();
    image.setDotsPerMeterX(qRound(kScreenDotsPerMetre));
    image.setDotsPerMeterY(qRound(kScreenDotsPerMetre));
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (image.isNull() || !image.save(&buffer, "PNG"))
        return {};
    return buffer.data();
}

QByteArray ChartPdf(QCustomPlot &chart, int width, int height)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setCreator(QCoreApplication::applicationName());
        // The page is the chart's size, one point a pixel, without margins.
        QPageLayout layout;
        layout.setMode(QPageLayout::FullPageMode);
        layout.setOrientation(QPageLayout::Portrait);
        layout.setMargins(QMarginsF(0, 0, 0, 0));
        layout.setPageSize(QPageSize(QSizeF(width, height), QPageSize::Point, QString(), QPageSize::ExactMatch));
        writer.setPageLayout(layout);
        QCPPainter painter;
        if (!painter.begin(&writer))
            return {};
        painter.setMode(QCPPainter::pmVectorized);
        painter.setMode(QCPPainter::pmNoCaching);
        painter.setWindow(QRect(0, 0, width, height));
        chart.toPainter(&painter, width, height);
        painter.end();
    }
    return buffer.data();
}
