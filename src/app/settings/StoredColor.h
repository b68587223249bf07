#pragma once

#include <QString>

class QSettings;

// One component (0 to 1) of a stored colour. The settings file may have been written by
// anything: a value that is no number in that range counts as missing.
double StoredColorComponent(const QSettings &settings, const QString &key, double defaultValue);
