// Both engines' reductions and the smoothing, sizes, deviations, transforms and clean-up on reading.
#include "TestSupport.h"

#include "io/read/ModelReader.h"
#include "io/write/ModelWriter.h"
#include "reduce/ClassicReducer.h"
#include "io/write/LevelSizes.h"
#include "model/MeshOperations.h"
#include "model/ModelTransform.h"
#include "model/PointAttributes.h"
#include "reduce/DrawingProxy.h"
#include "reduce/QualityReducer.h"
#include "measure/SurfaceDeviation.h"

#include <vtkCellArray.h>
#include <vtkCellData.h>
#include <vtkIntArray.h>
#include <vtkPointData.h>
#include <vtkTransform.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>
#include <limits>
#include <map>

Q_DECLARE_METATYPE(lumeno::TransformProblem)
Q_DECLARE_METATYPE(lumeno::ReductionEngine)
Q_DECLARE_METATYPE(vtkSmartPointer<vtkPolyData>)

namespace {

using lumeno::ReductionEngine;
constexpr int RunsPerEngine = lumeno::LevelCount + 3;

// For each engine: the triangles of each level, then of by-error runs at 0.1, 0.01 and 0.001.
std::vector<vtkIdType> Reductions(vtkPolyData *model)
{
    std::vector<vtkIdType> counts;
    for (ReductionEngine engine : {ReductionEngine::Classic, ReductionEngine::Quality}) {
        const std::unique_ptr<lumeno::Reducer> reducer = lumeno::MakeReducer(engine);
        const auto levels = testing::MadeLevels(*reducer, model);
        for (int level = 0; level < lumeno::LevelCount; ++level)
            counts.push_back(size_t(level) < levels.size() && levels[size_t(level)] ? levels[size_t(level)]->GetNumberOfPolys() : -1);
        for (double maxError : {0.1, 0.01, 0.001}) {
            const auto reduced = reducer->WithinError(model, maxError, {});
            counts.push_back(reduced ? reduced->GetNumberOfPolys() : -1);
        }
    }
    return counts;
}

// What a reducer tells while it makes the levels: 'p' progress, 's' level starting, 'l' handed over, 'c' cancel.
struct LevelEvents
{
    std::vector<std::pair<char, double>> events;
    int made = 0;
};

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

// A bumpy sphere: where a simplifier removes triangles matters.
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
    // The decimation filter crashed from a diagonal of about 1e5 on: every reduction gives nearly the same at any scale.
    void reductionsDoNotDependOnScale()
    {
        const auto model = testing::Sphere(40, 40);
        const std::vector<vtkIdType> expected = Reductions(model);
        QCOMPARE(expected.size(), size_t(2 * RunsPerEngine));
        const vtkIdType input = model->GetNumberOfPolys();
        for (double factor : {1e-6, 1e5, 1e37}) {
            vtkNew<vtkTransform> scale;
            scale->Scale(factor, factor, factor);
            const auto scaled = lumeno::TransformModel(model, scale);
            const std::vector<vtkIdType> counts = Reductions(scaled);
            QCOMPARE(counts.size(), expected.size());
            // Rounding moves a by-error run by one attempt more or fewer.
            for (size_t i = 0; i < counts.size(); ++i)
                QVERIFY2(i % RunsPerEngine < size_t(lumeno::LevelCount)
                             ? std::abs(counts[i] - expected[i]) <= expected[i] / 6 + 2
                             : std::abs(counts[i] - expected[i]) <= std::min(counts[i], expected[i]) * 3 / 5 + 2,
                         qPrintable(QStringLiteral("scale %1, run %2: %3 triangles, %4 at scale 1")
                                        .arg(factor).arg(i).arg(counts[i]).arg(expected[i])));
            const auto smoothed = lumeno::Smooth(scaled, lumeno::SmoothingIterations);
            QVERIFY(smoothed);
            QCOMPARE(smoothed->GetNumberOfPolys(), input);
            QVERIFY(std::abs(smoothed->GetLength() / factor - model->GetLength()) < 0.05 * model->GetLength());
        }
    }

    // What the window draws of a model too large to draw in full: at most the triangles asked, on
    // the model's own points and point data, each with the material of a triangle it came from.
    void drawingProxiesKeepTheModelsPoints()
    {
        const auto model = testing::Sphere(200, 100);
        std::vector<int> materials(size_t(model->GetNumberOfCells()), 7);
        std::fill_n(materials.begin(), materials.size() / 2, 3);
        model->GetCellData()->AddArray(testing::IntArray("MaterialIds", materials));
        const vtkSmartPointer<vtkPolyData> proxy = lumeno::ReducedForDrawing(model, 2000);
        QVERIFY(proxy);
        QVERIFY(proxy->GetNumberOfPolys() > 500 && proxy->GetNumberOfPolys() <= 2000);
        QCOMPARE(proxy->GetPoints(), model->GetPoints());
        QCOMPARE(proxy->GetPointData()->GetNormals(), model->GetPointData()->GetNormals());
        auto *proxyMaterials = vtkIntArray::SafeDownCast(proxy->GetCellData()->GetArray("MaterialIds"));
        QVERIFY(proxyMaterials && proxyMaterials->GetNumberOfTuples() == proxy->GetNumberOfPolys());
        std::map<int, int> used;
        for (vtkIdType cell = 0; cell < proxy->GetNumberOfPolys(); ++cell)
            ++used[proxyMaterials->GetValue(cell)];
        QVERIFY(used.size() == 2 && used.count(3) && used.count(7));
        QVERIFY(std::abs(proxy->GetLength() - model->GetLength()) < 0.01 * model->GetLength());

        QVERIFY(!lumeno::ReducedForDrawing(model, size_t(model->GetNumberOfPolys())));
        auto withLines = vtkSmartPointer<vtkPolyData>::New();
        withLines->DeepCopy(model);
        withLines->SetLines(testing::Cells({{0, 1}}));
        QVERIFY(!lumeno::ReducedForDrawing(withLines, 2000));
    }

    // VTK 9.1 misleads filters on 32-bit cell storage: they must give what they give on 64-bit cells.
    void filtersGiveTheSameWhateverTheCellStorage()
    {
        const auto wide = BumpySphere();
        QVERIFY(wide->GetPolys()->IsStorage64Bit());
        auto narrow = vtkSmartPointer<vtkPolyData>::New();
        narrow->DeepCopy(wide);
        QVERIFY(narrow->GetPolys()->ConvertTo32BitStorage());
        const auto samePoints = [](vtkPolyData *a, vtkPolyData *b) {
            vtkDataArray *p = a ? a->GetPoints()->GetData() : nullptr, *q = b ? b->GetPoints()->GetData() : nullptr;
            return p && q && a->GetNumberOfPolys() == b->GetNumberOfPolys() && p->GetDataType() == q->GetDataType() &&
                   p->GetNumberOfValues() == q->GetNumberOfValues() &&
                   std::memcmp(p->GetVoidPointer(0), q->GetVoidPointer(0), size_t(p->GetDataSize() * p->GetDataTypeSize())) == 0;
        };
        QVERIFY(samePoints(lumeno::Smooth(wide, lumeno::SmoothingIterations),
                           lumeno::Smooth(narrow, lumeno::SmoothingIterations)));
        lumeno::ClassicReducer reducer;
        for (const double share : {0.5, 0.1})
            QVERIFY(samePoints(reducer.KeepShare(wide, share, {}), reducer.KeepShare(narrow, share, {})));
    }

    // One classic reducer serves every request: the same request gives the same result whatever ran before.
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

    // A level's size when saved: exactly for binary STL and PLY, nearly for the others.
    void savedSizesAreTheWrittenFiles_data()
    {
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<bool>("attributes");
        QTest::addColumn<double>("tolerance");
        QTest::newRow("stl") << "stl" << true << 0.0;
        QTest::newRow("ply, colours, normals, texture") << "ply" << true << 0.0;
        QTest::newRow("glb") << "glb" << false << 0.1;
        for (const char *format : {"obj", "glb", "gltf", "3mf", "off"})
            QTest::newRow(qPrintable(QStringLiteral("%1, colours, normals, texture").arg(format))) << format << true << 0.1;
    }

    void savedSizesAreTheWrittenFiles()
    {
        QFETCH(QString, suffix);
        QFETCH(bool, attributes);
        QFETCH(double, tolerance);
        const QString source = testing::ScratchFile(QStringLiteral("sizes.stl"));
        QVERIFY(testing::WriteModel(testing::Sphere(300, 152), source));
        const auto level = lumeno::ClassicReducer().KeepShare(lumeno::ReadModel(source, "stl").model, 0.5, {});
        const auto written = attributes ? testing::WithAttributes(level, true) : level;
        const QString path = testing::ScratchFile(QStringLiteral("level.") + suffix);
        QVERIFY(lumeno::WriteModelFile(written, path, suffix).written);
        const double bytes = QFileInfo(path).size();
        const double estimate = lumeno::SavedModelSize(suffix, level->GetNumberOfPolys(), level->GetNumberOfPoints(),
                                                       lumeno::AttributesOf(written));
        QVERIFY2(std::abs(estimate - bytes) <= tolerance * bytes,
                 qPrintable(QStringLiteral("%1 estimated, %2 written").arg(estimate).arg(bytes)));
    }

    // Shares of the reference's diagonal, at any size; many triangles around one edge fill every bin of the search.
    void deviationIsTheDistanceOfBothSurfaces_data()
    {
        QTest::addColumn<vtkSmartPointer<vtkPolyData>>("reference");
        QTest::addColumn<double>("size");  // both are scaled by it and moved by 5 times it
        QTest::addColumn<double>("grown"); // the copy, before it is moved
        QTest::addColumn<QVector<double>>("shift"); // the copy, before it is grown
        QTest::addColumn<double>("maximum");
        QTest::addColumn<double>("mean"); // negative: not checked
        const double lifted = 0.125 / std::sqrt(2.0);
        QTest::newRow("square lifted") << testing::Box(1, 1, 0) << 1.0 << 1.0 << QVector<double>{0, 0, 0.125} << lifted
                                       << lifted;
        for (double size : {1e-40, 0.004, 1e30})
            QTest::addRow("cube grown, %g", size) << testing::Box(2, 2, 2) << size << 1.1 << QVector<double>{0, 0, 0}
                                                  << 0.05 << -1.0;
        const auto fan = testing::TrianglesOnOneEdge(5000);
        QTest::newRow("crowded, itself") << fan << 1.0 << 1.0 << QVector<double>{0, 0, 0} << 0.0 << 0.0;
        QTest::newRow("crowded, moved along") << fan << 1.0 << 1.0 << QVector<double>{0.03, 0, 0} << 0.01 << -1.0;
    }

    void deviationIsTheDistanceOfBothSurfaces()
    {
        QFETCH(vtkSmartPointer<vtkPolyData>, reference);
        QFETCH(double, size);
        QFETCH(double, grown);
        QFETCH(QVector<double>, shift);
        QFETCH(double, maximum);
        QFETCH(double, mean);
        vtkNew<vtkTransform> place, copy;
        place->Scale(size, size, size);
        place->Translate(5, -5, 5);
        copy->Concatenate(place);
        copy->Scale(grown, grown, grown);
        copy->Translate(shift.constData());
        const lumeno::DeviationMeter meter(lumeno::TransformModel(reference, place));
        const lumeno::SurfaceDeviation deviation = meter.Measure(lumeno::TransformModel(reference, copy));
        QVERIFY2(std::abs(deviation.maximum - maximum) < 1e-5, qPrintable(QString::number(deviation.maximum, 'g', 10)));
        QVERIFY2(mean < 0 || std::abs(deviation.mean - mean) < 1e-5, qPrintable(QString::number(deviation.mean, 'g', 10)));
        QVERIFY(!meter.Measure(vtkNew<vtkPolyData>()).IsMeasured());
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

    // The levels come in order, the progress never goes back and reaches 1; a cancel ends the levels.
    void levelsComeInOrderUntilCancelled_data()
    {
        QTest::addColumn<ReductionEngine>("engine");
        QTest::addColumn<QString>("cancelFrom");
        for (ReductionEngine engine : {ReductionEngine::Classic, ReductionEngine::Quality})
            for (const char *cancelFrom : {"nowhere", "progress", "level"})
                QTest::addRow("%s, %s", qPrintable(lumeno::EngineKey(engine)), cancelFrom)
                    << engine << QString::fromLatin1(cancelFrom);
    }

    void levelsComeInOrderUntilCancelled()
    {
        QFETCH(ReductionEngine, engine);
        QFETCH(QString, cancelFrom);
        const LevelEvents run = LevelsOf(engine, testing::Sphere(40, 40), [&cancelFrom](const LevelEvents &events) {
            const auto &[kind, value] = events.events.back();
            return cancelFrom == "level" ? kind == 'l' && value == 2 : cancelFrom == "progress" && kind == 'p' && value > 0.3;
        });
        int levels = 0;
        double progress = -1.0, atLastLevel = -1.0;
        char last = 0;
        bool cancelled = false;
        for (const auto &[kind, value] : run.events) {
            if (kind == 'p') {
                QVERIFY(value >= progress && (progress >= 0 || value == 0.0));
                progress = value;
            } else if (kind == 's') {
                QVERIFY(value == levels && last != 's' && !cancelled);
            } else if (kind == 'l') {
                QVERIFY(value == levels && progress > atLastLevel && !cancelled);
                atLastLevel = progress;
                ++levels;
            }
            cancelled = cancelled || kind == 'c';
            last = kind;
        }
        QCOMPARE(run.made, levels);
        if (cancelFrom == QLatin1String("nowhere"))
            QVERIFY(levels == lumeno::LevelCount && progress == 1.0);
        else
            QVERIFY(cancelled && (cancelFrom == "level" ? levels == 3 : levels > 0 && levels < lumeno::LevelCount));
    }

    // A cancelled reduction gives no model, and leaves nothing behind that stops the next one.
    void cancelledReductionsGiveNoModel()
    {
        const auto model = testing::Sphere(100, 42);
        for (ReductionEngine engine : {ReductionEngine::Classic, ReductionEngine::Quality}) {
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
    }

    // Whether any coordinate would grow beyond single precision, and which step takes it there.
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
        QTest::newRow("near the limit, a quarter turn") << nearTheLimit << one << QVector<double>{0, 0, 90}
                                                        << Problem::None;
        QTest::newRow("near the limit, turned 45 about z") << nearTheLimit << one << QVector<double>{0, 0, 45}
                                                           << Problem::RotationTooLarge;
        QTest::newRow("near the limit, doubled") << nearTheLimit << QVector<double>{1, 2, 1} << QVector<double>{45, 0, 0}
                                                 << Problem::ScalingTooLarge;
        QTest::newRow("shrunk below single precision")
            << QVector<double>{0, 1, 0, 1, 0, 1} << QVector<double>{1, 1, 1e-39} << none << Problem::LosesSize;
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

    // A quad made the filter refuse the model; a thousand copies of one triangle made its work grow cubically.
    void filesReduceAtEveryLevel_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("triangles");
        QTest::addColumn<int>("removed");
        QTest::addColumn<QVector<double>>("groups"); // of the triangles kept, when checked
        QTest::newRow("quad face") << "quad_face.obj" << 6 << 0 << QVector<double>();
        QTest::newRow("repeated triangle") << "repeated_triangle.obj" << 4 << 1000 << QVector<double>();
        QTest::newRow("large sphere") << "large_sphere.stl" << 3480 << 0 << QVector<double>();
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
        // Dropped repeats take their cell data with them.
        vtkDataArray *groupIds = result.model->GetCellData()->GetArray(lumeno::PartIdsName);
        QVERIFY(!groupIds || groupIds->GetNumberOfTuples() == triangles);
        for (int i = 0; i < groups.size(); ++i)
            QCOMPARE(groupIds->GetTuple1(i), groups[i]);
        const std::vector<vtkIdType> counts = Reductions(result.model);
        QCOMPARE(counts.size(), size_t(2 * RunsPerEngine));
        if (groups.isEmpty()) // each group is a part, too small to lose a triangle
            QVERIFY(counts.front() < triangles);
        for (size_t run = 0; run < counts.size(); ++run)
            QVERIFY2(counts[run] >= 0, qPrintable(QString::number(run))); // -1: the run was refused
    }
};

LUMENO_CORE_TEST_MAIN(TestMeshOperations)
#include "test_mesh_operations.moc"
