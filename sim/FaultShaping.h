#pragma once

#include <QByteArray>
#include <optional>
#include <vector>

#include "sim/Controller.h"

namespace qx::sim {

// The outputs of one command: its `answer` (empty when the command has none) sent answerDelayMs
// after the command, as changed by `fault` when one applies. `seed` chooses the bytes of a binary
// answer and the timing of a USB adapter, so that a run can be repeated exactly.
std::vector<Output> shapeAnswer(const QByteArray& answer, int answerDelayMs,
                                const std::optional<Fault>& fault, quint32 seed = 1);

// How a USB serial adapter hands the controller's answer to the PC. The answer leaves the
// controller at 9600 baud (10 bits a byte) from answerDelayMs on; the adapter passes on what it
// has received each time its latency timer (periodMs) runs out, at most 62 bytes a packet (a full
// packet goes at once), and the PC's scheduling moves each interval between packets by up to
// ±jitterMs. The packets keep their order and none comes before its last byte has arrived.
std::vector<Output> usbPackets(const QByteArray& answer, int answerDelayMs, int periodMs,
                               int jitterMs, quint32 seed);

}  // namespace qx::sim
