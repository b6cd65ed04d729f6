#include "gui/widgets/AccessibleTabBar.h"

#include "gui/widgets/PageControl.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>

namespace {

class AccessibleTab final : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    AccessibleTab(GatedTabBar *bar, int index) : m_bar(bar), m_index(index) {}

    int index() const { return m_index; }

    bool isValid() const override { return m_bar != nullptr && m_index < m_bar->count(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override
    {
        const QAccessibleInterface *bar = parent();
        return bar != nullptr ? bar->window() : nullptr;
    }
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(m_bar.data()); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::PageTab; }

    QString text(QAccessible::Text kind) const override
    {
        if (!isValid())
            return {};
        switch (kind) {
        case QAccessible::Name: {
            QString caption = m_bar->tabText(m_index);
            return caption.remove(u'&');
        }
        case QAccessible::Description: return m_bar->tabToolTip(m_index);
        default: return {};
        }
    }
    void setText(QAccessible::Text, const QString &) override {}

    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect tab = m_bar->tabRect(m_index);
        return QRect(m_bar->mapToGlobal(tab.topLeft()), tab.size());
    }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        state = parent()->state();
        state.selectable = true;
        state.selected = m_index == m_bar->currentIndex();
        state.disabled = !m_bar->isTabEnabled(m_index);
        return state;
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this) : nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &name) override
    {
        if (isValid() && name == pressAction())
            m_bar->requestIndex(m_index);
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    QPointer<GatedTabBar> m_bar;
    int m_index;
};

class AccessibleTabBar final : public QAccessibleWidget {
public:
    explicit AccessibleTabBar(GatedTabBar *bar) : QAccessibleWidget(bar, QAccessible::PageTabList) {}
    ~AccessibleTabBar() override
    {
        for (QAccessible::Id id : std::as_const(m_tabs))
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return int(shownTabs().size()); }

    QAccessibleInterface *child(int position) const override
    {
        const QList<int> tabs = shownTabs();
        if (position < 0 || position >= tabs.size())
            return nullptr;
        const int index = tabs[position];
        if (const QAccessible::Id id = m_tabs.value(index))
            return QAccessible::accessibleInterface(id);
        auto *tab = new AccessibleTab(bar(), index);
        m_tabs.insert(index, QAccessible::registerAccessibleInterface(tab));
        return tab;
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (child == nullptr || child->role() != QAccessible::PageTab || child->parent() != this)
            return -1;
        return int(shownTabs().indexOf(static_cast<const AccessibleTab *>(child)->index()));
    }

    QAccessibleInterface *childAt(int x, int y) const override
    {
        const QPoint point = bar()->mapFromGlobal(QPoint(x, y));
        const int index = bar()->tabAt(point);
        const int position = int(shownTabs().indexOf(index));
        return index < 0 || position < 0 ? nullptr : child(position);
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name)
            return bar()->tabText(bar()->currentIndex()).remove(u'&');
        return QAccessibleWidget::text(kind);
    }

private:
    GatedTabBar *bar() const { return static_cast<GatedTabBar *>(object()); }

    QList<int> shownTabs() const
    {
        QList<int> tabs;
        for (int index = 0; index < bar()->count(); ++index)
            if (bar()->isTabVisible(index))
                tabs << index;
        return tabs;
    }

    mutable QHash<int, QAccessible::Id> m_tabs; // by tab index
};

QAccessibleInterface *tabBarInterface(const QString &, QObject *object)
{
    if (auto *bar = qobject_cast<GatedTabBar *>(object))
        return new AccessibleTabBar(bar);
    return nullptr;
}

} // namespace

void installAccessibleTabBar()
{
    static const bool installed = [] {
        QAccessible::installFactory(tabBarInterface);
        return true;
    }();
    Q_UNUSED(installed);
}
