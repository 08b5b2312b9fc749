#pragma once

namespace qx {

class Controls;
class Form1;

// A family option Option1(index): families 0, 1, 2 and 4 fill MaxRate, coefficient, the four
// microstep selectors, the gear table and the direction lamps; they send nothing. Family 3
// ("その他") loads the user preset, but only until the gear table is first edited by hand.
void applyFamilyPreset(Form1& form, int index);

// "その他" is the chosen family: the table is the user's own.
bool otherFamilyChosen(const Controls& controls);

// The edited-by-hand rule: a key pressed in a gear field, or a microstep chosen for normal running
// (copied into the microstep field of its axis, leading blank and all), makes the table the
// user's own: GearFieldsEdited is set and "その他" chosen.
void gearFieldKeyDown(Form1& form);
void raMicrostepChosen(Form1& form);   // Combo4 into Text3
void decMicrostepChosen(Form1& form);  // Combo6 into Text7

}  // namespace qx
