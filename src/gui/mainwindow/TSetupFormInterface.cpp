// The configuration dialog's choice of the vehicle interface: the simulated vehicle or an
// ELM327-compatible adapter, the port name (also one the port list does not show, such as a
// Bluetooth or virtual port) and the adapter's line speed.
#include "gui/mainwindow/TSetupForm.h"

#include "core/settings/AppSettings.h"
#include "gui/mainwindow/TMainForm.h"
#include "gui/widgets/Controls.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace {

QLabel *labelFor(QWidget *parent, const char *name, const QString &text, int y, QWidget *control)
{
    QLabel *label = makeLabel(parent, name, text, 12, y);
    label->setBuddy(control);
    QString spoken = text;
    spoken.remove(u':');
    control->setAccessibleName(spoken);
    return label;
}

} // namespace

void TSetupForm::buildInterfaceGroup()
{
    GroupBoxInterfejs = makeGroupBox(TabOgolne, "GroupBoxInterfejs", tr("  Interfejs  "), QRect(344, 8, 353, 173));

    ComboBoxInterfejs = placed(new QComboBox(GroupBoxInterfejs), "ComboBoxInterfejs", QRect(100, 22, 237, 22));
    ComboBoxInterfejs->addItems({tr("Symulator"), tr("ELM327")});
    setHint(ComboBoxInterfejs, tr("Symulator pojazdu lub interfejs zgodny z ELM327 podłączony do portu szeregowego."));
    labelFor(GroupBoxInterfejs, "LabelInterfejs", tr("Interfejs:"), 26, ComboBoxInterfejs);

    EditPort = placed(new QLineEdit(GroupBoxInterfejs), "EditPort", QRect(100, 60, 237, 21));
    setHint(EditPort, tr("Nazwa portu interfejsu, np. /dev/ttyUSB0 lub /dev/rfcomm0."));
    labelFor(GroupBoxInterfejs, "LabelPort", tr("Port:"), 63, EditPort);
    connect(EditPort, &QLineEdit::textEdited, this, [this](const QString &text) { m_chosenPort = text.trimmed(); });

    ComboBoxPredkosc = placed(new QComboBox(GroupBoxInterfejs), "ComboBoxPredkosc", QRect(100, 98, 237, 22));
    for (const int rate : kAdapterBaudRates)
        ComboBoxPredkosc->addItem(QString::number(rate), rate);
    setHint(ComboBoxPredkosc, tr("Prędkość portu szeregowego interfejsu (zwykle 38400)."));
    labelFor(GroupBoxInterfejs, "LabelPredkosc", tr("Prędkość:"), 102, ComboBoxPredkosc);

    // The speed matters to an adapter only.
    connect(ComboBoxInterfejs, &QComboBox::currentIndexChanged, this,
            [this](int index) { ComboBoxPredkosc->setEnabled(index == 1); });
    ComboBoxPredkosc->setEnabled(false);
}

void TSetupForm::showInterfaceSettings()
{
    const AppSettings &settings = m_main.state().Settings;
    ComboBoxInterfejs->setCurrentIndex(settings.Interface == VehicleInterface::Elm327 ? 1 : 0);
    const int speed = ComboBoxPredkosc->findData(settings.BaudRate);
    ComboBoxPredkosc->setCurrentIndex(speed >= 0 ? speed : ComboBoxPredkosc->findData(kDefaultAdapterBaudRate));
    EditPort->setText(m_chosenPort);
}

void TSetupForm::applyInterface()
{
    AppSettings &settings = m_main.state().Settings;
    settings.Interface = ComboBoxInterfejs->currentIndex() == 1 ? VehicleInterface::Elm327 : VehicleInterface::Simulator;
    settings.BaudRate = ComboBoxPredkosc->currentData().toInt();
}
