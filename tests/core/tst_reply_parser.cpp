#include <QtTest>

#include "read/ReplyParser.h"
#include "ui/Controls.h"
#include "ui/layout/Form1Layout.h"

using namespace qx;

namespace {
const QString kOld = QStringLiteral("old");
}

class ReplyParserTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<Controls> controls;

private Q_SLOTS:
    void init() {
        controls = std::make_unique<Controls>(form1Layout());
        for (const QString& name : controls->names()) {
            const Controls::State* s = controls->state(name);
            if (s->design.kind == ControlKind::TextBox || s->design.kind == ControlKind::ComboBox)
                controls->setText(name, kOld);
        }
    }

    // A reply stored under an index: which control gets which text ("old" when unchanged).
    void storesReply_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("reply");
        QTest::addColumn<bool>("lan");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("MaxRate at limit") << 1 << "5000" << false << "Text1(0)"
                                          << "5000" << true;
        QTest::newRow("MaxRate over limit") << 1 << "5001" << false << "Text1(0)" << kOld << false;
        QTest::newRow("not a number passes the check") << 1 << "abc" << false << "Text1(0)"
                                                       << "abc" << true;
        QTest::newRow("steps per degree only checked")
            << 2 << "12345" << false << "Text1(1)" << kOld << true;
        QTest::newRow("steps per degree over limit")
            << 3 << "200001" << false << "Text1(2)" << kOld << false;
        QTest::newRow("worm steps") << 4 << "6400" << false << "Text1(3)"
                                    << "6400" << true;
        QTest::newRow("DEC worm over limit")
            << 5 << "200001" << false << "Text1(4)" << kOld << false;
        QTest::newRow("longitude minus") << 6 << "-135" << false << "Text1(5)"
                                         << "+135" << true;
        QTest::newRow("longitude plus") << 6 << "+139" << false << "Text1(5)"
                                        << "-139" << true;
        QTest::newRow("longitude unsigned") << 6 << "139" << false << "Text1(5)" << kOld << true;
        QTest::newRow("offset") << 8 << "-09" << false << "Text1(7)"
                                << "+09" << true;
        QTest::newRow("latitude serial") << 7 << " +35*40" << false << "Text1(6)"
                                         << " +35*40" << true;
        QTest::newRow("latitude lan trimmed") << 7 << " +35*40" << true << "Text1(6)"
                                              << "+35*40" << true;
        QTest::newRow("meridian west") << 11 << "15.7" << false << "Text1(10)"
                                       << "15" << true;
        QTest::newRow("meridian rounds down") << 11 << "-2.5" << false << "Text1(10)"
                                              << "-3" << true;
        QTest::newRow("meridian garbage") << 12 << "x" << false << "Text1(11)" << kOld << true;
        QTest::newRow("zenith") << 13 << "+80*" << false << "Text1(12)"
                                << "+80" << true;
        QTest::newRow("horizon without star")
            << 14 << "-10" << false << "Text1(13)" << kOld << true;
        QTest::newRow("date lan trimmed") << 15 << " 03/05/24 " << true << "Text1(14)"
                                          << "03/05/24" << true;
        QTest::newRow("time serial") << 16 << "21:07:05" << false << "Text1(15)"
                                     << "21:07:05" << true;
        QTest::newRow("home altitude") << 21 << "+35" << false << "Text1(20)"
                                       << "+35" << true;
        QTest::newRow("channel last char") << 23 << "06" << false << "Combo3"
                                           << "6" << true;
        QTest::newRow("AP ssid") << 24 << "quorvelx" << false << "Text1(23)"
                                 << "quorvelx" << true;
        QTest::newRow("station ssid") << 30 << "home" << false << "Text1(40)"
                                      << "home" << true;
        QTest::newRow("microsteps 0128") << 32 << "0128" << false << "Combo4"
                                         << "128" << true;
        QTest::newRow("microsteps 16") << 33 << "16" << false << "Combo5"
                                       << "16" << true;
        QTest::newRow("microsteps 8") << 35 << "8" << false << "Combo7"
                                      << "8" << true;
        QTest::newRow("acceleration") << 36 << "03" << false << "Combo8"
                                      << "3" << true;
        QTest::newRow("slew speed") << 50 << "2.0" << false << "Text1(49)"
                                    << "2.0" << true;
        QTest::newRow("model to IP field") << 56 << "Kestrana-k1" << false << "Text1(55)"
                                           << "Kestrana-k1" << true;
        QTest::newRow("catch-all serial")
            << 100 << "QuorvelX" << false << "Text1(99)" << kOld << true;
        QTest::newRow("catch-all lan") << 100 << "QuorvelX" << true << "Text1(99)"
                                       << "QuorvelX" << true;
    }
    void storesReply() {
        QFETCH(int, index);
        QFETCH(QString, reply);
        QFETCH(bool, lan);
        QFETCH(QString, control);
        QFETCH(QString, expected);
        QFETCH(bool, accepted);
        QCOMPARE(parseReply(*controls, reply, index, lan ? Link::Lan : Link::Serial), accepted);
        QCOMPARE(controls->text(control), expected);
    }

    void lampPairs_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("reply");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<bool>("firstLit");
        QTest::newRow("RA direction 0") << 17 << "0"
                                        << "Shape1"
                                        << "Shape2" << false;
        QTest::newRow("RA direction 1") << 17 << "1"
                                        << "Shape1"
                                        << "Shape2" << true;
        QTest::newRow("DEC negative") << 18 << "-1"
                                      << "Shape3"
                                      << "Shape4" << false;
        QTest::newRow("limit") << 19 << "1"
                               << "Shape5"
                               << "Shape6" << true;
        QTest::newRow("auto flip") << 26 << "1"
                                   << "Shape7"
                                   << "Shape8" << true;
        QTest::newRow("sidereal flip") << 27 << "0"
                                       << "Shape9"
                                       << "Shape10" << false;
        QTest::newRow("pause at flip") << 28 << "2"
                                       << "Shape11"
                                       << "Shape12" << true;
        QTest::newRow("beep") << 29 << "0"
                              << "Shape13"
                              << "Shape14" << false;
    }
    void lampPairs() {
        QFETCH(int, index);
        QFETCH(QString, reply);
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(bool, firstLit);
        parseReply(*controls, reply, index, Link::Serial);
        QCOMPARE(controls->backColor(first), firstLit ? kLampLit : kLampUnlit);
        QCOMPARE(controls->backColor(second), firstLit ? kLampUnlit : kLampLit);
    }

    void lampsKeepColourOnGarbage() {
        controls->setBackColor(QStringLiteral("Shape1"), kLampNotRead);
        parseReply(*controls, QStringLiteral("x"), 17, Link::Serial);
        QCOMPARE(controls->backColor(QStringLiteral("Shape1")), kLampNotRead);
    }

    void mountMode_data() {
        QTest::addColumn<QString>("reply");
        QTest::addColumn<QString>("lit");  // empty: no lamp changes
        QTest::newRow("german") << "1"
                                << "Shape17";
        QTest::newRow("fork") << "2"
                              << "Shape19";
        QTest::newRow("alt-az") << "3"
                                << "Shape18";
        QTest::newRow("unknown") << "4"
                                 << "";
    }
    void mountMode() {
        QFETCH(QString, reply);
        QFETCH(QString, lit);
        const QStringList lamps{"Shape17", "Shape18", "Shape19"};
        for (const QString& l : lamps) controls->setBackColor(l, kLampNotRead);
        parseReply(*controls, reply, 38, Link::Serial);
        for (const QString& l : lamps) {
            const quint32 expected =
                lit.isEmpty() ? kLampNotRead : (l == lit ? kLampLit : kLampUnlit);
            QCOMPARE(controls->backColor(l), expected);
        }
    }

    void compositeAxis_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("reply");
        QTest::addColumn<QStringList>("fields");  // steps, direction, microsteps
        QTest::newRow("RA") << 53 << "12000,-1x,a,b,16.0" << QStringList{"12000", "1", "16"};
        QTest::newRow("DEC backwards")
            << 55 << "12800,-2x,-180,180,32.0" << QStringList{"12800", "0", "32"};
        QTest::newRow("no point") << 53 << "12000,-1x,a,b,16" << QStringList{"12000", "1", kOld};
        QTest::newRow("no comma") << 53 << "12000" << QStringList{kOld, kOld, kOld};
        QTest::newRow("bad direction") << 55 << "9000,zz,a,b,8.0" << QStringList{"9000", kOld, "8"};
    }
    void compositeAxis() {
        QFETCH(int, index);
        QFETCH(QString, reply);
        QFETCH(QStringList, fields);
        QVERIFY(parseReply(*controls, reply, index, Link::Serial));
        const bool ra = index == 53;
        QCOMPARE(controls->text(ra ? "Text1(1)" : "Text1(2)"), fields[0]);
        QCOMPARE(controls->text(ra ? "Text1(100)" : "Text1(102)"), fields[1]);
        QCOMPARE(controls->text(ra ? "Text1(101)" : "Text1(103)"), fields[2]);
    }

    void compositeAxisIsLeftToTheLanLink() {
        parseReply(*controls, QStringLiteral("12000,-1x,a,b,16.0"), 53, Link::Lan);
        QCOMPARE(controls->text("Text1(1)"), kOld);
    }

    void modelShowsGearPanel_data() {
        QTest::addColumn<QString>("reply");
        QTest::addColumn<bool>("shown");
        QTest::newRow("word, one char, k") << "Kestrana-k192.168.4.1" << true;
        QTest::newRow("word alone") << "Kestrana" << true;
        QTest::newRow("upper case word") << "KESTRANA-k1" << false;
        QTest::newRow("two chars before k") << "Kestrana--k1" << false;
        QTest::newRow("other model") << "Other-k1" << false;
    }
    void modelShowsGearPanel() {
        QFETCH(QString, reply);
        QFETCH(bool, shown);
        controls->setVisible(QStringLiteral("Picture6"), false);
        parseReply(*controls, reply, 56, Link::Serial);
        QCOMPARE(controls->visible(QStringLiteral("Picture6")), shown);
    }
};

QTEST_GUILESS_MAIN(ReplyParserTest)
#include "tst_reply_parser.moc"
