#include "sim/OutputScheduler.h"

#include <algorithm>

namespace qx::sim {

OutputScheduler::OutputScheduler(QObject* parent) : QObject(parent) {
    clock_.start();
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &OutputScheduler::sendDue);
}

void OutputScheduler::schedule(const std::vector<Output>& outputs) {
    const qint64 now = clock_.elapsed();
    for (const Output& output : outputs) queue_.emplace(now + output.delayMs, output);
    armTimer();
}

void OutputScheduler::clear() {
    queue_.clear();
    timer_.stop();
}

void OutputScheduler::sendDue() {
    while (!queue_.empty() && queue_.begin()->first <= clock_.elapsed()) {
        const qint64 due = queue_.begin()->first;
        const Output output = queue_.begin()->second;
        queue_.erase(queue_.begin());
        if (output.drop) {
            clear();
            emit drop(output.reset);
            return;
        }
        if (output.repeatMs > 0) queue_.emplace(due + output.repeatMs, output);
        emit send(output.bytes);
    }
    armTimer();
}

void OutputScheduler::armTimer() {
    if (queue_.empty()) return;
    const qint64 wait = std::max<qint64>(0, queue_.begin()->first - clock_.elapsed());
    timer_.start(static_cast<int>(wait));
}

}  // namespace qx::sim
