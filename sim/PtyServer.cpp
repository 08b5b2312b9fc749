#include "sim/PtyServer.h"

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace qx::sim {

namespace {
// Output the client does not read is not kept beyond this; the rest is lost, as on a line.
constexpr qsizetype kMaxUnsentBytes = 2 << 20;
}  // namespace

PtyServer::PtyServer(Controller& controller, QObject* parent)
    : QObject(parent), controller_(controller) {
    connect(&scheduler_, &OutputScheduler::send, this, &PtyServer::writeMaster);
    connect(&scheduler_, &OutputScheduler::drop, this, &PtyServer::drop);
    connect(&clientWatch_, &PtyClientWatch::lastClientLeft, this, &PtyServer::forgetLeftClient);
}

PtyServer::~PtyServer() {
    close();
}

bool PtyServer::open() {
    close();
    master_ = posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0) return fail("posix_openpt");
    fcntl(master_, F_SETFD, FD_CLOEXEC);
    fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
    if (grantpt(master_) != 0) return fail("grantpt");
    if (unlockpt(master_) != 0) return fail("unlockpt");
    char name[128] = {};
    if (ptsname_r(master_, name, sizeof name) != 0) return fail("ptsname_r");
    devicePath_ = QString::fromLocal8Bit(name);
    if (!openSlave()) return false;
    clientWatch_.watch(devicePath_);  // without it every client counts as present

    clock_.start();
    notifier_ = new QSocketNotifier(master_, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &PtyServer::readMaster);
    writable_ = new QSocketNotifier(master_, QSocketNotifier::Write, this);
    writable_->setEnabled(false);
    connect(writable_, &QSocketNotifier::activated, this, &PtyServer::writeUnsent);
    return true;
}

// The line is raw at 9600 baud, as the controller's serial port is; the descriptor stays open for
// the life of the device.
bool PtyServer::openSlave() {
    slave_ = ::open(devicePath_.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (slave_ < 0) return fail("open slave");
    termios line{};
    if (tcgetattr(slave_, &line) != 0) return fail("tcgetattr");
    cfmakeraw(&line);
    cfsetispeed(&line, B9600);
    cfsetospeed(&line, B9600);
    if (tcsetattr(slave_, TCSANOW, &line) != 0) return fail("tcsetattr");
    return true;
}

bool PtyServer::fail(const char* what) {
    errorString_ = QStringLiteral("%1: %2").arg(QLatin1String(what),
                                                QString::fromLocal8Bit(std::strerror(errno)));
    close();
    return false;
}

void PtyServer::close() {
    scheduler_.clear();
    clientWatch_.stop();
    delete notifier_;
    delete writable_;
    notifier_ = writable_ = nullptr;
    unsent_.clear();
    if (slave_ >= 0) ::close(slave_);
    if (master_ >= 0) ::close(master_);
    slave_ = master_ = -1;
    devicePath_.clear();
    controller_.clientLeft();
}

void PtyServer::readMaster() {
    // A client that left before this one wrote must be forgotten before its successor is heard.
    clientWatch_.takeEvents();
    QByteArray received;
    char buffer[512];
    while (true) {
        const ssize_t count = ::read(master_, buffer, sizeof buffer);
        if (count > 0) {
            received.append(buffer, count);
            continue;
        }
        if (count < 0 && errno == EINTR) continue;
        // EAGAIN: nothing more for now. Any other end (no slave left open) would make the notifier
        // fire without end, so it stops listening.
        if (count == 0 || errno != EAGAIN) notifier_->setEnabled(false);
        break;
    }
    if (received.isEmpty()) return;

    const size_t logged = controller_.log().size();
    const std::vector<Output> outputs = controller_.receive(received, clock_.elapsed());
    for (size_t i = logged; i < controller_.log().size(); ++i)
        emit commandLogged(controller_.log()[i].atMs, controller_.log()[i].command);
    scheduler_.schedule(outputs);
}

void PtyServer::writeMaster(const QByteArray& bytes) {
    if (!clientWatch_.clientPresent()) return;
    if (unsent_.size() + bytes.size() > kMaxUnsentBytes) return;
    unsent_ += bytes;
    writeUnsent();
}

// As much as the device takes now; the rest when it has room again.
void PtyServer::writeUnsent() {
    qsizetype written = 0;
    while (master_ >= 0 && written < unsent_.size()) {
        const ssize_t count =
            ::write(master_, unsent_.constData() + written, unsent_.size() - written);
        if (count < 0 && errno == EINTR) continue;
        if (count <= 0) break;
        written += count;
    }
    unsent_.remove(0, written);
    if (writable_) writable_->setEnabled(!unsent_.isEmpty());
}

// Answers still on their way, unread ones in the device and half a command go with the client.
void PtyServer::forgetLeftClient() {
    scheduler_.clear();
    unsent_.clear();
    if (writable_) writable_->setEnabled(false);
    if (slave_ >= 0) tcflush(slave_, TCIFLUSH);
    controller_.clientLeft();
}

void PtyServer::drop() {
    close();
    emit dropped();
}

}  // namespace qx::sim
