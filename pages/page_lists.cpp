// The pages' fixed lists, colour slider styles, slider/spin-box pairs and extra keys. Lists and
// pairs are tables by object name: a widget that the form does not hold is passed over.
#include "page_lists.h"

#include "control_state.h"
#include "controldefinitions.h"
#include "holiday_description.h"
#include "program_globals.h"
#include "string_resource.h"

#include <QComboBox>
#include <QLocale>
#include <QPushButton>
#include <QShortcut>
#include <QSlider>
#include <QSpinBox>

namespace {
struct Item {
    QString text;
    int data;
};
using Items = QList<Item>;

Items fromResources(std::initializer_list<std::pair<int, int>> idAndData) {
    Items items;
    for (const auto& p : idAndData)
        items.append({StringResource(p.first), p.second});
    return items;
}

// The texts of string ids idBase + 1 to idBase + last, each with its value n = id - idBase.
Items resourceRange(int idBase, int last) {
    Items items;
    for (int n = 1; n <= last; ++n)
        items.append({StringResource(idBase + n), n});
    return items;
}

Items numbered(int first, int last, int dataOffset) {
    Items items;
    for (int n = first; n <= last; ++n)
        items.append({QString::number(n), n + dataOffset});
    return items;
}

Items months() {
    Items items;
    for (int n = 1; n <= 12; ++n)
        items.append({QStringLiteral("%1 (%2)").arg(QLocale().monthName(n)).arg(n), n});
    return items;
}

Items weekdays() {
    Items items;
    for (int n = 1; n <= 7; ++n)
        items.append({QStringLiteral("%1 (%2)").arg(QLocale().dayName(n)).arg(n), n});
    return items;
}

Items years(const QString& every, int everyData) {
    Items items{{every, everyData}};
    for (int n = 15; n <= 99; ++n)
        items.append({QString::number(2000 + n), n});
    return items;
}

// Every value label of an op code's definition, in stored order.
Items opcodeLabels(int opcode) {
    Items items;
    if (const ControlDefinition* d = controlDefinitions().find(opcode))
        for (const ControlValueItem& v : d->items)
            items.append({v.label, v.value});
    return items;
}

void fill(QComboBox* combo, const Items& items, bool blocked, bool sorted = false) {
    if (!combo)
        return;
    const QSignalBlocker blocker(blocked ? combo : nullptr);
    for (const Item& i : items)
        combo->addItem(i.text, uint(i.data));
    if (sorted)
        combo->model()->sort(0, Qt::AscendingOrder);
}

const char kSixAxisStyle[] =
    "QSlider::groove:horizontal {border: 1px solid #bbb;               background: "
    "qlineargradient(x1: 0, y1: 0, x2: 1, y2: 0,                                         stop: 0 "
    "%1, stop: 0.5 %2, stop: 1 %3); height: 10px;     border-radius: 4px; } "
    "QSlider::handle:horizontal {                     background: qlineargradient(x1:0, y1:0, "
    "x2:1, y2:1,                                                 stop:0 #eee, stop:1 #ccc); "
    "border: 1px solid #777; width: 13px; margin-top: -2px; margin-bottom: -2px; border-radius: "
    "4px;}"
    // Greyed like the other sliders while the value was not read.
    "QSlider::groove:horizontal:disabled {background: #d9d9d9; border-color: #c8c8c8;} "
    "QSlider::handle:horizontal:disabled {background: #f0f0f0; border-color: #b8b8b8;}";

struct SixAxis {
    const char* stem;
    const char* colours[3];
};
const SixAxis kSixAxis[] = {
    {"six_axis_red", {"#ffff00", "#ff0000", "#ff00ff"}},
    {"six_axis_yellow", {"#00ff00", "#ffff00", "#ff0000"}},
    {"six_axis_green", {"#00ffff", "#00ff00", "#ffff00"}},
    {"six_axis_cyan", {"#0000ff", "#00ffff", "#00ff00"}},
    {"six_axis_blue", {"#ff00ff", "#0000ff", "#00ffff"}},
    {"six_axis_magenta", {"#ff0000", "#ff00ff", "#0000ff"}},
};

// Slider and spin box pairs of the adjustment pages, by name stem.
const char* const kAdjustmentPairs[] = {"h_position",
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
                                        "test_pattern_red_level",
                                        "test_pattern_green_level",
                                        "test_pattern_blue_level",
                                        "lme_test_pattern_red_level",
                                        "lme_test_pattern_green_level",
                                        "lme_test_pattern_blue_level"};
const char* const kFanPairs[] = {"fan_sensor1_temp", "fan_sensor2_temp", "fan_sensor3_temp"};
} // namespace

void fill_page_lists(QWidget* form) {
    auto combo = [form](const char* name) {
        return form->findChild<QComboBox*>(QLatin1String(name));
    };

    // Video inputs, from the definitions, sorted by text.
    const Items inputs = opcodeLabels(0x0060);
    fill(combo("video_input_comboBox"), inputs, false, true);
    fill(combo("inputname_name_designated_terminal_input_comboBox"), inputs, false, true);
    for (const char* name : {"pip_pbp_memory_input1_comboBox", "pip_pbp_memory_input2_comboBox",
                             "pip_pbp_memory_input3_comboBox", "pip_pbp_memory_input4_comboBox"})
        fill(combo(name), inputs + Items{{QStringLiteral("None (0)"), 0}}, false, true);
    fill(combo("auto_tilematrix_input_comboBox"),
         fromResources({{1201, 1},   {1202, 2},   {1203, 3},   {1205, 5},   {1206, 6},
                        {1207, 7},   {1209, 9},   {1210, 10},  {1212, 12},  {1213, 13},
                        {1214, 14},  {1215, 15},  {1216, 16},  {1217, 17},  {1218, 18},
                        {1219, 19},  {1220, 20},  {1221, 128}, {1223, 130}, {1224, 131},
                        {1225, 132}, {1226, 133}, {1227, 134}, {1228, 135}, {1229, 136}}),
         false, true);

    // Auto tile matrix memory.
    fill(combo("auto_tilematrix_memory_comboBox"), {{"Common", 0}, {"Input", 1}}, false);

    // Daylight saving: months, weeks, weekdays, time differences.
    for (const char* name :
         {"daylight_savings_begin_month_comboBox", "daylight_savings_end_month_comboBox"})
        fill(combo(name), months(), false);
    for (const char* name :
         {"daylight_savings_begin_day1_comboBox", "daylight_savings_end_day1_comboBox"})
        fill(combo(name), resourceRange(2210, 5), false);
    for (const char* name :
         {"daylight_savings_begin_day2_comboBox", "daylight_savings_end_day2_comboBox"})
        fill(combo(name), resourceRange(2200, 7), false);
    fill(combo("daylight_savings_time_difference_comboBox"),
         {{"+1:00", 0}, {"+0:30", 1}, {"-0:30", 2}, {"-1:00", 3}}, false);

    // Power save and tile-matrix lists, filled with their signals blocked.
    fill(combo("power_save_mode_comboBox"),
         {{"Auto Power Save", 0}, {"Auto Standby", 1}, {"Power Save Off", 2}}, true);
    fill(combo("tile_matrix_memory_comboBox"),
         {{QObject::tr("Common"), 1}, {QObject::tr("Input"), 2}}, true);
    for (const char* name : {"frame_comp_mode_comboBox", "v_scan_reverse_mode_comboBox"})
        fill(combo(name),
             {{QObject::tr("None"), 1}, {QObject::tr("Auto"), 2}, {QObject::tr("Manual"), 3}},
             true);
    fill(combo("v_scan_reverse_manual_comboBox"),
         {{QObject::tr("Non-reverse"), 1}, {QObject::tr("Reverse"), 2}}, true);

    // IR control, size and fan lists, schedule numbers, memories and PIP/PBP.
    fill(combo("ir_control_comboBox"), fromResources({{2101, 1}, {2102, 2}, {2103, 3}, {2104, 4}}),
         false);
    fill(combo("input_resolution_comboBox"),
         fromResources(
             {{1301, 1}, {1302, 2}, {1303, 3}, {1304, 4}, {1305, 5}, {1306, 6}, {1307, 7}}),
         false);
    fill(combo("base_zoom_comboBox"),
         fromResources({{1401, 1}, {1402, 2}, {1403, 3}, {1404, 4}, {1405, 5}}), false);
    fill(combo("aspect_comboBox"), fromResources({{1501, 1}, {1502, 2}, {1503, 3}, {1504, 4}}),
         false);
    fill(combo("cooling_fan_speed_comboBox"), fromResources({{1801, 1}, {1802, 2}}), false);
    fill(combo("schedule_number_comboBox"), numbered(1, 7, -1), false);
    for (const char* name :
         {"tile_matrix_memory_memorynum_comboBox", "pip_pbp_memory_memorynum_comboBox"})
        fill(combo(name), numbered(0, 4, 0), false);
    fill(combo("pip_pbp_memory_mode_comboBox"), {{"Off (1)", 1}, {"PIP (2)", 2}, {"PBP (5)", 5}},
         false);
    for (const char* name : {"pip_pbp_memory_aspect1_comboBox", "pip_pbp_memory_aspect2_comboBox",
                             "pip_pbp_memory_aspect3_comboBox", "pip_pbp_memory_aspect4_comboBox"})
        fill(combo(name), {{"None (0)", 0}, {"Normal (1)", 1}, {"Full (2)", 2}, {"Expand (6)", 6}},
             false);

    // Schedules and holidays.
    fill(combo("advanced_schedule_number_comboBox"), numbered(1, 30, -1), true);
    fill(combo("holiday_program_comboBox"), numbered(1, 50, 0), true);
    fill(combo("advanced_schedule_on_off_type_comboBox"), {{"On (1)", 1}, {"Off (2)", 2}}, false);
    fill(combo("advanced_schedule_date_year_comboBox"), years("Every (100)", 100), false);
    fill(combo("advanced_schedule_date_month_comboBox"), Items{{"Every (13)", 13}} + months(),
         false);
    fill(combo("advanced_schedule_date_day_comboBox"),
         Items{{"Every (32)", 32}} + numbered(1, 31, 0), false);
    fill(combo("holiday_year_comboBox"), years("Every (0)", 0), false);
    fill(combo("holiday_month_comboBox"), Items{{"Every (0)", 0}} + months(), false);
    fill(combo("holiday_day_comboBox"), Items{{"Every (0)", 0}} + numbered(1, 31, 0), false);
    fill(combo("holiday_end_day_day_comboBox"), numbered(1, 31, 0), false);
    Items weeks;
    for (int n = 1; !holiday_nth_text(n).isEmpty(); ++n)
        weeks.append({holiday_nth_text(n), n});
    fill(combo("holiday_week_nth_comboBox"), weeks, false);
    fill(combo("holiday_week_weekday_comboBox"), weekdays(), false);
    fill(combo("holiday_end_day_month_comboBox"), months(), false);
    fill(combo("schedule_input_comboBox"),
         fromResources({{1900, 0},  {1217, 17},  {1218, 18},  {1223, 130}, {1224, 131}, {1215, 15},
                        {1216, 16}, {1221, 128}, {1201, 1},   {1202, 2},   {1203, 3},   {1205, 5},
                        {1206, 6},  {1207, 7},   {1209, 9},   {1210, 10},  {1212, 12},  {1214, 14},
                        {1213, 13}, {1225, 132}, {1226, 133}, {1227, 134}}),
         false);
    fill(combo("advanced_schedule_input_comboBox"),
         fromResources({{1900, 0},  {1217, 17}, {1218, 18},  {1223, 130}, {1224, 131},
                        {1215, 15}, {1216, 16}, {1221, 128}, {1228, 135}, {1229, 136},
                        {1201, 1},  {1202, 2},  {1203, 3},   {1205, 5},   {1206, 6},
                        {1207, 7},  {1210, 10}, {1212, 12},  {1213, 13},  {1214, 14}}),
         false);
    const Items pictureModes = opcodeLabels(0x021A);
    for (const char* name :
         {"schedule_picture_mode_comboBox", "advanced_schedule_picture_mode_comboBox"})
        fill(combo(name), fromResources({{2000, 0}}) + pictureModes, false);

    // Six-axis colour sliders: a gradient through the neighbouring hues.
    for (const SixAxis& s : kSixAxis) {
        auto* slider =
            form->findChild<QSlider*>(QLatin1String(s.stem) + QLatin1String("_horizontalSlider"));
        if (slider)
            slider->setStyleSheet(QString::fromLatin1(kSixAxisStyle)
                                      .arg(QLatin1String(s.colours[0]), QLatin1String(s.colours[1]),
                                           QLatin1String(s.colours[2])));
    }

    // Picture: gamma, picture mode, colour presets.
    fill(combo("gamma_comboBox"), opcodeLabels(0x0268), false);
    fill(combo("picture_mode_comboBox"), pictureModes, false);
    fill(combo("color_preset_comboBox"),
         {{"Color Temp Mode (10000K)", 9}, {"RGB Gain Mode (User 1)", 11}}, false);
}

void pair_page_controls(QWidget* form) {
    // Slider and spin box of one control always show the same value.
    auto pair = [form](const char* stem) {
        auto* slider =
            form->findChild<QSlider*>(QLatin1String(stem) + QLatin1String("_horizontalSlider"));
        auto* spin = form->findChild<QSpinBox*>(QLatin1String(stem) + QLatin1String("_spinBox"));
        if (!slider || !spin)
            return;
        QObject::connect(slider, &QSlider::valueChanged, spin, &QSpinBox::setValue);
        QObject::connect(spin, qOverload<int>(&QSpinBox::valueChanged), slider, &QSlider::setValue);
        ControlState::pair(slider, spin);
    };
    for (const SixAxis& s : kSixAxis)
        pair(s.stem);
    for (const char* stem : kAdjustmentPairs)
        pair(stem);
    for (const char* stem : kFanPairs)
        pair(stem);
}

void add_page_keys(QWidget* form) {
    // The keypad's shortcut "Enter" is the keypad key; the main Return key presses the same IR
    // key. Held by the button, it acts like the button's own shortcut: only while it is shown.
    auto* enter = form->findChild<QPushButton*>(QStringLiteral("ir_remote_ent_pushButton"));
    if (!enter)
        return;
    auto* returnKey = new QShortcut(QKeySequence(Qt::Key_Return), enter);
    QObject::connect(returnKey, &QShortcut::activated, enter, [enter] { enter->animateClick(); });
}
