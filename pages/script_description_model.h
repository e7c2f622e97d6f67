#pragma once

#include "script_command.h"

#include <QAbstractListModel>
#include <QVector>

class ScriptDefinitions;

// The rows of the scripting page's description: one numbered line per command that has one,
// coloured by its status (black not run, green succeeded, red failed). A row is described only
// when it is drawn, so a script of any length costs its list of rows, and marking a command
// during a run touches its row alone.
class ScriptDescriptionModel : public QAbstractListModel {
    Q_OBJECT

public:
    ScriptDescriptionModel(const ScriptDefinitions& definitions, QObject* parent = nullptr);

    // Shows the commands, none of them run.
    void show(const ScriptCommandList& commands);
    void clear();
    // Marks command `index` of the list shown; a command without a line changes nothing.
    void setStatus(int index, int status);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    // The numbered line as text (also its tool tip, for a line wider than the pane), and its
    // colour.
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    const ScriptDefinitions& definitions;
    ScriptCommandList commands;
    QVector<int> commandOfRow;
    QVector<qint8> rowStatus;
};
