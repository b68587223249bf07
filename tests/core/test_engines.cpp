// The two reduction engines on small models built here: shares, error bounds, level order and
// the quality engine's advantage, measured as the window measures it.
#include "TestSupport.h"

#include "mesh/DecimationLevels.h"
#include "mesh/QualitySimplifier.h"
#include "mesh/ReductionEngine.h"
#include "mesh/SurfaceDeviation.h"

#include <vtkDecimatePro.h>
#include <vtkPointData.h>
#include <vtkTransform.h>
#include <vtkTransformPolyDataFilter.h>

using lumeno::ReductionEngine;

Q_DECLARE_METATYPE(ReductionEngine)

namespace {

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

class TestEngines : public QObject
{
    Q_OBJECT

    vtkSmartPointer<vtkPolyData> model = BumpySphere();

private slots:
    void engineKeysRoundTrip()
    {
        for (ReductionEngine engine : {ReductionEngine::Classic, ReductionEngine::Quality})
            QCOMPARE(lumeno::EngineFromKey(lumeno::EngineKey(engine)), engine);
        QVERIFY(!lumeno::EngineFromKey(QStringLiteral("Quality")));
    }

    // Each level keeps its nominal share, in level order; the quality engine's 10 % level is closer to the model.
    void levelsKeepTheirShare_data()
    {
        QTest::addColumn<ReductionEngine>("engine");
        QTest::newRow("classic") << ReductionEngine::Classic;
        QTest::newRow("quality") << ReductionEngine::Quality;
    }

    void levelsKeepTheirShare()
    {
        QFETCH(ReductionEngine, engine);
        const double triangles = model->GetNumberOfPolys();
        QList<int> order;
        lumeno::CascadeObserver observer;
        observer.stepFinished = [&](int step, const vtkSmartPointer<vtkPolyData> &level) {
            order << step;
            const double nominal = lumeno::DecimationCascade[step].percent / 100.0;
            return std::abs(level->GetNumberOfPolys() / triangles - nominal) < 0.02;
        };
        vtkNew<vtkDecimatePro> decimator;
        QCOMPARE(lumeno::RunLevels(engine, decimator, model, observer), lumeno::LevelCount);
        QCOMPARE(order, (QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8}));
    }

    void qualityIsCloserAtTenPercent()
    {
        vtkNew<vtkDecimatePro> decimator;
        const auto classic = lumeno::MeasureDeviation(
            model, lumeno::ReduceByShare(ReductionEngine::Classic, decimator, model, 0.9));
        const auto quality = lumeno::MeasureDeviation(
            model, lumeno::ReduceByShare(ReductionEngine::Quality, decimator, model, 0.9));
        qInfo("mean deviation at 10 %%: classic %g, quality %g; max %g, %g", classic.mean, quality.mean,
              classic.maximum, quality.maximum);
        QVERIFY(quality.mean < classic.mean);
        QVERIFY(quality.maximum < classic.maximum);
    }

    // The quality engine stops at the error bound: what it reports, and what is measured, stays within it.
    void qualityStopsAtTheErrorBound()
    {
        const lumeno::QualitySimplifier simplifier(model);
        for (double bound : {0.001, 0.01}) {
            double reported = -1;
            const vtkSmartPointer<vtkPolyData> reduced = simplifier.WithinError(bound, &reported);
            QVERIFY(reduced && reduced->GetNumberOfPolys() < model->GetNumberOfPolys());
            const auto measured = lumeno::MeasureDeviation(model, reduced);
            qInfo("bound %g: reported %g, measured max %g", bound, reported, measured.maximum);
            QVERIFY(reported <= bound);
            QVERIFY(measured.maximum <= bound);
        }
    }

    // Welded STL corners, a model far from the origin and huge: the same result as at home.
    void scaleAndPlaceDoNotMatter()
    {
        vtkNew<vtkTransform> far;
        far->Translate(1e6, -2e6, 3e6);
        far->Scale(1e5, 1e5, 1e5);
        vtkNew<vtkTransformPolyDataFilter> move;
        move->SetTransform(far);
        move->SetInputData(model);
        move->Update();
        const vtkIdType here = lumeno::QualitySimplifier(model).KeepShare(0.2)->GetNumberOfPolys();
        const vtkIdType there = lumeno::QualitySimplifier(move->GetOutput()).KeepShare(0.2)->GetNumberOfPolys();
        QVERIFY(std::abs(here - there) <= here / 100);
    }
};

LUMENO_CORE_TEST_MAIN(TestEngines)
#include "test_engines.moc"
