#include "gui/mainwindow/SetupArchivePage.h"

#include "gui/platform/GuiDialogs.h"
#include "gui/widgets/Controls.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

SetupArchivePage::SetupArchivePage(GuiDialogs &dialogs, std::function<QString()> logDirectory, QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("TabRaporty"));
    GroupBoxArchiwum =
        makeGroupBox(this, "GroupBoxArchiwum", tr("  Archiwum wydrukowanych raportów  "), QRect(8, 8, 689, 113));
    EditArchiwum = makeReadOnlyEdit(GroupBoxArchiwum, "EditArchiwum", QRect(12, 24, 471, 21));
    EditArchiwum->setPlaceholderText(tr("katalog \"raporty\" w katalogu logów"));
    EditArchiwum->setAccessibleName(tr("Katalog archiwum raportów"));
    setHint(EditArchiwum, tr("Każdy wydrukowany raport jest zapisywany w tym katalogu jako plik PDF."));
    ButtonArchiwumBrowse =
        makeButton(GroupBoxArchiwum, "ButtonArchiwumBrowse", tr("Przeglądaj"), QRect(492, 22, 89, 25));
    ButtonArchiwumDomyslny =
        makeButton(GroupBoxArchiwum, "ButtonArchiwumDomyslny", tr("Domyślny"), QRect(588, 22, 89, 25));
    setHint(ButtonArchiwumDomyslny, tr("Raporty w katalogu \"raporty\" w katalogu logów."));
    LabelArchiwum = new QLabel(tr("Raporty są zapisywane jako RRRR-MM-DD_GGMM_NUMER-REJESTRACYJNY.pdf "
                                  "i nigdy nie zastępują wcześniejszych."),
                               GroupBoxArchiwum);
    LabelArchiwum->setObjectName(QStringLiteral("LabelArchiwum"));
    LabelArchiwum->setWordWrap(true);
    LabelArchiwum->setGeometry(12, 56, 665, 44);

    connect(ButtonArchiwumBrowse, &QPushButton::clicked, this,
            [this, &dialogs, logDirectory = std::move(logDirectory)] {
                const QString start = EditArchiwum->text().isEmpty() ? logDirectory() : EditArchiwum->text();
                if (const auto chosen = dialogs.chooseDirectory(start))
                    EditArchiwum->setText(*chosen);
            });
    connect(ButtonArchiwumDomyslny, &QPushButton::clicked, EditArchiwum, &QLineEdit::clear);
}
