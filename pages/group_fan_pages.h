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
    // Reads the fan page; the failures of its reads are noted in failure (the first one counts).
    void update_cooling_fans_tab(bool dummy, FirstFailure& failure);
    // Queues the write of a sensor's set temperature; after it the page is read again.
    void queue_fan_temperature(QSlider* slider, uint opcode);

public slots:
    // Writes the group mask of the ten check boxes.
    void update_monitor_group_ID_from_ui();
    void onCooling_fan_sensor_comboBoxChanged(int index);
    void onCooling_fan_mode_comboBoxChanged(int index);
    void onCooling_fan_speed_comboBoxChanged(int index);

private:
    QList<QCheckBox*> group_boxes() const;
    // Writes a fan list's choice; with refresh the page is read again on the same connection.
    void write_fan_choice(QComboBox* combo, int index, uint opcode, bool refresh);
};
