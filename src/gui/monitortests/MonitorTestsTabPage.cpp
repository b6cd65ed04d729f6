#include "gui/monitortests/MonitorTestsTabPage.h"

#include "gui/widgets/Anchors.h"
#include "gui/widgets/Controls.h"
#include "gui/widgets/PageGeometry.h"
#include "gui/widgets/StringGrid.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace {

constexpr int kResultRows = 14; // the header and the rows seen without scrolling

} // namespace

MonitorTestsTabPage::MonitorTestsTabPage(QWidget *parent) : QWidget(parent)
{
    resize(kPageDesignSize);

    GroupBoxMonitorTests =
        makeGroupBox(this, "GroupBoxMonitorTests", tr("   Testy monitorów   "), QRect(5, 10, 772, 479));

    StringGridMonitorTests = new StringGrid(GroupBoxMonitorTests, "StringGridMonitorTests", QRect(13, 25, 746, 283),
                                            ColumnCount, kResultRows, 20, {70, 196, 214, 58, 58, 58, 58, 86});
    setHint(StringGridMonitorTests, tr("Wyniki testów, które sterowniki pojazdu wykonują same: zmierzona wartość, "
                                       "jej granice i ocena. Możesz dopasować szerokość kolumn według uznania."));

    LabelMonitorTestsNote = placed(new QLabel(GroupBoxMonitorTests), "LabelMonitorTestsNote", QRect(13, 312, 746, 36));
    LabelMonitorTestsNote->setWordWrap(true);
    LabelMonitorTestsNote->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    GroupBoxMisfire =
        makeGroupBox(GroupBoxMonitorTests, "GroupBoxMisfire", tr("  Wypadanie zapłonów  "), QRect(13, 352, 519, 113));
    StringGridMisfire =
        new StringGrid(GroupBoxMisfire, "StringGridMisfire", QRect(12, 24, 495, 81), 1, MisfireRowCount, 20, {140});
    setHint(StringGridMisfire, tr("Wypadnięcia zapłonu w każdym cylindrze, jak liczy je sterownik silnika: średnio w "
                                  "ostatnich 10 cyklach jazdy i w ostatnim cyklu."));

    ButtonMonitorTestsRead =
        makeButton(GroupBoxMonitorTests, "ButtonMonitorTestsRead", tr("Odczytaj"), QRect(547, 382, 209, 65));
    ButtonMonitorTestsRead->setFont(pixelFont(ButtonMonitorTestsRead, 19, true));
    setHint(ButtonMonitorTestsRead, tr("Wciśnij ten przycisk aby odczytać wyniki testów monitorów."));

    anchor(GroupBoxMonitorTests, Qt::LeftEdge | Qt::TopEdge | Qt::RightEdge | Qt::BottomEdge);
    anchor(StringGridMonitorTests, Qt::LeftEdge | Qt::TopEdge | Qt::RightEdge | Qt::BottomEdge);
    anchor(LabelMonitorTestsNote, Qt::LeftEdge | Qt::RightEdge | Qt::BottomEdge);
    anchor(GroupBoxMisfire, Qt::LeftEdge | Qt::BottomEdge);
    anchor(ButtonMonitorTestsRead, Qt::RightEdge | Qt::BottomEdge);
}
