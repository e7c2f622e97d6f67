#include "script_description_model.h"

#include "script_description.h"

#include <QColor>

#include <algorithm>

ScriptDescriptionModel::ScriptDescriptionModel(const ScriptDefinitions& d, QObject* parent)
    : QAbstractListModel(parent), definitions(d) {}

void ScriptDescriptionModel::show(const ScriptCommandList& list) {
    beginResetModel();
    commands = list;
    commandOfRow.clear();
    for (int i = 0; i < commands.size(); ++i)
        if (hasScriptLine(commands[i].type))
            commandOfRow << i;
    rowStatus.fill(ScriptCommand::NotRun, commandOfRow.size());
    endResetModel();
}

void ScriptDescriptionModel::clear() {
    show({});
}

void ScriptDescriptionModel::setStatus(int index, int status) {
    const auto row = std::lower_bound(commandOfRow.cbegin(), commandOfRow.cend(), index);
    if (row == commandOfRow.cend() || *row != index)
        return;
    const int r = int(row - commandOfRow.cbegin());
    rowStatus[r] = qint8(status);
    emit dataChanged(this->index(r), this->index(r), {Qt::ForegroundRole});
}

int ScriptDescriptionModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : commandOfRow.size();
}

QVariant ScriptDescriptionModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= commandOfRow.size())
        return QVariant();
    const int row = index.row();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return numberedScriptLine(
            row + 1, describeScriptCommandText(commands.at(commandOfRow.at(row)), definitions));
    case Qt::ForegroundRole: {
        const int status = rowStatus.at(row);
        return QColor(status < 0 ? Qt::red : status > 0 ? Qt::darkGreen : Qt::black);
    }
    default:
        return QVariant();
    }
}
