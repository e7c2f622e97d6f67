#include "control_state.h"
#include "group_fan_pages.h"
#include "window_rig.h"

#include <QtTest>

namespace {
// Three sensors with set temperatures 40, 41, 42 of at most 60, each 20 below at the least.
void fillFans(DisplayModel& model) {
    model.setParameter(0x0278, 1, 3);
    model.setParameter(0x103F, 1, 2);
    model.setParameter(0x027D, 1, 3);
    for (uint n = 0; n < 3; ++n) {
        model.setParameter(0x10E0 + 2 * n, static_cast<unsigned short>(40 + n), 60);
        model.setParameter(0x10E1 + 2 * n, 0, 20);
    }
}

} // namespace

// Loopback addresses 127.0.0.242 to 127.0.0.244 and 127.0.15.50 to 127.0.15.54 belong to this
// test.
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
        rig.saveShot(QStringLiteral("group_id"));
        // Ticking any box writes the mask and reads it back, in a frame of its own.
        QSignalSpy dirty(&w, &ZETQVToolMainWindow::settings_dirty);
        w.ui.group_ID_b_checkBox->setChecked(true);
        QCOMPARE(model.parameter(0x107F).current, 0x207);
        QCOMPARE(fake.connectionCount(), 2);
        w.ui.group_ID_j_checkBox->setChecked(false);
        QCOMPARE(model.parameter(0x107F).current, 0x007);
        QCOMPARE(dirty.size(), 2);
        // A write that fails leaves the groups the display last confirmed.
        model.failNext(1);
        w.ui.group_ID_d_checkBox->setChecked(true);
        QVERIFY(!w.ui.group_ID_d_checkBox->isChecked());
        QVERIFY(w.ui.statusBar->currentMessage().endsWith("(-5004)"));
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

    // The fan page: each read enables its own control (with the dummy interface the sensor and
    // speed lists stay enabled); a sensor is enabled only with its range; a control the
    // display lacks says why without an error; the status bar shows the first failure.
    void coolingFanRefresh_data() {
        QTest::addColumn<bool>("dummy");
        QTest::addColumn<QList<uint>>("broken");
        QTest::addColumn<QList<uint>>("unsupported");
        // sensor, speed, mode, temperature group, sensors 1 to 3
        QTest::addColumn<QString>("enabled");
        QTest::addColumn<QString>("status");
        const QList<uint> none;
        QTest::newRow("all answered") << false << none << none << "1111111" << QString();
        QTest::newRow("speed broken") << false << QList<uint>{0x103F} << none << "1011111"
                                      << "(-5002)";
        QTest::newRow("no fan speed")
            << false << none << QList<uint>{0x103F} << "1011111" << QString();
        QTest::newRow("no fan mode")
            << false << none << QList<uint>{0x027D} << "1101111" << QString();
        QTest::newRow("sensor 1 broken") << false << QList<uint>{0x10E0} << none << "1110000"
                                         << "(-5002)";
        QTest::newRow("sensor 2 range broken") << false << QList<uint>{0x10E3} << none << "1111100"
                                               << "(-5002)";
        QTest::newRow("no sensor 3")
            << false << none << QList<uint>{0x10E4} << "1111110" << QString();
        QTest::newRow("dummy") << true << none << none << "1100000"
                               << "(-3003)";
    }
    void coolingFanRefresh() {
        QFETCH(bool, dummy);
        QFETCH(QList<uint>, broken);
        QFETCH(QList<uint>, unsupported);
        QFETCH(QString, enabled);
        QFETCH(QString, status);
        WindowRig rig("127.0.15.50");
        auto& [fake, model, w] = rig;
        fillFans(model);
        for (uint opcode : broken)
            model.failReads(opcode);
        for (uint opcode : unsupported)
            model.removeParameter(opcode);
        for (QWidget* c : std::initializer_list<QWidget*>{w.ui.cooling_fan_mode_comboBox,
                                                          w.ui.fan_sensor_temp_groupBox})
            c->setEnabled(false);
        if (dummy)
            w.ui.communications_interface_widget->set_interface_info(dummyInterface());
        w.ui.stackedWidget->setCurrentIndex(9);
        const QList<QWidget*> controls = {
            w.ui.cooling_fan_sensor_comboBox,       w.ui.cooling_fan_speed_comboBox,
            w.ui.cooling_fan_mode_comboBox,         w.ui.fan_sensor_temp_groupBox,
            w.ui.fan_sensor1_temp_horizontalSlider, w.ui.fan_sensor2_temp_horizontalSlider,
            w.ui.fan_sensor3_temp_horizontalSlider};
        QCOMPARE(enabledMismatch(controls, enabled), QString());
        QCOMPARE(statusMismatch(w.ui.statusBar->currentMessage(), status), QString());
        const QMap<uint, QWidget*> byOpcode = {{0x103F, w.ui.cooling_fan_speed_comboBox},
                                               {0x027D, w.ui.cooling_fan_mode_comboBox},
                                               {0x10E4, w.ui.fan_sensor3_temp_spinBox}};
        for (uint opcode : unsupported)
            QCOMPARE(byOpcode[opcode]->toolTip(), ControlState::unsupported_tip());
        if (!unsupported.isEmpty() || !broken.isEmpty())
            rig.saveShot(QStringLiteral("cooling_fans_") + QTest::currentDataTag());
        if (dummy || !broken.isEmpty() || !unsupported.isEmpty())
            return;
        QCOMPARE(w.ui.cooling_fan_sensor_comboBox->count(), 3);
        QCOMPARE(w.ui.cooling_fan_mode_comboBox->currentData().toUInt(), 1u);
        QCOMPARE(w.ui.fan_sensor3_temp_horizontalSlider->minimum(), 40);
        QCOMPARE(w.ui.fan_sensor3_temp_spinBox->value(), 42);
        rig.saveShot(QStringLiteral("cooling_fans"));
    }

    // Sensor and mode writes read the page again on their connection; a display that keeps
    // another mode is shown with it. The speed writes alone; a set temperature writes behind.
    void coolingFanWrites() {
        WindowRig rig("127.0.15.51");
        auto& [fake, model, w] = rig;
        fillFans(model);
        w.ui.stackedWidget->setCurrentIndex(9);
        QSignalSpy dirty(&w, &ZETQVToolMainWindow::settings_dirty);
        // This display stays in mode 1 whatever it is told.
        model.addCommand('E', "027D",
                         [](const QByteArray&) { return QByteArray("00027D0000030001"); });
        int from = fake.requests().size();
        w.ui.cooling_fan_mode_comboBox->setCurrentIndex(
            w.ui.cooling_fan_mode_comboBox->findData(2u));
        QStringList seen = rig.seen(from);
        QCOMPARE(seen.mid(0, 3), (QStringList{"set 027D=2", "get 027D", "get 0278"}));
        QCOMPARE(seen.count("set 027D=2") + seen.count("set 027D=1"), 1);
        QCOMPARE(w.ui.cooling_fan_mode_comboBox->currentData().toUInt(), 1u);
        QCOMPARE(fake.connectionCount(), 2);

        from = fake.requests().size();
        w.ui.cooling_fan_speed_comboBox->setCurrentIndex(
            w.ui.cooling_fan_speed_comboBox->findData(2u));
        QCOMPARE(rig.seen(from), (QStringList{"set 103F=2", "get 103F"}));

        from = fake.requests().size();
        for (int v = 50; v <= 55; ++v)
            w.ui.fan_sensor2_temp_horizontalSlider->setValue(v);
        QTRY_COMPARE_WITH_TIMEOUT(model.parameter(0x10E2).current, 55, 3000);
        QTRY_COMPARE(rig.seen(from).mid(0, 3),
                     (QStringList{"set 10E2=55", "get 10E2", "get 0278"}));
        QCOMPARE(dirty.size(), 3);
    }

    // A group mask not read shows no ticks; a display without groups says why, no error.
    void groupReadFailure_data() {
        QTest::addColumn<bool>("broken");
        QTest::addColumn<QString>("status");
        QTest::newRow("broken reply") << true << "(-5002)";
        QTest::newRow("no groups") << false << QString();
    }
    void groupReadFailure() {
        QFETCH(bool, broken);
        QFETCH(QString, status);
        WindowRig rig("127.0.15.52");
        if (broken)
            rig.model.failReads(0x107F);
        {
            const QSignalBlocker blocker(rig.w.ui.group_ID_c_checkBox);
            rig.w.ui.group_ID_c_checkBox->setChecked(true);
        }
        rig.w.ui.stackedWidget->setCurrentIndex(6);
        QVERIFY(!rig.w.ui.group_ID_groupBox->isEnabled());
        QVERIFY(!rig.w.ui.group_ID_c_checkBox->isChecked());
        QCOMPARE(rig.w.ui.group_ID_groupBox->toolTip() == ControlState::unsupported_tip(), !broken);
        QCOMPARE(statusMismatch(rig.w.ui.statusBar->currentMessage(), status), QString());
        QCOMPARE(rig.seen(), QStringList{"get 107F"});
    }
};

QTEST_MAIN(GroupFanPagesTest)
#include "tst_group_fan_pages.moc"
