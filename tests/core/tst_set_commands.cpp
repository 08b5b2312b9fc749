// What each SET button sends for the text of its field.

#include <QtTest>

#include "write/SetCommands.h"

using namespace qx;

namespace {
constexpr auto Send = SetCommand::Kind::Send;
constexpr auto Reject = SetCommand::Kind::Reject;
constexpr auto Nothing = SetCommand::Kind::Nothing;
constexpr auto Refused = SetCommand::Kind::Refused;
}  // namespace

Q_DECLARE_METATYPE(SetCommand::Kind)

class SetCommandsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void command_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("text");
        QTest::addColumn<SetCommand::Kind>("kind");
        QTest::addColumn<QString>("command");
        auto row = [](const char* name, int index, const QString& text, SetCommand::Kind kind,
                      const QString& command = {}) {
            QTest::newRow(name) << index << text << kind
                                << (kind == Reject ? kRejectCommand : command);
        };
        // MaxRate: checked by its whole value, sent as its leading value.
        row("MaxRate 20", 0, "20", Reject);
        row("MaxRate 21", 0, "21", Send, ":PA21#");
        row("MaxRate 21.5", 0, "21.5", Send, ":PA21.5#");
        row("MaxRate 20.9", 0, "20.9", Reject);
        row("MaxRate 800", 0, "800", Send, ":PA800#");
        row("MaxRate 5000", 0, "5000", Send, ":PA5000#");
        row("MaxRate 5000.5", 0, "5000.5", Send, ":PA5000.5#");
        row("MaxRate 5001", 0, "5001", Reject);
        row("MaxRate empty", 0, "", Reject);
        row("MaxRate not a number", 0, "fast", Reject);
        // Steps per degree: an empty field sends nothing.
        row("RA steps 499", 1, "499", Reject);
        row("RA steps 500", 1, "500", Send, ":PB500#");
        row("RA steps 200000", 1, "200000", Send, ":PB200000#");
        row("RA steps 200001", 1, "200001", Reject);
        row("RA steps 12800.7", 1, "12800.7", Send, ":PB12800#");
        row("RA steps empty", 1, "", Nothing);
        row("RA steps not a number", 1, "12800x", Nothing);
        row("DEC steps 12800", 2, " 12800 ", Send, ":PC12800#");
        // Steps per worm turn: the one value above its range that sends nothing.
        row("worm 200001", 3, "200001", Nothing);
        row("worm 499", 3, "499", Reject);
        row("worm empty", 3, "", Reject);
        row("DEC worm 3626", 4, "3626", Send, ":PE3626#");
        row("DEC worm 200001", 4, "200001", Reject);
        // Limits: the leading value before the "*".
        row("horizon -10*", 5, "-10*", Send, ":Sh-10#");
        row("horizon empty", 5, "", Nothing);
        row("zenith 85*", 6, "85*", Send, ":So85#");
        row("zenith 85", 6, "85", Send, ":So85#");
        row("meridian east 15.7", 7, "15.7", Send, ":SXE9,15#");
        row("meridian west -2.5", 8, "-2.5", Send, ":SXEA,-3#");
        row("meridian not a number", 8, "east", Nothing);
        // Backlash: three characters.
        row("backlash 0", 9, "0", Send, ":$BR000#");
        row("backlash 5", 9, "5", Send, ":$BR005#");
        row("backlash 99", 9, "99", Send, ":$BR099#");
        row("backlash 1234", 9, "1234", Send, ":$BR234#");
        row("DEC backlash not a number", 10, "5 steps", Nothing);
        // Site: the typed sign is turned round for the controller.
        row("longitude -75*10", 11, "-75*10", Send, ":Sg+75*10#");
        row("longitude +139*45", 11, "+139*45", Send, ":Sg-139*45#");
        row("longitude without sign", 11, "139*45", Nothing);
        row("longitude empty", 11, "", Nothing);
        row("latitude trimmed", 12, " +35*40 ", Send, ":St+35*40#");
        row("latitude long form", 12, "+35*40:12", Send, ":St+35*40:12#");
        row("UTC offset +9", 13, " +9 ", Send, ":SG-9#");
        row("UTC offset - 5", 13, "- 5", Send, ":SG+5#");
        row("home altitude", 14, "+35", Send, ":PF35#");
        row("home azimuth", 15, "180.5", Send, ":PG180.5#");
        // Wi-Fi: whatever the field holds, an empty text included.
        row("channel 6", 16, " 6", Send, ":PH6#");
        row("channel empty", 16, "", Send, ":PH0#");
        row("SSID empty", 17, "", Send, ":Pm#");
        row("SSID", 17, " home-net ", Send, ":Pmhome-net#");
        row("password", 18, "p@ss:word", Send, ":Pnp@ss:word#");
        row("station SSID", 19, "obs", Send, ":Ppobs#");
        row("station password", 20, "x", Send, ":Pqx#");
        // Microsteps and acceleration grades: the leading value of the selector.
        row("RA tracking microsteps", 21, " 16", Send, ":$PJ16#");
        row("RA slewing microsteps", 22, "1", Send, ":$PK1#");
        row("DEC tracking microsteps", 23, " 128", Send, ":$PL128#");
        row("DEC slewing microsteps", 24, " 8", Send, ":$PM8#");
        row("acceleration", 25, " 3", Send, ":$PN3#");
        row("deceleration", 26, " 5", Send, ":$PO5#");
        // Values that would break the command's framing are not sent.
        row("SSID with #", 17, "ab#:Pz", Refused);
        row("password with a tab", 18, "ab\tc", Refused);
        row("SSID with a line feed", 17, "ab\nc", Refused);
        row("SSID not ASCII", 19, QStringLiteral("星空"), Refused);
        row("latitude with #", 12, "+35#40", Refused);
        row("offset with #", 13, "+9#", Refused);
        row("longitude with DEL", 11, QStringLiteral("+139\x7f"), Refused);
        // Indexes without a setting.
        row("factory reset", 27, "", Nothing);
        row("outside", 29, "5", Nothing);
        row("negative", -1, "5", Nothing);
    }
    void command() {
        QFETCH(int, index);
        QFETCH(QString, text);
        QFETCH(SetCommand::Kind, kind);
        QFETCH(QString, command);
        const SetCommand built = buildSetCommand(index, text);
        QCOMPARE(built.kind, kind);
        QCOMPARE(built.command, command);
        QCOMPARE(built.reason.isEmpty(), kind != Refused);
    }

    // The reason names the character, so the operator knows what to change.
    void refusalNamesTheCharacter_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("named");
        QTest::newRow("#") << "ab#c"
                           << "#";
        QTest::newRow("tab") << "a\tb"
                             << "U+0009";
        QTest::newRow("line feed") << "a\nb"
                                   << "U+000A";
        QTest::newRow("kanji") << QStringLiteral("天体") << QStringLiteral("天");
        QTest::newRow("full-width space") << QStringLiteral("a\u3000b") << QStringLiteral("\u3000");
        QTest::newRow("outside the basic plane") << QString::fromUtf8(
                                                        "a\xF0\x9F\x94\xAD"
                                                        "b")
                                                 << QString::fromUtf8("\xF0\x9F\x94\xAD");
    }
    void refusalNamesTheCharacter() {
        QFETCH(QString, value);
        QFETCH(QString, named);
        const std::optional<QString> reason = unsendableCharacter(value);
        QVERIFY(reason);
        QVERIFY2(reason->contains(named), qPrintable(*reason));
    }

    // No field text, however hostile, gives a command that carries anything but printable ASCII
    // or a "#" before its end.
    void everyCommandIsOneCleanCommand() {
        const QStringList texts{"",
                                " ",
                                "#",
                                "1#2",
                                ":Pz#",
                                "\x01",
                                "+\t9",
                                "-75*10#:Q#",
                                "99999999999999999999",
                                "1e308",
                                "-1e308",
                                "nan",
                                "inf",
                                "+",
                                "-",
                                "*",
                                "0x10",
                                QString(5000, QLatin1Char('9')),
                                QStringLiteral("+東経")};
        for (int index = -1; index <= 30; ++index) {
            for (const QString& text : texts) {
                const SetCommand built = buildSetCommand(index, text);
                if (built.command.isEmpty()) continue;
                const QString c = built.command;
                QVERIFY2(c.startsWith(QLatin1Char(':')) && c.endsWith(QLatin1Char('#')) &&
                             c.indexOf(QLatin1Char('#')) == c.size() - 1,
                         qPrintable(c));
                for (QChar ch : c)
                    QVERIFY2(ch.unicode() >= 0x20 && ch.unicode() < 0x7F, qPrintable(c));
            }
        }
    }
};

QTEST_GUILESS_MAIN(SetCommandsTest)
#include "tst_set_commands.moc"
