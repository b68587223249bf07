// Both engines' reductions and the smoothing at any scale, their progress and cancellation, the
// quality engine's advantage and error bound, sizes and deviations, and the clean-up of polygons
// and repeated triangles on reading.
#include "TestSupport.h"

#include "io/ModelReader.h"
#include "io/ModelWriter.h"
#include "mesh/ClassicReducer.h"
#include "mesh/LevelSizes.h"
#include "mesh/MeshOperations.h"
#include "mesh/ModelTransform.h"
#include "mesh/QualityReducer.h"
#include "mesh/SurfaceDeviation.h"

#include <vtkCellData.h>
#include <vtkPointData.h>
#include <vtkTransform.h>

#include <QLocale>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <map>

Q_DECLARE_METATYPE(lumeno::TransformProblem)
Q_DECLARE_METATYPE(lumeno::ReductionEngine)

namespace {

using lumeno::ReductionEngine;
constexpr int RunsPerEngine = lumeno::LevelCount + 3;

// For each engine, classic first: the triangles of each level (in the order they come), then
// of by-error runs at 0.1, 0.01 and 0.001.
std::vector<vtkIdType> Reductions(vtkPolyData *model)
{
    std::vector<vtkIdType> counts;
    for (ReductionEngine engine : {ReductionEngine::Classic, ReductionEngine::Quality}) {
        const std::unique_ptr<lumeno::Reducer> reducer = lumeno::MakeReducer(engine);
        const size_t start = counts.size();
        lumeno::LevelReceiver receiver;
        receiver.ready = [&counts](int, const vtkSmartPointer<vtkPolyData> &made) {
            counts.push_back(made->GetNumberOfPolys());
        };
        reducer->MakeLevels(model, receiver, {});
        counts.resize(start + lumeno::LevelCount, -1);
        for (double maxError : {0.1, 0.01, 0.001}) {
            const auto reduced = reducer->WithinError(model, maxError, {});
            counts.push_back(reduced ? reduced->GetNumberOfPolys() : -1);
        }
    }
    return counts;
}

// What a reducer tells while it makes the levels, in order: 'p' and the progress, 's' and 'l'
// and the level starting and handed over, 'c' when the caller cancels.
struct LevelEvents
{
    std::vector<std::pair<char, double>> events;
    int made = 0;

    QString Text() const
    {
        QStringList texts;
        for (const auto &[kind, value] : events)
            texts << QStringLiteral("%1%2").arg(kind).arg(value, 0, 'g', 3);
        return texts.join(QLatin1Char(' '));
    }
};

// The caller cancels when `cancelWhen` first holds after an event.
LevelEvents LevelsOf(ReductionEngine engine, vtkPolyData *model,
                     const std::function<bool(const LevelEvents &)> &cancelWhen = {})
{
    LevelEvents run;
    bool cancel = false;
    const auto add = [&](char kind, double value) {
        run.events.emplace_back(kind, value);
        if (!cancel && cancelWhen && cancelWhen(run)) {
            cancel = true;
            run.events.emplace_back('c', 0.0);
        }
    };
    lumeno::ReductionControl control;
    control.progress = [&](double fraction) { add('p', fraction); };
    control.cancelled = [&cancel] { return cancel; };
    lumeno::LevelReceiver receiver;
    receiver.starting = [&](int level) { add('s', level); };
    receiver.ready = [&](int level, const vtkSmartPointer<vtkPolyData> &) { add('l', level); };
    run.made = lumeno::MakeReducer(engine)->MakeLevels(model, receiver, control);
    return run;
}

void AddEngineRows()
{
    QTest::addColumn<ReductionEngine>("engine");
    QTest::newRow("classic") << ReductionEngine::Classic;
    QTest::newRow("quality") << ReductionEngine::Quality;
}

// A bumpy sphere: flat areas and ridges, so that where a simplifier removes triangles matters.
vtkSmartPointer<vtkPolyData> BumpySphere()
{
    vtkSmartPointer<vtkPolyData> sphere = testing::Sphere(160, 80);
    for (vtkIdType i = 0; i < sphere->GetNumberOfPoints(); ++i) {
        double p[3];
        sphere->GetPoint(i, p);
        const double scale = 1.0 + 0.15 * std::sin(6 * p[0]) * std::cos(5 * p[1]);
        sphere->GetPoints()->SetPoint(i, p[0] * scale, p[1] * scale, p[2] * scale);
    }
    return sphere;
}

} // namespace

class TestMeshOperations : public QObject
{
    Q_OBJECT

private slots:
    // The decimation filter compares squared distances with linear bounds and crashed from a
    // diagonal of about 1e5 on: every reduction must give nearly the same result at any scale.
    // Each engine's levels come in order and keep their nominal share.
    void reductionsDoNotDependOnScale()
    {
        const auto model = testing::Sphere(40, 40);
        const std::vector<vtkIdType> expected = Reductions(model);
        QCOMPARE(expected.size(), size_t(2 * RunsPerEngine));
        const vtkIdType input = model->GetNumberOfPolys();
        for (int step = 0; step < lumeno::LevelCount; ++step)
            for (int engine = 0; engine < 2; ++engine)
                QVERIFY(std::abs(expected[engine * RunsPerEngine + step] -
                                 input * lumeno::DecimationLevels[size_t(step)].Share()) <= 2);
        for (double factor : {1e-6, 1e5, 1e37}) {
            vtkNew<vtkTransform> scale;
            scale->Scale(factor, factor, factor);
            const auto scaled = lumeno::TransformModel(model, scale);
            const std::vector<vtkIdType> counts = Reductions(scaled);
            QCOMPARE(counts.size(), expected.size());
            for (size_t i = 0; i < counts.size(); ++i)
                QVERIFY2(std::abs(counts[i] - expected[i]) <= expected[i] / 6 + 2,
                         qPrintable(QStringLiteral("scale %1, run %2: %3 triangles, %4 at scale 1")
                                        .arg(factor).arg(i).arg(counts[i]).arg(expected[i])));
            const auto smoothed = lumeno::Smooth(scaled, lumeno::SmoothingIterations);
            QVERIFY(smoothed);
            QCOMPARE(smoothed->GetNumberOfPolys(), input);
            QVERIFY(std::abs(smoothed->GetLength() / factor - model->GetLength()) < 0.05 * model->GetLength());
        }
    }

    // One classic reducer serves every request: no leftover target may cap a by-error run, no
    // leftover error bound a share, and the same request gives the same result whatever ran before.
    void repeatedRunsGiveIdenticalResults()
    {
        const auto model = testing::Sphere(100, 42);
        lumeno::ClassicReducer reducer;
        std::map<double, vtkIdType> first; // by share (> 0) or by error (< 0)
        for (double request : {0.1, -0.1, -0.01, -0.001, 0.1, -0.001, -0.1, 0.37, -0.01, 0.37, -0.1}) {
            const auto result = request > 0 ? reducer.KeepShare(model, request, {})
                                            : reducer.WithinError(model, -request, {});
            QVERIFY(result);
            const auto [known, inserted] = first.emplace(request, result->GetNumberOfPolys());
            QVERIFY2(inserted || known->second == result->GetNumberOfPolys(), qPrintable(QString::number(request)));
        }
        const vtkIdType loaded = model->GetNumberOfPolys();
        QVERIFY(std::abs(first[0.1] - loaded / 10) <= loaded / 50);
        QVERIFY(first[-0.1] < loaded / 2);
        QVERIFY(first[-0.1] <= first[-0.01] && first[-0.01] <= first[-0.001]);
    }

    // A level's button tells the size of the file it gives when saved: exactly for binary STL
    // and PLY, nearly for OBJ text. The model is read from a file, as the window's are.
    void savedSizesAreTheWrittenFiles_data()
    {
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<double>("tolerance");
        QTest::newRow("stl") << "stl" << 0.0;
        QTest::newRow("ply") << "ply" << 0.0;
        QTest::newRow("obj") << "obj" << 0.1;
    }

    void savedSizesAreTheWrittenFiles()
    {
        QFETCH(QString, suffix);
        QFETCH(double, tolerance);
        const QString source = testing::ScratchFile(QStringLiteral("sizes.stl"));
        QVERIFY(testing::WriteModel(testing::Sphere(300, 152), source));
        const auto level = lumeno::ClassicReducer().KeepShare(lumeno::ReadModel(source, "stl").model, 0.5, {});
        const QString path = testing::ScratchFile(QStringLiteral("level.") + suffix);
        QVERIFY(lumeno::WriteModelFile(level, path, suffix).written);
        const double written = QFileInfo(path).size();
        const double estimate =
            lumeno::SavedModelSize(suffix, level->GetNumberOfPolys(), level->GetNumberOfPoints());
        QVERIFY2(std::abs(estimate - written) <= tolerance * written, qPrintable(QString::number(estimate)));
    }

    void sizeTextsFollowTheLocale_data()
    {
        QTest::addColumn<qint64>("bytes");
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("german");
        QTest::newRow("small") << qint64(5449) << "5.4 kB" << "5,4 kB";
        QTest::newRow("rounds up to one") << qint64(999960) << "1.0 MB" << "1,0 MB";
        QTest::newRow("rounds up to ten") << qint64(9960000) << "10 MB" << "10 MB";
        QTest::newRow("large") << qint64(1234567890) << "1,235 MB" << "1.235 MB";
    }

    void sizeTextsFollowTheLocale()
    {
        QFETCH(qint64, bytes);
        QFETCH(QString, english);
        QFETCH(QString, german);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(lumeno::FileSizeText(bytes), english);
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(lumeno::FileSizeText(bytes), german);
    }

    // Shares of the reference's diagonal: a square and the same square lifted by 1/8 lie 1/8 apart everywhere.
    void deviationIsTheDistanceOfBothSurfaces()
    {
        const auto square = testing::Box(1, 1, 0);
        vtkNew<vtkTransform> lift;
        lift->Translate(0, 0, 0.125);
        const lumeno::DeviationMeter meter(square);
        const lumeno::SurfaceDeviation lifted = meter.Measure(lumeno::TransformModel(square, lift));
        QCOMPARE(lifted.maximum, 0.125 / std::sqrt(2.0));
        QCOMPARE(lifted.mean, 0.125 / std::sqrt(2.0));
        QVERIFY(!meter.Measure(vtkNew<vtkPolyData>()).IsMeasured());
    }

    // A cube of side 2 and the same cube grown by 10 % lie sqrt(3) * 0.1 apart at the corners, 0.05
    // of the diagonal, anywhere and at any size.
    void deviationDoesNotDependOnSizeOrPlace_data()
    {
        QTest::addColumn<double>("size");
        for (double size : {1e-40, 1e-30, 1e-3, 0.004, 1.0, 1e30})
            QTest::addRow("%g", size) << size;
    }

    void deviationDoesNotDependOnSizeOrPlace()
    {
        QFETCH(double, size);
        vtkNew<vtkTransform> place;
        place->Scale(size, size, size);
        place->Translate(5, -3, 2);
        vtkNew<vtkTransform> grown;
        grown->Concatenate(place);
        grown->Scale(1.1, 1.1, 1.1);
        const auto cube = testing::Box(2, 2, 2);
        const lumeno::SurfaceDeviation deviation =
            lumeno::DeviationMeter(lumeno::TransformModel(cube, place)).Measure(lumeno::TransformModel(cube, grown));
        QVERIFY2(std::abs(deviation.maximum - 0.05) < 1e-5, qPrintable(QString::number(deviation.maximum, 'g', 10)));
    }

    // Many triangles around one edge fill every bin of the search; the points looked up are fewer
    // then, but what lies apart is still found: the copy moved by 0.03 along the edge lies 0.01
    // of the diagonal (3) away at the edge's end.
    void crowdedTrianglesAreMeasured()
    {
        const auto fan = testing::TrianglesOnOneEdge(5000);
        vtkNew<vtkTransform> along;
        along->Translate(0.03, 0, 0);
        const lumeno::DeviationMeter meter(fan);
        QVERIFY(meter.Measure(fan).maximum < 1e-6);
        const lumeno::SurfaceDeviation moved = meter.Measure(lumeno::TransformModel(fan, along));
        QVERIFY2(std::abs(moved.maximum - 0.01) < 1e-6, qPrintable(QString::number(moved.maximum, 'g', 10)));
    }

    // The quality engine lies closer at 10 %, and stops at an error bound, as its meter measures the result.
    void qualityIsCloserAndStopsAtTheErrorBound()
    {
        const auto model = BumpySphere();
        const lumeno::DeviationMeter meter(model);
        const auto classic = meter.Measure(lumeno::ClassicReducer().KeepShare(model, 0.1, {}));
        lumeno::QualityReducer reducer;
        const auto quality = meter.Measure(reducer.KeepShare(model, 0.1, {}));
        QVERIFY(quality.mean < classic.mean && quality.maximum < classic.maximum);
        for (double bound : {0.001, 0.01}) {
            const vtkSmartPointer<vtkPolyData> reduced = reducer.WithinError(model, bound, {}, &meter);
            QVERIFY(reduced && reduced->GetNumberOfPolys() < model->GetNumberOfPolys());
            QVERIFY(meter.Measure(reduced).maximum <= bound);
        }
    }

    // The levels come in order, each after its starting notice and after the progress has moved;
    // the progress goes from 0 to 1 and never back.
    void levelsComeInOrderAsTheProgressMoves_data() { AddEngineRows(); }

    void levelsComeInOrderAsTheProgressMoves()
    {
        QFETCH(ReductionEngine, engine);
        const LevelEvents run = LevelsOf(engine, testing::Sphere(40, 40));
        QCOMPARE(run.made, lumeno::LevelCount);
        int levels = 0;
        double progress = -1.0, atLastLevel = -1.0;
        char last = 0;
        for (const auto &[kind, value] : run.events) {
            if (kind == 'p') {
                QVERIFY2(value >= progress && (progress >= 0 || value == 0.0), qPrintable(run.Text()));
                progress = value;
            } else if (kind == 's') {
                QVERIFY2(value == levels && last != 's', qPrintable(run.Text()));
            } else if (kind == 'l') {
                QVERIFY2(value == levels && progress > atLastLevel, qPrintable(run.Text()));
                atLastLevel = progress;
                ++levels;
            }
            last = kind;
        }
        QCOMPARE(levels, lumeno::LevelCount);
        QCOMPARE(progress, 1.0);
    }

    // A cancel while a level is made, or from the level callback, ends the levels: nothing starts
    // or is handed over after it.
    void cancellingStopsTheLevels_data()
    {
        QTest::addColumn<ReductionEngine>("engine");
        QTest::addColumn<bool>("fromLevel"); // else while a level is made, from the progress
        for (ReductionEngine engine : {ReductionEngine::Classic, ReductionEngine::Quality})
            for (bool fromLevel : {false, true})
                QTest::addRow("%s, %s", qPrintable(lumeno::EngineKey(engine)), fromLevel ? "level" : "progress")
                    << engine << fromLevel;
    }

    void cancellingStopsTheLevels()
    {
        QFETCH(ReductionEngine, engine);
        QFETCH(bool, fromLevel);
        const LevelEvents run = LevelsOf(engine, testing::Sphere(40, 40), [fromLevel](const LevelEvents &events) {
            const auto &[kind, value] = events.events.back();
            return fromLevel ? kind == 'l' && value == 2 : kind == 'p' && value > 0.3;
        });
        const auto cancel = std::find(run.events.begin(), run.events.end(), std::make_pair('c', 0.0));
        QVERIFY2(cancel != run.events.end(), qPrintable(run.Text()));
        for (auto event = cancel; event != run.events.end(); ++event)
            QVERIFY2(event->first != 'l' && event->first != 's', qPrintable(run.Text()));
        const int handedOver = int(std::count_if(run.events.begin(), run.events.end(),
                                                 [](const auto &event) { return event.first == 'l'; }));
        QCOMPARE(run.made, handedOver);
        QVERIFY(fromLevel ? run.made == 3 : run.made > 0 && run.made < lumeno::LevelCount);
    }

    // A cancelled reduction gives no model, and leaves nothing behind that stops the next one.
    void cancelledReductionsGiveNoModel_data() { AddEngineRows(); }

    void cancelledReductionsGiveNoModel()
    {
        QFETCH(ReductionEngine, engine);
        const auto model = testing::Sphere(100, 42);
        const std::unique_ptr<lumeno::Reducer> reducer = lumeno::MakeReducer(engine);
        bool cancel = false;
        lumeno::ReductionControl control;
        control.progress = [&cancel](double fraction) { cancel = cancel || fraction > 0; };
        control.cancelled = [&cancel] { return cancel; };
        QVERIFY(!reducer->KeepShare(model, 0.1, control));
        cancel = false;
        QVERIFY(!reducer->WithinError(model, 0.01, control));
        const vtkSmartPointer<vtkPolyData> whole = reducer->WithinError(model, 0.01, {});
        QVERIFY(whole && whole->GetNumberOfPolys() > 0 && whole->GetNumberOfPolys() < model->GetNumberOfPolys());
    }

    // A transform with an odd number of negative factors mirrors the model: its triangles must
    // turn the other way round, or it is inside out (negative volume). Normals keep pointing out.
    void mirroringKeepsTheOutsideOut_data()
    {
        QTest::addColumn<QVector<double>>("scale");
        QTest::addColumn<QVector<double>>("rotation");
        QTest::newRow("no mirror") << QVector<double>{2, 1, 1} << QVector<double>{0, 0, 0};
        QTest::newRow("mirror along x") << QVector<double>{-1, 1, 1} << QVector<double>{0, 0, 0};
        QTest::newRow("mirror along y, turned") << QVector<double>{1, -2, 1} << QVector<double>{30, 0, 45};
        QTest::newRow("two mirrors: a half turn") << QVector<double>{-1, -1, 1} << QVector<double>{0, 0, 0};
        QTest::newRow("three mirrors") << QVector<double>{-1, -1, -0.5} << QVector<double>{0, 90, 0};
    }

    void mirroringKeepsTheOutsideOut()
    {
        QFETCH(QVector<double>, scale);
        QFETCH(QVector<double>, rotation);
        const auto sphere = testing::Sphere(24, 16);
        const double volume = testing::SignedVolume(sphere);
        QVERIFY(volume > 4.0);
        const auto transformed =
            lumeno::TransformModel(sphere, lumeno::MakeModelTransform(scale.constData(), rotation.constData()));
        const double expected = std::abs(scale[0] * scale[1] * scale[2]) * volume;
        QVERIFY2(std::abs(testing::SignedVolume(transformed) - expected) < 1e-5 * expected, // single precision
                 qPrintable(QString::number(testing::SignedVolume(transformed))));
        QCOMPARE(testing::SignedVolume(sphere), volume); // the model itself is left as it was
        vtkDataArray *normals = transformed->GetPointData()->GetNormals();
        QVERIFY(normals);
        for (vtkIdType point = 0; point < transformed->GetNumberOfPoints(); ++point) {
            double p[3];
            transformed->GetPoint(point, p);
            const double *n = normals->GetTuple3(point);
            QVERIFY(p[0] * n[0] + p[1] * n[1] + p[2] * n[2] > 0);
        }
    }

    // The bounding box's corners tell whether any coordinate would grow beyond single
    // precision, and which step takes it there; turning alone can be the cause.
    void transformProblemsNameTheirCause_data()
    {
        QTest::addColumn<QVector<double>>("bounds");
        QTest::addColumn<QVector<double>>("scale");
        QTest::addColumn<QVector<double>>("rotation");
        QTest::addColumn<lumeno::TransformProblem>("problem");
        using Problem = lumeno::TransformProblem;
        const QVector<double> nearTheLimit{-3e38, 3e38, -3e38, 3e38, -1, 1};
        const QVector<double> one{1, 1, 1};
        const QVector<double> none{0, 0, 0};
        QTest::newRow("near the limit, unmoved") << nearTheLimit << one << none << Problem::None;
        QTest::newRow("near the limit, mirrored") << nearTheLimit << QVector<double>{-1, 1, -1} << none << Problem::None;
        QTest::newRow("near the limit, a quarter turn") << nearTheLimit << one << QVector<double>{0, 0, 90}
                                                        << Problem::None;
        QTest::newRow("near the limit, turned 45 45 0") << nearTheLimit << one << QVector<double>{45, 45, 0}
                                                        << Problem::RotationTooLarge;
        QTest::newRow("near the limit, turned 45 about z") << nearTheLimit << one << QVector<double>{0, 0, 45}
                                                           << Problem::RotationTooLarge;
        QTest::newRow("near the limit, doubled") << nearTheLimit << QVector<double>{1, 2, 1} << QVector<double>{45, 0, 0}
                                                 << Problem::ScalingTooLarge;
        QTest::newRow("flat, turned") << QVector<double>{-3e38, 3e38, -3e38, 3e38, 0, 0} << one
                                      << QVector<double>{90, 0, 0} << Problem::None;
        QTest::newRow("a third of the limit, turned any way")
            << QVector<double>{-1e38, 1e38, -1e38, 1e38, -1e38, 1e38} << one << QVector<double>{45, 45, 45}
            << Problem::None;
        QTest::newRow("far out on the diagonal, turned onto it")
            << QVector<double>{3e38, 3.4e38, 3e38, 3.4e38, 0, 1} << one << QVector<double>{0, 0, 45}
            << Problem::RotationTooLarge;
        QTest::newRow("far out on the diagonal, a quarter turn")
            << QVector<double>{3e38, 3.4e38, 3e38, 3.4e38, 0, 1} << one << QVector<double>{0, 0, -90} << Problem::None;
        QTest::newRow("factor 0") << QVector<double>{0, 1, 0, 1, 0, 1} << QVector<double>{1, 0, 1} << none
                                  << Problem::LosesSize;
        QTest::newRow("shrunk below single precision")
            << QVector<double>{0, 1, 0, 1, 0, 1} << QVector<double>{1, 1, 1e-39} << none << Problem::LosesSize;
        QTest::newRow("flat axis, shrunk") << QVector<double>{0, 1, 0, 1, 0, 0} << QVector<double>{1, 1, 1e-39}
                                           << none << Problem::None;
        QTest::newRow("infinite factor") << QVector<double>{0, 1, 0, 1, 0, 1}
                                         << QVector<double>{1, std::numeric_limits<double>::infinity(), 1} << none
                                         << Problem::ScalingTooLarge;
    }

    void transformProblemsNameTheirCause()
    {
        QFETCH(QVector<double>, bounds);
        QFETCH(QVector<double>, scale);
        QFETCH(QVector<double>, rotation);
        QFETCH(lumeno::TransformProblem, problem);
        QCOMPARE(lumeno::CheckModelTransform(scale.constData(), rotation.constData(), bounds.constData()), problem);
    }

    // One polygon of four corners made the filter refuse the whole model, and a thousand
    // copies of one triangle made its work grow with the cube of their number.
    void filesReduceAtEveryLevel_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("triangles");
        QTest::addColumn<int>("removed");
        QTest::addColumn<QVector<double>>("groups"); // of the triangles kept, when checked
        QTest::newRow("quad face") << "quad_face.obj" << 6 << 0 << QVector<double>();
        QTest::newRow("repeated triangle") << "repeated_triangle.obj" << 4 << 1000 << QVector<double>();
        QTest::newRow("large sphere") << "large_sphere.stl" << 3480 << 0 << QVector<double>();
        // Repeats in either direction go; the quad becomes two triangles.
        QTest::newRow("grouped repeats") << "grouped_repeats.obj" << 4 << 2 << QVector<double>{0, 0, 1, 4};
    }

    void filesReduceAtEveryLevel()
    {
        QFETCH(QString, file);
        QFETCH(int, triangles);
        QFETCH(int, removed);
        QFETCH(QVector<double>, groups);
        const auto result = lumeno::ReadModel(testing::DataFile(file), QFileInfo(file).suffix());
        QVERIFY(result.model);
        QCOMPARE(result.model->GetNumberOfPolys(), vtkIdType(triangles));
        QCOMPARE(result.removedDuplicates, vtkIdType(removed));
        // Dropped repeats take their cell data (here the OBJ group of each triangle) with them.
        vtkDataArray *groupIds = result.model->GetCellData()->GetArray("GroupIds");
        QVERIFY(!groupIds || groupIds->GetNumberOfTuples() == triangles);
        for (int i = 0; i < groups.size(); ++i)
            QCOMPARE(groupIds->GetTuple1(i), groups[i]);
        const std::vector<vtkIdType> counts = Reductions(result.model);
        QCOMPARE(counts.size(), size_t(2 * RunsPerEngine));
        QVERIFY(counts.front() < triangles);
        for (size_t run = 0; run < counts.size(); ++run)
            QVERIFY2(counts[run] >= 0, qPrintable(QString::number(run))); // -1: the run was refused
    }
};

LUMENO_CORE_TEST_MAIN(TestMeshOperations)
#include "test_mesh_operations.moc"
