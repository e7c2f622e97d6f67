#include "ip_scan_page.h"

#include "stored_setting.h"

#include <QLineEdit>

namespace {
const StoredSetting kScanFrom{"scan_ip_address_from", QLatin1String(kDefaultLanAddress)};
const StoredSetting kScanTo{"scan_ip_address_to", QStringLiteral("192.168.0.20")};
const char kFromEdit[] = "ip_address_from_lineEdit";
const char kToEdit[] = "ip_address_to_lineEdit";
} // namespace

IpScanPage::IpScanPage(const PageContext& context, QObject* parent)
    : PageController(context, parent) {}

QList<QWidget*> IpScanPage::pages() const {
    return {ui.ip_scan};
}

QLineEdit* IpScanPage::range_edit(const char* name) const {
    return ui.ip_scan->findChild<QLineEdit*>(QLatin1String(name));
}

void IpScanPage::read_settings(const QSettings& settings) {
    scan_ip_from = kScanFrom.read(settings).toString();
    scan_ip_to = kScanTo.read(settings).toString();
    if (QLineEdit* from = range_edit(kFromEdit))
        from->setText(scan_ip_from);
    if (QLineEdit* to = range_edit(kToEdit))
        to->setText(scan_ip_to);
}

void IpScanPage::write_settings(QSettings& settings) const {
    const QLineEdit* from = range_edit(kFromEdit);
    const QLineEdit* to = range_edit(kToEdit);
    kScanFrom.write(settings, from ? from->text() : scan_ip_from);
    kScanTo.write(settings, to ? to->text() : scan_ip_to);
}
