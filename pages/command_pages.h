#pragma once

#include "page_controller.h"

// One command per button that reads a display's identity or changes how it
// runs: firmware version, LAN MAC address, direct TV channel, the asset tag of
// the status page and the operating mode.
class CommandPages : public PageController {
    Q_OBJECT

public:
    explicit CommandPages(const PageContext& context, QObject* parent = nullptr);

    QList<QWidget*> pages() const override;
    void refresh(QWidget* page) override;
    QList<QWidget*> read_controls(QWidget* page) const override;
    QList<QWidget*> form_fields() const override;

public slots:
    void on_get_frimwareversion_command_pushButton_clicked();
    void on_get_LAN_MAC_addres_pushButton_clicked();
    void on_get_tv_channel_pushButton_clicked();
    void on_set_tv_channel_pushButton_clicked();
    void on_status_asset_update_pushButton_clicked();
    void on_mode_expert_pushButton_clicked();
    void on_mode_normal_pushButton_clicked();

private:
    // Asks the display for the operating mode; done is said on the status bar when it took it.
    void change_mode(unsigned char mode, const QString& done);
};
