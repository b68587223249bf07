// The window's mesh operations: the nine levels computed after a load, the custom and by-error
// reductions and smoothing as the right view shows them, and on the worker thread: loads while
// the levels are computed, stale results dropped, cancelling keeping what was there, closing.
#include "AppSupport.h"

#include "mesh/DecimationLevels.h"
#include "mesh/MeshOperations.h"

#include <QInputDialog>
#include <QProgressBar>
#include <QThread>

#include <vtkCallbackCommand.h>
#include <vtkDecimatePro.h>

#include <cmath>

namespace {

// A sphere of 2 * theta * (phi - 2) triangles, written once.
QString SphereFile(int theta, int phi)
{
    const QString path = testing::ScratchFile(QStringLiteral("sphere%1x%2.stl").arg(theta).arg(phi));
    return QFileInfo::exists(path) || testing::WriteModel(testing::Sphere(theta, phi), path) ? path : QString();
}

// Loads a sphere and waits for its levels, or (`wait` false) only tells whether they are computed.
bool LoadSphere(MainWindow &window, int theta, int phi, bool wait = true)
{
    window.LoadModel(SphereFile(theta, phi), QStringLiteral("stl"));
    return wait ? testing::WaitForCascade(window) : window.IsCascadeRunning();
}

testing::ModalAnswer Type(double value)
{
    return [value](QWidget *modal) {
        auto *dialog = qobject_cast<QInputDialog *>(modal);
        if (!dialog)
            return void(modal->close());
        dialog->setDoubleValue(value);
        dialog->accept();
    };
}

int Polys(vtkPolyData *model)
{
    return model ? int(model->GetNumberOfPolys()) : -1;
}

int Shown(MainWindow &window)
{
    return Polys(window.ShownModel());
}

int WorkerThreads()
{
    int count = 0;
    for (const QString &task : QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        count += testing::Contents(QStringLiteral("/proc/self/task/%1/comm").arg(task)).trimmed() == "mesh worker";
    return count;
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
        QVERIFY(LoadSphere(window, 100, 42));
        VerifyLevels(window);
        QVERIFY(testing::LevelAction(window, 10)->toolTip().contains(QLatin1String("max. deviation")));
        const int loaded = Shown(window);
        // While a run goes on, the bar and the status both tell of it; afterwards neither does.
        // (Checked as the run starts: its end cannot reach the window before the event loop runs.)
        auto *status = window.findChild<QLabel *>(QStringLiteral("statusLabel"));
        auto *bar = window.findChild<QProgressBar *>(QStringLiteral("progressBar"));
        {
            testing::ModalAnswers answering({Type(0.01)});
            testing::Action(window, QStringLiteral("actionDecimationByError"))->trigger();
            QVERIFY(answering.AllGiven() && window.IsMeshJobRunning());
            QVERIFY(bar->isVisible() && status->text() != window.tr("Done"));
        }
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

        // What the right view says belongs to the model it shows, also after another load.
        LoadSphere(window, 40, 30, false);
        QVERIFY(window.CurrentLabel() == QStringLiteral("100%") && window.CurrentNote().isEmpty());
        QVERIFY(testing::WaitForCascade(window));
        QCOMPARE(window.CurrentLabel(), QStringLiteral("100%"));
        QCOMPARE(window.ShownModel(), window.LoadedModel());
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
        QTest::newRow("all") << 100.0 << QString();
        QTest::newRow("more than all") << 150.0 << QString();
    }

    void customPercentages()
    {
        QFETCH(double, typed);
        QFETCH(QString, label);
        MainWindow window;
        QVERIFY(testing::Show(window));
        QVERIFY(LoadSphere(window, 100, 42));
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

    // 300 triangles on one edge: the quality engine keeps them all. The status bar says so
    // after the levels and after a custom reduction, rather than a plain "Done".
    void sharesNotReachedAreShown_data()
    {
        QTest::addColumn<bool>("fan");
        QTest::addColumn<QString>("afterLevels");
        QTest::addColumn<QString>("afterCustom");
        QTest::newRow("triangles on one edge")
            << true << "Done, but the model cannot be reduced that far: the 10% level keeps 100% of the triangles."
            << "Done, but the model cannot be reduced that far: 100% of the triangles are kept, not the 37.5% asked.";
        QTest::newRow("sphere") << false << "Done" << "Done";
    }

    void sharesNotReachedAreShown()
    {
        QFETCH(bool, fan);
        QFETCH(QString, afterLevels);
        QFETCH(QString, afterCustom);
        QSettings().setValue(QStringLiteral("ReductionMethod"), QStringLiteral("quality"));
        MainWindow window;
        QVERIFY(testing::Show(window));
        const QString path = testing::ScratchFile(QStringLiteral("fan.stl"));
        if (fan)
            QVERIFY(testing::LoadIntoWindow(window, testing::TrianglesOnOneEdge(300), path));
        else
            QVERIFY(LoadSphere(window, 40, 30));
        auto *status = window.findChild<QLabel *>(QStringLiteral("statusLabel"));
        QCOMPARE(status->text(), afterLevels);
        window.StartReduction(37.5);
        QVERIFY(testing::WaitForMeshJob(window));
        QCOMPARE(status->text(), afterCustom);
    }

    // Each new load stops the running cascade; nothing of a stopped one arrives later.
    void newLoadsWhileTheLevelsAreComputed()
    {
        const QString large = SphereFile(400, 202), other = SphereFile(300, 152);
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

    // The worker stops a by-error run through the decimator it passes; the next run is whole.
    void anAbortReachesTheByErrorFilter()
    {
        auto decimator = vtkSmartPointer<vtkDecimatePro>::New();
        vtkSmartPointer<vtkPolyData> sphere = testing::Sphere(100, 42);
        auto abort = vtkSmartPointer<vtkCallbackCommand>::New();
        abort->SetCallback([](vtkObject *caller, unsigned long, void *, void *) {
            static_cast<vtkAlgorithm *>(caller)->SetAbortExecute(1);
        });
        const unsigned long observer = decimator->AddObserver(vtkCommand::ProgressEvent, abort);
        QVERIFY(!lumeno::DecimateByError(decimator, sphere, 0.01));
        decimator->RemoveObserver(observer);
        vtkSmartPointer<vtkPolyData> whole = lumeno::DecimateByError(decimator, sphere, 0.01);
        QVERIFY(whole && whole->GetNumberOfPolys() > 0);
    }

    // A result already on its way when its job is cancelled is not taken for the next job's.
    void staleResultsAreDropped()
    {
        MainWindow window;
        QVERIFY(LoadSphere(window, 100, 42));
        const int loaded = Polys(window.LoadedModel());
        window.StartReduction(50);
        QThread::msleep(1000); // the worker finishes meanwhile; its result waits in the queue
        window.CancelMeshJob();
        window.StartReduction(20);
        QVERIFY(testing::WaitForMeshJob(window));
        QCOMPARE(window.CurrentLabel(), QStringLiteral("20%"));
        QVERIFY(std::abs(Polys(window.ShownModel()) - loaded / 5) <= loaded / 50);
    }

    void cancellingKeepsTheLevelsAndTheShownModel()
    {
        MainWindow window;
        QVERIFY(testing::Show(window));
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QVERIFY(LoadSphere(window, 400, 202, false));
        QVERIFY(testing::AtFirstLevel(window, [&window] { QTest::keyClick(&window, Qt::Key_Escape); }));
        QVERIFY(!window.IsMeshJobRunning());
        QTest::qWait(300);
        QCOMPARE(window.ShownModel(), window.LoadedModel());
        QVERIFY(Polys(window.LevelModel(8)) > 0);
        QVERIFY(!testing::LevelAction(window, 10)->isEnabled());
        QVERIFY(testing::Action(window, QStringLiteral("actionDecimationSet"))->isEnabled());

        testing::LevelAction(window, 90)->trigger();
        vtkPolyData *shown = window.ShownModel();
        auto *cancel = window.findChild<QPushButton *>(QStringLiteral("cancelButton"));
        for (auto start : {+[](MainWindow &w) { w.StartReduction(10); }, +[](MainWindow &w) { w.StartSmoothing(); },
                           +[](MainWindow &w) { w.StartErrorReduction(0.001); }}) {
            start(window);
            QVERIFY(window.IsMeshJobRunning() && cancel->isVisible());
            QTest::qWait(20);
            cancel->click();
            QVERIFY(!window.IsMeshJobRunning());
            QTest::qWait(300);
            QCOMPARE(window.ShownModel(), shown);
            QCOMPARE(window.CurrentLabel(), QStringLiteral("90%"));
        }
        // A cancelled run leaves nothing behind that stops the next one.
        window.StartErrorReduction(0.01);
        QVERIFY(testing::WaitForMeshJob(window));
        QVERIFY(Polys(window.ShownModel()) < Polys(window.LoadedModel()) / 2);
    }

    // The window waits for its worker, which stops at once; nothing of the job arrives afterwards.
    void closingDuringAJobEndsTheThread()
    {
        const int before = WorkerThreads();
        auto *window = new MainWindow;
        QVERIFY(testing::Show(*window));
        QCOMPARE(WorkerThreads(), before + 1);
        QVERIFY(LoadSphere(*window, 400, 202, false));
        window->close();
        QVERIFY(!window->IsMeshJobRunning());
        delete window;
        QTest::qWait(100);
        QCOMPARE(WorkerThreads(), before);
    }
};

LUMENO_TEST_MAIN(TestDecimation)
#include "test_decimation.moc"
