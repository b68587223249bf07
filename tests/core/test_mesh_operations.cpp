// Reductions and smoothing at any scale, and the clean-up of polygons and repeated triangles on reading.
#include "TestSupport.h"

#include "io/ModelReader.h"
#include "mesh/Cascade.h"
#include "mesh/LevelSizes.h"
#include "mesh/MeshOperations.h"
#include "mesh/ModelTransform.h"

#include <vtkCellData.h>
#include <vtkDecimatePro.h>
#include <vtkTransform.h>

#include <map>

namespace {

// Triangles of each level of the cascade, then of by-error runs at 0.1, 0.01 and 0.001.
std::vector<vtkIdType> Reductions(vtkPolyData *model)
{
    std::vector<vtkIdType> counts;
    vtkNew<vtkDecimatePro> decimator;
    lumeno::CascadeObserver observer;
    observer.stepFinished = [&counts](int, const vtkSmartPointer<vtkPolyData> &level) {
        counts.push_back(level->GetNumberOfPolys());
        return true;
    };
    lumeno::RunDecimationCascade(decimator, model, observer);
    for (double maxError : {0.1, 0.01, 0.001}) {
        const auto reduced = lumeno::DecimateByError(decimator, model, maxError);
        counts.push_back(reduced ? reduced->GetNumberOfPolys() : -1);
    }
    return counts;
}

} // namespace

class TestMeshOperations : public QObject
{
    Q_OBJECT

private slots:
    // The decimation filter compares squared distances with linear bounds and crashed from a
    // diagonal of about 1e5 on: every reduction must give nearly the same result at any scale.
    void reductionsDoNotDependOnScale()
    {
        const auto model = testing::Sphere(40, 40);
        const std::vector<vtkIdType> expected = Reductions(model);
        QCOMPARE(expected.size(), size_t(lumeno::LevelCount + 3));
        const vtkIdType input = model->GetNumberOfPolys();
        for (int step = 0; step < lumeno::LevelCount; ++step)
            QVERIFY(std::abs(expected[step] - input * lumeno::DecimationCascade[step].percent / 100.0) <= 2);
        for (double factor : {1e-6, 1e5, 1e37}) {
            vtkNew<vtkTransform> scale;
            scale->Scale(factor, factor, factor);
            const auto scaled = lumeno::TransformModel(model, scale);
            const std::vector<vtkIdType> counts = Reductions(scaled);
            QCOMPARE(counts.size(), expected.size());
            for (size_t i = 0; i < counts.size(); ++i)
                QVERIFY2(std::abs(counts[i] - expected[i]) <= expected[i] / 8 + 2,
                         qPrintable(QStringLiteral("scale %1, run %2: %3 triangles, %4 at scale 1")
                                        .arg(factor).arg(i).arg(counts[i]).arg(expected[i])));
            const auto smoothed = lumeno::Smooth(scaled, lumeno::SmoothingIterations);
            QVERIFY(smoothed);
            QCOMPARE(smoothed->GetNumberOfPolys(), input);
            QVERIFY(std::abs(smoothed->GetLength() / factor - model->GetLength()) < 0.05 * model->GetLength());
        }
    }

    // One filter serves every request: no leftover target may cap a by-error run, no leftover
    // error bound a percentage, and the same request gives the same result whatever ran before.
    void repeatedRunsGiveIdenticalResults()
    {
        const auto model = testing::Sphere(100, 42);
        vtkNew<vtkDecimatePro> decimator;
        std::map<double, vtkIdType> first; // by reduction (> 0) or by error (< 0)
        for (double request : {0.9, -0.1, -0.01, -0.001, 0.9, -0.001, -0.1, 0.63, -0.01, 0.63, -0.1}) {
            const auto result = request > 0 ? lumeno::Decimate(decimator, model, request)
                                            : lumeno::DecimateByError(decimator, model, -request);
            QVERIFY(result);
            const auto [known, inserted] = first.emplace(request, result->GetNumberOfPolys());
            QVERIFY2(inserted || known->second == result->GetNumberOfPolys(), qPrintable(QString::number(request)));
        }
        const vtkIdType loaded = model->GetNumberOfPolys();
        QVERIFY(std::abs(first[0.9] - loaded / 10) <= loaded / 50);
        QVERIFY(first[-0.1] < loaded / 2);
        QVERIFY(first[-0.1] <= first[-0.01] && first[-0.01] <= first[-0.001]);
    }

    // A level's button shows its share of the file's size in whole megabytes of 10^6 bytes.
    void levelLabelsShowTheShareOfWholeMegabytes()
    {
        QCOMPARE(lumeno::LevelSizeLabel(lumeno::ModelSizeMB(999999), 1.0), QStringLiteral("0MB"));
        QCOMPARE(lumeno::LevelSizeLabel(lumeno::ModelSizeMB(1000000), 1.0), QStringLiteral("1MB"));
        QCOMPARE(lumeno::LevelSizeLabel(lumeno::ModelSizeMB(2500000), 0.1), QStringLiteral("0.2MB"));
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
        QCOMPARE(counts.size(), size_t(lumeno::LevelCount + 3));
        QVERIFY(counts.front() < triangles);
        for (vtkIdType count : counts)
            QVERIFY(count >= 0); // -1: the run was refused
    }
};

LUMENO_CORE_TEST_MAIN(TestMeshOperations)

#include "test_mesh_operations.moc"
