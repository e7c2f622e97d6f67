#include "control_state.h"
#include "picture_pages.h"
#include "window_rig.h"

#include <QtTest>

#include <algorithm>

namespace {
using Opcodes = QList<int>;
const Opcodes kInput = {0x0060};
const Opcodes kLevels = {0x0010, 0x0012, 0x008C, 0x0092, 0x0090,
                         0x021F, 0x0054, 0x0016, 0x0018, 0x001A};
const Opcodes kChoices = {0x0268, 0x0014, 0x021A};
const Opcodes kSixAxis = {0x009B, 0x009C, 0x009D, 0x009E, 0x009F, 0x00A0};
const Opcodes kGeometry = {0x0020, 0x0030, 0x000E, 0x003E, 0x0250, 0x0251,
                           0x026F, 0x026C, 0x026D, 0x02CC, 0x02CD};
const Opcodes kGeometryChoices = {0x02DA, 0x02CE, 0x0270};
constexpr uint kNoItemValue = 0xEE; // a value that no item of a list carries
constexpr int kAllAnswered = -1;
constexpr int kUnreachable = -2; // the second refresh finds no display at the address
const char kNoDisplay[] = "127.0.20.19";

// The widgets of each op code of the two pages.
QMap<int, QList<QWidget*>> controlsOf(Ui::ZETQVToolMainWindowClass& ui) {
    QMap<int, QList<QWidget*>> map;
    for (const QPair<int, QString>& stem :
         QList<QPair<int, QString>>{{0x0010, "brightness"},     {0x0012, "contrast"},
                                    {0x008C, "sharpness"},      {0x0092, "black_level"},
                                    {0x0090, "tint"},           {0x021F, "color"},
                                    {0x0054, "color_temp"},     {0x0016, "red_level"},
                                    {0x0018, "green_level"},    {0x001A, "blue_level"},
                                    {0x009B, "six_axis_red"},   {0x009C, "six_axis_yellow"},
                                    {0x009D, "six_axis_green"}, {0x009E, "six_axis_cyan"},
                                    {0x009F, "six_axis_blue"},  {0x00A0, "six_axis_magenta"},
                                    {0x0020, "h_position"},     {0x0030, "v_position"},
                                    {0x000E, "clock"},          {0x003E, "clock_phase"},
                                    {0x0250, "h_resolution"},   {0x0251, "v_resolution"},
                                    {0x026F, "zoom"},           {0x026C, "h_expansion"},
                                    {0x026D, "v_expansion"},    {0x02CC, "zoom_h_position"},
                                    {0x02CD, "zoom_v_position"}})
        map[stem.first] = {ui.centralWidget->findChild<QWidget*>(stem.second + "_horizontalSlider"),
                           ui.centralWidget->findChild<QWidget*>(stem.second + "_spinBox")};
    map[0x0060] = {ui.video_input_comboBox};
    map[0x0268] = {ui.gamma_comboBox};
    map[0x0014] = {ui.color_preset_comboBox};
    map[0x021A] = {ui.picture_mode_comboBox};
    map[0x02DA] = {ui.input_resolution_comboBox};
    map[0x02CE] = {ui.base_zoom_comboBox};
    map[0x0270] = {ui.aspect_comboBox};
    return map;
}

// A display that answers every control of both pages: level n of a page at 10 + n of 100, the
// lists at an item's value (picture mode at a value no item has).
void fillDisplay(WindowRig& rig) {
    auto& ui = rig.w.ui;
    int n = 0;
    for (const Opcodes& levels : {kLevels, kSixAxis, kGeometry})
        for (int opcode : levels)
            rig.model.setParameter(opcode, 10 + n++, 100);
    rig.model.setParameter(0x0060, ui.video_input_comboBox->itemData(2).toUInt(), 0xFF);
    rig.model.setParameter(0x0268, ui.gamma_comboBox->itemData(1).toUInt(), 10);
    rig.model.setParameter(0x0014, 11, 12);
    rig.model.setParameter(0x021A, kNoItemValue, 0xFF);
    rig.model.setParameter(0x02DA, 3, 7);
    rig.model.setParameter(0x02CE, 2, 5);
    rig.model.setParameter(0x0270, 5, 5); // "Trim", which the list does not offer
}

// The display refuses reads of the op code: it does not have that control.
void refuseReads(DisplayModel& model, int opcode) {
    const QByteArray digits = DisplayModel::hex4(uint(opcode));
    model.addCommand('C', digits, [digits](const QByteArray&) {
        return "01" + digits + "00" + DisplayModel::hex4(0) + DisplayModel::hex4(0);
    });
}

int count(const QStringList& lines, const QString& line) {
    return int(std::count(lines.begin(), lines.end(), line));
}
} // namespace

// Loopback addresses 127.0.15.30 to 127.0.15.39 and 127.0.20.10 to 127.0.20.19 belong to this
// test.
class PicturePagesTest : public QObject {
    Q_OBJECT

    WindowTestEnvironment env;

    // A page read once from a display that answers everything, then read again with the
    // row's faults: each control is enabled exactly when its second read succeeded, a control
    // the display lacks says why, and the status bar shows the first real failure.
    void checkRefresh(int page, const Opcodes& all, const char* address) {
        QFETCH(Opcodes, unsupported);
        QFETCH(Opcodes, broken);
        QFETCH(int, answered);
        QFETCH(Opcodes, disabled);
        QFETCH(QString, status);
        WindowRig rig(address);
        fillDisplay(rig);
        rig.w.ui.stackedWidget->setCurrentIndex(page);
        for (int opcode : unsupported)
            refuseReads(rig.model, opcode);
        for (int opcode : broken)
            rig.model.failReads(uint(opcode));
        if (answered >= 0)
            rig.stopAnsweringAfter(answered);
        else if (answered == kUnreachable)
            rig.w.ui.communications_interface_widget->set_interface_info(lanInterface(kNoDisplay));
        rig.w.ui.reload_settings_pushButton->click();
        const auto controls = controlsOf(rig.w.ui);
        for (int opcode : all)
            for (QWidget* w : controls[opcode]) {
                const QString name = QString::number(opcode, 16) + " " + w->objectName();
                QVERIFY2(w->isEnabled() == !disabled.contains(opcode), qPrintable(name));
                QVERIFY2((w->toolTip() == ControlState::unsupported_tip()) ==
                             unsupported.contains(opcode),
                         qPrintable(name));
            }
        QCOMPARE(statusMismatch(rig.w.ui.statusBar->currentMessage(), status), QString());
        if (answered == kUnreachable && page == 4)
            rig.saveShot(QStringLiteral("picture_unreachable"));
    }

    static void addRefreshColumns() {
        QTest::addColumn<Opcodes>("unsupported");
        QTest::addColumn<Opcodes>("broken");
        QTest::addColumn<int>("answered"); // requests the display answers; or kAllAnswered
        QTest::addColumn<Opcodes>("disabled");
        QTest::addColumn<QString>("status");
    }

private slots:
    void initTestCase() { QVERIFY(env.isValid()); }
    void init() { env.reset(); }

    // Failures that end the picture refresh and failures that only disable their control.
    void pictureRefresh_data() {
        addRefreshColumns();
        const Opcodes none;
        QTest::newRow("all answered") << none << none << kAllAnswered << none << QString();
        QTest::newRow("no sharpness")
            << Opcodes{0x008C} << none << kAllAnswered << Opcodes{0x008C} << QString();
        QTest::newRow("no input") << Opcodes{0x0060} << none << kAllAnswered << Opcodes{0x0060}
                                  << QString();
        QTest::newRow("input broken") << none << Opcodes{0x0060} << kAllAnswered
                                      << kInput + kLevels + kChoices + kSixAxis << "(-5002)";
        QTest::newRow("brightness broken") << none << Opcodes{0x0010} << kAllAnswered
                                           << kLevels + kChoices + kSixAxis << "(-5002)";
        QTest::newRow("gamma broken")
            << none << Opcodes{0x0268} << kAllAnswered << Opcodes{0x0268} << "(-5002)";
        QTest::newRow("yellow broken")
            << none << Opcodes{0x009C} << kAllAnswered << kSixAxis.mid(1) << "(-5002)";
        QTest::newRow("display stops answering after contrast")
            << none << none << 4 << kLevels.mid(2) + kChoices + kSixAxis << "*";
        QTest::newRow("display unreachable")
            << none << none << kUnreachable << kInput + kLevels + kChoices + kSixAxis << "(-3005)";
    }
    void pictureRefresh() {
        checkRefresh(4, kInput + kLevels + kChoices + kSixAxis, "127.0.15.30");
    }

    // Only the H position read can end the size refresh.
    void sizeRefresh_data() {
        addRefreshColumns();
        const Opcodes none;
        QTest::newRow("all answered") << none << none << kAllAnswered << none << QString();
        QTest::newRow("no H position")
            << Opcodes{0x0020} << none << kAllAnswered << Opcodes{0x0020} << QString();
        QTest::newRow("H position broken")
            << none << Opcodes{0x0020} << kAllAnswered << kGeometry + kGeometryChoices << "(-5002)";
        QTest::newRow("no zoom") << Opcodes{0x026F} << none << kAllAnswered << Opcodes{0x026F}
                                 << QString();
        QTest::newRow("V position broken")
            << none << Opcodes{0x0030} << kAllAnswered << Opcodes{0x0030} << "(-5002)";
        QTest::newRow("aspect broken")
            << none << Opcodes{0x0270} << kAllAnswered << Opcodes{0x0270} << "(-5002)";
        QTest::newRow("display unreachable")
            << none << none << kUnreachable << kGeometry + kGeometryChoices << "(-3005)";
    }
    void sizeRefresh() { checkRefresh(5, kGeometry + kGeometryChoices, "127.0.15.31"); }

    // What a refresh puts into the widgets, without writing anything back.
    void refreshValues() {
        WindowRig rig("127.0.15.32");
        auto& [fake, model, w] = rig;
        fillDisplay(rig);
        w.ui.stackedWidget->setCurrentIndex(4);
        QCOMPARE(w.ui.brightness_horizontalSlider->maximum(), 100);
        QCOMPARE(w.ui.brightness_spinBox->maximum(), 100);
        QCOMPARE(w.ui.brightness_horizontalSlider->value(), 10);
        QCOMPARE(w.ui.blue_level_spinBox->value(), 19);
        QCOMPARE(w.ui.six_axis_magenta_horizontalSlider->value(), 25);
        QCOMPARE(w.ui.video_input_comboBox->currentIndex(), 2);
        QCOMPARE(w.ui.gamma_comboBox->currentIndex(), 1);
        QCOMPARE(w.ui.color_preset_comboBox->currentData().toUInt(), 11u);
        QCOMPARE(w.ui.picture_mode_comboBox->currentIndex(), -1);
        rig.saveShot(QStringLiteral("picture"));
        w.ui.stackedWidget->setCurrentIndex(5);
        QCOMPARE(w.ui.h_position_horizontalSlider->value(), 26);
        QCOMPARE(w.ui.zoom_v_position_spinBox->value(), 36);
        QCOMPARE(w.ui.input_resolution_comboBox->currentData().toUInt(), 3u);
        QCOMPARE(w.ui.base_zoom_comboBox->currentData().toUInt(), 2u);
        QCOMPARE(w.ui.aspect_comboBox->currentIndex(), -1);
        rig.saveShot(QStringLiteral("size_position"));
        for (const QString& line : rig.seen())
            QVERIFY2(!line.startsWith("set"), qPrintable(line));
    }

    // A burst of slider and spin-box moves writes each op code once, its last value.
    void writeBehindBursts() {
        WindowRig rig("127.0.15.33");
        auto& [fake, model, w] = rig;
        fillDisplay(rig);
        w.ui.stackedWidget->setCurrentIndex(4);
        QSignalSpy dirty(&w, &ZETQVToolMainWindow::settings_dirty);
        const int from = fake.requests().size();
        for (int v = 20; v <= 30; ++v)
            w.ui.brightness_horizontalSlider->setValue(v);
        w.ui.contrast_spinBox->setValue(44); // moves its slider, which queues the write
        w.ui.six_axis_red_horizontalSlider->setValue(7);
        QCOMPARE(rig.seen(from), QStringList());
        QTRY_COMPARE_WITH_TIMEOUT(rig.seen(from).size(), 6, 3000);
        QCOMPARE(rig.seen(from), (QStringList{"set 0010=30", "get 0010", "set 0012=44", "get 0012",
                                              "set 009B=7", "get 009B"}));
        QCOMPARE(w.ui.contrast_horizontalSlider->value(), 44);
        QCOMPARE(dirty.size(), 3);
    }

    // A display that keeps another value than the one written: the slider follows it and
    // writes that value once more; a read-back that fails leaves the slider where it was.
    void sliderReadBack() {
        WindowRig rig("127.0.15.34");
        auto& [fake, model, w] = rig;
        fillDisplay(rig);
        w.ui.stackedWidget->setCurrentIndex(4);
        model.addCommand('E', "0010", [&model](const QByteArray& body) {
            const uint kept = qMin(DisplayModel::field(body, 4, 4), 40u);
            model.setParameter(0x0010, kept, 100);
            return "000010" + QByteArray("00") + DisplayModel::hex4(100) + DisplayModel::hex4(kept);
        });
        int from = fake.requests().size();
        w.ui.brightness_horizontalSlider->setValue(70);
        QTRY_COMPARE_WITH_TIMEOUT(rig.seen(from).size(), 4, 5000);
        QCOMPARE(rig.seen(from),
                 (QStringList{"set 0010=70", "get 0010", "set 0010=40", "get 0010"}));
        QCOMPARE(w.ui.brightness_spinBox->value(), 40);

        model.failReads(0x0012);
        from = fake.requests().size();
        w.ui.contrast_horizontalSlider->setValue(70);
        QTRY_COMPARE_WITH_TIMEOUT(rig.seen(from).size(), 2, 3000);
        QTest::qWait(2000); // nothing more follows
        QCOMPARE(rig.seen(from), (QStringList{"set 0012=70", "get 0012"}));
        QCOMPARE(w.ui.contrast_horizontalSlider->value(), 70);
        QVERIFY(w.ui.statusBar->currentMessage().endsWith("(-5002)"));
    }

    // A slider moved while the display cannot take it goes back to the value the display
    // holds (its spin box with it) and writes nothing more; one the display lacks is disabled
    // with the reason and no error.
    void failedSliderWrite_data() {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("status");
        QTest::newRow("display gone") << "gone"
                                      << "(-3005)";
        QTest::newRow("display stops answering") << "silent"
                                                 << "*";
        QTest::newRow("not supported") << "unsupported" << QString();
    }
    void failedSliderWrite() {
        QFETCH(QString, fault);
        QFETCH(QString, status);
        WindowRig rig("127.0.15.37");
        auto& [fake, model, w] = rig;
        fillDisplay(rig);
        w.ui.stackedWidget->setCurrentIndex(4);
        QCOMPARE(w.ui.brightness_horizontalSlider->value(), 10);
        if (fault == "gone")
            w.ui.communications_interface_widget->set_interface_info(lanInterface(kNoDisplay));
        else if (fault == "silent")
            rig.stopAnsweringAfter(0);
        else
            model.addCommand('E', "0010", [](const QByteArray&) {
                return QByteArray("01001000") + DisplayModel::hex4(0) + DisplayModel::hex4(0);
            });
        const int from = fake.requests().size();
        w.ui.brightness_horizontalSlider->setValue(70);
        QCOMPARE(w.ui.brightness_spinBox->value(), 70);
        QTRY_COMPARE_WITH_TIMEOUT(w.ui.brightness_horizontalSlider->value(), 10, 5000);
        QCOMPARE(w.ui.brightness_spinBox->value(), 10);
        QCOMPARE(statusMismatch(w.ui.statusBar->currentMessage(), status), QString());
        const bool unsupported = fault == "unsupported";
        QCOMPARE(w.ui.brightness_horizontalSlider->isEnabled(), !unsupported);
        QCOMPARE(w.ui.brightness_spinBox->toolTip() == ControlState::unsupported_tip(),
                 unsupported);
        const int sent = fake.requests().size() - from;
        QTest::qWait(2000); // the value put back is not written
        QCOMPARE(fake.requests().size() - from, sent);
        if (unsupported)
            rig.saveShot(QStringLiteral("picture_brightness_unsupported"));
    }

    // The picture lists and the picture reset write at once and read the page again on one
    // connection, which takes over a second: under the progress dialog, and then the status
    // bar names what the display holds. A display that keeps another value is shown without a
    // second write.
    void pictureChoices_data() {
        QTest::addColumn<QString>("control"); // a list, or the reset button
        QTest::addColumn<int>("index");       // the item chosen
        QTest::addColumn<int>("opcode");
        QTest::addColumn<int>("named"); // the item that the status bar names
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("status");
        QTest::newRow("color preset: the display keeps its own")
            << "color_preset_comboBox" << 0 << 0x0014 << 1 << "Setting the color preset..."
            << "Color preset set to %1.";
        QTest::newRow("gamma") << "gamma_comboBox" << 2 << 0x0268 << 2 << "Setting the gamma..."
                               << "Gamma set to %1.";
        QTest::newRow("picture mode")
            << "picture_mode_comboBox" << 1 << 0x021A << 1 << "Setting the picture mode..."
            << "Picture mode set to %1.";
        QTest::newRow("video input")
            << "video_input_comboBox" << 4 << 0x0060 << 4 << "Setting the video input..."
            << "Video input set to %1.";
        QTest::newRow("picture reset")
            << "color_reset_pushButton" << -1 << 0x02CB << -1 << "Resetting the picture settings..."
            << "Picture settings reset.";
    }
    void pictureChoices() {
        QFETCH(QString, control);
        QFETCH(int, index);
        QFETCH(int, opcode);
        QFETCH(int, named);
        QFETCH(QString, label);
        QFETCH(QString, status);
        WindowRig rig("127.0.15.35");
        auto& [fake, model, w] = rig;
        fillDisplay(rig);
        model.setParameter(0x02CB, 0, 3);
        model.addCommand('E', "0014", [&model](const QByteArray&) {
            model.setParameter(0x0014, 11, 12);
            return QByteArray("00001400000C000B");
        });
        rig.showPage(4);
        const int from = fake.requests().size();
        const int connections = fake.connectionCount();
        ShownProgress shown(index == 0 ? QStringLiteral("picture_setting") : QString());
        auto* combo = w.findChild<QComboBox*>(control);
        QString value = QStringLiteral("2");
        if (combo) {
            value = combo->itemData(index).toString();
            combo->setCurrentIndex(index);
        } else {
            w.findChild<QPushButton*>(control)->click();
        }
        const QStringList seen = rig.seen(from);
        const QString digits = QString::number(opcode, 16).rightJustified(4, '0').toUpper();
        QVERIFY(seen.contains(QStringLiteral("set %1=%2").arg(digits, value)));
        QCOMPARE(seen.filter(QStringLiteral("set ")).size(), 1);
        QCOMPARE(count(seen, "get 0010"), 1); // the page was read again
        QCOMPARE(fake.connectionCount(), connections + 1);
        QCOMPARE(shown.label, label);
        QVERIFY(!QApplication::activeModalWidget());
        if (combo) {
            QCOMPARE(combo->currentIndex(), named);
            status = status.arg(combo->itemText(named));
        }
        QCOMPARE(w.ui.statusBar->currentMessage(), status);
        if (index == 0)
            rig.saveShot(QStringLiteral("picture_set"));
    }

    // The size lists write, read back and read the page on one connection; a reset that fails
    // still reads the page, and no reset marks the settings changed.
    void sizeChoicesAndResets() {
        WindowRig rig("127.0.15.36");
        auto& [fake, model, w] = rig;
        fillDisplay(rig);
        w.ui.stackedWidget->setCurrentIndex(5);
        QSignalSpy dirty(&w, &ZETQVToolMainWindow::settings_dirty);
        model.addCommand('E', "0270", [&model](const QByteArray&) {
            model.setParameter(0x0270, 3, 5);
            return QByteArray("0002700000050003");
        });
        int from = fake.requests().size();
        w.ui.aspect_comboBox->setCurrentIndex(w.ui.aspect_comboBox->findData(2u));
        QStringList seen = rig.seen(from);
        QCOMPARE(seen.mid(0, 3), (QStringList{"set 0270=2", "get 0270", "get 0020"}));
        QCOMPARE(count(seen, "set 0270=2") + count(seen, "set 0270=3"), 1);
        QCOMPARE(w.ui.aspect_comboBox->currentData().toUInt(), 3u);
        QCOMPARE(fake.connectionCount(), 2);
        QCOMPARE(dirty.size(), 1);

        model.addCommand('E', "02CB", [](const QByteArray&) { return QByteArray("00"); });
        for (QPushButton* reset : {w.ui.size_reset_pushButton, w.ui.color_reset_pushButton}) {
            from = fake.requests().size();
            reset->click();
            seen = rig.seen(from);
            QCOMPARE(seen.first(),
                     reset == w.ui.size_reset_pushButton ? "set 02CB=3" : "set 02CB=2");
            QVERIFY(seen.size() > 10); // the page read again
            QVERIFY(w.ui.statusBar->currentMessage().endsWith("(-5002)"));
        }
        QCOMPARE(dirty.size(), 1);
    }
};

QTEST_MAIN(PicturePagesTest)
#include "tst_picture_pages.moc"
