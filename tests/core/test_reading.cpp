// Reading model files: good files of each format, and damaged ones refused before or after the reader.
#include "TestSupport.h"

#include "io/FilePaths.h"
#include "io/read/ModelReader.h"
#include "model/ModelChecks.h"
#include "reduce/ClassicReducer.h"
#include "model/MeshOperations.h"

#include <vtkCellArray.h>

#include <algorithm>
#include <atomic>
#include <clocale>
#include <cmath>
#include <set>
#include <thread>
#include <vector>

#include <sys/stat.h>

using lumeno::ReadFailure;

Q_DECLARE_METATYPE(lumeno::ReadFailure)

class TestReading : public QObject
{
    Q_OBJECT

private slots:
    // Run once more with LC_ALL naming a comma-decimal locale (see tests/CMakeLists.txt).
    void initTestCase()
    {
        const QByteArray decimalPoint = qgetenv("LUMENO_EXPECTED_DECIMAL_POINT");
        const char *locale = std::setlocale(LC_ALL, "");
        if (!decimalPoint.isEmpty()) {
            QVERIFY2(locale, "The C library does not know the locale of LC_ALL; scripts/setup generates it");
            QCOMPARE(QByteArray(std::localeconv()->decimal_point), decimalPoint);
        }
    }

    void validFilesGiveTheirShape_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("points"); // negative: not checked
        QTest::addColumn<int>("polygons");
        QTest::addColumn<double>("width");

        auto sphere = testing::Sphere(8, 8);
        const double width = sphere->GetBounds()[1] - sphere->GetBounds()[0];
        for (const char *name : {"written.stl", "written.ply", "written.obj"}) {
            const QString path = testing::ScratchFile(QString::fromLatin1(name));
            QVERIFY(testing::WriteModel(sphere, path));
            QTest::newRow(name) << path << int(sphere->GetNumberOfPoints()) << int(sphere->GetNumberOfPolys()) << width;
        }
        QTest::newRow("ascii stl") << testing::DataFile("cube_ascii.stl") << 8 << 12 << -1.0;
        QTest::newRow("ply with CRLF line ends") << testing::DataFile("crlf.ply") << 3 << 1 << 2.5;
        QTest::newRow("ply header keywords the reader skips")
            << testing::DataFile("ply-unknown-header-keywords.ply") << 3 << 1 << 1.0;
        QTest::newRow("obj indices with plus signs") << testing::DataFile("obj-plus-signs.obj") << 4 << 2 << 1.0;
        QTest::newRow("ascii stl with a Japanese name") << testing::DataFile("stl-utf8-name.stl") << 8 << 12 << 1.5;
        QTest::newRow("obj whose cell data miss some cells")
            << testing::DataFile("fuzz-obj-cell-data-not-on-every-cell.obj") << -1 << 3 << 1.0;
        QTest::newRow("obj usemtl without a name") << testing::DataFile("obj-nameless-material.obj") << -1 << 2 << 2.0;
        QTest::newRow("obj triangle on one point twice") << testing::DataFile("repeated_corner.obj") << 4 << 3 << 1.0;
        QTest::newRow("obj long material name") << testing::DataFile("long_material_name.obj") << 4 << 1 << 1.0;
    }

    void validFilesGiveTheirShape()
    {
        QFETCH(QString, path);
        QFETCH(int, points);
        QFETCH(int, polygons);
        QFETCH(double, width);
        std::vector<double> told;
        const lumeno::ReadResult result = lumeno::ReadModel(path, QFileInfo(path).suffix().toUpper(), [&](double done) {
            told.push_back(done);
            return true;
        });
        QCOMPARE(result.failure, ReadFailure::None);
        QVERIFY(std::is_sorted(told.begin(), told.end()));
        QVERIFY(!told.empty() && told.front() > 0.0 && told.back() == 1.0);
        if (points >= 0)
            QCOMPARE(int(result.model->GetNumberOfPoints()), points);
        QCOMPARE(int(result.model->GetNumberOfPolys()), polygons);
        QVERIFY(!result.model->GetPolys()->IsStorage64Bit());
        const double *bounds = result.model->GetBounds();
        QVERIFY2(width < 0 || std::abs(bounds[1] - bounds[0] - width) < 1e-5,
                 qPrintable(QString::number(bounds[1] - bounds[0])));
    }

    // Each refusal has its text. Whatever the name points at, the reading ends at once with what
    // it is; nothing blocks (a pipe without a writer would stall a plain open for ever).
    void filesThatGiveNoModelAreRefused_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<ReadFailure>("failure");
        const QString folder = testing::ScratchFile(QStringLiteral("no-model-files"));
        QVERIFY(QDir().mkpath(folder + QStringLiteral("/folder.stl")));
        const QByteArray fifo = QFile::encodeName(folder + QStringLiteral("/fifo.stl"));
        QVERIFY(::mkfifo(fifo.constData(), 0600) == 0);
        QVERIFY(QFile::link(QStringLiteral("/dev/null"), folder + QStringLiteral("/device.ply")));
        QTest::newRow("missing") << folder + QStringLiteral("/missing.stl") << ReadFailure::Missing;
        QTest::newRow("folder") << folder + QStringLiteral("/folder.stl") << ReadFailure::Folder;
        QTest::newRow("fifo") << QFile::decodeName(fifo) << ReadFailure::NotRegularFile;
        QTest::newRow("device") << folder + QStringLiteral("/device.ply") << ReadFailure::NotRegularFile;
        QTest::newRow("unknown suffix") << testing::DataFile("unknown-suffix.vtk") << ReadFailure::UnknownSuffix;
        QTest::newRow("text that is no stl") << testing::DataFile("stl-prose.stl") << ReadFailure::ReaderError;
        QTest::newRow("text that is no 3mf package") << testing::DataFile("3mf-prose.3mf") << ReadFailure::DamagedFile;
        for (const char *name :
             {"obj-relative-index-before-the-first.obj", "obj-face-continuation.obj",
              "obj-point-continued-past-the-points.obj", "no_vertex_element.ply", "short_data_line.ply",
              "negative_list_count.ply", "ply-duplicate-vertex-indices.ply"})
            QTest::newRow(name) << testing::DataFile(QString::fromLatin1(name)) << ReadFailure::DamagedFile;
        for (const char *name : {"nan_ascii.stl", "stl-infinite-corner.stl"})
            QTest::newRow(name) << testing::DataFile(QString::fromLatin1(name)) << ReadFailure::UnusableModel;
        for (const char *name : {"empty.stl", "empty.obj", "empty.ply"})
            QTest::newRow(name) << testing::DataFile(QString::fromLatin1(name)) << ReadFailure::EmptyFile;
        for (const char *name : {"stl-without-triangles.stl", "obj-without-faces.obj", "obj-lines-only.obj"})
            QTest::newRow(name) << testing::DataFile(QString::fromLatin1(name)) << ReadFailure::NoTriangles;
        for (const char *name : {"stl-all-corners-at-one-place.stl", "fuzz-ply-face-with-second-list.ply"})
            QTest::newRow(name) << testing::DataFile(QString::fromLatin1(name)) << ReadFailure::NoExtent;
    }

    void filesThatGiveNoModelAreRefused()
    {
        QFETCH(QString, path);
        QFETCH(ReadFailure, failure);
        const lumeno::ReadResult result = lumeno::ReadModel(path, QFileInfo(path).suffix());
        QVERIFY(!result.model);
        QCOMPARE(result.failure, failure);
        QVERIFY(!lumeno::ReadFailureText(result).isEmpty());
    }

    // A reading its caller stops ends at that step with no model, whichever step it is.
    void readingsStopWhenTheirCallerSays()
    {
        const QString path = testing::ScratchFile(QStringLiteral("stopped.ply"));
        QVERIFY(testing::WriteModel(testing::Sphere(8, 8), path));
        for (int step = 0; step < 3; ++step) {
            int told = 0;
            const lumeno::ReadResult result = lumeno::ReadModel(path, QStringLiteral("ply"), [&](double) {
                return told++ < step;
            });
            QCOMPARE(told, step + 1);
            QCOMPARE(result.failure, ReadFailure::Cancelled);
            QVERIFY(!result.model);
        }
    }

    // Another program rewrites the file, or renames a crafted one over it, while it is read: the
    // model, a refusal or "changed", never a crash (SIGBUS, or the reader on unchecked bytes).
    void filesChangingWhileReadNeverCrash()
    {
        const QString folder = testing::ScratchFile(QStringLiteral("changing"));
        QVERIFY(QDir().mkpath(folder));
        const QString target = folder + QStringLiteral("/model.ply");
        const QString valid = folder + QStringLiteral("/valid.ply");
        QVERIFY(testing::WriteModel(testing::Sphere(64, 64), valid));
        const QByteArray validBytes = testing::Contents(valid);
        const QByteArray crafted = testing::Contents(testing::DataFile("ply-binary-face-past-the-vertices.ply"));
        QVERIFY(testing::WriteBytes(target, validBytes));

        std::atomic<bool> stop{false};
        std::thread changer([&] {
            for (int round = 0; !stop; ++round) {
                if (round % 2 == 0) { // cut short and written again in place
                    QFile file(target);
                    if (file.open(QIODevice::ReadWrite)) {
                        file.resize(validBytes.size() / 3);
                        file.write(validBytes);
                    }
                } else { // replaced by a crafted file, then by the valid one
                    const QString swap = folder + QStringLiteral("/swap.ply");
                    testing::WriteBytes(swap, round % 4 == 1 ? crafted : validBytes);
                    ::rename(QFile::encodeName(swap).constData(), QFile::encodeName(target).constData());
                }
            }
        });
        std::set<ReadFailure> seen;
        for (int read = 0; read < 60; ++read) {
            const lumeno::ReadResult result = lumeno::ReadModel(target, QStringLiteral("ply"));
            seen.insert(result.failure);
            QVERIFY(!result.model || lumeno::HasSoundCells(result.model));
        }
        stop = true;
        changer.join();
        for (ReadFailure failure : seen)
            QVERIFY2(failure == ReadFailure::None || failure == ReadFailure::Changed ||
                         failure == ReadFailure::DamagedFile,
                     qPrintable(QString::number(int(failure))));
    }

    // Several threads reading PLY files at once, as a batch's jobs do, each get their own model.
    void plyFilesReadAtOnceKeepApart()
    {
        const QString small = testing::ScratchFile(QStringLiteral("at-once-small.ply"));
        const QString large = testing::ScratchFile(QStringLiteral("at-once-large.ply"));
        QVERIFY(testing::WriteModel(testing::Sphere(12, 10), small));
        QVERIFY(testing::WriteModel(testing::WithAttributes(testing::Sphere(40, 30)), large));
        const vtkIdType smallTriangles = lumeno::ReadModel(small, QStringLiteral("ply")).model->GetNumberOfPolys();
        const vtkIdType largeTriangles = lumeno::ReadModel(large, QStringLiteral("ply")).model->GetNumberOfPolys();
        std::atomic<int> wrong{0};
        std::vector<std::thread> readers;
        for (int thread = 0; thread < 4; ++thread)
            readers.emplace_back([&, thread] {
                for (int read = 0; read < 200; ++read) {
                    const bool isLarge = (thread + read) % 2 == 0;
                    const lumeno::ReadResult result = lumeno::ReadModel(isLarge ? large : small, QStringLiteral("ply"));
                    if (!result.model || result.model->GetNumberOfPolys() != (isLarge ? largeTriangles : smallTriangles))
                        ++wrong;
                }
            });
        for (std::thread &reader : readers)
            reader.join();
        QCOMPARE(wrong.load(), 0);
    }

    // A name holding line breaks or an ESC can neither split a message nor drive a terminal.
    void pathsInMessagesAreOneLineOfPlainText_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("shown");
        QTest::newRow("line feed") << QStringLiteral("/a\nb.stl") << QStringLiteral("/a\\nb.stl");
        QTest::newRow("escape") << QStringLiteral("/\x1b[2Jx.stl") << QStringLiteral("/\\x1b[2Jx.stl");
        QTest::newRow("c1 and separators") << QString(QChar(0x9b)) + QChar(0x2028) << QStringLiteral("\\x9b\\u2028");
    }

    void pathsInMessagesAreOneLineOfPlainText()
    {
        QFETCH(QString, path);
        QFETCH(QString, shown);
        QCOMPARE(lumeno::DisplayPath(path), shown);
    }

    // A filter leaving triangles on points it removed (4e34 beside subnormals) is a failed run.
    void filtersNeverHandOnBrokenCells()
    {
        const lumeno::ReadResult result = lumeno::ReadModel(
            testing::DataFile("fuzz-stl-decimation-leaves-dangling-triangle.stl"), QStringLiteral("stl"));
        QVERIFY(result.model);
        lumeno::ClassicReducer reducer;
        for (const lumeno::DecimationLevel &step : lumeno::DecimationLevels) {
            const vtkSmartPointer<vtkPolyData> level = reducer.KeepShare(result.model, step.Share(), {});
            QVERIFY(!level || lumeno::HasSoundCells(level));
        }
        const vtkSmartPointer<vtkPolyData> smoothed = lumeno::Smooth(result.model, lumeno::SmoothingIterations);
        QVERIFY(!smoothed || lumeno::HasSoundCells(smoothed));

        // The check itself: a triangle past the points is broken; empty is sound, since a filter may remove all.
        const auto pastTheEnd = testing::Sphere(8, 8);
        const vtkIdType triangle[3] = {0, 1, pastTheEnd->GetNumberOfPoints()};
        pastTheEnd->GetPolys()->InsertNextCell(3, triangle);
        QVERIFY(!lumeno::HasSoundCells(pastTheEnd));
        QVERIFY(lumeno::HasSoundCells(vtkSmartPointer<vtkPolyData>::New()));
    }
};

LUMENO_CORE_TEST_MAIN(TestReading)
#include "test_reading.moc"
