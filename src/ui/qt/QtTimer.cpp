#include "ui/qt/QtTimer.h"

namespace qx {

QtTimer::QtTimer(std::function<void()> onTick) : onTick_(std::move(onTick)) {
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] { onTick_(); });
}

void QtTimer::start(int intervalMs) {
    timer_.start(intervalMs);
}

void QtTimer::stop() {
    timer_.stop();
}

bool QtTimer::isActive() const {
    return timer_.isActive();
}

void QtTimer::setSingleShot(bool singleShot) {
    timer_.setSingleShot(singleShot);
}

}  // namespace qx
