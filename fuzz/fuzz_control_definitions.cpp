// Feeds arbitrary bytes to the op-code definitions parser and checks what a load promises.
#include "controldefinitions.h"

#include <QBuffer>
#include <QByteArray>

#include <cstdint>
#include <cstdlib>

static void require(bool condition) {
    if (!condition)
        abort();
}

// A good load indexes every op code of the list with its last definition, and the lookups
// agree with the list.
static void checkLoaded(const ControlDefinitions& store) {
    require(store.index.size() <= store.list.size());
    for (int i = 0; i < store.list.size(); ++i) {
        const ControlDefinition& def = store.list[i];
        require(def.opcode >= 0 && def.opcode <= int(ControlDefinitions::MaxOpcode));
        require(def.type == ControlDefinition::Range || def.type == ControlDefinition::Discrete);
        require(def.type == ControlDefinition::Discrete || def.items.isEmpty());
        require(def.type == ControlDefinition::Range || !def.items.isEmpty());
        const ControlDefinition* indexed = store.find(def.opcode);
        require(indexed != nullptr);
        require(indexed->opcode == def.opcode);
        if (i >= 64)
            continue; // the lookups walk the list: keep the run linear
        require(store.opcodeForName(def.name) != -1);
        for (const ControlValueItem& item : def.items) {
            require(!item.label.isEmpty());
            require(!store.valueLabel(def.opcode, item.value).isEmpty());
            const int value = store.valueForLabel(def.opcode, item.label);
            require(value == -1 || !store.valueLabel(def.opcode, value).isEmpty());
        }
    }
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<int>(size));
    ControlDefinitions store;
    for (int pass = 0; pass < 2; ++pass) {
        const int before = store.list.size();
        QBuffer buffer(&bytes);
        require(buffer.open(QIODevice::ReadOnly));
        int line_no = -1;
        const int result = store.read(buffer, &line_no);
        if (result == 0) {
            require(line_no == 0);
            checkLoaded(store);
        } else {
            require(result >= ControlDefinitions::OpcodeNotHex && result <= -1);
            require(line_no >= 1);
            require(store.list.size() == before);
        }
    }
    return 0;
}
