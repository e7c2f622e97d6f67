#include "ir_codes.h"
#include "ir_remote_page.h"
#include "opcodes.h"
#include "result_codes.h"
#include "window_rig.h"

#include <QtTest>

namespace {
QPushButton* key(ZETQVToolMainWindow& w, const char* name) {
    return w.findChild<QPushButton*>(QStringLiteral("ir_remote_%1_pushButton").arg(name));
}
} // namespace

// Loopback addresses 127.0.17.30 to 127.0.17.39 and 127.0.27.70 to 127.0.27.79 belong to this
// test.
class IrRemotePageTest : public QObject {
    Q_OBJECT

    QVCommProtocol_retry* engine = new QVCommProtocol_retry;
    PauseRecorder clock{*engine, 20};
    WindowTestEnvironment env{engine};

private slots:
    void initTestCase() { QVERIFY(env.isValid()); }
    void init() { env.reset(); }

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

    // Every key button of the page has its code: clicked, each is sent at once ("Send
    // Immediately" is on) and added to the sequence; "Wait 1s" sends nothing and pauses.
    void keysToCodesOnTheWire() {
        WindowRig rig("127.0.17.30");
        auto& [fake, model, w] = rig;
        w.ui.stackedWidget->setCurrentIndex(11);
        QVERIFY(w.ui.ir_remote_send_immediately_checkBox->isChecked());
        QStringList buttons;
        for (QPushButton* b : w.ui.ir_remote->findChildren<QPushButton*>())
            if (b != w.ui.ir_remote_sendsequence_pushButton)
                buttons << b->objectName();
        QStringList keyed;
        for (const IrCodes::Key& k : IrCodes::keys())
            keyed << IrCodes::button_name(k);
        buttons.sort();
        keyed.sort();
        QCOMPARE(keyed, buttons);
        QCOMPARE(buttons.size(), 65);

        QList<unsigned short> codes;
        QStringList text;
        for (const IrCodes::Key& k : IrCodes::keys()) {
            if (k.code == 0)
                continue;
            key(w, k.name)->click();
            codes << k.code;
            text << QStringLiteral("%1").arg(k.code, 2, 16, QLatin1Char('0')).toUpper();
        }
        QCOMPARE(model.irCodes, codes);
        QCOMPARE(w.ui.ir_remote_code_lineEdit->text(), text.join(' '));
        // Nothing on the page shows that a key went out: the status bar says so.
        QCOMPARE(w.ui.statusBar->currentMessage(), "IR code " + text.last() + " sent.");
        rig.saveShot(QStringLiteral("ir_remote"));

        // The remote's own numbering, where it is easy to get wrong.
        const QList<QPair<const char*, QList<unsigned short>>> spots = {
            {"1", {0x08}},   {"9", {0x10}},     {"0", {0x12}},     {"hyphen", {0x44}},
            {"ent", {0x45}}, {"ypbpr", {0x31}}, {"dvdhd", {0x31}}, {"wait1s", {}}};
        for (const auto& spot : spots) {
            model.irCodes.clear();
            clock.pauses.clear();
            key(w, spot.first)->click();
            QCOMPARE(model.irCodes, spot.second);
            QCOMPARE(clock.pauses, spot.second.isEmpty() ? sliced({1000}) : QList<int>{200});
        }
        QVERIFY(w.ui.ir_remote_code_lineEdit->text().endsWith(" 08 10 12 44 45 31 31 00"));
    }

    // A typed sequence goes out in one connection, normalised; 00 pauses a second and sends
    // nothing; a failing code ends the sequence and shows on the status bar. A sequence whose
    // pauses take a second runs under the progress dialog, a step a code; one that went out
    // says so on the status bar.
    void sendSequence_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("failAt");
        QTest::addColumn<QList<unsigned short>>("sent");
        QTest::addColumn<QList<int>>("pauses");
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("steps"); // shown in the progress dialog; 0: no dialog
        QTest::addColumn<QString>("status");
        QTest::newRow("codes around a pause")
            << "8 00 0a" << -1 << QList<unsigned short>{8, 10} << QList<int>{200, 1000, 200}
            << "08 00 0A" << 3 << "IR codes 08 00 0A sent.";
        QTest::newRow("a pause alone") << "00" << -1 << QList<unsigned short>{} << QList<int>{1000}
                                       << "00" << 1 << "IR code 00 sent.";
        QTest::newRow("five codes: a second of pauses")
            << "08 09 0A 0B 0C" << -1 << QList<unsigned short>{8, 9, 10, 11, 12}
            << QList<int>{200, 200, 200, 200, 200} << "08 09 0A 0B 0C" << 5
            << "IR codes 08 09 0A 0B 0C sent.";
        QTest::newRow("two codes pass in a moment")
            << "08 09" << -1 << QList<unsigned short>{8, 9} << QList<int>{200, 200} << "08 09" << 0
            << "IR codes 08 09 sent.";
        QTest::newRow("the second code fails: the third is not sent")
            << "08 09 0A" << 1 << QList<unsigned short>{8, 9} << QList<int>{200, 200} << "08 09 0A"
            << 0 << "(-5004)";
    }
    void sendSequence() {
        QFETCH(QString, typed);
        QFETCH(int, failAt);
        QFETCH(QList<unsigned short>, sent);
        QFETCH(QList<int>, pauses);
        QFETCH(QString, after);
        QFETCH(int, steps);
        QFETCH(QString, status);
        WindowRig rig("127.0.17.31");
        auto& [fake, model, w] = rig;
        rig.showPage(11);
        int index = 0;
        fake.setHandler([&](const QByteArray& request) {
            FakeReply reply = model.answer(request);
            if (index++ == failAt)
                reply.bytes[reply.bytes.size() - 2] = char(reply.bytes[reply.bytes.size() - 2] ^ 1);
            return reply;
        });
        w.ui.ir_remote_code_lineEdit->setText(typed);
        QVERIFY(w.ui.ir_remote_sendsequence_pushButton->isEnabled());
        clock.pauses.clear();
        const int connections = fake.connectionCount();
        ShownProgress shown(steps == 5 ? QStringLiteral("ir_remote_sending") : QString());
        w.ui.ir_remote_sendsequence_pushButton->click();
        QCOMPARE(fake.connectionCount(), connections + 1);
        QCOMPARE(model.irCodes, sent);
        QCOMPARE(clock.pauses, sliced(pauses));
        QCOMPARE(w.ui.ir_remote_code_lineEdit->text(), after);
        QCOMPARE(shown.label.isEmpty(), steps == 0);
        if (steps != 0) {
            QCOMPARE(shown.label, QStringLiteral("Sending the IR codes to the display..."));
            QCOMPARE(shown.steps(), steps);
        }
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY2(w.ui.statusBar->currentMessage().endsWith(status),
                 qPrintable(w.ui.statusBar->currentMessage()));
        if (steps == 5)
            rig.saveShot(QStringLiteral("ir_remote_sent"));
    }

    // "Send Sequence" follows the validator: two spaces in a row, a trailing space or an empty
    // text disable it until the text is mended.
    void sendSequenceFollowsTheText() {
        ZETQVToolMainWindow w;
        QPushButton* send = w.ui.ir_remote_sendsequence_pushButton;
        for (const char* bad : {"08  09", "08 ", ""}) {
            w.ui.ir_remote_code_lineEdit->setText(QStringLiteral("08"));
            QVERIFY(send->isEnabled());
            w.ui.ir_remote_code_lineEdit->setText(QLatin1String(bad));
            QVERIFY2(!send->isEnabled(), bad);
        }
    }

    // The keyboard presses the keypad while page 11 is shown, and only then.
    void shortcutsOnlyOnTheIrPage() {
        WindowRig rig("127.0.17.32");
        auto& [fake, model, w] = rig;
        w.ui.ir_remote_send_immediately_checkBox->setChecked(false);
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        for (int page : {11, 0}) {
            w.ui.stackedWidget->setCurrentIndex(page);
            w.ui.save_settings_pushButton->setFocus();
            QTest::keyClick(&w, Qt::Key_1);
            QTest::keyClick(&w, Qt::Key_2);
            QTest::keyClick(&w, Qt::Key_Period);
            QTest::keyClick(&w, Qt::Key_Minus);
            QTest::keyClick(&w, Qt::Key_Plus);
            QTest::keyClick(&w, Qt::Key_Enter, Qt::KeypadModifier);
            QTRY_COMPARE(w.ui.ir_remote_code_lineEdit->text(), QStringLiteral("08 09 44 21 22 45"));
        }
        QVERIFY(model.irCodes.isEmpty());
    }

    // The page shows the display's IR control mode; a write that the display answers with
    // another mode leaves the list on that mode, with no second write.
    void irControlMode() {
        WindowRig rig("127.0.17.33");
        auto& [fake, model, w] = rig;
        model.setParameter(OpCode::IrControl, 2, 4);
        w.ui.stackedWidget->setCurrentIndex(11);
        QVERIFY(w.ui.ir_control_comboBox->isEnabled());
        QCOMPARE(w.ui.ir_control_comboBox->currentData().toInt(), 2);
        QCOMPARE(rig.setRequests("023F"), 0);
        // This display locks to "Secondary" whatever it is asked.
        model.addCommand('E', "023F", [&model](const QByteArray&) {
            model.setParameter(OpCode::IrControl, 3, 4);
            return QByteArray("00023F0000040003");
        });
        w.ui.ir_control_comboBox->setCurrentIndex(w.ui.ir_control_comboBox->findData(4));
        QCOMPARE(rig.setRequests("023F"), 1);
        QCOMPARE(w.ui.ir_control_comboBox->currentData().toInt(), 3);
        QCOMPARE(w.ui.ir_control_comboBox->currentText(), QStringLiteral("Secondary"));
        // A write that fails puts the list back on the mode the display reported.
        model.failNext(1);
        w.ui.ir_control_comboBox->setCurrentIndex(w.ui.ir_control_comboBox->findData(1));
        QCOMPARE(w.ui.ir_control_comboBox->currentData().toInt(), 3);
        QVERIFY(w.ui.statusBar->currentMessage().endsWith(
            QStringLiteral("(%1)").arg(ResultCode::BadChecksum)));
    }

    // A read that fails disables the list, with no mode that looks read; a display without the
    // op code says so in the list's tool tip and nothing on the status bar, any other failure
    // goes there. The next read that works brings the list back with its own tool tip.
    void irControlModeUnread_data() {
        QTest::addColumn<QByteArray>("reply"); // to a read of 023F; empty: none
        QTest::addColumn<bool>("unsupported");
        QTest::addColumn<int>("status");
        QTest::newRow("not supported") << QByteArray("01023F0000000000") << true << 0;
        QTest::newRow("no reply") << QByteArray() << false << ResultCode::NoReply;
    }
    void irControlModeUnread() {
        QFETCH(QByteArray, reply);
        QFETCH(bool, unsupported);
        QFETCH(int, status);
        WindowRig rig("127.0.27.70");
        auto& [fake, model, w] = rig;
        QComboBox* mode = w.ui.ir_control_comboBox;
        const QString ownTip = mode->toolTip();
        model.setParameter(OpCode::IrControl, 2, 4);
        w.ui.stackedWidget->setCurrentIndex(11);
        QVERIFY(mode->isEnabled());
        model.addCommand('C', "023F", [reply](const QByteArray&) { return reply; });
        w.on_reload_settings_pushButton_clicked();
        QVERIFY(!mode->isEnabled());
        QCOMPARE(mode->toolTip(),
                 unsupported ? QStringLiteral("Not supported by this display.") : ownTip);
        QCOMPARE(w.ui.statusBar->currentMessage().isEmpty(), status == 0);
        if (status != 0)
            QVERIFY(w.ui.statusBar->currentMessage().endsWith(QStringLiteral("(%1)").arg(status)));
        rig.saveShot(QStringLiteral("ir_remote_") + QTest::currentDataTag());
        model.addCommand('C', "023F",
                         [](const QByteArray&) { return QByteArray("00023F0000040002"); });
        w.on_reload_settings_pushButton_clicked();
        QVERIFY(mode->isEnabled());
        QCOMPARE(mode->toolTip(), ownTip);
        QCOMPARE(mode->currentData().toInt(), 2);
        QVERIFY(w.ui.statusBar->currentMessage().isEmpty());
    }
};

QTEST_MAIN(IrRemotePageTest)
#include "tst_ir_remote_page.moc"
