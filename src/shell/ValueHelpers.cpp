#include "shell/ValueHelpers.h"

#include <string_view>
#include <vector>

#include "base/StrUtils.h"
#include "platform/Regional.h"

namespace shell {

namespace {

// Text before the first '.', the rest after it; false when there is none.
bool CutAtDot(const std::string& text, std::string& head, std::string& rest) {
    const size_t dot = text.find('.');
    if (dot == std::string::npos)
        return false;
    head = text.substr(0, dot);
    rest = text.substr(dot + 1);
    return true;
}

bool InRange(const std::string& text, int64_t low, int64_t high, int64_t def = -1) {
    const int64_t value = base::StrToInt64Def(text, def);
    return value >= low && value <= high;
}

int IntOf(const std::string& text) { return base::StrToIntDef(base::Trim(text), -1); }

// Characters, not bytes, so a multi-byte letter counts once.
size_t CharCount(std::string_view s) {
    size_t n = 0;
    for (unsigned char c : s)
        if ((c & 0xC0) != 0x80)
            ++n;
    return n;
}

}  // namespace

bool Split_IP_Address(const std::string& text, std::string& ip1, std::string& ip2,
                      std::string& ip3, std::string& ip4) {
    std::string rest = base::Trim(text);
    std::string head;
    std::string* parts[] = {&ip1, &ip2, &ip3};
    for (std::string* part : parts) {
        if (!CutAtDot(rest, head, rest))
            return false;
        *part = base::Trim(head);
        rest = base::Trim(rest);
    }
    ip4 = rest;
    for (const std::string* part : {&ip1, &ip2, &ip3, &ip4})
        if (!InRange(*part, 0, 255, 1000))
            return false;
    return true;
}

bool IP_To_Bytes(const std::string& text, uint8_t& b1, uint8_t& b2, uint8_t& b3, uint8_t& b4) {
    if (text.empty())
        return true;
    std::string rest = text;
    std::string parts[4];
    for (int i = 0; i < 3; ++i) {
        // Without a further '.', the part is empty and the rest stays whole.
        std::string head, tail;
        if (CutAtDot(rest, head, tail)) {
            parts[i] = head;
            rest = tail;
        }
    }
    parts[3] = rest;
    bool error = false;
    uint8_t* bytes[] = {&b1, &b2, &b3, &b4};
    for (int i = 0; i < 4; ++i) {
        const int value = base::StrToIntDef(parts[i], -1);
        if (value >= 0 && value <= 255) {
            *bytes[i] = static_cast<uint8_t>(value);
        } else {
            *bytes[i] = 0;
            error = true;
        }
    }
    return error;
}

bool IP_Port_To_Bytes(const std::string& text, uint8_t& b1, uint8_t& b2, uint8_t& b3,
                      uint8_t& b4, uint16_t& port) {
    b1 = b2 = b3 = b4 = 0;
    port = 0;
    std::string rest = text;
    std::string parts[4];
    for (int i = 0; i < 3; ++i) {
        std::string head;
        if (!CutAtDot(rest, head, rest))
            return false;
        parts[i] = base::Trim(head);
    }
    const size_t colon = rest.find(':');
    if (colon == std::string::npos)
        return false;
    parts[3] = base::Trim(std::string_view(rest).substr(0, colon));
    const std::string portText = base::Trim(std::string_view(rest).substr(colon + 1));
    int values[4];
    for (int i = 0; i < 4; ++i) {
        values[i] = base::StrToIntDef(parts[i], -1);
        if (values[i] < 0 || values[i] > 255)
            return false;
    }
    const int portValue = base::StrToIntDef(portText, -1);
    if (portValue < 0 || portValue > 65535)
        return false;
    b1 = static_cast<uint8_t>(values[0]);
    b2 = static_cast<uint8_t>(values[1]);
    b3 = static_cast<uint8_t>(values[2]);
    b4 = static_cast<uint8_t>(values[3]);
    port = static_cast<uint16_t>(portValue);
    return true;
}

base::TStringList List_COM_Ports() {
    base::TStringList ports;
    for (int n = 1; n <= 256; ++n)
        if (plat::SerialPortPresent(n))
            ports.Add(base::IntToStr(n));
    return ports;
}

int Get_IP_Addresses(std::string& ip1, std::string& ip2) {
    ip1.clear();
    ip2.clear();
    return 1;
}

char Get_Decimal_Separator() {
    const char c = plat::RegionalDecimalSeparator();
    return (c == ',' || c == '.') ? c : ',';
}

bool Text_To_Real(const std::string& text, char, float& value) {
    // Both marks mean the decimal point whatever the region: the text is
    // brought to the point, which the conversion takes under every program
    // separator. Rewriting it to a regional comma instead left the
    // conversion, which knows only the program's own separator, refusing
    // every factor typed under an Italian or German region.
    const std::string normalised = base::StringReplace(text, ",", ".");
    double converted = 0;
    if (!base::TryStrToFloat(normalised, converted)) {
        value = 1.0f;
        return false;
    }
    value = static_cast<float>(converted);
    return true;
}

int Check_OID(const std::string& text) {
    if (text.size() > 128)
        return 1;
    // An empty identifier has no first character to test; it is no OID made
    // of digits and dots either.
    if (text.empty())
        return 2;
    for (char c : text)
        if (!(c == '.' || (c >= '0' && c <= '9')))
            return 2;
    if (text.front() == '.')
        return 3;
    if (text.back() == '.')
        return 4;
    if (text.find("..") != std::string::npos)
        return 5;
    for (const std::string& component : base::SplitString(text, '.'))
        if (base::StrToInt64Def(base::Trim(component), 4294967296LL) > 4294967295LL)
            return 6;
    return 0;
}

int Check_SNMP_Key(const std::string& text, bool minimumOne) {
    const size_t length = CharCount(text);
    if (length > 15)
        return 1;
    if (length < (minimumOne ? 1u : 8u))
        return 2;
    for (char c : text)
        if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')))
            return 3;
    return 0;
}

int Text_To_SNMP_SecLevel(const std::string& text) {
    const std::string level = base::UpperCase(base::Trim(text));
    if (level == "AUTH NOPRIV")
        return 1;
    if (level == "AUTH PRIV")
        return 3;
    if (level.empty())
        return -1;
    return 0;
}

int Check_KNX_Address(const std::string& text, bool group, bool allowZero) {
    if (group) {
        if (text.find('.') != std::string::npos)
            return 1;
        const std::vector<std::string> parts = base::SplitString(text, '/');
        if (parts.size() == 1)
            return InRange(base::Trim(text), 1, 65535) ? 0 : 1;
        if (parts.size() == 2) {
            const int main = IntOf(parts[0]), sub = IntOf(parts[1]);
            const bool ok = main >= 0 && main <= 31 && sub >= 0 && sub <= 2047;
            return ok && (main != 0 || sub != 0) ? 0 : 1;
        }
        if (parts.size() == 3) {
            const int main = IntOf(parts[0]), middle = IntOf(parts[1]), sub = IntOf(parts[2]);
            const bool ok = main >= 0 && main <= 31 && middle >= 0 && middle <= 7 && sub >= 0 &&
                            sub <= 255;
            return ok && (main != 0 || middle != 0 || sub != 0) ? 0 : 1;
        }
        return 1;
    }
    if (text.find('/') != std::string::npos)
        return 1;
    const std::vector<std::string> parts = base::SplitString(text, '.');
    if (parts.size() == 1)
        return InRange(base::Trim(text), 1, 65535) ? 0 : 1;
    // Two dotted parts have always been let through unexamined; callers and
    // stored tables may rely on it, and what the form should mean is open.
    if (parts.size() == 2)
        return 0;
    if (parts.size() == 3) {
        const int area = IntOf(parts[0]), line = IntOf(parts[1]), device = IntOf(parts[2]);
        const bool ok = area >= 0 && area <= 15 && line >= 0 && line <= 15 && device >= 0 &&
                        device <= 255;
        if (!ok)
            return 1;
        return (!allowZero && area == 0 && line == 0 && device == 0) ? 1 : 0;
    }
    return 1;
}

bool Has_No_Dot(const std::string& text) { return text.find('.') == std::string::npos; }

}  // namespace shell
