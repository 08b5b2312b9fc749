#pragma once

#include <QString>
#include <cstddef>
#include <functional>

#include "shell/ProgressSteps.h"

namespace qx {

class Controls;
class Form1;
struct RetryCheck;

// Connect over serial and read every setting: the "接続" button of the serial link.
void readAllOverSerial(Form1& form);

// The "切断" button: stop the poll, close both links, empty the fields and unlight the lamps.
void disconnectAndClear(Form1& form);

using SendCommand = std::function<void(const QString&)>;

// The 44 queries of the first pass, each sent by `send` and followed by its wait; ":GVP#", the
// first, is followed by `versionWaitMs`. Each query is a step of `progress`; `end` is what follows
// the retry passes.
void runFirstPass(Form1& form, const SendCommand& send, int versionWaitMs, ProgressSteps& progress,
                  StepPlan end);

// The steps of the first pass and their waits.
StepPlan firstPassPlan(int versionWaitMs);

// The re-sends a retry pass makes when it reaches check `first` now: one step for each check
// from there on that holds.
StepPlan retryPassPlan(const Controls& controls, std::size_t first = 0);

// The direction lamps Shape1..Shape4 green: not read yet.
void paintDirectionLampsNotRead(Controls& controls);

// Whether a retry pass asks this query again.
bool retryNeeded(const Controls& controls, const RetryCheck& check);

// Up to four passes that ask again for what is still missing, each send made by `send` and a
// step of `progress`; `end` is what follows them.
void runRetryPasses(Form1& form, const SendCommand& send, ProgressSteps& progress, StepPlan end);

}  // namespace qx
