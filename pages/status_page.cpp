#include "status_page.h"

#include "app_helpers.h"
#include "basic_monitor.h"
#include "opcodes.h"
#include "progress_dialog.h"
#include "result_codes.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollArea>
#include <QStatusBar>

namespace {
constexpr unsigned int kDiagnosticCapacity = 32;
constexpr int kStatusMessageMs = 10000;
// Lines of diagnostic texts shown at once; more scroll, since the page cannot grow.
constexpr int kDiagnosticLines = 2;
const QChar kDegree(0x00B0);

struct DiagnosticText {
    unsigned char code;
    const char* text;
};
// Every text but "Normal" ends in a full stop and a space, so that codes read as sentences.
const DiagnosticText kDiagnostics[] = {
    {0x00, QT_TRANSLATE_NOOP("StatusPage", "Normal")},
    {0x70, QT_TRANSLATE_NOOP("StatusPage", "Standby-power +3.3V abnormality. ")},
    {0x71, QT_TRANSLATE_NOOP("StatusPage", "Standby-power +5V abnormality. ")},
    {0x72, QT_TRANSLATE_NOOP("StatusPage", "Panel-power +12V abnormality. ")},
    {0x73, QT_TRANSLATE_NOOP("StatusPage", "Main-power +2.5V abnormality. ")},
    {0x74, QT_TRANSLATE_NOOP("StatusPage", "Main-power +1.8V abnormality. ")},
    {0x75, QT_TRANSLATE_NOOP("StatusPage", "Main-power +5V abnormality. ")},
    {0x76, QT_TRANSLATE_NOOP("StatusPage", "Sub-power +3.3V abnormality. ")},
    {0x77, QT_TRANSLATE_NOOP("StatusPage", "Main-power +3.3V abnormality. ")},
    {0x78, QT_TRANSLATE_NOOP("StatusPage", "Inverter power/Option slot2 power +24V Abnormality. ")},
    {0x80, QT_TRANSLATE_NOOP("StatusPage", "Cooling fan-1 abnormality. ")},
    {0x81, QT_TRANSLATE_NOOP("StatusPage", "Cooling fan-2 abnormality. ")},
    {0x82, QT_TRANSLATE_NOOP("StatusPage", "Cooling fan-3 abnormality. ")},
    {0x83, QT_TRANSLATE_NOOP("StatusPage", "COMPUTE MODULE Cooling fan abnormality. ")},
    {0x90, QT_TRANSLATE_NOOP("StatusPage", "Inverter abnormality. ")},
    {0x91, QT_TRANSLATE_NOOP("StatusPage", "LED Backlight abnormality. ")},
    {0xA0, QT_TRANSLATE_NOOP("StatusPage", "Temperature abnormality - shutdown. ")},
    {0xA1, QT_TRANSLATE_NOOP("StatusPage", "Temperature abnormality - half brightness. ")},
    {0xA2, QT_TRANSLATE_NOOP("StatusPage", "SENSOR reached user specified temperature. ")},
    {0xB0, QT_TRANSLATE_NOOP("StatusPage", "No signal. ")},
    {0xC0, QT_TRANSLATE_NOOP("StatusPage", "Option board abnormality. ")},
    {0xD0, QT_TRANSLATE_NOOP("StatusPage", "Error log buffer. ")},
    {0xE0, QT_TRANSLATE_NOOP("StatusPage", "EEPROM error. ")},
    {0xE1, QT_TRANSLATE_NOOP("StatusPage", "Corvane error. ")},
    {0xE2, QT_TRANSLATE_NOOP("StatusPage", "LPM-Trellan communications error. ")},
    {0xE3, QT_TRANSLATE_NOOP("StatusPage", "NFC-EEPROM error. ")},
    {0xE4, QT_TRANSLATE_NOOP("StatusPage", "CPLD error. ")},
};

QString diagnosticText(unsigned char code) {
    for (const DiagnosticText& d : kDiagnostics)
        if (d.code == code)
            return StatusPage::tr(d.text, "diagnostic code");
    return StatusPage::tr("Unknown error code %1. ", "diagnostic code")
        .arg(code, 2, 16, QLatin1Char('0'));
}

// Raw units of half a degree Celsius.
QString temperatureText(uint raw) {
    const double celsius = raw * 0.5;
    const double fahrenheit = raw * 1.8 * 0.5 + 32;
    return QStringLiteral("%1%3C (%2%3F)")
        .arg(QString::number(celsius, 'f', 1), QString::number(fahrenheit, 'f', 1),
             QString(kDegree));
}

QString fanText(uint state) {
    switch (state) {
    case 0:
        return StatusPage::tr("Off", "fan status");
    case 1:
        return StatusPage::tr("On", "fan status");
    case 2:
        return StatusPage::tr("Error", "fan status");
    default:
        return QString();
    }
}

QString powerText(unsigned char mode) {
    switch (mode) {
    case 1:
        return StatusPage::tr("On", "power status=on");
    case 2:
    case 3:
        return StatusPage::tr("Standby", "power status=standby");
    case 4:
        return StatusPage::tr("Off", "power status=off");
    default:
        return QString();
    }
}

QString hoursText(double hours) {
    return QString::number(hours, 'f', 1);
}

QString frequencyText(float frequency, const char* unit) {
    return QStringLiteral("%1 ").arg(double(frequency), 5, 'f', 2, QLatin1Char(' ')) +
           QLatin1String(unit);
}

QString textOf(const QWidget* widget) {
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        return label->text();
    return static_cast<const QLineEdit*>(widget)->text();
}
} // namespace

StatusPage::StatusPage(const PageContext& context, QObject* parent)
    : PageController(context, parent) {
    // Texts that a display sends are shown as they stand, never as markup; long ones (many
    // diagnostic codes, three temperatures in a row) wrap instead of being cut off.
    for (QLabel* label : value_labels()) {
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
    }
    scroll_diagnostics();
}

void StatusPage::scroll_diagnostics() {
    QLabel* label = ui.status_diagnostics_label;
    auto* area = new QScrollArea(ui.status);
    area->setObjectName(QStringLiteral("status_diagnostics_scrollArea"));
    area->setFrameShape(QFrame::NoFrame);
    // The page's tab chain stays as the form has it; the wheel scrolls.
    area->setFocusPolicy(Qt::NoFocus);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area->setWidgetResizable(true);
    const QFontMetrics metrics = label->fontMetrics();
    area->setMaximumHeight((kDiagnosticLines - 1) * metrics.lineSpacing() + metrics.height());
    delete ui.status_values_gridLayout->replaceWidget(label, area);
    area->setWidget(label);
    // The area would paint the label's background; it stays that of the page.
    label->setAutoFillBackground(false);
    area->viewport()->setAutoFillBackground(false);
}

QList<QWidget*> StatusPage::pages() const {
    return {ui.status};
}

void StatusPage::refresh(QWidget* page) {
    if (page == ui.status)
        show_failure(update_status_tab(dummy_interface()));
}

QList<QWidget*> StatusPage::read_controls(QWidget* page) const {
    if (page != ui.status)
        return {};
    QList<QWidget*> controls;
    for (QLabel* label : value_labels())
        controls << label;
    return controls << ui.status_asset_tag_lineEdit << ui.status_asset_update_pushButton;
}

QList<StatusPage::Row> StatusPage::rows() const {
    return {{ui.status_model_name_sub_label, ui.status_model_name_label},
            {ui.status_serial_number_sub_label, ui.status_serial_number_label},
            {ui.status_DOM_sub_label, ui.status_DOM_label},
            {ui.status_power_state_sub_label, ui.status_power_state_label},
            {ui.status_operating_hours_sub_label, ui.status_operating_hours_label},
            {ui.status_total_operating_hours_sub_label, ui.status_total_operating_hours_label},
            {ui.status_firmware_version_sub_label, ui.status_firmware_version_label},
            {ui.status_firmware2_version_sub_label, ui.status_firmware2_version_label},
            {ui.status_firmware3_version_sub_label, ui.status_firmware3_version_label},
            {ui.status_firmware4_version_sub_label, ui.status_firmware4_version_label},
            {ui.status_fan1_sub_label, ui.status_fan1_label},
            {ui.status_fan2_sub_label, ui.status_fan2_label},
            {ui.status_fan3_sub_label, ui.status_fan3_label},
            {ui.status_temp_sensor1_sub_label, ui.status_temp_sensor1_label},
            {ui.status_temp_sensor2_sub_label, ui.status_temp_sensor2_label},
            {ui.status_temp_sensor3_sub_label, ui.status_temp_sensor3_label},
            {ui.status_diagnostics_sub_label, ui.status_diagnostics_label},
            {ui.status_h_freq_sub_label, ui.status_h_freq_label},
            {ui.status_v_freq_sub_label, ui.status_v_freq_label},
            {ui.status_sync_status_sub_label, ui.status_sync_status_label},
            {ui.status_asset_tag_sub_label, ui.status_asset_tag_lineEdit}};
}

QList<QLabel*> StatusPage::value_labels() const {
    QList<QLabel*> labels{ui.status_mac_address_label};
    for (const Row& row : rows())
        if (auto* label = qobject_cast<QLabel*>(row.value))
            labels << label;
    return labels;
}

void StatusPage::show_unread(QWidget* page) {
    PageController::show_unread(page);
    ui.status_asset_tag_lineEdit->setReadOnly(true);
}

int StatusPage::update_status_tab(bool dummy_interface) {
    QWidget* window = host.dialog_parent();
    QProgressDialog dialog(tr("Reading Status..."), tr("Cancel"), 0, ProgressMaximum, window);
    show_progress_dialog(dialog, window);
    // The caller's wait cursor would hide that the dialog can be used.
    QApplication::restoreOverrideCursor();

    // Every value starts empty; the dummy interface leaves the asset tag usable.
    PageRead pass(read_controls(ui.status), dummy_interface);
    ui.status_asset_tag_lineEdit->setReadOnly(!dummy_interface);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    host.set_process_events_while_logging(true);

    if (!dummy_interface) {
        progress = &dialog;
        read_status(pass);
        progress = nullptr;
    }

    QApplication::setOverrideCursor(Qt::WaitCursor);
    host.set_process_events_while_logging(false);
    return pass.failure();
}

bool StatusPage::step() {
    progress->setValue(progress->value() + 1);
    return !progress->wasCanceled();
}

void StatusPage::read_status(PageRead& pass) {
    // Displays without the minute counters count half hours.
    double hours = 0;
    bool minutes = true;
    int result = monitor->get_operating_time_on_minutes(&hours);
    if (result != 0) {
        minutes = false;
        result = monitor->get_operating_time_on(&hours);
    }
    // A display that does not answer here answers nothing else either.
    if (PageRead::ends(pass.read(result, {ui.status_operating_hours_label}, [&] {
            ui.status_operating_hours_label->setText(hoursText(hours));
        })))
        return;
    if (!step())
        return;

    result = minutes ? monitor->get_total_operating_time_minutes(&hours) : -1;
    if (result != 0)
        result = monitor->get_total_operating_time(&hours);
    pass.read(result, {ui.status_total_operating_hours_label},
              [&] { ui.status_total_operating_hours_label->setText(hoursText(hours)); });
    if (!step())
        return;

    QString text;
    result = monitor->model_name_read(text);
    pass.read(result, {ui.status_model_name_label},
              [&] { ui.status_model_name_label->setText(text); });
    if (!step())
        return;

    result = monitor->serial_number_read(text);
    pass.read(result, {ui.status_serial_number_label, ui.status_DOM_label}, [&] {
        ui.status_serial_number_label->setText(text);
        const QDate made = manufactureDateFromSerial(text);
        if (made.isValid())
            ui.status_DOM_label->setText(
                QLocale::system().toString(made, QStringLiteral("MMMM yyyy")));
    });
    if (!step())
        return;

    unsigned char power = 0;
    result = monitor->power_status_read(&power);
    pass.read(result, {ui.status_power_state_label},
              [&] { ui.status_power_state_label->setText(powerText(power)); });
    if (!step())
        return;

    read_mac_address(pass);
    if (!step())
        return;

    read_diagnostics(pass);
    if (!step())
        return;

    if (!read_series(pass, OpCode::SensorSelect, OpCode::SensorTemperature,
                     {ui.status_temp_sensor1_label, ui.status_temp_sensor2_label,
                      ui.status_temp_sensor3_label},
                     temperatureText))
        return;
    if (!read_series(pass, OpCode::FanSelect, OpCode::FanState,
                     {ui.status_fan1_label, ui.status_fan2_label, ui.status_fan3_label}, fanText))
        return;

    read_timing(pass);
    if (!step())
        return;

    result = monitor->read_asset_data(text);
    pass.read(result, {ui.status_asset_tag_lineEdit, ui.status_asset_update_pushButton}, [&] {
        ui.status_asset_tag_lineEdit->setText(text);
        ui.status_asset_tag_lineEdit->setReadOnly(false);
    });
    if (!step())
        return;

    QString firmware[4];
    result = monitor->get_firmware_versions(firmware[0], firmware[1], firmware[2], firmware[3]);
    const QList<QLabel*> labels = {
        ui.status_firmware_version_label, ui.status_firmware2_version_label,
        ui.status_firmware3_version_label, ui.status_firmware4_version_label};
    pass.read(result, {labels.begin(), labels.end()}, [&] {
        for (int i = 0; i < labels.size(); ++i)
            labels[i]->setText(firmware[i]);
    });
}

void StatusPage::read_mac_address(PageRead& pass) {
    QString mac;
    int result = monitor->lan_mac_address_read_ipv4_ipv6(0, 0, mac);
    if (result != 0)
        result = monitor->lan_mac_address_read(0, mac);
    if (result != 0) {
        // The display does not tell: ask the local network, which knows only LAN peers.
        const monitor_data info = host.interface_info();
        mac = info.communicationsInterfaceType == InterfaceType::Lan
                  ? macAddressForIp(info.s_communicationsInterfacePortName)
                  : QStringLiteral("NA");
    }
    pass.read(0, {ui.status_mac_address_label}, [&] { ui.status_mac_address_label->setText(mac); });
}

void StatusPage::read_diagnostics(PageRead& pass) {
    unsigned char codes[kDiagnosticCapacity] = {};
    unsigned int count = kDiagnosticCapacity;
    const int result = monitor->self_diagnosis_status_read(codes, &count);
    pass.read(result, {ui.status_diagnostics_label}, [&] {
        QString text;
        for (unsigned int i = 0; i < qMin(count, kDiagnosticCapacity); ++i)
            text += diagnosticText(codes[i]);
        ui.status_diagnostics_label->setText(text);
    });
}

bool StatusPage::read_series(PageRead& pass, uint select_opcode, uint value_opcode,
                             const QList<QLabel*>& labels, QString (*text)(uint value)) {
    uint current = 0, count = 0;
    const int counted_result = monitor->get_vcp_value_max(select_opcode, &current, &count);
    const bool counted = counted_result == 0;
    if (!counted)
        pass.read(counted_result, {labels.begin(), labels.end()});
    else if (!step())
        return false;
    // Looking at the page changes nothing on the display: the sensor or fan that was selected
    // (the Cooling Fans page shows and sets it) is selected again however the series ends.
    bool selected_other = false;
    auto select_back = qScopeGuard([&] {
        if (!selected_other)
            return;
        uint selected = current;
        pass.read(monitor->set_vcp_value(select_opcode, &selected), {});
    });
    for (int n = 1; n <= labels.size(); ++n) {
        if (counted) {
            uint selected = uint(n), value = 0;
            // A position the display does not count is one it does not have.
            int result = ResultCode::Unsupported;
            if (uint(n) <= count) {
                selected_other = true;
                result = monitor->set_vcp_value(select_opcode, &selected);
                if (result == 0)
                    result = monitor->get_vcp_value(value_opcode, &value);
            }
            // A failure leaves this one empty and goes on with the next.
            pass.read(result, {labels[n - 1]}, [&] { labels[n - 1]->setText(text(value)); });
        }
        // Without a count the points of the first positions are skipped, not the last one's.
        if ((counted || n == labels.size()) && !step())
            return false;
    }
    return true;
}

void StatusPage::read_timing(PageRead& pass) {
    unsigned char status = 0;
    float horizontal = 0, vertical = 0;
    const int result = monitor->get_timing_report(&status, &horizontal, &vertical);
    pass.read(result, {ui.status_h_freq_label, ui.status_v_freq_label, ui.status_sync_status_label},
              [&] {
                  ui.status_h_freq_label->setText(frequencyText(horizontal, "kHz"));
                  ui.status_v_freq_label->setText(frequencyText(vertical, "Hz"));
                  QString sync = QLatin1String(status & 0x01 ? "+V Sync. " : "-V Sync. ");
                  sync += QLatin1String(status & 0x02 ? "+H Sync. " : "-H Sync. ");
                  if (status & 0x40)
                      sync += QLatin1String("Unstable Sync. ");
                  if (status & 0x80)
                      sync += QLatin1String("Sync out of range. ");
                  ui.status_sync_status_label->setText(sync);
              });
}

void StatusPage::on_copy_status_pushButton_clicked() {
    const monitor_data info = host.interface_info();
    QStringList lines;
    if (info.communicationsInterfaceType == InterfaceType::Lan) {
        lines << tr("IP Address: ") + info.s_communicationsInterfacePortName;
        lines << ui.status_mac_address_sub_label->text() + QLatin1Char(' ') +
                     ui.status_mac_address_label->text();
    } else {
        lines << tr("COM Port: ") + info.s_communicationsInterfacePortName;
    }
    lines << tr("Monitor ID: ") + info.m_monitor_id_string;
    for (const Row& row : rows())
        lines << row.caption->text() + QLatin1Char(' ') + textOf(row.value);
    const QString crlf = QStringLiteral("\r\n");
    QGuiApplication::clipboard()->setText(lines.join(crlf) + crlf, QClipboard::Clipboard);
    ui.statusBar->showMessage(tr("Status copied to clipboard"), kStatusMessageMs);
}
