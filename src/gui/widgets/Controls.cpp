#include "gui/widgets/Controls.h"

#include "gui/widgets/GroupBoxStyle.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>

void setHint(QWidget *widget, const QString &hint)
{
    widget->setToolTip(hint);
    widget->setStatusTip(hint);
}

QLabel *makeLabel(QWidget *parent, const char *name, const QString &text, int x, int y)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->move(x, y);
    label->adjustSize();
    return label;
}

QGroupBox *makeGroupBox(QWidget *parent, const char *name, const QString &caption, const QRect &geometry)
{
    auto *box = placed(new QGroupBox(caption, parent), name, geometry);
    box->setStyle(GroupBoxStyle::shared());
    return box;
}

QPushButton *makeButton(QWidget *parent, const char *name, const QString &caption, const QRect &geometry)
{
    return placed(new QPushButton(caption, parent), name, geometry);
}

QLineEdit *makeReadOnlyEdit(QWidget *parent, const char *name, const QRect &geometry)
{
    auto *edit = placed(new QLineEdit(parent), name, geometry);
    edit->setReadOnly(true);
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Button));
    edit->setPalette(palette);
    return edit;
}

QFont pixelFont(const QWidget *widget, int pixelSize, bool bold)
{
    QFont font = widget->font();
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QFont pointFont(const QWidget *widget, int pointSize, bool bold)
{
    QFont font = widget->font();
    font.setPointSize(pointSize);
    font.setBold(bold);
    return font;
}
