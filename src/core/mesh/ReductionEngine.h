#pragma once

#include <QString>

#include <optional>

namespace lumeno {

// Classic: vtkDecimatePro, each level from the one before. Quality: meshoptimizer's
// quadric-error simplifier, each level from the model itself, several at once.
// MakeReducer (Reducer.h) makes either.
enum class ReductionEngine { Classic, Quality };

// The quality engine by default: on the benchmark's 1.2M-triangle models it computes the nine
// levels in 0.3-0.4 of the time on two cores and a custom or by-error reduction in 0.1-0.2, its
// largest deviation is lower where the surface has features, and a by-error result respects its
// bound. On smooth dense surfaces its mean deviation is higher (both stay below 0.004 % of the
// diagonal there).
constexpr ReductionEngine DefaultEngine = ReductionEngine::Quality;

// "classic" or "quality": the settings' and the command line's word for an engine.
QString EngineKey(ReductionEngine engine);
std::optional<ReductionEngine> EngineFromKey(const QString &key);

} // namespace lumeno
