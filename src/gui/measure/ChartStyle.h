#pragma once

#include <QSharedPointer>

class QCPAxisTickerFixed;
class QCustomPlot;

// The look of the measurement charts: a black plotting area without margins or legend, grey
// axes and a dark dotted grid; the top and right axes hidden.
void makeBlackChart(QCustomPlot *chart);

// Ticks at multiples of step (wider multiples when the labels would crowd).
QSharedPointer<QCPAxisTickerFixed> fixedStepTicker(double step);
