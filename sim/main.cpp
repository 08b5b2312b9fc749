// quorvelx-sim: a simulated controller to run the settings tool against, over a pseudo-terminal
// (serial) and TCP on 127.0.0.1 or another address of this machine.
//
//   quorvelx-sim [--tcp-port N] [--listen ADDRESS] [--no-tcp] [--no-pty] [--log FILE]
//                [--log-connections] [--fault PREFIX=KIND[:ARG][@TIMES|@onward]]...
//                [--value QUERY=TEXT]...
//
// Prints "pty /dev/pts/N" and "tcp ADDRESS PORT", one line per server, and runs until SIGTERM or
// SIGINT. After a dropped answer has taken the pty away, a new one is opened and printed.

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QHostAddress>
#include <cstdio>
#include <memory>
#include <optional>

#include "sim/Controller.h"
#include "sim/FaultOption.h"
#include "sim/TcpServer.h"

#ifdef Q_OS_UNIX
#include "sim/PtyServer.h"
#endif
#ifdef Q_OS_LINUX
#include <sys/signalfd.h>

#include <QSocketNotifier>
#include <csignal>
#endif

namespace {

using qx::sim::Controller;

struct Options {
    bool tcp = true;
    bool pty = true;
    quint16 tcpPort = qx::sim::TcpServer::kDefaultPort;
    QHostAddress listenAddress{QHostAddress::LocalHost};
    QString logFile;
    bool logConnections = false;
    std::vector<std::pair<QString, qx::sim::Fault>> faults;
    std::vector<std::pair<QString, QString>> values;  // query, reply body
};

void printLine(const QString& line) {
    std::fputs(qPrintable(line + QLatin1Char('\n')), stdout);
    std::fflush(stdout);
}

std::optional<Options> parseOptions(const QCoreApplication& app) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Simulated QuorvelX controller"));
    parser.addHelpOption();
    const QCommandLineOption tcpPort(QStringLiteral("tcp-port"),
                                     QStringLiteral("TCP port (0: any free one)."),
                                     QStringLiteral("N"), QStringLiteral("9999"));
    // Several simulators can each have port 9999, on 127.0.0.2, 127.0.0.3 ...
    const QCommandLineOption listen(QStringLiteral("listen"),
                                    QStringLiteral("Address to listen on (default 127.0.0.1)."),
                                    QStringLiteral("ADDRESS"), QStringLiteral("127.0.0.1"));
    const QCommandLineOption noTcp(QStringLiteral("no-tcp"), QStringLiteral("No TCP server."));
    const QCommandLineOption noPty(QStringLiteral("no-pty"), QStringLiteral("No pseudo-terminal."));
    const QCommandLineOption log(QStringLiteral("log"),
                                 QStringLiteral("Append each received command as \"<ms> <cmd>\"."),
                                 QStringLiteral("FILE"));
    const QCommandLineOption logConnections(
        QStringLiteral("log-connections"),
        QStringLiteral("Also log each accepted TCP connection, as \"<ms> connected\"."));
    const QCommandLineOption fault(
        QStringLiteral("fault"),
        QStringLiteral("PREFIX=KIND[:ARG][@TIMES|@onward], KIND: noanswer, late, split, trickle, "
                       "garbage, binary, flood, stream, usb, drop, reset, ignore "
                       "(sim/FaultOption.h)."),
        QStringLiteral("FAULT"));
    const QCommandLineOption value(
        QStringLiteral("value"),
        QStringLiteral("QUERY=TEXT: answer QUERY (\":Gt#\") with TEXT and \"#\"."),
        QStringLiteral("VALUE"));
    parser.addOptions({tcpPort, listen, noTcp, noPty, log, logConnections, fault, value});
    parser.process(app);

    Options options;
    bool portOk = false;
    const uint port = parser.value(tcpPort).toUInt(&portOk);
    if (!portOk || port > 65535) {
        std::fprintf(stderr, "bad --tcp-port: %s\n", qPrintable(parser.value(tcpPort)));
        return std::nullopt;
    }
    options.tcpPort = static_cast<quint16>(port);
    if (!options.listenAddress.setAddress(parser.value(listen))) {
        std::fprintf(stderr, "bad --listen: %s\n", qPrintable(parser.value(listen)));
        return std::nullopt;
    }
    options.tcp = !parser.isSet(noTcp);
    options.pty = !parser.isSet(noPty);
    options.logFile = parser.value(log);
    options.logConnections = parser.isSet(logConnections);
    for (const QString& design : parser.values(fault)) {
        auto parsed = qx::sim::parseFaultOption(design);
        if (!parsed) {
            std::fprintf(stderr, "bad --fault: %s\n", qPrintable(design));
            return std::nullopt;
        }
        options.faults.push_back(*parsed);
    }
    for (const QString& design : parser.values(value)) {
        // The query ends with its "#"; the text (blanks kept) follows the "=" after it.
        const qsizetype end = design.indexOf(QLatin1String("#="));
        if (!design.startsWith(u':') || end < 0) {
            std::fprintf(stderr, "bad --value: %s\n", qPrintable(design));
            return std::nullopt;
        }
        options.values.emplace_back(design.left(end + 1), design.mid(end + 2));
    }
    return options;
}

// Appends every received command to the log file as "<ms> <command>", flushed at once so that a
// reader sees each line as soon as the command has arrived. A TCP connection, when logged, is the
// line "<ms> connected": a command always begins with ":", so the two never mix.
class CommandLogFile : public QObject {
public:
    bool open(const QString& path) {
        file_.setFileName(path);
        return file_.open(QIODevice::Append | QIODevice::Text);
    }
    void write(qint64 atMs, const QString& command) {
        file_.write(QStringLiteral("%1 %2\n").arg(atMs).arg(command).toLatin1());
        file_.flush();
    }

private:
    QFile file_;
};

#ifdef Q_OS_LINUX
// SIGTERM and SIGINT arrive as a readable descriptor and end the event loop, so the process always
// leaves through the normal exit path. The signals must be blocked before any thread starts.
sigset_t terminationSignals() {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGTERM);
    sigaddset(&set, SIGINT);
    return set;
}

// A shell starts background jobs with SIGINT ignored; an ignored signal never reaches the
// descriptor, so both get their default disposition back before they are blocked.
void blockTerminationSignals() {
    std::signal(SIGTERM, SIG_DFL);
    std::signal(SIGINT, SIG_DFL);
    const sigset_t set = terminationSignals();
    pthread_sigmask(SIG_BLOCK, &set, nullptr);
}

void quitOnTermination(QCoreApplication& app) {
    const sigset_t set = terminationSignals();
    const int fd = signalfd(-1, &set, SFD_CLOEXEC | SFD_NONBLOCK);
    if (fd < 0) return;
    auto* notifier = new QSocketNotifier(fd, QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, &QCoreApplication::quit);
}
#endif

}  // namespace

int main(int argc, char* argv[]) {
#ifdef Q_OS_LINUX
    blockTerminationSignals();
#endif
    QCoreApplication app(argc, argv);
#ifdef Q_OS_LINUX
    quitOnTermination(app);
#endif
    const std::optional<Options> options = parseOptions(app);
    if (!options) return 2;

    Controller controller;
    for (const auto& [prefix, fault] : options->faults) controller.setFault(prefix, fault);
    for (const auto& [query, text] : options->values) controller.setQueryValue(query, text);

    CommandLogFile logFile;
    if (!options->logFile.isEmpty() && !logFile.open(options->logFile)) {
        std::fprintf(stderr, "cannot open log %s\n", qPrintable(options->logFile));
        return 1;
    }
    const bool logging = !options->logFile.isEmpty();

    std::unique_ptr<qx::sim::TcpServer> tcp;
    if (options->tcp) {
        tcp = std::make_unique<qx::sim::TcpServer>(controller);
        if (!tcp->listen(options->listenAddress, options->tcpPort)) {
            std::fprintf(stderr, "tcp: %s\n", qPrintable(tcp->errorString()));
            return 1;
        }
        if (logging)
            QObject::connect(tcp.get(), &qx::sim::TcpServer::commandLogged, &logFile,
                             &CommandLogFile::write);
        if (logging && options->logConnections)
            QObject::connect(
                tcp.get(), &qx::sim::TcpServer::connectionAccepted, &logFile,
                [&logFile](qint64 atMs) { logFile.write(atMs, QStringLiteral("connected")); });
    }

#ifdef Q_OS_UNIX
    std::unique_ptr<qx::sim::PtyServer> pty;
    if (options->pty) {
        pty = std::make_unique<qx::sim::PtyServer>(controller);
        if (!pty->open()) {
            std::fprintf(stderr, "pty: %s\n", qPrintable(pty->errorString()));
            return 1;
        }
        if (logging)
            QObject::connect(pty.get(), &qx::sim::PtyServer::commandLogged, &logFile,
                             &CommandLogFile::write);
        // The client saw its device go away; a new one stands ready for the next connect.
        QObject::connect(pty.get(), &qx::sim::PtyServer::dropped, pty.get(), [&pty] {
            if (pty->open()) printLine(QStringLiteral("pty ") + pty->devicePath());
        });
        printLine(QStringLiteral("pty ") + pty->devicePath());
    }
#endif
    if (tcp) printLine(QStringLiteral("tcp %1 %2").arg(tcp->address().toString()).arg(tcp->port()));

    return app.exec();
}
