#include "GuiBench.h"

#include "BareReference.h"
#include "DeviationResponse.h"
#include "EventLoopStallMeter.h"
#include "GuiResponse.h"
#include "ResidentMemory.h"
#include "TimedApplication.h"

#include "DualView.h"
#include "MainWindow.h"
#include "PrepareForDrawing.h"

#include <QApplication>
#include <QProgressBar>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>
#include <QAction>

#include <vtkCallbackCommand.h>
#include <vtkRenderWindow.h>
#include <vtkRenderer.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

namespace {

std::unique_ptr<QTemporaryDir> sandbox;

// Counts the renders of the views and their time, and notes those longer than 50 ms.
struct RenderLog
{
    const QElapsedTimer *clock = nullptr; // started when the load starts
    double startedMs = 0.0;
    int renders = 0;
    double totalMs = 0.0;
    QJsonArray longRenders; // [started at ms after the load started, lasted ms]

    static void Started(vtkObject *, unsigned long, void *log, void *)
    {
        auto *self = static_cast<RenderLog *>(log);
        self->startedMs = self->clock->nsecsElapsed() / 1e6;
    }
    static void Ended(vtkObject *, unsigned long, void *log, void *)
    {
        auto *self = static_cast<RenderLog *>(log);
        const double lasted = self->clock->nsecsElapsed() / 1e6 - self->startedMs;
        ++self->renders;
        self->totalMs += lasted;
        if (lasted > 50.0)
            self->longRenders.append(QJsonArray{self->startedMs, lasted});
    }
    void Follow(vtkRenderWindow *window)
    {
        for (auto [event, callback] : {std::pair{vtkCommand::StartEvent, &Started}, std::pair{vtkCommand::EndEvent, &Ended}}) {
            auto command = vtkSmartPointer<vtkCallbackCommand>::New();
            command->SetCallback(callback);
            command->SetClientData(this);
            window->AddObserver(event, command);
        }
    }
};

void Wait(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

// Starts one mesh operation of the window and measures the event loop until it has ended
// and the window shows its result.
QJsonObject RunOperation(MainWindow &window, const std::function<void()> &start)
{
    EventLoopStallMeter meter;
    QElapsedTimer clock;
    QEventLoop loop;
    QObject::connect(&window.Document(), &ModelDocument::JobEnded, &loop, [&] {
        meter.Stop();
        loop.quit();
    });
    QTimer::singleShot(0, &window, [&] {
        clock.start();
        meter.Start();
        start();
        if (window.Document().RunningJob() == ModelDocument::Job::None) {
            meter.Stop();
            loop.quit();
        }
    });
    QTimer::singleShot(30 * 60 * 1000, &loop, &QEventLoop::quit);
    loop.exec();
    const double seconds = clock.nsecsElapsed() / 1e9;
    Wait(200); // the last repaints of the status and the bar
    return {{QStringLiteral("seconds"), seconds},
            {QStringLiteral("triangles"),
             window.Document().Shown().model ? static_cast<qint64>(window.Document().Shown().model->GetNumberOfPolys())
                                             : -1},
            {QStringLiteral("longestStallMs"), meter.LongestGapMs()},
            {QStringLiteral("stallsOver100ms"), meter.GapsLongerThan(100)},
            {QStringLiteral("stallsOver50msAtMs"), meter.LongGaps()}};
}

// The right view drawn again with nothing changed: no upload, no job, only the OpenGL driver's
// work for the model it shows. No phase that shows a new model of that size can stall less.
QJsonObject TimeRedraws(MainWindow &window)
{
    vtkRenderWindow *view = window.View().DecimatedWindow();
    std::vector<double> times;
    for (int i = 0; i < 7; ++i) {
        QElapsedTimer clock;
        clock.start();
        view->Render();
        times.push_back(clock.nsecsElapsed() / 1e6);
        Wait(100);
    }
    std::sort(times.begin(), times.end());
    return {{QStringLiteral("minMs"), times.front()},
            {QStringLiteral("medianMs"), times[times.size() / 2]},
            {QStringLiteral("maxMs"), times.back()}};
}

} // namespace

void IsolateGuiEnvironment()
{
    sandbox = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/lumeno-bench-gui-XXXXXX"));
    const QString root = sandbox->path();
    for (const char *name : {"HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME"}) {
        const QString folder = root + QLatin1Char('/') + QString::fromLatin1(name).toLower();
        QDir().mkpath(folder);
        qputenv(name, QFile::encodeName(folder));
    }
    // Port 9 (discard) on loopback: nothing listens, the update check fails at once.
    qputenv("LUMENO3D_UPDATE_URL", "http://127.0.0.1:9");
}

QJsonObject RunGuiBench(const QString &modelPath, bool withReference)
{
    QJsonObject report{{QStringLiteral("mode"), QStringLiteral("gui")},
                       {QStringLiteral("model"), modelPath},
                       {QStringLiteral("modelFileSize"), QFileInfo(modelPath).size()}};

    // The reference first, while nothing else runs.
    QElapsedTimer clock;
    clock.start();
    if (withReference) {
        clock.start();
        vtkSmartPointer<vtkPolyData> model = bare::Read(modelPath);
        report.insert(QStringLiteral("bareLoadSeconds"), clock.nsecsElapsed() / 1e9);
        clock.start();
        bare::RunCascade(model);
        report.insert(QStringLiteral("bareCascadeSeconds"), clock.nsecsElapsed() / 1e9);
    }

    MainWindow window;
    window.resize(1200, 800);
    window.show();
    Wait(1500); // shown, first frames drawn, the update check answered

    EventLoopStallMeter meter;
    RenderLog renderLog;
    renderLog.clock = &clock;
    renderLog.Follow(window.View().OriginalWindow());
    renderLog.Follow(window.View().DecimatedWindow());
    QEventLoop loop;
    double loadModelSeconds = 0.0;
    double finishedSeconds = -1.0;
    qint64 peakKiB = -1;
    QObject::connect(&window.Document(), &ModelDocument::LevelsFinished, &loop, [&] {
        peakKiB = residentMemory::PeakKiB();
        // Connected after the window's own slot: its work on the signal is counted.
        meter.Stop();
        if (auto *application = dynamic_cast<TimedApplication *>(QCoreApplication::instance()))
            application->StopRecording();
        finishedSeconds = clock.nsecsElapsed() / 1e9;
        loop.quit();
    });
    // When each level and each progress step reached the GUI thread, on the meter's clock.
    QJsonArray levelTimes;
    int progressUpdates = 0;
    QObject::connect(&window.Document(), &ModelDocument::LevelReady, &loop,
                     [&](int percent) { levelTimes.append(QJsonArray{meter.Now(), percent}); });
    if (auto *bar = window.findChild<QProgressBar *>(QStringLiteral("progressBar")))
        QObject::connect(bar, &QProgressBar::valueChanged, &loop, [&] { ++progressUpdates; });
    EventLoopStallMeter loadMeter;
    QTimer::singleShot(0, &window, [&] {
        clock.start();
        // The file is read on a thread of its own while the event loop runs; then both views
        // draw the new model.
        loadMeter.Start();
        residentMemory::ResetPeak(); // from the open on, not the reference's run before it
        window.LoadModel(modelPath);
    });
    // Connected after the window's own slot: drawing the new model is counted.
    QObject::connect(&window.Document(), &ModelDocument::ModelOpened, &loop, [&] {
        loadMeter.Stop();
        loadModelSeconds = clock.nsecsElapsed() / 1e9;
        meter.Start();
        if (auto *application = dynamic_cast<TimedApplication *>(QCoreApplication::instance()))
            application->StartRecording();
    });
    QTimer::singleShot(30 * 60 * 1000, &loop, &QEventLoop::quit);
    loop.exec();

    vtkPolyData *loaded = window.Document().LoadedModel();
    report.insert(QStringLiteral("triangles"), loaded ? static_cast<qint64>(loaded->GetNumberOfPolys()) : -1);
    report.insert(QStringLiteral("loadModelSeconds"), loadModelSeconds);
    report.insert(QStringLiteral("load"), QJsonObject{{QStringLiteral("longestStallMs"), loadMeter.LongestGapMs()},
                                                      {QStringLiteral("stallsOver100ms"), loadMeter.GapsLongerThan(100)},
                                                      {QStringLiteral("stallsOver50msAtMs"), loadMeter.LongGaps()}});
    report.insert(QStringLiteral("timeToDecimationFinishedSeconds"), finishedSeconds);
    // The window's peak from opening the model until its levels are shown (what its memory
    // estimate is fitted to), and whether it drew the model by proxy to fit.
    report.insert(QStringLiteral("peakResidentBytesToLevels"), peakKiB < 0 ? -1 : peakKiB * 1024);
    report.insert(QStringLiteral("drawnByProxy"), loaded && DrawnModel(loaded) != loaded);
    report.insert(QStringLiteral("longestStallMs"), meter.LongestGapMs());
    report.insert(QStringLiteral("stallsOver16ms"), meter.GapsLongerThan(16));
    report.insert(QStringLiteral("stallsOver50ms"), meter.GapsLongerThan(50));
    report.insert(QStringLiteral("stallsOver100ms"), meter.GapsLongerThan(100));
    report.insert(QStringLiteral("timerTicks"), meter.Ticks());
    report.insert(QStringLiteral("stallsOver50msAtMs"), meter.LongGaps());
    report.insert(QStringLiteral("levelsAtMs"), levelTimes);
    report.insert(QStringLiteral("progressUpdates"), progressUpdates);
    if (auto *application = dynamic_cast<TimedApplication *>(QCoreApplication::instance())) {
        application->StopRecording();
        report.insert(QStringLiteral("longestEventHandlerMs"), application->LongestHandlerMs());
        report.insert(QStringLiteral("eventHandlersOver20ms"), application->LongHandlers());
    }
    report.insert(QStringLiteral("renders"), renderLog.renders);
    report.insert(QStringLiteral("renderMs"), renderLog.totalMs);
    report.insert(QStringLiteral("rendersOver50msAtMs"), renderLog.longRenders);

    // The other operations, each on the loaded model as the window offers them.
    if (finishedSeconds > 0) {
        report.insert(QStringLiteral("custom10"), RunOperation(window, [&] { window.Document().ReduceToShare(10); }));
        report.insert(QStringLiteral("byError0.001"), RunOperation(window, [&] { window.Document().ReduceWithinError(0.001); }));
        // Back to the loaded model (drawn before the meter starts), then smoothed.
        window.findChild<QAction *>(QStringLiteral("actionDecimation100"))->trigger();
        Wait(500);
        report.insert(QStringLiteral("smoothing"), RunOperation(window, [&] { window.Document().Smooth(); }));
        report.insert(QStringLiteral("redrawSmoothed"), TimeRedraws(window));
        report.insert(QStringLiteral("deviationPicture"), MeasureDeviationResponse(window));
        report.insert(QStringLiteral("levelsResponse"), MeasureLevelsResponse(window, modelPath));
    }
    return report;
}
