#include "page_controller.h"
#include "slot_binder.h"
#include "window_rig.h"

#include <QPushButton>
#include <QtTest>

// Loopback address 127.0.40.1 belongs to this test.

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

    // A form field is sent by its button only: changing it, as a user does, sends nothing, also
    // after the write-behind wait. A control that writes as it changes, declared a form field,
    // would keep a value the display refused.
    void changingAFormFieldSendsNothing() {
        WindowRig rig("127.0.40.1");
        auto& [fake, model, w] = rig;
        int changed = 0;
        for (PageController* c : w.pages().controllers())
            for (QWidget* field : c->form_fields()) {
                // A field is a value the user composes: a button among them would send it.
                const auto* button = qobject_cast<QAbstractButton*>(field);
                QVERIFY2(!button || button->isCheckable(), qPrintable(field->objectName()));
                QList<QWidget*> values = ControlState::value_widgets(field);
                if (!values.contains(field))
                    values << field; // a line edit read-only until read
                for (QWidget* v : values) {
                    QVERIFY2(ControlState::is_form_field(v), qPrintable(v->objectName()));
                    ++changed;
                    if (auto* spin = qobject_cast<QAbstractSpinBox*>(v)) {
                        const QString before = spin->text();
                        spin->stepUp();
                        if (spin->text() == before)
                            spin->stepDown();
                    } else if (auto* combo = qobject_cast<QComboBox*>(v)) {
                        combo->setCurrentIndex((combo->currentIndex() + 1) % combo->count());
                    } else if (auto* button = qobject_cast<QAbstractButton*>(v)) {
                        if (button->isEnabled())
                            button->click();
                        else
                            button->toggle();
                    } else if (auto* group = qobject_cast<QGroupBox*>(v)) {
                        group->setChecked(!group->isChecked());
                    } else if (auto* edit = qobject_cast<QLineEdit*>(v)) {
                        edit->setText(edit->text() + QStringLiteral("1"));
                    } else {
                        --changed;
                    }
                }
            }
        QVERIFY(changed > 50);
        QTest::qWait(1600); // past the write-behind wait
        QCOMPARE(rig.seen(), QStringList());
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
