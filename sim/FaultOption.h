#pragma once

#include <QString>
#include <optional>
#include <utility>

#include "sim/Controller.h"

namespace qx::sim {

// One --fault option of the simulator: "PREFIX=KIND[:ARG][@TIMES|@onward]".
// KIND and its ARG (any case):
//   noanswer, drop, reset        no argument
//   ignore                       a set command is answered as accepted but changes nothing
//   late[:MS]                    extra delay (default 1000)
//   split[:MS[,N]]               gap between pieces (default 5); ",N" cuts after the first N bytes
//   trickle[:MS]                 one byte every MS (default 100)
//   garbage[:TEXT]               TEXT in place of the answer (default "garbage#")
//   binary[:N]                   N bytes of every value in place of the answer (default 64)
//   flood[:N]                    N digits without "#" in place of the answer (default 1048576)
//   stream[:MS]                  the answer again every MS (default 5) until the client leaves
//   usb[:PERIOD[,JITTER]]        through a USB serial adapter (default 16,8)
// TIMES limits how often the fault applies; "onward" makes it apply, once a command has
// triggered it, to every later command until the client leaves.
// Examples: ":GXEL#=noanswer", ":Gt#=late:300", ":GXA1#=split:40,23", ":GG#=garbage:xyz#@1",
// ":GXEA#=flood", ":GXEE#=noanswer@onward", ":=usb:32", ":Pz#=drop", ":PA=ignore". The prefix
// may itself hold "=" (":=SG#=drop"); the prefix ":" takes in every command.
std::optional<std::pair<QString, Fault>> parseFaultOption(const QString& option);

}  // namespace qx::sim
