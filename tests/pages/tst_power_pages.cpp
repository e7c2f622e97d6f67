#include "control_state.h"
#include "display_families.h"
#include "power_pages.h"
#include "window_rig.h"

#include <QtTest>

namespace {

// Power save: mode 1, time 12, standby 30; power saving (00E1h) is set by each test.
void fillPowerSave(DisplayFamilies& families) {
    families.powerSaveMode = 1;
    families.powerSaveTime = 12;
    families.autoStandbyTime = 30;
}
} // namespace

// Loopback addresses 127.0.0.240 to 127.0.0.241, 127.0.15.1 to 127.0.15.5 and 127.0.20.1 to
// 127.0.20.9 belong to this test.
class PowerPagesTest : public QObject {
    Q_OBJECT

    WindowTestEnvironment env;

private slots:
    void initTestCase() { QVERIFY(env.isValid()); }
    void init() { env.reset(); }

    void powerPages() {
        WindowRig rig("127.0.0.240");
        auto& [fake, model, w] = rig;
        DisplayFamilies families(model);
        families.powerSaveMode = 1;
        families.powerSaveTime = 12;
        families.autoStandbyTime = 30;
        model.powerMode = 4;
        model.setParameter(0x02D8, 5, 50);
        model.setParameter(0x00E1, 1, 1);
        w.ui.stackedWidget->setCurrentIndex(2);
        QVERIFY(w.ui.power_state_label->text().endsWith("> Off"));
        QCOMPARE(w.ui.power_on_delay_horizontalSlider->maximum(), 50);
        QCOMPARE(w.ui.power_on_delay_horizontalSlider->value(), 5);
        QCOMPARE(w.ui.power_on_delay_label->text(), QStringLiteral("5 seconds"));
        w.ui.stackedWidget->setCurrentIndex(3);
        QCOMPARE(fake.connectionCount(), 2); // one frame for each page
        QVERIFY(w.ui.power_saving_mode_enable_radioButton->isChecked());
        QCOMPARE(w.ui.power_save_mode_comboBox->currentData().toUInt(), 1u);
        QCOMPARE(w.ui.power_save_time_spinBox->value(), 12);
        QCOMPARE(w.ui.power_save_time_label->text(), QStringLiteral("Time: 60 seconds"));
        QCOMPARE(w.ui.standby_time_spinBox->value(), 30);
        QCOMPARE(w.ui.standby_time_label->text(), QStringLiteral("Time: 150 seconds"));
        rig.saveShot(QStringLiteral("power_save"));
        // The standby write shows the display's result byte.
        w.ui.standby_time_spinBox->setValue(40);
        rig.page<PowerPages>().standby_time_write_pushButton();
        QCOMPARE(families.autoStandbyTime, 40);
        QCOMPARE(w.ui.power_save_status_lineEdit->text(), QStringLiteral("0 (OK)"));
        QCOMPARE(fake.connectionCount(), 3);
    }

    // A queued entry with a writer of its own runs that writer, not an op-code write.
    void queuedStandbyTimeRunsItsOwnWrite() {
        WindowRig rig("127.0.0.241");
        auto& [fake, model, w] = rig;
        DisplayFamilies families(model);
        PowerPages& power = rig.page<PowerPages>();
        w.ui.standby_time_spinBox->setValue(25);
        w.queue_spinbox_write(w.ui.standby_time_spinBox, 0xFFF1,
                              [&power] { power.standby_time_write_pushButton(); });
        QTRY_COMPARE_WITH_TIMEOUT(families.autoStandbyTime, 25, 3000);
        QCOMPARE(fake.requests().size(), 1);
        QVERIFY(FakeDisplay::typeOf(fake.requests().first()) != 'E');
    }

    // Each control of the power-save page follows its own read: one the display lacks is
    // disabled with the reason and no error; a real failure shows the first one on the status
    // bar (a later success does not clear it); nothing unread keeps a tick.
    void powerSaveRefresh_data() {
        QTest::addColumn<bool>("dummy");
        QTest::addColumn<int>("powerSaving"); // 0 answered, 1 not supported, 2 broken reply
        QTest::addColumn<bool>("standbyFails");
        QTest::addColumn<int>("answered");    // requests the display answers; -1 all
        QTest::addColumn<QString>("enabled"); // radio group, mode, time, standby
        QTest::addColumn<QString>("status");
        QTest::newRow("all answered") << false << 0 << false << -1 << "1111" << QString();
        QTest::newRow("power saving broken") << false << 2 << false << -1 << "0111"
                                             << "(-5002)";
        QTest::newRow("no power saving") << false << 1 << false << -1 << "0111" << QString();
        QTest::newRow("no power saving, then standby fails") << false << 1 << true << -1 << "0110"
                                                             << "(-5002)";
        QTest::newRow("display stops answering") << false << 0 << false << 2 << "1100"
                                                 << "*";
        QTest::newRow("dummy") << true << 0 << false << -1 << "1111"
                               << "(-3003)";
    }
    void powerSaveRefresh() {
        QFETCH(bool, dummy);
        QFETCH(int, powerSaving);
        QFETCH(bool, standbyFails);
        QFETCH(int, answered);
        QFETCH(QString, enabled);
        QFETCH(QString, status);
        WindowRig rig("127.0.15.1");
        auto& [fake, model, w] = rig;
        DisplayFamilies families(model);
        fillPowerSave(families);
        if (powerSaving == 0)
            model.setParameter(0x00E1, 1, 1);
        else if (powerSaving == 2)
            model.failReads(0x00E1);
        if (standbyFails)
            model.addCommand('A', "CA0B04", [](const QByteArray&) { return QByteArray("CB0B"); });
        if (answered >= 0)
            rig.stopAnsweringAfter(answered);
        w.ui.power_save_status_lineEdit->setText(QStringLiteral("old"));
        {
            const QSignalBlocker blocker(w.ui.power_saving_mode_disable_radioButton);
            w.ui.power_saving_mode_disable_radioButton->setChecked(true);
        }
        if (dummy)
            w.ui.communications_interface_widget->set_interface_info(dummyInterface());
        w.ui.stackedWidget->setCurrentIndex(3);
        QCOMPARE(enabledMismatch({w.ui.power_saving_mode_groupBox, w.ui.power_save_mode_comboBox,
                                  w.ui.power_save_time_spinBox, w.ui.standby_time_spinBox},
                                 enabled),
                 QString());
        QCOMPARE(w.ui.power_save_status_lineEdit->text(), QString());
        QCOMPARE(statusMismatch(w.ui.statusBar->currentMessage(), status), QString());
        QCOMPARE(w.ui.power_saving_mode_groupBox->toolTip() == ControlState::unsupported_tip(),
                 powerSaving == 1);
        if (dummy)
            return;
        QCOMPARE(w.ui.power_saving_mode_enable_radioButton->isChecked(), powerSaving == 0);
        QVERIFY(!w.ui.power_saving_mode_disable_radioButton->isChecked());
        QCOMPARE(w.ui.power_save_mode_comboBox->currentData().toUInt(), 1u);
        const bool timeRead = enabled[2] == '1';
        QCOMPARE(w.ui.power_save_time_spinBox->value(), timeRead ? 12 : 0);
        QCOMPARE(w.ui.power_save_time_label->text(),
                 timeRead ? QStringLiteral("Time: 60 seconds") : QString());
        QCOMPARE(w.ui.standby_time_spinBox->value(), enabled[3] == '1' ? 30 : 0);
        if (QTest::currentDataTag() == QLatin1String("no power saving, then standby fails"))
            rig.saveShot(QStringLiteral("power_save_unsupported"));
    }

    // The power page: the state text for each state a display sends; the delay follows its
    // own read, and a display without it shows no error.
    void powerPageRefresh_data() {
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("text"); // the end of the state's text
        QTest::addColumn<int>("delay");    // 0 answered, 1 not supported, 2 broken reply
        QTest::addColumn<QString>("status");
        QTest::newRow("on") << 1 << "  On" << 0 << QString();
        QTest::newRow("standby") << 2 << "Standby" << 0 << QString();
        QTest::newRow("standby (3), no delay") << 3 << "Standby" << 1 << QString();
        QTest::newRow("off, delay broken") << 4 << "> Off" << 2 << "(-5002)";
    }
    void powerPageRefresh() {
        QFETCH(int, state);
        QFETCH(QString, text);
        QFETCH(int, delay);
        QFETCH(QString, status);
        WindowRig rig("127.0.20.1");
        auto& [fake, model, w] = rig;
        model.powerMode = static_cast<unsigned char>(state);
        if (delay == 0)
            model.setParameter(0x02D8, 5, 50);
        else if (delay == 2)
            model.failReads(0x02D8);
        w.ui.power_on_delay_label->setText(QStringLiteral("old"));
        w.ui.stackedWidget->setCurrentIndex(2);
        QVERIFY2(w.ui.power_state_label->text().endsWith(text),
                 qPrintable(w.ui.power_state_label->text()));
        QCOMPARE(w.ui.power_on_delay_horizontalSlider->isEnabled(), delay == 0);
        QCOMPARE(w.ui.power_on_delay_horizontalSlider->toolTip() == ControlState::unsupported_tip(),
                 delay == 1);
        QCOMPARE(w.ui.power_on_delay_label->text(),
                 delay == 0 ? QStringLiteral("5 seconds") : QString());
        QCOMPARE(statusMismatch(w.ui.statusBar->currentMessage(), status), QString());
        if (delay == 1)
            rig.saveShot(QStringLiteral("power_no_delay"));
    }

    // A failed power-state read ends the refresh before the delay is read.
    void powerStateReadFailure() {
        WindowRig rig("127.0.15.2");
        auto& [fake, model, w] = rig;
        model.addCommand('A', "01D6", [](const QByteArray&) { return QByteArray("0200D6"); });
        model.setParameter(0x02D8, 5, 50);
        w.ui.power_state_label->setText(QStringLiteral("old"));
        w.ui.stackedWidget->setCurrentIndex(2);
        QCOMPARE(w.ui.power_state_label->text(), QString());
        QVERIFY(!w.ui.statusBar->currentMessage().isEmpty());
        QCOMPARE(rig.seen(), QStringList{"A01D6"});
    }

    // The buttons show the state the display answers with, not the mode asked for; the
    // delay slider writes once after a burst of moves while its label follows every move.
    void powerButtonsAndDelay() {
        WindowRig rig("127.0.15.3");
        auto& [fake, model, w] = rig;
        model.setParameter(0x02D8, 5, 50);
        w.ui.stackedWidget->setCurrentIndex(2);
        QVERIFY(w.ui.power_state_label->text().endsWith("  On"));
        // This display goes to standby (2) when told to switch off.
        model.addCommand('A', "C203D6", [](const QByteArray&) {
            return QByteArray("00C203D6") + DisplayModel::hex4(2);
        });
        int from = fake.requests().size();
        w.ui.power_off_pushButton->click();
        QCOMPARE(rig.seen(from), QStringList{"AC203D60004"});
        QCOMPARE(w.ui.power_state_label->text(), QStringLiteral("Standby"));
        rig.saveShot(QStringLiteral("power"));

        from = fake.requests().size();
        for (int v : {6, 9, 1})
            w.ui.power_on_delay_horizontalSlider->setValue(v);
        QCOMPARE(w.ui.power_on_delay_label->text(), QStringLiteral("1 second"));
        QTRY_COMPARE_WITH_TIMEOUT(model.parameter(0x02D8).current, 1, 3000);
        QTRY_COMPARE(rig.seen(from), (QStringList{"set 02D8=1", "get 02D8"}));
    }

    // The power-save writes: the mode at once with its own wording, the time 1500 ms after the
    // last change; the radio button toggled on writes its value once.
    void powerSaveWrites() {
        WindowRig rig("127.0.15.4");
        auto& [fake, model, w] = rig;
        DisplayFamilies families(model);
        fillPowerSave(families);
        model.setParameter(0x00E1, 1, 1);
        w.ui.stackedWidget->setCurrentIndex(3);
        QSignalSpy dirty(&w, &ZETQVToolMainWindow::settings_dirty);

        // This display refuses mode changes with result value 1.
        model.addCommand('A', "CA0B01", [](const QByteArray&) { return QByteArray("CB0B0101"); });
        int from = fake.requests().size();
        w.ui.power_save_mode_comboBox->setCurrentIndex(2);
        QCOMPARE(rig.seen(from), QStringList{"ACA0B0102"});
        QCOMPARE(w.ui.power_save_status_lineEdit->text(), QStringLiteral("1 (error)"));
        // The refusal goes back to the mode the display holds and is said as an error.
        QCOMPARE(w.ui.power_save_mode_comboBox->currentData().toUInt(), 1u);
        QVERIFY(w.ui.statusBar->currentMessage().endsWith("(-5008)"));

        from = fake.requests().size();
        w.ui.power_save_time_spinBox->setValue(3);
        w.ui.power_save_time_spinBox->setValue(12);
        QCOMPARE(w.ui.power_save_time_label->text(), QStringLiteral("Time: 60 seconds"));
        QCOMPARE(w.ui.power_save_status_lineEdit->text(), QString());
        QCOMPARE(rig.seen(from), QStringList());
        QTRY_COMPARE_WITH_TIMEOUT(w.ui.power_save_status_lineEdit->text(), QStringLiteral("0 (OK)"),
                                  3000);
        QCOMPARE(rig.seen(from), QStringList{"ACA0B030C"});
        QCOMPARE(families.powerSaveTime, 12);

        // A time the display refuses: its status, and the time it holds again.
        model.addCommand('A', "CA0B03", [](const QByteArray&) { return QByteArray("CB0B0301"); });
        from = fake.requests().size();
        w.ui.power_save_time_spinBox->setValue(20);
        QTRY_COMPARE_WITH_TIMEOUT(w.ui.power_save_status_lineEdit->text(),
                                  QStringLiteral("1 (Error)"), 3000);
        QCOMPARE(rig.seen(from), QStringList{"ACA0B0314"});
        QCOMPARE(w.ui.power_save_time_spinBox->value(), 12);
        QCOMPARE(w.ui.power_save_time_label->text(), QStringLiteral("Time: 60 seconds"));
        QVERIFY(w.ui.statusBar->currentMessage().endsWith("(-5008)"));
        QTest::qWait(1700); // the time put back is not written
        QCOMPARE(rig.seen(from).size(), 1);

        from = fake.requests().size();
        w.ui.power_saving_mode_disable_radioButton->click();
        QCOMPARE(rig.seen(from), (QStringList{"set 00E1=0", "get 00E1"}));
        QCOMPARE(dirty.size(), 1);
    }
};

QTEST_MAIN(PowerPagesTest)
#include "tst_power_pages.moc"
