#include "gateway/LoRaWANFile.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <span>

#include "base/Files.h"
#include "base/StrUtils.h"
#include "platform/XmlDom.h"
#include "platform/XmlWriter.h"
#include "shell/ProjectXmlFile.h"

namespace gw {

namespace {

std::string_view YN(bool flag) {
    return flag ? "Y" : "N";
}

// Rule flags are typed by hand more often than the device flag, so they
// accept any case and surrounding blanks; the device Enable is compared exactly.
bool IsYes(std::string_view text) {
    const auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text == "Y" || text == "y";
}

void AddRules(plat::TXmlWriter& out, const char* name, const std::vector<TRuleLoRa>& rules,
              std::span<const TRuleField> fields) {
    out.StartElement(name);
    for (const TRuleLoRa& r : rules) {
        out.StartElement("Rule");
        for (const TRuleField& f : fields) out.Attribute(f.attribute, f.flag ? YN(r.*f.flag) : std::string_view(r.*f.text));
        out.EndElement();
    }
    out.EndElement();
}

// Written straight as text: a full gateway has tens of thousands of rule
// elements, and building them as a document first cost more than printing.
std::string WriteDocument(const TLoRaWANConfig& config) {
    plat::TXmlWriter out;
    // About what a device with its rules takes, so the text grows only rarely.
    out.Reserve(256 + config.Devices.size() * 2048);
    out.StartElement("LoRaWAN_Gateway");
    out.StartElement("LoRaWAN_Devices_List");
    for (const auto& d : config.Devices) {
        if (base::Trim(d.DeviceEUI).empty()) continue;
        out.StartElement("LoRaWAN_Device");
        out.Attribute("Enable", YN(d.Enable));
        for (const TDeviceField& f : Device_Text_Fields) out.Attribute(f.attribute, d.*f.text);
        out.StartElement("LoRaWAN_Rules");
        AddRules(out, "LoRaWAN_UpLink_Rules", d.UpLinkRules, UpLink_Rule_Fields);
        AddRules(out, "LoRaWAN_DownLink_Rules", d.DownLinkRules, DownLink_Rule_Fields);
        out.EndElement();
        out.EndElement();
    }
    out.EndElement();
    out.EndElement();
    out.Comment(shell::Project_XML_Version);
    return out.Take();
}

static_assert(Device_Attribute_Names.size() <= plat::TXmlFields::Capacity &&
              UpLink_Attribute_Names.size() <= plat::TXmlFields::Capacity &&
              DownLink_Attribute_Names.size() <= plat::TXmlFields::Capacity);

// The message for a required attribute missing, with where it was looked
// for ("uplink rule 3 of device 7"): put into words only when it is needed,
// since a full file has tens of thousands of rules.
bool MissingAttribute(std::string* error, std::string_view prefix, const char* name, const char* kind,
                      int number, std::string_view owner) {
    if (error) {
        *error = std::string(prefix) + "attribute \"" + name + "\" is missing in " + kind +
                 std::to_string(number) + std::string(owner);
    }
    return false;
}

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

// A rule with a required attribute missing is refused whole, so the
// message names the first one missing in field order.
bool ReadRules(const plat::TXmlNode& parent, std::span<const TRuleField> fields,
               std::span<const std::string_view> names, const char* kind, const std::string& where,
               const std::string& prefix, plat::TXmlFields& v, std::vector<TRuleLoRa>& out,
               size_t& expected, std::string* error) {
    // Siblings are walked in order: counting and indexing would look each
    // rule up again through the list. Devices mostly carry as many rules as
    // the one before, so the list is sized for that many and grows only
    // when it holds more.
    out.reserve(out.size() + expected);
    int k = 0;
    for (plat::TXmlNode rn = parent.FirstChild(); rn; rn = rn.NextSibling(), ++k) {
        v.Read(rn, names);
        // A copy of a blank rule: a rule made in the list from nothing is
        // first cleared byte by byte, then given its blank fields.
        static const TRuleLoRa Blank;
        TRuleLoRa& r = out.emplace_back(Blank);
        for (size_t i = 0; i < fields.size(); ++i) {
            const TRuleField& f = fields[i];
            if (!v.Has(i) && f.required) {
                out.pop_back();
                return MissingAttribute(error, prefix, f.attribute, kind, k + 1, where);
            }
            if (f.flag)
                r.*f.flag = IsYes(v.Value(i));
            else if (v.Has(i))
                (r.*f.text).assign(v.Value(i));
        }
    }
    expected = static_cast<size_t>(k);
    return true;
}

}  // namespace

std::string LoRaWANToXml(const TLoRaWANConfig& config) {
    return WriteDocument(config);
}

bool SaveLoRaWAN(const TLoRaWANConfig& config, const std::string& path, std::string* error) {
    return base::WriteFileAtomic(path, WriteDocument(config), error);
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
    // An end node holds one device: only the first is read.
    const int count = modeMaster ? std::numeric_limits<int>::max() : 1;
    config.Devices.reserve(static_cast<size_t>(std::min(count, list.ChildCount())));
    int i = 0;
    plat::TXmlFields v;
    plat::TXmlFields upFields;
    plat::TXmlFields downFields;
    size_t upCount = 0, downCount = 0;
    for (plat::TXmlNode node = list.FirstChild(); node && i < count; node = node.NextSibling(), ++i) {
        const std::string where = " of device " + std::to_string(i + 1);
        TDeviceLoRa d;
        v.Read(node, Device_Attribute_Names);
        d.Enable = v.Value(0) == "Y";
        for (size_t f = 0; f < std::size(Device_Text_Fields); ++f) {
            const TDeviceField& field = Device_Text_Fields[f];
            if (!v.Has(f + 1) && field.required)
                return MissingAttribute(error, prefix, field.attribute, "device ", i + 1, "");
            if (v.Has(f + 1)) (d.*field.text).assign(v.Value(f + 1));
        }

        const plat::TXmlNode rules = node.FindNode("LoRaWAN_Rules");
        if (!rules) return MissingElement(error, fileName, "LoRaWAN_Rules", where);
        const plat::TXmlNode up = rules.FindNode("LoRaWAN_UpLink_Rules");
        if (!up) return MissingElement(error, fileName, "LoRaWAN_UpLink_Rules", where);
        if (!ReadRules(up, UpLink_Rule_Fields, UpLink_Attribute_Names, "uplink rule ", where, prefix,
                       upFields, d.UpLinkRules, upCount, error))
            return false;
        const plat::TXmlNode down = rules.FindNode("LoRaWAN_DownLink_Rules");
        if (!down) return MissingElement(error, fileName, "LoRaWAN_DownLink_Rules", where);
        if (!ReadRules(down, DownLink_Rule_Fields, DownLink_Attribute_Names, "downlink rule ", where, prefix,
                       downFields, d.DownLinkRules, downCount, error))
            return false;
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
