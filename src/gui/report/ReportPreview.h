#pragma once

#include "core/report/ReportData.h"

#include <QPrintPreviewDialog>
#include <QStringList>

#include <functional>

class QAction;

// The print preview of one report, drawn from a copy of it taken when the preview opens. Its
// "Print" hands that same copy to the print function given (the report dialog's own printer
// choice and archive) instead of Qt's print dialog, so the page printed and archived is the page
// the operator has just looked at. The preview closes, accepted, once the print function has
// printed; a printer choice the operator cancels leaves it open.
class ReportPreview final : public QPrintPreviewDialog {
    Q_OBJECT
public:
    using Print = std::function<bool(const ReportData &report, const QStringList &remarks)>;

    ReportPreview(QPrinter &printer, ReportData report, QStringList remarks, Print print, QWidget *parent = nullptr);

    // The tool bar's print button; nullptr when Qt's preview holds none.
    QAction *printAction() const { return m_printAction; }

private:
    void printShown();

    ReportData m_report;
    QStringList m_remarks;
    Print m_print;
    QAction *m_printAction = nullptr;
};
