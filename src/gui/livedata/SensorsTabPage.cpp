#include "gui/livedata/SensorsTabPage.h"

#include "gui/widgets/Anchors.h"
#include "gui/widgets/Controls.h"
#include "gui/widgets/PageGeometry.h"
#include "gui/widgets/StringGrid.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <initializer_list>

SensorsTabPage::SensorsTabPage(QWidget *parent) : QWidget(parent)
{
    resize(kPageDesignSize);

    GroupBoxSensors = makeGroupBox(this, "GroupBoxSensors", tr("  Dane z czujników  "), QRect(5, 10, 772, 479));

    StringGridSensors = new StringGrid(GroupBoxSensors, "StringGridSensors", QRect(8, 16, 753, 417), ColumnCount, 80,
                                       17, {20, 21, 27, 285, 79, 294});
    setHint(StringGridSensors, tr("Dane odczytywane z czujników. Klikając checkboxy po lewej stronie możesz wyłączyć "
                                  "czujniki których nie potrzebujesz oglądać, dzięki czemu pozostałe będą odczytywane "
                                  "szybciej. "));

    ButtonStart = makeButton(GroupBoxSensors, "ButtonStart", tr("Start"), QRect(8, 440, 145, 33));
    ButtonStart->setFont(pixelFont(ButtonStart, 19, true));
    setHint(ButtonStart, tr("Wciśnij ten przycisk aby rozpocząć lub zatrzymać odczytywanie czujników."));

    ButtonLogToFile = makeButton(GroupBoxSensors, "ButtonLogToFile", tr("Zapis do pliku"), QRect(168, 440, 129, 33));
    QFont boldFont = ButtonLogToFile->font();
    boldFont.setBold(true);
    ButtonLogToFile->setFont(boldFont);
    ButtonLogToFile->setEnabled(false);

    ButtonSelectAll = makeButton(GroupBoxSensors, "ButtonSelectAll", tr("Wszystkie"), QRect(336, 448, 57, 25));
    setHint(ButtonSelectAll, tr("Wciśnij ten przycisk aby włączyć wszystkie czujniki - zaznaczyc wszystkie "
                                "checkboxy po lewej stronie."));
    ButtonDeselectAll = makeButton(GroupBoxSensors, "ButtonDeselectAll", tr("Żaden"), QRect(392, 448, 57, 25));
    setHint(ButtonDeselectAll, tr("Wciśnij ten przycisk aby wyłączyć wszystkie czujniki - wyczyścić wszystkie "
                                  "checkboxy po lewej stronie."));
    ButtonInvert = makeButton(GroupBoxSensors, "ButtonInvert", tr("Odwróć zaznaczenie"), QRect(448, 448, 115, 25));
    setHint(ButtonInvert, tr("Wciśnij ten przycisk aby odwrócić włączone czujniki. Czujniki włączona zostaną "
                             "wyłączone."));

    CheckBoxForceMode = placed(new QCheckBox(GroupBoxSensors), "CheckBoxForceMode", QRect(600, 444, 17, 17));
    setHint(CheckBoxForceMode, tr("Zaznacz ten checkbox aby zobaczyć listę wszystkich czujników, włącznie z tymi "
                                  "które nie odpowiadają w podłączonym samochodzie."));
    Label10 = makeLabel(GroupBoxSensors, "Label10", tr("Pokaż"), 616, 445);
    Label11 = makeLabel(GroupBoxSensors, "Label11", tr("nieobsługiwane"), 600, 460);

    ButtonResetSupported = makeButton(GroupBoxSensors, "ButtonResetSupported", tr("Wykryj"), QRect(688, 448, 75, 25));
    setHint(ButtonResetSupported, tr("Kliknij ten przycisk, aby wymusić rzeczywiste sprawdzenie, które czujniki "
                                     "działają w podłączonym samochodzie."));

    anchor(GroupBoxSensors, Qt::LeftEdge | Qt::TopEdge | Qt::RightEdge | Qt::BottomEdge);
    anchor(StringGridSensors, Qt::LeftEdge | Qt::TopEdge | Qt::RightEdge | Qt::BottomEdge);
    using Widgets = std::initializer_list<QWidget *>;
    for (QWidget *control : Widgets{ButtonStart, ButtonLogToFile})
        anchor(control, Qt::LeftEdge | Qt::BottomEdge);
    for (QWidget *control : Widgets{ButtonSelectAll, ButtonDeselectAll, ButtonInvert})
        anchor(control, Qt::BottomEdge);
    for (QWidget *control : Widgets{CheckBoxForceMode, Label10, Label11, ButtonResetSupported})
        anchor(control, Qt::RightEdge | Qt::BottomEdge);
}
