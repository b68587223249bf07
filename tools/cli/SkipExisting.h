#pragma once

#include "Commands.h"

#include <QString>

#include <optional>

struct CliOptions;

// --skip-existing: the outcome of a model whose outputs are all there and newer than it, which is
// then left as it is; nothing when one of them is missing or older (the model is done again).
// Every output is complete once it bears its name (the writers write a file of their own beside
// it and rename that), so what a killed batch left behind is either whole or absent.
std::optional<CommandOutcome> SkippedOutcome(const CliOptions &options, const QString &input);
