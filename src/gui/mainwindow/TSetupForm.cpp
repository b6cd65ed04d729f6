#include "gui/mainwindow/TSetupForm.h"

#include "core/catalogue/MessageCatalogue.h"
#include "core/platform/SerialPorts.h"
#include "core/settings/AppSettings.h"
#include "core/settings/SettingsIO.h"
#include "gui/mainwindow/SetupAdapterGroup.h"
#include "gui/mainwindow/SetupArchivePage.h"
#include "gui/mainwindow/TComPort.h"
#include "gui/platform/GuiDialogs.h"
#include "gui/platform/Platform.h"
#include "gui/widgets/Controls.h"

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QCompleter>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>

#include <algorithm>

TSetupForm::TSetupForm(AppSettings &settings, TComPort &port, Platform &platform, QWidget *parent)
    : QDialog(parent), m_settings(settings), m_port(port), m_platform(platform)
{
    setObjectName(QStringLiteral("SetupForm"));
    setWindowTitle(tr("Konfiguracja"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(736, 328);

    PageControl1 = placed(new QTabWidget(this), "PageControl1", QRect(8, 8, 713, 225));
    TabOgolne = new QWidget;
    TabOgolne->setObjectName(QStringLiteral("TabOgolne"));
    PageControl1->addTab(TabOgolne, tr("Ogólne"));
    TabWarsztat = new QWidget;
    TabWarsztat->setObjectName(QStringLiteral("TabWarsztat"));
    PageControl1->addTab(TabWarsztat, tr("Dane warsztatu"));

    ComRadioGroup =
        makeGroupBox(TabOgolne, "ComRadioGroup", tr("  Wybór portu  szeregowego   "), QRect(8, 8, 321, 113));
    m_portGrid = new QGridLayout(ComRadioGroup);
    m_portGrid->setContentsMargins(12, 20, 12, 8);
    m_portButtons = new QButtonGroup(this);
    // The list and the adapter's port field show one port: a choice in the list is written in the
    // field, and the field's text checks the port it names in the list (none, for another).
    connect(m_portButtons, &QButtonGroup::buttonClicked, this,
            [this](QAbstractButton *button) { EditPort->setText(button->text()); });

    GroupBoxLogFile =
        makeGroupBox(TabOgolne, "GroupBoxLogFile", tr("  Wybór katalogu na logi   "), QRect(8, 132, 321, 49));
    // Below the group box's caption line, inside its frame.
    EditLogDir = makeReadOnlyEdit(GroupBoxLogFile, "EditLogDir", QRect(8, 20, 209, 21));
    setHint(EditLogDir, tr("Wybierz katalog do którego będą zapisywane pliki z danymi z czujników."));
    ButtonLogDirBrowse = makeButton(GroupBoxLogFile, "ButtonLogDirBrowse", tr("Przeglądaj"), QRect(232, 18, 75, 25));

    GroupBox1 = makeGroupBox(TabWarsztat, "GroupBox1", tr("  Nazwa i adres warsztatu  "), QRect(8, 8, 689, 177));
    makeLabel(GroupBox1, "Label1", tr("Nazwa:"), 12, 28);
    makeLabel(GroupBox1, "Label2", tr("Adres:"), 12, 60);
    const struct {
        QLineEdit *&edit;
        const char *name;
        int top;
    } edits[] = {{EditNazwa, "EditNazwa", 24},
                 {EditAdr1, "EditAdr1", 56},
                 {EditAdr2, "EditAdr2", 96},
                 {EditAdr3, "EditAdr3", 136}};
    for (const auto &entry : edits) {
        entry.edit = placed(new QLineEdit(GroupBox1), entry.name, QRect(56, entry.top, 617, 21));
        entry.edit->setMaxLength(kWorkshopFieldMaxLength);
    }

    buildInterfaceGroup();

    auto *archive = new SetupArchivePage(m_platform.dialogs, [this] { return EditLogDir->text(); });
    PageControl1->addTab(archive, tr("Raporty"));
    TabRaporty = archive;
    GroupBoxArchiwum = archive->GroupBoxArchiwum;
    EditArchiwum = archive->EditArchiwum;
    ButtonArchiwumBrowse = archive->ButtonArchiwumBrowse;
    ButtonArchiwumDomyslny = archive->ButtonArchiwumDomyslny;
    LabelArchiwum = archive->LabelArchiwum;

    ButtonOK = makeButton(this, "ButtonOK", tr("OK"), QRect(8, 248, 105, 25));
    ButtonOK->setDefault(true);
    ButtonSave = makeButton(this, "ButtonSave", tr("Zapisz ustawienia"), QRect(304, 248, 129, 25));
    ButtonAnuluj = makeButton(this, "ButtonAnuluj", tr("Anuluj"), QRect(600, 248, 105, 25));

    connect(ButtonOK, &QPushButton::clicked, this, &TSetupForm::ButtonOKClick);
    connect(ButtonSave, &QPushButton::clicked, this, &TSetupForm::ButtonSaveClick);
    connect(ButtonAnuluj, &QPushButton::clicked, this, &QDialog::reject);
    connect(ButtonLogDirBrowse, &QPushButton::clicked, this, &TSetupForm::ButtonLogDirBrowseClick);

    if (const QScreen *screen = QApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    FormCreate();
}

void TSetupForm::FormCreate()
{
    EditLogDir->setText(m_settings.LogDirectory);
    EditNazwa->setText(m_settings.Nazwa);
    EditAdr1->setText(m_settings.Adres1);
    EditAdr2->setText(m_settings.Adres2);
    EditAdr3->setText(m_settings.Adres3);
    EditArchiwum->setText(m_settings.ReportArchive);
    m_chosenPort = m_port.portName();
    m_adapter->showSettings(m_settings, m_chosenPort);
}

void TSetupForm::showEvent(QShowEvent *event)
{
    // Ports come and go (USB adapters): they are listed each time the dialog is shown.
    listPorts();
    QDialog::showEvent(event);
}

void TSetupForm::listPorts()
{
    for (QAbstractButton *button : m_portButtons->buttons()) {
        m_portButtons->removeButton(button);
        delete button;
    }
    QStringList names = m_platform.ports.names();
    // Typing offers the ports that exist as paths too.
    QStringList paths;
    for (const QString &name : names)
        paths << QStringLiteral("/dev/") + name;
    auto *completer = new QCompleter(names + paths, EditPort);
    EditPort->setCompleter(completer);
    if (!m_chosenPort.isEmpty()
        && std::none_of(names.begin(), names.end(), [this](const QString &name) { return namesChosenPort(name); }))
        names.prepend(m_chosenPort);
    constexpr int kColumns = 3;
    int index = 0;
    for (const QString &name : names) {
        auto *radio = new QRadioButton(name, ComRadioGroup);
        radio->setObjectName(QStringLiteral("RadioPort_") + name);
        m_portButtons->addButton(radio);
        m_portGrid->addWidget(radio, index / kColumns, index % kColumns);
        ++index;
    }
    showChosenPortInList();
}

bool TSetupForm::namesChosenPort(const QString &name) const
{
    // The system lists its ports by name; the operator may type one as its path.
    return name == m_chosenPort || QStringLiteral("/dev/") + name == m_chosenPort;
}

void TSetupForm::showChosenPortInList()
{
    // An exclusive group keeps one button checked: none is, while the field names another port.
    m_portButtons->setExclusive(false);
    for (QAbstractButton *button : m_portButtons->buttons())
        button->setChecked(namesChosenPort(button->text()));
    m_portButtons->setExclusive(true);
}

bool TSetupForm::applyIfValid()
{
    const QString directory = EditLogDir->text();
    if (directory.isEmpty() || !QFileInfo(directory).isDir()) {
        m_platform.dialogs.showMessage(LoadMessage(SBadDir));
        return false;
    }
    if (m_adapter->wifiChosen() && !m_adapter->wifiAddressValid()) {
        m_platform.dialogs.message(LoadMessage(SBadWifiHost).arg(EditAdresWiFi->text().trimmed()), MessageIcon::Warning,
                                   MessageButtons::Ok);
        PageControl1->setCurrentWidget(TabOgolne);
        EditAdresWiFi->setFocus();
        EditAdresWiFi->selectAll();
        return false;
    }
    m_settings.LogDirectory = directory;
    m_settings.Nazwa = EditNazwa->text();
    m_settings.Adres1 = EditAdr1->text();
    m_settings.Adres2 = EditAdr2->text();
    m_settings.Adres3 = EditAdr3->text();
    m_settings.ReportArchive = EditArchiwum->text();
    if (!m_chosenPort.isEmpty())
        m_port.setPortName(m_chosenPort); // the settings' port name
    m_adapter->apply(m_settings);
    return true;
}

void TSetupForm::ButtonOKClick()
{
    if (applyIfValid())
        accept();
}

void TSetupForm::ButtonSaveClick()
{
    if (!applyIfValid())
        return;
    SaveSettings(m_platform.settings, m_platform.dialogs, m_settings);
    accept();
}

void TSetupForm::ButtonLogDirBrowseClick()
{
    if (const auto chosen = m_platform.dialogs.chooseDirectory(QDir::currentPath()))
        EditLogDir->setText(*chosen);
}

void TSetupForm::buildInterfaceGroup()
{
    m_adapter = new SetupAdapterGroup(TabOgolne);
    m_adapter->setGeometry(344, 8, 353, 173);
    GroupBoxInterfejs = m_adapter;
    ComboBoxInterfejs = m_adapter->ComboBoxInterfejs;
    EditPort = m_adapter->EditPort;
    ComboBoxPredkosc = m_adapter->ComboBoxPredkosc;
    EditAdresWiFi = m_adapter->EditAdresWiFi;
    SpinBoxPortTcp = m_adapter->SpinBoxPortTcp;
    connect(EditPort, &QLineEdit::textChanged, this, [this](const QString &text) {
        m_chosenPort = text.trimmed();
        showChosenPortInList();
    });
    // A Wi-Fi adapter uses no serial port.
    connect(m_adapter, &SetupAdapterGroup::interfaceChosen, this,
            [this] { ComRadioGroup->setEnabled(m_adapter->portUsed()); });
    ComRadioGroup->setEnabled(m_adapter->portUsed());
}
