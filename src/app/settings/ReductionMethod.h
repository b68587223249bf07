#pragma once

#include "reduce/ReductionEngine.h"

// The reduction engine chosen in the preferences, stored as "ReductionMethod" ("classic" or
// "quality"); anything else stored counts as the default.
lumeno::ReductionEngine StoredReductionEngine();
void StoreReductionEngine(lumeno::ReductionEngine engine);
