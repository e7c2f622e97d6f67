#pragma once

#include "page_controller.h"

#include <functional>

class QComboBox;
class QSlider;
class QSpinBox;

// The picture page (video input, levels, six-axis colours, gamma, picture mode, colour preset,
// reset) and the size and position page (geometry levels, resolution, zoom, aspect, reset).
class PicturePages : public PageController {
    Q_OBJECT

public:
    // A slider, its spin box and the op code they set.
    struct Level {
        QSlider* slider;
        QSpinBox* spin;
        uint opcode;
    };
    // A combo box and the op code its items' data is written to.
    struct Choice {
        QComboBox* combo;
        uint opcode;
    };

    explicit PicturePages(const PageContext& context, QObject* parent = nullptr);

    QList<QWidget*> pages() const override;
    void refresh(QWidget* page) override;
    QList<QWidget*> read_controls(QWidget* page) const override;

    // The refreshes, on a connection the caller opened; each returns its first failure.
    int update_picture_tab();
    int update_size_position_tab();

public slots:
    void onVideoInputChanged(int index);
    void onGammaChanged(int index);
    void onPictureModeChanged(int index);
    void onColorPresetChanged(int index);
    void on_color_reset_pushButton_clicked();
    void onInputResolutionComboBoxChanged(int index);
    void onBaseZoomComboBoxChanged(int index);
    void onAspectComboBoxChanged(int index);
    void on_size_reset_pushButton_clicked();

private:
    // The fixed lists, and the six-axis sliders' gradients.
    void fill_lists();
    int read_page(QWidget* page);
    // Reads a level's value and maximum into its pair.
    int read_level(PageRead& pass, const Level& level);
    // Reads a choice's value into its combo box.
    int read_choice(PageRead& pass, const Choice& choice);
    // A write of a list of the picture page (write returns its own result), then the page read
    // again, on one connection: over a second, so under the progress dialog, and then the
    // status bar names what the display holds.
    void write_picture_list(QComboBox* combo, const QString& name,
                            const std::function<int()>& write);
    void write_picture_choice(const Choice& choice, int index, const QString& name);
    // The status bar's words once the named choice was written and the page read again.
    static QString choice_done(const QString& name, const QComboBox* combo);
    // Writes a geometry choice and reads the page again, on one connection.
    void write_size_choice(const Choice& choice, int index);
    // The menu-tree reset of a group of settings, then the page read again, on the caller's
    // connection; returns the first failure.
    int reset(uint group, QWidget* page);

    QList<Level> picture_levels;
    QList<Level> six_axis_levels;
    QList<Choice> picture_choices; // gamma, colour preset, picture mode, in reading order
    QList<Level> size_levels;      // the first, H position, can end the refresh
    QList<Choice> size_choices;
};
