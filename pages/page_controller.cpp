#include "page_controller.h"

#include "basic_monitor.h"
#include "latin1_text.h"
#include "result_codes.h"
#include "string_resource.h"

#include <QComboBox>
#include <QMessageBox>
#include <QSettings>

PageController::PageController(const PageContext& context, QObject* parent)
    : QObject(parent), ui(context.ui), monitor(context.monitor), host(context.host) {}

void PageController::refresh(QWidget*) {}

void PageController::read_settings(const QSettings&) {}

void PageController::write_settings(QSettings&) const {}

void PageController::definitions_loaded() {}

void PageController::write_pending() {}

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

QString PageController::reply_status_text(int value) {
    return QStringLiteral("%1 (%2)").arg(value).arg(value == 0 ? QStringLiteral("OK")
                                                               : QStringLiteral("Error"));
}

int PageController::write_combo_value(QComboBox* combo, int index, uint opcode) {
    uint value = combo->itemData(index).toUInt();
    const int result = monitor->set_vcp_value(opcode, &value);
    if (result == 0) {
        host.set_settings_dirty(true);
        uint read_back = 0;
        if (monitor->get_vcp_value(opcode, &read_back) == 0)
            value = read_back;
    }
    select_by_data(combo, value);
    return result;
}

bool PageController::confirm_warning(const QString& question) {
    constexpr int ApplicationName = 1;
    return QMessageBox::warning(host.dialog_parent(), StringResource(ApplicationName), question,
                                QMessageBox::Yes | QMessageBox::Cancel,
                                QMessageBox::NoButton) == QMessageBox::Yes;
}

bool PageController::refuses_outside_latin1(const QString& what, const QString& text) {
    const QString character = firstCharacterOutsideLatin1(text);
    if (character.isEmpty())
        return false;
    host.show_error_status(ResultCode::ScriptInvalidParameter,
                           tr("%1 Nothing was sent.").arg(outsideLatin1Sentence(what, character)));
    return true;
}
