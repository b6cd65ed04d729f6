#include "gui/widgets/PageControl.h"

#include "gui/widgets/AccessibleTabBar.h"
#include "gui/widgets/PageGeometry.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QShortcut>
#include <QStatusTipEvent>

GatedTabBar::GatedTabBar(QWidget *parent) : QTabBar(parent)
{
    installAccessibleTabBar();
    setMouseTracking(true);
}

void GatedTabBar::requestIndex(int index)
{
    if (index < 0 || index >= count() || index == currentIndex() || !isTabVisible(index) || !isTabEnabled(index))
        return;
    if (m_gate && !m_gate())
        return;
    setCurrentIndex(index);
}

int GatedTabBar::neighbour(int step) const
{
    for (int index = currentIndex() + step; index >= 0 && index < count(); index += step)
        if (isTabVisible(index) && isTabEnabled(index))
            return index;
    return -1;
}

void GatedTabBar::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    requestIndex(tabAt(event->position().toPoint()));
    event->accept();
}

void GatedTabBar::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up: requestIndex(neighbour(-1)); break;
    case Qt::Key_Right:
    case Qt::Key_Down: requestIndex(neighbour(+1)); break;
    default: event->ignore(); return;
    }
    event->accept();
}

void GatedTabBar::wheelEvent(QWheelEvent *event)
{
    // The wheel never changes tabs; only deliberate clicks and keys do.
    event->accept();
}

void GatedTabBar::mouseMoveEvent(QMouseEvent *event)
{
    // The tab under the pointer shows its hint in the status bar.
    const int tab = tabAt(event->position().toPoint());
    if (tab != m_hintTab) {
        m_hintTab = tab;
        QStatusTipEvent tip(tab < 0 ? QString() : tabToolTip(tab));
        QApplication::sendEvent(this, &tip);
    }
    QTabBar::mouseMoveEvent(event);
}

PageControl::PageControl(QWidget *parent) : QTabWidget(parent), m_bar(new GatedTabBar(this))
{
    setTabBar(m_bar);
    const struct {
        QKeyCombination keys;
        int step;
    } moves[] = {{Qt::CTRL | Qt::Key_Tab, +1},
                 {Qt::CTRL | Qt::Key_PageDown, +1},
                 {Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab, -1},
                 {Qt::CTRL | Qt::SHIFT | Qt::Key_Tab, -1},
                 {Qt::CTRL | Qt::Key_PageUp, -1}};
    for (const auto &move : moves) {
        auto *shortcut = new QShortcut(QKeySequence(move.keys), this);
        shortcut->setContext(Qt::WindowShortcut);
        const int step = move.step;
        connect(shortcut, &QShortcut::activated, this, [this, step] { m_bar->requestIndex(m_bar->neighbour(step)); });
    }
}

void PageControl::keyPressEvent(QKeyEvent *event)
{
    const bool ctrl = event->modifiers().testFlag(Qt::ControlModifier);
    int step = 0;
    if (ctrl && (event->key() == Qt::Key_Tab || event->key() == Qt::Key_PageDown))
        step = +1;
    else if (ctrl && (event->key() == Qt::Key_Backtab || event->key() == Qt::Key_PageUp))
        step = -1;
    if (step == 0) {
        QTabWidget::keyPressEvent(event);
        return;
    }
    m_bar->requestIndex(m_bar->neighbour(step));
    event->accept();
}

void PageControl::tabInserted(int index)
{
    QTabWidget::tabInserted(index);
    if (QWidget *page = widget(index))
        page->setMinimumSize(kPageDesignSize);
}
