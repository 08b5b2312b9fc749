#include "ui/qt/QtDesktop.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QUrl>
#include <cstdio>
#include <cstdlib>

#include "ui/qt/QtScheduler.h"

namespace qx {

QtDesktop::QtDesktop(const QtScheduler& scheduler) : scheduler_(scheduler) {}

bool QtDesktop::openUrl(const QString& url) {
    return QDesktopServices::openUrl(QUrl(url));
}

bool QtDesktop::openDeviceList() {
#ifdef Q_OS_WIN
    // Opening a local file goes through the shell's "open" verb, which starts the console.
    const QString systemRoot = qEnvironmentVariable("SystemRoot", QStringLiteral("C:/Windows"));
    const QString console = QDir(systemRoot).filePath(QStringLiteral("System32/devmgmt.msc"));
    return QDesktopServices::openUrl(QUrl::fromLocalFile(console));
#else
    return false;
#endif
}

void QtDesktop::endProgram() {
    if (scheduler_.nestingDepth() == 0) {
        QCoreApplication::exit(0);
        return;
    }
    std::fflush(nullptr);
    std::exit(0);
}

}  // namespace qx
