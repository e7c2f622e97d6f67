#include "test_pattern_pages.h"

#include "basic_monitor.h"
#include "command_scope.h"
#include "opcodes.h"
#include "page_lists.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>

namespace {
constexpr uint kPatternOn = 2;
constexpr uint kPatternOff = 1;
enum Colour { Red, Green, Blue };
} // namespace

TestPatternPages::TestPatternPages(const PageContext& context, QObject* parent)
    : PageController(context, parent),
      raw{ui.test_patterns,
          ui.test_pattern_enable_groupBox,
          OpCode::TestPatternMode,
          {ui.test_pattern_red_level_horizontalSlider, ui.test_pattern_green_level_horizontalSlider,
           ui.test_pattern_blue_level_horizontalSlider},
          {ui.test_pattern_red_level_spinBox, ui.test_pattern_green_level_spinBox,
           ui.test_pattern_blue_level_spinBox},
          {ui.test_pattern_red_percent_label, ui.test_pattern_green_percent_label,
           ui.test_pattern_blue_percent_label},
          {OpCode::TestPatternRedLevel, OpCode::TestPatternGreenLevel,
           OpCode::TestPatternBlueLevel},
          ui.test_pattern_link_colors_checkBox,
          {}},
      lme{ui.page_3,
          ui.lme_test_pattern_enable_groupBox,
          OpCode::CorrectedTestPatternMode,
          {ui.lme_test_pattern_red_level_horizontalSlider,
           ui.lme_test_pattern_green_level_horizontalSlider,
           ui.lme_test_pattern_blue_level_horizontalSlider},
          {ui.lme_test_pattern_red_level_spinBox, ui.lme_test_pattern_green_level_spinBox,
           ui.lme_test_pattern_blue_level_spinBox},
          {ui.lme_test_pattern_red_percent_label, ui.lme_test_pattern_green_percent_label,
           ui.lme_test_pattern_blue_percent_label},
          {OpCode::CorrectedTestPatternRedLevel, OpCode::CorrectedTestPatternGreenLevel,
           OpCode::CorrectedTestPatternBlueLevel},
          ui.lme_test_pattern_link_colors_checkBox,
          {}} {
    for (const Pattern* p : {&raw, &lme})
        for (int colour = Red; colour <= Blue; ++colour)
            PageLists::pair(p->sliders[colour], p->spins[colour]);
    // The twelve preset buttons of each page, by the name that ends in the preset's.
    for (Pattern* p : {&raw, &lme}) {
        const QString prefix = p == &lme ? QStringLiteral("lme_") : QString();
        for (const TestPatternLevels::Preset& preset : TestPatternLevels::presets()) {
            auto* button = p->page->findChild<QPushButton*>(
                prefix + QStringLiteral("test_pattern_preset_%1_pushButton")
                             .arg(QLatin1String(preset.name)));
            if (!button)
                continue;
            p->presets << button;
            connect(button, &QPushButton::clicked, this,
                    [this, p, &preset] { preset_clicked(*p, preset); });
        }
    }
}

QList<QWidget*> TestPatternPages::pages() const {
    return {raw.page, lme.page};
}

void TestPatternPages::refresh(QWidget* page) {
    if (page == raw.page)
        update_test_pattern_tab();
    else if (page == lme.page)
        update_lme_test_pattern_tab();
}

QList<QWidget*> TestPatternPages::read_controls(QWidget* page) const {
    for (const Pattern* p : {&raw, &lme})
        if (page == p->page) {
            QList<QWidget*> controls{p->enable};
            for (int c = 0; c < 3; ++c)
                controls << p->sliders[c] << p->spins[c] << p->percents[c];
            return controls << p->presets;
        }
    return {};
}

void TestPatternPages::update_test_pattern_tab() {
    show_failure(update_tab(raw));
}
void TestPatternPages::update_lme_test_pattern_tab() {
    show_failure(update_tab(lme));
}
void TestPatternPages::update_test_pattern_percent_labels() {
    update_percent_labels(raw);
}
void TestPatternPages::update_lme_test_pattern_percent_labels() {
    update_percent_labels(lme);
}
void TestPatternPages::set_test_pattern_color(double red, double green, double blue) {
    set_color(raw, {red, green, blue});
}
void TestPatternPages::set_lme_test_pattern_color(double red, double green, double blue) {
    set_color(lme, {red, green, blue});
}

void TestPatternPages::on_test_pattern_enable_groupBox_clicked() {
    enable_clicked(raw);
}
void TestPatternPages::on_test_pattern_red_level_horizontalSlider_valueChanged(int value) {
    level_changed(raw, Red, value);
}
void TestPatternPages::on_test_pattern_green_level_horizontalSlider_valueChanged(int value) {
    level_changed(raw, Green, value);
}
void TestPatternPages::on_test_pattern_blue_level_horizontalSlider_valueChanged(int value) {
    level_changed(raw, Blue, value);
}
void TestPatternPages::on_lme_test_pattern_enable_groupBox_clicked() {
    enable_clicked(lme);
}
void TestPatternPages::on_lme_test_pattern_red_level_horizontalSlider_valueChanged(int value) {
    level_changed(lme, Red, value);
}
void TestPatternPages::on_lme_test_pattern_green_level_horizontalSlider_valueChanged(int value) {
    level_changed(lme, Green, value);
}
void TestPatternPages::on_lme_test_pattern_blue_level_horizontalSlider_valueChanged(int value) {
    level_changed(lme, Blue, value);
}

int TestPatternPages::update_tab(const Pattern& p) {
    PageRead pass(read_controls(p.page));
    uint current = 0, max = 0;
    // The levels are read only when the pattern's switch could be.
    const int result = monitor->get_vcp_value_max(p.enable_opcode, &current, &max);
    if (pass.read(result, {p.enable},
                  [&p, &current] { p.enable->setChecked(current > kPatternOff); }) != 0)
        return pass.failure();
    FirstFailure levels;
    for (int c = 0; c < 3; ++c) {
        const int level =
            levels.note(monitor->get_vcp_value_max(p.level_opcodes[c], &current, &max));
        const auto show = [this, &p, c, &current, &max] {
            p.sliders[c]->setMaximum(int(max));
            p.sliders[c]->setValue(int(current));
            p.spins[c]->setMaximum(int(max));
            p.spins[c]->setValue(int(current));
            update_percent_label(p, c);
        };
        if (PageRead::ends(pass.read(level, {p.sliders[c], p.spins[c], p.percents[c]}, show)))
            return pass.failure();
    }
    // A level the display lacks has no maximum to take a fraction of.
    pass.read(levels.result(), p.presets);
    const int red = p.sliders[Red]->value();
    if (p.sliders[Green]->value() != red || p.sliders[Blue]->value() != red)
        p.link->setChecked(false);
    return pass.failure();
}

void TestPatternPages::update_percent_labels(const Pattern& p) {
    for (int c = 0; c < 3; ++c)
        update_percent_label(p, c);
}

void TestPatternPages::update_percent_label(const Pattern& p, int colour) {
    p.percents[colour]->setText(
        TestPatternLevels::percent_text(p.sliders[colour]->value(), p.sliders[colour]->maximum()));
}

void TestPatternPages::set_color(const Pattern& p, const TestPatternLevels::Fractions& colour) {
    const auto levels = TestPatternLevels::levels(
        {p.sliders[Red]->maximum(), p.sliders[Green]->maximum(), p.sliders[Blue]->maximum()},
        colour);
    if (!levels)
        return;
    for (int c = 0; c < 3; ++c)
        p.spins[c]->setValue((*levels)[c]);
}

void TestPatternPages::enable_clicked(const Pattern& p) {
    write_in_frame({p.enable}, [this, &p](CommandScope& frame) {
        uint value = p.enable->isChecked() ? kPatternOn : kPatternOff;
        const int result = monitor->set_vcp_value(p.enable_opcode, &value);
        // The page as the display now has it; a switch it does not take is marked as such once
        // settled.
        FirstFailure failure;
        failure.note(ControlState::status_code(result));
        failure.note(update_tab(p));
        frame.report(failure.result());
        return result;
    });
}

void TestPatternPages::level_changed(const Pattern& p, int colour, int value) {
    // Linked, the other two follow; a spin box already at the value emits nothing, so the
    // chain of the sliders' own changes ends there.
    if (p.link->isChecked())
        for (int c = 0; c < 3; ++c)
            if (c != colour)
                p.spins[c]->setValue(value);
    update_percent_labels(p);
    host.queue_slider_change(p.sliders[colour], p.level_opcodes[colour]);
}

void TestPatternPages::preset_clicked(const Pattern& p, const TestPatternLevels::Preset& preset) {
    if (preset.clears_link)
        p.link->setChecked(false);
    set_color(p, preset.colour);
}
