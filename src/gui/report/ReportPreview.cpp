#include "gui/report/ReportPreview.h"

#include "gui/report/PrinterCanvas.h"

#include <QAction>
#include <QCoreApplication>

ReportPreview::ReportPreview(QPrinter &printer, ReportData report, QStringList remarks, Print print, QWidget *parent)
    : QPrintPreviewDialog(&printer, parent),
      m_report(std::move(report)),
      m_remarks(std::move(remarks)),
      m_print(std::move(print))
{
    connect(this, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter *target) { PrintReportOn(*target, m_report, m_remarks); });
    // Qt's preview names its print button with its own translated text (Qt's translations, not
    // the program's); the button keeps its place, its picture and its text, and prints through
    // the report's own way.
    static constexpr char kQtContext[] = "QPrintPreviewDialog";
    static constexpr char kQtPrint[] = "Print";
    const QString printText = QCoreApplication::translate(kQtContext, kQtPrint);
    for (QAction *action : findChildren<QAction *>()) {
        if (action->text() != printText)
            continue;
        action->disconnect(this);
        connect(action, &QAction::triggered, this, &ReportPreview::printShown);
        m_printAction = action;
        break;
    }
}

void ReportPreview::printShown()
{
    if (m_print && m_print(m_report, m_remarks))
        accept();
}
