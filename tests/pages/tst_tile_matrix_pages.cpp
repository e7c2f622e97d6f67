#include "control_state.h"
#include "lm_display_array_size_diagram_widget.h"
#include "tile_matrix_pages.h"
#include "window_rig.h"

#include <QtTest>

namespace {
constexpr int kBroken = -1;      // the display answers reads of the op code with a broken reply
constexpr int kUnsupported = -2; // the display does not have the op code

// A value for an op code, a broken reply to its reads, or none.
void answer(DisplayModel& model, uint opcode, int value, int max) {
    if (value == kBroken)
        model.failReads(opcode);
    else if (value != kUnsupported)
        model.setParameter(opcode, static_cast<unsigned short>(value),
                           static_cast<unsigned short>(max));
}

QPoint selection(LM_display_array_size_diagram_widget* diagram) {
    int x = -1, y = -1;
    diagram->getCurrentlySelectedDisplay(x, y);
    return {x, y};
}

// The advanced page's settings: tile comp on, memory per input, frame comp manual with auto
// 1.50 of 2.00 and manual 1.25, v-scan reverse manual, reversed.
void fillAdvanced(DisplayModel& model) {
    model.setParameter(0x02D5, 2, 2);
    model.setParameter(0x104A, 2, 2);
    model.setParameter(0x1101, 3, 3);
    model.setParameter(0x1102, 150, 200);
    model.setParameter(0x1103, 125, 200);
    model.setParameter(0x1104, 3, 3);
    model.setParameter(0x1105, 2, 2);
}
} // namespace

// Loopback addresses 127.0.15.40 to 127.0.15.49 belong to this test.
class TileMatrixPagesTest : public QObject {
    Q_OBJECT

    WindowTestEnvironment env;

private slots:
    void initTestCase() { QVERIFY(env.isValid()); }
    void init() { env.reset(); }

    // Each read of the tile matrix page decides its own controls and none ends the refresh;
    // an unread mode shows no tick, an unread position selects no tile.
    void tileMatrixRefresh_data() {
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QPoint>("selected"); // (1, 1) before the refresh
        QTest::addColumn<QString>("enabled"); // H, V, diagram, group
        QTest::addColumn<bool>("checked");    // ticked before the refresh
        QTest::addColumn<QString>("status");
        const QString all = QStringLiteral("1111");
        const QPoint none(-1, -1);
        QTest::newRow("position 7 of 3 wide")
            << 3 << 3 << 7 << 2 << QPoint(0, 2) << all << true << QString();
        QTest::newRow("position 1") << 4 << 2 << 1 << 2 << QPoint(0, 0) << all << true << QString();
        QTest::newRow("position 0") << 3 << 3 << 0 << 2 << QPoint(1, 1) << all << true << QString();
        QTest::newRow("columns broken")
            << kBroken << 3 << 7 << 2 << QPoint(1, 1) << "0111" << true << "(-5002)";
        QTest::newRow("rows broken")
            << 3 << kBroken << 7 << 2 << QPoint(0, 2) << "1001" << true << "(-5002)";
        QTest::newRow("position broken")
            << 3 << 3 << kBroken << 2 << none << all << true << "(-5002)";
        // Without a mode the group and all it holds are disabled, with no tick it never read;
        // switched off, it is unticked.
        QTest::newRow("mode broken")
            << 3 << 3 << 7 << kBroken << QPoint(0, 2) << "0000" << false << "(-5002)";
        QTest::newRow("no tile matrix")
            << 3 << 3 << 7 << kUnsupported << QPoint(0, 2) << "0000" << false << QString();
        QTest::newRow("switched off")
            << 3 << 3 << 7 << 1 << QPoint(0, 2) << "0001" << false << QString();
    }
    void tileMatrixRefresh() {
        QFETCH(int, columns);
        QFETCH(int, rows);
        QFETCH(int, position);
        QFETCH(int, mode);
        QFETCH(QPoint, selected);
        QFETCH(QString, enabled);
        QFETCH(bool, checked);
        QFETCH(QString, status);
        WindowRig rig("127.0.15.40");
        auto& [fake, model, w] = rig;
        answer(model, 0x02D0, columns, 10);
        answer(model, 0x02D1, rows, 8);
        answer(model, 0x02D2, position, 100);
        answer(model, 0x02D3, mode, 3);
        auto* diagram = w.ui.display_array_size_diagram_widget;
        diagram->setCurrentlySelectedDisplay(1, 1);
        {
            const QSignalBlocker blocker(w.ui.enable_tile_matrix_groupBox);
            w.ui.enable_tile_matrix_groupBox->setChecked(true);
        }
        QSignalSpy toggled(w.ui.enable_tile_matrix_groupBox, &QGroupBox::toggled);
        w.ui.stackedWidget->setCurrentIndex(7);
        QCOMPARE(selection(diagram), selected);
        QCOMPARE(enabledMismatch({w.ui.horizontal_monitors_spinBox, w.ui.vertical_monitors_spinBox,
                                  diagram, w.ui.enable_tile_matrix_groupBox},
                                 enabled),
                 QString());
        QCOMPARE(w.ui.enable_tile_matrix_groupBox->isChecked(), checked);
        QCOMPARE(w.ui.enable_tile_matrix_groupBox->toolTip() == ControlState::unsupported_tip(),
                 mode == kUnsupported);
        if (columns >= 0) {
            QCOMPARE(w.ui.horizontal_monitors_spinBox->maximum(), 10);
            QCOMPARE(w.ui.horizontal_monitors_spinBox->value(), columns);
        }
        QCOMPARE(toggled.size(), 0);
        QCOMPARE(rig.seen(), (QStringList{"get 02D0", "get 02D1", "get 02D2", "get 02D3"}));
        QCOMPARE(statusMismatch(w.ui.statusBar->currentMessage(), status), QString());
        const QString tag = QTest::currentDataTag();
        if (tag == "position 7 of 3 wide")
            rig.saveShot(QStringLiteral("tile_matrix"));
        else if (tag == "mode broken")
            rig.saveShot(QStringLiteral("tile_matrix_mode_broken"));
    }

    // A click writes the position of the cell; the selection moves only when the display took
    // it. A wall-size change selects the display's position again, unless it reports 0 columns.
    void clicksAndWallSize() {
        WindowRig rig("127.0.15.41");
        auto& [fake, model, w] = rig;
        answer(model, 0x02D0, 4, 10);
        answer(model, 0x02D1, 2, 10);
        answer(model, 0x02D2, 1, 100);
        answer(model, 0x02D3, 2, 3);
        w.ui.stackedWidget->setCurrentIndex(7);
        auto* diagram = w.ui.display_array_size_diagram_widget;
        QSignalSpy dirty(&w, &ZETQVToolMainWindow::settings_dirty);
        int from = fake.requests().size();
        emit diagram->clicked(2, 1);
        QCOMPARE(rig.seen(from), (QStringList{"get 02D0", "set 02D2=7"}));
        QCOMPARE(selection(diagram), QPoint(2, 1));
        QCOMPARE(dirty.size(), 1);

        model.addCommand('E', "02D2", [](const QByteArray&) { return QByteArray("00"); });
        emit diagram->clicked(3, 0);
        QCOMPARE(selection(diagram), QPoint(2, 1));
        QVERIFY(w.ui.statusBar->currentMessage().endsWith("(-5002)"));

        from = fake.requests().size();
        w.ui.vertical_monitors_spinBox->setValue(3);
        QCOMPARE(rig.seen(from), (QStringList{"set 02D1=3", "get 02D0", "get 02D2"}));
        QCOMPARE(selection(diagram), QPoint(2, 1)); // position 7 on a wall 4 wide
        QCOMPARE(w.ui.statusBar->currentMessage(), QString());

        // This display keeps 0 columns whatever it is told.
        model.addCommand('E', "02D0",
                         [](const QByteArray&) { return QByteArray("0002D000000A0000"); });
        model.setParameter(0x02D0, 0, 10);
        diagram->setCurrentlySelectedDisplay(1, 0);
        from = fake.requests().size();
        w.ui.horizontal_monitors_spinBox->setValue(5);
        QCOMPARE(rig.seen(from), (QStringList{"set 02D0=5", "get 02D0"}));
        QCOMPARE(selection(diagram), QPoint(1, 0));
        QCOMPARE(dirty.size(), 3);
    }

    // Switching the tile matrix off keeps the frame where the display knows only two modes.
    // A write the display does not take leaves the tick the display holds.
    void switchingOff_data() {
        QTest::addColumn<int>("modeMax");
        QTest::addColumn<QString>("sent");
        QTest::addColumn<bool>("fails");
        QTest::newRow("two modes") << 2 << "set 02D3=1" << false;
        QTest::newRow("three modes") << 3 << "set 02D3=3" << false;
        QTest::newRow("write fails") << 3 << "set 02D3=3" << true;
    }
    void switchingOff() {
        QFETCH(int, modeMax);
        QFETCH(QString, sent);
        QFETCH(bool, fails);
        WindowRig rig("127.0.15.42");
        auto& [fake, model, w] = rig;
        answer(model, 0x02D3, 2, modeMax);
        w.ui.stackedWidget->setCurrentIndex(7);
        if (fails)
            model.addCommand('E', "02D3", [](const QByteArray&) { return QByteArray("00"); });
        const int from = fake.requests().size();
        w.ui.enable_tile_matrix_groupBox->setChecked(false);
        QCOMPARE(rig.seen(from), (QStringList{"get 02D3", sent}));
        QCOMPARE(w.ui.enable_tile_matrix_groupBox->isChecked(), fails);
        QCOMPARE(w.ui.statusBar->currentMessage().isEmpty(), !fails);
        if (fails)
            return;
        w.ui.enable_tile_matrix_groupBox->setChecked(true);
        QCOMPARE(rig.seen(from).last(), QStringLiteral("set 02D3=2"));
    }

    // With the dummy interface the page shows one display; the wall-size spin boxes resize the
    // diagram and a click moves its selection although no display answers.
    void dummyDiagram() {
        WindowRig rig("127.0.15.43");
        auto& w = rig.w;
        w.ui.communications_interface_widget->set_interface_info(dummyInterface());
        auto* diagram = w.ui.display_array_size_diagram_widget;
        diagram->setCurrentlySelectedDisplay(2, 2);
        w.ui.stackedWidget->setCurrentIndex(7);
        QCOMPARE(w.ui.horizontal_monitors_spinBox->maximum(), 10);
        QCOMPARE(w.ui.vertical_monitors_spinBox->value(), 1);
        QCOMPARE(selection(diagram), QPoint(0, 0));
        QVERIFY(w.ui.enable_tile_matrix_groupBox->isEnabled());
        // 400 x 100 pixels: one row of 100-pixel tiles, centred; the fourth tile is at the right.
        diagram->resize(400, 100);
        const QPoint fourthTile(350, 50);
        QTest::mouseClick(diagram, Qt::LeftButton, {}, fourthTile);
        QCOMPARE(selection(diagram), QPoint(0, 0)); // one tile only: the click hit nothing
        w.ui.horizontal_monitors_spinBox->setValue(4);
        QTest::mouseClick(diagram, Qt::LeftButton, {}, fourthTile);
        QCOMPARE(selection(diagram), QPoint(3, 0));
        QCOMPARE(rig.fake.connectionCount(), 0);
    }

    // The advanced page: a failed group read disables its dependent controls only; a control
    // the display lacks says why, without an error.
    void advancedRefresh_data() {
        QTest::addColumn<QList<uint>>("broken");
        QTest::addColumn<QList<uint>>("unsupported");
        // tile comp, memory, frame comp group, auto, manual, v-scan group, v-scan manual
        QTest::addColumn<QString>("enabled");
        QTest::addColumn<QStringList>("notRead");
        QTest::addColumn<QString>("status");
        const QList<uint> none;
        QTest::newRow("all answered") << none << none << "1111111" << QStringList{} << QString();
        QTest::newRow("no frame comp mode") << QList<uint>{0x1101} << none << "1100011"
                                            << QStringList{"get 1102", "get 1103"} << "(-5002)";
        QTest::newRow("no auto value")
            << QList<uint>{0x1102} << none << "1110111" << QStringList{} << "(-5002)";
        QTest::newRow("no v-scan mode")
            << QList<uint>{0x1104} << none << "1111100" << QStringList{"get 1105"} << "(-5002)";
        QTest::newRow("no tile comp, no memory")
            << QList<uint>{0x02D5, 0x104A} << none << "0011111" << QStringList{} << "(-5002)";
        QTest::newRow("without tile comp and frame comp")
            << none << QList<uint>{0x02D5, 0x1101} << "0100011"
            << QStringList{"get 1102", "get 1103"} << QString();
    }
    void advancedRefresh() {
        QFETCH(QList<uint>, broken);
        QFETCH(QList<uint>, unsupported);
        QFETCH(QString, enabled);
        QFETCH(QStringList, notRead);
        QFETCH(QString, status);
        WindowRig rig("127.0.15.44");
        auto& [fake, model, w] = rig;
        fillAdvanced(model);
        for (uint opcode : broken)
            model.failReads(opcode);
        for (uint opcode : unsupported)
            model.removeParameter(opcode);
        {
            const QSignalBlocker blocker(w.ui.use_tile_comp_checkBox);
            w.ui.use_tile_comp_checkBox->setChecked(true);
        }
        w.ui.stackedWidget->setCurrentIndex(8);
        QCOMPARE(
            enabledMismatch({w.ui.use_tile_comp_checkBox, w.ui.tile_matrix_memory_groupBox,
                             w.ui.frame_comp_groupBox, w.ui.frame_comp_auto_value_doubleSpinBox,
                             w.ui.frame_comp_manual_value_doubleSpinBox,
                             w.ui.v_scan_reverse_groupBox, w.ui.v_scan_reverse_manual_comboBox},
                            enabled),
            QString());
        for (const QString& line : notRead)
            QVERIFY(!rig.seen().contains(line));
        for (const QString& line : rig.seen())
            QVERIFY2(!line.startsWith("set"), qPrintable(line));
        QCOMPARE(statusMismatch(w.ui.statusBar->currentMessage(), status), QString());
        const bool tileComp = !broken.contains(0x02D5) && !unsupported.contains(0x02D5);
        QCOMPARE(w.ui.use_tile_comp_checkBox->isChecked(), tileComp);
        QCOMPARE(w.ui.use_tile_comp_checkBox->toolTip() == ControlState::unsupported_tip(),
                 unsupported.contains(0x02D5));
        if (!unsupported.isEmpty())
            rig.saveShot(QStringLiteral("tile_matrix_advanced_unsupported"));
        if (!broken.isEmpty() || !unsupported.isEmpty())
            return;
        QVERIFY(w.ui.use_tile_comp_checkBox->isChecked());
        QCOMPARE(w.ui.tile_matrix_memory_comboBox->currentData().toUInt(), 2u);
        QCOMPARE(w.ui.frame_comp_mode_comboBox->currentData().toUInt(), 3u);
        QCOMPARE(w.ui.frame_comp_auto_value_doubleSpinBox->value(), 1.5);
        QCOMPARE(w.ui.frame_comp_auto_value_doubleSpinBox->maximum(), 2.0);
        QCOMPARE(w.ui.frame_comp_manual_value_doubleSpinBox->value(), 1.25);
        QCOMPARE(w.ui.v_scan_reverse_mode_comboBox->currentData().toUInt(), 3u);
        QCOMPARE(w.ui.v_scan_reverse_manual_comboBox->currentData().toUInt(), 2u);
        rig.saveShot(QStringLiteral("tile_matrix_advanced"));
    }

    // Frame compensation writes 1500 ms after the last change, manual before auto on one
    // connection, in rounded hundredths; then the page is read again.
    void frameCompensation() {
        WindowRig rig("127.0.15.45");
        auto& [fake, model, w] = rig;
        fillAdvanced(model);
        w.ui.stackedWidget->setCurrentIndex(8);
        QSignalSpy dirty(&w, &ZETQVToolMainWindow::settings_dirty);
        int from = fake.requests().size();
        const int connections = fake.connectionCount();
        w.ui.frame_comp_auto_value_doubleSpinBox->setValue(1.0);
        w.ui.frame_comp_manual_value_doubleSpinBox->setValue(1.15);
        QCOMPARE(rig.seen(from), QStringList());
        QTRY_COMPARE_WITH_TIMEOUT(model.parameter(0x1102).current, 100, 3000);
        QCOMPARE(rig.seen(from).mid(0, 3),
                 (QStringList{"set 1103=115", "set 1102=100", "get 02D5"}));
        QCOMPARE(fake.connectionCount(), connections + 2); // the writes, then the page read
        QCOMPARE(dirty.size(), 1);

        // The manual write fails and the auto write succeeds: the failure is reported and
        // nothing counts as changed.
        w.on_save_settings_pushButton_clicked();
        dirty.clear();
        model.failNext(1);
        w.ui.frame_comp_auto_value_doubleSpinBox->setValue(1.5);
        w.ui.frame_comp_manual_value_doubleSpinBox->setValue(1.2);
        QTRY_COMPARE_WITH_TIMEOUT(model.parameter(0x1102).current, 150, 3000);
        QVERIFY(!w.ui.statusBar->currentMessage().isEmpty());
        QVERIFY(!dirty.contains(QVariantList{true}));

        // The display lacks manual frame compensation: the write disables the spin box quietly
        // and nothing counts as changed.
        w.on_save_settings_pushButton_clicked();
        w.ui.statusBar->clearMessage();
        dirty.clear();
        model.removeParameter(0x1103);
        from = fake.requests().size();
        w.ui.frame_comp_manual_value_doubleSpinBox->setValue(1.3);
        QTRY_VERIFY_WITH_TIMEOUT(!w.ui.frame_comp_manual_value_doubleSpinBox->isEnabled(), 3000);
        QCOMPARE(rig.seen(from).value(0), QStringLiteral("set 1103=130"));
        QCOMPARE(w.ui.statusBar->currentMessage(), QString());
        QVERIFY(!dirty.contains(QVariantList{true}));
    }

    // The advanced page's other controls write at once; the mode lists read the page again.
    void advancedWrites() {
        WindowRig rig("127.0.15.46");
        auto& [fake, model, w] = rig;
        fillAdvanced(model);
        w.ui.stackedWidget->setCurrentIndex(8);
        int from = fake.requests().size();
        w.ui.use_tile_comp_checkBox->setChecked(false);
        w.ui.tile_matrix_memory_comboBox->setCurrentIndex(0);
        QCOMPARE(rig.seen(from), (QStringList{"set 02D5=1", "set 104A=1"}));
        // A write that fails leaves what the display holds.
        model.failNext(2);
        w.ui.use_tile_comp_checkBox->setChecked(true);
        w.ui.tile_matrix_memory_comboBox->setCurrentIndex(1);
        QVERIFY(!w.ui.use_tile_comp_checkBox->isChecked());
        QCOMPARE(w.ui.tile_matrix_memory_comboBox->currentData().toUInt(), 1u);
        QVERIFY(w.ui.statusBar->currentMessage().endsWith("(-5004)"));
        from = fake.requests().size();
        w.ui.v_scan_reverse_manual_comboBox->setCurrentIndex(0);
        QStringList seen = rig.seen(from);
        QCOMPARE(seen.mid(0, 2), (QStringList{"set 1105=1", "get 02D5"}));
        // No current item: nothing is sent and the status bar is cleared.
        w.ui.statusBar->showMessage(QStringLiteral("old"));
        from = fake.requests().size();
        w.ui.frame_comp_mode_comboBox->setCurrentIndex(-1);
        QCOMPARE(rig.seen(from).value(0), QStringLiteral("get 02D5"));
        QCOMPARE(w.ui.statusBar->currentMessage(), QString());
    }
};

QTEST_MAIN(TileMatrixPagesTest)
#include "tst_tile_matrix_pages.moc"
