#pragma once

#include <QString>

namespace lumeno {

// True when `offered` is a version number (decimal fields joined by '.', like 0.9.2 or
// 1.0.0.20250101) greater than `running`, compared field by field as numbers; a missing
// field counts as 0. Anything that is not such a number is never newer.
bool IsNewerVersion(const QString &offered, const QString &running);

} // namespace lumeno
