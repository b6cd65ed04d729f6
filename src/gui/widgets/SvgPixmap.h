#pragma once

#include <QPixmap>
#include <QString>

// A picture of the resources drawn at the size it is shown in, its proportions kept. Drawn by
// Qt SVG directly: the icon engines of the plugin folders are not searched for at start-up.
QPixmap svgPixmap(const QString &resource, QSize size);
