#pragma once

#include <QLocale>
#include <QString>

// A percentage as the interface shows a measured share: with two decimals, and with as many
// more as it takes to keep two significant digits ("0.00050" for 0.0005). Values too small to
// measure read "< 0.0001", zero reads "0.00".
QString PercentText(double percent, const QLocale &locale = QLocale());
