#include "protocols/OPC_UA_Client_File.h"

#include <stdexcept>

#include "base/Files.h"
#include "base/StrUtils.h"
#include "platform/XmlDom.h"

namespace proto {

using plat::TXmlNode;

namespace {

constexpr const char* Root_Name = "OPC_UA_Client";

struct TServerText {
    const char* attribute;
    std::string TOPC_UA_Server::*field;
};

constexpr TServerText Server_Texts[] = {
    {"ServerAddress", &TOPC_UA_Server::ServerAddress}, {"Authorization", &TOPC_UA_Server::Authorization},
    {"UserName", &TOPC_UA_Server::UserName},           {"Password", &TOPC_UA_Server::Password},
    {"Certificate", &TOPC_UA_Server::Certificate},     {"PrivateKey", &TOPC_UA_Server::PrivateKey},
    {"SecurityType", &TOPC_UA_Server::SecurityType},   {"SecurityPolicy", &TOPC_UA_Server::SecurityPolicy},
    {"Mnemonic", &TOPC_UA_Server::Mnemonic}};

const char* Flag(bool On) { return On ? "1" : "0"; }

void Write_Variable(TXmlNode Parent, const TOPC_UA_Variable& v, bool Write_List) {
    TXmlNode e = Parent.AddChild("Variable");
    e.AppendAttribute("Enable", Flag(v.Enable));
    e.AppendAttribute("DisplayName", v.DispalyName);
    e.AppendAttribute("NodeType", v.NodeType());
    e.AppendAttribute("NodeID", v.NodeID());
    e.AppendAttribute("VarType", v.VarType());
    e.AppendAttribute("NameSpaceIndex", std::to_string(v.nameSpaceIndex));
    e.AppendAttribute("VarArray", Write_List ? "Var" : v.VarArray);
    e.AppendAttribute("Start", Write_List ? "0" : v.Start);
    e.AppendAttribute("Length", Write_List ? "0" : v.Len);
    e.AppendAttribute("OnChange", Flag(v.OnChange == "Y"));
    e.AppendAttribute("OnCMD", Flag(v.OnCMD == "Y"));
    e.AppendAttribute("OnTimer", Flag(v.OnTimer == "Y"));
    e.AppendAttribute("Time", v.Time);
    e.AppendAttribute("Position", v.Position);
    e.AppendAttribute("Mnemonic", v.Mnemonic);
}

void Build(const TOPC_UA_Server_List& Servers, plat::TXmlDocument& Doc) {
    Doc.Clear();
    TXmlNode list = Doc.AddRoot(Root_Name).AddChild("OPC_UA_Server_List");
    for (const TOPC_UA_Server& s : Servers) {
        TXmlNode e = list.AddChild("OPC_UA_Server");
        e.AppendAttribute("Enable", Flag(s.Enable));
        for (const TServerText& t : Server_Texts) e.AppendAttribute(t.attribute, s.*t.field);
        TXmlNode vars = e.AddChild("OPC_UA_Variables");
        TXmlNode read = vars.AddChild("OPC_UA_Read_Var");
        TXmlNode write = vars.AddChild("OPC_UA_Write_Var");
        for (const TOPC_UA_Variable& v : s.Var_List_R) Write_Variable(read, v, false);
        for (const TOPC_UA_Variable& v : s.Var_List_W) Write_Variable(write, v, true);
    }
}

// A fault of the file: where it is and what is missing.
struct TFileFault : std::runtime_error {
    using std::runtime_error::runtime_error;
};

TXmlNode Need_Element(const TXmlNode& Parent, const char* Name, const std::string& Where) {
    TXmlNode e = Parent.FindNode(Name);
    if (!e) throw TFileFault(Where + ": the element <" + Name + "> is missing");
    return e;
}

std::string Need(const TXmlNode& e, const char* Attribute, const std::string& Where) {
    std::string value;
    if (!e.GetAttribute(Attribute, value))
        throw TFileFault(Where + ": the attribute \"" + Attribute + "\" is missing");
    return value;
}

std::string Flag_Y(const TXmlNode& e, const char* Attribute) {
    return e.AttributeView(Attribute) == "1" ? "Y" : "N";
}

TOPC_UA_Variable Read_Variable(const TXmlNode& e, const std::string& Where) {
    TOPC_UA_Variable v;
    v.Enable = e.AttributeView("Enable") == "1";
    v.DispalyName = Need(e, "DisplayName", Where);
    // The identifier is read by its kind: the kind comes first.
    v.SetNodeType(Need(e, "NodeType", Where));
    v.SetNodeID(Need(e, "NodeID", Where));
    v.SetVarType(Need(e, "VarType", Where));
    const std::string ns = Need(e, "NameSpaceIndex", Where);
    // An index outside 16 bits is refused: cut down it would name another
    // namespace of the server.
    int index = 0;
    if (!base::TryStrToInt(ns, index) || index < 0 || index > 0xFFFF)
        throw TFileFault(Where + ": the name space index \"" + ns + "\" is not a number from 0 to 65535");
    v.nameSpaceIndex = static_cast<uint16_t>(index);
    v.VarArray = e.Attribute("VarArray", "Variable");
    v.Start = e.Attribute("Start", "0");
    v.Len = e.Attribute("Length", "0");
    v.OnChange = Flag_Y(e, "OnChange");
    v.OnCMD = Flag_Y(e, "OnCMD");
    v.OnTimer = Flag_Y(e, "OnTimer");
    v.Time = Need(e, "Time", Where);
    v.Position = Need(e, "Position", Where);
    v.Mnemonic = Need(e, "Mnemonic", Where);
    return v;
}

void Read_Variables(const TXmlNode& List, std::vector<TOPC_UA_Variable>& Vars, const std::string& Where) {
    int n = 1;
    for (TXmlNode e = List.FirstChild(); e; e = e.NextSibling(), ++n)
        Vars.push_back(Read_Variable(e, Where + " variable " + std::to_string(n)));
}

void Read(const plat::TXmlDocument& Doc, TOPC_UA_Server_List& Servers) {
    const TXmlNode root = Doc.Root();
    if (!root || root.Name() != Root_Name) throw TFileFault(std::string("the element <") + Root_Name + "> is missing");
    const TXmlNode list = Need_Element(root, "OPC_UA_Server_List", Root_Name);
    int n = 1;
    for (TXmlNode e = list.FirstChild(); e; e = e.NextSibling(), ++n) {
        const std::string where = "server " + std::to_string(n);
        TOPC_UA_Server s;
        s.Enable = e.AttributeView("Enable") == "1";
        for (const TServerText& t : Server_Texts) s.*t.field = Need(e, t.attribute, where);
        const TXmlNode vars = Need_Element(e, "OPC_UA_Variables", where);
        Read_Variables(Need_Element(vars, "OPC_UA_Read_Var", where), s.Var_List_R, where + ", read");
        Read_Variables(Need_Element(vars, "OPC_UA_Write_Var", where), s.Var_List_W, where + ", write");
        Servers.push_back(std::move(s));
    }
}

std::string Named(std::string_view File_Name, const std::string& What) {
    return (File_Name.empty() ? std::string() : "\"" + std::string(File_Name) + "\": ") + What;
}

bool Read_Document(const plat::TXmlDocument& Doc, TOPC_UA_Server_List& Servers, std::string* Error,
                   std::string_view File_Name) {
    try {
        Read(Doc, Servers);
    } catch (const TFileFault& fault) {
        if (Error) *Error = Named(File_Name, fault.what());
        return false;
    }
    return true;
}

}  // namespace

std::string OPC_UA_Client_To_Xml(const TOPC_UA_Server_List& Servers) {
    plat::TXmlDocument doc;
    Build(Servers, doc);
    return doc.SaveToString();
}

bool Save_OPC_UA_Client(const TOPC_UA_Server_List& Servers, const std::string& Path, std::string* Error) {
    plat::TXmlDocument doc;
    Build(Servers, doc);
    return doc.SaveToFile(Path, Error);
}

bool OPC_UA_Client_From_Xml(std::string_view Xml, TOPC_UA_Server_List& Servers, std::string* Error,
                            std::string_view File_Name) {
    Servers.clear();
    plat::TXmlDocument doc;
    std::string parse_error;
    if (!doc.LoadFromString(Xml, &parse_error)) {
        if (Error) *Error = Named(File_Name, parse_error);
        return false;
    }
    return Read_Document(doc, Servers, Error, File_Name);
}

bool Load_OPC_UA_Client(const std::string& Path, TOPC_UA_Server_List& Servers, std::string* Error) {
    Servers.clear();
    if (!base::FileExists(Path)) return true;
    plat::TXmlDocument doc;
    if (!doc.LoadFromFile(Path, Error)) return false;
    return Read_Document(doc, Servers, Error, Path);
}

}  // namespace proto
