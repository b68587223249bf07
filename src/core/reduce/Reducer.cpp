#include "reduce/Reducer.h"

#include "reduce/ClassicReducer.h"
#include "reduce/QualityReducer.h"

namespace lumeno {

std::unique_ptr<Reducer> MakeReducer(ReductionEngine engine)
{
    if (engine == ReductionEngine::Classic)
        return std::make_unique<ClassicReducer>();
    return std::make_unique<QualityReducer>();
}

} // namespace lumeno
