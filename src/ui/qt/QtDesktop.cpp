#include "ui/qt/QtDesktop.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QUrl>
#include <cstdio>
#include <cstdlib>

#include "ui/devices/SerialPortsWindow.h"
#include "ui/qt/QtScheduler.h"

namespace qx {

QtDesktop::QtDesktop(const QtScheduler& scheduler) : scheduler_(scheduler) {}

QtDesktop::~QtDesktop() = default;

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
    if (!serialPorts_) serialPorts_ = std::make_unique<SerialPortsWindow>();
    serialPorts_->show();
    serialPorts_->raise();
    serialPorts_->activateWindow();
    return true;
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
