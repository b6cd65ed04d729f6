#include "gui/mainwindow/SetupAdapterGroup.h"

#include "core/settings/AdapterHost.h"
#include "core/settings/AppSettings.h"
#include "gui/widgets/Controls.h"
#include "gui/widgets/GroupBoxStyle.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

#include <algorithm>

namespace {

// The interfaces in the order of the list.
constexpr VehicleInterface kInterfaces[] = {VehicleInterface::Simulator, VehicleInterface::Elm327,
                                            VehicleInterface::Elm327Wifi};

void labelFor(QWidget *parent, const char *name, const QString &text, int y, QWidget *control)
{
    QLabel *label = makeLabel(parent, name, text, 12, y);
    label->setBuddy(control);
    QString spoken = text;
    spoken.remove(u':');
    control->setAccessibleName(spoken);
}

} // namespace

SetupAdapterGroup::SetupAdapterGroup(QWidget *parent) : QGroupBox(tr("  Interfejs  "), parent)
{
    setObjectName(QStringLiteral("GroupBoxInterfejs"));
    setStyle(GroupBoxStyle::shared()); // drawn as every other group box of the windows

    ComboBoxInterfejs = placed(new QComboBox(this), "ComboBoxInterfejs", QRect(100, 20, 237, 22));
    ComboBoxInterfejs->addItems({tr("Symulator"), tr("ELM327"), tr("ELM327 Wi-Fi")});
    setHint(ComboBoxInterfejs, tr("Symulator pojazdu lub interfejs zgodny z ELM327 podłączony do portu szeregowego "
                                  "albo przez sieć Wi-Fi."));
    labelFor(this, "LabelInterfejs", tr("Interfejs:"), 24, ComboBoxInterfejs);

    EditPort = placed(new QLineEdit(this), "EditPort", QRect(100, 48, 237, 21));
    setHint(EditPort, tr("Nazwa portu interfejsu, np. /dev/ttyUSB0 lub /dev/rfcomm0."));
    labelFor(this, "LabelPort", tr("Port:"), 51, EditPort);

    ComboBoxPredkosc = placed(new QComboBox(this), "ComboBoxPredkosc", QRect(100, 75, 237, 22));
    ComboBoxPredkosc->addItem(tr("Automatycznie"), kAutoBaudRate);
    for (const int rate : kAdapterBaudRates)
        ComboBoxPredkosc->addItem(QString::number(rate), rate);
    setHint(ComboBoxPredkosc, tr("Prędkość portu szeregowego interfejsu (zwykle 38400); \"Automatycznie\" "
                                 "wyszukuje ją przy każdym połączeniu."));
    labelFor(this, "LabelPredkosc", tr("Prędkość:"), 79, ComboBoxPredkosc);

    EditAdresWiFi = placed(new QLineEdit(this), "EditAdresWiFi", QRect(100, 103, 237, 21));
    setHint(EditAdresWiFi, tr("Adres interfejsu Wi-Fi w jego sieci (zwykle 192.168.0.10)."));
    labelFor(this, "LabelAdresWiFi", tr("Adres Wi-Fi:"), 106, EditAdresWiFi);

    SpinBoxPortTcp = placed(new QSpinBox(this), "SpinBoxPortTcp", QRect(100, 130, 101, 22));
    SpinBoxPortTcp->setRange(1, 65535);
    setHint(SpinBoxPortTcp, tr("Port TCP interfejsu Wi-Fi (zwykle 35000)."));
    labelFor(this, "LabelPortTcp", tr("Port TCP:"), 134, SpinBoxPortTcp);

    connect(ComboBoxInterfejs, &QComboBox::currentIndexChanged, this, &SetupAdapterGroup::enableForInterface);
    enableForInterface(0);
}

void SetupAdapterGroup::enableForInterface(int index)
{
    // Only a serial adapter is reached through the port typed here; the simulated vehicle's
    // port (the one its connection log names) is chosen in the port list beside, which shows
    // the same port.
    EditPort->setEnabled(index == 1);
    ComboBoxPredkosc->setEnabled(index == 1);
    EditAdresWiFi->setEnabled(index == 2);
    SpinBoxPortTcp->setEnabled(index == 2);
    emit interfaceChosen();
}

bool SetupAdapterGroup::wifiChosen() const
{
    return ComboBoxInterfejs->currentIndex() == 2;
}

bool SetupAdapterGroup::portUsed() const
{
    // A Wi-Fi adapter is named by its address instead.
    return !wifiChosen();
}

bool SetupAdapterGroup::wifiAddressValid() const
{
    const QString host = EditAdresWiFi->text().trimmed();
    return host.isEmpty() || IsAdapterHost(host);
}

void SetupAdapterGroup::showSettings(const AppSettings &settings, const QString &port)
{
    const auto chosen = std::find(std::begin(kInterfaces), std::end(kInterfaces), settings.Interface);
    ComboBoxInterfejs->setCurrentIndex(int(chosen - std::begin(kInterfaces)));
    const int speed = ComboBoxPredkosc->findData(settings.BaudRate);
    ComboBoxPredkosc->setCurrentIndex(speed >= 0 ? speed : ComboBoxPredkosc->findData(kDefaultAdapterBaudRate));
    EditPort->setText(port);
    EditAdresWiFi->setText(settings.WifiHost);
    SpinBoxPortTcp->setValue(settings.WifiPort);
}

void SetupAdapterGroup::apply(AppSettings &settings) const
{
    settings.Interface = kInterfaces[std::max(0, ComboBoxInterfejs->currentIndex())];
    settings.BaudRate = ComboBoxPredkosc->currentData().toInt();
    const QString host = EditAdresWiFi->text().trimmed();
    if (host.isEmpty())
        settings.WifiHost = QString::fromLatin1(kDefaultWifiHost);
    else if (wifiAddressValid())
        settings.WifiHost = host;
    settings.WifiPort = SpinBoxPortTcp->value();
}
