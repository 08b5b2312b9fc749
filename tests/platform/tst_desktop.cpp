#include <QCoreApplication>
#include <QTimer>
#include <QtTest>

#include "ui/qt/QtDesktop.h"
#include "ui/qt/QtScheduler.h"

using namespace qx;

class DesktopTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Called from the main event loop, the end of the program leaves that loop, so that main
    // returns and everything is destroyed in order.
    void endProgramLeavesTheMainLoop() {
        QtScheduler scheduler;
        QtDesktop desktop(scheduler);
        bool reachedAfterEnd = false;
        QTimer::singleShot(0, [&] { desktop.endProgram(); });
        QTimer backstop;  // ends the loop should endProgram not; gone with the test
        backstop.setSingleShot(true);
        connect(&backstop, &QTimer::timeout, [&] {
            reachedAfterEnd = true;
            QCoreApplication::exit(1);
        });
        backstop.start(2000);
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(!reachedAfterEnd);
    }
};

QTEST_GUILESS_MAIN(DesktopTest)
#include "tst_desktop.moc"
