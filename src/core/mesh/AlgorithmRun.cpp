#include "mesh/AlgorithmRun.h"

#include <vtkAlgorithm.h>

#include <new>
#include <stdexcept>

namespace lumeno {

bool UpdateWithoutThrowing(vtkAlgorithm *algorithm)
{
    try {
        algorithm->Update();
        return true;
    } catch (const std::bad_alloc &) {
        return false;
    } catch (const std::length_error &) {
        return false;
    }
}

} // namespace lumeno
