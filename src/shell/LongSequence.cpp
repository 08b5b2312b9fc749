#include "shell/LongSequence.h"

#include "shell/Form1.h"

namespace qx {

LongSequence::LongSequence(Form1& form, const QString& name, Start start) : form_(form) {
    if (start == Start::NotASequence) return;
    std::optional<RunningSequence>& running = form.runningSequence();
    // Deeper than the running sequence is inside one of its waits; as deep is its own code.
    const int depth = form.platform().scheduler.nestingDepth();
    if (!running) {
        running = RunningSequence{name, depth};
        started_ = true;
    } else if (depth > running->depth && start == Start::UnlessOneRuns) {
        refused_ = true;
        form.platform().sound.beep();
    }
}

LongSequence::~LongSequence() {
    if (started_) form_.runningSequence().reset();
}

}  // namespace qx
