#include "qxtbasespinbox.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

class QxtBaseSpinBoxTest : public QObject {
    Q_OBJECT

    static QLineEdit* editor(QxtBaseSpinBox& box) { return box.findChild<QLineEdit*>(); }

private slots:
    void startsInBaseTenLowerCase() {
        QxtBaseSpinBox box;
        QCOMPARE(box.base(), 10);
        QVERIFY(!box.isUpperCase());
        QCOMPARE(box.property("base").toInt(), 10);
        QCOMPARE(box.property("upperCase").toBool(), false);
        box.setMaximum(100000);
        box.setValue(42);
        QCOMPARE(box.text(), QStringLiteral("0042"));
    }

    void setBaseClampsAndSignalsOnlyChanges() {
        QxtBaseSpinBox box;
        QSignalSpy spy(&box, &QxtBaseSpinBox::baseChanged);
        box.setBase(40);
        QCOMPARE(box.base(), 36);
        box.setBase(1);
        QCOMPARE(box.base(), 2);
        box.setBase(16);
        box.setBase(16);
        QCOMPARE(box.base(), 16);
        QCOMPARE(spy.size(), 3);
        QCOMPARE(spy.at(0).at(0).toInt(), 36);
        QCOMPARE(spy.at(1).at(0).toInt(), 2);
        QCOMPARE(spy.at(2).at(0).toInt(), 16);
        QVERIFY(box.setProperty("base", 8));
        QCOMPARE(box.base(), 8);
    }

    void changingBaseOrCaseRebuildsText() {
        QxtBaseSpinBox box;
        box.setMaximum(0xFFFF);
        box.setValue(255);
        QCOMPARE(box.text(), QStringLiteral("0255"));
        box.setBase(16);
        QCOMPARE(box.text(), QStringLiteral("00ff"));
        QSignalSpy spy(&box, &QxtBaseSpinBox::baseChanged);
        box.setUpperCase(true);
        QVERIFY(box.isUpperCase());
        QCOMPARE(box.text(), QStringLiteral("00FF"));
        QCOMPARE(spy.size(), 0);
        QCOMPARE(box.value(), 255);
    }

    void valueToText_data() {
        QTest::addColumn<int>("base");
        QTest::addColumn<bool>("upper");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("hex 7") << 16 << true << 7 << "0007";
        QTest::newRow("hex 2A5") << 16 << true << 0x2A5 << "02A5";
        QTest::newRow("hex five digits") << 16 << true << 0x12ABC << "12ABC";
        QTest::newRow("hex lower") << 16 << false << 31 << "001f";
        QTest::newRow("binary 5") << 2 << false << 5 << "0101";
        QTest::newRow("binary wide") << 2 << false << 37 << "100101";
        QTest::newRow("base 36") << 36 << true << 35 << "000Z";
        QTest::newRow("zero") << 16 << true << 0 << "0000";
        QTest::newRow("negative decimal") << 10 << false << -5 << "-0005";
        QTest::newRow("negative hex") << 16 << true << -0x1F << "-001F";
        QTest::newRow("minimum int") << 16 << false << INT_MIN << "-80000000";
    }

    void valueToText() {
        QFETCH(int, base);
        QFETCH(bool, upper);
        QFETCH(int, value);
        QFETCH(QString, text);
        QxtBaseSpinBox box;
        box.setRange(INT_MIN, INT_MAX);
        box.setBase(base);
        box.setUpperCase(upper);
        box.setValue(value);
        QCOMPARE(box.text(), text);
        // What is shown reads back as the same value.
        editor(box)->setText(box.text());
        box.interpretText();
        QCOMPARE(box.value(), value);
    }

    void textToValue_data() {
        QTest::addColumn<int>("base");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("value");
        QTest::newRow("hex upper") << 16 << "2A5" << 0x2A5;
        QTest::newRow("hex lower") << 16 << "2a5" << 0x2A5;
        QTest::newRow("leading zeros") << 16 << "00ff" << 0xFF;
        QTest::newRow("binary") << 2 << "101" << 5;
        QTest::newRow("base 36") << 36 << "z" << 35;
        QTest::newRow("octal") << 8 << "17" << 15;
    }

    void textToValue() {
        QFETCH(int, base);
        QFETCH(QString, typed);
        QFETCH(int, value);
        QxtBaseSpinBox box;
        box.setRange(0, 0xFFFF);
        box.setBase(base);
        box.setValue(1);
        editor(box)->clear();
        QTest::keyClicks(editor(box), typed);
        box.interpretText();
        QCOMPARE(box.value(), value);
    }

    void validate_data() {
        QTest::addColumn<int>("base");
        QTest::addColumn<bool>("upper");
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QString>("input");
        QTest::addColumn<int>("pos");
        QTest::addColumn<int>("state");
        const int invalid = QValidator::Invalid, intermediate = QValidator::Intermediate,
                  acceptable = QValidator::Acceptable;
        QTest::newRow("upper digits") << 16 << true << ""
                                      << "1F" << 2 << acceptable;
        QTest::newRow("lower digits in upper mode") << 16 << true << ""
                                                    << "1f" << 2 << intermediate;
        QTest::newRow("lower mode") << 16 << false << ""
                                    << "1f" << 2 << acceptable;
        QTest::newRow("upper digits in lower mode") << 16 << false << ""
                                                    << "1F" << 2 << intermediate;
        QTest::newRow("digit outside base") << 16 << true << ""
                                            << "1G" << 2 << invalid;
        QTest::newRow("binary 2") << 2 << false << ""
                                  << "102" << 3 << invalid;
        QTest::newRow("empty") << 16 << true << ""
                               << "" << 0 << intermediate;
        QTest::newRow("above maximum") << 16 << true << ""
                                       << "1200" << 4 << intermediate;
        QTest::newRow("at maximum") << 16 << true << ""
                                    << "11FF" << 4 << acceptable;
        QTest::newRow("below minimum") << 16 << true << ""
                                       << "-1" << 2 << intermediate;
        QTest::newRow("decimal only digits") << 10 << false << ""
                                             << "12" << 2 << acceptable;
        QTest::newRow("prefix and digits") << 16 << true << "h"
                                           << "h1F" << 3 << acceptable;
        QTest::newRow("only the prefix") << 16 << true << "h"
                                         << "h" << 1 << intermediate;
        QTest::newRow("cursor inside prefix") << 16 << true << "h"
                                              << "h1F" << 0 << invalid;
    }

    void validate() {
        QFETCH(int, base);
        QFETCH(bool, upper);
        QFETCH(QString, prefix);
        QFETCH(QString, input);
        QFETCH(int, pos);
        QFETCH(int, state);
        QxtBaseSpinBox box;
        box.setRange(0, 0x11FF);
        box.setBase(base);
        box.setUpperCase(upper);
        box.setPrefix(prefix);
        QCOMPARE(int(box.validate(input, pos)), state);
    }

    void fixupTurnsDigitsIntoChosenCase() {
        QxtBaseSpinBox box;
        box.setRange(0, 0x11FF);
        box.setBase(16);
        box.setUpperCase(true);
        box.setPrefix(QStringLiteral("x"));
        QString text = QStringLiteral("x1f");
        box.fixup(text);
        QCOMPARE(text, QStringLiteral("x1F"));
        int pos = text.size();
        QCOMPARE(box.validate(text, pos), QValidator::Acceptable);
        box.setUpperCase(false);
        box.fixup(text);
        QCOMPARE(text, QStringLiteral("x1f"));
    }

    void typingRefusesDigitsOutsideBase() {
        QxtBaseSpinBox box;
        box.setRange(0, 0x11FF);
        box.setBase(16);
        box.setUpperCase(true);
        editor(box)->clear();
        QTest::keyClicks(editor(box), QStringLiteral("2g"));
        QCOMPARE(editor(box)->text(), QStringLiteral("2"));
        // Lower-case digits are taken while typing and shown in upper case once editing ends.
        QTest::keyClicks(editor(box), QStringLiteral("a"));
        QCOMPARE(editor(box)->text(), QStringLiteral("2a"));
        QTest::keyClick(editor(box), Qt::Key_Return);
        QCOMPARE(box.value(), 0x2A);
        QCOMPARE(box.text(), QStringLiteral("002A"));
    }
};

QTEST_MAIN(QxtBaseSpinBoxTest)
#include "tst_qxtbasespinbox.moc"
