// What the window shows besides the models' numbers: models of any size framed in both views, the
// points' own colours and what they carry, and percentages that keep two digits.
#include "AppSupport.h"

#include "DualView.h"
#include "PercentText.h"
#include "io/write/LevelSizes.h"
#include "settings/ReductionMethod.h"

#include <QVTKOpenGLNativeWidget.h>

#include <vtkPointData.h>
#include <vtkPolyDataMapper.h>
#include <vtkRenderWindow.h>

#include <cmath>

namespace {

bool IsBlue(const QColor &colour)
{
    return colour.blue() > colour.red() + 60 && colour.blue() > colour.green() + 60;
}

// The model (drawn blue) fills the middle of both views, and the background shows at the corners.
QString Unframed(MainWindow &window)
{
    QStringList faults;
    for (auto *view : window.findChildren<QVTKOpenGLNativeWidget *>()) {
        view->renderWindow()->Render();
        const QImage image = view->grabFramebuffer();
        const int w = image.width(), h = image.height();
        const QPoint middle(w / 2, h / 2);
        // Away from the panel in the upper left corner and the axes in the lower left one.
        const QList<QPoint> corners{{w - 3, 3}, {w - 3, h - 3}};
        if (!IsBlue(image.pixelColor(middle)))
            faults << view->objectName() + QStringLiteral(" middle ") + image.pixelColor(middle).name();
        for (const QPoint &corner : corners)
            if (IsBlue(image.pixelColor(corner)))
                faults << view->objectName() + QStringLiteral(" corner ") + image.pixelColor(corner).name();
    }
    return faults.join(QStringLiteral(", "));
}

} // namespace

class TestDisplay : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        for (const auto &[key, value] :
             {std::pair{"modelRed", 0.0}, std::pair{"modelGreen", 0.0}, std::pair{"modelBlue", 1.0}})
            QSettings().setValue(QLatin1String(key), value);
    }

    void cleanup() { QSettings().clear(); }

    // Each model is framed whatever the size and place of the one before it, and so is the next.
    void everyModelIsFramed_data()
    {
        QTest::addColumn<double>("factor");
        QTest::addColumn<double>("offset");
        QTest::newRow("1e-30 across") << 1e-30 << 0.0;
        QTest::newRow("1e-12 across, 1e-9 from the origin") << 1e-12 << 1e-9;
        QTest::newRow("1e30 across") << 1e30 << 0.0;
        QTest::newRow("1 across, 1e7 from the origin") << 1.0 << 1e7;
    }

    void everyModelIsFramed()
    {
        QFETCH(double, factor);
        QFETCH(double, offset);
        MainWindow window;
        QVERIFY(testing::Show(window));
        const QString normal = testing::ScratchFile("normal.stl");
        QVERIFY(testing::LoadIntoWindow(window, testing::Sphere(), normal));
        QTRY_COMPARE(Unframed(window), QString());
        QVERIFY(testing::LoadIntoWindow(window, testing::Placed(testing::Sphere(), factor, offset, offset, offset),
                                        testing::ScratchFile("placed.stl")));
        QTRY_COMPARE(Unframed(window), QString());
        // The numbers stay those of the model as read.
        const double *bounds = window.Document().LoadedModel()->GetBounds();
        QVERIFY2(std::abs((bounds[1] - bounds[0]) / (2 * factor) - 1) < 0.01, // a tessellated sphere of radius 1
                 qPrintable(QString::number(bounds[1] - bounds[0])));
        window.LoadModel(normal);
        QVERIFY(testing::WaitForCascade(window));
        QTRY_COMPARE(Unframed(window), QString());
    }

    // The points' own colours in both views, whatever the right one shows, in every display mode;
    // the panels and the level buttons count what the points carry. (What a save loses: test_messages.)
    void pointAttributesAreShownAndCounted()
    {
        StoreReductionEngine(lumeno::ReductionEngine::Classic); // keeps the points' data on main too
        const QString painted = testing::ScratchFile("painted.ply");
        MainWindow window;
        QVERIFY(testing::Show(window));
        QVERIFY(testing::LoadPainted(window, painted));
        const DualView &view = window.View();
        const auto drawsPointColours = [](vtkActor *actor) {
            auto *mapper = vtkPolyDataMapper::SafeDownCast(actor->GetMapper());
            return mapper->GetScalarVisibility() && mapper->GetColorMode() == VTK_COLOR_MODE_DIRECT_SCALARS &&
                   mapper->GetScalarMode() == VTK_SCALAR_MODE_USE_POINT_DATA &&
                   mapper->GetInput()->GetPointData()->GetScalars();
        };
        QVERIFY(drawsPointColours(view.OriginalActor()));
        const QString all = QStringLiteral("With vertex colours, normals and texture coordinates");
        QCOMPARE(view.OriginalPanelNote(), all);
        QCOMPARE(testing::LevelAction(window, 100)->text(), lumeno::FileSizeText(QFileInfo(painted).size()));

        testing::LevelAction(window, 50)->trigger();
        QCOMPARE(view.DecimatedActor()->GetMapper()->GetInput(), window.Document().LevelOf(50).model.Get());
        for (int mode = 0; mode < 3; ++mode) {
            QVERIFY(drawsPointColours(view.DecimatedActor()));
            // Green from the points, not the blue of the preferences.
            const QImage image = testing::Grab(window, "vtkDecimatedWindow");
            const QColor middle = image.pixelColor(image.width() / 2, image.height() / 2);
            QVERIFY2(mode > 0 || (!IsBlue(middle) && middle.green() > middle.blue()), qPrintable(middle.name()));
            window.View().CycleRepresentation();
        }
        testing::Action(window, QStringLiteral("actionSmooth"))->trigger();
        QVERIFY(testing::WaitForMeshJob(window));
        QVERIFY(drawsPointColours(view.DecimatedActor()));
        QVERIFY2(view.DecimatedPanelNote().endsWith(QLatin1Char('\n') + all), qPrintable(view.DecimatedPanelNote()));
    }

    // A model too large to draw in full is drawn by a proxy, and the panel says so; a level
    // small enough is drawn itself.
    void modelsTooLargeToDrawAreDrawnByProxy()
    {
        MainWindow window;
        window.Document().DrawProxiesAbove(600);
        QVERIFY(testing::Show(window));
        QVERIFY(testing::LoadIntoWindow(window, testing::Sphere(), testing::ScratchFile("large.stl")));
        const DualView &view = window.View();
        vtkPolyData *loaded = window.Document().LoadedModel();
        auto *drawn = vtkPolyData::SafeDownCast(view.OriginalActor()->GetMapper()->GetInput());
        QVERIFY(drawn && drawn != loaded && drawn->GetNumberOfPolys() <= 600 && drawn->GetPoints() == loaded->GetPoints());
        QVERIFY2(view.OriginalPanelNote().startsWith(QStringLiteral("Drawn simplified to ")),
                 qPrintable(view.OriginalPanelNote()));
        testing::LevelAction(window, 20)->trigger();
        QCOMPARE(view.DecimatedActor()->GetMapper()->GetInput(), window.Document().LevelOf(20).model.Get());
        QVERIFY(!view.DecimatedPanelNote().contains(QStringLiteral("Drawn simplified")));
    }

    // A panel's big label leaves room before its counts, however many digits they have.
    void percentagesKeepTwoDigits_data()
    {
        QTest::addColumn<double>("percent");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << 0.0 << "en_US" << "0.00";
        QTest::newRow("below what is measured") << 0.00005 << "en_US" << "< 0.0001";
        QTest::newRow("rounding up to the next decade") << 0.0996 << "en_US" << "0.10";
        QTest::newRow("12.3456, two decimals stay") << 12.3456 << "en_US" << "12.35";
        QTest::newRow("German decimal comma") << 0.0005 << "de_DE" << "0,00050";
    }

    void percentagesKeepTwoDigits()
    {
        QFETCH(double, percent);
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QCOMPARE(PercentText(percent, QLocale(locale)), text);
    }
};

LUMENO_TEST_MAIN(TestDisplay)
#include "test_display.moc"
