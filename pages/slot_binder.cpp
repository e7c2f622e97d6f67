#include "slot_binder.h"

#include <QMetaMethod>
#include <QObject>
#include <QtDebug>

namespace {
// The first signal of object called signal_name that the slot can take, or an invalid method.
QMetaMethod compatibleSignal(const QObject* object, const QByteArray& signal_name,
                             const QMetaMethod& slot) {
    const QMetaObject* meta = object->metaObject();
    for (int i = 0; i < meta->methodCount(); ++i) {
        const QMetaMethod method = meta->method(i);
        if (method.methodType() == QMetaMethod::Signal && method.name() == signal_name &&
            QMetaObject::checkConnectArgs(method.methodSignature(), slot.methodSignature()))
            return method;
    }
    return QMetaMethod();
}
} // namespace

QStringList bind_slots_by_name(QObject* receiver, QObject* root) {
    QList<QObject*> objects = root->findChildren<QObject*>();
    objects.prepend(root);
    const QMetaObject* meta = receiver->metaObject();
    QStringList unbound;
    for (int i = QObject::staticMetaObject.methodCount(); i < meta->methodCount(); ++i) {
        const QMetaMethod slot = meta->method(i);
        if (slot.methodType() != QMetaMethod::Slot || !slot.name().startsWith("on_"))
            continue;
        bool bound = false;
        for (QObject* object : objects) {
            const QByteArray prefix = "on_" + object->objectName().toLatin1() + '_';
            if (object->objectName().isEmpty() || !slot.name().startsWith(prefix))
                continue;
            const QMetaMethod signal =
                compatibleSignal(object, slot.name().mid(prefix.size()), slot);
            if (!signal.isValid())
                continue;
            QObject::connect(object, signal, receiver, slot);
            bound = true;
            break;
        }
        if (!bound) {
            const QString name = QLatin1String(meta->className()) + QLatin1String("::") +
                                 QLatin1String(slot.methodSignature());
            qWarning("No object or signal for the slot %s", qPrintable(name));
            unbound << name;
        }
    }
    return unbound;
}
