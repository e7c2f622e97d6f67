#include "controldefinitions.h"
#include "display_families.h"
#include "program_globals.h"
#include "proof_of_play_report.h"
#include "result_codes.h"
#include "window_rig.h"

#include <QBuffer>
#include <QtTest>

Q_DECLARE_METATYPE(proof_of_play_log)

namespace {
// Definitions with video input 17 and audio input 1 labelled; `audio` false leaves out the
// audio input op code altogether.
void loadDefinitions(ControlDefinitions& d, bool audio) {
    QByteArray text = "0060,\"Input\",1,1,\"VGA\",17,\"HDMI\"\r\n";
    if (audio)
        text += "022E,\"Audio|Audio Input\",1,1,\"Audio 1\",2,\"Audio 2\"\r\n";
    QBuffer file(&text);
    file.open(QIODevice::ReadOnly);
    int line = 0;
    QCOMPARE(d.read(file, &line), 0);
}

proof_of_play_log entry() {
    proof_of_play_log e;
    e.log_number = 12;
    e.video_input = 17;
    e.h_resolution = 1920;
    e.v_resolution = 1080;
    e.audio_input = 1;
    e.year = 2018;
    e.month = 1;
    e.day = 18;
    e.hour = 9;
    e.minute = 5;
    e.second = 3;
    e.extension = 0x02;
    e.reserved_2 = 7;
    e.reserved_3 = 255;
    return e;
}

// The entry as the display sends it, without its log number: video input 17, 1920 x 1080,
// audio input 1, 18 January 2018 09:05:03, event kind `kind`.
QByteArray wireEntry(int kind) {
    return "11"
           "0780"
           "0438"
           "01"
           "00"
           "00"
           "00"
           "07E2"
           "01"
           "12"
           "09"
           "05"
           "03" +
           DisplayModel::hex2(unsigned(kind)) + "0000";
}

struct PlayRig : WindowRig {
    DisplayFamilies families{model};
    using WindowRig::WindowRig;
    QString status() const { return w.ui.pop_v2_status_lineEdit->text(); }
    // The report as the page's editor holds it.
    QString report() const { return w.ui.proof_of_play_plainTextEdit->toPlainText(); }
    static QString asShown(const QString& text) {
        QPlainTextEdit edit;
        edit.setPlainText(text);
        return edit.toPlainText();
    }
};
} // namespace

// Loopback addresses 127.0.17.50 to 127.0.17.59 belong to this test; nothing listens on .54.
class ProofOfPlayPageTest : public QObject {
    Q_OBJECT

    WindowTestEnvironment env;
    ControlDefinitions definitions;
    ControlDefinitions withoutAudio;

private slots:
    void initTestCase() {
        QVERIFY(env.isValid());
        loadDefinitions(definitions, true);
        loadDefinitions(withoutAudio, false);
    }
    void init() { env.reset(); }

    void reportOfOneEntry() {
        QCOMPARE(eventLogEntryText(entry(), definitions),
                 QStringLiteral("Video Input: 17 [HDMI]\r\n"
                                "log number: 12\r\n"
                                "video resolution: 1920 x 1080\r\n"
                                "audio input: 1 [Audio 1]\r\n"
                                "audio input status: Audio In\r\n"
                                "picture status: Normal Picture\r\n"
                                "audio status: Normal Audio\r\n"
                                "year: 2018 month: 1 day: 18, Time: 09:05:03\r\n"
                                "extension: 0x02 (Power On)\r\n"
                                "reserved_2: 7\r\n"
                                "reserved_3: 255\r\n"));
    }

    // One field changed from entry(): the lines that change, the rest as above.
    void reportLines_data() {
        QTest::addColumn<proof_of_play_log>("e");
        QTest::addColumn<bool>("audioLabels");
        QTest::addColumn<QString>("changed");
        QTest::addColumn<QString>("missing");
        proof_of_play_log e = entry();
        e.video_signal_status = 1;
        QTest::newRow("no signal") << e << true
                                   << "Video Input: 17 [HDMI]\r\nvideo_signal_status: No signal\r\n"
                                      "log number: 12\r\n"
                                   << "";
        e.video_signal_status = 2;
        QTest::newRow("invalid signal")
            << e << true << "\r\nvideo_signal_status: Invalid signal\r\nlog number:"
            << "";
        e = entry();
        e.audio_input_status = e.picture_status = e.audio_status = 1;
        QTest::newRow("nothing in or out")
            << e << true
            << "audio input status: No Audio In\r\npicture status: No Picture\r\n"
               "audio status: No Audio\r\n"
            << "Normal";
        e.audio_input_status = e.picture_status = e.audio_status = 2;
        QTest::newRow("any other status") << e << true << "status: No Audio\r\n"
                                          << "Normal";
        e = entry();
        e.hour = e.minute = e.second = 0;
        QTest::newRow("midnight") << e << true << "day: 18, Time: 00:00:00\r\n"
                                  << "";
        e = entry();
        e.extension = 0;
        QTest::newRow("event kind 0") << e << true << "extension: 0x00 (Normal event)\r\n"
                                      << "";
        e.extension = 0x42;
        QTest::newRow("event kind 42h outside the table")
            << e << true << "extension: 0x42 (Unknown)\r\n"
            << "";
        e.extension = 0x1F;
        QTest::newRow("hex in lower case") << e << true << "extension: 0x1f (Unknown)\r\n"
                                           << "";
        e.extension = 0x41;
        QTest::newRow("last kind of the table")
            << e << true << "extension: 0x41 (Human sensor - cleared)\r\n"
            << "";
        e = entry();
        QTest::newRow("no audio definitions") << e << false << "Video Input: 17 [HDMI]\r\n"
                                              << "[Audio 1]";
        e.video_input = 99;
        QTest::newRow("input without a label") << e << true << "Video Input: 99 []\r\n"
                                               << "";
        e = entry();
        e.log_number = -1; // the display's 32 bits, unsigned
        QTest::newRow("unsigned log number") << e << true << "log number: 4294967295\r\n"
                                             << "";
    }
    void reportLines() {
        QFETCH(proof_of_play_log, e);
        QFETCH(bool, audioLabels);
        QFETCH(QString, changed);
        QFETCH(QString, missing);
        const QString text = eventLogEntryText(e, audioLabels ? definitions : withoutAudio);
        QVERIFY2(text.contains(changed), qPrintable(text));
        if (!missing.isEmpty())
            QVERIFY2(!text.contains(missing), qPrintable(text));
        if (e.video_signal_status == 0)
            QVERIFY(!text.contains("video_signal_status"));
        QVERIFY(text.endsWith(QStringLiteral("reserved_3: 255\r\n")));
        QCOMPARE(text.count("\r\n"), e.video_signal_status == 0 ? 11 : 12);
    }

    void rangeText() {
        proof_of_play_log entries[2] = {entry(), entry()};
        entries[1].log_number = 13;
        const QString one = eventLogEntryText(entries[0], definitions);
        const QString two = eventLogEntryText(entries[1], definitions);
        QCOMPARE(ProofOfPlayText::range(7, entries, 2, definitions),
                 "Logs read: 2\r\nLog #7\r\n" + one + "\r\nLog #8\r\n" + two + "\r\n");
        QCOMPARE(ProofOfPlayText::range(7, entries, 0, definitions),
                 QStringLiteral("Logs read: 0\r\n"));
    }

    void statusText_data() {
        QTest::addColumn<int>("error");
        QTest::addColumn<int>("current");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::newRow("no error, stopped") << 0 << 0 << "Error status: 0 (No error)\r\n"
                                           << "Current Proof Of Play status: 0 (Stopped)\r\n";
        QTest::newRow("memory full, started") << 1 << 1 << "Error status: 1 (Memory Full)\r\n"
                                              << "Current Proof Of Play status: 1 (Started)\r\n";
        QTest::newRow("other error, other") << 2 << 2 << "Error status: 2 (Other error)\r\n"
                                            << "Current Proof Of Play status: 2 (Other)\r\n";
        QTest::newRow("values outside the lists") << 5 << 9 << "Error status: 5 \r\n"
                                                  << "Current Proof Of Play status: 9 \r\n";
    }
    void statusText() {
        QFETCH(int, error);
        QFETCH(int, current);
        QFETCH(QString, first);
        QFETCH(QString, last);
        QCOMPARE(ProofOfPlayText::status(error, 40, 3000, current),
                 first + "Total number of logs: 40\r\nMaximum number of logs: 3000\r\n" + last);
    }

    // Start, stop and clear show the reply status; status 2 says the display already was so,
    // a refusal shows as an error. The report of the last read stays.
    void modeButtons_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("recording");
        QTest::addColumn<bool>("logged");
        QTest::addColumn<QByteArray>("refusal"); // the display's reply to any mode change
        QTest::addColumn<QString>("line");
        QTest::newRow("start") << "start" << 0 << true << QByteArray() << "0 (OK)";
        QTest::newRow("start, already started")
            << "start" << 1 << true << QByteArray() << "2 (Already started)";
        QTest::newRow("stop") << "stop" << 1 << true << QByteArray() << "0 (OK)";
        QTest::newRow("stop, already stopped")
            << "stop" << 0 << true << QByteArray() << "2 (Already stopped)";
        QTest::newRow("clear") << "clear" << 1 << true << QByteArray() << "0 (OK)";
        QTest::newRow("clear, already cleared")
            << "clear" << 1 << false << QByteArray() << "2 (Already cleared)";
        QTest::newRow("clear, refused")
            << "clear" << 1 << true << QByteArray("CB150001") << "1 (Error)";
    }
    void modeButtons() {
        QFETCH(QString, button);
        QFETCH(int, recording);
        QFETCH(bool, logged);
        QFETCH(QByteArray, refusal);
        QFETCH(QString, line);
        PlayRig rig("127.0.17.50");
        rig.families.proofOfPlayMode = static_cast<unsigned char>(recording);
        if (logged)
            rig.families.proofOfPlayLog = {wireEntry(2)};
        if (!refusal.isEmpty())
            rig.model.addCommand('A', "CA1500", [refusal](const QByteArray&) { return refusal; });
        rig.w.ui.proof_of_play_plainTextEdit->setPlainText(QStringLiteral("last read"));
        rig.w.findChild<QPushButton*>(QStringLiteral("proof_of_playV2_%1_pushButton").arg(button))
            ->click();
        QCOMPARE(rig.status(), line);
        QCOMPARE(rig.report(), QStringLiteral("last read"));
        QVERIFY(rig.w.ui.statusBar->currentMessage().isEmpty());
    }

    // The reads: the newest entry, a range by number and the status, each as report text
    // with its reply status; a status other than 0 leaves the report empty, except the status
    // read-out, which is always shown.
    void reads() {
        PlayRig rig("127.0.17.51");
        auto& ui = rig.w.ui;
        rig.showPage(25);
        // An empty log (as after Clear Logs): the display answers with a status alone, which
        // is no failure.
        ui.proof_of_play_plainTextEdit->setPlainText(QStringLiteral("last read"));
        ui.proof_of_playV2_get_current_pushButton->click();
        QCOMPARE(rig.status(), QStringLiteral("1 (Error)"));
        QCOMPARE(rig.report(), QString());
        QVERIFY(ui.statusBar->currentMessage().isEmpty());
        rig.saveShot(QStringLiteral("proof_of_play_no_entry"));

        rig.families.proofOfPlayLog = {wireEntry(0), wireEntry(0x10), wireEntry(0x42)};
        ui.proof_of_playV2_get_current_pushButton->click();
        proof_of_play_log newest = entry();
        newest.log_number = 3;
        newest.extension = 0x42;
        newest.reserved_2 = newest.reserved_3 = 0;
        QCOMPARE(rig.status(), QStringLiteral("0 (OK)"));
        QCOMPARE(rig.report(), PlayRig::asShown(eventLogEntryText(newest) + "\r\n"));
        QVERIFY(rig.report().startsWith(QStringLiteral("Video Input: 17 [HDMI]")));

        // From 3 to 3: one entry, headed by its number.
        ui.proof_of_playV2_from_spinBox->setValue(3);
        ui.proof_of_playV2_to_spinBox->setValue(3);
        ui.proof_of_playV2_get_number_to_number_pushButton->click();
        QCOMPARE(rig.report(), PlayRig::asShown("Logs read: 1\r\nLog #3\r\n" +
                                                eventLogEntryText(newest) + "\r\n"));
        // From 2 to 6 of three: only the entries read.
        ui.proof_of_playV2_from_spinBox->setValue(2);
        ui.proof_of_playV2_to_spinBox->setValue(6);
        ui.proof_of_playV2_get_number_to_number_pushButton->click();
        QVERIFY(rig.report().startsWith(QStringLiteral("Logs read: 2\nLog #2\n")));
        QVERIFY(rig.report().contains(QStringLiteral("\nLog #3\n")));
        QVERIFY(rig.report().contains(QStringLiteral("extension: 0x10 (Media Player Stopped)")));
        QCOMPARE(rig.status(), QStringLiteral("0 (OK)"));
        rig.saveShot(QStringLiteral("proof_of_play"));

        rig.families.proofOfPlayError = 5;
        rig.families.proofOfPlayMode = 1;
        ui.proof_of_playV2_get_status_pushButton->click();
        QCOMPARE(rig.report(), PlayRig::asShown("Error status: 5 \r\nTotal number of logs: 3\r\n"
                                                "Maximum number of logs: 3000\r\n"
                                                "Current Proof Of Play status: 1 (Started)\r\n"));
        QCOMPARE(rig.status(), QStringLiteral("5 (Error)"));
        QVERIFY(ui.statusBar->currentMessage().isEmpty());

        // A failed exchange writes nothing to the page and shows on the status bar.
        rig.model.failNext(1);
        ui.proof_of_playV2_get_status_pushButton->click();
        QCOMPARE(rig.report(), QString());
        QCOMPARE(rig.status(), QString());
        QVERIFY(ui.statusBar->currentMessage().contains(QString::number(ResultCode::BadChecksum)));

        // An entry with status 3: the status, no report.
        rig.model.addCommand('A', "CA1501", [](const QByteArray&) {
            return "CB150103" + DisplayModel::hex4(1) + wireEntry(0);
        });
        ui.proof_of_playV2_get_current_pushButton->click();
        QCOMPARE(rig.status(), QStringLiteral("3 (Error)"));
        QCOMPARE(rig.report(), QString());
        QVERIFY(ui.statusBar->currentMessage().isEmpty());
        // Status 0 without its entry is still a broken reply.
        rig.model.addCommand('A', "CA1501", [](const QByteArray&) { return "CB150100"; });
        ui.proof_of_playV2_get_current_pushButton->click();
        QCOMPARE(rig.status(), QString());
        QVERIFY(
            ui.statusBar->currentMessage().contains(QString::number(ResultCode::ReplyTooShort)));
    }

    // A press whose link does not open leaves no answer from before: the status line is
    // emptied, and a read's report too; a mode change leaves the report it did not replace.
    void linkDownLeavesNoEarlierAnswer_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("read");
        QTest::newRow("start") << "start" << false;
        QTest::newRow("stop") << "stop" << false;
        QTest::newRow("clear") << "clear" << false;
        QTest::newRow("get current") << "get_current" << true;
        QTest::newRow("get status") << "get_status" << true;
        QTest::newRow("get # to #") << "get_number_to_number" << true;
    }
    void linkDownLeavesNoEarlierAnswer() {
        QFETCH(QString, button);
        QFETCH(bool, read);
        PlayRig rig("127.0.17.53");
        rig.w.ui.communications_interface_widget->set_interface_info(lanInterface("127.0.17.54"));
        rig.w.ui.pop_v2_status_lineEdit->setText(QStringLiteral("0 (OK)"));
        rig.w.ui.proof_of_play_plainTextEdit->setPlainText(QStringLiteral("last read"));
        rig.w.findChild<QPushButton*>(QStringLiteral("proof_of_playV2_%1_pushButton").arg(button))
            ->click();
        QCOMPARE(env.boxTexts.size(), 1); // the link did not open
        QCOMPARE(rig.status(), QString());
        QCOMPARE(rig.report(), read ? QString() : QStringLiteral("last read"));
    }

    // A range whose "To" is below its "From" reads nothing and says so, without a link.
    void rangeToBelowFrom() {
        PlayRig rig("127.0.17.52");
        rig.w.ui.pop_v2_status_lineEdit->setText(QStringLiteral("0 (OK)"));
        rig.w.ui.statusBar->showMessage(QStringLiteral("an earlier failure"));
        rig.w.ui.proof_of_playV2_from_spinBox->setValue(5);
        rig.w.ui.proof_of_playV2_to_spinBox->setValue(3);
        rig.w.ui.proof_of_playV2_get_number_to_number_pushButton->click();
        QCOMPARE(rig.fake.connectionCount(), 0);
        QCOMPARE(rig.status(), QString());
        QCOMPARE(rig.report(), QStringLiteral("Nothing read: \"To\" (3) is below \"From\" (5)."));
        QVERIFY(rig.w.ui.statusBar->currentMessage().isEmpty());
    }
};

QTEST_MAIN(ProofOfPlayPageTest)
#include "tst_proof_of_play_page.moc"
