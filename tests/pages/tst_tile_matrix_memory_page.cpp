#include "display_families.h"
#include "window_rig.h"

#include <QtTest>

// Loopback addresses 127.0.15.60 to 127.0.15.64 belong to this test.
class TileMatrixMemoryPageTest : public QObject {
    Q_OBJECT

    WindowTestEnvironment env;

private slots:
    void initTestCase() { QVERIFY(env.isValid()); }
    void init() { env.reset(); }

    // Read, write and recall against a display's profile memories: what was sent, what the
    // widgets and the status line show; none of them marks the settings changed.
    void profiles() {
        WindowRig rig("127.0.15.60");
        auto& [fake, model, w] = rig;
        DisplayFamilies families(model);
        families.tileMatrixProfiles.insert(0, "02020302"); // 2 x 2, position 3, tile comp on
        QSignalSpy dirty(&w, &ZETQVToolMainWindow::settings_dirty);
        w.ui.tile_matrix_memory_read_pushButton->click();
        QCOMPARE(rig.seen(), QStringList{"ACA170100"});
        QCOMPARE(w.ui.tile_matrix_memory_columns_spinBox->value(), 2);
        QCOMPARE(w.ui.tile_matrix_memory_rows_spinBox->value(), 2);
        QCOMPARE(w.ui.tile_matrix_memory_position_spinBox->value(), 3);
        QVERIFY(w.ui.tile_matrix_memory_usetilecomp_checkBox->isChecked());
        QCOMPARE(w.ui.tile_matrix_memory_status_lineEdit->text(), QStringLiteral("0 (OK)"));
        w.ui.stackedWidget->setCurrentIndex(26);
        rig.saveShot(QStringLiteral("tile_matrix_memory"));

        // Written unticked, tile compensation goes out as 1.
        w.ui.tile_matrix_memory_memorynum_comboBox->setCurrentIndex(4);
        w.ui.tile_matrix_memory_columns_spinBox->setValue(4);
        w.ui.tile_matrix_memory_usetilecomp_checkBox->setChecked(false);
        int from = fake.requests().size();
        w.ui.tile_matrix_memory_save_pushButton->click();
        QCOMPARE(rig.seen(from), QStringList{"ACA170004040203"
                                             "01"});
        QCOMPARE(families.tileMatrixProfiles.value(4), QByteArray("04020301"));
        QCOMPARE(w.ui.tile_matrix_memory_status_lineEdit->text(), QStringLiteral("0 (OK)"));

        from = fake.requests().size();
        w.ui.tile_matrix_memory_recall_pushButton->click();
        QCOMPARE(rig.seen(from), QStringList{"ACA170204"});
        QCOMPARE(dirty.size(), 0);
    }

    // A command the display refuses shows its status byte as an error on the status line and
    // the status bar; a refused read leaves the widgets.
    void refused_data() {
        QTest::addColumn<QString>("command");
        QTest::newRow("read") << "read";
        QTest::newRow("write") << "write";
        QTest::newRow("recall") << "recall";
    }
    void refused() {
        QFETCH(QString, command);
        WindowRig rig("127.0.15.61");
        auto& [fake, model, w] = rig;
        DisplayFamilies families(model);
        model.addCommand('A', "CA170103", [](const QByteArray&) {
            return QByteArray("CB17010103"
                              "09090909");
        });
        model.addCommand('A', "CA1700", [](const QByteArray&) { return QByteArray("CB170001"); });
        // Profile 3 holds nothing to recall.
        w.ui.tile_matrix_memory_columns_spinBox->setValue(5);
        w.ui.tile_matrix_memory_memorynum_comboBox->setCurrentIndex(3);
        const QMap<QString, QPushButton*> buttons = {
            {"read", w.ui.tile_matrix_memory_read_pushButton},
            {"write", w.ui.tile_matrix_memory_save_pushButton},
            {"recall", w.ui.tile_matrix_memory_recall_pushButton}};
        buttons[command]->click();
        QCOMPARE(w.ui.tile_matrix_memory_status_lineEdit->text(), QStringLiteral("1 (Error)"));
        QCOMPARE(w.ui.tile_matrix_memory_columns_spinBox->value(), 5);
        QVERIFY(w.ui.statusBar->currentMessage().endsWith("(-5008)"));
        if (command == "write") {
            w.ui.stackedWidget->setCurrentIndex(26);
            rig.saveShot(QStringLiteral("tile_matrix_memory_refused"));
        }
    }

    // A profile that Save could not store, the link not opening or the display not answering,
    // empties the status line and keeps the fields as entered over those read; the next Save,
    // the display answering again, sends them.
    void failedSaveKeepsTheFields_data() {
        QTest::addColumn<bool>("linkDown"); // otherwise the display is silent
        QTest::addColumn<QString>("bar");   // the status bar's, as statusMismatch takes it
        QTest::addColumn<int>("boxes");
        QTest::newRow("link down") << true << "(-3005)" << 1;
        QTest::newRow("no reply") << false << "(-3003)" << 0;
    }
    void failedSaveKeepsTheFields() {
        QFETCH(bool, linkDown);
        QFETCH(QString, bar);
        QFETCH(int, boxes);
        WindowRig rig("127.0.15.63");
        auto& [fake, model, w] = rig;
        DisplayFamilies families(model);
        families.tileMatrixProfiles.insert(0, "02020302");
        w.ui.tile_matrix_memory_read_pushButton->click();
        QCOMPARE(w.ui.tile_matrix_memory_columns_spinBox->value(), 2);
        w.ui.tile_matrix_memory_columns_spinBox->setValue(4);
        w.ui.tile_matrix_memory_rows_spinBox->setValue(3);
        w.ui.tile_matrix_memory_position_spinBox->setValue(5);
        w.ui.tile_matrix_memory_usetilecomp_checkBox->setChecked(false);
        if (linkDown)
            w.ui.communications_interface_widget->set_interface_info(lanInterface("127.0.15.64"));
        else
            fake.setHandler([](const QByteArray&) { return FakeReply::silence(); });
        w.ui.tile_matrix_memory_save_pushButton->click();
        QCOMPARE(w.ui.tile_matrix_memory_status_lineEdit->text(), QString());
        QCOMPARE(statusMismatch(w.ui.statusBar->currentMessage(), bar), QString());
        QCOMPARE(env.boxTexts.size(), boxes);
        QCOMPARE(w.ui.tile_matrix_memory_columns_spinBox->value(), 4);
        QCOMPARE(w.ui.tile_matrix_memory_rows_spinBox->value(), 3);
        QCOMPARE(w.ui.tile_matrix_memory_position_spinBox->value(), 5);
        QVERIFY(!w.ui.tile_matrix_memory_usetilecomp_checkBox->isChecked());

        fake.setHandler(model.handler());
        w.ui.communications_interface_widget->set_interface_info(lanInterface(fake.address()));
        const int from = fake.requests().size();
        w.ui.tile_matrix_memory_save_pushButton->click();
        QCOMPARE(rig.seen(from), QStringList{"ACA17000004030501"});
        QCOMPARE(families.tileMatrixProfiles.value(0), QByteArray("04030501"));
        QCOMPARE(w.ui.tile_matrix_memory_status_lineEdit->text(), QStringLiteral("0 (OK)"));
    }

    // A broken reply leaves the status line empty and goes to the status bar.
    void brokenReply() {
        WindowRig rig("127.0.15.62");
        auto& [fake, model, w] = rig;
        DisplayFamilies families(model);
        model.addCommand('A', "CA1702", [](const QByteArray&) { return QByteArray("CB17"); });
        w.ui.tile_matrix_memory_status_lineEdit->setText(QStringLiteral("old"));
        w.ui.tile_matrix_memory_recall_pushButton->click();
        QCOMPARE(w.ui.tile_matrix_memory_status_lineEdit->text(), QString());
        QVERIFY(!w.ui.statusBar->currentMessage().isEmpty());
        QVERIFY(!w.ui.statusBar->currentMessage().endsWith("(-5008)"));
    }
};

QTEST_MAIN(TileMatrixMemoryPageTest)
#include "tst_tile_matrix_memory_page.moc"
