#pragma once

#include "CliOptions.h"

#include <QJsonObject>
#include <QString>
#include <QStringList>

class Progress;

enum ExitStatus { ExitSuccess = 0, ExitUsage = 1, ExitUnreadableInput = 2, ExitOutputNotWritten = 3 };

struct CommandOutcome
{
    int status = ExitSuccess;
    QString failure;    // one line naming the file, when status is not ExitSuccess
    QJsonObject report; // the results, for --json; also what was done of a failed input
    QString summary;    // the results, for people
    QStringList warnings{}; // when it succeeds: one line each on standard error
};

// Each command does one of the options' inputs. Its report holds the command's own keys; the
// caller adds those every report has ("schema", "command", "status").
CommandOutcome RunInfo(const CliOptions &options, const QString &input, Progress &progress);
CommandOutcome RunLevels(const CliOptions &options, const QString &input, Progress &progress);
CommandOutcome RunReduce(const CliOptions &options, const QString &input, Progress &progress);
