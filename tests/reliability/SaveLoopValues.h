#pragma once

#include <QByteArray>
#include <QStringList>

#include "fakes/TestRig.h"
#include "mount/MotorDirection.h"
#include "mount/UserPresetFile.h"
#include "shell/SettingsFiles.h"

namespace qx::test {

// The two sets of values the save loop switches between, and the bytes each gives in each file.
struct SaveLoopSet {
    bool lan;
    const char* address;
    int port;
    QStringList gear;  // Text2..Text9, then the MaxRate
    bool raPlus;
    bool decPlus;
};

inline const SaveLoopSet& saveLoopSet(bool second) {
    static const SaveLoopSet sets[2] = {
        {false,
         "192.168.1.1",
         3,
         {"200", "8", "3", "240", "200", "8", "3", "144", "200"},
         true,
         false},
        {true,
         " 10.20.30.40 ",
         17,
         {"400", " 16", "1.5", "180", "400", " 32", "2", "120", "800"},
         false,
         true},
    };
    return sets[second ? 1 : 0];
}

inline void showSaveLoopValues(TestRig& rig, bool second) {
    const SaveLoopSet& set = saveLoopSet(second);
    Controls& c = rig.controls();
    c.setChecked(set.lan ? QStringLiteral("Option8") : QStringLiteral("Option7"), true);
    c.setText(QStringLiteral("Text13"), QLatin1String(set.address));
    rig.serial.setPortNumber(set.port);
    const QStringList fields{"Text2", "Text3", "Text4", "Text5",   "Text6",
                             "Text7", "Text8", "Text9", "Text1(0)"};
    for (int i = 0; i < fields.size(); ++i) c.setText(fields[i], set.gear[i]);
    showDirection(c, set.raPlus ? MotorDirection::RaPlus : MotorDirection::RaMinus);
    showDirection(c, set.decPlus ? MotorDirection::DecPlus : MotorDirection::DecMinus);
}

// The content each file may have after a save of either set: file name, then the two contents.
inline QList<std::pair<QString, QList<QByteArray>>> saveLoopContents() {
    QList<std::pair<QString, QList<QByteArray>>> out;
    const auto both = [](auto bytesOf) {
        return QList<QByteArray>{bytesOf(saveLoopSet(false)), bytesOf(saveLoopSet(true))};
    };
    out.append({QLatin1String(kCommFile),
                both([](const SaveLoopSet& s) { return commFileBytes(s.lan); })});
    out.append({QLatin1String(kLanipFile), both([](const SaveLoopSet& s) {
                    return lanipFileBytes(QLatin1String(s.address));
                })});
    out.append({QLatin1String(kSiriFile),
                both([](const SaveLoopSet& s) { return siriFileBytes(qint16(s.port)); })});
    out.append({QLatin1String(kSetDataFile), both([](const SaveLoopSet& s) {
                    return userPresetBytes(
                        s.gear + QStringList{s.raPlus ? "1" : "0", s.decPlus ? "1" : "0"});
                })});
    return out;
}

}  // namespace qx::test
