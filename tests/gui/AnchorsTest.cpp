#include "gui/widgets/Anchors.h"

#include "support/core/QtPrinters.h"

#include <QCoreApplication>
#include <QWidget>

#include <gtest/gtest.h>

TEST(AnchorsTest, ControlsKeepTheirDistancesToTheAnchoredEdges)
{
    QWidget parent;
    parent.resize(400, 300);
    parent.show();
    auto *stretched = new QWidget(&parent);
    stretched->setGeometry(10, 20, 380, 260);
    anchor(stretched, Qt::LeftEdge | Qt::TopEdge | Qt::RightEdge | Qt::BottomEdge);
    auto *bottomRight = new QWidget(&parent);
    bottomRight->setGeometry(300, 250, 80, 30);
    anchor(bottomRight, Qt::RightEdge | Qt::BottomEdge);
    auto *topOnly = new QWidget(&parent);
    topOnly->setGeometry(50, 60, 70, 20);
    anchor(topOnly, Qt::LeftEdge | Qt::TopEdge);

    parent.resize(500, 350);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(stretched->geometry(), QRect(10, 20, 480, 310));
    EXPECT_EQ(bottomRight->geometry(), QRect(400, 300, 80, 30));
    EXPECT_EQ(topOnly->geometry(), QRect(50, 60, 70, 20));

    // Shrinking below the design size never gives a negative size.
    parent.resize(100, 100);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(stretched->geometry(), QRect(10, 20, 80, 60));
    parent.resize(10, 10);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(stretched->size(), QSize(0, 0));
}
