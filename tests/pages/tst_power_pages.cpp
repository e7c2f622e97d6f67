#include "display_families.h"
#include "power_pages.h"
#include "window_rig.h"

#include <QtTest>

// Loopback addresses 127.0.0.240 to 127.0.0.241 belong to this test.
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
};

QTEST_MAIN(PowerPagesTest)
#include "tst_power_pages.moc"
