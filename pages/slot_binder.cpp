#include "slot_binder.h"

#include <QHash>
#include <QMap>
#include <QMetaMethod>
#include <QObject>
#include <QtDebug>

namespace {
constexpr int kPrefixLength = 3; // "on_"

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
    // Each object by its name, with its place in the list: a slot is bound to the first object,
    // in that order, whose name and signal it names. Looking the names up, instead of trying
    // every object for every slot, keeps the start of the program short.
    QMultiHash<QByteArray, int> byName;
    for (int i = 0; i < objects.size(); ++i)
        if (!objects[i]->objectName().isEmpty())
            byName.insert(objects[i]->objectName().toLatin1(), i);
    const QMetaObject* meta = receiver->metaObject();
    QStringList unbound;
    for (int i = QObject::staticMetaObject.methodCount(); i < meta->methodCount(); ++i) {
        const QMetaMethod slot = meta->method(i);
        const QByteArray slotName = slot.name();
        if (slot.methodType() != QMetaMethod::Slot || !slotName.startsWith("on_"))
            continue;
        // An object name may hold underscores itself: every split of the rest of the slot's
        // name into <object>_<signal> is a candidate.
        QMap<int, int> candidates; // place in the list -> length of the object name
        for (int end = slotName.indexOf('_', kPrefixLength); end > 0;
             end = slotName.indexOf('_', end + 1)) {
            const QByteArray name = slotName.mid(kPrefixLength, end - kPrefixLength);
            for (auto it = byName.constFind(name); it != byName.constEnd() && it.key() == name;
                 ++it)
                candidates.insert(it.value(), name.size());
        }
        bool bound = false;
        for (auto it = candidates.constBegin(); it != candidates.constEnd() && !bound; ++it) {
            QObject* object = objects[it.key()];
            const QMetaMethod signal =
                compatibleSignal(object, slotName.mid(kPrefixLength + it.value() + 1), slot);
            if (!signal.isValid())
                continue;
            QObject::connect(object, signal, receiver, slot);
            bound = true;
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
