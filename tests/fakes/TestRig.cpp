#include "fakes/TestRig.h"

#include <QDir>

#include "read/QueryIndex.h"

namespace qx::test {

TestRig::TestRig() {
    folders.settings = settingsDir.path();
    form = std::make_unique<Form1>(platform);
    QueryIndex = 0;
}

TestRig::~TestRig() = default;

QString TestRig::settingsFile(const char* name) const {
    return QDir(settingsDir.path()).filePath(QLatin1String(name));
}

sim::Controller& TestRig::attachSimulator() {
    controller = std::make_unique<sim::Controller>();
    auto answer = [this](const QByteArray& bytes, auto deliver, auto drop) {
        for (const sim::Output& out : controller->receive(bytes, qRound64(clock.nowMs()))) {
            clock.post(out.delayMs, [=] { out.drop ? drop() : deliver(out.bytes); });
        }
    };
    serial.onWrite = [this, answer](const QByteArray& bytes) {
        answer(
            bytes, [this](const QByteArray& b) { serial.deliver(b); }, [this] { serial.vanish(); });
    };
    tcp.onSend = [this, answer](const QByteArray& bytes) {
        answer(
            bytes, [this](const QByteArray& b) { tcp.deliver(b); }, [this] { tcp.peerCloses(); });
    };
    return *controller;
}

}  // namespace qx::test
