#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "write/SettingsBackup.h"

namespace qx {

class Controls;
class Form1;

// Where a row of a restore stands.
enum class RestoreState {
    Idle,              // nothing done yet
    NotConnected,      // the link was not ready, or went: this row was not written
    Written,           // its SET has been sent; the read-back is to come
    Verified,          // read back: the controller holds the file's value
    NotVerified,       // read back: the controller answered something else (`cameBack`)
    NoAnswer,          // read back: nothing usable came back
    Cancelled,         // the operator stopped the restore before this row was written
    WrittenUnchecked,  // written, but stopped (or disconnected) before it was read back
};

// One setting of a backup beside the window's value.
struct RestoreRow {
    const BackupSetting* setting = nullptr;
    QString windowValue;
    std::optional<QString> fileValue;  // nothing: the file does not have it
    int setIndex = -1;                 // the SET button that writes it; -1 for information
    QString problem;                   // why it cannot be written; empty when it can
    bool ticked = false;               // to be written: ticked where file and window differ
    RestoreState state = RestoreState::Idle;
    QString cameBack;  // what the read-back brought

    bool writable() const { return setIndex >= 0 && problem.isEmpty() && fileValue.has_value(); }
};

struct RestorePlan {
    QString path;
    BackupFile file;
    std::vector<RestoreRow> rows;
};

// Whether two texts of a field give the controller the same value through its SET button:
// "+85" and "85*" are one zenith limit, "+09" and "+9" one UTC offset, "0800" and "800" one
// MaxRate. A text that the SET would not send matches nothing.
bool sameSetting(int setIndex, const QString& a, const QString& b);

// Every setting of the backup beside the window's value; the rows that can be written and differ
// are ticked.
RestorePlan planRestore(const Controls& controls, const BackupFile& file);

// "設定復元…": the operator chooses a backup file, which is read and set beside the window.
// Nothing when the dialog is cancelled; a file that cannot be read gives a plan whose every row
// says why.
std::optional<RestorePlan> chooseRestoreFile(Form1& form);

// What a row says in the table's last column.
QString rowStatus(const RestoreRow& row);

// How a restore tells its progress, and learns that the operator wants it stopped.
class RestoreProgress {
public:
    virtual ~RestoreProgress() = default;
    virtual void stepReached(int step, int steps) = 0;  // 0 at the start, `steps` at the end
    virtual void rowChanged(int row) = 0;
    virtual bool cancelRequested() = 0;  // asked between two rows
};

inline constexpr int kRestoreStepMs = 500;  // between two writes, and between two read-backs

// "書き込み": the ticked writable rows, each through its SET button's code and 500 ms apart, over
// the link in use; then each written field is read back and its row marked verified or not. The
// poll stops meanwhile and comes back as it was while the link stands; the settings controls are
// locked meanwhile.
void runRestore(Form1& form, RestorePlan& plan, RestoreProgress& progress);

}  // namespace qx
