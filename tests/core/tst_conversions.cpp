#include <QtTest>

#include "read/Conversions.h"

using namespace qx;

class ConversionsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void leadingValue_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("plain") << "5000" << 5000.0;
        QTest::newRow("stops at other char") << "12800,-1x" << 12800.0;
        QTest::newRow("blanks anywhere") << " 1 2 3x" << 123.0;
        QTest::newRow("combo entry") << " 16" << 16.0;
        QTest::newRow("sign and fraction") << "-2.5*" << -2.5;
        QTest::newRow("point first") << ".5" << 0.5;
        QTest::newRow("exponent") << "1.5e3abc" << 1500.0;
        QTest::newRow("dangling exponent") << "12e" << 12.0;
        QTest::newRow("no number") << "abc" << 0.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("sign only") << "-" << 0.0;
    }
    void leadingValue() {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(qx::leadingValue(text), value);
    }

    void wholeValue_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<qint64>("value");
        QTest::newRow("rounds down") << "499.9" << true << qint64(499);
        QTest::newRow("toward minus infinity") << "-3.5" << true << qint64(-4);
        QTest::newRow("blanks around") << " 15.7 " << true << qint64(15);
        QTest::newRow("plus sign") << "+7" << true << qint64(7);
        QTest::newRow("stray character") << "15*" << false << qint64(0);
        QTest::newRow("empty") << "" << false << qint64(0);
        QTest::newRow("blank only") << "  " << false << qint64(0);
        QTest::newRow("not a number") << "inf" << false << qint64(0);
    }
    void wholeValue() {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(qint64, value);
        const std::optional<qint64> v = qx::wholeValue(text);
        QCOMPARE(v.has_value(), ok);
        if (ok) QCOMPARE(*v, value);
    }

    void numberText_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("whole") << 800.0 << "800";
        QTest::newRow("negative") << -15.0 << "-15";
        QTest::newRow("below one") << 0.5 << ".5";
        QTest::newRow("negative below one") << -0.25 << "-.25";
        QTest::newRow("fraction") << 21.5 << "21.5";
        QTest::newRow("fifteen digits") << 1.0 / (1450 * 300 / 1000000.0) << "2.29885057471264";
        QTest::newRow("zero") << 0.0 << "0";
    }
    void numberText() {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(qx::numberText(value), text);
    }

    void trimmedTextRemovesBlanksOnly() {
        QCOMPARE(trimmedText(QStringLiteral("  +35*40 ")), QStringLiteral("+35*40"));
        QCOMPARE(trimmedText(QStringLiteral("\t9 ")), QStringLiteral("\t9"));
    }
};

QTEST_GUILESS_MAIN(ConversionsTest)
#include "tst_conversions.moc"
