#include "picture_pages.h"

#include "basic_monitor.h"
#include "command_scope.h"
#include "opcodes.h"
#include "page_lists.h"
#include "string_resource.h"
#include "wait_progress.h"

#include <QComboBox>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>

namespace {
constexpr uint kResetPicture = 2;
constexpr uint kResetGeometry = 3;

using Form = Ui::ZETQVToolMainWindowClass;

constexpr int kInputResolutions = 7;
constexpr int kBaseZooms = 5;
constexpr int kAspects = 4;

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

// Each six-axis slider's groove runs from the hue 60 degrees above its own through its own to
// the one 60 degrees below.
struct SixAxisColours {
    QSlider* Form::*slider;
    const char* colours[3];
};
const SixAxisColours kSixAxis[] = {
    {&Form::six_axis_red_horizontalSlider, {"#ffff00", "#ff0000", "#ff00ff"}},
    {&Form::six_axis_yellow_horizontalSlider, {"#00ff00", "#ffff00", "#ff0000"}},
    {&Form::six_axis_green_horizontalSlider, {"#00ffff", "#00ff00", "#ffff00"}},
    {&Form::six_axis_cyan_horizontalSlider, {"#0000ff", "#00ffff", "#00ff00"}},
    {&Form::six_axis_blue_horizontalSlider, {"#ff00ff", "#0000ff", "#00ffff"}},
    {&Form::six_axis_magenta_horizontalSlider, {"#ff0000", "#ff00ff", "#0000ff"}},
};
} // namespace

PicturePages::PicturePages(const PageContext& context, QObject* parent)
    : PageController(context, parent) {
    fill_lists();
    picture_levels = {
        {ui.brightness_horizontalSlider, ui.brightness_spinBox, OpCode::Brightness},
        {ui.contrast_horizontalSlider, ui.contrast_spinBox, OpCode::Contrast},
        {ui.sharpness_horizontalSlider, ui.sharpness_spinBox, OpCode::Sharpness},
        {ui.black_level_horizontalSlider, ui.black_level_spinBox, OpCode::BlackLevel},
        {ui.tint_horizontalSlider, ui.tint_spinBox, OpCode::Tint},
        {ui.color_horizontalSlider, ui.color_spinBox, OpCode::Color},
        {ui.color_temp_horizontalSlider, ui.color_temp_spinBox, OpCode::ColorTemperature},
        {ui.red_level_horizontalSlider, ui.red_level_spinBox, OpCode::RedGain},
        {ui.green_level_horizontalSlider, ui.green_level_spinBox, OpCode::GreenGain},
        {ui.blue_level_horizontalSlider, ui.blue_level_spinBox, OpCode::BlueGain},
    };
    six_axis_levels = {
        {ui.six_axis_red_horizontalSlider, ui.six_axis_red_spinBox, OpCode::SixAxisRed},
        {ui.six_axis_yellow_horizontalSlider, ui.six_axis_yellow_spinBox, OpCode::SixAxisYellow},
        {ui.six_axis_green_horizontalSlider, ui.six_axis_green_spinBox, OpCode::SixAxisGreen},
        {ui.six_axis_cyan_horizontalSlider, ui.six_axis_cyan_spinBox, OpCode::SixAxisCyan},
        {ui.six_axis_blue_horizontalSlider, ui.six_axis_blue_spinBox, OpCode::SixAxisBlue},
        {ui.six_axis_magenta_horizontalSlider, ui.six_axis_magenta_spinBox, OpCode::SixAxisMagenta},
    };
    picture_choices = {
        {ui.gamma_comboBox, OpCode::Gamma},
        {ui.color_preset_comboBox, OpCode::ColorPreset},
        {ui.picture_mode_comboBox, OpCode::PictureMode},
    };
    size_levels = {
        {ui.h_position_horizontalSlider, ui.h_position_spinBox, OpCode::HPosition},
        {ui.v_position_horizontalSlider, ui.v_position_spinBox, OpCode::VPosition},
        {ui.clock_horizontalSlider, ui.clock_spinBox, OpCode::Clock},
        {ui.clock_phase_horizontalSlider, ui.clock_phase_spinBox, OpCode::ClockPhase},
        {ui.h_resolution_horizontalSlider, ui.h_resolution_spinBox, OpCode::HResolution},
        {ui.v_resolution_horizontalSlider, ui.v_resolution_spinBox, OpCode::VResolution},
        {ui.zoom_horizontalSlider, ui.zoom_spinBox, OpCode::Zoom},
        {ui.h_expansion_horizontalSlider, ui.h_expansion_spinBox, OpCode::HExpansion},
        {ui.v_expansion_horizontalSlider, ui.v_expansion_spinBox, OpCode::VExpansion},
        {ui.zoom_h_position_horizontalSlider, ui.zoom_h_position_spinBox, OpCode::ZoomHPosition},
        {ui.zoom_v_position_horizontalSlider, ui.zoom_v_position_spinBox, OpCode::ZoomVPosition},
    };
    size_choices = {
        {ui.input_resolution_comboBox, OpCode::InputResolution},
        {ui.base_zoom_comboBox, OpCode::BaseZoom},
        {ui.aspect_comboBox, OpCode::Aspect},
    };

    // A slider move (or its spin box's, through the pairing) writes behind.
    for (const QList<Level>* levels : {&picture_levels, &six_axis_levels, &size_levels})
        for (const Level& level : *levels) {
            PageLists::pair(level.slider, level.spin);
            connect(level.slider, &QSlider::valueChanged, this,
                    [this, level] { host.queue_slider_change(level.slider, level.opcode); });
        }

    const auto changed = qOverload<int>(&QComboBox::currentIndexChanged);
    connect(ui.video_input_comboBox, changed, this, &PicturePages::onVideoInputChanged);
    connect(ui.gamma_comboBox, changed, this, &PicturePages::onGammaChanged);
    connect(ui.picture_mode_comboBox, changed, this, &PicturePages::onPictureModeChanged);
    connect(ui.color_preset_comboBox, changed, this, &PicturePages::onColorPresetChanged);
    connect(ui.input_resolution_comboBox, changed, this,
            &PicturePages::onInputResolutionComboBoxChanged);
    connect(ui.base_zoom_comboBox, changed, this, &PicturePages::onBaseZoomComboBoxChanged);
    connect(ui.aspect_comboBox, changed, this, &PicturePages::onAspectComboBoxChanged);
}

void PicturePages::fill_lists() {
    using namespace PageLists;
    fill({
        {ui.video_input_comboBox, video_inputs(), Fill::Sorted},
        {ui.input_resolution_comboBox,
         resource_range(StringId::InputResolutions, kInputResolutions)},
        {ui.base_zoom_comboBox, resource_range(StringId::BaseZooms, kBaseZooms)},
        {ui.aspect_comboBox, resource_range(StringId::Aspects, kAspects)},
        {ui.gamma_comboBox, opcode_labels(OpCode::Gamma)},
        {ui.picture_mode_comboBox, opcode_labels(OpCode::PictureMode)},
        {ui.color_preset_comboBox,
         {{"Color Temp Mode (10000K)", 9}, {"RGB Gain Mode (User 1)", 11}}},
    });
    for (const SixAxisColours& s : kSixAxis)
        (ui.*s.slider)
            ->setStyleSheet(QString::fromLatin1(kSixAxisStyle)
                                .arg(QLatin1String(s.colours[0]), QLatin1String(s.colours[1]),
                                     QLatin1String(s.colours[2])));
}

QList<QWidget*> PicturePages::pages() const {
    return {ui.video, ui.size_position};
}

void PicturePages::refresh(QWidget* page) {
    show_failure(read_page(page));
}

int PicturePages::read_page(QWidget* page) {
    if (page == ui.video)
        return update_picture_tab();
    if (page == ui.size_position)
        return update_size_position_tab();
    return 0;
}

QList<QWidget*> PicturePages::read_controls(QWidget* page) const {
    QList<QWidget*> controls;
    const auto add = [&controls](const QList<Level>& levels) {
        for (const Level& level : levels)
            controls << level.slider << level.spin;
    };
    const auto addChoices = [&controls](const QList<Choice>& choices) {
        for (const Choice& choice : choices)
            controls << choice.combo;
    };
    if (page == ui.video) {
        controls << ui.video_input_comboBox;
        add(picture_levels);
        addChoices(picture_choices);
        add(six_axis_levels);
    } else if (page == ui.size_position) {
        add(size_levels);
        addChoices(size_choices);
    }
    return controls;
}

int PicturePages::read_level(PageRead& pass, const Level& level) {
    uint current = 0, max = 0;
    const int result = monitor->get_vcp_value_max(level.opcode, &current, &max);
    return pass.read(result, {level.slider, level.spin}, [&] {
        level.slider->setMaximum(int(max));
        level.spin->setMaximum(int(max));
        level.slider->setValue(int(current));
        level.spin->setValue(int(current));
    });
}

int PicturePages::read_choice(PageRead& pass, const Choice& choice) {
    uint current = 0, max = 0;
    const int result = monitor->get_vcp_value_max(choice.opcode, &current, &max);
    return pass.read(result, {choice.combo}, [&] { select_by_data(choice.combo, current); });
}

int PicturePages::update_picture_tab() {
    PageRead pass(read_controls(ui.video));
    uint input = 0;
    const int result = monitor->get_video_input(&input);
    if (PageRead::ends(pass.read(result, {ui.video_input_comboBox},
                                 [&] { select_by_data(ui.video_input_comboBox, input); })))
        return pass.failure();
    for (const Level& level : picture_levels)
        if (PageRead::ends(read_level(pass, level)))
            return pass.failure();
    // A failed choice only stays disabled.
    for (const Choice& choice : picture_choices)
        read_choice(pass, choice);
    for (const Level& level : six_axis_levels)
        if (PageRead::ends(read_level(pass, level)))
            return pass.failure();
    return pass.failure();
}

int PicturePages::update_size_position_tab() {
    PageRead pass(read_controls(ui.size_position));
    // Only the first read can end the refresh; every later failure disables its own control.
    if (PageRead::ends(read_level(pass, size_levels.first())))
        return pass.failure();
    for (int i = 1; i < size_levels.size(); ++i)
        read_level(pass, size_levels[i]);
    for (const Choice& choice : size_choices)
        read_choice(pass, choice);
    return pass.failure();
}

QString PicturePages::choice_done(const QString& name, const QComboBox* combo) {
    return combo->currentIndex() < 0
               ? tr("%1 written; the display reports a value that the list does not have.")
                     .arg(name)
               : tr("%1 set to %2.").arg(name, combo->currentText());
}

void PicturePages::write_picture_list(QComboBox* combo, const QString& name,
                                      const std::function<int()>& write) {
    // Blocked until the page is read again, so neither the re-selection nor the refresh writes.
    const QSignalBlocker blocker(combo);
    write_in_frame({combo}, [&](CommandScope&) {
        // On the frame's connection, under the progress dialog.
        LongAction action(host, *monitor, ui.statusBar,
                          tr("Setting the %1...").arg(name.toLower()));
        FirstFailure failure;
        const int written = write();
        failure.note(ControlState::status_code(written));
        failure.note(update_picture_tab());
        // A choice the display lacks is only greyed, without a word.
        action.finish(failure.result(), written == 0 ? choice_done(name, combo) : QString());
        return written;
    });
}

void PicturePages::write_picture_choice(const Choice& choice, int index, const QString& name) {
    write_picture_list(choice.combo, name, [this, &choice, index] {
        return write_combo_value(choice.combo, index, choice.opcode);
    });
}

void PicturePages::onGammaChanged(int index) {
    write_picture_choice(picture_choices[0], index, tr("Gamma"));
}

void PicturePages::onColorPresetChanged(int index) {
    write_picture_choice(picture_choices[1], index, tr("Color preset"));
}

void PicturePages::onPictureModeChanged(int index) {
    write_picture_choice(picture_choices[2], index, tr("Picture mode"));
}

void PicturePages::onVideoInputChanged(int index) {
    QComboBox* combo = ui.video_input_comboBox;
    write_picture_list(combo, tr("Video input"), [this, combo, index] {
        uint value = combo->itemData(index).toUInt();
        const int written = monitor->set_video_input(&value);
        if (written == 0) {
            uint held = value;
            if (monitor->get_video_input(&held) == 0)
                value = held;
            select_by_data(combo, value);
        }
        return written;
    });
}

void PicturePages::write_size_choice(const Choice& choice, int index) {
    write_choice(choice.combo, index, choice.opcode, [this] { return update_size_position_tab(); });
}

void PicturePages::onInputResolutionComboBoxChanged(int index) {
    write_size_choice(size_choices[0], index);
}

void PicturePages::onBaseZoomComboBoxChanged(int index) {
    write_size_choice(size_choices[1], index);
}

void PicturePages::onAspectComboBoxChanged(int index) {
    write_size_choice(size_choices[2], index);
}

int PicturePages::reset(uint group, QWidget* page) {
    // A reset is no change of a setting: the settings stay as clean or dirty as they were.
    FirstFailure failure;
    failure.note(monitor->set_vcp_value(OpCode::MenuReset, &group));
    failure.note(read_page(page));
    return failure.result();
}

void PicturePages::on_color_reset_pushButton_clicked() {
    LongAction action(host, *monitor, ui.statusBar, tr("Resetting the picture settings..."));
    if (action)
        action.finish(reset(kResetPicture, ui.video), tr("Picture settings reset."));
}

void PicturePages::on_size_reset_pushButton_clicked() {
    CommandScope frame(host);
    if (frame)
        frame.report(reset(kResetGeometry, ui.size_position));
}
