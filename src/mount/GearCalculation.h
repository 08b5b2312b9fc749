#pragma once

namespace qx {

class Controls;
class Form1;

// The calculation over the gear table's fields: Text1(1) and Text1(2) emptied, then each step
// written before the next reads. A step that cannot be computed stops the calculation there; the
// results written before it stay, and the inputs that made it fail are marked with the reason
// (empty or zero), so the operator sees what is missing without a box. Returns false when it
// stopped.
bool calculateGear(Controls& controls);

// "計算" and a click on the calculation panel: an empty coefficient Text1(22) gets its default
// first ("200" from the button, "400" from the panel), then the calculation.
void calculateGearFromButton(Form1& form);
void calculateGearFromPanel(Form1& form);

// "手動計算" only hides itself.
void hideManualCalculation(Form1& form);

// Keeps Text12 showing the slew speed Text1(49) as a multiple of the sidereal rate: on every
// change of a Text1 element while Text1(49) is not empty. A speed it cannot convert leaves
// Text12 as it was.
void followSlewSpeed(Controls& controls);

}  // namespace qx
