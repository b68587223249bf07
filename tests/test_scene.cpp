// The two views: gradient backgrounds, the axes marker, progress and the size labels of the level buttons.
#include "TestSupport.h"

#include "MainWindow.h"

#include <QAction>
#include <QLabel>
#include <QProgressBar>
#include <QSettings>
#include <QToolBar>
#include <QVTKOpenGLNativeWidget.h>

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

QAction *Action(MainWindow &window, const QString &name)
{
    return window.findChild<QAction *>(name);
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

    void progressShowsWholePercentsTruncated()
    {
        MainWindow window;
        auto *bar = window.findChild<QProgressBar *>(QStringLiteral("progressBar"));
        QVERIFY(bar->isHidden());
        QVERIFY(bar->isTextVisible());
        SetStatusText(QStringLiteral("Decimating 70%..."));
        for (auto [fraction, shown] : {std::pair{0.999f, 99}, std::pair{1.0f, 100}, std::pair{0.5f, 50}}) {
            decimationProgress = fraction;
            emit window.HasToUpdateProgressBar();
            QCOMPARE(bar->value(), shown);
        }
        QCOMPARE(window.findChild<QToolBar *>(QStringLiteral("bottomToolBar"))->findChild<QLabel *>()->text(),
                 QStringLiteral("Decimating 70%..."));
        SetStatusText(QString());
    }

    void eachCascadeFactorLabelsItsOwnButton()
    {
        MainWindow window;
        const std::pair<double, int> steps[] = {{0.1, 90},     {0.111111, 80}, {0.125, 70},
                                                {0.14286, 60}, {0.16667, 50},  {0.2, 40},
                                                {0.25, 30},    {0.3333, 20},   {0.5, 10}};
        for (auto [factor, percent] : steps) {
            QAction *action = Action(window, QStringLiteral("actionDecimation%1").arg(percent));
            QVERIFY(!action->isEnabled());
            emit window.ButtonsMustChange(factor);
            QVERIFY2(action->isEnabled(), qPrintable(action->objectName()));
            QCOMPARE(action->text(), QStringLiteral("0MB"));
        }
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
