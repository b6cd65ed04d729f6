#include "gui/measure/ChartStyle.h"

#include <qcustomplot.h>

void makeBlackChart(QCustomPlot *chart)
{
    const QColor axisColour(0xC0, 0xC0, 0xC0);
    const QColor gridColour(0x40, 0x40, 0x40);
    chart->setBackground(Qt::black);
    chart->axisRect()->setBackground(Qt::black);
    chart->plotLayout()->setMargins(QMargins(0, 0, 0, 0));
    chart->axisRect()->setMinimumMargins(QMargins(2, 2, 2, 2));
    for (QCPAxis *axis : chart->axisRect()->axes()) {
        axis->setBasePen(QPen(axisColour));
        axis->setTickPen(QPen(axisColour));
        axis->setSubTickPen(QPen(axisColour));
        axis->setTickLabelColor(axisColour);
        axis->setLabelColor(axisColour);
        axis->grid()->setPen(QPen(gridColour, 0, Qt::DotLine));
    }
    chart->xAxis2->setVisible(false);
    chart->yAxis2->setVisible(false);
    chart->legend->setVisible(false);
    // Nothing is drawn on the overlay: one paint buffer for all layers keeps a repaint to one fill.
    chart->layer(QStringLiteral("overlay"))->setMode(QCPLayer::lmLogical);
}

QSharedPointer<QCPAxisTickerFixed> fixedStepTicker(double step)
{
    QSharedPointer<QCPAxisTickerFixed> ticker(new QCPAxisTickerFixed);
    ticker->setTickStep(step);
    ticker->setScaleStrategy(QCPAxisTickerFixed::ssMultiples);
    return ticker;
}
