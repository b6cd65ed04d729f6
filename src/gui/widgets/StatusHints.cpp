#include "gui/widgets/StatusHints.h"

#include <QApplication>
#include <QStatusBar>
#include <QStatusTipEvent>

QString nearestHint(const QWidget *widget)
{
    for (; widget != nullptr; widget = widget->parentWidget()) {
        if (!widget->statusTip().isEmpty())
            return widget->statusTip();
        if (widget->isWindow())
            break;
    }
    return {};
}

StatusHints::StatusHints(QWidget *window, QStatusBar *bar) : QObject(window), m_window(window), m_bar(bar)
{
    qApp->installEventFilter(this);
}

bool StatusHints::inWindow(const QObject *object) const
{
    const auto *widget = qobject_cast<const QWidget *>(object);
    return widget != nullptr && m_window != nullptr && widget->window() == m_window;
}

void StatusHints::show(const QWidget *widget)
{
    if (m_bar != nullptr)
        m_bar->showMessage(nearestHint(widget));
}

bool StatusHints::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Enter:
        if (inWindow(watched)) {
            m_under = static_cast<QWidget *>(watched);
            // A control with a hint of its own announces it itself, right after this.
            if (m_under->statusTip().isEmpty())
                show(m_under);
        }
        break;
    case QEvent::Leave:
        // Leaving a control (from the innermost outwards) puts the pointer over its parent,
        // unless another control is entered next, which then shows its own hint.
        if (inWindow(watched)) {
            auto *left = static_cast<QWidget *>(watched);
            m_under = left->isWindow() ? nullptr : left->parentWidget();
            show(m_under);
        }
        break;
    case QEvent::StatusTip:
        // The empty tip Qt sends when the pointer leaves a control, or a tab without a hint:
        // the bar shows the hint around the pointer instead.
        if (inWindow(watched) && static_cast<QStatusTipEvent *>(event)->tip().isEmpty()) {
            show(m_under);
            return true;
        }
        break;
    default: break;
    }
    return false;
}
