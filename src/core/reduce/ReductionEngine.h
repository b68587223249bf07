#pragma once

#include <QString>

#include <optional>

namespace lumeno {

// Classic: vtkDecimatePro, each level from the one before. Quality: our own quadric edge
// collapse, every level in one run (QualityReducer). MakeReducer (Reducer.h) makes either.
enum class ReductionEngine { Classic, Quality };

// The quality engine by default: on scanned and CAD meshes its levels lie 2.6 to 8 times closer
// to the model, in less time, and a by-error result respects its bound.
constexpr ReductionEngine DefaultEngine = ReductionEngine::Quality;

// "classic" or "quality": the settings' and the command line's word for an engine.
QString EngineKey(ReductionEngine engine);
std::optional<ReductionEngine> EngineFromKey(const QString &key);

} // namespace lumeno
