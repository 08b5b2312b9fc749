#pragma once

#include <span>

namespace qx {

class Form1;

// A button that moves the mount or stores its position, asked for first (OK or Cancel).
struct ConfirmedOperation {
    const char* control;
    const char* message;
    const char* title;
    const char* command;
    const char* thenCommand;  // sent 50 ms after the command; nullptr for none
};

std::span<const ConfirmedOperation> confirmedOperations();

// Asks; on OK sends over the chosen link. Cancel, or closing the box, sends nothing.
void runConfirmedOperation(Form1& form, const ConfirmedOperation& operation);

}  // namespace qx
