#pragma once

#include <QByteArray>
#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>

class QCustomPlot;

// What an exported chart carries above the plot, so that whoever receives the file can read it
// without the program: the lines of its title (the log's file name, the time it spans) and a
// legend entry for each parameter shown, in its trace's colour.
struct ChartLegend {
    struct Entry {
        QColor colour;
        QString text; // the parameter's name and unit
    };
    QStringList title;
    QList<Entry> entries;
};

// A chart with its legend above it, as the bytes of a PNG picture or a one-page PDF document; the
// plot is width x height (pixels, or points on the page) and the legend as wide. Empty when it
// could not be drawn.
QByteArray ChartPng(QCustomPlot &chart, int width, int height, const ChartLegend &legend);
QByteArray ChartPdf(QCustomPlot &chart, int width, int height, const ChartLegend &legend);
