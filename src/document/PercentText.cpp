#include "PercentText.h"

#include <algorithm>
#include <cmath>

namespace {

// Below this the distances measured in single precision are rounding, not deviation.
constexpr double SmallestShown = 0.0001;

int DecimalsForTwoDigits(double value)
{
    return std::max(2, 1 - static_cast<int>(std::floor(std::log10(value))));
}

} // namespace

QString PercentText(double percent, const QLocale &locale)
{
    if (!(percent > 0.0) || !std::isfinite(percent))
        return locale.toString(percent > 0.0 ? percent : 0.0, 'f', 2);
    if (percent < SmallestShown)
        return QStringLiteral("< ") + locale.toString(SmallestShown, 'f', 4);
    int decimals = DecimalsForTwoDigits(percent);
    // 0.0996 rounds to 0.100, which two digits show as 0.10.
    const double rounded = std::round(percent * std::pow(10.0, decimals)) / std::pow(10.0, decimals);
    decimals = DecimalsForTwoDigits(rounded);
    return locale.toString(percent, 'f', decimals);
}
