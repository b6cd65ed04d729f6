// The workstation driven with the keyboard alone, as an operator without a mouse does.

#include "support/gui/WorkstationFixture.h"

#include "gui/faults/DtcTabPage.h"
#include "gui/faults/FreezeTabPage.h"
#include "gui/mainwindow/TAboutForm.h"
#include "gui/mainwindow/TSetupForm.h"
#include "gui/report/TFormRaport.h"
#include "gui/widgets/StringGrid.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>

namespace {

class KeyboardTest : public WorkstationTest {
protected:
    void SetUp() override
    {
        WorkstationTest::SetUp();
        main().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&main()));
    }

    // A closed dialog hands the activation back to the main window, as a window manager does.
    void backToMain()
    {
        main().windowHandle()->requestActivate();
        ASSERT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == &main(); }));
    }

    static QWidget *focused() { return QApplication::focusWidget(); }

    // Presses Tab until target has the focus; false when a whole round does not reach it.
    static bool tabTo(QWidget *target)
    {
        for (int presses = 0; presses < 80 && focused() != target; ++presses)
            QTest::keyClick(focused() != nullptr ? focused() : target->window(), Qt::Key_Tab);
        return focused() == target;
    }

    static void press(int key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(focused(), Qt::Key(key), modifiers);
    }

    // Runs keys on the next modal window once it is up, as the operator answers it.
    static void onNextModal(std::function<void(QWidget *)> keys)
    {
        QTimer::singleShot(0, [keys = std::move(keys)] {
            QWidget *modal = QApplication::activeModalWidget();
            ASSERT_NE(modal, nullptr);
            modal->windowHandle()->requestActivate();
            ASSERT_TRUE(QTest::qWaitFor([modal] { return QApplication::activeWindow() == modal; }));
            keys(modal);
        });
    }
};

} // namespace

TEST_F(KeyboardTest, TheMainWorkflowNeedsNoMouse)
{
    // The configuration, through its menu letters, before connecting (it is locked afterwards).
    bool setupShown = false;
    onNextModal([&](QWidget *modal) {
        setupShown = modal == &workstation->setupForm();
        QTest::keyClick(modal, Qt::Key_Escape);
    });
    press(Qt::Key_U, Qt::AltModifier); // "Ustawienia"
    ASSERT_NE(QApplication::activePopupWidget(), nullptr);
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_K); // "Konfiguracja"
    EXPECT_TRUE(setupShown);
    backToMain();

    // Connect, then walk every tab with Ctrl+Tab.
    ASSERT_TRUE(tabTo(main().TabMain->ButtonPolacz));
    press(Qt::Key_Space);
    ASSERT_TRUE(state().Connected);
    EXPECT_EQ(focused(), main().TabMain->ButtonPolacz);
    for (int tab = 1; tab <= 7; ++tab) {
        press(Qt::Key_Tab, Qt::ControlModifier);
        EXPECT_EQ(main().Pages->currentIndex(), tab);
    }
    press(Qt::Key_Tab, Qt::ControlModifier); // over the hidden debug log to the tabs after it
    EXPECT_EQ(main().Pages->currentWidget(), main().TabUnits);
    press(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(main().Pages->currentWidget(), main().TabMonitorTests);
    press(Qt::Key_Tab, Qt::ControlModifier); // past the last visible tab nothing moves
    EXPECT_EQ(main().Pages->currentWidget(), main().TabMonitorTests);
    for (int tab = 8; tab >= 1; --tab)
        press(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_EQ(main().Pages->currentWidget(), main().TabDTC);

    // Read the codes: the focus stays on the button, the grid is only filled.
    QPushButton *read = main().TabDTC->ButtonDTCOdczytaj;
    ASSERT_TRUE(tabTo(read));
    press(Qt::Key_Space);
    EXPECT_FALSE(main().TabDTC->StringGridDTCPending->Cells(0, 1).isEmpty());
    EXPECT_EQ(focused(), read);

    // From inside a grid, Tab moves on and Ctrl+Tab changes the tab.
    StringGrid *grid = main().TabDTC->StringGridDTCStored;
    ASSERT_TRUE(tabTo(grid));
    press(Qt::Key_Tab);
    EXPECT_NE(focused(), grid);
    ASSERT_TRUE(tabTo(grid));
    press(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_NE(focused(), grid);
    ASSERT_TRUE(tabTo(grid));
    press(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(main().Pages->currentWidget(), main().TabFreeze);
    QPushButton *freezeRead = main().TabFreeze->ButtonFreezeRead;
    ASSERT_TRUE(tabTo(freezeRead));
    press(Qt::Key_Space);
    EXPECT_EQ(focused(), freezeRead);

    // About, through "Pomoc" with F10 and the arrow keys.
    bool aboutShown = false;
    onNextModal([&](QWidget *modal) {
        aboutShown = modal == &workstation->aboutForm();
        QTest::keyClick(modal, Qt::Key_Return);
    });
    press(Qt::Key_F10);
    ASSERT_NE(QApplication::activePopupWidget(), nullptr);
    for (int presses = 0; presses < 3 && QApplication::activePopupWidget() != main().MnuPomoc; ++presses)
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Right);
    ASSERT_EQ(QApplication::activePopupWidget(), main().MnuPomoc);
    QTest::keyClick(main().MnuPomoc, Qt::Key_Return);
    EXPECT_TRUE(aboutShown);
    backToMain();

    // The report dialog: type, move on with Enter, leave with Esc.
    press(Qt::Key_Tab, Qt::ControlModifier | Qt::ShiftModifier);
    press(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_EQ(main().Pages->currentWidget(), main().TabMain);
    ASSERT_TRUE(tabTo(main().TabMain->ButtonPrintReport));
    onNextModal([&](QWidget *modal) {
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Skoda"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTest::keyClick(modal, Qt::Key_Escape);
    });
    press(Qt::Key_Space);
    EXPECT_EQ(workstation->raportForm().Edit1->text(), QStringLiteral("Skoda"));
    backToMain();

    // Ctrl+Q ends the program.
    QTimer::singleShot(0, [] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Q, Qt::ControlModifier); });
    QTimer watchdog; // a shortcut that does not work must not leave the test waiting
    watchdog.callOnTimeout([] { QCoreApplication::exit(1); });
    watchdog.start(5000);
    EXPECT_EQ(QCoreApplication::exec(), 0);
}

TEST_F(KeyboardTest, MenusHaveTheirLettersAndTheFocusIsAlwaysSeen)
{
    EXPECT_EQ(main().MnuPlik->title(), QStringLiteral("&Plik"));
    EXPECT_EQ(main().MnuUstawienia->title(), QStringLiteral("&Ustawienia"));
    EXPECT_EQ(main().MnuPomoc->title(), QStringLiteral("P&omoc"));
    EXPECT_EQ(main().MnuOprogramie->text(), QStringLiteral("&O programie"));
    EXPECT_EQ(main().MnuZakoncz->shortcut(), QKeySequence(QStringLiteral("Ctrl+Q")));
    // Each item of "Plik" has a letter of its own.
    QStringList fileLetters;
    for (QAction *item : main().MnuPlik->actions()) {
        if (item->isSeparator())
            continue;
        const qsizetype amp = item->text().indexOf(u'&');
        ASSERT_GE(amp, 0) << item->text().toStdString();
        fileLetters << item->text().mid(amp + 1, 1).toLower();
    }
    EXPECT_EQ(fileLetters.removeDuplicates(), 0) << fileLetters.join(u',').toStdString();

    // Every control the Tab key reaches on the main tab looks different while it has the focus,
    // the tab bar and the connection log included.
    QList<QWidget *> reached;
    for (int presses = 0; presses < 20; ++presses) {
        QWidget *widget = focused();
        if (widget != nullptr && !reached.contains(widget))
            reached << widget;
        press(Qt::Key_Tab);
    }
    EXPECT_TRUE(reached.contains(main().Pages->tabBar()));
    EXPECT_TRUE(reached.contains(main().TabMain->MemoStatus));
    EXPECT_TRUE(reached.contains(main().TabMain->ButtonPolacz));
    for (QWidget *widget : reached) {
        // The ring may be drawn just outside the control.
        const QRect around = widget->geometry().adjusted(-4, -4, 4, 4);
        widget->setFocus(Qt::TabFocusReason);
        const QImage withFocus = widget->parentWidget()->grab(around).toImage();
        main().setFocus(Qt::OtherFocusReason);
        EXPECT_NE(widget->parentWidget()->grab(around).toImage(), withFocus) << widget->objectName().toStdString();
    }
}
