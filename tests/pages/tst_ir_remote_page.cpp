#include "ir_codes.h"
#include "ir_remote_page.h"
#include "result_codes.h"
#include "window_rig.h"

#include <QtTest>

namespace {
// The keypad as the display's remote defines it: button name, key code.
const QList<QPair<const char*, int>> kKeypad = {
    {"power", 0x03},
    {"standby", 0x4E},
    {"poweron", 0x52},
    {"volplus", 0x17},
    {"chplus", 0x33},
    {"guide", 0x34},
    {"volminus", 0x16},
    {"chminus", 0x32},
    {"mute", 0x1B},
    {"dvi", 0x2D},
    {"displayport", 0x55},
    {"vga", 0x04},
    {"ypbpr", 0x31},
    {"hdmi", 0x42},
    {"dvdhd", 0x31},
    {"video", 0x06},
    {"rgbhv", 0x2E},
    {"svideo", 0x54},
    {"option", 0x39},
    {"dvi1", 0x65},
    {"dvi2", 0x5B},
    {"hdmi1", 0x64},
    {"hdmi2", 0x58},
    {"hdmi3", 0x59},
    {"hdmi4", 0x5A},
    {"media_player", 0x68},
    {"compute_module", 0x69},
    {"picturemode", 0x1D},
    {"sound", 0x43},
    {"audio_input", 0x1E},
    {"option_menu", 0x56},
    {"imageflip", 0x57},
    {"aspect", 0x29},
    {"active_picture", 0x5F},
    {"preset1", 0x5C},
    {"preset2", 0x5D},
    {"preset3", 0x5E},
    {"1", 0x08},
    {"2", 0x09},
    {"3", 0x0A},
    {"4", 0x0B},
    {"5", 0x0C},
    {"6", 0x0D},
    {"7", 0x0E},
    {"8", 0x0F},
    {"9", 0x10},
    {"hyphen", 0x44},
    {"0", 0x12},
    {"ent", 0x45},
    {"display", 0x19},
    {"uparrow", 0x15},
    {"menu", 0x20},
    {"minus", 0x21},
    {"set", 0x23},
    {"plus", 0x22},
    {"auto_setup", 0x1C},
    {"downarrow", 0x14},
    {"exit", 0x1F},
    {"multipicture_onoff", 0x24},
    {"multipicture_mode", 0x63},
    {"multipicture_change", 0x26},
    {"multipicture_pictureaspect", 0x62},
    {"multipicture_rotate", 0x60},
    {"multipicture_rotateall", 0x61},
};

QPushButton* key(ZETQVToolMainWindow& w, const char* name) {
    return w.findChild<QPushButton*>(QStringLiteral("ir_remote_%1_pushButton").arg(name));
}
} // namespace

// Loopback addresses 127.0.17.30 to 127.0.17.39 belong to this test.
class IrRemotePageTest : public QObject {
    Q_OBJECT

    ShortPausesRetry* engine = new ShortPausesRetry(20);
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

    // Every key button sends its code at once ("Send Immediately" is on) and adds it to the
    // sequence; "Wait 1s" sends nothing.
    void keysToCodesOnTheWire() {
        WindowRig rig("127.0.17.30");
        auto& [fake, model, w] = rig;
        w.ui.stackedWidget->setCurrentIndex(11);
        QVERIFY(w.ui.ir_remote_send_immediately_checkBox->isChecked());
        QList<unsigned short> codes;
        QStringList text;
        for (const auto& k : kKeypad) {
            QPushButton* button = key(w, k.first);
            QVERIFY2(button, k.first);
            button->click();
            codes << static_cast<unsigned short>(k.second);
            text << QStringLiteral("%1").arg(k.second, 2, 16, QLatin1Char('0')).toUpper();
        }
        QCOMPARE(model.irCodes, codes);
        QCOMPARE(w.ui.ir_remote_code_lineEdit->text(), text.join(' '));
        const int connections = fake.connectionCount();
        engine->pauses.clear();
        key(w, "wait1s")->click();
        QCOMPARE(model.irCodes, codes);
        QCOMPARE(fake.connectionCount(), connections + 1);
        QCOMPARE(engine->pauses, QList<int>{1000});
        QVERIFY(w.ui.ir_remote_code_lineEdit->text().endsWith(" 61 00"));
        QVERIFY(w.ui.statusBar->currentMessage().isEmpty());
        rig.saveShot(QStringLiteral("ir_remote"));
    }

    // A typed sequence goes out in one connection, normalised; 00 pauses a second and sends
    // nothing; a failing code ends the sequence and shows on the status bar.
    void sendSequence_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("failAt");
        QTest::addColumn<QList<unsigned short>>("sent");
        QTest::addColumn<QList<int>>("pauses");
        QTest::addColumn<QString>("after");
        QTest::newRow("codes around a pause") << "8 00 0a" << -1 << QList<unsigned short>{8, 10}
                                              << QList<int>{200, 1000, 200} << "08 00 0A";
        QTest::newRow("a pause alone")
            << "00" << -1 << QList<unsigned short>{} << QList<int>{1000} << "00";
        QTest::newRow("the second code fails: the third is not sent")
            << "08 09 0A" << 1 << QList<unsigned short>{8, 9} << QList<int>{200, 200} << "08 09 0A";
    }
    void sendSequence() {
        QFETCH(QString, typed);
        QFETCH(int, failAt);
        QFETCH(QList<unsigned short>, sent);
        QFETCH(QList<int>, pauses);
        QFETCH(QString, after);
        WindowRig rig("127.0.17.31");
        auto& [fake, model, w] = rig;
        int index = 0;
        fake.setHandler([&](const QByteArray& request) {
            FakeReply reply = model.answer(request);
            if (index++ == failAt)
                reply.bytes[reply.bytes.size() - 2] = char(reply.bytes[reply.bytes.size() - 2] ^ 1);
            return reply;
        });
        w.ui.ir_remote_code_lineEdit->setText(typed);
        QVERIFY(w.ui.ir_remote_sendsequence_pushButton->isEnabled());
        engine->pauses.clear();
        w.ui.ir_remote_sendsequence_pushButton->click();
        QCOMPARE(fake.connectionCount(), 1);
        QCOMPARE(model.irCodes, sent);
        QCOMPARE(engine->pauses, pauses);
        QCOMPARE(w.ui.ir_remote_code_lineEdit->text(), after);
        QCOMPARE(
            w.ui.statusBar->currentMessage().contains(QString::number(ResultCode::BadChecksum)),
            failAt >= 0);
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
        model.setParameter(IrRemotePage::IrControlOpcode, 2, 4);
        w.ui.stackedWidget->setCurrentIndex(11);
        QVERIFY(w.ui.ir_control_comboBox->isEnabled());
        QCOMPARE(w.ui.ir_control_comboBox->currentData().toInt(), 2);
        QCOMPARE(rig.setRequests("023F"), 0);
        // This display locks to "Secondary" whatever it is asked.
        model.addCommand('E', "023F", [&model](const QByteArray&) {
            model.setParameter(IrRemotePage::IrControlOpcode, 3, 4);
            return QByteArray("00023F0000040003");
        });
        w.ui.ir_control_comboBox->setCurrentIndex(w.ui.ir_control_comboBox->findData(4));
        QCOMPARE(rig.setRequests("023F"), 1);
        QCOMPARE(w.ui.ir_control_comboBox->currentData().toInt(), 3);
        QCOMPARE(w.ui.ir_control_comboBox->currentText(), QStringLiteral("Secondary"));
        // A display without the op code: the list is disabled.
        model.addCommand('C', "023F",
                         [](const QByteArray&) { return QByteArray("01023F0000000000"); });
        w.on_reload_settings_pushButton_clicked();
        QVERIFY(!w.ui.ir_control_comboBox->isEnabled());
    }
};

QTEST_MAIN(IrRemotePageTest)
#include "tst_ir_remote_page.moc"
