#pragma once

#include "page_controller.h"

// The power page (on, off, state, power-on delay) and the power-save page (modes and times).
class PowerPages : public PageController {
    Q_OBJECT

public:
    explicit PowerPages(const PageContext& context, QObject* parent = nullptr);

    QList<QWidget*> pages() const override;
    void refresh(QWidget* page) override;

    void update_power_tab(bool dummy);
    void update_power_save_tab(bool dummy);
    void update_power_status(int value);
    void update_power_on_delay_label(int value);

public slots:
    // The auto-standby time write; the spin-box queue runs it for its pseudo op code.
    void standby_time_write_pushButton();
};
