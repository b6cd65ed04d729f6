#include "core/logview/Envelope.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double kGap = std::numeric_limits<double>::quiet_NaN();

void add(EnvelopePoints &points, double x, double y)
{
    points.x.append(x);
    points.y.append(y);
}

} // namespace

EnvelopePoints BuildEnvelope(const std::vector<double> &times, const std::vector<float> &values, double from, double to,
                             int pixels)
{
    EnvelopePoints points;
    const std::size_t count = std::min(times.size(), values.size());
    if (count == 0 || pixels <= 0 || !(to > from))
        return points;
    std::size_t first =
        std::size_t(std::lower_bound(times.begin(), times.begin() + std::ptrdiff_t(count), from) - times.begin());
    std::size_t last =
        std::size_t(std::upper_bound(times.begin(), times.begin() + std::ptrdiff_t(count), to) - times.begin());
    if (first > 0)
        --first;
    if (last < count)
        ++last;

    if (last - first <= std::size_t(pixels) * 2) {
        points.x.reserve(qsizetype(last - first));
        points.y.reserve(qsizetype(last - first));
        for (std::size_t row = first; row < last; ++row)
            add(points, times[row], std::isnan(values[row]) ? kGap : double(values[row]));
        return points;
    }

    points.x.reserve(qsizetype(pixels) * 3 + 4);
    points.y.reserve(qsizetype(pixels) * 3 + 4);
    const double scale = double(pixels) / (to - from);
    std::size_t row = first;
    while (row < last) {
        // The rows of one pixel: those up to the pixel's right edge (the rows outside the range
        // each form a pixel of their own).
        const double pixel = std::floor((times[row] - from) * scale);
        const double edge = from + (pixel + 1) / scale;
        float lower = std::numeric_limits<float>::infinity();
        float upper = -lower;
        std::size_t lowerRow = 0;
        std::size_t upperRow = 0;
        bool gap = false;
        std::size_t end = row;
        do {
            const float value = values[end];
            if (std::isnan(value)) {
                gap = true;
            } else {
                if (value < lower) {
                    lower = value;
                    lowerRow = end;
                }
                if (value > upper) {
                    upper = value;
                    upperRow = end;
                }
            }
            ++end;
        } while (end < last && times[end] < edge && times[row] >= from && times[row] <= to);
        if (lower <= upper) {
            const std::size_t a = std::min(lowerRow, upperRow);
            const std::size_t b = std::max(lowerRow, upperRow);
            add(points, times[a], values[a]);
            if (b != a)
                add(points, times[b], values[b]);
        }
        if (gap)
            add(points, times[end - 1], kGap);
        row = end;
    }
    return points;
}

ValueRange ColumnRange(const std::vector<float> &values)
{
    ValueRange range;
    float lower = std::numeric_limits<float>::infinity();
    float upper = -lower;
    for (float value : values) {
        if (std::fabs(value) > kLargestReading) {
            ++range.offScale;
            continue;
        }
        // NaN fails both comparisons and is passed over.
        if (value < lower)
            lower = value;
        if (value > upper)
            upper = value;
    }
    if (lower <= upper) {
        range.lower = lower;
        range.upper = upper;
        range.any = true;
    }
    return range;
}
