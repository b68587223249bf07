#pragma once

#include <QString>
#include <QTemporaryDir>

#include <vtkPolyData.h>
#include <vtkSmartPointer.h>

#include <functional>
#include <vector>

// Levels set aside in files while the reducer that makes them still holds its memory, and read
// back once it has let go: the window's peak for a model too large to hold both is then the
// larger of the two, not their sum. The files (VTK's XML, raw, so all arrays come back as they
// were) are in a folder of their own under the temporary folder, removed with this object.
class ParkedLevels
{
public:
    ParkedLevels();

    // False when the level could not be written (no room on disk): keep it in memory instead.
    bool Park(int step, vtkPolyData *level);
    bool Empty() const { return parked.empty(); }

    using Returned = std::function<void(int step, const vtkSmartPointer<vtkPolyData> &level)>;
    // Reads them back in the order parked, one at a time, each file removed once read; a level
    // that cannot be read back is left out (it counts as not made). Stops when `stopped` says.
    void Return(const Returned &returned, const std::function<bool()> &stopped);

private:
    struct Parked
    {
        int step = 0;
        QString path;
    };
    QTemporaryDir folder;
    std::vector<Parked> parked;
};
