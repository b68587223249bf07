#include "mesh/LevelSizes.h"

namespace lumeno {

float ModelSizeMB(qint64 fileSizeBytes)
{
    return static_cast<float>(fileSizeBytes / 1000000);
}

QString LevelSizeLabel(float modelSizeMB, double sizeFraction)
{
    return QStringLiteral("%1MB").arg(static_cast<double>(modelSizeMB) * sizeFraction);
}

} // namespace lumeno
