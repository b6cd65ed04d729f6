#include "gui/measure/AccelTabPage.h"

#include "gui/widgets/Anchors.h"
#include "gui/widgets/Controls.h"
#include "gui/widgets/PageGeometry.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>

#include "gui/measure/ChartStyle.h"

#include <qcustomplot.h>

#include <initializer_list>

namespace {

// Black plotting area with the speed axis on the left only, a line every 10 km/h.
void makeSpeedChart(QCustomPlot *chart)
{
    makeBlackChart(chart);
    chart->xAxis->setVisible(false);
    chart->xAxis->grid()->setVisible(false);
    chart->xAxis->setRange(0, 50);
    // Every 10 km/h while the labels have room; a wide typed range takes multiples of 10.
    QSharedPointer<QCPAxisTickerFixed> ticker = fixedStepTicker(10);
    ticker->setTickCount(10);
    chart->yAxis->setTicker(ticker);
    chart->yAxis->setRange(0, 100);
}

// One of the large hidden labels of the prompt and result area.
QLabel *makeBigLabel(QWidget *parent, const char *name, const QRect &geometry, int pixelSize, Qt::Alignment alignment)
{
    auto *label = placed(new QLabel(parent), name, geometry);
    QFont font = pixelFont(label, pixelSize, true);
    font.setFamily(QStringLiteral("Arial"));
    label->setFont(font);
    label->setAlignment(alignment);
    label->hide();
    return label;
}

// An edit for a speed of up to three digits; empty until something is typed.
QLineEdit *makeSpeedEdit(QWidget *parent, const char *name, const QRect &geometry)
{
    auto *edit = placed(new QLineEdit(parent), name, geometry);
    edit->setMaxLength(3);
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,3}")), edit));
    edit->setEnabled(false);
    return edit;
}

} // namespace

AccelTabPage::AccelTabPage(QWidget *parent) : QWidget(parent)
{
    resize(kPageDesignSize);

    GroupBox2 = makeGroupBox(this, "GroupBox2", tr("  Przyspieszenie  "), QRect(5, 10, 772, 479));
    ChartAccel = placed(new QCustomPlot(GroupBox2), "ChartAccel", QRect(8, 20, 756, 246));
    makeSpeedChart(ChartAccel);

    GroupBox3 = makeGroupBox(GroupBox2, "GroupBox3", QString(), QRect(8, 274, 520, 197));
    const QRect upper(6, 12, 508, 84);
    const QRect lower(6, 100, 508, 84);
    const QRect upperNumber(6, 12, 440, 84);
    const QRect lowerNumber(6, 100, 440, 84);
    LabelMsg = makeBigLabel(GroupBox3, "LabelMsg", upper, 37, Qt::AlignCenter);
    LabelMsg2 = makeBigLabel(GroupBox3, "LabelMsg2", lower, 37, Qt::AlignCenter);
    LabelSpeed = makeBigLabel(GroupBox3, "LabelSpeed", upperNumber, 64, Qt::AlignRight | Qt::AlignVCenter);
    LabelTime = makeBigLabel(GroupBox3, "LabelTime", lowerNumber, 64, Qt::AlignRight | Qt::AlignVCenter);
    LabelSpeedResult1 = makeBigLabel(GroupBox3, "LabelSpeedResult1", upper, 64, Qt::AlignCenter);
    LabelSpeedResult2 = makeBigLabel(GroupBox3, "LabelSpeedResult2", lower, 64, Qt::AlignCenter);

    RadioGroupAccel = makeGroupBox(GroupBox2, "RadioGroupAccel", tr("  Parametry  "), QRect(536, 274, 228, 124));
    RadioButtonSpd1 =
        placed(new QRadioButton(tr("0 - 100 km/h"), RadioGroupAccel), "RadioButtonSpd1", QRect(12, 22, 200, 20));
    RadioButtonSpd1->setChecked(true);
    RadioButtonSpd2 =
        placed(new QRadioButton(tr("60 - 100 km/h"), RadioGroupAccel), "RadioButtonSpd2", QRect(12, 46, 200, 20));
    RadioButtonSpd3 =
        placed(new QRadioButton(tr("80 - 120 km/h"), RadioGroupAccel), "RadioButtonSpd3", QRect(12, 70, 200, 20));
    RadioButtonSpd4 = placed(new QRadioButton(tr("Inne"), RadioGroupAccel), "RadioButtonSpd4", QRect(12, 94, 64, 20));
    MaskEditVpocz = makeSpeedEdit(RadioGroupAccel, "MaskEditVpocz", QRect(80, 93, 40, 22));
    MaskEditVkonc = makeSpeedEdit(RadioGroupAccel, "MaskEditVkonc", QRect(128, 93, 40, 22));

    ButtonAccelStart = makeButton(GroupBox2, "ButtonAccelStart", tr("Rozpocznij pomiar"), QRect(536, 406, 228, 65));
    ButtonAccelStart->setFont(pixelFont(ButtonAccelStart, 19, true));

    anchor(GroupBox2, Qt::LeftEdge | Qt::TopEdge | Qt::RightEdge | Qt::BottomEdge);
    anchor(ChartAccel, Qt::LeftEdge | Qt::TopEdge | Qt::RightEdge | Qt::BottomEdge);
    anchor(GroupBox3, Qt::LeftEdge | Qt::BottomEdge);
    for (QWidget *control : std::initializer_list<QWidget *>{RadioGroupAccel, ButtonAccelStart})
        anchor(control, Qt::RightEdge | Qt::BottomEdge);
}
