// The nine levels computed after a load, the custom and by-error reductions and smoothing as
// the right view shows them, and loads while the levels are computed. (Closing: test_mesh_worker.)
#include "AppSupport.h"

#include "MainWindow.h"
#include "mesh/DecimationLevels.h"
#include "settings/LanguageNames.h"

#include <QInputDialog>
#include <QLabel>
#include <QProgressBar>
#include <QSettings>
#include <QToolBar>
#include <QToolButton>

#include <cmath>

namespace {

QString SphereFile(const QString &name, int theta, int phi)
{
    const QString path = testing::ScratchFile(name);
    if (!QFileInfo::exists(path) && !testing::WriteModel(testing::Sphere(theta, phi), path))
        return QString();
    return path;
}

// Types the value into the input dialog and accepts.
testing::ModalAnswer Type(double value)
{
    return [value](QWidget *modal) {
        auto *dialog = qobject_cast<QInputDialog *>(modal);
        if (!dialog)
            return void(modal->close());
        if (dialog->inputMode() == QInputDialog::IntInput)
            dialog->setIntValue(int(value));
        else
            dialog->setDoubleValue(value);
        dialog->accept();
    };
}

int Shown(MainWindow &window)
{
    return window.ShownModel() ? int(window.ShownModel()->GetNumberOfPolys()) : -1;
}

// Each level button shows close to its nominal share of the loaded model's triangles.
void VerifyLevels(MainWindow &window)
{
    const double loaded = window.LoadedModel()->GetNumberOfPolys();
    double share = 1.0;
    for (const lumeno::DecimationLevel &level : lumeno::DecimationCascade) {
        share *= 1.0 - level.reduction;
        testing::LevelAction(window, level.percent)->trigger();
        QVERIFY2(std::abs(Shown(window) / loaded - share) < 0.02, qPrintable(QString::number(level.percent)));
    }
    testing::LevelAction(window, 100)->trigger();
    QCOMPARE(window.ShownModel(), window.LoadedModel());
}

} // namespace

class TestDecimation : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QSettings().clear(); }

    // With the engine the preferences name ("ReductionMethod"); each level's button tells its deviation.
    void levelsReductionsAndSmoothing_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::newRow("classic") << "classic";
        QTest::newRow("quality") << "quality";
    }

    void levelsReductionsAndSmoothing()
    {
        QFETCH(QString, engine);
        QSettings().setValue(QStringLiteral("ReductionMethod"), engine);
        MainWindow window;
        QVERIFY(testing::Show(window));
        window.LoadModel(SphereFile(QStringLiteral("sphere8k.stl"), 100, 42), QStringLiteral("stl"));
        QVERIFY(testing::WaitForCascade(window));
        VerifyLevels(window);
        QVERIFY(testing::LevelAction(window, 10)->toolTip().contains(QLatin1String("max. deviation")));
        const int loaded = Shown(window);

        QCOMPARE(testing::Run(window, "actionDecimationSet", {Type(37)}), QStringList());
        QVERIFY(testing::WaitForMeshJob(window));
        QVERIFY(std::abs(Shown(window) - loaded * 37 / 100) <= loaded / 50);
        // While a run goes on, the bar and the status both tell of it; afterwards neither does.
        QCOMPARE(testing::Run(window, "actionDecimationByError", {Type(0.01)}), QStringList());
        auto *status = window.findChild<QLabel *>(QStringLiteral("statusLabel"));
        auto *bar = window.findChild<QProgressBar *>(QStringLiteral("progressBar"));
        QVERIFY(bar->isVisible() && status->text() != window.tr("Done"));
        QVERIFY(testing::WaitForMeshJob(window));
        QVERIFY(!bar->isVisible() && status->text() == window.tr("Done"));
        QVERIFY(Shown(window) > 0 && Shown(window) < loaded / 2);
        // The panel tells how far the result lies from the loaded model, the loaded model nothing.
        QVERIFY(window.CurrentNote().startsWith(QLatin1String("max. deviation")));
        testing::LevelAction(window, 100)->trigger();
        QCOMPARE(window.CurrentNote(), QString());

        // Smoothing moves the points of what is shown; choosing the level again undoes it.
        testing::LevelAction(window, 50)->trigger();
        QVERIFY(!window.CurrentNote().isEmpty());
        vtkSmartPointer<vtkPolyData> level = window.ShownModel();
        testing::Action(window, QStringLiteral("actionSmooth"))->trigger();
        QVERIFY(testing::WaitForMeshJob(window));
        vtkPolyData *smoothed = window.ShownModel();
        QVERIFY(smoothed && smoothed != level.Get());
        QCOMPARE(smoothed->GetNumberOfPolys(), level->GetNumberOfPolys());
        QVERIFY(smoothed->GetBounds()[1] < level->GetBounds()[1]);
        testing::LevelAction(window, 50)->trigger();
        QCOMPARE(window.ShownModel(), level.Get());
    }

    // Shares with decimals are kept; the rest is refused with a message and changes nothing.
    void customPercentages_data()
    {
        QTest::addColumn<double>("typed");
        QTest::addColumn<QString>("label"); // empty: refused
        QTest::newRow("decimals") << 37.5 << "37.5%";
        QTest::newRow("lowest") << 0.1 << "0.1%";
        QTest::newRow("highest") << 99.9 << "99.9%";
        QTest::newRow("none") << 0.0 << QString();
        QTest::newRow("below") << 0.05 << QString();
        QTest::newRow("all") << 100.0 << QString();
        QTest::newRow("more than all") << 150.0 << QString();
        QTest::newRow("negative") << -5.0 << QString();
    }

    void customPercentages()
    {
        QFETCH(double, typed);
        QFETCH(QString, label);
        MainWindow window;
        QVERIFY(testing::Show(window));
        window.LoadModel(SphereFile(QStringLiteral("sphere8k.stl"), 100, 42), QStringLiteral("stl"));
        QVERIFY(testing::WaitForCascade(window));
        const double loaded = Shown(window);
        auto texts = std::make_shared<QStringList>();
        testing::Run(window, "actionDecimationSet", {Type(typed), testing::Press(QMessageBox::Ok, texts)});
        if (label.isEmpty()) {
            QCOMPARE(texts->size(), 1);
            QVERIFY2(texts->first().contains(QLatin1String("from 0.1 to 99.9")), qPrintable(texts->first()));
            QVERIFY(!window.IsMeshJobRunning());
            QCOMPARE(window.CurrentLabel(), QStringLiteral("100%"));
            QCOMPARE(window.ShownModel(), window.LoadedModel());
            return;
        }
        QVERIFY(texts->isEmpty());
        QVERIFY(testing::WaitForMeshJob(window));
        QCOMPARE(window.CurrentLabel(), label);
        QVERIFY(std::abs(Shown(window) - loaded * typed / 100) <= loaded / 50 + 2);
    }

    // What the right view says belongs to the model it shows, also after another model is loaded.
    void theRightPanelFollowsANewLoad()
    {
        MainWindow window;
        QVERIFY(testing::Show(window));
        window.LoadModel(SphereFile(QStringLiteral("sphere8k.stl"), 100, 42), QStringLiteral("stl"));
        QVERIFY(testing::WaitForCascade(window));
        testing::LevelAction(window, 10)->trigger();
        QCOMPARE(window.CurrentLabel(), QStringLiteral("10%"));
        window.LoadModel(SphereFile(QStringLiteral("sphere2k.stl"), 40, 30), QStringLiteral("stl"));
        QCOMPARE(window.CurrentLabel(), QStringLiteral("100%"));
        QCOMPARE(window.CurrentNote(), QString());
        QVERIFY(testing::WaitForCascade(window));
        QCOMPARE(window.CurrentLabel(), QStringLiteral("100%"));
        QCOMPARE(window.ShownModel(), window.LoadedModel());
    }

    // At the window's first size every toolbar button is on screen, none behind the extension arrow.
    void everyToolbarActionIsVisibleInEveryLanguage()
    {
        const QString model = SphereFile(QStringLiteral("sphere2k.stl"), 40, 30);
        for (const QString &language : LanguageNames.keys()) {
            QSettings().setValue(QStringLiteral("Language"), language);
            MainWindow window;
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            window.LoadModel(model, QStringLiteral("stl"));
            QVERIFY(testing::WaitForCascade(window));
            for (QToolBar *toolBar : window.findChildren<QToolBar *>()) {
                auto *extension = toolBar->findChild<QToolButton *>(QStringLiteral("qt_toolbar_ext_button"));
                QVERIFY2(!extension || !extension->isVisible(), qPrintable(language + QLatin1Char(' ') + toolBar->objectName()));
                for (QAction *action : toolBar->actions())
                    QVERIFY2(action->isSeparator() || toolBar->widgetForAction(action)->isVisible(),
                             qPrintable(language + QLatin1Char(' ') + action->objectName()));
            }
        }
    }

    // Each new load stops the running cascade; nothing of a stopped one arrives later.
    void newLoadsWhileTheLevelsAreComputed()
    {
        const QString large = SphereFile(QStringLiteral("sphere160k.stl"), 400, 202);
        const QString other = SphereFile(QStringLiteral("sphere90k.stl"), 300, 152);
        MainWindow window;
        QVERIFY(testing::Show(window));
        for (int round = 0; round < 4; ++round) {
            window.LoadModel(round % 2 ? other : large, QStringLiteral("stl"));
            // Sometimes before, sometimes after the first level has arrived.
            if (round % 2)
                QVERIFY(testing::WaitUntil([&window] { return testing::LevelAction(window, 90)->isEnabled(); }));
            else
                QTest::qWait(30);
        }
        testing::Action(window, QStringLiteral("actionNew"))->trigger();
        QTest::qWait(1000);
        for (int percent = 10; percent <= 100; percent += 10)
            QVERIFY(!testing::LevelAction(window, percent)->isEnabled());
        QVERIFY(!window.ShownModel());

        window.LoadModel(large, QStringLiteral("stl"));
        QTest::qWait(50);
        window.LoadModel(other, QStringLiteral("stl"));
        QVERIFY(testing::WaitForCascade(window));
        QCOMPARE(int(window.LoadedModel()->GetNumberOfPolys()), 2 * 300 * 150);
        VerifyLevels(window);
    }
};

LUMENO_TEST_MAIN(TestDecimation)
#include "test_decimation.moc"
