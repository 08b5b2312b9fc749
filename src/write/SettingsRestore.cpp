#include "write/SettingsRestore.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>
#include <array>

#include "link/LinkSend.h"
#include "read/QueryIndex.h"
#include "read/ReadAllTables.h"
#include "shell/ControlLocking.h"
#include "shell/Form1.h"
#include "shell/LongSequence.h"
#include "shell/SettingsFiles.h"
#include "ui/Controls.h"
#include "ui/platform/FileDialogs.h"
#include "write/CaptionButtons.h"
#include "write/SetButtons.h"
#include "write/SetCommands.h"

namespace qx {

namespace {

// The site's longitude, latitude and UTC offset go to the controller as typed (sign turned for
// two of them), so "+9" and "+09" are one value: their numbers are compared, not their digits.
constexpr std::array kNumbersComparedBySetIndex = {11, 12, 13};

// A field shows this while it is read back: no reply of the controller's ASCII can look like it,
// so a field that still shows it got no usable answer.
const QString kReadingBack = QStringLiteral("読込中…");

// "+09*05" as "+", 9, "*", 5: runs of digits (with a point) compared as numbers, the rest as is.
QStringList numberTokens(const QString& text) {
    static const QRegularExpression token(QStringLiteral("\\d+(?:\\.\\d*)?|\\D"));
    QStringList tokens;
    for (const QRegularExpressionMatch& m : token.globalMatch(text)) {
        const QString piece = m.captured();
        tokens << (piece.front().isDigit() ? QString::number(piece.toDouble(), 'g', 15) : piece);
    }
    return tokens;
}

int setIndexOf(const BackupSetting& setting) {
    if (setting.restored != Restored::BySetButton) return -1;
    for (int index = kFirstSetting; index <= kLastSetting; ++index)
        if (qstrcmp(setButtonField(index), setting.control) == 0) return index;
    return -1;
}

// Why the SET button would not send this value, or nothing when it would.
QString refusal(int setIndex, const QString& value) {
    const SetCommand command = buildSetCommand(setIndex, value);
    switch (command.kind) {
        case SetCommand::Kind::Send:
            return {};
        case SetCommand::Kind::Reject:
            return QStringLiteral("SETボタンが受け付けない値です（「:=SG#」を送ります）");
        case SetCommand::Kind::Refused:
            return command.reason;
        case SetCommand::Kind::Nothing:
            break;
    }
    return QStringLiteral("SETボタンが送らない値です（空、符号がない、または数値でない）");
}

QString problemOf(const BackupFile& file, const RestoreRow& row) {
    const QString control = QLatin1String(row.setting->control);
    if (!file.problem.isEmpty()) return file.problem;
    if (file.badValues.contains(control)) return file.badValues.value(control);
    if (!row.fileValue) return QStringLiteral("ファイルにこの項目がありません");
    if (row.setIndex >= 0) return refusal(row.setIndex, *row.fileValue);
    return {};
}

// The read-all's query of an index.
const ReadAllQuery* readQuery(short index) {
    const auto it = std::find_if(kFirstPass.begin(), kFirstPass.end(),
                                 [index](const ReadAllQuery& q) { return q.index == index; });
    return it == kFirstPass.end() ? nullptr : &*it;
}

void readBack(const LinkSend& send, const BackupSetting& setting) {
    if (setting.captionButton >= 0) {
        rereadField(send, setting.captionButton);
    } else if (const ReadAllQuery* query = readQuery(setting.readIndex)) {
        QueryIndex = query->index;
        send(QLatin1String(query->command));
    }
}

// One sequence of a restore: its rows, the link, and the steps counted for the progress.
class RestoreRun {
public:
    RestoreRun(Form1& form, RestorePlan& plan, RestoreProgress& progress)
        : form_(form), plan_(plan), progress_(progress), send_(LinkSend::forClick(form)) {
        for (int i = 0; i < int(plan.rows.size()); ++i)
            if (plan.rows[i].ticked && plan.rows[i].writable()) toWrite_.push_back(i);
        steps_ = 2 * int(toWrite_.size());
    }

    void run() {
        progress_.stepReached(0, steps_);
        readBackRows(writeRows());
        progress_.stepReached(steps_, steps_);
    }

private:
    Controls& controls() { return form_.controls(); }
    QString fieldOf(int row) const { return QLatin1String(plan_.rows[row].setting->control); }

    void setState(int row, RestoreState state) {
        plan_.rows[row].state = state;
        plan_.rows[row].windowValue = controls().text(fieldOf(row));
        progress_.rowChanged(row);
    }

    void markAll(const std::vector<int>& rows, RestoreState state, size_t from = 0) {
        for (size_t i = from; i < rows.size(); ++i) setState(rows[i], state);
    }

    void nextStep() { progress_.stepReached(++step_, steps_); }

    // Whether the rows left are to be given up, and as what: `cancelled` when the operator asked
    // to stop, NotConnected when the link has gone (a disconnect meanwhile).
    std::optional<RestoreState> stopped(RestoreState cancelled) {
        if (progress_.cancelRequested()) return cancelled;
        if (!send_.ready()) return RestoreState::NotConnected;
        return std::nullopt;
    }

    // The file's value goes into the field, and the field's SET button writes it.
    std::vector<int> writeRows() {
        std::vector<int> written;
        for (size_t i = 0; i < toWrite_.size(); ++i) {
            if (const std::optional<RestoreState> stop = stopped(RestoreState::Cancelled)) {
                markAll(toWrite_, *stop, i);
                break;
            }
            const RestoreRow& row = plan_.rows[toWrite_[i]];
            controls().setText(fieldOf(toWrite_[i]), *row.fileValue);
            QueryIndex = kCatchAllIndex;
            writeSetting(form_, send_, row.setIndex);
            written.push_back(toWrite_[i]);
            setState(toWrite_[i], RestoreState::Written);
            form_.Wait(kRestoreStepMs);
            nextStep();
        }
        return written;
    }

    void readBackRows(const std::vector<int>& written) {
        for (size_t i = 0; i < written.size(); ++i) {
            if (stopped(RestoreState::WrittenUnchecked)) {
                markAll(written, RestoreState::WrittenUnchecked, i);
                break;
            }
            verify(written[i]);
            nextStep();
        }
    }

    void verify(int index) {
        RestoreRow& row = plan_.rows[index];
        const QString field = fieldOf(index);
        const QString written = controls().text(field);
        controls().setText(field, kReadingBack);
        readBack(send_, *row.setting);
        form_.Wait(kRestoreStepMs);
        const QString cameBack = controls().text(field);
        if (cameBack == kReadingBack) {
            controls().setText(field, written);  // the field keeps what was written
            row.cameBack.clear();
            setState(index, RestoreState::NoAnswer);
            return;
        }
        row.cameBack = cameBack;
        setState(index, sameSetting(row.setIndex, cameBack, *row.fileValue)
                            ? RestoreState::Verified
                            : RestoreState::NotVerified);
    }

    Form1& form_;
    RestorePlan& plan_;
    RestoreProgress& progress_;
    const LinkSend send_;
    std::vector<int> toWrite_;
    int steps_ = 0;
    int step_ = 0;
};

}  // namespace

bool sameSetting(int setIndex, const QString& a, const QString& b) {
    const SetCommand first = buildSetCommand(setIndex, a);
    const SetCommand second = buildSetCommand(setIndex, b);
    if (first.kind != SetCommand::Kind::Send || second.kind != SetCommand::Kind::Send) return false;
    const bool byNumbers =
        std::find(kNumbersComparedBySetIndex.begin(), kNumbersComparedBySetIndex.end(), setIndex) !=
        kNumbersComparedBySetIndex.end();
    return byNumbers ? numberTokens(first.command) == numberTokens(second.command)
                     : first.command == second.command;
}

RestorePlan planRestore(const Controls& controls, const BackupFile& file) {
    RestorePlan plan;
    plan.file = file;
    for (const BackupSetting& setting : backupSettings()) {
        RestoreRow row;
        row.setting = &setting;
        row.windowValue = currentValue(controls, setting);
        const QString control = QLatin1String(setting.control);
        if (file.backup.values.contains(control)) row.fileValue = file.backup.values.value(control);
        row.setIndex = setIndexOf(setting);
        row.problem = problemOf(file, row);
        row.ticked = row.writable() && !sameSetting(row.setIndex, row.windowValue, *row.fileValue);
        plan.rows.push_back(row);
    }
    return plan;
}

std::optional<RestorePlan> chooseRestoreFile(Form1& form) {
    const std::optional<QString> path = form.platform().files.openFileName(
        QStringLiteral("設定復元"), QStringLiteral("設定ファイル (*.json);;すべてのファイル (*)"));
    if (!path) return std::nullopt;
    BackupFile file;
    std::optional<QByteArray> bytes;
    if (QFileInfo(*path).size() <= kMaxBackupFileBytes) bytes = readWholeFile(*path);
    if (bytes)
        file = parseBackupFile(*bytes);
    else
        file.problem = QStringLiteral("ファイルを読めません: ") + *path;
    RestorePlan plan = planRestore(form.controls(), file);
    plan.path = *path;
    return plan;
}

QString rowStatus(const RestoreRow& row) {
    switch (row.state) {
        case RestoreState::Idle:
            break;
        case RestoreState::NotConnected:
            return QStringLiteral("接続されていないため書き込んでいません");
        case RestoreState::Written:
            return QStringLiteral("書き込みました（確認待ち）");
        case RestoreState::Verified:
            return QStringLiteral("確認済み");
        case RestoreState::NotVerified:
            return QStringLiteral("確認できません: 「%1」が返りました").arg(row.cameBack);
        case RestoreState::NoAnswer:
            return QStringLiteral("確認できません: 応答がありません");
        case RestoreState::Cancelled:
            return QStringLiteral("中止しました（書き込んでいません）");
        case RestoreState::WrittenUnchecked:
            return QStringLiteral("書き込みましたが、確認していません（中止または切断）");
    }
    if (!row.problem.isEmpty()) return row.problem;
    switch (row.setting->restored) {
        case Restored::NeedsGearWrite:
            return QStringLiteral("情報のみ（ギアの「書き込み」と再起動で設定）");
        case Restored::ReadOnly:
            return QStringLiteral("情報のみ");
        case Restored::BySetButton:
            break;
    }
    return row.ticked ? QStringLiteral("書き込みます") : QString();
}

void runRestore(Form1& form, RestorePlan& plan, RestoreProgress& progress) {
    const LongSequence sequence(form, QStringLiteral("設定復元"));
    if (sequence.refused()) return;
    Controls& controls = form.controls();
    const int poll = form.timer1Interval();
    form.setTimer1Interval(0);  // a poll would take the read-backs' index
    AllDispOFF(controls);
    RestoreRun(form, plan, progress).run();
    AllDispON(controls);
    // A disconnect meanwhile stopped the poll for good.
    if (LinkSend::chosen(form).ready()) form.setTimer1Interval(poll);
}

}  // namespace qx
