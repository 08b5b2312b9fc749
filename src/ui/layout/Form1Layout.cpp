#include "ui/layout/Form1Layout.h"

#include <utility>
#include <vector>

namespace qx {

namespace {

using Kind = ControlKind;

// Common sizes, in pixels. The window is laid out for a 12-pixel font.
constexpr int kButtonH = 24;
constexpr int kFieldH = 22;
constexpr int kLabelH = 18;
constexpr int kSetW = 48;
constexpr int kLampSize = 14;
constexpr int kHiddenY = 780;  // below the window's bottom edge: the field exists, nobody sees it

QStringList microsteps() {
    return {" 1", " 2", " 4", " 8", " 16", " 32", " 64", " 128"};
}
QStringList grades() {
    return {" 1", " 2", " 3", " 4", " 5"};
}

QStringList comPorts() {
    QStringList ports;
    for (int n = 1; n <= 19; ++n) ports << QStringLiteral("COM%1").arg(n);
    return ports;
}

QStringList channels() {
    QStringList list;
    for (int n = 1; n <= 9; ++n) list << QStringLiteral(" %1").arg(n);
    list << QStringLiteral("10");
    return list;
}

QString text1(int i) {
    return element("Text1", i);
}
QString captionButton(int i) {
    return element("Command5", i);
}
QString setButton(int i) {
    return element("Command6", i);
}
QString page(int i) {
    return element("Picture2", i);
}

// Appends controls in order, so that every container is listed before what it holds. Labels that
// no code addresses get running names (Label7, Label8 ...).
class LayoutBuilder {
public:
    ControlDesign& add(Kind kind, const QString& name, const QString& parent, QRect geometry,
                       const QString& text = {}) {
        ControlDesign design;
        design.name = name;
        design.kind = kind;
        design.parent = parent;
        design.geometry = geometry;
        design.text = text;
        if (kind == Kind::Shape) design.backColor = kLampUnlit;
        specs_.push_back(design);
        return specs_.back();
    }

    ControlDesign& panel(const QString& name, const QString& parent, QRect geometry) {
        return add(Kind::Panel, name, parent, geometry);
    }
    ControlDesign& button(const QString& name, const QString& parent, QRect geometry,
                          const QString& text) {
        return add(Kind::Button, name, parent, geometry, text);
    }
    ControlDesign& field(const QString& name, const QString& parent, QRect geometry,
                         const QString& text = {}) {
        return add(Kind::TextBox, name, parent, geometry, text);
    }
    ControlDesign& combo(const QString& name, const QString& parent, QRect geometry,
                         const QStringList& items, const QString& text = {}) {
        ControlDesign& design = add(Kind::ComboBox, name, parent, geometry, text);
        design.items = items;
        return design;
    }
    ControlDesign& option(const QString& name, const QString& parent, QRect geometry,
                          const QString& text, bool checked = false) {
        ControlDesign& design = add(Kind::OptionButton, name, parent, geometry, text);
        design.checked = checked;
        design.group = parent;  // option buttons exclude each other within their container
        return design;
    }
    ControlDesign& lamp(const QString& name, const QString& parent, QPoint at) {
        return add(Kind::Shape, name, parent, QRect(at, QSize(kLampSize, kLampSize)));
    }
    ControlDesign& label(const QString& name, const QString& parent, QRect geometry,
                         const QString& text) {
        return add(Kind::Label, name, parent, geometry, text);
    }
    // A label that no code addresses.
    ControlDesign& note(const QString& parent, QRect geometry, const QString& text) {
        return label(QStringLiteral("Label%1").arg(nextLabel_++), parent, geometry, text);
    }

    // A settings field: its caption button in front, the text box, its SET button behind.
    void fieldRow(const QString& parent, QPoint at, int captionW, int fieldW, int captionIndex,
                  const QString& caption, int fieldIndex, int setIndex = -1) {
        button(captionButton(captionIndex), parent, QRect(at.x(), at.y(), captionW, kButtonH),
               caption);
        const int fieldX = at.x() + captionW + 4;
        field(text1(fieldIndex), parent, QRect(fieldX, at.y() + 1, fieldW, kFieldH));
        if (setIndex >= 0)
            button(setButton(setIndex), parent, QRect(fieldX + fieldW + 4, at.y(), kSetW, kButtonH),
                   "SET");
    }

    // A selector: its label in front, the combo box, its SET button behind.
    void comboRow(const QString& parent, QPoint at, int labelW, const QString& labelText,
                  const QString& comboName, int comboW, const QStringList& items, int setIndex) {
        note(parent, QRect(at.x(), at.y() + 3, labelW, kLabelH), labelText);
        const int comboX = at.x() + labelW + 2;
        combo(comboName, parent, QRect(comboX, at.y(), comboW, kFieldH), items);
        button(setButton(setIndex), parent, QRect(comboX + comboW + 4, at.y() - 1, kSetW, kButtonH),
               "SET");
    }

    // A button with its lamp just behind it.
    void lampButton(const QString& parent, QRect geometry, const QString& name,
                    const QString& caption, const QString& lampName) {
        button(name, parent, geometry, caption);
        lamp(lampName, parent,
             QPoint(geometry.right() + 5, geometry.top() + (geometry.height() - kLampSize) / 2));
    }

    std::vector<ControlDesign> take() { return std::move(specs_); }

private:
    std::vector<ControlDesign> specs_;
    int nextLabel_ = 7;  // Label1 to Label6 are named controls
};

// A page of the tab control; the tab control gives it its place and size.
void addPage(LayoutBuilder& b, const QString& name, const QString& caption) {
    b.add(Kind::Page, name, "SSTab1", QRect(), caption);
}

// ---- above the tab control: link choice and connection ------------------------------------

void addLinkControls(LayoutBuilder& b) {
    const QString win;  // the window itself
    b.panel("Picture10", win, QRect(4, 2, 150, 56));
    b.option("Option7", "Picture10", QRect(8, 4, 136, 22), "シリアル接続", true);
    b.option("Option8", "Picture10", QRect(8, 28, 136, 22), "LAN接続");

    b.note(win, QRect(162, 9, 80, kLabelH), "Serial Port:");
    b.combo("Combo1", win, QRect(244, 6, 90, kFieldH), comPorts(), "COM10");
    b.button("Command39", win, QRect(338, 5, 150, kButtonH), "デバイスマネージャー");

    // The LAN set; the serial link is the designed choice, so it starts hidden.
    b.field("Text13", win, QRect(162, 33, 120, kFieldH), "192.168.1.1").visible = false;
    b.button("Command60", win, QRect(286, 32, 60, kButtonH), "ping").visible = false;
    b.button("Command70", win, QRect(350, 32, 60, kButtonH), "WEB").visible = false;

    // The serial and the LAN "接続" share one place; the link choice shows one of them.
    b.button("Command11", win, QRect(496, 5, 96, 50), "接続");
    b.button("Command61", win, QRect(496, 5, 96, 50), "接続").visible = false;
    b.button("Command12", win, QRect(598, 5, 96, 50), "切断");
    b.add(Kind::Image, "Image3", win, QRect(700, 5, 50, 50)).visible = false;

    // Legend of the lamp colours.
    b.lamp("Shape15", win, QPoint(756, 9)).backColor = kLampLit;
    b.note(win, QRect(774, 7, 48, kLabelH), "設定中");
    b.lamp("Shape16", win, QPoint(756, 35));
    b.note(win, QRect(774, 33, 48, kLabelH), "非設定");
}

// ---- page 0: motor gear --------------------------------------------------------------------

void addMountFamilies(LayoutBuilder& b) {
    const QString panel = "Picture3";
    b.panel(panel, "Picture1", QRect(4, 4, 434, 58));
    b.option(element("Option1", 0), panel, QRect(8, 6, 124, 22), "ビクセンSX2", true);
    b.option(element("Option1", 1), panel, QRect(136, 6, 116, 22), "ビクセンAP");
    b.option(element("Option1", 2), panel, QRect(256, 6, 150, 22), "タカハシNJP系");
    b.option(element("Option1", 3), panel, QRect(300, 30, 100, 22), "その他");
    b.option(element("Option1", 4), panel, QRect(8, 30, 280, 22),
             "ビクセンGP　スカイウォッチャーEQ5系");
}

void addGearTable(LayoutBuilder& b, const QString& parent) {
    const QString table = "Picture1";
    b.panel(table, parent, QRect(6, 4, 444, 336));
    addMountFamilies(b);

    const int columns[] = {38, 138, 238, 338};
    const QString headers[] = {"モーターステップ", "マイクロステップ", "中間減速数",
                               "赤道儀ｷﾞｱ歯数"};
    for (int c = 0; c < 4; ++c) b.note(table, QRect(columns[c], 68, 100, kLabelH), headers[c]);

    // Text2..Text5 hold the RA axis, Text6..Text9 the DEC axis; the motor steps start at 200.
    const struct {
        QString axis;
        int y;
        int firstField;
    } axes[] = {{"赤経", 88, 2}, {"赤緯", 114, 6}};
    for (const auto& axis : axes) {
        b.note(table, QRect(6, axis.y + 3, 30, kLabelH), axis.axis);
        for (int c = 0; c < 4; ++c)
            b.field(QStringLiteral("Text%1").arg(axis.firstField + c), table,
                    QRect(columns[c] + 4, axis.y, 92, kFieldH), c == 0 ? "200" : "");
    }

    b.note(table, QRect(6, 145, 30, kLabelH), "係数");
    b.field(text1(22), table, QRect(42, 142, 88, kFieldH));

    b.comboRow(table, QPoint(6, 170), 150, "赤経：標準時ステップ", "Combo4", 80, microsteps(), 21);
    b.comboRow(table, QPoint(6, 196), 150, "赤経：　導入時ステップ", "Combo5", 80, microsteps(),
               22);
    b.comboRow(table, QPoint(6, 222), 150, "赤緯：標準時ステップ", "Combo6", 80, microsteps(), 23);
    b.comboRow(table, QPoint(6, 248), 150, "赤緯：　導入時ステップ", "Combo7", 80, microsteps(),
               24);

    b.note(table, QRect(6, 281, 150, kLabelH), "Maximum slew rate (°/s)");
    b.field("Text10", table, QRect(158, 278, 130, kFieldH));
    b.note(table, QRect(6, 307, 150, kLabelH), "導入最高速（倍）");
    b.field("Text11", table, QRect(158, 304, 80, kFieldH));
    b.note(table, QRect(242, 307, 52, kLabelH), "対恒星時");
    b.note(table, QRect(296, 307, 16, kLabelH), "倍");
}

void addSlewSpeed(LayoutBuilder& b, const QString& parent) {
    b.note(parent, QRect(6, 351, 76, kLabelH), "導入スピード");
    b.field(text1(49), parent, QRect(84, 348, 70, kFieldH));
    b.note(parent, QRect(158, 351, 28, kLabelH), "°/S");
    b.field("Text12", parent, QRect(188, 348, 70, kFieldH));
    b.note(parent, QRect(262, 351, 100, kLabelH), "倍（対恒星時）");

    const char* const percentages[] = {"50%",  "55%",  "60%",  "65%",  "70%",  "75%",
                                       "80%",  "85%",  "90%",  "95%",  "100%", "150%",
                                       "200%", "250%", "300%", "350%", "400%"};
    for (int i = 0; i <= 16; ++i) {
        const int row = i < 9 ? 0 : 1;
        const int column = row == 0 ? i : i - 9;
        b.button(element("Command48", i), parent, QRect(6 + column * 47, 376 + row * 26, 45, 24),
                 percentages[i]);
    }
    b.note(parent, QRect(6, 430, 426, kLabelH), "（保存できるのは200%までで専用ファームのみ）");
}

void addBacklashAndAcceleration(LayoutBuilder& b, const QString& parent) {
    b.fieldRow(parent, QPoint(6, 456), 160, 80, 8, "バックラッシュ　赤経", 8, 9);
    b.fieldRow(parent, QPoint(6, 484), 160, 80, 9, "バックラッシュ　赤緯", 9, 10);

    b.comboRow(parent, QPoint(6, 516), 40, "加速時", "Combo8", 60, grades(), 25);
    b.comboRow(parent, QPoint(176, 516), 40, "減速時", "Combo9", 60, grades(), 26);
    b.note(parent, QRect(6, 544, 428, kLabelH),
           "加減速倍率　（赤経、赤緯共通）５段階　1:最高速加速 >>>>> 5:最低速加速");
}

void addCalculator(LayoutBuilder& b, const QString& parent) {
    b.note(parent, QRect(458, 4, 346, 32),
           "上記の表に数値を入力し計算パネルを選択すると下記のモーターギア設定が計算されます。");
    b.add(Kind::Image, "Image1", parent, QRect(458, 40, 100, 44));
    b.button("Command44", parent, QRect(566, 49, 64, 26), "計算");

    // The "書き込み中" panel, shown while a long write runs.
    b.panel("Picture7", parent, QRect(640, 44, 160, 36)).visible = false;
    b.label("Label3", "Picture7", QRect(0, 0, 160, 36), "書き込み中");

    b.note(
        parent, QRect(458, 90, 346, 32),
        "＝　赤道儀のウオーム歯車の歯数×中間ギア（ベルトプーリー）×モーターの１回転のステップ数／"
        "360");
    b.fieldRow(parent, QPoint(458, 128), 166, 90, 0, "MaxRate", 0, 0);
    b.fieldRow(parent, QPoint(458, 156), 166, 90, 3, "ステップ/ウォーム１回転", 3, 3);
    b.fieldRow(parent, QPoint(458, 184), 166, 90, 4, "赤緯ウォーム対ステップ", 4, 4);
    b.note(parent, QRect(458, 212, 346, 32),
           "MaxRate値を小さくすると導入スピードが上がります。（最小値25）");

    b.button("Command19", parent, QRect(458, 248, 150, 26), "コントローラ書込");
    b.note(parent, QRect(458, 278, 346, kLabelH),
           "計算が終わりましたらコントローラーに書き込みができます。");
}

void addDirectionButtons(LayoutBuilder& b, const QString& parent) {
    b.lampButton(parent, QRect(458, 302, 100, kButtonH), "Command1", "赤経方位+", "Shape1");
    b.lampButton(parent, QRect(588, 302, 100, kButtonH), "Command2", "赤経方位-", "Shape2");
    b.lampButton(parent, QRect(458, 330, 100, kButtonH), "Command3", "赤緯高度+", "Shape3");
    b.lampButton(parent, QRect(588, 330, 100, kButtonH), "Command4", "赤緯高度-", "Shape4");
}

// The motor-gear panel: shown only for the controller model that has these settings.
void addMotorGearPanel(LayoutBuilder& b, const QString& parent) {
    const QString panel = "Picture6";
    b.panel(panel, parent, QRect(458, 362, 346, 216)).visible = false;
    const struct {
        int caption;
        QString text;
        int field;
        int set;
    } rows[] = {
        {1, "RAモーターステップ/１度", 1, 1}, {16, "RAモーター回転方向", 100, -1},
        {18, "RAマイクロステップ", 101, -1},  {2, "DECモーターステップ/１度", 2, 2},
        {17, "DECモーター回転方向", 102, -1}, {19, "DECマイクロステップ", 103, -1},
    };
    int y = 4;
    for (const auto& row : rows) {
        b.fieldRow(panel, QPoint(4, y), 170, 84, row.caption, row.text, row.field, row.set);
        y += 26;
    }
    b.note(panel, QRect(4, 162, 338, kLabelH), "1：正転（時計回り）　0：逆転（反時計回り）");
    b.button("Command52", panel, QRect(4, 184, 100, 26), "書き込み");
}

void addGearPage(LayoutBuilder& b) {
    const QString p = page(0);
    addPage(b, p, "モーターギア設定");
    addGearTable(b, p);
    addSlewSpeed(b, p);
    addBacklashAndAcceleration(b, p);
    addCalculator(b, p);
    addDirectionButtons(b, p);
    addMotorGearPanel(b, p);
}

// ---- page 1: date, time and site -----------------------------------------------------------

void addTimePage(LayoutBuilder& b) {
    const QString p = page(1);
    addPage(b, p, "日時/観測地");
    b.note(p, QRect(10, 8, 780, kLabelH),
           "正確に自動導入をするには必ず日時・観測地情報があっている必要があります。");

    b.add(Kind::Frame, "Frame1", p, QRect(10, 34, 440, 112), "　パソコンのシステム時間　");
    b.label("Label4", "Frame1", QRect(14, 24, 412, 20), "現在時間JST");
    b.label("Label5", "Frame1", QRect(14, 50, 412, 20), "世界時間UT");
    b.label("Label6", "Frame1", QRect(14, 76, 412, 20), "時差 ");
    b.button("Command37", p, QRect(464, 60, 110, 26), "GPS 再捕捉");

    b.fieldRow(p, QPoint(10, 162), 170, 110, 5, "観測地　経度", 5, 11);
    b.fieldRow(p, QPoint(10, 192), 170, 110, 6, "観測地　緯度", 6, 12);
    b.fieldRow(p, QPoint(10, 222), 170, 110, 7, "UTC OFFSET（時差）", 7, 13);
    b.note(p, QRect(354, 225, 200, kLabelH), "日本では+9になります。");

    // What the controller reports as its date and time.
    b.note(p, QRect(10, 273, 30, kLabelH), "日時");
    b.field(text1(14), p, QRect(42, 270, 110, kFieldH));
    b.note(p, QRect(160, 273, 20, kLabelH), "UT");
    b.field(text1(15), p, QRect(182, 270, 110, kFieldH));
    b.button("Command34", p, QRect(298, 269, 48, kButtonH), "Set");
    b.note(p, QRect(10, 300, 780, kLabelH),
           "表示されている内容とパソコンのシステム時間とが相違がある場合はSETが必要になります。");
}

// ---- page 2: limits, home position, mount mode and functions -------------------------------

void addLimitAngles(LayoutBuilder& b, const QString& p) {
    b.fieldRow(p, QPoint(10, 10), 150, 80, 10, "子午線　西側", 10, 8);
    b.lamp(element("Shape20", 0), p, QPoint(304, 15));
    b.note(p, QRect(322, 13, 60, kLabelH), "西の空");
    b.fieldRow(p, QPoint(10, 38), 150, 80, 11, "子午線　東側", 11, 7);
    b.lamp(element("Shape20", 1), p, QPoint(304, 43));
    b.note(p, QRect(322, 41, 60, kLabelH), "東の空");
    b.fieldRow(p, QPoint(10, 66), 150, 80, 12, "天頂", 12, 6);
    b.fieldRow(p, QPoint(10, 94), 150, 80, 13, "地平線", 13, 5);
}

void addHomePosition(LayoutBuilder& b, const QString& p) {
    const QString panel = "Picture8";
    b.panel(panel, p, QRect(10, 128, 390, 114));
    b.note(panel, QRect(6, 9, 150, kLabelH), "○極北ホームポジション");
    b.button("Command29", panel, QRect(160, 6, kSetW, kButtonH), "SET");
    b.fieldRow(panel, QPoint(6, 36), 170, 80, 14, "HOMEポジション　高度", 20, 14);
    b.fieldRow(panel, QPoint(6, 64), 170, 80, 15, "HOMEポジション　方位", 21, 15);
    b.note(panel, QRect(6, 92, 378, kLabelH), "方位：北 0、東 90、南 180、西 270");
}

void addMountMode(LayoutBuilder& b, const QString& p) {
    const QString panel = "Picture5";
    b.panel(panel, p, QRect(10, 250, 390, 116));
    b.note(panel, QRect(6, 6, 200, kLabelH), "運用モード切替");
    b.lampButton(panel, QRect(6, 28, 130, kButtonH), "Command55", "ドイツ型モード", "Shape17");
    b.lampButton(panel, QRect(6, 56, 130, kButtonH), "Command53", "フォーク型モード", "Shape19");
    b.lampButton(panel, QRect(6, 84, 130, kButtonH), "Command56", "経緯台モード", "Shape18");
    b.note(panel, QRect(166, 61, 216, kLabelH), "設定後電源を入れなおしてください");
}

// One function with its ON and OFF buttons, each with its lamp, and an optional note.
struct FunctionRow {
    QString title;
    QString onButton, onCaption, onLamp;
    QString offButton, offCaption, offLamp;
    QString note;
    bool noteBelow;  // the note is too long to stand beside the buttons
};

void addFunctions(LayoutBuilder& b, const QString& p) {
    const FunctionRow rows[] = {
        {"標準スピード運転子午線制限停止動作", "Command8", "Limit ON", "Shape5", "Command7",
         "Limit OFF", "Shape6", "", false},
        {"自動導入子午線自動反転", "Command21", "ON", "Shape7", "Command20", "OFF", "Shape8", "",
         false},
        {"恒星時運転子午線自動反転", "Command15", "ON", "Shape9", "Command16", "OFF", "Shape10",
         "設定は保存されません", false},
        {"子午線反転時動作一旦停止", "Command17", "ON", "Shape11", "Command18", "OFF", "Shape12",
         "ステータスを読み込まないので接続時は緑色のままです。", true},
        {"ビープ音　有無", "Command13", "ON", "Shape13", "Command14", "OFF", "Shape14", "", false},
    };
    int y = 10;
    for (const FunctionRow& row : rows) {
        b.note(p, QRect(414, y, 380, kLabelH), row.title);
        b.lampButton(p, QRect(424, y + 20, 90, kButtonH), row.onButton, row.onCaption, row.onLamp);
        b.lampButton(p, QRect(548, y + 20, 90, kButtonH), row.offButton, row.offCaption,
                     row.offLamp);
        if (!row.note.isEmpty() && row.noteBelow)
            b.note(p, QRect(424, y + 48, 370, kLabelH), row.note);
        else if (!row.note.isEmpty())
            b.note(p, QRect(672, y + 23, 130, kLabelH), row.note);
        y += row.noteBelow ? 78 : 60;
    }
}

void addLimitsPage(LayoutBuilder& b) {
    const QString p = page(2);
    addPage(b, p, "動作制限項目");
    addLimitAngles(b, p);
    addHomePosition(b, p);
    addMountMode(b, p);
    addFunctions(b, p);

    // Hints shown until the window has come up.
    b.panel("Picture4", p, QRect(10, 540, 790, 50));
    b.label(element("Label2", 0), "Picture4", QRect(8, 6, 770, kLabelH),
            "最初に接続パネルを選択します。");
    b.label(element("Label2", 1), "Picture4", QRect(8, 26, 770, kLabelH),
            "コントローラーからデーターが取得できます。");
}

// ---- page 3: running the mount -------------------------------------------------------------

void addOperationPage(LayoutBuilder& b) {
    const QString p = page(3);
    addPage(b, p, "運転動作");

    // Each row: its heading (an element of Label1) and its buttons, left to right.
    const struct {
        int y;
        QString heading;
        std::vector<std::pair<QString, QString>> buttons;  // name, caption
    } rows[] = {
        {12, "モーター運転動作", {{"Command10", "ON"}, {"Command9", "OFF"}}},
        {50,
         "追尾レート",
         {{"Command27", "恒星時"},
          {"Command49", "キングレート"},
          {"Command26", "月"},
          {"Command25", "太陽"},
          {"Command24", "星景0.5x"}}},
        {88,
         "ガイドスピード",
         {{"Command43", "×0.25"},
          {"Command42", "×0.5"},
          {"Command41", "×1.0"},
          {"Command40", "×2.0"}}},
        {126,
         "導入スピード",
         {{"Command47", "×8.0"}, {"Command46", "×24"}, {"Command45", "×48"}, {"Command50", "MAX"}}},
        {176, "HOME運転動作", {{"Command51", "導入"}}},
        {214, "PARK運転動作", {{"Command57", "導入"}, {"Command59", "解除"}}},
        {252, "PARK位置設定", {{"Command58", "設定"}}},
    };
    int heading = 0;
    for (const auto& row : rows) {
        b.label(element("Label1", heading++), p, QRect(10, row.y + 4, 150, kLabelH), row.heading);
        int x = 170;
        for (const auto& [name, caption] : row.buttons) {
            b.button(name, p, QRect(x, row.y, 96, 26), caption);
            x += 102;
        }
    }

    // Fine frequency trim, a factory setting: hidden until a row heading is clicked.
    const QString trim = "Picture9";
    b.panel(trim, p, QRect(10, 300, 420, 70)).visible = false;
    b.note(trim, QRect(8, 6, 200, kLabelH), "微速増減（工場設定）");
    b.button("Command23", trim, QRect(8, 32, 96, 26), "+0.02Hz");
    b.button("Command22", trim, QRect(110, 32, 96, 26), "-0.02Hz");
    b.button("Command54", trim, QRect(212, 32, 96, 26), "RESET");
}

// ---- page 4: wireless ----------------------------------------------------------------------

void addWirelessCredentials(LayoutBuilder& b, const QString& p, int y, const QString& heading,
                            int ssidField, int passwordField, int firstSet) {
    b.note(p, QRect(10, y, 300, kLabelH), heading);
    b.note(p, QRect(20, y + 25, 110, kLabelH), " SSID");
    b.field(text1(ssidField), p, QRect(134, y + 22, 200, kFieldH));
    b.button(setButton(firstSet), p, QRect(338, y + 21, kSetW, kButtonH), "SET");
    b.note(p, QRect(20, y + 53, 110, kLabelH), "PASSWORD");
    b.field(text1(passwordField), p, QRect(134, y + 50, 200, kFieldH));
    b.button(setButton(firstSet + 1), p, QRect(338, y + 49, kSetW, kButtonH), "SET");
}

void addWirelessPage(LayoutBuilder& b) {
    const QString p = page(4);
    addPage(b, p, "WiFi設定");

    b.note(p, QRect(10, 15, 120, kLabelH), "IP adress");
    b.field(text1(55), p, QRect(134, 12, 200, kFieldH));
    b.comboRow(p, QPoint(10, 44), 122, "使用チャンネル", "Combo3", 70, channels(), 16);

    addWirelessCredentials(b, p, 84, "アクセスポイント", 23, 24, 17);
    addWirelessCredentials(b, p, 174, "ステーションモード", 40, 41, 19);

    b.note(p, QRect(10, 268, 400, kLabelH), "起動時のWIFIモード（設定後再起動が必要）");
    b.button("Command35", p, QRect(20, 290, 140, 26), "アクセスポイント");
    b.button("Command36", p, QRect(166, 290, 120, 26), "ステーション");
}

// ---- below the tab control -----------------------------------------------------------------

void addLowerStrip(LayoutBuilder& b) {
    const QString win;
    b.note(win, QRect(6, 706, 216, kLabelH), "赤道儀モデル　プリセット(タイトル）");
    b.combo("Combo2", win, QRect(224, 703, 90, kFieldH), {"AP", "GP", "EQ5", "NJP", "USER"});
    b.button("Command28", win, QRect(318, 702, 120, kButtonH), "USERﾌﾟﾘｾｯﾄ保存");
    b.button("Command38", win, QRect(442, 702, 90, kButtonH), "手動計算");
    // Opens the traffic monitor: every command sent and reply received, and where it went.
    b.button("Command82", win, QRect(536, 702, 72, kButtonH), "通信ログ");
    b.button(setButton(27), win, QRect(612, 702, 120, kButtonH), "工場出荷時設定");
    b.button(setButton(28), win, QRect(736, 702, 84, kButtonH), "再起動");

    b.button("Command30", win, QRect(6, 734, 100, kButtonH), "ガイド×0.5");
    b.button("Command31", win, QRect(110, 734, 90, kButtonH), "微動×8");
    b.button("Command32", win, QRect(204, 734, 90, kButtonH), "粗動×20");
    b.button("Command33", win, QRect(298, 734, 90, kButtonH), "導入×48");

    // A backup of what the last read brought in, and its restore: offered once a read completes.
    // Between them and the buttons on the left the window shows the progress of a long sequence
    // (kSequenceProgressPlace).
    b.button("Command80", win, QRect(612, 734, 102, kButtonH), "設定保存…").enabled = false;
    b.button("Command81", win, QRect(718, 734, 102, kButtonH), "設定復元…").enabled = false;

    // Fields that hold replies nobody needs to see: below the window's visible area.
    for (int i = 16; i <= 19; ++i)
        b.field(text1(i), win, QRect(6 + (i - 16) * 84, kHiddenY, 80, kFieldH));
    b.field(text1(99), win, QRect(342, kHiddenY, 120, kFieldH), "Text1");
}

}  // namespace

std::vector<ControlDesign> form1Layout() {
    LayoutBuilder b;
    addLinkControls(b);
    b.add(ControlKind::TabControl, "SSTab1", QString(), QRect(4, 62, 818, 634));
    addGearPage(b);
    addTimePage(b);
    addLimitsPage(b);
    addOperationPage(b);
    addWirelessPage(b);
    addLowerStrip(b);
    return b.take();
}

}  // namespace qx
