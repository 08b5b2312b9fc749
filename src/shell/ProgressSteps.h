#pragma once

#include <QString>

namespace qx {

class Form1;

// Steps still ahead of a sequence and the waits they add up to.
struct StepPlan {
    int steps = 0;
    int ms = 0;
};

constexpr StepPlan operator+(StepPlan a, StepPlan b) {
    return {a.steps + b.steps, a.ms + b.ms};
}

constexpr StepPlan oneStep(int ms) {
    return {1, ms};
}

// The count of one run of a long sequence, told to the window's SequenceProgress: started when
// made, finished when it goes, so that every early return of the sequence ends it too. It only
// counts: what is sent and when stays the sequence's own business.
class ProgressSteps {
public:
    ProgressSteps(Form1& form, const QString& name, StepPlan plan);
    ~ProgressSteps();
    ProgressSteps(const ProgressSteps&) = delete;
    ProgressSteps& operator=(const ProgressSteps&) = delete;

    // One more step done; `ahead` is what remains as the sequence knows it now.
    void stepDone(StepPlan ahead);
    // One more step done as planned: its `stepMs` is no longer ahead.
    void stepDoneAsPlanned(int stepMs);

private:
    Form1& form_;
    int reached_ = 0;
    StepPlan ahead_;
};

}  // namespace qx
