// The main window's generated form, built on a bare QMainWindow.
#include "zetqvtoolmainwindow_ui.h"

#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <QSizePolicy>
#include <QXmlStreamReader>
#include <QtTest>

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

QStringList withSpinBoxes(const QStringList& prefixes) {
    QStringList out;
    for (const QString& p : prefixes)
        out << p + "_horizontalSlider" << p + "_spinBox";
    return out;
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
    for (QChar c : QStringLiteral("jgfcedhiab"))
        chain << QStringLiteral("group_ID_%1_checkBox").arg(c);
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

    bool onLaterPage(const QWidget* w) const {
        for (int i = 10; i < ui.stackedWidget->count(); ++i)
            if (ui.stackedWidget->widget(i)->isAncestorOf(w))
                return true;
        return false;
    }

private slots:
    void initTestCase() { ui.setupUi(&window); }

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
        const QVariant actual = o->property(property);
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
        for (int i = 0; i < 10; ++i)
            QTest::addRow("%s", kPages[i]) << kPages[i] << 6 << eleven;
    }

    void layouts() {
        QFETCH(QString, holder);
        QFETCH(int, spacing);
        QFETCH(QMargins, margins);
        auto* w = window.findChild<QWidget*>(holder);
        QVERIFY(w && w->layout());
        QCOMPARE(w->layout()->spacing(), spacing);
        QCOMPARE(w->layout()->contentsMargins(), margins);
    }

    // The frame and pages 0 to 9 start enabled and with empty lists.
    void initialStates() {
        const QSet<QString> disabled{"delete_row_pushButton", "display_list_save_pushButton"};
        for (QObject* o : formObjects()) {
            auto* w = qobject_cast<QWidget*>(o);
            if (!w || onLaterPage(w))
                continue;
            QVERIFY2(w->isEnabledTo(&window) != disabled.contains(w->objectName()),
                     qPrintable(w->objectName()));
            if (auto* combo = qobject_cast<QComboBox*>(w))
                QVERIFY2(combo->count() == 0, qPrintable(combo->objectName()));
        }
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

    void tabChain() {
        const QStringList expected = expectedTabChain();
        const QSet<QString> wanted(expected.cbegin(), expected.cend());
        QStringList seen;
        QWidget* w = ui.treeWidget;
        do {
            if (wanted.contains(w->objectName()) && !seen.contains(w->objectName()))
                seen << w->objectName();
            w = w->nextInFocusChain();
        } while (w != ui.treeWidget);
        QCOMPARE(seen, expected);
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

        for (auto* button : window.findChildren<QAbstractButton*>())
            if (!button->icon().isNull())
                QVERIFY2(!button->icon().pixmap(16).isNull(), qPrintable(button->objectName()));
    }
};

QTEST_MAIN(tst_main_form)
#include "tst_main_form.moc"
