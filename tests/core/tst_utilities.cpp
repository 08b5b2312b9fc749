#include <QtTest>

#include "fakes/TestRig.h"
#include "shell/Utilities.h"
#include "shell/WebPage.h"

using namespace qx;
using namespace qx::test;

class UtilitiesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void statusTexts_data() {
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("text");
        QTest::newRow("success") << 0 << "成功!";
        QTest::newRow("timed out") << 11010 << "Request Timed Out";
        QTest::newRow("host unreachable") << 11003 << "Destination Host Unreachable";
        QTest::newRow("general failure") << 11050 << "General Failure";
        QTest::newRow("gap in the table") << 11019 << "失敗!";
        QTest::newRow("invalid address") << -1 << "失敗!";
    }
    void statusTexts() {
        QFETCH(int, status);
        QFETCH(QString, text);
        QCOMPARE(GetStatusCode(status), text);
    }

    // "WEB" opens the trimmed address, as typed, after "http://".
    void webPageOpens_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("url");
        QTest::newRow("design address after a blank") << " 192.168.1.1"
                                                      << "http://192.168.1.1";
        QTest::newRow("with a port") << "192.168.4.1:8080 "
                                     << "http://192.168.4.1:8080";
        QTest::newRow("host name") << "kestrana-ap"
                                   << "http://kestrana-ap";
        QTest::newRow("dotted host name") << "mount.local"
                                          << "http://mount.local";
        QTest::newRow("host name with a port") << "Mount-2.lan:80"
                                               << "http://Mount-2.lan:80";
    }
    void webPageOpens() {
        QFETCH(QString, typed);
        QFETCH(QString, url);
        TestRig rig;
        rig.controls().setText("Text13", typed);
        openControllerWebPage(*rig.form);
        QCOMPARE(rig.log.of("url"), QStringList{url});
        QCOMPARE(rig.controls().mark("Text13"), QString());
    }

    // Anything but a host with an optional port opens nothing and says why on the address.
    void hostileTextOpensNothing_data() {
        QTest::addColumn<QString>("typed");
        QTest::newRow("empty") << "";
        QTest::newRow("blank inside") << "192.168.1.1 -url evil";
        QTest::newRow("double quote") << "192.168.1.1\"";
        QTest::newRow("single quote") << "'192.168.1.1'";
        QTest::newRow("semicolon") << "192.168.1.1;rm -rf ~";
        QTest::newRow("ampersand") << "192.168.1.1&calc";
        QTest::newRow("command substitution") << "$(reboot)";
        QTest::newRow("back quotes") << "`reboot`";
        QTest::newRow("file scheme") << "file:///etc/passwd";
        QTest::newRow("file without slashes") << "file:passwd";
        QTest::newRow("javascript") << "javascript:alert(1)";
        QTest::newRow("url with a path") << "192.168.1.1/admin";
        QTest::newRow("url with a query") << "192.168.1.1?x=1";
        QTest::newRow("scheme given") << "http://192.168.1.1";
        QTest::newRow("user info") << "admin@192.168.1.1";
        QTest::newRow("three-part address") << "192.168.1";
        QTest::newRow("address part over 255") << "192.168.1.300";
        QTest::newRow("port zero") << "192.168.1.1:0";
        QTest::newRow("port too high") << "192.168.1.1:65536";
        QTest::newRow("empty port") << "192.168.1.1:";
        QTest::newRow("two ports") << "192.168.1.1:80:81";
        QTest::newRow("hyphen first") << "-mount";
        QTest::newRow("empty label") << "mount..local";
        QTest::newRow("underscore") << "my_mount";
        QTest::newRow("not ASCII") << "マウント";
        QTest::newRow("tab inside") << "192.168.1.1\tx";
    }
    void hostileTextOpensNothing() {
        QFETCH(QString, typed);
        TestRig rig;
        rig.controls().setText("Text13", typed);
        openControllerWebPage(*rig.form);
        QVERIFY(rig.log.rows().isEmpty());  // no browser, no process, nothing else
        QVERIFY(!rig.controls().mark("Text13").isEmpty());
        QCOMPARE(controllerPageUrl(typed), std::nullopt);
        // Typing again clears the reason.
        rig.controls().setText("Text13", "192.168.1.1");
        QCOMPARE(rig.controls().mark("Text13"), QString());
    }

    void browserThatDoesNotStartIsReported() {
        TestRig rig;
        rig.desktop.browserStarts = false;
        rig.controls().setText("Text13", "192.168.1.1");
        openControllerWebPage(*rig.form);
        QVERIFY(!rig.controls().mark("Text13").isEmpty());
        rig.desktop.browserStarts = true;
        openControllerWebPage(*rig.form);
        QCOMPARE(rig.controls().mark("Text13"), QString());
    }
};

QTEST_GUILESS_MAIN(UtilitiesTest)
#include "tst_utilities.moc"
