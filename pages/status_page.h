#pragma once

#include "page_controller.h"

class QLabel;
class QProgressDialog;

// The status page: one display's identity and health read in one pass under a progress
// dialog that can be cancelled between reads, and copied to the clipboard as plain text.
class StatusPage : public PageController {
    Q_OBJECT

public:
    // The progress dialog's range; the read-out raises it at most 17 times.
    static constexpr int ProgressMaximum = 18;

    explicit StatusPage(const PageContext& context, QObject* parent = nullptr);

    QList<QWidget*> pages() const override;
    void refresh(QWidget* page) override;
    QList<QWidget*> read_controls(QWidget* page) const override;
    // No asset tag is written without a successful read.
    void show_unread(QWidget* page) override;

    // Reads the whole page on the connection that the page switch opened; returns the first
    // failure.
    int update_status_tab(bool dummy_interface);

public slots:
    void on_copy_status_pushButton_clicked();

private:
    // A row of the page: its caption and the widget that shows its value.
    struct Row {
        QLabel* caption;
        QWidget* value;
    };
    // The rows in the order of the copy text, the MAC address apart.
    QList<Row> rows() const;
    // Every value label, the MAC address's too.
    QList<QLabel*> value_labels() const;
    // Many diagnostic codes at once would not fit the page: their texts scroll instead.
    void scroll_diagnostics();
    // The reads, in order; returns early on a failed hour read or on Cancel.
    void read_status(PageRead& pass);
    void read_mac_address(PageRead& pass);
    void read_diagnostics(PageRead& pass);
    // Sensors or fans: the selector's maximum is their count; each one is selected, then its
    // value read into its label as text() gives it, and the one selected before is selected
    // again. False on Cancel.
    bool read_series(PageRead& pass, uint select_opcode, uint value_opcode,
                     const QList<QLabel*>& labels, QString (*text)(uint value));
    void read_timing(PageRead& pass);
    // Raises the progress by one; false when the user cancelled.
    bool step();

    QProgressDialog* progress = nullptr;
};
