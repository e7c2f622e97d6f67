#include "script_runner.h"

#include "basic_monitor.h"
#include "monitor_address.h"
#include "schedule_options.h"
#include "script_description.h"
#include "script_host.h"

#include <QDateTime>

#include <algorithm>

const char* const ScriptRunner::ProgressLabel = "Script progress...";
const char* const ScriptRunner::AbortText = "Abort";

namespace {
// Commands that talk to the display: without a connection they fail at once.
bool needsConnection(int type) {
    switch (type) {
    case ScriptCommand::SetMonitorId:
    case ScriptCommand::SetOpcodeValue:
    case ScriptCommand::SetOpcodePercent:
    case ScriptCommand::SendIr:
    case ScriptCommand::SetPower:
    case ScriptCommand::Schedule:
    case ScriptCommand::SetDateTime:
    case ScriptCommand::SaveSettings:
    case ScriptCommand::SetAssetTag:
    case ScriptCommand::SetTvChannel:
    case ScriptCommand::SetOperatingMode:
    case ScriptCommand::SetInputName:
    case ScriptCommand::SetSecurity:
    case ScriptCommand::SetInputNameByInput:
        return true;
    default:
        return false;
    }
}

// Commands that make a result of their own; the others are marked by the latest one.
bool makesResult(int type) {
    return type == ScriptCommand::SetPort ||
           (needsConnection(type) && type != ScriptCommand::SetMonitorId);
}

// Opening this interface type puts the unopened dummy link in place of the current one.
constexpr int CloseRequest = 0;

// Percent of the maximum, rounded half up; the product wraps as the display's 32-bit one does.
unsigned int percentOf(unsigned int maximum, int percent) {
    const unsigned int product = maximum * unsigned(percent);
    return static_cast<unsigned int>(double(product) / 100.0 + 0.5);
}
} // namespace

ScriptRunner::ScriptRunner(basic_monitor& m, ScriptHost& h) : monitor(m), host(h) {}

bool ScriptRunner::allSucceeded() const {
    return !list.isEmpty() && !wasAborted &&
           std::all_of(list.cbegin(), list.cend(),
                       [](const ScriptCommand& c) { return c.status == ScriptCommand::Succeeded; });
}

int ScriptRunner::run(ScriptCommandList commands) {
    if (running || commands.isEmpty())
        return EmptyScript;
    running = true;
    list = std::move(commands);
    wasAborted = false;
    connected = false;
    latest = 0;
    ran = 0;
    failed = 0;
    host.beginProgress(list.size());
    for (ScriptCommand& command : list)
        command.status = ScriptCommand::NotRun;
    host.runStarted(list);
    openFirstPort();

    for (int i = 0; i < list.size(); ++i) {
        host.setProgress(i);
        if (host.abortRequested()) {
            wasAborted = true;
            break;
        }
        ScriptCommand& command = list[i];
        ScriptStep step;
        step.index = i;
        step.commands = list.size();
        step.command = &command;
        if (needsConnection(command.type) && !connected) {
            latest = NotPerformed;
            step.sent = false;
        } else {
            perform(command);
            step.ownResult = makesResult(command.type);
            if (connected)
                host.showErrorStatus(latest);
        }
        command.status = latest == 0 ? ScriptCommand::Succeeded : ScriptCommand::Failed;
        if (hasScriptLine(command.type)) {
            step.line = ++ran;
            failed += command.status == ScriptCommand::Failed;
        }
        step.result = latest;
        step.port = port;
        host.commandDone(step);
        host.processEvents();
    }
    // The displays take few sessions: none is held after the run.
    monitor.open_interface(QString(), CloseRequest);
    host.endProgress();
    running = false;
    return latest;
}

// A leading SETPORT opens its port with monitor ID 1 and the retry option; without one, or
// when it fails, the window's own interface is opened. A run that starts without a connection
// counts as failed from its start, so that a WAIT or an empty loop after it is no success.
void ScriptRunner::openFirstPort() {
    const ScriptCommand& first = list.constFirst();
    if (first.type == ScriptCommand::SetPort) {
        monitor.set_retry_count(host.retryOption() ? RetryTries : 0);
        monitor.set_monitor_id(FirstMonitorAddress);
        port = first.text;
        latest = monitor.open_interface(first.text, first.port_kind);
        connected = latest == 0;
    }
    if (!connected) {
        connected = host.openForCommand();
        port = monitor.port_name();
    }
    if (!connected && latest == 0)
        latest = NotPerformed;
}

// Commands without a result of their own leave `latest` as it is, and are marked by it.
void ScriptRunner::perform(const ScriptCommand& c) {
    switch (c.type) {
    case ScriptCommand::SetPort:
        openPort(c);
        break;
    case ScriptCommand::SetMonitorId:
        if (const int address = monitor_id_to_address(c.text))
            monitor.set_monitor_id(address);
        break;
    case ScriptCommand::SetOpcodeValue: {
        unsigned int value = unsigned(c.value);
        latest = monitor.set_vcp_value(unsigned(c.opcode), &value);
        break;
    }
    case ScriptCommand::SetOpcodePercent:
        setPercent(c);
        break;
    case ScriptCommand::Wait:
        wait(c.value);
        break;
    case ScriptCommand::SendIr:
        latest = monitor.send_ir_remote_codes(c.ir_codes);
        break;
    case ScriptCommand::SetPower:
        latest = modeCommand(&basic_monitor::power_control, c.value);
        break;
    case ScriptCommand::Schedule:
        mergeSchedule(c);
        break;
    case ScriptCommand::SetDateTime: {
        QDateTime now = QDateTime::currentDateTime();
        unsigned char daylightSaving = 0;
        latest = monitor.date_time_write(now, &daylightSaving);
        break;
    }
    case ScriptCommand::SaveSettings:
        latest = monitor.save_current_settings();
        break;
    case ScriptCommand::SetAssetTag:
        latest = monitor.write_asset_data(c.text);
        break;
    case ScriptCommand::SetTvChannel: {
        int major = c.tv_major;
        int minor = c.tv_minor;
        latest = monitor.direct_tv_channel_write(&major, &minor);
        break;
    }
    case ScriptCommand::SetOperatingMode:
        latest = modeCommand(&basic_monitor::mode_change_request, c.value);
        break;
    case ScriptCommand::SetInputName:
        setInputName(c, false);
        break;
    case ScriptCommand::SetInputNameByInput:
        setInputName(c, true);
        break;
    case ScriptCommand::SetSecurity:
        setSecurity(c);
        break;
    default:
        break;
    }
}

int ScriptRunner::modeCommand(int (basic_monitor::*command)(unsigned char*), int value) {
    unsigned char mode = static_cast<unsigned char>(value);
    return (monitor.*command)(&mode);
}

// A port that does not open is logged, not shown on the status bar; the commands after it fail
// until a port opens again.
void ScriptRunner::openPort(const ScriptCommand& c) {
    port = c.text;
    latest = monitor.open_interface(c.text, c.port_kind);
    connected = latest == 0;
    if (!connected)
        host.appendLog(QStringLiteral("<font COLOR=red><b>%1</b></font><br>")
                           .arg(richTextEscaped(host.errorText(latest))));
}

void ScriptRunner::wait(int ms) {
    int remaining = ms;
    do {
        monitor.delay(unsigned(std::clamp(remaining, 0, WaitSliceMs)));
        remaining -= WaitSliceMs;
        host.processEvents();
        if (host.abortRequested())
            break;
    } while (remaining > 0);
}

void ScriptRunner::setPercent(const ScriptCommand& c) {
    unsigned int current = 0;
    unsigned int maximum = 0;
    latest = monitor.get_vcp_value_max(unsigned(c.opcode), &current, &maximum);
    if (latest != 0)
        return;
    unsigned int value = percentOf(maximum, c.value);
    latest = monitor.set_vcp_value(unsigned(c.opcode), &value);
}

// Reads the program, changes what the command gave and writes it back; nothing is written when
// the read fails.
void ScriptRunner::mergeSchedule(const ScriptCommand& c) {
    const int program = c.schedule_number - 1;
    schedule_entry entry;
    latest = monitor.read_schedule(program, &entry);
    if (latest != 0)
        return;
    mergeScheduleOptions(c, entry);
    latest = monitor.write_schedule(program, &entry);
}

void ScriptRunner::setInputName(const ScriptCommand& c, bool byInput) {
    int displayResult = 0;
    const QByteArray name = c.text.toLatin1();
    const unsigned char input = static_cast<unsigned char>(c.value);
    if (byInput)
        latest = c.text.isEmpty()
                     ? monitor.terminal_input_name_reset(input, &displayResult)
                     : monitor.terminal_input_name_write(input, name.constData(), &displayResult);
    else
        latest = c.text.isEmpty() ? monitor.input_name_reset(&displayResult)
                                  : monitor.input_name_write(name.constData(), &displayResult);
    if (displayResult != 0)
        latest = NotPerformed;
}

void ScriptRunner::setSecurity(const ScriptCommand& c) {
    int displayResult = 0;
    latest = monitor.security_enable_write(static_cast<unsigned char>(c.value),
                                           Passcode(c.text.left(Passcode::Size)), &displayResult);
    if (displayResult != 0)
        latest = NotPerformed;
}
