#include "command_pages.h"
#include "display_families.h"
#include "result_codes.h"
#include "transfer_display.h"
#include "tv_channel_text.h"
#include "window_rig.h"

#include <QtTest>

// Loopback addresses 127.0.16.30 to 127.0.16.39 and 127.0.27.30 to 127.0.27.39 belong to this
// test.

// Nothing listens here: a link that does not open.
const QString kUnanswered = QStringLiteral("127.0.16.39");

namespace {
QList<QByteArray> bodies(const FakeDisplay& fake) {
    return TransferDisplay::bodies(fake.requests());
}

QByteArray nullMessage(const QByteArray&) {
    return "BE";
}

} // namespace

class CommandPagesTest : public QObject {
    Q_OBJECT

    WindowTestEnvironment env;

private slots:
    void initTestCase() { QVERIFY(env.isValid()); }
    void init() { env.reset(); }

    void tvChannelText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("channel"); // "major-minor" as parsed; empty: no channel
        QTest::newRow("major and minor") << "5-1"
                                         << "5-1";
        QTest::newRow("the form's blanks") << " 12-3 "
                                           << "12-3";
        QTest::newRow("leading zeros") << "0007-09"
                                       << "7-9";
        QTest::newRow("widest") << "2147483647-65535"
                                << "2147483647-65535";
        QTest::newRow("no dash") << "51"
                                 << "";
        QTest::newRow("two dashes") << "5-1-2"
                                    << "";
        QTest::newRow("no major") << "-1"
                                  << "";
        QTest::newRow("no minor") << "5-"
                                  << "";
        QTest::newRow("letters") << "5a-1"
                                 << "";
        QTest::newRow("sign") << "+5-1"
                              << "";
        QTest::newRow("major too large") << "2147483648-1"
                                         << "";
        QTest::newRow("minor too large") << "5-65536"
                                         << "";
        QTest::newRow("far too large") << "5-99999999999999999999999"
                                       << "";
        QTest::newRow("empty") << ""
                               << "";
    }
    void tvChannelText() {
        QFETCH(QString, text);
        QFETCH(QString, channel);
        const std::optional<TvChannel> parsed = parse_tv_channel(text);
        QCOMPARE(parsed ? tv_channel_text(parsed->major, parsed->minor) : QString(), channel);
    }
    void tvChannelPage() {
        WindowRig rig("127.0.16.30");
        auto& [fake, model, w] = rig;
        DisplayFamilies families(model);
        families.tvMajor = 7;
        families.tvMinor = 2;
        w.ui.stackedWidget->setCurrentIndex(20);
        QCOMPARE(w.ui.tv_chnnel_lineEdit->text(), QStringLiteral("7-2"));
        rig.saveShot(QStringLiteral("tv_channel"));
        w.ui.tv_chnnel_lineEdit->setText(QStringLiteral("5-1"));
        w.ui.set_tv_channel_pushButton->click();
        QCOMPARE(bodies(fake).last(), QByteArray("C22D000000050001"));
        QCOMPARE(families.tvMajor, 5u);
        QCOMPARE(int(families.tvMinor), 1);
        QCOMPARE(w.ui.tv_chnnel_lineEdit->text(), QStringLiteral("5-1"));
        // A channel without its minor number: nothing goes out, and the status bar says why.
        const int connections = fake.connectionCount();
        w.ui.tv_chnnel_lineEdit->setText(QStringLiteral("12-"));
        w.ui.set_tv_channel_pushButton->click();
        QCOMPARE(fake.connectionCount(), connections);
        QCOMPARE(w.ui.statusBar->currentMessage(),
                 QStringLiteral("Enter the channel as major-minor, for example 5-1. (-2105)"));
        rig.saveShot(QStringLiteral("tv_channel_refused"));
        QCOMPARE(families.tvMajor, 5u);
    }

    void firmwareVersion() {
        WindowRig rig("127.0.16.31");
        auto& [fake, model, w] = rig;
        model.firmwareVersions = {"R1.234"};
        w.ui.stackedWidget->setCurrentIndex(18);
        QCOMPARE(bodies(fake), QList<QByteArray>{"CA0200"});
        QCOMPARE(w.ui.get_frimwareversion_command_lineEdit->text(), QStringLiteral("R1.234"));
        rig.saveShot(QStringLiteral("firmware_version"));
        // An index the display does not know: the field is emptied, the error shown.
        w.ui.get_frimwareversion_command_spinBox->setValue(1);
        w.ui.get_frimwareversion_command_pushButton->click();
        QCOMPARE(bodies(fake).last(), QByteArray("CA0201"));
        QCOMPARE(w.ui.get_frimwareversion_command_lineEdit->text(), QString());
        QVERIFY(!w.ui.statusBar->currentMessage().isEmpty());
    }

    // The older LAN MAC command is asked only when the newer one fails, and its code counts.
    void lanMacFallback() {
        WindowRig rig("127.0.16.32");
        auto& [fake, model, w] = rig;
        DisplayFamilies families(model);
        w.ui.stackedWidget->setCurrentIndex(19);
        QCOMPARE(bodies(fake), QList<QByteArray>{"C22A02"});
        QCOMPARE(w.ui.get_LAN_MAC_addres_lineEdit->text(), QStringLiteral("00-11-22-33-44-AA"));
        model.addCommand('A', "C22A02", nullMessage);
        fake.clearRequests();
        w.ui.get_LAN_MAC_addres_lineEdit->clear();
        w.ui.get_LAN_MAC_addres_pushButton->click();
        QCOMPARE(bodies(fake), QList<QByteArray>({"C22A02", "C22000"}));
        QCOMPARE(w.ui.get_LAN_MAC_addres_lineEdit->text(), QStringLiteral("00-11-22-33-44-AA"));
        QCOMPARE(w.ui.statusBar->currentMessage(), QString());
        rig.saveShot(QStringLiteral("lan_mac_address"));
    }

    void assetTagWriteThenReadBack() {
        WindowRig rig("127.0.16.33");
        auto& [fake, model, w] = rig;
        TransferDisplay transfer;
        transfer.attach(model);
        CommandPages& page = rig.page<CommandPages>();
        w.ui.status_asset_tag_lineEdit->setText(QStringLiteral("Lobby wall 3"));
        w.ui.status_asset_tag_lineEdit->setReadOnly(true);
        {
            // The write and its read-back pause 1.3 s: under the progress dialog.
            ShownProgress shown;
            page.on_status_asset_update_pushButton_clicked();
            QCOMPARE(shown.label, QStringLiteral("Writing the asset tag to the display..."));
        }
        QCOMPARE(w.ui.statusBar->currentMessage(),
                 QStringLiteral("Asset tag written to the display."));
        QCOMPARE(transfer.asset, QByteArray("Lobby wall 3").leftJustified(64, '\0'));
        QCOMPARE(w.ui.status_asset_tag_lineEdit->text(), QStringLiteral("Lobby wall 3"));
        QVERIFY(!w.ui.status_asset_tag_lineEdit->isReadOnly());
        QVERIFY(w.ui.status_asset_update_pushButton->isEnabled());
        // A write that fails is not read back: the tag keeps what was entered, and the next
        // Update sends it.
        model.failNext(1);
        fake.clearRequests();
        w.ui.status_asset_tag_lineEdit->setText(QStringLiteral("Foyer"));
        page.on_status_asset_update_pushButton_clicked();
        QCOMPARE(bodies(fake).size(), 1);
        QCOMPARE(w.ui.status_asset_tag_lineEdit->text(), QStringLiteral("Foyer"));
        QVERIFY(w.ui.statusBar->currentMessage().endsWith(QStringLiteral("(-5004)")));
        page.on_status_asset_update_pushButton_clicked();
        QCOMPARE(transfer.asset, QByteArray("Foyer").leftJustified(64, '\0'));
        // A tag in Latin-1 is stored byte for byte; one with a character beyond it is refused,
        // naming the character, and nothing is sent.
        w.ui.status_asset_tag_lineEdit->setText(QStringLiteral("Caf\u00E9"));
        page.on_status_asset_update_pushButton_clicked();
        QCOMPARE(transfer.asset, QByteArray("Caf\xE9").leftJustified(64, '\0'));
        fake.clearRequests();
        w.ui.status_asset_tag_lineEdit->setText(QStringLiteral("Caf\u00E9 \u0151"));
        page.on_status_asset_update_pushButton_clicked();
        QVERIFY(bodies(fake).isEmpty());
        QVERIFY(w.ui.statusBar->currentMessage().startsWith(
            QStringLiteral("The asset tag holds \"\u0151\" (U+0151)")));
        QVERIFY(w.ui.statusBar->currentMessage().endsWith(QStringLiteral("(-2105)")));
        QCOMPARE(transfer.asset, QByteArray("Caf\xE9").leftJustified(64, '\0'));
    }

    // A read against a display that stops answering empties what it would show, and Set
    // sends no channel that was not read; a channel the display does not take stays as
    // entered, and the next Set sends it.
    void failedReadLeavesNothingShown_data() {
        QTest::addColumn<int>("page");
        QTest::newRow("firmware version") << 18;
        QTest::newRow("LAN MAC address") << 19;
        QTest::newRow("TV channel") << 20;
    }
    void failedReadLeavesNothingShown() {
        QFETCH(int, page);
        WindowRig rig("127.0.27.30");
        auto& [fake, model, w] = rig;
        DisplayFamilies families(model);
        model.firmwareVersions = {"R1.234"};
        families.tvMajor = 7;
        families.tvMinor = 2;
        rig.showPage(page);
        QList<QWidget*> senders;
        if (page == 20)
            senders << w.ui.set_tv_channel_pushButton;
        QCOMPARE(rig.silentReadFault({w.ui.get_frimwareversion_command_spinBox}, senders),
                 QString());
        if (page != 20)
            return;
        QCOMPARE(w.ui.tv_chnnel_lineEdit->text(), QStringLiteral("7-2"));
        model.failNext(1);
        w.ui.tv_chnnel_lineEdit->setText(QStringLiteral("5-1"));
        w.ui.set_tv_channel_pushButton->click();
        QCOMPARE(w.ui.tv_chnnel_lineEdit->text(), QStringLiteral("5-1"));
        w.ui.set_tv_channel_pushButton->click();
        QCOMPARE(bodies(fake).last(), QByteArray("C22D000000050001"));
        QCOMPARE(families.tvMajor, 5u);
    }

    // A Set that fails keeps the channel entered, not the one the display reported; the
    // failure shows as ever, and the next Set sends what was entered.
    void tvChannelSetKeepsWhatWasEntered_data() {
        QTest::addColumn<WriteFault>("fault");
        QTest::addColumn<QString>("status"); // as statusMismatch takes it
        QTest::newRow("link down") << WriteFault::LinkDown << "(-3005)";
        QTest::newRow("no reply") << WriteFault::NoReply << "(-3003)";
        // The null message: the display does not take the channel.
        QTest::newRow("refused") << WriteFault::Refused << "(-5007)";
    }
    void tvChannelSetKeepsWhatWasEntered() {
        QFETCH(WriteFault, fault);
        QFETCH(QString, status);
        WindowRig rig("127.0.16.35");
        auto& [fake, model, w] = rig;
        DisplayFamilies families(model);
        families.tvMajor = 7;
        families.tvMinor = 2;
        w.ui.stackedWidget->setCurrentIndex(20);
        QCOMPARE(w.ui.tv_chnnel_lineEdit->text(), QStringLiteral("7-2"));
        w.ui.tv_chnnel_lineEdit->setText(QStringLiteral("5-1"));

        rig.failWrites(fault, kUnanswered, "C22D", nullMessage);
        w.ui.set_tv_channel_pushButton->click();
        QCOMPARE(w.ui.tv_chnnel_lineEdit->text(), QStringLiteral("5-1"));
        QCOMPARE(statusMismatch(w.ui.statusBar->currentMessage(), status), QString());
        QCOMPARE(env.boxTexts.size(), fault == WriteFault::LinkDown ? 1 : 0);
        QCOMPARE(families.tvMajor, 7u);

        rig.answerAgain();
        const int from = fake.requests().size();
        w.ui.set_tv_channel_pushButton->click();
        QCOMPARE(bodies(fake).mid(from), QList<QByteArray>{"C22D000000050001"});
        QCOMPARE(families.tvMajor, 5u);
        QCOMPARE(int(families.tvMinor), 1);
        QCOMPARE(w.ui.tv_chnnel_lineEdit->text(), QStringLiteral("5-1"));
        QCOMPARE(w.ui.statusBar->currentMessage(), QString());
    }

    // An Update that fails keeps the tag entered, not the one the display confirmed; the
    // failure shows as ever, and the next Update sends what was entered.
    void assetTagUpdateKeepsWhatWasEntered_data() {
        QTest::addColumn<WriteFault>("fault");
        QTest::addColumn<QString>("status"); // as statusMismatch takes it
        QTest::newRow("link down") << WriteFault::LinkDown << "(-3005)";
        QTest::newRow("no reply") << WriteFault::NoReply << "(-3003)";
        // The display's result byte is not 0.
        QTest::newRow("refused") << WriteFault::Refused << "*";
    }
    void assetTagUpdateKeepsWhatWasEntered() {
        QFETCH(WriteFault, fault);
        QFETCH(QString, status);
        WindowRig rig("127.0.16.36");
        auto& [fake, model, w] = rig;
        TransferDisplay transfer;
        transfer.attach(model);
        CommandPages& page = rig.page<CommandPages>();
        const QByteArray confirmed = QByteArray("Lobby wall 3").leftJustified(64, '\0');
        w.ui.status_asset_tag_lineEdit->setText(QStringLiteral("Lobby wall 3"));
        page.on_status_asset_update_pushButton_clicked();
        QCOMPARE(transfer.asset, confirmed);
        w.ui.status_asset_tag_lineEdit->setText(QStringLiteral("Foyer"));

        if (fault == WriteFault::NoReply)
            rig.stopAnsweringAfter(0); // a silent display would hold each chunk for 6 s
        else
            rig.failWrites(fault, kUnanswered, "C00E",
                           [](const QByteArray& body) { return "01" + body; });
        page.on_status_asset_update_pushButton_clicked();
        QCOMPARE(w.ui.status_asset_tag_lineEdit->text(), QStringLiteral("Foyer"));
        QCOMPARE(statusMismatch(w.ui.statusBar->currentMessage(), status), QString());
        QCOMPARE(env.boxTexts.size(), fault == WriteFault::LinkDown ? 1 : 0);
        QCOMPARE(transfer.asset, confirmed);

        rig.answerAgain();
        const int from = fake.requests().size();
        page.on_status_asset_update_pushButton_clicked();
        QCOMPARE(bodies(fake).at(from), "C00E00" + QByteArray("Foyer").leftJustified(32, '\0'));
        QCOMPARE(transfer.asset, QByteArray("Foyer").leftJustified(64, '\0'));
        QCOMPARE(w.ui.status_asset_tag_lineEdit->text(), QStringLiteral("Foyer"));
        QCOMPARE(w.ui.statusBar->currentMessage(),
                 QStringLiteral("Asset tag written to the display."));
    }

    // Nothing on the page changes: the status bar says that the display took the mode, and
    // only then.
    void operatingMode() {
        WindowRig rig("127.0.16.34");
        auto& [fake, model, w] = rig;
        rig.showPage(33);
        w.ui.mode_expert_pushButton->click();
        QCOMPARE(bodies(fake), QList<QByteArray>{"C01102"});
        QCOMPARE(int(model.inputMode), 2);
        QCOMPARE(w.ui.statusBar->currentMessage(),
                 QStringLiteral("The display switched to Expert mode."));
        rig.saveShot(QStringLiteral("operating_mode"));
        w.ui.mode_normal_pushButton->click();
        QCOMPARE(bodies(fake).last(), QByteArray("C01100"));
        QCOMPARE(int(model.inputMode), 0);
        QCOMPARE(w.ui.statusBar->currentMessage(),
                 QStringLiteral("The display switched to Normal mode."));
        model.failNext(1);
        w.ui.mode_expert_pushButton->click();
        QVERIFY2(
            w.ui.statusBar->currentMessage().contains(QString::number(ResultCode::BadChecksum)),
            qPrintable(w.ui.statusBar->currentMessage()));
    }

    // A display that answers a mode change with a non-zero result, or with a mode other than
    // the one asked for, refused it: the status bar shows the refusal, not the confirmation.
    void refusedModeChangeIsNotConfirmed_data() {
        QTest::addColumn<bool>("expert");
        QTest::addColumn<int>("displayResult");
        QTest::newRow("expert, result byte 01") << true << 1;
        QTest::newRow("normal, result 00 but still in expert mode") << false << 0;
    }
    void refusedModeChangeIsNotConfirmed() {
        QFETCH(bool, expert);
        QFETCH(int, displayResult);
        WindowRig rig("127.0.16.37");
        auto& [fake, model, w] = rig;
        const unsigned char asked = expert ? 2 : 0;
        model.inputMode = expert ? 0 : 2;
        model.refuseMode(asked, static_cast<unsigned char>(displayResult));
        rig.showPage(33);
        (expert ? w.ui.mode_expert_pushButton : w.ui.mode_normal_pushButton)->click();
        QCOMPARE(bodies(fake), QList<QByteArray>{"C011" + DisplayModel::hex2(asked)});
        QCOMPARE(int(model.inputMode), expert ? 0 : 2);
        const QString shown = w.ui.statusBar->currentMessage();
        QVERIFY2(shown.contains(QString::number(ResultCode::ReplyError)) &&
                     !shown.contains(QStringLiteral("switched")),
                 qPrintable(shown));
    }
};

QTEST_MAIN(CommandPagesTest)
#include "tst_command_pages.moc"
