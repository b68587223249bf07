#pragma once

#include <QString>

#include <vtkSmartPointer.h>

class vtkAlgorithm;
class vtkCallbackCommand;

// Progress on standard error: a bar redrawn in place on one line when standard error is a
// terminal, one line per task when it is not, nothing at all when quiet.
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

    // A task that has come `fraction` (0..1) of its way: several steps of one reduction share its bar.
    void Begin(const QString &task, double fraction = 0.0);
    void Advance(double fraction);
    // Removes the bar, so that what is printed next starts on a clean line.
    void Clear();

    // Makes the algorithm's progress events move the bar.
    void Follow(vtkAlgorithm *algorithm);

private:
    void Draw();

    Style style;
    QString task;
    int shownPercent = -1;
    bool barShown = false;
    vtkSmartPointer<vtkCallbackCommand> observer;
};
