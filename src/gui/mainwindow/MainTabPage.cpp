#include "gui/mainwindow/MainTabPage.h"

#include "gui/widgets/Anchors.h"
#include "gui/widgets/Controls.h"
#include "gui/widgets/PageGeometry.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>

MainTabPage::MainTabPage(QWidget *parent) : QWidget(parent)
{
    resize(kPageDesignSize);

    GroupBoxMain = makeGroupBox(this, "GroupBoxMain", QString(), QRect(5, 10, 772, 479));
    anchor(GroupBoxMain, Qt::LeftEdge | Qt::TopEdge | Qt::RightEdge | Qt::BottomEdge);

    ImageKorvath = placed(new QLabel(GroupBoxMain), "ImageKorvath", QRect(16, 24, 420, 82));
    // The logo drawn from logo.svg at this size, kept as a picture: drawing the SVG's text at
    // start-up would cost the first paint the time of a second font.
    ImageKorvath->setPixmap(QPixmap(QStringLiteral(":/logo.png")));
    ImageKorvath->setScaledContents(true);

    GroupBoxInfoMain = makeGroupBox(GroupBoxMain, "GroupBoxInfoMain", QString(), QRect(16, 116, 420, 285));

    GroupBoxInfoDTC =
        makeGroupBox(GroupBoxInfoMain, "GroupBoxInfoDTC", tr("  Informacje o usterkach  "), QRect(17, 16, 385, 81));
    Label4 = makeLabel(GroupBoxInfoDTC, "Label4", tr("Kontrolka \"Check Engine\":"), 16, 24);
    Label5 = makeLabel(GroupBoxInfoDTC, "Label5", tr("Ilość zapamiętanych błędów:"), 16, 48);
    LabelMILStatus = makeLabel(GroupBoxInfoDTC, "LabelMILStatus", tr("?"), 160, 24);
    LabelMILStatus->setFont(pointFont(LabelMILStatus, 10, true));
    LabelMILStatus->setFixedWidth(200);
    setHint(LabelMILStatus, tr("Stan kontrolki \"Check Engine\""));
    LabelMILStatus->hide();
    LabelDTCStatus = makeLabel(GroupBoxInfoDTC, "LabelDTCStatus", tr("?"), 160, 48);
    LabelDTCStatus->setFont(pointFont(LabelDTCStatus, 10, true));
    LabelDTCStatus->setFixedWidth(200);
    setHint(LabelDTCStatus, tr("Ilość zapamiętanych zarejestrowanych błędów. "));
    LabelDTCStatus->hide();

    GroupBoxIdent =
        makeGroupBox(GroupBoxInfoMain, "GroupBoxIdent", tr("  Dane identyfikacyjne  "), QRect(17, 112, 385, 153));
    Label3 = makeLabel(GroupBoxIdent, "Label3", tr("System OBD zgodny z:"), 16, 24);
    LabeledEditOBDStd = makeReadOnlyEdit(GroupBoxIdent, "LabeledEditOBDStd", QRect(16, 48, 353, 21));
    setHint(LabeledEditOBDStd, tr("Wersja standardu z którym jest zgodny pojazd"));
    Label6 = makeLabel(GroupBoxIdent, "Label6", tr("Numer VIN:"), 16, 88);
    LabeledEditVIN = makeReadOnlyEdit(GroupBoxIdent, "LabeledEditVIN", QRect(16, 112, 353, 21));
    setHint(LabeledEditVIN, tr("Numer VIN"));

    GroupBoxStatus =
        makeGroupBox(GroupBoxMain, "GroupBoxStatus", tr("  Status połączenia  "), QRect(456, 24, 301, 441));
    anchor(GroupBoxStatus, Qt::TopEdge | Qt::RightEdge | Qt::BottomEdge);
    MemoStatus = placed(new QPlainTextEdit(GroupBoxStatus), "MemoStatus", QRect(22, 24, 257, 353));
    MemoStatus->setReadOnly(true);
    MemoStatus->setLineWrapMode(QPlainTextEdit::WidgetWidth); // a long adapter reply wraps
    setHint(MemoStatus, tr("Szczegółowe informacje na temat stanu połączenia."));
    anchor(MemoStatus, Qt::LeftEdge | Qt::TopEdge | Qt::BottomEdge);
    ButtonPrintReport =
        makeButton(GroupBoxStatus, "ButtonPrintReport", tr("Wydruk protokółu"), QRect(24, 392, 257, 33));
    ButtonPrintReport->setFont(pointFont(ButtonPrintReport, 12, false));
    ButtonPrintReport->setEnabled(false);
    anchor(ButtonPrintReport, Qt::LeftEdge | Qt::BottomEdge);

    ButtonPolacz = makeButton(GroupBoxMain, "ButtonPolacz", tr("Połącz"), QRect(16, 415, 420, 49));
    ButtonPolacz->setFont(pointFont(ButtonPolacz, 17, true));
    setHint(ButtonPolacz, tr("Kliknij przycisk aby połączyć się z samochodem"));
}
