#include "ui/window/screens/SampleValues.h"

#include <QPair>

#include "ui/Controls.h"
#include "write/SettingsBackup.h"

namespace qx::screens {

namespace {

// Control name and the text it shows after the read.
const QPair<const char*, const char*> kTexts[] = {
    // Motor gear page: family "ビクセンSX2" and its computed results.
    {"Text1(0)", "150"},
    {"Text1(22)", "150"},
    {"Text2", "200"},
    {"Text3", "8"},
    {"Text4", "4"},
    {"Text5", "180"},
    {"Text6", "200"},
    {"Text7", "8"},
    {"Text8", "4"},
    {"Text9", "180"},
    {"Combo4", "8"},
    {"Combo5", "1"},
    {"Combo6", "8"},
    {"Combo7", "1"},
    {"Text1(1)", "800"},
    {"Text1(2)", "800"},
    {"Text1(3)", "6400"},
    {"Text1(4)", "6400"},
    {"Text10", "8.33333333333333"},
    {"Text11", "1999"},
    {"Text1(8)", "020"},
    {"Text1(9)", "015"},
    {"Combo8", "3"},
    {"Combo9", "3"},
    {"Text1(49)", "2.5"},
    {"Text12", " 598"},
    {"Text1(100)", "1"},
    {"Text1(101)", "16"},
    {"Text1(102)", "0"},
    {"Text1(103)", "16"},
    // Date, time and site.
    {"Label4", "現在時間JST：   2024/3/5 9:7:5.42"},
    {"Label5", "世界時刻 UT：　2024/3/5 0:7:5.42"},
    {"Label6", "時差 :   9 時間"},
    {"Text1(5)", "+139*45"},
    {"Text1(6)", "+35*40"},
    {"Text1(7)", "+09"},
    {"Text1(14)", "03/05/24"},
    {"Text1(15)", "09:07:05"},
    // Limits and home position.
    {"Text1(10)", "15"},
    {"Text1(11)", "-5"},
    {"Text1(12)", "+85"},
    {"Text1(13)", "-10"},
    {"Text1(20)", "+90"},
    {"Text1(21)", "180"},
    // Wireless.
    {"Text1(55)", "192.168.4.1"},
    {"Combo3", "6"},
    {"Text1(23)", "QuorvelX-AP"},
    {"Text1(24)", "12345678"},
    {"Text1(40)", "HomeNetwork"},
    {"Text1(41)", "secret-key"},
    // Link.
    {"Combo1", "COM3"},
};

// Lamps lit by the read; the other lamp of each pair is unlit.
const char* const kLitLamps[] = {"Shape2",  "Shape4",  "Shape5",  "Shape7",
                                 "Shape10", "Shape11", "Shape13", "Shape17"};

}  // namespace

void fillSampleValues(Controls& controls) {
    for (const auto& [name, text] : kTexts) controls.setText(name, QString::fromUtf8(text));
    for (const char* lamp : kLitLamps) controls.setBackColor(lamp, kLampLit);
    controls.setVisible("Picture4", false);
    controls.setEnabled("Command11", false);
    controls.setEnabled("Command12", true);
    offerBackupAndRestore(controls, true);
}

}  // namespace qx::screens
