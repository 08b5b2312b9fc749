#include "ui/qt/PingProgram.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include "ui/platform/Scheduler.h"
#include "ui/qt/IcmpMessages.h"

namespace qx {

namespace {

// Beyond the echo's own second: the start of the program, and a margin before it is killed.
constexpr int kProgramGraceMs = 2000;

QString pingProgram() {
    const QString onPath = QStandardPaths::findExecutable(QStringLiteral("ping"));
    if (!onPath.isEmpty()) return onPath;
    // A desktop session's PATH may leave out the system folders.
    for (const char* path : {"/usr/bin/ping", "/bin/ping", "/usr/sbin/ping", "/sbin/ping"})
        if (QFileInfo(QLatin1String(path)).isExecutable()) return QLatin1String(path);
    return {};
}

struct OutputStatus {
    const char* text;
    std::optional<int> status;
};

// What ping says, in the order it is looked for.
const OutputStatus kOutputStatuses[] = {
    {"Destination Host Unreachable", EchoStatus::kHostUnreachable},
    {"Destination Net Unreachable", EchoStatus::kNetUnreachable},
    {"Network is unreachable", EchoStatus::kNetUnreachable},
    {"Time to live exceeded", EchoStatus::kTtlExpiredTransit},
    {"Operation not permitted", std::nullopt},
    {"Permission denied", std::nullopt},
};

constexpr int kExitReplied = 0;
constexpr int kExitNoReply = 1;

}  // namespace

QStringList pingProgramArguments(const QString& dottedAddress) {
    return {QStringLiteral("-n"), QStringLiteral("-c"), QStringLiteral("1"), QStringLiteral("-W"),
            QStringLiteral("1"),  QStringLiteral("--"), dottedAddress};
}

std::optional<int> pingProgramStatus(int exitCode, const QByteArray& output) {
    if (exitCode == kExitReplied) return EchoStatus::kSuccess;
    for (const OutputStatus& o : kOutputStatuses)
        if (output.contains(o.text)) return o.status;
    return exitCode == kExitNoReply ? EchoStatus::kTimedOut : EchoStatus::kGeneralFailure;
}

std::optional<int> echoThroughPingProgram(const QString& dottedAddress, Scheduler& scheduler) {
    const QString program = pingProgram();
    if (program.isEmpty()) return std::nullopt;
    QProcess ping;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    ping.setProcessEnvironment(environment);
    ping.setProcessChannelMode(QProcess::MergedChannels);
    bool ended = false;
    bool failedToStart = false;
    QObject::connect(&ping, &QProcess::finished, [&] { ended = true; });
    QObject::connect(&ping, &QProcess::errorOccurred, [&](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart) failedToStart = ended = true;
    });
    // An argument list, never a shell: the address reaches ping as one argument.
    ping.start(program, pingProgramArguments(dottedAddress));
    scheduler.waitUntil([&] { return ended; }, kEchoTimeoutMs + kProgramGraceMs);
    if (failedToStart) return std::nullopt;
    if (!ended) {
        ping.kill();
        ping.waitForFinished(1000);
        return EchoStatus::kTimedOut;
    }
    if (ping.exitStatus() != QProcess::NormalExit) return EchoStatus::kGeneralFailure;
    return pingProgramStatus(ping.exitCode(), ping.readAll());
}

}  // namespace qx
