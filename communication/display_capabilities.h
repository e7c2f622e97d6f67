#pragma once

#include <QByteArray>
#include <QList>

// The parsed form of a display's capability string: a sequence of key(value) groups whose
// values may hold parenthesised groups of their own. Only a fixed set of keys is looked at.
struct DisplayCapabilities {
    // One announced code: op code (page in the high byte) and the values the display permits,
    // empty when it lists none.
    struct VcpEntry {
        unsigned int code = 0;
        QList<unsigned int> values;
    };

    enum DisplayKind { KindUnknown = 0, KindCrt = 1, KindLcd = 2 };
    enum ParseResult { ParseOk = 0, NoOpCodes = -1, UnbalancedParentheses = -2 };

    DisplayCapabilities() { clear(); }

    // 0 when well formed, -1 without any op code, -2 when the parentheses do not balance.
    // Fields found before a failure stay filled; only 0 sets `valid`.
    int parse(const char* text);
    void clear();

    bool hasVcpCode(unsigned int code) const;
    bool hasVcpValueList(unsigned int code) const;
    bool hasVcpValue(unsigned int code, unsigned int value) const;
    QByteArray mpuVersion() const { return mpu_ver; }

    bool valid;
    int display_kind;
    int asset_eep;
    int c_tmp_ofst;
    bool has_gamma_table;
    unsigned int gamma_table_size;
    unsigned int gamma_r_ofs;
    unsigned int gamma_g_ofs;
    unsigned int gamma_b_ofs;
    QByteArray model;
    QByteArray mccs_ver;
    QByteArray mpu_ver;
    QByteArray type;
    QByteArray chassis;
    QList<VcpEntry> commands;
    QList<VcpEntry> vcp_codes;
};
