#pragma once

#include "reduce/DecimationLevels.h"
#include "model/LeftOutTriangles.h"
#include "reduce/ReductionEngine.h"

#include <vtkPolyData.h>
#include <vtkSmartPointer.h>

#include <functional>
#include <memory>

namespace lumeno {

class DeviationMeter;

// What the caller of a reduction learns while it runs, and how it stops it. Either may be
// empty. Both may be called from any of the reducer's threads, not only the caller's, but one
// call at a time and never during a call of the LevelReceiver; they should return quickly.
struct ReductionControl
{
    // 0..1 of the whole operation (for the levels, of all nine), never going back.
    std::function<void(double fraction)> progress;
    // Polled. Once it answers true the operation ends soon (within a fraction of a second even
    // for millions of triangles), gives no model and hands over no further level.
    std::function<bool()> cancelled;
    // Told once, on the caller's thread, when the operation reads the model's points and cells
    // no more (the quality engine, once it has welded them): a caller that keeps the model for
    // the operation alone may free them then, as they are about a tenth of the levels' peak.
    std::function<void()> modelRead;
};

// Where the nine levels go. Both are called on the caller's thread, in level order (index
// into DecimationLevels), and may be empty.
struct LevelReceiver
{
    // Before the reducer starts, or starts waiting for, the level: for a status text.
    std::function<void(int level)> starting;
    // The level, an object of the receiver's own. To stop after it, make `cancelled` answer true.
    std::function<void(int level, const vtkSmartPointer<vtkPolyData> &model)> ready;
};

// One reduction engine. A reducer serves any number of operations, one at a time; each
// operation sets everything that decides its result, so no result depends on an earlier one.
// The input is read only and may be freed as soon as an operation returns. No operation gives
// a model when it was cancelled or made broken cells. Short of memory (or of threads), an
// operation throws std::bad_alloc; the levels handed over before stay valid.
class Reducer
{
public:
    virtual ~Reducer() = default;

    // The nine levels of DecimationLevels, each handed over as soon as it is made. Stops at the
    // first level that cannot be made; the levels handed over stay valid. Returns their number.
    virtual int MakeLevels(vtkPolyData *model, const LevelReceiver &receiver, const ReductionControl &control) = 0;

    // Keeps about `share` (0..1] of the model's triangles, whatever the error.
    virtual vtkSmartPointer<vtkPolyData> KeepShare(vtkPolyData *model, double share,
                                                   const ReductionControl &control) = 0;

    // Removes triangles while the deviation stays within maxError, a share of the model's
    // bounding box diagonal. An engine that measures its results does so with `meter`, made
    // from `model` (build it once for all the reductions of one model); without one it makes its own.
    virtual vtkSmartPointer<vtkPolyData> WithinError(vtkPolyData *model, double maxError,
                                                     const ReductionControl &control,
                                                     const DeviationMeter *meter = nullptr) = 0;

    // Of the model's triangles, those the last operation left out of its results, as no reader
    // would read them back (LeftOutTriangles); an engine whose results hold none tells none.
    virtual LeftOutTriangles LeftOut() const { return {}; }

    // Whether the last operation had to let borders and seams leave their lines (and locked
    // places move) to reach the triangle count it was asked for.
    virtual bool RelaxedGuards() const { return false; }
};

std::unique_ptr<Reducer> MakeReducer(ReductionEngine engine);

// MakeReducer, or a maker of the caller's own (a test's double).
using ReducerMaker = std::function<std::unique_ptr<Reducer>(ReductionEngine)>;

} // namespace lumeno
