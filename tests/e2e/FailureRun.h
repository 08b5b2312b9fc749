#pragma once

#include <QElapsedTimer>
#include <QList>
#include <QString>
#include <QTimer>
#include <functional>
#include <memory>

#include "Program.h"

class SimulatorProcess;

// What one run against a failing controller showed: how long its sequence took, the longest
// pause between two turns of the window's event loop while it ran (a timer that asks for a turn
// every 10 ms), the most text either link held while it waited for a "#", and, after the link has
// been closed, the CPU the program used in an idle half second and how far its resident memory had
// grown since the run began.
struct FailureFigures {
    QString scenario;
    qint64 sequenceMs = 0;
    double longestGapMs = 0;
    qsizetype mostBuffered = 0;
    double idleCpuPercent = 0;
    qint64 rssGrowthKb = 0;
};

// One sequence of the real window run against a failing controller, with an operator who goes on
// using the window while it waits.
class FailureRun {
public:
    FailureRun(Program& program, const QString& scenario);
    ~FailureRun();

    // The operator's action `atMs` after the click, while the sequence runs.
    void during(int atMs, std::function<void()> action);
    // Clicks the control and returns once its sequence has ended.
    void click(const QString& control);
    // Every action of during() came while the sequence was still running: the window handled
    // them inside its waits.
    bool actionsRanDuringTheSequence() const { return actionsRan_ > 0 && !actionLate_; }

    // The link must be closed by now: measures the idle half second and ends the run.
    FailureFigures finish();

private:
    void probeTick();

    Program& program_;
    FailureFigures figures_;
    QTimer probe_;
    QElapsedTimer sinceTick_;
    bool running_ = false;
    int actionsRan_ = 0;
    bool actionLate_ = false;
    qint64 rssAtStartKb_ = 0;
    std::vector<std::unique_ptr<QTimer>> actions_;
};

// Prints the figures of the runs as a table, one line each.
void printFigures(const QList<FailureFigures>& runs);

// The window as after a read: the settings unlocked and the six motor gear fields filled (RA 12800
// steps, clockwise, 16 microsteps; DEC 12800, counter-clockwise, 32).
void showReadSettings(Program& program);
// The six motor gear fields are empty.
bool motorGearFieldsEmpty(const Program& program);

// A new connection answers the MaxRate query of the caption button: over the serial port to the
// simulator's device (its new one after a vanished one), or over the LAN to `address`. The
// connection is closed again.
bool serialConnectionAnswers(Program& program, SimulatorProcess& sim, bool vanished);
bool lanConnectionAnswers(Program& program, const QString& address);

// The action of an operator who chooses a model in Combo2 (which would run the model write).
void chooseModel(Program& program, const QString& model);
// The action of an operator who presses the button with the keyboard.
void pressWithKeyboard(Program& program, const QString& button);
