#include "ui/window/Form1Window.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QShortcut>
#include <QTimer>

#include "shell/Form1.h"
#include "ui/layout/Form1Layout.h"
#include "ui/window/ControlBinding.h"
#include "ui/window/ControlWidgets.h"
#include "ui/window/Form1Events.h"
#include "ui/window/SequenceProgressBar.h"
#include "ui/window/SettingsRestoreWindow.h"
#include "ui/window/TrafficMonitorWindow.h"

namespace qx {

namespace {

// The layout's sizes are measured for a 12-pixel font; the IPA Gothic face shows the Japanese
// captions where the system has it.
QFont windowFont(QFont font) {
    const QStringList families = QFontDatabase::families();
    for (const char* preferred : {"IPAGothic", "IPAPGothic"}) {
        if (families.contains(QLatin1String(preferred))) {
            font.setFamily(QLatin1String(preferred));
            break;
        }
    }
    font.setPixelSize(12);
    return font;
}

}  // namespace

Form1Window::Form1Window(Form1& form, QWidget* parent)
    : QWidget(parent), form_(form), sequenceProgress_(new SequenceProgressBar(this)) {
    setWindowTitle(QString::fromUtf8(kForm1Title));
    setFixedSize(kForm1Width, kForm1Height);
    setFont(windowFont(font()));
    createWidgets();
    // The binding connects first, so that a handler finds the operator's edit in the model.
    new ControlBinding(form_.controls(), widgets_, this);
    wireEvents();
    sequenceProgress_->setGeometry(kSequenceProgressPlace);
    form_.setSequenceProgress(sequenceProgress_);
}

Form1Window::~Form1Window() {
    form_.setSequenceProgress(nullptr);
}

void Form1Window::createWidgets() {
    const Controls& controls = form_.controls();
    for (const QString& name : controls.names()) {
        const ControlDesign& design = controls.state(name)->design;
        QWidget* parent = design.parent.isEmpty() ? this : widgets_.value(design.parent, this);
        widgets_.insert(name, createControlWidget(design, parent));
    }
}

void Form1Window::wireEvents() {
    for (const EventRoute& route : form1EventRoutes()) {
        Form1& form = form_;
        if (!connectEvent(route.control, route.event, [&form, route] { route.run(form); }))
            qWarning("Form1Window: no event for %s", qPrintable(route.control));
    }
    connectEvent(QLatin1String(kRestoreButton), ControlEvent::Click,
                 [this] { openSettingsRestore(); });
    connectEvent(QLatin1String(kTrafficMonitorButton), ControlEvent::Click,
                 [this] { openTrafficMonitor(); });
    new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_L), this, [this] { openTrafficMonitor(); });
}

// "設定復元…": a backup chosen in the file dialog, shown beside the window. One restore runs at
// a time; while it runs the button brings its window to the front.
void Form1Window::openSettingsRestore() {
    if (restoreWindow_ && restoreWindow_->running()) {
        restoreWindow_->raise();
        restoreWindow_->activateWindow();
        return;
    }
    std::optional<RestorePlan> plan = chooseRestoreFile(form_);
    if (!plan) return;
    if (restoreWindow_) restoreWindow_->close();
    restoreWindow_ = new SettingsRestoreWindow(form_, std::move(*plan), this);
    restoreWindow_->show();
}

// "通信ログ" (or Ctrl+L): the traffic monitor beside the window; one at a time, brought to the
// front when it is open already. It records from the moment it opens.
void Form1Window::openTrafficMonitor() {
    if (!trafficMonitor_) {
        trafficMonitor_ = new TrafficMonitorWindow(form_, this);
        trafficMonitor_->show();
    }
    trafficMonitor_->raise();
    trafficMonitor_->activateWindow();
}

bool Form1Window::connectEvent(const QString& control, ControlEvent event,
                               std::function<void()> action) {
    return hookEvent(widgets_.value(control), event, std::move(action));
}

void Form1Window::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (activationQueued_) return;
    activationQueued_ = true;
    // Queued, so that the activation steps (and their waits) run once the window is up.
    QTimer::singleShot(0, this, [this] { form_.Form_Activate(); });
}

void Form1Window::closeEvent(QCloseEvent* event) {
    form_.Form_Unload();
    event->accept();
}

}  // namespace qx
