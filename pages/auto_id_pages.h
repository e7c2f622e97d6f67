#pragma once

#include "page_controller.h"

#include <functional>

class QLineEdit;

// The auto ID page and the auto tile matrix page, for displays chained on a LAN: the chain
// numbers its displays, or sets up a tile matrix, by itself. "Execute + Complete" then waits up
// to a minute for the display's completion message, showing the wait as it goes.
class AutoIdPages : public PageController {
    Q_OBJECT

public:
    explicit AutoIdPages(const PageContext& context, QObject* parent = nullptr);

    QList<QWidget*> pages() const override;
    // Showing the auto tile matrix page reads its H and V.
    void refresh(QWidget* page) override;
    // H and V, and the buttons that send them.
    QList<QWidget*> read_controls(QWidget* page) const override;
    QList<QWidget*> form_fields() const override;
    QList<QLineEdit*> result_lines(QWidget* page) const override;

public slots:
    void on_auto_id_execute_pushButton_clicked();
    void on_auto_id_execute_get_complete_pushButton_clicked();
    void on_auto_id_reset_pushButton_clicked();
    void on_auto_tilematrix_read_pushButton_clicked();
    void on_auto_tilematrix_write_pushButton_clicked();
    void on_auto_tilematrix_reset_pushButton_clicked();
    void on_auto_tilematrix_execute_pushButton_clicked();
    void on_auto_tilematrix_execute_get_complete_pushButton_clicked();

private:
    // The frame of every action: the result line emptied, then the action, whose result is
    // reported. The action fills the line itself and leaves the display's last status in
    // status; the fields it sent (sent) are settled by write_in_frame.
    void run(QLineEdit* line, const QList<QWidget*>& sent,
             const std::function<int(int* status)>& action);
    // One call that answers with a status: on success the line shows it.
    void status_call(QLineEdit* line, const std::function<int(int* status)>& call,
                     const QList<QWidget*>& sent = {});
    // H and V, which Write and Execute send.
    QList<QWidget*> sent_fields() const;
    // The completion wait, shown in a progress dialog while it runs.
    int await_completion(const std::function<int()>& wait);
    int tile_matrix_execute(int* status);
};
