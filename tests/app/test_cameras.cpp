// The view commands of the bottom toolbar (presets, Zoom, display mode) and the right camera
// following the left one after every drag and wheel step.
#include "TestSupport.h"

#include "MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QSettings>
#include <QVTKOpenGLNativeWidget.h>
#include <QWheelEvent>

#include <vtkActor.h>
#include <vtkCamera.h>
#include <vtkMath.h>
#include <vtkPolyData.h>
#include <vtkProperty.h>
#include <vtkRenderer.h>
#include <vtkTransform.h>
#include <vtkTransformPolyDataFilter.h>

namespace {

const double ModelCentre[3] = {100.0, -50.0, 30.0};

QVTKOpenGLNativeWidget *View(MainWindow &window, const char *name)
{
    return window.findChild<QVTKOpenGLNativeWidget *>(QString::fromLatin1(name));
}

QAction *Action(MainWindow &window, const char *name)
{
    return window.findChild<QAction *>(QString::fromLatin1(name));
}

// A sphere of radius 1 around ModelCentre, written as a binary STL in the sandbox.
QString WriteFarSphere(const QString &name, double scale = 1.0)
{
    auto transform = vtkSmartPointer<vtkTransform>::New();
    transform->Translate(ModelCentre);
    transform->Scale(scale, scale, scale);
    auto filter = vtkSmartPointer<vtkTransformPolyDataFilter>::New();
    filter->SetInputData(testing::Sphere(24, 24));
    filter->SetTransform(transform);
    filter->Update();
    const QString path = testing::SandboxPath() + QLatin1Char('/') + name;
    return testing::WriteModel(filter->GetOutput(), path) ? path : QString();
}

// Loads a model and waits until its levels are computed, so that nothing moves afterwards.
bool Load(MainWindow &window, const QString &path)
{
    window.LoadModel(path, QStringLiteral("stl"));
    return window.ActorOriginal() && testing::WaitUntil([&] { return !window.IsCascadeRunning(); });
}

// Pixels brighter than the black background in the middle of a view (away from the info
// panel and the axes marker): the model's lit surface.
int ModelPixels(MainWindow &window, const char *view)
{
    const QImage image = testing::Grab(View(window, view));
    int count = 0;
    for (int y = image.height() / 5; y < image.height() * 4 / 5; y += 2)
        for (int x = image.width() / 5; x < image.width() * 4 / 5; x += 2)
            if (qGray(image.pixel(x, y)) > 40)
                ++count;
    return count;
}

QImage IconImage(const QIcon &icon)
{
    return icon.pixmap(QSize(18, 18)).toImage().convertToFormat(QImage::Format_ARGB32);
}

bool Same(const double *a, const double *b, double tolerance = 1e-6)
{
    for (int i = 0; i < 3; ++i)
        if (qAbs(a[i] - b[i]) > tolerance * qMax(1.0, qAbs(a[i])))
            return false;
    return true;
}

QString Text(const double *v)
{
    return QStringLiteral("(%1, %2, %3)").arg(v[0]).arg(v[1]).arg(v[2]);
}

void VerifySameViewpoint(vtkCamera *left, vtkCamera *right)
{
    QVERIFY2(Same(right->GetPosition(), left->GetPosition()),
             qPrintable(Text(right->GetPosition()) + QStringLiteral(" vs ") + Text(left->GetPosition())));
    QVERIFY2(Same(right->GetFocalPoint(), left->GetFocalPoint()),
             qPrintable(Text(right->GetFocalPoint()) + QStringLiteral(" vs ") + Text(left->GetFocalPoint())));
    QVERIFY2(qAbs(right->GetRoll() - left->GetRoll()) < 1e-6,
             qPrintable(QStringLiteral("roll %1 vs %2").arg(right->GetRoll()).arg(left->GetRoll())));
}

// A left-button drag over the widget, in a few steps.
void Drag(QWidget *view, QPoint from, QPoint to, const std::function<void()> &beforeRelease = {})
{
    QTest::mousePress(view, Qt::LeftButton, Qt::NoModifier, from);
    for (int step = 1; step <= 5; ++step) {
        const QPoint at = from + (to - from) * step / 5;
        QMouseEvent move(QEvent::MouseMove, at, view->mapToGlobal(at), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(view, &move);
        QTest::qWait(10);
    }
    if (beforeRelease)
        beforeRelease();
    QTest::mouseRelease(view, Qt::LeftButton, Qt::NoModifier, to);
}

void WheelStep(QWidget *view, int delta)
{
    const QPoint at = view->rect().center();
    QWheelEvent wheel(at, view->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(view, &wheel);
}

struct Positions {
    double position[3];
    double focalPoint[3];
};

Positions Snapshot(vtkCamera *camera)
{
    Positions p;
    camera->GetPosition(p.position);
    camera->GetFocalPoint(p.focalPoint);
    return p;
}

} // namespace

class TestCameras : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QSettings settings;
        settings.clear();
        // A black background makes the white, lit model easy to find in the pixels.
        for (const char *key : {"backgroundTopRed", "backgroundTopGreen", "backgroundTopBlue", "backgroundBottomRed",
                                "backgroundBottomGreen", "backgroundBottomBlue"})
            settings.setValue(QString::fromLatin1(key), 0.0);
    }
    void cleanup() { QSettings().clear(); }

    void presetsLookAlongTheirAxesAndFrameTheModel_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QVector<double>>("direction"); // from the camera to the focal point
        QTest::addColumn<QVector<double>>("viewUp");
        QTest::newRow("front") << QStringLiteral("actionFront") << QVector<double>{0, 1, 0} << QVector<double>{0, 0, 1};
        QTest::newRow("side") << QStringLiteral("actionSide") << QVector<double>{1, 0, 0} << QVector<double>{0, 0, 1};
        QTest::newRow("top") << QStringLiteral("actionTop") << QVector<double>{0, 0, -1} << QVector<double>{0, 1, 0};
        QTest::newRow("perspective") << QStringLiteral("actionPers") << QVector<double>{-1, 1, -1}
                                     << QVector<double>{0, 0, 1};
    }

    void presetsLookAlongTheirAxesAndFrameTheModel()
    {
        QFETCH(QString, action);
        QFETCH(QVector<double>, direction);
        QFETCH(QVector<double>, viewUp);
        vtkMath::Normalize(direction.data());

        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(Load(window, WriteFarSphere(QStringLiteral("far.stl"))));
        // Start from an unrelated, off-centre viewpoint.
        for (vtkRenderer *renderer : {window.RendererOriginal(), window.RendererDecimated()}) {
            renderer->GetActiveCamera()->Azimuth(37);
            renderer->GetActiveCamera()->Elevation(21);
            renderer->GetActiveCamera()->SetFocalPoint(90, -40, 25);
        }

        window.findChild<QAction *>(action)->trigger();

        for (vtkRenderer *renderer : {window.RendererOriginal(), window.RendererDecimated()}) {
            vtkCamera *camera = renderer->GetActiveCamera();
            double seen[3];
            camera->GetDirectionOfProjection(seen);
            QVERIFY2(Same(seen, direction.data(), 1e-6), qPrintable(Text(seen)));
            QVERIFY2(Same(camera->GetViewUp(), viewUp.data(), 1e-6), qPrintable(Text(camera->GetViewUp())));
            // The camera reset centres the model, however far from the origin it lies.
            QVERIFY2(Same(camera->GetFocalPoint(), ModelCentre, 1e-3), qPrintable(Text(camera->GetFocalPoint())));
        }
        for (const char *view : {"vtkOriginalWindow", "vtkDecimatedWindow"}) {
            const QImage image = testing::Grab(View(window, view));
            QVERIFY2(qGray(image.pixel(image.width() / 2, image.height() / 2)) > 40, view);
        }
    }

    void presetsSetTheDirectionEvenWithoutAModel()
    {
        MainWindow window;
        Action(window, "actionTop")->trigger();
        const double down[3] = {0, 0, -1};
        const double north[3] = {0, 1, 0};
        for (vtkRenderer *renderer : {window.RendererOriginal(), window.RendererDecimated()}) {
            double seen[3];
            renderer->GetActiveCamera()->GetDirectionOfProjection(seen);
            QVERIFY2(Same(seen, down), qPrintable(Text(seen)));
            QVERIFY(Same(renderer->GetActiveCamera()->GetViewUp(), north));
        }
    }

    void zoomFramesBothModelsAgainKeepingTheDirection()
    {
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(Load(window, WriteFarSphere(QStringLiteral("zoom.stl"))));
        const int framed = ModelPixels(window, "vtkOriginalWindow");
        QVERIFY(framed > 100);

        for (vtkRenderer *renderer : {window.RendererOriginal(), window.RendererDecimated()}) {
            renderer->GetActiveCamera()->Dolly(0.05); // far away: the model shrinks to a few pixels
            renderer->GetActiveCamera()->SetFocalPoint(103, -50, 30);
            renderer->ResetCameraClippingRange();
        }
        double before[3];
        window.RendererOriginal()->GetActiveCamera()->GetDirectionOfProjection(before);
        for (const char *view : {"vtkOriginalWindow", "vtkDecimatedWindow"})
            QVERIFY2(ModelPixels(window, view) < framed / 10, view);

        Action(window, "actionZoom")->trigger();
        for (const char *view : {"vtkOriginalWindow", "vtkDecimatedWindow"})
            QVERIFY2(ModelPixels(window, view) > framed / 2, view);
        for (vtkRenderer *renderer : {window.RendererOriginal(), window.RendererDecimated()}) {
            double after[3];
            renderer->GetActiveCamera()->GetDirectionOfProjection(after);
            QVERIFY(Same(renderer->GetActiveCamera()->GetFocalPoint(), ModelCentre, 1e-3));
            QVERIFY2(Same(after, before, 1e-3), qPrintable(Text(after)));
        }
    }

    void displayModeCyclesPointsWireframeSurface()
    {
        MainWindow window;
        QAction *mode = Action(window, "actionDisplayMode");
        const QImage startIcon = IconImage(mode->icon());
        QCOMPARE(startIcon, IconImage(QIcon(QStringLiteral(":/ToolbarIcons/ICO_DISPLAY_RENDER.png"))));
        mode->trigger(); // nothing loaded: nothing changes
        QCOMPARE(IconImage(mode->icon()), startIcon);

        QVERIFY(Load(window, WriteFarSphere(QStringLiteral("mode.stl"))));
        const std::pair<int, const char *> cycle[] = {{VTK_POINTS, ":/ToolbarIcons/display_points"},
                                                      {VTK_WIREFRAME, ":/ToolbarIcons/display_wireframe"},
                                                      {VTK_SURFACE, ":/ToolbarIcons/display_shaded"},
                                                      {VTK_POINTS, ":/ToolbarIcons/display_points"}};
        for (auto [representation, icon] : cycle) {
            mode->trigger();
            QCOMPARE(window.ActorOriginal()->GetProperty()->GetRepresentation(), representation);
            QCOMPARE(window.ActorDecimated()->GetProperty()->GetRepresentation(), representation);
            QVERIFY2(IconImage(mode->icon()) == IconImage(QIcon(QString::fromLatin1(icon))), icon);
        }
    }

    void aModelLoadedWhilePointsAreShownAppearsAsASurface()
    {
        MainWindow window;
        QAction *mode = Action(window, "actionDisplayMode");
        QVERIFY(Load(window, WriteFarSphere(QStringLiteral("first.stl"))));
        mode->trigger();
        QCOMPARE(window.ActorOriginal()->GetProperty()->GetRepresentation(), VTK_POINTS);

        QVERIFY(Load(window, WriteFarSphere(QStringLiteral("second.stl"), 2.0)));
        QCOMPARE(window.ActorOriginal()->GetProperty()->GetRepresentation(), VTK_SURFACE);
        QCOMPARE(window.ActorDecimated()->GetProperty()->GetRepresentation(), VTK_SURFACE);
        QCOMPARE(IconImage(mode->icon()), IconImage(QIcon(QStringLiteral(":/ToolbarIcons/display_points"))));

        mode->trigger();
        QCOMPARE(window.ActorOriginal()->GetProperty()->GetRepresentation(), VTK_WIREFRAME);
        QCOMPARE(window.ActorDecimated()->GetProperty()->GetRepresentation(), VTK_WIREFRAME);
    }

    void rightViewFollowsADragInTheLeftViewWhenItEnds()
    {
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(Load(window, WriteFarSphere(QStringLiteral("drag.stl"))));
        Action(window, "actionFront")->trigger();

        vtkCamera *left = window.RendererOriginal()->GetActiveCamera();
        vtkCamera *right = window.RendererDecimated()->GetActiveCamera();
        const Positions start = Snapshot(left);
        const Positions rightStart = Snapshot(right);
        QWidget *view = View(window, "vtkOriginalWindow");
        const QPoint centre = view->rect().center();

        bool rightStoodStill = false;
        Drag(view, centre, centre + QPoint(90, 40), [&] {
            // While the button is held the right view keeps its old viewpoint.
            rightStoodStill = Same(right->GetPosition(), rightStart.position);
        });
        QVERIFY(rightStoodStill);
        QVERIFY2(!Same(left->GetPosition(), start.position), "the drag did not turn the left camera");
        QVERIFY(right != left);
        VerifySameViewpoint(left, right);

        // A drag while the camera is rolled: the roll is carried over too.
        left->Roll(30);
        Drag(view, centre, centre + QPoint(-50, 70));
        VerifySameViewpoint(left, right);
    }

    void rightViewFollowsEveryWheelStepInTheLeftView()
    {
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(Load(window, WriteFarSphere(QStringLiteral("wheel.stl"))));
        Action(window, "actionPers")->trigger();

        vtkCamera *left = window.RendererOriginal()->GetActiveCamera();
        vtkCamera *right = window.RendererDecimated()->GetActiveCamera();
        QWidget *view = View(window, "vtkOriginalWindow");
        for (int delta : {120, 120, -120}) {
            const Positions before = Snapshot(left);
            WheelStep(view, delta);
            QVERIFY2(!Same(left->GetPosition(), before.position), "the wheel did not move the left camera");
            VerifySameViewpoint(left, right);
        }
    }
};

LUMENO_TEST_MAIN(TestCameras)
#include "test_cameras.moc"
