#pragma once

#include <QWidget>

#include "write/SettingsRestore.h"

class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;

namespace qx {

class Form1;

// "設定復元": a backup beside the window. One row per setting: the value in the window, the value
// in the file, a tick (set where they differ and the row can be written) and what became of it.
// Passwords are masked unless "パスワードを表示" is ticked; "違いのある項目だけ表示" hides the rows
// where file and window agree. "書き込み" runs the restore with its progress below the table;
// "中止" stops it between two rows. The window cannot be closed while the restore runs: closing
// asks it to stop, and the window closes once it has.
class SettingsRestoreWindow : public QWidget, public RestoreProgress {
    Q_OBJECT
public:
    enum Column { Setting, InWindow, InFile, Write, Result, ColumnCount };

    SettingsRestoreWindow(Form1& form, RestorePlan plan, QWidget* parent = nullptr);

    bool running() const { return running_; }
    const RestorePlan& plan() const { return plan_; }
    QTableWidget* table() const { return table_; }
    void showOnlyDifferences(bool only);

    // The restore's progress, shown as it runs.
    void stepReached(int step, int steps) override;
    void rowChanged(int row) override;
    bool cancelRequested() override { return cancelRequested_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildTable();
    void showRow(int row);
    void showValues();
    void tickChanged(QTableWidgetItem* item);
    void runRestore();
    void showRunning();

    Form1& form_;
    RestorePlan plan_;
    QLabel* header_ = nullptr;
    QTableWidget* table_ = nullptr;
    QCheckBox* showPasswords_ = nullptr;
    QCheckBox* onlyDifferences_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QPushButton* write_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QPushButton* close_ = nullptr;
    bool running_ = false;
    bool cancelRequested_ = false;
    bool closeWhenDone_ = false;
};

}  // namespace qx
