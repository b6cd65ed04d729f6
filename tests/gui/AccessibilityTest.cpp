#include "support/gui/WorkstationFixture.h"

#include "core/catalogue/MessageCatalogue.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QMap>

namespace {

// Every interface below root, as a screen reader walks them; the cells of a table are left out.
void walk(QAccessibleInterface *node, QList<QAccessibleInterface *> &all)
{
    if (node == nullptr)
        return;
    all << node;
    if (node->role() == QAccessible::Table)
        return;
    for (int index = 0; index < node->childCount(); ++index)
        walk(node->child(index), all);
}

} // namespace

class AccessibilityTest : public WorkstationTest {
protected:
    QList<QAccessibleInterface *> tree()
    {
        QList<QAccessibleInterface *> all;
        walk(QAccessible::queryAccessibleInterface(&main()), all);
        return all;
    }
};

TEST_F(AccessibilityTest, OnlyTheTabsOnScreenAreAnnouncedWithTheirHints)
{
    QStringList tabs;
    QStringList hints;
    for (QAccessibleInterface *node : tree()) {
        if (node->role() != QAccessible::PageTab)
            continue;
        tabs << node->text(QAccessible::Name);
        hints << node->text(QAccessible::Description);
        EXPECT_TRUE(node->parent()->indexOfChild(node) >= 0);
    }
    EXPECT_EQ(tabs,
              (QStringList{QStringLiteral("Główna"), QStringLiteral("Kody błędów"), QStringLiteral("Zamrożone ramki"),
                           QStringLiteral("Czujniki"), QStringLiteral("Monitory"), QStringLiteral("Wykresy"),
                           QStringLiteral("Przyspieszenie"), QStringLiteral("Hamownia"), QStringLiteral("Sterowniki"),
                           QStringLiteral("Testy monitorów")}));
    EXPECT_EQ(hints.value(3), QStringLiteral("Monitorowanie czujników"));
}

TEST_F(AccessibilityTest, PressingATabGoesThroughTheTabGate)
{
    QAccessibleInterface *bar = QAccessible::queryAccessibleInterface(main().Pages->tabBar());
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(bar->childCount(), 10);
    QAccessibleActionInterface *press = bar->child(1)->actionInterface();
    ASSERT_NE(press, nullptr);
    press->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(currentPage(), main().TabMain);
    EXPECT_EQ(env.dialogs.texts(), QStringList{LoadMessage(STabMsg)});

    clickPolacz();
    press->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(currentPage(), main().TabDTC);
    EXPECT_TRUE(bar->child(1)->state().selected);
}

TEST_F(AccessibilityTest, EveryGridIsAnnouncedWithItsCaptionAndHint)
{
    QMap<QString, QAccessibleInterface *> tables;
    for (QAccessibleInterface *node : tree())
        if (node->role() == QAccessible::Table && node->object() != nullptr)
            tables.insert(node->object()->objectName(), node);
    ASSERT_EQ(tables.size(), 11) << tables.keys().join(u' ').toStdString();

    QAccessibleInterface *sensors = tables.value(QStringLiteral("StringGridSensors"));
    ASSERT_NE(sensors, nullptr);
    EXPECT_EQ(sensors->text(QAccessible::Name), QStringLiteral("Dane z czujników"));
    EXPECT_TRUE(sensors->text(QAccessible::Description).startsWith(QStringLiteral("Dane odczytywane z czujników.")));

    // A grid without a hint of its own is described by the hint the status bar shows over it.
    QAccessibleInterface *pending = tables.value(QStringLiteral("StringGridDTCPending"));
    ASSERT_NE(pending, nullptr);
    EXPECT_EQ(pending->text(QAccessible::Name), QStringLiteral("Błędy oczekujące"));
    EXPECT_EQ(pending->text(QAccessible::Description), QStringLiteral("Odczytywanie i kasowanie kodów błędów"));

    for (QAccessibleInterface *table : tables) {
        EXPECT_FALSE(table->text(QAccessible::Name).isEmpty());
        EXPECT_FALSE(table->text(QAccessible::Description).isEmpty());
    }
}
