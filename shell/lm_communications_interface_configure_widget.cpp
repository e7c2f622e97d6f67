#include "lm_communications_interface_configure_widget.h"

#include "com_port_entries.h"
#include "cprojectorbrowsedlg.h"
#include "ip_address.h"
#include "serial_port_list.h"
#include "serial_port_watcher.h"
#include "ui_lm_communications_interface_configure_widget.h"

#include <QApplication>
#include <QCompleter>
#include <QIcon>
#include <QStringList>

namespace {
const QString greenIcon = QStringLiteral(":/images/Resources/green circle icon.png");
const QString redIcon = QStringLiteral(":/images/Resources/red circle icon.png");
const QString failIcon = QStringLiteral(":/images/Resources/alerts_red_icon_20.png");

// Windows numbers its ports COM1..COM16; elsewhere the list holds the ports present and a device
// path may be typed by hand.
QStringList fixedComPortNames() {
    QStringList names;
#ifdef Q_OS_WIN
    fillComPortList(names);
#endif
    return names;
}

struct MonitorIdGroup {
    const char* prefix;
    int first;
    int count;
    int firstId;
    bool letters;
};

// "1".."100", "All", "Group A".."Group J" with the destination byte of each.
const MonitorIdGroup monitorIdGroups[] = {
    {"", 1, 100, 0x41, false},
    {"All", 0, 1, 0x2A, false},
    {"Group ", 0, 10, 0x31, true},
};

constexpr int kDigitsPerPart = 3;
} // namespace

IP4Validator::IP4Validator(QObject* parent) : QValidator(parent) {}

QValidator::State IP4Validator::validate(QString& input, int&) const {
    const QStringList parts = input.split(QLatin1Char('.'));
    if (parts.size() > 4)
        return Invalid;
    bool anyEmpty = false;
    for (const QString& part : parts) {
        if (part.isEmpty()) {
            anyEmpty = true;
            continue;
        }
        bool ok = false;
        const int value = part.toInt(&ok, 10);
        if (!ok)
            return Intermediate;
        if (value < 0)
            return Invalid;
        // Refusing the keystroke would let the masked line move on and turn 999 into 99, a
        // different address: the part stays as typed and the address is not acceptable.
        if (value > 255)
            return Intermediate;
        // The address field keeps three digits a part: "0123" would reach it as "012".
        if (part.size() > kDigitsPerPart)
            return Intermediate;
    }
    return parts.size() == 4 && !anyEmpty ? Acceptable : Intermediate;
}

bool IP4Validator::isAcceptable(QString text) {
    int pos = 0;
    return IP4Validator().validate(text, pos) == Acceptable;
}

LM_communications_interface_configure_widget::LM_communications_interface_configure_widget(
    QWidget* parent)
    : QWidget(parent), ui(new Ui::LM_communications_interface_configure_widgetClass) {
    ui->setupUi(this);
    QLineEdit* address = ui->ip_address_lineEdit;
    address->setValidator(new IP4Validator(this));
    // Layouts would squeeze the line below the width of a full address.
    address->setMinimumWidth(
        address->fontMetrics().horizontalAdvance(QStringLiteral("000.000.000.000")) +
        address->fontMetrics().averageCharWidth() * 3);

    watcher = new SerialPortWatcher(this);
    if (fixedComPortNames().isEmpty()) {
        ui->com_port_comboBox->setEditable(true);
        ui->com_port_comboBox->setInsertPolicy(QComboBox::NoInsert);
    }
    fill_com_port_list(QString());

    for (const MonitorIdGroup& g : monitorIdGroups)
        for (int i = 0; i < g.count; ++i) {
            const QString suffix = g.letters     ? QString(QChar('A' + i))
                                   : g.count > 1 ? QString::number(g.first + i)
                                                 : QString();
            ui->display_ID_comboBox->addItem(QLatin1String(g.prefix) + suffix, g.firstId + i);
        }

    ui->dummy_interface_radioButton->setChecked(true);

    connect(ui->verify_pushButton, &QPushButton::clicked, this,
            &LM_communications_interface_configure_widget::verify_clicked);
    for (QRadioButton* b :
         {ui->rs232_radioButton, ui->lan_radioButton, ui->dummy_interface_radioButton})
        connect(b, &QRadioButton::toggled, this,
                &LM_communications_interface_configure_widget::update_ui_state);
    for (QComboBox* c : {ui->com_port_comboBox, ui->display_ID_comboBox})
        connect(c, qOverload<int>(&QComboBox::currentIndexChanged), this,
                &LM_communications_interface_configure_widget::update_ui_state);
    connect(ui->ip_address_lineEdit, &QLineEdit::textChanged, this,
            &LM_communications_interface_configure_widget::update_ui_state);

    connect(watcher, &SerialPortWatcher::deviceDiscovered, this,
            &LM_communications_interface_configure_widget::onDeviceDiscovered);
    connect(watcher, &SerialPortWatcher::deviceRemoved, this,
            &LM_communications_interface_configure_widget::onDeviceRemoved);
    watcher->setEnabled(true);
    update_ui_state();
}

LM_communications_interface_configure_widget::~LM_communications_interface_configure_widget() =
    default;

monitor_data LM_communications_interface_configure_widget::get_interface_info() {
    monitor_data d;
    d.m_monitor_id = ui->display_ID_comboBox->currentData().toInt();
    d.m_monitor_id_string = ui->display_ID_comboBox->currentText();
    if (ui->lan_radioButton->isChecked()) {
        d.communicationsInterfaceType = InterfaceType::Lan;
        // Qt would read "010" as octal: store and connect to the decimal reading.
        d.s_communicationsInterfacePortName = normalizedIPv4(ui->ip_address_lineEdit->text());
    } else if (ui->rs232_radioButton->isChecked()) {
        d.communicationsInterfaceType = InterfaceType::Rs232;
        d.s_communicationsInterfacePortName = ui->com_port_comboBox->currentText();
    } else {
        d.communicationsInterfaceType = InterfaceType::Dummy;
    }
    return d;
}

void LM_communications_interface_configure_widget::set_interface_info(monitor_data d) {
    switch (d.communicationsInterfaceType) {
    case InterfaceType::Lan:
        ui->lan_radioButton->setChecked(true);
        ui->ip_address_lineEdit->setText(normalizedIPv4(d.s_communicationsInterfacePortName));
        break;
    case InterfaceType::Dummy:
        ui->dummy_interface_radioButton->setChecked(true);
        ui->ip_address_lineEdit->setText(normalizedIPv4(d.s_communicationsInterfacePortName));
        break;
    default:
        ui->rs232_radioButton->setChecked(true);
        ui->ip_address_lineEdit->setText(QString());
        select_com_port(d.s_communicationsInterfacePortName);
        break;
    }
    ui->display_ID_comboBox->setCurrentIndex(ui->display_ID_comboBox->findData(d.m_monitor_id));
    update_ui_state();

    completer.reset(new QCompleter(QStringList{QLatin1String(kDefaultLanAddress)}));
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    ui->ip_address_lineEdit->setCompleter(completer.get());
}

void LM_communications_interface_configure_widget::selection_changed(int s) {
    selection = s;
}

void LM_communications_interface_configure_widget::update_ui_state() {
    const bool rs = ui->rs232_radioButton->isChecked();
    const bool lan = ui->lan_radioButton->isChecked();
    ui->com_port_comboBox->setEnabled(rs);
    ui->com_port_label->setEnabled(rs);
    ui->ip_address_lineEdit->setEnabled(lan);
    ui->ip_address_label->setEnabled(lan);
    ui->search_pushButton->setEnabled(lan);
    ui->auto_detect_monitor_ID_pushButton->setEnabled(rs || lan);
    ui->verify_pushButton->setEnabled(rs || lan);
    ui->verify_pushButton->setIcon(QIcon());
    show_address_validity();
}

void LM_communications_interface_configure_widget::show_address_validity() {
    QLineEdit* address = ui->ip_address_lineEdit;
    QPalette palette = address->palette();
    palette.setColor(QPalette::Text, address->hasAcceptableInput()
                                         ? QApplication::palette(address).color(QPalette::Text)
                                         : QColor(Qt::red));
    address->setPalette(palette);
}

void LM_communications_interface_configure_widget::verify_clicked() {
    ui->verify_pushButton->setIcon(QIcon());
    emit verify2();
}

void LM_communications_interface_configure_widget::onDeviceRemoved(const SerialPortInfo&) {
    rebuild_com_port_list();
}

void LM_communications_interface_configure_widget::onDeviceDiscovered(const SerialPortInfo&) {
    rebuild_com_port_list();
}

void LM_communications_interface_configure_widget::communications_test_result(int value) {
    ui->verify_pushButton->setIcon(value == 1   ? QIcon(greenIcon)
                                   : value == 2 ? QIcon(failIcon)
                                                : QIcon());
}

void LM_communications_interface_configure_widget::on_verify_pushButton_clicked() {}

void LM_communications_interface_configure_widget::on_search_pushButton_clicked() {
    CProjectorBrowseDlg dialog(this, CProjectorBrowseDlg::ModeDisplays);
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedIp().isEmpty())
        use_browsed_address(dialog.selectedIp());
}

void LM_communications_interface_configure_widget::on_auto_detect_monitor_ID_pushButton_clicked() {
    emit auto_detect_monitor_ID();
}

void LM_communications_interface_configure_widget::use_browsed_address(const QString& address) {
    ui->ip_address_lineEdit->setText(normalizedIPv4(address));
    emit auto_detect_monitor_ID();
}

void LM_communications_interface_configure_widget::fill_com_port_list(const QString& keep) {
    QComboBox* list = ui->com_port_comboBox;
    list->clear();
    for (const ComPortEntry& e : comPortEntries(fixedComPortNames(), watcher->ports(), keep))
        list->addItem(QIcon(e.present ? greenIcon : redIcon), e.name);
}

void LM_communications_interface_configure_widget::rebuild_com_port_list() {
    QComboBox* list = ui->com_port_comboBox;
    const QSignalBlocker blocker(list);
    if (list->isEditable()) {
        // The list changes with the ports present: keep the chosen name, not its position.
        const QString current = list->currentText();
        fill_com_port_list(current);
        list->setCurrentIndex(list->findText(current, Qt::MatchExactly | Qt::MatchCaseSensitive));
    } else {
        const int index = list->currentIndex();
        fill_com_port_list(QString());
        list->setCurrentIndex(index);
    }
}

void LM_communications_interface_configure_widget::select_com_port(const QString& name) {
    QComboBox* list = ui->com_port_comboBox;
    const auto flags = Qt::MatchExactly | Qt::MatchCaseSensitive;
    if (list->isEditable() && !name.isEmpty() && list->findText(name, flags) < 0) {
        const QSignalBlocker blocker(list);
        fill_com_port_list(name);
    }
    list->setCurrentIndex(list->findText(name, flags));
}
