#include "hexlistvalidator.h"

#include <QLineEdit>
#include <QtTest>

class HexListValidatorTest : public QObject {
    Q_OBJECT

private slots:
    void states_data() {
        QTest::addColumn<QString>("input");
        QTest::addColumn<int>("state");
        const int invalid = QValidator::Invalid, intermediate = QValidator::Intermediate,
                  acceptable = QValidator::Acceptable;
        QTest::newRow("three bytes") << "01 A2 ff" << acceptable;
        QTest::newRow("one byte") << "FF" << acceptable;
        QTest::newRow("single digit") << "0" << acceptable;
        QTest::newRow("leading zeros") << "00ff" << acceptable;
        QTest::newRow("trailing space") << "01 A2 ff " << intermediate;
        QTest::newRow("leading space") << " 01" << intermediate;
        QTest::newRow("two spaces") << "01  A2" << intermediate;
        QTest::newRow("empty") << "" << intermediate;
        QTest::newRow("only a space") << " " << intermediate;
        QTest::newRow("above a byte") << "100" << invalid;
        QTest::newRow("above a byte later") << "01 A2 100" << invalid;
        QTest::newRow("above a byte after a gap") << "01  100" << invalid;
        QTest::newRow("too long for a number") << "0102030405" << invalid;
        QTest::newRow("too long for a number later") << "01 ffffffffffffffffff" << invalid;
        QTest::newRow("not hex") << "1G" << intermediate;
        QTest::newRow("not hex stops the walk") << "1G 100" << intermediate;
        QTest::newRow("comma") << "01,02" << intermediate;
        QTest::newRow("long and not hex") << "0102030405g" << intermediate;
    }

    void states() {
        QFETCH(QString, input);
        QFETCH(int, state);
        HexListValidator validator;
        int pos = 0;
        QCOMPARE(int(validator.validate(input, pos)), state);
    }

    void lineEditRefusesBytesAboveFF() {
        QLineEdit edit;
        HexListValidator validator(&edit);
        edit.setValidator(&validator);
        QTest::keyClicks(&edit, QStringLiteral("01 a2 100"));
        QCOMPARE(edit.text(), QStringLiteral("01 a2 10"));
        QVERIFY(edit.hasAcceptableInput());
        QTest::keyClicks(&edit, QStringLiteral(" 1G"));
        QCOMPARE(edit.text(), QStringLiteral("01 a2 10 1G"));
        QVERIFY(!edit.hasAcceptableInput());
    }
};

QTEST_MAIN(HexListValidatorTest)
#include "tst_hexlistvalidator.moc"
