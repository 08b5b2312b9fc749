#include <QtTest>

#include "fakes/TestRig.h"

using namespace qx;
using namespace qx::test;

class SoundStartTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The sound system is started a second into the first activation, while the window blinks,
    // with the cue every connect begins with; nothing is heard.
    void startsDuringTheFirstBlink() {
        TestRig rig;
        rig.form->Form_Load();
        rig.form->Form_Activate();
        QCOMPARE(rig.sound.prepared, QStringList{QStringLiteral("1000 connect.mp3")});
        QCOMPARE(rig.log.of(QStringLiteral("sound")), QStringList{});

        rig.form->Form_Activate();  // coming back from another window
        rig.form->Wait(2000);
        QCOMPARE(rig.sound.prepared.size(), 1);
    }
};

QTEST_GUILESS_MAIN(SoundStartTest)
#include "tst_sound_start.moc"
