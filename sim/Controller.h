#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QString>
#include <functional>
#include <optional>
#include <random>
#include <vector>

namespace qx::sim {

struct SetRule;

// What the simulated controller does wrong for one command, when told to.
struct Fault {
    enum class Kind {
        None,
        NoAnswer,  // the command is logged and applied but never answered
        Late,      // the answer comes delayMs later than usual
        Split,     // the answer comes in `pieces` pieces, gapMs apart (or cut after
                   // firstPieceBytes into two)
        Garbage,   // the answer is replaced by `text` (sent as it stands, no "#" added)
        Drop,      // the connection (TCP) or the device (pty) goes away instead of answering
        Ignore,    // a set command is logged and answered as accepted, but changes nothing
        Reset,     // as Drop, but a TCP connection is reset (RST) instead of closed
        Trickle,   // the answer comes one byte every gapMs
        Binary,    // the answer is replaced by `bytes` bytes of every value, "#" and NUL included
        Flood,     // the answer is replaced by `bytes` bytes of digits without any "#"
        Stream,    // the answer is sent again every gapMs, without end, until the client leaves
        Usb        // the answer goes through a USB serial adapter (usbPackets)
    };
    Kind kind = Kind::None;
    int delayMs = 0;
    int pieces = 2;
    int gapMs = 5;
    QByteArray text;
    int times = -1;           // how many times the fault applies; -1 for ever
    int firstPieceBytes = 0;  // Split: when above 0, two pieces cut after this many bytes
    int bytes = 0;            // Binary, Flood: how many bytes replace the answer
    // Once a command has triggered it, the fault applies to every later command too, until the
    // client leaves (closes the device or the connection): a controller that has stopped
    // answering, or answers only garbage from then on.
    bool onward = false;
    int periodMs = 16;  // Usb: the adapter's latency timer
    int jitterMs = 8;   // Usb: how far each packet's interval strays from the period
};

// One piece of output: send `bytes` delayMs after the command arrived, or drop the link (reset:
// a TCP connection is reset rather than closed). An output with repeatMs above 0 is sent again
// every repeatMs until the link's client leaves.
struct Output {
    int delayMs = 0;
    QByteArray bytes;
    bool drop = false;
    bool reset = false;
    int repeatMs = 0;
};

struct LoggedCommand {
    qint64 atMs = 0;  // the time given to receive()
    QString command;  // ":GXE1#"
};

// The controller's behaviour, with no I/O and no clock of its own: feed it received bytes in any
// chunking, it answers with timed outputs. Queries of the read side answer plausible values ended
// by "#"; set commands change those values; LX200 set commands answer a bare "1" without "#".
class Controller {
public:
    Controller();

    std::vector<Output> receive(const QByteArray& bytes, qint64 nowMs);

    // A client went away: a command it had begun is forgotten, so that its start does not spoil
    // the next client's first command, and a fault that had taken over (onward) ends.
    void clientLeft();

    // A fault for every command that starts with `commandPrefix` (":GXEL#", ":SG" ...).
    // Setting a fault for a prefix again replaces it; the longest matching prefix wins.
    // Garbage and Drop act also on commands that have no answer; the others shape the answer.
    void setFault(const QString& commandPrefix, const Fault& fault);
    void clearFaults();

    // Usual delay between a command and its answer.
    void setAnswerDelayMs(int ms);
    // Chooses the bytes of binary answers and the timing of a USB adapter (the default is 1).
    void setSeed(quint32 seed) { random_.seed(seed); }

    // The reply body (without "#") of a query, as the controller would give it now; empty for a
    // command the controller does not answer.
    QString queryValue(const QString& query) const;
    void setQueryValue(const QString& query, const QString& value);

    // The PC clock that the controller's own clock runs from (the system's local time unless a
    // test sets another). ":SC"/":SL" move the controller's clock relative to it.
    void setPcClock(std::function<QDateTime()> pcClock);
    QDateTime controllerTime() const;

    const std::vector<LoggedCommand>& log() const { return log_; }
    void clearLog() { log_.clear(); }

private:
    std::vector<QString> takeCommands();
    QByteArray answer(const QString& command, bool ignored);
    bool isQuery(const QString& command) const;
    bool apply(const SetRule& rule, const QString& argument);
    bool setClock(const QDateTime& controllerTime);
    void setHomeToPole();
    std::optional<Fault> takeFault(const QString& command);

    QByteArray pending_;
    std::vector<LoggedCommand> log_;
    QHash<QString, QString> values_;
    std::vector<std::pair<QString, Fault>> faults_;
    std::optional<Fault> onward_;  // a fault that applies to every command until the client leaves
    std::mt19937 random_{1};       // the bytes of binary answers and the jitter of a USB adapter
    int answerDelayMs_ = 5;
    // Date and time the controller was set to, as an offset from the PC's clock (seconds).
    qint64 clockOffsetSeconds_ = 0;
    std::function<QDateTime()> pcClock_;
};

}  // namespace qx::sim
