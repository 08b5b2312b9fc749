#pragma once

#include <QHash>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>

#include "ui/window/EventHooks.h"

namespace qx {

class Form1;
class SequenceProgressBar;
class SettingsRestoreWindow;
class TrafficMonitorWindow;

inline const char* const kTrafficMonitorButton = "Command82";  // "通信ログ"

// The main window: one widget per control of the layout, kept in step with Form1's control model
// and wired to Form1's handlers. Form_Load is the caller's business (before show); the first show
// queues Form_Activate, and closing the window runs Form_Unload.
class Form1Window : public QWidget {
    Q_OBJECT
public:
    explicit Form1Window(Form1& form, QWidget* parent = nullptr);
    ~Form1Window() override;

    // The widget of a control ("Text1(5)", "Command6(11)"), or null.
    QWidget* control(const QString& name) const { return widgets_.value(name); }

    // Runs action on an event of a control, after the window's own handling of that event.
    // Returns false for a control that does not exist or has no such event.
    bool connectEvent(const QString& control, ControlEvent event, std::function<void()> action);

    // The progress of the long sequence that runs, shown only while one does.
    SequenceProgressBar& sequenceProgress() { return *sequenceProgress_; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createWidgets();
    void wireEvents();
    void openSettingsRestore();
    void openTrafficMonitor();

    Form1& form_;
    QHash<QString, QWidget*> widgets_;
    bool activationQueued_ = false;
    QPointer<SettingsRestoreWindow> restoreWindow_;
    SequenceProgressBar* sequenceProgress_;
    QPointer<TrafficMonitorWindow> trafficMonitor_;
};

}  // namespace qx
