#include "group_fan_pages.h"
#include "window_rig.h"

#include <QtTest>

// Loopback addresses 127.0.0.242 to 127.0.0.244 belong to this test.
class GroupFanPagesTest : public QObject {
    Q_OBJECT

    WindowTestEnvironment env;

private slots:
    void initTestCase() { QVERIFY(env.isValid()); }
    void init() { env.reset(); }

    void groupRefreshAndWrite() {
        WindowRig rig("127.0.0.242");
        auto& [fake, model, w] = rig;
        model.setParameter(0x107F, 0x205, 0x3FF);
        QSignalSpy boxes(w.ui.group_ID_a_checkBox, &QCheckBox::stateChanged);
        w.ui.stackedWidget->setCurrentIndex(6);
        QCOMPARE(fake.connectionCount(), 1);
        QVERIFY(w.ui.group_ID_groupBox->isEnabled());
        QVERIFY(w.ui.group_ID_a_checkBox->isChecked());
        QVERIFY(!w.ui.group_ID_b_checkBox->isChecked());
        QVERIFY(w.ui.group_ID_c_checkBox->isChecked());
        QVERIFY(w.ui.group_ID_j_checkBox->isChecked());
        QCOMPARE(boxes.size(), 0); // set with the signals blocked: nothing is written back
        // Ticking any box writes the mask and reads it back, in a frame of its own.
        QSignalSpy dirty(&w, &ZETQVToolMainWindow::settings_dirty);
        w.ui.group_ID_b_checkBox->setChecked(true);
        QCOMPARE(model.parameter(0x107F).current, 0x207);
        QCOMPARE(fake.connectionCount(), 2);
        w.ui.group_ID_j_checkBox->setChecked(false);
        QCOMPARE(model.parameter(0x107F).current, 0x007);
        QCOMPARE(dirty.size(), 2);
    }

    void coolingFanSensorsAreCapped() {
        WindowRig rig("127.0.0.243");
        auto& [fake, model, w] = rig;
        model.setParameter(0x0278, 2, 60000); // a display reporting absurdly many sensors
        model.setParameter(0x103F, 1, 2);
        model.setParameter(0x027D, 1, 3);
        w.ui.stackedWidget->setCurrentIndex(9);
        QCOMPARE(w.ui.cooling_fan_sensor_comboBox->count(), 32);
        QCOMPARE(w.ui.cooling_fan_sensor_comboBox->currentData().toUInt(), 2u);
        QCOMPARE(w.ui.cooling_fan_mode_comboBox->count(), 3);
        QCOMPARE(w.ui.cooling_fan_mode_comboBox->itemData(0).toUInt(), 2u);
        QVERIFY(!w.ui.fan_sensor_temp_groupBox->isEnabled()); // 10E0h is not supported
    }

    // A set temperature written from the queue re-reads the whole page afterwards.
    void setTemperatureWriteRereadsThePage() {
        WindowRig rig("127.0.0.244");
        auto& [fake, model, w] = rig;
        model.setParameter(0x0278, 1, 3);
        model.setParameter(0x10E0, 40, 60);
        model.setParameter(0x10E1, 0, 20);
        w.ui.stackedWidget->setCurrentIndex(9);
        QCOMPARE(w.ui.fan_sensor1_temp_horizontalSlider->value(), 40);
        const int before = fake.connectionCount();
        w.ui.fan_sensor1_temp_horizontalSlider->setValue(45);
        rig.page<GroupFanPages>().queue_fan_temperature(w.ui.fan_sensor1_temp_horizontalSlider,
                                                        0x10E0);
        QTRY_COMPARE_WITH_TIMEOUT(model.parameter(0x10E0).current, 45, 3000);
        // The write's frame, then the page switch's frame of the re-read.
        QTRY_COMPARE(fake.connectionCount(), before + 2);
        QStringList after; // what the display saw from the write on
        for (const QByteArray& r : fake.requests())
            if (!after.isEmpty() || FakeDisplay::typeOf(r) == 'E')
                after << QString::fromLatin1(FakeDisplay::bodyOf(r).left(4));
        QCOMPARE(after.mid(0, 3), (QStringList{"10E0", "10E0", "0278"})); // set, read back, page

    }
};

QTEST_MAIN(GroupFanPagesTest)
#include "tst_group_fan_pages.moc"
