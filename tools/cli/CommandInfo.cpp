#include "Commands.h"
#include "ModelFiles.h"

#include "mesh/DecimationLevels.h"
#include "mesh/LevelSizes.h"

#include <QJsonArray>
#include <QTextStream>

CommandOutcome RunInfo(const CliOptions &options, Progress &progress)
{
    CommandOutcome outcome;
    const InputModel input = LoadInput(options.input, progress);
    if (!input.model)
        return {ExitUnreadableInput, input.failure, {}, {}};

    double bounds[6];
    input.model->GetBounds(bounds);
    const float modelSizeMB = lumeno::ModelSizeMB(input.fileSize);

    // The buttons in the window's order: 100 % (the file itself), then 90 % down to 10 %.
    QJsonArray levels;
    levels.append(QJsonObject{{QStringLiteral("percent"), 100},
                              {QStringLiteral("estimatedSize"), lumeno::LevelSizeLabel(modelSizeMB, 1.0)}});
    for (const lumeno::DecimationLevel &level : lumeno::DecimationCascade)
        levels.append(QJsonObject{{QStringLiteral("percent"), level.percent},
                                  {QStringLiteral("estimatedSize"),
                                   lumeno::LevelSizeLabel(modelSizeMB, level.sizeFraction)}});

    QJsonObject report = Counts(input.model);
    report.insert(QStringLiteral("command"), QStringLiteral("info"));
    report.insert(QStringLiteral("file"), options.input);
    report.insert(QStringLiteral("fileSize"), input.fileSize);
    report.insert(QStringLiteral("bounds"), QJsonArray{bounds[0], bounds[1], bounds[2], bounds[3], bounds[4], bounds[5]});
    report.insert(QStringLiteral("loadSeconds"), input.loadSeconds);
    report.insert(QStringLiteral("duplicateTrianglesRemoved"), input.removedDuplicates);
    report.insert(QStringLiteral("levels"), levels);
    outcome.report = report;

    QTextStream text(&outcome.summary);
    text << "File:       " << options.input << " (" << input.fileSize << " bytes)\n"
         << "Triangles:  " << input.model->GetNumberOfPolys() << "\n"
         << "Vertices:   " << input.model->GetNumberOfPoints() << "\n";
    if (input.removedDuplicates > 0)
        text << "Removed:    " << input.removedDuplicates << " duplicate triangles\n";
    text << QStringLiteral("Bounds:     x %1 .. %2, y %3 .. %4, z %5 .. %6\n")
                .arg(bounds[0]).arg(bounds[1]).arg(bounds[2]).arg(bounds[3]).arg(bounds[4]).arg(bounds[5])
         << "Estimated size of each level:\n";
    for (const QJsonValue &level : levels)
        text << QStringLiteral("  %1%  %2\n")
                    .arg(level[QLatin1String("percent")].toInt(), 3)
                    .arg(level[QLatin1String("estimatedSize")].toString());
    return outcome;
}
