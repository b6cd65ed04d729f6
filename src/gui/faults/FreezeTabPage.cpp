#include "gui/faults/FreezeTabPage.h"

#include "gui/widgets/Anchors.h"
#include "gui/widgets/Controls.h"
#include "gui/widgets/PageGeometry.h"
#include "gui/widgets/StringGrid.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

FreezeTabPage::FreezeTabPage(QWidget *parent) : QWidget(parent)
{
    resize(kPageDesignSize);

    GroupBoxFreezeFrame = makeGroupBox(this, "GroupBoxFreezeFrame", tr("  Zamrożone ramki  "), QRect(5, 10, 772, 95));
    Label7 = makeLabel(GroupBoxFreezeFrame, "Label7", tr("Kod błędu:"), 16, 32);
    Label8 = makeLabel(GroupBoxFreezeFrame, "Label8", tr("Opis:"), 128, 32);
    LabeledEditDTCCode = makeReadOnlyEdit(GroupBoxFreezeFrame, "LabeledEditDTCCode", QRect(16, 56, 97, 21));
    setHint(LabeledEditDTCCode, tr("Kod błędu który spowodował zapamiętanie zamrożonej ramki."));
    LabeledEditDTCDesc = makeReadOnlyEdit(GroupBoxFreezeFrame, "LabeledEditDTCDesc", QRect(128, 56, 481, 21));
    setHint(LabeledEditDTCDesc, tr("Opis kodu błędu który spowodował zapamiętanie zamrożonej ramki."));
    ButtonFreezeRead = makeButton(GroupBoxFreezeFrame, "ButtonFreezeRead", tr("Odczytaj"), QRect(624, 16, 139, 65));
    ButtonFreezeRead->setFont(pixelFont(ButtonFreezeRead, 19, true));
    setHint(ButtonFreezeRead,
            tr("Wciśnij przycisk aby odczytać zamrożone ramki. Odczytywanie może potrwać kilka sekund."));

    GroupBoxFreezeParam =
        makeGroupBox(this, "GroupBoxFreezeParam", tr("  Zamrożone parametry  "), QRect(5, 120, 772, 369));
    StringGridFreezeParams = new StringGrid(GroupBoxFreezeParam, "StringGridFreezeParams", QRect(10, 22, 752, 337),
                                            ColumnCount, 19, 17, {72, 245, 64, 363});
    setHint(StringGridFreezeParams, tr("Lista zapamiętanych parametrów pracy silnika w momencie wystąpienia błędu. "
                                       "Możesz dopasować szerokość kolumn według uznania."));

    anchor(GroupBoxFreezeFrame, Qt::LeftEdge | Qt::TopEdge | Qt::RightEdge);
    anchor(LabeledEditDTCDesc, Qt::LeftEdge | Qt::TopEdge | Qt::RightEdge);
    anchor(ButtonFreezeRead, Qt::TopEdge | Qt::RightEdge);
}
