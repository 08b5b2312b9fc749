// Hostile text in the fields: very long texts, control characters, "#" inside values, characters
// outside ASCII. No builder and no send path ever lets out a command with a "#" before its end, a
// control character or a byte outside ASCII; a value that cannot be sent is refused instead.

#include <QtTest>

#include "fakes/CommandChecks.h"
#include "fakes/TestRig.h"
#include "ui/window/Form1Events.h"
#include "write/AxisSettings.h"
#include "write/SetCommands.h"

using namespace qx;
using namespace qx::test;

namespace {

const QStringList& hostileTexts() {
    static const QStringList texts{
        QString(100000, QLatin1Char('9')),
        QStringLiteral("1") + QString(50000, QLatin1Char(' ')) + QStringLiteral("#"),
        QStringLiteral("+35#40"),
        QStringLiteral("#"),
        QStringLiteral("12800#,-1"),
        QStringLiteral(":Q#:Pz#"),
        QStringLiteral("\t12\r\n"),
        QStringLiteral("+\x01\x1b[2J"),
        QStringLiteral("12\x7f"),
        QStringLiteral("-\0"
                       "5"),
        QStringLiteral("日本語"),
        QStringLiteral("１２８００"),  // full-width digits
        QStringLiteral("+139*45\u3000"),
        QStringLiteral("\u00a012"),
        QStringLiteral("é"),
        QStringLiteral("😀"),
        QString(QChar(0xD800)),  // a lone surrogate
        QStringLiteral("+") + QString(30000, QChar(0x00FF)),
    };
    return texts;
}

// Every text box and combo box of the window.
QStringList valueControls(const Controls& c) {
    QStringList out;
    for (const QString& name : c.names()) {
        const ControlKind kind = c.state(name)->design.kind;
        if (kind == ControlKind::TextBox || kind == ControlKind::ComboBox) out << name;
    }
    return out;
}

}  // namespace

class HostileInputTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Each SET button's builder, for every hostile text in its field.
    void setCommands() {
        int refused = 0;
        for (const QString& text : hostileTexts()) {
            for (int index = kFirstSetting; index <= kLastSetting; ++index) {
                const SetCommand built = buildSetCommand(index, text);
                if (built.kind == SetCommand::Kind::Refused) {
                    QVERIFY(!built.reason.isEmpty());
                    ++refused;
                }
                if (built.kind != SetCommand::Kind::Send && built.kind != SetCommand::Kind::Reject)
                    continue;
                const std::optional<QString> fault = commandFault(built.command);
                QVERIFY2(!fault,
                         qPrintable(QStringLiteral("SET %1: %2: %3")
                                        .arg(index)
                                        .arg(fault.value_or(QString()), built.command.left(80))));
            }
        }
        QVERIFY(refused > 0);  // the texts that would carry a bad character are refused
    }

    // The motor gear write's axis command, with hostile texts in each of the three fields.
    void axisSettingsCommands() {
        const AxisTexts sound{QStringLiteral("12800"), QStringLiteral("1"), QStringLiteral("16")};
        for (const QString& text : hostileTexts()) {
            for (int field = 0; field < 3; ++field) {
                AxisTexts texts = sound;
                (field == 0 ? texts.steps : field == 1 ? texts.direction : texts.microsteps) = text;
                for (const GearAxis& axis : {kRaAxis, kDecAxis}) {
                    const std::optional<QString> command = axisSettingsCommand(axis, texts);
                    if (!command) {
                        QVERIFY(!axisRefusals(axis, texts).empty());  // marked with a reason
                        continue;
                    }
                    const std::optional<QString> fault = commandFault(*command);
                    QVERIFY2(!fault, qPrintable(fault.value_or(QString()) + QStringLiteral(": ") +
                                                command->left(80)));
                }
            }
        }
    }

    // Every event of the window, over each link, with every value field holding a hostile text:
    // whatever goes out is a sound command.
    void everySendPath_data() {
        QTest::addColumn<bool>("lan");
        QTest::addColumn<int>("text");
        for (int i = 0; i < hostileTexts().size(); ++i) {
            QTest::addRow("serial, text %d", i) << false << i;
            QTest::addRow("LAN, text %d", i) << true << i;
        }
    }
    void everySendPath() {
        QFETCH(bool, lan);
        QFETCH(int, text);
        TestRig rig;
        Controls& c = rig.controls();
        const QStringList fields = valueControls(c);
        for (const EventRoute& route : form1EventRoutes()) {
            // The link stays the row's, whatever the option buttons' events chose before.
            c.setChecked(lan ? QStringLiteral("Option8") : QStringLiteral("Option7"), true);
            for (const QString& field : fields) c.setText(field, hostileTexts()[text]);
            if (!rig.serial.isOpen()) rig.serial.open();  // for the serial-only buttons too
            route.run(*rig.form);
        }
        const QStringList sent =
            rig.log.of(QStringLiteral("serial")) + rig.log.of(QStringLiteral("lan"));
        QVERIFY(sent.size() > 100);  // the events did send
        for (const QString& command : sent) {
            const std::optional<QString> fault = commandFault(command);
            QVERIFY2(!fault, qPrintable(fault.value_or(QString()) + QStringLiteral(": ") +
                                        command.left(80)));
        }
    }
};

QTEST_GUILESS_MAIN(HostileInputTest)
#include "tst_hostile_input.moc"
