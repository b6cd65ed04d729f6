#pragma once

#include "core/report/ReportData.h"

#include <QDialog>
#include <QStringList>

#include <memory>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPrinter;
class QPushButton;
class TWaitForm;
struct TabContext;

// The report dialog: the vehicle data typed by the operator and the remarks for the printed
// inspection report. It owns the report record for the whole run and keeps its texts between
// openings. "Drukuj protokół" assembles the results under the wait notice, asks for a printer
// and prints; the dialog closes afterwards either way.
class TFormRaport : public QDialog {
    Q_OBJECT
public:
    // waitForm: the notice shown while the report is assembled.
    TFormRaport(TabContext &context, TWaitForm &waitForm, QWidget *parent = nullptr);
    ~TFormRaport() override;

    ReportData &reportData() { return m_reportData; }
    // The printer the print dialog offers and prints on; it keeps the operator's last choice.
    // Made at the first print, so that the printing system is not loaded at start-up.
    QPrinter &printer();

    void ButtonPrintClick();
    void Button1Click();
    // "Podgląd": the report assembled and shown in a print preview, from where it can be printed
    // as it is shown; the dialog stays open unless it was printed.
    void ButtonPreviewClick();
    // Whether the control units' page is printed unless the operator says otherwise: for a car
    // behind an adapter, not for the simulated vehicle. Set at each connection.
    void setUnitsPageDefault(bool throughAdapter);

    QGroupBox *GroupBox1 = nullptr;
    QGroupBox *GroupBox2 = nullptr;
    QLabel *Label2 = nullptr;
    QLineEdit *Edit1 = nullptr;
    QLabel *Label4 = nullptr;
    QLineEdit *Edit2 = nullptr;
    QLabel *Label1 = nullptr;
    QLineEdit *Edit3 = nullptr;
    QLabel *Label5 = nullptr;
    QLineEdit *Edit4 = nullptr;
    QLabel *Label6 = nullptr;
    QLineEdit *Edit5 = nullptr;
    QLabel *Label3 = nullptr;
    QLineEdit *Edit6 = nullptr;
    QGroupBox *GroupBox3 = nullptr;
    QPlainTextEdit *Memo = nullptr;
    QPushButton *ButtonPrint = nullptr;
    QPushButton *Button1 = nullptr;
    QPushButton *ButtonPreview = nullptr;
    QCheckBox *CheckBoxUnits = nullptr; // "Dołącz dane sterowników": the second page

private:
    void showWaitNotice();
    void copyTypedData();
    // Copies the typed and workshop data and assembles the results under the wait notice.
    void prepareReport();
    // Asks for a printer and prints report on it, archiving what was printed; false when the
    // operator cancelled the printer choice.
    bool printAndArchive(const ReportData &report, const QStringList &remarks);

    TabContext &m_context;
    TWaitForm &m_waitForm;
    ReportData m_reportData;
    std::unique_ptr<QPrinter> m_printer;
    bool m_printing = false;
};
