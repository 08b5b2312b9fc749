#pragma once

#include <QObject>

#include "fakes/TestRig.h"

namespace qx::test {

// When a panel (Picture7 "書き込み中" by default) was last shown and hidden, on the virtual clock.
struct PanelWatch {
    double shownAt = -1, hiddenAt = -1;
    explicit PanelWatch(TestRig& rig, const QString& panel = QStringLiteral("Picture7")) {
        QObject::connect(
            &rig.controls(), &Controls::changed, [this, &rig, panel](const QString& name) {
                if (name != panel) return;
                (rig.controls().visible(name) ? shownAt : hiddenAt) = rig.clock.nowMs();
            });
    }
    double shownMs() const { return hiddenAt - shownAt; }
};

}  // namespace qx::test
