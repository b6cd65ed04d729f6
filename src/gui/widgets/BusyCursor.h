#pragma once

#include <QPointer>
#include <QWidget>

// For a handler that blocks the window (a read, a clear, a connection, the report's assembly):
// the wait cursor over the whole program from construction to destruction, on every path out.
// A button that had the focus gets it back at the end if it is enabled again, since disabling
// it during the wait moves the focus on to the next control (often the grid being filled).
class BusyCursor {
public:
    explicit BusyCursor(QWidget *origin = nullptr);
    ~BusyCursor();
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;

private:
    QPointer<QWidget> m_origin;
    bool m_originHadFocus = false;
};
