#pragma once

#include "DeviationColouring.h"
#include "io/write/ModelWriter.h"
#include "reduce/ReductionEngine.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

enum class CliCommand { None, Info, Levels, Reduce };

// Everything the command line asked for, checked for form but not against the files.
struct CliOptions
{
    CliCommand command = CliCommand::None;
    bool help = false;
    bool version = false;
    bool json = false;
    bool quiet = false;

    QStringList inputs;   // one or more model files, each done on its own
    QString outputFolder; // levels; reduce when it is not given -o
    QString format;       // levels and reduce into a folder: "stl", "ply" or "obj"; empty means the input's own
    QString output;       // reduce of one input
    QString lodGlb;       // levels of one input: the model and its levels as LOD chains in one GLB

    std::optional<double> keepPercent; // reduce: share of the triangles to keep, 0..100
    std::optional<qint64> triangles;   // reduce: number of triangles to keep
    std::optional<double> maxError;    // reduce: relative to the bounding box diagonal
    std::optional<lumeno::ReductionEngine> engine; // levels and reduce; unset means lumeno::DefaultEngine
    bool smooth = false;
    bool measure = true; // levels and reduce: measure each result's deviation from the input
    // levels and reduce: how an OBJ output finds its textures, and whether the parts become one.
    std::optional<lumeno::ModelWriteOptions::Textures> textures; // unset: copied
    bool mergeParts = false;
    // levels and reduce: each point coloured by its distance to the input, in PLY, GLB and glTF.
    std::optional<DeviationColouring> deviationColours;
    std::optional<std::array<double, 3>> scale;
    std::optional<std::array<double, 3>> rotate; // degrees about X, then Y, then Z
    // levels and reduce: how many models run at once; unset means as many as the cores and the
    // memory allow (BatchJobs.h).
    std::optional<int> jobs;
    bool skipExisting = false; // levels and reduce: leave models whose outputs are complete and newer

    // Not an option: the threads each model's engine may use, which a batch of several jobs sets
    // so that all of them together keep near the cores. 0 leaves it to the engine.
    int engineThreads = 0;
};

struct ParsedArguments
{
    CliOptions options;
    QString error; // one line; empty when the arguments are usable
};

// The arguments after the program name.
ParsedArguments ParseArguments(const QStringList &arguments);

QString HelpText();
