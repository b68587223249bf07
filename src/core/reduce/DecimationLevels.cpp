#include "reduce/DecimationLevels.h"

#include <QtGlobal>

namespace lumeno {

const std::array<DecimationLevel, LevelCount> DecimationLevels = {{
    {90, 0.9, QT_TRANSLATE_NOOP("DecimationLevels", "Decimating 90%...")},
    {80, 0.8, QT_TRANSLATE_NOOP("DecimationLevels", "Decimating 80%...")},
    {70, 0.7, QT_TRANSLATE_NOOP("DecimationLevels", "Decimating 70%...")},
    {60, 0.6, QT_TRANSLATE_NOOP("DecimationLevels", "Decimating 60%...")},
    {50, 0.5, QT_TRANSLATE_NOOP("DecimationLevels", "Decimating 50%...")},
    {40, 0.4, QT_TRANSLATE_NOOP("DecimationLevels", "Decimating 40%...")},
    {30, 0.3, QT_TRANSLATE_NOOP("DecimationLevels", "Decimating 30%...")},
    {20, 0.2, QT_TRANSLATE_NOOP("DecimationLevels", "Decimating 20%...")},
    {10, 0.1, QT_TRANSLATE_NOOP("DecimationLevels", "Decimating 10%...")},
}};

} // namespace lumeno
