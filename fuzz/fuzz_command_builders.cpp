// The builders of every command that carries a value: the SET buttons' commands for any field
// text, the axis-settings command of the motor gear write for any three texts, and the date,
// time and offset commands for any clock values. A built command must begin with ":", end with
// its only "#" and hold printable ASCII only; anything else is a finding.
//   byte 0: bit 0 chooses how the rest is read as text (UTF-8, or UTF-16 with lone surrogates);
//   the text, split at "|", gives the three axis fields; its bytes also give the clock values.

#include <cstring>

#include "FuzzSupport.h"
#include "fakes/CommandChecks.h"
#include "operations/TimeAndSite.h"
#include "write/AxisSettings.h"
#include "write/SetCommands.h"

namespace {

void check(const QString& command, const char* builder) {
    if (const std::optional<QString> fault = qx::test::commandFault(command))
        qx::fuzz::finding(builder, *fault + QStringLiteral(": ") + command);
    qx::fuzz::observe(command);
}

int intAt(const std::uint8_t* data, std::size_t size, std::size_t at) {
    int v = 0;
    if (at + sizeof v <= size) std::memcpy(&v, data + at, sizeof v);
    return v;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const char* rest = reinterpret_cast<const char*>(data + 1);
    const qsizetype restSize = qsizetype(size - 1);
    const QString text =
        (data[0] & 1) ? QString::fromUtf16(reinterpret_cast<const char16_t*>(rest), restSize / 2)
                      : QString::fromUtf8(rest, restSize);

    for (int index = -1; index <= 29; ++index) {
        const qx::SetCommand built = qx::buildSetCommand(index, text);
        if (built.kind == qx::SetCommand::Kind::Send || built.kind == qx::SetCommand::Kind::Reject)
            check(built.command, "buildSetCommand");
        qx::fuzz::observe(built.reason);
    }

    const QStringList parts = text.split(QLatin1Char('|'));
    const qx::AxisTexts axis{parts.value(0), parts.value(1), parts.value(2)};
    for (const qx::GearAxis& which : {qx::kRaAxis, qx::kDecAxis}) {
        if (const std::optional<QString> command = qx::axisSettingsCommand(which, axis))
            check(*command, "axisSettingsCommand");
        qx::fuzz::sink = qx::fuzz::sink + qx::axisRefusals(which, axis).size();
    }

    const qx::SystemTime t{intAt(data, size, 1),  intAt(data, size, 5),  intAt(data, size, 9),
                           intAt(data, size, 13), intAt(data, size, 17), intAt(data, size, 21),
                           intAt(data, size, 25)};
    check(qx::setDateCommand(t), "setDateCommand");
    check(qx::setTimeCommand(t), "setTimeCommand");
    check(qx::utcOffsetCommand(intAt(data, size, 29)), "utcOffsetCommand");
    return 0;
}
