#include "page_set.h"

#include "analog_gamma_pages.h"
#include "auto_id_pages.h"
#include "basic_schedule_page.h"
#include "clock_page.h"
#include "command_pages.h"
#include "group_fan_pages.h"
#include "input_name_page.h"
#include "ip_scan_page.h"
#include "ir_remote_page.h"
#include "opcode_pages.h"
#include "opcode_scanner_page.h"
#include "picture_pages.h"
#include "pip_pbp_page.h"
#include "power_pages.h"
#include "proof_of_play_page.h"
#include "schedule_pages.h"
#include "scripting_page.h"
#include "security_page.h"
#include "simple_command_page.h"
#include "slot_binder.h"
#include "status_page.h"
#include "test_pattern_pages.h"
#include "tile_matrix_memory_page.h"
#include "tile_matrix_pages.h"

#include <QLineEdit>

PageSet::PageSet(const PageContext& context, QWidget* form, QObject* parent) : QObject(parent) {
    all = {new OpcodePages(context, this),       new PowerPages(context, this),
           new PicturePages(context, this),      new GroupFanPages(context, this),
           new TileMatrixPages(context, this),   new TileMatrixMemoryPage(context, this),
           new IpScanPage(context, this),        new OpcodeScannerPage(context, this),
           new SchedulePages(context, this),     new ClockPage(context, this),
           new CommandPages(context, this),      new SecurityPage(context, this),
           new InputNamePage(context, this),     new IrRemotePage(context, this),
           new SimpleCommandPage(context, this), new AnalogGammaPages(context, this),
           new TestPatternPages(context, this),  new AutoIdPages(context, this),
           new PipPbpPage(context, this),        new ProofOfPlayPage(context, this),
           new StatusPage(context, this),        new ScriptingPage(context, this),
           new BasicSchedulePage(context, this)};
    for (PageController* c : all) {
        unbound << bind_slots_by_name(c, form);
        ControlState::declare_form(c->form_fields());
    }
}

PageController* PageSet::controller_for(QWidget* page) const {
    for (PageController* c : all)
        if (c->pages().contains(page))
            return c;
    return nullptr;
}

void PageSet::refresh(QWidget* page) {
    if (PageController* c = controller_for(page))
        c->refresh(page);
}

void PageSet::clear_result_lines(QWidget* page) {
    if (PageController* c = controller_for(page))
        for (QLineEdit* line : c->result_lines(page))
            line->clear();
}

void PageSet::show_unread(QWidget* page) {
    if (PageController* c = controller_for(page))
        c->show_unread(page);
}

void PageSet::read_settings(const QSettings& settings) {
    for (PageController* c : all)
        c->read_settings(settings);
}

void PageSet::write_settings(QSettings& settings) const {
    for (const PageController* c : all)
        c->write_settings(settings);
}

void PageSet::definitions_loaded() {
    for (PageController* c : all)
        c->definitions_loaded();
}

void PageSet::write_pending() {
    for (PageController* c : all)
        c->write_pending();
}
