#include "monitor_rig.h"
#include "result_codes.h"

#include <QtTest>

#include <functional>

// Loopback address 127.0.0.112 belongs to this test.
static const QString kAddress = QStringLiteral("127.0.0.112");

namespace {
// What one operation gave back: its result and its outputs as "name=value" text.
struct Run {
    int result = 0;
    QString outputs;
};
using Op = std::function<Run(RecordingMonitor&)>;

QString pair(unsigned int a, unsigned int b) {
    return QStringLiteral("%1/%2").arg(a).arg(b);
}

const QString kLegacyModel = QStringLiteral("ZQ-L4010"); // in the built-in list
const QString kCurrentModel = QStringLiteral("ZQ-X9000");

QMap<QString, Op> operations() {
    QMap<QString, Op> ops;
    using Get = int (basic_monitor::*)(unsigned int*, unsigned int*);
    using Set = int (basic_monitor::*)(unsigned int*);
    const QMap<QString, Get> gets = {{"get_brightness", &basic_monitor::get_brightness},
                                     {"get_contrast", &basic_monitor::get_contrast},
                                     {"get_red_gain", &basic_monitor::get_red_gain},
                                     {"get_green_gain", &basic_monitor::get_green_gain},
                                     {"get_blue_gain", &basic_monitor::get_blue_gain},
                                     {"get_color_preset", &basic_monitor::get_color_preset},
                                     {"get_gamma", &basic_monitor::get_gamma}};
    for (auto it = gets.cbegin(); it != gets.cend(); ++it) {
        const Get get = it.value();
        ops[it.key()] = [get](RecordingMonitor& m) {
            unsigned int current = 7, max = 7;
            const int r = (m.*get)(&current, &max);
            return Run{r, pair(current, max)};
        };
    }
    const QMap<QString, Set> sets = {
        {"set_brightness", &basic_monitor::set_brightness},
        {"set_contrast", &basic_monitor::set_contrast},
        {"set_red_gain", &basic_monitor::set_red_gain},
        {"set_green_gain", &basic_monitor::set_green_gain},
        {"set_blue_gain", &basic_monitor::set_blue_gain},
        {"set_color_preset", &basic_monitor::set_color_preset},
        {"set_gamma", &basic_monitor::set_gamma},
        {"set_test_pattern_mode", &basic_monitor::set_test_pattern_mode}};
    for (auto it = sets.cbegin(); it != sets.cend(); ++it) {
        const Set set = it.value();
        ops[it.key()] = [set](RecordingMonitor& m) {
            unsigned int value = 6;
            const int r = (m.*set)(&value);
            return Run{r, QString::number(value)};
        };
    }
    ops["get_test_pattern_mode"] = [](RecordingMonitor& m) {
        unsigned int mode = 7;
        const int r = m.get_test_pattern_mode(&mode);
        return Run{r, QString::number(mode)};
    };
    ops["color_reset"] = [](RecordingMonitor& m) { return Run{m.color_reset(), {}}; };
    ops["select_native_gamma"] = [](RecordingMonitor& m) {
        return Run{m.select_native_gamma(), {}};
    };
    ops["has_gamma_programmable_reset"] = [](RecordingMonitor& m) {
        return Run{0, m.has_gamma_programmable_reset() ? "yes" : "no"};
    };
    ops["gamma_programmable_reset"] = [](RecordingMonitor& m) {
        return Run{m.gamma_programmable_reset(), {}};
    };
    ops["set_rgb_gains_to_max_report"] = [](RecordingMonitor& m) {
        unsigned int r = 7, g = 7, b = 7;
        const int result = m.set_rgb_gains_to_max_report(&r, &g, &b);
        return Run{result, QStringLiteral("%1 %2 %3").arg(r).arg(g).arg(b)};
    };
    ops["set_rgb_gains_to_max"] = [](RecordingMonitor& m) {
        return Run{m.set_rgb_gains_to_max(), {}};
    };
    using Hours = int (basic_monitor::*)(double*);
    const QMap<QString, Hours> hours = {
        {"get_operating_time_on", &basic_monitor::get_operating_time_on},
        {"get_total_operating_time", &basic_monitor::get_total_operating_time},
        {"get_operating_time_on_minutes", &basic_monitor::get_operating_time_on_minutes},
        {"get_total_operating_time_minutes", &basic_monitor::get_total_operating_time_minutes}};
    for (auto it = hours.cbegin(); it != hours.cend(); ++it) {
        const Hours get = it.value();
        ops[it.key()] = [get](RecordingMonitor& m) {
            double h = -1;
            const int r = (m.*get)(&h);
            return Run{r, QString::number(h, 'g', 10)};
        };
    }
    ops["get_video_input"] = [](RecordingMonitor& m) {
        unsigned int value = 99;
        const int r = m.get_video_input(&value);
        return Run{r, QString::number(value)};
    };
    for (unsigned int input : {6u, 12u, 17u})
        ops[QStringLiteral("set_video_input %1").arg(input)] = [input](RecordingMonitor& m) {
            unsigned int value = input;
            const int r = m.set_video_input(&value);
            return Run{r, QString::number(value)};
        };
    ops["detect_model_family"] = [](RecordingMonitor& m) {
        return Run{0, QString::number(m.detect_model_family())};
    };
    ops["get_test_pattern_levels"] = [](RecordingMonitor& m) {
        unsigned int v[6] = {9, 9, 9, 9, 9, 9};
        const int r = m.get_test_pattern_levels(&v[0], &v[1], &v[2], &v[3], &v[4], &v[5]);
        return Run{
            r,
            QStringLiteral("%1 %2 %3").arg(pair(v[0], v[3]), pair(v[1], v[4]), pair(v[2], v[5]))};
    };
    ops["set_test_pattern_levels"] = [](RecordingMonitor& m) {
        unsigned int r = 11, g = 12, b = 13;
        return Run{m.set_test_pattern_levels(&r, &g, &b), {}};
    };
    using Level = int (basic_monitor::*)(unsigned int*);
    const QMap<QString, Level> levels = {
        {"set_test_pattern_red_level", &basic_monitor::set_test_pattern_red_level},
        {"set_test_pattern_green_level", &basic_monitor::set_test_pattern_green_level},
        {"set_test_pattern_blue_level", &basic_monitor::set_test_pattern_blue_level}};
    for (auto it = levels.cbegin(); it != levels.cend(); ++it) {
        const Level set = it.value();
        ops[it.key()] = [set](RecordingMonitor& m) {
            unsigned int value = 9;
            return Run{(m.*set)(&value), {}};
        };
    }
    ops["flash_test_pattern_white_black"] = [](RecordingMonitor& m) {
        return Run{m.flash_test_pattern_white_black(), {}};
    };
    return ops;
}

schedule_entry entry(unsigned char input, unsigned char pm) {
    schedule_entry e;
    e.on_hour = 7;
    e.on_minute = 30;
    e.off_hour = 22;
    e.off_minute = 0;
    e.input = input;
    e.weekdays = 0x1F;
    e.flags = 0x05;
    e.picture_mode = pm;
    return e;
}

QString text(const schedule_entry& e) {
    return QStringLiteral("%1:%2-%3:%4 in=%5 pm=%6")
        .arg(e.on_hour)
        .arg(e.on_minute)
        .arg(e.off_hour)
        .arg(e.off_minute)
        .arg(e.input)
        .arg(e.picture_mode);
}
} // namespace

class MonitorCompositeTest : public QObject {
    Q_OBJECT

    // The op codes the display knows unless a row takes one away: op code -> current, max.
    static QMap<unsigned int, QPair<int, int>> knownOpCodes() {
        return {{0x0008, {0, 1}},           {0x0010, {50, 100}},   {0x0012, {60, 100}},
                {0x0014, {2, 11}},          {0x0016, {120, 255}},  {0x0018, {130, 254}},
                {0x001A, {140, 253}},       {0x0060, {17, 18}},    {0x00FA, {9, 0xFFFF}},
                {0x00FF, {0xFFFF, 0xFFFF}}, {0x0268, {1, 6}},      {0x02C3, {1, 2}},
                {0x02F8, {0, 1}},           {0x103A, {10, 200}},   {0x103B, {20, 201}},
                {0x103C, {30, 202}},        {0x0318, {40, 210}},   {0x031A, {50, 211}},
                {0x031C, {60, 212}},        {0x11FA, {0, 0xFFFF}}, {0x11FB, {90, 0xFFFF}},
                {0x11FE, {1, 0xFFFF}},      {0x11FF, {0, 0xFFFF}}};
    }

private slots:
    // Each operation's commands, pauses and progress reports in order, its result and outputs.
    void sequences_data() {
        QTest::addColumn<QString>("op");
        QTest::addColumn<QList<unsigned int>>("unknown"); // op codes the display refuses
        QTest::addColumn<int>("family");                  // test-pattern family before the call
        QTest::addColumn<QString>("model");
        QTest::addColumn<QStringList>("events");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("outputs");
        const QList<unsigned int> none;
        auto row = [&](const char* title, const char* op, const QList<unsigned int>& unknown,
                       const QStringList& events, int result, const QString& outputs,
                       int family = 1, const QString& model = kCurrentModel) {
            QTest::newRow(title) << QString::fromLatin1(op) << unknown << family << model << events
                                 << result << outputs;
        };

        // Picture values.
        row("brightness", "get_brightness", none, {"get 0010"}, 0, "50/100");
        row("contrast", "get_contrast", none, {"get 0012"}, 0, "60/100");
        row("red gain", "get_red_gain", none, {"get 0016"}, 0, "120/255");
        row("green gain", "get_green_gain", none, {"get 0018"}, 0, "130/254");
        row("blue gain", "get_blue_gain", none, {"get 001A"}, 0, "140/253");
        row("colour preset", "get_color_preset", none, {"get 0014"}, 0, "2/11");
        row("gamma", "get_gamma", none, {"get 0268"}, 0, "1/6");
        row("brightness unsupported", "get_brightness", {0x0010}, {"get 0010"}, -1027, "0/0");
        row("set brightness", "set_brightness", none, {"set 0010=6"}, 0, "6");
        row("set contrast", "set_contrast", none, {"set 0012=6"}, 0, "6");
        row("set red gain", "set_red_gain", none, {"set 0016=6"}, 0, "6");
        row("set green gain", "set_green_gain", none, {"set 0018=6"}, 0, "6");
        row("set blue gain", "set_blue_gain", none, {"set 001A=6"}, 0, "6");
        row("set colour preset pauses", "set_color_preset", none, {"set 0014=6", "pause 1000"}, 0,
            "6");
        row("set colour preset pauses after a refusal too", "set_color_preset", {0x0014},
            {"set 0014=6", "pause 1000"}, -1027, "0");
        row("set gamma pauses", "set_gamma", none, {"set 0268=6", "pause 1000"}, 0, "6");
        row("set gamma refused", "set_gamma", {0x0268}, {"set 0268=6", "pause 1000"}, -1027, "0");
        row("colour reset", "color_reset", none, {"set 0008=1", "pause 1000"}, 0, "");
        row("colour reset refused", "color_reset", {0x0008}, {"set 0008=1", "pause 1000"}, -1027,
            "");
        row("native gamma", "select_native_gamma", none,
            {"set 0268=1", "pause 1000", "progress 1 0"}, 0, "");
        row("native gamma refused still reports progress", "select_native_gamma", {0x0268},
            {"set 0268=1", "pause 1000", "progress 1 0"}, -1027, "");
        row("programmable reset offered", "has_gamma_programmable_reset", none, {"get 02F8"}, 0,
            "yes");
        row("programmable reset not offered", "has_gamma_programmable_reset", {0x02F8},
            {"get 02F8"}, 0, "no");
        row("programmable reset", "gamma_programmable_reset", none,
            {"set 02F8=1", "cmd C206", "pause 100"}, 0, "");
        row("programmable reset refused", "gamma_programmable_reset", {0x02F8}, {"set 02F8=1"},
            -1027, "");
        row("gains to maximum", "set_rgb_gains_to_max_report", none,
            {"get 0016", "set 0016=255", "get 0018", "set 0018=254", "get 001A", "set 001A=253"}, 0,
            "255 254 253");
        row("gains to maximum, green refused", "set_rgb_gains_to_max_report", {0x0018},
            {"get 0016", "set 0016=255", "get 0018"}, -1027, "255 0 7");
        row("gains to maximum without report", "set_rgb_gains_to_max", none,
            {"get 0016", "set 0016=255", "get 0018", "set 0018=254", "get 001A", "set 001A=253"}, 0,
            "");
        row("VT mode", "get_test_pattern_mode", none, {"get 02C3"}, 0, "1");
        row("set VT mode", "set_test_pattern_mode", none, {"set 02C3=6"}, 0, "6");

        // Operating times.
        row("time on in half hours", "get_operating_time_on", none, {"get 00FF"}, 0, "32767.5");
        row("total time in half hours", "get_total_operating_time", none, {"get 00FA"}, 0, "4.5");
        row("time on in minutes", "get_operating_time_on_minutes", none, {"get 11FE", "get 11FF"},
            0, QString::number(65536 / 60.0, 'g', 10));
        row("total time in minutes", "get_total_operating_time_minutes", none,
            {"get 11FA", "get 11FB"}, 0, "1.5");
        row("minutes, high half refused", "get_operating_time_on_minutes", {0x11FE}, {"get 11FE"},
            -1027, "0");
        row("minutes, low half refused", "get_total_operating_time_minutes", {0x11FB},
            {"get 11FA", "get 11FB"}, -1027, "0");

        // Video input of older displays.
        row("input", "get_video_input", none, {"get 0060", "cmd C217"}, 0, "17");
        row("input of an older display", "get_video_input", none, {"get 0060", "cmd C217"}, 0, "0",
            1, kLegacyModel); // 17 is no code there
        row("older model compared without case", "set_video_input 17", none,
            {"cmd C217", "set 0060=4"}, 0, "17", 1, kLegacyModel.toLower());
        row("set input", "set_video_input 6", none, {"cmd C217", "set 0060=6"}, 0, "6");
        row("set input of an older display", "set_video_input 12", none,
            {"cmd C217", "set 0060=12"}, 0, "12", 1, kLegacyModel);
        row("input an older display lacks is not sent", "set_video_input 6", none, {"cmd C217"},
            -1027, "0", 1, kLegacyModel);
        row("unreadable model name is no older model", "set_video_input 6", none,
            {"cmd C217", "set 0060=6"}, 0, "6", 1, "BE");
        row("similar name is no older model", "set_video_input 17", none,
            {"cmd C217", "set 0060=17"}, 0, "17", 1, kLegacyModel + "X");

        // Test patterns.
        row("family 1", "detect_model_family", none, {"get 103A"}, 0, "1", 0);
        row("family 2", "detect_model_family", {0x103A},
            {"get 103A", "cmd C01102", "get 0318", "cmd C01100"}, 0, "2", 0);
        row("no family", "detect_model_family", {0x103A, 0x0318},
            {"get 103A", "cmd C01102", "get 0318", "cmd C01100"}, 0, "0", 2);
        row("first use detects the family", "get_test_pattern_levels", {0x103A},
            {"get 103A", "cmd C01102", "get 0318", "cmd C01100", "cmd C01102", "get 0318",
             "get 031A", "get 031C", "cmd C01100"},
            0, "40/210 50/211 60/212", 0);
        row("levels, family 1", "get_test_pattern_levels", none,
            {"get 103A", "get 103B", "get 103C"}, 0, "10/200 20/201 30/202");
        row("levels, family 1, green refused", "get_test_pattern_levels", {0x103B},
            {"get 103A", "get 103B"}, -1027, "10/200 0/0 9/9");
        row("levels, family 2", "get_test_pattern_levels", none,
            {"cmd C01102", "get 0318", "get 031A", "get 031C", "cmd C01100"}, 0,
            "40/210 50/211 60/212", 2);
        row("levels, family 2, green refused: mode restored, refusal returned",
            "get_test_pattern_levels", {0x031A},
            {"cmd C01102", "get 0318", "get 031A", "cmd C01100"}, -1027, "40/210 0/0 9/9", 2);
        row("set levels, family 1", "set_test_pattern_levels", none,
            {"set 103A=11", "set 103B=12", "set 103C=13"}, 0, "");
        row("set levels, family 2", "set_test_pattern_levels", none,
            {"cmd C01102", "set 0318=11", "set 031A=12", "set 031C=13", "cmd C01100"}, 0, "", 2);
        row("set levels, family 2, red refused", "set_test_pattern_levels", {0x0318},
            {"cmd C01102", "set 0318=11", "cmd C01100"}, -1027, "", 2);
        row("red level, family 1", "set_test_pattern_red_level", none, {"set 103A=9"}, 0, "");
        row("green level, family 2", "set_test_pattern_green_level", none,
            {"cmd C01102", "set 031A=9", "cmd C01100"}, 0, "", 2);
        row("blue level, family 2, refused", "set_test_pattern_blue_level", {0x031C},
            {"cmd C01102", "set 031C=9", "cmd C01100"}, -1027, "", 2);
        row("flash white and black", "flash_test_pattern_white_black", none,
            {"set 02C3=2", "get 103A", "get 103B", "get 103C", "set 103A=200", "set 103B=201",
             "set 103C=202", "pause 1000", "set 103A=0", "set 103B=0", "set 103C=0", "pause 1000",
             "set 02C3=1"},
            0, "");
        row("flash stops at a refused level", "flash_test_pattern_white_black", {0x103B},
            {"set 02C3=2", "get 103A", "get 103B"}, -1027, "");
        row("flash without VT mode", "flash_test_pattern_white_black", {0x02C3}, {"set 02C3=2"},
            -1027, "");
    }
    void sequences() {
        QFETCH(QString, op);
        QFETCH(QList<unsigned int>, unknown);
        QFETCH(int, family);
        QFETCH(QString, model);
        QFETCH(QStringList, events);
        QFETCH(int, result);
        QFETCH(QString, outputs);

        MonitorRig rig(kAddress);
        QCOMPARE(rig.opened, 0);
        const auto known = knownOpCodes();
        for (auto it = known.cbegin(); it != known.cend(); ++it)
            if (!unknown.contains(it.key()))
                rig.model.setParameter(it.key(), static_cast<unsigned short>(it.value().first),
                                       static_cast<unsigned short>(it.value().second));
        rig.model.modelName = model.toLatin1();
        if (model == "BE") // the display does not answer the model-name read
            rig.model.addCommand('A', "C217", [](const QByteArray&) { return QByteArray("BE"); });
        rig.monitor.m_model_family = family;
        const Run run = operations().value(op)(rig.monitor);
        QCOMPARE(rig.log.take(), events);
        QCOMPARE(run.result, result);
        QCOMPARE(run.outputs, outputs);
    }

    // Schedules: the older dialect on older models, else the extended one with the plain one as
    // fallback, each numbering inputs and picture modes its own way.
    void schedules_data() {
        QTest::addColumn<QString>("op");
        QTest::addColumn<QString>("model");
        QTest::addColumn<QByteArray>("extended"); // how the display answers an extended command
        QTest::addColumn<QByteArray>("plain");    // and a legacy or plain one
        QTest::addColumn<int>("input");           // of the caller's entry
        QTest::addColumn<QStringList>("events");
        QTest::addColumn<QByteArray>("sent"); // the last body sent
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("after");
        const QString legacy = kLegacyModel, current = kCurrentModel;
        QTest::newRow("older model, read") << "read" << legacy << QByteArray() << QByteArray("ok")
                                           << 0 << QStringList{"cmd C217", "cmd C21303"}
                                           << QByteArray("C21303") << 0 << "7:30-22:0 in=17 pm=3";
        QTest::newRow("older model, write")
            << "write" << legacy << QByteArray() << QByteArray("ok") << 12
            << QStringList{"cmd C217", "cmd C2140307"} << QByteArray("C21403071E1600041F05") << 0
            << "7:30-22:0 in=12 pm=3";
        QTest::newRow("older model, write of an input it lacks")
            << "write" << legacy << QByteArray() << QByteArray("ok") << 6
            << QStringList{"cmd C217", "cmd C2140307"} << QByteArray("C21403071E1600091F05") << 0
            << "7:30-22:0 in=0 pm=3";
        QTest::newRow("extended read") << "read" << current << QByteArray("ok") << QByteArray() << 0
                                       << QStringList{"cmd C217", "cmd C22103"}
                                       << QByteArray("C22103") << 0 << "7:30-22:0 in=12 pm=3";
        QTest::newRow("extended read refused, plain read")
            << "read" << current << QByteArray("BE") << QByteArray("ok") << 0
            << QStringList{"cmd C217", "cmd C22103", "cmd C21303"} << QByteArray("C21303") << 0
            << "7:30-22:0 in=1 pm=6";
        QTest::newRow("both reads refused: entry unchanged")
            << "read" << current << QByteArray("BE") << QByteArray("BE") << 5
            << QStringList{"cmd C217", "cmd C22103", "cmd C21303"} << QByteArray("C21303") << -5007
            << "7:30-22:0 in=5 pm=3";
        QTest::newRow("extended write")
            << "write" << current << QByteArray("ok") << QByteArray() << 17
            << QStringList{"cmd C217", "cmd C2220307"}
            << QByteArray("C22203071E1600111F050300000000000000") << 0 << "7:30-22:0 in=17 pm=3";
        QTest::newRow("extended write rejected: the caller's entry goes out plain")
            << "write" << current << QByteArray("rejected") << QByteArray("ok") << 17
            << QStringList{"cmd C217", "cmd C2220307", "cmd C2140307"}
            << QByteArray("C21403071E1600041F0500") << 0 << "7:30-22:0 in=17 pm=3";
        QTest::newRow("both writes refused: entry as the caller gave it")
            << "write" << current << QByteArray("rejected") << QByteArray("BE") << 17
            << QStringList{"cmd C217", "cmd C2220307", "cmd C2140307"}
            << QByteArray("C21403071E1600041F0500") << -5007 << "7:30-22:0 in=17 pm=3";
        QTest::newRow("advanced read")
            << "advanced read" << current << QByteArray() << QByteArray() << 0
            << QStringList{"cmd C23D05"} << QByteArray("C23D05") << -5007 << "7:30-22:0 in=0 pm=3";
        QTest::newRow("advanced write")
            << "advanced write" << current << QByteArray() << QByteArray() << 3
            << QStringList{"cmd C23E0501"} << QByteArray("C23E0501071E031F0503000000000000")
            << -5007 << "7:30-22:0 in=3 pm=3";
    }
    void schedules() {
        QFETCH(QString, op);
        QFETCH(QString, model);
        QFETCH(QByteArray, extended);
        QFETCH(QByteArray, plain);
        QFETCH(int, input);
        QFETCH(QStringList, events);
        QFETCH(QByteArray, sent);
        QFETCH(int, result);
        QFETCH(QString, after);

        MonitorRig rig(kAddress);
        rig.model.modelName = model.toLatin1();
        // Extended read: input 0C, picture mode 03; the plain and older dialects send input 02
        // and, for the plain one, picture mode 04.
        rig.model.addCommand('A', "C221", [&](const QByteArray& body) -> QByteArray {
            if (extended != "ok")
                return "BE";
            return "C321" + body.mid(4, 2) + "071E16000C1F050301020304050607";
        });
        rig.model.addCommand('A', "C222", [&](const QByteArray& body) -> QByteArray {
            if (extended == "ok")
                return "C32200" + body.mid(4);
            if (extended == "rejected") // the display's echo differs from the request
                return "C32201" + body.mid(4, 2) + "080F" + body.mid(10);
            return "BE";
        });
        rig.model.addCommand('A', "C213", [&](const QByteArray& body) -> QByteArray {
            if (plain != "ok")
                return "BE";
            return "C313" + body.mid(4, 2) + "071E1600" +
                   (model == kLegacyModel ? "031F05" : "021F0504");
        });
        rig.model.addCommand('A', "C214", [&](const QByteArray& body) -> QByteArray {
            return plain == "ok" ? "C31400" + body.mid(4) : QByteArray("BE");
        });

        schedule_entry e = entry(static_cast<unsigned char>(input), 3);
        if (op == "advanced write")
            e.type = 1;
        int r = 0;
        if (op == "read")
            r = rig.monitor.read_schedule(3, &e);
        else if (op == "write")
            r = rig.monitor.write_schedule(3, &e);
        else if (op == "advanced read")
            r = rig.monitor.advanced_schedule_read(5, &e);
        else
            r = rig.monitor.advanced_schedule_write(5, &e);
        QCOMPARE(r, result);
        QCOMPARE(rig.log.take(), events);
        QCOMPARE(rig.bodies().last(), sent);
        QCOMPARE(text(e), after);
    }

    void modeChangeFailureEndsFamilyTwoSteps() {
        MonitorRig rig(kAddress);
        rig.model.setParameter(0x0318, 1, 2);
        rig.monitor.m_model_family = 2;
        rig.model.failNext(1);
        unsigned int value = 3;
        QCOMPARE(rig.monitor.set_test_pattern_red_level(&value), ResultCode::BadChecksum);
        QCOMPARE(rig.log.take(), QStringList{"cmd C01102"});
    }

    void clock() {
        MonitorRig rig(kAddress);
        rig.model.clock = {26, 3, 15, 0, 13, 45, 1};
        QDateTime when;
        unsigned char dst = 7;
        QCOMPARE(rig.monitor.date_time_read(when, &dst), 0);
        QCOMPARE(when, QDateTime(QDate(2026, 3, 15), QTime(13, 45)));
        QCOMPARE(int(dst), 1);

        // Weekdays: Sunday 0, Monday 1 .. Saturday 6; seconds are dropped.
        const QList<QPair<QDate, QByteArray>> days = {{QDate(2026, 3, 15), "1A030F00"},
                                                      {QDate(2026, 3, 16), "1A031001"},
                                                      {QDate(2026, 3, 21), "1A031506"}};
        for (const auto& day : days) {
            rig.fake.clearRequests();
            when = QDateTime(day.first, QTime(9, 5, 59));
            dst = 0;
            QCOMPARE(rig.monitor.date_time_write(when, &dst), 0);
            QCOMPARE(rig.bodies(), QList<QByteArray>{"C212" + day.second + "090500"});
            QCOMPARE(when, QDateTime(day.first, QTime(9, 5)));
        }
        dst = 1;
        rig.fake.clearRequests();
        QCOMPARE(rig.monitor.date_time_write(when, &dst), 0);
        QVERIFY(rig.bodies().first().endsWith("01"));

        rig.model.failNext(3);
        const QDateTime before = when;
        dst = 5;
        QCOMPARE(rig.monitor.date_time_read(when, &dst), ResultCode::BadChecksum);
        QCOMPARE(when, before);
        QCOMPARE(int(dst), 5);
    }

    void firmwareVersions_data() {
        QTest::addColumn<QList<QByteArray>>("versions"); // by index
        QTest::addColumn<QByteArray>("cache");           // capability cache before the call
        QTest::addColumn<QByteArray>("capability");      // what the display would send
        QTest::addColumn<int>("result");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QStringList>("events");
        const QStringList all = {"cmd CA0200", "cmd CA0201", "cmd CA0202", "cmd CA0203"};
        QTest::newRow("four versions")
            << QList<QByteArray>{"R1.0", "S2.0", "T3.0", "U4.0"} << QByteArray() << QByteArray()
            << 0 << QStringList{"R1.0", "S2.0", "T3.0", "U4.0"} << all;
        QTest::newRow("stops at the first missing index")
            << QList<QByteArray>{"R1.0", "S2.0"} << QByteArray() << QByteArray() << 0
            << QStringList{"R1.0", "S2.0", "", ""} << QStringList(all.mid(0, 3));
        QTest::newRow("no index 0: the capability string names the firmware")
            << QList<QByteArray>{} << QByteArray() << QByteArray("mpu_ver(Q9.9)vcp(10)") << 0
            << QStringList{"Q9.9", "", "", ""}
            << QStringList{"cmd CA0200", "cmd F30000", "cmd F30014"};
        QTest::newRow("no index 0, capability string without op codes")
            << QList<QByteArray>{} << QByteArray() << QByteArray("mpu_ver(Q9.9)") << -1
            << QStringList{"Q9.9", "", "", ""}
            << QStringList{"cmd CA0200", "cmd F30000", "cmd F3000D"};
        QTest::newRow("no index 0, capability string already read")
            << QList<QByteArray>{} << QByteArray("vcp(10)") << QByteArray("mpu_ver(Q9.9)vcp(10)")
            << -5008 << QStringList{"", "", "", ""} << QStringList{"cmd CA0200"};
    }
    void firmwareVersions() {
        QFETCH(QList<QByteArray>, versions);
        QFETCH(QByteArray, cache);
        QFETCH(QByteArray, capability);
        QFETCH(int, result);
        QFETCH(QStringList, texts);
        QFETCH(QStringList, events);
        MonitorRig rig(kAddress);
        rig.model.firmwareVersions = versions;
        rig.transfers.capability = capability;
        qstrncpy(rig.monitor.m_capability_string, cache.constData(), 64);
        QStringList out = {"x", "x", "x", "x"};
        QCOMPARE(rig.monitor.get_firmware_versions(out[0], out[1], out[2], out[3]), result);
        QCOMPARE(out, texts);
        QCOMPARE(rig.log.take(), events);
    }

    void singleTexts() {
        MonitorRig rig(kAddress);
        rig.model.firmwareVersions = {"R1.0", "S2.0", "T3.0"};
        rig.model.addCommand('A', "C220", [](const QByteArray& body) {
            return "C320" + body.mid(4, 2) + "0011223344AB";
        });
        rig.model.addCommand('A', "C22A02", [](const QByteArray&) {
            return QByteArray("C32A0200FF01A1B2C3D4E5F6");
        });
        QString text = "x";
        QCOMPARE(rig.monitor.get_firmware_version(2, text), 0);
        QCOMPARE(text, QStringLiteral("T3.0"));
        QCOMPARE(rig.monitor.get_firmware_version(3, text), ResultCode::ReplyError);
        QVERIFY(text.isEmpty());
        QCOMPARE(rig.monitor.lan_mac_address_read(5, text), 0);
        QCOMPARE(text, QStringLiteral("00-11-22-33-44-AB"));
        QVERIFY(rig.bodies().contains("C22005"));
        QCOMPARE(rig.monitor.lan_mac_address_read_ipv4_ipv6(0, 0, text), 0);
        QCOMPARE(text, QStringLiteral("A1-B2-C3-D4-E5-F6"));
        rig.model.addCommand('A', "C220", [](const QByteArray&) { return QByteArray("C3"); });
        QCOMPARE(rig.monitor.lan_mac_address_read(5, text), ResultCode::ReplyTooShort);
        QVERIFY(text.isEmpty());
    }

    void irCodes_data() {
        QTest::addColumn<QList<unsigned char>>("codes");
        QTest::addColumn<int>("failAt"); // request that gets a broken reply; -1 none
        QTest::addColumn<QStringList>("events");
        QTest::addColumn<int>("result");
        QTest::newRow("pauses only")
            << QList<unsigned char>{0, 0} << -1 << QStringList{"pause 1000", "pause 1000"} << 0;
        QTest::newRow("codes and a pause")
            << QList<unsigned char>{5, 0, 0xA7} << -1
            << QStringList{"cmd C2100005", "pause 200", "pause 1000", "cmd C21000A7", "pause 200"}
            << 0;
        QTest::newRow("a failed code ends it after its pause")
            << QList<unsigned char>{5, 6, 7} << 1
            << QStringList{"cmd C2100005", "pause 200", "cmd C2100006", "pause 200"} << -5004;
        QTest::newRow("none") << QList<unsigned char>{} << -1 << QStringList{} << 0;
    }
    void irCodes() {
        QFETCH(QList<unsigned char>, codes);
        QFETCH(int, failAt);
        QFETCH(QStringList, events);
        QFETCH(int, result);
        MonitorRig rig(kAddress);
        rig.breakReplies([&](const QByteArray&, int index) { return index == failAt; });
        QCOMPARE(rig.monitor.send_ir_remote_codes(codes), result);
        QCOMPARE(rig.log.take(), events);
        for (const QByteArray& body : rig.bodies())
            QVERIFY2(body.size() == 10 && body.endsWith("03"), body.constData()); // repeat 3
    }
};

QTEST_GUILESS_MAIN(MonitorCompositeTest)
#include "tst_monitor_composite.moc"
