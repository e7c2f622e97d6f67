#include "ir_codes.h"

#include <QtTest>

// Loopback addresses 127.0.17.30 to 127.0.17.39 belong to this test.
class IrRemotePageTest : public QObject {
    Q_OBJECT

private slots:
    void appendKey_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("result");
        QTest::newRow("empty: no leading space") << "" << 0x08 << "08";
        QTest::newRow("one space between") << "08 09" << 0x45 << "08 09 45";
        QTest::newRow("a trailing space is kept, not doubled") << "08 " << 0x0A << "08 0A";
        QTest::newRow("upper case, two digits") << "" << 0xAB << "AB";
    }
    void appendKey() {
        QFETCH(QString, text);
        QFETCH(int, code);
        QFETCH(QString, result);
        QCOMPARE(IrCodes::append(text, static_cast<unsigned char>(code)), result);
    }

    void parseSequence_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<unsigned char>>("codes");
        QTest::addColumn<QString>("normalised");
        QTest::newRow("short and lower-case codes")
            << "8 0a 12" << QList<unsigned char>{0x08, 0x0A, 0x12} << "08 0A 12";
        QTest::newRow("runs of spaces count as one")
            << "  08   00 45 " << QList<unsigned char>{0x08, 0x00, 0x45} << "08 00 45";
        QTest::newRow("a part that is no hex number is passed over")
            << "08 zz 09" << QList<unsigned char>{0x08, 0x09} << "08 09";
        QTest::newRow("nothing") << "" << QList<unsigned char>{} << "";
    }
    void parseSequence() {
        QFETCH(QString, text);
        QFETCH(QList<unsigned char>, codes);
        QFETCH(QString, normalised);
        const IrCodes::Sequence s = IrCodes::parse(text);
        QCOMPARE(s.codes, codes);
        QCOMPARE(s.text, normalised);
    }
};

QTEST_MAIN(IrRemotePageTest)
#include "tst_ir_remote_page.moc"
