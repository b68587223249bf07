// The window's mesh operations on the worker thread: results of a job the window no longer
// waits for are dropped, cancelling keeps what was there, and closing ends the thread.
#include "AppSupport.h"

#include "MainWindow.h"

#include "mesh/MeshOperations.h"

#include <QDir>
#include <QPushButton>
#include <QThread>

#include <vtkCallbackCommand.h>
#include <vtkDecimatePro.h>

namespace {

int Polys(vtkPolyData *model)
{
    return model ? int(model->GetNumberOfPolys()) : -1;
}

// Threads of this process that carry the worker's name.
int WorkerThreads()
{
    int count = 0;
    for (const QString &task : QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile name(QStringLiteral("/proc/self/task/%1/comm").arg(task));
        if (name.open(QIODevice::ReadOnly) && name.readAll().trimmed() == "mesh worker")
            ++count;
    }
    return count;
}

bool LoadLarge(MainWindow &window)
{
    const QString path = testing::ScratchFile(QStringLiteral("large.stl"));
    if (!QFileInfo::exists(path) && !testing::WriteModel(testing::Sphere(400, 202), path))
        return false;
    window.LoadModel(path, QStringLiteral("stl"));
    return window.IsCascadeRunning();
}

} // namespace

class TestMeshWorker : public QObject
{
    Q_OBJECT

private slots:
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
        QVERIFY(testing::LoadIntoWindow(window, testing::Sphere(100, 42), testing::ScratchFile(QStringLiteral("small.stl"))));
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
        QVERIFY(LoadLarge(window));
        QVERIFY(testing::WaitUntil([&window] { return testing::LevelAction(window, 90)->isEnabled(); }));
        QTest::keyClick(&window, Qt::Key_Escape);
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
        QVERIFY(LoadLarge(*window));
        window->close();
        QVERIFY(!window->IsMeshJobRunning());
        delete window;
        QTest::qWait(100);
        QCOMPARE(WorkerThreads(), before);
    }
};

LUMENO_TEST_MAIN(TestMeshWorker)
#include "test_mesh_worker.moc"
