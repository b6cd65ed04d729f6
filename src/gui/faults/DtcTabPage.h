#pragma once

#include <QWidget>

class QGroupBox;
class QLabel;
class QPushButton;
class StringGrid;

// The "Kody błędów" tab: counts of pending and stored codes, the "Check Engine" lamp and the
// two code lists. Layout only; the fault-memory handlers fill and empty it.
class DtcTabPage : public QWidget {
    Q_OBJECT
public:
    explicit DtcTabPage(QWidget *parent = nullptr);

    // The columns of both code lists.
    enum Column : int { CodeColumn, DescriptionColumn, ColumnCount };

    QGroupBox *GroupBoxDTCIlosc = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *LabelDTCPendCount = nullptr;
    QLabel *LabelDTCStoredCount = nullptr;

    QGroupBox *GroupBoxMIL = nullptr;
    QLabel *LabelDTCMILStatus = nullptr;
    QLabel *ImageMILon = nullptr;
    QLabel *ImageMILoff = nullptr;

    QPushButton *ButtonDTCKasuj = nullptr;
    QPushButton *ButtonDTCOdczytaj = nullptr;

    QGroupBox *GroupBoxDTCPend = nullptr;
    StringGrid *StringGridDTCPending = nullptr;
    QGroupBox *GroupBoxDTCStored = nullptr;
    StringGrid *StringGridDTCStored = nullptr;
};
