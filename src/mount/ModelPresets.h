#pragma once

namespace qx {

class Form1;

// A model chosen in Combo2: the gear table and MaxRate of the model (or, for "USER", the gear
// table and directions of the user preset), the model's direction buttons, then the controller
// model write.
void applyModelPreset(Form1& form);

}  // namespace qx
