#include "gateway/EthernetUpdateFile.h"

#include <vector>

#include "base/Files.h"
#include "platform/XmlDom.h"

namespace gw {

namespace {

enum TFileKind { File_Firmware, File_Bank1, File_Bank2 };

std::vector<TFileKind> FilesOf(int option) {
    switch (option) {
        case Update_Firmware_And_Configuration:
            return {File_Firmware, File_Bank1, File_Bank2};
        case Update_Firmware:
            return {File_Firmware};
        case Update_Configuration:
            return {File_Bank1, File_Bank2};
        default:
            return {};
    }
}

void AddText(plat::TXmlNode parent, const char* name, const std::string& text) {
    parent.AddChild(name).SetText(text);
}

void AddOperation(plat::TXmlNode operations, TFileKind kind, const TEthernetUpdateParams& p) {
    plat::TXmlNode op = operations.AddChild("Operation");
    // What tells the three files apart; every other setting of an operation
    // is the same for all.
    struct TFileOperation {
        std::string fileName;
        const char* startAddress;
        const char* bankType;
        const char* writeCss;
        const char* goToApp;
    };
    const std::string binDir = base::JoinPath(p.confPath, "bin");
    TFileOperation f{{}, "", "", "", ""};
    switch (kind) {
        case File_Firmware:
            // Alone, the firmware is the last file sent, so it restarts the device.
            f = {base::JoinPath(p.masterDir, Firmware_File_Name), "0x8000", "1", "1",
                 p.option == Update_Firmware ? "1" : "0"};
            break;
        case File_Bank1:
            f = {base::JoinPath(binDir, "bank1.bin"), "0x07000", "2", "0", "0"};
            break;
        case File_Bank2:
            f = {base::JoinPath(binDir, "bank2.bin"), "0x80000", "2", "0", "1"};
            break;
    }
    AddText(op, "Ope_Protection_Enabled", "");
    AddText(op, "Ope_GoToBoot_Before", "0");
    AddText(op, "Ope_GoToApp_Before", "0");
    AddText(op, "Ope_IP_Address", "");
    AddText(op, "Ope_Port", "2008");
    AddText(op, "Ope_Port_Sec", "2007");
    AddText(op, "Ope_Erase_Memory", "0");
    AddText(op, "Ope_FileName", f.fileName);
    AddText(op, "Ope_Start_Address", f.startAddress);
    AddText(op, "Ope_Memory_Type", "0");
    AddText(op, "Ope_Bank_Type", f.bankType);
    AddText(op, "Ope_Read_Back", p.readBack ? "1" : "0");
    AddText(op, "Ope_Write_CSS", f.writeCss);
    AddText(op, "Ope_Address_CSS", "0x07A00");
    AddText(op, "Ope_Command_CSS", "0x02");
    AddText(op, "Ope_Write_Internal_Data", "0");
    AddText(op, "Ope_WID_Address", "0x07810");
    AddText(op, "Ope_WID_Command", "0x02");
    AddText(op, "Ope_WID_Data", "0x00, 0x00, 0x00, 0x01");
    AddText(op, "Ope_GoToApp_After", f.goToApp);
}

void Build(plat::TXmlDocument& doc, const TEthernetUpdateParams& p) {
    doc.Clear();
    plat::TXmlNode root = doc.AddRoot("Ethernet_Update");
    AddText(root, "Version", "1000");
    AddText(root, "Title", "Vekrun - QP4A902 Ethernet Update");
    AddText(root, "IP_Address_Dev", p.ipAddress);
    AddText(root, "Application_Port", "10000");
    AddText(root, "Boot_Port", "2008");
    AddText(root, "Boot_Port_Sec", "2007");
    AddText(root, "Address_Protection", "0x07800");
    AddText(root.AddChild("Protections"), "Protection", "0x6D1");
    plat::TXmlNode operations = root.AddChild("Operations");
    for (TFileKind kind : FilesOf(p.option)) AddOperation(operations, kind, p);
}

}  // namespace

std::string EthernetUpdateToXml(const TEthernetUpdateParams& params) {
    plat::TXmlDocument doc;
    Build(doc, params);
    return doc.SaveToString();
}

bool SaveEthernetUpdate(const TEthernetUpdateParams& params, const std::string& path, std::string* error) {
    plat::TXmlDocument doc;
    Build(doc, params);
    return doc.SaveToFile(path, error);
}

}  // namespace gw
