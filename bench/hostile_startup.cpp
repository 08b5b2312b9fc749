// Start-up (Form_Load) with the settings files as the tool writes them, and with each of
// comm.DAT, lanip.DAT, siri.DAT and SetData.txt replaced by 100 MB of random bytes: the time it
// takes and the bytes it reads (rchar of /proc/self/io).
//   bench_hostile_startup

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <cstdio>

#include "fakes/TestRig.h"
#include "mount/UserPresetFile.h"
#include "shell/SettingsFiles.h"

namespace {

constexpr qint64 kHugeBytes = 100 * 1024 * 1024;
constexpr int kRuns = 20;

qint64 bytesReadSoFar() {
    QFile io(QStringLiteral("/proc/self/io"));
    if (!io.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : io.readAll().split('\n'))
        if (line.startsWith("rchar:")) return line.mid(6).trimmed().toLongLong();
    return -1;
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (f.open(QIODevice::WriteOnly)) f.write(bytes);
}

QByteArray randomBytes(qint64 size) {
    QByteArray bytes(size, Qt::Uninitialized);
    QRandomGenerator random(7);
    random.fillRange(reinterpret_cast<quint32*>(bytes.data()), size / 4);
    return bytes;
}

// Form_Load, and the preset load of "USER", kRuns times: mean time and bytes read per start.
void measure(const char* what, const QString& folder) {
    QElapsedTimer wall;
    qint64 nanos = 0;
    qint64 bytes = 0;
    for (int run = 0; run < kRuns; ++run) {
        qx::test::TestRig rig;
        rig.folders.settings = folder;
        const qint64 readBefore = bytesReadSoFar();
        wall.start();
        rig.form->Form_Load();
        qx::Load_Set(*rig.form);
        nanos += wall.nsecsElapsed();
        bytes += bytesReadSoFar() - readBefore;
    }
    std::printf("%-34s %10.2f ms %12lld bytes read\n", what, nanos / 1e6 / kRuns, bytes / kRuns);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir own;
    const auto path = [&](const char* name) { return QDir(own.path()).filePath(name); };
    writeFile(path(qx::kCommFile), qx::commFileBytes(false));
    writeFile(path(qx::kLanipFile), qx::lanipFileBytes(QStringLiteral("192.168.1.1")));
    writeFile(path(qx::kSiriFile), qx::siriFileBytes(3));
    writeFile(path(qx::kSetDataFile), qx::userPresetBytes({"200", "8", "3", "240", "200", "8", "3",
                                                           "144", "200", "1", "0"}));
    std::printf("start-up and preset load, mean of %d\n", kRuns);
    measure("the tool's own files", own.path());

    QTemporaryDir huge;
    const QByteArray garbage = randomBytes(kHugeBytes);
    for (const char* name : {qx::kCommFile, qx::kLanipFile, qx::kSiriFile, qx::kSetDataFile})
        writeFile(QDir(huge.path()).filePath(name), garbage);
    measure("four files of 100 MB random bytes", huge.path());
    return 0;
}
