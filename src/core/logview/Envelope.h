#pragma once

#include <QList>
#include <QtGlobal>

#include <vector>

// The points that draw one column of a log between two times on a chart `pixels` wide. While
// the range holds no more than two rows a pixel, every row is a point (a NaN value a gap in the
// line); otherwise each pixel gets the lowest and the highest value of its rows, in the order they
// occur, so the drawn line covers every value while the points stay a few per pixel. A pixel
// whose rows hold a gap ends the line there. The row before and the row after the range are
// included, so the line reaches both edges of the chart.
struct EnvelopePoints {
    QList<double> x;
    QList<double> y;
};

EnvelopePoints BuildEnvelope(const std::vector<double> &times, const std::vector<float> &values, double from, double to,
                             int pixels);

// The lowest and highest number of a column (0, 0 when it holds none), leaving off the numbers no
// sensor reading comes near (a damaged or hand-edited log's 3.4e38), which would flatten the rest
// into a line; offScale counts them.
struct ValueRange {
    double lower = 0;
    double upper = 0;
    bool any = false;
    qint64 offScale = 0;
};
ValueRange ColumnRange(const std::vector<float> &values);

// No PID reading is larger: the largest, the fuel rail's gauge pressure, ends at 655,350 kPa.
inline constexpr float kLargestReading = 1e6f;
