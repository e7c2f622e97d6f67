#include "controldefinitions.h"
#include "proof_of_play_report.h"

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
} // namespace

class ProofOfPlayPageTest : public QObject {
    Q_OBJECT

    ControlDefinitions definitions;
    ControlDefinitions withoutAudio;

private slots:
    void initTestCase() {
        loadDefinitions(definitions, true);
        loadDefinitions(withoutAudio, false);
    }

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
};

QTEST_MAIN(ProofOfPlayPageTest)
#include "tst_proof_of_play_page.moc"
