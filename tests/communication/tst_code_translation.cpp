#include "code_translation.h"
#include "legacy_models.h"

#include <QTemporaryFile>
#include <QtTest>

using Translation = int (*)(int);
Q_DECLARE_METATYPE(Translation)

class CodeTranslationTest : public QObject {
    Q_OBJECT

private slots:
    // Each function over the codes -1 .. 18 and a large one.
    void tables_data() {
        QTest::addColumn<Translation>("translate");
        QTest::addColumn<QList<int>>("expected");
        // clang-format off
        // Outputs for the codes -1, 0 .. 18 and 255.
        QTest::newRow("input_to_legacy_code")
            << &input_to_legacy_code << QList<int>{0, 0, 1, 2, 3, 0, 5, 0, 7, 0, 0, 10, 0, 12, 13, 0, 0, 0, 4, 0, 0};
        QTest::newRow("input_from_legacy_code")
            << &input_from_legacy_code << QList<int>{0, 0, 1, 2, 3, 17, 5, 0, 7, 0, 10, 10, 0, 12, 13, 0, 0, 0, 0, 0, 0};
        QTest::newRow("schedule_input_from_legacy")
            << &schedule_input_from_legacy << QList<int>{0, 3, 1, 2, 17, 12, 5, 7, 10, 10, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
        QTest::newRow("schedule_input_to_legacy")
            << &schedule_input_to_legacy << QList<int>{9, 9, 1, 2, 0, 9, 5, 9, 6, 9, 9, 8, 9, 4, 9, 9, 9, 9, 3, 9, 9};
        QTest::newRow("schedule_input_to_plain")
            << &schedule_input_to_plain << QList<int>{15, 15, 2, 3, 0, 15, 8, 9, 10, 15, 15, 11, 15, 5, 15, 6, 1, 15, 4, 15, 15};
        QTest::newRow("schedule_input_from_plain")
            << &schedule_input_from_plain << QList<int>{0, 3, 15, 1, 2, 17, 12, 14, 0, 5, 6, 7, 10, 0, 0, 0, 0, 0, 0, 0, 0};
        QTest::newRow("schedule_field_to_plain")
            << &schedule_field_to_plain << QList<int>{8, 8, 2, 8, 0, 1, 3, 4, 5, 8, 8, 8, 6, 7, 8, 8, 8, 8, 8, 8, 8};
        QTest::newRow("schedule_field_from_plain")
            << &schedule_field_from_plain << QList<int>{0, 3, 4, 1, 5, 6, 7, 11, 12, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
        // clang-format on
    }
    void tables() {
        QFETCH(Translation, translate);
        QFETCH(QList<int>, expected);
        QList<int> actual;
        for (int code = -1; code <= 18; ++code)
            actual << translate(code);
        actual << translate(255);
        QCOMPARE(actual, expected);
    }

    // Every code a display generation knows survives the way there and back.
    void roundTrips() {
        for (int code : {1, 2, 3, 5, 7, 12, 13, 17})
            QCOMPARE(input_from_legacy_code(input_to_legacy_code(code)), code);
        for (int code : {1, 2, 3, 5, 7, 10, 12, 17})
            QCOMPARE(schedule_input_from_legacy(schedule_input_to_legacy(code)), code);
        for (int code : {1, 2, 3, 5, 6, 7, 10, 12, 14, 15, 17})
            QCOMPARE(schedule_input_from_plain(schedule_input_to_plain(code)), code);
        for (int code : {1, 3, 4, 5, 6, 7, 11, 12})
            QCOMPARE(schedule_field_from_plain(schedule_field_to_plain(code)), code);
        // An input the older display lacks goes out as 9 and comes back as 0.
        QCOMPARE(schedule_input_from_legacy(schedule_input_to_legacy(6)), 0);
    }

    void builtInLegacyModels() {
        QStringList names = LegacyModels::builtIn();
        QCOMPARE(names.size(), 12);
        QCOMPARE(names.removeDuplicates(), 0);
        for (const QString& name : names)
            QVERIFY(!name.isEmpty() && !name.startsWith(QLatin1Char('#')));
        QVERIFY(LegacyModels::contains(names, names.first().toLower()));
        QVERIFY(!LegacyModels::contains(names, names.first() + QLatin1Char(' ')));
        QVERIFY(!LegacyModels::contains(names, names.first().left(3)));
        QVERIFY(!LegacyModels::contains(names, QString()));
    }

    void legacyModelsFromAFile() {
        QTemporaryFile file;
        QVERIFY(file.open());
        file.write("# older ones\n\n  Alpha 1  \r\n#Beta\nbeta-2\n");
        file.close();
        QCOMPARE(LegacyModels::load(file.fileName()), (QStringList{"Alpha 1", "beta-2"}));
        QVERIFY(LegacyModels::contains(LegacyModels::load(file.fileName()), "BETA-2"));
        QVERIFY(LegacyModels::load(file.fileName() + ".missing").isEmpty());
    }
};

QTEST_GUILESS_MAIN(CodeTranslationTest)
#include "tst_code_translation.moc"
