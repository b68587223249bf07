// lumeno3d-cli short of memory: under an address-space limit (RLIMIT_AS, set by the
// memory_limited helper) reading and reducing end with "not enough memory" and their exit
// status, never with a crash, a damaged file or a level that "leaves no triangle".
#include "ProgramRun.h"
#include "TestSupport.h"

#include "io/read/FormatReading.h"
#include "io/read/ModelReader.h"
#include "io/write/ModelWriter.h"

#include <vector>

// Address- and ThreadSanitizer reserve terabytes of address space: no limit can be set under them.
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define LUMENO_SANITIZER_RESERVES_MEMORY 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer)
#define LUMENO_SANITIZER_RESERVES_MEMORY 1
#endif
#endif

namespace {

using testing::CliRun;

// Ended with -1 if by a signal (a crash, an abort).
CliRun RunLimited(int megabytes, const QStringList &arguments)
{
    return testing::RunProgram(QStringLiteral(LUMENO_MEMORY_LIMITED),
                               QStringList{QString::number(megabytes), QStringLiteral(LUMENO_CLI)} + arguments);
}

// The smallest limit in (failing, working] that works, to 4 MB; -1 if `working` fails.
int SmallestWorkingLimit(int failing, int working, const QStringList &arguments)
{
    if (RunLimited(working, arguments).status != 0)
        return -1;
    while (working - failing > 4) {
        const int middle = failing + (working - failing) / 2;
        (RunLimited(middle, arguments).status == 0 ? working : failing) = middle;
    }
    return working;
}

struct Attempt { int limit = 0; CliRun run; };

// Limits 1, 2, 4 ... MB above `base` until one works, then four between it and the last failure.
std::vector<Attempt> RunsUpTo(int base, const QStringList &arguments)
{
    std::vector<Attempt> attempts;
    int failed = base;
    for (int more = 1; more <= 4096; more *= 2) {
        attempts.push_back({base + more, RunLimited(base + more, arguments)});
        if (attempts.back().run.status == 0)
            break;
        failed = base + more;
    }
    const int succeeded = attempts.back().limit;
    for (int part = 1; part < 5 && succeeded - failed > 5; ++part) {
        const int limit = failed + (succeeded - failed) * part / 5;
        attempts.push_back({limit, RunLimited(limit, arguments)});
    }
    return attempts;
}

QString Described(const Attempt &attempt)
{
    return QStringLiteral("%1 MB: exit %2: %3").arg(attempt.limit).arg(attempt.run.status).arg(QString::fromLocal8Bit(attempt.run.err));
}

// About 200 000 triangles in the format of the suffix, written once.
QString LargeModel(const QString &suffix)
{
    const QString path = testing::ScratchFile(QStringLiteral("large.") + suffix);
    if (!QFileInfo::exists(path) && !lumeno::WriteModelFile(testing::Sphere(320, 314), path, suffix).written)
        return {};
    return path;
}

bool SaysReadingMemory(const QByteArray &err)
{
    return err.toLower().contains("not enough memory for reading");
}

// What no failure for want of memory may say.
bool MisnamesMemory(const QByteArray &err)
{
    return err.contains("corrupt") || err.contains("leaves no triangle") || err.contains("could not be") ||
           err.contains("terminate");
}

} // namespace

class TestMemoryLimits : public QObject
{
    Q_OBJECT

    // The least the tool needs to start and read a tiny file, and to read the large PLY file.
    int startLimit = 0;
    int readLimit = 0;

private slots:
    void initTestCase()
    {
#ifdef LUMENO_SANITIZER_RESERVES_MEMORY
        QSKIP("the sanitizer reserves more address space than any limit allows");
#endif
        startLimit = SmallestWorkingLimit(
            8, 2048, {QStringLiteral("info"), testing::DataFile(QStringLiteral("tetra_ascii.ply"))});
        QVERIFY2(startLimit > 0, "lumeno3d-cli info fails under 2 GB of address space");
        const QString file = LargeModel(QStringLiteral("ply"));
        QVERIFY(!file.isEmpty());
        readLimit = SmallestWorkingLimit(startLimit, startLimit + 1024, {QStringLiteral("info"), file});
        QVERIFY(readLimit > 0);
    }

    // Every reader, under limits from the one the tool starts with up to the one it reads the
    // file under: the file is read or not for want of memory (exit 2), never called damaged.
    void readingShortOfMemory_data()
    {
        QTest::addColumn<QString>("suffix");
        for (const char *suffix : {"stl", "ply", "obj", "off", "glb", "gltf", "3mf"})
            QTest::newRow(suffix) << QString::fromLatin1(suffix);
    }

    void readingShortOfMemory()
    {
        QFETCH(QString, suffix);
        const QString file = LargeModel(suffix);
        QVERIFY(!file.isEmpty());
        const std::vector<Attempt> attempts = RunsUpTo(startLimit, {QStringLiteral("info"), file});
        QVERIFY2(attempts.front().run.status == 2 && SaysReadingMemory(attempts.front().run.err),
                 qPrintable(Described(attempts.front())));
        bool read = false;
        for (const Attempt &attempt : attempts) {
            const CliRun &run = attempt.run;
            QVERIFY2(run.status >= 0 && !MisnamesMemory(run.err), qPrintable(Described(attempt)));
            // Once read, what info tells of the model (its levels' sizes) may run short too.
            QVERIFY2(run.status == 0 || (run.status == 2 && SaysReadingMemory(run.err)) ||
                         (run.status == 3 && run.err.contains("not enough memory")),
                     qPrintable(Described(attempt)));
            read = read || run.status == 0;
        }
        QVERIFY(read);
    }

    // Under limits from the one the file is read under up to the one the command succeeds
    // under: exit 3 and "not enough memory", and the levels written before stay whole.
    void reducingShortOfMemory_data()
    {
        QTest::addColumn<QStringList>("arguments");
        for (const char *engine : {"quality", "classic"}) {
            const QString name = QString::fromLatin1(engine);
            QTest::addRow("levels, %s", engine)
                << QStringList{"levels", "--engine", name, "-d", testing::SandboxPath() + "/levels-" + name};
            QTest::addRow("reduce and smooth, %s", engine)
                << QStringList{"reduce", "--engine", name, "--keep", "50", "--smooth", "-o",
                               testing::SandboxPath() + "/reduced-" + name + ".ply"};
        }
    }

    void reducingShortOfMemory()
    {
        QFETCH(QStringList, arguments);
        arguments << LargeModel(QStringLiteral("ply"));
        const std::vector<Attempt> attempts = RunsUpTo(readLimit, arguments);
        int shortOfMemory = 0;
        bool succeeded = false;
        for (const Attempt &attempt : attempts) {
            const CliRun &run = attempt.run;
            QVERIFY2(run.status >= 0 && !MisnamesMemory(run.err), qPrintable(Described(attempt)));
            QVERIFY2(run.status == 0 || (run.status == 2 && SaysReadingMemory(run.err)) ||
                         (run.status == 3 && run.err.contains("there is not enough memory for")),
                     qPrintable(Described(attempt)));
            shortOfMemory += run.status == 3 ? 1 : 0;
            succeeded = succeeded || run.status == 0;
        }
        QVERIFY(shortOfMemory > 0 && succeeded);
        // What was written under a limit is whole: every level file there reads.
        if (arguments.first() == QLatin1String("levels"))
            for (const QFileInfo &level : QDir(arguments[4]).entryInfoList(QDir::Files))
                QVERIFY2(lumeno::ReadModel(level.filePath(), level.suffix()).model, qPrintable(level.fileName()));
    }

    // A fixed bound of a reader is named by its size, not blamed on the memory left.
    void fixedBoundsNameTheirSize()
    {
        lumeno::ReadResult tooLarge;
        tooLarge.failure = lumeno::ReadFailure::TooLarge;
        tooLarge.detail = lumeno::ByteSizeText((quint64(1) << 31) - 1);
        QCOMPARE(lumeno::ReadFailureText(tooLarge),
                 QStringLiteral("This file is larger than the %1 Lumeno3D reads.").arg(tooLarge.detail));
    }
};

LUMENO_CORE_TEST_MAIN(TestMemoryLimits)
#include "test_memory_limits.moc"
