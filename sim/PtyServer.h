#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>

#include "sim/Controller.h"
#include "sim/OutputScheduler.h"
#include "sim/PtyClientWatch.h"

class QSocketNotifier;

namespace qx::sim {

// The controller's serial side: a pseudo-terminal whose slave device (/dev/pts/N) a serial port
// can open like a real line at 9600 baud. The server keeps a slave descriptor of its own open, so
// the master never sees a hang-up while no client has the device open (a notifier on a hung-up
// master would fire without end). A dropped answer closes the master: the device goes away and the
// client's port fails. What the controller sends while no client has the device open is lost, as
// on a real line. Output that does not fit into the device at once waits until the client reads
// (up to a limit, beyond which it is lost).
class PtyServer : public QObject {
    Q_OBJECT
public:
    explicit PtyServer(Controller& controller, QObject* parent = nullptr);
    ~PtyServer() override;

    // Creates a new device; a server that was open closes its old one first.
    bool open();
    void close();
    bool isOpen() const { return master_ >= 0; }
    // The slave device, "/dev/pts/N"; empty while closed.
    QString devicePath() const { return devicePath_; }
    QString errorString() const { return errorString_; }

signals:
    // Every command the controller received through this server, with its time in ms since open().
    void commandLogged(qint64 atMs, const QString& command);
    // The device went away because an answer was dropped.
    void dropped();

private:
    bool fail(const char* what);
    bool openSlave();
    void readMaster();
    void writeMaster(const QByteArray& bytes);
    void writeUnsent();
    void drop();
    void forgetLeftClient();

    Controller& controller_;
    OutputScheduler scheduler_;
    PtyClientWatch clientWatch_;
    QElapsedTimer clock_;
    QSocketNotifier* notifier_ = nullptr;
    QSocketNotifier* writable_ = nullptr;  // on while unsent output waits
    QByteArray unsent_;
    int master_ = -1;
    int slave_ = -1;
    QString devicePath_;
    QString errorString_;
};

}  // namespace qx::sim
