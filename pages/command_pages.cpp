#include "command_pages.h"

#include "basic_monitor.h"
#include "command_scope.h"
#include "result_codes.h"
#include "tv_channel_text.h"

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

void CommandPages::on_get_frimwareversion_command_pushButton_clicked() {
    CommandScope frame(host);
    if (!frame)
        return;
    ui.get_frimwareversion_command_lineEdit->clear();
    QString text;
    if (frame.report(monitor->get_firmware_version(ui.get_frimwareversion_command_spinBox->value(),
                                                   text)) == 0)
        ui.get_frimwareversion_command_lineEdit->setText(text);
}

void CommandPages::on_get_LAN_MAC_addres_pushButton_clicked() {
    CommandScope frame(host);
    if (!frame)
        return;
    ui.get_LAN_MAC_addres_lineEdit->clear();
    QString text;
    // Displays that do not know the newer command answer the older one.
    if (frame.report(monitor->lan_mac_address_read_ipv4_ipv6(MacReadResult, MacReadValue, text)) !=
            0 &&
        frame.report(monitor->lan_mac_address_read(FirstMacAddress, text)) != 0)
        return;
    ui.get_LAN_MAC_addres_lineEdit->setText(text);
}

void CommandPages::on_get_tv_channel_pushButton_clicked() {
    CommandScope frame(host);
    if (!frame)
        return;
    int major = 0, minor = 0;
    if (frame.report(monitor->direct_tv_channel_read(&major, &minor)) == 0)
        ui.tv_chnnel_lineEdit->setText(tv_channel_text(major, minor));
}

void CommandPages::on_set_tv_channel_pushButton_clicked() {
    std::optional<TvChannel> channel = parse_tv_channel(ui.tv_chnnel_lineEdit->text());
    if (!channel) {
        // Nothing to send: say so rather than send nothing silently.
        host.show_error_status(ResultCode::ScriptInvalidParameter);
        return;
    }
    CommandScope frame(host);
    if (!frame)
        return;
    if (frame.report(monitor->direct_tv_channel_write(&channel->major, &channel->minor)) == 0)
        ui.tv_chnnel_lineEdit->setText(tv_channel_text(channel->major, channel->minor));
}

void CommandPages::on_status_asset_update_pushButton_clicked() {
    if (refuses_outside_latin1(tr("The asset tag"), ui.status_asset_tag_lineEdit->text()))
        return;
    CommandScope frame(host);
    if (!frame)
        return;
    QString text;
    if (frame.report(monitor->write_asset_data(ui.status_asset_tag_lineEdit->text())) != 0 ||
        frame.report(monitor->read_asset_data(text)) != 0)
        return;
    ui.status_asset_tag_lineEdit->setText(text);
    ui.status_asset_update_pushButton->setEnabled(true);
    ui.status_asset_tag_lineEdit->setReadOnly(false);
}

void CommandPages::change_mode(unsigned char mode) {
    CommandScope frame(host);
    if (frame)
        frame.report(monitor->mode_change_request(&mode));
}

void CommandPages::on_mode_expert_pushButton_clicked() {
    change_mode(ExpertMode);
}

void CommandPages::on_mode_normal_pushButton_clicked() {
    change_mode(NormalMode);
}
