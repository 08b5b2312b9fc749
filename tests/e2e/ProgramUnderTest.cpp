#include "ProgramUnderTest.h"

#include <QRadioButton>
#include <QTabWidget>
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

namespace {

// Brings each tab page that holds the control to the front of its tabs.
void showPagesOf(QWidget* control) {
    for (QWidget* page = control; page; page = page->parentWidget())
        for (QWidget* up = page->parentWidget(); up; up = up->parentWidget())
            if (auto* tabs = qobject_cast<QTabWidget*>(up); tabs && tabs->indexOf(page) >= 0)
                tabs->setCurrentWidget(page);
}

}  // namespace

bool Program::click(const QString& name) const {
    QWidget* control = widget<QWidget>(name);
    if (!control) return false;
    showPagesOf(control);
    // Option buttons take clicks on their mark and caption only.
    const QPoint at = qobject_cast<QRadioButton*>(control) ? QPoint(6, control->height() / 2)
                                                           : control->rect().center();
    QTest::mouseClick(control, Qt::LeftButton, {}, at);
    return true;
}
