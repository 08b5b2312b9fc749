#include "ui/Controls.h"

namespace qx {

Controls::Controls(const std::vector<ControlDesign>& layout, QObject* parent) : QObject(parent) {
    for (const ControlDesign& design : layout) {
        State s;
        s.design = design;
        s.text = design.text;
        s.enabled = design.enabled;
        s.visible = design.visible;
        s.checked = design.checked;
        s.backColor = design.backColor;
        if (!states_.contains(design.name)) order_.append(design.name);
        states_.insert(design.name, s);
    }
}

const Controls::State* Controls::state(const QString& name) const {
    auto it = states_.constFind(name);
    return it == states_.constEnd() ? nullptr : &it.value();
}

Controls::State* Controls::find(const QString& name) {
    auto it = states_.find(name);
    return it == states_.end() ? nullptr : &it.value();
}

QString Controls::text(const QString& name) const {
    const State* s = state(name);
    return s ? s->text : QString();
}

bool Controls::enabled(const QString& name) const {
    const State* s = state(name);
    return s && s->enabled;
}

bool Controls::visible(const QString& name) const {
    const State* s = state(name);
    return s && s->visible;
}

bool Controls::checked(const QString& name) const {
    const State* s = state(name);
    return s && s->checked;
}

quint32 Controls::backColor(const QString& name) const {
    const State* s = state(name);
    return s ? s->backColor : 0;
}

QStringList Controls::items(const QString& name) const {
    const State* s = state(name);
    return s ? s->design.items : QStringList();
}

QString Controls::mark(const QString& name) const {
    const State* s = state(name);
    return s ? s->mark : QString();
}

bool Controls::setText(const QString& name, const QString& text) {
    State* s = find(name);
    if (!s) return false;
    if (s->text != text) {
        s->text = text;
        s->mark.clear();
        Q_EMIT changed(name);
    }
    return true;
}

bool Controls::setMark(const QString& name, const QString& reason) {
    State* s = find(name);
    if (!s) return false;
    if (s->mark != reason) {
        s->mark = reason;
        Q_EMIT changed(name);
    }
    return true;
}

bool Controls::setEnabled(const QString& name, bool enabled) {
    State* s = find(name);
    if (!s) return false;
    if (s->enabled != enabled) {
        s->enabled = enabled;
        Q_EMIT changed(name);
    }
    return true;
}

bool Controls::setVisible(const QString& name, bool visible) {
    State* s = find(name);
    if (!s) return false;
    if (s->visible != visible) {
        s->visible = visible;
        Q_EMIT changed(name);
    }
    return true;
}

bool Controls::setChecked(const QString& name, bool checked) {
    State* s = find(name);
    if (!s) return false;
    if (checked && !s->design.group.isEmpty()) {
        for (const QString& other : order_) {
            State& o = states_[other];
            if (other != name && o.design.group == s->design.group && o.checked) {
                o.checked = false;
                Q_EMIT changed(other);
            }
        }
    }
    if (s->checked != checked) {
        s->checked = checked;
        Q_EMIT changed(name);
    }
    return true;
}

bool Controls::setBackColor(const QString& name, quint32 color) {
    State* s = find(name);
    if (!s) return false;
    if (s->backColor != color) {
        s->backColor = color;
        Q_EMIT changed(name);
    }
    return true;
}

}  // namespace qx
