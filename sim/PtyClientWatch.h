#pragma once

#include <QObject>
#include <QString>

class QSocketNotifier;

namespace qx::sim {

// Tells whether a client has the pty's slave device open, from the opens and closes of the device
// node. A real serial line loses what the controller sends while no port is open; the pty would
// keep it for the next client instead, so the server needs to know. Linux only; elsewhere a client
// is always taken to be present.
class PtyClientWatch : public QObject {
    Q_OBJECT
public:
    explicit PtyClientWatch(QObject* parent = nullptr);
    ~PtyClientWatch() override;

    // Starts counting the opens and closes of `devicePath` from now on.
    bool watch(const QString& devicePath);
    void stop();
    // Counts the opens and closes made so far; the kernel queues an open before the client can
    // write anything, so after this call the count is exact.
    void takeEvents();
    bool clientPresent();

signals:
    void lastClientLeft();

private:
    int inotify_ = -1;
    int clients_ = 0;
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace qx::sim
