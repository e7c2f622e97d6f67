#pragma once

#include "page_controller.h"

#include <functional>

// The proof-of-play page: starts, stops and clears the display's proof-of-play recording,
// reads its status, its newest entry and a range of entries, and shows them as report text.
class ProofOfPlayPage : public PageController {
    Q_OBJECT

public:
    explicit ProofOfPlayPage(const PageContext& context, QObject* parent = nullptr);

    QList<QWidget*> pages() const override;

public slots:
    void on_proof_of_playV2_start_pushButton_clicked();
    void on_proof_of_playV2_stop_pushButton_clicked();
    void on_proof_of_playV2_clear_pushButton_clicked();
    void on_proof_of_playV2_get_current_pushButton_clicked();
    void on_proof_of_playV2_get_number_to_number_pushButton_clicked();
    void on_proof_of_playV2_get_status_pushButton_clicked();

private:
    // The frame of every action: the status line emptied, and for a read the report too,
    // before the link opens; the action's result is reported.
    void run(bool read, const std::function<int()>& action);
    // Start (1), stop (0) or clear (2); status 2 means already so, in the words given.
    void set_mode(unsigned char mode, const QString& already);
};
