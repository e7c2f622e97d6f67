#pragma once

#include <QSettings>
#include <QVariant>

// One key of the stored settings with the value it has when nothing is stored, so that the
// read and the write of a key name it once.
struct StoredSetting {
    const char* key;
    QVariant fallback;

    QVariant read(const QSettings& settings) const {
        return settings.value(QLatin1String(key), fallback);
    }
    void write(QSettings& settings, const QVariant& value) const {
        settings.setValue(QLatin1String(key), value);
    }
};
