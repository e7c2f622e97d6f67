#pragma once

#include "page_controller.h"

#include <optional>
#include <utility>

struct IpScanRow;

// The IP scan page: an address range searched for displays.
class IpScanPage : public PageController {
    Q_OBJECT

public:
    // The widest range a scan takes: at most 1001 addresses.
    static constexpr quint32 MaxSpan = 1000;
    enum Column { AddressColumn, StatusColumn, ModelColumn, SerialColumn, IdColumn, MacColumn };

    explicit IpScanPage(const PageContext& context, QObject* parent = nullptr);

    QList<QWidget*> pages() const override;
    void read_settings(const QSettings& settings) override;
    void write_settings(QSettings& settings) const override;

    // The start button is enabled only for a range that a scan takes.
    void update_ip_address_state();

public slots:
    void on_detect_start_pushButton_clicked();

private:
    // The first and last address of the two fields, when both are given (neither empty nor
    // 0.0.0.0) and the first is not above the last. A scan takes them at most MaxSpan apart.
    std::optional<std::pair<quint32, quint32>> ordered_range() const;
    void show_row(int row, const IpScanRow& found);
};
