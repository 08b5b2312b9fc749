#pragma once

namespace qx {

class Form1;
class LinkSend;

// "工場出荷時設定": after a confirmation, the controller returns to its factory settings, both
// axes are read back, it restarts, and the window ends disconnected.
void factoryReset(Form1& form, const LinkSend& send);

// "再起動": after a confirmation, the controller restarts and the window ends disconnected.
void restartController(Form1& form, const LinkSend& send);

// The question whether the controller should restart: true for OK.
bool restartConfirmed(Form1& form);

// The motor gear fields that only a new read fills again after the controller changed them.
void emptyGearFields(Form1& form);

}  // namespace qx
