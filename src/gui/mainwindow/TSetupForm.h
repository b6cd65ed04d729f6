#pragma once

#include <QDialog>

class QButtonGroup;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class SetupAdapterGroup;
class QTabWidget;
class TComPort;
struct AppSettings;
struct Platform;

// The configuration dialog: the serial port, the vehicle interface, the log directory, the
// workshop's name and address and the report archive. "OK" applies the values for this run, "Zapisz ustawienia" also
// stores them.
class TSetupForm final : public QDialog {
    Q_OBJECT
public:
    // settings: those of the run, which "OK" changes; port: the serial port, which follows the
    // port chosen; platform: the settings store, the dialogs and the system's serial ports.
    TSetupForm(AppSettings &settings, TComPort &port, Platform &platform, QWidget *parent = nullptr);

    void ButtonOKClick();
    void ButtonSaveClick();
    void ButtonLogDirBrowseClick();

    // The port the operator has chosen in the dialog (applied with "OK" or "Zapisz ustawienia").
    QString chosenPort() const { return m_chosenPort; }
    // Lists the system's serial ports in the port-choice group, marking the chosen one.
    void listPorts();

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

    // The vehicle interface, its port and speed, a Wi-Fi adapter's address (SetupAdapterGroup).
    QGroupBox *GroupBoxInterfejs = nullptr;
    QComboBox *ComboBoxInterfejs = nullptr;
    QLineEdit *EditPort = nullptr;
    QComboBox *ComboBoxPredkosc = nullptr;
    QLineEdit *EditAdresWiFi = nullptr;
    QSpinBox *SpinBoxPortTcp = nullptr;

    // The folder of the report archive (SetupArchivePage).
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
    // The directory check, then the Wi-Fi address of a Wi-Fi adapter; on success every value applied.
    bool applyIfValid();
    void buildInterfaceGroup();
    // Whether a port of the list is the port chosen (also when the field names it by its path).
    bool namesChosenPort(const QString &name) const;
    void showChosenPortInList();

    AppSettings &m_settings;
    TComPort &m_port;
    Platform &m_platform;
    QString m_chosenPort;
    QButtonGroup *m_portButtons = nullptr;
    QGridLayout *m_portGrid = nullptr;
    SetupAdapterGroup *m_adapter = nullptr;
};
