#pragma once

#include <QString>
#include <QtGlobal>
#include <functional>

namespace qx::test {

// A long run of the one-second MaxRate poll (Timer1 after a serial read-all) on the virtual clock
// against the simulated controller, with a share of the answers late or garbled.
struct SoakOptions {
    double hours = 24;
    double faultShare = 0.01;  // of the polls, half answered late, half with garbage
    quint32 seed = 20240305;
};

struct SoakFigures {
    qint64 polls = 0;
    qint64 late = 0;
    qint64 garbled = 0;
    // A reply that landed outside the rules: a control other than Text1(0) changed, Text1(0)
    // holds a "#" or a value over its limit, or it did not come back to the controller's value
    // by the second sound answer after a fault. The first one is described.
    qint64 wrongLandings = 0;
    QString firstWrongLanding;
    // The largest sizes seen after any poll, and their sizes at the end.
    qsizetype peakRxBuffer = 0;
    qsizetype endRxBuffer = 0;
    std::size_t peakScheduled = 0;  // events waiting on the virtual clock
    std::size_t endScheduled = 0;
    qsizetype peakStatusLog = 0;
    qsizetype endStatusLog = 0;
};

// Runs the soak; `everyHour` (if given) is called after each virtual hour with the figures so far.
SoakFigures runSoak(const SoakOptions& options,
                    const std::function<void(int hour, const SoakFigures&)>& everyHour = {});

}  // namespace qx::test
