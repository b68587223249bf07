#pragma once

#include "reduce/Reducer.h"

#include <algorithm>

namespace lumeno {

// Hands a control's progress on as it never goes back: a fraction below or equal to the last
// one told is dropped.
class ReductionProgress
{
public:
    explicit ReductionProgress(const ReductionControl &operationControl) : control(operationControl) {}

    void Tell(double fraction)
    {
        fraction = std::clamp(fraction, 0.0, 1.0);
        if (fraction <= told)
            return;
        told = fraction;
        if (control.progress)
            control.progress(fraction);
    }

    bool Cancelled() const { return control.cancelled && control.cancelled(); }

private:
    const ReductionControl &control;
    double told = -1.0;
};

} // namespace lumeno
