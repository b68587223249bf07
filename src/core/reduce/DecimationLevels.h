#pragma once

#include <array>

namespace lumeno {

// One of the nine levels computed after a load.
struct DecimationLevel
{
    int percent;            // nominal share of the loaded model's triangles that the level keeps
    double sizeFraction;    // share of the file size shown on the level's button
    const char *statusText; // untranslated, context "DecimationLevels"

    double Share() const { return percent / 100.0; }
};

constexpr int LevelCount = 9;

// By level index: 90 % first, 10 % last, the order in which the levels are made.
extern const std::array<DecimationLevel, LevelCount> DecimationLevels;

} // namespace lumeno
