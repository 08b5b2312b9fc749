#include "ui/window/Form1Events.h"

#include <span>

#include "mount/FamilyPresets.h"
#include "mount/GearCalculation.h"
#include "mount/GearTable.h"
#include "mount/ModelPresets.h"
#include "mount/ModelWrite.h"
#include "operations/MountMode.h"
#include "operations/OneShotButtons.h"
#include "operations/ParkAndHome.h"
#include "operations/SpeedPercentage.h"
#include "operations/TimeAndSite.h"
#include "operations/WirelessMode.h"
#include "shell/Form1.h"
#include "shell/Utilities.h"
#include "shell/WebPage.h"
#include "ui/Controls.h"
#include "write/GearWrite.h"
#include "write/SettingsBackup.h"

namespace qx {

namespace {

using On = ControlEvent;

// A control whose event runs a handler of Form1, or a handler of a subsystem that takes the form.
EventRoute on(const char* control, On event, void (Form1::*handler)()) {
    return {QLatin1String(control), event, [handler](Form1& form) { (form.*handler)(); }};
}
EventRoute on(const char* control, On event, void (*handler)(Form1&)) {
    return {QLatin1String(control), event, handler};
}

// The elements first..last of a control array, each handing its own index to the handler.
void addArray(std::vector<EventRoute>& routes, const char* array, int first, int last, On event,
              void (Form1::*handler)(int)) {
    for (int i = first; i <= last; ++i)
        routes.push_back(
            {element(array, i), event, [handler, i](Form1& form) { (form.*handler)(i); }});
}
void addArray(std::vector<EventRoute>& routes, const char* array, int first, int last, On event,
              void (*handler)(Form1&, int)) {
    for (int i = first; i <= last; ++i)
        routes.push_back(
            {element(array, i), event, [handler, i](Form1& form) { handler(form, i); }});
}

// Each row of a button table: a click on the row's control runs the handler with that row.
template <typename Row>
void addTable(std::vector<EventRoute>& routes, std::span<const Row> rows,
              void (*handler)(Form1&, const Row&)) {
    for (const Row& row : rows)
        routes.push_back({QLatin1String(row.control), On::Click,
                          [handler, &row](Form1& form) { handler(form, row); }});
}

}  // namespace

std::vector<EventRoute> form1EventRoutes() {
    std::vector<EventRoute> routes = {
        // Connection and link choice.
        on("Command11", On::Click, &Form1::Command11_Click),
        on("Command12", On::Click, &Form1::Command12_Click),
        on("Option7", On::Click, &Form1::Option7_Click),
        on("Option8", On::Click, &Form1::Option8_Click),
        on("Combo1", On::LostFocus, &Form1::Combo1_LostFocus),
        on("Command60", On::Click, &Form1::Command60_Click),
        on("Command61", On::Click, &Form1::Command61_Click),
        // Utilities.
        on("Command70", On::Click, &openControllerWebPage),
        on("Command39", On::Click, &openDeviceList),
        // Time and site.
        on("Command34", On::Click, &Form1::Command34_Click),
        on("Command37", On::Click, &reacquireGps),
        on("Command59", On::Click, &releasePark),
        on("Command29", On::Click, &setHomeToPolarNorth),
        // Motor gear: "書き込み" writes both axes.
        on("Command52", On::Click, &writeMotorGear),
        // Mount model and gear.
        on("Command44", On::Click, &calculateGearFromButton),
        on("Image1", On::Click, &calculateGearFromPanel),
        on("Command38", On::Click, &hideManualCalculation),
        on("Command19", On::Click, &writeControllerModel),
        on("Combo2", On::Select, &applyModelPreset),
        on("Combo4", On::Select, &raMicrostepChosen),
        on("Combo6", On::Select, &decMicrostepChosen),
        // "設定保存…"; its twin "設定復元…" opens a window of its own (Form1Window).
        on(kBackupButton, On::Click, &saveSettingsBackup),
    };
    // Caption buttons: a click re-reads the field behind the caption.
    addArray(routes, "Command5", 0, 19, On::Click, &Form1::Command5_Click);
    // SET buttons: each writes the field beside it; 27 and 28 reset and restart the controller.
    addArray(routes, "Command6", 0, 28, On::Click, &Form1::Command6_Click);
    // Mount families; any key in a gear field makes the table the user's own.
    addArray(routes, "Option1", 0, 4, On::Click, &applyFamilyPreset);
    for (const char* field : kGearFields)
        routes.push_back(on(field, On::KeyDown, &gearFieldKeyDown));
    // Direct operations: fixed commands and short timed sequences.
    addTable(routes, oneShotButtons(), &pressOneShotButton);
    addTable(routes, confirmedOperations(), &runConfirmedOperation);
    addTable(routes, mountModeButtons(), &setMountMode);
    addTable(routes, wirelessModeButtons(), &setWirelessMode);
    addArray(routes, "Command48", 0, 16, On::Click, &setSpeedPercentage);
    addArray(routes, "Label1", 0, 6, On::Click, &showFineTrimPanel);
    return routes;
}

}  // namespace qx
