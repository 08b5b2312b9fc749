#include "sim/PtyClientWatch.h"

#include <unistd.h>

#include <QSocketNotifier>

#ifdef __linux__
#include <sys/inotify.h>
#endif

namespace qx::sim {

PtyClientWatch::PtyClientWatch(QObject* parent) : QObject(parent) {}

PtyClientWatch::~PtyClientWatch() {
    stop();
}

#ifdef __linux__

bool PtyClientWatch::watch(const QString& devicePath) {
    stop();
    inotify_ = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (inotify_ < 0) return false;
    if (inotify_add_watch(inotify_, devicePath.toLocal8Bit().constData(), IN_OPEN | IN_CLOSE) < 0) {
        stop();
        return false;
    }
    notifier_ = new QSocketNotifier(inotify_, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &PtyClientWatch::takeEvents);
    return true;
}

// Every departure of the last client counts, also one followed at once by the next client's
// arrival in the same batch of events.
void PtyClientWatch::takeEvents() {
    alignas(inotify_event) char buffer[4096];
    ssize_t count = 0;
    while (inotify_ >= 0 && (count = ::read(inotify_, buffer, sizeof buffer)) > 0) {
        for (char* at = buffer; at < buffer + count;) {
            const auto* event = reinterpret_cast<const inotify_event*>(at);
            if (event->mask & IN_OPEN) ++clients_;
            if ((event->mask & IN_CLOSE) && clients_ > 0 && --clients_ == 0) emit lastClientLeft();
            at += sizeof(inotify_event) + event->len;
        }
    }
}

bool PtyClientWatch::clientPresent() {
    if (inotify_ < 0) return true;
    takeEvents();
    return clients_ > 0;
}

#else

bool PtyClientWatch::watch(const QString&) {
    return true;
}
void PtyClientWatch::takeEvents() {}
bool PtyClientWatch::clientPresent() {
    return true;
}

#endif

void PtyClientWatch::stop() {
    delete notifier_;
    notifier_ = nullptr;
    if (inotify_ >= 0) ::close(inotify_);
    inotify_ = -1;
    clients_ = 0;
}

}  // namespace qx::sim
