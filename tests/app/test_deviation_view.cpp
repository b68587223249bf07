// View ▸ Show deviation: the right view's model in its points' deviation colours, in every
// display mode, the largest colour where the level differs; the legend and the value under
// the mouse; turned off, the view as it was.
#include "AppSupport.h"
#include "LiftedGrid.h"

#include "DeviationPicture.h"
#include "DualView.h"
#include "model/DeviationColours.h"

#include <QAction>
#include <QImage>
#include <QVTKOpenGLNativeWidget.h>

#include <vtkMatrix4x4.h>
#include <vtkRenderWindow.h>
#include <vtkRenderer.h>

#include <cmath>

Q_DECLARE_METATYPE(DualView::Representation)

namespace {

constexpr int Side = 9;                        // points along each side of the grid
constexpr vtkIdType Centre = Side * Side / 2;  // the lifted point, at (0.5, 0.5)
constexpr double Lift = 0.05; // the bump's sides face the light nearly as the grid

QVTKOpenGLNativeWidget *RightWidget(MainWindow &window)
{
    return window.findChild<QVTKOpenGLNativeWidget *>(QStringLiteral("vtkDecimatedWindow"));
}

// Where the model's point (x, y, z) is drawn in the right view: VTK's display position.
std::array<double, 2> DisplayOf(MainWindow &window, const double point[3])
{
    DualView &view = window.View();
    double model[4] = {point[0], point[1], point[2], 1}, placed[4];
    view.DecimatedActor()->GetMatrix()->MultiplyPoint(model, placed);
    vtkRenderer *renderer = view.DecimatedRenderer();
    renderer->SetWorldPoint(placed);
    renderer->WorldToDisplay();
    return {renderer->GetDisplayPoint()[0], renderer->GetDisplayPoint()[1]};
}

QPoint WidgetPositionOf(MainWindow &window, const double point[3])
{
    const std::array<double, 2> display = DisplayOf(window, point);
    return {int(std::lround(display[0])), RightWidget(window)->height() - 1 - int(std::lround(display[1]))};
}

QImage Drawn(MainWindow &window)
{
    RightWidget(window)->renderWindow()->Render();
    return RightWidget(window)->grabFramebuffer();
}

// The largest colour of the ramp, dark red, as lit or not: no other colour of it comes near.
bool LargestColour(const QColor &c)
{
    return c.red() > 100 && c.green() < 45 && c.blue() < 80;
}

} // namespace

class TestDeviationView : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QSettings().clear(); }

    void theLargestColourIsWhereTheLevelDiffers_data()
    {
        QTest::addColumn<DualView::Representation>("mode");
        QTest::newRow("surface") << DualView::Representation::Surface;
        QTest::newRow("points") << DualView::Representation::Points;
        QTest::newRow("wireframe") << DualView::Representation::Wireframe;
    }

    void theLargestColourIsWhereTheLevelDiffers()
    {
        QFETCH(DualView::Representation, mode);
        MainWindow window;
        QVERIFY(testing::Show(window));
        QVERIFY(testing::LoadIntoWindow(window, testing::LiftedGrid(Side, 1.0),
                                        testing::ScratchFile(QStringLiteral("flat.ply"))));
        DualView &view = window.View();
        ModelDocument &document = window.Document();
        while (view.CurrentRepresentation() != mode)
            QVERIFY(view.CycleRepresentation());
        // The level that differs from the model at its centre alone, shown as a result.
        const vtkSmartPointer<vtkPolyData> level = testing::LiftedGrid(Side, 1.0, Centre, Lift);
        document.RestoreResult({level, QStringLiteral("lifted"), {}});
        view.AimCameras(DualView::CameraPreset::Top);
        const QImage plain = Drawn(window);

        QAction *show = testing::Action(window, QStringLiteral("actionShowDeviation"));
        QVERIFY(show->isCheckable());
        show->trigger();
        QVERIFY(document.ShowsDeviation());
        QVERIFY(testing::WaitUntil([&] { return view.Deviation().Picture() != nullptr; }));
        const SharedDeviationPicture picture = view.Deviation().Picture();
        QCOMPARE(picture, document.ShownPicture());
        QVERIFY(!view.DecimatedActor()->GetVisibility());

        // Every pixel in the largest colour lies within a grid step of the lifted point, the
        // legend at the right edge apart; none at the corners.
        const QImage image = Drawn(window);
        if (qEnvironmentVariableIsSet("LUMENO_SAVE_IMAGES"))
            image.save(QStringLiteral("/tmp/deviation-%1.png").arg(int(mode)));
        const double centre[3] = {0.5, 0.5, Lift};
        const std::array<double, 2> lifted = DisplayOf(window, centre);
        const double origin[3] = {0, 0, 0}, corner[3] = {1, 1, 0};
        const double step = std::abs(DisplayOf(window, corner)[0] - DisplayOf(window, origin)[0]) / (Side - 1);
        QVERIFY(step > 10);
        int largest = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width() - 80; ++x) {
                if (!LargestColour(image.pixelColor(x, y)))
                    continue;
                ++largest;
                const double dx = x - lifted[0], dy = (image.height() - 1 - y) - lifted[1];
                QVERIFY2(std::hypot(dx, dy) < step, qPrintable(QStringLiteral("at %1, %2").arg(x).arg(y)));
            }
        QVERIFY(largest > 0);
        const QPoint atOrigin = WidgetPositionOf(window, origin);
        const QColor cornerColour = image.pixelColor(atOrigin.x() + 1, atOrigin.y() - 1);
        QVERIFY2(cornerColour.blue() > cornerColour.red() + 40, qPrintable(cornerColour.name()));

        // The legend from none to the level's largest distance; the value under the mouse.
        QCOMPARE(view.Deviation().LegendText(),
                 QStringList({DeviationLegendTitle(), DeviationLegendValue(picture->largest), DeviationLegendValue(0)})
                     .join(QLatin1Char('\n')));
        QVERIFY(std::abs(picture->largest - Lift / std::sqrt(2.0)) < 1e-6);
        QCOMPARE(view.DeviationTextAt(WidgetPositionOf(window, centre)), DeviationHereText(picture->distances[Centre]));
        const double nearOrigin[3] = {0.02, 0.02, 0};
        QCOMPARE(view.DeviationTextAt(WidgetPositionOf(window, nearOrigin)), DeviationHereText(0.0));
        QCOMPARE(view.DeviationTextAt(QPoint(2, 2)), QString()); // the background

        // The snapshot of the right view is the picture, legend and all.
        const QString shot = testing::ScratchFile(QStringLiteral("shot%1.png").arg(int(mode)));
        QCOMPARE(testing::Run(window, "actionSnapshot", {testing::ChooseFile(shot)}), QStringList());
        const QImage snapshot(testing::ScratchFile(QStringLiteral("shot%1_decimated.png").arg(int(mode))));
        QCOMPARE(snapshot.size(), image.size());
        int largestInShot = 0;
        for (int y = 0; y < snapshot.height(); ++y)
            for (int x = 0; x < snapshot.width(); ++x)
                largestInShot += LargestColour(snapshot.pixelColor(x, y));
        QVERIFY(largestInShot > largest); // the legend's top too

        // Off, the view draws as before it was on.
        show->trigger();
        QVERIFY(!document.ShowsDeviation() && !view.Deviation().Picture());
        QVERIFY(view.Deviation().LegendText().isEmpty());
        QVERIFY(view.DecimatedActor()->GetVisibility());
        QVERIFY(Drawn(window) == plain);
    }

    // A level shown while it is on comes in its colours; another model drops the picture.
    void theLevelsComeInTheirColours()
    {
        MainWindow window;
        QVERIFY(testing::Show(window));
        testing::Action(window, QStringLiteral("actionShowDeviation"))->trigger();
        QVERIFY(testing::LoadIntoWindow(window, testing::Sphere(40, 30), testing::ScratchFile(QStringLiteral("s.stl"))));
        testing::LevelAction(window, 30)->trigger();
        QVERIFY(testing::WaitUntil([&] { return window.View().Deviation().Picture() != nullptr; }));
        QCOMPARE(window.View().Deviation().Picture()->model, window.Document().LevelOf(30).model);
        QVERIFY(window.View().Deviation().Picture()->largest > 0);
        testing::LevelAction(window, 60)->trigger();
        QVERIFY(testing::WaitUntil([&] {
            return window.View().Deviation().Picture() &&
                   window.View().Deviation().Picture()->model == window.Document().LevelOf(60).model;
        }));
    }
};

LUMENO_TEST_MAIN(TestDeviationView)
#include "test_deviation_view.moc"
