#pragma once

#include "page_controller.h"
#include "test_pattern_levels.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QSlider;
class QSpinBox;

// The two test-pattern pages: the display's raw test pattern (VT mode) and the one of its
// picture engine (widgets with the prefix lme_). Each switches its pattern on and off and sets
// its red, green and blue levels, which the slider queue writes.
class TestPatternPages : public PageController {
    Q_OBJECT

public:
    explicit TestPatternPages(const PageContext& context, QObject* parent = nullptr);

    QList<QWidget*> pages() const override;
    void refresh(QWidget* page) override;
    QList<QWidget*> read_controls(QWidget* page) const override;

    void update_test_pattern_tab();
    void update_lme_test_pattern_tab();
    void update_test_pattern_percent_labels();
    void update_lme_test_pattern_percent_labels();
    // Fractions of each slider's maximum; nothing unless all three lie in [0, 1].
    void set_test_pattern_color(double red, double green, double blue);
    void set_lme_test_pattern_color(double red, double green, double blue);

public slots:
    void on_test_pattern_enable_groupBox_clicked();
    void on_test_pattern_red_level_horizontalSlider_valueChanged(int value);
    void on_test_pattern_green_level_horizontalSlider_valueChanged(int value);
    void on_test_pattern_blue_level_horizontalSlider_valueChanged(int value);
    void on_lme_test_pattern_enable_groupBox_clicked();
    void on_lme_test_pattern_red_level_horizontalSlider_valueChanged(int value);
    void on_lme_test_pattern_green_level_horizontalSlider_valueChanged(int value);
    void on_lme_test_pattern_blue_level_horizontalSlider_valueChanged(int value);

private:
    // One page's widgets and op codes; colours in the order red, green, blue.
    struct Pattern {
        QWidget* page;
        QGroupBox* enable;
        uint enable_opcode;
        QSlider* sliders[3];
        QSpinBox* spins[3];
        QLabel* percents[3];
        uint level_opcodes[3];
        QCheckBox* link;
        // Computed from the three levels' maxima: usable only while all three are read.
        QList<QWidget*> presets;
    };
    // Reads the page; returns the first failure for the status bar.
    int update_tab(const Pattern& p);
    void update_percent_labels(const Pattern& p);
    void update_percent_label(const Pattern& p, int colour);
    void set_color(const Pattern& p, const TestPatternLevels::Fractions& colour);
    void enable_clicked(const Pattern& p);
    void level_changed(const Pattern& p, int colour, int value);
    void preset_clicked(const Pattern& p, const TestPatternLevels::Preset& preset);

    Pattern raw;
    Pattern lme;
};
