// Every control name the code writes through Controls exists in the window's layout. Writing a
// name that does not exist is a silently skipped step (as the reply parser's default row wants
// for a few indexes), so a misspelt name would be a silent bug: the literal names in the sources,
// the names the tables and lists hold, and the names the parser forms are all checked here. The
// parser's deliberate misses are listed by index.

#include <QDirIterator>
#include <QRegularExpression>
#include <QtTest>

#include "read/ReplyParser.h"
#include "shell/ControlLocking.h"
#include "ui/layout/Form1Layout.h"
#include "ui/window/Form1Events.h"

using namespace qx;

Q_DECLARE_METATYPE(qx::Link)

namespace {

// The string literals of a C++ source, comments left out.
QStringList stringLiterals(const QString& source) {
    QStringList out;
    const qsizetype n = source.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = source[i];
        if (c == u'/' && i + 1 < n && source[i + 1] == u'/') {
            while (i < n && source[i] != u'\n') ++i;
        } else if (c == u'/' && i + 1 < n && source[i + 1] == u'*') {
            i = source.indexOf(QStringLiteral("*/"), i + 2);
            if (i < 0) break;
            ++i;
        } else if (c == u'"' || c == u'\'') {
            QString literal;
            for (++i; i < n && source[i] != c; ++i) {
                if (source[i] == u'\\' && i + 1 < n) literal += source[i++];
                literal += source[i];
            }
            if (c == u'"') out << literal;
        }
    }
    return out;
}

// The names in string literals of the tool's code that look like control names ("Command61",
// "Text1(5)", "Shape3"), with the file that holds each.
QMultiMap<QString, QString> literalControlNames() {
    static const QRegularExpression controlName(QStringLiteral(
        "^(Command|Text|Combo|Shape|Option|Picture|Label|Image|Frame|SSTab)\\d+(\\(\\d+\\))?$"));
    QMultiMap<QString, QString> out;
    const QString root = QStringLiteral(QX_SOURCE_DIR);
    QDirIterator it(root, {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString relative = QDir(root).relativeFilePath(path);
        if (relative.startsWith(QLatin1String("ui/layout/"))) continue;  // where they are made
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) continue;
        for (const QString& literal : stringLiterals(QString::fromUtf8(file.readAll())))
            if (controlName.match(literal).hasMatch()) out.insert(literal, relative);
    }
    return out;
}

// A control of the layout, or a control array of which the layout has an element ("Command6").
bool existsAsControlOrArray(const Controls& controls, const QString& name) {
    if (controls.exists(name)) return true;
    const QString elementPrefix = name + QLatin1Char('(');
    for (const QString& n : controls.names())
        if (n.startsWith(elementPrefix)) return true;
    return false;
}

// Indexes the tool sets before a reply is expected.
QList<int> usedQueryIndexes() {
    QList<int> out;
    for (int i = 1; i <= 38; ++i) out << i;
    return out << 50 << 53 << 55 << 56 << 100;
}

// Replies that drive every step of every rule: a number, both signs, a limit with "*", a
// composite axis reply, the controller model, an address.
const QStringList kProbeReplies{QStringLiteral("1"),          QStringLiteral("-1"),
                                QStringLiteral("+5"),         QStringLiteral("85*"),
                                QStringLiteral("0128"),       QStringLiteral("12000,-1x,a,b,16.0"),
                                QStringLiteral("Kestrana1k"), QStringLiteral("192.168.4.1")};

// What the parser writes, by index: every name it sets, whether the layout has it or not. The
// probe window has the layout's controls plus a text box for every Text1 element the layout
// lacks, so a write to a missing element shows as a change there.
QMap<int, QSet<QString>> parserWrites(Link link) {
    std::vector<ControlDesign> layout = form1Layout();
    Controls real(layout);
    for (int i = -1; i <= 200; ++i) {
        const QString name = element("Text1", i);
        if (real.exists(name)) continue;
        ControlDesign probe;
        probe.name = name;
        probe.kind = ControlKind::TextBox;
        layout.push_back(probe);
    }
    QMap<int, QSet<QString>> out;
    for (const int index : usedQueryIndexes()) {
        for (const QString& reply : kProbeReplies) {
            Controls probe(layout);
            QObject::connect(&probe, &Controls::changed,
                             [&](const QString& name) { out[index].insert(name); });
            parseReply(probe, reply, index, link);
            if (link == Link::Lan) parseCompositeAxis(probe, reply, index);  // text without "#"
        }
    }
    return out;
}

}  // namespace

class ControlNamesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void literalNamesInTheSourcesExist() {
        const Controls controls(form1Layout());
        const QMultiMap<QString, QString> names = literalControlNames();
        QVERIFY(names.size() > 100);  // the scan found the code's names
        QStringList missing;
        for (auto it = names.cbegin(); it != names.cend(); ++it)
            if (!existsAsControlOrArray(controls, it.key()))
                missing << it.key() + QStringLiteral(" in ") + it.value();
        QCOMPARE(missing, QStringList());
    }

    void namesOfTheEventTableAndTheLockedControlsExist() {
        const Controls controls(form1Layout());
        QStringList missing;
        for (const EventRoute& route : form1EventRoutes())
            if (!controls.exists(route.control)) missing << route.control;
        for (const QString& name : settingsControls())
            if (!controls.exists(name)) missing << name;
        QCOMPARE(missing, QStringList());
    }

    // The parser's default row stores a reply in Text1(index - 1); for these indexes that element
    // does not exist, and the reply acts only through the lamps, the mount mode and the axis parse.
    void parserMissesOnlyWhereMeant_data() {
        QTest::addColumn<Link>("link");
        QTest::newRow("serial") << Link::Serial;
        QTest::newRow("LAN") << Link::Lan;
    }
    void parserMissesOnlyWhereMeant() {
        QFETCH(Link, link);
        const QMap<int, QString> deliberate{
            {26, "Text1(25)"}, {27, "Text1(26)"}, {28, "Text1(27)"}, {29, "Text1(28)"},
            {38, "Text1(37)"}, {53, "Text1(52)"}, {55, "Text1(54)"},
        };
        const Controls controls(form1Layout());
        const QMap<int, QSet<QString>> writes = parserWrites(link);
        QMap<int, QString> misses;
        for (auto it = writes.cbegin(); it != writes.cend(); ++it)
            for (const QString& name : it.value())
                if (!controls.exists(name)) misses.insert(it.key(), name);
        QCOMPARE(misses, deliberate);
        QVERIFY(writes.value(53).contains(QStringLiteral("Text1(101)")));  // the probe reaches
        QVERIFY(writes.value(56).contains(QStringLiteral("Picture6")));    // every rule
    }
};

QTEST_GUILESS_MAIN(ControlNamesTest)
#include "tst_control_names.moc"
