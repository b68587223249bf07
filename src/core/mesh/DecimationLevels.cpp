#include "mesh/DecimationLevels.h"

#include <QtGlobal>

namespace lumeno {

const std::array<DecimationLevel, LevelCount> DecimationCascade = {{
    {0.1, 90, 0.9, QT_TRANSLATE_NOOP("MainWindow", "Decimating 90%...")},
    {0.111111, 80, 0.8, QT_TRANSLATE_NOOP("MainWindow", "Decimating 80%...")},
    {0.125, 70, 0.7, QT_TRANSLATE_NOOP("MainWindow", "Decimating 70%...")},
    {0.14286, 60, 0.6, QT_TRANSLATE_NOOP("MainWindow", "Decimating 60%...")},
    {0.16667, 50, 0.5, QT_TRANSLATE_NOOP("MainWindow", "Decimating 50%...")},
    {0.2, 40, 0.4, QT_TRANSLATE_NOOP("MainWindow", "Decimating 40%...")},
    {0.25, 30, 0.3, QT_TRANSLATE_NOOP("MainWindow", "Decimating 30%...")},
    {0.3333, 20, 0.2, QT_TRANSLATE_NOOP("MainWindow", "Decimating 20%...")},
    {0.5, 10, 0.1, QT_TRANSLATE_NOOP("MainWindow", "Decimating 10%...")},
}};

int CascadeStepForReduction(double reduction)
{
    for (int i = 0; i < LevelCount; ++i)
        if (DecimationCascade[i].reduction == reduction)
            return i;
    return -1;
}

int CascadeStepForPercent(int percent)
{
    for (int i = 0; i < LevelCount; ++i)
        if (DecimationCascade[i].percent == percent)
            return i;
    return -1;
}

} // namespace lumeno
