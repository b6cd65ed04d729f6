#include "gui/mainwindow/TAboutForm.h"

#include "core/catalogue/MessageCatalogue.h"
#include "core/catalogue/ProgramVersion.h"
#include "gui/widgets/Controls.h"
#include "gui/widgets/SvgPixmap.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace {

QLabel *centredLine(QWidget *parent, const char *name, const QString &text, const QRect &geometry, int pointSize,
                    bool bold)
{
    auto *label = placed(new QLabel(text, parent), name, geometry);
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(pointSize);
    font.setBold(bold);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

TAboutForm::TAboutForm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutForm"));
    setWindowTitle(tr("O Programie"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(553, 442);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);

    auto *logo = placed(new QLabel(this), "Image1", QRect(16, 8, 521, 89));
    logo->setPixmap(svgPixmap(QStringLiteral(":/logo.svg"), QSize(521, 89)));
    logo->setScaledContents(true);
    auto *picture = placed(new QLabel(this), "Image2", QRect(8, 146, 177, 137));
    picture->setPixmap(svgPixmap(QStringLiteral(":/about.svg"), QSize(177, 137)));
    picture->setScaledContents(true);

    // The maker's line spans the box under the logo; the program's texts stand beside the picture.
    centredLine(this, "Label1", tr("Urządzenia do diagnostyki samochodowej "), QRect(8, 104, 537, 32), 14, true);
    centredLine(this, "Label2", tr("Korvath Diag "), QRect(192, 156, 353, 46), 24, true);
    centredLine(this, "Label3", tr("Program do diagnostyki OBDII"), QRect(192, 210, 353, 30), 14, false);
    StaticTextVersion = centredLine(this, "StaticTextVersion", LoadMessage(SWersja) + u' ' + ProgramVersion,
                                    QRect(192, 248, 353, 30), 14, false);

    OKButton = makeButton(this, "OKButton", tr("OK"), QRect(239, 392, 75, 25));
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

    if (const QScreen *screen = QApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}
