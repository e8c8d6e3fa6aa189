// The MIB writer: the stored module of a small agent table byte for byte,
// object names and types, the refusals of a hand-edited table, and the
// command's generator leaving no file when it refuses.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "gateway/GatewayTestSupport.h"
#include "platform/XmlDom.h"
#include "protocols/SNMP_MIB.h"
#include "shell/Comon.h"

namespace {

namespace fs = std::filesystem;
using gwtest::ReadFile;
using proto::TMibData;
using proto::TMibObject;

void WriteText(const std::string& Path, const char* Text) {
    std::ofstream(Path, std::ios::binary | std::ios::trunc) << Text;
}

std::string Data(const std::string& Name) {
    return std::string(VASTRIMO_TEST_DATA) + "/mib/" + Name;
}

TMibData Parse(const std::string& Xml) {
    plat::TXmlDocument doc;
    EXPECT_TRUE(doc.LoadFromString(Xml));
    TMibData data;
    std::string error;
    EXPECT_TRUE(proto::Read_SNMP_Trap_List(doc, data, &error)) << error;
    return data;
}

std::string Mib(const TMibData& Data) {
    std::ostringstream out;
    proto::TMibWriter writer;
    EXPECT_TRUE(writer.Write(Data, out)) << writer.ErrorString();
    return out.str();
}

// The lines of the text that contain Part.
std::vector<std::string> Lines_With(const std::string& Text, const std::string& Part) {
    std::vector<std::string> lines;
    std::istringstream in(Text);
    for (std::string line; std::getline(in, line);)
        if (line.find(Part) != std::string::npos) lines.push_back(line);
    return lines;
}

}  // namespace

TEST(SNMP_MIB, SmallTableMatchesTheStoredModule) {
    TMibData data;
    std::string error;
    ASSERT_TRUE(proto::Load_SNMP_Trap_List(Data("small/SNMP_Trap.xml"), data, &error)) << error;
    EXPECT_EQ(data.Read, (std::vector<TMibObject>{{"temp", true, 1}, {"", false, 3}}));
    EXPECT_EQ(data.Write, (std::vector<TMibObject>{{"setpoint", true, 1}, {"", false, 2}}));
    const std::string text = Mib(data);
    EXPECT_EQ(text, ReadFile(Data("small/expected.mib")));
    EXPECT_EQ(text.substr(0, 8), "GATEWAY ");  // no byte-order mark
    EXPECT_EQ(text.substr(text.size() - 5), "END\r\n");
    for (size_t i = text.find('\n'); i != std::string::npos; i = text.find('\n', i + 1))
        ASSERT_EQ(text[i - 1], '\r') << "line end at " << i;
}

TEST(SNMP_MIB, ObjectsTypesAndNotifications) {
    const TMibData data = Parse(
        R"(<SNMP_Trap><SNMP_Trap_Read>)"
        R"(<row Enable="Y" Type="int" Description="d"/><row Enable="N" Type="Int" Description="x"/>)"
        R"(<row Enable="y" Type="Integer" Description=""/><row Type="Int" Description="y"/><row Enable="Y"/>)"
        R"(</SNMP_Trap_Read><SNMP_Trap_Write><row Enable="Y" Type="INT" Description="w"/></SNMP_Trap_Write>)"
        R"(</SNMP_Trap>)");
    const std::string text = Mib(data);
    const struct {
        const char* part;
        std::vector<std::string> lines;
    } cases[] = {
        {"{ bufferinval ",
         {"d OBJECT-TYPE SYNTAX INTEGER MAX-ACCESS read-only STATUS current DESCRIPTION \"d\" ::= { bufferinval 1 }",
          "bufferinval2 OBJECT-TYPE SYNTAX OCTET STRING MAX-ACCESS read-only STATUS current DESCRIPTION \"\" ::= { "
          "bufferinval 2 }",
          "bufferinval3 OBJECT-TYPE SYNTAX OCTET STRING MAX-ACCESS read-only STATUS current DESCRIPTION \"\" ::= { "
          "bufferinval 3 }"}},
        {"{ bufferoutval ",
         {"w OBJECT-TYPE SYNTAX INTEGER MAX-ACCESS read-write STATUS current DESCRIPTION \"w\" ::= { bufferoutval 1 "
          "}"}},
        // One notification per read object, carrying it; write objects have none.
        {"NOTIFICATION-TYPE OBJECTS",
         {"trapval1 NOTIFICATION-TYPE OBJECTS { d } STATUS current DESCRIPTION \"d\" ::= { trapsval 1 }",
          "trapval2 NOTIFICATION-TYPE OBJECTS { bufferinval2 } STATUS current DESCRIPTION \"\" ::= { trapsval 2 }",
          "trapval3 NOTIFICATION-TYPE OBJECTS { bufferinval3 } STATUS current DESCRIPTION \"\" ::= { trapsval 3 }"}},
    };
    for (const auto& c : cases) {
        std::vector<std::string> expected;
        for (const std::string& l : c.lines) expected.push_back(l + "\r");
        EXPECT_EQ(Lines_With(text, c.part), expected) << c.part;
    }
}

TEST(SNMP_MIB, AFullPageGivesTwoHundredFiftySixObjectsAndOneMoreIsRefused) {
    TMibData data;
    for (int i = 0; i < proto::MIB_Max_Objects; ++i) data.Read.push_back({"", i % 2 == 0, i + 1});
    const std::string text = Mib(data);
    EXPECT_EQ(Lines_With(text, "NOTIFICATION-TYPE OBJECTS").size(), 256u);
    EXPECT_EQ(Lines_With(text, "trapval256 NOTIFICATION-TYPE OBJECTS { bufferinval256 }").size(), 1u);
    EXPECT_EQ(Lines_With(text, "::= { bufferinval 256 }").size(), 1u);

    data.Read.push_back({"", false, 257});
    std::ostringstream out;
    proto::TMibWriter writer;
    EXPECT_FALSE(writer.Write(data, out));
    EXPECT_EQ(out.str(), "");
    EXPECT_NE(writer.ErrorString().find("257 enabled rows"), std::string::npos) << writer.ErrorString();
}

TEST(SNMP_MIB, AHandEditedTableIsRefused) {
    const struct {
        const char* name;
        TMibData data;
        const char* reason;
    } cases[] = {
        {"upper-case", {{{"Temp", true, 4}}, {}}, "section \"SNMP_Trap_Read\", row 4: the Description \"Temp\" is no"},
        {"blank", {{}, {{"a b", true, 2}}}, "section \"SNMP_Trap_Write\", row 2: the Description \"a b\" is no"},
        {"too long", {{{std::string(65, 'a'), true, 1}}, {}}, "is no MIB name"},
        {"fixed", {{{"countin", true, 1}}, {}}, "\"countin\" is a name the MIB uses itself"},
        {"numbered", {{}, {{"trapval3", true, 1}}}, "\"trapval3\" is a name the MIB uses itself"},
        {"twice across pages",
         {{{"a", true, 1}}, {{"a", true, 5}}},
         "section \"SNMP_Trap_Write\", row 5: the object name \"a\" is already given in section \"SNMP_Trap_Read\", "
         "row 1"},
    };
    for (const auto& c : cases) {
        std::string error;
        EXPECT_FALSE(proto::Check_MIB_Data(c.data, &error)) << c.name;
        EXPECT_NE(error.find(c.reason), std::string::npos) << c.name << ": " << error;
    }
    EXPECT_TRUE(proto::Check_MIB_Data({{{"ab", true, 1}}, {{"aB", true, 1}}}));
}

TEST(SNMP_MIB, TheCommandsGeneratorWritesNothingWhenItRefuses) {
    const fs::path dir = fs::path(VASTRIMO_TEST_OUT) / "mib_generator";
    fs::remove_all(dir);
    fs::create_directories(dir);
    shell::SNMP_Trap_File = (dir / "SNMP_Trap.xml").string();
    const std::string out = (dir / "out.mib").string();
    const struct {
        const char* name;
        const char* xml;
        const char* reason;
    } cases[] = {
        {"not XML", "<SNMP_Trap><SNMP_Trap_Read>", "\"SNMP_Trap.xml\": "},
        {"other root", "<SNMP_Manager_Access/>", "the root element is not \"SNMP_Trap\""},
        {"bad name",
         R"(<SNMP_Trap><SNMP_Trap_Read><row Enable="Y" Description="data"/></SNMP_Trap_Read></SNMP_Trap>)",
         "\"data\" is a name the MIB uses itself"},
    };
    for (const auto& c : cases) {
        WriteText(shell::SNMP_Trap_File, c.xml);
        WriteText(out, "old");
        std::string error;
        EXPECT_FALSE(proto::Write_MIB_File(out, &error)) << c.name;
        EXPECT_NE(error.find(c.reason), std::string::npos) << c.name << ": " << error;
        EXPECT_EQ(ReadFile(out), "old") << c.name;
    }
    // Without a table the module has its fixed part only; the lists name the
    // objects of the last run.
    fs::remove(shell::SNMP_Trap_File);
    std::string error;
    ASSERT_TRUE(proto::Write_MIB_File(out, &error)) << error;
    EXPECT_EQ(Lines_With(ReadFile(out), "NOTIFICATION-TYPE OBJECTS").size(), 0u);
    EXPECT_EQ(shell::MIB_Read_List.Count(), 0);
    fs::copy_file(Data("small/SNMP_Trap.xml"), shell::SNMP_Trap_File);
    ASSERT_TRUE(proto::Write_MIB_File(out, &error)) << error;
    EXPECT_EQ(ReadFile(out), ReadFile(Data("small/expected.mib")));
    ASSERT_EQ(shell::MIB_Read_List.Count(), 2);
    EXPECT_EQ(shell::MIB_Read_List[0], "temp");
    EXPECT_EQ(shell::MIB_Read_List[1], "");
    EXPECT_EQ(shell::MIB_Write_List.Count(), 2);
}
