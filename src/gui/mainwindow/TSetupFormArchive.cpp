// The configuration dialog's folder of the report archive: where every printed report is kept
// as a PDF. Empty means "raporty" inside the log directory, which follows that directory.
#include "gui/mainwindow/TSetupForm.h"

#include "core/report/ReportArchive.h"
#include "gui/platform/GuiDialogs.h"
#include "gui/platform/Platform.h"
#include "gui/widgets/Controls.h"

#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

void TSetupForm::buildArchiveTab()
{
    TabRaporty = new QWidget;
    TabRaporty->setObjectName(QStringLiteral("TabRaporty"));
    PageControl1->addTab(TabRaporty, tr("Raporty"));

    GroupBoxArchiwum =
        makeGroupBox(TabRaporty, "GroupBoxArchiwum", tr("  Archiwum wydrukowanych raportów  "), QRect(8, 8, 689, 113));
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

    connect(ButtonArchiwumBrowse, &QPushButton::clicked, this, [this] {
        const QString start = EditArchiwum->text().isEmpty() ? EditLogDir->text() : EditArchiwum->text();
        if (const auto chosen = m_platform.dialogs.chooseDirectory(start))
            EditArchiwum->setText(*chosen);
    });
    connect(ButtonArchiwumDomyslny, &QPushButton::clicked, EditArchiwum, &QLineEdit::clear);
}
