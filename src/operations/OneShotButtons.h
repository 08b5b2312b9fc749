#pragma once

#include <QString>
#include <QtGlobal>
#include <span>

namespace qx {

class Form1;

// How a button reaches the controller.
enum class SendForm {
    SerialOnly,  // the serial port when it is open, whatever link is chosen
    Link,        // the chosen link (LinkSend)
};

// What a button does to the one-second poll (Timer1).
enum class Poll {
    Untouched,
    Stop,            // stopped, and it stays stopped
    StopAndRestart,  // stopped while the button works, then running again at 1000 ms
};

// A status query sent after the command, to show the new state: the reply lands where the
// button's query index points.
struct ReadBack {
    int waitBeforeMs = 0;
    const char* query = nullptr;  // nullptr: no read-back
    int waitAfterMs = 0;
};

// The pair of lamps beside an ON/OFF or +/- pair of buttons: the chosen state lit.
struct LampChoice {
    const char* lit = nullptr;  // nullptr: the button colours no lamp
    const char* unlit = nullptr;
};

// A button that sends one fixed command (two for "ガイド×0.5"), maybe reads the new state back,
// and shows the choice on its lamps.
struct OneShotButton {
    const char* control;
    SendForm send;
    const char* command;
    qint16 queryIndex;  // set before anything is sent; 0 leaves QueryIndex as it is
    ReadBack readBack;
    Poll poll;
    LampChoice lamps;
    const char* thenCommand = nullptr;  // sent straight after the command
};

std::span<const OneShotButton> oneShotButtons();

// Runs the button's row: index, poll stop, command, read-back with its waits (they pass whether
// or not anything could be sent), lamps, poll restart.
void pressOneShotButton(Form1& form, const OneShotButton& button);
// The same for the button of that name; a name without a row does nothing.
void pressOneShotButton(Form1& form, const QString& control);

// A click on any row heading of the operation page (Label1) shows the fine-trim panel, a factory
// setting, for the rest of the session.
void showFineTrimPanel(Form1& form, int heading);

}  // namespace qx
