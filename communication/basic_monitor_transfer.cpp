// The monitor's capability cache, asset text, gamma-table commands and 3D LUT.
#include "basic_monitor.h"

#include "qvcommprotocol_retry.h"

#include <QByteArray>

#include <algorithm>
#include <cstring>

namespace {
// The asset read asks for room beyond the area, so that it can end on a short reply.
constexpr int AssetReadCapacity = 127;
} // namespace

int basic_monitor::read_capability_string() {
    m_capabilities.clear();
    int capacity = CapabilityStringSize;
    const int result = m_protocol->read_capability_string(m_capability_string, capacity);
    if (result < 0)
        return result;
    return m_capabilities.parse(m_capability_string);
}

int basic_monitor::refresh_gamma_table() {
    const int result = m_protocol->refresh_gamma_table();
    delay(m_delay_refresh_gamma_table);
    return result;
}

int basic_monitor::save_gamma_table() {
    const int result = m_protocol->save_gamma_table();
    delay(m_delay_gamma_table);
    return result;
}

int basic_monitor::init_gamma_table() {
    const int result = m_protocol->init_gamma_table();
    delay(m_delay_gamma_table);
    return result;
}

int basic_monitor::reset_gamma_table() {
    const int result = m_protocol->reset_gamma_table();
    delay(m_delay_gamma_table);
    return result;
}

int basic_monitor::lut3d_read(lut3d_entry* entries, int n) {
    return m_protocol->lut3d_read(entries, n);
}

int basic_monitor::read_asset_data(QString& text) {
    char buffer[AssetReadCapacity + 1] = {};
    int capacity = AssetReadCapacity;
    const int result = m_protocol->read_asset_data(buffer, capacity);
    if (result == 0)
        text = QString::fromLatin1(buffer);
    return result;
}

int basic_monitor::write_asset_data(QString text) {
    char block[QVCommProtocol::AssetSize] = {};
    const QByteArray bytes = text.toLatin1();
    std::memcpy(block, bytes.constData(), size_t(std::min(bytes.size(), int(sizeof block))));
    return m_protocol->write_asset_data(block, int(sizeof block), QVCommProtocol::AssetChunk);
}
