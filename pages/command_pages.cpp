#include "command_pages.h"

#include "basic_monitor.h"
#include "command_scope.h"
#include "result_codes.h"
#include "tv_channel_text.h"
#include "wait_progress.h"

namespace {
constexpr unsigned char NormalMode = 0;
constexpr unsigned char ExpertMode = 2;
// The newer LAN MAC command's two values, which the page does not show.
constexpr unsigned MacReadResult = 0, MacReadValue = 0;
constexpr unsigned FirstMacAddress = 0;
} // namespace

CommandPages::CommandPages(const PageContext& context, QObject* parent)
    : PageController(context, parent) {}

QList<QWidget*> CommandPages::pages() const {
    return {ui.firmware_version, ui.lan_mac_address, ui.tv_channel, ui.operating_mode};
}

void CommandPages::refresh(QWidget* page) {
    if (page == ui.firmware_version)
        on_get_frimwareversion_command_pushButton_clicked();
    else if (page == ui.lan_mac_address)
        on_get_LAN_MAC_addres_pushButton_clicked();
    else if (page == ui.tv_channel)
        on_get_tv_channel_pushButton_clicked();
}

// The TV channel goes out with Set, the status page's asset tag with its Update.
QList<QWidget*> CommandPages::form_fields() const {
    return {ui.tv_chnnel_lineEdit, ui.status_asset_tag_lineEdit};
}

QList<QWidget*> CommandPages::read_controls(QWidget* page) const {
    if (page == ui.firmware_version)
        return {ui.get_frimwareversion_command_lineEdit};
    if (page == ui.lan_mac_address)
        return {ui.get_LAN_MAC_addres_lineEdit};
    if (page == ui.tv_channel)
        return {ui.tv_chnnel_lineEdit, ui.set_tv_channel_pushButton};
    return {};
}

void CommandPages::on_get_frimwareversion_command_pushButton_clicked() {
    read_in_frame(ui.firmware_version, [this](CommandScope& frame) {
        PageRead pass(read_controls(ui.firmware_version));
        QString text;
        const int result = frame.report(
            monitor->get_firmware_version(ui.get_frimwareversion_command_spinBox->value(), text));
        pass.read(result, read_controls(ui.firmware_version),
                  [this, &text] { ui.get_frimwareversion_command_lineEdit->setText(text); });
    });
}

void CommandPages::on_get_LAN_MAC_addres_pushButton_clicked() {
    read_in_frame(ui.lan_mac_address, [this](CommandScope& frame) {
        PageRead pass(read_controls(ui.lan_mac_address));
        QString text;
        // Displays that do not know the newer command answer the older one.
        int result = frame.report(
            monitor->lan_mac_address_read_ipv4_ipv6(MacReadResult, MacReadValue, text));
        if (result != 0)
            result = frame.report(monitor->lan_mac_address_read(FirstMacAddress, text));
        pass.read(result, read_controls(ui.lan_mac_address),
                  [this, &text] { ui.get_LAN_MAC_addres_lineEdit->setText(text); });
    });
}

void CommandPages::on_get_tv_channel_pushButton_clicked() {
    read_in_frame(ui.tv_channel, [this](CommandScope& frame) {
        PageRead pass(read_controls(ui.tv_channel));
        int major = 0, minor = 0;
        const int result = frame.report(monitor->direct_tv_channel_read(&major, &minor));
        pass.read(result, read_controls(ui.tv_channel), [this, major, minor] {
            ui.tv_chnnel_lineEdit->setText(tv_channel_text(major, minor));
        });
    });
}

void CommandPages::on_set_tv_channel_pushButton_clicked() {
    std::optional<TvChannel> channel = parse_tv_channel(ui.tv_chnnel_lineEdit->text());
    if (!channel) {
        // Nothing to send: say so rather than send nothing silently.
        refuse_input(ResultCode::ScriptInvalidParameter,
                     tr("Enter the channel as major-minor, for example 5-1."));
        return;
    }
    write_in_frame({ui.tv_chnnel_lineEdit}, [this, &channel](CommandScope& frame) {
        const int result =
            frame.report(monitor->direct_tv_channel_write(&channel->major, &channel->minor));
        if (result == 0)
            ui.tv_chnnel_lineEdit->setText(tv_channel_text(channel->major, channel->minor));
        return result;
    });
}

void CommandPages::on_status_asset_update_pushButton_clicked() {
    if (refuses_outside_latin1(tr("The asset tag"), ui.status_asset_tag_lineEdit->text()))
        return;
    // The write and its read-back pause 1.3 s in all.
    LongAction action(host, *monitor, ui.statusBar, tr("Writing the asset tag to the display..."));
    if (!action)
        return;
    QString text;
    const int written = monitor->write_asset_data(ui.status_asset_tag_lineEdit->text());
    // A tag the display did not take stays as typed, to be sent again; one it took stays,
    // whether or not the read-back then shows it.
    ControlState::apply_write(written, {ui.status_asset_tag_lineEdit});
    if (written != 0) {
        action.finish(written, QString());
        return;
    }
    const int read = monitor->read_asset_data(text);
    if (action.finish(read, tr("Asset tag written to the display.")) != 0)
        return;
    ui.status_asset_tag_lineEdit->setText(text);
    ui.status_asset_update_pushButton->setEnabled(true);
    ui.status_asset_tag_lineEdit->setReadOnly(false);
    ControlState::confirm({ui.status_asset_tag_lineEdit});
}

void CommandPages::change_mode(unsigned char mode, const QString& done) {
    LongAction action(host, *monitor, ui.statusBar, QString(), false);
    if (!action)
        return;
    // Nothing on the page changes: only these words say the display took it.
    action.finish(monitor->mode_change_request(&mode), done);
}

void CommandPages::on_mode_expert_pushButton_clicked() {
    change_mode(ExpertMode, tr("The display switched to Expert mode."));
}

void CommandPages::on_mode_normal_pushButton_clicked() {
    change_mode(NormalMode, tr("The display switched to Normal mode."));
}
