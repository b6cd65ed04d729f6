#include "support/gui/WorkstationFixture.h"

#include "gui/faults/DtcTabPage.h"
#include "gui/livedata/SensorsTab.h"
#include "gui/livedata/SensorsTabPage.h"
#include "gui/widgets/StringGrid.h"

#include <QHeaderView>
#include <QImage>
#include <QProxyStyle>

namespace {

// How far the first dark pixel of a cell's text stands from the cell's left edge.
int textIndent(StringGrid &grid, int column, int row)
{
    grid.setCells(column, row, QStringLiteral("8888"));
    const QRect cell = grid.visualRect(grid.model()->index(row - 1, column));
    const QImage image = grid.viewport()->grab().toImage();
    for (int x = cell.left(); x <= cell.right(); ++x)
        for (int y = cell.top(); y <= cell.bottom(); ++y)
            if (qGray(image.pixel(x, y)) < 128)
                return x - cell.left();
    return -1;
}

// What is painted in a cell besides its background, relative to the cell's top-left corner;
// the grid lines at the cell's right and bottom edges are left out.
QRect paintedInCell(StringGrid &grid, int column, int row)
{
    const QRect cell = grid.visualRect(grid.model()->index(row - 1, column));
    const QImage image = grid.viewport()->grab().toImage();
    const QRgb base = grid.palette().color(QPalette::Base).rgb();
    QRect painted;
    for (int y = cell.top(); y < cell.bottom(); ++y)
        for (int x = cell.left(); x < cell.right(); ++x)
            if (image.pixel(x, y) != base)
                painted |= QRect(x, y, 1, 1);
    return painted.translated(-cell.topLeft());
}

// A desktop whose check boxes are taller than the grid's rows (large fonts, a fine screen).
class LargeCheckBoxes final : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override
    {
        if (metric == PM_IndicatorWidth || metric == PM_IndicatorHeight)
            return 20;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

} // namespace

class GridLayoutTest : public WorkstationTest {};

TEST_F(GridLayoutTest, TheSensorGridDrawsItsTextsAtTheCellCornerTheOtherGridsAsQtDoes)
{
    StringGrid *sensors = main().TabSensors->StringGridSensors;
    sensors->resize(sensors->size()); // laid out without being on screen
    const int sensorIndent = textIndent(*sensors, 3, 1);
    EXPECT_GE(sensorIndent, 0);
    EXPECT_LE(sensorIndent, 1);

    const int dtcIndent = textIndent(*main().TabDTC->StringGridDTCStored, 1, 1);
    EXPECT_GE(dtcIndent, 3);
}

TEST_F(GridLayoutTest, EveryGridHeaderIsOneRowHigh)
{
    const QList<StringGrid *> grids = main().findChildren<StringGrid *>();
    ASSERT_EQ(grids.size(), 11);
    for (StringGrid *grid : grids) {
        const int rowHeight = grid->verticalHeader()->defaultSectionSize();
        EXPECT_TRUE(rowHeight == 17 || rowHeight == 20) << grid->objectName().toStdString();
        EXPECT_EQ(grid->horizontalHeader()->height(), rowHeight) << grid->objectName().toStdString();
    }
}

TEST_F(GridLayoutTest, TheSensorGridCheckBoxesStandWholeInsideTheirRows)
{
    StringGrid *sensors = main().TabSensors->StringGridSensors;
    main().sensorsTab().showRowPid(1, 0x0C); // selected at start
    main().sensorsTab().showRowPid(2, 0x2F);
    LargeCheckBoxes large;
    for (QStyle *style : {static_cast<QStyle *>(nullptr), static_cast<QStyle *>(&large)}) {
        sensors->setStyle(style);
        for (int row : {1, 2}) {
            const QRect box = paintedInCell(*sensors, 0, row);
            const int lastFreeRow = sensors->verticalHeader()->defaultSectionSize() - 2;
            SCOPED_TRACE(testing::Message() << "row " << row << (style != nullptr ? ", large boxes" : ""));
            ASSERT_FALSE(box.isEmpty());
            EXPECT_EQ(box.topLeft(), QPoint(2, 2));
            EXPECT_EQ(box.width(), box.height()) << "the box is cut off";
            EXPECT_LT(box.bottom(), lastFreeRow) << "the box runs into the grid line";
        }
    }
    sensors->setStyle(nullptr);
}
