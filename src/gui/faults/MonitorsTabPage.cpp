#include "gui/faults/MonitorsTabPage.h"

#include "gui/widgets/Anchors.h"
#include "gui/widgets/Controls.h"
#include "gui/widgets/PageGeometry.h"
#include "gui/widgets/StringGrid.h"

#include <QGroupBox>
#include <QPushButton>

MonitorsTabPage::MonitorsTabPage(QWidget *parent) : QWidget(parent)
{
    resize(kPageDesignSize);

    GroupBoxMonitors = makeGroupBox(this, "GroupBoxMonitors", tr("   Monitory   "), QRect(5, 10, 772, 479));

    GroupBoxMonitorNonCont = makeGroupBox(GroupBoxMonitors, "GroupBoxMonitorNonCont",
                                          tr("  Monitory diagnostyczne - Ciagle  "), QRect(13, 25, 519, 143));
    StringGridMonitorCont = new StringGrid(GroupBoxMonitorNonCont, "StringGridMonitorCont", QRect(12, 26, 495, 105),
                                           ColumnCount, 4, 20, {268, 102, 102});
    StringGridMonitorCont->hideScrollBars();
    setHint(StringGridMonitorCont, tr("Status monitorów diagnostycznych monitorowanych ciągle.  "
                                      "Możesz dopasować szerokość kolumn według uznania."));

    GroupBoxMonitorCont = makeGroupBox(GroupBoxMonitors, "GroupBoxMonitorCont",
                                       tr("  Monitory diagnostyczne - Nie ciagle  "), QRect(13, 199, 519, 249));
    StringGridMonitorNonCont = new StringGrid(GroupBoxMonitorCont, "StringGridMonitorNonCont", QRect(12, 26, 495, 211),
                                              ColumnCount, 9, 20, {259, 106, 101});
    StringGridMonitorNonCont->hideScrollBars();
    setHint(StringGridMonitorNonCont, tr("Status monitorów diagnostycznych monitorowanych okresowo. "
                                         "Możesz dopasować szerokość kolumn według uznania."));

    ButtonMonitorRead = makeButton(GroupBoxMonitors, "ButtonMonitorRead", tr("Odczytaj"), QRect(547, 382, 209, 65));
    ButtonMonitorRead->setFont(pixelFont(ButtonMonitorRead, 19, true));
    setHint(ButtonMonitorRead, tr("Wciśnij ten przycisk aby odczytać stan monitorów diagnostycznych."));
    anchor(ButtonMonitorRead, Qt::RightEdge | Qt::BottomEdge);
}
