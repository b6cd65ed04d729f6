#pragma once

#include <QTableWidgetItem>

class SensorsTab;

// The first cell of a data row of the sensor grid as a screen reader takes it: a check box,
// named after the sensor its row shows and checked as the row's box is drawn; a row that shows
// no PID has none. It holds no state of its own and asks the tab each time, as the painted box
// does.
class SensorCheckCell final : public QTableWidgetItem {
public:
    // row: the grid's data row (1 and below) the cell stands in.
    SensorCheckCell(const SensorsTab &tab, int row);

    QVariant data(int role) const override;

private:
    const SensorsTab &m_tab;
    int m_row;
};
