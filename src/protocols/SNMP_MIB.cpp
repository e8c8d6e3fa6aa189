#include "protocols/SNMP_MIB.h"

#include <map>
#include <ostream>
#include <sstream>

#include "base/Files.h"
#include "base/StrUtils.h"
#include "platform/XmlDom.h"
#include "protocols/SNMPTables.h"
#include "shell/Comon.h"

namespace proto {

namespace {

// The maker's constants the module carries.
constexpr const char* Organisation = "Vekrun";
constexpr const char* Contact_Street = "Industrial Road 12";
constexpr const char* Contact_Town = "00000 Vekrun Town";
constexpr const char* Contact_Country = "Vekrun Land";
constexpr const char* Contact_Mail = "E-mail: support@vekrun.example";
constexpr int Enterprise_Number = 99999;

// Names the module defines or imports, not counting the numbered ones.
const char* const Fixed_Names[] = {
    "identity",     "vekrun",        "gateway",       "application",   "data",          "hellostring",
    "countin",      "countout",      "bufferin",      "bufferinval",   "bufferout",     "bufferoutval",
    "traps",        "trapsval",      "enterprises",   "bufferinblk1",  "bufferinblk2",  "bufferinblk3",
    "bufferinblk4", "bufferinblk5",  "bufferinblk6",  "bufferinblk7",  "bufferinblk8",  "bufferoutblk1",
    "bufferoutblk2", "bufferoutblk3", "bufferoutblk4", "bufferoutblk5", "bufferoutblk6", "bufferoutblk7",
    "bufferoutblk8"};

// Prefixes of the names the module numbers itself.
const char* const Numbered_Names[] = {"trapval", "bufferinval", "bufferoutval"};

void Refuse(std::string* Error, const std::string& Text) {
    if (Error) *Error = Text;
}

std::string Quoted(const std::string& Text) {
    return "\"" + Text + "\"";
}

bool Read_Section(const plat::TXmlNode& Root, const char* Section, std::vector<TMibObject>& Out) {
    Out.clear();
    const plat::TXmlNode list = Root.FindNode(Section);
    if (!list) return true;
    int file_row = 0;
    for (plat::TXmlNode row = list.FirstChild(); row; row = row.NextSibling()) {
        if (row.Name() != "row") continue;
        ++file_row;
        if (base::UpperCase(row.Attribute("Enable")) != "Y") continue;
        Out.push_back({row.Attribute("Description"), base::UpperCase(row.Attribute("Type")) == "INT", file_row});
    }
    return true;
}

const char* Section_Name(bool Read) {
    return Read ? "SNMP_Trap_Read" : "SNMP_Trap_Write";
}

bool Check_Section(const std::vector<TMibObject>& Objects, bool Read, std::map<std::string, std::string>& Names,
                   std::string* Error) {
    const std::string section = Section_Name(Read);
    if (Objects.size() > static_cast<size_t>(MIB_Max_Objects)) {
        Refuse(Error, "\"SNMP_Trap.xml\": the section \"" + section + "\" holds " + std::to_string(Objects.size()) +
                          " enabled rows; the agent holds at most " + std::to_string(MIB_Max_Objects));
        return false;
    }
    for (size_t i = 0; i < Objects.size(); ++i) {
        const TMibObject& o = Objects[i];
        const std::string where =
            "\"SNMP_Trap.xml\": section \"" + section + "\", row " + std::to_string(o.File_Row) + ": ";
        if (!o.Description.empty()) {
            if (Check_Error_CommName_Desc(o.Description, 1) ||
                static_cast<int>(o.Description.size()) > MIB_Max_Name) {
                Refuse(Error, where + "the Description " + Quoted(o.Description) +
                                  " is no MIB name (up to 64 letters and digits, the first a lower-case letter)");
                return false;
            }
            if (MIB_Fixed_Name(o.Description)) {
                Refuse(Error, where + "the Description " + Quoted(o.Description) + " is a name the MIB uses itself");
                return false;
            }
        }
        const std::string name = MIB_Object_Name(o, static_cast<int>(i) + 1, Read);
        const std::string here = "section \"" + section + "\", row " + std::to_string(o.File_Row);
        if (const auto [it, added] = Names.emplace(name, here); !added) {
            Refuse(Error, where + "the object name " + Quoted(name) + " is already given in " + it->second);
            return false;
        }
    }
    return true;
}

// The module's text, one entry per line.
class TLines {
public:
    void Add(std::string Line) { lines_.push_back(std::move(Line)); }
    std::string Text() const {
        std::string text;
        for (const std::string& l : lines_) text += l + "\r\n";
        return text;
    }

private:
    std::vector<std::string> lines_;
};

const std::string Q = "\"";

std::string Object_Line(const std::string& Name, bool Integer, const char* Access, const std::string& Description,
                        const std::string& Parent, int Index) {
    return Name + " OBJECT-TYPE SYNTAX " + (Integer ? "INTEGER" : "OCTET STRING") + " MAX-ACCESS " + Access +
           " STATUS current DESCRIPTION " + Q + Description + Q + " ::= { " + Parent + " " +
           std::to_string(Index) + " }";
}

void Write_Header(TLines& L) {
    L.Add("GATEWAY DEFINITIONS ::= BEGIN");
    L.Add("IMPORTS");
    L.Add("       MODULE-IDENTITY,OBJECT-TYPE,NOTIFICATION-TYPE,enterprises");
    L.Add("         FROM SNMPv2-SMI;");
    L.Add("");
    L.Add("identity MODULE-IDENTITY");
    L.Add("    LAST-UPDATED " + Q + "201701310000Z" + Q);
    L.Add("    ORGANIZATION " + Q + Organisation + Q);
    L.Add("    CONTACT-INFO");
    L.Add(std::string("\t ") + Q + Contact_Street);
    L.Add(std::string("    ") + Contact_Town);
    L.Add(std::string("    ") + Contact_Country);
    L.Add(std::string("    ") + Contact_Mail + Q);
    L.Add("    DESCRIPTION");
    L.Add("\t" + Q + "MIB objects for agent module " + Q);
    L.Add("    REVISION     " + Q + "201701310000Z" + Q);
    L.Add("    DESCRIPTION");
    L.Add("\t" + Q + "Corrected notification " + Q);
    L.Add("    REVISION     " + Q + "200202060000Z" + Q);
    L.Add("    DESCRIPTION");
    L.Add("\t" + Q + "First draft" + Q);
    L.Add("    ::= { vekrun 2 }");
    L.Add("vekrun          OBJECT IDENTIFIER ::= { enterprises " + std::to_string(Enterprise_Number) + " }");
    L.Add("gateway OBJECT IDENTIFIER::= { vekrun 1 }");
    L.Add("application OBJECT IDENTIFIER::= { gateway 1 }");
    L.Add("data OBJECT IDENTIFIER::= { application 1 }");
    L.Add("hellostring OBJECT-TYPE SYNTAX OCTET STRING MAX-ACCESS read-only  STATUS current  DESCRIPTION " + Q + Q +
          " ::= { data 1}");
    L.Add("countin  OBJECT-TYPE SYNTAX INTEGER       MAX-ACCESS read-only  STATUS current  DESCRIPTION " + Q + Q +
          " ::= { data 2}");
    L.Add("countout  OBJECT-TYPE SYNTAX INTEGER       MAX-ACCESS read-write STATUS current  DESCRIPTION " + Q + Q +
          " ::= { data 3}");
}

void Write_Direction(TLines& L, const std::vector<TMibObject>& Objects, bool Read) {
    const std::string buffer = Read ? "bufferin" : "bufferout";
    const char* access = Read ? "read-only" : "read-write";
    L.Add(buffer + " OBJECT IDENTIFIER::= { data " + (Read ? "4" : "5") + " }");
    for (int k = 1; k <= 8; ++k)
        L.Add(Object_Line(buffer + "blk" + std::to_string(k), false, access, "data block n." + std::to_string(k),
                          buffer, k));
    L.Add(" " + buffer + "val OBJECT IDENTIFIER::= { " + buffer + " 9 }");
    for (size_t i = 0; i < Objects.size(); ++i) {
        const int n = static_cast<int>(i) + 1;
        L.Add(Object_Line(MIB_Object_Name(Objects[i], n, Read), Objects[i].Integer, access, Objects[i].Description,
                          buffer + "val", n));
    }
}

std::string Build_MIB_Text(const TMibData& Data) {
    TLines L;
    Write_Header(L);
    Write_Direction(L, Data.Read, true);
    Write_Direction(L, Data.Write, false);
    L.Add("traps OBJECT IDENTIFIER::= { application 2 }");
    L.Add(" trapsval OBJECT IDENTIFIER::= { traps 1 }");
    // A notification names the object whose value it carries; the module is
    // SMIv2, whose notifications have no SYNTAX or MAX-ACCESS of their own.
    for (size_t i = 0; i < Data.Read.size(); ++i) {
        const int n = static_cast<int>(i) + 1;
        L.Add("trapval" + std::to_string(n) + " NOTIFICATION-TYPE OBJECTS { " +
              MIB_Object_Name(Data.Read[i], n, true) + " } STATUS current DESCRIPTION " + Q +
              Data.Read[i].Description + Q + " ::= { trapsval " + std::to_string(n) + " }");
    }
    L.Add("END");
    return L.Text();
}

}  // namespace

bool MIB_Fixed_Name(std::string_view Name) {
    for (const char* fixed : Fixed_Names)
        if (Name == fixed) return true;
    for (const std::string_view prefix : Numbered_Names) {
        if (Name.size() <= prefix.size() || Name.substr(0, prefix.size()) != prefix) continue;
        const std::string_view rest = Name.substr(prefix.size());
        if (rest.find_first_not_of("0123456789") == std::string_view::npos) return true;
    }
    return false;
}

std::string MIB_Object_Name(const TMibObject& Object, int Ordinal, bool Read) {
    if (!Object.Description.empty()) return Object.Description;
    return (Read ? "bufferinval" : "bufferoutval") + std::to_string(Ordinal);
}

bool Read_SNMP_Trap_List(const plat::TXmlDocument& Doc, TMibData& Data, std::string* Error,
                         const std::string& File_Name) {
    Data = {};
    const plat::TXmlNode root = Doc.Root();
    if (!root || root.Name() != "SNMP_Trap") {
        Refuse(Error, Quoted(File_Name) + ": the root element is not \"SNMP_Trap\"");
        return false;
    }
    return Read_Section(root, Section_Name(true), Data.Read) && Read_Section(root, Section_Name(false), Data.Write);
}

bool Load_SNMP_Trap_List(const std::string& Path, TMibData& Data, std::string* Error) {
    Data = {};
    if (!base::FileExists(Path)) return true;
    plat::TXmlDocument doc;
    std::string why;
    if (!doc.LoadFromFile(Path, &why)) {
        Refuse(Error, Quoted(base::ExtractFileName(Path)) + ": " + why);
        return false;
    }
    return Read_SNMP_Trap_List(doc, Data, Error, base::ExtractFileName(Path));
}

bool Check_MIB_Data(const TMibData& Data, std::string* Error) {
    std::map<std::string, std::string> names;
    return Check_Section(Data.Read, true, names, Error) && Check_Section(Data.Write, false, names, Error);
}

bool TMibWriter::Write(const TMibData& Data, std::ostream& Out) {
    error_.clear();
    if (!Check_MIB_Data(Data, &error_)) return false;
    Out << Build_MIB_Text(Data);
    if (!Out) {
        error_ = "The MIB text could not be written";
        return false;
    }
    return true;
}

bool TMibWriter::Save(const TMibData& Data, const std::string& Path) {
    std::ostringstream text;
    if (!Write(Data, text)) return false;
    return base::WriteFileAtomic(Path, text.str(), &error_);
}

bool Write_MIB_File(const std::string& File_Name, std::string* Error) {
    shell::MIB_Read_List.Clear();
    shell::MIB_Write_List.Clear();
    TMibData data;
    if (!Load_SNMP_Trap_List(shell::SNMP_Trap_File, data, Error)) return false;
    for (const TMibObject& o : data.Read) shell::MIB_Read_List.Add(o.Description);
    for (const TMibObject& o : data.Write) shell::MIB_Write_List.Add(o.Description);
    TMibWriter writer;
    if (writer.Save(data, File_Name)) return true;
    if (Error) *Error = writer.ErrorString();
    return false;
}

}  // namespace proto
