#pragma once

#include <QGroupBox>

class QComboBox;
class QLineEdit;
class QSpinBox;
struct AppSettings;

// The configuration dialog's choice of the vehicle interface: the simulated vehicle, an
// ELM327-compatible adapter on a serial port (its port, also one the port list does not show,
// and its line speed, or "Automatycznie" to search for it) or one on Wi-Fi (its address and TCP
// port). What matters to the chosen interface only is enabled.
class SetupAdapterGroup final : public QGroupBox {
    Q_OBJECT
public:
    explicit SetupAdapterGroup(QWidget *parent);

    // Shows the settings' interface, speed and Wi-Fi address, and port as the port name.
    void showSettings(const AppSettings &settings, const QString &port);
    // Writes the interface, the speed and the Wi-Fi address into settings; an address that is
    // neither an IP address nor a host name is left out (the settings keep theirs).
    void apply(AppSettings &settings) const;
    // Whether the Wi-Fi address can be applied: empty (the usual address) or one a TCP
    // connection can reach.
    bool wifiAddressValid() const;
    bool wifiChosen() const;
    // Whether the chosen interface names a serial port (the port list's and the port field's):
    // the simulated vehicle in its connection log, a serial adapter for its line.
    bool portUsed() const;

    QComboBox *ComboBoxInterfejs = nullptr;
    QLineEdit *EditPort = nullptr;
    QComboBox *ComboBoxPredkosc = nullptr;
    QLineEdit *EditAdresWiFi = nullptr;
    QSpinBox *SpinBoxPortTcp = nullptr;

Q_SIGNALS:
    // Another interface is chosen; what it uses is enabled.
    void interfaceChosen();

private:
    void enableForInterface(int index);
};
