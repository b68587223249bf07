// lumeno3d-cli short of memory: under an address-space limit (RLIMIT_AS, set by the
// memory_limited helper) reading and reducing end with "not enough memory" and their exit
// status, never with a crash, a damaged file or a level that "leaves no triangle".
#include "TestSupport.h"

#include "io/FormatReading.h"
#include "io/ModelReader.h"
#include "io/ModelWriter.h"

#include <QProcess>

#include <vector>

// AddressSanitizer reserves terabytes of address space: no limit can be set under it.
#if defined(__SANITIZE_ADDRESS__)
#define LUMENO_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define LUMENO_ADDRESS_SANITIZER 1
#endif
#endif

namespace {

struct LimitedRun
{
    bool ended = false; // by itself, not by a signal (a crash, an abort)
    int status = -1;
    QString err;
};

LimitedRun RunLimited(int megabytes, const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral(LUMENO_MEMORY_LIMITED),
                  QStringList{QString::number(megabytes), QStringLiteral(LUMENO_CLI)} + arguments);
    if (!process.waitForFinished(300000))
        return {};
    return {process.exitStatus() == QProcess::NormalExit, process.exitCode(),
            QString::fromLocal8Bit(process.readAllStandardError())};
}

// The smallest limit in (failing, working] under which the command succeeds, by bisection;
// -1 when it fails even under `working`.
int SmallestWorkingLimit(int failing, int working, const QStringList &arguments)
{
    if (RunLimited(working, arguments).status != 0)
        return -1;
    while (working - failing > 1) {
        const int middle = failing + (working - failing) / 2;
        (RunLimited(middle, arguments).status == 0 ? working : failing) = middle;
    }
    return working;
}

// About 300 000 triangles, in the format of the suffix, written once.
QString LargeModel(const QString &suffix)
{
    const QString path = testing::ScratchFile(QStringLiteral("large.") + suffix);
    if (!QFileInfo::exists(path) && !lumeno::WriteModelFile(testing::Sphere(400, 377), path, suffix).written)
        return {};
    return path;
}

const QString ReadingMemory = QStringLiteral("There is not enough memory for reading this file");

// What no failure for want of memory may say.
bool MisnamesMemory(const QString &err)
{
    return err.contains(QLatin1String("corrupt")) || err.contains(QLatin1String("leaves no triangle")) ||
           err.contains(QLatin1String("could not be")) || err.contains(QLatin1String("terminate"));
}

} // namespace

class TestMemoryLimits : public QObject
{
    Q_OBJECT

    // The least the tool needs to start and read a tiny file.
    int startLimit = 0;

private slots:
    void initTestCase()
    {
#ifdef LUMENO_ADDRESS_SANITIZER
        QSKIP("AddressSanitizer reserves more address space than any limit allows");
#endif
        startLimit = SmallestWorkingLimit(
            8, 4096, {QStringLiteral("info"), testing::DataFile(QStringLiteral("tetra_ascii.ply"))});
        QVERIFY2(startLimit > 0, "lumeno3d-cli info fails under 4 GB of address space");
    }

    // Every reader: from the start's limit up to what reading needs, the file is either read
    // or not for want of memory (exit 2), which the first limit must give.
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
        const QStringList arguments{QStringLiteral("info"), file};
        const int readLimit = SmallestWorkingLimit(startLimit + 1, startLimit + 4096, arguments);
        QVERIFY2(readLimit > startLimit + 1, "the file is read under the least limit the tool starts with");
        constexpr int Steps = 10;
        for (int step = 0; step < Steps; ++step) {
            const int limit = startLimit + 1 + (readLimit - startLimit - 1) * step / Steps;
            const LimitedRun run = RunLimited(limit, arguments);
            const QString where = QStringLiteral("%1 MB: exit %2: %3").arg(limit).arg(run.status).arg(run.err);
            QVERIFY2(run.ended, qPrintable(where));
            QVERIFY2(!MisnamesMemory(run.err), qPrintable(where));
            if (step == 0)
                QVERIFY2(run.status == 2 && run.err.contains(ReadingMemory), qPrintable(where));
            else if (run.status == 2)
                QVERIFY2(run.err.contains(ReadingMemory), qPrintable(where));
            else // what info tells of the model once it is read
                QVERIFY2(run.status == 0 || (run.status == 3 && run.err.contains(QLatin1String("not enough memory"))),
                         qPrintable(where));
        }
    }

    // From what reading needs up to what the command needs: exit 3, "not enough memory", and
    // the levels written before stay whole.
    void reducingShortOfMemory_data()
    {
        QTest::addColumn<QStringList>("arguments");
        for (const char *engine : {"quality", "classic"}) {
            const QString name = QString::fromLatin1(engine);
            QTest::addRow("levels, %s", engine)
                << QStringList{QStringLiteral("levels"), QStringLiteral("--engine"), name, QStringLiteral("-d"),
                               testing::SandboxPath() + QStringLiteral("/levels-") + name};
            QTest::addRow("reduce and smooth, %s", engine)
                << QStringList{QStringLiteral("reduce"), QStringLiteral("--engine"), name,
                               QStringLiteral("--keep"), QStringLiteral("50"), QStringLiteral("--smooth"),
                               QStringLiteral("-o"), testing::SandboxPath() + QStringLiteral("/reduced-") + name +
                                                         QStringLiteral(".ply")};
        }
    }

    void reducingShortOfMemory()
    {
        QFETCH(QStringList, arguments);
        const QString file = LargeModel(QStringLiteral("ply"));
        QVERIFY(!file.isEmpty());
        arguments << file;
        const int readLimit = SmallestWorkingLimit(startLimit + 1, startLimit + 4096, {QStringLiteral("info"), file});
        const int workLimit = SmallestWorkingLimit(readLimit, readLimit + 4096, arguments);
        QVERIFY2(readLimit > 0 && workLimit > readLimit, "the command succeeds under every limit that reading does");
        constexpr int Steps = 12;
        int shortOfMemory = 0;
        for (int step = 0; step < Steps; ++step) {
            const int limit = readLimit + (workLimit - readLimit) * step / Steps;
            const LimitedRun run = RunLimited(limit, arguments);
            const QString where = QStringLiteral("%1 MB: exit %2: %3").arg(limit).arg(run.status).arg(run.err);
            QVERIFY2(run.ended, qPrintable(where));
            QVERIFY2(!MisnamesMemory(run.err), qPrintable(where));
            QVERIFY2(run.status == 0 || run.status == 3 || (run.status == 2 && run.err.contains(ReadingMemory)),
                     qPrintable(where));
            if (run.status == 3) {
                QVERIFY2(run.err.contains(QLatin1String("there is not enough memory for")), qPrintable(where));
                ++shortOfMemory;
            }
        }
        QVERIFY(shortOfMemory > 0);
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
        QVERIFY(tooLarge.detail.contains(QLatin1String("2.1")));
    }
};

LUMENO_CORE_TEST_MAIN(TestMemoryLimits)
#include "test_memory_limits.moc"
