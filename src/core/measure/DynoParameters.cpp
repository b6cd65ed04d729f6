#include "core/measure/DynoParameters.h"

#include "core/measure/NumberParsing.h"

double ComputeFrontalArea(const QString &height, const QString &clearance, const QString &width)
{
    const std::int64_t H = LeadingInteger(height);
    const std::int64_t h1 = LeadingInteger(clearance);
    const std::int64_t B = LeadingInteger(width);
    // In 64 bits: three typed ten-digit numbers cannot overflow the product.
    const std::int64_t squareMillimetres = (H - h1) * B;
    return double(squareMillimetres) * 0.000001;
}

std::variant<DynoParameters, DynoParameterError> ValidateDynoParameters(const std::array<QString, 8> &texts,
                                                                        QChar decimalSeparator)
{
    std::array<double, 8> values{};
    for (std::size_t k = 0; k < texts.size(); ++k) {
        const std::optional<double> value = StrictLocaleReal(texts[k], decimalSeparator);
        if (!value)
            return DynoParameterError::NotANumber;
        values[k] = *value;
    }
    for (double value : values)
        if (value <= 0)
            return DynoParameterError::NotPositive;
    return DynoParameters{values[0], values[1], values[2], values[3], values[4], values[5], values[6], values[7]};
}
