#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <map>
#include <vector>

#include "sim/Controller.h"

namespace qx::sim {

// Sends a link's timed outputs when they fall due, in the order they fall due (outputs due at the
// same moment keep the order in which they were scheduled, so pieces of an answer never swap).
// An output that repeats is scheduled again after each send, until clear().
class OutputScheduler : public QObject {
    Q_OBJECT
public:
    explicit OutputScheduler(QObject* parent = nullptr);

    // Delays are counted from this call.
    void schedule(const std::vector<Output>& outputs);
    // Forgets every output not yet sent.
    void clear();

signals:
    void send(const QByteArray& bytes);
    void drop(bool reset);

private:
    void sendDue();
    void armTimer();

    QElapsedTimer clock_;
    std::multimap<qint64, Output> queue_;  // by due time, ms of clock_
    QTimer timer_;
};

}  // namespace qx::sim
