#pragma once

#include <QFile>
#include <QStringList>

#include "fakes/TestRig.h"
#include "mount/UserPresetFile.h"
#include "ui/Controls.h"

// Small helpers of the mount tests: the gear table's texts, the direction lamps, the user preset
// file of a rig.

namespace qx::test {

inline const QStringList kGearTable{"Text2", "Text3", "Text4", "Text5",
                                    "Text6", "Text7", "Text8", "Text9"};
inline const QStringList kDirectionLampNames{"Shape1", "Shape2", "Shape3", "Shape4"};

inline QStringList textsOf(const Controls& c, const QStringList& names) {
    QStringList out;
    for (const QString& name : names) out << c.text(name);
    return out;
}

// The direction lamps Shape1..Shape4 as "LuuL": lit (L), unlit (u), green, not read yet (g).
inline QString directionLamps(const Controls& c) {
    QString out;
    for (const QString& lamp : kDirectionLampNames) {
        const quint32 colour = c.backColor(lamp);
        out += colour == kLampLit ? u'L' : colour == kLampUnlit ? u'u' : u'g';
    }
    return out;
}

inline void paintDirectionLampsGreen(Controls& c) {
    for (const QString& lamp : kDirectionLampNames) c.setBackColor(lamp, kLampNotRead);
}

inline QByteArray presetFileBytes(const TestRig& rig) {
    QFile f(rig.settingsFile(kSetDataFile));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

inline bool writePresetFile(const TestRig& rig, const QByteArray& bytes) {
    QFile f(rig.settingsFile(kSetDataFile));
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

}  // namespace qx::test
