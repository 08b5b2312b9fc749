#include "ui/window/screens/RestoreScreens.h"

#include <QDir>

#include "shell/Form1.h"
#include "ui/window/SettingsRestoreWindow.h"
#include "write/SettingsBackup.h"
#include "write/SettingsRestore.h"

namespace qx::screens {

namespace {

// The backup: the window's values, with these as they were when it was taken.
const QPair<const char*, const char*> kSavedValues[] = {
    {"Text1(0)", "200"},      {"Text1(8)", "010"},         {"Text1(12)", "+80"},
    {"Text1(41)", "old-key"}, {"Text1(40)", "ホームWiFi"}, {"Combo8", "2"},
    {"Text1(1)", "6400"},
};

RestorePlan samplePlan(const Controls& controls) {
    SettingsBackup backup =
        takeBackup(controls, QStringLiteral("QuorvelX ｾｯﾃｲ ver10.3.2"),
                   QStringLiteral("2024-03-01 21:14:08"), QStringLiteral("serial COM3"));
    for (const auto& [control, value] : kSavedValues)
        backup.values.insert(QLatin1String(control), QString::fromUtf8(value));
    RestorePlan plan = planRestore(controls, parseBackupFile(backupFileBytes(backup)));
    plan.path = QStringLiteral("/home/user/Documents/QuorvelX-settings-2024-03-01-2114.json");
    return plan;
}

// The plan as a restore leaves it: every ticked row verified but the zenith, which the
// controller kept.
RestorePlan afterRestore(RestorePlan plan) {
    for (RestoreRow& row : plan.rows) {
        if (!row.ticked) continue;
        const bool kept = qstrcmp(row.setting->control, "Text1(12)") == 0;
        row.state = kept ? RestoreState::NotVerified : RestoreState::Verified;
        row.cameBack = kept ? row.windowValue : *row.fileValue;
        row.windowValue = row.cameBack;
    }
    return plan;
}

bool save(Form1& form, QWidget* parent, RestorePlan plan, bool done, const QString& path) {
    int steps = 0;
    int lastTicked = 0;
    for (int i = 0; i < int(plan.rows.size()); ++i) {
        if (!plan.rows[i].ticked) continue;
        steps += 2;
        lastTicked = i;
    }
    SettingsRestoreWindow window(form, std::move(plan), parent);
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    window.showOnlyDifferences(true);
    if (done) {
        window.stepReached(steps, steps);
        window.rowChanged(lastTicked);  // as the run leaves it: scrolled to its last row
    }
    return window.grab().save(path);
}

}  // namespace

bool saveRestoreWindows(Form1& form, QWidget* parent, const QDir& out) {
    const RestorePlan plan = samplePlan(form.controls());
    return save(form, parent, plan, false, out.filePath(QStringLiteral("restore.png"))) &&
           save(form, parent, afterRestore(plan), true,
                out.filePath(QStringLiteral("restore-done.png")));
}

}  // namespace qx::screens
