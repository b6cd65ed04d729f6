#pragma once

#include <QRect>
#include <QString>

class QFont;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// Small builders for the window layouts: every control gets its name (objectName) and its
// place in pixels inside its parent, as the layouts give them.

// Sets the name and geometry of a freshly made control and returns it.
template <class W>
W *placed(W *widget, const char *name, const QRect &geometry)
{
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(geometry);
    return widget;
}

// A hint is shown as a tool-tip and, through the status bar, as text.
void setHint(QWidget *widget, const QString &hint);

// A label at (x, y) sized to its text.
QLabel *makeLabel(QWidget *parent, const char *name, const QString &text, int x, int y);

QGroupBox *makeGroupBox(QWidget *parent, const char *name, const QString &caption, const QRect &geometry);

QPushButton *makeButton(QWidget *parent, const char *name, const QString &caption, const QRect &geometry);

// A read-only edit with the grey (button-face) background.
QLineEdit *makeReadOnlyEdit(QWidget *parent, const char *name, const QRect &geometry);

// The font of the window with the given pixel size, bold when asked.
QFont pixelFont(const QWidget *widget, int pixelSize, bool bold);
QFont pointFont(const QWidget *widget, int pointSize, bool bold);
