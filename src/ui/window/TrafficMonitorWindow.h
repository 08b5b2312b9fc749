#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class QTableView;

namespace qx {

class Form1;
class TrafficLog;

// "通信ログ": every command sent, every reply received with the QueryIndex it was parsed under and
// the controls it went to, the text the framing dropped and the links' connects and closes, one
// row per event, newest at the bottom. The table follows the newest row unless the operator has
// scrolled up. While the window is open its log is Form1's traffic observer; closing the window
// deletes it, and the links go back to recording nothing.
class TrafficMonitorWindow : public QWidget {
    Q_OBJECT
public:
    explicit TrafficMonitorWindow(Form1& form, QWidget* parent = nullptr);
    ~TrafficMonitorWindow() override;

    TrafficLog& log() const { return *log_; }
    QTableView* table() const { return table_; }

    void copySelectedRows();
    void saveRows();
    void clearRows();
    void setPaused(bool paused);

private:
    QWidget* createButtons();
    void watchTheEnd();

    Form1& form_;
    TrafficLog* log_ = nullptr;
    QTableView* table_ = nullptr;
    QPushButton* pause_ = nullptr;
    QLabel* status_ = nullptr;
    bool followingEnd_ = true;
};

}  // namespace qx
