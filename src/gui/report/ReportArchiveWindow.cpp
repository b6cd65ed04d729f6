#include "gui/report/ReportArchiveWindow.h"

#include "gui/platform/GuiDialogs.h"
#include "gui/platform/Platform.h"
#include "gui/report/PrinterCanvas.h"
#include "gui/widgets/Controls.h"

#include <QDesktopServices>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

ReportArchiveWindow::ReportArchiveWindow(Platform &platform, const QString &directory, QWidget *parent)
    : QDialog(parent), m_platform(platform), m_directory(directory)
{
    setObjectName(QStringLiteral("ReportArchive"));
    setWindowTitle(tr("Archiwum raportów"));
    resize(620, 380);

    auto *layout = new QVBoxLayout(this);
    LabelKatalog = new QLabel(tr("Katalog: %1").arg(QDir::toNativeSeparators(directory)), this);
    LabelKatalog->setObjectName(QStringLiteral("LabelKatalog"));
    LabelKatalog->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(LabelKatalog);

    ListArchiwum = new QTreeWidget(this);
    ListArchiwum->setObjectName(QStringLiteral("ListArchiwum"));
    ListArchiwum->setHeaderLabels({tr("Data wydruku"), tr("Nr rejestracyjny"), tr("Marka"), tr("Plik")});
    ListArchiwum->setRootIsDecorated(false);
    ListArchiwum->setUniformRowHeights(true);
    ListArchiwum->setAccessibleName(tr("Wydrukowane raporty"));
    setHint(ListArchiwum, tr("Raporty od najnowszego; dwuklik lub Enter pokazuje raport w podglądzie wydruku."));
    ListArchiwum->setAccessibleDescription(ListArchiwum->toolTip());
    layout->addWidget(ListArchiwum, 1);

    auto *buttons = new QHBoxLayout;
    ButtonPodglad = new QPushButton(tr("Podgląd"), this);
    ButtonPodglad->setObjectName(QStringLiteral("ButtonPodglad"));
    ButtonPodglad->setDefault(true);
    ButtonZamknij = new QPushButton(tr("Zamknij"), this);
    ButtonZamknij->setObjectName(QStringLiteral("ButtonZamknij"));
    buttons->addWidget(ButtonPodglad);
    buttons->addStretch(1);
    buttons->addWidget(ButtonZamknij);
    layout->addLayout(buttons);

    connect(ButtonPodglad, &QPushButton::clicked, this, &ReportArchiveWindow::ButtonPodgladClick);
    connect(ButtonZamknij, &QPushButton::clicked, this, &QDialog::accept);
    // A double click shows the report; Enter in the list reaches "Podgląd" as the dialog's default
    // button, so the list's own activation by Enter would show it a second time.
    connect(ListArchiwum, &QTreeWidget::itemDoubleClicked, this, &ReportArchiveWindow::ButtonPodgladClick);
    openPdf = [](const QString &path) { QDesktopServices::openUrl(QUrl::fromLocalFile(path)); };

    refresh();
}

void ReportArchiveWindow::refresh()
{
    m_reports = ListArchivedReports(m_directory);
    ListArchiwum->clear();
    for (const ArchivedReport &report : m_reports) {
        auto *item = new QTreeWidgetItem(ListArchiwum, {report.printed.toString(QStringLiteral("yyyy-MM-dd HH:mm")),
                                                        report.registration, report.make, report.fileName});
        item->setToolTip(3, QDir::toNativeSeparators(report.path));
    }
    for (int column = 0; column < ListArchiwum->columnCount(); ++column)
        ListArchiwum->resizeColumnToContents(column);
    if (!m_reports.isEmpty())
        ListArchiwum->setCurrentItem(ListArchiwum->topLevelItem(0));
    ButtonPodglad->setEnabled(!m_reports.isEmpty());
}

void ReportArchiveWindow::ButtonPodgladClick()
{
    const int row = ListArchiwum->indexOfTopLevelItem(ListArchiwum->currentItem());
    if (row < 0 || row >= m_reports.size())
        return;
    const ArchivedReport &report = m_reports.at(row);
    if (!ReproducesItsPdf(report)) {
        // The preview would show other pages than the archived ones: only the file itself is true.
        const QString text =
            report.hasData
                ? tr("Zapis raportu %1 w spisie archiwum jest niepełny, uszkodzony albo pochodzi z innej wersji "
                     "programu, więc podgląd wydruku nie pokazałby go tak, jak go wydrukowano. Otworzyć plik PDF?")
                : tr("Raportu %1 nie ma w spisie archiwum, więc podgląd wydruku go nie pokaże. Otworzyć plik PDF?");
        const MessageAnswer answer =
            m_platform.dialogs.message(text.arg(report.fileName), MessageIcon::Information, MessageButtons::YesNo);
        if (answer == MessageAnswer::Yes && openPdf)
            openPdf(report.path);
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    PrepareReportPrinter(printer);
    QPrintPreviewDialog preview(&printer, this);
    preview.setObjectName(QStringLiteral("ArchivePreview"));
    preview.setWindowTitle(tr("Raport %1").arg(report.fileName));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [&report](QPrinter *target) { PrintReportOn(*target, report.data, report.remarks); });
    preview.exec();
}
