#pragma once

#include "page_controller.h"

#include <functional>

struct pip_pbp_profile;
class QSpinBox;

// The PIP/PBP memory page: reads a profile into the page, writes the page into a profile and
// recalls a stored profile.
class PipPbpPage : public PageController {
    Q_OBJECT

public:
    explicit PipPbpPage(const PageContext& context, QObject* parent = nullptr);

    QList<QWidget*> pages() const override;
    // The profile's fields, which Save sends.
    QList<QWidget*> form_fields() const override;

public slots:
    void on_pip_pbp_memory_read_pushButton_clicked();
    void on_pip_pbp_memory_save_pushButton_clicked();
    void on_pip_pbp_memory_recall_pushButton_clicked();

private:
    void fill_lists();
    // The widgets of the profile's 21 fields, in the record's order (mode, inputs, sizes,
    // aspects, horizontal and vertical positions): a combo box or a spin box each.
    QList<QWidget*> field_widgets() const;
    unsigned char profile_number() const;
    // The fields and Save, which sends them.
    QList<QWidget*> profile_controls() const;
    // Runs one profile command in the frame (whose status line is emptied): the result goes to
    // the status bar, on success the status line. Returns the command's result as ControlState
    // takes it (a status other than 0 is the display's refusal).
    int run(CommandScope& frame,
            const std::function<int(unsigned char profile, int* status)>& call);
};
