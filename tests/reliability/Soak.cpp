#include "Soak.h"

#include <QRandomGenerator>
#include <algorithm>

#include "fakes/TestRig.h"
#include "link/LanLink.h"
#include "link/SerialLink.h"
#include "read/Conversions.h"

namespace qx::test {

namespace {

const QString kPollQuery = QStringLiteral(":GXE1#");
const QString kMaxRate = QStringLiteral("Text1(0)");
constexpr double kMaxRateLimit = 5000;
constexpr int kPollMs = 1000;

// Garbage as a failing controller or line might send: digits, "#", commas, letters, control
// characters and bytes above ASCII.
QByteArray garbage(QRandomGenerator& random) {
    static const QByteArray alphabet("0123456789#,.+-*:abcXYZ \r\n\t\x01\x1b\x7f\x80\xfe\xff");
    QByteArray out;
    const int length = 1 + random.bounded(48);
    for (int i = 0; i < length; ++i) out += alphabet[random.bounded(int(alphabet.size()))];
    return out;
}

// Late enough to matter, never within a burst gap of the next poll's answer.
int lateDelayMs(QRandomGenerator& random) {
    const int delay = 30 + random.bounded(1870);
    return std::abs(delay - kPollMs) < 3 * Comm::kBurstGapMs ? delay + 100 : delay;
}

struct ControlSnapshot {
    QString text;
    quint32 backColor;
    bool visible, enabled, checked;
    bool operator==(const ControlSnapshot&) const = default;
};

QHash<QString, ControlSnapshot> snapshot(const Controls& c) {
    QHash<QString, ControlSnapshot> out;
    for (const QString& name : c.names()) {
        const Controls::State* s = c.state(name);
        out.insert(name, {s->text, s->backColor, s->visible, s->enabled, s->checked});
    }
    return out;
}

class Soak {
public:
    explicit Soak(const SoakOptions& options) : options_(options), random_(options.seed) {
        controller_ = &rig_.attachSimulator();
        truth_ = controller_->queryValue(kPollQuery);
        rig_.form->Command11_Click();  // serial read-all; the poll starts at its end
        rig_.clock.advance(kPollMs + 100);
        reference_ = snapshot(rig_.controls());
    }

    SoakFigures run(const std::function<void(int, const SoakFigures&)>& everyHour) {
        const qint64 pollsPerHour = 3600 * 1000 / kPollMs;
        const qint64 total = qint64(options_.hours * pollsPerHour);
        for (qint64 poll = 1; poll <= total; ++poll) {
            maybeInjectFault();
            rig_.clock.advance(kPollMs);
            ++figures_.polls;
            check();
            forgetTestRecords();
            if (everyHour && poll % pollsPerHour == 0)
                everyHour(int(poll / pollsPerHour), figures_);
        }
        figures_.endRxBuffer = rig_.form->comm().rxBuffer().size();
        figures_.endScheduled = rig_.clock.pending();
        figures_.endStatusLog = rig_.form->frmTerm().statusLog().size();
        return figures_;
    }

private:
    // Faults are kept two polls apart, so that each one's effect can be told from the next.
    void maybeInjectFault() {
        if (sinceFault_ < 3 || random_.generateDouble() >= options_.faultShare) {
            ++sinceFault_;
            return;
        }
        sim::Fault fault;
        fault.times = 1;
        if (random_.bounded(2) == 0) {
            fault.kind = sim::Fault::Kind::Late;
            fault.delayMs = lateDelayMs(random_);
            ++figures_.late;
        } else {
            fault.kind = sim::Fault::Kind::Garbage;
            fault.text = garbage(random_);
            ++figures_.garbled;
        }
        controller_->setFault(kPollQuery, fault);
        sinceFault_ = 0;
    }

    void wrong(const QString& what) {
        if (figures_.wrongLandings++ == 0)
            figures_.firstWrongLanding =
                QStringLiteral("poll %1: %2").arg(figures_.polls).arg(what);
    }

    void check() {
        const Controls& c = rig_.controls();
        for (const QString& name : c.names()) {
            if (name == kMaxRate) continue;
            const Controls::State* s = c.state(name);
            if (!(reference_.value(name) ==
                  ControlSnapshot{s->text, s->backColor, s->visible, s->enabled, s->checked}))
                wrong(name + QStringLiteral(" changed to \"") + s->text + QLatin1Char('"'));
        }
        const QString maxRate = c.text(kMaxRate);
        if (maxRate.contains(QLatin1Char('#')) || leadingValue(maxRate) > kMaxRateLimit)
            wrong(QStringLiteral("MaxRate \"%1\" breaks its check").arg(maxRate));
        // The fault's answer and the next one may be spoilt (a rejected reply leaves its rest for
        // the next burst); the one after is the controller's value again.
        if (sinceFault_ >= 2 && maxRate != truth_)
            wrong(QStringLiteral("MaxRate \"%1\" after two sound answers").arg(maxRate));
        figures_.peakRxBuffer =
            std::max(figures_.peakRxBuffer, rig_.form->comm().rxBuffer().size());
        figures_.peakScheduled = std::max(figures_.peakScheduled, rig_.clock.pending());
        figures_.peakStatusLog =
            std::max(figures_.peakStatusLog, rig_.form->frmTerm().statusLog().size());
    }

    // The test's own records of what was sent and received would grow with the run.
    void forgetTestRecords() {
        rig_.log.clear();
        controller_->clearLog();
    }

    SoakOptions options_;
    QRandomGenerator random_;
    TestRig rig_;
    sim::Controller* controller_ = nullptr;
    QString truth_;
    QHash<QString, ControlSnapshot> reference_;
    int sinceFault_ = 3;
    SoakFigures figures_;
};

}  // namespace

SoakFigures runSoak(const SoakOptions& options,
                    const std::function<void(int, const SoakFigures&)>& everyHour) {
    return Soak(options).run(everyHour);
}

}  // namespace qx::test
