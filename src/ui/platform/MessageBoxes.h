#pragma once

#include <QString>

namespace qx {

// Modal message boxes. Tests answer them from a script.
class MessageBoxes {
public:
    enum class Buttons { Ok, OkCancel };
    enum class Answer { Ok, Cancel };

    virtual ~MessageBoxes() = default;
    virtual Answer show(const QString& text, const QString& title, Buttons buttons) = 0;
};

}  // namespace qx
