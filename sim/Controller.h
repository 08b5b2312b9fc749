#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QString>
#include <functional>
#include <optional>
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
        Ignore     // a set command is logged and answered as accepted, but changes nothing
    };
    Kind kind = Kind::None;
    int delayMs = 0;
    int pieces = 2;
    int gapMs = 5;
    QByteArray text;
    int times = -1;           // how many times the fault applies; -1 for ever
    int firstPieceBytes = 0;  // Split: when above 0, two pieces cut after this many bytes
};

// One piece of output: send `bytes` delayMs after the command arrived, or drop the link.
struct Output {
    int delayMs = 0;
    QByteArray bytes;
    bool drop = false;
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

    // Forgets a command that has begun but not ended (a client went away in the middle of it), so
    // that its start does not spoil the next client's first command.
    void discardPartialInput() { pending_.clear(); }

    // A fault for every command that starts with `commandPrefix` (":GXEL#", ":SG" ...).
    // Setting a fault for a prefix again replaces it; the longest matching prefix wins.
    // Garbage and Drop act also on commands that have no answer; the others shape the answer.
    void setFault(const QString& commandPrefix, const Fault& fault);
    void clearFaults();

    // Usual delay between a command and its answer.
    void setAnswerDelayMs(int ms);

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
    int answerDelayMs_ = 5;
    // Date and time the controller was set to, as an offset from the PC's clock (seconds).
    qint64 clockOffsetSeconds_ = 0;
    std::function<QDateTime()> pcClock_;
};

}  // namespace qx::sim
