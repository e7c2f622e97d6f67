#pragma once

class basic_monitor;
class ControlDefinitions;
class LM_Information_Dialog;
class NetworkInterfaceCard;

// Program-wide objects. The monitor object is set by the application controller and never
// replaced; the log window stays null until the main window is built, and every user skips
// its call while it is null.
extern basic_monitor* g_basic_monitor;
extern LM_Information_Dialog* g_information_dialog;
extern NetworkInterfaceCard* g_network_interface_cards;
// The op-code definitions, filled at start-up and replaced by File > Open.
ControlDefinitions& controlDefinitions();
