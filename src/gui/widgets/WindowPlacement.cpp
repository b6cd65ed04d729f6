#include "gui/widgets/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

void CentreOver(QWidget &window, const QWidget *owner)
{
    const QWidget *over = owner != nullptr ? owner->window() : nullptr;
    const QScreen *screen = over != nullptr ? over->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    const QRect desktop = screen->availableGeometry();
    const QPoint centre = over != nullptr ? over->frameGeometry().center() : desktop.center();
    QRect placed(QPoint(), window.frameGeometry().size());
    placed.moveCenter(centre);
    // Its title bar stays on the screen, and all of it where it fits.
    placed.moveLeft(std::max(desktop.left(), std::min(placed.left(), desktop.right() - placed.width() + 1)));
    placed.moveTop(std::max(desktop.top(), std::min(placed.top(), desktop.bottom() - placed.height() + 1)));
    window.move(placed.topLeft());
}
