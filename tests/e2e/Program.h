#pragma once

#include <QTemporaryDir>
#include <functional>
#include <memory>

#include "shell/Form1.h"
#include "ui/qt/QtPlatform.h"
#include "ui/window/Form1Window.h"

// The whole program on the real platform, its settings in a temporary folder, its window shown
// and past the blink of its first activation.
struct Program {
    // The facilities the window gets, made from the real ones; a benchmark wraps some of them to
    // measure what goes through.
    using PlatformChoice = std::function<qx::Platform&(qx::QtPlatform&)>;

    QTemporaryDir home;
    std::unique_ptr<qx::QtPlatform> platform;
    std::unique_ptr<qx::Form1> form;
    std::unique_ptr<qx::Form1Window> window;

    explicit Program(const PlatformChoice& choosePlatform = {});

    template <typename W>
    W* widget(const QString& name) const {
        return window->findChild<W*>(name);
    }
    QString text(const QString& name) const { return form->controls().text(name); }

    // Brings the tab page that holds the control to the front; the control, or null.
    QWidget* showControl(const QString& name) const;
    // Clicks a control as the operator does: on its page, the mouse down and up on it (an option
    // button on its mark). Returns after the click's handler has run; false without such control.
    bool click(const QString& name) const;
};
