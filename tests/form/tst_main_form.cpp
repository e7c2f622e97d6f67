// The main window's generated form, built on a bare QMainWindow.
#include "zetqvtoolmainwindow_ui.h"

#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSet>
#include <QSizePolicy>
#include <QTextDocument>
#include <QTextTable>
#include <QXmlStreamReader>
#include <QtTest>

#include <functional>

Q_DECLARE_METATYPE(QMargins)

namespace {

const char* const kPages[] = {"page",
                              "opcode",
                              "power_control",
                              "auto_power_save",
                              "video",
                              "size_position",
                              "group_id",
                              "tile_matrix",
                              "tile_matrix_advanced",
                              "cooling_fans",
                              "status",
                              "ir_remote",
                              "clock",
                              "daylight_savings",
                              "schedule",
                              "advanced_schedule",
                              "holiday",
                              "weekend",
                              "firmware_version",
                              "lan_mac_address",
                              "tv_channel",
                              "security",
                              "input_name",
                              "auto_id",
                              "auto_tile_matrix",
                              "proof_of_play",
                              "tile_matrix_memory",
                              "pip_pop_memory",
                              "simple_commands",
                              "analog",
                              "scripting",
                              "opcode_info",
                              "ip_scan",
                              "operating_mode",
                              "opcode_scanner",
                              "test_patterns",
                              "page_3",
                              "page_4",
                              "page_5",
                              "page_6",
                              "page_7",
                              "cap_string",
                              "gamma",
                              "luts3d",
                              "pjlink",
                              "snmp"};

const QString kNote = QStringLiteral(
    "<html><head/><body><p><span style=\" font-weight:600;\">Note:</span> Values shown are "
    "directly from the display commands and may not match those shown on the display's "
    "OSD.</p></body></html>");

// A tool tip or help text as the form writes it: one paragraph per sentence group.
QString rich(const QStringList& paragraphs) {
    return "<html><head/><body><p>" + paragraphs.join("</p><p>") + "</p></body></html>";
}

const QString kMediaPlayerNote =
    QStringLiteral("The display's media player is not supported here.");

// The pages that are built but stay disabled until the display's media player is supported.
constexpr int kFirstMediaPlayerPage = 37;
constexpr int kLastMediaPlayerPage = 40;

// The tool tip that shows over a widget: its own or the nearest one of its holders.
QString shownToolTip(const QWidget* w) {
    for (; w; w = w->parentWidget())
        if (!w->toolTip().isEmpty())
            return w->toolTip();
    return QString();
}

// The innermost layout of its holder that places a widget, and the widget's cell there (row and
// column of a grid or form; the item's place in a box layout as the row).
struct Cell {
    const QLayout* layout = nullptr;
    int row = 0;
    int column = 0;
    bool operator<(const Cell& other) const {
        return std::tie(row, column) < std::tie(other.row, other.column);
    }
};

Cell cellOf(const QWidget* w) {
    std::function<Cell(const QLayout*)> find = [&](const QLayout* l) -> Cell {
        for (int i = 0; i < l->count(); ++i) {
            QLayoutItem* item = l->itemAt(i);
            if (item->widget() == w) {
                Cell c{l, i, 0};
                int rowSpan = 0;
                int columnSpan = 0;
                QFormLayout::ItemRole role;
                if (auto* grid = qobject_cast<const QGridLayout*>(l))
                    grid->getItemPosition(i, &c.row, &c.column, &rowSpan, &columnSpan);
                else if (auto* form = qobject_cast<const QFormLayout*>(l)) {
                    form->getItemPosition(i, &c.row, &role);
                    c.column = role;
                }
                return c;
            }
            if (item->layout())
                if (Cell c = find(item->layout()); c.layout)
                    return c;
        }
        return Cell();
    };
    const QWidget* holder = w->parentWidget();
    return holder && holder->layout() ? find(holder->layout()) : Cell();
}

QStringList withSpinBoxes(const QStringList& prefixes) {
    QStringList out;
    for (const QString& p : prefixes)
        out << p + "_horizontalSlider" << p + "_spinBox";
    return out;
}

QStringList named(const QString& prefix, const QStringList& stems, const QString& suffix) {
    QStringList out;
    for (const QString& s : stems)
        out << prefix + s + suffix;
    return out;
}

const QStringList kWeekdays{"monday", "tuesday",  "wednesday", "thursday",
                            "friday", "saturday", "sunday"};

// The IR keypad: number, navigation and multi-picture blocks, then power, inputs and misc.
QStringList irKeypad() {
    QStringList keys;
    keys << QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "9", "hyphen", "0", "ent"}
         << QStringList{"display", "uparrow",    "menu",      "minus", "set",
                        "plus",    "auto_setup", "downarrow", "exit"}
         << named("multipicture_",
                  {"onoff", "mode", "change", "pictureaspect", "rotate", "rotateall"}, "")
         << QStringList{"power", "standby",  "poweron", "volplus", "chplus",
                        "guide", "volminus", "chminus", "mute"}
         << QStringList{"dvi",   "displayport",  "vga",           "ypbpr",  "hdmi",
                        "dvdhd", "video",        "rgbhv",         "svideo", "option",
                        "dvi1",  "dvi2",         "hdmi1",         "hdmi2",  "hdmi3",
                        "hdmi4", "media_player", "compute_module"}
         << QStringList{"picturemode", "sound",     "audio_input", "option_menu",
                        "wait1s",      "imageflip", "aspect",      "active_picture",
                        "preset1",     "preset2",   "preset3"};
    return named("ir_remote_", keys, "_pushButton");
}

// The focus chain as the form sets it, page by page.
QStringList expectedTabChain() {
    QStringList chain{"treeWidget",
                      "control_list_treeWidget",
                      "vcp_spinBox",
                      "vcp_value_spinBox",
                      "get_vcp_pushButton",
                      "set_vcp_pushButton",
                      "control_value_comboBox",
                      "control_horizontalSlider",
                      "update_on_change_checkBox",
                      "search_opcode_pushButton",
                      "categories_checkBox",
                      "opcode_list_filter_by_capability_checkBox",
                      "save_settings_pushButton",
                      "reload_settings_pushButton",
                      "communications_retry_checkBox",
                      "increased_lan_timeout_checkBox",
                      "display_list_tableView",
                      "display_list_save_pushButton",
                      "delete_row_pushButton",
                      "power_on_pushButton",
                      "power_off_pushButton",
                      "power_on_delay_horizontalSlider",
                      "power_saving_mode_enable_radioButton",
                      "power_saving_mode_disable_radioButton",
                      "power_save_mode_comboBox",
                      "power_save_time_spinBox",
                      "standby_time_spinBox",
                      "power_save_status_lineEdit",
                      "video_input_comboBox"};
    chain << withSpinBoxes({"brightness", "contrast", "sharpness", "black_level", "tint", "color"})
          << QStringList{"gamma_comboBox", "picture_mode_comboBox", "color_reset_pushButton"}
          << withSpinBoxes({"color_temp", "red_level", "green_level", "blue_level"})
          << "color_preset_comboBox"
          << withSpinBoxes({"six_axis_red", "six_axis_yellow", "six_axis_green", "six_axis_cyan",
                            "six_axis_blue", "six_axis_magenta"})
          << withSpinBoxes({"h_position", "clock", "h_resolution"})
          << QStringList{"input_resolution_comboBox", "base_zoom_comboBox"}
          << withSpinBoxes({"h_expansion", "zoom_h_position"})
          << QStringList{"aspect_comboBox", "size_reset_pushButton"}
          << withSpinBoxes({"v_position", "clock_phase", "v_resolution", "zoom", "v_expansion",
                            "zoom_v_position"});
    // Page 6's stretch also holds three buttons of pages 42 and 43.
    chain << QStringList{"group_ID_j_checkBox",
                         "group_ID_g_checkBox",
                         "gamma_read_3d_LUT_from_RAM_pushButton",
                         "group_ID_f_checkBox",
                         "gamma_reset_pushButton",
                         "group_ID_c_checkBox",
                         "group_ID_e_checkBox",
                         "group_ID_d_checkBox",
                         "group_ID_h_checkBox",
                         "test_gamma_lut_write_pushButton",
                         "group_ID_i_checkBox",
                         "group_ID_a_checkBox",
                         "group_ID_b_checkBox"};
    chain << QStringList{"enable_tile_matrix_groupBox",
                         "horizontal_monitors_spinBox",
                         "vertical_monitors_spinBox",
                         "use_tile_comp_checkBox",
                         "frame_comp_mode_comboBox",
                         "frame_comp_auto_value_doubleSpinBox",
                         "frame_comp_manual_value_doubleSpinBox",
                         "tile_matrix_memory_comboBox",
                         "v_scan_reverse_mode_comboBox",
                         "v_scan_reverse_manual_comboBox",
                         "cooling_fan_sensor_comboBox",
                         "cooling_fan_mode_comboBox",
                         "cooling_fan_speed_comboBox"}
          << withSpinBoxes({"fan_sensor1_temp", "fan_sensor2_temp", "fan_sensor3_temp"});
    // pages 10 and 11
    chain << QStringList{"status_asset_tag_lineEdit", "status_asset_update_pushButton",
                         "copy_status_pushButton"}
          << irKeypad()
          << QStringList{"ir_remote_code_lineEdit", "ir_remote_sendsequence_pushButton",
                         "ir_remote_send_immediately_checkBox", "ir_control_comboBox"};
    // pages 12 to 18
    chain << QStringList{"set_to_custom_date_pushButton",   "clock_set_time_dateTimeEdit",
                         "set_to_system_date_pushButton",   "daylight_savings_checkBox",
                         "read_clock_pushButton",           "clock_get_time_dateTimeEdit",
                         "daylight_savings_enable_checkBox"};
    for (const char* side : {"begin", "end"})
        chain << named(QStringLiteral("daylight_savings_%1_").arg(side),
                       {"month_comboBox", "day1_comboBox", "day2_comboBox", "time_timeEdit"}, "");
    chain << named("daylight_savings_",
                   {"time_difference_comboBox", "read_pushButton", "write_pushButton", "lineEdit"},
                   "")
          << named("schedule_",
                   {"number_comboBox", "update_pushButton", "enable_groupBox",
                    "on_time_enable_checkBox", "on_time_timeEdit", "off_time_enable_checkBox",
                    "off_time_timeEdit", "input_comboBox", "picture_mode_comboBox",
                    "every_day_checkBox", "every_week_checkBox"},
                   "")
          << named("schedule_", kWeekdays, "_checkBox")
          << named("advanced_schedule_",
                   {"number_comboBox", "enable_checkBox", "on_off_type_comboBox"}, "")
          << "gamma_init_pushButton" // of page 42
          << named("advanced_schedule_",
                   {"timeEdit", "input_comboBox", "picture_mode_comboBox", "date_radioButton",
                    "date_year_comboBox", "date_month_comboBox", "date_day_comboBox",
                    "every_day_radioButton", "every_week_radioButton"},
                   "")
          << named("advanced_schedule_", kWeekdays, "_checkBox")
          << named("advanced_schedule_",
                   {"weekday_radioButton", "weekend_radioButton", "holiday_radioButton",
                    "read_pushButton", "write_pushButton", "status_lineEdit",
                    "clear_all_pushButton"},
                   "")
          << named("holiday_",
                   {"program_comboBox", "year_comboBox", "month_comboBox", "day_radioButton",
                    "day_comboBox", "week_radioButton", "week_nth_comboBox",
                    "week_weekday_comboBox", "end_day_checkBox", "end_day_month_comboBox",
                    "end_day_day_comboBox", "read_pushButton", "write_pushButton",
                    "status_lineEdit", "clear_all_pushButton"},
                   "")
          << named("weekend_", kWeekdays, "_checkBox")
          << named("weekend_", {"read_pushButton", "write_pushButton", "status_lineEdit"}, "")
          << named("get_frimwareversion_command_", {"pushButton", "spinBox", "lineEdit"}, "");
    // pages 19 to 25
    chain << QStringList{"get_LAN_MAC_addres_pushButton",
                         "get_LAN_MAC_addres_lineEdit",
                         "tv_chnnel_lineEdit",
                         "get_tv_channel_pushButton",
                         "set_tv_channel_pushButton",
                         "security_enable_checkBox",
                         "security_read_pushButton",
                         "security_write_pushButton",
                         "security_lock_control_pushButton",
                         "security_password_lineEdit",
                         "security_status_lineEdit",
                         "pushButton"}
          << named("compute_module_setting_lock_",
                   {"enable_checkBox", "pushButton", "passcode_lineEdit", "status_lineEdit"}, "")
          << named("inputname_",
                   {"name_lineEdit", "read_pushButton", "write_pushButton", "reset_pushButton",
                    "status_lineEdit"},
                   "")
          << named("inputname_name_designated_terminal_",
                   {"input_comboBox", "name_lineEdit", "read_pushButton", "write_pushButton",
                    "reset_pushButton", "status_lineEdit"},
                   "")
          << QStringList{"auto_id_reset_pushButton", "auto_id_execute_pushButton",
                         "auto_id_execute_get_complete_pushButton", "auto_ID_lineEdit",
                         "help_pushButton2_5"}
          << named("auto_tilematrix_",
                   {"input_comboBox", "memory_comboBox", "h_spinBox", "v_spinBox",
                    "read_pushButton", "write_pushButton", "reset_pushButton", "execute_pushButton",
                    "execute_get_complete_pushButton", "lineEdit"},
                   "")
          << "help_pushButton2_4"
          << named("proof_of_playV2_",
                   {"start_pushButton", "stop_pushButton", "clear_pushButton",
                    "get_current_pushButton", "get_status_pushButton",
                    "get_number_to_number_pushButton", "from_spinBox", "to_spinBox"},
                   "")
          << QStringList{"pop_v2_status_lineEdit", "proof_of_play_plainTextEdit"};
    return chain;
}

QSizePolicy policy(QSizePolicy::Policy h, QSizePolicy::Policy v, int hStretch = 0,
                   int vStretch = 0) {
    QSizePolicy p(h, v);
    p.setHorizontalStretch(hStretch);
    p.setVerticalStretch(vStretch);
    return p;
}

bool sameValue(const QVariant& actual, const QVariant& expected) {
    if (expected.userType() == QMetaType::QFont)
        return qvariant_cast<QFont>(actual).family() == qvariant_cast<QFont>(expected).family();
    if (expected.userType() == QMetaType::QSizePolicy)
        return qvariant_cast<QSizePolicy>(actual) == qvariant_cast<QSizePolicy>(expected);
    if (expected.userType() == QMetaType::QString)
        return actual.toString() == expected.toString();
    QVariant converted = actual;
    return converted.convert(expected.userType()) && converted == expected;
}

} // namespace

class tst_main_form : public QObject {
    Q_OBJECT

    QMainWindow window;
    Ui::ZETQVToolMainWindowClass ui;
    // A second form, shown and active, for the keyboard shortcuts.
    QMainWindow keyboardWindow;
    Ui::ZETQVToolMainWindowClass keyboard;

    // Every object of the main form itself; the interface widget's own form is left out.
    QList<QObject*> formObjects() const {
        QList<QObject*> out;
        const auto all = window.findChildren<QObject*>();
        for (QObject* o : all) {
            bool inner = false;
            for (QObject* p = o->parent(); p && !inner; p = p->parent())
                inner = p == ui.communications_interface_widget;
            if (!inner && !o->objectName().isEmpty() && !o->objectName().startsWith("qt_"))
                out << o;
        }
        return out;
    }

    // The index of the page that holds a widget, or -1 outside the pages.
    int pageOf(const QWidget* w) const {
        for (int i = 0; i < ui.stackedWidget->count(); ++i)
            if (ui.stackedWidget->widget(i) != w && ui.stackedWidget->widget(i)->isAncestorOf(w))
                return i;
        return -1;
    }

    // The named widgets in the order the focus chain meets them, starting at the navigation tree.
    QStringList focusOrder(const QStringList& names) const {
        const QSet<QString> wanted(names.cbegin(), names.cend());
        QStringList seen;
        QWidget* w = ui.treeWidget;
        do {
            if (wanted.contains(w->objectName()) && !seen.contains(w->objectName()))
                seen << w->objectName();
            w = w->nextInFocusChain();
        } while (w != ui.treeWidget);
        return seen;
    }

    // The form's tab stops in the order the form file lists them.
    static QStringList tabStops() {
        QFile file(QFINDTESTDATA("../../form/zetqvtoolmainwindow.ui"));
        if (!file.open(QIODevice::ReadOnly))
            return {};
        QXmlStreamReader xml(&file);
        QStringList stops;
        while (!xml.atEnd())
            if (xml.readNext() == QXmlStreamReader::StartElement &&
                xml.name() == QLatin1String("tabstop"))
                stops << xml.readElementText();
        return stops;
    }

private slots:
    void initTestCase() {
        ui.setupUi(&window);
        keyboard.setupUi(&keyboardWindow);
    }

    void frame() {
        QCOMPARE(window.objectName(), QString("ZETQVToolMainWindowClass"));
        QCOMPARE(window.windowTitle(), QString("ZET QV Comms Tool"));
        QCOMPARE(window.size(), QSize(941, 990));
        QVERIFY(!window.windowIcon().pixmap(32).isNull());
        QCOMPARE(window.centralWidget(), ui.centralWidget);
        QCOMPARE(window.statusBar(), ui.statusBar);
        QCOMPARE(window.menuBar(), ui.menuBar);
        QCOMPARE(ui.stackedWidget->currentIndex(), 11);
        QCOMPARE(ui.stackedWidget->currentWidget()->objectName(), QString("ir_remote"));
        QCOMPARE(ui.treeWidget->headerItem()->text(0), QString("Function List"));
        QCOMPARE(ui.control_list_treeWidget->headerItem()->text(0), QString("OpCode Control Name"));
        QCOMPARE(ui.horizontalLayout_25->indexOf(ui.treeWidget), 0);
        QCOMPARE(ui.horizontalLayout_25->indexOf(ui.main_groupBox), 1);
        QCOMPARE(ui.gridLayout_45->indexOf(ui.stackedWidget), 0);
        QCOMPARE(ui.verticalLayout_6->indexOf(ui.communications_interface_widget), 0);
        QCOMPARE(ui.communications_interface_widget->parent(), ui.centralWidget);
        QCOMPARE(ui.gridLayout13->contentsMargins().top(), 12);
        QCOMPARE(ui.horizontalLayout_51->indexOf(ui.display_list_groupBox), 1);
    }

    void keepsAGivenWindowName() {
        QMainWindow named;
        named.setObjectName("already_named");
        Ui::ZETQVToolMainWindowClass second;
        second.setupUi(&named);
        QCOMPARE(named.objectName(), QString("already_named"));
    }

    void menus() {
        const auto bar = ui.menuBar->actions();
        QCOMPARE(bar.size(), 3);
        const QList<QPair<QMenu*, QStringList>> menus{
            {ui.menuFile, {"actionOpen", "actionExit"}},
            {ui.menuView, {"action_Information_Window"}},
            {ui.menuHelp, {"actionAbout", "actionCheck_for_updates", "actionUser_s_Guide"}}};
        const QStringList titles{"File", "View", "Help"};
        for (int i = 0; i < menus.size(); ++i) {
            QCOMPARE(bar[i], menus[i].first->menuAction());
            QCOMPARE(menus[i].first->title(), titles[i]);
            QStringList names;
            for (QAction* a : menus[i].first->actions())
                names << a->objectName();
            QCOMPARE(names, menus[i].second);
        }
        for (QAction* a : window.findChildren<QAction*>(QString(), Qt::FindDirectChildrenOnly)) {
            if (a->objectName().startsWith("action")) {
                QVERIFY2(a->icon().isNull(), qPrintable(a->objectName()));
                QVERIFY2(a->shortcut().isEmpty(), qPrintable(a->objectName()));
            }
        }
    }

    void pageTable_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("name");
        for (int i = 0; i < int(std::size(kPages)); ++i)
            QTest::addRow("%d", i) << i << QString(kPages[i]);
    }

    void pageTable() {
        QFETCH(int, index);
        QFETCH(QString, name);
        QCOMPARE(ui.stackedWidget->count(), int(std::size(kPages)));
        QCOMPARE(ui.stackedWidget->widget(index)->objectName(), name);
    }

    void objectNamesUnique() {
        QMap<QString, int> seen;
        for (QObject* o : formObjects())
            ++seen[o->objectName()];
        QStringList twice;
        for (auto it = seen.cbegin(); it != seen.cend(); ++it)
            if (it.value() > 1)
                twice << it.key();
        QVERIFY2(twice.isEmpty(), qPrintable(twice.join(", ")));
        QVERIFY(seen.size() > 300);
    }

    void opCodeToolTips() {
        const QRegularExpression word("OpCode");
        const QRegularExpression named("OpCode [0-9A-F]{4}h");
        int naming = 0;
        for (QObject* o : formObjects()) {
            auto* w = qobject_cast<QWidget*>(o);
            if (!w || !w->toolTip().contains(word))
                continue;
            ++naming;
            QVERIFY2(w->toolTip().count(word) == w->toolTip().count(named),
                     qPrintable(w->objectName() + ": " + w->toolTip()));
        }
        QVERIFY(naming >= 56);
    }

    void samples_data() {
        QTest::addColumn<QString>("object");
        QTest::addColumn<QString>("className");
        QTest::addColumn<QByteArray>("property");
        QTest::addColumn<QVariant>("expected");
        const QByteArray none;
        auto row = [](const QString& object, const QString& cls, const QByteArray& prop,
                      const QVariant& value) {
            QTest::addRow("%s.%s", qPrintable(object), prop.isEmpty() ? "class" : prop.constData())
                << object << cls << prop << value;
        };
        const QVariant empty = QString();

        // frame
        row("actionOpen", "QAction", "text", "Open Monitor Control Definition file...");
        row("actionAbout", "QAction", "menuRole", int(QAction::AboutRole));
        row("actionCheck_for_updates", "QAction", "text", "Check for updates");
        row("action_Information_Window", "QAction", "checkable", true);
        row("action_Information_Window", "QAction", "checked", false);
        row("action_Information_Window", "QAction", "text", "Communications Log");
        row("actionUser_s_Guide", "QAction", "text", "User's Guide");
        row("actionExit", "QAction", "menuRole", int(QAction::TextHeuristicRole));
        row("verticalLayout_16", "QVBoxLayout", "spacing", 6);
        row("hboxLayout24", "QHBoxLayout", "spacing", 6);
        row("verticalLayout_15", "QVBoxLayout", "spacing", 6);
        row("gridLayout13", "QGridLayout", "spacing", 6);
        row("verticalLayout_20", "QVBoxLayout", none, QVariant());
        row("horizontalLayout_51", "QHBoxLayout", none, QVariant());
        row("treeWidget", "QTreeWidget", "sizePolicy",
            policy(QSizePolicy::Expanding, QSizePolicy::Expanding, 0, 4));
        row("treeWidget", "QTreeWidget", "uniformRowHeights", true);
        row("treeWidget", "QTreeWidget", "animated", true);
        row("treeWidget", "QTreeWidget", "headerHidden", true);
        row("main_groupBox", "QGroupBox", "title", "-");
        row("main_groupBox", "QGroupBox", "alignment", int(Qt::AlignCenter));
        row("main_groupBox", "QGroupBox", "sizePolicy",
            policy(QSizePolicy::Preferred, QSizePolicy::Preferred, 0, 4));
        row("stackedWidget", "QStackedWidget", "sizePolicy",
            policy(QSizePolicy::Preferred, QSizePolicy::Preferred, 4, 1));
        row("stackedWidget", "QStackedWidget", "frameShape", int(QFrame::NoFrame));
        row("save_settings_pushButton", "QPushButton", "text", "Save All Settings");
        row("reload_settings_pushButton", "QPushButton", "toolTip",
            "<html><head/><body><p>Reads all of the settings for the currently selected "
            "Function from the display.</p></body></html>");
        row("communications_retry_checkBox", "QCheckBox", "toolTip",
            "Re-send a command up to 3 times if it fails. This can be useful in some "
            "environments if the connection is unreliable.");
        row("increased_lan_timeout_checkBox", "QCheckBox", "text", "Increased LAN timeout");
        row("communications_interface_widget", "LM_communications_interface_configure_widget",
            "minimumSize", QSize(30, 30));
        row("display_list_groupBox", "QGroupBox", "sizePolicy",
            policy(QSizePolicy::Preferred, QSizePolicy::Minimum));
        row("display_list_add_current_pushButton", "QPushButton", "enabled", true);
        row("delete_row_pushButton", "QPushButton", "enabled", false);
        row("display_list_open_pushButton", "QPushButton", "text", "Open file...");
        row("display_list_save_pushButton", "QPushButton", "enabled", false);
        row("display_list_tableView", "QTableView", "sizePolicy",
            policy(QSizePolicy::Expanding, QSizePolicy::Fixed));
        row("display_list_tableView", "QTableView", "minimumHeight", 40);
        row("display_list_tableView", "QTableView", "acceptDrops", false);
        row("display_list_tableView", "QTableView", "verticalScrollBarPolicy",
            int(Qt::ScrollBarAlwaysOn));
        row("display_list_tableView", "QTableView", "selectionBehavior",
            int(QAbstractItemView::SelectRows));
        row("display_list_tableView", "QTableView", "cornerButtonEnabled", false);

        // pages 0 to 9
        row("label_77", "QLabel", "text", "Select a sub-section");
        row("control_list_treeWidget", "QTreeWidget", "rootIsDecorated", false);
        row("control_list_treeWidget", "QTreeWidget", "sortingEnabled", true);
        row("vcp_spinBox", "QxtBaseSpinBox", "prefix", empty);
        row("vcp_spinBox", "QxtBaseSpinBox", "sizePolicy",
            policy(QSizePolicy::Minimum, QSizePolicy::Fixed));
        row("widget_2", "QWidget", none, QVariant());
        row("value_group_widget", "QWidget", none, QVariant());
        row("label_89", "QLabel", "text", "0x");
        row("vcp_supported_label", "QLabel", "text", "-");
        row("groupBox_6", "QGroupBox", "title", "Get/Set Parameter");
        row("groupBox_23", "QGroupBox", "title", "Adjust Value");
        row("control_horizontalSlider", "QSlider", "tickPosition", int(QSlider::TicksBelow));
        row("control_horizontalSlider", "QSlider", "orientation", int(Qt::Horizontal));
        row("update_on_change_checkBox", "QCheckBox", "checked", true);
        row("label_80", "QLabel", "text", kNote);
        row("label_80", "QLabel", "wordWrap", true);
        row("search_opcode_pushButton", "QPushButton", "text", "Search OpCode...");
        row("opcode_list_filter_by_capability_checkBox", "QCheckBox", "text",
            "Show only OpCodes and values supported by this display");
        row("categories_checkBox", "QCheckBox", "checked", false);
        row("groupBox", "QGroupBox", "minimumWidth", 180);
        row("groupBox_2", "QGroupBox", "toolTip", "OpCode 02D8h");
        row("power_state_label", "QLabel", "sizePolicy",
            policy(QSizePolicy::Preferred, QSizePolicy::Preferred));
        row("power_on_delay_label", "QLabel", "text", empty);
        row("power_save_time_spinBox", "QSpinBox", "maximum", 200);
        row("standby_time_spinBox", "QSpinBox", "maximum", 200);
        row("standby_time_spinBox", "QSpinBox", "minimum", 0);
        row("power_save_status_lineEdit", "QLineEdit", "readOnly", true);
        row("power_saving_mode_enable_radioButton", "QRadioButton", "checked", false);
        row("power_saving_mode_disable_radioButton", "QRadioButton", "checked", false);
        row("power_saving_mode_groupBox", "QGroupBox", "toolTip", "OpCode 00E1h");
        row("power_saving_mode_new_groupBox", "QGroupBox", "title", "Power Save");
        row("power_save_mode_comboBox", "QComboBox", "count", 0);
        row("label", "QLabel", "text", "Video Input:");
        row("video_input_comboBox", "QComboBox", "toolTip", "OpCode 0060h");
        row("black_level_horizontalSlider", "QSlider", "toolTip", "OpCode 0092h");
        row("color_horizontalSlider", "QSlider", "toolTip", "OpCode 021Fh");
        row("color_reset_pushButton", "QPushButton", "toolTip", "OpCode 02CBh");
        row("label_35", "QLabel", "text",
            "<b>Note:</b> Color Temperature and Red, Green and Blue Gains can not be used in "
            "Programmable Gamma mode.");
        row("six_axis_red_horizontalSlider", "QSlider", "toolTip", "OpCode 009Bh");
        row("six_axis_magenta_horizontalSlider", "QSlider", "toolTip",
            "<html><head/><body><p>OpCode 00A0h</p></body></html>");
        row("six_axis_color_groupBox", "QGroupBox", "title", "6 Axis Color Trim");
        row("blue_level_horizontalSlider", "QSlider", "maximum", 99);
        row("h_expansion_horizontalSlider", "QSlider", "minimum", 1);
        row("h_expansion_spinBox", "QSpinBox", "minimum", 1);
        row("v_expansion_horizontalSlider", "QSlider", "minimum", 1);
        row("v_expansion_spinBox", "QSpinBox", "minimum", 1);
        row("zoom_horizontalSlider", "QSlider", "minimum", 1);
        row("zoom_spinBox", "QSpinBox", "minimum", 1);
        row("zoom_spinBox", "QSpinBox", "maximum", 99);
        row("zoom_h_position_spinBox", "QSpinBox", "minimum", 0);
        row("clock_phase_horizontalSlider", "QSlider", "toolTip", "OpCode 003Eh");
        row("label_11", "QLabel", "sizePolicy",
            policy(QSizePolicy::Preferred, QSizePolicy::Preferred));
        row("size_reset_pushButton", "QPushButton", "toolTip", "OpCode 02CBh");
        row("label_8", "QLabel", "text", kNote);
        row("group_ID_groupBox", "QGroupBox", "toolTip",
            "<html><head/><body><p>OpCode 107Fh</p></body></html>");
        row("group_ID_a_checkBox", "QCheckBox", "text", empty);
        row("group_ID_j_checkBox", "QCheckBox", "text", empty);
        row("group_ID_j_label", "QLabel", "text", "J");
        row("enable_tile_matrix_groupBox", "QGroupBox", "checkable", true);
        row("enable_tile_matrix_groupBox", "QGroupBox", "checked", true);
        row("display_array_size_diagram_widget", "LM_display_array_size_diagram_widget", "toolTip",
            "OpCode 02D2h");
        row("horizontal_monitors_spinBox", "QSpinBox", "minimum", 1);
        row("horizontal_monitors_spinBox", "QSpinBox", "maximum", 10);
        row("vertical_monitors_spinBox", "QSpinBox", "minimum", 1);
        row("vertical_monitors_spinBox", "QSpinBox", "maximum", 10);
        row("label_47", "QLabel", "text", "Click on a tile to set position.");
        row("frame_comp_auto_value_doubleSpinBox", "QDoubleSpinBox", "minimum", 0.5);
        row("frame_comp_auto_value_doubleSpinBox", "QDoubleSpinBox", "singleStep", 0.5);
        row("frame_comp_auto_value_doubleSpinBox", "QDoubleSpinBox", "suffix", " frames");
        row("frame_comp_manual_value_doubleSpinBox", "QDoubleSpinBox", "minimum", 0.25);
        row("frame_comp_manual_value_doubleSpinBox", "QDoubleSpinBox", "maximum", 2.0);
        row("frame_comp_manual_value_doubleSpinBox", "QDoubleSpinBox", "singleStep", 0.25);
        row("tile_matrix_memory_comboBox", "QComboBox", "sizeAdjustPolicy",
            int(QComboBox::AdjustToContents));
        row("v_scan_reverse_manual_comboBox", "QComboBox", "toolTip",
            "<html><head/><body><p>OpCode 1105h</p></body></html>");
        row("label_95", "QLabel", "text", "<b>Note:</b> Power Off required on change.");
        row("fan_sensor_temp_groupBox", "QGroupBox", "title",
            "Cooling Fan Control Sensor Temperatures Limit");
        row("fan_sensor3_temp_spinBox", "QSpinBox", "suffix", QString::fromUtf8(" \u00b0C"));
        row("fan_sensor2_temp_horizontalSlider", "QSlider", "toolTip", "OpCode 10E2h");
        row("cooling_fan_speed_comboBox", "QComboBox", "toolTip", "OpCode 103Fh");

        // pages 26 to 45
        const int right = int(Qt::AlignRight | Qt::AlignTrailing | Qt::AlignVCenter);
        row("label_97", "QLabel", "alignment", right);
        row("tile_matrix_memory_memorynum_comboBox", "QComboBox", "parent", "tile_matrix_memory");
        row("tile_matrix_memory_columns_spinBox", "QSpinBox", "prefix", empty);
        row("tile_matrix_memory_columns_spinBox", "QSpinBox", "minimum", 1);
        row("tile_matrix_memory_rows_spinBox", "QSpinBox", "maximum", 10);
        row("tile_matrix_memory_position_spinBox", "QSpinBox", "maximum", 100);
        row("tile_matrix_memory_position_spinBox", "QSpinBox", "value", 1);
        row("tile_matrix_memory_usetilecomp_checkBox", "QCheckBox", "text", "Use Tile Comp");
        row("tile_matrix_memory_save_pushButton", "QPushButton", "text", "Write");
        row("tile_matrix_memory_status_lineEdit", "QLineEdit", "readOnly", true);
        row("verticalLayout_9", "QVBoxLayout", none, QVariant());
        row("label_123", "QLabel", "text", "<b>Picture 4</b>");
        row("label_135", "QLabel", "text", "Mode:");
        row("pip_pbp_memory_picture_size4_spinBox", "QSpinBox", "maximum", 80);
        row("pip_pbp_memory_picture_size4_spinBox", "QSpinBox", "prefix", empty);
        row("pip_pbp_memory_hposition1_spinBox", "QSpinBox", "maximum", 100);
        row("pip_pbp_memory_vposition3_spinBox", "QSpinBox", "value", 0);
        row("pip_pbp_memory_save_pushButton", "QPushButton", "text", "Write");
        row("pip_pbp_memory_status_lineEdit", "QLineEdit", "readOnly", true);
        row("horizontalLayout_49", "QHBoxLayout", none, QVariant());
        row("label_7", "QLabel", "text", "Text to send: <i>('CR' will automatically be added)</i>");
        row("simple_command_send_lineEdit", "QLineEdit", "text", "help");
        row("simple_command_receive_plainTextEdit", "QPlainTextEdit", "readOnly", true);
        row("widget", "QWidget", "parent", "simple_commands");
        row("label_38", "QLabel", "alignment",
            int(Qt::AlignLeading | Qt::AlignLeft | Qt::AlignTop));
        row("formLayout", "QFormLayout", none, QVariant());
        row("auto_gain_bias_pushButton", "QPushButton", "text", "Analog Auto Bias/Gain Setup");
        row("label_41", "QLabel", "text", "Resets the Programmable LUT to linear (no correction)");
        row("label_25", "QLabel", "sizePolicy",
            policy(QSizePolicy::Preferred, QSizePolicy::Preferred, 1));
        row("label_43", "QLabel", "wordWrap", true);
        row("delete_script_pushButton", "QPushButton", "enabled", false);
        row("run_script_pushButton", "QPushButton", "text", "Run selected script");
        row("script_list_tableWidget", "QTableWidget", "editTriggers",
            int(QAbstractItemView::NoEditTriggers));
        row("script_list_tableWidget", "QTableWidget", "dragDropMode",
            int(QAbstractItemView::NoDragDrop));
        row("script_list_tableWidget", "QTableWidget", "selectionMode",
            int(QAbstractItemView::SingleSelection));
        row("script_list_tableWidget", "QTableWidget", "cornerButtonEnabled", false);
        row("script_decode_treeView", "QTreeView", "uniformRowHeights", true);
        row("script_decode_treeView", "QTreeView", "rootIsDecorated", false);
        row("script_decode_treeView", "QTreeView", "editTriggers",
            int(QAbstractItemView::NoEditTriggers));
        row("script_decode_treeView", "QTreeView", "sizePolicy",
            policy(QSizePolicy::Expanding, QSizePolicy::Expanding, 1));
        row("scripting_info_textEdit", "QTextEdit", "readOnly", true);
        row("scripting_info_show_only_supported_controls_checkBox", "QCheckBox", "text",
            "Show only OpCodes and values supported by this display");
        row("ip_address_from_lineEdit", "QLineEdit", "inputMask", "000.000.000.000");
        row("ip_address_to_lineEdit", "QLineEdit", "maxLength", 15);
        row("help_pushButton2_3", "CHelpTip", "whatsThis",
            rich({"Scan a range of IP address to detect displays. This checks for a response from "
                  "the LAN interface on the display."}));
        row("ip_tableWidget", "QTableWidget", "sizePolicy",
            policy(QSizePolicy::Expanding, QSizePolicy::Expanding));
        row("ip_tableWidget", "QTableWidget", "selectionBehavior",
            int(QAbstractItemView::SelectRows));
        row("hboxLayout23", "QHBoxLayout", none, QVariant());
        row("mode_expert_pushButton", "QPushButton", "parent", "groupBox_7");
        row("help_pushButton2_2", "CHelpTip", "parent", "operating_mode");
        row("opcode_scanner_pushButton", "QPushButton", "text", "Start Op Code Scanner...");
        row("opcode_results_textEdit", "QTextEdit", "readOnly", true);
        row("label_46", "QLabel", "text",
            "<b>Note:</b> Test Patterns bypass all color and gamma related settings.");
        row("test_pattern_enable_groupBox", "QGroupBox", "checked", true);
        row("test_pattern_enable_groupBox", "QGroupBox", "toolTip", rich({"OpCode 02C3h"}));
        row("lme_test_pattern_enable_groupBox", "QGroupBox", "toolTip", rich({"OpCode 02C8h"}));
        row("test_pattern_red_level_horizontalSlider", "QSlider", "toolTip",
            rich({"OpCode 103Ah"}));
        row("lme_test_pattern_blue_level_horizontalSlider", "QSlider", "toolTip",
            rich({"OpCode 1194h"}));
        row("test_pattern_red_percent_label", "QLabel", "minimumSize", QSize(45, 0));
        row("test_pattern_link_colors_checkBox", "QCheckBox", "text", "Link colors");
        row("groupBox_20", "QGroupBox", "parent", "test_pattern_enable_groupBox");
        row("test_pattern_preset_ggray10_pushButton", "QPushButton", "text", "10% Gray");
        row("lme_test_pattern_preset_ggray75_pushButton", "QPushButton", "parent", "groupBox_24");
        row("scrollArea_3", "QScrollArea", "widgetResizable", true);
        row("scrollAreaWidgetContents_2", "QWidget", "parent", "qt_scrollarea_viewport");
        row("media_player_play_pushButton", "QPushButton", "toolTip",
            rich({"CMD_SET_MP_PLAY", kMediaPlayerNote}));
        row("media_player_play_number_spinBox", "QSpinBox", "maximum", 65535);
        row("media_player_get_folder_name_lineEdit", "QLineEdit", "sizePolicy",
            policy(QSizePolicy::Expanding, QSizePolicy::Fixed, 1));
        row("media_player_status_lineEdit_2", "QLineEdit", "readOnly", true);
        row("media_player_slideshow_interval_spinBox", "QSpinBox", "minimum", 5);
        row("media_player_misc_misc_shifttonosignal_interval_spinBox", "QSpinBox", "maximum", 300);
        row("media_player_get_misc_thumbnails_pushButton", "QPushButton", "toolTip",
            rich({"CMD_GET_MP_THUMBNAUL_ON/OFF", kMediaPlayerNote}));
        row("label_175", "QLabel", "text", "Sort Order");
        row("media_player_sharedsdcardsettings_user_name_lineEdit", "QLineEdit", "readOnly", true);
        row("media_player_ssharedfolder_2_settings_password_lineEdit", "QLineEdit", "echoMode",
            int(QLineEdit::Normal));
        row("media_player_ssharedfolder_4_settings_status_lineEdit", "QLineEdit", "parent",
            "groupBox_33");
        row("media_player_set_sharedfolder_3_settings_folder_pushButton", "QPushButton", "toolTip",
            rich({"CMD_SET_MP_SHARED_FOLDER3_PATH", kMediaPlayerNote}));
        row("horizontalLayout_65", "QHBoxLayout", none, QVariant());
        row("emergency_contents_delete_pushButton", "QPushButton", "text", "Delete (hide)");
        row("emergency_contents_status_lineedit", "QLineEdit", "readOnly", true);
        row("capability_string_text_plainTextEdit", "QPlainTextEdit", "font", QFont("Courier New"));
        row("capability_string_decoded_text_textBrowser", "QTextBrowser", none, QVariant());
        row("capability_string_verify_pushButton", "QPushButton", "text", "Validate");
        row("test_theoretical_lut_write_pushButton", "QPushButton", "text",
            "Test Theoretical LUT Write");
        row("gamma_init_pushButton", "QPushButton", "parent", "gamma");
        row("gamma_read_3d_LUT_from_RAM_pushButton", "QPushButton", "text", "Read 3D LUT from RAM");
        row("pushButton_2", "QPushButton", "text", "PushButton");
        row("pushButton_2", "QPushButton", "enabled", false);
        row("pushButton_2", "QPushButton", "toolTip", rich({"Not supported here."}));
        row("verticalLayout_17", "QVBoxLayout", none, QVariant());

        // pages 10 to 25 ("parent" names the widget that holds the object)
        const QByteArray parent = "parent";
        const QString minuteNote =
            "<b>Note:</b> This function can take up to a minute to complete.";
        row("status_DOM_sub_label", "QLabel", "text", "Date of Manufacture:");
        row("status_DOM_sub_label", "QLabel", "alignment",
            int(Qt::AlignRight | Qt::AlignTrailing | Qt::AlignVCenter));
        row("status_fan2_sub_label", "QLabel", "text", "Fan 2:");
        row("status_temp_sensor3_label", "QLabel", parent, "status");
        row("status_asset_tag_lineEdit", "QLineEdit", "maxLength", 64);
        row("status_asset_tag_lineEdit", "QLineEdit", "readOnly", true);
        row("status_asset_update_pushButton", "QPushButton", "text", "Update");
        row("label_210", "QLabel", "text",
            "<b>Note:</b> Date of Manufacture for displays 10 years or older will be shown "
            "offset by 10 years.");
        row("ir_remote_hyphen_pushButton", "QPushButton", "text", "-");
        row("ir_remote_ent_pushButton", "QPushButton", "text", "Ent");
        row("ir_remote_multipicture_pictureaspect_pushButton", "QPushButton", "text", "Aspect");
        row("ir_remote_ypbpr_pushButton", "QPushButton", parent, "ir_remote");
        row("ir_remote_code_lineEdit", "QLineEdit", "text", empty);
        row("ir_remote_send_immediately_checkBox", "QCheckBox", "checked", true);
        row("ir_control_comboBox", "QComboBox", "toolTip", "OpCode 023Fh");
        row("label_24", "QLabel", "text",
            "Code Sequence (sets of 2 hex digits separated by a space):");
        row("line_4", "QFrame", "frameShape", int(QFrame::VLine));
        row("line_10", "QFrame", "sizePolicy", policy(QSizePolicy::Minimum, QSizePolicy::Fixed));
        row("label_104", "QLabel", "text", "Misc.");
        row("gridLayout_64", "QGridLayout", none, QVariant());
        row("clock_set_time_dateTimeEdit", "QDateTimeEdit", "displayFormat", "M/d/yyyy h:mm AP");
        row("clock_set_time_dateTimeEdit", "QDateTimeEdit", "minimumDate", QDate(2000, 1, 1));
        row("clock_set_time_dateTimeEdit", "QDateTimeEdit", "maximumDate", QDate(2099, 12, 31));
        row("clock_get_time_dateTimeEdit", "QDateTimeEdit", "readOnly", true);
        row("clock_get_time_dateTimeEdit", "QDateTimeEdit", "minimumDateTime",
            QDateTime(QDate(2000, 1, 1), QTime(0, 0)));
        row("clock_get_time_dateTimeEdit", "QDateTimeEdit", "maximumDate", QDate(2099, 12, 31));
        row("clock_get_time_dateTimeEdit", "QDateTimeEdit", parent, "groupBox_4");
        row("label_88", "QLabel", "toolTip", rich({"Time and Date read from the display"}));
        row("daylight_savings_checkBox", "QCheckBox", "toolTip",
            rich({"Use caution when selecting this as it may cause unexpected results."}));
        row("line", "QFrame", "frameShadow", int(QFrame::Sunken));
        row("label_54", "QLabel", "text", " Month:");
        row("daylight_savings_end_time_timeEdit", "QTimeEdit", "displayFormat", "h:mm AP");
        row("daylight_savings_end_time_timeEdit", "QTimeEdit", parent, "groupBox_19");
        row("daylight_savings_begin_day2_comboBox", "QComboBox", parent, "groupBox_18");
        row("daylight_savings_lineEdit", "QLineEdit", "readOnly", true);
        row("gridLayout_4", "QGridLayout", none, QVariant());
        row("schedule_enable_groupBox", "QGroupBox", "checkable", true);
        row("schedule_enable_groupBox", "QGroupBox", "checked", true);
        row("schedule_every_week_checkBox", "QCheckBox", parent, "schedule_enable_groupBox");
        row("schedule_on_time_enable_checkBox", "QCheckBox", "text", empty);
        row("schedule_off_time_timeEdit", "QTimeEdit", "displayFormat", "h:mm AP");
        row("label_39", "QLabel", "text",
            "<b>Note:</b> On some models using <b>Input=Last Input</b> is not supported and may "
            "result in an error.");
        row("_13", "QGridLayout", none, QVariant());
        row("advanced_schedule_enable_groupBox", "QGroupBox", "title", empty);
        row("advanced_schedule_enable_groupBox", "QGroupBox", parent, "advanced_schedule_groupBox");
        row("advanced_schedule_holiday_radioButton", "QRadioButton", "text", "Holiday");
        row("advanced_schedule_sunday_checkBox", "QCheckBox", parent,
            "advanced_schedule_enable_groupBox");
        row("label_149", "QLabel", "sizePolicy",
            policy(QSizePolicy::Fixed, QSizePolicy::Preferred));
        row("label_154", "QLabel", "minimumSize", QSize(20, 0));
        row("advanced_schedule_clear_all_pushButton", "QPushButton", "text", "Clear all Schedules");
        row("buttonGroup_2", "QButtonGroup", parent, "ZETQVToolMainWindowClass");
        row("holiday_description_label", "QLabel", "wordWrap", true);
        row("holiday_week_weekday_comboBox", "QComboBox", parent, "holiday_groupBox");
        row("holiday_clear_all_pushButton", "QPushButton", "text", "Clear all Holidays");
        row("weekend_thursday_checkBox", "QCheckBox", "text", "Thursday");
        row("weekend_status_lineEdit", "QLineEdit", "readOnly", true);
        row("get_frimwareversion_command_spinBox", "QSpinBox", "maximum", 99);
        row("get_frimwareversion_command_lineEdit", "QLineEdit", parent, "groupBox_12");
        row("get_LAN_MAC_addres_lineEdit", "QLineEdit", "readOnly", true);
        row("get_LAN_MAC_addres_lineEdit", "QLineEdit", "text", empty);
        row("groupBox_11", "QGroupBox", "title", "LAN MAC Address");
        row("tv_chnnel_lineEdit", "QLineEdit", "maxLength", 7);
        row("tv_chnnel_lineEdit", "QLineEdit", parent, "groupBox_8");
        row("security_password_lineEdit", "QLineEdit", "inputMask", "9999");
        row("security_password_lineEdit", "QLineEdit", "maxLength", 4);
        row("compute_module_setting_lock_passcode_lineEdit", "QLineEdit", parent, "groupBox_9");
        row("label_142", "QLabel", "text", "Write passcode:");
        row("pushButton", "CHelpTip", parent, "security");
        row("pushButton", "CHelpTip", "whatsThis",
            rich({"<span style=\" font-weight:600; text-decoration: underline;\">Notes:</span>",
                  "When security is enabled, the password must be entered in the display's "
                  "on-screen menu with the IR remote control after AC power is applied.",
                  "Once unlocked, the display stays unlocked until AC power is removed and "
                  "returned.",
                  "The password is set in the display's on-screen menu and, on some models, on "
                  "the display's web page.",
                  "Do not forget the password: only the manufacturer's service personnel can "
                  "reset it.",
                  "The default password is \"4739\".", "\"Lock Control\" is a legacy command."}));
        row("inputname_name_lineEdit", "QLineEdit", "maxLength", 14);
        row("inputname_name_designated_terminal_name_lineEdit", "QLineEdit", "maxLength", 14);
        row("groupBox_17", "QGroupBox", "title", "Input Name Designated (Input) Terminal");
        row("inputname_name_designated_terminal_status_lineEdit", "QLineEdit", "readOnly", true);
        row("groupBox_10", "QGroupBox", "title", "Auto ID (for LAN daisy-chain only)");
        row("auto_id_execute_get_complete_pushButton", "QPushButton", "text", "Execute + Complete");
        row("label_83", "QLabel", "text", minuteNote);
        row("help_pushButton2_5", "CHelpTip", parent, "auto_id");
        const QString executeHelp = rich({"<span style=\" font-weight:600;\">Execute + "
                                          "Complete</span> sends the Execute command and waits "
                                          "for the reply from the display."});
        row("help_pushButton2_5", "CHelpTip", "whatsThis", executeHelp);
        row("help_pushButton2_4", "CHelpTip", "whatsThis", executeHelp);
        row("auto_tilematrix_h_spinBox", "QSpinBox", "maximum", 12);
        row("auto_tilematrix_v_spinBox", "QSpinBox", "minimum", 0);
        row("auto_tilematrix_v_spinBox", "QSpinBox", "maximum", 12);
        row("auto_tilematrix_read_pushButton", "QPushButton", "text", "Read H&&V");
        row("auto_tilematrix_read_pushButton", "QPushButton", "shortcut", empty);
        row("auto_tilematrix_write_pushButton", "QPushButton", "text", "Write H&&V");
        row("auto_tilematrix_write_pushButton", "QPushButton", "shortcut", empty);
        row("label_84", "QLabel", "text", minuteNote);
        row("proof_of_playV2_from_spinBox", "QSpinBox", "minimum", 1);
        row("proof_of_playV2_to_spinBox", "QSpinBox", "maximum", 9999);
        row("proof_of_playV2_to_spinBox", "QSpinBox", "value", 1);
        row("proof_of_playV2_get_number_to_number_pushButton", "QPushButton", "text", "Get # to #");
        row("pop_v2_groupBox", "QGroupBox", "title", "Proof Of Play");
        row("proof_of_play_plainTextEdit", "QPlainTextEdit", "sizePolicy",
            policy(QSizePolicy::Expanding, QSizePolicy::Expanding, 1, 0));
        row("proof_of_play_plainTextEdit", "QPlainTextEdit", parent, "proof_of_play");
    }

    void samples() {
        QFETCH(QString, object);
        QFETCH(QString, className);
        QFETCH(QByteArray, property);
        QFETCH(QVariant, expected);
        QObject* o = window.findChild<QObject*>(object);
        QVERIFY2(o, qPrintable(object + " is missing"));
        QCOMPARE(QString(o->metaObject()->className()), className);
        if (property.isEmpty())
            return;
        const QVariant actual =
            property == "parent" ? QVariant(o->parent()->objectName()) : o->property(property);
        QVERIFY2(actual.isValid(), property.constData());
        QVERIFY2(sameValue(actual, expected),
                 qPrintable(QString("%1 is %2, expected %3")
                                .arg(QString(property), actual.toString(), expected.toString())));
    }

    void layouts_data() {
        QTest::addColumn<QString>("holder");
        QTest::addColumn<int>("spacing");
        QTest::addColumn<QMargins>("margins");
        const QMargins eleven(11, 11, 11, 11);
        QTest::addRow("verticalLayout_16") << "centralWidget" << 6 << eleven;
        QTest::addRow("gridLayout_45") << "main_groupBox" << 6 << QMargins();
        QTest::addRow("widget_2") << "widget_2" << 0 << QMargins();
        QTest::addRow("value_group_widget") << "value_group_widget" << 9 << QMargins();
        for (int i = 0; i < 44; ++i)
            QTest::addRow("%s", kPages[i]) << kPages[i] << 6 << eleven;
        for (const char* holder : {"groupBox_7", "test_pattern_enable_groupBox", "groupBox_24",
                                   "scrollAreaWidgetContents_3", "groupBox_36", "groupBox_34",
                                   "groupBox_29", "groupBox_37"})
            QTest::addRow("%s", holder) << holder << 6 << eleven;
        // layouts inside layouts
        for (const char* nested : {"verticalLayout_9", "_5", "_7", "gridLayout12", "_8",
                                   "hboxLayout22", "gridLayout_73", "horizontalLayout_69"})
            QTest::addRow("%s", nested) << nested << 6 << QMargins();
    }

    void layouts() {
        QFETCH(QString, holder);
        QFETCH(int, spacing);
        QFETCH(QMargins, margins);
        QLayout* layout = window.findChild<QLayout*>(holder);
        if (!layout) {
            auto* w = window.findChild<QWidget*>(holder);
            QVERIFY(w && w->layout());
            layout = w->layout();
        }
        QCOMPARE(layout->spacing(), spacing);
        QCOMPARE(layout->contentsMargins(), margins);
    }

    // Everything starts enabled, every list empty, every box unticked and every field empty, but
    // for these. The media-player pages start disabled whole, and say why.
    void initialStates() {
        QSet<QString> disabled{
            "delete_row_pushButton",          "display_list_save_pushButton",
            "status_asset_update_pushButton", "ir_remote_sendsequence_pushButton",
            "holiday_end_day_checkBox",       "holiday_end_day_month_comboBox",
            "holiday_end_day_day_comboBox",   "delete_script_pushButton",
            "run_script_pushButton",          "pushButton_2"};
        for (const QString& day : kWeekdays)
            disabled << "advanced_schedule_" + day + "_checkBox";
        const QSet<QString> ticked{"update_on_change_checkBox",
                                   "ir_remote_send_immediately_checkBox"};
        // an empty masked field still shows the mask's dots
        const QMap<QString, QString> filled{
            {"tv_chnnel_lineEdit", "00-00"},
            {"security_password_lineEdit", "4739"},
            {"compute_module_setting_lock_passcode_lineEdit", "4739"},
            {"simple_command_send_lineEdit", "help"},
            {"ip_address_from_lineEdit", "..."},
            {"ip_address_to_lineEdit", "..."}};
        int mediaPlayerWidgets = 0;
        for (QObject* o : formObjects()) {
            auto* w = qobject_cast<QWidget*>(o);
            const int page = w ? pageOf(w) : -1;
            if (!w)
                continue;
            const QString name = w->objectName();
            const bool mediaPlayer = page >= kFirstMediaPlayerPage &&
                                     page <= kLastMediaPlayerPage && !qobject_cast<QScrollArea*>(w);
            QVERIFY2(w->isEnabledTo(&window) != (disabled.contains(name) || mediaPlayer),
                     qPrintable(name));
            if (mediaPlayer) {
                QVERIFY2(shownToolTip(w).contains(kMediaPlayerNote), qPrintable(name));
                ++mediaPlayerWidgets;
            }
            if (auto* combo = qobject_cast<QComboBox*>(w))
                QVERIFY2(combo->count() == 0, qPrintable(name));
            if (auto* box = qobject_cast<QCheckBox*>(w))
                QVERIFY2(box->isChecked() == ticked.contains(name), qPrintable(name));
            if (auto* edit = qobject_cast<QLineEdit*>(w))
                QCOMPARE(edit->text(), filled.value(name));
        }
        QVERIFY(mediaPlayerWidgets > 200);
    }

    void frameCompensationSteps_data() {
        QTest::addColumn<QString>("object");
        QTest::addColumn<QList<double>>("steps");
        QTest::addRow("auto") << "frame_comp_auto_value_doubleSpinBox"
                              << QList<double>{0.5, 1.0, 1.5, 2.0, 2.0};
        QTest::addRow("manual") << "frame_comp_manual_value_doubleSpinBox"
                                << QList<double>{0.25, 0.5, 0.75, 1.0, 1.25, 1.5, 1.75, 2.0, 2.0};
    }

    void frameCompensationSteps() {
        QFETCH(QString, object);
        QFETCH(QList<double>, steps);
        auto* box = window.findChild<QDoubleSpinBox*>(object);
        QVERIFY(box);
        QList<double> seen{box->value()};
        for (int i = 1; i < steps.size(); ++i) {
            box->stepUp();
            seen << box->value();
        }
        QCOMPARE(seen, steps);
        box->setValue(box->minimum());
    }

    // Every value of the status page reads "-" until the first read.
    void statusValuesBeforeRead() {
        int values = 0;
        for (const QLabel* label : ui.status->findChildren<QLabel*>()) {
            const QString name = label->objectName();
            if (!name.endsWith("_label") || name.endsWith("_sub_label"))
                continue;
            ++values;
            QVERIFY2(label->text() == "-", qPrintable(name));
        }
        QCOMPARE(values, 21);
    }

    void irKeypadShortcuts_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("button");
        const int plain = Qt::NoModifier;
        const int keypad = Qt::KeypadModifier;
        for (int digit = 0; digit <= 9; ++digit)
            QTest::addRow("%d", digit)
                << Qt::Key_0 + digit << plain << QString("ir_remote_%1_pushButton").arg(digit);
        QTest::addRow("keypad 7") << int(Qt::Key_7) << keypad << "ir_remote_7_pushButton";
        QTest::addRow(".") << int(Qt::Key_Period) << plain << "ir_remote_hyphen_pushButton";
        QTest::addRow("keypad .") << int(Qt::Key_Period) << keypad << "ir_remote_hyphen_pushButton";
        QTest::addRow("-") << int(Qt::Key_Minus) << plain << "ir_remote_minus_pushButton";
        QTest::addRow("keypad -") << int(Qt::Key_Minus) << keypad << "ir_remote_minus_pushButton";
        QTest::addRow("+") << int(Qt::Key_Plus) << plain << "ir_remote_plus_pushButton";
        QTest::addRow("keypad Enter") << int(Qt::Key_Enter) << keypad << "ir_remote_ent_pushButton";
    }

    // A keypad key presses its button while the IR remote page is shown, and nothing elsewhere.
    void irKeypadShortcuts() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, button);
        if (!keyboardWindow.isVisible()) {
            keyboardWindow.show();
            QVERIFY(QTest::qWaitForWindowActive(&keyboardWindow));
        }
        const Ui::ZETQVToolMainWindowClass& form = keyboard;
        const auto keys = form.ir_remote->findChildren<QPushButton*>();
        auto pressed = [&keys] {
            QStringList down;
            for (const QPushButton* b : keys)
                if (b->isDown())
                    down << b->objectName();
            return down;
        };
        auto* target = form.ir_remote->findChild<QPushButton*>(button);
        QVERIFY(target);
        QSignalSpy clicks(target, &QAbstractButton::clicked);

        for (int page : {10, 11}) {
            form.stackedWidget->setCurrentIndex(page);
            form.treeWidget->setFocus();
            QTest::keyClick(&keyboardWindow, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
            QCOMPARE(pressed(), page == 11 ? QStringList{button} : QStringList());
        }
        QTRY_COMPARE(clicks.count(), 1);
    }

    void maskedFields_data() {
        QTest::addColumn<QString>("object");
        QTest::addColumn<QString>("typed"); // empty: the form's own default
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("acceptable");
        for (const char* field :
             {"security_password_lineEdit", "compute_module_setting_lock_passcode_lineEdit"}) {
            QTest::addRow("%s default", field) << field << QString() << "4739" << true;
            QTest::addRow("%s five digits", field) << field << "12345"
                                                   << "1234" << true;
            QTest::addRow("%s letters", field) << field << "1a2b"
                                               << "12" << false;
            QTest::addRow("%s three digits", field) << field << "123"
                                                    << "123" << false;
        }
        const QString channel = "tv_chnnel_lineEdit";
        QTest::addRow("channel default") << channel << QString() << "00-00" << true;
        QTest::addRow("channel short") << channel << "5-1"
                                       << "5-1" << true;
        QTest::addRow("channel too long") << channel << "123456789"
                                          << "1234-56" << true;
        QTest::addRow("channel letters") << channel << "1a-b2"
                                         << "1-2" << true;
        QTest::addRow("channel without minor") << channel << "12-"
                                               << "12-" << false;
        // the IP scan's fields take partial addresses
        QTest::addRow("one digit a part") << "ip_address_from_lineEdit"
                                          << "1.2.3.4"
                                          << "1.2.3.4" << true;
        QTest::addRow("whole address") << "ip_address_to_lineEdit"
                                       << "192.168.100.254"
                                       << "192.168.100.254" << true;
        QTest::addRow("two parts") << "ip_address_from_lineEdit"
                                   << "10.0"
                                   << "10.0.." << true;
        QTest::addRow("letters refused") << "ip_address_to_lineEdit"
                                         << "1a.b2"
                                         << "1.2.." << true;
    }

    // Passcodes take exactly four digits; the channel one to four, a dash, then one or two; an
    // IP address part one to three.
    void maskedFields() {
        QFETCH(QString, object);
        QFETCH(QString, typed);
        QFETCH(QString, text);
        QFETCH(bool, acceptable);
        auto* field = window.findChild<QLineEdit*>(object);
        QVERIFY(field);
        const QString defaultText = field->text();
        if (!typed.isEmpty()) {
            field->setText(QString());
            field->setCursorPosition(0);
            QTest::keyClicks(field, typed);
        }
        QCOMPARE(field->text(), text);
        QCOMPARE(field->hasAcceptableInput(), acceptable);
        field->setText(defaultText);
    }

    // The six choices of the advanced schedule are one exclusive group, and choosing any of
    // them leaves the weekday boxes disabled: the page logic enables those.
    void advancedScheduleChoices() {
        QMainWindow other;
        Ui::ZETQVToolMainWindowClass form;
        form.setupUi(&other);
        QStringList names;
        for (const QAbstractButton* b : form.buttonGroup_2->buttons())
            names << b->objectName();
        QCOMPARE(names, named("advanced_schedule_",
                              {"date", "every_day", "every_week", "weekday", "weekend", "holiday"},
                              "_radioButton"));
        QVERIFY(form.buttonGroup_2->exclusive());
        for (QAbstractButton* choice : form.buttonGroup_2->buttons()) {
            choice->click();
            QCOMPARE(form.buttonGroup_2->checkedButton(), choice);
            for (const QString& day : kWeekdays)
                QVERIFY(!other.findChild<QCheckBox*>("advanced_schedule_" + day + "_checkBox")
                             ->isEnabledTo(&other));
        }
    }

    void tabChain() {
        const QStringList expected = expectedTabChain();
        QCOMPARE(focusOrder(expected), expected);
    }

    // The tab stops of the form file make one chain, link by link, from the navigation tree
    // through the bottom bar and the pages in page order to the four buttons that end it; every
    // widget that takes focus by Tab is on it.
    void tabChainCoversTheForm() {
        const QStringList stops = tabStops();
        QVERIFY(!stops.isEmpty());
        QCOMPARE(stops.first(), QString("treeWidget"));
        const QStringList end{"pushButton_2", "test_theoretical_lut_write_pushButton",
                              "gamma_refresh_pushButton", "gamma_save_pushButton"};
        QCOMPARE(stops.mid(stops.size() - end.size()), end);
        QCOMPARE(QSet<QString>(stops.cbegin(), stops.cend()).size(), stops.size());

        // every link took: the focus chain meets the stops in their order
        QCOMPARE(focusOrder(stops), stops);

        const QSet<QString> defaultOrder{"display_list_add_current_pushButton",
                                         "display_list_open_pushButton"};
        for (QObject* o : formObjects()) {
            auto* widget = qobject_cast<QWidget*>(o);
            if (widget && (widget->focusPolicy() & Qt::TabFocus) &&
                !defaultOrder.contains(widget->objectName()))
                QVERIFY2(stops.contains(widget->objectName()), qPrintable(widget->objectName()));
        }

        // page after page; the bottom bar right after page 1; five buttons placed elsewhere
        const QMap<QString, int> placedIn{{"gamma_read_3d_LUT_from_RAM_pushButton", 6},
                                          {"gamma_reset_pushButton", 6},
                                          {"test_gamma_lut_write_pushButton", 6},
                                          {"gamma_init_pushButton", 15}};
        const int lastPage = ui.stackedWidget->count();
        int previous = -1;
        for (int i = 1; i < stops.size(); ++i) {
            auto* widget = window.findChild<QWidget*>(stops[i]);
            QVERIFY2(widget && (widget->focusPolicy() & Qt::TabFocus), qPrintable(stops[i]));
            const int page =
                end.contains(stops[i]) ? lastPage : placedIn.value(stops[i], pageOf(widget));
            const int rank = page < 0 ? 3 : 2 * page; // between pages 1 and 2
            QVERIFY2(rank >= previous, qPrintable(stops[i]));
            previous = rank;
        }

        // pages 12 to 45, where the order within a page is ours: reading order in each layout
        for (int i = 1; i < stops.size(); ++i) {
            auto* before = window.findChild<QWidget*>(stops[i - 1]);
            auto* after = window.findChild<QWidget*>(stops[i]);
            if (pageOf(after) < 12 || pageOf(after) != pageOf(before) ||
                placedIn.contains(stops[i]) || end.contains(stops[i]))
                continue;
            const Cell a = cellOf(before);
            const Cell b = cellOf(after);
            if (a.layout && a.layout == b.layout)
                QVERIFY2(a < b, qPrintable(stops[i - 1] + " before " + stops[i]));
        }
    }

    // Both test-pattern pages keep the class range, and nothing in the form ties a slider to its
    // spin box.
    void testPatternLevels() {
        for (const QString page : {"", "lme_"}) {
            for (const QString colour : {"red", "green", "blue"}) {
                const QString base = page + "test_pattern_" + colour + "_level_";
                auto* slider = window.findChild<QSlider*>(base + "horizontalSlider");
                auto* spin = window.findChild<QSpinBox*>(base + "spinBox");
                QVERIFY2(slider && spin, qPrintable(base));
                QCOMPARE(QPair(slider->minimum(), slider->maximum()), QPair(0, 99));
                QCOMPARE(QPair(spin->minimum(), spin->maximum()), QPair(0, 99));
                slider->setValue(60);
                spin->setValue(30);
                QCOMPARE(QPair(slider->value(), spin->value()), QPair(60, 30));
                slider->setValue(0);
                spin->setValue(0);
            }
        }
    }

    // Each preset button of the two test-pattern pages shows the swatch of its own colour.
    void presetSwatches() {
        const QRegularExpression preset("^(lme_)?test_pattern_preset_(.+)_pushButton$");
        const auto buttons = window.findChildren<QPushButton*>(preset);
        QCOMPARE(buttons.size(), 24);
        for (QPushButton* button : buttons) {
            // the grey buttons are named with a doubled g
            const QString colour =
                preset.match(button->objectName()).captured(2).replace("ggray", "gray");
            const QImage swatch = QImage(":/images/Resources/" + colour + " 16.png")
                                      .convertToFormat(QImage::Format_ARGB32);
            QVERIFY2(!swatch.isNull(), qPrintable(colour));
            QCOMPARE(button->icon().pixmap(16).toImage().convertToFormat(QImage::Format_ARGB32),
                     swatch);
        }
    }

    // The definitions beside the simple-command field: one table of three columns under its
    // heading, each entry on its own line.
    void simpleCommandDefinitions() {
        QTextDocument doc;
        doc.setHtml(ui.label_38->text());
        QVERIFY(doc.toPlainText().startsWith("Simple Command Definitions"));
        QTextTable* table = nullptr;
        for (QTextFrame* frame : doc.rootFrame()->childFrames())
            if ((table = qobject_cast<QTextTable*>(frame)))
                break;
        QVERIFY(table);
        QCOMPARE(table->columns(), 3);
        QCOMPARE(table->format().border(), 1.0);
        QCOMPARE(table->format().cellPadding(), 3.0);
        const auto cellLines = [&](int row, int column) {
            const QTextTableCell cell = table->cellAt(row, column);
            QTextCursor cursor(doc.rootFrame());
            cursor.setPosition(cell.firstPosition());
            cursor.setPosition(cell.lastPosition(), QTextCursor::KeepAnchor);
            return cursor.selectedText().split(QChar::LineSeparator);
        };
        QCOMPARE(cellLines(0, 0), QStringList{"Power State"});
        QCOMPARE(cellLines(0, 1), QStringList{"Inputs"});
        QCOMPARE(cellLines(0, 2), QStringList{"Picture Modes"});
        QCOMPARE(cellLines(1, 0), (QStringList{"On: 1", "Off: 0"}));
        QCOMPARE(cellLines(1, 1).size(), 12);
        QCOMPARE(cellLines(1, 1).last(), QString("DISPLAYPORT: d1"));
        QCOMPARE(cellLines(1, 2).size(), 8);
        QCOMPARE(cellLines(1, 2).first(), QString("HIBRIGHT: p1"));
    }

    void emptyPages() {
        for (const char* name : {"pjlink", "snmp"}) {
            auto* page = ui.stackedWidget->findChild<QWidget*>(name);
            QVERIFY(page);
            QVERIFY(!page->layout());
            QVERIFY(page->children().isEmpty());
        }
    }

    // Cells the pages name; the test-pattern buttons are made in another order than their cells.
    void cells_data() {
        QTest::addColumn<QString>("object");
        QTest::addColumn<QString>("layout");
        QTest::addColumn<QRect>("cell"); // column, row, column span, row span
        const auto cell = [](const char* object, const char* layout, const QRect& place) {
            QTest::addRow("%s", object) << object << layout << place;
        };
        cell("test_pattern_preset_black_pushButton", "gridLayout_50", QRect(1, 5, 1, 1));
        cell("lme_test_pattern_preset_ggray75_pushButton", "gridLayout_71", QRect(3, 6, 1, 1));
        cell("groupBox_20", "gridLayout_49", QRect(0, 4, 4, 1));
        cell("label_46", "gridLayout_52", QRect(0, 1, 2, 1));
        cell("simple_command_receive_plainTextEdit", "_7", QRect(0, 3, 2, 1));
        cell("script_decode_treeView", "gridLayout_9", QRect(1, 1, 1, 1));
        cell("media_player_sharedsdcardsettings_password_lineEdit", "gridLayout_85",
             QRect(3, 2, 2, 2));
        cell("media_player_set_sharedfolder_4_settings_user_name_pushButton", "gridLayout_89",
             QRect(3, 2, 1, 1));
        cell("media_player_slideshow_status_lineEdit", "gridLayout_78", QRect(2, 7, 4, 1));
        cell("media_player_get_file_name_lineEdit", "gridLayout_76", QRect(3, 6, 2, 1));
    }

    void cells() {
        QFETCH(QString, object);
        QFETCH(QString, layout);
        QFETCH(QRect, cell);
        auto* grid = window.findChild<QGridLayout*>(layout);
        auto* w = window.findChild<QWidget*>(object);
        QVERIFY(grid && w);
        const int index = grid->indexOf(w);
        QVERIFY(index >= 0);
        int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
        grid->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
        QCOMPARE(QRect(column, row, columnSpan, rowSpan), cell);
    }

    void resourceImages() {
        QFile file(QFINDTESTDATA("../../form/zetqvtoolmainwindow.ui"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        const QRegularExpression path(":/?[A-Za-z][^\"<>:]*?\\.png");
        QSet<QString> paths;
        while (!xml.atEnd()) {
            if (xml.readNext() == QXmlStreamReader::Characters) {
                auto it = path.globalMatch(xml.text().toString());
                while (it.hasNext())
                    paths << it.next().captured();
            }
        }
        QVERIFY(!xml.hasError());
        QVERIFY(paths.contains(":/images/Resources/zet icon.png"));
        QVERIFY(paths.contains(":/images/Resources/frame gap.png"));
        for (const QString& p : qAsConst(paths))
            QVERIFY2(!QImage(p).isNull(), qPrintable(p));

        // The schedule's Update button names "." as its icon file: an icon without an image.
        for (auto* button : window.findChildren<QAbstractButton*>())
            if (!button->icon().isNull() && button != ui.schedule_update_pushButton)
                QVERIFY2(!button->icon().pixmap(16).isNull(), qPrintable(button->objectName()));
    }

    // Shown, the window keeps its size on every page; the media-player pages scroll, and their
    // content follows the scroll area's size.
    void pagesFitTheWindow() {
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        for (int i = 0; i < ui.stackedWidget->count(); ++i) {
            ui.stackedWidget->setCurrentIndex(i);
            QApplication::processEvents();
            QVERIFY2(window.size() == QSize(941, 990), kPages[i]);
        }
        const QList<QPair<int, QScrollArea*>> areas{
            {37, ui.scrollArea_3}, {38, ui.scrollArea_2}, {39, ui.scrollArea}};
        for (const auto& [page, area] : areas) {
            ui.stackedWidget->setCurrentIndex(page);
            QApplication::processEvents();
            QVERIFY2(area->verticalScrollBar()->isVisible(), kPages[page]);
            QCOMPARE(area->widget()->width(), area->viewport()->width());
        }
        window.resize(1400, 1500);
        ui.stackedWidget->setCurrentIndex(37);
        QApplication::processEvents();
        QVERIFY(!ui.scrollArea_3->verticalScrollBar()->isVisible());
        QCOMPARE(ui.scrollArea_3->widget()->size(), ui.scrollArea_3->viewport()->size());
        QVERIFY(ui.scrollArea_3->widget()->width() > 794);

        window.hide();
        window.resize(941, 990);
        ui.stackedWidget->setCurrentIndex(11);
    }
};

QTEST_MAIN(tst_main_form)
#include "tst_main_form.moc"
