#pragma once

#include <QDialog>

#include <functional>

class QButtonGroup;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class TMainForm;

// The configuration dialog: the serial port, the log directory and the workshop's name and
// address. "OK" applies the values for this run, "Zapisz ustawienia" also stores them.
class TSetupForm final : public QDialog {
    Q_OBJECT
public:
    explicit TSetupForm(TMainForm &mainForm, QWidget *parent = nullptr);

    void ButtonOKClick();
    void ButtonSaveClick();
    void ButtonLogDirBrowseClick();

    // The port the operator has chosen in the dialog (applied with "OK" or "Zapisz ustawienia").
    QString chosenPort() const { return m_chosenPort; }
    // Lists the system's serial ports in the port-choice group, marking the chosen one.
    void listPorts();
    // Where the names of the system's serial ports come from (tests hand in their own).
    using PortLister = std::function<QStringList()>;
    void setPortLister(PortLister lister) { m_portLister = std::move(lister); }

    QTabWidget *PageControl1 = nullptr;
    QWidget *TabOgolne = nullptr;
    QGroupBox *ComRadioGroup = nullptr;
    QGroupBox *GroupBoxLogFile = nullptr;
    QLineEdit *EditLogDir = nullptr;
    QPushButton *ButtonLogDirBrowse = nullptr;
    QWidget *TabWarsztat = nullptr;
    QGroupBox *GroupBox1 = nullptr;
    QLineEdit *EditNazwa = nullptr;
    QLineEdit *EditAdr1 = nullptr;
    QLineEdit *EditAdr2 = nullptr;
    QLineEdit *EditAdr3 = nullptr;
    QPushButton *ButtonOK = nullptr;
    QPushButton *ButtonSave = nullptr;
    QPushButton *ButtonAnuluj = nullptr;

    // The vehicle interface, its port and speed.
    QGroupBox *GroupBoxInterfejs = nullptr;
    QComboBox *ComboBoxInterfejs = nullptr;
    QLineEdit *EditPort = nullptr;
    QComboBox *ComboBoxPredkosc = nullptr;

    // The folder of the report archive.
    QWidget *TabRaporty = nullptr;
    QGroupBox *GroupBoxArchiwum = nullptr;
    QLineEdit *EditArchiwum = nullptr;
    QPushButton *ButtonArchiwumBrowse = nullptr;
    QPushButton *ButtonArchiwumDomyslny = nullptr;
    QLabel *LabelArchiwum = nullptr;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormCreate();
    bool applyIfDirectoryValid();
    void buildInterfaceGroup();
    void buildArchiveTab();
    void showInterfaceSettings();
    void applyInterface();

    TMainForm &m_main;
    QString m_chosenPort;
    QButtonGroup *m_portButtons = nullptr;
    QGridLayout *m_portGrid = nullptr;
    PortLister m_portLister;
};
