#include "ui/window/ControlWidgets.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include "ui/window/ClickableLabel.h"
#include "ui/window/LampWidget.h"
#include "ui/window/PictureWidget.h"

namespace qx {

namespace {

QWidget* createPage(const ControlDesign& design, QWidget* parent) {
    auto* page = new QWidget;
    if (auto* tabs = qobject_cast<QTabWidget*>(parent))
        tabs->addTab(page, design.text);
    else
        page->setParent(parent);
    return page;
}

QWidget* createPanel(QWidget* parent) {
    auto* panel = new QFrame(parent);
    panel->setFrameShape(QFrame::StyledPanel);
    return panel;
}

QWidget* createComboBox(const ControlDesign& design, QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);  // Enter keeps the list as designed
    combo->addItems(design.items);
    combo->setCurrentIndex(-1);
    return combo;
}

QWidget* createOptionButton(const ControlDesign& design, QWidget* parent) {
    auto* option = new QRadioButton(design.text, parent);
    option->setAutoExclusive(false);  // the model unchecks the others of the group
    return option;
}

QWidget* createLabel(const ControlDesign& design, QWidget* parent) {
    auto* label = new ClickableLabel(design.text, parent);
    label->setWordWrap(design.geometry.height() >= 30);  // room for two lines
    return label;
}

QWidget* createWidget(const ControlDesign& design, QWidget* parent) {
    switch (design.kind) {
        case ControlKind::TabControl:
            return new QTabWidget(parent);
        case ControlKind::Page:
            return createPage(design, parent);
        case ControlKind::Panel:
            return createPanel(parent);
        case ControlKind::Frame:
            return new QGroupBox(design.text, parent);
        case ControlKind::Button:
            return new QPushButton(design.text, parent);
        case ControlKind::TextBox:
            return new QLineEdit(design.text, parent);
        case ControlKind::ComboBox:
            return createComboBox(design, parent);
        case ControlKind::OptionButton:
            return createOptionButton(design, parent);
        case ControlKind::Shape:
            return new LampWidget(parent);
        case ControlKind::Label:
            return createLabel(design, parent);
        case ControlKind::Image:
            return new PictureWidget(parent);
    }
    return new QWidget(parent);
}

// The few controls that need to stand out.
void applyLook(const QString& name, QWidget* widget) {
    if (name == QLatin1String("Picture7")) {  // "書き込み中": seen at a glance while writing
        widget->setAutoFillBackground(true);
        QPalette palette = widget->palette();
        palette.setColor(QPalette::Window, QColor(255, 214, 102));
        widget->setPalette(palette);
    } else if (name == QLatin1String("Label3")) {
        auto* label = qobject_cast<QLabel*>(widget);
        QFont bold = label->font();
        bold.setBold(true);
        label->setFont(bold);
        label->setAlignment(Qt::AlignCenter);
    }
}

}  // namespace

QWidget* createControlWidget(const ControlDesign& design, QWidget* parent) {
    QWidget* widget = createWidget(design, parent);
    widget->setObjectName(design.name);
    widget->setAccessibleDescription(design.name);
    if (design.kind != ControlKind::Page) widget->setGeometry(design.geometry);
    applyLook(design.name, widget);
    return widget;
}

}  // namespace qx
