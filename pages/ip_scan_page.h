#pragma once

#include "page_controller.h"

class QLineEdit;

// The IP scan page: an address range searched for displays.
class IpScanPage : public PageController {
    Q_OBJECT

public:
    explicit IpScanPage(const PageContext& context, QObject* parent = nullptr);

    QList<QWidget*> pages() const override;
    void read_settings(const QSettings& settings) override;
    void write_settings(QSettings& settings) const override;

private:
    QLineEdit* range_edit(const char* name) const;

    // The stored range, kept while the page's line edits are not in the form.
    QString scan_ip_from;
    QString scan_ip_to;
};
