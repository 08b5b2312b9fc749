#include "operations/ParkAndHome.h"

#include <QString>
#include <array>

#include "link/LinkSend.h"
#include "shell/Form1.h"
#include "shell/LongSequence.h"
#include "ui/platform/MessageBoxes.h"

namespace qx {

namespace {

// The controller starts the motor (":Te#") before it drives to the park position.
constexpr int kParkPauseMs = 50;

// clang-format off
constexpr std::array kOperations{
    ConfirmedOperation{"Command51", "HOME位置に戻しますか？",           "HOME", ":hC#", nullptr},
    ConfirmedOperation{"Command57", "PARK位置に戻しますか？",           "PARK", ":Te#", ":hP#"},
    ConfirmedOperation{"Command58", "現在位置をPARK位置を設定しますか", "PARK", ":hQ#", nullptr},
};
// clang-format on

}  // namespace

std::span<const ConfirmedOperation> confirmedOperations() {
    return kOperations;
}

void runConfirmedOperation(Form1& form, const ConfirmedOperation& operation) {
    // Only an operation of two commands waits between them; it is refused before it asks.
    const LongSequence sequence(form, QString::fromUtf8(operation.title),
                                operation.thenCommand ? LongSequence::Start::UnlessOneRuns
                                                      : LongSequence::Start::NotASequence);
    if (sequence.refused()) return;
    const MessageBoxes::Answer answer = form.platform().messages.show(
        QString::fromUtf8(operation.message), QString::fromUtf8(operation.title),
        MessageBoxes::Buttons::OkCancel);
    if (answer != MessageBoxes::Answer::Ok) return;
    const LinkSend send = LinkSend::forClick(form);
    send(QLatin1String(operation.command));
    if (!operation.thenCommand) return;
    form.Wait(kParkPauseMs);
    send(QLatin1String(operation.thenCommand));
}

}  // namespace qx
