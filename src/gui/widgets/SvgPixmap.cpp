#include "gui/widgets/SvgPixmap.h"

#include <QPainter>
#include <QSvgRenderer>

QPixmap svgPixmap(const QString &resource, QSize size)
{
    QSvgRenderer renderer(resource);
    QPixmap pixmap(renderer.defaultSize().scaled(size, Qt::KeepAspectRatio));
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    return pixmap;
}
