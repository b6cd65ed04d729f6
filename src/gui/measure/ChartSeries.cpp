#include "gui/measure/ChartSeries.h"

#include <qcustomplot.h>

ChartSeries::ChartSeries(QCustomPlot &chart, Kind kind) : m_graph(chart.addGraph())
{
    if (kind == Kind::Points) {
        m_graph->setLineStyle(QCPGraph::lsNone);
        m_graph->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssDisc, 8));
    }
    m_graph->setVisible(false);
}

void ChartSeries::attach()
{
    m_graph->setVisible(true);
}

void ChartSeries::detach()
{
    m_graph->setVisible(false);
}

bool ChartSeries::attached() const
{
    return m_graph->visible();
}

void ChartSeries::clear()
{
    m_graph->data()->clear();
}

void ChartSeries::append(double x, double y)
{
    m_graph->addData(x, y);
}

int ChartSeries::count() const
{
    return m_graph->dataCount();
}

double ChartSeries::x(int index) const
{
    return (m_graph->data()->constBegin() + index)->key;
}

double ChartSeries::y(int index) const
{
    return (m_graph->data()->constBegin() + index)->value;
}

void ChartSeries::setY(int index, double y)
{
    (m_graph->data()->begin() + index)->value = y;
}

void ChartSeries::shiftLeft(int last)
{
    auto point = m_graph->data()->begin();
    for (int index = 0; index < last; ++index, ++point)
        point->value = (point + 1)->value;
}

void ChartSeries::setColour(const QColor &colour)
{
    QPen pen = m_graph->pen();
    pen.setColor(colour);
    m_graph->setPen(pen);
    QCPScatterStyle style = m_graph->scatterStyle();
    style.setPen(QPen(colour));
    style.setBrush(QBrush(colour));
    m_graph->setScatterStyle(style);
}

QColor ChartSeries::colour() const
{
    return m_graph->pen().color();
}

void ChartSeries::setTriangleMarker()
{
    QCPScatterStyle style = m_graph->scatterStyle();
    style.setShape(QCPScatterStyle::ssTriangleInverted);
    style.setSize(10);
    m_graph->setScatterStyle(style);
}
