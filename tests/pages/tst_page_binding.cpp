#include "page_controller.h"
#include "slot_binder.h"
#include "window_rig.h"

#include <QPushButton>
#include <QtTest>

// Slots whose names point at a missing object, a missing signal, and one of each that binds.
class NamedSlots : public QObject {
    Q_OBJECT
public:
    int clicks = 0;
    int toggles = 0;
public slots:
    void on_go_pushButton_clicked() { ++clicks; }
    void on_go_pushButton_toggled(bool) { ++toggles; }
    void on_gone_pushButton_clicked() {}
    void on_go_pushButton_valueChanged(int) {}
    void on_go_pushButton_clicked(const QString&) {} // no signal carries a text
    void helper() {}                                 // not named for binding
};

// Every on_ slot of every page controller finds its object and signal in the form.
class PageBindingTest : public QObject {
    Q_OBJECT

    WindowTestEnvironment env;

private slots:
    void initTestCase() { QVERIFY(env.isValid()); }

    void everyControllerSlotIsBound() {
        ZETQVToolMainWindow w;
        QVERIFY(!w.pages().controllers().isEmpty());
        QCOMPARE(w.pages().unbound_slots(), QStringList());
        // Each page of the stack has one controller at most.
        for (int i = 0; i < w.ui.stackedWidget->count(); ++i) {
            int owners = 0;
            for (const PageController* c : w.pages().controllers())
                owners += c->pages().contains(w.ui.stackedWidget->widget(i));
            QVERIFY2(owners <= 1, qPrintable(w.ui.stackedWidget->widget(i)->objectName()));
        }
    }

    void binderReportsWhatItCannotBind() {
        QWidget form;
        // A shorter name that the slot names also start with does not catch them.
        (new QPushButton(&form))->setObjectName(QStringLiteral("go"));
        auto* go = new QPushButton(&form);
        go->setObjectName(QStringLiteral("go_pushButton"));
        go->setCheckable(true);
        NamedSlots receiver;
        const QStringList unbound = bind_slots_by_name(&receiver, &form);
        QCOMPARE(unbound, (QStringList{"NamedSlots::on_gone_pushButton_clicked()",
                                       "NamedSlots::on_go_pushButton_valueChanged(int)",
                                       "NamedSlots::on_go_pushButton_clicked(QString)"}));
        go->click();
        QCOMPARE(receiver.clicks, 1); // bound once, to one overload of clicked
        QCOMPARE(receiver.toggles, 1);
    }
};

QTEST_MAIN(PageBindingTest)
#include "tst_page_binding.moc"
