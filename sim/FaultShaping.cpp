#include "sim/FaultShaping.h"

#include <algorithm>
#include <cmath>
#include <random>

namespace qx::sim {

namespace {

constexpr double kByteMs = 10.0 * 1000.0 / 9600.0;  // start bit, 8 data bits, stop bit
constexpr int kUsbPacketBytes = 62;                 // payload of a full-speed packet
constexpr int kStreamPauseMs = 5;                   // a stream's pause between two sends
const QByteArray kFloodPattern = QByteArrayLiteral("0123456789");

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

QByteArray binaryBytes(int count, quint32 seed) {
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> byte(0, 255);
    QByteArray bytes(count, '\0');
    for (char& b : bytes) b = static_cast<char>(byte(random));
    return bytes;
}

QByteArray floodBytes(int count) {
    QByteArray bytes;
    bytes.reserve(count);
    while (bytes.size() < count) bytes += kFloodPattern;
    bytes.truncate(count);
    return bytes;
}

// The answer, or for a command without one a bare "#", sent again and again.
Output streamed(const QByteArray& answer, int answerDelayMs, const Fault& fault) {
    Output output{answerDelayMs, answer.isEmpty() ? QByteArrayLiteral("#") : answer};
    output.repeatMs = fault.gapMs > 0 ? fault.gapMs : kStreamPauseMs;
    return output;
}

}  // namespace

std::vector<Output> usbPackets(const QByteArray& answer, int answerDelayMs, int periodMs,
                               int jitterMs, quint32 seed) {
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> phase(0.0, periodMs);
    std::uniform_real_distribution<double> jitter(-jitterMs, jitterMs);
    std::vector<Output> packets;
    double tick = answerDelayMs + phase(random);  // the adapter's timer runs on its own
    qsizetype sent = 0;
    double lastAt = 0;
    while (sent < answer.size()) {
        // Bytes that have arrived by the tick, at most a full packet (which goes when it fills).
        const auto arrived = [&](qsizetype i) { return answerDelayMs + (i + 1) * kByteMs; };
        qsizetype end = sent;
        while (end < answer.size() && arrived(end) <= tick && end - sent < kUsbPacketBytes) ++end;
        double at = tick;
        if (end - sent == kUsbPacketBytes) at = std::min(tick, arrived(end - 1));
        if (end > sent) {
            lastAt = std::max(lastAt, std::ceil(at));
            packets.push_back({static_cast<int>(lastAt), answer.mid(sent, end - sent)});
            sent = end;
        }
        tick = at + std::max(1.0, periodMs + jitter(random));
    }
    return packets;
}

std::vector<Output> shapeAnswer(const QByteArray& answer, int answerDelayMs,
                                const std::optional<Fault>& fault, quint32 seed) {
    const Fault::Kind kind = fault ? fault->kind : Fault::Kind::None;
    switch (kind) {
        case Fault::Kind::Garbage:
            return {{answerDelayMs, fault->text}};
        case Fault::Kind::Binary:
            return {{answerDelayMs, binaryBytes(fault->bytes, seed)}};
        case Fault::Kind::Flood:
            return {{answerDelayMs, floodBytes(fault->bytes)}};
        case Fault::Kind::Drop:
        case Fault::Kind::Reset: {
            Output ending{answerDelayMs, {}, true};
            ending.reset = kind == Fault::Kind::Reset;
            return {ending};
        }
        case Fault::Kind::NoAnswer:
            return {};
        case Fault::Kind::Stream:
            return {streamed(answer, answerDelayMs, *fault)};
        default:
            break;
    }
    if (answer.isEmpty()) return {};
    switch (kind) {
        case Fault::Kind::Late:
            return {{answerDelayMs + fault->delayMs, answer}};
        case Fault::Kind::Split:
            return inPieces(answer, answerDelayMs, *fault);
        case Fault::Kind::Trickle: {
            Fault bytewise = *fault;
            bytewise.firstPieceBytes = 0;
            bytewise.pieces = static_cast<int>(answer.size());
            return inPieces(answer, answerDelayMs, bytewise);
        }
        case Fault::Kind::Usb:
            return usbPackets(answer, answerDelayMs, fault->periodMs, fault->jitterMs, seed);
        default:
            return {{answerDelayMs, answer}};
    }
}

}  // namespace qx::sim
