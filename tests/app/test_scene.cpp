// The two views: gradient backgrounds, the axes marker, progress and the size labels of the level buttons.
#include "LoadedModel.h"
#include "TestSupport.h"

#include "MainWindow.h"

#include <QAction>
#include <QFileInfo>
#include <QLabel>
#include <QProgressBar>
#include <QSettings>
#include <QToolBar>
#include <QVTKOpenGLNativeWidget.h>

#include <vtkActor2D.h>
#include <vtkActor2DCollection.h>
#include <vtkImageMapper.h>
#include <vtkTextActor.h>

namespace {

QVTKOpenGLNativeWidget *View(MainWindow &window, const char *name)
{
    return window.findChild<QVTKOpenGLNativeWidget *>(QString::fromLatin1(name));
}

bool Near(QColor actual, int r, int g, int b, int tolerance = 6)
{
    return qAbs(actual.red() - r) <= tolerance && qAbs(actual.green() - g) <= tolerance &&
           qAbs(actual.blue() - b) <= tolerance;
}

// A strongly coloured pixel in the lower left fifth: the red, green or blue axes.
bool HasAxesMarker(const QImage &image)
{
    for (int y = image.height() * 4 / 5; y < image.height(); ++y)
        for (int x = 0; x < image.width() / 5; ++x) {
            const QColor c = image.pixelColor(x, y);
            if (qMax(c.red(), qMax(c.green(), c.blue())) - qMin(c.red(), qMin(c.green(), c.blue())) > 80)
                return true;
        }
    return false;
}

// The texts drawn over a view's info panel, top to bottom of the actor list.
QStringList PanelTexts(vtkRenderer *renderer)
{
    QStringList texts;
    vtkActor2DCollection *actors = renderer->GetActors2D();
    actors->InitTraversal();
    while (vtkActor2D *actor = actors->GetNextActor2D())
        if (auto *text = vtkTextActor::SafeDownCast(actor))
            texts << QString::fromUtf8(text->GetInput());
    return texts;
}

// Where the panel picture sits, in VTK display coordinates; (-1, -1) when it is not shown.
QPoint PanelPosition(vtkRenderer *renderer)
{
    vtkActor2DCollection *actors = renderer->GetActors2D();
    actors->InitTraversal();
    while (vtkActor2D *actor = actors->GetNextActor2D())
        if (vtkImageMapper::SafeDownCast(actor->GetMapper())) {
            const double *position = actor->GetPosition();
            return QPoint(int(position[0]), int(position[1]));
        }
    return QPoint(-1, -1);
}

// An OBJ sphere padded with a comment to exactly `bytes` bytes.
QString PaddedObj(const QString &name, qint64 bytes)
{
    const QString path = testing::ScratchFile(name);
    testing::WriteModel(testing::Sphere(16, 16), path);
    QFile file(path);
    file.open(QIODevice::Append);
    const QByteArray line = "# " + QByteArray(77, 'x') + "\n";
    while (bytes - file.size() > 2 * line.size())
        file.write(line);
    const qint64 missing = bytes - file.size() - 2;
    file.write("#" + QByteArray(missing, 'x') + "\n");
    return path;
}

} // namespace

class TestScene : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QSettings().clear(); }

    void defaultGradientRunsFromLightGreyToWhite()
    {
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        for (const char *name : {"vtkOriginalWindow", "vtkDecimatedWindow"}) {
            const QImage image = testing::Grab(View(window, name));
            QVERIFY(!image.isNull());
            const int x = image.width() / 2;
            QVERIFY2(Near(image.pixelColor(x, 1), 230, 230, 230), name);
            QVERIFY2(Near(image.pixelColor(x, image.height() - 2), 255, 255, 255), name);
        }
    }

    void storedColoursAreUsedBeforeAnyModel()
    {
        QSettings settings;
        settings.setValue(QStringLiteral("backgroundTopRed"), 1.0);
        settings.setValue(QStringLiteral("backgroundTopGreen"), 0.0);
        settings.setValue(QStringLiteral("backgroundTopBlue"), 0.0);
        settings.setValue(QStringLiteral("backgroundBottomRed"), 0.0);
        settings.setValue(QStringLiteral("backgroundBottomGreen"), 0.0);
        settings.setValue(QStringLiteral("backgroundBottomBlue"), 1.0);
        settings.sync();

        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        for (const char *name : {"vtkOriginalWindow", "vtkDecimatedWindow"}) {
            const QImage image = testing::Grab(View(window, name));
            const int x = image.width() / 2;
            QVERIFY2(Near(image.pixelColor(x, 1), 255, 0, 0, 12), name);
            QVERIFY2(Near(image.pixelColor(x, image.height() - 2), 0, 0, 255, 12), name);
        }
    }

    void onlyTheLeftViewHasTheAxesMarker()
    {
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(HasAxesMarker(testing::Grab(View(window, "vtkOriginalWindow"))));
        QVERIFY(!HasAxesMarker(testing::Grab(View(window, "vtkDecimatedWindow"))));
    }

    void eachCascadeFactorLabelsItsOwnButton()
    {
        MainWindow window;
        const std::pair<double, int> steps[] = {{0.1, 90},     {0.111111, 80}, {0.125, 70},
                                                {0.14286, 60}, {0.16667, 50},  {0.2, 40},
                                                {0.25, 30},    {0.3333, 20},   {0.5, 10}};
        for (auto [factor, percent] : steps) {
            QAction *action = testing::Action(window, QStringLiteral("actionDecimation%1").arg(percent));
            QVERIFY(!action->isEnabled());
            emit window.ButtonsMustChange(factor);
            QVERIFY2(action->isEnabled(), qPrintable(action->objectName()));
            QCOMPARE(action->text(), QStringLiteral("0MB"));
        }
    }

    void panelsFollowTheTopEdgeOnResize()
    {
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(testing::LoadIntoWindow(window, testing::Sphere(), testing::ScratchFile(QStringLiteral("ball.stl"))));
        emit window.findChild<QAction *>(QStringLiteral("actionDecimation50"))->triggered();

        for (QSize size : {QSize(900, 700), QSize(1200, 900), QSize(700, 500)}) {
            window.resize(size);
            QTest::qWait(50);
            QCoreApplication::processEvents();
            for (auto [viewName, renderer] : {std::pair{"vtkOriginalWindow", window.RendererOriginal()},
                                              std::pair{"vtkDecimatedWindow", window.RendererDecimated()}}) {
                QVTKOpenGLNativeWidget *view = View(window, viewName);
                QCOMPARE(PanelPosition(renderer), QPoint(10, view->height() - 57));
                // The dark panel shows 10 pixels below the view's top edge, left of its texts.
                const QImage image = testing::Grab(view);
                const QColor panel = image.pixelColor(12, 30);
                QVERIFY2(panel.lightness() < 100, viewName);
            }
        }
        QCOMPARE(PanelTexts(window.RendererDecimated()).first(), QStringLiteral("50%"));
    }

    void countsAreGroupedByTheDefaultLocale()
    {
        const QLocale saved;
        for (auto [locale, faces, vertices] :
             {std::tuple{QLocale(QLocale::English, QLocale::UnitedStates), "F 7,936", "V 3,970"},
              std::tuple{QLocale(QLocale::German, QLocale::Germany), "F 7.936", "V 3.970"}}) {
            QLocale::setDefault(locale);
            MainWindow window;
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            QVERIFY(testing::LoadIntoWindow(window, testing::Sphere(64, 64),
                                            testing::ScratchFile(QStringLiteral("round.stl"))));
            QCOMPARE(PanelTexts(window.RendererOriginal()),
                     (QStringList{QStringLiteral("100%"), QString::fromLatin1(faces), QString::fromLatin1(vertices)}));
        }
        QLocale::setDefault(saved);

        MainWindow window;
        QVERIFY(testing::LoadIntoWindow(window, testing::Sphere(8, 8), testing::ScratchFile(QStringLiteral("small.stl"))));
        QCOMPARE(PanelTexts(window.RendererOriginal()).mid(1),
                 (QStringList{QStringLiteral("F 96"), QStringLiteral("V 50")}));
    }

    void buttonLabelsShowTheShareOfTheFileSize()
    {
        MainWindow window;
        const QString path = PaddedObj(QStringLiteral("five.obj"), 5400000);
        QCOMPARE(QFileInfo(path).size(), 5400000);
        window.LoadModel(path, QStringLiteral("obj"));
        QCOMPARE(testing::LevelAction(window, 100)->text(), QStringLiteral("5MB"));
        QVERIFY(testing::WaitForCascade(window));
        const QStringList expected = {QStringLiteral("4.5MB"), QStringLiteral("4MB"), QStringLiteral("3.5MB"),
                                      QStringLiteral("3MB"),   QStringLiteral("2.5MB"), QStringLiteral("2MB"),
                                      QStringLiteral("1.5MB"), QStringLiteral("1MB"), QStringLiteral("0.5MB")};
        for (int i = 0; i < expected.size(); ++i)
            QCOMPARE(testing::LevelAction(window, 90 - 10 * i)->text(), expected[i]);
    }

    void aForeignFactorChangesNothing()
    {
        MainWindow window;
        for (double factor : {0.63, 1.0 / 9.0, 0.0, 1.0, 0.3333333})
            emit window.ButtonsMustChange(factor);
        for (QAction *action : window.findChildren<QAction *>())
            if (action->objectName().startsWith(QLatin1String("actionDecimation"))) {
                QVERIFY2(!action->isEnabled(), qPrintable(action->objectName()));
                QVERIFY(action->text().isEmpty());
            }
    }
};

LUMENO_TEST_MAIN(TestScene)
#include "test_scene.moc"
