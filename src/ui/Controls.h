#pragma once

#include <QHash>
#include <QObject>
#include <QRect>
#include <QString>
#include <QStringList>
#include <vector>

namespace qx {

// Lamp colours, written in blue-green-red order as the window's colour values are.
inline constexpr quint32 kLampLit = 0x0080FF;      // orange: the state in force
inline constexpr quint32 kLampUnlit = 0x808000;    // teal: the other state
inline constexpr quint32 kLampNotRead = 0x008000;  // green: not read yet

enum class ControlKind {
    TabControl,    // SSTab1
    Page,          // one page of the tab control (its container Picture2(i))
    Panel,         // picture boxes used as containers (Picture1, Picture6 ...)
    Frame,         // captioned group box (Frame1)
    Button,        // text = caption
    TextBox,       // text = contents
    ComboBox,      // text = edit text, items = list
    OptionButton,  // text = caption, checked, group
    Shape,         // backColor
    Label,         // text = caption
    Image          // a picture (Image1, Image3)
};

// One control of the window as designed: what the layout places and what the logic starts from.
struct ControlDesign {
    QString name;  // "Command11", or "Text1(5)" for element 5 of the array Text1
    ControlKind kind = ControlKind::Label;
    QString parent;  // name of the container; empty for the window itself
    QRect geometry;  // pixels, relative to the parent
    QString text;    // design caption or text
    QStringList items;
    bool visible = true;
    bool enabled = true;
    quint32 backColor = 0;
    bool checked = false;
    QString group;  // option buttons of one group exclude each other
};

// "Text1" and 5 give "Text1(5)": the name under which an element of a control array is known.
inline QString element(const char* array, int index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(index);
}

// The state of every control of the window. The handlers read and write controls only through
// this model; the widget layer mirrors it both ways. Setting a control that does not exist
// returns false (the caller treats that as a failed step).
class Controls : public QObject {
    Q_OBJECT
public:
    struct State {
        ControlDesign design;  // kind, parent, geometry and design values
        QString text;
        bool enabled = true;
        bool visible = true;
        bool checked = false;
        quint32 backColor = 0;
        QString mark;  // why the value cannot be used; shown on the control until its text changes
    };

    explicit Controls(const std::vector<ControlDesign>& layout, QObject* parent = nullptr);

    bool exists(const QString& name) const { return states_.contains(name); }
    const State* state(const QString& name) const;
    QStringList names() const { return order_; }  // in layout order

    QString text(const QString& name) const;
    bool enabled(const QString& name) const;
    bool visible(const QString& name) const;
    bool checked(const QString& name) const;
    quint32 backColor(const QString& name) const;
    QStringList items(const QString& name) const;
    QString mark(const QString& name) const;

    bool setText(const QString& name, const QString& text);
    bool setEnabled(const QString& name, bool enabled);
    bool setVisible(const QString& name, bool visible);
    // Checking an option button unchecks the others of its group.
    bool setChecked(const QString& name, bool checked);
    bool setBackColor(const QString& name, quint32 color);
    // Marks a control whose value was refused, with the reason for the operator (a red frame and
    // a tooltip in the window); an empty reason removes the mark. Any change of the control's text
    // removes it too: the refused value is gone.
    bool setMark(const QString& name, const QString& reason);

Q_SIGNALS:
    void changed(const QString& name);

private:
    State* find(const QString& name);

    QHash<QString, State> states_;
    QStringList order_;
};

}  // namespace qx
