// lumeno3d-cli: the window's reductions for scripts and build pipelines.
#include "BatchJobs.h"
#include "BatchRun.h"
#include "CliOptions.h"
#include "CliSupport.h"
#include "Commands.h"
#include "OutputFiles.h"
#include "Progress.h"
#include "SkipExisting.h"

#include "Version.h"
#include "io/FilePaths.h"
#include "io/read/VtkMessageLog.h"

#include <QCoreApplication>
#include <QJsonDocument>

#include <vtkObjectFactory.h>

#include <algorithm>
#include <cstdio>
#include <exception>
#include <optional>

namespace {

// The layout of the --json reports; a change or removal of a key makes it 2.
constexpr int JsonSchema = 1;

void Print(FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

CommandOutcome RunCommand(const CliOptions &options, const QString &input, Progress &progress)
{
    if (options.skipExisting)
        if (std::optional<CommandOutcome> skipped = SkippedOutcome(options, input))
            return *skipped;
    switch (options.command) {
    case CliCommand::Info:
        return RunInfo(options, input, progress);
    case CliCommand::Levels:
        return RunLevels(options, input, progress);
    case CliCommand::Reduce:
        return RunReduce(options, input, progress);
    case CliCommand::None:
        break;
    }
    return {};
}

// The command, or the memory it ran short of once the file was read (reading tells that itself,
// with the unreadable input's status).
CommandOutcome Run(const CliOptions &options, const QString &input, Progress &progress)
{
    try {
        return RunCommand(options, input, progress);
    } catch (const std::exception &) {
        // std::bad_alloc, or a thread the system could not start (std::system_error).
        const QString work = options.command == CliCommand::Levels ? QStringLiteral("making the levels of %1")
                             : options.command == CliCommand::Reduce ? QStringLiteral("reducing %1")
                                                                     : QStringLiteral("reading %1");
        // info's one product is the reading.
        return {options.command == CliCommand::Info ? ExitUnreadableInput : ExitOutputNotWritten,
                NotEnoughMemoryText(work.arg(input)), {}, {}};
    }
}

QString CommandName(CliCommand command)
{
    switch (command) {
    case CliCommand::Info:
        return QStringLiteral("info");
    case CliCommand::Levels:
        return QStringLiteral("levels");
    case CliCommand::Reduce:
        return QStringLiteral("reduce");
    case CliCommand::None:
        break;
    }
    return {};
}

// One line of JSON Lines: the keys of every report, then the command's own (see lumeno3d-cli(1)).
void PrintJsonLine(CliCommand command, const CommandOutcome &outcome)
{
    QJsonObject report = outcome.report;
    report.insert(QStringLiteral("schema"), JsonSchema);
    report.insert(QStringLiteral("command"), CommandName(command));
    report.insert(QStringLiteral("status"), outcome.status);
    if (outcome.status != ExitSuccess)
        report.insert(QStringLiteral("error"), outcome.failure);
    const QByteArray json = QJsonDocument(report).toJson(QJsonDocument::Compact) + '\n';
    std::fwrite(json.constData(), 1, static_cast<size_t>(json.size()), stdout);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Orvane"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("lumeno3d.org"));
    QCoreApplication::setApplicationName(QStringLiteral("lumeno3d-cli"));
    QCoreApplication::setApplicationVersion(lumeno::version::applicationVersion());
    // Every failure is one line of the tool's own on standard error.
    lumeno::SendVtkMessagesToLog(lumeno::DefaultVtkMessageLog());

    const ParsedArguments parsed = ParseArguments(app.arguments().mid(1));
    const CliOptions &options = parsed.options;
    if (!parsed.error.isEmpty()) {
        Print(stderr, QStringLiteral("lumeno3d-cli: %1 (see lumeno3d-cli --help)\n")
                          .arg(lumeno::EscapeControlCharacters(parsed.error)));
        return ExitUsage;
    }
    if (options.help) {
        Print(stdout, HelpText());
        return ExitSuccess;
    }
    if (options.version) {
        Print(stdout, QStringLiteral("lumeno3d-cli %1\n").arg(QCoreApplication::applicationVersion()));
        return ExitSuccess;
    }

    Progress progress(Progress::StyleForStandardError(options.quiet));
    const bool oneByOne = options.command == CliCommand::Info || OrderMatters(options);
    const int jobs = oneByOne ? 1 : JobsForBatch(options.inputs, options.jobs.value_or(0));
    const int cores = UsableCores();
    int worst = ExitSuccess;
    const auto work = [&](int model, int jobsAtOnce, Progress &modelProgress) {
        CliOptions jobOptions = options;
        jobOptions.engineThreads = EngineThreadsPerJob(cores, jobsAtOnce);
        return Run(jobOptions, options.inputs[model], modelProgress);
    };
    const auto take = [&](int, const CommandOutcome &outcome) {
        worst = std::max(worst, outcome.status);
        if (outcome.status != ExitSuccess)
            Print(stderr, QStringLiteral("lumeno3d-cli: %1\n").arg(lumeno::EscapeControlCharacters(outcome.failure)));
        else
            for (const QString &warning : outcome.warnings)
                Print(stderr, QStringLiteral("lumeno3d-cli: %1\n").arg(lumeno::EscapeControlCharacters(warning)));
        if (options.json)
            PrintJsonLine(options.command, outcome);
        else if (outcome.status == ExitSuccess)
            Print(stdout, outcome.summary);
    };
    // VTK makes its list of object factories on first use, unguarded: made here, before the jobs,
    // two jobs never make it at once.
    vtkObjectFactory::GetRegisteredFactories();
    RunBatch(int(options.inputs.size()), jobs, LargestFirst(options.inputs), progress, work, take);
    return worst;
}
