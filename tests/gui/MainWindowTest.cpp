#include "support/gui/WorkstationFixture.h"

#include "core/catalogue/LanguageModule.h"
#include "gui/mainwindow/TAboutForm.h"
#include "gui/mainwindow/TComPort.h"
#include "gui/mainwindow/TSetupForm.h"
#include "gui/measure/ChartSeries.h"
#include "gui/measure/DynoTab.h"
#include "gui/measure/PlotTab.h"
#include "gui/widgets/StringGrid.h"

#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QStatusBar>
#include <QTimer>

class MainWindowTest : public WorkstationTest {};

TEST_F(MainWindowTest, MainWindowStartsOnTheMainTabWithItsTexts)
{
    EXPECT_EQ(main().windowTitle(), QStringLiteral("Korvath Diag  1.1.2"));
    EXPECT_EQ(main().size(), QSize(800, 600));

    const QStringList captions{QStringLiteral("Główna"),          QStringLiteral("Kody błędów"),
                               QStringLiteral("Zamrożone ramki"), QStringLiteral("Czujniki"),
                               QStringLiteral("Monitory"),        QStringLiteral("Wykresy"),
                               QStringLiteral("Przyspieszenie"),  QStringLiteral("Hamownia"),
                               QStringLiteral("DebugLog"),        QStringLiteral("Sterowniki"),
                               QStringLiteral("Testy monitorów")};
    ASSERT_EQ(main().Pages->count(), 11);
    for (int index = 0; index < 11; ++index)
        EXPECT_EQ(main().Pages->tabText(index), captions[index]);
    EXPECT_EQ(main().Pages->tabToolTip(1), QStringLiteral("Odczytywanie i kasowanie kodów błędów"));
    EXPECT_EQ(main().Pages->tabToolTip(4), QStringLiteral("Odczyt stanu monitorów diagnostycznych."));
    EXPECT_TRUE(main().Pages->tabToolTip(5).isEmpty());
    EXPECT_FALSE(main().Pages->isTabVisible(8));
    EXPECT_EQ(main().Pages->currentWidget(), main().TabMain);

    MainTabPage *tab = main().TabMain;
    EXPECT_EQ(tab->ButtonPolacz->text(), QStringLiteral("Połącz"));
    EXPECT_EQ(tab->ButtonPolacz->toolTip(), QStringLiteral("Kliknij przycisk aby połączyć się z samochodem"));
    EXPECT_FALSE(tab->ButtonPrintReport->isEnabled());
    EXPECT_EQ(tab->ButtonPrintReport->text(), QStringLiteral("Wydruk protokółu"));
    EXPECT_TRUE(tab->LabelMILStatus->isHidden());
    EXPECT_TRUE(tab->LabelDTCStatus->isHidden());
    EXPECT_EQ(tab->Label4->text(), QStringLiteral("Kontrolka \"Check Engine\":"));
    EXPECT_EQ(tab->GroupBoxStatus->title(), QStringLiteral("  Status połączenia  "));
    EXPECT_TRUE(statusLines().isEmpty());
    EXPECT_TRUE(main().MnuUstawienia->menuAction()->isEnabled());
    EXPECT_EQ(main().MnuZakoncz->text(), QStringLiteral("&Zakończ"));
}

TEST_F(MainWindowTest, CreationFillsGridHeadersAndSelectorsAndTheSettingsDefaults)
{
    auto *sensors = control<StringGrid>("StringGridSensors");
    EXPECT_EQ(sensors->Cells(0, 0), QString());
    EXPECT_EQ(sensors->Cells(2, 0), QStringLiteral("PID"));
    EXPECT_EQ(sensors->Cells(5, 0), QStringLiteral("Wartość"));
    EXPECT_EQ(control<StringGrid>("StringGridDTCStored")->Cells(1, 0), QStringLiteral("Opis"));
    EXPECT_EQ(control<StringGrid>("StringGridFreezeParams")->Cells(2, 0), QStringLiteral("Jednostka"));
    auto *cont = control<StringGrid>("StringGridMonitorCont");
    EXPECT_EQ(cont->Cells(0, 0), QStringLiteral("Monitorowany podsystem"));
    EXPECT_EQ(cont->Cells(0, 3), QStringLiteral("Monitor elementów systemowych"));
    EXPECT_EQ(control<StringGrid>("StringGridMonitorNonCont")->Cells(0, 2),
              QStringLiteral("Monitor podgrzewanego katalilzatora"));

    EXPECT_EQ(control<QComboBox>("ComboBoxFreq")->currentText(), QStringLiteral("100"));
    EXPECT_EQ(control<QComboBox>("ComboBoxSerSize")->currentText(), QStringLiteral("50"));

    for (const auto &series : main().plotTab().PlotSeries)
        EXPECT_FALSE(series->attached());
    EXPECT_NE(main().dynoTab().DynoTorquePeak, nullptr);
    EXPECT_FALSE(main().plotTab().Timer->isActive());

    EXPECT_EQ(main().comPort().portName(), QStringLiteral("COM1"));
    EXPECT_EQ(state().Settings.LogDirectory, QDir::toNativeSeparators(QDir::currentPath()));
    EXPECT_TRUE(env.dialogs.shown.empty());
}

// The program shows its window before the other tabs are built; they must follow right after the
// first paint, in their places, as a whole start builds them.
TEST_F(MainWindowTest, APaintFirstStartBuildsTheOtherTabsRightAfterTheFirstPaint)
{
    workstation.reset();
    Workstation late(env.platform, nullptr, Workstation::Start::PaintFirst);
    TMainForm &form = late.mainForm();
    ASSERT_FALSE(form.otherTabsBuilt());
    ASSERT_EQ(form.Pages->count(), 11);
    EXPECT_EQ(form.Pages->tabText(3), QStringLiteral("Czujniki"));
    EXPECT_FALSE(form.Pages->isTabVisible(8));

    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    form.repaint();
    QCoreApplication::processEvents();
    ASSERT_TRUE(form.otherTabsBuilt());
    const QWidget *pages[] = {form.TabMain,     form.TabDTC,   form.TabFreeze,      form.TabSensors,
                              form.TabMonitors, form.TabPlot,  form.TabAccel,       form.TabDyno,
                              form.TabDebug,    form.TabUnits, form.TabMonitorTests};
    for (int index = 0; index < 11; ++index)
        EXPECT_EQ(form.Pages->widget(index), pages[index]) << index;
    EXPECT_EQ(form.Pages->widget(1)->objectName(), QStringLiteral("TabDTC"));
    EXPECT_EQ(form.Pages->tabToolTip(1), QStringLiteral("Odczytywanie i kasowanie kodów błędów"));
    EXPECT_EQ(form.TabDTC->statusTip(), form.Pages->tabToolTip(1));
    EXPECT_FALSE(form.Pages->isTabVisible(8));
    EXPECT_EQ(form.Pages->currentWidget(), form.TabMain);
    EXPECT_EQ(form.TabSensors->StringGridSensors->Cells(2, 0), QStringLiteral("PID"));
    EXPECT_EQ(form.findChildren<SensorsTabPage *>().size(), 1);

    // Whatever asks for a window not yet built has it at once.
    Workstation asked(env.platform, nullptr, Workstation::Start::PaintFirst);
    EXPECT_FALSE(asked.setupForm().isVisible());
    EXPECT_TRUE(asked.mainForm().otherTabsBuilt());

    // A menu item used before the rest is built shows its dialog, built for it alone.
    Workstation early(env.platform, nullptr, Workstation::Start::PaintFirst);
    QWidget *shown = nullptr;
    QTimer::singleShot(0, [&shown] {
        shown = QApplication::activeModalWidget();
        if (shown != nullptr)
            shown->close();
    });
    early.mainForm().MnuOprogramie->trigger();
    EXPECT_EQ(shown, &early.mainForm().aboutForm());
    EXPECT_FALSE(early.mainForm().otherTabsBuilt());
}

TEST_F(MainWindowTest, AboutBoxShowsTheVersion)
{
    EXPECT_EQ(workstation->aboutForm().StaticTextVersion->text(), QStringLiteral("Wersja 1.1.2"));
    EXPECT_EQ(workstation->aboutForm().windowTitle(), QStringLiteral("O Programie"));
}

TEST_F(MainWindowTest, StatusBarShowsTheHintUnderThePointer)
{
    QWidget *button = main().TabMain->ButtonPolacz;
    QStatusTipEvent tip(button->statusTip());
    QCoreApplication::sendEvent(button, &tip);
    EXPECT_EQ(main().statusBar()->currentMessage(), QStringLiteral("Kliknij przycisk aby połączyć się z samochodem"));
}

TEST_F(MainWindowTest, ALanguageModuleReplacesWindowTextsAndMessages)
{
    LanguageModule module;
    ASSERT_TRUE(module.load(QStringLiteral(KORVATH_TEST_DATA_DIR "/lang_english.qm")));
    LanguageModule::activate(&module);
    start();
    LanguageModule::activate(nullptr);

    EXPECT_EQ(main().windowTitle(), QStringLiteral("Korvath Diag EN  1.1.2"));
    EXPECT_EQ(main().Pages->tabText(0), QStringLiteral("Main"));
    EXPECT_EQ(main().Pages->tabText(1), QStringLiteral("Trouble codes"));
    EXPECT_EQ(main().Pages->tabText(2), QStringLiteral("Zamrożone ramki")); // not in the module
}

TEST_F(MainWindowTest, TheMainWindowStartsCentredOnTheDesktop)
{
    const QRect desktop = QApplication::primaryScreen()->availableGeometry();
    ASSERT_GT(desktop.width(), main().width()); // else any place would be the centre
    // Centred up to the window frame, whose size only the window system knows.
    const QPoint offset = main().frameGeometry().center() - desktop.center();
    const QSize frame = main().frameGeometry().size() - main().size();
    EXPECT_LE(std::abs(offset.x()), frame.width() / 2 + 1);
    EXPECT_LE(std::abs(offset.y()), frame.height() / 2 + 1);
}

TEST_F(MainWindowTest, EveryTabCarriesItsHintTheDebugTabNone)
{
    const QStringList hints{QStringLiteral("Główny ekran programu."),
                            QStringLiteral("Odczytywanie i kasowanie kodów błędów"),
                            QStringLiteral("Odczytywanie zamrożonych ramek."),
                            QStringLiteral("Monitorowanie czujników"),
                            QStringLiteral("Odczyt stanu monitorów diagnostycznych."),
                            QString(),
                            QString(),
                            QString(),
                            QString(),
                            QStringLiteral("Dane sterowników: nazwy, kalibracje, wskaźniki wykonania monitorów, kody "
                                           "stałe, napięcie akumulatora."),
                            QStringLiteral("Wyniki testów wykonywanych przez sterowniki pojazdu (tryb 06).")};
    ASSERT_EQ(main().Pages->count(), 11);
    for (int index = 0; index < 11; ++index) {
        EXPECT_EQ(main().Pages->tabToolTip(index), hints[index]) << index;
        EXPECT_EQ(main().Pages->widget(index)->statusTip(), hints[index]) << index;
    }
}

TEST_F(MainWindowTest, TheStatusBarShowsTheNearestHintUnderThePointer)
{
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main()));
    QStatusBar *bar = main().statusBar();
    MainTabPage *tab = main().TabMain;

    QTest::mouseMove(tab->ButtonPolacz, QPoint(20, 20));
    EXPECT_EQ(bar->currentMessage(), QStringLiteral("Kliknij przycisk aby połączyć się z samochodem"));

    // The empty part of the main tab's group box has no hint of its own: the page's shows.
    auto *group = tab->findChild<QGroupBox *>(QStringLiteral("GroupBoxMain"));
    const QPoint empty(446, 200);
    ASSERT_EQ(group->childAt(empty), nullptr);
    QTest::mouseMove(group, empty);
    EXPECT_EQ(bar->currentMessage(), QStringLiteral("Główny ekran programu."));

    // Over the tab bar each tab shows its hint; a tab without one shows nothing.
    QTabBar *tabs = main().Pages->tabBar();
    QTest::mouseMove(tabs, tabs->tabRect(1).center());
    EXPECT_EQ(bar->currentMessage(), QStringLiteral("Odczytywanie i kasowanie kodów błędów"));
    QTest::mouseMove(tabs, tabs->tabRect(6).center());
    EXPECT_EQ(bar->currentMessage(), QString());
    QTest::mouseMove(tab->LabeledEditVIN, QPoint(5, 5));
    EXPECT_EQ(bar->currentMessage(), QStringLiteral("Numer VIN"));
    QTest::mouseMove(tab->Label6, QPoint(2, 2)); // a label in the same group box, no hint
    EXPECT_EQ(bar->currentMessage(), QStringLiteral("Główny ekran programu."));
}

TEST_F(MainWindowTest, EveryTextOfTheAboutBoxIsFullyVisible)
{
    TAboutForm &about = workstation->aboutForm();
    const QList<QLabel *> labels = about.findChildren<QLabel *>();
    int texts = 0;
    for (QLabel *label : labels) {
        const std::string name = label->objectName().toStdString();
        EXPECT_TRUE(about.rect().contains(label->geometry())) << name;
        for (QLabel *other : labels) {
            if (other != label) {
                EXPECT_FALSE(label->geometry().intersects(other->geometry())) << name;
            }
        }
        if (label->text().isEmpty())
            continue;
        ++texts;
        const QFontMetrics metrics = label->fontMetrics();
        EXPECT_LE(metrics.horizontalAdvance(label->text()), label->contentsRect().width()) << name;
        EXPECT_LE(metrics.height(), label->contentsRect().height()) << name;
    }
    EXPECT_EQ(texts, 4);
}

TEST_F(MainWindowTest, PortNotificationsSwitchTheConnectionControls)
{
    MainTabPage *tab = main().TabMain;
    tab->MemoStatus->setPlainText(QStringLiteral("poprzednie połączenie"));
    Q_EMIT main().ComPort->AfterOpen();
    EXPECT_EQ(tab->ButtonPolacz->text(), QStringLiteral("Rozłącz"));
    EXPECT_FALSE(main().MnuUstawienia->menuAction()->isEnabled());
    EXPECT_TRUE(tab->ButtonPrintReport->isEnabled());
    EXPECT_TRUE(tab->MemoStatus->toPlainText().isEmpty());

    tab->MemoStatus->setPlainText(QStringLiteral("Port COM1 zamknięty"));
    Q_EMIT main().ComPort->AfterClose();
    EXPECT_EQ(tab->ButtonPolacz->text(), QStringLiteral("Połącz"));
    EXPECT_TRUE(main().MnuUstawienia->menuAction()->isEnabled());
    EXPECT_FALSE(tab->ButtonPrintReport->isEnabled());
    EXPECT_EQ(tab->MemoStatus->toPlainText(), QStringLiteral("Port COM1 zamknięty"));
}

// Dragged as small as it goes, the window stops where every control of every tab still stands
// whole: none lies on another (beyond the shared pixel of neighbours in the layout), none is cut
// by its frame or leaves the window.
TEST_F(MainWindowTest, TheWindowShrinksNoFurtherThanItsTabsAreLaidOut)
{
    main().resize(300, 200);
    QCoreApplication::processEvents();
    EXPECT_EQ(main().size(), main().minimumSize());
    EXPECT_LE(main().minimumWidth(), 800);
    EXPECT_LE(main().minimumHeight(), 600);
    main().resize(main().minimumSize());

    int checked = 0;
    for (int index = 0; index < main().Pages->count(); ++index) {
        if (!main().Pages->isTabVisible(index))
            continue;
        main().Pages->setCurrentIndex(index);
        QCoreApplication::processEvents();
        QWidget *page = main().Pages->widget(index);
        const std::string tab = page->objectName().toStdString();
        QList<QWidget *> controls;
        for (QWidget *control : page->findChildren<QWidget *>())
            if (!control->objectName().isEmpty() && !control->objectName().startsWith(u"qt_")
                && control->isVisibleTo(page))
                controls << control;
        EXPECT_GT(controls.size(), 2) << tab;
        for (QWidget *control : controls) {
            const std::string name = control->objectName().toStdString();
            EXPECT_TRUE(control->parentWidget()->rect().contains(control->geometry())) << tab << ' ' << name;
            const QRect inWindow(control->mapTo(&main(), QPoint()), control->size());
            EXPECT_TRUE(main().rect().contains(inWindow)) << tab << ' ' << name;
            for (QWidget *other : controls) {
                const QRect common = control->geometry() & other->geometry();
                if (other == control || other->parentWidget() != control->parentWidget())
                    continue;
                EXPECT_TRUE(common.width() < 2 || common.height() < 2)
                    << tab << ' ' << name << " lies on " << other->objectName().toStdString();
            }
            ++checked;
        }
    }
    EXPECT_GT(checked, 100);
}
