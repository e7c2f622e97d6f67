#include "page_controller.h"

#include "basic_monitor.h"

#include <QComboBox>
#include <QSettings>

PageController::PageController(const PageContext& context, QObject* parent)
    : QObject(parent), ui(context.ui), monitor(context.monitor), host(context.host) {}

void PageController::refresh(QWidget*) {}

void PageController::read_settings(const QSettings&) {}

void PageController::write_settings(QSettings&) const {}

void PageController::definitions_loaded() {}

bool PageController::dummy_interface() const {
    return host.interface_info().isDummy();
}

int PageController::read_value_max(uint opcode, uint* current, uint* max, QWidget* widget,
                                   bool dummy, bool dummy_rule) {
    const int result = monitor->get_vcp_value_max(opcode, current, max);
    if (widget)
        widget->setEnabled(result == 0 || (dummy_rule && dummy));
    return result;
}

void PageController::select_by_data(QComboBox* combo, uint value) {
    combo->setCurrentIndex(combo->findData(value));
}
