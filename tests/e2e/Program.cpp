#include "Program.h"

#include <QRadioButton>
#include <QTabWidget>
#include <QtTest>

Program::Program(const PlatformChoice& choosePlatform) {
    qputenv("QUORVELX_HOME", home.path().toLocal8Bit());
    platform = std::make_unique<qx::QtPlatform>();
    form = std::make_unique<qx::Form1>(choosePlatform ? choosePlatform(*platform)
                                                      : platform->platform());
    form->Form_Load();
    window = std::make_unique<qx::Form1Window>(*form);
    window->show();
    // The first activation blinks for three seconds; let it finish.
    QTRY_VERIFY_WITH_TIMEOUT(!form->controls().visible(QStringLiteral("Picture4")), 10000);
}

QWidget* Program::showControl(const QString& name) const {
    QWidget* control = widget<QWidget>(name);
    if (!control) return nullptr;
    for (auto* tabs : window->findChildren<QTabWidget*>())
        for (int i = 0; i < tabs->count(); ++i)
            if (tabs->widget(i)->isAncestorOf(control)) tabs->setCurrentIndex(i);
    return control;
}

bool Program::click(const QString& name) const {
    QWidget* control = showControl(name);
    if (!control) return false;
    // Option buttons take clicks on their mark and caption only.
    const QPoint at = qobject_cast<QRadioButton*>(control) ? QPoint(6, control->height() / 2)
                                                           : control->rect().center();
    QTest::mouseClick(control, Qt::LeftButton, {}, at);
    return true;
}
