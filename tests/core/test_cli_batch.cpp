// lumeno3d-cli on batches: several jobs give what one gives, byte for byte; a killed batch resumes;
// the recipes that spread a folder over workers and the merge of their reports.
#include "BatchJobs.h"
#include "GltfFiles.h"
#include "ProgramRun.h"
#include "TestSupport.h"

#include "io/read/ModelReader.h"
#include "io/write/ModelWriter.h"
#include "reduce/DecimationLevels.h"

#include <QDateTime>
#include <QDirIterator>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>

#include <vtkCellData.h>

#include <algorithm>
#include <set>

namespace {

using testing::CliRun;
using testing::RunCli;
using testing::RunProgram;
using testing::ToolEnvironment;

QString Folder(const QString &name) { return testing::SandboxFolder(QStringLiteral("batch/") + name, true); }

// Every file below the folder (hidden ones too: a temporary file left behind), by its path in it.
QMap<QString, QByteArray> FilesIn(const QString &folder)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.insert(QDir(folder).relativeFilePath(path), testing::Contents(path));
    }
    return files;
}

// The report's lines without their times, the output folder named alike.
QList<QJsonObject> ReportWithoutTimes(const QByteArray &out, const QString &folder)
{
    QList<QJsonObject> lines;
    for (const QByteArray &text : out.trimmed().split('\n')) {
        QJsonObject line = QJsonDocument::fromJson(QByteArray(text).replace(folder.toUtf8(), "OUT")).object();
        line.remove(QStringLiteral("seconds"));
        QJsonArray outputs;
        for (const QJsonValue output : line[QLatin1String("outputs")].toArray()) {
            QJsonObject written = output.toObject();
            written.remove(QStringLiteral("seconds"));
            outputs.append(written);
        }
        line[QStringLiteral("outputs")] = outputs;
        lines << line;
    }
    return lines;
}

// An OBJ of the sphere with one material and its texture beside it, for the writers of looks.
bool WriteLookedSphere(const QString &path)
{
    const vtkSmartPointer<vtkPolyData> sphere = testing::WithAttributes(testing::Sphere(48, 32));
    sphere->GetCellData()->AddArray(
        testing::IntArray(lumeno::MaterialIdsName, std::vector<int>(size_t(sphere->GetNumberOfCells()), 0)));
    auto look = std::make_shared<lumeno::ModelLook>();
    lumeno::Material wood;
    wood.name = QStringLiteral("Wood");
    wood.baseColour = {0.8, 0.6, 0.4, 1};
    wood.baseColourTexture.image = 0;
    look->materials = {wood};
    look->images = {{QStringLiteral("wood.png"), QStringLiteral("image/png"), testing::RedPng, QString()}};
    return lumeno::WriteModelFile(sphere, path, QStringLiteral("obj"), {look}).written;
}

const QString Packaging = QStringLiteral(LUMENO_SOURCE_DIR "/packaging/batch");

} // namespace

class TestCliBatch : public QObject
{
    Q_OBJECT

    QString modelFolder; // a sphere of five thousand triangles, one with a look, one of sixty thousand
    QStringList inputs;

private slots:
    void initTestCase()
    {
        modelFolder = Folder(QStringLiteral("models"));
        inputs = QStringList{modelFolder + QStringLiteral("/sphere.stl"), modelFolder + QStringLiteral("/looked.obj"),
                             modelFolder + QStringLiteral("/large.ply")};
        QVERIFY(testing::WriteModel(testing::Sphere(80, 32), inputs[0]));
        QVERIFY(WriteLookedSphere(inputs[1]));
        // Past the size from which the quality engine sets up on two threads: a batch's jobs hold it to one.
        QVERIFY(testing::WriteModel(testing::WithAttributes(testing::Sphere(250, 122)), inputs[2]));
    }

    // As many jobs as cores, as far as the memory holds each model, as models, and one at least.
    void jobsFitTheCoresAndTheMemory_data()
    {
        QTest::addColumn<int>("cores");
        QTest::addColumn<qint64>("available");
        QTest::addColumn<qint64>("needed");
        QTest::addColumn<int>("models");
        QTest::addColumn<int>("jobs");
        constexpr qint64 GB = qint64(1) << 30;
        QTest::newRow("the cores") << 8 << 64 * GB << 2 * GB << 100 << 8;
        QTest::newRow("the memory") << 8 << 10 * GB << 3 * GB << 100 << 3;
        QTest::newRow("the models") << 8 << 64 * GB << GB << 2 << 2;
        QTest::newRow("one that does not fit") << 8 << GB << 5 * GB << 100 << 1;
        QTest::newRow("memory not known") << 4 << qint64(-1) << GB << 100 << 4;
        QTest::newRow("no model") << 4 << GB << GB << 0 << 1;
    }

    void jobsFitTheCoresAndTheMemory()
    {
        QFETCH(int, cores);
        QFETCH(qint64, available);
        QFETCH(qint64, needed);
        QFETCH(int, models);
        QFETCH(int, jobs);
        QCOMPARE(JobsThatFit(cores, available, needed, models), jobs);
        // Together the engines keep near the cores.
        QVERIFY(jobs == 1 || jobs * EngineThreadsPerJob(cores, jobs) <= std::max(cores, jobs));
    }

    // Two jobs, a while later, give the files and the report (but for its times) of one job.
    void severalJobsGiveTheFilesOfOne_data()
    {
        QTest::addColumn<QString>("format");
        for (const char *format : {"stl", "ply", "obj", "glb", "gltf", "3mf", "off"})
            QTest::newRow(format) << QString::fromLatin1(format);
    }

    void severalJobsGiveTheFilesOfOne()
    {
        QFETCH(QString, format);
        const QString one = Folder(QStringLiteral("jobs/one-") + format);
        const QString two = Folder(QStringLiteral("jobs/two-") + format);
        const QStringList levels{"levels", "--format", format, "--json", "-q"};
        const CliRun alone = RunCli(levels + QStringList{"--jobs", "1", "-d", one} + inputs);
        VERIFY_SUCCEEDED(alone);
        // Past the two seconds a ZIP entry's time counts in.
        QTest::qSleep(2100);
        const CliRun together = RunCli(levels + QStringList{"--jobs", "2", "-d", two} + inputs);
        VERIFY_SUCCEEDED(together);
        QCOMPARE(QString::fromLocal8Bit(together.err).replace(two, QStringLiteral("OUT")),
                 QString::fromLocal8Bit(alone.err).replace(one, QStringLiteral("OUT")));
        QCOMPARE(ReportWithoutTimes(together.out, two), ReportWithoutTimes(alone.out, one));
        const QMap<QString, QByteArray> written = FilesIn(one);
        QVERIFY(written.size() >= lumeno::LevelCount * inputs.size());
        QCOMPARE(FilesIn(two).keys(), written.keys());
        for (auto file = written.begin(); file != written.end(); ++file)
            QVERIFY2(testing::Contents(two + QLatin1Char('/') + file.key()) == file.value(), qPrintable(file.key()));
    }

    // Models whose outputs and inputs meet are done one after the other, whatever the jobs.
    void modelsThatMeetAreDoneInTurn_data()
    {
        QTest::addColumn<QStringList>("names"); // the inputs, in the folder
        QTest::addColumn<QList<int>>("statuses");
        QTest::newRow("an output is the next input") << QStringList{"sphere.stl", "sphere.obj"} << QList<int>{0, 3};
        QTest::newRow("two write one file") << QStringList{"sphere.stl", "other/sphere.stl"} << QList<int>{0, 0};
    }

    void modelsThatMeetAreDoneInTurn()
    {
        QFETCH(QStringList, names);
        QFETCH(QList<int>, statuses);
        const QString folder = Folder(QStringLiteral("meet"));
        QDir().mkpath(folder + QStringLiteral("/other"));
        QVERIFY(QFile::copy(inputs[0], folder + QStringLiteral("/sphere.stl")));
        QVERIFY(testing::WriteModel(testing::Sphere(20, 20), folder + QStringLiteral("/other/sphere.stl")));
        QStringList paths;
        for (const QString &name : names)
            paths << folder + QLatin1Char('/') + name;
        const CliRun run = RunCli(QStringList{"reduce", "--keep", "50", "--format", "obj", "--jobs", "2", "--json",
                                              "-q", "-d", folder} + paths);
        const QList<QByteArray> lines = run.out.trimmed().split('\n');
        QCOMPARE(lines.size(), statuses.size());
        for (int i = 0; i < lines.size(); ++i)
            QCOMPARE(QJsonDocument::fromJson(lines[i])[QLatin1String("status")].toInt(), statuses[i]);
        // The last model's result is the one left.
        const QJsonValue last = QJsonDocument::fromJson(lines.last())[QLatin1String("outputs")][0];
        if (statuses.last() == 0)
            QCOMPARE(last[QLatin1String("fileSize")].toDouble(), double(QFileInfo(folder + "/sphere.obj").size()));
    }

    // Two models at once whose different textures bear one name: neither takes the other's image.
    void texturesOfOneNameKeepApart()
    {
        const QString folder = Folder(QStringLiteral("textures"));
        const QString out = folder + QStringLiteral("/out");
        QStringList looked;
        for (const char *name : {"first", "second"}) {
            QDir().mkpath(folder + QLatin1Char('/') + QLatin1String(name));
            looked << folder + QStringLiteral("/%1/%1.obj").arg(QLatin1String(name));
            QVERIFY(WriteLookedSphere(looked.last()));
            QVERIFY(testing::WriteBytes(folder + QStringLiteral("/%1/wood.png").arg(QLatin1String(name)),
                                        QByteArray("\x89PNG\r\n\x1a\n") + name));
        }
        const CliRun run = RunCli(QStringList{"levels", "--jobs", "2", "--no-measure", "-q", "-d", out} + looked);
        QVERIFY2(run.status == 0, run.err.constData());
        for (const QString &model : looked) {
            const QString base = QFileInfo(model).completeBaseName();
            for (const lumeno::DecimationLevel &level : lumeno::DecimationLevels) {
                const QByteArray mtl = testing::Contents(QStringLiteral("%1/%2_%3.mtl").arg(out, base).arg(level.percent));
                const int at = mtl.indexOf("map_Kd ");
                QVERIFY2(at >= 0, mtl.constData());
                const QByteArray image = mtl.mid(at + 7, mtl.indexOf('\n', at) - at - 7).trimmed();
                QCOMPARE(testing::Contents(out + QLatin1Char('/') + QString::fromUtf8(image)),
                         testing::Contents(QFileInfo(model).path() + QStringLiteral("/wood.png")));
            }
        }
        QCOMPARE(QDir(out).entryList({"wood*.png"}, QDir::Files).size(), 2);
        QCOMPARE(QDir(out).entryList({".lumeno-*"}, QDir::Files | QDir::Hidden).size(), 0);
    }

    // Skipped: a model whose outputs are all there and newer; done again: a level missing or older, never begun.
    void skippingLeavesOnlyCompleteNewerOutputs_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addRow("levels") << QStringLiteral("levels");
        QTest::addRow("reduce") << QStringLiteral("reduce");
    }

    void skippingLeavesOnlyCompleteNewerOutputs()
    {
        QFETCH(QString, command);
        const QString folder = Folder(QStringLiteral("skip-") + command);
        const QString out = folder + QStringLiteral("/out");
        QStringList copies;
        for (const char *name : {"complete", "levelMissing", "levelOlder", "notBegun"}) {
            copies << folder + QStringLiteral("/%1.stl").arg(QLatin1String(name));
            QVERIFY(QFile::copy(inputs[0], copies.last()));
        }
        const QStringList arguments =
            QStringList{command, "--skip-existing", "--json", "-q", "-d", out} +
            (command == QLatin1String("reduce") ? QStringList{"--keep", "40"} : QStringList());
        VERIFY_SUCCEEDED(RunCli(arguments + copies.mid(0, 3)));
        const bool levels = command == QLatin1String("levels");
        const QString single = levels ? QStringLiteral("_50.stl") : QStringLiteral(".stl");
        QVERIFY(QFile::remove(out + QStringLiteral("/levelMissing") + single));
        const QDateTime before = QFileInfo(copies[2]).lastModified().addSecs(-60);
        QFile older(out + QStringLiteral("/levelOlder") + single);
        QVERIFY(older.open(QIODevice::ReadWrite) && older.setFileTime(before, QFileDevice::FileModificationTime));
        // A writer's file of its own, left by a batch killed while it wrote.
        QVERIFY(testing::WriteBytes(out + QStringLiteral("/.lumeno-cut.stl"), "solid"));
        const QDateTime completeTime = QFileInfo(out + QStringLiteral("/complete") + single).lastModified();

        const CliRun run = RunCli(arguments + copies);
        VERIFY_SUCCEEDED(run);
        const QList<QByteArray> lines = run.out.trimmed().split('\n');
        QCOMPARE(lines.size(), copies.size());
        for (int i = 0; i < lines.size(); ++i) {
            const QJsonObject line = QJsonDocument::fromJson(lines[i]).object();
            QCOMPARE(line[QLatin1String("input")][QLatin1String("file")].toString(), copies[i]);
            QCOMPARE(line[QLatin1String("skipped")].toBool(), i == 0);
            QCOMPARE(line[QLatin1String("status")].toInt(), 0);
            QCOMPARE(line[QLatin1String("outputs")].toArray().size(), levels ? lumeno::LevelCount : 1);
            for (const QJsonValue output : line[QLatin1String("outputs")].toArray()) {
                const QString file = output[QLatin1String("file")].toString();
                QCOMPARE(output[QLatin1String("fileSize")].toDouble(), double(QFileInfo(file).size()));
                QVERIFY2(QFileInfo(file).lastModified() > QFileInfo(copies[i]).lastModified(), qPrintable(file));
                QVERIFY(lumeno::ReadModel(file, QStringLiteral("stl")).model);
            }
        }
        QCOMPARE(QFileInfo(out + QStringLiteral("/complete") + single).lastModified(), completeTime);
    }

    // A batch killed half way, resumed, does only the models it had not finished; every output reads.
    void aKilledBatchResumes()
    {
        const QString folder = Folder(QStringLiteral("killed"));
        const QString out = folder + QStringLiteral("/out");
        QStringList copies;
        for (int i = 0; i < 8; ++i) {
            copies << folder + QStringLiteral("/model%1.ply").arg(i);
            QVERIFY(QFile::copy(inputs[2], copies.last()));
        }
        const QStringList arguments = QStringList{"levels", "--skip-existing", "--jobs", "2", "--json", "-q", "-d", out} + copies;
        QProcess batch;
        batch.start(QStringLiteral(LUMENO_CLI), arguments);
        std::set<int> finished;
        const auto finishedModels = [&] {
            finished.clear();
            for (int i = 0; i < copies.size(); ++i)
                if (std::all_of(lumeno::DecimationLevels.begin(), lumeno::DecimationLevels.end(), [&](const auto &level) {
                        return QFileInfo::exists(QStringLiteral("%1/model%2_%3.ply").arg(out).arg(i).arg(level.percent));
                    }))
                    finished.insert(i);
            return !finished.empty();
        };
        QVERIFY(testing::WaitUntil(finishedModels, 120000));
        batch.kill();
        QVERIFY(batch.waitForFinished(30000));
        finishedModels();
        QVERIFY2(int(finished.size()) < copies.size(), "the batch ended before it was killed");

        const CliRun resumed = RunCli(arguments);
        VERIFY_SUCCEEDED(resumed);
        const QList<QByteArray> lines = resumed.out.trimmed().split('\n');
        QCOMPARE(lines.size(), copies.size());
        for (int i = 0; i < copies.size(); ++i) {
            QCOMPARE(QJsonDocument::fromJson(lines[i])[QLatin1String("skipped")].toBool(), finished.count(i) == 1);
            for (const lumeno::DecimationLevel &level : lumeno::DecimationLevels) {
                const QString file = QStringLiteral("%1/model%2_%3.ply").arg(out).arg(i).arg(level.percent);
                QVERIFY2(lumeno::ReadModel(file, QStringLiteral("ply")).model, qPrintable(file));
            }
        }
    }

    // A folder spread over workers as packaging/batch tells: the merged report has a line per model in
    // name order, the files are one run's.
    void recipesSpreadAFolder_data()
    {
        QTest::addColumn<QString>("recipe");
        QTest::newRow("GNU parallel") << QStringLiteral("parallel");
        QTest::newRow("Slurm array") << QStringLiteral("slurm");
    }

    void recipesSpreadAFolder()
    {
        QFETCH(QString, recipe);
        const QString folder = Folder(QStringLiteral("recipe-") + recipe);
        const QString shared = folder + QStringLiteral("/models");
        QDir().mkpath(shared + QStringLiteral("/nested"));
        QStringList names{"a.stl", "b.stl", "c.ply", "nested/d.stl", "e.stl"};
        for (const QString &name : names)
            QVERIFY(QFile::copy(name.endsWith(QLatin1String("ply")) ? inputs[2] : inputs[0], shared + QLatin1Char('/') + name));
        std::sort(names.begin(), names.end());
        const QString out = folder + QStringLiteral("/out");
        const QString reference = folder + QStringLiteral("/reference");
        QStringList all;
        for (const QString &name : names)
            all << shared + QLatin1Char('/') + name;
        VERIFY_SUCCEEDED(RunCli(QStringList{"levels", "--format", "ply", "-q", "-d", reference} + all));

        QByteArray reports;
        if (recipe == QLatin1String("parallel")) {
            // Three models a call, each call on one of the two slots of the local machine (":").
            const QString script = QStringLiteral(
                "find \"$1\" -type f -print0 | LC_ALL=C sort -z | parallel -0 --will-cite --sshlogin 2/: -N 3 "
                "\"$2\" levels --skip-existing --json -q --format ply -d \"$3\" -- {}");
            const CliRun run =
                RunProgram(QStringLiteral("/bin/sh"), {"-c", script, "sh", shared, LUMENO_CLI, out}, {}, ToolEnvironment());
            QVERIFY2(run.status == 0, run.err.constData());
            reports = run.out;
        } else {
            QProcessEnvironment environment = ToolEnvironment();
            environment.insert(QStringLiteral("LUMENO3D_CLI"), QStringLiteral(LUMENO_CLI));
            environment.insert(QStringLiteral("SLURM_ARRAY_TASK_COUNT"), QStringLiteral("3"));
            environment.insert(QStringLiteral("SLURM_ARRAY_TASK_MIN"), QStringLiteral("4"));
            // Task 5 is stopped and run again: the models it finished are skipped then.
            for (const int task : {4, 5, 6, 5}) {
                environment.insert(QStringLiteral("SLURM_ARRAY_TASK_ID"), QString::number(task));
                const CliRun run = RunProgram(Packaging + QStringLiteral("/slurm-share.sh"),
                                              {"levels", shared, out, "--format", "ply"}, {}, environment);
                QVERIFY2(run.status == 0, run.err.constData());
            }
            QCOMPARE(QDir(out + QStringLiteral("/reports")).entryList(QDir::Files).size(), 3);
            for (const QString &report : QDir(out + QStringLiteral("/reports")).entryList(QDir::Files))
                reports += testing::Contents(out + QStringLiteral("/reports/") + report);
            QCOMPARE(reports.count("\"skipped\":true"), 2);
        }
        // The line of a process killed while it wrote is left out and told.
        const CliRun merged = RunProgram(Packaging + QStringLiteral("/merge-reports.py"), {},
                                         reports + "{\"command\":\"lev", ToolEnvironment());
        QCOMPARE(merged.status, 5);
        QVERIFY2(merged.err.contains("5 models: 5 done, 0 skipped, 0 failed, 0 missing"), merged.err.constData());
        const QList<QByteArray> lines = merged.out.trimmed().split('\n');
        QCOMPARE(lines.size(), names.size());
        for (int i = 0; i < lines.size(); ++i) {
            const QJsonObject line = QJsonDocument::fromJson(lines[i]).object();
            QCOMPARE(line[QLatin1String("input")][QLatin1String("file")].toString(), all[i]);
            QCOMPARE(line[QLatin1String("status")].toInt(), 0);
            QVERIFY(!line.contains(QLatin1String("skipped")));
        }
        QMap<QString, QByteArray> written = FilesIn(out);
        for (const QString &report : written.keys())
            if (report.startsWith(QLatin1String("reports/")))
                written.remove(report);
        QCOMPARE(written, FilesIn(reference));

        // A model with no line at all is named.
        QVERIFY(testing::WriteBytes(folder + QStringLiteral("/expected"), (all.join('\n') + "\n" + shared + "/f.stl\n").toUtf8()));
        const CliRun missing = RunProgram(Packaging + QStringLiteral("/merge-reports.py"),
                                          {"--inputs", folder + QStringLiteral("/expected")}, reports, ToolEnvironment());
        QCOMPARE(missing.status, 4);
        QVERIFY2(missing.err.contains(shared.toUtf8() + "/f.stl: no report"), missing.err.constData());
    }
};

LUMENO_CORE_TEST_MAIN(TestCliBatch)
#include "test_cli_batch.moc"
