#pragma once

#include <QTimer>
#include <functional>

#include "ui/platform/Scheduler.h"

namespace qx {

// A window timer on Qt's event loop. Precise, because the clock display and the MaxRate poll
// tick every second and a coarse timer may slip by up to 5 % of its interval.
class QtTimer : public Timer {
public:
    explicit QtTimer(std::function<void()> onTick);

    void start(int intervalMs) override;
    void stop() override;
    bool isActive() const override;
    void setSingleShot(bool singleShot) override;

private:
    QTimer timer_;
    std::function<void()> onTick_;
};

}  // namespace qx
