#include "link/LinkSend.h"

#include "link/LanLink.h"
#include "link/SerialLink.h"
#include "shell/Form1.h"

namespace qx {

LinkSend LinkSend::chosen(Form1& form) {
    return LinkSend(form, form.serialChosen());
}

LinkSend LinkSend::forClick(Form1& form) {
    LinkSend link = chosen(form);
    link.connect();
    return link;
}

bool LinkSend::ready() const {
    return serial_ ? form_->comm().portOpen() : form_->frmTerm().connected();
}

void LinkSend::connect() const {
    if (!serial_) form_->frmTerm().NETconnect1();
}

void LinkSend::operator()(const QString& command) const {
    if (serial_)
        form_->comm().send(command);
    else
        form_->frmTerm().NET_TX(command);
}

}  // namespace qx
