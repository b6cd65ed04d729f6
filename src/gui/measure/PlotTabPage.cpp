#include "gui/measure/PlotTabPage.h"

#include "gui/widgets/Anchors.h"
#include "gui/widgets/Controls.h"
#include "gui/widgets/PageGeometry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "gui/measure/ChartStyle.h"

#include <qcustomplot.h>

namespace {

constexpr std::array<QRgb, PlotTabPage::kTraceCount> kTraceColours{0xFF00FF, 0xFF0000, 0x00FF00, 0xFFFF00, 0x00FFFF};

} // namespace

QColor PlotTabPage::traceColour(int k)
{
    return QColor(kTraceColours.at(static_cast<std::size_t>(k)));
}

PlotTabPage::PlotTabPage(QWidget *parent) : QWidget(parent)
{
    resize(kPageDesignSize);

    GroupBox1 = makeGroupBox(this, "GroupBox1", tr("  Wykres  "), QRect(5, 10, 772, 479));
    Chart1 = placed(new QCustomPlot(GroupBox1), "Chart1", QRect(8, 20, 756, 262));
    makeBlackChart(Chart1);
    // Fast lines: the traces are repainted at every scroll tick.
    Chart1->setNotAntialiasedElements(QCP::aeAll);
    Chart1->setPlottingHints(QCP::phFastPolylines | QCP::phCacheLabels);

    GroupBoxPlot =
        makeGroupBox(GroupBox1, "GroupBoxPlot", tr("  Wybór parametrów do rysowania  "), QRect(8, 288, 520, 183));
    for (int k = 0; k < kTraceCount; ++k) {
        const int y = 24 + k * 31;
        // The layout numbers the rows from 1: "CBP1" .. "CBP5".
        const QByteArray number = QByteArray::number(k + 1);
        const auto name = [&number](const char *stem) { return QByteArray(stem) + number; };

        CBP[k] = placed(new QCheckBox(GroupBoxPlot), name("CBP").constData(), QRect(10, y + 2, 17, 17));
        CBP[k]->setChecked(true);
        CBP[k]->setEnabled(false);

        ShapePlot[k] = placed(new QFrame(GroupBoxPlot), name("ShapePlot").constData(), QRect(32, y + 8, 73, 5));
        ShapePlot[k]->setAutoFillBackground(true);
        QPalette barPalette = ShapePlot[k]->palette();
        barPalette.setColor(QPalette::Window, traceColour(k));
        ShapePlot[k]->setPalette(barPalette);

        ComboBoxPlot[k] = placed(new QComboBox(GroupBoxPlot), name("ComboBoxPlot").constData(), QRect(114, y, 290, 22));
        ComboBoxPlot[k]->setEnabled(false);

        EditPlot[k] = makeReadOnlyEdit(GroupBoxPlot, name("EditPlot").constData(), QRect(412, y, 49, 22));

        LabelPlot[k] = placed(new QLabel(GroupBoxPlot), name("LabelPlot").constData(), QRect(467, y, 47, 22));
    }

    Label12 = makeLabel(GroupBox1, "Label12", tr("Ilość próbek:"), 544, 292);
    ComboBoxSerSize = placed(new QComboBox(GroupBox1), "ComboBoxSerSize", QRect(544, 310, 220, 22));
    ComboBoxSerSize->addItems({tr("50"), tr("75"), tr("100"), tr("125"), tr("150")});

    Label13 = makeLabel(GroupBox1, "Label13", tr("Prędkość odświeżania [ms]"), 544, 344);
    ComboBoxFreq = placed(new QComboBox(GroupBox1), "ComboBoxFreq", QRect(544, 362, 220, 22));
    ComboBoxFreq->addItems({tr("100"), tr("200"), tr("300"), tr("400"), tr("500"), tr("600"), tr("700"), tr("800"),
                            tr("900"), tr("1000")});

    ButtonPlotStart = makeButton(GroupBox1, "ButtonPlotStart", tr("Start"), QRect(544, 406, 220, 65));
    ButtonPlotStart->setFont(pixelFont(ButtonPlotStart, 19, true));

    anchor(GroupBox1, Qt::LeftEdge | Qt::TopEdge | Qt::RightEdge | Qt::BottomEdge);
    anchor(Chart1, Qt::LeftEdge | Qt::TopEdge | Qt::RightEdge | Qt::BottomEdge);
    anchor(GroupBoxPlot, Qt::LeftEdge | Qt::BottomEdge);
    for (QWidget *control :
         std::initializer_list<QWidget *>{Label12, ComboBoxSerSize, Label13, ComboBoxFreq, ButtonPlotStart})
        anchor(control, Qt::RightEdge | Qt::BottomEdge);
}
