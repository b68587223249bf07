#include "GuiResponse.h"

#include "MainWindow.h"
#include "reduce/ReductionEngine.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QJsonArray>
#include <QSettings>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <memory>

namespace {

// Runs the event loop until `done` holds (checked at each signal and every 10 ms) or ten minutes pass.
void RunUntil(const std::function<bool()> &done)
{
    QEventLoop loop;
    QTimer check;
    QObject::connect(&check, &QTimer::timeout, &loop, [&] {
        if (done())
            loop.quit();
    });
    check.start(10);
    QTimer::singleShot(10 * 60 * 1000, &loop, &QEventLoop::quit);
    if (!done())
        loop.exec();
}

bool Idle(const ModelDocument &document)
{
    return !document.IsReading() && document.RunningJob() == ModelDocument::Job::None;
}

// The levels made again with `engine`: the fewest progress updates that reached the window
// between two levels (before the first one included).
int FewestUpdatesPerLevel(ModelDocument &document, lumeno::ReductionEngine engine)
{
    int updates = 0, fewest = 1 << 30, levels = 0;
    const auto progress = QObject::connect(&document, &ModelDocument::Progress, [&] { ++updates; });
    const auto level = QObject::connect(&document, &ModelDocument::LevelReady, [&] {
        fewest = std::min(fewest, updates);
        updates = 0;
        ++levels;
    });
    document.SetEngine(engine);
    RunUntil([&] { return Idle(document); });
    QObject::disconnect(progress);
    QObject::disconnect(level);
    return levels == lumeno::LevelCount ? fewest : -1;
}

// Cancel once the first level has come, then the time until a smoothing asked for at once runs.
double CancelSeconds(ModelDocument &document, lumeno::ReductionEngine other, lumeno::ReductionEngine engine)
{
    document.SetEngine(other); // the levels are made again only for a new engine
    RunUntil([&] { return Idle(document); });
    document.SetEngine(engine);
    RunUntil([&] { return document.LevelOf(90).model || Idle(document); });
    QElapsedTimer clock;
    bool smoothingRuns = false;
    clock.start();
    document.Cancel();
    document.Smooth();
    const auto progress = QObject::connect(&document, &ModelDocument::Progress, [&] { smoothingRuns = true; });
    RunUntil([&] { return smoothingRuns || Idle(document); });
    const double seconds = clock.nsecsElapsed() / 1e9;
    QObject::disconnect(progress);
    document.Cancel();
    return seconds;
}

// A new window opens the model; once the first level has come, the time to close and destroy it.
double ExitSeconds(const QString &modelPath, lumeno::ReductionEngine engine)
{
    QSettings().setValue(QStringLiteral("ReductionMethod"), lumeno::EngineKey(engine));
    auto window = std::make_unique<MainWindow>();
    window->show();
    window->LoadModel(modelPath);
    const ModelDocument &document = window->Document();
    RunUntil([&] { return document.LevelOf(90).model || (Idle(document) && document.LoadedModel()); });
    QElapsedTimer clock;
    clock.start();
    window->close();
    window.reset();
    return clock.nsecsElapsed() / 1e9;
}

} // namespace

QJsonObject MeasureLevelsResponse(MainWindow &window, const QString &modelPath)
{
    ModelDocument &document = window.Document();
    QJsonObject report;
    for (const lumeno::ReductionEngine engine : {lumeno::ReductionEngine::Classic, lumeno::ReductionEngine::Quality}) {
        const lumeno::ReductionEngine other = engine == lumeno::ReductionEngine::Classic
                                                  ? lumeno::ReductionEngine::Quality
                                                  : lumeno::ReductionEngine::Classic;
        QJsonObject measured;
        if (document.Engine() == engine)
            FewestUpdatesPerLevel(document, other);
        measured.insert(QStringLiteral("fewestProgressUpdatesPerLevel"), FewestUpdatesPerLevel(document, engine));
        measured.insert(QStringLiteral("cancelSeconds"), CancelSeconds(document, other, engine));
        measured.insert(QStringLiteral("exitSeconds"), ExitSeconds(modelPath, engine));
        report.insert(lumeno::EngineKey(engine), measured);
    }
    return report;
}
