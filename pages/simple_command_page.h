#pragma once

#include "page_controller.h"

// The simple command page: a plain-text command with CR sent outside the framed protocol, and
// the reply read up to the next CR. A preset list offers ready-made commands.
class SimpleCommandPage : public PageController {
    Q_OBJECT

public:
    explicit SimpleCommandPage(const PageContext& context, QObject* parent = nullptr);

    QList<QWidget*> pages() const override;

    // The preset's command into the text field; the empty preset empties it.
    void onsimple_command_comboBoxChanged(int item);
    // A text the user edits no longer matches a preset: back to the empty one.
    void onsimple_command_send_lineEditEdited();

public slots:
    void on_simple_command_send_pushButton_clicked();
};
