#pragma once

#include <QObject>
#include <QPointer>

class QStatusBar;
class QWidget;

// The hint a control shows in the status bar: its own, else the nearest one up its parent chain
// inside its window (over the empty part of a tab page, the page's hint).
QString nearestHint(const QWidget *widget);

// Keeps a window's status bar showing the hint of the control under the pointer. Qt shows a
// control's own hint when the pointer enters it and clears the bar when it leaves; a control
// without a hint of its own shows nothing. Here the bar shows the nearest hint instead.
class StatusHints final : public QObject {
    Q_OBJECT
public:
    StatusHints(QWidget *window, QStatusBar *bar);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool inWindow(const QObject *object) const;
    void show(const QWidget *widget);

    QPointer<QWidget> m_window;
    QPointer<QStatusBar> m_bar;
    QPointer<QWidget> m_under; // the control under the pointer, as far as enter and leave tell
};
