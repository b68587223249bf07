// The nine levels computed after a load, the custom and by-error reductions, loads and
// closing while the levels are computed, and smoothing.
#include "LoadingSupport.h"

#include "mesh/DecimationLevels.h"

#include <QInputDialog>
#include <QProgressBar>
#include <QSettings>
#include <QSignalSpy>
#include <QThread>

#include <vtkPoints.h>

#include <cmath>
#include <map>

namespace {

// A sphere of about 2 * theta * (phi - 2) triangles, written as binary STL.
QString SphereFile(const QString &name, int theta, int phi)
{
    const QString path = testing::ScratchFile(name);
    if (!QFileInfo::exists(path) && !testing::WriteModel(testing::Sphere(theta, phi), path))
        return QString();
    return path;
}

void Load(MainWindow &window, const QString &path)
{
    window.LoadModel(path, QFileInfo(path).completeSuffix());
}

int Polys(vtkPolyData *model)
{
    return model ? int(model->GetNumberOfPolys()) : -1;
}

// The share of the loaded model's triangles each level is meant to keep.
std::map<int, double> NominalShares()
{
    std::map<int, double> shares;
    double share = 1.0;
    for (const lumeno::DecimationLevel &level : lumeno::DecimationCascade) {
        share *= 1.0 - level.reduction;
        shares[level.percent] = share;
    }
    return shares;
}

// Every level keeps close to its nominal share of the loaded model's triangles.
void VerifyLevelsMatch(MainWindow &window)
{
    const double loaded = Polys(window.LoadedModel());
    for (auto [percent, share] : NominalShares()) {
        const double kept = Polys(window.LevelModel(percent / 10 - 1)) / loaded;
        QVERIFY2(std::abs(kept - share) < 0.02,
                 qPrintable(QStringLiteral("%1 % level keeps %2 of the triangles").arg(percent).arg(kept)));
    }
}

// Answers the percentage dialog with the given value (or cancels it), after checking how it asks.
void RunCustomPercentage(MainWindow &window, int percent, bool accept = true)
{
    bool asked = false;
    testing::AnswerNextModal([&asked, percent, accept](QWidget *modal) {
        auto *dialog = qobject_cast<QInputDialog *>(modal);
        if (!dialog) {
            modal->close();
            return;
        }
        asked = dialog->windowTitle() == QLatin1String("Decimation by percentage") &&
                dialog->labelText() == QLatin1String("Type the percentage:") && dialog->intValue() == 5 &&
                dialog->intMinimum() == 0 && dialog->intMaximum() == 100 && dialog->intStep() == 1;
        dialog->setIntValue(percent);
        accept ? dialog->accept() : dialog->reject();
    });
    testing::Action(window, QStringLiteral("actionDecimationSet"))->trigger();
    QVERIFY(asked);
    QVERIFY(testing::WaitForMeshJob(window));
}

void RunTypedError(MainWindow &window, double maxError)
{
    bool asked = false;
    testing::AnswerNextModal([&asked, maxError](QWidget *modal) {
        auto *dialog = qobject_cast<QInputDialog *>(modal);
        if (!dialog) {
            modal->close();
            return;
        }
        asked = dialog->windowTitle() == QLatin1String("Decimation by error") &&
                dialog->labelText() == QLatin1String("Type the maximum error:") && dialog->doubleValue() == 0.005 &&
                dialog->doubleMinimum() == 0.000001 && dialog->doubleMaximum() == 10.0 &&
                dialog->doubleDecimals() == 6;
        if (maxError > 0)
            dialog->setDoubleValue(maxError);
        dialog->accept();
    });
    testing::Action(window, QStringLiteral("actionDecimationByError"))->trigger();
    QVERIFY(asked);
    QVERIFY(testing::WaitForMeshJob(window));
}

QStringList LevelLabels(MainWindow &window)
{
    QStringList labels;
    for (int percent = 10; percent <= 100; percent += 10)
        labels << testing::LevelAction(window, percent)->text();
    return labels;
}

double LargestMove(vtkPolyData *from, vtkPolyData *to)
{
    double largest = 0;
    for (vtkIdType i = 0; i < from->GetNumberOfPoints(); ++i) {
        double a[3], b[3];
        from->GetPoint(i, a);
        to->GetPoint(i, b);
        largest = std::max(largest, std::sqrt(vtkMath::Distance2BetweenPoints(a, b)));
    }
    return largest;
}

vtkSmartPointer<vtkPolyData> Copy(vtkPolyData *model)
{
    auto copy = vtkSmartPointer<vtkPolyData>::New();
    copy->DeepCopy(model);
    return copy;
}

} // namespace

class TestDecimation : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QSettings().clear(); }

    void cascadeShowsTheNineLevelsOneByOne()
    {
        // 50 000 triangles: a 2.5 MB file, so the labels show tenths of megabytes.
        const QString path = SphereFile(QStringLiteral("sphere50k.stl"), 250, 102);
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QList<int> enabledInOrder;
        for (int percent = 10; percent <= 90; percent += 10) {
            QAction *action = testing::LevelAction(window, percent);
            connect(action, &QAction::changed, this, [action, percent, &enabledInOrder] {
                if (action->isEnabled() && !enabledInOrder.contains(percent))
                    enabledInOrder << percent;
            });
        }
        Load(window, path);
        QCOMPARE(Polys(window.LoadedModel()), 50000);
        QVERIFY(!window.ShownModel());
        QVERIFY(testing::WaitForCascade(window));

        QCOMPARE(enabledInOrder, (QList<int>{90, 80, 70, 60, 50, 40, 30, 20, 10}));
        QCOMPARE(LevelLabels(window), (QStringList{"0.2MB", "0.4MB", "0.6MB", "0.8MB", "1MB", "1.2MB", "1.4MB",
                                                   "1.6MB", "1.8MB", "2MB"}));
        VerifyLevelsMatch(window);
        QCOMPARE(window.ShownModel(), window.LoadedModel());
        for (const char *name : {"actionDecimationSet", "actionDecimation01", "actionDecimation001",
                                 "actionDecimation0001", "actionDecimationByError"})
            QVERIFY2(testing::Action(window, QString::fromLatin1(name))->isEnabled(), name);

        testing::LevelAction(window, 30)->trigger();
        QCOMPARE(window.ShownModel(), window.LevelModel(2));
        QCOMPARE(window.CurrentLabel(), QStringLiteral("30%"));
        testing::LevelAction(window, 100)->trigger();
        QCOMPARE(window.ShownModel(), window.LoadedModel());
        QCOMPARE(window.CurrentLabel(), QStringLiteral("100%"));
    }

    void customPercentages()
    {
        MainWindow window;
        Load(window, SphereFile(QStringLiteral("sphere8k.stl"), 100, 42));
        QVERIFY(testing::WaitForCascade(window));
        const int loaded = Polys(window.LoadedModel());
        const QStringList labels = LevelLabels(window);
        QSignalSpy reductions(&window, &MainWindow::ButtonsMustChange);

        RunCustomPercentage(window, 100);
        QCOMPARE(Polys(window.ShownModel()), loaded);
        QCOMPARE(window.CurrentLabel(), QStringLiteral("100%"));

        RunCustomPercentage(window, 50);
        QCOMPARE(reductions.last().first().toDouble(), 0.5);
        QVERIFY(std::abs(Polys(window.ShownModel()) - loaded / 2) <= loaded / 50);
        QCOMPARE(window.CurrentLabel(), QStringLiteral("50%"));
        const int half = Polys(window.ShownModel());

        RunCustomPercentage(window, 37);
        QCOMPARE(reductions.last().first().toDouble(), 0.63);
        QVERIFY(std::abs(Polys(window.ShownModel()) - loaded * 37 / 100) <= loaded / 50);
        QCOMPARE(window.CurrentLabel(), QStringLiteral("37%"));

        RunCustomPercentage(window, 0);
        QCOMPARE(reductions.last().first().toDouble(), 1.0);
        QVERIFY(Polys(window.ShownModel()) < half / 2);
        QCOMPARE(window.CurrentLabel(), QStringLiteral("0%"));

        // 50 % relabelled the 10 % button with the text it already had; 37 % and 0 % changed nothing.
        QCOMPARE(LevelLabels(window), labels);
        for (int percent = 10; percent <= 100; percent += 10)
            QVERIFY(testing::LevelAction(window, percent)->isEnabled());

        vtkPolyData *before = window.ShownModel();
        const int signalsBefore = reductions.count();
        RunCustomPercentage(window, 20, false);
        QCOMPARE(window.ShownModel(), before);
        QCOMPARE(reductions.count(), signalsBefore);
    }

    // The same request on the same model gives the same result, whatever ran before it.
    void repeatedRunsGiveIdenticalResults()
    {
        MainWindow window;
        Load(window, SphereFile(QStringLiteral("sphere8k.stl"), 100, 42));
        QVERIFY(testing::WaitForCascade(window));
        const int loaded = Polys(window.LoadedModel());

        std::map<QString, QList<int>> counts;
        const auto run = [&window, &counts](const char *request) {
            const QString name = QString::fromLatin1(request);
            if (name.startsWith(QLatin1String("custom ")))
                RunCustomPercentage(window, name.mid(7).toInt());
            else
                testing::Action(window, name)->trigger();
            testing::WaitForMeshJob(window);
            counts[name] << Polys(window.ShownModel());
            return window.CurrentLabel();
        };

        QCOMPARE(run("custom 10"), QStringLiteral("10%"));
        auto *bar = window.findChild<QProgressBar *>(QStringLiteral("progressBar"));
        QSignalSpy progress(bar, &QProgressBar::valueChanged);
        QCOMPARE(run("actionDecimation01"), QStringLiteral("0.1"));
        QVERIFY(progress.count() > 1); // a by-error run reports progress like the others
        QCOMPARE(bar->value(), 100);
        QCOMPARE(run("actionDecimation001"), QStringLiteral("0.01"));
        QCOMPARE(run("actionDecimation0001"), QStringLiteral("0.001"));
        run("custom 10");
        run("actionDecimation0001");
        run("actionDecimation01");
        run("custom 37");
        run("actionDecimation001");
        run("actionDecimation0001");
        run("custom 10");
        run("actionDecimation01");
        for (const auto &[request, results] : counts)
            for (int result : results)
                QVERIFY2(result == results.first(), qPrintable(request));

        // No leftover target caps a by-error run, and no leftover error bound caps a percentage.
        QVERIFY(counts["actionDecimation01"].first() < loaded / 2);
        QVERIFY(counts["actionDecimation01"].first() <= counts["actionDecimation001"].first());
        QVERIFY(counts["actionDecimation001"].first() <= counts["actionDecimation0001"].first());
        QVERIFY(std::abs(counts["custom 10"].first() - loaded / 10) <= loaded / 50);

        RunTypedError(window, 0);
        QCOMPARE(window.CurrentLabel(), QStringLiteral("0.005"));
        const int typed = Polys(window.ShownModel());
        RunTypedError(window, 0.01);
        QCOMPARE(window.CurrentLabel(), QStringLiteral("0.01"));
        QCOMPARE(Polys(window.ShownModel()), counts["actionDecimation001"].first());
        RunTypedError(window, 0.005);
        QCOMPARE(Polys(window.ShownModel()), typed);

        // A new load's levels are not changed by the by-error runs before it.
        Load(window, SphereFile(QStringLiteral("sphere8k.stl"), 100, 42));
        QVERIFY(testing::WaitForCascade(window));
        VerifyLevelsMatch(window);
    }

    // Each new load stops the running cascade; only the last load's levels remain.
    void newLoadsWhileTheLevelsAreComputed()
    {
        const QString large = SphereFile(QStringLiteral("sphere160k.stl"), 400, 202);
        const QString other = SphereFile(QStringLiteral("sphere90k.stl"), 300, 152);
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        for (int round = 0; round < 4; ++round) {
            Load(window, round % 2 ? other : large);
            QVERIFY(window.IsCascadeRunning());
            // Sometimes before, sometimes after the first level has arrived.
            if (round % 2)
                QVERIFY(testing::WaitUntil([&window] { return testing::LevelAction(window, 90)->isEnabled(); }));
            else
                QTest::qWait(30);
        }
        // Levels and progress are handed over while the GUI thread is busy (the worker goes
        // on) and still wait in the queue when New stops the cascade: they must not arrive.
        Load(window, large);
        QVERIFY(testing::WaitUntil([&window] { return testing::LevelAction(window, 90)->isEnabled(); }));
        QThread::msleep(1500);
        testing::Action(window, QStringLiteral("actionNew"))->trigger();
        QVERIFY(!window.IsCascadeRunning());
        QTest::qWait(100);
        for (int percent = 10; percent <= 100; percent += 10)
            QVERIFY(!testing::LevelAction(window, percent)->isEnabled());
        QVERIFY(!testing::Action(window, QStringLiteral("actionDecimationSet"))->isEnabled());
        QVERIFY(!window.ShownModel());

        Load(window, large);
        QTest::qWait(50);
        Load(window, other);
        QVERIFY(testing::WaitForCascade(window));
        QCOMPARE(Polys(window.LoadedModel()), 2 * 300 * 150);
        VerifyLevelsMatch(window);
        QCOMPARE(window.ShownModel(), window.LoadedModel());
        QTest::qWait(100);
        QCOMPARE(window.ShownModel(), window.LoadedModel());
    }

    void closingWhileTheLevelsAreComputed()
    {
        const QString large = SphereFile(QStringLiteral("sphere160k.stl"), 400, 202);
        for (bool waitForFirstLevel : {false, true}) {
            auto *window = new MainWindow;
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window));
            Load(*window, large);
            if (waitForFirstLevel)
                QVERIFY(testing::WaitUntil([window] { return testing::LevelAction(*window, 90)->isEnabled(); }));
            QVERIFY(window->IsCascadeRunning());
            window->close();
            QVERIFY(!window->IsCascadeRunning());
            delete window;
            QTest::qWait(100); // nothing of the stopped cascade arrives afterwards
        }
    }

    void smoothing()
    {
        MainWindow window;
        Load(window, SphereFile(QStringLiteral("sphere8k.stl"), 100, 42));
        // Nothing in the right view yet: smoothing does nothing.
        QVERIFY(QMetaObject::invokeMethod(&window, "MakeSmoothSlot"));
        QVERIFY(!window.ShownModel());
        QVERIFY(testing::WaitForCascade(window));

        vtkSmartPointer<vtkPolyData> loaded = Copy(window.LoadedModel());
        vtkSmartPointer<vtkPolyData> level = Copy(window.LevelModel(4));
        testing::LevelAction(window, 100)->trigger();
        const QString label = window.CurrentLabel();

        testing::Action(window, QStringLiteral("actionSmooth"))->trigger();
        QVERIFY(testing::WaitForMeshJob(window));
        vtkPolyData *once = window.ShownModel();
        QVERIFY(once != window.LoadedModel());
        QCOMPARE(once->GetNumberOfPoints(), loaded->GetNumberOfPoints());
        QCOMPARE(once->GetNumberOfPolys(), loaded->GetNumberOfPolys());
        const double firstMove = LargestMove(loaded, once);
        QVERIFY(firstMove > 0);
        QCOMPARE(LargestMove(loaded, window.LoadedModel()), 0.0);
        QCOMPARE(window.CurrentLabel(), label);

        testing::Action(window, QStringLiteral("actionSmooth"))->trigger();
        QVERIFY(testing::WaitForMeshJob(window));
        QCOMPARE(window.ShownModel()->GetNumberOfPolys(), loaded->GetNumberOfPolys());
        QVERIFY(LargestMove(loaded, window.ShownModel()) > firstMove);

        testing::LevelAction(window, 50)->trigger();
        QCOMPARE(window.ShownModel(), window.LevelModel(4));
        testing::Action(window, QStringLiteral("actionSmooth"))->trigger();
        QVERIFY(testing::WaitForMeshJob(window));
        QVERIFY(LargestMove(level, window.ShownModel()) > 0);
        testing::LevelAction(window, 50)->trigger();
        QCOMPARE(window.ShownModel(), window.LevelModel(4));
        QCOMPARE(LargestMove(level, window.ShownModel()), 0.0);
    }
};

LUMENO_TEST_MAIN(TestDecimation)
#include "test_decimation.moc"
