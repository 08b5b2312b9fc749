#pragma once

#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "shell/Form1.h"
#include "ui/qt/QtPlatform.h"
#include "ui/window/Form1Window.h"

// The whole program on the real platform, its settings in a temporary folder.
struct Program {
    QTemporaryDir home;
    std::unique_ptr<qx::QtPlatform> platform;
    std::unique_ptr<qx::Form1> form;
    std::unique_ptr<qx::Form1Window> window;

    Program() {
        qputenv("QUORVELX_HOME", home.path().toLocal8Bit());
        platform = std::make_unique<qx::QtPlatform>();
        form = std::make_unique<qx::Form1>(platform->platform());
        form->Form_Load();
        window = std::make_unique<qx::Form1Window>(*form);
        window->show();
        // The first activation blinks for three seconds; let it finish.
        QTRY_VERIFY_WITH_TIMEOUT(!form->controls().visible(QStringLiteral("Picture4")), 10000);
    }

    template <typename W>
    W* widget(const QString& name) const {
        return window->findChild<W*>(name);
    }
    QString text(const QString& name) const { return form->controls().text(name); }
};
