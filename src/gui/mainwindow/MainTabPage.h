#pragma once

#include <QWidget>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The "Główna" tab: the maker's logo, the identification of the vehicle, the connection log
// and the connect and report buttons.
class MainTabPage final : public QWidget {
    Q_OBJECT
public:
    explicit MainTabPage(QWidget *parent = nullptr);

    QGroupBox *GroupBoxMain = nullptr;
    QLabel *ImageKorvath = nullptr;
    QGroupBox *GroupBoxInfoMain = nullptr;
    QGroupBox *GroupBoxInfoDTC = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *LabelMILStatus = nullptr;
    QLabel *LabelDTCStatus = nullptr;
    QGroupBox *GroupBoxIdent = nullptr;
    QLabel *Label3 = nullptr;
    QLineEdit *LabeledEditOBDStd = nullptr;
    QLabel *Label6 = nullptr;
    QLineEdit *LabeledEditVIN = nullptr;
    QGroupBox *GroupBoxStatus = nullptr;
    QPlainTextEdit *MemoStatus = nullptr;
    QPushButton *ButtonPrintReport = nullptr;
    QPushButton *ButtonPolacz = nullptr;
};
