#include "result_codes.h"
#include "test_pattern_levels.h"
#include "window_rig.h"

#include <QtTest>

using TestPatternLevels::Levels;
Q_DECLARE_METATYPE(Levels)

namespace {
// One of the two pages: its index, the prefix of its widgets and its op codes.
struct PatternPage {
    int index;
    QString prefix;
    unsigned int enable;
    QList<unsigned int> levels; // red, green, blue
};
const PatternPage kRaw{35, QString(), 0x02C3, {0x103A, 0x103B, 0x103C}};
const PatternPage kCorrected{36, QStringLiteral("lme_"), 0x02C8, {0x1192, 0x1193, 0x1194}};
const char* const kColours[] = {"red", "green", "blue"};

// A window on a display with both test patterns, and the page's widgets by name.
struct PatternRig : WindowRig {
    PatternPage page;
    PatternRig(const char* address, const PatternPage& p) : WindowRig(address), page(p) {}
    template <class T> T* widget(const QString& name) {
        T* found = w.findChild<T*>(page.prefix + QStringLiteral("test_pattern_") + name);
        Q_ASSERT(found);
        return found;
    }
    QSlider* slider(int c) {
        return widget<QSlider>(QStringLiteral("%1_level_horizontalSlider").arg(kColours[c]));
    }
    QSpinBox* spin(int c) {
        return widget<QSpinBox>(QStringLiteral("%1_level_spinBox").arg(kColours[c]));
    }
    QString percent(int c) {
        return widget<QLabel>(QStringLiteral("%1_percent_label").arg(kColours[c]))->text();
    }
    QCheckBox* link() { return widget<QCheckBox>(QStringLiteral("link_colors_checkBox")); }
    QGroupBox* enable() { return widget<QGroupBox>(QStringLiteral("enable_groupBox")); }
    QList<QWidget*> presets() {
        QList<QWidget*> buttons;
        for (const TestPatternLevels::Preset& p : TestPatternLevels::presets())
            buttons << widget<QPushButton>(
                QStringLiteral("preset_%1_pushButton").arg(QLatin1String(p.name)));
        return buttons;
    }
    // The first preset button whose enabled state is not as given.
    QString presetNot(bool enabled) {
        for (QWidget* button : presets())
            if (button->isEnabled() != enabled)
                return button->objectName();
        return QString();
    }
    QList<int> levels() { return {spin(0)->value(), spin(1)->value(), spin(2)->value()}; }
    // The display: pattern mode and the three levels, each with that maximum.
    void setDisplay(int mode, QList<int> current, int maximum) {
        model.setParameter(page.enable, static_cast<unsigned short>(mode), 2);
        for (int c = 0; c < 3; ++c)
            model.setParameter(page.levels[c], static_cast<unsigned short>(current[c]),
                               static_cast<unsigned short>(maximum));
    }
};
} // namespace

Q_DECLARE_METATYPE(PatternPage)

// Loopback addresses 127.0.17.70 to 127.0.17.79 belong to this test.
class TestPatternPagesTest : public QObject {
    Q_OBJECT

    WindowTestEnvironment env;

    static void bothPages() {
        QTest::addColumn<PatternPage>("page");
        QTest::newRow("raw") << kRaw;
        QTest::newRow("with correction") << kCorrected;
    }

private slots:
    void initTestCase() { QVERIFY(env.isValid()); }
    void init() { env.reset(); }

    void percentText_data() {
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<QString>("text");
        QTest::newRow("full") << 255 << 255 << "100.0%";
        QTest::newRow("half, with a leading blank") << 50 << 100 << " 50.0%";
        QTest::newRow("one decimal, rounded") << 1 << 3 << " 33.3%";
        QTest::newRow("zero") << 0 << 255 << "  0.0%";
        QTest::newRow("zero maximum") << 0 << 0 << "  0.0%";
        QTest::newRow("zero maximum, a level above it") << 7 << 0 << "  0.0%";
    }
    void percentText() {
        QFETCH(int, value);
        QFETCH(int, maximum);
        QFETCH(QString, text);
        QCOMPARE(TestPatternLevels::percent_text(value, maximum), text);
    }

    // Every preset button with a maximum of 255 (blue 100, to see the colours apart).
    void presetsToLevels_data() {
        QTest::addColumn<QString>("preset");
        QTest::addColumn<Levels>("levels");
        QTest::addColumn<bool>("clearsLink");
        const QMap<QString, QPair<Levels, bool>> expected = {
            {"black", {{0, 0, 0}, false}},        {"white", {{255, 255, 100}, false}},
            {"ggray10", {{25, 25, 10}, false}},   {"ggray25", {{63, 63, 25}, false}},
            {"ggray50", {{127, 127, 50}, false}}, {"ggray75", {{191, 191, 75}, false}},
            {"red", {{255, 0, 0}, true}},         {"green", {{0, 255, 0}, true}},
            {"blue", {{0, 0, 100}, true}},        {"cyan", {{0, 255, 100}, true}},
            {"magenta", {{255, 0, 100}, true}},   {"yellow", {{255, 255, 0}, true}},
        };
        QCOMPARE(TestPatternLevels::presets().size(), expected.size());
        for (const TestPatternLevels::Preset& p : TestPatternLevels::presets()) {
            const QString name = QLatin1String(p.name);
            QVERIFY2(expected.contains(name), p.name);
            QTest::newRow(p.name) << name << expected[name].first << expected[name].second;
        }
    }
    void presetsToLevels() {
        QFETCH(QString, preset);
        QFETCH(Levels, levels);
        QFETCH(bool, clearsLink);
        for (const TestPatternLevels::Preset& p : TestPatternLevels::presets()) {
            if (QLatin1String(p.name) != preset)
                continue;
            const auto set = TestPatternLevels::levels({255, 255, 100}, p.colour);
            QVERIFY(set);
            QVERIFY(*set == levels);
            QCOMPARE(p.clears_link, clearsLink);
        }
    }

    void fractionsOutsideTheRangeSetNothing() {
        QVERIFY(!TestPatternLevels::levels({255, 255, 255}, {1.2, 0, 0}));
        QVERIFY(!TestPatternLevels::levels({255, 255, 255}, {0, -0.1, 0}));
        QVERIFY(!TestPatternLevels::levels({255, 255, 255}, {0, 0, qQNaN()}));
        QVERIFY(TestPatternLevels::levels({0, 0, 0}, {1, 1, 1}) == (Levels{0, 0, 0}));
    }

    // Showing the page reads the pattern's state and levels without writing anything back;
    // the link stays only while the three levels are equal.
    void refreshShowsTheDisplay_data() { bothPages(); }
    void refreshShowsTheDisplay() {
        QFETCH(PatternPage, page);
        PatternRig rig("127.0.17.70", page);
        rig.setDisplay(2, {10, 20, 255}, 255);
        rig.link()->setChecked(true);
        rig.showPage(page.index);
        QVERIFY(rig.enable()->isEnabled() && rig.enable()->isChecked());
        QCOMPARE(rig.levels(), (QList<int>{10, 20, 255}));
        QCOMPARE(rig.slider(2)->maximum(), 255);
        QCOMPARE(rig.spin(2)->maximum(), 255);
        QCOMPARE(rig.percent(0), QStringLiteral("  3.9%"));
        QCOMPARE(rig.percent(2), QStringLiteral("100.0%"));
        QVERIFY(!rig.link()->isChecked());
        rig.saveShot(QStringLiteral("test_pattern_") + QString::number(page.index));
        rig.setDisplay(1, {50, 50, 50}, 100);
        rig.link()->setChecked(true);
        rig.w.on_reload_settings_pushButton_clicked();
        QVERIFY(!rig.enable()->isChecked());
        QCOMPARE(rig.levels(), (QList<int>{50, 50, 50}));
        QVERIFY(rig.link()->isChecked());
        QTest::qWait(1700); // past the queue's time: nothing was queued
        QCOMPARE(rig.fake.requests().size(), 8);
        for (unsigned int opcode : page.levels)
            QCOMPARE(rig.setRequests(DisplayModel::hex4(opcode)), 0);
    }

    // -1027 for one level leaves that colour disabled, says why in its tool tip and nothing on
    // the status bar, and goes on; any other failure ends the refresh there, on the status bar,
    // with no colour after it that looks read; a maximum of 0 shows 0.0 %. The presets, which
    // take fractions of the three maxima, are off while any level is unread. A display that
    // stops answering leaves nothing on the page that looks read.
    void refreshFailures_data() { bothPages(); }
    void refreshFailures() {
        QFETCH(PatternPage, page);
        PatternRig rig("127.0.17.71", page);
        rig.setDisplay(2, {10, 0, 30}, 255);
        rig.model.setParameter(page.levels[1], 0, 0);
        rig.model.addCommand('C', DisplayModel::hex4(page.levels[1]), [&](const QByteArray& body) {
            return "01" + body.left(4) + "0000000000";
        });
        rig.showPage(page.index);
        QVERIFY(!rig.slider(1)->isEnabled() && !rig.spin(1)->isEnabled());
        QCOMPARE(rig.spin(1)->toolTip(), QStringLiteral("Not supported by this display."));
        QCOMPARE(rig.presetNot(false), QString());
        QCOMPARE(rig.presets()[0]->toolTip(), QStringLiteral("Not supported by this display."));
        QCOMPARE(rig.percent(1), QString());
        QVERIFY(rig.slider(0)->isEnabled() && rig.slider(2)->isEnabled());
        QCOMPARE(rig.levels(), (QList<int>{10, 0, 30}));
        QVERIFY(rig.w.ui.statusBar->currentMessage().isEmpty());
        // Green fails on the link now: blue is not read.
        rig.setDisplay(2, {40, 40, 40}, 0);
        rig.model.addCommand('C', DisplayModel::hex4(page.levels[1]),
                             [](const QByteArray&) { return QByteArray(); });
        rig.w.on_reload_settings_pushButton_clicked();
        QCOMPARE(rig.levels(), (QList<int>{0, 0, 30}));
        QVERIFY(!rig.slider(1)->isEnabled() && !rig.slider(2)->isEnabled());
        QVERIFY(rig.spin(1)->toolTip() != QStringLiteral("Not supported by this display."));
        QCOMPARE(rig.percent(0), QStringLiteral("  0.0%"));
        QCOMPARE(rig.percent(2), QString());
        QCOMPARE(rig.presetNot(false), QString());
        QVERIFY(rig.w.ui.statusBar->currentMessage().endsWith(
            QStringLiteral("(%1)").arg(ResultCode::NoReply)));
        rig.model.addCommand('C', DisplayModel::hex4(page.levels[1]), [&](const QByteArray& body) {
            return "00" + body.left(4) + "0000000000";
        });
        rig.w.on_reload_settings_pushButton_clicked();
        QCOMPARE(rig.percent(0), QStringLiteral("  0.0%"));
        QCOMPARE(rig.percent(1), QStringLiteral("  0.0%"));
        QCOMPARE(rig.presetNot(true), QString());
        QVERIFY(rig.presets()[0]->toolTip() != QStringLiteral("Not supported by this display."));
        QCOMPARE(rig.silentReadFault({rig.link()}, rig.presets()), QString());
    }

    // With the link on, moving one level moves the other two, and each of the three op codes
    // is written once, by the queue.
    void linkedLevels_data() { bothPages(); }
    void linkedLevels() {
        QFETCH(PatternPage, page);
        PatternRig rig("127.0.17.72", page);
        rig.setDisplay(2, {0, 0, 0}, 255);
        rig.showPage(page.index);
        rig.link()->setChecked(true);
        rig.slider(0)->setValue(128);
        QCOMPARE(rig.levels(), (QList<int>{128, 128, 128}));
        QCOMPARE(rig.percent(1), QStringLiteral(" 50.2%"));
        for (unsigned int opcode : page.levels)
            QTRY_COMPARE_WITH_TIMEOUT(rig.model.parameter(opcode).current, 128, 5000);
        for (unsigned int opcode : page.levels)
            QCOMPARE(rig.setRequests(DisplayModel::hex4(opcode)), 1);
    }

    // The coloured presets clear the link first; the greys keep it.
    void presetButtons_data() { bothPages(); }
    void presetButtons() {
        QFETCH(PatternPage, page);
        PatternRig rig("127.0.17.73", page);
        rig.setDisplay(2, {0, 0, 0}, 255);
        rig.showPage(page.index);
        rig.link()->setChecked(true);
        rig.widget<QPushButton>(QStringLiteral("preset_ggray10_pushButton"))->click();
        QCOMPARE(rig.levels(), (QList<int>{25, 25, 25}));
        QVERIFY(rig.link()->isChecked());
        rig.widget<QPushButton>(QStringLiteral("preset_red_pushButton"))->click();
        QVERIFY(!rig.link()->isChecked());
        QCOMPARE(rig.levels(), (QList<int>{255, 0, 0}));
        rig.widget<QPushButton>(QStringLiteral("preset_cyan_pushButton"))->click();
        QCOMPARE(rig.levels(), (QList<int>{0, 255, 255}));
        for (int c = 0; c < 3; ++c)
            QTRY_COMPARE_WITH_TIMEOUT(int(rig.model.parameter(page.levels[c]).current),
                                      rig.levels()[c], 5000);
    }

    // Switching the pattern writes its op code, then reads the page again; a switch the
    // display does not take (result byte 01) leaves the pattern as the display holds it, greyed
    // with the reason in its tool tip and nothing on the status bar.
    void enablePattern_data() { bothPages(); }
    void enablePattern() {
        QFETCH(PatternPage, page);
        PatternRig rig("127.0.17.74", page);
        rig.setDisplay(2, {5, 5, 5}, 255);
        rig.showPage(page.index);
        rig.enable()->setChecked(false);
        emit rig.enable()->clicked(false);
        QCOMPARE(rig.model.parameter(page.enable).current, 1);
        QVERIFY(!rig.enable()->isChecked());
        QVERIFY(rig.w.ui.statusBar->currentMessage().isEmpty());
        rig.model.addCommand('E', DisplayModel::hex4(page.enable), [](const QByteArray& body) {
            return "01" + body.left(4) + "0000000000";
        });
        rig.enable()->setChecked(true);
        emit rig.enable()->clicked(true);
        QVERIFY(!rig.enable()->isChecked());
        QVERIFY(!rig.enable()->isEnabled());
        QCOMPARE(rig.enable()->toolTip(), QStringLiteral("Not supported by this display."));
        QVERIFY(rig.w.ui.statusBar->currentMessage().isEmpty());
    }
};

QTEST_MAIN(TestPatternPagesTest)
#include "tst_test_pattern_pages.moc"
