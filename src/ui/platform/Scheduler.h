#pragma once

#include <functional>
#include <memory>

namespace qx {

// A repeating or one-shot timer owned by whoever created it. Destroying it stops it.
class Timer {
public:
    virtual ~Timer() = default;
    virtual void start(int intervalMs) = 0;  // (re)starts; the first tick comes intervalMs later
    virtual void stop() = 0;
    virtual bool isActive() const = 0;
    virtual void setSingleShot(bool singleShot) = 0;
};

// Counts one level of event dispatch of a Scheduler for as long as it lives (nestingDepth).
class NestingLevel {
public:
    explicit NestingLevel(int& depth) : depth_(depth) { ++depth_; }
    ~NestingLevel() { --depth_; }
    NestingLevel(const NestingLevel&) = delete;
    NestingLevel& operator=(const NestingLevel&) = delete;

private:
    int& depth_;
};

// Time as the handlers see it. The real scheduler runs on Qt's event loop; the virtual one (tests)
// jumps from event to event, so a sequence of waits costing seconds finishes in microseconds.
class Scheduler {
public:
    virtual ~Scheduler() = default;

    // Milliseconds on a monotonic clock (origin unspecified).
    virtual double nowMs() const = 0;

    // Returns after ms milliseconds; clicks, timer ticks and received data keep being handled
    // meanwhile (they may run nested inside this call).
    virtual void wait(double ms) = 0;

    // Handles events until done() holds or timeoutMs has passed; returns done().
    virtual bool waitUntil(const std::function<bool()>& done, double timeoutMs) = 0;

    // Lets the events that are already pending run once, without waiting for new ones.
    virtual void processPendingEvents() = 0;

    // How many event dispatches started by this scheduler (wait, waitUntil,
    // processPendingEvents) are running now. Code that runs deeper than a handler was called runs
    // inside one of that handler's waits: a click, a tick or received data handled meanwhile.
    virtual int nestingDepth() const = 0;

    virtual std::unique_ptr<Timer> createTimer(std::function<void()> onTick) = 0;
};

}  // namespace qx
