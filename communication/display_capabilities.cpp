#include "display_capabilities.h"

#include "frame_codec.h"
#include "opcodes.h"

#include <cstdint>
#include <cstring>
#include <limits>

namespace {
bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

// A cursor over one value's text; every number it reads is plain hexadecimal digits, checked
// for overflow, never a sign or a prefix.
class Reader {
public:
    explicit Reader(const QByteArray& text) : p(text.constData()), end(p + text.size()) {}

    void skipSpace() {
        while (p < end && isSpace(*p))
            ++p;
    }
    bool literal(const char* word) {
        skipSpace();
        const std::size_t n = std::strlen(word);
        if (std::size_t(end - p) < n || std::memcmp(p, word, n) != 0)
            return false;
        p += n;
        return true;
    }
    bool sign() {
        skipSpace();
        if (p < end && (*p == '-' || *p == '+'))
            return *p++ == '-';
        return false;
    }
    // At least one digit and a value that fits 32 bits.
    bool number(std::uint32_t& out) {
        skipSpace();
        std::uint64_t value = 0;
        const char* start = p;
        bool fits = true;
        for (int d; p < end && (d = FrameCodec::hexDigitValue(*p)) >= 0; ++p) {
            value = value * 16 + std::uint64_t(d);
            if (value > std::numeric_limits<std::uint32_t>::max())
                fits = false, value = 0;
        }
        if (p == start || !fits)
            return false;
        out = std::uint32_t(value);
        return true;
    }

private:
    const char* p;
    const char* end;
};

// The text between the first occurrence of the key (which ends with its opening parenthesis)
// and the parenthesis that closes it; false when the key is missing or never closed.
bool extractValue(const QByteArray& text, const char* key, QByteArray& value) {
    const int at = text.indexOf(key);
    if (at < 0)
        return false;
    const int start = at + int(std::strlen(key));
    int depth = 0;
    for (int i = start; i < text.size(); ++i) {
        if (text[i] == '(') {
            ++depth;
        } else if (text[i] == ')') {
            if (depth == 0) {
                value = text.mid(start, i - start);
                return true;
            }
            --depth;
        }
    }
    return false;
}

// Codes at depth 0, their values at depth 1; deeper groups are skipped. A run of digits is read
// two at a time ("0102" is 01 and 02); any other character only separates.
void parseHexList(const QByteArray& value, unsigned int base,
                  QList<DisplayCapabilities::VcpEntry>& list) {
    int depth = 0;
    for (int i = 0; i < value.size();) {
        const char c = value[i];
        if (c == '(') {
            ++depth, ++i;
            continue;
        }
        if (c == ')') {
            if (depth > 0)
                --depth;
            ++i;
            continue;
        }
        const int high = FrameCodec::hexDigitValue(c);
        if (high < 0) {
            ++i;
            continue;
        }
        unsigned int number = unsigned(high);
        ++i;
        if (i < value.size() && FrameCodec::hexDigitValue(value[i]) >= 0)
            number = number * 16 + unsigned(FrameCodec::hexDigitValue(value[i++]));
        if (depth == 0)
            list.append({base + number, {}});
        else if (depth == 1 && !list.isEmpty())
            list.last().values.append(number);
    }
}

QByteArray upperAscii(QByteArray text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
    return text;
}

template <typename Test>
bool hasEntry(const QList<DisplayCapabilities::VcpEntry>& list, unsigned int code, Test test) {
    for (const auto& e : list)
        if (e.code == code && test(e))
            return true;
    return false;
}
} // namespace

void DisplayCapabilities::clear() {
    valid = false;
    display_kind = KindUnknown;
    asset_eep = 0;
    c_tmp_ofst = 0;
    has_gamma_table = false;
    gamma_table_size = gamma_r_ofs = gamma_g_ofs = gamma_b_ofs = 0;
    model.clear();
    mccs_ver.clear();
    mpu_ver.clear();
    type.clear();
    chassis.clear();
    commands.clear();
    vcp_codes.clear();
}

int DisplayCapabilities::parse(const char* text) {
    clear();
    const QByteArray all(text ? text : "");
    QByteArray value;

    const struct {
        const char* key;
        QByteArray* field;
    } texts[] = {{"model(", &model},
                 {"mccs_ver(", &mccs_ver},
                 {"mpu_ver(", &mpu_ver},
                 {"chassis(", &chassis},
                 {"type(", &type}};
    for (const auto& t : texts)
        if (extractValue(all, t.key, value))
            *t.field = value;

    type = upperAscii(type);
    if (type == "LCD")
        display_kind = KindLcd;
    else if (type == "CRT" || type == "CRT_AG")
        display_kind = KindCrt;

    std::uint32_t number = 0;
    if (extractValue(all, "asset_eep(", value)) {
        Reader r(value);
        asset_eep = r.number(number) && number <= unsigned(std::numeric_limits<int>::max())
                        ? int(number)
                        : 0;
        // The size is also written as its decimal digits: "64" and "32".
        if (asset_eep == 100)
            asset_eep = 64;
        else if (asset_eep == 50)
            asset_eep = 32;
    }

    if (extractValue(all, "gamma_table(", value)) {
        has_gamma_table = true;
        Reader r(value);
        const struct {
            const char* name;
            unsigned int* field;
        } parts[] = {{"size(", &gamma_table_size},
                     {"r_ofs(", &gamma_r_ofs},
                     {"g_ofs(", &gamma_g_ofs},
                     {"b_ofs(", &gamma_b_ofs}};
        for (const auto& part : parts) {
            if (!r.literal(part.name) || !r.number(number))
                break;
            *part.field = number;
            if (!r.literal(")"))
                break;
        }
    }

    if (extractValue(all, "c_tmp_ofst(", value)) {
        Reader r(value);
        const bool negative = r.sign();
        if (r.number(number))
            c_tmp_ofst = int(negative ? 0u - number : number);
    }

    const struct {
        const char* key;
        unsigned int base;
    } commandKeys[] = {{"cmds(", 0},
                       {"cmds_c2(", CommandCode::CommandPageC2},
                       {"cmds_ca(", CommandCode::CommandPageCA}};
    for (const auto& k : commandKeys)
        if (extractValue(all, k.key, value))
            parseHexList(value, k.base, commands);

    if (extractValue(all, "vcp(", value))
        parseHexList(value, 0, vcp_codes);
    for (unsigned int page = 0x02; page <= 0xFF; ++page) {
        const QByteArray key =
            "vcp_p" + QByteArray::number(page, 16).toUpper().rightJustified(2, '0') + '(';
        if (extractValue(all, key.constData(), value))
            parseHexList(value, page << 8, vcp_codes);
    }

    if (vcp_codes.isEmpty())
        return NoOpCodes;
    if (all.count('(') != all.count(')'))
        return UnbalancedParentheses;
    valid = true;
    return ParseOk;
}

bool DisplayCapabilities::hasVcpCode(unsigned int code) const {
    return hasEntry(vcp_codes, code, [](const VcpEntry&) { return true; });
}

bool DisplayCapabilities::hasVcpValueList(unsigned int code) const {
    return hasEntry(vcp_codes, code, [](const VcpEntry& e) { return !e.values.isEmpty(); });
}

bool DisplayCapabilities::hasVcpValue(unsigned int code, unsigned int value) const {
    return hasEntry(vcp_codes, code,
                    [value](const VcpEntry& e) { return e.values.contains(value); });
}
