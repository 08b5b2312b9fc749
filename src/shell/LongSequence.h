#pragma once

#include <QString>

namespace qx {

class Form1;

// A sequence that waits (and so lets the window handle clicks meanwhile) holds one of these from
// its start to its end, under its name. While one stands, a click that would start another is
// refused with a short beep and does nothing: two sequences run into each other would mix their
// commands, their query indexes, the link each of them opened and closed, and their ends.
//
// A sequence may run the steps of another itself (the read-all sets the time, the gear write ends
// with the disconnect, a preset runs the model write): what it calls directly, and not from inside
// one of its waits, is part of it and starts no sequence of its own.
class LongSequence {
public:
    enum class Start {
        UnlessOneRuns,  // refused while another sequence runs
        Always,         // the disconnect: the operator's way to end what runs, whose sends then
                        // find the link closed; a sequence of its own when none runs
        NotASequence,   // the click sends at once, without waiting: it runs whatever stands
    };

    LongSequence(Form1& form, const QString& name, Start start = Start::UnlessOneRuns);
    ~LongSequence();
    LongSequence(const LongSequence&) = delete;
    LongSequence& operator=(const LongSequence&) = delete;

    bool refused() const { return refused_; }

private:
    Form1& form_;
    bool started_ = false;  // this one stands (not a step of another)
    bool refused_ = false;
};

}  // namespace qx
