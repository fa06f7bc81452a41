#include "core/numberformat.h"

#include <cmath>

namespace numberformat {

namespace {
constexpr int kMinDecimals = 4;
constexpr int kMaxDecimals = 8;
constexpr int kSignificant = 4;
} // namespace

int measureDecimals(double value)
{
    const double a = std::fabs(value);
    if (!std::isfinite(a) || a >= 1.0 || a == 0.0)
        return kMinDecimals;
    // Decided on the value as it will be rounded, so 0.099996 is written
    // like 0.1 and not with a digit too many.
    int decimals = kSignificant - 1 - int(std::floor(std::log10(a)));
    decimals = qBound(kMinDecimals, decimals, kMaxDecimals);
    const double rounded = std::round(a * std::pow(10.0, decimals)) / std::pow(10.0, decimals);
    if (rounded > 0 && rounded < 1.0) {
        const int again = qBound(kMinDecimals, kSignificant - 1 - int(std::floor(std::log10(rounded))), kMaxDecimals);
        decimals = qMin(decimals, again);
    }
    return decimals;
}

QString formatMeasure(double value)
{
    if (!std::isfinite(value))
        return QString::number(value);
    QString text = QString::number(value, 'f', measureDecimals(value));
    // "-0.0000" reads as a negative length.
    if (text.startsWith(QLatin1Char('-')) && text.count(QLatin1Char('0')) == text.size() - 2)
        text.remove(0, 1);
    return text;
}

QString formatAngle(double degrees)
{
    QString text = QString::number(degrees, 'f', 2);
    if (text == QLatin1String("-0.00"))
        text.remove(0, 1);
    return text;
}

} // namespace numberformat
