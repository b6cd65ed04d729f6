#pragma once

#include <QWidget>

#include <functional>

class GuiDialogs;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The configuration dialog's page "Raporty": the folder of the report archive, where every
// printed report is kept as a PDF. Empty means "raporty" inside the log directory, which follows
// that directory.
class SetupArchivePage final : public QWidget {
    Q_OBJECT
public:
    // logDirectory: the log directory as the dialog shows it now, where browsing starts when no
    // folder has been chosen.
    SetupArchivePage(GuiDialogs &dialogs, std::function<QString()> logDirectory, QWidget *parent = nullptr);

    QGroupBox *GroupBoxArchiwum = nullptr;
    QLineEdit *EditArchiwum = nullptr;
    QPushButton *ButtonArchiwumBrowse = nullptr;
    QPushButton *ButtonArchiwumDomyslny = nullptr;
    QLabel *LabelArchiwum = nullptr;
};
