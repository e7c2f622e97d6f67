// One whole status read-out against the fake display over TCP loopback with the retry option
// off (one try each; the retry layer still pauses 50 ms after each success, as in the
// program), in the program's window with its log. The plain reference is the same reads made
// directly on the monitor object in the same frame, without the page; the difference is the
// page's own work: clearing, formatting, the progress dialog and the event processing after
// each logged message. A second pair of runs leaves the pauses out, to show that work against
// the bare loopback exchanges. The serial-port list's poll once a second is switched off: it
// runs in any event processing, is no part of the page, and would land in the page's share.

#include "basic_monitor.h"
#include "lm_information_dialog.h"
#include "monitor_rig.h"
#include "program_globals.h"
#include "qvcommprotocol_retry.h"
#include "serial_port_watcher.h"
#include "status_display.h"
#include "zetqvtoolmainwindow.h"

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

namespace {
using Clock = std::chrono::steady_clock;

const QString kAddress = QStringLiteral("127.0.13.200");
constexpr int kStatusPage = 10;
constexpr int kRuns = 20;
constexpr int kWarmUp = 2;

// The reads of the read-out in its order, nothing shown.
void readEverything(basic_monitor& m) {
    double hours = 0;
    m.get_operating_time_on_minutes(&hours);
    m.get_total_operating_time_minutes(&hours);
    QString text;
    m.model_name_read(text);
    m.serial_number_read(text);
    unsigned char byte = 0;
    m.power_status_read(&byte);
    m.lan_mac_address_read_ipv4_ipv6(0, 0, text);
    unsigned char codes[32];
    unsigned int count = 32;
    m.self_diagnosis_status_read(codes, &count);
    for (const auto& [select, value] : {std::pair{0x0278u, 0x0279u}, std::pair{0x027Au, 0x027Bu}}) {
        unsigned int current = 0, max = 0;
        m.get_vcp_value_max(select, &current, &max);
        for (unsigned int n = 1; n <= 3; ++n) {
            unsigned int selected = n;
            m.set_vcp_value(select, &selected);
            m.get_vcp_value(value, &current);
        }
    }
    float horizontal = 0, vertical = 0;
    m.get_timing_report(&byte, &horizontal, &vertical);
    m.read_asset_data(text);
    QString firmware[4];
    m.get_firmware_versions(firmware[0], firmware[1], firmware[2], firmware[3]);
}

// One run's time in milliseconds and its exchanges.
std::pair<double, int> timed(FakeDisplay& fake, const std::function<void()>& run) {
    const int before = fake.requests().size();
    const Clock::time_point start = Clock::now();
    run();
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    return {ms, fake.requests().size() - before};
}

double median(std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

struct Figures {
    double page, plain;
    int exchanges;
};

// The read-out and its reference, each kRuns times by turns, through the given monitor.
Figures compare(FakeDisplay& fake, basic_monitor* monitor) {
    g_basic_monitor = monitor;
    ZETQVToolMainWindow window;
    g_information_dialog = new LM_Information_Dialog(&window);
    monitor_data lan;
    lan.communicationsInterfaceType = InterfaceType::Lan;
    lan.m_monitor_id = 0x41;
    lan.m_monitor_id_string = QStringLiteral("1");
    lan.s_communicationsInterfacePortName = kAddress;
    window.ui.communications_interface_widget->set_interface_info(lan);
    for (SerialPortWatcher* watcher : window.findChildren<SerialPortWatcher*>())
        watcher->setEnabled(false);
    window.show();
    window.ui.stackedWidget->setCurrentIndex(kStatusPage);
    if (window.ui.status_firmware4_version_label->text() != QLatin1String("D4"))
        return {0, 0, 0};
    const std::function<void()> page = [&window] { window.tabChanged(kStatusPage); };
    const std::function<void()> plain = [&window] {
        if (!window.open_for_command())
            return;
        readEverything(*g_basic_monitor);
        window.close_after_command();
    };
    // By turns, so that a change in the machine's load falls on both alike.
    std::vector<double> pageMs, plainMs;
    int pageExchanges = 0, plainExchanges = 0;
    for (int i = 0; i < kWarmUp + kRuns; ++i) {
        const auto [withPage, exchanges] = timed(fake, page);
        const auto [without, plainCount] = timed(fake, plain);
        if (i < kWarmUp)
            continue;
        pageMs.push_back(withPage);
        plainMs.push_back(without);
        pageExchanges = exchanges;
        plainExchanges = plainCount;
    }
    g_information_dialog = nullptr;
    return {median(pageMs), median(plainMs), pageExchanges == plainExchanges ? pageExchanges : 0};
}

void print(const char* title, const Figures& f) {
    std::printf("%s: %d runs of %d exchanges; median %.1f ms with the page, %.1f ms for the same "
                "reads without it; the page's own work %.1f ms, %.1f%% of the read-out\n",
                title, kRuns, f.exchanges, f.page, f.plain, f.page - f.plain,
                (f.page - f.plain) * 100.0 / f.page);
}
} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    QApplication app(argc, argv);
    DisplayModel model;
    StatusDisplay display(model);
    FakeDisplay fake(FakeDisplay::Link::Tcp, kAddress);
    if (!fake.isListening()) {
        std::fprintf(stderr, "cannot listen on %s:7142\n", qPrintable(kAddress));
        return 1;
    }
    fake.setHandler(model.handler());

    basic_monitor program(&app);
    basic_monitor quiet(&app, quietEngine());
    const Figures retryOff = compare(fake, &program);
    const Figures bare = compare(fake, &quiet);
    if (retryOff.exchanges == 0 || bare.exchanges == 0) {
        std::fprintf(stderr, "a read-out did not complete or its reads differ\n");
        return 1;
    }
    print("retry off", retryOff);
    std::printf("retry off: of the reads without the page, %d ms are the pause of %d ms after "
                "each success; goal: the page's own work under 10%%\n",
                retryOff.exchanges * QVCommProtocol_retry::SuccessPauseMs,
                QVCommProtocol_retry::SuccessPauseMs);
    print("without the pauses", bare);
    return 0;
}
