#pragma once
// lumeno3d-cli, the tools of its recipes and other programs, run as a script runs them.

#include "FileSizeLimit.h"

#include <QProcess>
#include <QString>
#include <QTest>

#include <optional>

namespace testing {

struct CliRun
{
    int status = -1; // also when it did not start, did not end in time or ended by a signal (a crash)
    QByteArray out;
    QByteArray err;
};

// For the recipes' shells and tools: a sanitizer preloaded into them would fail them for their own leaks.
inline QProcessEnvironment ToolEnvironment()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("LD_PRELOAD"));
    if (environment.contains(QStringLiteral("ASAN_OPTIONS")))
        environment.insert(QStringLiteral("ASAN_OPTIONS"),
                           environment.value(QStringLiteral("ASAN_OPTIONS")) + QStringLiteral(":detect_leaks=0"));
    return environment;
}

// The program given `input`; no file it writes grows beyond `sizeLimit` bytes, if given (a full disk).
inline CliRun RunProgram(const QString &program, const QStringList &arguments, const QByteArray &input = {},
                         const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment(),
                         rlim_t sizeLimit = 0)
{
    std::optional<FileSizeLimit> limit;
    if (sizeLimit > 0 && !limit.emplace(sizeLimit).IsActive())
        return {};
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForStarted(30000))
        return {};
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(300000) || process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

#ifdef LUMENO_CLI
inline CliRun RunCli(const QStringList &arguments, rlim_t sizeLimit = 0)
{
    return RunProgram(QStringLiteral(LUMENO_CLI), arguments, {}, QProcessEnvironment::systemEnvironment(), sizeLimit);
}
#endif

} // namespace testing

// A run that failed shows what the tool said.
#define VERIFY_SUCCEEDED(cliRun)                                                                                      \
    do {                                                                                                              \
        const testing::CliRun &checkedRun = (cliRun);                                                                 \
        QVERIFY2(checkedRun.status == 0, qPrintable(QStringLiteral("status %1: %2")                                   \
                                                        .arg(checkedRun.status)                                       \
                                                        .arg(QString::fromLocal8Bit(checkedRun.err))));               \
    } while (false)
