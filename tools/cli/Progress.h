#pragma once

#include <QElapsedTimer>
#include <QString>

#include <vtkSmartPointer.h>

#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

class vtkAlgorithm;
class vtkCallbackCommand;

// Progress on standard error: a bar redrawn in place on one line when standard error is a
// terminal, one line per task when it is not, nothing at all when quiet. A task whose share
// done is not known (no fraction told yet) shows a turning mark instead of the bar; either
// way the line shows the task's time and is redrawn a few times a second, so that it moves
// while a step tells nothing.
class Progress
{
public:
    enum class Style { Bar, Lines, Silent };

    explicit Progress(Style style);
    ~Progress();
    Progress(const Progress &) = delete;
    Progress &operator=(const Progress &) = delete;

    // The style for standard error as it is: quiet wins, then whether it is a terminal.
    static Style StyleForStandardError(bool quiet);

    // A task of unknown length, until Advance tells a fraction.
    void Begin(const QString &task);
    // A task that has come `fraction` (0..1) of its way: several steps of one reduction share its bar.
    void Begin(const QString &task, double fraction);
    // May be called from any thread, one call at a time.
    void Advance(double fraction);
    // Removes the line, so that what is printed next starts on a clean line.
    void Clear();

    // Whether Clear removes what was shown (a bar), rather than leaving the lines printed.
    bool RedrawsInPlace() const { return style == Style::Bar; }

    // Makes the algorithm's progress events move the bar.
    void Follow(vtkAlgorithm *algorithm);

private:
    void Start(const QString &task, std::optional<double> fraction);
    void Draw(); // with `lock` held
    void Tick();

    Style style;
    std::mutex lock;
    QString task;                  // empty while no task is shown
    std::optional<double> done;    // unknown until told
    QElapsedTimer clock;           // since the task began
    int turns = 0;                 // of the turning mark
    bool lineShown = false;
    bool stopping = false;
    std::condition_variable wake;
    std::thread ticker;            // redraws the bar's line while a task runs
    vtkSmartPointer<vtkCallbackCommand> observer;
};
