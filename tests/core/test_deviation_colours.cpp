// Each point's distance to the loaded model, the colours they are drawn and written in, and the
// writers' colour set of them: the one place where a level differs shows the largest colour.
#include "GltfFiles.h"
#include "LiftedGrid.h"
#include "TestSupport.h"

#include "io/read/ModelReader.h"
#include "io/write/ModelWriter.h"
#include "measure/SurfaceDeviation.h"
#include "model/DeviationColours.h"
#include "model/PointAttributes.h"


#include <vtkPointData.h>
#include <vtkUnsignedCharArray.h>

#include <cmath>

Q_DECLARE_METATYPE(lumeno::Rgb8)

namespace {

using lumeno::DeviationColour;
using lumeno::Rgb8;

const Rgb8 None = DeviationColour(0.0);
const Rgb8 Largest = DeviationColour(1.0);

Rgb8 ColourOf(vtkUnsignedCharArray *colours, vtkIdType point)
{
    const unsigned char *c = colours->GetPointer(3 * point);
    return {c[0], c[1], c[2]};
}

// The grid of LiftedGrid with points of its own colour, and its deviation colours beside them.
vtkSmartPointer<vtkPolyData> WithBothColourSets(vtkPolyData *level, const std::vector<float> &distances, bool own)
{
    auto model = vtkSmartPointer<vtkPolyData>::New();
    model->ShallowCopy(level);
    if (own) {
        auto colours = vtkSmartPointer<vtkUnsignedCharArray>::New();
        colours->SetName("RGB");
        colours->SetNumberOfComponents(3);
        for (vtkIdType i = 0; i < model->GetNumberOfPoints(); ++i)
            colours->InsertNextTuple3(0, 160, 0);
        model->GetPointData()->SetScalars(colours);
    }
    model->GetPointData()->AddArray(lumeno::DeviationColourArray(distances, lumeno::LargestDistance(distances, {})));
    return model;
}

} // namespace

class TestDeviationColours : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { testing::IsolateEnvironment(); }

    // Only the lifted point lies off the flat model, by its height; shares of the diagonal
    // at any size of the model.
    void thePlaceThatDiffersHasTheLargestColour_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("lifted");
        QTest::addColumn<double>("height"); // of the grid's width
        QTest::addColumn<double>("size");
        QTest::newRow("centre of 5 by 5") << 5 << 12 << 0.1 << 1.0;
        QTest::newRow("near a corner of 9 by 9, a kilometre wide") << 9 << 10 << 0.05 << 1000.0;
        QTest::newRow("a thousandth") << 5 << 6 << 0.001 << 1.0;
    }

    void thePlaceThatDiffersHasTheLargestColour()
    {
        QFETCH(int, n);
        QFETCH(int, lifted);
        QFETCH(double, height);
        QFETCH(double, size);
        const lumeno::DeviationMeter meter(testing::LiftedGrid(n, size));
        const vtkSmartPointer<vtkPolyData> level = testing::LiftedGrid(n, size, lifted, height * size);
        const std::vector<float> distances = meter.PointDistances(level);
        QCOMPARE(distances.size(), size_t(n * n));
        const double expected = height / std::sqrt(2.0); // the flat grid's diagonal is √2 widths
        QVERIFY2(std::abs(distances[size_t(lifted)] - expected) < 1e-6 * expected + 1e-7,
                 qPrintable(QString::number(distances[size_t(lifted)])));
        const lumeno::SurfaceDeviation deviation = meter.Measure(level);
        const double largest = lumeno::LargestDistance(distances, deviation);
        QVERIFY(largest >= deviation.maximum && std::abs(largest - distances[size_t(lifted)]) < 1e-6);
        const vtkSmartPointer<vtkUnsignedCharArray> colours = lumeno::DeviationColourArray(distances, largest);
        QCOMPARE(colours->GetNumberOfTuples(), vtkIdType(n * n));
        for (vtkIdType point = 0; point < n * n; ++point) {
            QVERIFY2(point == lifted || distances[size_t(point)] < 1e-7, qPrintable(QString::number(point)));
            QCOMPARE(ColourOf(colours, point), point == lifted ? Largest : None);
        }
    }

    // Nothing to measure: no triangles in the model or in the reference, or a reference of no extent.
    void withoutTrianglesThereAreNoDistances()
    {
        QVERIFY(lumeno::DeviationMeter(testing::LiftedGrid(3, 1.0)).PointDistances(vtkNew<vtkPolyData>()).empty());
        QVERIFY(lumeno::DeviationMeter(vtkNew<vtkPolyData>()).PointDistances(testing::LiftedGrid(3, 1.0)).empty());
        QVERIFY(lumeno::DeviationMeter(testing::LiftedGrid(3, 0.0)).PointDistances(testing::LiftedGrid(3, 1.0)).empty());
    }

    void theRampRunsFromNoneToTheLargest_data()
    {
        QTest::addColumn<double>("fraction");
        QTest::addColumn<Rgb8>("colour");
        QTest::newRow("none") << 0.0 << Rgb8{49, 54, 149};
        QTest::newRow("below none") << -0.5 << Rgb8{49, 54, 149};
        QTest::newRow("not a number") << std::nan("") << Rgb8{49, 54, 149};
        QTest::newRow("between stops") << 0.125 << Rgb8{83, 114, 179};
        QTest::newRow("beyond the largest") << 3.0 << Rgb8{165, 0, 38};
    }

    void theRampRunsFromNoneToTheLargest()
    {
        QFETCH(double, fraction);
        QFETCH(Rgb8, colour);
        QCOMPARE(DeviationColour(fraction), colour);
    }

    // Deviation colours beside the model's own are a set of their own; without own colours they
    // are the model's colours; PLY, GLB and glTF alike.
    void writersKeepTheDeviationColours_data()
    {
        QTest::addColumn<QString>("suffix");
        QTest::addColumn<bool>("own");
        for (const char *suffix : {"ply", "glb", "gltf"})
            for (bool own : {true, false})
                QTest::addRow("%s, %s", suffix, own ? "beside the model's colours" : "as its colours")
                    << QString::fromLatin1(suffix) << own;
    }

    void writersKeepTheDeviationColours()
    {
        QFETCH(QString, suffix);
        QFETCH(bool, own);
        const lumeno::DeviationMeter meter(testing::LiftedGrid(5, 1.0));
        const vtkSmartPointer<vtkPolyData> level = testing::LiftedGrid(5, 1.0, 12, 0.1);
        const vtkSmartPointer<vtkPolyData> model = WithBothColourSets(level, meter.PointDistances(level), own);
        const QString path = testing::ScratchFile(QStringLiteral("coloured.") + suffix);
        QVERIFY(lumeno::WriteModelFile(model, path, suffix).written);
        const QByteArray file = testing::Contents(path);
        if (suffix == "ply") {
            QCOMPARE(file.contains("property uchar deviation_red\n"), own);
            QCOMPARE(file.count("property uchar red\n"), 1);
        } else if (suffix == "glb") {
            const QJsonValue mesh = testing::GltfJson(file).value(QLatin1String("meshes"))[0];
            const QJsonObject attributes = mesh[QLatin1String("primitives")][0][QLatin1String("attributes")].toObject();
            QCOMPARE(attributes.contains("COLOR_1"), own);
            QVERIFY(attributes.contains("COLOR_0"));
        } else {
            QCOMPARE(file.contains("\"COLOR_1\""), own);
        }
        // Read back, the model's own colours, or the deviation colours when it had none.
        const vtkSmartPointer<vtkPolyData> read = lumeno::ReadModel(path, suffix).model;
        QVERIFY(read && lumeno::AttributesOf(read).colours);
        auto *colours = vtkUnsignedCharArray::SafeDownCast(read->GetPointData()->GetScalars());
        QCOMPARE(colours->GetNumberOfTuples(), vtkIdType(25));
        const int components = colours->GetNumberOfComponents();
        for (vtkIdType point = 0; point < 25; ++point) {
            double at[3];
            read->GetPoint(point, at);
            const unsigned char *c = colours->GetPointer(point * components);
            const Rgb8 drawn{c[0], c[1], c[2]};
            const Rgb8 expected = own ? Rgb8{0, 160, 0} : at[2] > 0.05 ? Largest : None;
            QCOMPARE(drawn, expected);
        }
    }
};

LUMENO_CORE_TEST_MAIN(TestDeviationColours)
#include "test_deviation_colours.moc"
