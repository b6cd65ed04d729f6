#pragma once

#include <QWindow>

#include <qpa/qwindowsysteminterface.h>

// Asks for window to be closed as the window manager does (its close button, Alt+F4): the request
// waits in the window system's queue with the operator's input until the program takes it.
inline void RequestCloseAsTheWindowSystemDoes(QWindow *window)
{
    QWindowSystemInterface::handleCloseEvent<QWindowSystemInterface::AsynchronousDelivery>(window);
}
