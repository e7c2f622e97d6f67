#pragma once

#include "page_controller.h"

class QSlider;

// The monitor group page (ten group check boxes) and the cooling-fan page (sensors, speed,
// mode and the sensors' set temperatures).
class GroupFanPages : public PageController {
    Q_OBJECT

public:
    // The op codes of the sensors' set temperatures: writing one re-reads the page.
    static constexpr uint FanSetTemperatures[] = {0x10E0, 0x10E2, 0x10E4};

    explicit GroupFanPages(const PageContext& context, QObject* parent = nullptr);

    QList<QWidget*> pages() const override;
    void refresh(QWidget* page) override;

    void update_group_ID_ui();
    void update_cooling_fans_tab(bool dummy);
    // Queues the write of a sensor's set temperature; after it the page is read again.
    void queue_fan_temperature(QSlider* slider, uint opcode);

public slots:
    // Writes the group mask of the ten check boxes.
    void update_monitor_group_ID_from_ui();

private:
    QList<QCheckBox*> group_boxes() const;
};
