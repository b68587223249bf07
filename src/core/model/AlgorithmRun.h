#pragma once

#include <functional>

class vtkAlgorithm;

namespace lumeno {

// Called with a reader or filter right after it is made and before it runs, so that the
// caller can observe its events (progress, errors) or tune it.
using AlgorithmHook = std::function<void(vtkAlgorithm *)>;

enum class UpdateOutcome {
    Done,
    OutOfMemory, // std::bad_alloc came out of the execution, or an array could not grow
    Failed,      // another exception did (std::length_error: a count beyond any vector)
};

// Update() that survives running out of memory: a damaged file or a huge model can make
// a reader or filter throw std::bad_alloc out of its execution, and a VTK array that cannot
// grow only reports an error (the filter then goes on with what it has, or fails as if its
// input were damaged).
UpdateOutcome TryUpdate(vtkAlgorithm *algorithm);

// TryUpdate, for those that need not tell why: false when it did not end normally.
bool UpdateWithoutThrowing(vtkAlgorithm *algorithm);

// Notes, while it lives, whether a VTK array on this thread could not allocate its memory
// ("Unable to allocate ..." reported through VTK's output window, which it wraps once).
class VtkAllocationWatch
{
public:
    VtkAllocationWatch();
    bool RanShort() const;

private:
    unsigned failuresBefore;
};

} // namespace lumeno
