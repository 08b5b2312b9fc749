#pragma once

#include <QHash>
#include <QObject>
#include <QString>

class QWidget;

namespace qx {

class Controls;

// Keeps the widgets and the control model in step, both ways. A change in the model (text,
// enabled, visible, checked, colour) is shown on the control's widget with the widget's signals
// blocked, so it never comes back as an edit. An operator's edit (typing in a text box, typing or
// choosing in a combo box, clicking an option button) is written to the model at once, before any
// event handler connected after the binding runs.
class ControlBinding : public QObject {
    Q_OBJECT
public:
    ControlBinding(Controls& controls, const QHash<QString, QWidget*>& widgets,
                   QObject* parent = nullptr);

    // Shows the current state of every control.
    void showAll();

private:
    void show(const QString& name);
    void listenToOperator(const QString& name, QWidget* widget);

    Controls& controls_;
    QHash<QString, QWidget*> widgets_;
};

}  // namespace qx
