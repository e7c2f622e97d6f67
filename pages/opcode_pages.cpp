#include "opcode_pages.h"

#include "stored_setting.h"

#include <QCheckBox>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>

namespace {
const StoredSetting kListByCategory{"list_opcode_by_category", true};
constexpr int kFirstOpcode = 0x10;
constexpr int kLastOpcode = 0x11FF;
} // namespace

OpcodePages::OpcodePages(const PageContext& context, QObject* parent)
    : PageController(context, parent) {
    connect(ui.control_horizontalSlider, &QSlider::valueChanged, ui.vcp_value_spinBox,
            &QSpinBox::setValue);
    connect(ui.vcp_value_spinBox, qOverload<int>(&QSpinBox::valueChanged),
            ui.control_horizontalSlider, &QSlider::setValue);
    const QSignalBlocker blocker(ui.vcp_spinBox);
    ui.vcp_spinBox->setBase(16);
    ui.vcp_spinBox->setValue(kFirstOpcode);
    ui.vcp_spinBox->setUpperCase(true);
    ui.vcp_spinBox->setMaximum(kLastOpcode);
}

QList<QWidget*> OpcodePages::pages() const {
    return {ui.opcode};
}

void OpcodePages::read_settings(const QSettings& settings) {
    ui.categories_checkBox->setChecked(kListByCategory.read(settings).toBool());
}

void OpcodePages::write_settings(QSettings& settings) const {
    kListByCategory.write(settings, ui.categories_checkBox->isChecked());
}
