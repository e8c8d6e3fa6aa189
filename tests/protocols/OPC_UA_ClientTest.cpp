// The OPC UA client model, its file and its rules, without a window.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "protocols/OPC_UA_Client_Check.h"
#include "protocols/OPC_UA_Client_File.h"
#include "shell/Language.h"

using namespace proto;

namespace {

const std::string Data = std::string(VASTRIMO_TEST_DATA) + "/opcua/";

std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

TOPC_UA_Variable Var(const std::string& type, const std::string& position, const std::string& node_type = "Numeric",
                     const std::string& node_id = "1") {
    TOPC_UA_Variable v;
    v.Enable = true;
    v.DispalyName = "V" + position;
    v.SetNodeType(node_type);
    v.SetNodeID(node_id);
    v.SetVarType(type);
    v.VarArray = "Variable";
    v.Start = "0";
    v.Len = "0";
    v.OnChange = v.OnCMD = v.OnTimer = "N";
    v.Time = "100";
    v.Position = position;
    return v;
}

TOPC_UA_Server_List Sample() {
    TOPC_UA_Server s;
    s.Enable = true;
    s.ServerAddress = "opc.tcp://10.0.0.5:4840";
    s.Authorization = "Username and Password";
    s.UserName = "op";
    s.Password = " p&ss ";
    s.Certificate = "-----BEGIN-----\nAB\n-----END-----";
    s.SecurityType = "Sign";
    s.SecurityPolicy = "Basic 256";
    s.Mnemonic = "Line \"1\"";
    s.Var_List_R = {Var("Int16", "0"), Var("Double", "2", "Guid", "0123abcd-0000-11f2-8a00-00aabbccddee"),
                    Var("String", "10", "String", "ns=2;s=Tank.Level"), Var("UInt32", "30", "Numeric", "4294967295")};
    s.Var_List_R[1].Enable = false;
    s.Var_List_R[2].nameSpaceIndex = 2;
    s.Var_List_W = {Var("ByteString", "0", "ByteString", "AQID"), Var("Float", "20")};
    s.Var_List_W[0].VarArray = "Array";  // a write variable is stored as "Var" all the same
    s.Var_List_W[0].OnTimer = "Y";
    s.Var_List_W[1].OnChange = "Y";
    TOPC_UA_Server empty;
    empty.ServerAddress = "opc.tcp://spare";
    empty.Authorization = "Anonymous";
    empty.SecurityType = empty.SecurityPolicy = "None";
    return {s, empty};
}

}  // namespace

TEST(OPC_UA_Variable, NodeIdentifiersAndTypes) {
    const struct {
        const char* node_type;
        const char* text;
        const char* shown;
    } cases[] = {
        {"guid", "0123abcd-0000-11f2-8a00-00aabbccddee", "0123ABCD-0000-11F2-8A00-00AABBCCDDEE"},
        {"Guid", "FF", "000000FF-0000-0000-0000-000000000000"},
        {"Guid", "1-2-3-4", "00000001-0002-0003-0400-000000000000"},
        {"Guid", "zz-1", "00000000-0001-0000-0000-000000000000"},
        {"Numeric", "0x10", "16"},
        {"Numeric", "$FF", "255"},
        {"Numeric", "abc", "0"},
        {"Numeric", "4294967295", "4294967295"},  // above the signed range: kept
        {"Numeric", "4294967296", "0"},
        {"Numeric", "-1", "0"},
        {"String", " ns=2;s=A ", " ns=2;s=A "},
        {"ByteString", "AQID", "AQID"},
        {"Other", "7", "7"},  // an unknown kind is numeric
    };
    for (const auto& c : cases) {
        TOPC_UA_Variable v;
        v.SetNodeType(c.node_type);
        v.SetNodeID(c.text);
        EXPECT_EQ(v.NodeID(), c.shown) << c.node_type << " " << c.text;
    }
    TOPC_UA_Variable v;
    v.SetNodeType("GUID");
    v.SetNodeID("0123abcd-0000-11f2-8a00-00aabbccddee");
    EXPECT_EQ(v.guide1, 0x0123ABCDu);
    EXPECT_EQ(v.guide3, 0x11F2);
    EXPECT_EQ(v.guide4[0], 0x8A);
    EXPECT_EQ(v.guide4[7], 0xEE);

    const struct {
        const char* text;
        int code;
        const char* shown;
    } types[] = {{"uint16", 4, "UInt16"}, {"Real", 0, "Boolean"}, {"BYTESTRING", 14, "ByteString"},
                 {"DateTime", 12, "DateTime"}};
    for (const auto& t : types) {
        v.SetVarType(t.text);
        EXPECT_EQ(v.dataType, t.code) << t.text;
        EXPECT_EQ(v.VarType(), t.shown) << t.text;
    }
    v.dataType = 99;
    EXPECT_EQ(v.VarType(), "Boolean");
}

TEST(OPC_UA_Client_File, WritesTheStoredLayout) {
    EXPECT_EQ(OPC_UA_Client_To_Xml(Sample()), ReadText(Data + "OPC_UA_Client.xml"));
}

TEST(OPC_UA_Client_File, SaveAndLoadGiveTheSameServers) {
    const std::string path = std::string(VASTRIMO_TEST_OUT) + "/opcua_client_roundtrip.xml";
    std::filesystem::create_directories(VASTRIMO_TEST_OUT);
    ASSERT_TRUE(Save_OPC_UA_Client(Sample(), path));
    TOPC_UA_Server_List back;
    std::string error;
    ASSERT_TRUE(Load_OPC_UA_Client(path, back, &error)) << error;
    TOPC_UA_Server_List expected = Sample();
    // Write variables come back as what the file holds for them.
    for (TOPC_UA_Variable& v : expected[0].Var_List_W) {
        v.VarArray = "Var";
        v.Start = v.Len = "0";
    }
    EXPECT_EQ(back, expected);
}

TEST(OPC_UA_Client_File, ReadsAHandWrittenFile) {
    const std::string xml =
        "<?xml version=\"1.0\"?>\n"
        "<OPC_UA_Client><OPC_UA_Server_List>\n"
        " <OPC_UA_Server Enable=\"1\" ServerAddress=\"opc.tcp://a\" Authorization=\"Anonymous\" UserName=\"\""
        "  Password=\"\" Certificate=\"\" PrivateKey=\"\" SecurityType=\"None\" SecurityPolicy=\"None\" Mnemonic=\"m\">\n"
        "  <OPC_UA_Variables>\n"
        "   <OPC_UA_Read_Var>\n"
        "    <Variable Enable=\"1\" DisplayName=\"Level\" NodeType=\"string\" NodeID=\"Tank.Level\" VarType=\"float\""
        "     NameSpaceIndex=\"3\" Time=\"500\" Position=\"12\" Mnemonic=\"\"/>\n"
        "    <Variable Enable=\"yes\" DisplayName=\"Big\" NodeType=\"Numeric\" NodeID=\"3000000000\" VarType=\"UInt32\""
        "     NameSpaceIndex=\"0\" VarArray=\"Array\" Start=\"2\" Length=\"4\" OnTimer=\"1\" Time=\"\" Position=\"\" Mnemonic=\"\"/>\n"
        "   </OPC_UA_Read_Var>\n"
        "   <OPC_UA_Write_Var/>\n"
        "  </OPC_UA_Variables>\n"
        " </OPC_UA_Server>\n"
        " <OPC_UA_Server ServerAddress=\"opc.tcp://b\" Authorization=\"x\" UserName=\"\" Password=\"\" Certificate=\"\""
        "  PrivateKey=\"\" SecurityType=\"\" SecurityPolicy=\"\" Mnemonic=\"\">"
        "<OPC_UA_Variables><OPC_UA_Read_Var/><OPC_UA_Write_Var/></OPC_UA_Variables></OPC_UA_Server>\n"
        "</OPC_UA_Server_List></OPC_UA_Client>\n";
    TOPC_UA_Server_List servers;
    std::string error;
    ASSERT_TRUE(OPC_UA_Client_From_Xml(xml, servers, &error)) << error;
    ASSERT_EQ(servers.size(), 2u);
    EXPECT_TRUE(servers[0].Enable);
    EXPECT_FALSE(servers[1].Enable);
    EXPECT_EQ(servers[1].Authorization, "x");
    EXPECT_TRUE(servers[0].Var_List_W.empty());
    ASSERT_EQ(servers[0].Var_List_R.size(), 2u);
    const TOPC_UA_Variable& level = servers[0].Var_List_R[0];
    EXPECT_TRUE(level.Enable);
    EXPECT_EQ(level.NodeType(), "String");
    EXPECT_EQ(level.NodeID(), "Tank.Level");
    EXPECT_EQ(level.VarType(), "Float");
    EXPECT_EQ(level.nameSpaceIndex, 3);
    EXPECT_EQ(level.VarArray, "Variable");
    EXPECT_EQ(level.Start, "0");
    EXPECT_EQ(level.Len, "0");
    EXPECT_EQ(level.OnTimer, "N");
    EXPECT_EQ(level.Position, "12");
    const TOPC_UA_Variable& big = servers[0].Var_List_R[1];
    EXPECT_FALSE(big.Enable);  // only "1" enables
    EXPECT_EQ(big.numeric, 3000000000u);
    EXPECT_EQ(big.VarArray, "Array");
    EXPECT_EQ(big.Len, "4");
    EXPECT_EQ(big.OnTimer, "Y");
    EXPECT_EQ(big.OnChange, "N");
}

TEST(OPC_UA_Client_File, RefusesWhatItCannotRead) {
    const std::string head =
        "<OPC_UA_Client><OPC_UA_Server_List>"
        "<OPC_UA_Server Enable=\"1\" ServerAddress=\"a\" Authorization=\"\" UserName=\"\" Password=\"\" "
        "Certificate=\"\" PrivateKey=\"\" SecurityType=\"\" SecurityPolicy=\"\" Mnemonic=\"\">"
        "<OPC_UA_Variables><OPC_UA_Read_Var/><OPC_UA_Write_Var/></OPC_UA_Variables></OPC_UA_Server>";
    const struct {
        std::string xml;
        const char* message_part;
    } cases[] = {
        {"<Other/>", "<OPC_UA_Client>"},
        {"<OPC_UA_Client/>", "<OPC_UA_Server_List>"},
        {head + "<OPC_UA_Server ServerAddress=\"b\"/></OPC_UA_Server_List></OPC_UA_Client>",
         "server 2: the attribute \"Authorization\""},
        {head + "</OPC_UA_Server_List></OPC_UA_Client>" + "<", ""},
        {"<OPC_UA_Client><OPC_UA_Server_List><OPC_UA_Server Enable=\"1\" ServerAddress=\"a\" Authorization=\"\" "
         "UserName=\"\" Password=\"\" Certificate=\"\" PrivateKey=\"\" SecurityType=\"\" SecurityPolicy=\"\" "
         "Mnemonic=\"\"><OPC_UA_Variables><OPC_UA_Read_Var><Variable DisplayName=\"d\" NodeType=\"Numeric\" "
         "NodeID=\"1\" VarType=\"Boolean\" NameSpaceIndex=\"two\" Time=\"\" Position=\"\" Mnemonic=\"\"/>"
         "</OPC_UA_Read_Var><OPC_UA_Write_Var/></OPC_UA_Variables></OPC_UA_Server></OPC_UA_Server_List>"
         "</OPC_UA_Client>",
         "server 1, read variable 1: the name space index \"two\""},
    };
    for (const auto& c : cases) {
        TOPC_UA_Server_List servers;
        std::string error;
        EXPECT_FALSE(OPC_UA_Client_From_Xml(c.xml, servers, &error, "OPC_UA_Client.xml")) << c.xml;
        EXPECT_NE(error.find("OPC_UA_Client.xml"), std::string::npos) << error;
        EXPECT_NE(error.find(c.message_part), std::string::npos) << error;
    }
    // The servers read completely before the fault stay.
    TOPC_UA_Server_List servers;
    OPC_UA_Client_From_Xml(cases[2].xml, servers);
    ASSERT_EQ(servers.size(), 1u);
    EXPECT_EQ(servers[0].ServerAddress, "a");
}

// A namespace index is a 16-bit number: anything else in the file is
// refused with the server and variable it belongs to, never cut down to
// another index.
TEST(OPC_UA_Client_File, NameSpaceIndexOutside16BitsIsRefused) {
    const struct {
        const char* index;
        bool write;
        int loaded;  // -1: refused
    } cases[] = {{"0", false, 0},       {"65535", false, 65535}, {"$FFFF", true, 65535}, {"70000", false, -1},
                 {"65536", true, -1},   {"-1", false, -1},       {"abc", true, -1},      {"", false, -1}};
    for (const auto& c : cases) {
        const std::string variable = std::string("<Variable DisplayName=\"d\" NodeType=\"Numeric\" ") +
                                     "NodeID=\"1\" VarType=\"Boolean\" NameSpaceIndex=\"" + c.index +
                                     "\" Time=\"1\" Position=\"0\" Mnemonic=\"\"/>";
        const std::string xml =
            "<OPC_UA_Client><OPC_UA_Server_List><OPC_UA_Server Enable=\"1\" ServerAddress=\"a\" "
            "Authorization=\"\" UserName=\"\" Password=\"\" Certificate=\"\" PrivateKey=\"\" "
            "SecurityType=\"\" SecurityPolicy=\"\" Mnemonic=\"\"><OPC_UA_Variables><OPC_UA_Read_Var>" +
            std::string(c.write ? "" : variable) + "</OPC_UA_Read_Var><OPC_UA_Write_Var>" +
            (c.write ? variable : "") +
            "</OPC_UA_Write_Var></OPC_UA_Variables></OPC_UA_Server></OPC_UA_Server_List></OPC_UA_Client>";
        TOPC_UA_Server_List servers;
        std::string error;
        const bool read = OPC_UA_Client_From_Xml(xml, servers, &error, "OPC_UA_Client.xml");
        if (c.loaded < 0) {
            EXPECT_FALSE(read) << c.index;
            EXPECT_EQ(error, std::string("\"OPC_UA_Client.xml\": server 1, ") + (c.write ? "write" : "read") +
                                 " variable 1: the name space index \"" + c.index +
                                 "\" is not a number from 0 to 65535")
                << c.index;
            continue;
        }
        ASSERT_TRUE(read) << c.index << ": " << error;
        const TOPC_UA_Variable& v = c.write ? servers.at(0).Var_List_W.at(0) : servers.at(0).Var_List_R.at(0);
        EXPECT_EQ(v.nameSpaceIndex, c.loaded) << c.index;
    }
}

TEST(OPC_UA_Client_File, MissingFileIsAnEmptyConfiguration) {
    TOPC_UA_Server_List servers = Sample();
    EXPECT_TRUE(Load_OPC_UA_Client(std::string(VASTRIMO_TEST_OUT) + "/no_such_opcua.xml", servers));
    EXPECT_TRUE(servers.empty());
}

// ---------------------------------------------------------------- the check

class OPC_UA_Client_Check : public ::testing::Test {
protected:
    void SetUp() override { shell::Load_Default_Texts(); }
    static std::string Message(const TOPC_UA_Server_List& servers) { return gw::CheckMessage(Controllo_Dati(servers)); }
};

TEST_F(OPC_UA_Client_Check, FirstFaultWithServerAndVariableNumbers) {
    using Change = std::function<void(TOPC_UA_Server_List&)>;
    auto read = [](TOPC_UA_Server_List& s) -> TOPC_UA_Variable& { return s[1].Var_List_R[2]; };
    auto write = [](TOPC_UA_Server_List& s) -> TOPC_UA_Variable& { return s[1].Var_List_W[2]; };
    const std::string R = "Error in Server Number 2 in Read Variable 3!! ";
    const std::string W = "Error in Server Number 2 in Write Variable 3!! ";
    const struct {
        const char* name;
        Change change;
        std::string message;
    } cases[] = {
        {"valid", [](auto&) {}, ""},
        {"empty var/array", [&](auto& s) { read(s).VarArray = " "; }, R + "Var/Array cannot be empty"},
        {"array of strings", [&](auto& s) { read(s).VarArray = "array"; read(s).SetVarType("String"); },
         R + "An Array cannot be of type String or ByteString"},
        {"array start", [&](auto& s) { read(s).VarArray = "Array"; read(s).Start = "x"; },
         R + "Array Start must be major or equal to 0"},
        {"array length", [&](auto& s) { read(s).VarArray = "Array"; read(s).Len = ""; },
         R + "Array Length must be major or equal to 0"},
        {"string start", [&](auto& s) { read(s).SetVarType("ByteString"); read(s).Start = "-1"; },
         R + "Start must be major or equal to 0"},
        {"string length", [&](auto& s) { read(s).SetVarType("String"); read(s).Len = "?"; },
         R + "Length must be major or equal to 0"},
        {"number start ignored", [&](auto& s) { read(s).Start = "x"; }, ""},
        {"read time empty", [&](auto& s) { read(s).Time = ""; }, R + "Time cannot be empty"},
        {"read time 0", [&](auto& s) { read(s).Time = "0"; }, R + "Time must be major to 0"},
        {"read position empty", [&](auto& s) { read(s).Position = " "; }, R + "Position cannot be empty"},
        {"read position 1500", [&](auto& s) { read(s).Position = "1500"; },
         R + "Position must be between 0 and 1498"},  // an Int16 takes two bytes
        {"read position $5DA", [&](auto& s) { read(s).Position = "$5DA"; }, ""},
        {"read Int16 at the last byte", [&](auto& s) { read(s).Position = "$5DB"; },
         R + "Position must be between 0 and 1498"},
        {"blanks around numbers", [&](auto& s) { read(s).Time = " 100 "; read(s).Position = "\t4 "; }, ""},
        {"disabled read skipped", [&](auto& s) { read(s).Enable = false; read(s).Time = ""; }, ""},
        {"write time without timer", [&](auto& s) { write(s).Time = ""; }, ""},
        {"write time on timer", [&](auto& s) { write(s).OnTimer = "Y"; write(s).Time = ""; },
         W + "Time cannot be empty"},
        {"write time 0", [&](auto& s) { write(s).OnTimer = "Y"; write(s).Time = "0"; }, W + "Time must be major to 0"},
        {"write position empty", [&](auto& s) { write(s).Position = ""; }, W + "Position cannot be empty"},
        {"write position -1", [&](auto& s) { write(s).Position = "-1"; },
         W + "Position must be between 0 and 1498"},
        {"read before write", [&](auto& s) { write(s).Position = ""; read(s).Time = ""; }, R + "Time cannot be empty"},
    };
    for (const auto& c : cases) {
        TOPC_UA_Server_List servers(2);
        servers[0].Enable = false;  // disabled servers are checked too: here they hold nothing wrong
        for (int i = 0; i < 3; ++i) {
            servers[1].Var_List_R.push_back(Var("Int16", std::to_string(i * 2)));
            servers[1].Var_List_W.push_back(Var("Int16", std::to_string(i * 2)));
        }
        c.change(servers);
        EXPECT_EQ(Message(servers), c.message) << c.name;
    }
    EXPECT_EQ(Message({}), "");
}

// A value takes its type's bytes from its position on: all of them lie in
// the exchange area, or the check names the last position the type may
// start at.
TEST_F(OPC_UA_Client_Check, ValuesEndInsideTheArea) {
    const std::string R = "Error in Server Number 1 in Read Variable 1!! Position must be between 0 and ";
    const std::string W = "Error in Server Number 1 in Write Variable 1!! Position must be between 0 and ";
    const struct {
        const char* type;
        const char* position;
        bool write;
        std::string message;
    } cases[] = {
        {"Boolean", "1499", false, ""},         {"Boolean", "1500", false, R + "1499"},
        {"Double", "1492", false, ""},          {"Double", "1499", false, R + "1492"},
        {"String", "1480", false, ""},          {"String", "1481", false, R + "1480"},
        {"Guid", "1485", true, W + "1484"},     {"Int32", "1496", true, ""},
        {"Int32", "1497", true, W + "1496"},
    };
    for (const auto& c : cases) {
        TOPC_UA_Server_List servers(1);
        (c.write ? servers[0].Var_List_W : servers[0].Var_List_R).push_back(Var(c.type, c.position));
        EXPECT_EQ(Message(servers), c.message) << c.type << " at " << c.position;
    }
}

// Auto Pos gives every variable its place, and names the first one whose
// value would run past the exchange area.
TEST_F(OPC_UA_Client_Check, AutoPositionNamesTheFirstVariablePastTheArea) {
    TOPC_UA_Server_List servers(2);
    servers[0].Var_List_W = {Var("Guid", "0")};
    for (int i = 0; i < 190; ++i) servers[1].Var_List_R.push_back(Var("Double", "0"));
    servers[1].Var_List_W = {Var("Int16", "0")};
    EXPECT_EQ(gw::CheckMessage(Auto_Position(servers, 1)),
              "Error in Server Number 2 in Read Variable 188!! Position must be between 0 and 1492");
    EXPECT_EQ(servers[1].Var_List_R[186].Position, "1488");
    EXPECT_EQ(servers[1].Var_List_R[187].Position, "1496");  // written as computed all the same
    EXPECT_EQ(servers[1].Var_List_R[189].Position, "1512");
    EXPECT_EQ(servers[1].Var_List_W[0].Position, "16");
    EXPECT_TRUE(Auto_Position(servers, 0).Ok());
}

TEST(OPC_UA_Client_Positions, SizesAndStarts) {
    const struct {
        const char* type;
        int size;
    } sizes[] = {{"boolean", 1}, {"UInt8", 1}, {"Int16", 2}, {"Float", 4}, {"DateTime", 8}, {"Double", 8},
                 {"Guid", 16},   {"String", 20}, {"ByteString", 20}, {"Real", 0}};
    for (const auto& s : sizes) EXPECT_EQ(GetLenVarType(s.type), s.size) << s.type;

    TOPC_UA_Server_List servers(3);
    servers[0].Var_List_R = {Var("Int16", "9"), Var("Float", "9"), Var("DateTime", "9"), Var("Boolean", "9")};
    servers[0].Var_List_R[3].Enable = false;  // disabled ones get a place too
    servers[0].Var_List_W = {Var("String", "9"), Var("Guid", "9")};
    Auto_Position(servers, 0);
    std::vector<std::string> got;
    for (const auto& v : servers[0].Var_List_R) got.push_back(v.Position);
    EXPECT_EQ(got, (std::vector<std::string>{"0", "2", "6", "14"}));
    EXPECT_EQ(servers[0].Var_List_W[1].Position, "20");

    // The second server follows the first one's largest position + size,
    // whatever the positions of the others.
    servers[0].Var_List_R = {Var("Int16", "0"), Var("Float", "2")};
    servers[2].Var_List_R = {Var("Int16", "900")};
    servers[1].Var_List_R = {Var("UInt8", "x"), Var("Int16", "x")};
    EXPECT_EQ(Start_Position(servers, 1), (TStart_Position{6, 36}));
    Auto_Position(servers, 1);
    EXPECT_EQ(servers[1].Var_List_R[0].Position, "6");
    EXPECT_EQ(servers[1].Var_List_R[1].Position, "7");
    EXPECT_TRUE(servers[1].Var_List_W.empty());
    EXPECT_EQ(Start_Position(servers, 0), (TStart_Position{0, 0}));
}
