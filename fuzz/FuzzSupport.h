#pragma once

#include <QByteArray>
#include <QHash>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <vector>

#include "fakes/TestRig.h"
#include "read/QueryIndex.h"
#include "ui/Controls.h"

// What the fuzz targets share: how an input becomes the chunks a link receives, and the sink that
// keeps every result observable, so that the optimiser cannot drop the code under test.

namespace qx::fuzz {

inline volatile std::size_t sink = 0;

// Folds the whole state of the window's controls into the sink.
inline void observe(const Controls& controls) {
    std::size_t h = 0;
    for (const QString& name : controls.names()) {
        const Controls::State* s = controls.state(name);
        h = h * 31 + qHash(s->text) + s->backColor + (s->visible ? 1 : 0) + (s->enabled ? 2 : 0);
    }
    sink = sink + h;
}

// One rig for the whole run (its settings folder is made once), with a new window for every
// input: nothing of one input reaches the next.
inline test::TestRig& freshRig() {
    static test::TestRig rig;
    rig.form.reset();
    rig.serial.close();
    rig.tcp.close();
    rig.clock.advance(1e6);  // what the previous input left scheduled runs out
    rig.log.clear();
    rig.form = std::make_unique<Form1>(rig.platform);
    QueryIndex = 1;
    return rig;
}

inline void observe(const QString& text) {
    sink = sink + qHash(text);
}

[[noreturn]] inline void finding(const char* what, const QString& detail) {
    std::fprintf(stderr, "FINDING: %s: %s\n", what, detail.toUtf8().constData());
    std::abort();
}

// One received chunk: the pause before it, the query index set before it (if any), its bytes.
struct ReceiveStep {
    double pauseMs = 0;
    std::optional<qint16> queryIndex;
    QByteArray bytes;
};

// The query index of an index byte: -20 .. 219 covers every index the tool uses (1..38, 50, 53,
// 55, 56, 100) and those around them; the last bytes give the extremes of the 16-bit index.
inline qint16 queryIndexOf(std::uint8_t b) {
    static constexpr qint16 kExtremes[] = {-32768, -1000, -1, 0, 255, 256, 1000, 32767};
    return b < 240 ? qint16(int(b) - 20) : kExtremes[(b - 240) % 8];
}

// An input is a list of steps, each:
//   a header byte: bits 0..5 the pause before the chunk in 2 ms units (0 .. 126 ms, around the
//   20 ms burst gap), bit 7 makes it a pause of one second, bit 6 says an index byte follows;
//   the index byte, when there is one;
//   a length byte, then that many bytes (fewer at the end of the input).
inline std::vector<ReceiveStep> receiveSteps(const std::uint8_t* data, std::size_t size) {
    std::vector<ReceiveStep> steps;
    std::size_t i = 0;
    while (i < size) {
        ReceiveStep step;
        const std::uint8_t header = data[i++];
        step.pauseMs = (header & 0x80) ? 1000 : 2.0 * (header & 0x3F);
        if ((header & 0x40) && i < size) step.queryIndex = queryIndexOf(data[i++]);
        const std::size_t length = i < size ? data[i++] : 0;
        const std::size_t taken = std::min(length, size - i);
        step.bytes = QByteArray(reinterpret_cast<const char*>(data + i), qsizetype(taken));
        i += taken;
        steps.push_back(step);
    }
    return steps;
}

}  // namespace qx::fuzz
