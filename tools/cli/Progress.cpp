#include "Progress.h"

#include "io/FilePaths.h"

#include <vtkAlgorithm.h>
#include <vtkCallbackCommand.h>

#include <chrono>
#include <cstdio>
#include <system_error>
#include <unistd.h>

namespace {

constexpr int BarWidth = 30;
constexpr int TaskWidth = 24;
constexpr auto RedrawInterval = std::chrono::milliseconds(200);
constexpr char TurningMark[] = {'|', '/', '-', '\\'};

void OnProgress(vtkObject *, unsigned long, void *clientData, void *callData)
{
    if (callData)
        static_cast<Progress *>(clientData)->Advance(*static_cast<double *>(callData));
}

} // namespace

Progress::Progress(Style shownAs) : style(shownAs)
{
    observer = vtkSmartPointer<vtkCallbackCommand>::New();
    observer->SetCallback(OnProgress);
    observer->SetClientData(this);
    if (style == Style::Bar) {
        try {
            ticker = std::thread([this] { Tick(); });
        } catch (const std::system_error &) {
            // No thread to be had: the bar moves with the work's progress alone.
        }
    }
}

Progress::~Progress()
{
    {
        std::lock_guard<std::mutex> guard(lock);
        stopping = true;
    }
    wake.notify_all();
    if (ticker.joinable())
        ticker.join();
    Clear();
}

Progress::Style Progress::StyleForStandardError(bool quiet)
{
    if (quiet)
        return Style::Silent;
    return isatty(fileno(stderr)) ? Style::Bar : Style::Lines;
}

void Progress::Begin(const QString &newTask)
{
    Start(newTask, std::nullopt);
}

void Progress::Begin(const QString &newTask, double fraction)
{
    Start(newTask, fraction);
}

void Progress::Start(const QString &newTask, std::optional<double> fraction)
{
    const QString shown = lumeno::EscapeControlCharacters(newTask); // a file name in it reaches the terminal
    if (style == Style::Lines) {
        std::fprintf(stderr, "%s\n", shown.toLocal8Bit().constData());
        std::fflush(stderr);
    }
    if (style != Style::Bar)
        return;
    std::lock_guard<std::mutex> guard(lock);
    task = shown;
    done = fraction;
    clock.start();
    Draw();
}

void Progress::Advance(double fraction)
{
    if (style != Style::Bar)
        return;
    std::lock_guard<std::mutex> guard(lock);
    if (task.isEmpty())
        return;
    const bool moved = !done || int(*done * 100.0) != int(fraction * 100.0);
    done = fraction;
    if (moved)
        Draw();
}

void Progress::Draw()
{
    const double seconds = clock.elapsed() / 1000.0;
    QString state;
    if (done) {
        const int percent = qBound(0, static_cast<int>(*done * 100.0), 100);
        const int filled = percent * BarWidth / 100;
        state = QStringLiteral("[%1%2] %3%").arg(QString(filled, QLatin1Char('#')), QString(BarWidth - filled, QLatin1Char('-'))).arg(percent, 3);
    } else {
        state = QLatin1Char(TurningMark[turns % int(sizeof TurningMark)]);
    }
    // \r goes back to the start of the line, \033[K clears what a longer line left behind.
    std::fprintf(stderr, "\r%s %s %5.1f s\033[K", task.leftJustified(TaskWidth).toLocal8Bit().constData(),
                 state.toLatin1().constData(), seconds);
    std::fflush(stderr);
    lineShown = true;
}

void Progress::Tick()
{
    std::unique_lock<std::mutex> guard(lock);
    while (!stopping) {
        wake.wait_for(guard, RedrawInterval);
        if (stopping || task.isEmpty())
            continue;
        ++turns;
        Draw();
    }
}

void Progress::Clear()
{
    if (style != Style::Bar)
        return;
    std::lock_guard<std::mutex> guard(lock);
    task.clear();
    if (!lineShown)
        return;
    std::fprintf(stderr, "\r\033[K");
    std::fflush(stderr);
    lineShown = false;
}

void Progress::Follow(vtkAlgorithm *algorithm)
{
    algorithm->AddObserver(vtkCommand::ProgressEvent, observer);
}
