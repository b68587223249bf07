#include "DeviationResponse.h"

#include "DualView.h"
#include "EventLoopStallMeter.h"
#include "MainWindow.h"

#include <QAction>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <vtkCallbackCommand.h>
#include <vtkRenderWindow.h>

#include <functional>

namespace {

// Runs `start`, then the event loop until `drawn` holds (after a render of the right view has
// ended, when `rendering`); the time taken and the GUI thread's longest stall meanwhile.
QJsonObject TimeUntilDrawn(MainWindow &window, const std::function<void()> &start, const std::function<bool()> &drawn,
                           bool rendering = true)
{
    vtkRenderWindow *view = window.View().DecimatedWindow();
    bool rendered = !rendering;
    auto command = vtkSmartPointer<vtkCallbackCommand>::New();
    command->SetClientData(&rendered);
    command->SetCallback([](vtkObject *, unsigned long, void *flag, void *) { *static_cast<bool *>(flag) = true; });
    const unsigned long observer = view->AddObserver(vtkCommand::EndEvent, command);
    EventLoopStallMeter meter;
    QElapsedTimer clock;
    QEventLoop loop;
    QTimer check;
    double seconds = -1.0;
    QObject::connect(&check, &QTimer::timeout, &loop, [&] {
        if (rendered && drawn()) {
            seconds = clock.nsecsElapsed() / 1e9;
            loop.quit();
        }
    });
    QTimer::singleShot(0, &window, [&] {
        clock.start();
        meter.Start();
        check.start(1);
        start();
    });
    QTimer::singleShot(10 * 60 * 1000, &loop, &QEventLoop::quit);
    loop.exec();
    meter.Stop();
    view->RemoveObserver(observer);
    return {{QStringLiteral("seconds"), seconds}, {QStringLiteral("longestStallMs"), meter.LongestGapMs()}};
}

void WaitIdle(ModelDocument &document)
{
    QEventLoop loop;
    QTimer check;
    QObject::connect(&check, &QTimer::timeout, &loop, [&] {
        if (document.RunningJob() == ModelDocument::Job::None)
            loop.quit();
    });
    check.start(10);
    loop.exec();
}

} // namespace

QJsonObject MeasureDeviationResponse(MainWindow &window)
{
    ModelDocument &document = window.Document();
    DualView &view = window.View();
    QAction *show = window.findChild<QAction *>(QStringLiteral("actionShowDeviation"));
    QAction *level50 = window.findChild<QAction *>(QStringLiteral("actionDecimation50"));
    QAction *level30 = window.findChild<QAction *>(QStringLiteral("actionDecimation30"));
    QAction *level100 = window.findChild<QAction *>(QStringLiteral("actionDecimation100"));
    const auto shows = [&](int percent) { return [&document, percent] {
        return document.Shown().model == document.LevelOf(percent).model; }; };
    const auto pictured = [&](int percent) {
        return [&document, &view, percent] {
            return view.Deviation().Picture() && view.Deviation().Picture()->model == document.LevelOf(percent).model;
        };
    };
    QJsonObject report;
    level100->trigger();
    report.insert(QStringLiteral("plainLevel"), TimeUntilDrawn(window, [&] { level50->trigger(); }, shows(50)));
    report.insert(QStringLiteral("turnedOn"), TimeUntilDrawn(window, [&] { show->trigger(); }, pictured(50)));
    report.insert(QStringLiteral("levelPicturedOnDemand"),
                  TimeUntilDrawn(window, [&] { level30->trigger(); }, pictured(30)));

    // The levels made again with their pictures, as when it is on before a model is opened.
    const lumeno::ReductionEngine engine = document.Engine();
    const lumeno::ReductionEngine other = engine == lumeno::ReductionEngine::Quality
                                              ? lumeno::ReductionEngine::Classic
                                              : lumeno::ReductionEngine::Quality;
    document.SetEngine(other);
    WaitIdle(document);
    report.insert(QStringLiteral("levelsWithPictures"),
                  TimeUntilDrawn(window, [&] { document.SetEngine(engine); },
                                 [&] { return document.RunningJob() == ModelDocument::Job::None; }, false));
    report.insert(QStringLiteral("levelPicturedBefore"),
                  TimeUntilDrawn(window, [&] { level50->trigger(); }, pictured(50)));
    show->trigger(); // off again
    level100->trigger();
    return report;
}
