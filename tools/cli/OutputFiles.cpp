#include "OutputFiles.h"

#include "CliOptions.h"

#include "reduce/DecimationLevels.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

namespace {

QString LevelSuffix(const CliOptions &options, const QString &input)
{
    return options.format.isEmpty() ? QFileInfo(input).suffix().toLower() : options.format;
}

} // namespace

QString LevelFileOf(const CliOptions &options, const QString &input, int percent)
{
    return QDir(options.outputFolder)
        .filePath(QStringLiteral("%1_%2.%3").arg(QFileInfo(input).completeBaseName()).arg(percent).arg(LevelSuffix(options, input)));
}

QString LevelFilesPattern(const CliOptions &options, const QString &input)
{
    return QDir(options.outputFolder)
        .filePath(QStringLiteral("%1_*.%2").arg(QFileInfo(input).completeBaseName(), LevelSuffix(options, input)));
}

QString ReducedFileOf(const CliOptions &options, const QString &input)
{
    if (!options.output.isEmpty())
        return options.output;
    const QFileInfo file(input);
    const QString suffix = options.format.isEmpty() ? file.suffix() : options.format;
    return QDir(options.outputFolder).filePath(file.completeBaseName() + QLatin1Char('.') + suffix);
}

QStringList OutputFilesOf(const CliOptions &options, const QString &input)
{
    if (options.command == CliCommand::Reduce)
        return {ReducedFileOf(options, input)};
    QStringList files;
    if (options.command != CliCommand::Levels)
        return files;
    if (!options.outputFolder.isEmpty())
        for (const lumeno::DecimationLevel &level : lumeno::DecimationLevels)
            files << LevelFileOf(options, input, level.percent);
    if (!options.lodGlb.isEmpty())
        files << options.lodGlb;
    return files;
}

bool OrderMatters(const CliOptions &options)
{
    const auto named = [](const QString &path) { return QDir::cleanPath(QFileInfo(path).absoluteFilePath()); };
    QSet<QString> inputs;
    for (const QString &input : options.inputs)
        inputs.insert(named(input));
    QSet<QString> outputs;
    for (const QString &input : options.inputs)
        for (const QString &output : OutputFilesOf(options, input)) {
            const QString file = named(output);
            if (inputs.contains(file) || outputs.contains(file))
                return true;
            outputs.insert(file);
        }
    return false;
}
