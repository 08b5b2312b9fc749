// The readers of the settings files and of the user preset file: the field rule on any bytes,
// whole or cut, and each loader on a real file of that content.
//   byte 0: which file (bits 0..1: comm.DAT, lanip.DAT, siri.DAT, SetData.txt); bit 2: the
//   content is the start of a longer file; the rest is the content.

#include <QFile>

#include "FuzzSupport.h"
#include "mount/UserPresetFile.h"
#include "shell/SettingsFiles.h"

namespace {

void readEveryField(const QByteArray& content, bool cut) {
    qsizetype position = 0;
    qsizetype before = -1;
    while (const std::optional<QString> field = qx::readField(content, position, cut)) {
        if (position <= before) qx::fuzz::finding("a field that does not advance", *field);
        before = position;
        qx::fuzz::observe(*field);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const int file = data[0] & 3;
    const bool cut = data[0] & 4;
    const QByteArray content(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));

    readEveryField(content, cut);
    qx::fuzz::observe(qx::firstField(content, cut).value_or(QString()));
    qx::fuzz::sink = qx::fuzz::sink + qx::firstNumberField(content, cut).value_or(0);
    if (const std::optional<QStringList> items = qx::userPresetItems(content, cut))
        qx::fuzz::observe(items->join(QLatin1Char('|')));

    static const char* const kFiles[] = {qx::kCommFile, qx::kLanipFile, qx::kSiriFile,
                                         qx::kSetDataFile};
    qx::test::TestRig& rig = qx::fuzz::freshRig();
    for (const char* name : kFiles) QFile::remove(rig.settingsFile(name));
    QFile out(rig.settingsFile(kFiles[file]));
    if (!out.open(QIODevice::WriteOnly) || out.write(content) != content.size()) std::abort();
    out.close();
    switch (file) {
        case 0:
            rig.form->Load_comm();
            break;
        case 1:
            rig.form->Load_lan();
            break;
        case 2:
            rig.form->Load_param();
            break;
        default:
            qx::Load_Set(*rig.form);
            break;
    }
    qx::fuzz::observe(rig.controls());
    return 0;
}
