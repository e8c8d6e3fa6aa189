#include "protocols/Profibus_GSD.h"

#include <initializer_list>
#include <ostream>
#include <sstream>

#include "base/Files.h"
#include "base/StrUtils.h"
#include "platform/XmlDom.h"
#include "shell/Comon.h"
#include "shell/Language.h"

namespace proto {

namespace {

// The maker's contact lines of the header box and its PROFIBUS ident number.
const char* const Contact_Lines[] = {
    "Vekrun Gateways Ltd.",       "Industrial Road 1",      "00000 Gateway Town",
    "Province - Country",         "Tel.: +00 000 0000000",  "Fax: +00 000 0000001",
    "E-Mail: info@vekrun.example",
};
constexpr const char* Ident_Number = "0x0D5A";

class TGsdLines {
public:
    void Line(const std::string& Text) { text_ += Text + "\r\n"; }
    void Empty(int Count = 1) {
        for (int i = 0; i < Count; ++i) text_ += "\r\n";
    }
    void Box_Rule() { Line(";* " + std::string(80, '=') + " *"); }
    void Box_Empty() { Line(";*" + std::string(82, ' ') + "*"); }
    void Box_Text(const std::string& Text) {
        std::string line = ";* " + Text;
        if (line.size() < 84) line.append(84 - line.size(), ' ');
        Line(line + "*");
    }
    // A rule of Width "=", the title padded to the same length, the rule again.
    void Heading(const std::string& Title, int Width) {
        const std::string rule = ";" + std::string(static_cast<size_t>(Width), '=');
        std::string title = ";==== " + Title + " ";
        if (title.size() < rule.size()) title.append(rule.size() - title.size(), '=');
        Line(rule);
        Line(title);
        Line(rule);
    }
    const std::string& Text() const { return text_; }

private:
    std::string text_;
};

std::string Hex2(int Value) {
    return base::IntToHex(static_cast<uint32_t>(Value), 2);
}

void Write_Header(TGsdLines& L) {
    L.Line(";");
    L.Line(";***************** PROFIBUS Slave / LoRaWAN Gateway - Converter *********************");
    L.Box_Rule();
    L.Box_Empty();
    for (const char* line : Contact_Lines) L.Box_Text(line);
    L.Box_Empty();
    L.Box_Rule();
    L.Box_Empty();
    L.Box_Text("Function:       PROFIBUS Slave / LoRaWAN Gateway - Converter");
    L.Box_Empty();
    L.Box_Empty();
    L.Box_Text("Order Number : KV4C213");
    L.Box_Empty();
    L.Box_Empty();
    L.Line(";" + std::string(84, '*'));
    L.Empty(2);
    L.Line("#Profibus_DP");
    L.Empty(2);
}

void Write_Parameter_Texts(TGsdLines& L) {
    L.Heading("Prm-Text-Def-List", 84);
    L.Empty();
    for (const char* line : {"PrmText=1", "Text(0)=\"disable\"", "Text(1)=\"enable\"", "EndPrmText"}) L.Line(line);
    L.Empty();
    for (const char* line : {"PrmText  = 2", "Text(0)  = \"clock up\"", "Text(1)  = \"clock down\"", "EndPrmText"})
        L.Line(line);
    L.Empty();
    L.Line("PrmText  = 3");
    for (int i = 1; i <= 5; ++i) L.Line("Text(" + std::to_string(i) + ")  = \"" + std::to_string(10 * i) + "\"");
    L.Line("EndPrmText");
    L.Empty(2);

    L.Heading("Ext-User-Prm-Data-Def-List", 85);
    L.Empty();
    struct TDefinition {
        const char* Name;
        const char* Type;
        const char* Reference;
    };
    const TDefinition definitions[] = {
        {"\"[SlotNumber]\"", "Unsigned8 0 0-32", nullptr},
        {"\"Diagnostic Alarm\"", "Bit(0) 0 0-1", "Prm_Text_Ref=1"},
        {"\"Process Alarm\"", "Bit(1) 0 0-1", "Prm_Text_Ref=1"},
        {"\"Counter mode\"", "Unsigned8 0 0-1", "Prm_Text_Ref=2"},
        {"\"Counter timebase (ms)\"", "Unsigned8 1 1-5", "Prm_Text_Ref=3"},
        {"\"Counter high-limit\"", "Unsigned16 65535 0-65535", nullptr},
        {"\"Counter low-limit\"", "Unsigned16 0 0-65535", nullptr},
    };
    int n = 0;
    for (const TDefinition& d : definitions) {
        L.Line("ExtUserPrmData=" + std::to_string(++n) + " " + d.Name);
        L.Line(d.Type);
        if (d.Reference) L.Line(d.Reference);
        L.Line("EndExtUserPrmData");
        L.Empty();
    }
    L.Empty();
}

void Write_General(TGsdLines& L) {
    L.Heading("General DP Keywords", 85);
    L.Empty();
    for (const std::string& line : std::initializer_list<std::string>{"GSD_Revision = 5", "Vendor_Name = \"Vekrun\"", "Model_Name = \"KV4C213\"", "Revision = \"1.00\"",
          "Ident_Number = " + std::string(Ident_Number), "Protocol_Ident = 0", "Station_Type = 0", "FMS_supp = 0",
          "Hardware_Release = \"V1.00\"", "Software_Release = \"V1.00\"", "Redundancy = 0", "Repeater_Ctrl_Sig = 2",
          "24V_Pins = 0"})
        L.Line(line);
    L.Empty(2);

    L.Heading("Supported baudrates", 78);
    L.Empty();
    const struct {
        const char* Rate;
        int Tsdr;
    } rates[] = {{"9.6", 15}, {"19.2", 15}, {"45.45", 15}, {"93.75", 15}, {"187.5", 15},
                 {"500", 15}, {"1.5M", 20}, {"3M", 35},     {"6M", 50},     {"12M", 95}};
    for (const auto& r : rates) L.Line(std::string(r.Rate) + "_supp = 1");
    L.Empty();
    for (const auto& r : rates) L.Line("MaxTsdr_" + std::string(r.Rate) + "=" + std::to_string(r.Tsdr));
    L.Empty(2);
}

void Write_Slave(TGsdLines& L, const TProfibusParams& P, int Modules) {
    L.Heading("Slave specific values", 78);
    L.Empty();
    L.Line("OrderNumber=\"KV4C213\"");
    L.Line("Slave_Family = 9@Vekrun@KV4C213");
    L.Line("Implementation_Type = \"VPC3+\"");
    L.Line("Info_Text=\"Vekrun: PROFIBUS Slave / LoRaWAN Gateway - Converter\"");
    L.Line("Bitmap_Device = \"DPV0_1N\"");
    L.Line("Bitmap_SF=\"DPV0_1S\"");
    L.Empty();
    for (const char* line :
         {"Freeze_Mode_supp=1", "Sync_Mode_supp=1", "Fail_Safe=1", "Auto_Baud_supp=1", "Set_Slave_Add_supp=0"})
        L.Line(line);
    L.Empty();
    L.Line("Min_Slave_Intervall=6");
    L.Empty();
    L.Line("Modular_Station=1");
    L.Line("Max_Module=" + std::to_string(Modules));
    L.Line("Modul_Offset=1");
    L.Line("Max_Input_Len=" + std::to_string(P.Output_Bytes));
    L.Line("Max_Output_Len=" + std::to_string(P.Input_Bytes));
    L.Line("Max_Data_Len=" + std::to_string(static_cast<long long>(P.Output_Bytes) + P.Input_Bytes));
    L.Line("Max_Diag_Data_Len=15");
    L.Empty();
    L.Line("WD_Base_1ms_supp = 1");
    L.Line("Publisher_supp = 1");
    L.Empty();

    L.Heading("User-Prm-Data", 78);
    L.Empty();
    L.Line("Max_User_Prm_Data_Len = 12");
    L.Line("Ext_User_Prm_Data_Const(0)= 0x00,0x00,0x00");
    L.Empty();

    L.Heading("Modulstatus", 78);
    L.Empty();
    for (int slot = 1; slot <= 2; ++slot) {
        const std::string s = std::to_string(slot);
        L.Line("Unit_Diag_Area = " + std::to_string(22 + 2 * slot) + " - " + std::to_string(23 + 2 * slot));
        L.Line("Value(1)= \"Slot " + s + ": Module error\"");
        L.Line("Value(2)= \"Slot " + s + ": Wrong module\"");
        L.Line("Value(3)= \"Slot " + s + ": No module\"");
        L.Line("Unit_Diag_Area_End");
    }
    L.Empty(2);
}

// The modules of one direction, numbered on from First: full modules of 64
// bytes, the last one with the rest.
void Write_Modules(TGsdLines& L, const char* Name, const char* Identifier, int Bytes, int& Number) {
    const int count = GSD_Module_Count(Bytes);
    for (int m = 1; m <= count; ++m) {
        const int k = ++Number;
        const int length = m < count ? 64 : Bytes - 64 * (count - 1);
        L.Line("Module=\"" + std::string(Name) + "  (PORT" + std::to_string(k) + ")    \" " + Identifier + ",0x" +
               Hex2(length - 1) + ",0x00,0x" + Hex2(k));
        L.Line(std::to_string(k));
        L.Line("EndModule");
    }
}

}  // namespace

bool Read_PROFIBUS_Param(const std::string& ParGen_Path, TProfibusParams& Params, std::string* Error) {
    Params = TProfibusParams{};
    if (!base::FileExists(ParGen_Path)) {
        if (Error) *Error = shell::Lang_Texts[1504];
        return false;
    }
    plat::TXmlDocument doc;
    if (!doc.LoadFromFile(ParGen_Path, Error)) return false;
    const plat::TXmlNode root = doc.Root();
    Params.Input_Bytes = base::StrToIntDef(root.FindNode("PROFINET_NB_IN").Text(), 0);
    Params.Output_Bytes = base::StrToIntDef(root.FindNode("PROFINET_NB_OUT").Text(), 0);
    return true;
}

int GSD_Module_Count(int Bytes) {
    return Bytes > 0 ? static_cast<int>((static_cast<long long>(Bytes) + 63) / 64) : 0;
}

bool Write_GSD(const TProfibusParams& Params, std::ostream& Out, std::string* Error) {
    // A negative count is no data: the lengths the master checks cannot be
    // below 0.
    TProfibusParams p = Params;
    if (p.Input_Bytes < 0) p.Input_Bytes = 0;
    if (p.Output_Bytes < 0) p.Output_Bytes = 0;
    const int modules = GSD_Module_Count(p.Output_Bytes) + GSD_Module_Count(p.Input_Bytes);
    if (modules > GSD_Max_Modules) {
        if (Error)
            *Error = "The gateway's " + std::to_string(p.Input_Bytes) + " input and " +
                     std::to_string(p.Output_Bytes) + " output bytes need " + std::to_string(modules) +
                     " modules of 64 bytes; a GSD file describes at most " + std::to_string(GSD_Max_Modules);
        return false;
    }
    TGsdLines L;
    Write_Header(L);
    Write_Parameter_Texts(L);
    Write_General(L);
    Write_Slave(L, p, modules);
    L.Heading("Module-Definition-List", 78);
    L.Empty();
    int number = 0;
    // The master's inputs are the gateway's outputs.
    Write_Modules(L, "DI", "0x42", p.Output_Bytes, number);
    Write_Modules(L, "DO", "0x82", p.Input_Bytes, number);
    L.Empty(3);
    L.Line("SlotDefinition");
    for (int s = 1; s <= modules; ++s) {
        const std::string n = std::to_string(s);
        L.Line("Slot(" + n + ") = \"Slot " + n + "\" " + n + " " + n);
    }
    L.Line("EndSlotDefinition");
    L.Empty(4);
    Out << L.Text();
    if (!Out) {
        if (Error) *Error = "The GSD text could not be written";
        return false;
    }
    return true;
}

std::string With_Gsd_Extension(const std::string& File_Name) {
    const bool has = File_Name.size() >= 4 && base::SameText(File_Name.substr(File_Name.size() - 4), ".gsd");
    return has ? File_Name : File_Name + ".gsd";
}

bool Save_GSD(const TProfibusParams& Params, const std::string& Path, std::string* Error) {
    std::ostringstream text;
    if (!Write_GSD(Params, text, Error)) return false;
    return base::WriteFileAtomic(Path, text.str(), Error);
}

bool Write_GSD_File(const std::string& File_Name, std::string* Error) {
    TProfibusParams params;
    return Read_PROFIBUS_Param(shell::ParGen_File, params, Error) && Save_GSD(params, File_Name, Error);
}

}  // namespace proto
