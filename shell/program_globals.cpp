#include "program_globals.h"

#include "controldefinitions.h"

basic_monitor* g_basic_monitor = nullptr;
LM_Information_Dialog* g_information_dialog = nullptr;
NetworkInterfaceCard* g_network_interface_cards = nullptr;

ControlDefinitions& controlDefinitions() {
    static ControlDefinitions definitions;
    return definitions;
}
