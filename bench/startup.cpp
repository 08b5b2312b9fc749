// Start-up of the real program: from the process start to its window painted and its event loop
// idle, offscreen and on the X server of DISPLAY (Xvfb under scripts/bench.sh), cold and warm;
// and its peak memory at that moment.
//
// Cold: every file the program maps (itself, the Qt libraries and plugins, the fonts) is dropped
// from the page cache first, as after a build or a reboot; pages that other running programs
// have mapped stay, so on a busy machine a cold start is warmer than on a fresh one. Warm: the
// median of the starts that follow.

#include <fcntl.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <algorithm>
#include <vector>

#include "support/Figures.h"

using namespace bench;

namespace {

constexpr int kWarmStarts = 9;

struct Start {
    double ms = 0;
    double peakRssMb = 0;
    QSet<QString> mappedFiles;
};

QSet<QString> mappedFilesOf(qint64 pid) {
    QSet<QString> files;
    QFile maps(QStringLiteral("/proc/%1/maps").arg(pid));
    if (!maps.open(QIODevice::ReadOnly)) return files;
    for (const QByteArray& line : maps.readAll().split('\n')) {
        const int slash = line.indexOf('/');
        if (slash > 0) files.insert(QString::fromLocal8Bit(line.mid(slash)));
    }
    return files;
}

void dropFromPageCache(const QSet<QString>& files) {
    for (const QString& file : files) {
        const int fd = ::open(QFile::encodeName(file).constData(), O_RDONLY);
        if (fd < 0) continue;
        posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
        ::close(fd);
    }
}

Start startProgram(const QString& platformName) {
    QTemporaryDir home;
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), platformName);
    environment.insert(QStringLiteral("QUORVELX_HOME"), home.path());
    environment.insert(QStringLiteral("QUORVELX_STARTUP_PROBE"), QStringLiteral("1"));
    program.setProcessEnvironment(environment);
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);

    const qint64 startNs = QDeadlineTimer::current().deadlineNSecs();
    program.start(QStringLiteral(QX_PROGRAM), {});
    QByteArray out;
    while (!out.contains('\n') && program.waitForReadyRead(10000))
        out += program.readAllStandardOutput();
    const QList<QByteArray> probe = out.trimmed().split(' ');
    require(probe.size() == 3 && probe[0] == "startup-probe",
            "the program did not report its start");

    Start start;
    start.ms = (probe[1].toLongLong() - startNs) / 1e6;
    start.peakRssMb = probe[2].toDouble() / 1024;
    start.mappedFiles = mappedFilesOf(program.processId());
    program.kill();
    program.waitForFinished();
    return start;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void measurePlatform(const QString& platformName) {
    const Start discovery = startProgram(platformName);
    dropFromPageCache(discovery.mappedFiles + QSet<QString>{QStringLiteral(QX_PROGRAM)});
    const Start cold = startProgram(platformName);
    std::vector<double> warm, rss;
    for (int i = 0; i < kWarmStarts; ++i) {
        const Start start = startProgram(platformName);
        warm.push_back(start.ms);
        rss.push_back(start.peakRssMb);
    }
    printFigure(QStringLiteral("startup_%1_cold").arg(platformName), cold.ms, "ms");
    printFigure(QStringLiteral("startup_%1_warm").arg(platformName), median(warm), "ms", "<=300");
    printFigure(QStringLiteral("startup_%1_peak_rss").arg(platformName), median(rss), "MB", "<=45");
}

void measureStartups() {
    measurePlatform(QStringLiteral("offscreen"));
    if (qEnvironmentVariableIsSet("DISPLAY")) measurePlatform(QStringLiteral("xcb"));
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    return runBenchmark(measureStartups);
}
