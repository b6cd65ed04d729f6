#pragma once

#include "core/report/ReportData.h"

#include <QDialog>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The report dialog: the vehicle data typed by the operator and the remarks for the printed
// inspection report. It owns the report record for the whole run. Layout only; "Anuluj" closes
// it, the print sequence is added by the report handlers.
class TFormRaport : public QDialog {
    Q_OBJECT
public:
    explicit TFormRaport(QWidget *parent = nullptr);

    ReportData &reportData() { return m_reportData; }

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

private:
    ReportData m_reportData;
};
