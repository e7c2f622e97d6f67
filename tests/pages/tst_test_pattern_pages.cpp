#include "test_pattern_levels.h"

#include <QtTest>

using TestPatternLevels::Levels;
Q_DECLARE_METATYPE(Levels)

// Loopback addresses 127.0.17.70 to 127.0.17.79 belong to this test.
class TestPatternPagesTest : public QObject {
    Q_OBJECT

private slots:
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
};

QTEST_MAIN(TestPatternPagesTest)
#include "tst_test_pattern_pages.moc"
