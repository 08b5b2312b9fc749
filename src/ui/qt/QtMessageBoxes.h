#pragma once

#include "ui/platform/MessageBoxes.h"

namespace qx {

// Modal QMessageBox over the active window. Closing the box without a button counts as Cancel.
class QtMessageBoxes : public MessageBoxes {
public:
    Answer show(const QString& text, const QString& title, Buttons buttons) override;
};

}  // namespace qx
