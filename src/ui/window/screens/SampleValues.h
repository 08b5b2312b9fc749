#pragma once

namespace qx {
class Controls;
}

namespace qx::screens {

// Puts the window in the state it has after a serial read of a typical controller: plausible
// values in every field, lamps lit, the settings controls unlocked.
void fillSampleValues(Controls& controls);

}  // namespace qx::screens
