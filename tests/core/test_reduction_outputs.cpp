// What every engine gives is saved and read back as it was; the whole model kept is itself.
#include "TestSupport.h"

#include "io/read/ModelReader.h"
#include "io/write/ModelWriter.h"
#include "reduce/Reducer.h"

#include <vtkCellArray.h>
#include <vtkCellArrayIterator.h>
#include <vtkFloatArray.h>
#include <vtkPointData.h>
#include <vtkPoints.h>
#include <vtkUnsignedCharArray.h>

#include <array>
#include <vector>

Q_DECLARE_METATYPE(vtkSmartPointer<vtkPolyData>)
Q_DECLARE_METATYPE(lumeno::ReductionEngine)

namespace {

// The model and `count` triangles with two corners at one place, apart in texture (as assets have).
vtkSmartPointer<vtkPolyData> WithTrianglesWithoutArea(vtkPolyData *model, int count)
{
    auto result = vtkSmartPointer<vtkPolyData>::New();
    result->DeepCopy(model);
    vtkPoints *points = result->GetPoints();
    vtkPointData *data = result->GetPointData();
    auto *normals = vtkFloatArray::SafeDownCast(data->GetNormals());
    auto *uv = vtkFloatArray::SafeDownCast(data->GetTCoords());
    auto *colours = vtkUnsignedCharArray::SafeDownCast(data->GetScalars());
    vtkCellArray *triangles = result->GetPolys();
    const vtkIdType step = model->GetNumberOfPolys() / count;
    vtkNew<vtkIdList> corners;
    for (vtkIdType t = 0; t < count; ++t) {
        model->GetCellPoints(t * step, corners);
        const vtkIdType a = corners->GetId(0), b = corners->GetId(1);
        const vtkIdType copy = points->InsertNextPoint(points->GetPoint(a));
        normals->InsertNextTuple(normals->GetTuple(a));
        uv->InsertNextTuple2(0.0, 0.0);
        colours->InsertNextTuple(colours->GetTuple(a));
        triangles->InsertNextCell({copy, b, a});
    }
    return result;
}

// Every triangle on points and texture coordinates of its own: every vertex a seam.
vtkSmartPointer<vtkPolyData> UnwrappedFaceByFace(vtkPolyData *model)
{
    auto points = vtkSmartPointer<vtkPoints>::New();
    vtkNew<vtkFloatArray> uv;
    uv->SetNumberOfComponents(2);
    auto triangles = vtkSmartPointer<vtkCellArray>::New();
    vtkNew<vtkIdList> corners;
    for (vtkIdType t = 0; t < model->GetNumberOfPolys(); ++t) {
        model->GetCellPoints(t, corners);
        vtkIdType ids[3];
        for (int k = 0; k < 3; ++k) {
            ids[k] = points->InsertNextPoint(model->GetPoint(corners->GetId(k)));
            uv->InsertNextTuple2(double(t % 64) / 64 + 0.01 * k, double(t / 64) / 64 + 0.01 * (k == 2));
        }
        triangles->InsertNextCell(3, ids);
    }
    auto result = vtkSmartPointer<vtkPolyData>::New();
    result->SetPoints(points);
    result->SetPolys(triangles);
    result->GetPointData()->SetTCoords(uv);
    return result;
}

// The levels, three shares and one error bound of the model.
std::vector<std::pair<QString, vtkSmartPointer<vtkPolyData>>> ResultsOf(lumeno::Reducer &reducer, vtkPolyData *model)
{
    std::vector<std::pair<QString, vtkSmartPointer<vtkPolyData>>> results;
    const auto levels = testing::MadeLevels(reducer, model);
    for (size_t level = 0; level < levels.size(); ++level)
        results.push_back({QStringLiteral("%1% level").arg(lumeno::DecimationLevels[level].percent), levels[level]});
    for (const double share : {1.0, 0.75, 0.3})
        results.push_back({QStringLiteral("%1 kept").arg(share), reducer.KeepShare(model, share, {})});
    results.push_back({QStringLiteral("within 0.01"), reducer.WithinError(model, 0.01, {})});
    return results;
}

} // namespace

class ReductionOutputsTest : public QObject
{
    Q_OBJECT

private slots:
    void everyResultReadsBackInEveryFormat_data()
    {
        QTest::addColumn<lumeno::ReductionEngine>("engine");
        QTest::addColumn<vtkSmartPointer<vtkPolyData>>("model");
        const vtkSmartPointer<vtkPolyData> sphere = testing::Sphere(24, 24);
        const vtkSmartPointer<vtkPolyData> attributed = testing::WithAttributes(sphere);
        const std::pair<const char *, vtkSmartPointer<vtkPolyData>> models[] = {
            {"sphere with attributes", attributed},
            {"triangles without area", WithTrianglesWithoutArea(attributed, 40)},
            {"unwrapped face by face", UnwrappedFaceByFace(sphere)},
            {"triangles on one edge", testing::TrianglesOnOneEdge(300)},
        };
        for (const lumeno::ReductionEngine engine : {lumeno::ReductionEngine::Quality, lumeno::ReductionEngine::Classic})
            for (const auto &[name, model] : models)
                QTest::addRow("%s, %s", qPrintable(lumeno::EngineKey(engine)), name) << engine << model;
    }

    void everyResultReadsBackInEveryFormat()
    {
        QFETCH(lumeno::ReductionEngine, engine);
        QFETCH(vtkSmartPointer<vtkPolyData>, model);
        const std::unique_ptr<lumeno::Reducer> reducer = lumeno::MakeReducer(engine);
        const auto results = ResultsOf(*reducer, model);
        QVERIFY(results.size() >= 4);
        for (const auto &[what, result] : results) {
            QVERIFY2(result, qPrintable(what));
            if (result->GetNumberOfPolys() == 0)
                continue; // the classic engine may remove all; the callers then write nothing
            for (const QString suffix : {"stl", "ply", "obj", "off", "gltf", "glb", "3mf"}) {
                const QString path = folder.filePath(QStringLiteral("result.") + suffix);
                const lumeno::ModelWriteResult written = lumeno::WriteModelFile(result, path, suffix);
                QVERIFY2(written.written, qPrintable(what + QStringLiteral(": ") + written.error));
                const lumeno::ReadResult read = lumeno::ReadModel(path, suffix);
                const QString context = QStringLiteral("%1 as %2").arg(what, suffix);
                QVERIFY2(read.failure == lumeno::ReadFailure::None,
                         qPrintable(context + QStringLiteral(": ") + lumeno::ReadFailureText(read)));
                QVERIFY2(read.removedDuplicates == 0 && read.untriangulatedPolygons == 0, qPrintable(context));
                QCOMPARE(read.model->GetNumberOfPolys(), result->GetNumberOfPolys());
            }
        }
    }

    // Kept whole, a model is itself to the bit; triangles without area are left out and told.
    void wholeModelIsTheModelItself_data()
    {
        QTest::addColumn<lumeno::ReductionEngine>("engine");
        QTest::addColumn<vtkSmartPointer<vtkPolyData>>("model");
        QTest::addColumn<int>("leftOut");
        // Off the origin, where the unit box and back would move a coordinate's last bits.
        vtkSmartPointer<vtkPolyData> sphere = testing::Sphere(24, 24);
        vtkPoints *points = sphere->GetPoints();
        for (vtkIdType i = 0; i < points->GetNumberOfPoints(); ++i) {
            double p[3];
            points->GetPoint(i, p);
            points->SetPoint(i, p[0] + 100.1, p[1] * 3.3, p[2] - 7.7);
        }
        const vtkSmartPointer<vtkPolyData> attributed = testing::WithAttributes(sphere);
        for (const lumeno::ReductionEngine engine : {lumeno::ReductionEngine::Quality, lumeno::ReductionEngine::Classic}) {
            const QByteArray key = lumeno::EngineKey(engine).toUtf8();
            QTest::addRow("%s, with attributes", key.data()) << engine << attributed << 0;
            QTest::addRow("%s, triangles without area", key.data())
                << engine << WithTrianglesWithoutArea(attributed, 40) << 40;
        }
    }

    void wholeModelIsTheModelItself()
    {
        QFETCH(lumeno::ReductionEngine, engine);
        QFETCH(vtkSmartPointer<vtkPolyData>, model);
        QFETCH(int, leftOut);
        const std::unique_ptr<lumeno::Reducer> reducer = lumeno::MakeReducer(engine);
        const vtkSmartPointer<vtkPolyData> whole = reducer->KeepShare(model, 1.0, {});
        QVERIFY(whole);
        QCOMPARE(vtkIdType(reducer->LeftOut().Total()), vtkIdType(leftOut));
        QCOMPARE(whole->GetNumberOfPolys(), model->GetNumberOfPolys() - leftOut);
        QCOMPARE(whole->GetNumberOfPoints(), model->GetNumberOfPoints());
        for (vtkIdType i = 0; i < model->GetNumberOfPoints(); ++i) {
            std::array<double, 3> was, is;
            model->GetPoint(i, was.data());
            whole->GetPoint(i, is.data());
            QVERIFY2(was == is, qPrintable(QStringLiteral("point %1").arg(i)));
        }
        const std::vector<vtkIdType> was = testing::TriangleCorners(model), is = testing::TriangleCorners(whole);
        QVERIFY(std::equal(is.begin(), is.end(), was.begin())); // those left out come last
        vtkPointData *data = model->GetPointData();
        QCOMPARE(whole->GetPointData()->GetNormals(), data->GetNormals());
        QCOMPARE(whole->GetPointData()->GetTCoords(), data->GetTCoords());
        QCOMPARE(whole->GetPointData()->GetScalars(), data->GetScalars());
    }

private:
    QTemporaryDir folder;
};

LUMENO_CORE_TEST_MAIN(ReductionOutputsTest)
#include "test_reduction_outputs.moc"
