#include "SkipExisting.h"

#include "CliOptions.h"
#include "OutputFiles.h"

#include "io/FilePaths.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QTextStream>

namespace {

bool IsNewerThan(const QFileInfo &output, const QFileInfo &input)
{
    return output.isFile() && output.lastModified() > input.lastModified();
}

} // namespace

std::optional<CommandOutcome> SkippedOutcome(const CliOptions &options, const QString &input)
{
    const QFileInfo inputFile(input);
    if (!inputFile.isFile())
        return std::nullopt; // its reading tells what is wrong
    const QStringList outputs = OutputFilesOf(options, input);
    QJsonArray outputsJson;
    for (const QString &output : outputs) {
        const QFileInfo outputFile(output);
        if (!IsNewerThan(outputFile, inputFile))
            return std::nullopt;
        outputsJson.append(QJsonObject{{QStringLiteral("file"), output}, {QStringLiteral("fileSize"), outputFile.size()}});
    }
    if (outputs.isEmpty())
        return std::nullopt;

    CommandOutcome outcome;
    outcome.report = {
        {QStringLiteral("input"), QJsonObject{{QStringLiteral("file"), input}, {QStringLiteral("fileSize"), inputFile.size()}}},
        {QStringLiteral("skipped"), true},
        {QStringLiteral("outputs"), outputsJson},
    };
    const QString written =
        options.command == CliCommand::Levels && !options.outputFolder.isEmpty() ? LevelFilesPattern(options, input)
                                                                                 : outputs.first();
    QTextStream(&outcome.summary) << QStringLiteral("%1: skipped, %2 newer than it: %3\n")
                                         .arg(lumeno::DisplayPath(input),
                                              outputs.size() > 1 ? QStringLiteral("its outputs are")
                                                                 : QStringLiteral("its output is"),
                                              lumeno::DisplayPath(written));
    return outcome;
}
