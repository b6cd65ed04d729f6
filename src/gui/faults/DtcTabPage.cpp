#include "gui/faults/DtcTabPage.h"

#include "gui/widgets/Controls.h"
#include "gui/widgets/PageGeometry.h"
#include "gui/widgets/StringGrid.h"
#include "gui/widgets/SvgPixmap.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace {

// A hidden picture of the lamp, drawn at the size of its place.
QLabel *makeLampImage(QWidget *parent, const char *name, const QString &resource)
{
    auto *image = placed(new QLabel(parent), name, QRect(16, 32, 113, 81));
    image->setPixmap(svgPixmap(resource, QSize(113, 81)));
    image->hide();
    return image;
}

} // namespace

DtcTabPage::DtcTabPage(QWidget *parent) : QWidget(parent)
{
    resize(kPageDesignSize);

    GroupBoxDTCIlosc = makeGroupBox(this, "GroupBoxDTCIlosc", tr("  Kody  błędów  "), QRect(5, 10, 145, 119));
    Label1 = makeLabel(GroupBoxDTCIlosc, "Label1", tr("Oczekujące:"), 10, 30);
    Label2 = makeLabel(GroupBoxDTCIlosc, "Label2", tr("Zarejestrowane:"), 10, 70);
    LabelDTCPendCount = makeLabel(GroupBoxDTCIlosc, "LabelDTCPendCount", tr("?"), 104, 30);
    setHint(LabelDTCPendCount, tr("Ilość oczekujących kodów błędów."));
    LabelDTCStoredCount = makeLabel(GroupBoxDTCIlosc, "LabelDTCStoredCount", tr("?"), 104, 70);
    setHint(LabelDTCStoredCount, tr("Ilość zarejestrowanych kodów błędów."));
    for (QLabel *count : {LabelDTCPendCount, LabelDTCStoredCount}) {
        count->setFont(pixelFont(count, 13, true));
        count->resize(32, count->sizeHint().height());
        count->hide();
    }

    GroupBoxMIL = makeGroupBox(this, "GroupBoxMIL", tr("  Lampka \"Check Engine\"  "), QRect(5, 160, 145, 153));
    LabelDTCMILStatus = placed(new QLabel(GroupBoxMIL), "LabelDTCMILStatus", QRect(2, 119, 141, 28));
    LabelDTCMILStatus->setFont(pixelFont(LabelDTCMILStatus, 19, true));
    LabelDTCMILStatus->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    LabelDTCMILStatus->hide();
    ImageMILon = makeLampImage(GroupBoxMIL, "ImageMILon", QStringLiteral(":/mil_on.svg"));
    ImageMILoff = makeLampImage(GroupBoxMIL, "ImageMILoff", QStringLiteral(":/mil_off.svg"));
    setHint(ImageMILoff, tr("Stan kontrolki \"Check Engine\""));

    ButtonDTCKasuj = makeButton(this, "ButtonDTCKasuj", tr("Kasuj kody błędów"), QRect(5, 360, 145, 41));
    setHint(ButtonDTCKasuj, tr("Wciśnij ten przysick aby skasować wszystkie kody błędów oraz zamrożone ramki."));
    ButtonDTCKasuj->setEnabled(false);
    ButtonDTCOdczytaj = makeButton(this, "ButtonDTCOdczytaj", tr("Odczytaj"), QRect(5, 416, 145, 65));
    ButtonDTCOdczytaj->setFont(pixelFont(ButtonDTCOdczytaj, 19, true));
    setHint(ButtonDTCOdczytaj, tr("Wciśnij ten przycisk aby odczytać kody błędów."));

    GroupBoxDTCPend = makeGroupBox(this, "GroupBoxDTCPend", tr("  Błędy oczekujące  "), QRect(160, 10, 617, 230));
    StringGridDTCPending =
        new StringGrid(GroupBoxDTCPend, "StringGridDTCPending", QRect(10, 22, 597, 198), ColumnCount, 7, 20, {71, 484});
    StringGridDTCPending->hideScrollBars();

    GroupBoxDTCStored = makeGroupBox(this, "GroupBoxDTCStored", tr("  Błędy zapamiętane  "), QRect(160, 251, 617, 230));
    StringGridDTCStored = new StringGrid(GroupBoxDTCStored, "StringGridDTCStored", QRect(10, 22, 597, 198), ColumnCount,
                                         7, 20, {73, 480});
    StringGridDTCStored->hideScrollBars();
}
