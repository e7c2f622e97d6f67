#include "control_state.h"
#include "controldefinitions.h"
#include "window_rig.h"

#include <QtTest>

#include <algorithm>
#include <memory>

namespace {
// A list's items as "text=data", in their order.
QStringList shown(const QComboBox* combo) {
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i) + QLatin1Char('=') + combo->itemData(i).toString();
    return items;
}

QStringList items(std::initializer_list<std::pair<const char*, int>> rows) {
    QStringList out;
    for (const auto& row : rows)
        out << QString::fromUtf8(row.first) + QLatin1Char('=') + QString::number(row.second);
    return out;
}

// "first" to "last" as texts, each with its number plus offset as data.
QStringList numbered(int first, int last, int offset = 0) {
    QStringList out;
    for (int n = first; n <= last; ++n)
        out << QStringLiteral("%1=%2").arg(n).arg(n + offset);
    return out;
}

QStringList years(const char* every, int data) {
    QStringList out = items({{every, data}});
    for (int n = 15; n <= 99; ++n)
        out << QStringLiteral("%1=%2").arg(2000 + n).arg(n);
    return out;
}

const QStringList months = items({{"January (1)", 1},
                                  {"February (2)", 2},
                                  {"March (3)", 3},
                                  {"April (4)", 4},
                                  {"May (5)", 5},
                                  {"June (6)", 6},
                                  {"July (7)", 7},
                                  {"August (8)", 8},
                                  {"September (9)", 9},
                                  {"October (10)", 10},
                                  {"November (11)", 11},
                                  {"December (12)", 12}});

// Every value label of an op code's definition, in stored order.
QStringList labels(int opcode) {
    QStringList out;
    if (const ControlDefinition* d = controlDefinitions().find(opcode))
        for (const ControlValueItem& v : d->items)
            out << v.label + QLatin1Char('=') + QString::number(v.value);
    return out;
}

QStringList byText(QStringList items) {
    std::sort(items.begin(), items.end(), [](const QString& a, const QString& b) {
        return a.section(QLatin1Char('='), 0, -2) < b.section(QLatin1Char('='), 0, -2);
    });
    return items;
}

// Slider and spin box stems that show one value.
const char* const kPairs[] = {"six_axis_red",
                              "six_axis_yellow",
                              "six_axis_green",
                              "six_axis_cyan",
                              "six_axis_blue",
                              "six_axis_magenta",
                              "h_position",
                              "v_position",
                              "clock",
                              "clock_phase",
                              "h_resolution",
                              "v_resolution",
                              "h_expansion",
                              "v_expansion",
                              "zoom_h_position",
                              "zoom_v_position",
                              "zoom",
                              "brightness",
                              "contrast",
                              "sharpness",
                              "black_level",
                              "tint",
                              "color",
                              "color_temp",
                              "red_level",
                              "green_level",
                              "blue_level",
                              "fan_sensor1_temp",
                              "fan_sensor2_temp",
                              "fan_sensor3_temp",
                              "test_pattern_red_level",
                              "test_pattern_green_level",
                              "test_pattern_blue_level",
                              "lme_test_pattern_red_level",
                              "lme_test_pattern_green_level",
                              "lme_test_pattern_blue_level"};
} // namespace

// The pages' fixed lists, their slider and spin box pairs and the six-axis gradients, as the
// window builds them.
class PageListsTest : public QObject {
    Q_OBJECT

    WindowTestEnvironment env;
    std::unique_ptr<ZETQVToolMainWindow> window;

private slots:
    void initTestCase() {
        QVERIFY(env.isValid());
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        window = std::make_unique<ZETQVToolMainWindow>();
        // Moved sliders write behind; nothing leaves the program.
        window->ui.communications_interface_widget->set_interface_info(dummyInterface());
    }
    void cleanupTestCase() { window.reset(); }

    void fixedLists_data() {
        QTest::addColumn<QString>("combo");
        QTest::addColumn<QStringList>("expected");
        const auto row = [](const char* combo, const QStringList& expected) {
            QTest::newRow(combo) << QString::fromLatin1(combo) << expected;
        };
        const QStringList inputs = labels(0x0060);
        row("video_input_comboBox", byText(inputs));
        row("inputname_name_designated_terminal_input_comboBox", byText(inputs));
        for (const char* combo :
             {"pip_pbp_memory_input1_comboBox", "pip_pbp_memory_input2_comboBox",
              "pip_pbp_memory_input3_comboBox", "pip_pbp_memory_input4_comboBox"})
            row(combo, byText(inputs + items({{"None (0)", 0}})));
        row("auto_tilematrix_input_comboBox", items({{"Compute Module", 136},
                                                     {"DVD/HD1 (RCA)", 12},
                                                     {"DVD/HD2 (BNC)", 14},
                                                     {"DVI (DVI-D)", 3},
                                                     {"DisplayPort", 15},
                                                     {"DisplayPort2", 16},
                                                     {"DisplayPort3", 128},
                                                     {"HDMI", 17},
                                                     {"HDMI2", 18},
                                                     {"HDMI3", 130},
                                                     {"HDMI3 (T series)", 19},
                                                     {"HDMI4", 131},
                                                     {"Media Player", 135},
                                                     {"Option", 13},
                                                     {"PRESET1", 132},
                                                     {"PRESET2", 133},
                                                     {"PRESET3", 134},
                                                     {"RGB/HV (BNC)", 2},
                                                     {"S-VIDEO", 7},
                                                     {"Tuner-1 (ATV)", 9},
                                                     {"Tuner-2 (DTV)", 10},
                                                     {"USB", 20},
                                                     {"VGA (D-SUB)", 1},
                                                     {"VIDEO1 (RCA)", 5},
                                                     {"VIDEO2 (BNC)", 6}}));
        row("auto_tilematrix_memory_comboBox", items({{"Common", 0}, {"Input", 1}}));

        for (const char* combo :
             {"daylight_savings_begin_month_comboBox", "daylight_savings_end_month_comboBox"})
            row(combo, months);
        const QStringList weeks =
            items({{"First", 1}, {"Second", 2}, {"Third", 3}, {"Fourth", 4}, {"Last", 5}});
        row("daylight_savings_begin_day1_comboBox", weeks);
        row("daylight_savings_end_day1_comboBox", weeks);
        const QStringList days = items({{"Sunday", 1},
                                        {"Monday", 2},
                                        {"Tuesday", 3},
                                        {"Wednesday", 4},
                                        {"Thursday", 5},
                                        {"Friday", 6},
                                        {"Saturday", 7}});
        row("daylight_savings_begin_day2_comboBox", days);
        row("daylight_savings_end_day2_comboBox", days);
        row("daylight_savings_time_difference_comboBox",
            items({{"+1:00", 0}, {"+0:30", 1}, {"-0:30", 2}, {"-1:00", 3}}));

        row("power_save_mode_comboBox",
            items({{"Auto Power Save", 0}, {"Auto Standby", 1}, {"Power Save Off", 2}}));
        row("tile_matrix_memory_comboBox", items({{"Common", 1}, {"Input", 2}}));
        const QStringList modes = items({{"None", 1}, {"Auto", 2}, {"Manual", 3}});
        row("frame_comp_mode_comboBox", modes);
        row("v_scan_reverse_mode_comboBox", modes);
        row("v_scan_reverse_manual_comboBox", items({{"Non-reverse", 1}, {"Reverse", 2}}));

        row("ir_control_comboBox",
            items({{"Normal", 1}, {"Primary", 2}, {"Secondary", 3}, {"Lock (Off)", 4}}));
        row("input_resolution_comboBox", items({{"Auto", 1},
                                                {"1024x768", 2},
                                                {"1280x768", 3},
                                                {"1360x768", 4},
                                                {"1366x768", 5},
                                                {"1400x1050", 6},
                                                {"1680x1050", 7}}));
        row("base_zoom_comboBox",
            items({{"Off", 1}, {"Custom", 2}, {"16:9-Zoom", 3}, {"14:9-Zoom", 4}, {"Dynamic", 5}}));
        row("aspect_comboBox", items({{"Normal", 1}, {"Full", 2}, {"Wide", 3}, {"Zoom", 4}}));
        row("cooling_fan_speed_comboBox", items({{"High", 1}, {"Low", 2}}));
        row("schedule_number_comboBox", numbered(1, 7, -1));
        row("tile_matrix_memory_memorynum_comboBox", numbered(0, 4));
        row("pip_pbp_memory_memorynum_comboBox", numbered(0, 4));
        row("pip_pbp_memory_mode_comboBox",
            items({{"Off (1)", 1}, {"PIP (2)", 2}, {"PBP (5)", 5}}));
        for (const char* combo :
             {"pip_pbp_memory_aspect1_comboBox", "pip_pbp_memory_aspect2_comboBox",
              "pip_pbp_memory_aspect3_comboBox", "pip_pbp_memory_aspect4_comboBox"})
            row(combo,
                items({{"None (0)", 0}, {"Normal (1)", 1}, {"Full (2)", 2}, {"Expand (6)", 6}}));

        row("advanced_schedule_number_comboBox", numbered(1, 30, -1));
        row("holiday_program_comboBox", numbered(1, 50));
        row("advanced_schedule_on_off_type_comboBox", items({{"On (1)", 1}, {"Off (2)", 2}}));
        row("advanced_schedule_date_year_comboBox", years("Every (100)", 100));
        row("advanced_schedule_date_month_comboBox", items({{"Every (13)", 13}}) + months);
        row("advanced_schedule_date_day_comboBox", items({{"Every (32)", 32}}) + numbered(1, 31));
        row("holiday_year_comboBox", years("Every (0)", 0));
        row("holiday_month_comboBox", items({{"Every (0)", 0}}) + months);
        row("holiday_day_comboBox", items({{"Every (0)", 0}}) + numbered(1, 31));
        row("holiday_end_day_day_comboBox", numbered(1, 31));
        row("holiday_week_nth_comboBox",
            items({{"1st", 1}, {"2nd", 2}, {"3rd", 3}, {"4th", 4}, {"5th", 5}}));
        row("holiday_week_weekday_comboBox", items({{"Monday (1)", 1},
                                                    {"Tuesday (2)", 2},
                                                    {"Wednesday (3)", 3},
                                                    {"Thursday (4)", 4},
                                                    {"Friday (5)", 5},
                                                    {"Saturday (6)", 6},
                                                    {"Sunday (7)", 7}}));
        row("holiday_end_day_month_comboBox", months);
        row("schedule_input_comboBox",
            items({{"Last Input", 0},     {"HDMI", 17},          {"HDMI2", 18},
                   {"HDMI3", 130},        {"HDMI4", 131},        {"DisplayPort", 15},
                   {"DisplayPort2", 16},  {"DisplayPort3", 128}, {"VGA (D-SUB)", 1},
                   {"RGB/HV (BNC)", 2},   {"DVI (DVI-D)", 3},    {"VIDEO1 (RCA)", 5},
                   {"VIDEO2 (BNC)", 6},   {"S-VIDEO", 7},        {"Tuner-1 (ATV)", 9},
                   {"Tuner-2 (DTV)", 10}, {"DVD/HD1 (RCA)", 12}, {"DVD/HD2 (BNC)", 14},
                   {"Option", 13},        {"PRESET1", 132},      {"PRESET2", 133},
                   {"PRESET3", 134}}));
        row("advanced_schedule_input_comboBox",
            items({{"Last Input", 0},       {"HDMI", 17},          {"HDMI2", 18},
                   {"HDMI3", 130},          {"HDMI4", 131},        {"DisplayPort", 15},
                   {"DisplayPort2", 16},    {"DisplayPort3", 128}, {"Media Player", 135},
                   {"Compute Module", 136}, {"VGA (D-SUB)", 1},    {"RGB/HV (BNC)", 2},
                   {"DVI (DVI-D)", 3},      {"VIDEO1 (RCA)", 5},   {"VIDEO2 (BNC)", 6},
                   {"S-VIDEO", 7},          {"Tuner-2 (DTV)", 10}, {"DVD/HD1 (RCA)", 12},
                   {"Option", 13},          {"DVD/HD2 (BNC)", 14}}));
        const QStringList pictureModes = labels(0x021A);
        row("schedule_picture_mode_comboBox", items({{"Last Setting", 0}}) + pictureModes);
        row("advanced_schedule_picture_mode_comboBox", items({{"Last Setting", 0}}) + pictureModes);

        row("gamma_comboBox", labels(0x0268));
        row("picture_mode_comboBox", pictureModes);
        row("color_preset_comboBox",
            items({{"Color Temp Mode (10000K)", 9}, {"RGB Gain Mode (User 1)", 11}}));
    }

    // Texts and data in their order; the data of every item is an unsigned value, as the
    // pages send it.
    void fixedLists() {
        QFETCH(QString, combo);
        QFETCH(QStringList, expected);
        const auto* list = window->findChild<QComboBox*>(combo);
        QVERIFY(list);
        QVERIFY(!expected.isEmpty());
        QCOMPARE(shown(list), expected);
        for (int i = 0; i < list->count(); ++i)
            QCOMPARE(list->itemData(i).userType(), int(QMetaType::UInt));
    }

    // Each slider and its spin box follow each other both ways, and what the rule of
    // ControlState does to one it does to the other.
    void slidersFollowTheirSpinBoxes() {
        for (const char* stem : kPairs) {
            const QString name = QString::fromLatin1(stem);
            auto* slider = window->findChild<QSlider*>(name + QStringLiteral("_horizontalSlider"));
            auto* spin = window->findChild<QSpinBox*>(name + QStringLiteral("_spinBox"));
            QVERIFY2(slider && spin, stem);
            const int low = std::max(slider->minimum(), spin->minimum());
            const int high = std::min(slider->maximum(), spin->maximum());
            slider->setValue(high);
            QVERIFY2(spin->value() == high, stem);
            spin->setValue(low);
            QVERIFY2(slider->value() == low, stem);
            ControlState::show_unread({slider});
            QVERIFY2(!spin->isEnabled(), stem);
            ControlState::apply_read(0, {spin});
            QVERIFY2(slider->isEnabled(), stem);
        }
    }

    // Each six-axis slider's groove runs from the hue above its own through its own to the one
    // below.
    void sixAxisGradients_data() {
        QTest::addColumn<QString>("slider");
        QTest::addColumn<QString>("stops");
        QTest::newRow("red") << "six_axis_red"
                             << "stop: 0 #ffff00, stop: 0.5 #ff0000, stop: 1 #ff00ff";
        QTest::newRow("yellow") << "six_axis_yellow"
                                << "stop: 0 #00ff00, stop: 0.5 #ffff00, stop: 1 #ff0000";
        QTest::newRow("green") << "six_axis_green"
                               << "stop: 0 #00ffff, stop: 0.5 #00ff00, stop: 1 #ffff00";
        QTest::newRow("cyan") << "six_axis_cyan"
                              << "stop: 0 #0000ff, stop: 0.5 #00ffff, stop: 1 #00ff00";
        QTest::newRow("blue") << "six_axis_blue"
                              << "stop: 0 #ff00ff, stop: 0.5 #0000ff, stop: 1 #00ffff";
        QTest::newRow("magenta") << "six_axis_magenta"
                                 << "stop: 0 #ff0000, stop: 0.5 #ff00ff, stop: 1 #0000ff";
    }

    void sixAxisGradients() {
        QFETCH(QString, slider);
        QFETCH(QString, stops);
        const auto* widget =
            window->findChild<QSlider*>(slider + QStringLiteral("_horizontalSlider"));
        QVERIFY(widget);
        const QString style = widget->styleSheet();
        QVERIFY2(style.contains(stops), qPrintable(style));
        QVERIFY(style.contains(QStringLiteral("QSlider::groove:horizontal:disabled")));
    }
};

QTEST_MAIN(PageListsTest)
#include "tst_page_lists.moc"
