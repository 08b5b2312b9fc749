#pragma once

#include <QByteArray>
#include <optional>
#include <vector>

#include "sim/Controller.h"

namespace qx::sim {

// The outputs of one command: its `answer` (empty when the command has none) sent answerDelayMs
// after the command, as changed by `fault` when one applies.
std::vector<Output> shapeAnswer(const QByteArray& answer, int answerDelayMs,
                                const std::optional<Fault>& fault);

}  // namespace qx::sim
