#include "protocols/DNetOffsets.h"

#include "base/Files.h"
#include "base/StrUtils.h"
#include "platform/XmlDom.h"
#include "shell/Language.h"
#include "shell/ProjectXmlFile.h"

namespace proto {

namespace {

const char* const Slave_Attributes[4] = {"ID", "NB_IN", "NB_OUT", "Mnemonic"};

// A count as the network window wrote it: decimal, or hexadecimal after
// "$" or "0x"; the slave takes it in its field's width.
int Count_Of(const std::string& Text, int Row, const char* Name, TOffsetRead& Report) {
    int value = 0;
    if (!base::TryStrToInt(base::Trim(Text), value)) {
        Report.Fail("\"DNETM_Net.xml\": row " + std::to_string(Row) + ": \"" + Text + "\" is no number for " + Name);
        return 0;
    }
    return value;
}

void Read_Slaves(const plat::TXmlNode& Root, TSlaves& Slaves, TOffsetRead& Report) {
    int r = 0;
    for (plat::TXmlNode row = Root.FirstChild(); !row.IsNull(); row = row.NextSibling()) {
        ++r;
        TSlave_DN slave;
        for (int c = 0; c < 4; ++c) {
            if (!row.GetAttribute(Slave_Attributes[c], slave.Row[static_cast<size_t>(c)]))
                Report.Fail("\"DNETM_Net.xml\": row " + std::to_string(r) + " lacks the attribute \"" +
                            Slave_Attributes[c] + "\"");
        }
        slave.ID = static_cast<uint8_t>(Count_Of(slave.Row[0], r, "ID", Report));
        slave.ByteIN = static_cast<uint16_t>(Count_Of(slave.Row[1], r, "NB_IN", Report));
        slave.ByteOUT = static_cast<uint16_t>(Count_Of(slave.Row[2], r, "NB_OUT", Report));
        Clear_Bytes(slave);
        Slaves.push_back(std::move(slave));
    }
}

void Read_Bytes(const plat::TXmlNode& Node, const char* Name, int Slave, std::vector<std::string>& Offsets,
                std::vector<std::string>& Mnemonics, TOffsetRead& Report) {
    const plat::TXmlNode list = Node.FindNode(Name);
    if (list.IsNull()) {
        // The slave keeps "None" for those bytes.
        Report.Fail("\"DNETM_DefOff.xml\": slave " + std::to_string(Slave) + " has no " + Name);
        return;
    }
    size_t j = 0;
    for (plat::TXmlNode row = list.FirstChild(); !row.IsNull() && j < Offsets.size(); row = row.NextSibling(), ++j) {
        if (!row.GetAttribute("Offset", Offsets[j]))
            Report.Fail("\"DNETM_DefOff.xml\": slave " + std::to_string(Slave) + " " + Name + " byte " +
                        std::to_string(j) + " lacks the attribute \"Offset\"");
        if (!row.GetAttribute("Mnemonic", Mnemonics[j]))
            Report.Fail("\"DNETM_DefOff.xml\": slave " + std::to_string(Slave) + " " + Name + " byte " +
                        std::to_string(j) + " lacks the attribute \"Mnemonic\"");
    }
}

void Read_Offsets(const plat::TXmlNode& Root, TSlaves& Slaves, TOffsetRead& Report) {
    size_t k = 0;
    for (plat::TXmlNode node = Root.FirstChild(); !node.IsNull() && k < Slaves.size(); node = node.NextSibling(), ++k) {
        TSlave_DN& s = Slaves[k];
        Read_Bytes(node, "ByteIN", static_cast<int>(k) + 1, s.SL_ByteIN, s.SL_ByteIN_M, Report);
        Read_Bytes(node, "ByteOUT", static_cast<int>(k) + 1, s.SL_ByteOUT, s.SL_ByteOUT_M, Report);
    }
}

template <class TRead>
void Read_Text(std::string_view Xml, TSlaves& Slaves, TOffsetRead& Report, TRead Read) {
    plat::TXmlDocument doc;
    std::string error;
    if (!doc.LoadFromString(Xml, &error)) {
        Report.Fail(error);
        return;
    }
    Read(doc.Root(), Slaves, Report);
}

template <class TRead>
void Load_File(const std::string& Path, TSlaves& Slaves, TOffsetRead& Report, TRead Read) {
    plat::TXmlDocument doc;
    std::string error;
    switch (shell::Load_Project_XML(doc, Path, &error)) {
        case shell::TXmlLoad::Missing: return;
        case shell::TXmlLoad::Malformed: Report.Fail(error); return;
        case shell::TXmlLoad::Loaded: Read(doc.Root(), Slaves, Report); return;
    }
}

void Add_Bytes(plat::TXmlNode Node, const char* Name, const std::vector<std::string>& Offsets,
               const std::vector<std::string>& Mnemonics) {
    plat::TXmlNode list = Node.AddChild(Name);
    for (size_t j = 0; j < Offsets.size(); ++j) {
        plat::TXmlNode row = list.AddChild("row");
        row.AppendAttribute("Offset", Offsets[j]);
        row.AppendAttribute("Mnemonic", j < Mnemonics.size() ? Mnemonics[j] : std::string());
    }
}

}  // namespace

void Clear_Bytes(TSlave_DN& Slave) {
    Slave.SL_ByteIN.assign(Slave.ByteIN, "None");
    Slave.SL_ByteIN_M.assign(Slave.ByteIN, "");
    Slave.SL_ByteOUT.assign(Slave.ByteOUT, "None");
    Slave.SL_ByteOUT_M.assign(Slave.ByteOUT, "");
}

void Read_DNet_Slaves(std::string_view Xml, TSlaves& Slaves, TOffsetRead& Report) {
    Read_Text(Xml, Slaves, Report, Read_Slaves);
}

void Read_DNet_Offsets(std::string_view Xml, TSlaves& Slaves, TOffsetRead& Report) {
    Read_Text(Xml, Slaves, Report, Read_Offsets);
}

void Load_Slave_DN(const std::string& Path, TSlaves& Slaves, TOffsetRead& Report) {
    Load_File(Path, Slaves, Report, Read_Slaves);
}

void Load_Offset_Slave_DN(const std::string& Path, TSlaves& Slaves, TOffsetRead& Report) {
    Load_File(Path, Slaves, Report, Read_Offsets);
}

std::optional<TOffsetFault> Check_Data(const TSlaves& Slaves) {
    // Output bytes feed the array: the owner of each position so far.
    std::vector<std::optional<std::pair<int, int>>> owner(DNet_Positions);
    for (const bool output : {false, true})
        for (const TSlave_DN& s : Slaves) {
            const std::vector<std::string>& offsets = output ? s.SL_ByteOUT : s.SL_ByteIN;
            for (size_t j = 0; j < offsets.size(); ++j) {
                const int p = base::StrToIntDef(offsets[j], -1);
                if (p < 0) continue;
                const int byte = static_cast<int>(j);
                // A hand-edited file may name a position the array lacks.
                if (p >= DNet_Positions) return TOffsetFault{output, s.ID, byte, std::nullopt};
                if (!output) continue;
                if (owner[static_cast<size_t>(p)]) return TOffsetFault{true, s.ID, byte, owner[static_cast<size_t>(p)]};
                owner[static_cast<size_t>(p)] = std::pair{static_cast<int>(s.ID), byte};
            }
        }
    return std::nullopt;
}

std::string Offset_Fault_Message(const TOffsetFault& Fault) {
    using shell::Lang_Texts;
    if (Fault.Owner)
        return Lang_Texts[3021] + "\n\r( " + Lang_Texts[3022] + std::to_string(Fault.Owner->first) + Lang_Texts[3023] +
               std::to_string(Fault.Owner->second) + Lang_Texts[3024] + std::to_string(Fault.ID) + Lang_Texts[3025] +
               std::to_string(Fault.Byte) + ")";
    return Lang_Texts[3027] + std::to_string(DNet_Positions - 1) + "\n\r" + Lang_Texts[3028] +
           std::to_string(Fault.ID) + Lang_Texts[Fault.Output ? 3030 : 3029] + std::to_string(Fault.Byte) + ")";
}

std::string Offsets_To_Xml(const TSlaves& Slaves) {
    plat::TXmlDocument doc;
    plat::TXmlNode root = doc.AddRoot("Define_Offset");
    doc.AddComment(shell::Project_XML_Version);
    for (const TSlave_DN& s : Slaves) {
        plat::TXmlNode node = root.AddChild("Nodo_DNET");
        Add_Bytes(node, "ByteIN", s.SL_ByteIN, s.SL_ByteIN_M);
        Add_Bytes(node, "ByteOUT", s.SL_ByteOUT, s.SL_ByteOUT_M);
    }
    return doc.SaveToString();
}

bool Save_Offset_Slave_DN(const TSlaves& Slaves, const std::string& Path, std::string* Error) {
    return base::WriteFileAtomic(Path, Offsets_To_Xml(Slaves), Error);
}

}  // namespace proto
