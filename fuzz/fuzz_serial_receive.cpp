// The serial receive: chunks joined into bursts by their gaps, bursts framed at "#", replies
// parsed under every query index, the index changing between chunks as a sequence changes it.

#include "FuzzSupport.h"
#include "link/SerialLink.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    qx::test::TestRig& rig = qx::fuzz::freshRig();
    rig.serial.open();
    for (const qx::fuzz::ReceiveStep& step : qx::fuzz::receiveSteps(data, size)) {
        rig.clock.advance(step.pauseMs);
        if (step.queryIndex) qx::QueryIndex = *step.queryIndex;
        rig.serial.deliver(step.bytes);
    }
    rig.clock.advance(1000);  // the last burst ends and is framed
    qx::fuzz::observe(rig.controls());
    qx::fuzz::observe(rig.form->comm().rxBuffer());
    return 0;
}
