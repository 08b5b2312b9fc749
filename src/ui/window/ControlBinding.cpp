#include "ui/window/ControlBinding.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabWidget>

#include "ui/Controls.h"
#include "ui/window/LampWidget.h"

namespace qx {

namespace {

QTabWidget* tabWidgetOf(QWidget* page) {
    for (QWidget* w = page->parentWidget(); w; w = w->parentWidget())
        if (auto* tabs = qobject_cast<QTabWidget*>(w)) return tabs;
    return nullptr;
}

void showPage(const Controls::State& state, QWidget* page) {
    QTabWidget* tabs = tabWidgetOf(page);
    const int index = tabs ? tabs->indexOf(page) : -1;
    if (index < 0) return;
    tabs->setTabText(index, state.text);
    tabs->setTabEnabled(index, state.enabled);
    tabs->setTabVisible(index, state.visible);
}

void showComboText(QComboBox* combo, const QString& text) {
    if (combo->currentText() == text) return;
    combo->setCurrentIndex(combo->findText(text));  // -1 for a text that is not in the list
    combo->setEditText(text);
}

void showLineText(QLineEdit* edit, const QString& text) {
    if (edit->text() != text) edit->setText(text);  // an unchanged text keeps the cursor
}

// Text, check mark and colour, as the kind of control has them.
void showContent(const Controls::State& state, QWidget* widget) {
    switch (state.design.kind) {
        case ControlKind::Button:
            qobject_cast<QPushButton*>(widget)->setText(state.text);
            break;
        case ControlKind::TextBox:
            showLineText(qobject_cast<QLineEdit*>(widget), state.text);
            break;
        case ControlKind::ComboBox:
            showComboText(qobject_cast<QComboBox*>(widget), state.text);
            break;
        case ControlKind::OptionButton: {
            auto* option = qobject_cast<QRadioButton*>(widget);
            option->setText(state.text);
            option->setChecked(state.checked);
            break;
        }
        case ControlKind::Shape:
            qobject_cast<LampWidget*>(widget)->setBackColor(state.backColor);
            break;
        case ControlKind::Label:
            qobject_cast<QLabel*>(widget)->setText(state.text);
            break;
        case ControlKind::Frame:
            qobject_cast<QGroupBox*>(widget)->setTitle(state.text);
            break;
        case ControlKind::TabControl:
        case ControlKind::Page:
        case ControlKind::Panel:
        case ControlKind::Image:
            break;
    }
}

// A refused value: a red frame around the control and the reason as its tooltip.
void showMark(const Controls::State& state, QWidget* widget) {
    if (widget->toolTip() == state.mark) return;  // restyling on every change would be costly
    widget->setToolTip(state.mark);
    widget->setStyleSheet(state.mark.isEmpty()
                              ? QString()
                              : QStringLiteral("%1 { border: 2px solid #d00000; }")
                                    .arg(QLatin1String(widget->metaObject()->className())));
}

}  // namespace

ControlBinding::ControlBinding(Controls& controls, const QHash<QString, QWidget*>& widgets,
                               QObject* parent)
    : QObject(parent), controls_(controls), widgets_(widgets) {
    for (auto it = widgets_.cbegin(); it != widgets_.cend(); ++it)
        listenToOperator(it.key(), it.value());
    connect(&controls_, &Controls::changed, this, &ControlBinding::show);
    showAll();
}

void ControlBinding::showAll() {
    for (const QString& name : controls_.names()) show(name);
}

void ControlBinding::show(const QString& name) {
    const Controls::State* state = controls_.state(name);
    QWidget* widget = widgets_.value(name);
    if (!state || !widget) return;
    if (state->design.kind == ControlKind::Page) {
        showPage(*state, widget);
        return;
    }
    const QSignalBlocker blocker(widget);
    showContent(*state, widget);
    showMark(*state, widget);
    widget->setEnabled(state->enabled);
    widget->setHidden(!state->visible);
}

void ControlBinding::listenToOperator(const QString& name, QWidget* widget) {
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        connect(edit, &QLineEdit::textEdited, this,
                [this, name](const QString& text) { controls_.setText(name, text); });
    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        connect(combo, &QComboBox::currentTextChanged, this,
                [this, name](const QString& text) { controls_.setText(name, text); });
    } else if (auto* option = qobject_cast<QRadioButton*>(widget)) {
        // A click always selects, as on the original window; showing the model afterwards undoes
        // the unchecking a click on a selected button would do.
        connect(option, &QRadioButton::clicked, this, [this, name] {
            controls_.setChecked(name, true);
            show(name);
        });
    }
}

}  // namespace qx
