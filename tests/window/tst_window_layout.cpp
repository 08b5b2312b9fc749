// The main window's layout table: every control with its place, caption, list and designed state.

#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

#include "ui/layout/Form1Layout.h"

using namespace qx;

namespace {

QHash<QString, ControlDesign> byName(const std::vector<ControlDesign>& layout) {
    QHash<QString, ControlDesign> map;
    for (const ControlDesign& design : layout) map.insert(design.name, design);
    return map;
}

// The page a control sits on ("Picture2(3)"), or "" for a control of the window itself.
QString pageOf(const QHash<QString, ControlDesign>& designs, const QString& name) {
    for (QString at = name; !at.isEmpty(); at = designs.value(at).parent)
        if (designs.value(at).kind == ControlKind::Page) return at;
    return QString();
}

// The indexes of the elements of a control array present in the layout.
QSet<int> elementsOf(const std::vector<ControlDesign>& layout, const QString& array) {
    const QRegularExpression pattern(QStringLiteral("^%1\\((\\d+)\\)$").arg(array));
    QSet<int> indexes;
    for (const ControlDesign& design : layout) {
        const QRegularExpressionMatch m = pattern.match(design.name);
        if (m.hasMatch()) indexes.insert(m.captured(1).toInt());
    }
    return indexes;
}

QSet<int> range(int first, int last) {
    QSet<int> set;
    for (int i = first; i <= last; ++i) set.insert(i);
    return set;
}

bool isContainer(ControlKind kind) {
    return kind == ControlKind::TabControl || kind == ControlKind::Page ||
           kind == ControlKind::Panel || kind == ControlKind::Frame;
}

}  // namespace

class WindowLayoutTest : public QObject {
    Q_OBJECT

    const std::vector<ControlDesign> layout_ = form1Layout();
    const QHash<QString, ControlDesign> specs_ = byName(layout_);

private Q_SLOTS:
    void windowSizeAndTitle() {
        QCOMPARE(kForm1Width, 826);
        QCOMPARE(kForm1Height, 770);
        QCOMPARE(QString::fromUtf8(kForm1Title), QStringLiteral(" QuorvelX ｾｯﾃｲ ver10.3.2"));
    }

    void namesAreUnique() {
        QSet<QString> seen;
        for (const ControlDesign& design : layout_) {
            QVERIFY2(!seen.contains(design.name), qPrintable(design.name));
            seen.insert(design.name);
        }
    }

    void parentsComeFirstAndHoldControls() {
        QSet<QString> listed;
        for (const ControlDesign& design : layout_) {
            if (!design.parent.isEmpty()) {
                QVERIFY2(listed.contains(design.parent), qPrintable(design.name));
                QVERIFY2(isContainer(specs_.value(design.parent).kind), qPrintable(design.name));
            }
            listed.insert(design.name);
        }
    }

    void pagesOfTheTabControl() {
        const QStringList captions{"モーターギア設定", "日時/観測地", "動作制限項目", "運転動作",
                                   "WiFi設定"};
        QStringList pages;
        for (const ControlDesign& design : layout_)
            if (design.kind == ControlKind::Page) pages << design.name;
        QCOMPARE(pages, QStringList({"Picture2(0)", "Picture2(1)", "Picture2(2)", "Picture2(3)",
                                     "Picture2(4)"}));
        for (int i = 0; i < 5; ++i) {
            const ControlDesign page = specs_.value(element("Picture2", i));
            QCOMPARE(page.parent, QStringLiteral("SSTab1"));
            QCOMPARE(page.text, captions.at(i));
        }
        QCOMPARE(specs_.value("SSTab1").kind, ControlKind::TabControl);
    }

    void controlPlaceAndCaption_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<ControlKind>("kind");
        QTest::addColumn<QString>("page");  // "" for the window itself
        QTest::addColumn<QString>("text");
        const auto row = [](const char* name, ControlKind kind, const char* page,
                            const char* text) {
            QTest::newRow(name) << QString::fromUtf8(name) << kind << QString::fromUtf8(page)
                                << QString::fromUtf8(text);
        };
        using K = ControlKind;
        // Link and connection.
        row("Command11", K::Button, "", "接続");
        row("Command61", K::Button, "", "接続");
        row("Command12", K::Button, "", "切断");
        row("Command60", K::Button, "", "ping");
        row("Command70", K::Button, "", "WEB");
        row("Command39", K::Button, "", "デバイスマネージャー");
        row("Text13", K::TextBox, "", "192.168.1.1");
        row("Combo1", K::ComboBox, "", "COM10");
        row("Option7", K::OptionButton, "", "シリアル接続");
        // Outside the tab control.
        row("Command6(27)", K::Button, "", "工場出荷時設定");
        row("Command6(28)", K::Button, "", "再起動");
        row("Command38", K::Button, "", "手動計算");
        row("Command28", K::Button, "", "USERﾌﾟﾘｾｯﾄ保存");
        row("Command30", K::Button, "", "ガイド×0.5");
        row("Command33", K::Button, "", "導入×48");
        row("Combo2", K::ComboBox, "", "");
        row("Text1(99)", K::TextBox, "", "Text1");
        row("Text1(16)", K::TextBox, "", "");
        // Motor gear page.
        row("Command5(0)", K::Button, "Picture2(0)", "MaxRate");
        row("Command5(1)", K::Button, "Picture2(0)", "RAモーターステップ/１度");
        row("Command5(19)", K::Button, "Picture2(0)", "DECマイクロステップ");
        row("Command6(0)", K::Button, "Picture2(0)", "SET");
        row("Command6(24)", K::Button, "Picture2(0)", "SET");
        row("Command19", K::Button, "Picture2(0)", "コントローラ書込");
        row("Command44", K::Button, "Picture2(0)", "計算");
        row("Command52", K::Button, "Picture2(0)", "書き込み");
        row("Command48(0)", K::Button, "Picture2(0)", "50%");
        row("Command48(16)", K::Button, "Picture2(0)", "400%");
        row("Command1", K::Button, "Picture2(0)", "赤経方位+");
        row("Command4", K::Button, "Picture2(0)", "赤緯高度-");
        row("Label3", K::Label, "Picture2(0)", "書き込み中");
        row("Option1(0)", K::OptionButton, "Picture2(0)", "ビクセンSX2");
        row("Option1(4)", K::OptionButton, "Picture2(0)", "ビクセンGP　スカイウォッチャーEQ5系");
        row("Text2", K::TextBox, "Picture2(0)", "200");
        row("Text3", K::TextBox, "Picture2(0)", "");
        row("Text6", K::TextBox, "Picture2(0)", "200");
        row("Text1(22)", K::TextBox, "Picture2(0)", "");
        row("Text1(49)", K::TextBox, "Picture2(0)", "");
        row("Text1(103)", K::TextBox, "Picture2(0)", "");
        row("Image1", K::Image, "Picture2(0)", "");
        // Date, time and site.
        row("Frame1", K::Frame, "Picture2(1)", "　パソコンのシステム時間　");
        row("Label4", K::Label, "Picture2(1)", "現在時間JST");
        row("Label5", K::Label, "Picture2(1)", "世界時間UT");
        row("Label6", K::Label, "Picture2(1)", "時差 ");
        row("Command5(7)", K::Button, "Picture2(1)", "UTC OFFSET（時差）");
        row("Command6(11)", K::Button, "Picture2(1)", "SET");
        row("Command34", K::Button, "Picture2(1)", "Set");
        row("Command37", K::Button, "Picture2(1)", "GPS 再捕捉");
        row("Text1(5)", K::TextBox, "Picture2(1)", "");
        row("Text1(15)", K::TextBox, "Picture2(1)", "");
        // Limits.
        row("Command5(10)", K::Button, "Picture2(2)", "子午線　西側");
        row("Command5(15)", K::Button, "Picture2(2)", "HOMEポジション　方位");
        row("Command6(5)", K::Button, "Picture2(2)", "SET");
        row("Command29", K::Button, "Picture2(2)", "SET");
        row("Command8", K::Button, "Picture2(2)", "Limit ON");
        row("Command7", K::Button, "Picture2(2)", "Limit OFF");
        row("Command55", K::Button, "Picture2(2)", "ドイツ型モード");
        row("Command53", K::Button, "Picture2(2)", "フォーク型モード");
        row("Command56", K::Button, "Picture2(2)", "経緯台モード");
        row("Label2(0)", K::Label, "Picture2(2)", "最初に接続パネルを選択します。");
        row("Label2(1)", K::Label, "Picture2(2)", "コントローラーからデーターが取得できます。");
        row("Shape20(1)", K::Shape, "Picture2(2)", "");
        row("Shape19", K::Shape, "Picture2(2)", "");
        // Running the mount.
        row("Command50", K::Button, "Picture2(3)", "MAX");
        row("Command49", K::Button, "Picture2(3)", "キングレート");
        row("Command24", K::Button, "Picture2(3)", "星景0.5x");
        row("Command43", K::Button, "Picture2(3)", "×0.25");
        row("Command23", K::Button, "Picture2(3)", "+0.02Hz");
        row("Command22", K::Button, "Picture2(3)", "-0.02Hz");
        row("Command54", K::Button, "Picture2(3)", "RESET");
        row("Command57", K::Button, "Picture2(3)", "導入");
        row("Command59", K::Button, "Picture2(3)", "解除");
        row("Command58", K::Button, "Picture2(3)", "設定");
        row("Command10", K::Button, "Picture2(3)", "ON");
        row("Command9", K::Button, "Picture2(3)", "OFF");
        // Wireless.
        row("Command35", K::Button, "Picture2(4)", "アクセスポイント");
        row("Command36", K::Button, "Picture2(4)", "ステーション");
        row("Command6(16)", K::Button, "Picture2(4)", "SET");
        row("Combo3", K::ComboBox, "Picture2(4)", "");
        row("Text1(55)", K::TextBox, "Picture2(4)", "");
        row("Text1(41)", K::TextBox, "Picture2(4)", "");
    }

    void controlPlaceAndCaption() {
        QFETCH(QString, name);
        QFETCH(ControlKind, kind);
        QFETCH(QString, page);
        QFETCH(QString, text);
        QVERIFY(specs_.contains(name));
        const ControlDesign design = specs_.value(name);
        QCOMPARE(design.kind, kind);
        QCOMPARE(pageOf(specs_, name), page);
        QCOMPARE(design.text, text);
    }

    void panelsOnTheirPages_data() {
        QTest::addColumn<QString>("panel");
        QTest::addColumn<QString>("page");
        for (const char* p : {"Picture1", "Picture3", "Picture6", "Picture7"})
            QTest::newRow(p) << p << "Picture2(0)";
        QTest::newRow("Frame1") << "Frame1"
                                << "Picture2(1)";
        for (const char* p : {"Picture4", "Picture5", "Picture8"})
            QTest::newRow(p) << p << "Picture2(2)";
        QTest::newRow("Picture9") << "Picture9"
                                  << "Picture2(3)";
        QTest::newRow("Picture10") << "Picture10"
                                   << "";
    }

    void panelsOnTheirPages() {
        QFETCH(QString, panel);
        QFETCH(QString, page);
        QCOMPARE(pageOf(specs_, panel), page);
    }

    void panelContents_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("panel");
        QTest::newRow("Label3") << "Label3"
                                << "Picture7";
        QTest::newRow("Option1(3)") << "Option1(3)"
                                    << "Picture3";
        QTest::newRow("Option7") << "Option7"
                                 << "Picture10";
        QTest::newRow("Option8") << "Option8"
                                 << "Picture10";
        QTest::newRow("Command52") << "Command52"
                                   << "Picture6";
        QTest::newRow("Text1(100)") << "Text1(100)"
                                    << "Picture6";
        QTest::newRow("Text1(2)") << "Text1(2)"
                                  << "Picture6";
        QTest::newRow("Combo4") << "Combo4"
                                << "Picture1";
        QTest::newRow("Text9") << "Text9"
                               << "Picture1";
        QTest::newRow("Command29") << "Command29"
                                   << "Picture8";
        QTest::newRow("Text1(21)") << "Text1(21)"
                                   << "Picture8";
        QTest::newRow("Shape17") << "Shape17"
                                 << "Picture5";
        QTest::newRow("Command23") << "Command23"
                                   << "Picture9";
        QTest::newRow("Label5") << "Label5"
                                << "Frame1";
        QTest::newRow("Label2(1)") << "Label2(1)"
                                   << "Picture4";
    }

    void panelContents() {
        QFETCH(QString, control);
        QFETCH(QString, panel);
        QCOMPARE(specs_.value(control).parent, panel);
    }

    void arraysKeepTheirIndexes_data() {
        QTest::addColumn<QString>("array");
        QTest::addColumn<QSet<int>>("indexes");
        QSet<int> text1 = range(0, 24) + range(99, 103);
        text1 += QSet<int>{40, 41, 49, 55};
        QTest::newRow("Text1") << "Text1" << text1;
        QTest::newRow("Command5") << "Command5" << range(0, 19);
        QTest::newRow("Command6") << "Command6" << range(0, 28);
        QTest::newRow("Command48") << "Command48" << range(0, 16);
        QTest::newRow("Option1") << "Option1" << range(0, 4);
        QTest::newRow("Picture2") << "Picture2" << range(0, 4);
        QTest::newRow("Label2") << "Label2" << range(0, 1);
        QTest::newRow("Shape20") << "Shape20" << range(0, 1);
    }

    void arraysKeepTheirIndexes() {
        QFETCH(QString, array);
        QFETCH(QSet<int>, indexes);
        QCOMPARE(elementsOf(layout_, array), indexes);
        QVERIFY2(!specs_.contains(array), "an array is only known by its elements");
    }

    void rowHeadingsAreOneArray() {
        QVERIFY(!elementsOf(layout_, "Label1").isEmpty());
        for (int i : elementsOf(layout_, "Label1"))
            QCOMPARE(pageOf(specs_, element("Label1", i)), QStringLiteral("Picture2(3)"));
    }

    void setButtonCaptions() {
        for (int i = 0; i <= 26; ++i) QCOMPARE(specs_.value(element("Command6", i)).text, "SET");
    }

    void percentageCaptions() {
        const QStringList expected{"50%",  "55%",  "60%",  "65%",  "70%",  "75%",
                                   "80%",  "85%",  "90%",  "95%",  "100%", "150%",
                                   "200%", "250%", "300%", "350%", "400%"};
        for (int i = 0; i <= 16; ++i)
            QCOMPARE(specs_.value(element("Command48", i)).text, expected.at(i));
    }

    void comboLists_data() {
        QTest::addColumn<QString>("combo");
        QTest::addColumn<QStringList>("items");
        QStringList ports;
        for (int n = 1; n <= 19; ++n) ports << QStringLiteral("COM%1").arg(n);
        const QStringList micro{" 1", " 2", " 4", " 8", " 16", " 32", " 64", " 128"};
        const QStringList grades{" 1", " 2", " 3", " 4", " 5"};
        QTest::newRow("Combo1") << "Combo1" << ports;
        QTest::newRow("Combo2") << "Combo2" << QStringList{"AP", "GP", "EQ5", "NJP", "USER"};
        QTest::newRow("Combo3") << "Combo3" << QStringList{" 1", " 2", " 3", " 4", " 5",
                                                           " 6", " 7", " 8", " 9", "10"};
        for (const char* c : {"Combo4", "Combo5", "Combo6", "Combo7"})
            QTest::newRow(c) << c << micro;
        QTest::newRow("Combo8") << "Combo8" << grades;
        QTest::newRow("Combo9") << "Combo9" << grades;
    }

    void comboLists() {
        QFETCH(QString, combo);
        QFETCH(QStringList, items);
        QCOMPARE(specs_.value(combo).kind, ControlKind::ComboBox);
        QCOMPARE(specs_.value(combo).items, items);
    }

    void optionGroups() {
        const QString link = specs_.value("Option7").group;
        const QString family = specs_.value("Option1(0)").group;
        QVERIFY(!link.isEmpty());
        QVERIFY(!family.isEmpty());
        QVERIFY(link != family);
        QCOMPARE(specs_.value("Option8").group, link);
        for (int i = 1; i <= 4; ++i) QCOMPARE(specs_.value(element("Option1", i)).group, family);

        QStringList checked;
        for (const ControlDesign& design : layout_)
            if (design.checked) checked << design.name;
        QCOMPARE(checked, QStringList({"Option7", "Option1(0)"}));
    }

    void designedVisibility_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("visible");
        for (const char* hidden : {"Picture6", "Picture7", "Picture9", "Image3", "Text13",
                                   "Command60", "Command61", "Command70"})
            QTest::newRow(hidden) << hidden << false;
        for (const char* shown : {"Picture4", "Picture1", "Combo1", "Command11", "Command12",
                                  "Option7", "Option8", "Image1", "Command38"})
            QTest::newRow(shown) << shown << true;
    }

    void designedVisibility() {
        QFETCH(QString, name);
        QFETCH(bool, visible);
        QCOMPARE(specs_.value(name).visible, visible);
    }

    // The serial and the LAN connect button take turns in one place.
    void connectButtonsShareTheirPlace() {
        QCOMPARE(specs_.value("Command61").geometry, specs_.value("Command11").geometry);
        QCOMPARE(specs_.value("Command61").parent, specs_.value("Command11").parent);
    }

    void unseenFieldsLieBelowTheWindow() {
        for (int i : {16, 17, 18, 19, 99}) {
            const ControlDesign design = specs_.value(element("Text1", i));
            QVERIFY(design.parent.isEmpty());
            QVERIFY2(design.geometry.top() >= kForm1Height, qPrintable(design.name));
        }
    }

    void lampsStartUnlit() {
        for (const ControlDesign& design : layout_) {
            if (design.kind != ControlKind::Shape || design.name == QLatin1String("Shape15"))
                continue;
            QCOMPARE(design.backColor, kLampUnlit);
        }
        // The legend shows the two colours of a lamp pair.
        QCOMPARE(specs_.value("Shape15").backColor, kLampLit);
    }

    void quotedNotes_data() {
        QTest::addColumn<QString>("text");
        for (const char* text :
             {"Serial Port:",
              "IP adress",
              "日本では+9になります。",
              "1：正転（時計回り）　0：逆転（反時計回り）",
              "赤道儀モデル　プリセット(タイトル）",
              "使用チャンネル",
              "赤経：標準時ステップ",
              "赤経：　導入時ステップ",
              "赤緯：標準時ステップ",
              "赤緯：　導入時ステップ",
              "加速時",
              "減速時",
              "係数",
              "加減速倍率　（赤経、赤緯共通）５段階　1:最高速加速 >>>>> 5:最低速加速",
              "（保存できるのは200%までで専用ファームのみ）",
              "導入スピード",
              "°/S",
              "倍（対恒星時）",
              "Maximum slew rate (°/s)",
              "導入最高速（倍）",
              "対恒星時",
              "倍",
              "モーターステップ",
              "マイクロステップ",
              "中間減速数",
              "赤道儀ｷﾞｱ歯数",
              "MaxRate値を小さくすると導入スピードが上がります。（最小値25）",
              "上記の表に数値を入力し計算パネルを選択すると下記のモーターギア設定が計算されます。",
              "＝　赤道儀のウオーム歯車の歯数×中間ギア（ベルトプーリー）×モーターの１回転のステップ"
              "数／360",
              "計算が終わりましたらコントローラーに書き込みができます。",
              "正確に自動導入をするには必ず日時・観測地情報があっている必要があります。",
              "表示されている内容とパソコンのシステム時間とが相違がある場合はSETが必要になります。",
              "日時",
              "UT",
              "○極北ホームポジション",
              "運用モード切替",
              "設定後電源を入れなおしてください",
              "標準スピード運転子午線制限停止動作",
              "自動導入子午線自動反転",
              "恒星時運転子午線自動反転",
              "子午線反転時動作一旦停止",
              "ビープ音　有無",
              "設定は保存されません",
              "ステータスを読み込まないので接続時は緑色のままです。",
              "HOME運転動作",
              "PARK運転動作",
              "PARK位置設定",
              "微速増減（工場設定）",
              "アクセスポイント",
              "ステーションモード",
              " SSID",
              "PASSWORD",
              "起動時のWIFIモード（設定後再起動が必要）"})
            QTest::newRow(text) << QString::fromUtf8(text);
    }

    void quotedNotes() {
        QFETCH(QString, text);
        bool found = false;
        for (const ControlDesign& design : layout_)
            found = found || (design.kind == ControlKind::Label && design.text == text);
        QVERIFY(found);
    }

    // Siblings do not cover each other (the two connect buttons take turns in one place).
    void siblingsDoNotOverlap() {
        for (size_t a = 0; a < layout_.size(); ++a) {
            for (size_t b = a + 1; b < layout_.size(); ++b) {
                const ControlDesign& x = layout_[a];
                const ControlDesign& y = layout_[b];
                if (x.parent != y.parent || x.kind == ControlKind::Page) continue;
                if (x.name == QLatin1String("Command11") && y.name == QLatin1String("Command61"))
                    continue;
                QVERIFY2(!x.geometry.intersects(y.geometry),
                         qPrintable(x.name + QLatin1String(" / ") + y.name));
            }
        }
    }

    // Every control lies inside its panel or frame; the window's own controls inside the window,
    // except the fields meant to lie below it.
    void controlsInsideTheirContainers() {
        const QRect window(0, 0, kForm1Width, kForm1Height);
        for (const ControlDesign& design : layout_) {
            if (design.kind == ControlKind::Page) continue;
            const ControlDesign parent = specs_.value(design.parent);
            if (design.parent.isEmpty()) {
                if (design.geometry.top() >= kForm1Height) continue;
                QVERIFY2(window.contains(design.geometry), qPrintable(design.name));
            } else if (parent.kind == ControlKind::Panel || parent.kind == ControlKind::Frame) {
                QVERIFY2(QRect(QPoint(0, 0), parent.geometry.size()).contains(design.geometry),
                         qPrintable(design.name));
            }
        }
    }
};

QTEST_APPLESS_MAIN(WindowLayoutTest)
#include "tst_window_layout.moc"
