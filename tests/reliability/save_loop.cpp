// Saves the four settings files of a folder over and over, switching between two complete sets of
// values, through the window's own savers; prints "saving" once it has begun. The kill test stops
// it with SIGKILL at random moments.
//   save_loop FOLDER

#include <cstdio>

#include "SaveLoopValues.h"
#include "fakes/TestRig.h"
#include "mount/UserPresetFile.h"

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    qx::test::TestRig rig;
    rig.folders.settings = QString::fromLocal8Bit(argv[1]);
    for (quint64 round = 0;; ++round) {
        qx::test::showSaveLoopValues(rig, round % 2 == 1);
        rig.form->save_comm();
        rig.form->save_lan();
        rig.form->Save_param();
        qx::Save_Set(*rig.form);
        rig.log.clear();
        if (round == 0) {
            std::puts("saving");
            std::fflush(stdout);
        }
    }
}
