#pragma once

#include <QString>
#include <QtGlobal>

namespace lumeno {

// The loaded file's size in whole megabytes of 1 000 000 bytes, truncated (999 999 bytes are 0).
float ModelSizeMB(qint64 fileSizeBytes);

// The text of a level's button: the share of the file size it is estimated to take,
// "%1MB" filled by QString::arg of the double (format 'g', 6 significant digits): 10.8MB.
QString LevelSizeLabel(float modelSizeMB, double sizeFraction);

} // namespace lumeno
