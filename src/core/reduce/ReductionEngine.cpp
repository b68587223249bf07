#include "reduce/ReductionEngine.h"

namespace lumeno {

QString EngineKey(ReductionEngine engine)
{
    return engine == ReductionEngine::Classic ? QStringLiteral("classic") : QStringLiteral("quality");
}

std::optional<ReductionEngine> EngineFromKey(const QString &key)
{
    for (ReductionEngine engine : {ReductionEngine::Classic, ReductionEngine::Quality})
        if (key == EngineKey(engine))
            return engine;
    return std::nullopt;
}

} // namespace lumeno
