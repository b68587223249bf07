#include "Progress.h"

#include "io/FilePaths.h"

#include <vtkAlgorithm.h>
#include <vtkCallbackCommand.h>

#include <cstdio>
#include <unistd.h>

namespace {

constexpr int BarWidth = 30;
constexpr int TaskWidth = 24;

void OnProgress(vtkObject *, unsigned long, void *clientData, void *callData)
{
    if (callData)
        static_cast<Progress *>(clientData)->Advance(*static_cast<double *>(callData));
}

} // namespace

Progress::Progress(Style style) : style(style)
{
    observer = vtkSmartPointer<vtkCallbackCommand>::New();
    observer->SetCallback(OnProgress);
    observer->SetClientData(this);
}

Progress::~Progress()
{
    Clear();
}

Progress::Style Progress::StyleForStandardError(bool quiet)
{
    if (quiet)
        return Style::Silent;
    return isatty(fileno(stderr)) ? Style::Bar : Style::Lines;
}

void Progress::Begin(const QString &newTask, double fraction)
{
    task = lumeno::EscapeControlCharacters(newTask); // a file name in it reaches the terminal
    shownPercent = -1;
    if (style == Style::Lines) {
        std::fprintf(stderr, "%s\n", task.toLocal8Bit().constData());
        std::fflush(stderr);
    } else if (style == Style::Bar) {
        Advance(fraction);
    }
}

void Progress::Advance(double fraction)
{
    if (style != Style::Bar)
        return;
    const int percent = qBound(0, static_cast<int>(fraction * 100.0), 100);
    if (percent == shownPercent)
        return;
    shownPercent = percent;
    Draw();
}

void Progress::Draw()
{
    const int filled = shownPercent * BarWidth / 100;
    const QString bar = QString(filled, QLatin1Char('#')) + QString(BarWidth - filled, QLatin1Char('-'));
    // \r goes back to the start of the line, \033[K clears what a longer line left behind.
    std::fprintf(stderr, "\r%s [%s] %3d%%\033[K", task.leftJustified(TaskWidth).toLocal8Bit().constData(),
                 bar.toLatin1().constData(), shownPercent);
    std::fflush(stderr);
    barShown = true;
}

void Progress::Clear()
{
    if (!barShown)
        return;
    std::fprintf(stderr, "\r\033[K");
    std::fflush(stderr);
    barShown = false;
}

void Progress::Follow(vtkAlgorithm *algorithm)
{
    algorithm->AddObserver(vtkCommand::ProgressEvent, observer);
}
