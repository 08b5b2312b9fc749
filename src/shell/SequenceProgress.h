#pragma once

#include <QString>

namespace qx {

// How a long timed sequence (the read-alls, the motor gear write, the factory reset, the model
// write) tells the window how far it has come. A step is a send, or a group of sends, with its
// waits; `msLeft` adds up the waits of the steps still ahead as the sequence knows them at that
// moment. The read-all learns during its run what its retry passes must ask again, so its total
// of steps can change between two reports.
class SequenceProgress {
public:
    virtual ~SequenceProgress() = default;
    virtual void started(const QString& name, int steps, int msLeft) = 0;
    virtual void stepReached(int reached, int steps, int msLeft) = 0;
    virtual void finished() = 0;  // on every way the sequence ends
};

// The window logic without a window shows nothing.
class NoSequenceProgress final : public SequenceProgress {
public:
    void started(const QString&, int, int) override {}
    void stepReached(int, int, int) override {}
    void finished() override {}
};

}  // namespace qx
