#include "gateway/ImageBuilder.h"

#include <optional>
#include <span>

#include "base/Files.h"
#include "base/StrUtils.h"
#include "base/TextCodec.h"
#include "gateway/ConcentratorText.h"
#include "gateway/LoRaWANBands.h"
#include "gateway/LoRaWANBlock.h"
#include "gateway/LoRaWANFile.h"
#include "gateway/ParGenFile.h"
#include "platform/XmlDom.h"
#include "shell/Comon.h"

namespace gw {

// --- Conversions -------------------------------------------------------------

std::string Pad_Hex_Left(std::string_view text, size_t length) {
    if (text.size() >= length) return std::string(text);
    return std::string(length - text.size(), '0') + std::string(text);
}

namespace {

uint8_t HexPair(std::string_view pair) {
    uint64_t v = 0;
    return base::TryHexToUInt64(pair, v) ? static_cast<uint8_t>(v) : 0;
}

}  // namespace

void Hex_Field(std::string_view text, uint8_t* out, size_t n, bool reversed) {
    // Blanks around a pasted key would otherwise shift every byte by one place.
    const std::string_view trimmed = base::TrimView(text);
    // The digits as if padded on the left with '0' to 2n, read in place: the
    // build reads several keys of every device.
    const size_t pad = trimmed.size() < 2 * n ? 2 * n - trimmed.size() : 0;
    const auto digit = [&](size_t j) { return j < pad ? '0' : trimmed[j - pad]; };
    for (size_t i = 0; i < n; ++i) out[i] = 0;
    for (size_t k = 0; k < n && 2 * k < pad + trimmed.size(); ++k) {
        const char pair[2] = {digit(2 * k), digit(2 * k + 1)};
        out[reversed ? n - 1 - k : k] = HexPair(std::string_view(pair, 2));
    }
}

void Text_Bytes(std::string_view utf8, uint8_t* out, size_t size) {
    const std::u16string units = base::Utf8ToUtf16(utf8);
    for (size_t i = 0; i < size; ++i) out[i] = i < units.size() ? static_cast<uint8_t>(units[i]) : 0;
}

bool Is_Public_Network(std::string_view text) {
    return base::UpperCase(base::Trim(text)) == "PUBLIC";
}

bool Is_Confirmed(std::string_view text) {
    return text == "Confirmed";
}

bool Is_OTAA(std::string_view text) {
    return base::SameText(base::TrimView(text), "OVER-THE-AIR ACTIVATION [OTAA]");
}

// --- "ParGen.xml" ------------------------------------------------------------

namespace {

std::optional<std::string> Key(const plat::TXmlNode& root, const char* name) {
    const plat::TXmlNode node = root.FindNode(name);
    if (!node) return std::nullopt;
    return node.Text();
}

int Number(const plat::TXmlNode& root, const char* name, int def) {
    const auto text = Key(root, name);
    return text ? base::StrToIntDef(*text, def) : def;
}

uint8_t Octet(const plat::TXmlNode& root, const char* name, int def) {
    return static_cast<uint8_t>(Number(root, name, def));
}

void Address(const plat::TXmlNode& root, const char* prefix, const int (&defaults)[4], uint8_t (&out)[4]) {
    for (int i = 0; i < 4; ++i) {
        const std::string name = std::string(prefix) + std::to_string(i + 1);
        out[i] = Octet(root, name.c_str(), defaults[i]);
    }
}

void Clear_ParGen_Keys(TLoRaWAN_ParGen& p) {
    p.JoinEUI.fill(0);
    p.DevNAME.fill(0);
    p.Dev_Address.fill(0);
    p.NwkSKey.fill(0);
    p.AppSKey.fill(0);
    p.AppKey.fill(0);
    p.Activation_method = 0;
}

}  // namespace

TLoRaWAN_ParGen Default_ParGen() {
    TLoRaWAN_ParGen p;
    p.ModeMaster = true;
    p.RF_Band = Band_EU868;
    p.Server_Add = Default_Server_Address;
    p.Server_Port_Up = "1780";
    p.Server_Port_Down = "1780";
    p.KA_Interval = "10";
    p.NetworkType = "false";
    return p;
}

void Load_ParGen(const plat::TXmlNode& root, TBank1_Data& bank1, TLoRaWAN_ParGen& p, TLoRaWAN_Infos& infos) {
    p = Default_ParGen();
    bank1.Set_SW_Version();

    if (const auto name = Key(root, "Eth_Conn_Device_Name")) {
        // 31 characters at most: the device needs the closing zero byte.
        uint8_t bytes[bank1::Device_Name_Size - 1];
        Text_Bytes(*name, bytes, sizeof(bytes));
        bank1.SetBytes(bank1::Device_Name, bytes, sizeof(bytes));
        bank1.SetU8(bank1::Device_Name + sizeof(bytes), 0);
    }
    bank1.SetU16(bank1::Flags, Key(root, "Eth_Conn_DHCP_Cable") == "1" ? 1 : 0);
    if (Key(root, "Eth_Conn_Enable_DNS") == "1") {
        uint8_t primary[4], secondary[4];
        Address(root, "Eth_Conn_Primary_DNS", {8, 8, 8, 8}, primary);
        Address(root, "Eth_Conn_Secondary_DNS", {8, 8, 4, 4}, secondary);
        bank1.SetBytes(bank1::Primary_DNS, primary, 4);
        bank1.SetBytes(bank1::Secondary_DNS, secondary, 4);
    }

    const auto mode = Key(root, "LoRaWAN_Mode");
    p.ModeMaster = !(mode && base::UpperCase(*mode) == "END NODE");
    p.RF_Band = BandCode(Key(root, "LoRaWAN_RF_Band").value_or(""));
    infos.RF_Band = static_cast<uint8_t>(p.RF_Band);
    infos.position_diagnostic = static_cast<uint32_t>(Number(root, "LoRaWAN_Diagostic_Position", 0));

    if (p.ModeMaster) {
        infos.opzioni_funzionamento = Mode_Word_Gateway;
        p.Server_Add = Key(root, "LoRaWAN_Server_Address").value_or(Default_Server_Address);
        p.Server_Port_Up = Key(root, "LoRaWAN_Server_Port_Up").value_or("1780");
        p.Server_Port_Down = Key(root, "LoRaWAN_Server_Port_Down").value_or("1780");
        p.KA_Interval = Key(root, "LoRaWAN_KeepAlive_Interval").value_or("10");
    } else {
        // An end node talks to no network server of its own.
        infos.opzioni_funzionamento = Mode_Word_End_Node;
    }

    if (const auto type = Key(root, "LoRaWAN_Network_Type"))
        p.NetworkType = Is_Public_Network(*type) ? "true" : "false";

    if (!p.ModeMaster) {
        infos.Adaptive_DataRate = static_cast<uint8_t>(Number(root, "LoRaWAN_Adaptive_DataRate", 0));
        const std::string rate = Key(root, "LoRaWAN_DataRate").value_or("");
        const size_t dash = rate.find('-');
        infos.DataRate = dash == std::string::npos
                             ? 0
                             : static_cast<uint8_t>(base::StrToIntDef(base::Trim(rate.substr(0, dash)), 0));
        infos.Transmission_Type = Is_Confirmed(Key(root, "LoRaWAN_Transmission_Type").value_or("")) ? 1 : 0;
        Clear_ParGen_Keys(p);
        if (const auto eui = Key(root, "LoRaWAN_Join_EUI")) p.JoinEUI = Hex_Field<8>(*eui, true);
        p.Activation_method = Is_OTAA(Key(root, "LoRaWAN_Activation_Method").value_or("")) ? 1 : 0;
        if (p.Activation_method == 1) {
            if (const auto k = Key(root, "LoRaWAN_Application_Key")) p.AppKey = Hex_Field<16>(*k, false);
        } else {
            if (const auto a = Key(root, "LoRaWAN_Device_Address")) p.Dev_Address = Hex_Field<4>(*a, true);
            if (const auto k = Key(root, "LoRaWAN_Network_Session_Key")) p.NwkSKey = Hex_Field<16>(*k, false);
            if (const auto k = Key(root, "LoRaWAN_Application_Session_Key"))
                p.AppSKey = Hex_Field<16>(*k, false);
        }
        const std::string cls = base::UpperCase(base::Trim(Key(root, "LoRaWAN_Class").value_or("")));
        p.LoRaWAN_Class = cls == "B" ? 1 : cls == "C" ? 2 : 0;
    }

    // The end node's own data rate has no place in the header: the RX2 rate
    // takes it in both modes.
    const auto rx2 = Key(root, "LoRaWAN_RX2_Datarate");
    infos.DataRate = rx2 ? RX2_DataRate_Index(*rx2, p.RF_Band, 0) : 0;
    infos.Freq_SubBand = static_cast<uint8_t>(Number(root, "LoRaWAN_Frequency_Sub_Band", 1));

    uint8_t ip[4], mask[4], gateway[4];
    Address(root, "EtherNetIP_IP", {192, 168, 0, 5}, ip);
    Address(root, "EtherNetIP_SM", {255, 255, 255, 0}, mask);
    Address(root, "EtherNetIP_GAT", {192, 168, 0, 1}, gateway);
    if (Key(root, "EtherNetIP_EN_GAT") != "1") {
        for (auto& b : gateway) b = 255;
    }
    bank1.SetBytes(bank1::IP_Address, ip, 4);
    bank1.SetBytes(bank1::Subnet_Mask, mask, 4);
    bank1.SetBytes(bank1::Default_Gateway, gateway, 4);
    const auto port = static_cast<uint16_t>(Number(root, "EtherNetIP_PORT", 2000));
    bank1.SetU16(bank1::Port_1, port);
    bank1.SetU16(bank1::Port_2, port);
    bank1.SetU32(bank1::NB_Input, static_cast<uint32_t>(Number(root, "EtherNetIP_NB_Input", 496)));
    bank1.SetU32(bank1::NB_Output, static_cast<uint32_t>(Number(root, "EtherNetIP_NB_Output", 496)));
}

// --- "LoRaWAN_Gateway.xml" ---------------------------------------------------

namespace {

// The attributes the build reads of each element, by their places in the
// file's own lists of names (LoRaWANFile.h).
enum TDeviceAttribute {
    Dev_Enable,
    Dev_DeviceEUI,
    Dev_JoinEUI,
    Dev_DeviceName,
    Dev_ActivationMethod,
    Dev_NetworkSessionKey,
    Dev_ApplicationSessionKey,
    Dev_ApplicationKey,
    Dev_DeviceAddress,
    Dev_Class,
    Dev_DiagTimeOut,
    Dev_RX2_Datarate,
};

enum TUpLinkAttribute {
    Up_Enable,
    Up_Port,
    Up_StartTest,
    Up_LenTest,
    Up_HexTest,
    Up_ValueTest,
    Up_StartBit,
    Up_NumberBits,
    Up_PositionBit,
};

enum TDownLinkAttribute {
    Down_Enable,
    Down_Port,
    Down_StartBit,
    Down_NumberBits,
    Down_OnChange,
    Down_OnCommand,
    Down_OnTimer,
    Down_Time,
    Down_PositionBit,
};

static_assert(Device_Attribute_Names[Dev_Enable] == "Enable" &&
              Device_Attribute_Names[Dev_DeviceEUI] == "DeviceEUI" &&
              Device_Attribute_Names[Dev_JoinEUI] == "JoinEUI" &&
              Device_Attribute_Names[Dev_DeviceName] == "DeviceName" &&
              Device_Attribute_Names[Dev_ActivationMethod] == "ActivationMethod" &&
              Device_Attribute_Names[Dev_NetworkSessionKey] == "NetworkSessionKey" &&
              Device_Attribute_Names[Dev_ApplicationSessionKey] == "ApplicationSessionKey" &&
              Device_Attribute_Names[Dev_ApplicationKey] == "ApplicationKey" &&
              Device_Attribute_Names[Dev_DeviceAddress] == "DeviceAddress" &&
              Device_Attribute_Names[Dev_Class] == "Class" &&
              Device_Attribute_Names[Dev_DiagTimeOut] == "DiagTimeOut" &&
              Device_Attribute_Names[Dev_RX2_Datarate] == "RX2_Datarate");
static_assert(UpLink_Attribute_Names[Up_Enable] == "Enable" && UpLink_Attribute_Names[Up_Port] == "Port" &&
              UpLink_Attribute_Names[Up_StartTest] == "StartTest" &&
              UpLink_Attribute_Names[Up_LenTest] == "LenTest" &&
              UpLink_Attribute_Names[Up_HexTest] == "HexTest" &&
              UpLink_Attribute_Names[Up_ValueTest] == "ValueTest" &&
              UpLink_Attribute_Names[Up_StartBit] == "StartBit" &&
              UpLink_Attribute_Names[Up_NumberBits] == "NumberBits" &&
              UpLink_Attribute_Names[Up_PositionBit] == "PositionBit");
static_assert(DownLink_Attribute_Names[Down_Enable] == "Enable" &&
              DownLink_Attribute_Names[Down_Port] == "Port" &&
              DownLink_Attribute_Names[Down_StartBit] == "StartBit" &&
              DownLink_Attribute_Names[Down_NumberBits] == "NumberBits" &&
              DownLink_Attribute_Names[Down_OnChange] == "OnChange" &&
              DownLink_Attribute_Names[Down_OnCommand] == "OnCommand" &&
              DownLink_Attribute_Names[Down_OnTimer] == "OnTimer" &&
              DownLink_Attribute_Names[Down_Time] == "Time" &&
              DownLink_Attribute_Names[Down_PositionBit] == "PositionBit");

// The attributes of one element, read at once, and the first problem with
// them as a message that says which file, which element and which
// attribute. Where the element sits ("uplink rule 3 of device 7") is put
// into words only for a message: a full gateway has tens of thousands of
// rules, and nearly every build has no fault.
class TAttrs {
public:
    // values is one set for a whole list of elements: it holds the views of
    // this element until the next one is read into it.
    TAttrs(const plat::TXmlNode& node, std::span<const std::string_view> names, plat::TXmlFields& values,
           const char* kind, int number, const std::string* owner, std::string_view fileName,
           std::string* error)
        : names_(names),
          values_(values),
          kind_(kind),
          number_(number),
          owner_(owner),
          file_(fileName),
          error_(error) {
        values_.Read(node, names);
    }

    bool Ok() const { return ok_; }

    // Views into the document: a build reads every attribute of tens of
    // thousands of rules, and copying each value cost more than using it.
    std::optional<std::string_view> Optional(int index) const {
        if (!values_.Has(static_cast<size_t>(index))) return std::nullopt;
        return values_.Value(static_cast<size_t>(index));
    }

    std::string_view Required(int index) {
        if (!values_.Has(static_cast<size_t>(index)))
            Fail("attribute \"" + std::string(names_[static_cast<size_t>(index)]) + "\" is missing in " +
                 Where());
        return values_.Value(static_cast<size_t>(index));
    }

    // A whole number; the window's check guarantees one, so anything else
    // means the file was edited by hand and the build cannot place the data.
    int Integer(int index) {
        if (!ok_) return 0;
        const std::string_view v = Required(index);
        int n = 0;
        if (ok_ && !base::TryStrToInt(v, n)) {
            Fail("attribute \"" + std::string(names_[static_cast<size_t>(index)]) + "\" of " + Where() +
                 " is not a whole number: \"" + std::string(v) + "\"");
        }
        return n;
    }

private:
    std::string Where() const {
        std::string where = kind_ + std::to_string(number_);
        if (owner_) where.append(" of ").append(*owner_);
        return where;
    }

    void Fail(const std::string& what) {
        if (!ok_) return;
        ok_ = false;
        if (error_) *error_ = "\"" + std::string(file_) + "\": " + what;
    }

    std::span<const std::string_view> names_;
    plat::TXmlFields& values_;
    const char* kind_;
    int number_;
    const std::string* owner_;
    std::string_view file_;
    std::string* error_;
    bool ok_ = true;
};

bool Missing(std::string* error, std::string_view fileName, const char* element, const std::string& where) {
    if (error) {
        std::string message = "\"";
        message.append(fileName)
            .append("\": element \"")
            .append(element)
            .append("\" is missing")
            .append(where);
        *error = std::move(message);
    }
    return false;
}

// Rule flags are written "Y" by the window; a file edited by hand may have
// any case and blanks around it.
bool Is_Yes(std::string_view text) {
    return base::SameText(base::TrimView(text), "Y");
}

uint16_t U16Def(const std::optional<std::string_view>& text, int def) {
    return static_cast<uint16_t>(text ? base::StrToIntDef(*text, def) : def);
}

std::string Test_Bytes(std::string_view value, bool hex) {
    std::string bytes;
    if (hex) {
        // Trimmed as the window's check trims it before counting the digits:
        // a blank around the value must not become a digit of its own.
        const std::string_view trimmed = base::TrimView(value);
        // An odd count of digits reads as if a '0' led it.
        size_t i = 0;
        if (trimmed.size() % 2) {
            const char pair[2] = {'0', trimmed[0]};
            bytes.push_back(static_cast<char>(HexPair(std::string_view(pair, 2))));
            i = 1;
        }
        for (; i + 1 < trimmed.size(); i += 2) bytes.push_back(static_cast<char>(HexPair(trimmed.substr(i, 2))));
    } else {
        for (char16_t u : base::Utf8ToUtf16(value))
            bytes.push_back(static_cast<char>(static_cast<uint8_t>(u)));
    }
    return bytes;
}

// a holds the device element's attributes; an end node takes its keys from
// the parameters instead.
bool Read_Device(TAttrs* a, const TLoRaWAN_ParGen& p, const TLoRaWAN_Infos& infos, TLoRaWAN_Device& d) {
    if (!p.ModeMaster) {
        d.options = p.LoRaWAN_Class;
        d.JoinEUI = p.JoinEUI;
        if (p.Activation_method == 1) d.options |= Device_Option_OTAA;
        d.NwkSKey = p.NwkSKey;
        d.AppSKey = p.AppSKey;
        d.AppKey = p.AppKey;
        d.DevADDR = p.Dev_Address;
        return true;
    }
    if (a->Optional(Dev_Class).value_or("A") == "C") d.options += 2;
    d.DevEUI = Hex_Field<8>(a->Required(Dev_DeviceEUI), true);
    d.JoinEUI = Hex_Field<8>(a->Required(Dev_JoinEUI), true);
    Text_Bytes(a->Required(Dev_DeviceName), d.DevNAME.data(), d.DevNAME.size());
    if (Is_OTAA(a->Required(Dev_ActivationMethod))) d.options |= Device_Option_OTAA;
    d.NwkSKey = Hex_Field<16>(a->Required(Dev_NetworkSessionKey), false);
    d.AppSKey = Hex_Field<16>(a->Required(Dev_ApplicationSessionKey), false);
    d.AppKey = Hex_Field<16>(a->Required(Dev_ApplicationKey), false);
    d.DevADDR = Hex_Field<4>(a->Required(Dev_DeviceAddress), true);
    if (!a->Ok()) return false;
    if (const auto t = a->Optional(Dev_DiagTimeOut)) {
        int64_t v = 0;
        d.timeout = base::TryStrToInt64(*t, v) && v >= 0 && v <= 0xFFFFFFFFLL ? static_cast<uint32_t>(v) : 0;
    }
    const auto rx2 = a->Optional(Dev_RX2_Datarate);
    d.DL_settings = rx2 ? RX2_DataRate_Index(*rx2, p.RF_Band, infos.DataRate) : infos.DataRate;
    return true;
}

bool Read_Rules(const plat::TXmlNode& device, const std::string& where, uint16_t numDevice,
                TLoRaWAN_Infos& infos, plat::TXmlFields& upValues, plat::TXmlFields& downValues,
                std::string* error, std::string_view fileName) {
    const plat::TXmlNode rules = device.FindNode("LoRaWAN_Rules");
    if (!rules) return Missing(error, fileName, "LoRaWAN_Rules", " in " + where);
    const plat::TXmlNode up = rules.FindNode("LoRaWAN_UpLink_Rules");
    if (!up) return Missing(error, fileName, "LoRaWAN_UpLink_Rules", " in " + where);
    // Siblings are walked in order: counting and indexing would look each
    // rule up again through the list.
    int k = 0;
    for (plat::TXmlNode rule = up.FirstChild(); rule; rule = rule.NextSibling(), ++k) {
        TAttrs a(rule, UpLink_Attribute_Names, upValues, "uplink rule ", k + 1, &where, fileName, error);
        const std::string_view enable = a.Required(Up_Enable);
        if (!a.Ok()) return false;
        if (!Is_Yes(enable)) continue;
        TLoRaWAN_Rule r;
        r.num_device = numDevice;
        r.port = U16Def(a.Required(Up_Port), No_Test);
        r.start_test = U16Def(a.Optional(Up_StartTest), No_Test);
        r.len_test = U16Def(a.Optional(Up_LenTest), No_Test);
        const auto hex = a.Optional(Up_HexTest);
        r.data_test = Test_Bytes(a.Optional(Up_ValueTest).value_or(""), hex && Is_Yes(*hex));
        r.byte_offset_frame = static_cast<uint16_t>(a.Integer(Up_StartBit));
        r.num_bytes = static_cast<uint16_t>(a.Integer(Up_NumberBits));
        r.byte_offset_memory = static_cast<uint16_t>(a.Integer(Up_PositionBit));
        if (!a.Ok()) return false;
        infos.Rules_List.push_back(std::move(r));
        ++infos.Num_Rules;
    }
    const plat::TXmlNode down = rules.FindNode("LoRaWAN_DownLink_Rules");
    if (!down) return Missing(error, fileName, "LoRaWAN_DownLink_Rules", " in " + where);
    k = 0;
    for (plat::TXmlNode rule = down.FirstChild(); rule; rule = rule.NextSibling(), ++k) {
        TAttrs a(rule, DownLink_Attribute_Names, downValues, "downlink rule ", k + 1, &where, fileName, error);
        const std::string_view enable = a.Required(Down_Enable);
        if (!a.Ok()) return false;
        if (!Is_Yes(enable)) continue;
        TLoRaWAN_Rule r;
        r.num_device = numDevice;
        r.options = Rule_Option_Downlink;
        r.port = static_cast<uint16_t>(a.Integer(Down_Port));
        r.byte_offset_frame = static_cast<uint16_t>(a.Integer(Down_StartBit));
        r.num_bytes = static_cast<uint16_t>(a.Integer(Down_NumberBits));
        const auto flag = [&](int index) { return Is_Yes(a.Required(index)); };
        if (flag(Down_OnChange)) r.options |= Rule_Option_OnChange;
        if (flag(Down_OnCommand)) r.options |= Rule_Option_OnCommand;
        if (flag(Down_OnTimer)) r.options |= Rule_Option_OnTimer;
        r.time_poll = static_cast<uint32_t>(base::StrToInt64Def(a.Required(Down_Time), 0));
        r.byte_offset_memory = static_cast<uint16_t>(a.Integer(Down_PositionBit));
        if (!a.Ok()) return false;
        infos.Rules_List.push_back(std::move(r));
        ++infos.Num_Rules;
    }
    return true;
}

}  // namespace

bool Load_LoRaWAN_Devices(const plat::TXmlDocument* doc, const TLoRaWAN_ParGen& p, TLoRaWAN_Infos& infos,
                          uint32_t base, std::string* error, std::string_view fileName) {
    infos.Num_Devices = 0;
    infos.Num_Rules = 0;
    infos.Devices_List.clear();
    infos.Rules_List.clear();
    if (doc) {
        const plat::TXmlNode root = doc->Root();
        if (!root || root.Name() != "LoRaWAN_Gateway") return Missing(error, fileName, "LoRaWAN_Gateway", "");
        const plat::TXmlNode list = root.FindNode("LoRaWAN_Devices_List");
        if (!list) return Missing(error, fileName, "LoRaWAN_Devices_List", "");
        int i = 0;
        // One set of attribute values for each kind of element, kept for
        // the whole list: a set prepares the names it reads by once.
        plat::TXmlFields values;
        plat::TXmlFields upValues;
        plat::TXmlFields downValues;
        for (plat::TXmlNode node = list.FirstChild(); node; node = node.NextSibling(), ++i) {
            std::optional<TAttrs> a;
            if (p.ModeMaster) {
                a.emplace(node, Device_Attribute_Names, values, "device ", i + 1, nullptr, fileName, error);
                // Only an exact "Y" enables a device: the window writes nothing else.
                if (a->Optional(Dev_Enable) != "Y") continue;
                // A blank Device EUI is an empty table row: the window's writer
                // leaves such a device out with its rules, and a file edited by
                // hand must not put a device of EUI zero into the image.
                const auto eui = a->Optional(Dev_DeviceEUI);
                if (eui && base::TrimView(*eui).empty()) continue;
            }
            const std::string where = "device " + std::to_string(i + 1);
            TLoRaWAN_Device d;
            if (!Read_Device(a ? &*a : nullptr, p, infos, d)) return false;
            d.options |= Device_Option_Always;
            infos.Devices_List.push_back(d);
            if (!Read_Rules(node, where, static_cast<uint16_t>(infos.Num_Devices), infos, upValues, downValues,
                            error, fileName)) {
                return false;
            }
            ++infos.Num_Devices;
        }
    }
    Assign_Addresses(infos, base);
    return true;
}

bool Build_Banks(const plat::TXmlDocument* parGenDoc, const plat::TXmlDocument* loRaWANDoc,
                 TDeviceImage& image, std::string* error) {
    TBank1_Data bank1;
    TLoRaWAN_Infos infos;
    TLoRaWAN_ParGen parGen = Default_ParGen();
    if (parGenDoc) Load_ParGen(parGenDoc->Root(), bank1, parGen, infos);
    // The address is copied into the concentrator's JSON text as it stands;
    // bytes that are no UTF-8 would leave that text unreadable on the device.
    if (!base::IsValidUtf8(parGen.Server_Add)) {
        if (error)
            *error = "\"ParGen.xml\": the value of \"LoRaWAN_Server_Address\" is not readable text (UTF-8)";
        return false;
    }
    bank1.SetU32(bank1::Bank2_Address, Bank2_Base_Address);
    if (!Load_LoRaWAN_Devices(loRaWANDoc, parGen, infos, Bank2_Base_Address, error)) return false;
    const std::vector<std::string> lines = Build_ConfFile(parGen);

    TDeviceImage out;
    bank1.Copy_Bank1(out.Bank1);
    if (!Write_Bank2(infos, lines, out.Bank2, error)) return false;
    image = std::move(out);
    return true;
}

namespace {

// Loads a file of the configuration; a missing file is not an error (the
// document stays unused), an unreadable one is.
bool LoadOptional(const std::string& path, plat::TXmlDocument& doc, bool& present, std::string* error) {
    present = base::FileExists(path);
    if (!present) return true;
    std::string why;
    if (doc.LoadFromFile(path, &why)) return true;
    if (error) *error = why.empty() ? "\"" + base::ExtractFileName(path) + "\" cannot be read" : why;
    return false;
}

}  // namespace

bool Build_Image(const std::string& parGenFile, const std::string& loRaWANFile, TDeviceImage& image,
                 std::string* error) {
    plat::TXmlDocument parGen, loRaWAN;
    bool hasParGen = false, hasLoRaWAN = false;
    if (!LoadOptional(parGenFile, parGen, hasParGen, error)) return false;
    if (!LoadOptional(loRaWANFile, loRaWAN, hasLoRaWAN, error)) return false;
    return Build_Banks(hasParGen ? &parGen : nullptr, hasLoRaWAN ? &loRaWAN : nullptr, image, error);
}

bool Write_Bank_Files(const TDeviceImage& image, const std::string& confPath, std::string* error) {
    // The updater must never find a bank1 of one build beside a bank2 of
    // another: both are replaced together, or neither is.
    const std::string bin = base::JoinPath(base::NativePath(confPath), "bin");
    std::string why;
    if (!base::WriteFolderAtomic(bin, {{"bank1.bin", image.Bank1}, {"bank2.bin", image.Bank2}}, &why)) {
        if (error) *error = "The device image cannot be written to \"" + bin + "\": " + why;
        return false;
    }
    return true;
}

bool TImageBuilder::Create_Bin() {
    return Create_Bin(shell::ParGen_File, shell::LoRaWAN_Gateway_File);
}

bool TImageBuilder::Save_Bin() {
    return Save_Bin(shell::Conf_Path);
}

bool TImageBuilder::Create_Bin(const std::string& parGenFile, const std::string& loRaWANFile) {
    error_.clear();
    built_ = Build_Image(parGenFile, loRaWANFile, image_, &error_);
    if (!built_) image_ = TDeviceImage{};
    return built_;
}

bool TImageBuilder::Save_Bin(const std::string& confPath) {
    if (!built_) {
        if (error_.empty()) error_ = "No device image has been built";
        return false;
    }
    error_.clear();
    return Write_Bank_Files(image_, confPath, &error_);
}

}  // namespace gw
