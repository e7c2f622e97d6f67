#pragma once

#include "networkinterfacecard.h"

#include <QDialog>
#include <QHostAddress>
#include <QList>
#include <QTimer>

#include <memory>

namespace Ui {
class CProjectorBrowseDlg;
}
class PJSearchUdp;
class QProgressDialog;

// Finds displays on the local network: the user picks a network adapter, presses Enumerate, and
// the dialog lists every display that answered the LAN search with its address and name.
class CProjectorBrowseDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int ModeProjectors = 1;
    static constexpr int ModeDisplays = 2;

    // Offers the computer's adapters; mode 1 words everything for projectors.
    CProjectorBrowseDlg(QWidget* parent, int mode);
    // Offers the given adapters and binds the search to bindAddress: for tests on loopback.
    CProjectorBrowseDlg(QWidget* parent, int mode, const QList<NetworkAdapter>& adapters,
                        const QHostAddress& bindAddress);
    ~CProjectorBrowseDlg() override;

    // The address of the selected display, or "" when none is selected.
    QString selectedIp();

public slots:
    void on_networkPJEnumBtn_clicked();
    void OnPJSearchTimerTimeout();
    void tableSelectionChanged();
    void on_ok_pushButton_clicked();
    void tableItemClicked(int row, int column);

private:
    void showProgress();
    void listResults();

    std::unique_ptr<Ui::CProjectorBrowseDlg> ui;
    QList<NetworkAdapter> adapters;
    QHostAddress bind_address;
    PJSearchUdp* search = nullptr;
    QTimer timer;
    QProgressDialog* progress = nullptr;
    int mode;
    // Ticks of the running search; a search still running after this many is stopped.
    int search_ticks = 0;
};
