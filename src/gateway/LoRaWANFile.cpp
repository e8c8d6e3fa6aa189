#include "gateway/LoRaWANFile.h"

#include "base/Files.h"
#include "base/StrUtils.h"
#include "platform/XmlDom.h"
#include "shell/ProjectXmlFile.h"

namespace gw {

namespace {

const char* YN(bool flag) {
    return flag ? "Y" : "N";
}

// Rule flags are typed by hand more often than the device flag, so they
// accept any case and surrounding blanks; the device Enable is compared exactly.
bool IsYes(std::string_view text) {
    return base::UpperCase(base::Trim(text)) == "Y";
}

void BuildDocument(const TLoRaWANConfig& config, plat::TXmlDocument& doc) {
    plat::TXmlNode root = shell::Begin_Project_XML(doc, "LoRaWAN_Gateway");
    plat::TXmlNode list = root.AddChild("LoRaWAN_Devices_List");
    for (const auto& d : config.Devices) {
        if (base::Trim(d.DeviceEUI).empty()) break;
        plat::TXmlNode dev = list.AddChild("LoRaWAN_Device");
        dev.SetAttribute("Enable", YN(d.Enable));
        dev.SetAttribute("DeviceEUI", d.DeviceEUI);
        dev.SetAttribute("JoinEUI", d.JoinEUI);
        dev.SetAttribute("DeviceName", d.DeviceName);
        dev.SetAttribute("ActivationMethod", d.ActMethod);
        dev.SetAttribute("NetworkSessionKey", d.NetSessKey);
        dev.SetAttribute("ApplicationSessionKey", d.AppSessKey);
        dev.SetAttribute("ApplicationKey", d.AppKey);
        dev.SetAttribute("DeviceAddress", d.DevAdd);
        dev.SetAttribute("Class", d.ClassLoRa);
        dev.SetAttribute("DiagTimeOut", d.DiagTimeOut);
        dev.SetAttribute("RX2_Datarate", d.RX2Datarate);
        dev.SetAttribute("Mnemonic", d.Mnemonic);
        plat::TXmlNode rules = dev.AddChild("LoRaWAN_Rules");
        plat::TXmlNode up = rules.AddChild("LoRaWAN_UpLink_Rules");
        for (const auto& r : d.UpLinkRules) {
            plat::TXmlNode n = up.AddChild("Rule");
            n.SetAttribute("Enable", YN(r.Enable));
            n.SetAttribute("Port", r.Port);
            n.SetAttribute("StartTest", r.StartTest);
            n.SetAttribute("LenTest", r.LenTest);
            n.SetAttribute("HexTest", YN(r.HexTest));
            n.SetAttribute("ValueTest", r.ValueTest);
            n.SetAttribute("StartBit", r.StartBit);
            n.SetAttribute("NumberBits", r.NumBits);
            n.SetAttribute("PositionBit", r.PosBit);
            n.SetAttribute("Mnemonic", r.Mnemonic);
        }
        plat::TXmlNode down = rules.AddChild("LoRaWAN_DownLink_Rules");
        for (const auto& r : d.DownLinkRules) {
            plat::TXmlNode n = down.AddChild("Rule");
            n.SetAttribute("Enable", YN(r.Enable));
            n.SetAttribute("Port", r.Port);
            n.SetAttribute("StartBit", r.StartBit);
            n.SetAttribute("NumberBits", r.NumBits);
            n.SetAttribute("OnChange", YN(r.OnChange));
            n.SetAttribute("OnCommand", YN(r.OnCMD));
            n.SetAttribute("OnTimer", YN(r.OnTimer));
            n.SetAttribute("Time", r.Time);
            n.SetAttribute("PositionBit", r.PosBit);
            n.SetAttribute("Mnemonic", r.Mnemonic);
        }
    }
}

// Reads the required attributes of one element and remembers the first one
// missing, so the message can name it together with where it was looked for.
class TAttrReader {
public:
    TAttrReader(const plat::TXmlNode& node, std::string where) : node_(node), where_(std::move(where)) {}
    void Required(const char* name, std::string& value) {
        if (!node_.GetAttribute(name, value) && missing_.empty()) missing_ = name;
    }
    bool Ok(std::string* error, std::string_view prefix) const {
        if (missing_.empty()) return true;
        if (error) *error = std::string(prefix) + "attribute \"" + missing_ + "\" is missing in " + where_;
        return false;
    }

private:
    plat::TXmlNode node_;
    std::string where_;
    std::string missing_;
};

std::string Prefix(std::string_view fileName) {
    std::string prefix;
    if (!fileName.empty()) prefix.append("\"").append(fileName).append("\": ");
    return prefix;
}

bool MissingElement(std::string* error, std::string_view fileName, const char* name,
                    const std::string& where) {
    if (error) *error = Prefix(fileName) + "element \"" + name + "\" is missing" + where;
    return false;
}

}  // namespace

std::string LoRaWANToXml(const TLoRaWANConfig& config) {
    plat::TXmlDocument doc;
    BuildDocument(config, doc);
    return doc.SaveToString();
}

bool SaveLoRaWAN(const TLoRaWANConfig& config, const std::string& path, std::string* error) {
    plat::TXmlDocument doc;
    BuildDocument(config, doc);
    return doc.SaveToFile(path, error);
}

bool ReadLoRaWAN(const plat::TXmlDocument& doc, bool modeMaster, TLoRaWANConfig& config, std::string* error,
                 std::string_view fileName) {
    config.Devices.clear();
    const std::string prefix = Prefix(fileName);
    const plat::TXmlNode root = doc.Root();
    if (!root || root.Name() != "LoRaWAN_Gateway")
        return MissingElement(error, fileName, "LoRaWAN_Gateway", "");
    const plat::TXmlNode list = root.FindNode("LoRaWAN_Devices_List");
    if (!list) return MissingElement(error, fileName, "LoRaWAN_Devices_List", "");
    int count = list.ChildCount();
    if (!modeMaster && count > 1) count = 1;
    for (int i = 0; i < count; ++i) {
        const plat::TXmlNode node = list.Child(i);
        const std::string where = " of device " + std::to_string(i + 1);
        TDeviceLoRa d;
        d.Enable = node.Attribute("Enable") == "Y";
        TAttrReader attrs(node, "device " + std::to_string(i + 1));
        attrs.Required("DeviceEUI", d.DeviceEUI);
        attrs.Required("JoinEUI", d.JoinEUI);
        attrs.Required("DeviceName", d.DeviceName);
        attrs.Required("ActivationMethod", d.ActMethod);
        attrs.Required("NetworkSessionKey", d.NetSessKey);
        attrs.Required("ApplicationSessionKey", d.AppSessKey);
        attrs.Required("ApplicationKey", d.AppKey);
        attrs.Required("DeviceAddress", d.DevAdd);
        attrs.Required("Mnemonic", d.Mnemonic);
        if (!attrs.Ok(error, prefix)) return false;
        d.ClassLoRa = node.Attribute("Class");
        d.DiagTimeOut = node.Attribute("DiagTimeOut");
        d.RX2Datarate = node.Attribute("RX2_Datarate");

        const plat::TXmlNode rules = node.FindNode("LoRaWAN_Rules");
        if (!rules) return MissingElement(error, fileName, "LoRaWAN_Rules", where);
        const plat::TXmlNode up = rules.FindNode("LoRaWAN_UpLink_Rules");
        if (!up) return MissingElement(error, fileName, "LoRaWAN_UpLink_Rules", where);
        for (int k = 0; k < up.ChildCount(); ++k) {
            const plat::TXmlNode rn = up.Child(k);
            TRuleLoRa r;
            std::string enable;
            TAttrReader ra(rn, "uplink rule " + std::to_string(k + 1) + where);
            ra.Required("Enable", enable);
            ra.Required("Port", r.Port);
            ra.Required("StartBit", r.StartBit);
            ra.Required("NumberBits", r.NumBits);
            ra.Required("PositionBit", r.PosBit);
            ra.Required("Mnemonic", r.Mnemonic);
            if (!ra.Ok(error, prefix)) return false;
            r.Enable = IsYes(enable);
            r.StartTest = rn.Attribute("StartTest");
            r.LenTest = rn.Attribute("LenTest");
            r.HexTest = IsYes(rn.Attribute("HexTest"));
            r.ValueTest = rn.Attribute("ValueTest");
            d.UpLinkRules.push_back(std::move(r));
        }
        const plat::TXmlNode down = rules.FindNode("LoRaWAN_DownLink_Rules");
        if (!down) return MissingElement(error, fileName, "LoRaWAN_DownLink_Rules", where);
        for (int k = 0; k < down.ChildCount(); ++k) {
            const plat::TXmlNode rn = down.Child(k);
            TRuleLoRa r;
            std::string enable, onChange, onCommand, onTimer;
            TAttrReader ra(rn, "downlink rule " + std::to_string(k + 1) + where);
            ra.Required("Enable", enable);
            ra.Required("Port", r.Port);
            ra.Required("StartBit", r.StartBit);
            ra.Required("NumberBits", r.NumBits);
            ra.Required("OnChange", onChange);
            ra.Required("OnCommand", onCommand);
            ra.Required("OnTimer", onTimer);
            ra.Required("Time", r.Time);
            ra.Required("PositionBit", r.PosBit);
            ra.Required("Mnemonic", r.Mnemonic);
            if (!ra.Ok(error, prefix)) return false;
            r.Enable = IsYes(enable);
            r.OnChange = IsYes(onChange);
            r.OnCMD = IsYes(onCommand);
            r.OnTimer = IsYes(onTimer);
            d.DownLinkRules.push_back(std::move(r));
        }
        config.Devices.push_back(std::move(d));
    }
    return true;
}

bool LoRaWANFromXml(std::string_view xml, bool modeMaster, TLoRaWANConfig& config, std::string* error) {
    plat::TXmlDocument doc;
    if (!doc.LoadFromString(xml, error)) {
        config.Devices.clear();
        return false;
    }
    return ReadLoRaWAN(doc, modeMaster, config, error);
}

bool LoadLoRaWAN(const std::string& path, bool modeMaster, TLoRaWANConfig& config, std::string* error) {
    config.Devices.clear();
    if (!base::FileExists(path)) return true;
    plat::TXmlDocument doc;
    if (!doc.LoadFromFile(path, error)) return false;
    return ReadLoRaWAN(doc, modeMaster, config, error, base::ExtractFileName(path));
}

}  // namespace gw
