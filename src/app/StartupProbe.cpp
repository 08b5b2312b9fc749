#include "StartupProbe.h"

#include <QAbstractEventDispatcher>
#include <QDeadlineTimer>
#include <QEvent>
#include <QFile>
#include <QWidget>
#include <cstdio>

namespace qx {

namespace {

qint64 peakResidentKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    return 0;
}

// Waits for the window's first paint, then for the first moment the event loop would block.
class Probe : public QObject {
public:
    explicit Probe(QWidget& window) : QObject(&window) { window.installEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock,
                    this, &Probe::report, Qt::SingleShotConnection);
        }
        return false;
    }

private:
    void report() {
        std::printf("startup-probe %lld %lld\n",
                    static_cast<long long>(QDeadlineTimer::current().deadlineNSecs()),
                    static_cast<long long>(peakResidentKb()));
        std::fflush(stdout);
    }
};

}  // namespace

void armStartupProbe(QWidget& window) {
    if (qEnvironmentVariableIsSet("QUORVELX_STARTUP_PROBE")) new Probe(window);
}

}  // namespace qx
