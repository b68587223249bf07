// lumeno3d-cli: the window's reductions for scripts and build pipelines.
#include "CliOptions.h"
#include "Commands.h"
#include "Progress.h"

#include "Version.h"
#include "io/FilePaths.h"
#include "io/VtkMessageLog.h"

#include <QCoreApplication>
#include <QJsonDocument>

#include <cstdio>

namespace {

void Print(FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
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
    CommandOutcome outcome;
    switch (options.command) {
    case CliCommand::Info:
        outcome = RunInfo(options, progress);
        break;
    case CliCommand::Levels:
        outcome = RunLevels(options, progress);
        break;
    case CliCommand::Reduce:
        outcome = RunReduce(options, progress);
        break;
    case CliCommand::None:
        break;
    }
    progress.Clear();

    if (outcome.status != ExitSuccess) {
        Print(stderr, QStringLiteral("lumeno3d-cli: %1\n").arg(lumeno::EscapeControlCharacters(outcome.failure)));
        return outcome.status;
    }
    for (const QString &warning : outcome.warnings)
        Print(stderr, QStringLiteral("lumeno3d-cli: %1\n").arg(lumeno::EscapeControlCharacters(warning)));
    if (options.json) {
        const QByteArray json = QJsonDocument(outcome.report).toJson(QJsonDocument::Indented);
        std::fwrite(json.constData(), 1, static_cast<size_t>(json.size()), stdout);
    } else
        Print(stdout, outcome.summary);
    return ExitSuccess;
}
