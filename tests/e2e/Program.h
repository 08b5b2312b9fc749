#pragma once

#include <QTemporaryDir>
#include <memory>

#include "shell/Form1.h"
#include "ui/qt/QtPlatform.h"
#include "ui/window/Form1Window.h"

// The whole program on the real platform, its settings in a temporary folder, its window shown
// and past the blink of its first activation.
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
};
