#pragma once

#include "serial_port.h"

#include <QList>
#include <QObject>
#include <QTimer>

#include <functional>

// Qt's serial port module has no hot-plug notice: poll the system's port list and report the
// ports that appeared or vanished since the previous look.
class SerialPortWatcher : public QObject {
    Q_OBJECT
public:
    using Source = std::function<QList<SerialPortInfo>()>;

    explicit SerialPortWatcher(QObject* parent = nullptr);

    // Replaces where the port list comes from (the system's by default); the next poll()
    // reports the difference to the ports seen so far.
    void setSource(Source source);
    // Starts the periodic poll, with a first one as soon as the event loop runs, or stops it.
    void setEnabled(bool enabled);
    bool isEnabled() const { return timer.isActive(); }
    // The ports seen at the last poll; none before the first.
    const QList<SerialPortInfo>& ports() const { return known; }

public slots:
    void poll();

signals:
    void deviceDiscovered(const SerialPortInfo& info);
    void deviceRemoved(const SerialPortInfo& info);

private:
    Source source;
    QList<SerialPortInfo> known;
    QTimer timer;
};
