#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace qx {

class Scheduler;

// The arguments for one echo of a dotted IPv4 address with a 1 s time-out, numeric output.
QStringList pingProgramArguments(const QString& dottedAddress);

// The echo status that the system's ping reports by its exit code and output (in the C locale);
// nothing when it could not send an echo at all (no permission to open its socket).
std::optional<int> pingProgramStatus(int exitCode, const QByteArray& output);

// Runs the system's ping for one echo, handling events until it ends: the echo status. Nothing
// when there is no ping program or it may not send echoes either.
std::optional<int> echoThroughPingProgram(const QString& dottedAddress, Scheduler& scheduler);

}  // namespace qx
