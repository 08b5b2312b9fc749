#include "ui/window/EventHooks.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFocusEvent>

#include "ui/window/ClickableLabel.h"
#include "ui/window/PictureWidget.h"

namespace qx {

namespace {

// Watches the events of one widget and runs an action for those that match; the widget still
// gets every event.
class EventWatcher : public QObject {
public:
    EventWatcher(QWidget* target, std::function<bool(const QEvent&)> matches,
                 std::function<void()> action)
        : QObject(target), matches_(std::move(matches)), action_(std::move(action)) {
        target->installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override {
        if (matches_(*event)) action_();
        return false;
    }

private:
    std::function<bool(const QEvent&)> matches_;
    std::function<void()> action_;
};

// Opening the drop-down list or switching to another application is not leaving the control.
bool isFocusLoss(const QEvent& event) {
    if (event.type() != QEvent::FocusOut) return false;
    const Qt::FocusReason reason = static_cast<const QFocusEvent&>(event).reason();
    return reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason;
}

bool isKeyDown(const QEvent& event) {
    return event.type() == QEvent::KeyPress;
}

bool hookClick(QWidget* widget, const std::function<void()>& action) {
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        QObject::connect(button, &QAbstractButton::clicked, widget, action);
    else if (auto* label = qobject_cast<ClickableLabel*>(widget))
        QObject::connect(label, &ClickableLabel::clicked, widget, action);
    else if (auto* picture = qobject_cast<PictureWidget*>(widget))
        QObject::connect(picture, &PictureWidget::clicked, widget, action);
    else
        return false;
    return true;
}

bool hookSelect(QWidget* widget, const std::function<void()>& action) {
    auto* combo = qobject_cast<QComboBox*>(widget);
    if (!combo) return false;
    QObject::connect(combo, &QComboBox::activated, widget, action);
    return true;
}

}  // namespace

bool hookEvent(QWidget* widget, ControlEvent event, std::function<void()> action) {
    if (!widget) return false;
    switch (event) {
        case ControlEvent::Click:
            return hookClick(widget, action);
        case ControlEvent::Select:
            return hookSelect(widget, action);
        case ControlEvent::LostFocus:
            new EventWatcher(widget, isFocusLoss, std::move(action));
            return true;
        case ControlEvent::KeyDown:
            new EventWatcher(widget, isKeyDown, std::move(action));
            return true;
    }
    return false;
}

}  // namespace qx
