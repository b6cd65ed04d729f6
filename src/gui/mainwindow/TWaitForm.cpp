#include "gui/mainwindow/TWaitForm.h"

#include "gui/widgets/Controls.h"

#include <QLabel>

TWaitForm::TWaitForm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("WaitForm"));
    setWindowTitle(tr("Tworzenie raportu..."));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint);
    setFixedSize(271, 128);
    move(562, 321);
    for (const auto &[name, text, top] : {std::tuple{"Label1", tr("Trwa generowanie raportu."), 24},
                                          std::tuple{"Label2", tr("Czekaj..."), 56}}) {
        auto *label = placed(new QLabel(text, this), name, QRect(7, top, 257, 20));
        label->setAlignment(Qt::AlignCenter);
    }
}
