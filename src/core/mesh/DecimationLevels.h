#pragma once

#include <array>

namespace lumeno {

// One step of the level cascade: each level is decimated from the one before it.
struct DecimationLevel
{
    double reduction;      // target reduction of this step, relative to its input
    int percent;           // nominal share of the loaded model's triangles that the level keeps
    double sizeFraction;   // share of the file size shown on the level's button
    const char *statusText; // untranslated, context "MainWindow"
};

constexpr int LevelCount = 9;

// In cascade order: 90 % first, 10 % last. The reductions are the decimal
// constants the window has always used (0.111111, not 1/9): the button that a
// step labels is found by exact equality with them.
extern const std::array<DecimationLevel, LevelCount> DecimationCascade;

// Index into DecimationCascade of the step with exactly this reduction, or -1.
int CascadeStepForReduction(double reduction);

// Index into DecimationCascade of the step that produces the level with this percentage, or -1.
int CascadeStepForPercent(int percent);

} // namespace lumeno
