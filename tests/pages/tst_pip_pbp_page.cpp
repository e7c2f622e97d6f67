#include "display_families.h"
#include "pip_pbp_page.h"
#include "result_codes.h"
#include "window_rig.h"

#include <QtTest>

namespace {
// A stored profile as the display keeps it: 33 bytes as hexadecimal text.
QByteArray profileText(const QList<int>& bytes) {
    QByteArray text;
    for (int b : bytes)
        text += DisplayModel::hex2(unsigned(b));
    return text.leftJustified(66, '0');
}

struct PipRig : WindowRig {
    DisplayFamilies families{model};
    using WindowRig::WindowRig;
    QComboBox* combo(const char* name) {
        return w.findChild<QComboBox*>(QStringLiteral("pip_pbp_memory_%1_comboBox").arg(name));
    }
    QSpinBox* spin(const char* name) {
        return w.findChild<QSpinBox*>(QStringLiteral("pip_pbp_memory_%1_spinBox").arg(name));
    }
    QString status() const { return w.ui.pip_pbp_memory_status_lineEdit->text(); }
    // Makes the next Save fail: "link" points the window at an address where nothing listens,
    // "silent" leaves the display without a reply, "refused" has it answer a store with status
    // 1. answer() undoes it.
    void fail(const QString& fault) {
        if (fault == QLatin1String("link"))
            w.ui.communications_interface_widget->set_interface_info(lanInterface("127.0.17.49"));
        else if (fault == QLatin1String("silent"))
            fake.setHandler([](const QByteArray&) { return FakeReply::silence(); });
        else
            fake.setHandler([this](const QByteArray& request) {
                if (!FakeDisplay::bodyOf(request).startsWith("CA2000"))
                    return model.answer(request);
                FakeReply refusal;
                refusal.bytes = FakeDisplay::frame('B', "CB200001");
                return refusal;
            });
    }
    void answer() {
        fake.setHandler(model.handler());
        w.ui.communications_interface_widget->set_interface_info(lanInterface(fake.address()));
    }
};
} // namespace

// Loopback addresses 127.0.17.40 to 127.0.17.49 and 127.0.27.50 to 127.0.27.59 belong to this
// test.
class PipPbpPageTest : public QObject {
    Q_OBJECT

    WindowTestEnvironment env;

private slots:
    void initTestCase() { QVERIFY(env.isValid()); }
    void init() { env.reset(); }

    // Read fills every field by value: a value that no item has leaves its list without a
    // current item; input 0 is "None (0)".
    void readFillsThePage() {
        PipRig rig("127.0.17.40");
        rig.families.pipProfiles[2] =
            profileText({3, 17, 18, 0, 1, 10, 20, 30, 80, 1, 2, 6, 0, 5, 6, 7, 100, 9, 10, 11, 12});
        rig.showPage(27, QStringLiteral("PIP/PBP Memory"));
        rig.combo("memorynum")->setCurrentIndex(2);
        rig.w.ui.pip_pbp_memory_read_pushButton->click();
        QCOMPARE(rig.bodies(), QList<QByteArray>{"CA200102"});
        QCOMPARE(rig.status(), QStringLiteral("0 (OK)"));
        QCOMPARE(rig.combo("mode")->currentIndex(), -1);
        QCOMPARE(rig.combo("input1")->currentText(), QStringLiteral("HDMI"));
        QCOMPARE(rig.combo("input2")->currentText(), QStringLiteral("HDMI2"));
        QCOMPARE(rig.combo("input3")->currentText(), QStringLiteral("None (0)"));
        QCOMPARE(rig.combo("aspect3")->currentText(), QStringLiteral("Expand (6)"));
        QCOMPARE(rig.combo("aspect4")->currentText(), QStringLiteral("None (0)"));
        QCOMPARE(rig.spin("picture_size4")->value(), 80);
        QCOMPARE(rig.spin("hposition4")->value(), 100);
        QCOMPARE(rig.spin("vposition1")->value(), 9);
        rig.saveShot(QStringLiteral("pip_pbp_memory"));
        // A failed read says why on the status bar and leaves no field that looks read, nor a
        // Save that would store the fields that were not.
        rig.model.failNext(1);
        rig.w.ui.pip_pbp_memory_read_pushButton->click();
        QCOMPARE(unreadShownAsCurrent(rig.w.ui.pip_pop_memory, {rig.combo("memorynum")}),
                 QString());
        QVERIFY(!rig.w.ui.pip_pbp_memory_save_pushButton->isEnabled());
        QCOMPARE(rig.status(), QString());
        QVERIFY(rig.w.ui.statusBar->currentMessage().contains(
            QString::number(ResultCode::BadChecksum)));
        rig.saveShot(QStringLiteral("unread_pip_pbp_memory"));
        // So does a profile the display answers with an error.
        rig.model.addCommand('A', "CA2001", [](const QByteArray& body) {
            return "CB200101" + body.mid(6, 2) + QByteArray(66, '0');
        });
        rig.w.ui.pip_pbp_memory_read_pushButton->click();
        QCOMPARE(rig.status(), QStringLiteral("1 (Error)"));
        QVERIFY(!rig.w.ui.pip_pbp_memory_save_pushButton->isEnabled());
        QCOMPARE(rig.spin("picture_size4")->isEnabled(), false);
    }

    // A profile that is not stored, whether the link does not open, the display does not
    // answer or it refuses (status 1), says so, and the fields keep what the user entered over
    // the profile read: the next Save, the display answering again, sends them.
    void failedSaveKeepsTheFields_data() {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("line"); // the page's status line after the failure
        QTest::addColumn<QString>("bar");  // the status bar's, as statusMismatch takes it
        QTest::addColumn<int>("boxes");
        QTest::newRow("refused") << "refused"
                                 << "1 (Error)"
                                 << "" << 0;
        QTest::newRow("link down") << "link"
                                   << ""
                                   << "(-3005)" << 1;
        QTest::newRow("no reply") << "silent"
                                  << ""
                                  << "(-3003)" << 0;
    }
    void failedSaveKeepsTheFields() {
        QFETCH(QString, fault);
        QFETCH(QString, line);
        QFETCH(QString, bar);
        QFETCH(int, boxes);
        PipRig rig("127.0.27.50");
        rig.families.pipProfiles[1] = profileText({2, 17, 18, 0, 1, 10, 20, 30, 40});
        rig.combo("memorynum")->setCurrentIndex(1);
        rig.w.ui.pip_pbp_memory_read_pushButton->click();
        QCOMPARE(rig.spin("picture_size2")->value(), 20);
        rig.fail(fault);
        rig.spin("picture_size2")->setValue(70);
        rig.combo("mode")->setCurrentText(QStringLiteral("PBP (5)"));
        rig.w.ui.pip_pbp_memory_save_pushButton->click();
        QCOMPARE(rig.status(), line);
        QCOMPARE(statusMismatch(rig.w.ui.statusBar->currentMessage(), bar), QString());
        QCOMPARE(env.boxTexts.size(), boxes);
        QCOMPARE(rig.spin("picture_size2")->value(), 70);
        QCOMPARE(rig.combo("mode")->currentText(), QStringLiteral("PBP (5)"));
        QVERIFY(rig.w.ui.pip_pbp_memory_save_pushButton->isEnabled());

        rig.answer();
        rig.w.ui.pip_pbp_memory_save_pushButton->click();
        const QByteArray entered = profileText({5, 17, 18, 0, 1, 10, 70, 30, 40});
        QCOMPARE(rig.bodies().last(), "CA200001" + entered);
        QCOMPARE(rig.families.pipProfiles.value(1), entered);
        QCOMPARE(rig.status(), QStringLiteral("0 (OK)"));
    }

    // Save sends the page's fields by their item data and values, the reserved bytes 0.
    void saveSendsThePage() {
        PipRig rig("127.0.17.41");
        rig.combo("memorynum")->setCurrentIndex(4);
        rig.combo("mode")->setCurrentText(QStringLiteral("PBP (5)"));
        rig.combo("input1")->setCurrentText(QStringLiteral("HDMI2"));
        rig.combo("input2")->setCurrentIndex(-1); // no current item: 0
        rig.combo("input3")->setCurrentText(QStringLiteral("None (0)"));
        rig.combo("input4")->setCurrentText(QStringLiteral("VGA (D-SUB)"));
        rig.combo("aspect2")->setCurrentText(QStringLiteral("Full (2)"));
        rig.spin("picture_size1")->setValue(80);
        rig.spin("hposition3")->setValue(100);
        rig.spin("vposition4")->setValue(100);
        rig.w.ui.pip_pbp_memory_save_pushButton->click();
        QCOMPARE(rig.status(), QStringLiteral("0 (OK)"));
        QCOMPARE(
            rig.families.pipProfiles.value(4),
            profileText({5, 18, 0, 0, 1, 0x50, 0, 0, 0, 0, 2, 0, 0, 0, 0, 0x64, 0, 0, 0, 0, 0x64}));
        QCOMPARE(rig.bodies().first().left(8), QByteArray("CA200004"));
    }

    // Recall sends the profile number alone and changes no field.
    void recallSendsTheNumber() {
        PipRig rig("127.0.17.42");
        rig.spin("picture_size2")->setValue(33);
        rig.combo("memorynum")->setCurrentIndex(4);
        rig.w.ui.pip_pbp_memory_recall_pushButton->click();
        QCOMPARE(rig.bodies(), QList<QByteArray>{"CA200204"});
        QCOMPARE(rig.status(), QStringLiteral("0 (OK)"));
        QCOMPARE(rig.spin("picture_size2")->value(), 33);
    }
};

QTEST_MAIN(PipPbpPageTest)
#include "tst_pip_pbp_page.moc"
