#include "sim/FaultShaping.h"

#include <algorithm>

namespace qx::sim {

namespace {

std::vector<Output> inPieces(const QByteArray& answer, int answerDelayMs, const Fault& fault) {
    if (fault.firstPieceBytes > 0 && fault.firstPieceBytes < answer.size())
        return {{answerDelayMs, answer.left(fault.firstPieceBytes)},
                {answerDelayMs + fault.gapMs, answer.mid(fault.firstPieceBytes)}};
    const int pieces = std::clamp(fault.pieces, 1, static_cast<int>(answer.size()));
    const int pieceSize = (static_cast<int>(answer.size()) + pieces - 1) / pieces;
    std::vector<Output> outputs;
    for (int start = 0, index = 0; start < answer.size(); start += pieceSize, ++index)
        outputs.push_back({answerDelayMs + index * fault.gapMs, answer.mid(start, pieceSize)});
    return outputs;
}

}  // namespace

std::vector<Output> shapeAnswer(const QByteArray& answer, int answerDelayMs,
                                const std::optional<Fault>& fault) {
    const Fault::Kind kind = fault ? fault->kind : Fault::Kind::None;
    switch (kind) {
        case Fault::Kind::Garbage:
            return {{answerDelayMs, fault->text}};
        case Fault::Kind::Drop:
            return {{answerDelayMs, {}, true}};
        case Fault::Kind::NoAnswer:
            return {};
        default:
            break;
    }
    if (answer.isEmpty()) return {};
    switch (kind) {
        case Fault::Kind::Late:
            return {{answerDelayMs + fault->delayMs, answer}};
        case Fault::Kind::Split:
            return inPieces(answer, answerDelayMs, *fault);
        default:
            return {{answerDelayMs, answer}};
    }
}

}  // namespace qx::sim
