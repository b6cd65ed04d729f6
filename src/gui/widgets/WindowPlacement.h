#pragma once

class QWidget;

// Places a window that is about to be shown centred over the window of owner (on the desktop when
// there is none), kept on that screen's free area where it fits.
void CentreOver(QWidget &window, const QWidget *owner);
