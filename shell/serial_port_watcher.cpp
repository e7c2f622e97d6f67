#include "serial_port_watcher.h"

#include "serial_port_list.h"

namespace {
constexpr int pollIntervalMs = 1000;

QList<SerialPortInfo> systemPorts() {
    QList<SerialPortInfo> list;
    listSerialPorts(list);
    return list;
}
} // namespace

SerialPortWatcher::SerialPortWatcher(QObject* parent) : QObject(parent), source(systemPorts) {
    timer.setInterval(pollIntervalMs);
    connect(&timer, &QTimer::timeout, this, &SerialPortWatcher::poll);
}

void SerialPortWatcher::setSource(Source s) {
    source = std::move(s);
}

void SerialPortWatcher::setEnabled(bool enabled) {
    if (!enabled) {
        timer.stop();
        return;
    }
    timer.start();
    // The first look comes from the event loop, not from the constructor of the window that
    // shows the ports: the system's list takes longer to read than the window to build.
    QTimer::singleShot(0, this, [this] {
        if (timer.isActive())
            poll();
    });
}

void SerialPortWatcher::poll() {
    const QList<SerialPortInfo> now = source();
    const QList<SerialPortInfo> before = known;
    known = now;
    for (const SerialPortInfo& p : before)
        if (!now.contains(p))
            emit deviceRemoved(p);
    for (const SerialPortInfo& p : now)
        if (!before.contains(p))
            emit deviceDiscovered(p);
}
