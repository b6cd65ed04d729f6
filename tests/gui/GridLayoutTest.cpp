#include "support/gui/WorkstationFixture.h"

#include "gui/faults/DtcTabPage.h"
#include "gui/livedata/SensorsTabPage.h"
#include "gui/widgets/StringGrid.h"

#include <QHeaderView>
#include <QImage>

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
    ASSERT_EQ(grids.size(), 6);
    for (StringGrid *grid : grids) {
        const int rowHeight = grid->verticalHeader()->defaultSectionSize();
        EXPECT_TRUE(rowHeight == 17 || rowHeight == 20) << grid->objectName().toStdString();
        EXPECT_EQ(grid->horizontalHeader()->height(), rowHeight) << grid->objectName().toStdString();
    }
}
