#include "legacy_models.h"

#include <QFile>
#include <QTextStream>

QStringList LegacyModels::load(const QString& path) {
    QStringList names;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return names;
    QTextStream in(&file);
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (!line.isEmpty() && !line.startsWith(QLatin1Char('#')))
            names << line;
    }
    return names;
}

const QStringList& LegacyModels::builtIn() {
    static const QStringList names = load(QString::fromLatin1(ResourcePath));
    return names;
}

bool LegacyModels::contains(const QStringList& names, const QString& model) {
    return !model.isEmpty() && names.contains(model, Qt::CaseInsensitive);
}
