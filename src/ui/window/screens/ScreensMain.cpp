// Draws the main window offscreen with sample values and writes one PNG per page:
//   quorvelx_screens <output folder>
// page0.png .. page4.png show the window as after a read; pageN-panels.png show the same page
// with the panels that are hidden by design (motor gear, "書き込み中", hints, fine trim);
// restore.png and restore-done.png show the restore window before and after a restore;
// traffic-monitor.png the traffic monitor over the start of a read-all; progress.png the lower
// strip during a read-all.

#include <QApplication>
#include <QDir>
#include <QTabWidget>
#include <QTemporaryDir>

#include "shell/Form1.h"
#include "ui/qt/QtPlatform.h"
#include "ui/window/Form1Window.h"
#include "ui/window/screens/ProgressScreen.h"
#include "ui/window/screens/RestoreScreens.h"
#include "ui/window/screens/SampleValues.h"
#include "ui/window/screens/TrafficScreens.h"

namespace {

bool savePage(qx::Form1Window& window, int page, const QString& path) {
    auto* tabs = qobject_cast<QTabWidget*>(window.control(QStringLiteral("SSTab1")));
    tabs->setCurrentIndex(page);
    return window.grab().save(path);
}

}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs"));
    if (!out.exists() && !QDir().mkpath(out.path())) return 1;

    QTemporaryDir settings;  // the pictures do not depend on this machine's saved choices
    qputenv("QUORVELX_HOME", settings.path().toLocal8Bit());
    qx::QtPlatform platform;
    qx::Form1 form(platform.platform());
    form.Form_Load();
    qx::screens::fillSampleValues(form.controls());
    qx::Form1Window window(form);

    bool ok = true;
    for (int page = 0; page < 5; ++page)
        ok &= savePage(window, page, out.filePath(QStringLiteral("page%1.png").arg(page)));

    qx::Controls& controls = form.controls();
    for (const char* panel : {"Picture6", "Picture7", "Picture4", "Picture9"})
        controls.setVisible(QLatin1String(panel), true);
    for (int page : {0, 2, 3})
        ok &= savePage(window, page, out.filePath(QStringLiteral("page%1-panels.png").arg(page)));
    ok &= qx::screens::saveRestoreWindows(form, &window, out);
    ok &= qx::screens::saveTrafficMonitor(form, &window, out);  // its replies change fields
    ok &= qx::screens::saveProgressStrip(form, window, out);    // last: it locks the settings
    return ok ? 0 : 1;
}
