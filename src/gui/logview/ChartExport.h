#pragma once

#include <QByteArray>

class QCustomPlot;

// A chart as the bytes of a PNG picture or a one-page PDF document of width x height (pixels, or
// points on the page); empty when it could not be drawn.
QByteArray ChartPng(QCustomPlot &chart, int width, int height);
QByteArray ChartPdf(QCustomPlot &chart, int width, int height);
