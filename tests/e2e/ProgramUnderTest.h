#pragma once

#include <QTemporaryDir>
#include <memory>

#include "shell/Form1.h"
#include "ui/qt/QtPlatform.h"
#include "ui/window/Form1Window.h"

// The whole program on the real platform, its window shown offscreen and its settings in a
// temporary folder; constructed once the first activation (its three-second blink) is over.
struct Program {
    QTemporaryDir home;
    std::unique_ptr<qx::QtPlatform> platform;
    std::unique_ptr<qx::Form1> form;
    std::unique_ptr<qx::Form1Window> window;

    Program();

    template <typename W>
    W* widget(const QString& name) const {
        return window->findChild<W*>(name);
    }
    QString text(const QString& name) const { return form->controls().text(name); }

    // Clicks a control of the window as the operator does: its page of the tabs is brought to
    // the front, then the mouse goes down and up on it (an option button on its mark). Returns
    // after the click's handler has run. False when the window has no such control.
    bool click(const QString& name) const;
};
