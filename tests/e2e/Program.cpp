#include "Program.h"

#include <QtTest>

Program::Program() {
    qputenv("QUORVELX_HOME", home.path().toLocal8Bit());
    platform = std::make_unique<qx::QtPlatform>();
    form = std::make_unique<qx::Form1>(platform->platform());
    form->Form_Load();
    window = std::make_unique<qx::Form1Window>(*form);
    window->show();
    // The first activation blinks for three seconds; let it finish.
    QTRY_VERIFY_WITH_TIMEOUT(!form->controls().visible(QStringLiteral("Picture4")), 10000);
}
