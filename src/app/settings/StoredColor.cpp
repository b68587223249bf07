#include "settings/StoredColor.h"

#include <QSettings>

double StoredColorComponent(const QSettings &settings, const QString &key, double defaultValue)
{
    bool isNumber = false;
    const double value = settings.value(key).toDouble(&isNumber);
    // Written in this order, NaN fails the range test too.
    return isNumber && value >= 0.0 && value <= 1.0 ? value : defaultValue;
}
