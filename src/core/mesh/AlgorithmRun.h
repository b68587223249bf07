#pragma once

#include <functional>

class vtkAlgorithm;

namespace lumeno {

// Called with a reader or filter right after it is made and before it runs, so that the
// caller can observe its events (progress, errors) or tune it.
using AlgorithmHook = std::function<void(vtkAlgorithm *)>;

// Update() that survives running out of memory: a damaged file or a huge model can make
// a reader or filter throw std::bad_alloc out of its execution. False when it did.
bool UpdateWithoutThrowing(vtkAlgorithm *algorithm);

} // namespace lumeno
