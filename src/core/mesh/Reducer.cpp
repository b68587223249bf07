#include "mesh/Reducer.h"

#include "mesh/ClassicReducer.h"
#include "mesh/QualityReducer.h"

namespace lumeno {

std::unique_ptr<Reducer> MakeReducer(ReductionEngine engine)
{
    if (engine == ReductionEngine::Classic)
        return std::make_unique<ClassicReducer>();
    return std::make_unique<QualityReducer>();
}

} // namespace lumeno
