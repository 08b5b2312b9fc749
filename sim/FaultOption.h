#pragma once

#include <QString>
#include <optional>
#include <utility>

#include "sim/Controller.h"

namespace qx::sim {

// One --fault option of the simulator: "PREFIX=KIND[:ARG][@TIMES]".
// KIND is noanswer, late, split, garbage, drop or ignore (any case). ARG is the extra delay in ms
// for late (default 1000), the gap between pieces in ms for split (default 5), optionally followed
// by
// ",N" to cut the answer into two pieces after its first N bytes, and the text sent in place of
// the answer for garbage (default "garbage#"). TIMES limits how often the fault applies.
// Examples: ":GXEL#=noanswer", ":Gt#=late:300", ":GXA1#=split:40", ":GXA1#=split:40,23",
// ":GG#=garbage:xyz#@1",
// ":Pz#=drop", ":PA=ignore". The prefix may itself hold "=" (":=SG#=drop").
std::optional<std::pair<QString, Fault>> parseFaultOption(const QString& option);

}  // namespace qx::sim
