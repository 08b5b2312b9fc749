#include "shell/ProgressSteps.h"

#include "shell/Form1.h"
#include "shell/SequenceProgress.h"

namespace qx {

ProgressSteps::ProgressSteps(Form1& form, const QString& name, StepPlan plan)
    : form_(form), ahead_(plan) {
    form_.sequenceProgress().started(name, ahead_.steps, ahead_.ms);
}

ProgressSteps::~ProgressSteps() {
    form_.sequenceProgress().finished();
}

void ProgressSteps::stepDone(StepPlan ahead) {
    ++reached_;
    ahead_ = ahead;
    form_.sequenceProgress().stepReached(reached_, reached_ + ahead_.steps, ahead_.ms);
}

void ProgressSteps::stepDoneAsPlanned(int stepMs) {
    stepDone({ahead_.steps - 1, ahead_.ms - stepMs});
}

}  // namespace qx
