#include "gui/units/UnitsTabPage.h"

#include "gui/widgets/Anchors.h"
#include "gui/widgets/Controls.h"
#include "gui/widgets/PageGeometry.h"
#include "gui/widgets/StringGrid.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {

// A read-only field with its caption before it; a screen reader names the field by the caption.
QLineEdit *addField(QWidget *box, const char *labelName, QLabel *&label, const QString &caption, const char *editName,
                    const QRect &geometry)
{
    label = makeLabel(box, labelName, caption, geometry.left() - 4, geometry.top() + 2);
    label->move(geometry.left() - 4 - label->width(), geometry.top() + 2);
    QLineEdit *edit = makeReadOnlyEdit(box, editName, geometry);
    label->setBuddy(edit);
    return edit;
}

} // namespace

UnitsTabPage::UnitsTabPage(QWidget *parent) : QWidget(parent)
{
    resize(kPageDesignSize);

    GroupBoxUnitList = makeGroupBox(this, "GroupBoxUnitList", tr("  Sterowniki  "), QRect(5, 10, 240, 200));
    ListBoxUnits = placed(new QListWidget(GroupBoxUnitList), "ListBoxUnits", QRect(12, 24, 216, 164));
    ListBoxUnits->setAccessibleName(tr("Sterowniki"));
    setHint(ListBoxUnits, tr("Sterowniki, które odpowiedziały; wybierz jeden, aby zobaczyć jego dane."));

    GroupBoxBattery = makeGroupBox(this, "GroupBoxBattery", tr("  Napięcie akumulatora  "), QRect(5, 220, 240, 90));
    LabelBatteryVoltage = placed(new QLabel(GroupBoxBattery), "LabelBatteryVoltage", QRect(12, 30, 110, 40));
    LabelBatteryVoltage->setFont(pixelFont(LabelBatteryVoltage, 19, true));
    // Announced by the voltage it shows, under the group's caption.
    setHint(LabelBatteryVoltage, tr("Napięcie na złączu diagnostycznym, zmierzone przez interfejs."));
    ButtonBatteryRefresh = makeButton(GroupBoxBattery, "ButtonBatteryRefresh", tr("Odśwież"), QRect(132, 34, 96, 33));
    setHint(ButtonBatteryRefresh, tr("Wciśnij ten przycisk aby zmierzyć napięcie akumulatora ponownie."));

    ButtonUnitsRead = makeButton(this, "ButtonUnitsRead", tr("Odczytaj"), QRect(5, 424, 240, 65));
    ButtonUnitsRead->setFont(pixelFont(ButtonUnitsRead, 19, true));
    setHint(ButtonUnitsRead, tr("Wciśnij ten przycisk aby odczytać dane wszystkich sterowników."));
    anchor(ButtonUnitsRead, Qt::LeftEdge | Qt::BottomEdge);

    GroupBoxUnit = makeGroupBox(this, "GroupBoxUnit", tr("  Sterownik  "), QRect(255, 10, 522, 80));
    anchor(GroupBoxUnit, Qt::LeftEdge | Qt::TopEdge | Qt::RightEdge);
    EditUnitName =
        addField(GroupBoxUnit, "LabelUnitName", LabelUnitName, tr("Nazwa:"), "EditUnitName", QRect(62, 22, 228, 21));
    setHint(EditUnitName, tr("Nazwa sterownika, którą sam podaje"));
    EditUnitAddress = addField(GroupBoxUnit, "LabelUnitAddress", LabelUnitAddress, tr("Adres:"), "EditUnitAddress",
                               QRect(350, 22, 160, 21));
    setHint(EditUnitAddress, tr("Adres sterownika"));
    EditInfoTypes = addField(GroupBoxUnit, "LabelInfoTypes", LabelInfoTypes, tr("Obsługiwane InfoType:"),
                             "EditInfoTypes", QRect(150, 48, 360, 21));
    setHint(EditInfoTypes, tr("Informacje o pojeździe (usługa 09), które sterownik obsługuje"));

    GroupBoxCalibrations = makeGroupBox(this, "GroupBoxCalibrations", tr("  Kalibracje  "), QRect(255, 95, 522, 100));
    anchor(GroupBoxCalibrations, Qt::LeftEdge | Qt::TopEdge | Qt::RightEdge);
    StringGridCalibrations = new StringGrid(GroupBoxCalibrations, "StringGridCalibrations", QRect(12, 22, 498, 66),
                                            CalibrationColumnCount, 3, 20, {300, 170});
    anchor(StringGridCalibrations, Qt::LeftEdge | Qt::TopEdge | Qt::RightEdge);
    setHint(StringGridCalibrations, tr("Identyfikatory kalibracji sterownika i ich numery weryfikacyjne (CVN)."));

    GroupBoxInUse =
        makeGroupBox(this, "GroupBoxInUse", tr("  Wskaźniki wykonania monitorów  "), QRect(255, 200, 522, 160));
    anchor(GroupBoxInUse, Qt::LeftEdge | Qt::TopEdge | Qt::RightEdge);
    LabelInUseCounters = placed(new QLabel(GroupBoxInUse), "LabelInUseCounters", QRect(12, 20, 498, 18));
    StringGridInUse = new StringGrid(GroupBoxInUse, "StringGridInUse", QRect(12, 40, 498, 108), InUseColumnCount, 10,
                                     20, {200, 72, 62, 80, 72});
    anchor(LabelInUseCounters, Qt::LeftEdge | Qt::TopEdge | Qt::RightEdge);
    anchor(StringGridInUse, Qt::LeftEdge | Qt::TopEdge | Qt::RightEdge);
    setHint(StringGridInUse, tr("Ile razy każdy monitor zakończył test, wobec tego ile razy pojazd jeździł "
                                "w warunkach, których test wymaga."));

    GroupBoxPermanent = makeGroupBox(this, "GroupBoxPermanent", tr("  Kody stałe  "), QRect(255, 365, 522, 124));
    anchor(GroupBoxPermanent, Qt::LeftEdge | Qt::TopEdge | Qt::RightEdge | Qt::BottomEdge);
    StringGridPermanent = new StringGrid(GroupBoxPermanent, "StringGridPermanent", QRect(12, 22, 498, 90),
                                         PermanentColumnCount, 4, 20, {72, 76, 347});
    setHint(StringGridPermanent, tr("Kody stałe wszystkich sterowników: kasuje je tylko sam sterownik, gdy jego "
                                    "monitor znów przejdzie test, nigdy kasowanie kodów błędów."));
    anchor(StringGridPermanent, Qt::LeftEdge | Qt::TopEdge | Qt::RightEdge | Qt::BottomEdge);
}
