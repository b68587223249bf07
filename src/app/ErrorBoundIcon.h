#pragma once

#include <QIcon>
#include <QLocale>

// The badge of an error bound preset with its number written as the locale writes numbers
// ("0,1" in German): the drawing of resources/images/src/gen_svgs.py, whose number is painted
// here over the band that holds it.
QIcon ErrorBoundIcon(double bound, const QLocale &locale = QLocale());
