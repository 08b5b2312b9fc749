#include <QApplication>

#include "StartupProbe.h"
#include "shell/Form1.h"
#include "ui/qt/QtPlatform.h"
#include "ui/window/Form1Window.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("QuorvelX"));
    // The desktop entry that names the program, its icon and its menu place.
    QGuiApplication::setDesktopFileName(QStringLiteral("quorvelx"));

    qx::QtPlatform platform;
    qx::Form1 form(platform.platform());
    form.Form_Load();
    qx::Form1Window window(form);
    qx::armStartupProbe(window);
    window.show();
    return app.exec();
}
