#pragma once

#include <QString>
#include <QStringList>

#include "fakes/VirtualScheduler.h"

namespace qx::test {

// What the window did to the outside world, one row per event, stamped with the virtual time:
// "8200 serial :GXA2#", "0 sound connect.mp3", "0 message 通信エラー".
class EventLog {
public:
    explicit EventLog(const VirtualScheduler& clock) : clock_(clock) {}

    void add(const QString& kind, const QString& what) {
        rows_ << QStringLiteral("%1 %2 %3").arg(qRound64(clock_.nowMs())).arg(kind, what);
    }
    QStringList rows() const { return rows_; }
    // Rows of one kind, without their time stamps: the order of what happened.
    QStringList of(const QString& kind) const;
    // Rows of one kind with their time stamps.
    QStringList timedOf(const QString& kind) const;
    void clear() { rows_.clear(); }

private:
    const VirtualScheduler& clock_;
    QStringList rows_;
};

}  // namespace qx::test
