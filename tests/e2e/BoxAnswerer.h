#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>

// Presses OK on every message box that comes up, and remembers what each said ("title|text").
class BoxAnswerer {
public:
    BoxAnswerer() {
        timer_.setInterval(50);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                auto* box = qobject_cast<QMessageBox*>(w);
                if (!box || !box->isVisible()) continue;
                seen << box->windowTitle() + QLatin1Char('|') + box->text();
                box->button(QMessageBox::Ok)->click();
            }
        });
        timer_.start();
    }
    QStringList seen;

private:
    QTimer timer_;
};
