#include "ip_scan_page.h"

#include "ip_address.h"
#include "ip_scanner.h"
#include "lm_communications_interface_configure_widget.h"
#include "progress_dialog.h"
#include "result_codes.h"
#include "stored_setting.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QProgressDialog>
#include <QTableWidget>

namespace {
const StoredSetting kScanFrom{"scan_ip_address_from", QLatin1String(kDefaultLanAddress)};
const StoredSetting kScanTo{"scan_ip_address_to", QStringLiteral("192.168.0.20")};
constexpr int kRetries = 3;

const char* statusText(IpScanRow::Status status) {
    switch (status) {
    case IpScanRow::Status::Ok:
        return "OK";
    case IpScanRow::Status::PortReplied:
        return "IP Port Replied";
    case IpScanRow::Status::NoReply:
        break;
    }
    return "No reply";
}

// A cell of the results: selectable, not editable, centred unless said otherwise.
QTableWidgetItem* cell(const QString& text, bool centred = true) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    if (centred)
        item->setTextAlignment(Qt::AlignCenter);
    return item;
}
} // namespace

IpScanPage::IpScanPage(const PageContext& context, QObject* parent)
    : PageController(context, parent) {
    for (QLineEdit* edit : {ui.ip_address_from_lineEdit, ui.ip_address_to_lineEdit}) {
        edit->setValidator(new IP4Validator(edit));
        connect(edit, &QLineEdit::textChanged, this, &IpScanPage::update_ip_address_state);
    }
    QTableWidget* table = ui.ip_tableWidget;
    table->setRowCount(0);
    table->setColumnCount(MacColumn + 1);
    table->setCornerButtonEnabled(false);
    table->setHorizontalHeaderLabels({tr("IP Address"), tr("Status"), tr("Model"), tr("Serial#"),
                                      tr("First Monitor ID"), tr("MAC Address")});
    table->verticalHeader()->hide();
    table->resizeColumnsToContents();
    update_ip_address_state();
}

QList<QWidget*> IpScanPage::pages() const {
    return {ui.ip_scan};
}

void IpScanPage::read_settings(const QSettings& settings) {
    ui.ip_address_from_lineEdit->setText(kScanFrom.read(settings).toString());
    ui.ip_address_to_lineEdit->setText(kScanTo.read(settings).toString());
    // Texts equal to the ones before change nothing: the state follows the loaded range here.
    update_ip_address_state();
}

void IpScanPage::write_settings(QSettings& settings) const {
    kScanFrom.write(settings, ui.ip_address_from_lineEdit->text());
    kScanTo.write(settings, ui.ip_address_to_lineEdit->text());
}

std::optional<std::pair<quint32, quint32>> IpScanPage::ordered_range() const {
    // 0 stands for an empty or malformed field as well as for 0.0.0.0.
    const quint32 first = ipTextToUInt(ui.ip_address_from_lineEdit->text());
    const quint32 last = ipTextToUInt(ui.ip_address_to_lineEdit->text());
    if (first == 0 || last == 0 || first > last)
        return std::nullopt;
    return std::make_pair(first, last);
}

void IpScanPage::update_ip_address_state() {
    const auto range = ordered_range();
    ui.detect_start_pushButton->setEnabled(ui.ip_address_from_lineEdit->hasAcceptableInput() &&
                                           ui.ip_address_to_lineEdit->hasAcceptableInput() &&
                                           range && range->second - range->first <= MaxSpan);
}

void IpScanPage::show_row(int row, const IpScanRow& found) {
    QTableWidget* table = ui.ip_tableWidget;
    if (!found.mac.isEmpty())
        table->setItem(row, MacColumn, cell(found.mac, false));
    table->setItem(row, StatusColumn, cell(QLatin1String(statusText(found.status))));
    if (!found.model.isEmpty())
        table->setItem(row, ModelColumn, cell(found.model));
    if (!found.serial.isEmpty())
        table->setItem(row, SerialColumn, cell(found.serial));
    if (found.monitor_id)
        table->setItem(row, IdColumn, cell(QString::number(*found.monitor_id)));
}

void IpScanPage::on_detect_start_pushButton_clicked() {
    // The button's state is no guarantee: the range is checked again before any traffic.
    const auto range = ordered_range();
    if (!range) {
        host.show_error_status(ResultCode::ScriptInvalidIpRange);
        return;
    }
    const auto [first, last] = *range;
    if (last - first > MaxSpan) {
        refuse_input(ResultCode::ScriptInvalidIpRange,
                     tr("A range holds at most %1 addresses.").arg(MaxSpan + 1));
        return;
    }
    const int count = int(last - first + 1);
    QTableWidget* table = ui.ip_tableWidget;
    table->clearContents();
    table->setRowCount(count);
    for (int r = 0; r < count; ++r)
        table->setItem(r, AddressColumn, cell(ipUIntToText(first + quint32(r))));

    QWidget* window = host.dialog_parent();
    QProgressDialog dialog(tr("Detect progress..."), tr("Abort"), 0, count + 1, window);
    show_progress_dialog(dialog, window);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);

    // The scan opens and closes connections of its own; queued writes wait for its end.
    host.set_long_operation(true);
    const IpScanOptions options{ui.increased_lan_timeout_checkBox->isChecked(),
                                ui.communications_retry_checkBox->isChecked() ? kRetries : 0};
    IpScanner scanner(*monitor, first, last, options);
    const auto keep_going = [&dialog] {
        QCoreApplication::processEvents();
        return !dialog.wasCanceled();
    };
    for (int r = 0; r < count && !dialog.wasCanceled(); ++r) {
        dialog.setLabelText(QStringLiteral("Trying IP address: ") +
                            ipUIntToText(first + quint32(r)));
        dialog.setValue(r + 1);
        const std::optional<IpScanRow> found = scanner.next(keep_going);
        if (!found)
            break;
        show_row(r, *found);
        table->selectRow(r);
        host.show_error_status(found->result);
    }
    host.set_long_operation(false);
    // Every text found shows whole.
    table->resizeColumnsToContents();
    host.fit_table_to_columns(table);
}
