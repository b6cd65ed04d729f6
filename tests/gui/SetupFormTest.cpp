#include "support/gui/WorkstationFixture.h"

#include "core/catalogue/MessageCatalogue.h"
#include "core/settings/AppSettings.h"
#include "gui/mainwindow/TComPort.h"
#include "gui/mainwindow/TSetupForm.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>

class SetupFormTest : public WorkstationTest {
protected:
    TSetupForm &setup() { return workstation->setupForm(); }
    QTemporaryDir logDir;
};

TEST_F(SetupFormTest, CreationCopiesTheLoadedSettingsIntoTheEdits)
{
    env.settings.present = true;
    env.settings.values = {{QStringLiteral("LogDirectory"), logDir.path()},
                           {QStringLiteral("Nazwa"), QStringLiteral("Warsztat")},
                           {QStringLiteral("Adres3"), QStringLiteral("Kraków")}};
    start();
    EXPECT_EQ(setup().EditLogDir->text(), logDir.path());
    EXPECT_EQ(setup().EditNazwa->text(), QStringLiteral("Warsztat"));
    EXPECT_EQ(setup().EditAdr3->text(), QStringLiteral("Kraków"));
    EXPECT_TRUE(setup().EditLogDir->isReadOnly());
}

TEST_F(SetupFormTest, OkRefusesABadDirectoryAndAppliesNothing)
{
    setup().EditNazwa->setText(QStringLiteral("Nowa nazwa"));
    for (const QString &directory : {QString(), logDir.filePath(QStringLiteral("brak"))}) {
        setup().EditLogDir->setText(directory);
        setup().ButtonOKClick();
    }
    EXPECT_EQ(env.dialogs.texts(), (QStringList{LoadMessage(SBadDir), LoadMessage(SBadDir)}));
    EXPECT_TRUE(state().Settings.Nazwa.isEmpty());
    EXPECT_NE(state().Settings.LogDirectory, logDir.filePath(QStringLiteral("brak")));
}

TEST_F(SetupFormTest, OkAppliesForThisRunWithoutStoring)
{
    setup().EditLogDir->setText(logDir.path());
    setup().EditNazwa->setText(QStringLiteral("Serwis"));
    setup().EditAdr1->setText(QStringLiteral("ul. Polna 1"));
    setup().ButtonOKClick();
    EXPECT_EQ(setup().result(), QDialog::Accepted);
    EXPECT_EQ(state().Settings.LogDirectory, logDir.path());
    EXPECT_EQ(state().Settings.Nazwa, QStringLiteral("Serwis"));
    EXPECT_EQ(state().Settings.Adres1, QStringLiteral("ul. Polna 1"));
    EXPECT_TRUE(env.settings.written.isEmpty());
}

TEST_F(SetupFormTest, SavedSettingsAreInForceAfterARestart)
{
    setup().EditLogDir->setText(logDir.path());
    setup().EditNazwa->setText(QStringLiteral("Auto Żuk"));
    setup().EditAdr2->setText(QStringLiteral("Łódź"));
    setup().ButtonSaveClick();
    EXPECT_TRUE(env.dialogs.shown.empty());

    start();
    EXPECT_EQ(state().Settings.LogDirectory, logDir.path());
    EXPECT_EQ(state().Settings.Nazwa, QStringLiteral("Auto Żuk"));
    EXPECT_EQ(state().Settings.Adres2, QStringLiteral("Łódź"));
    EXPECT_EQ(main().comPort().portName(), QStringLiteral("COM1"));
    EXPECT_EQ(setup().EditAdr2->text(), QStringLiteral("Łódź"));
}

TEST_F(SetupFormTest, SavingToAStoreThatCannotBeWrittenStillAppliesAndCloses)
{
    env.settings.present = true;
    env.settings.writable = false;
    start();
    setup().EditLogDir->setText(logDir.path());
    setup().EditNazwa->setText(QStringLiteral("Serwis"));
    setup().ButtonSaveClick();
    EXPECT_EQ(env.dialogs.texts(), QStringList{LoadMessage(SErrSaveSettings)});
    EXPECT_EQ(setup().result(), QDialog::Accepted);
    EXPECT_EQ(state().Settings.Nazwa, QStringLiteral("Serwis"));
}

TEST_F(SetupFormTest, WorkshopLinesStopAtSeventyCharacters)
{
    setup().show();
    QTest::keyClicks(setup().EditAdr1, QString(80, u'a'));
    EXPECT_EQ(setup().EditAdr1->text().size(), 70);
    setup().hide();
}

TEST_F(SetupFormTest, BrowsingReplacesTheDirectoryOnlyWhenConfirmed)
{
    setup().EditLogDir->setText(QStringLiteral("/stary"));
    env.dialogs.directories = {QString(), logDir.path()};
    setup().ButtonLogDirBrowseClick();
    EXPECT_EQ(setup().EditLogDir->text(), QStringLiteral("/stary"));
    setup().ButtonLogDirBrowseClick();
    EXPECT_EQ(setup().EditLogDir->text(), logDir.path());
}

TEST_F(SetupFormTest, ThePortChoiceBecomesThePortOfTheConnectionLog)
{
    env.ports.ports = {QStringLiteral("ttyS0"), QStringLiteral("ttyUSB1")};
    setup().show(); // lists the ports
    auto *current = setup().findChild<QRadioButton *>(QStringLiteral("RadioPort_COM1"));
    ASSERT_NE(current, nullptr);
    EXPECT_TRUE(current->isChecked());
    auto *adapter = setup().findChild<QRadioButton *>(QStringLiteral("RadioPort_ttyUSB1"));
    ASSERT_NE(adapter, nullptr);
    click(adapter);
    EXPECT_TRUE(adapter->isChecked());
    EXPECT_FALSE(current->isChecked());
    EXPECT_EQ(setup().EditPort->text(), QStringLiteral("ttyUSB1"));

    // The adapter's port field is the same choice: what is typed there shows in the list, a
    // port the list lacks unchecks it.
    setup().ComboBoxInterfejs->setCurrentIndex(1);
    auto *serial = setup().findChild<QRadioButton *>(QStringLiteral("RadioPort_ttyS0"));
    ASSERT_NE(serial, nullptr);
    const struct {
        const char *typed;
        QRadioButton *checked;
    } typings[] = {{"/dev/ttyS0", serial}, {"/dev/rfcomm0", nullptr}, {"COM1", current}};
    for (const auto &typing : typings) {
        setup().EditPort->clear();
        QTest::keyClicks(setup().EditPort, QString::fromLatin1(typing.typed));
        for (QRadioButton *radio : {current, adapter, serial})
            EXPECT_EQ(radio->isChecked(), radio == typing.checked)
                << typing.typed << " " << radio->text().toStdString();
    }
    EXPECT_EQ(setup().chosenPort(), QStringLiteral("COM1"));

    // The adapter's field serves a serial adapter alone; only a Wi-Fi adapter does without the
    // port altogether.
    for (const int interface : {2, 0, 1}) {
        setup().ComboBoxInterfejs->setCurrentIndex(interface);
        EXPECT_EQ(setup().EditPort->isEnabled(), interface == 1) << interface;
        EXPECT_EQ(setup().ComRadioGroup->isEnabled(), interface != 2) << interface;
    }
    click(adapter);
    EXPECT_EQ(setup().EditPort->text(), QStringLiteral("ttyUSB1"));
    setup().ComboBoxInterfejs->setCurrentIndex(0);

    setup().EditLogDir->setText(logDir.path());
    setup().ButtonOKClick();
    EXPECT_EQ(main().comPort().portName(), QStringLiteral("ttyUSB1"));
    clickPolacz();
    EXPECT_EQ(statusLines().value(0), QStringLiteral("Port ttyUSB1 otwarty"));
}

// A Wi-Fi address a connection cannot reach is refused by "OK" and "Zapisz ustawienia", naming
// the field, which gets the focus; nothing is applied.
TEST_F(SetupFormTest, AWifiAddressThatIsNoAddressIsRefused)
{
    setup().show();
    setup().EditLogDir->setText(logDir.path());
    setup().ComboBoxInterfejs->setCurrentIndex(2);
    setup().EditNazwa->setText(QStringLiteral("Serwis"));
    setup().EditAdresWiFi->setText(QStringLiteral(" 192.168.0.300 "));
    setup().PageControl1->setCurrentWidget(setup().TabWarsztat);
    setup().ButtonOKClick();
    setup().ButtonSaveClick();
    const QString refusal =
        QStringLiteral("Błędny adres w polu \"Adres Wi-Fi\": \"192.168.0.300\" nie jest ani adresem "
                       "IP (np. 192.168.0.10), ani nazwą hosta.");
    EXPECT_EQ(env.dialogs.texts(), (QStringList{refusal, refusal}));
    EXPECT_TRUE(setup().isVisible());
    EXPECT_TRUE(state().Settings.Nazwa.isEmpty());
    EXPECT_EQ(state().Settings.Interface, VehicleInterface::Simulator);
    EXPECT_TRUE(env.settings.written.isEmpty());
    EXPECT_EQ(setup().PageControl1->currentWidget(), setup().TabOgolne);
    EXPECT_EQ(setup().focusWidget(), setup().EditAdresWiFi);

    setup().EditAdresWiFi->setText(QStringLiteral("obd.warsztat.local"));
    setup().ButtonOKClick();
    EXPECT_FALSE(setup().isVisible());
    EXPECT_EQ(state().Settings.WifiHost, QStringLiteral("obd.warsztat.local"));
    EXPECT_EQ(state().Settings.Interface, VehicleInterface::Elm327Wifi);

    // Left behind in the field of an interface not chosen, it is not applied either.
    setup().ComboBoxInterfejs->setCurrentIndex(1);
    setup().EditAdresWiFi->setText(QStringLiteral("adres adaptera"));
    setup().ButtonOKClick();
    EXPECT_EQ(env.dialogs.texts().size(), 2);
    EXPECT_EQ(state().Settings.WifiHost, QStringLiteral("obd.warsztat.local"));
}

TEST_F(SetupFormTest, AnulujKeepsTheTypedTextsForTheNextShowingButAppliesNothing)
{
    setup().show();
    QTest::keyClicks(setup().EditNazwa, QStringLiteral("Serwis Ala"));
    QTest::keyClicks(setup().EditAdr3, QStringLiteral("Gdynia"));
    click(setup().ButtonAnuluj);
    EXPECT_FALSE(setup().isVisible());
    EXPECT_EQ(setup().result(), QDialog::Rejected);
    EXPECT_TRUE(state().Settings.Nazwa.isEmpty());
    EXPECT_TRUE(state().Settings.Adres3.isEmpty());
    EXPECT_TRUE(env.settings.written.isEmpty());

    setup().show();
    EXPECT_EQ(setup().EditNazwa->text(), QStringLiteral("Serwis Ala"));
    EXPECT_EQ(setup().EditAdr3->text(), QStringLiteral("Gdynia"));
    setup().hide();
}

TEST_F(SetupFormTest, AStoreThatFailsToWriteOrCommitShowsItsOwnErrorAndTheDialogCloses)
{
    for (const bool commitFails : {false, true}) {
        env.settings = {};
        env.settings.failingWrite = commitFails ? QString() : QStringLiteral("Nazwa");
        env.settings.commitFails = commitFails;
        env.dialogs.shown.clear();
        start();
        setup().EditLogDir->setText(logDir.path());
        setup().EditNazwa->setText(QStringLiteral("Serwis"));
        setup().ButtonSaveClick();
        const QString error = commitFails ? QStringLiteral("Brak miejsca na dysku")
                                          : QStringLiteral("Odmowa dostępu do wartości 'Nazwa'");
        EXPECT_EQ(env.dialogs.texts(), QStringList{error});
        EXPECT_EQ(setup().result(), QDialog::Accepted);
        EXPECT_EQ(state().Settings.Nazwa, QStringLiteral("Serwis"));
        EXPECT_EQ(state().Settings.LogDirectory, logDir.path());
    }
}

TEST_F(SetupFormTest, TheLogDirectoryControlsStandInsideTheirGroupBox)
{
    setup().show();
    const QRect inside = setup().GroupBoxLogFile->contentsRect();
    EXPECT_TRUE(inside.contains(setup().EditLogDir->geometry()));
    EXPECT_TRUE(inside.contains(setup().ButtonLogDirBrowse->geometry()));
    setup().hide();
}
