#pragma once

#include <QColor>

class QCPGraph;
class QCustomPlot;

// One trace of a chart: a line or a series of point markers, created once with its chart and
// shown on it only while attached.
class ChartSeries {
public:
    enum class Kind { Line, Points };

    ChartSeries(QCustomPlot &chart, Kind kind);

    // Attaching an attached series changes nothing; detaching hides it from the chart.
    void attach();
    void detach();
    bool attached() const;

    void clear();
    void append(double x, double y);
    int count() const;
    double x(int index) const;
    double y(int index) const;
    void setY(int index, double y);
    // Moves the Y values of points 1..last one point back; point `last` keeps its value.
    void shiftLeft(int last);

    void setColour(const QColor &colour);
    QColor colour() const;

    // Marks each point with a down-pointing triangle.
    void setTriangleMarker();

    QCPGraph &graph() { return *m_graph; }

private:
    QCPGraph *m_graph; // owned by the chart
};
