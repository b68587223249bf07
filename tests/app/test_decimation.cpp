// The nine levels computed after a load, the custom and by-error reductions and smoothing as
// the right view shows them, and loads while the levels are computed. (Closing: test_mesh_worker.)
#include "AppSupport.h"

#include "MainWindow.h"
#include "mesh/DecimationLevels.h"

#include <QInputDialog>
#include <QSettings>

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

    void levelsReductionsAndSmoothing()
    {
        MainWindow window;
        QVERIFY(testing::Show(window));
        window.LoadModel(SphereFile(QStringLiteral("sphere8k.stl"), 100, 42), QStringLiteral("stl"));
        QVERIFY(testing::WaitForCascade(window));
        VerifyLevels(window);
        const int loaded = Shown(window);

        QCOMPARE(testing::Run(window, "actionDecimationSet", {Type(37)}), QStringList());
        QVERIFY(testing::WaitForMeshJob(window));
        QVERIFY(std::abs(Shown(window) - loaded * 37 / 100) <= loaded / 50);
        QCOMPARE(testing::Run(window, "actionDecimationByError", {Type(0.01)}), QStringList());
        QVERIFY(testing::WaitForMeshJob(window));
        QVERIFY(Shown(window) > 0 && Shown(window) < loaded / 2);

        // Smoothing moves the points of what is shown; choosing the level again undoes it.
        testing::LevelAction(window, 50)->trigger();
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
