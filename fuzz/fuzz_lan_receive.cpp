// The LAN receive: each chunk one arrival, framed at "#" (one reply per arrival), the rest offered
// to the composite axis parse under indexes 53 and 55, replies parsed under every query index.

#include "FuzzSupport.h"
#include "link/LanLink.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    qx::test::TestRig& rig = qx::fuzz::freshRig();
    rig.tcp.connectToHost(QStringLiteral("127.0.0.1"), qx::FrmTerm::kControllerPort);
    rig.clock.advance(rig.tcp.connectDelayMs);
    for (const qx::fuzz::ReceiveStep& step : qx::fuzz::receiveSteps(data, size)) {
        rig.clock.advance(step.pauseMs);
        if (step.queryIndex) qx::QueryIndex = *step.queryIndex;
        rig.tcp.deliver(step.bytes);
    }
    qx::fuzz::observe(rig.controls());
    qx::fuzz::observe(rig.form->frmTerm().rxBuffer());
    return 0;
}
